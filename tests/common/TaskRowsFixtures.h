#pragma once
// Builders for task rows and an in-memory row store, shared by the engine and data tests.

#include "SolveSettings.h"
#include "TaskRows.h"

#include <string>
#include <utility>
#include <vector>

namespace palvane::testing {

// A container type row of a task.
inline TcRow containerRow(std::int32_t typeId, std::int16_t avail, std::int16_t length, std::int16_t width,
                          std::int32_t loadWt, std::string fillDir = "Length", double cost = 0) {
    TcRow r;
    r.TypeID = typeId;
    r.Avail = avail;
    r.Cost = cost;
    r.Type = "Type" + std::to_string(typeId);
    r.Mark = "T" + std::to_string(typeId);
    r.Length = length;
    r.Width = width;
    r.LoadWt = loadWt;
    r.FillDir = std::move(fillDir);
    r.Wolume = double(length) * width;
    return r;
}

// A box kind row of a task.
inline TbRow boxRow(std::int32_t kindId, std::int16_t total, std::int16_t length, std::int16_t width,
                    std::int32_t weight, bool turnOn = true, double cost = 0) {
    TbRow r;
    r.KindID = kindId;
    r.Total = total;
    r.Cost = cost;
    r.Kind = "Kind" + std::to_string(kindId);
    r.Mark = "K";
    r.Length = length;
    r.Width = width;
    r.Weight = weight;
    r.TurnOn = turnOn;
    r.Wolume = double(length) * width;
    return r;
}

// Task rows with the given containers and boxes and the default settings stored.
inline TaskRows taskRows(std::vector<TcRow> tc, std::vector<TbRow> tb, std::int32_t taskId = 1) {
    TaskRows rows;
    rows.task.TaskID = taskId;
    rows.task.Name = "Task" + std::to_string(taskId);
    rows.task.TurnOn = true;
    rows.task.DefltOn = false;
    rows.tc = std::move(tc);
    rows.tb = std::move(tb);
    return rows;
}

// One task kept in memory: reads give its rows, writes change them the way the tables would.
// failWrites makes the next writes fail without changing anything.
class MemoryTaskStore : public TaskRowSource, public SolutionSink {
public:
    explicit MemoryTaskStore(TaskRows rows) : rows(std::move(rows)) {}

    RowsStatus readTask(std::int32_t taskId, TaskRows& out, std::string& error) override {
        ++reads;
        if (taskId != rows.task.TaskID) {
            error = "no such task";
            return RowsStatus::NoTask;
        }
        out = rows;
        return RowsStatus::Ok;
    }

    RowsStatus replaceSolution(std::int32_t taskId, const SolutionWrite& w, std::string& error) override {
        if (failWrites || taskId != rows.task.TaskID) {
            error = "write refused";
            return RowsStatus::Failed;
        }
        lastWrite = w;
        rows.task.Solut = true;
        rows.task.Date = w.date;
        rows.task.solve = w.solve;
        setCounts(w.tcUsed, w.tbPlaced);
        rows.solut.clear();
        for (SolutRow s : w.solut) {
            for (const DistrRow& d : w.distr)
                if (d.ContNo == s.ContNo)
                    s.distr.push_back(d);
            for (PositRow p : w.posit) {
                if (p.ContNo != s.ContNo)
                    continue;
                p.Kind = kindName(p.KindID);
                s.posit.push_back(p);
            }
            s.Type = typeName(s.TypeID);
            rows.solut.push_back(std::move(s));
        }
        return RowsStatus::Ok;
    }

    RowsStatus clearSolution(std::int32_t taskId, const SolutionClear& c, std::string& error) override {
        if (failWrites || taskId != rows.task.TaskID) {
            error = "write refused";
            return RowsStatus::Failed;
        }
        std::vector<SolutRow> kept;
        for (SolutRow& s : rows.solut) {
            bool removed = false;
            for (std::int16_t no : c.removedContNos)
                removed = removed || (no == s.ContNo && !s.FixCont);
            if (!removed)
                kept.push_back(std::move(s));
        }
        rows.solut = std::move(kept);
        setCounts(c.tcUsed, c.tbPlaced);
        rows.task.Solut = false;
        return RowsStatus::Ok;
    }

    // Marks the stored container with the given number as fixed.
    void fixContainer(std::int16_t contNo) {
        for (SolutRow& s : rows.solut)
            if (s.ContNo == contNo)
                s.FixCont = true;
    }

    TaskRows rows;
    SolutionWrite lastWrite;
    bool failWrites = false;
    int reads = 0;

private:
    void setCounts(const std::vector<std::pair<std::int32_t, std::int16_t>>& used,
                   const std::vector<std::pair<std::int32_t, std::int16_t>>& placed) {
        for (const auto& [id, n] : used)
            for (TcRow& r : rows.tc)
                if (r.TypeID == id)
                    r.Used = n;
        for (const auto& [id, n] : placed)
            for (TbRow& r : rows.tb)
                if (r.KindID == id)
                    r.Placed = n;
    }
    std::string kindName(std::int32_t id) const {
        for (const TbRow& r : rows.tb)
            if (r.KindID == id)
                return r.Kind;
        return {};
    }
    std::string typeName(std::int32_t id) const {
        for (const TcRow& r : rows.tc)
            if (r.TypeID == id)
                return r.Type;
        return {};
    }
};

// Records the engine's messages.
class RecordingMessages : public EngineMessageSink {
public:
    void show(EngineMessage message, const std::string& subject) override {
        shown.emplace_back(message, subject);
    }
    std::vector<std::pair<EngineMessage, std::string>> shown;
};

} // namespace palvane::testing
