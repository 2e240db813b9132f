// The random draws of the ordering rules and the search set-up: which calls are made, with which
// bounds and in which order. Each expectation replays the generator by hand on a copy of the
// starting state, so a change in the number, bound or order of the draws shows up here.

#include <gtest/gtest.h>

#include <vector>

#include "ContainerSearch.h"
#include "OrderRules.h"
#include "SearchTestUtil.h"

using namespace palvane;
using namespace palvane::test;

TEST(DrawOrder, RandomMarkRowsDrawsRowsThenRestClassOrCutThenTwoClasses) {
    auto ws = makeWorkspace();
    setFloor(*ws, 300, 100);
    for (int i = 0; i < 7; ++i)
        addItem(*ws, {40, 30, 1, 1}); // per = 3, rows = 2, lanes = 7
    for (int i = 0; i < 4; ++i)
        addItem(*ws, {40, 60, 1, 2}); // per = 1 < 2: no rows
    for (int i = 0; i < 3; ++i)
        addItem(*ws, {40, 30, 1, 3}); // k = per: no rows when random
    ws->order.CornerDir = 1;
    for (std::uint32_t seed = 0; seed < 25; ++seed) {
        ws->RandState = seed;
        ClearClasses(*ws);
        MarkRows(*ws, 2, true);

        std::uint32_t st = seed;
        const int rows = RandomBelow(st, 2) + 1;
        const int rest = RandomBelow(st, 5) + 5;
        for (int i = 1; i <= 7; ++i)
            ASSERT_EQ(ws->ItemClass[i], i <= rows * 3 ? 90 : rest) << "seed " << seed << " item " << i;
        for (int first : {8, 12}) {
            const int k = first == 8 ? 4 : 3;
            const int cut = RandomBelow(st, k);
            const int c1 = RandomBelow(st, 5);
            const int c2 = RandomBelow(st, 5); // drawn even when the first part is the whole run
            for (int x = first; x < first + k; ++x)
                ASSERT_EQ(ws->ItemClass[x], x <= first + cut ? c1 : c2) << "seed " << seed << " item " << x;
        }
        EXPECT_EQ(ws->RandState, st);
        EXPECT_EQ(ws->RowGroups, 1u);
        EXPECT_EQ(ws->RowRests, rows * 3 < 7 ? 1 : 0);
    }
}

TEST(DrawOrder, ShuffleByClassDrawsPerRunInItemOrderWithClassRanges) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    const int classes[] = {3, 3, 7, 95, 95, 0};
    for (int i = 0; i < 6; ++i) {
        addItem(*ws, {10, 10, 1, 1});
        ws->ItemClass[i + 1] = classes[i];
    }
    for (int mode = 0; mode <= 1; ++mode) {
        ws->RandState = 17;
        ShuffleByClass(*ws, mode);
        // Runs of equal (kind, width, class): items 1-2, 3, 4-5, 6.
        std::uint32_t st = 17;
        std::vector<float> key(7);
        const int firsts[] = {1, 3, 4, 6}, lasts[] = {2, 3, 5, 6};
        for (int r = 0; r < 4; ++r) {
            const int c = classes[firsts[r] - 1];
            int v;
            if (mode == 1)
                v = RandomBelow(st, 1000);
            else if (c <= 4)
                v = RandomBelow(st, 100);
            else if (c <= 9)
                v = 100 + RandomBelow(st, 100);
            else
                v = 200 + RandomBelow(st, 800);
            for (int x = firsts[r]; x <= lasts[r]; ++x)
                key[x] = float(v);
        }
        EXPECT_EQ(ws->RandState, st);
        for (int p = 1; p < 6; ++p) {
            const int a = ws->order.Item[p], b = ws->order.Item[p + 1];
            ASSERT_GE(key[a], key[b]) << "mode " << mode;
            if (key[a] == key[b]) {
                ASSERT_LT(a, b) << "mode " << mode; // equal keys keep their order
            }
        }
        for (int p = 1; p <= 6; ++p)
            ws->order.Item[p] = std::int16_t(p);
    }
}

TEST(DrawOrder, SwapAdjacentRunsDrawsOncePerExaminedPair) {
    // Position runs of kinds: [1 1] [2] [3 3 3] [4] [5 5].
    const int kinds[] = {1, 1, 2, 3, 3, 3, 4, 5, 5};
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        auto ws = makeWorkspace();
        setFloor(*ws, 100, 100);
        for (int k : kinds)
            addItem(*ws, {10, 10, 1, k});
        ws->RandState = seed;
        SwapAdjacentRuns(*ws, 4);

        // Replay: walk the runs, exchange A and B on a draw of 0 and go on after B.
        std::vector<int> order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        const int n = 9;
        auto runEnd = [&](int p) {
            int q = p;
            while (q < n && kinds[order[q + 1] - 1] == kinds[order[p] - 1])
                ++q;
            return q;
        };
        std::uint32_t st = seed;
        int a0 = 1;
        while (a0 <= n) {
            const int a1 = runEnd(a0);
            if (a1 >= n)
                break;
            const int b1 = runEnd(a1 + 1);
            if (RandomBelow(st, 5) == 0) {
                std::vector<int> moved(order.begin() + a1 + 1, order.begin() + b1 + 1);
                moved.insert(moved.end(), order.begin() + a0, order.begin() + a1 + 1);
                std::copy(moved.begin(), moved.end(), order.begin() + a0);
                a0 = b1 + 1;
            } else {
                if (b1 + 1 >= n)
                    break;
                a0 = a1 + 1;
            }
        }
        EXPECT_EQ(ws->RandState, st) << "seed " << seed;
        for (int p = 1; p <= n; ++p)
            ASSERT_EQ(ws->order.Item[p], order[p]) << "seed " << seed << " position " << p;
    }
}

TEST(DrawOrder, GroupKeysAreDrawnOncePerKindRunBelowTheCappedBound) {
    for (int perKind : {1, 3}) {
        auto ws = makeWorkspace();
        std::vector<TestItem> items;
        for (int i = 0; i < 600; ++i)
            items.push_back({10, 20, 1, 1 + i / perKind, true});
        deliverItems(*ws, 1000, 1000, items);
        ws->SearchSeed = 7;
        PrepareSearch(*ws);
        // 1555555555 div (5 x 600 x 600) = 864, below 25555.
        std::uint32_t st = 7;
        for (int first = 1; first <= 600; first += perKind) {
            const std::int32_t key = RandomBelow(st, 864);
            for (int i = first; i < first + perKind; ++i)
                ASSERT_EQ(ws->ItemGroupKey[i], key) << "item " << i;
        }
        EXPECT_EQ(ws->RandState, st); // nothing else in the set-up draws
    }
    // Few items: the bound is capped at 25555.
    auto ws = makeWorkspace();
    deliverItems(*ws, 100, 100, {{10, 20, 1, 1}, {10, 20, 1, 2}});
    ws->SearchSeed = -3;
    PrepareSearch(*ws);
    std::uint32_t st = std::uint32_t(-3);
    EXPECT_EQ(ws->ItemGroupKey[1], RandomBelow(st, 25555));
    EXPECT_EQ(ws->ItemGroupKey[2], RandomBelow(st, 25555));
}

TEST(DrawOrder, TurnRandomGroupsDrawsOnlyForTurnableRunsAndTurnsWholeRuns) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {40, 20, 1, 1, true});
    addItem(*ws, {40, 20, 1, 1, true});
    addItem(*ws, {30, 30, 1, 2, true});  // square: no draw
    addItem(*ws, {50, 20, 1, 3, false}); // not turnable: no draw
    addItem(*ws, {25, 15, 1, 4, true});
    for (std::uint32_t seed = 0; seed < 16; ++seed) {
        for (int i = 1; i <= 5; ++i) {
            ws->items.Len[i] = ws->ItemLen0[i];
            ws->items.Wid[i] = ws->ItemWid0[i];
        }
        ws->RandState = seed;
        TurnRandomGroups(*ws, 1);
        std::uint32_t st = seed;
        const bool turn1 = RandomBelow(st, 2) == 1;
        const bool turn4 = RandomBelow(st, 2) == 1;
        EXPECT_EQ(ws->RandState, st);
        EXPECT_EQ(ws->items.Len[1], turn1 ? 20 : 40);
        EXPECT_EQ(ws->items.Len[2], turn1 ? 20 : 40);
        EXPECT_EQ(ws->items.Len[3], 30);
        EXPECT_EQ(ws->items.Len[4], 50);
        EXPECT_EQ(ws->items.Len[5], turn4 ? 15 : 25);
    }
}
