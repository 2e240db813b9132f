#pragma once
// A coarse grid over the usable floor listing the items placed in the current pass, so that
// "does any placed item meet this rectangle" looks at nearby items only, and the same items in
// placement order for the walks over all placed items.

#include <cstdint>
#include <vector>

namespace palvane {

// One placed item: its rectangle [x1, x2) x [y1, y2) and its item number.
struct PlacedRect {
    std::int32_t x1, y1, x2, y2;
    std::int32_t item;
};

// Buckets of placed items, one per grid cell, row by row; cells are powers of two in size.
struct PlacedGrid {
    bool enabled = true; // tests switch it off to compare with the plain scan
    bool active = false; // filled for the running pass
    int shiftX = 0, shiftY = 0;
    std::int32_t cols = 0, rows = 0;
    std::vector<std::vector<PlacedRect>> cells;
    std::vector<std::int32_t> filled; // cells that received an item since the grid was emptied
    std::vector<PlacedRect> sequence; // placed items in position order
};

} // namespace palvane
