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
            posX = s.ItemPosX;
            posY = s.ItemPosY;
            placed = s.ItemPlaced;
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
                ASSERT_EQ(ws->ItemPlaced[i], seen.placed[i]) << i;
                ASSERT_EQ(ws->ItemPosX[i], seen.posX[i]) << i;
                ASSERT_EQ(ws->ItemPosY[i], seen.posY[i]) << i;
            }
        }
        // Support limits hold after the rearward shift wherever the checks apply. Taking a kind
        // out again moves the load centre without a new check, so bind modes are left out.
        if (SupportChecksApply(*ws) && sc.bindMode == 0 && ws->PassCount > 0) {
            ++supportRounds;
            EXPECT_LE(ws->PassTailLoad, ws->SearchTailWt);
            EXPECT_LE(ws->PassNoseLoad, ws->SearchNoseWt);
        }
        // The final order is by position along the fill direction.
        for (int p = 2; p <= ws->ItemCount; ++p) {
            const int a = ws->ItemOrder[p - 1], b = ws->ItemOrder[p];
            const auto key = [&](int i) -> std::int64_t {
                const std::int64_t x = ws->ItemPosX[i], y = ws->ItemPosY[i];
                return sc.fillDir == 1 ? 10 * x + 2 * y : sc.fillDir == 2 ? 10 * y + 2 * x : 6 * x + 6 * y;
            };
            ASSERT_LE(key(a), key(b));
        }
        // Same inputs and seed: the same layout, item by item.
        auto again = run(sc, nullptr);
        for (int i = 1; i <= ws->ItemCount; ++i) {
            ASSERT_EQ(again->ItemOrder[i], ws->ItemOrder[i]);
            ASSERT_EQ(again->ItemPosX[i], ws->ItemPosX[i]);
            ASSERT_EQ(again->ItemPosY[i], ws->ItemPosY[i]);
            ASSERT_EQ(again->ItemLen[i], ws->ItemLen[i]);
            ASSERT_EQ(again->ItemPlaced[i], ws->ItemPlaced[i]);
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
            ws->ItemOrder[p] = std::int16_t(ws->ItemCount + 1 - p);
        ws->TurnMode = std::int16_t(round % 3);
        ws->CornerDir = std::int16_t(1 + round % 2);
        PackPass(*ws);
        const auto x = ws->ItemPosX;
        const auto y = ws->ItemPosY;
        const auto placed = ws->ItemPlaced;
        const std::int32_t corners = ws->CornerCount;
        ws->placedGrid.enabled = false;
        PackPass(*ws);
        EXPECT_EQ(ws->ItemPosX, x) << round;
        EXPECT_EQ(ws->ItemPosY, y) << round;
        EXPECT_EQ(ws->ItemPlaced, placed) << round;
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
    EXPECT_GT(ws->PassCount, 500);
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
    EXPECT_EQ(ws->PassCount, 1);
    EXPECT_EQ(ws->ItemLen[ws->ItemOrder[2]], 37000);
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
    EXPECT_EQ(ws->PassCount, 3);
    EXPECT_EQ(ws->PassTailLoad, 0);
    EXPECT_EQ(ws->PassNoseLoad, 300);
}
