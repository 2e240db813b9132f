#pragma once
// Loads, totals and score of a loading plan, and adding or removing one container. The score
// computed here is what the optimiser maximises; higher is better.

#include "Workspace.h"

namespace palvane {

// Per-container loads of the plan from its box assignments and positions. Unplaced boxes add
// to element 0.
void RecomputeLoads(const PackWorkspace& ws, PackPlan& plan);

// KindPlaced and TypeUsed from the plan (element 0: unplaced boxes, empty containers).
void CountPlacements(PackWorkspace& ws, const PackPlan& plan);

// Per-container efficiencies, plan totals and score from the per-container loads.
void EvaluatePlan(const PackWorkspace& ws, PackPlan& plan);

// AreaEff, WeightEff, SplitCount and Score from the plan totals.
void ScorePlan(const PackWorkspace& ws, PackPlan& plan);

// SplitCount: over all kinds, the number of places (containers, or unplaced) each kind is
// spread over, less one per kind.
void CountSplits(const PackWorkspace& ws, PackPlan& plan);

// Adds container cont with the result the layout search left in the workspace (pass totals
// and item table). packed is the number of boxes the search placed; cap and area are the
// weight capacity and floor area of the container's type.
void AddContainer(const PackWorkspace& ws, PackPlan& plan, int cont, int packed, std::int32_t cap,
                  float area);

// Takes container j and its boxes out of the plan. FixCont and LastCont stay.
void RemoveContainer(const PackWorkspace& ws, PackPlan& plan, int j);

} // namespace palvane
