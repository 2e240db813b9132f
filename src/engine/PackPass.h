#pragma once
// The placement pass: fills one container floor with the items in order.Item, each on the first
// fitting corner of the corner list, under the weight, area and support limits.

#include "SearchState.h"

namespace palvane {

// Cost meaning "no corner chosen yet".
inline constexpr std::int32_t kNoCornerCost = 1555555555;

// Runs one pass over order.Item; `items` then holds the placement and `pass` the totals.
void PackPass(SearchState& s);
// Looks for the first fitting corner of PassItem in its current orientation and keeps it when
// it is cheaper than the best found so far.
void ChooseCorner(SearchState& s);
// Updates LoadMaxX, LoadMaxY, ExtentRatio and Compactness after PassItem was placed.
void UpdateExtents(SearchState& s);
// Splits pass.Weight over the two supports from the load centre.
void ComputeAxleLoads(SearchState& s);
// Slides every placed item rearward when the nose support is overloaded.
void ShiftLoadRearward(SearchState& s);
// Takes out the items of PassItem's kind placed just before it (PassItem found no corner).
void ApplyBindRule(SearchState& s);
// Distance between the two supports: usable length minus both support distances.
Coord Wheelbase(const SearchState& s);
// True when the pass checks the support limits: some limit is set and the wheelbase is
// positive. A container whose supports meet or cross has no meaningful split of the load, so
// its limits are not checked.
bool SupportChecksApply(const SearchState& s);

} // namespace palvane
