#pragma once
// Container order strategies: the order in which one optimiser iteration offers the containers
// to the layout search. Sorts of the types by area, capacity or cost with keys that drift over
// the iterations, interleaved with random orders; orders already tried (same type sequence) are
// refused.

#include "Workspace.h"

namespace palvane {

// Puts ContOrder (the identity on entry) into the order of the current Iteration. Skips orders
// an earlier iteration tried, advancing Iteration and Repeats for each one skipped.
void ChooseOrder(PackWorkspace& ws);

// Number of orders of n types worth trying: 0, n! for 1..7, 12777 from 8 on.
int TypeOrderings(int n);

// Stable selection sorts of ContOrder[1..ContCount] by a key of each container's type:
// w x (w - x) x (Avail + a) with w the type's area or capacity (largest first) or cost
// (smallest first).
void SortByArea(PackWorkspace& ws, int a, float x);
void SortByCapacity(PackWorkspace& ws, int a, float x);
void SortByCost(PackWorkspace& ws, int a, float x);

// Random types order or random containers order, alternating by iteration.
void ShuffleOrder(PackWorkspace& ws);
// Types in random order, each type's containers together.
void ShuffleTypes(PackWorkspace& ws);
// Containers in random order.
void ShuffleContainers(PackWorkspace& ws);

// Moves the entry at position from to position to (to <= from), shifting the entries between
// up by one place.
void MoveOrderEntry(PackWorkspace& ws, int to, int from);

} // namespace palvane
