#include "PlacedIndex.h"

#include <algorithm>
#include <cmath>

namespace palvane {

namespace {

bool meets(const SearchState& s, int r, Coord xMin, Coord xMax, Coord yMin, Coord yMax) {
    return s.ItemPosX[r] <= xMax && xMin < s.ItemPosX[r] + s.ItemLen[r] && s.ItemPosY[r] <= yMax &&
           yMin < s.ItemPosY[r] + s.ItemWid[r];
}

bool scanMeets(const SearchState& s, Coord xMin, Coord xMax, Coord yMin, Coord yMax, int exclude) {
    for (int p = s.PassPos - 1; p >= 1; --p) {
        const int r = s.ItemOrder[p];
        if (s.ItemPlaced[r] == 1 && r != exclude && meets(s, r, xMin, xMax, yMin, yMax))
            return true;
    }
    return false;
}

// Cell range covering [lo, hi] along one axis, clamped to the grid.
void cellRange(std::int64_t lo, std::int64_t hi, std::int32_t cell, std::int32_t count, int& first, int& last) {
    first = int(std::clamp<std::int64_t>(lo < 0 ? -1 : lo / cell, 0, count - 1));
    last = int(std::clamp<std::int64_t>(hi < 0 ? -1 : hi / cell, 0, count - 1));
}

// Cells an item occupies; an item of zero extent still sits in the cell of its corner.
template <typename F>
void forItemCells(const SearchState& s, int i, F f) {
    const PlacedGrid& g = s.placedGrid;
    int c0, c1, r0, r1;
    cellRange(s.ItemPosX[i], std::max(s.ItemPosX[i], s.ItemPosX[i] + s.ItemLen[i] - 1), g.cellLen, g.cols, c0, c1);
    cellRange(s.ItemPosY[i], std::max(s.ItemPosY[i], s.ItemPosY[i] + s.ItemWid[i] - 1), g.cellWid, g.rows, r0, r1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            f(std::size_t(r) * g.cols + c);
}

} // namespace

bool PlacedItemMeets(const SearchState& s, Coord xMin, Coord xMax, Coord yMin, Coord yMax, int exclude) {
    const PlacedGrid& g = s.placedGrid;
    if (!g.active)
        return scanMeets(s, xMin, xMax, yMin, yMax, exclude);
    if (xMax < xMin || yMax < yMin) {
        // An empty range along one axis can still be met by an item of zero extent there; such
        // questions are rare, so they take the plain scan.
        return scanMeets(s, xMin, xMax, yMin, yMax, exclude);
    }
    int c0, c1, r0, r1;
    cellRange(xMin, xMax, g.cellLen, g.cols, c0, c1);
    cellRange(yMin, yMax, g.cellWid, g.rows, r0, r1);
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) {
            for (std::int16_t item : g.cells[std::size_t(r) * g.cols + c])
                if (item != exclude && meets(s, item, xMin, xMax, yMin, yMax))
                    return true;
        }
    }
    return false;
}

void StartPlacedGrid(SearchState& s) {
    PlacedGrid& g = s.placedGrid;
    g.active = g.enabled;
    if (!g.active)
        return;
    const std::int64_t len = std::max<Coord>(s.CornerGapL[0], 1), wid = std::max<Coord>(s.CornerGapW[0], 1);
    const long double target = std::clamp<long double>(4.0L * s.ItemCount, 64, 16384);
    const std::int64_t side = std::max<std::int64_t>(1, std::int64_t(std::ceil(std::sqrt(len * wid / target))));
    const std::int32_t cols = std::int32_t(std::min<std::int64_t>((len + side - 1) / side, 256));
    const std::int32_t rows = std::int32_t(std::min<std::int64_t>((wid + side - 1) / side, 256));
    g.cellLen = std::int32_t((len + cols - 1) / cols);
    g.cellWid = std::int32_t((wid + rows - 1) / rows);
    const std::size_t count = std::size_t(cols) * rows;
    if (g.cols != cols || g.rows != rows || g.cells.size() != count) {
        g.cols = cols;
        g.rows = rows;
        g.cells.assign(count, {});
    } else {
        for (auto& cell : g.cells)
            cell.clear();
    }
}

void GridInsert(SearchState& s, int i) {
    if (!s.placedGrid.active)
        return;
    forItemCells(s, i, [&](std::size_t cell) { s.placedGrid.cells[cell].push_back(std::int16_t(i)); });
}

void GridRemove(SearchState& s, int i) {
    if (!s.placedGrid.active)
        return;
    forItemCells(s, i, [&](std::size_t cell) {
        auto& list = s.placedGrid.cells[cell];
        list.erase(std::remove(list.begin(), list.end(), std::int16_t(i)), list.end());
    });
}

} // namespace palvane
