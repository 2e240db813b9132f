#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "OrderRules.h"
#include "RuleTables.h"
#include "SearchTestUtil.h"

using namespace palvane;
using namespace palvane::test;

namespace {
std::vector<int> order(const SearchState& s) {
    std::vector<int> o;
    for (int p = 1; p <= s.ItemCount; ++p)
        o.push_back(s.order.Item[p]);
    return o;
}
} // namespace

TEST(OrderRules, OrderCountIsAFactorialCappedFromEightGroups) {
    EXPECT_EQ(OrderCount(0), 0);
    EXPECT_EQ(OrderCount(1), 1);
    EXPECT_EQ(OrderCount(3), 6);
    EXPECT_EQ(OrderCount(7), 5040);
    EXPECT_EQ(OrderCount(8), 12777);
    EXPECT_EQ(OrderCount(1000), 12777);
}

TEST(OrderRules, FindModulePicksTheSideNearestToAll) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {30, 40});
    addItem(*ws, {40, 50});
    FindModule(*ws);
    EXPECT_EQ(ws->ModuleDim, 40);
    EXPECT_EQ(ws->MinGap, 29);

    // Placed items do not count; with no item left the module is 25555.
    ws->items.Placed[1] = ws->items.Placed[2] = 1;
    FindModule(*ws);
    EXPECT_EQ(ws->ModuleDim, 25555);
}

TEST(OrderRules, FindModuleTakesTheFirstOfEqualCandidates) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {10, 10});
    addItem(*ws, {20, 20});
    FindModule(*ws); // every v in 10..20 costs 10
    EXPECT_EQ(ws->ModuleDim, 10);
    EXPECT_EQ(ws->MinGap, 9);
}

TEST(OrderRules, MarkRowsFillsFullRowsAndGivesTheRestARestClass) {
    auto ws = makeWorkspace();
    setFloor(*ws, 300, 100);
    for (int i = 0; i < 7; ++i)
        addItem(*ws, {20, 30});
    ws->order.CornerDir = 1;
    ClearClasses(*ws);
    MarkRows(*ws, 2, false);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(ws->ItemClass[i], 90) << i;
    EXPECT_GE(ws->ItemClass[7], 5);
    EXPECT_LE(ws->ItemClass[7], 9);
    EXPECT_EQ(ws->RowGroups, 1u);
    EXPECT_EQ(ws->RowRests, 1);

    // Along Y the row runs across the length: 300 div 20 = 15 > 7 items, so no full row.
    ws->order.CornerDir = 2;
    ClearClasses(*ws);
    MarkRows(*ws, 2, false);
    EXPECT_EQ(ws->RowGroups, 0u);
    EXPECT_LE(ws->ItemClass[1], 4);
    EXPECT_EQ(ws->ItemClass[1], ws->ItemClass[7]);
}

TEST(OrderRules, MarkRunsCountsPositionRunsOfEqualKindClassAndWidth) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {10, 10, 1, 1});
    addItem(*ws, {10, 10, 1, 1});
    addItem(*ws, {10, 10, 1, 1});
    addItem(*ws, {10, 20, 1, 1});
    addItem(*ws, {10, 10, 1, 2});
    ws->order.Item[2] = 4;
    ws->order.Item[4] = 2;
    MarkRuns(*ws); // positions: 1, 4, 3, 2, 5
    EXPECT_EQ(ws->ItemRun[1], 1);
    EXPECT_EQ(ws->ItemRun[4], 1);
    EXPECT_EQ(ws->ItemRun[3], 2);
    EXPECT_EQ(ws->ItemRun[2], 2);
    EXPECT_EQ(ws->ItemRun[5], 1);
    EXPECT_EQ(ws->MaxRun, 2);
}

TEST(OrderRules, SortRulesAreStableAndDescending) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    for (int i = 0; i < 5; ++i)
        addItem(*ws, {20, 20});
    SortArea(*ws);
    EXPECT_EQ(order(*ws), (std::vector<int>{1, 2, 3, 4, 5}));

    auto mixed = makeWorkspace();
    setFloor(*mixed, 100, 100);
    addItem(*mixed, {10, 50});
    addItem(*mixed, {50, 10});
    addItem(*mixed, {30, 30});
    addItem(*mixed, {50, 12});
    // e(2.5) x length - width: long and narrow first; (10, 50) has a negative key.
    SortLinear(*mixed, float(std::exp(2.5L)), -1.0f);
    EXPECT_EQ(order(*mixed), (std::vector<int>{2, 4, 3, 1}));
    SortBy2(*mixed, Extent::Len, Extent::Wid);
    EXPECT_EQ(order(*mixed), (std::vector<int>{4, 2, 3, 1}));
}

TEST(OrderRules, SortByPositionFollowsTheFillDirection) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    for (int i = 0; i < 4; ++i)
        addItem(*ws, {10, 10});
    ws->items.PosX[1] = 10, ws->items.PosY[1] = 0;  // fill 1: 100, fill 2: 20
    ws->items.PosX[2] = 0, ws->items.PosY[2] = 10;  // fill 1: 20, fill 2: 100
    ws->items.PosX[3] = 0, ws->items.PosY[3] = 0;   // unplaced or at the origin: first
    ws->items.PosX[4] = 10, ws->items.PosY[4] = 10; // last either way
    ws->SearchFillDir = 1;
    SortByPosition(*ws);
    EXPECT_EQ(order(*ws), (std::vector<int>{3, 2, 1, 4}));
    ws->SearchFillDir = 2;
    SortByPosition(*ws);
    EXPECT_EQ(order(*ws), (std::vector<int>{3, 1, 2, 4}));
}

TEST(OrderRules, TurningVariantsTurnOnlyTurnableItems) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {40, 20, 1, 1, true});
    addItem(*ws, {20, 40, 1, 2, true});
    addItem(*ws, {40, 20, 1, 3, false});
    TurnAllLong(*ws, Axis::Y);
    EXPECT_EQ(ws->items.Len[1], 20);
    EXPECT_EQ(ws->items.Len[2], 20);
    EXPECT_EQ(ws->items.Len[3], 40);
    TurnAllLong(*ws, Axis::X);
    EXPECT_EQ(ws->items.Len[1], 40);
    EXPECT_EQ(ws->items.Len[2], 40);
    TurnAll(*ws);
    EXPECT_EQ(ws->items.Len[1], 20);
    EXPECT_EQ(ws->items.Len[3], 40);
    ws->ModuleDim = 19; // nearer 20: the 20 side along X with mode 1, along Y with mode 2
    TurnToModule(*ws, 1);
    EXPECT_EQ(ws->items.Len[1], 20);
    EXPECT_EQ(ws->items.Len[2], 20);
    TurnToModule(*ws, 2);
    EXPECT_EQ(ws->items.Len[1], 40);
    EXPECT_EQ(ws->items.Len[2], 40);
}

TEST(OrderRules, SplitTurnDrawsOnlyForTurnableRunsOfSeveralItems) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {30, 30, 1, 1, true}); // square: turn class 1
    addItem(*ws, {30, 30, 1, 1, true});
    addItem(*ws, {40, 20, 1, 2, true}); // single item
    addItem(*ws, {40, 20, 1, 3, false});
    addItem(*ws, {40, 20, 1, 3, false});
    ws->RandState = 5;
    SplitTurn(*ws, 2);
    EXPECT_EQ(ws->RandState, 5u); // no draw at all
    EXPECT_EQ(ws->GroupCount, 3);
}

TEST(OrderRules, SplitTurnTurnsTheTailOfARun) {
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        auto ws = makeWorkspace();
        setFloor(*ws, 100, 100);
        for (int i = 0; i < 9; ++i)
            addItem(*ws, {45, 30, 1, 1, true});
        ws->RandState = seed;
        SplitTurn(*ws, 2);
        int firstTurned = 10;
        for (int i = 9; i >= 1; --i)
            if (ws->items.Len[i] == 30)
                firstTurned = i;
        for (int i = firstTurned; i <= 9; ++i)
            ASSERT_EQ(ws->items.Len[i], 30) << "seed " << seed; // one tail, no gaps
        EXPECT_EQ(ws->GroupCount, firstTurned <= 9 ? 2 : 1) << "seed " << seed;
    }
}

TEST(OrderRules, PerturbationsKeepAPermutation) {
    std::uint32_t seedState = 3;
    for (int round = 0; round < 30; ++round) {
        auto ws = makeWorkspace();
        setFloor(*ws, 100, 100);
        const int n = 1 + RandomBelow(seedState, 40);
        for (int i = 0; i < n; ++i)
            addItem(*ws, {10, Coord(10 + RandomBelow(seedState, 3)), 1, 1 + i / 4});
        ws->RandState = std::uint32_t(round);
        if (round % 3 == 0)
            RandomSwaps(*ws);
        else if (round % 3 == 1)
            SwapAdjacentRuns(*ws, 4);
        else
            SwapNeighbours(*ws, 3);
        std::vector<int> o = order(*ws);
        std::sort(o.begin(), o.end());
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(o[i], i + 1) << "round " << round;
    }
}

TEST(OrderRules, SwapNeighboursNeverExchangesItemsOfOneKind) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    for (int i = 0; i < 30; ++i)
        addItem(*ws, {10, 10, 1, 1});
    ws->RandState = 11;
    SwapNeighbours(*ws, 3);
    EXPECT_EQ(ws->RandState, 11u); // no pair of different kinds: no draw
    for (int p = 1; p <= 30; ++p)
        EXPECT_EQ(ws->order.Item[p], p);
}

TEST(OrderRules, SwapAdjacentRunsMovesWholeRuns) {
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        auto ws = makeWorkspace();
        setFloor(*ws, 100, 100);
        for (int i = 0; i < 12; ++i)
            addItem(*ws, {10, 10, 1, 1 + i / 3});
        ws->RandState = seed;
        SwapAdjacentRuns(*ws, 0); // odds 1 in 1: every examined pair is exchanged
        // Each kind still forms one block of three positions.
        for (int p = 1; p <= 12; p += 3)
            for (int x = p + 1; x < p + 3; ++x)
                ASSERT_EQ(ws->ItemKind[ws->order.Item[x]], ws->ItemKind[ws->order.Item[p]]);
        EXPECT_EQ(ws->ItemKind[ws->order.Item[1]], 2);
        EXPECT_EQ(ws->ItemKind[ws->order.Item[4]], 1);
        EXPECT_EQ(ws->ItemKind[ws->order.Item[7]], 4);
        EXPECT_EQ(ws->ItemKind[ws->order.Item[10]], 3);
    }
}

TEST(RuleTables, TableIndexesOutsideTheTableShuffleRuns) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    for (int i = 0; i < 20; ++i)
        addItem(*ws, {Coord(10 + i), 10, 1, 1 + i});
    EXPECT_EQ(RuleTableSize(1), 56);
    EXPECT_EQ(RuleTableSize(2), 45);
    EXPECT_EQ(RuleTableSize(3), 13);
    ws->RandState = 9;
    ApplyTableRule(*ws, 3, 13, 13);
    EXPECT_NE(ws->RandState, 9u);
    // Every table entry of every strategy yields a permutation without drawing.
    for (int strategy = 1; strategy <= 3; ++strategy) {
        for (int i = 0; i < RuleTableSize(strategy); ++i) {
            for (int p = 1; p <= 20; ++p)
                ws->order.Item[p] = std::int16_t(p);
            MarkRuns(*ws);
            const std::uint32_t before = ws->RandState;
            ApplyTableRule(*ws, strategy, i, i + 3);
            EXPECT_EQ(ws->RandState, before);
            std::vector<int> o = order(*ws);
            std::sort(o.begin(), o.end());
            for (int p = 0; p < 20; ++p)
                ASSERT_EQ(o[p], p + 1);
        }
    }
}

TEST(RuleTables, StrategyOneExponentsUseTheRuleNumber) {
    // Index 0 with rule number 0 weighs the length with e(2.5): length first.
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {10, 50, 1, 1});
    addItem(*ws, {20, 10, 1, 2});
    ApplyTableRule(*ws, 1, 0, 0);
    EXPECT_EQ(ws->order.Item[1], 2);
    // The same index with rule number 12 weighs it with e(0.1): width first.
    for (int p = 1; p <= 2; ++p)
        ws->order.Item[p] = std::int16_t(p);
    ApplyTableRule(*ws, 1, 0, 12);
    EXPECT_EQ(ws->order.Item[1], 1);
}
