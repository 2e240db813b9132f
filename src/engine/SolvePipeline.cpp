#include "SolvePipeline.h"

#include "ImprovePlan.h"
#include "PlanEvaluation.h"
#include "Preprocess.h"
#include "Progress.h"
#include "TaskLoading.h"
#include "WriteBack.h"

#include <algorithm>

namespace palvane {

namespace {

SolveStatus statusOfRead(RowsStatus read) {
    return read == RowsStatus::NoTask ? SolveStatus::NoTask : SolveStatus::ReadFailed;
}

} // namespace

SolveStatus CheckSolvePreconditions(const TaskRows& rows) {
    if (rows.tc.empty())
        return SolveStatus::NoContainers;
    if (rows.tb.empty())
        return SolveStatus::NoBoxes;
    long containers = 0;
    for (const TcRow& row : rows.tc)
        containers += std::max<long>(row.Avail, 1);
    if (containers > kMaxTaskContainers)
        return SolveStatus::TooManyContainers;
    long boxes = 0;
    for (const TbRow& row : rows.tb)
        boxes += std::max<long>(row.Total, 1);
    if (boxes > kMaxTaskBoxes)
        return SolveStatus::TooManyBoxes;
    return SolveStatus::Ok;
}

SolveOutcome SolveTask(PackWorkspace& ws, std::int32_t taskId, const SolveSettings& settings,
                       EngineServices& services) {
    SolveOutcome outcome;
    TaskRows rows;
    const RowsStatus read = services.source.readTask(taskId, rows, outcome.error);
    if (read != RowsStatus::Ok) {
        outcome.status = statusOfRead(read);
        return outcome;
    }
    outcome.status = CheckSolvePreconditions(rows);
    if (outcome.status != SolveStatus::Ok)
        return outcome;

    ResetWorkspace(ws, ws.StartPlan);
    ProgressSink& progress = WorkspaceProgress(ws);
    ReadTaskRows(ws, rows, progress);
    ApplySettings(ws, settings);
    Preprocess(ws);
    TakeOverFixed(ws, ws.StartPlan, rows.solut, services.messages);
    RecomputeLoads(ws, ws.StartPlan);
    CountPlacements(ws, ws.StartPlan);
    EvaluatePlan(ws, ws.StartPlan);
    CompactLoadNos(ws, ws.StartPlan);
    Optimise(ws, services.search);
    // The optional improvement stage works on the optimiser's plan; it is off by default.
    outcome.improve = ImprovePlan(ws, settings.Improve);
    outcome.stopped = ws.StopFlag != 0;
    outcome.aborted = ws.AbortFlag != 0;
    // The workspace holds this task's plan whether or not it could be stored.
    outcome.taskId = taskId;
    if (WriteBack(ws, ws.ResultPlan, settings, rows, services.sink, outcome.error) != RowsStatus::Ok)
        outcome.status = SolveStatus::WriteFailed;
    progress.setTimeVisible(false);
    outcome.elapsedText = std::string(ws.ElapsedText.view());
    return outcome;
}

SolveOutcome RebuildStoredPlan(PackWorkspace& ws, std::int32_t taskId, TaskRowSource& source) {
    SolveOutcome outcome;
    TaskRows rows;
    const RowsStatus read = source.readTask(taskId, rows, outcome.error);
    if (read != RowsStatus::Ok) {
        outcome.status = statusOfRead(read);
        return outcome;
    }
    ResetWorkspace(ws, ws.ResultPlan);
    ReadTaskRows(ws, rows, WorkspaceProgress(ws));
    Preprocess(ws);
    ReadStoredPlan(ws, ws.ResultPlan, rows.solut);
    RecomputeLoads(ws, ws.ResultPlan);
    CountPlacements(ws, ws.ResultPlan);
    // A task without containers or boxes has no plan to score.
    if (ws.ContCount >= 1 && ws.BoxCount >= 1)
        EvaluatePlan(ws, ws.ResultPlan);
    outcome.taskId = taskId;
    return outcome;
}

} // namespace palvane
