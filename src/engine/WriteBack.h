#pragma once
// Stores a plan as the task's solution, and clears a stored solution except the containers
// the user fixed.

#include "SolveSettings.h"
#include "TaskRows.h"
#include "Workspace.h"

#include <string>

namespace palvane {

class ProgressSink;

// Today's local date as YYYY-MM-DD.
std::string TodayIsoDate();

// The rows that store plan as the task's solution: the task's solve fields and date, tc.Used
// and tb.Placed for the task's rows (in their order), one solut row per used container, one
// distr row per container and kind present, one posit row per placed box. TypeUsed and
// KindPlaced must describe plan.
SolutionWrite BuildSolutionRows(const PackWorkspace& ws, const PackPlan& plan, const SolveSettings& settings,
                                const TaskRows& rows, const std::string& date);

// Stores plan as the solution of the task: the previous solution rows are replaced and the
// task is marked solved in one unit. On failure the previous solution is left as it was.
RowsStatus WriteBack(PackWorkspace& ws, const PackPlan& plan, const SolveSettings& settings,
                     const TaskRows& rows, SolutionSink& sink, std::string& error);

// The changes that clear the stored solution of rows: the non-fixed containers go, tc.Used and
// tb.Placed count only the fixed ones. Fixed containers whose type, or fixed boxes whose kind,
// is no longer in the task are reported and not counted.
SolutionClear BuildClearRows(const TaskRows& rows, EngineMessageSink& messages, ProgressSink& progress);

// Clears the stored solution of the task as one unit, keeping the fixed containers; the task
// is marked unsolved. The workspace is not touched.
RowsStatus ClearSolution(std::int32_t taskId, TaskRowSource& source, SolutionSink& sink,
                         EngineMessageSink& messages, ProgressSink& progress, std::string& error);

// Changes rows in memory as storing `clear` changes the tables: the non-fixed containers leave
// the solution with the distr and posit rows of their numbers, Used and Placed take the cleared
// counts and the task is unsolved.
void ApplyClearRows(TaskRows& rows, const SolutionClear& clear);

// Reads tasks through another source and hands a solved task over as its clear would leave it,
// without storing anything. A Solve that reads through it starts from the cleared task, while
// the stored solution stays as it is until the write-back replaces it with the new plan: clear
// and solve become one unit.
class ClearedTaskSource : public TaskRowSource {
public:
    ClearedTaskSource(TaskRowSource& source, EngineMessageSink& messages, ProgressSink& progress)
        : m_source(source), m_messages(messages), m_progress(progress) {}
    RowsStatus readTask(std::int32_t taskId, TaskRows& rows, std::string& error) override;

private:
    TaskRowSource& m_source;
    EngineMessageSink& m_messages;
    ProgressSink& m_progress;
};

} // namespace palvane
