#pragma once
// Moves the current task from its rows into the workspace: the container types and box kinds,
// the solve parameters, the containers fixed in the previous solution and, for viewing, the
// whole stored plan.

#include "SolveOutcome.h"
#include "SolveSettings.h"
#include "TaskRows.h"
#include "Workspace.h"

namespace palvane {

class ProgressSink;

// Solve parameters from the settings.
void ApplySettings(PackWorkspace& ws, const SolveSettings& settings);

// The task's tc and tb rows (in their index order) into the type and kind arrays. Reading
// stops once the rows read hold 24 containers or 1000 boxes.
void ReadTaskRows(PackWorkspace& ws, const TaskRows& rows, ProgressSink& progress);

// The fixed containers of the stored solution into plan: each takes the first free container
// of its type, and each of its boxes the first unplaced box of its kind. Containers or boxes
// that find no place are reported and dropped. Needs Preprocess. The stored rows themselves
// are left alone: the write-back replaces them together with the new plan.
void TakeOverFixed(PackWorkspace& ws, PackPlan& plan, const std::vector<SolutRow>& solut,
                   EngineMessageSink& messages);

// Renumbers the loading sequence of every fixed container to 1..BoxLoad without gaps, keeping
// the old order. Needs RecomputeLoads.
void CompactLoadNos(PackWorkspace& ws, PackPlan& plan);

// The stored solution rows into plan (box positions and loading numbers). Needs Preprocess.
void ReadStoredPlan(PackWorkspace& ws, PackPlan& plan, const std::vector<SolutRow>& solut);

} // namespace palvane
