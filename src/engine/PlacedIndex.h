#pragma once
// Questions the placement pass asks about the items already placed in the current pass. While a
// pass runs, the placed items are also kept in a grid over the floor; outside a pass (or with the
// grid switched off) the items before the current position are scanned one by one. Both give the
// same answers.

#include <algorithm>

#include "SearchState.h"

namespace palvane {

// True when an item placed before the current position (other than `exclude`) meets the
// rectangle: its X range [PosX, PosX + Len) reaches into [xMin, xMax] and likewise along Y.
// Strict overlap of an open rectangle (x1, x2) x (y1, y2) is asked as [x1, x2 - 1] x [y1, y2 - 1].
bool PlacedItemMeets(const SearchState& s, Coord xMin, Coord xMax, Coord yMin, Coord yMax, int exclude);

// Empties the grid and sizes it for the usable floor and the item count; the grid is then in use.
void StartPlacedGrid(SearchState& s);
// Records item i at its current position and extents (items are recorded in position order).
void GridInsert(SearchState& s, int i);
// Forgets item i (taken out again); call before its position and extents are cleared.
void GridRemove(SearchState& s, int i);
// Stops using the grid until the next pass starts.
inline void StopPlacedGrid(SearchState& s) {
    s.placedGrid.active = false;
}

// The grid part of PlacedItemMeets, inline because the pass asks it millions of times.
inline bool GridMeets(const PlacedGrid& g, Coord xMin, Coord xMax, Coord yMin, Coord yMax, int exclude) {
    const int c0 = std::clamp(xMin < 0 ? 0 : (xMin >> g.shiftX), 0, g.cols - 1);
    const int c1 = std::clamp(xMax < 0 ? 0 : (xMax >> g.shiftX), 0, g.cols - 1);
    const int r0 = std::clamp(yMin < 0 ? 0 : (yMin >> g.shiftY), 0, g.rows - 1);
    const int r1 = std::clamp(yMax < 0 ? 0 : (yMax >> g.shiftY), 0, g.rows - 1);
    for (int r = r0; r <= r1; ++r) {
        const auto* row = g.cells.data() + std::size_t(r) * g.cols;
        for (int c = c0; c <= c1; ++c) {
            for (const PlacedRect& p : row[c])
                if (p.x1 <= xMax && xMin < p.x2 && p.y1 <= yMax && yMin < p.y2 && p.item != exclude)
                    return true;
        }
    }
    return false;
}

} // namespace palvane
