#pragma once
// The optimiser: a multi-start greedy search over container orders. Each iteration puts the
// containers into one order and fills them one after another with the layout search; every
// iteration's plan is scored and the best one kept. The time budget, the abort flag and a
// perfect plan end it early.

#include "Workspace.h"

#include <memory>

namespace palvane {

class ProgressSink;

// The layout search as the optimiser uses it: reset() brings the search inputs to their
// defaults before the optimiser fills them, run() prepares and runs the search of one
// container. Tests replace it with a predictable stand-in.
class LayoutSearch {
public:
    virtual ~LayoutSearch() = default;
    virtual void reset(PackWorkspace& ws) = 0;
    virtual void run(PackWorkspace& ws) = 0;
};

// The product's layout search (ResetSearch, then PrepareSearch and SearchContainer).
std::unique_ptr<LayoutSearch> NewLayoutSearch();

// Runs the optimiser on the prepared workspace and StartPlan. Leaves the plan to store in
// ResultPlan and its placement counts in KindPlaced and TypeUsed.
void Optimise(PackWorkspace& ws, LayoutSearch& search);

// The progress receiver of the workspace, or one that ignores everything.
ProgressSink& WorkspaceProgress(PackWorkspace& ws);

} // namespace palvane
