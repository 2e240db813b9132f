#pragma once
// Questions the placement pass asks about the items already placed in the current pass.

#include "SearchState.h"

namespace palvane {

// True when an item placed before the current position (other than `exclude`) meets the
// rectangle: its X range [PosX, PosX + Len) reaches into [xMin, xMax] and likewise along Y.
// Strict overlap of an open rectangle (x1, x2) x (y1, y2) is asked as [x1, x2 - 1] x [y1, y2 - 1].
bool PlacedItemMeets(const SearchState& s, Coord xMin, Coord xMax, Coord yMin, Coord yMax, int exclude);

} // namespace palvane
