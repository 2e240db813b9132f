#pragma once
// Building blocks of the orderings the container search tries: runs and row classes, turning
// variants that preset orientations, stable sort rules, random shuffles and perturbations, and
// the final order by position. All work in place on the workspace's item table and draw their
// random numbers from the workspace's generator in a fixed order.

#include <cstdint>

#include "Workspace.h"

namespace palvane {

// Number of orderings assumed for g groups: 0, g! for 1..7, 12777 from 8 on.
std::int64_t OrderCount(std::int64_t g);
// 1 when item i cannot be turned (no turn flag or square), else 2.
int TurnClass(const SearchState& s, int i);
// Swaps the item's extents.
void TurnItem(SearchState& s, int i);

// --- Runs and classes ---
void ClearClasses(SearchState& s);
// ItemRun := length of the position run of equal (kind, class, width) each item belongs to.
void MarkRuns(SearchState& s);
// ModuleDim := the dimension nearest to all unplaced items' sides; MinGap := smallest side - 1.
void FindModule(SearchState& s);
// Gives the item runs of equal (kind, width) row classes; random draws row counts and classes.
void MarkRows(PackWorkspace& ws, int a, bool random);

// --- Turning variants ---
enum class Axis { X, Y };
// Turns every turnable item so that its longer side lies along the given axis.
void TurnAllLong(SearchState& s, Axis longSideAlong);
void TurnAll(SearchState& s);
// Turns items so that the side nearer ModuleDim lies along X (1) or Y (2).
void TurnToModule(SearchState& s, int mode);
// Turns each run of equal (kind, width) of turn class 2 with probability 1/2.
void TurnRandomGroups(PackWorkspace& ws, int mode);
// Turns the tail of some kind runs from a random split point; counts the groups made.
void SplitTurn(PackWorkspace& ws, int a);

// --- Sort rules: stable, descending by a single-precision key ---
void SortLinear(SearchState& s, float a, float b);
void SortLinearRun(SearchState& s, std::int16_t k, float a, float b);
void SortAreaRun(SearchState& s, std::int16_t k);
void SortArea(SearchState& s);
void SortLenRun(SearchState& s, std::int16_t k);
void SortWidRun(SearchState& s, std::int16_t k);
// Which extent SortBy and SortBy2 use.
enum class Extent { Len, Wid };
void SortBy(SearchState& s, Extent a);
// SortBy(a), then every position run of equal a sorted by b.
void SortBy2(SearchState& s, Extent a, Extent b);
void SortClass(SearchState& s);
void SortRowArea(SearchState& s, std::int16_t k);
// Orders the runs of equal (kind, width) by a random key per run.
void ShuffleRuns(PackWorkspace& ws);
// Orders the runs of equal (kind, width, class) by a random key per run; mode 0 keeps full rows
// first and free items last.
void ShuffleByClass(PackWorkspace& ws, int mode);

// --- Perturbations of an ordering ---
// Exchanges neighbouring position runs of equal (kind, width) with odds 1 in s + 1.
void SwapAdjacentRuns(PackWorkspace& ws, int s);
// ItemCount random exchanges of two positions.
void RandomSwaps(PackWorkspace& ws);
// Exchanges neighbours of different kinds with odds 1 in 4.
void SwapNeighbours(PackWorkspace& ws, int hit);

// Final order: ascending by position along the fill direction, unplaced items first.
void SortByPosition(SearchState& s);

} // namespace palvane
