#include "WriteBack.h"

#include "Optimiser.h"
#include "PlanMath.h"
#include "Progress.h"

#include <algorithm>
#include <ctime>

namespace palvane {

std::string TodayIsoDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y-%m-%d", &local);
    return buf;
}

SolutionWrite BuildSolutionRows(const PackWorkspace& ws, const PackPlan& plan, const SolveSettings& settings,
                                const TaskRows& rows, const std::string& date) {
    SolutionWrite w;
    w.solve = taskFieldsFromSettings(settings);
    w.date = date;

    int i = 0;
    for (const TcRow& row : rows.tc) {
        ++i;
        w.tcUsed.emplace_back(row.TypeID, i < kContSlots ? ws.TypeUsed[i] : std::int16_t(0));
    }
    int k = 0;
    for (const TbRow& row : rows.tb) {
        ++k;
        w.tbPlaced.emplace_back(row.KindID, k < kBoxSlots ? ws.KindPlaced[k] : std::int16_t(0));
    }

    for (int j = 1; j <= ws.ContCount; ++j) {
        if (plan.BoxLoad[j] <= 0)
            continue;
        SolutRow s;
        s.ContNo = static_cast<std::int16_t>(j);
        s.TypeID = ws.TypeID[ws.ContType[j]];
        s.BoxLoad = plan.BoxLoad[j];
        s.WgtLoad = plan.WgtLoad[j];
        s.WolLoad = plan.WolLoad[j];
        s.FixCont = plan.FixCont[j] != 0;
        s.CostLoad = plan.CostLoad[j];
        s.NoseLoad = plan.NoseLoad[j];
        s.TailLoad = plan.TailLoad[j];
        w.solut.push_back(std::move(s));
    }

    // Boxes of each kind in each container, counted in one pass over the boxes.
    std::vector<std::int16_t> count(std::size_t(kContSlots) * kBoxSlots, 0);
    for (int b = 1; b <= ws.BoxCount; ++b) {
        const int j = plan.ContNo[b];
        if (j >= 1 && j <= ws.ContCount)
            ++count[std::size_t(j) * kBoxSlots + ws.BoxKind[b]];
    }
    for (int j = 1; j <= ws.ContCount; ++j) {
        for (int kind = 1; kind <= ws.KindCount; ++kind) {
            const std::int16_t placed = count[std::size_t(j) * kBoxSlots + kind];
            if (placed > 0)
                w.distr.push_back({static_cast<std::int16_t>(j), ws.KindID[kind], placed});
        }
    }

    for (int b = 1; b <= ws.BoxCount; ++b) {
        if (plan.ContNo[b] <= 0)
            continue;
        PositRow p;
        p.ContNo = plan.ContNo[b];
        p.BoxNo = static_cast<std::int16_t>(b);
        p.KindID = ws.KindID[ws.BoxKind[b]];
        p.PosX = plan.PosX[b];
        p.PosY = plan.PosY[b];
        p.PosLh = plan.PosLh[b];
        p.PosWh = plan.PosWh[b];
        p.LoadNo = plan.LoadNo[b];
        w.posit.push_back(std::move(p));
    }
    return w;
}

RowsStatus WriteBack(PackWorkspace& ws, const PackPlan& plan, const SolveSettings& settings,
                     const TaskRows& rows, SolutionSink& sink, std::string& error) {
    ProgressSink& progress = WorkspaceProgress(ws);
    progress.setTitle(ProgressTitle::WritingDb);
    for (int position : {0, 5, 10, 15, 20})
        progress.setOverall(position);
    const SolutionWrite w = BuildSolutionRows(ws, plan, settings, rows, TodayIsoDate());
    const long double n = static_cast<long double>(rows.tb.size());
    for (std::size_t k = 1; k <= rows.tb.size(); ++k)
        progress.setOverall(20 + NearestInt<int>(k * 60 / n));
    for (int position : {85, 90, 95})
        progress.setOverall(position);
    const RowsStatus status = sink.replaceSolution(rows.task.TaskID, w, error);
    progress.setOverall(100);
    return status;
}

SolutionClear BuildClearRows(const TaskRows& rows, EngineMessageSink& messages, ProgressSink& progress) {
    SolutionClear c;
    for (const TcRow& row : rows.tc)
        c.tcUsed.emplace_back(row.TypeID, std::int16_t(0));
    progress.setOverall(5);
    const long double n = static_cast<long double>(rows.tb.size());
    for (std::size_t k = 0; k < rows.tb.size(); ++k) {
        progress.setOverall(10 + NearestInt<int>(k * 70 / n));
        c.tbPlaced.emplace_back(rows.tb[k].KindID, std::int16_t(0));
    }
    for (int position : {85, 90})
        progress.setOverall(position);

    std::vector<const SolutRow*> fixed;
    for (const SolutRow& row : rows.solut) {
        if (row.FixCont)
            fixed.push_back(&row);
        else
            c.removedContNos.push_back(row.ContNo);
    }
    for (int position : {95, 100})
        progress.setOverall(position);

    progress.setTitle(ProgressTitle::FixedObjects);
    for (const SolutRow* row : fixed) {
        auto tc = std::find_if(c.tcUsed.begin(), c.tcUsed.end(),
                               [&](const auto& u) { return u.first == row->TypeID; });
        if (tc == c.tcUsed.end())
            messages.show(EngineMessage::ContFixError, std::string());
        else
            ++tc->second;
        const long double m = static_cast<long double>(row->distr.size());
        for (std::size_t i = 0; i < row->distr.size(); ++i) {
            progress.setOverall(5 + NearestInt<int>(i * 75 / m));
            const DistrRow& d = row->distr[i];
            auto tb = std::find_if(c.tbPlaced.begin(), c.tbPlaced.end(),
                                   [&](const auto& p) { return p.first == d.KindID; });
            if (tb == c.tbPlaced.end())
                messages.show(EngineMessage::BoxFixError, std::string());
            else
                tb->second = static_cast<std::int16_t>(tb->second + d.Placed);
        }
    }
    for (int position : {85, 90, 95, 100})
        progress.setOverall(position);
    return c;
}

RowsStatus ClearSolution(std::int32_t taskId, TaskRowSource& source, SolutionSink& sink,
                         EngineMessageSink& messages, ProgressSink& progress, std::string& error) {
    progress.setTitle(ProgressTitle::ClearingDb);
    TaskRows rows;
    const RowsStatus read = source.readTask(taskId, rows, error);
    if (read != RowsStatus::Ok)
        return read;
    const SolutionClear c = BuildClearRows(rows, messages, progress);
    return sink.clearSolution(taskId, c, error);
}

void ApplyClearRows(TaskRows& rows, const SolutionClear& clear) {
    auto removed = [&](std::int16_t contNo) {
        return std::find(clear.removedContNos.begin(), clear.removedContNos.end(), contNo) !=
               clear.removedContNos.end();
    };
    // The stored clear deletes distr and posit rows by container number, so a kept row that
    // shares its number with a removed one loses them too.
    std::vector<SolutRow> kept;
    for (SolutRow& row : rows.solut) {
        if (!row.FixCont && removed(row.ContNo))
            continue;
        if (removed(row.ContNo)) {
            row.distr.clear();
            row.posit.clear();
        }
        kept.push_back(std::move(row));
    }
    rows.solut = std::move(kept);
    for (const auto& [typeId, used] : clear.tcUsed)
        for (TcRow& tc : rows.tc)
            if (tc.TypeID == typeId)
                tc.Used = used;
    for (const auto& [kindId, placed] : clear.tbPlaced)
        for (TbRow& tb : rows.tb)
            if (tb.KindID == kindId)
                tb.Placed = placed;
    rows.task.Solut = false;
}

RowsStatus ClearedTaskSource::readTask(std::int32_t taskId, TaskRows& rows, std::string& error) {
    const RowsStatus read = m_source.readTask(taskId, rows, error);
    if (read != RowsStatus::Ok || !rows.task.Solut)
        return read;
    m_progress.setTitle(ProgressTitle::ClearingDb);
    ApplyClearRows(rows, BuildClearRows(rows, m_messages, m_progress));
    return RowsStatus::Ok;
}

} // namespace palvane
