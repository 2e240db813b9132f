#include "PlacedIndex.h"

#include <algorithm>

namespace palvane {

namespace {

bool scanMeets(const SearchState& s, Coord xMin, Coord xMax, Coord yMin, Coord yMax, int exclude) {
    for (int p = s.PassPos - 1; p >= 1; --p) {
        const int r = s.order.Item[p];
        if (s.items.Placed[r] == 1 && r != exclude && s.items.PosX[r] <= xMax &&
            xMin < s.items.PosX[r] + s.items.Len[r] && s.items.PosY[r] <= yMax &&
            yMin < s.items.PosY[r] + s.items.Wid[r])
            return true;
    }
    return false;
}

// Smallest shift whose cell size 2^shift covers `extent` in at most `cells` cells.
int shiftFor(std::int64_t extent, std::int64_t cells) {
    int shift = 0;
    while ((std::int64_t(1) << shift) * cells < extent)
        ++shift;
    return shift;
}

PlacedRect rectOf(const SearchState& s, int i) {
    return {s.items.PosX[i], s.items.PosY[i], s.items.PosX[i] + s.items.Len[i],
            s.items.PosY[i] + s.items.Wid[i], i};
}

// Cells an item occupies; an item of zero extent still sits in the cell of its corner.
template <typename F> void forCells(const PlacedGrid& g, const PlacedRect& p, F f) {
    const auto cell = [](std::int32_t v, int shift, std::int32_t count) {
        return std::clamp(v < 0 ? 0 : (v >> shift), 0, count - 1);
    };
    const int c0 = cell(p.x1, g.shiftX, g.cols), c1 = cell(std::max(p.x1, p.x2 - 1), g.shiftX, g.cols);
    const int r0 = cell(p.y1, g.shiftY, g.rows), r1 = cell(std::max(p.y1, p.y2 - 1), g.shiftY, g.rows);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            f(std::size_t(r) * g.cols + c);
}

} // namespace

bool PlacedItemMeets(const SearchState& s, Coord xMin, Coord xMax, Coord yMin, Coord yMax, int exclude) {
    // An empty range along one axis can still be met by an item of zero extent there; such
    // questions are rare and take the plain scan.
    if (!s.placedGrid.active || xMax < xMin || yMax < yMin)
        return scanMeets(s, xMin, xMax, yMin, yMax, exclude);
    return GridMeets(s.placedGrid, xMin, xMax, yMin, yMax, exclude);
}

void StartPlacedGrid(SearchState& s) {
    PlacedGrid& g = s.placedGrid;
    g.active = g.enabled;
    g.sequence.clear();
    if (!g.active)
        return;
    // About four cells per item, square-ish, at most 256 along a side.
    const std::int64_t len = std::max<Coord>(s.CornerGapL[0], 1), wid = std::max<Coord>(s.CornerGapW[0], 1);
    const std::int64_t target = std::clamp<std::int64_t>(4 * std::int64_t(s.ItemCount), 64, 16384);
    int shift = 0;
    while ((len >> shift) * (wid >> shift) > target)
        ++shift;
    g.shiftX = std::max(shift, shiftFor(len, 256));
    g.shiftY = std::max(shift, shiftFor(wid, 256));
    const std::int32_t cols = std::int32_t(((len - 1) >> g.shiftX) + 1);
    const std::int32_t rows = std::int32_t(((wid - 1) >> g.shiftY) + 1);
    const std::size_t count = std::size_t(cols) * rows;
    if (g.cols != cols || g.rows != rows || g.cells.size() != count) {
        g.cols = cols;
        g.rows = rows;
        g.cells.assign(count, {});
    } else {
        for (const std::int32_t cell : g.filled)
            g.cells[std::size_t(cell)].clear();
    }
    g.filled.clear();
}

void GridInsert(SearchState& s, int i) {
    PlacedGrid& g = s.placedGrid;
    if (!g.active)
        return;
    const PlacedRect p = rectOf(s, i);
    forCells(g, p, [&](std::size_t cell) {
        if (g.cells[cell].empty())
            g.filled.push_back(std::int32_t(cell));
        g.cells[cell].push_back(p);
    });
    g.sequence.push_back(p);
}

void GridRemove(SearchState& s, int i) {
    PlacedGrid& g = s.placedGrid;
    if (!g.active)
        return;
    const auto sameItem = [i](const PlacedRect& p) { return p.item == i; };
    forCells(g, rectOf(s, i), [&](std::size_t cell) {
        auto& list = g.cells[cell];
        list.erase(std::remove_if(list.begin(), list.end(), sameItem), list.end());
    });
    g.sequence.erase(std::remove_if(g.sequence.begin(), g.sequence.end(), sameItem), g.sequence.end());
}

} // namespace palvane
