#include "CornerList.h"

#include <algorithm>
#include <cmath>

#include "EngineMath.h"
#include "PlacedIndex.h"

namespace palvane {

void AllocCorners(SearchState& s, std::int32_t n) {
    const std::size_t size = std::size_t(std::max(n, 0));
    s.CornerX.resize(size);
    s.CornerY.resize(size);
    s.CornerGapL.resize(size);
    s.CornerGapW.resize(size);
}

void FreeCorners(SearchState& s) {
    s.CornerCapacity = 0;
    s.CornerX = {};
    s.CornerY = {};
    s.CornerGapL = {};
    s.CornerGapW = {};
}

void ResetCorners(SearchState& s, std::int32_t first, std::int32_t last) {
    for (std::int32_t i = first; i <= last; ++i) {
        s.CornerX[i] = 0;
        s.CornerY[i] = 0;
        if (i >= 1) {
            s.CornerGapL[i] = s.MinGap;
            s.CornerGapW[i] = s.MinGap;
        }
    }
}

void CopyCorner(SearchState& s, std::int32_t from, std::int32_t to) {
    s.CornerX[to] = s.CornerX[from];
    s.CornerY[to] = s.CornerY[from];
    s.CornerGapL[to] = s.CornerGapL[from];
    s.CornerGapW[to] = s.CornerGapW[from];
}

void ShiftCornersDown(SearchState& s, std::int32_t a, std::int32_t b) {
    for (std::int32_t i = a; i <= b; ++i)
        CopyCorner(s, i, i - 1);
}

void ShiftCornersUp(SearchState& s, std::int32_t a, std::int32_t b) {
    for (std::int32_t i = b; i >= a; --i)
        CopyCorner(s, i, i + 1);
}

void MoveCornerBack(SearchState& s, std::int32_t n, std::int32_t slot) {
    if (n >= slot)
        return;
    CopyCorner(s, slot, s.CornerCapacity);
    ShiftCornersUp(s, n, slot - 1);
    CopyCorner(s, s.CornerCapacity, n);
}

void GrowCorners(SearchState& s) {
    if (s.CornerCount < s.CornerCapacity)
        return;
    const std::int32_t old = s.CornerCapacity;
    // Always grow by at least one slot, so a tiny list can never stay full.
    s.CornerCapacity = std::max(old + 1, std::int32_t(RoundHalfEven((long double)old * 1.1L)));
    AllocCorners(s, s.CornerCapacity + 1);
    ResetCorners(s, old, s.CornerCapacity);
}

float CornerKey(const SearchState& s, std::int32_t slot) {
    const long double x = s.CornerX[slot], y = s.CornerY[slot];
    if (s.order.CornerDir == 2)
        return float(x * 0.001L + y * 1.0L);
    return float(x * 1.0L + y * 0.001L);
}

void InsertCornerSorted(SearchState& s, std::int32_t slot) {
    const float key = CornerKey(s, slot);
    std::int32_t n = slot;
    while (n > 1 && CornerKey(s, n - 1) > key)
        --n;
    if (n < slot)
        MoveCornerBack(s, n, slot);
}

namespace {
void deleteCorner(SearchState& s, std::int32_t slot) {
    ShiftCornersDown(s, slot + 1, s.CornerCount + 1);
    s.CornerCount -= 1;
}
} // namespace

void DropCoveredCorners(SearchState& s) {
    const int k = s.PassItem;
    const Coord x1 = s.items.PosX[k], x2 = x1 + s.items.Len[k];
    const Coord y1 = s.items.PosY[k], y2 = y1 + s.items.Wid[k];
    for (std::int32_t i = s.CornerCount; i >= 1; --i) {
        if (s.CornerX[i] + s.CornerGapL[i] >= x1 && s.CornerX[i] < x2 &&
            s.CornerY[i] + s.CornerGapW[i] >= y1 && s.CornerY[i] < y2)
            deleteCorner(s, i);
    }
}

namespace {

// One contact corner of the item just placed (x1..x2, y1..y2) against q, given by its left and
// right edges qx1, qx2 and bottom and top edges qy1, qy2 (all 0 for the floor). The corner is
// appended unless a placed item meets its free rectangle. A discarded corner only ever occupied
// the slot above the list, which holds no corner, so it is tested before it is written.
void addContactCorner(SearchState& s, CornerSide side, int k, Coord qx1, Coord qy1, Coord qx2, Coord qy2) {
    const Coord x1 = s.items.PosX[k], x2 = x1 + s.items.Len[k];
    const Coord y1 = s.items.PosY[k], y2 = y1 + s.items.Wid[k];
    Coord cx, cy, gapL, gapW;
    if (side == CornerSide::X) {
        cx = x2;
        cy = qy2;
        gapW = std::max(y1 - qy2, s.MinGap);
        gapL = std::max(qx1 - x2, s.MinGap);
    } else {
        cx = qx2;
        cy = y2;
        gapL = std::max(x1 - qx2, s.MinGap);
        gapW = std::max(qy1 - y2, s.MinGap);
    }
    s.CornerCount += 1;
    GrowCorners(s);
    if (PlacedItemMeets(s, cx, cx + gapL, cy, cy + gapW, k)) {
        s.CornerCount -= 1;
        return;
    }
    const std::int32_t c = s.CornerCount;
    s.CornerX[c] = cx;
    s.CornerY[c] = cy;
    s.CornerGapL[c] = gapL;
    s.CornerGapW[c] = gapW;
}

// Whether placed item q (right edge qx2, top qy2) makes a contact corner on the given side.
bool makesContact(CornerSide side, Coord x2, Coord y2, Coord qx2, Coord qy2) {
    return side == CornerSide::X ? (qy2 < y2 && x2 < qx2) : (qx2 < x2 && y2 < qy2);
}

} // namespace

void AddContactCorners(SearchState& s, CornerSide side) {
    const int k = s.PassItem;
    const Coord x2 = s.items.PosX[k] + s.items.Len[k];
    const Coord y2 = s.items.PosY[k] + s.items.Wid[k];
    // Position 0 is the floor, whose edges lie at 0.
    addContactCorner(s, side, k, 0, 0, 0, 0);
    if (s.placedGrid.active) {
        // The grid lists exactly the placed items in position order, k last.
        for (const PlacedRect& q : s.placedGrid.sequence)
            if (q.item != k && makesContact(side, x2, y2, q.x2, q.y2))
                addContactCorner(s, side, k, q.x1, q.y1, q.x2, q.y2);
        return;
    }
    for (int i = 1; i < s.PassPos; ++i) {
        const int q = s.order.Item[i];
        const Coord qx2 = s.items.PosX[q] + s.items.Len[q];
        const Coord qy2 = s.items.PosY[q] + s.items.Wid[q];
        if (s.items.Placed[q] == 1 && makesContact(side, x2, y2, qx2, qy2))
            addContactCorner(s, side, k, s.items.PosX[q], s.items.PosY[q], qx2, qy2);
    }
}

void MergeNewCorners(SearchState& s) {
    while (s.CornerFirstNew <= s.CornerCount) {
        const std::int32_t c = s.CornerFirstNew;
        std::int32_t d = c - 1;
        while (d >= 1 && !(s.CornerX[d] == s.CornerX[c] && s.CornerY[d] == s.CornerY[c]))
            --d;
        if (d < 1) {
            InsertCornerSorted(s, c);
            s.CornerFirstNew += 1;
        } else {
            s.CornerGapL[d] = std::min(s.CornerGapL[d], s.CornerGapL[c]);
            s.CornerGapW[d] = std::min(s.CornerGapW[d], s.CornerGapW[c]);
            if (c < s.CornerCount)
                ShiftCornersDown(s, c + 1, s.CornerCount + 1);
            s.CornerCount -= 1;
        }
    }
}

void UpdateCornersAfterPlacement(SearchState& s, std::int32_t j) {
    deleteCorner(s, j);
    DropCoveredCorners(s);
    s.CornerFirstNew = s.CornerCount + 1;
    AddContactCorners(s, CornerSide::X);
    AddContactCorners(s, CornerSide::Y);
    MergeNewCorners(s);
}

} // namespace palvane
