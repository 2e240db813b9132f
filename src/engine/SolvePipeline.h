#pragma once
// The two pipelines of the engine: solving a task (load, optimise, store) and rebuilding a
// task's stored plan in the workspace for viewing.

#include "ImprovePlan.h"
#include "Optimiser.h"
#include "SolveOutcome.h"
#include "SolveSettings.h"
#include "TaskRows.h"
#include "Workspace.h"

#include <string>

namespace palvane {

// What the Solve pipeline talks to besides the workspace.
struct EngineServices {
    TaskRowSource& source;
    SolutionSink& sink;
    EngineMessageSink& messages;
    LayoutSearch& search;
};

// Checks that the rows fit the workspace: at least one container and one box, at most 24
// containers and 1000 boxes (a row counts at least once, as the numbering counts it).
SolveStatus CheckSolvePreconditions(const TaskRows& rows);

// Solves the task with the given settings and stores the plan: the previous solution stays
// until the new one is stored completely. Progress goes to the workspace's progress receiver.
SolveOutcome SolveTask(PackWorkspace& ws, std::int32_t taskId, const SolveSettings& settings,
                       EngineServices& services);

// Rebuilds the stored plan of the task in ResultPlan with its loads, counts and score. The
// solve parameters keep their reset values.
SolveOutcome RebuildStoredPlan(PackWorkspace& ws, std::int32_t taskId, TaskRowSource& source);

} // namespace palvane
