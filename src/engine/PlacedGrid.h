#pragma once
// A coarse grid over the usable floor listing the items placed in the current pass, so that
// "does any placed item meet this rectangle" looks at nearby items only.

#include <cstdint>
#include <vector>

namespace palvane {

// Buckets of item numbers, one per grid cell, row by row.
struct PlacedGrid {
    bool enabled = true; // tests switch it off to compare with the plain scan
    bool active = false; // filled for the running pass
    std::int32_t cellLen = 1, cellWid = 1;
    std::int32_t cols = 0, rows = 0;
    std::vector<std::vector<std::int16_t>> cells;
};

} // namespace palvane
