#include "TaskLoading.h"

#include "PlanMath.h"
#include "Progress.h"

namespace palvane {

void ApplySettings(PackWorkspace& ws, const SolveSettings& s) {
    ws.RandBase = s.Rand;
    ws.Intensity = s.Power;
    ws.TimeBudget = static_cast<double>(static_cast<std::int32_t>(s.Time) * 1000);
    ws.WeightFactor = static_cast<float>(s.Qw * 0.01L);
    ws.BindFactor = static_cast<float>(s.Qg * 0.1L);
    ws.CostFactor = static_cast<float>(s.Qc * 0.01L);
    ws.LeftFactor = static_cast<float>(s.Qr * 0.01L);
    ws.ItemGap = s.BB;
    ws.WallGap = s.BW;
    ws.LastOff = s.Last ? 1 : 0;
}

void ReadTaskRows(PackWorkspace& ws, const TaskRows& rows, ProgressSink& progress) {
    progress.setTitle(ProgressTitle::ReadingTask);
    progress.setOverall(0);
    ws.TaskTurnOn = rows.task.TurnOn ? 1 : 0;
    ws.DefltOn = rows.task.DefltOn ? 1 : 0;

    progress.setOverall(5);
    int t = 0;
    int total = 0;
    for (const TcRow& row : rows.tc) {
        if (total >= kMaxTaskContainers || t >= kContSlots - 1)
            break;
        ++t;
        ws.TypeID[t] = row.TypeID;
        ws.TypeAvail[t] = row.Avail;
        ws.TypeLoadWt[t] = row.LoadWt;
        ws.TypeWolume[t] = static_cast<float>(row.Wolume);
        ws.TypeLength[t] = row.Length;
        ws.TypeWidth[t] = row.Width;
        ws.TypeMark[t].set(row.Mark);
        ws.TypeNoseWt[t] = row.NoseWt;
        ws.TypeTailWt[t] = row.TailWt;
        ws.TypeNoseDL[t] = row.NoseDL;
        ws.TypeTailDL[t] = row.TailDL;
        ws.TypeCost[t] = static_cast<float>(row.Cost);
        ws.TypeFillDir[t] = row.FillDir == "Length" ? 1 : row.FillDir == "Width" ? 2 : 0;
        total += row.Avail;
    }
    ws.TypeCount = static_cast<std::int16_t>(t);
    progress.setOverall(10);

    const long double n = static_cast<long double>(rows.tb.size());
    int k = 0;
    total = 0;
    for (const TbRow& row : rows.tb) {
        if (total >= kMaxTaskBoxes || k >= kBoxSlots - 1)
            break;
        ++k;
        ws.KindID[k] = row.KindID;
        ws.KindTotal[k] = row.Total;
        ws.KindWeight[k] = row.Weight;
        ws.KindWolume[k] = static_cast<float>(row.Wolume);
        ws.KindLength[k] = row.Length;
        ws.KindWidth[k] = row.Width;
        ws.KindTurnOn[k] = row.TurnOn ? 1 : 0;
        ws.KindMark[k].set(row.Mark);
        ws.KindName[k].set(row.Kind);
        ws.KindCost[k] = static_cast<float>(row.Cost);
        total += row.Total;
        progress.setOverall(10 + NearestInt<int>(k * 90 / n));
    }
    ws.KindCount = static_cast<std::int16_t>(k);
}

namespace {

// Box b of the plan at the stored position of a posit row, in container j.
void placeStoredBox(PackPlan& plan, int b, int j, const PositRow& pos) {
    plan.ContNo[b] = static_cast<std::int16_t>(j);
    plan.PosX[b] = pos.PosX;
    plan.PosY[b] = pos.PosY;
    plan.PosLh[b] = pos.PosLh;
    plan.PosWh[b] = pos.PosWh;
    plan.LoadNo[b] = pos.LoadNo;
}

// First container of the type with the given TypeID that the plan has not fixed yet; 0 if none.
int freeContainerOfType(const PackWorkspace& ws, const PackPlan& plan, std::int32_t typeId) {
    for (int j = 1; j <= ws.ContCount; ++j)
        if (ws.TypeID[ws.ContType[j]] == typeId && !plan.FixCont[j])
            return j;
    return 0;
}

// First unplaced box of the kind with the given KindID; 0 if none.
int freeBoxOfKind(const PackWorkspace& ws, const PackPlan& plan, std::int32_t kindId) {
    for (int b = 1; b <= ws.BoxCount; ++b)
        if (ws.KindID[ws.BoxKind[b]] == kindId && plan.ContNo[b] == 0)
            return b;
    return 0;
}

} // namespace

void TakeOverFixed(PackWorkspace& ws, PackPlan& plan, const std::vector<SolutRow>& solut,
                   EngineMessageSink& messages) {
    for (const SolutRow& row : solut) {
        if (!row.FixCont)
            continue;
        const int j = freeContainerOfType(ws, plan, row.TypeID);
        if (j == 0) {
            messages.show(EngineMessage::ContainerFixDeficit, row.Type);
            continue;
        }
        plan.FixCont[j] = 1;
        for (const PositRow& pos : row.posit) {
            const int b = freeBoxOfKind(ws, plan, pos.KindID);
            if (b == 0) {
                messages.show(EngineMessage::BoxFixDeficit, pos.Kind);
                continue;
            }
            placeStoredBox(plan, b, j, pos);
        }
    }
}

void CompactLoadNos(PackWorkspace& ws, PackPlan& plan) {
    for (int j = 1; j <= ws.ContCount; ++j) {
        if (!plan.FixCont[j] || plan.BoxLoad[j] == 0)
            continue;
        // Duplicate loading numbers would keep the search for the next number going for ever;
        // no number beyond the container's largest can match, so the search stops there.
        int largest = 0;
        for (int b = 1; b <= ws.BoxCount; ++b)
            if (plan.ContNo[b] == j && plan.LoadNo[b] > largest)
                largest = plan.LoadNo[b];
        int shift = 0;
        for (int n = 1; n <= largest; ++n) {
            int found = 0;
            for (int b = 1; b <= ws.BoxCount; ++b) {
                if (plan.LoadNo[b] == n && plan.ContNo[b] == j) {
                    found = b;
                    break;
                }
            }
            if (found == 0) {
                ++shift;
                continue;
            }
            plan.LoadNo[found] = static_cast<std::int16_t>(n - shift);
            if (n - shift >= plan.BoxLoad[j])
                break;
        }
    }
}

void ReadStoredPlan(PackWorkspace& /*ws*/, PackPlan& plan, const std::vector<SolutRow>& solut) {
    for (const SolutRow& row : solut) {
        const int j = row.ContNo;
        // Numbers outside the arrays cannot come from a write-back; such rows are skipped.
        if (j < 0 || j >= kContSlots)
            continue;
        for (const PositRow& pos : row.posit) {
            const int b = pos.BoxNo;
            if (b < 0 || b >= kBoxSlots)
                continue;
            placeStoredBox(plan, b, j, pos);
        }
    }
}

} // namespace palvane
