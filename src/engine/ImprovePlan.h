#pragma once
// The improvement stage: an optional local search after the optimiser. It starts from the plan
// the optimiser leaves in ResultPlan and re-packs the boxes of a few containers at a time with
// a maximal-free-rectangles packer: it tries to empty the least filled container into one to
// three others, and otherwise moves area out of it; full re-packs of all free containers are
// tried first. A plan replaces ResultPlan only when it scores strictly higher by ScorePlan, and
// every re-packed container keeps the rules of the layout search: the floor less the walls,
// the item gap, the turning permissions, the weight limit with its tolerance, the support loads
// after the rearward shift, and kinds kept whole under a bind mode. Fixed containers are never
// touched and only the task's own containers are used.
//
// The budget is counted in work units (free rectangles examined), so the same inputs and budget
// give the same plan on any machine; the wall clock only stops a run that takes more than
// twice its seconds. Esc (the abort flag) stops the stage with the best plan so far.

#include "SolveOutcome.h"
#include "Workspace.h"

#include <cstdint>
#include <string>

namespace palvane {

// Work units granted per second of budget (about a second of work on a desktop computer).
inline constexpr std::int64_t kImproveWorkPerSecond = 40'000'000;

// Runs the stage for the given seconds on the workspace after Optimise (0 does nothing). When
// it finds a better plan, ResultPlan, BestPlan, KindPlaced and TypeUsed describe it.
ImproveReport ImprovePlan(PackWorkspace& ws, int seconds);

// Which moves the stage makes; all of them unless a measurement asks otherwise.
struct ImproveMoves {
    bool fullRepacks = true; // all free containers re-packed at once, every rule
    bool localSearch = true; // the least filled container with one to three others
    bool globalFits = true;  // re-packs may choose the best box for each spot, not only the next
};

// The same with the work budget given directly (tests and the benchmark).
ImproveReport ImprovePlanWork(PackWorkspace& ws, std::int64_t workBudget, double wallCapMs,
                              const ImproveMoves& moves = {});

// Checks one container of a plan against the layout rules in the search's terms: boxes with
// their kind's extents (turned only where turning is allowed), inside the floor less the wall
// gap, the item gap kept between boxes, loading numbers 1..BoxLoad, the weight limit with its
// tolerance and, where the type has support limits, both support loads within them. Returns
// an empty text when the container is valid, else what is wrong.
std::string ContainerLayoutProblem(const PackWorkspace& ws, const PackPlan& plan, int j);

} // namespace palvane
