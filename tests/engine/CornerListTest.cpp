#include <gtest/gtest.h>

#include "CornerList.h"
#include "PackPass.h"
#include "SearchTestUtil.h"

using namespace palvane;
using namespace palvane::test;

namespace {
// A 100 x 100 floor whose first item (40 x 30) has just been placed at the origin by position 1.
std::unique_ptr<PackWorkspace> firstPlacement(int cornerDir) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {40, 30});
    addItem(*ws, {40, 30});
    preparePass(*ws);
    ws->MinGap = 5;
    ws->order.CornerDir = std::int16_t(cornerDir);
    ResetCorners(*ws, 0, ws->CornerCapacity);
    ws->CornerCount = 1;
    ws->items.Placed[0] = 1;
    ws->PassPos = 1;
    ws->PassItem = 1;
    ws->items.Placed[1] = 1;
    return ws;
}

struct Corner {
    Coord x, y, gapL, gapW;
    bool operator==(const Corner&) const = default;
};

std::vector<Corner> corners(const SearchState& s) {
    std::vector<Corner> list;
    for (int i = 1; i <= s.CornerCount; ++i)
        list.push_back({s.CornerX[i], s.CornerY[i], s.CornerGapL[i], s.CornerGapW[i]});
    return list;
}
} // namespace

TEST(CornerList, FirstPlacementAlongX) {
    auto ws = firstPlacement(1);
    UpdateCornersAfterPlacement(*ws, 1);
    // Keys 0.03 and 40: the next item goes beside the first across the width.
    EXPECT_EQ(corners(*ws), (std::vector<Corner>{{0, 30, 5, 5}, {40, 0, 5, 5}}));
}

TEST(CornerList, FirstPlacementAlongY) {
    auto ws = firstPlacement(2);
    UpdateCornersAfterPlacement(*ws, 1);
    EXPECT_EQ(corners(*ws), (std::vector<Corner>{{40, 0, 5, 5}, {0, 30, 5, 5}}));
}

TEST(CornerList, EqualKeysKeepTheirOrderAndNewCornersGoAfterThem) {
    auto ws = firstPlacement(1);
    ws->CornerCount = 3;
    ws->CornerX[1] = 10, ws->CornerY[1] = 0;
    ws->CornerX[2] = 20, ws->CornerY[2] = 0;
    ws->CornerX[3] = 10, ws->CornerY[3] = 0; // equal key to slot 1, but a different corner below
    ws->CornerGapL[3] = 7;
    InsertCornerSorted(*ws, 3);
    EXPECT_EQ(ws->CornerX[2], 10);
    EXPECT_EQ(ws->CornerGapL[2], 7);
    EXPECT_EQ(ws->CornerX[3], 20);
}

TEST(CornerList, DuplicateNewCornersMergeKeepingTheSmallerGaps) {
    auto ws = firstPlacement(1);
    ws->CornerCount = 3;
    ws->CornerX[1] = 50, ws->CornerY[1] = 20, ws->CornerGapL[1] = 30, ws->CornerGapW[1] = 8;
    ws->CornerX[2] = 60, ws->CornerY[2] = 0, ws->CornerGapL[2] = 5, ws->CornerGapW[2] = 5;
    ws->CornerX[3] = 50, ws->CornerY[3] = 20, ws->CornerGapL[3] = 12, ws->CornerGapW[3] = 40;
    ws->CornerFirstNew = 2;
    MergeNewCorners(*ws);
    ASSERT_EQ(ws->CornerCount, 2);
    EXPECT_EQ(corners(*ws), (std::vector<Corner>{{50, 20, 12, 8}, {60, 0, 5, 5}}));
}

TEST(CornerList, ACornerOnlyAcceptsItemsLongerThanItsGap) {
    auto ws = makeWorkspace();
    setFloor(*ws, 200, 200);
    const int item = addItem(*ws, {30, 10});
    preparePass(*ws);
    ResetCorners(*ws, 0, ws->CornerCapacity);
    ws->CornerCount = 1;
    ws->CornerGapL[1] = 30;
    ws->CornerGapW[1] = 0;
    ws->PassPos = 1;
    ws->PassItem = std::uint16_t(item);
    ws->BestCornerCost = kNoCornerCost;
    ChooseCorner(*ws);
    EXPECT_EQ(ws->BestCornerCost, kNoCornerCost);
    ws->items.Len[item] = 31;
    ChooseCorner(*ws);
    EXPECT_EQ(ws->ChosenCorner, 1);
    EXPECT_EQ(ws->BestCornerCost, 31 * 100 + 10);
}

TEST(CornerList, ANewCornerTouchedByAPlacedItemIsDiscarded) {
    // Item 1 (20 x 50) sits at (60, 0); item 2 (40 x 30) is placed at the origin. The corner right
    // of item 2 at (40, 0) has the gap length 60 - 40 = 20 only when it is made for item 1, and
    // the floor corner at (40, 0) with gap MinGap = 20 reaches x = 60, touching item 1.
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {20, 50});
    addItem(*ws, {40, 30});
    preparePass(*ws);
    ws->MinGap = 20;
    ResetCorners(*ws, 0, ws->CornerCapacity);
    ws->CornerCount = 1;
    ws->items.Placed[0] = 1;
    ws->items.PosX[1] = 60;
    ws->items.Placed[1] = 1;
    ws->items.Placed[2] = 1;
    ws->PassPos = 2;
    ws->PassItem = 2;
    ws->CornerFirstNew = 2;
    AddContactCorners(*ws, CornerSide::X);
    // Position 0 (floor) gives (40, 0) with gaps (20, 20): touched by item 1 at x = 60.
    // Position 1 (item 1, top 50 >= 30) makes no corner on the X side.
    EXPECT_EQ(ws->CornerCount, 1);
    ws->MinGap = 19;
    AddContactCorners(*ws, CornerSide::X);
    ASSERT_EQ(ws->CornerCount, 2);
    EXPECT_EQ(ws->CornerX[2], 40);
    EXPECT_EQ(ws->CornerY[2], 0);
}

TEST(CornerList, GrowsByTenPercentKeepingContent) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    ws->MinGap = 3;
    ws->CornerCapacity = 30;
    AllocCorners(*ws, 31);
    ResetCorners(*ws, 0, 30);
    for (int i = 1; i <= 29; ++i)
        ws->CornerX[i] = Coord(i);
    ws->CornerCount = 30;
    GrowCorners(*ws);
    EXPECT_EQ(ws->CornerCapacity, 33);
    ASSERT_EQ(ws->CornerX.size(), 34u);
    for (int i = 1; i <= 29; ++i)
        EXPECT_EQ(ws->CornerX[i], i);
    EXPECT_EQ(ws->CornerGapL[0], 100); // the usable floor survives
    EXPECT_EQ(ws->CornerGapL[33], 3);  // new slots are blank
    ws->CornerCount = 31;
    GrowCorners(*ws); // below capacity: nothing happens
    EXPECT_EQ(ws->CornerCapacity, 33);
}

TEST(CornerList, MoveBackUsesTheSpareSlotAndShiftsTheRest) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    ws->CornerCapacity = 10;
    AllocCorners(*ws, 11);
    for (int i = 1; i <= 5; ++i)
        ws->CornerX[i] = Coord(10 * i);
    ws->CornerCount = 5;
    MoveCornerBack(*ws, 2, 5);
    EXPECT_EQ(ws->CornerX[1], 10);
    EXPECT_EQ(ws->CornerX[2], 50);
    EXPECT_EQ(ws->CornerX[3], 20);
    EXPECT_EQ(ws->CornerX[5], 40);
    FreeCorners(*ws);
    EXPECT_EQ(ws->CornerCapacity, 0);
    EXPECT_TRUE(ws->CornerX.empty());
}
