// Properties every finished search must have, checked on many random item sets.

#include <gtest/gtest.h>

#include "ContainerSearch.h"
#include "PackPass.h"
#include "SearchTestUtil.h"

using namespace palvane;
using namespace palvane::test;

namespace {

struct BestSeen : PassObserver {
    float best = 0;
    ItemArray<Coord> posX{}, posY{};
    ItemArray<std::int16_t> placed{};
    void passScored(const SearchState& s) override {
        if (s.SearchScore > best) {
            best = s.SearchScore;
            posX = s.items.PosX;
            posY = s.items.PosY;
            placed = s.items.Placed;
        }
    }
};

struct Scenario {
    std::vector<TestItem> items;
    Coord length, width;
    std::int32_t loadWt, noseWt, tailWt;
    Coord noseAxle, tailDist;
    int bindMode, intensity, fillDir;
    std::int16_t seed;
};

Scenario randomScenario(std::uint32_t& state, int round) {
    Scenario sc;
    const int n = 1 + RandomBelow(state, 60);
    sc.items = randomItems(state, n, 1 + RandomBelow(state, 8), 5, 60);
    sc.length = Coord(100 + RandomBelow(state, 400));
    sc.width = Coord(60 + RandomBelow(state, 200));
    sc.loadWt = round % 3 == 0 ? 1 + RandomBelow(state, 1500) : 1555555555;
    const bool supports = round % 4 == 1;
    sc.noseWt = supports ? 1 + RandomBelow(state, 800) : 0;
    sc.tailWt = supports ? 1 + RandomBelow(state, 800) : 0;
    sc.noseAxle = Coord(RandomBelow(state, sc.length / 4));
    sc.tailDist = Coord(RandomBelow(state, sc.length / 4));
    sc.bindMode = round % 5 == 2 ? int(RandomBelow(state, 7)) - 2 : 0;
    sc.intensity = 1 + RandomBelow(state, 4);
    sc.fillDir = RandomBelow(state, 3);
    sc.seed = std::int16_t(RandomBelow(state, 1000));
    return sc;
}

std::unique_ptr<PackWorkspace> run(const Scenario& sc, PassObserver* observer) {
    auto ws = makeWorkspace();
    deliverItems(*ws, sc.length, sc.width, sc.items);
    ws->SearchLoadWt = sc.loadWt;
    ws->SearchNoseWt = sc.noseWt;
    ws->SearchTailWt = sc.tailWt;
    ws->NoseAxleX = sc.noseAxle;
    ws->TailAxleDist = sc.tailDist;
    ws->BindMode = std::int16_t(sc.bindMode);
    ws->SearchIntensity = std::int16_t(sc.intensity);
    ws->SearchFillDir = std::int16_t(sc.fillDir);
    ws->SearchSeed = sc.seed;
    ws->TotBoxWolume = 1e5f;
    ws->TotBoxCost = 1e3f;
    ws->TotBoxWeight = 10000;
    ws->TotContWolume = 1e6f;
    ws->TotCapacity = 100000;
    ws->TotContCost = 10;
    ws->passObserver = observer;
    PrepareSearch(*ws);
    SearchContainer(*ws);
    return ws;
}

} // namespace

TEST(SearchInvariants, RandomSetsGiveValidRepeatableBestLayouts) {
    std::uint32_t state = 2024;
    int supportRounds = 0;
    for (int round = 0; round < 80; ++round) {
        const Scenario sc = randomScenario(state, round);
        BestSeen seen;
        auto ws = run(sc, &seen);
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_EQ(layoutProblem(*ws), "");
        EXPECT_EQ(ws->StopFlag, 0);
        EXPECT_EQ(ws->SearchScore, seen.best);
        if (seen.best > 0) {
            for (int i = 1; i <= ws->ItemCount; ++i) {
                ASSERT_EQ(ws->items.Placed[i], seen.placed[i]) << i;
                ASSERT_EQ(ws->items.PosX[i], seen.posX[i]) << i;
                ASSERT_EQ(ws->items.PosY[i], seen.posY[i]) << i;
            }
        }
        // Support limits hold after the rearward shift wherever the checks apply. Taking a kind
        // out again moves the load centre without a new check, so bind modes are left out.
        if (SupportChecksApply(*ws) && sc.bindMode == 0 && ws->pass.Count > 0) {
            ++supportRounds;
            EXPECT_LE(ws->pass.TailLoad, ws->SearchTailWt);
            EXPECT_LE(ws->pass.NoseLoad, ws->SearchNoseWt);
        }
        // The final order is by position along the fill direction.
        for (int p = 2; p <= ws->ItemCount; ++p) {
            const int a = ws->order.Item[p - 1], b = ws->order.Item[p];
            const auto key = [&](int i) -> std::int64_t {
                const std::int64_t x = ws->items.PosX[i], y = ws->items.PosY[i];
                return sc.fillDir == 1 ? 10 * x + 2 * y : sc.fillDir == 2 ? 10 * y + 2 * x : 6 * x + 6 * y;
            };
            ASSERT_LE(key(a), key(b));
        }
        // Same inputs and seed: the same layout, item by item.
        auto again = run(sc, nullptr);
        for (int i = 1; i <= ws->ItemCount; ++i) {
            ASSERT_EQ(again->order.Item[i], ws->order.Item[i]);
            ASSERT_EQ(again->items.PosX[i], ws->items.PosX[i]);
            ASSERT_EQ(again->items.PosY[i], ws->items.PosY[i]);
            ASSERT_EQ(again->items.Len[i], ws->items.Len[i]);
            ASSERT_EQ(again->items.Placed[i], ws->items.Placed[i]);
        }
        EXPECT_EQ(again->SearchScore, ws->SearchScore);
        EXPECT_EQ(again->PassTotal, ws->PassTotal);
    }
    EXPECT_GE(supportRounds, 10);
}

TEST(SearchInvariants, GridAndPlainScanGiveTheSameLayouts) {
    std::uint32_t state = 77;
    for (int round = 0; round < 40; ++round) {
        const Scenario sc = randomScenario(state, round);
        auto ws = makeWorkspace();
        deliverItems(*ws, sc.length, sc.width, sc.items);
        ws->BindMode = std::int16_t(sc.bindMode);
        PrepareSearch(*ws);
        ws->CornerCapacity = ws->ItemCount / 2 + 30;
        AllocCorners(*ws, ws->CornerCapacity + 1);
        for (int p = 1; p <= ws->ItemCount; ++p)
            ws->order.Item[p] = std::int16_t(ws->ItemCount + 1 - p);
        ws->order.TurnMode = std::int16_t(round % 3);
        ws->order.CornerDir = std::int16_t(1 + round % 2);
        PackPass(*ws);
        const auto x = ws->items.PosX;
        const auto y = ws->items.PosY;
        const auto placed = ws->items.Placed;
        const std::int32_t corners = ws->CornerCount;
        ws->placedGrid.enabled = false;
        PackPass(*ws);
        EXPECT_EQ(ws->items.PosX, x) << round;
        EXPECT_EQ(ws->items.PosY, y) << round;
        EXPECT_EQ(ws->items.Placed, placed) << round;
        EXPECT_EQ(ws->CornerCount, corners) << round;
    }
}

TEST(SearchInvariants, ASearchOverOneThousandAndOneItemsWorks) {
    std::uint32_t state = 1001;
    Scenario sc;
    sc.items = randomItems(state, 1001, 30, 10, 60);
    sc.length = 2400;
    sc.width = 900;
    sc.loadWt = 1555555555;
    sc.noseWt = sc.tailWt = 0;
    sc.noseAxle = sc.tailDist = 0;
    sc.bindMode = 0;
    sc.intensity = 1;
    sc.fillDir = 1;
    sc.seed = 5;
    BestSeen seen;
    auto ws = run(sc, &seen);
    ASSERT_EQ(ws->ItemCount, 1001);
    EXPECT_EQ(layoutProblem(*ws), "");
    EXPECT_GT(ws->pass.Count, 500);
    EXPECT_EQ(ws->SearchScore, seen.best);
}

TEST(SearchInvariants, BoxesBeyondSixteenBitsWithTheGapArePacked) {
    // Container 32000 x 400 with an item gap of 5000 and no wall gap: the usable floor is
    // 37000 x 5400 and each 32000 x 200 box measures 37000 x 5200 with the gap.
    auto ws = makeWorkspace();
    deliverItems(*ws, 37000, 5400, {{37000, 5200, 10, 1, true}, {37000, 5200, 10, 1, true}});
    PrepareSearch(*ws);
    SearchContainer(*ws);
    EXPECT_EQ(layoutProblem(*ws), "");
    EXPECT_EQ(ws->pass.Count, 1);
    EXPECT_EQ(ws->items.Len[ws->order.Item[2]], 37000);
    EXPECT_EQ(ws->LengthLimit, 37000);
}

TEST(SearchInvariants, ASearchWithoutWheelbaseSkipsSupportChecks) {
    auto ws = makeWorkspace();
    deliverItems(*ws, 100, 50, {{20, 20, 100, 1}, {20, 20, 100, 1}, {20, 20, 100, 2}});
    ws->SearchNoseWt = 1;
    ws->SearchTailWt = 1;
    ws->NoseAxleX = 60;
    ws->TailAxleDist = 40; // the supports meet
    PrepareSearch(*ws);
    SearchContainer(*ws);
    EXPECT_EQ(layoutProblem(*ws), "");
    EXPECT_EQ(ws->pass.Count, 3);
    EXPECT_EQ(ws->pass.TailLoad, 0);
    EXPECT_EQ(ws->pass.NoseLoad, 300);
}
