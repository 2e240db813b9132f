#pragma once
// Questions the placement pass asks about the items already placed in the current pass. While a
// pass runs, the placed items are also kept in a grid over the floor; outside a pass (or with the
// grid switched off) the items before the current position are scanned one by one. Both give the
// same answers.

#include "SearchState.h"

namespace palvane {

// True when an item placed before the current position (other than `exclude`) meets the
// rectangle: its X range [PosX, PosX + Len) reaches into [xMin, xMax] and likewise along Y.
// Strict overlap of an open rectangle (x1, x2) x (y1, y2) is asked as [x1, x2 - 1] x [y1, y2 - 1].
bool PlacedItemMeets(const SearchState& s, Coord xMin, Coord xMax, Coord yMin, Coord yMax, int exclude);

// Empties the grid and sizes it for the usable floor and the item count; the grid is then in use.
void StartPlacedGrid(SearchState& s);
// Records item i at its current position and extents.
void GridInsert(SearchState& s, int i);
// Forgets item i (taken out again); call before its position and extents are cleared.
void GridRemove(SearchState& s, int i);
// Stops using the grid until the next pass starts.
inline void StopPlacedGrid(SearchState& s) { s.placedGrid.active = false; }

} // namespace palvane
