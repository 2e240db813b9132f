#include <gtest/gtest.h>

#include "PackPass.h"
#include "SearchTestUtil.h"

using namespace palvane;
using namespace palvane::test;

namespace {
// Runs a bare pass over the items in item order.
void runPass(PackWorkspace& ws) {
    preparePass(ws);
    PackPass(ws);
}
} // namespace

TEST(PackPass, OnEqualCostTheUnturnedOrientationWins) {
    // Item 1 (10 x 10) takes the origin. Item 2 (20 x 30) does not fit at (0, 10) unturned on a
    // floor 39 wide and goes to (10, 0): cost 30 x 100 + 30. Turned (30 x 20) it fits at (0, 10)
    // with the same cost 30 x 100 + 30.
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 39);
    addItem(*ws, {10, 10});
    addItem(*ws, {20, 30, 1, 2, true});
    ws->order.TurnMode = 2;
    ws->TurnExtent = 0.1f;
    runPass(*ws);
    EXPECT_EQ(layoutProblem(*ws), "");
    ASSERT_EQ(ws->items.Placed[2], 1);
    EXPECT_EQ(ws->items.Len[2], 20);
    EXPECT_EQ(ws->items.PosX[2], 10);
    EXPECT_EQ(ws->items.PosY[2], 0);

    // One unit wider the turned orientation is cheaper only if it is tried: turn mode 1 does not
    // try it because the item fits unturned.
    ws->order.TurnMode = 1;
    runPass(*ws);
    EXPECT_EQ(ws->items.Len[2], 20);
}

TEST(PackPass, TurnModeOneTurnsOnlyWhatFitsNowhereUnturned) {
    auto ws = makeWorkspace();
    setFloor(*ws, 50, 100);
    addItem(*ws, {60, 40, 1, 1, true});
    addItem(*ws, {20, 40, 1, 2, true});
    ws->order.TurnMode = 0;
    runPass(*ws);
    EXPECT_EQ(ws->items.Placed[1], 0);

    ws->order.TurnMode = 1;
    runPass(*ws);
    EXPECT_EQ(layoutProblem(*ws), "");
    ASSERT_EQ(ws->items.Placed[1], 1);
    EXPECT_EQ(ws->items.Len[1], 40);
    EXPECT_EQ(ws->items.Wid[1], 60);
    EXPECT_EQ(ws->items.Len[2], 20); // fits unturned, so it is never turned

    // Without AnyTurn no item is turned at all.
    ws->items.Len[1] = 60;
    ws->items.Wid[1] = 40;
    preparePass(*ws);
    ws->AnyTurn = 0;
    PackPass(*ws);
    EXPECT_EQ(ws->items.Placed[1], 0);
}

TEST(PackPass, TurnModeTwoTriesTheTurnOnceTheExtentIsReached) {
    // 30 x 10 items on a 100 x 100 floor along X: unturned the second item goes above the first at
    // (0, 10) with cost 3020; turned (10 x 30) it costs 1040 at (0, 10).
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {30, 10, 1, 1, true});
    addItem(*ws, {30, 10, 1, 1, true});
    ws->order.TurnMode = 2;
    ws->TurnExtent = 0.5f; // first extent 0.3: not reached
    runPass(*ws);
    EXPECT_EQ(ws->items.Len[2], 30);
    ws->TurnExtent = 0.3f; // reached after the first item
    runPass(*ws);
    EXPECT_EQ(layoutProblem(*ws), "");
    EXPECT_EQ(ws->items.Len[2], 10);
    EXPECT_EQ(ws->items.Wid[2], 30);
}

TEST(PackPass, CapacitySkipsAnItemAndStopsWhenNothingLighterFits) {
    auto ws = makeWorkspace();
    setFloor(*ws, 1000, 1000);
    addItem(*ws, {10, 10, 60});
    addItem(*ws, {10, 10, 50});
    addItem(*ws, {10, 10, 40});
    addItem(*ws, {10, 10, 39});
    addItem(*ws, {10, 10, 1});
    ws->SearchLoadWt = 100;
    runPass(*ws);
    EXPECT_EQ(layoutProblem(*ws), "");
    EXPECT_EQ(ws->items.Placed[1], 1);
    EXPECT_EQ(ws->items.Placed[2], 0); // 110 > 100.1: skipped, the pass goes on
    EXPECT_EQ(ws->items.Placed[3], 1);
    EXPECT_EQ(ws->pass.Weight, 100);
    // 100 + the lightest weight 1 exceeds 100.1: the pass ended after position 3.
    EXPECT_EQ(ws->PassPos, 3);
    EXPECT_EQ(ws->items.Placed[5], 0);

    // The area limit works the same way, with the 1.001 tolerance.
    setFloor(*ws, 1000, 1000);
    ws->SearchWolume = 200.1f;
    runPass(*ws);
    EXPECT_EQ(ws->pass.Count, 2);
}

TEST(PackPass, AnItemLikeTheLastFailureIsSkippedWithoutSearch) {
    // Tail limit 10 on a wheelbase of 100: 1000 at x = 5 loads the tail with 50; 1 loads it with 0.05.
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 10);
    ws->SearchNoseWt = 100000;
    ws->SearchTailWt = 10;
    addItem(*ws, {10, 10, 1000});
    addItem(*ws, {10, 10, 1});          // same size and turn flag as the failure: skipped
    addItem(*ws, {10, 10, 1, 1, true}); // different turn flag: searched and placed
    runPass(*ws);
    EXPECT_EQ(ws->items.Placed[1], 0);
    EXPECT_EQ(ws->items.Placed[2], 0);
    EXPECT_EQ(ws->items.Placed[3], 1);
}

namespace {
// Floor 100 x 10 (one lane), area unlimited: kind 1 two 30 x 10 items, kind 2 two 30 x 10 items of
// which the second finds no room, kind 3 one 10 x 10 item.
std::unique_ptr<PackWorkspace> bindFloor(int bindMode) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 10);
    addItem(*ws, {30, 10, 1, 1});
    addItem(*ws, {30, 10, 1, 1});
    addItem(*ws, {30, 10, 1, 2});
    addItem(*ws, {30, 10, 1, 2});
    addItem(*ws, {10, 10, 1, 3});
    ws->SearchWolume = 1e6f;
    ws->BindMode = std::int16_t(bindMode);
    runPass(*ws);
    return ws;
}
} // namespace

TEST(PackPass, BindModesTakeOutAnIncompleteKind) {
    auto none = bindFloor(0);
    EXPECT_EQ(none->pass.Count, 4); // 30 + 30 + 30 + 10

    for (int mode : {1, 2}) {
        auto ws = bindFloor(mode);
        EXPECT_EQ(layoutProblem(*ws), "") << mode;
        EXPECT_EQ(ws->items.Placed[3], 0) << mode; // kind 2 taken out again
        EXPECT_EQ(ws->items.Len[3], 0) << mode;
        EXPECT_EQ(ws->items.Placed[5], 1) << mode; // the pass goes on with kind 3
        EXPECT_EQ(ws->pass.Count, 3) << mode;
        EXPECT_EQ(ws->pass.Weight, 3) << mode;
    }
    for (int mode : {-1, -2}) {
        auto ws = bindFloor(mode);
        EXPECT_EQ(layoutProblem(*ws), "") << mode;
        EXPECT_EQ(ws->items.Placed[3], 0) << mode;
        EXPECT_EQ(ws->items.Placed[5], 0) << mode; // the pass ended at the failure
        EXPECT_EQ(ws->pass.Count, 2) << mode;
    }
}

TEST(PackPass, TheFirstKindKeepsItsPartialLoadUnlessBindModeIsThree) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 10);
    for (int i = 0; i < 4; ++i)
        addItem(*ws, {30, 10, 1, 1});
    addItem(*ws, {10, 10, 1, 2});
    ws->SearchWolume = 1e6f;
    ws->BindMode = 1;
    runPass(*ws);
    EXPECT_EQ(ws->pass.Count, 4); // three of kind 1 and the small item

    ws->BindMode = 3;
    runPass(*ws);
    EXPECT_EQ(layoutProblem(*ws), "");
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(ws->items.Placed[i], 0) << i;
    EXPECT_EQ(ws->items.Placed[5], 1);
    EXPECT_EQ(ws->pass.Count, 1);
    EXPECT_NEAR(ws->LoadCentreX, 95.0f, 1e-3f);
}

TEST(PackPass, OverloadedNoseShiftsTheLoadRearward) {
    // Wheelbase 100; a 20 long item of weight 100 at the front loads the nose with 90.
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 10);
    ws->SearchNoseWt = 60;
    ws->SearchTailWt = 1000;
    addItem(*ws, {20, 10, 100});
    runPass(*ws);
    ASSERT_EQ(ws->items.Placed[1], 1);
    EXPECT_EQ(ws->items.PosX[1], 30);
    EXPECT_EQ(ws->pass.TailLoad, 40);
    EXPECT_EQ(ws->pass.NoseLoad, 60);
    EXPECT_EQ(ws->LoadMaxX, 20); // left as it was

    // Without support limits nothing moves but the loads are still computed.
    ws->SearchNoseWt = ws->SearchTailWt = 0;
    runPass(*ws);
    EXPECT_EQ(ws->items.PosX[1], 0);
    EXPECT_EQ(ws->pass.TailLoad, 10);
    EXPECT_EQ(ws->pass.NoseLoad, 90);
}

TEST(PackPass, TheShiftNeverPassesTheRearEnd) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 10);
    addItem(*ws, {20, 10, 100});
    runPass(*ws);
    ws->SearchNoseWt = 1; // asks for a shift of 89, only 80 are free
    ws->SearchTailWt = 1;
    ShiftLoadRearward(*ws);
    EXPECT_EQ(ws->items.PosX[1], 80);
    EXPECT_EQ(ws->items.PosX[1] + ws->items.Len[1], 100);
    EXPECT_EQ(ws->pass.TailLoad, 90);
}

TEST(PackPass, SupportChecksRejectCornersThatOverloadTheTail) {
    // Tail limit 40 with weight 100 on a wheelbase of 100: the load centre may not pass x = 40.
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 10);
    ws->SearchNoseWt = 1000;
    ws->SearchTailWt = 40;
    for (int i = 0; i < 5; ++i)
        addItem(*ws, {20, 10, 20});
    runPass(*ws);
    EXPECT_EQ(layoutProblem(*ws), "");
    EXPECT_LE(ws->pass.TailLoad, 40);
    EXPECT_LT(ws->pass.Count, 5);
}

TEST(PackPass, AWheelbaseOfZeroOrLessSkipsTheSupportChecks) {
    for (Coord axle : {50, 60}) {
        auto ws = makeWorkspace();
        setFloor(*ws, 100, 10);
        ws->NoseAxleX = axle;
        ws->TailAxleDist = 50; // wheelbase 0, then -10
        ws->SearchNoseWt = 1;
        ws->SearchTailWt = 1;
        addItem(*ws, {20, 10, 100});
        addItem(*ws, {20, 10, 100});
        runPass(*ws);
        EXPECT_EQ(layoutProblem(*ws), "");
        EXPECT_EQ(ws->pass.Count, 2);
        EXPECT_EQ(ws->items.PosX[1], 0); // no shift
        EXPECT_EQ(ws->pass.TailLoad, 0);
        EXPECT_EQ(ws->pass.NoseLoad, 200);
    }
}

TEST(PackPass, ExtentsBeyondSixteenBitsAreHandled) {
    // A box 32000 long with an item gap of 5000 on a container 32000 long: the usable floor and
    // the item both measure 37000.
    auto ws = makeWorkspace();
    setFloor(*ws, 37000, 10200);
    addItem(*ws, {37000, 5100});
    addItem(*ws, {37000, 5100});
    addItem(*ws, {37000, 5100});
    runPass(*ws);
    EXPECT_EQ(layoutProblem(*ws), "");
    EXPECT_EQ(ws->pass.Count, 2);
    EXPECT_EQ(ws->items.Len[1], 37000);
    EXPECT_EQ(ws->items.PosY[2], 5100);
    EXPECT_EQ(ws->LoadMaxX, 37000);
    EXPECT_FLOAT_EQ(ws->ExtentRatio, 1.0f);
}

TEST(PackPass, PlacedItemsNeverOverlapOnRandomSets) {
    std::uint32_t state = 7;
    for (int round = 0; round < 60; ++round) {
        auto ws = makeWorkspace();
        setFloor(*ws, Coord(200 + RandomBelow(state, 800)), Coord(100 + RandomBelow(state, 400)));
        const int n = 1 + RandomBelow(state, 120);
        for (int i = 0; i < n; ++i) {
            const int kind = 1 + i / 7;
            addItem(*ws, {Coord(5 + RandomBelow(state, 90)), Coord(5 + RandomBelow(state, 90)),
                          1 + RandomBelow(state, 50), kind, RandomBelow(state, 2) == 1});
        }
        ws->order.CornerDir = std::int16_t(1 + round % 2);
        ws->order.TurnMode = std::int16_t(round % 3);
        ws->TurnExtent = 0.6f;
        ws->BindMode = std::int16_t(round % 7 - 2);
        if (round % 4 == 0) {
            ws->SearchLoadWt = 400;
            ws->SearchNoseWt = 150;
            ws->SearchTailWt = 250;
            ws->NoseAxleX = 10;
            ws->TailAxleDist = 20;
        }
        runPass(*ws);
        ASSERT_EQ(layoutProblem(*ws), "") << "round " << round;
        if (ws->SearchNoseWt > 0 && ws->pass.Count > 0 && ws->BindMode == 0) {
            EXPECT_LE(ws->pass.TailLoad, ws->SearchTailWt) << "round " << round;
        }
    }
}
