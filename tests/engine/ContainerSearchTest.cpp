#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "ContainerSearch.h"
#include "OrderRules.h"
#include "PackPass.h"
#include "SearchTestUtil.h"

using namespace palvane;
using namespace palvane::test;

namespace {
// A clock that stands still unless a test moves it.
struct ManualClock : MsClock {
    double now = 1e12;
    double advancePerRead = 0;
    int reads = 0;
    double nowMs() override {
        ++reads;
        now += advancePerRead;
        return now;
    }
};

std::unique_ptr<PackWorkspace> searchOn(const std::vector<TestItem>& items, Coord length, Coord width,
                                        int intensity, ManualClock* clock) {
    auto ws = makeWorkspace();
    ws->clock = clock;
    deliverItems(*ws, length, width, items);
    ws->SearchIntensity = std::int16_t(intensity);
    ws->SearchSeed = 3;
    PrepareSearch(*ws);
    SearchContainer(*ws);
    return ws;
}
} // namespace

namespace {
// Remembers the best pass it saw and which corner directions and turn modes were packed.
struct PassLog : PassObserver {
    float best = 0;
    int passes = 0;
    ItemArray<Coord> posX{}, posY{};
    ItemArray<std::int16_t> placed{};
    bool dirSeen[3] = {};
    bool modeSeen[3] = {};
    void passScored(const SearchState& s) override {
        ++passes;
        dirSeen[s.order.CornerDir] = true;
        modeSeen[s.order.TurnMode] = true;
        if (s.SearchScore > best) {
            best = s.SearchScore;
            posX = s.items.PosX;
            posY = s.items.PosY;
            placed = s.items.Placed;
        }
    }
};

// Counts ticks and can press Esc at a given tick.
struct TickSink : ProgressSink {
    PackWorkspace* ws = nullptr;
    int events = 0;
    int abortAt = 0;
    int lastBar = -1;
    bool aborted = false;
    std::string elapsed;
    void setContainer(int position) override { lastBar = position; }
    void setElapsedText(const char* text) override { elapsed = text; }
    void setHint(ProgressHint hint) override { aborted = aborted || hint == ProgressHint::Aborted; }
    void processEvents() override {
        if (++events == abortAt)
            ws->AbortFlag = 1;
    }
};

struct Layout {
    std::vector<int> order, x, y, len, wid, placed;
    bool operator==(const Layout&) const = default;
};

Layout layoutOf(const SearchState& s) {
    Layout l;
    for (int i = 1; i <= s.ItemCount; ++i) {
        l.order.push_back(s.order.Item[i]);
        l.x.push_back(s.items.PosX[i]);
        l.y.push_back(s.items.PosY[i]);
        l.len.push_back(s.items.Len[i]);
        l.wid.push_back(s.items.Wid[i]);
        l.placed.push_back(s.items.Placed[i]);
    }
    return l;
}

std::unique_ptr<PackWorkspace> prepared(const std::vector<TestItem>& items, Coord length, Coord width,
                                        int intensity) {
    auto ws = makeWorkspace();
    deliverItems(*ws, length, width, items);
    ws->SearchIntensity = std::int16_t(intensity);
    ws->SearchSeed = 3;
    return ws;
}
} // namespace

TEST(ContainerSearch, OneItemUsesStrategyOneAndIsPlaced) {
    ManualClock clock;
    auto ws = searchOn({{40, 30, 5, 1, true}}, 100, 50, 5, &clock);
    EXPECT_EQ(ws->KindRunCount, 1);
    EXPECT_EQ(ws->OrderStrategy, 1);
    EXPECT_FLOAT_EQ(ws->TurnExtent, 0.5f);
    EXPECT_EQ(ws->pass.Count, 1);
    EXPECT_EQ(ws->items.Placed[1], 1);
    EXPECT_EQ(ws->order.Item[1], 1);
    EXPECT_GT(ws->SearchScore, 0.0f);
    EXPECT_EQ(ws->StopFlag, 0);
    EXPECT_TRUE(ws->CornerX.empty()); // corner arrays released
}

TEST(ContainerSearch, StrategyFollowsTheKindRuns) {
    std::vector<TestItem> fewKinds, manyKinds;
    for (int i = 0; i < 12; ++i)
        fewKinds.push_back({20, 10, 1, 1 + i / 4});
    for (int i = 0; i < 12; ++i)
        manyKinds.push_back({20, 10, 1, 1 + i / 2});
    auto a = prepared(fewKinds, 200, 100, 5);
    PrepareSearch(*a);
    EXPECT_EQ(a->OrderStrategy, 3);
    EXPECT_FLOAT_EQ(a->TurnExtent, 0.7f);
    auto b = prepared(manyKinds, 200, 100, 5);
    PrepareSearch(*b);
    EXPECT_EQ(b->KindRunCount, 6);
    EXPECT_EQ(b->OrderStrategy, 2);
    EXPECT_FLOAT_EQ(b->TurnExtent, 0.6f);
}

TEST(ContainerSearch, IntensityZeroGivesOneRulePerVariant) {
    std::uint32_t state = 4;
    auto ws = prepared(randomItems(state, 30, 5, 10, 40), 300, 200, 0);
    PrepareSearch(*ws);
    EXPECT_EQ(ws->RuleLimit, 0);
    EXPECT_EQ(ws->ImproveBudget, 10 * (ws->VariantLimit + 1) / 40);
    EXPECT_EQ(ws->TurnModeFirst, 1);
    PassLog log;
    ws->passObserver = &log;
    SearchContainer(*ws);
    EXPECT_EQ(layoutProblem(*ws), "");
    EXPECT_GT(log.passes, 0);
}

TEST(ContainerSearch, IntensityAboveFiftyBehavesAsFifty) {
    std::uint32_t state = 5;
    auto items = randomItems(state, 25, 4, 10, 40);
    for (auto& item : items)
        item.turn = false; // one variant and one turn mode keep the run short
    auto a = prepared(items, 200, 150, 60);
    auto b = prepared(items, 200, 150, 50);
    PrepareSearch(*a);
    PrepareSearch(*b);
    EXPECT_EQ(a->SearchIntensity, 50);
    EXPECT_EQ(a->TurnModeFirst, 0);
    EXPECT_EQ(a->RuleLimit, b->RuleLimit);
    EXPECT_EQ(a->VariantLimit, b->VariantLimit);
    EXPECT_EQ(a->ImproveBudget, b->ImproveBudget);
    SearchContainer(*a);
    SearchContainer(*b);
    EXPECT_EQ(layoutOf(*a), layoutOf(*b));
    EXPECT_EQ(a->SearchScore, b->SearchScore);
}

TEST(ContainerSearch, DuplicateOrderingsAreSkippedUntilTheTriesRunOut) {
    // Three kinds of one equal size: every table rule gives the same order.
    auto ws = prepared({{10, 10, 1, 1}, {10, 10, 1, 2}, {10, 10, 1, 3}}, 100, 100, 5);
    PrepareSearch(*ws);
    PassLog log;
    ws->passObserver = &log;
    SearchContainer(*ws);
    ASSERT_GE(ws->RuleCount, 2);
    // Tries 2 .. 7 x RuleCount - 1 are skipped; from then on every ordering is packed.
    EXPECT_EQ(ws->RuleSkips, 7 * ws->RuleCount - 2);
    EXPECT_EQ(ws->RuleNo - ws->RuleSkips, ws->RuleCount);
}

TEST(ContainerSearch, DuplicateSignaturesMatchEqualOrderings) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {10, 20, 1, 1});
    addItem(*ws, {30, 20, 1, 2});
    addItem(*ws, {30, 20, 1, 2});
    ws->ItemGroupKey[1] = 500;
    ws->ItemGroupKey[2] = ws->ItemGroupKey[3] = 77;
    const RuleSignature identity = OrderingSignature(*ws, false);
    std::swap(ws->order.Item[2], ws->order.Item[3]); // two equal items exchanged: same signature
    EXPECT_EQ(OrderingSignature(*ws, false), identity);
    std::swap(ws->order.Item[1], ws->order.Item[2]);
    EXPECT_FALSE(OrderingSignature(*ws, false) == identity);
    // nearest(10/20 x 500) + 2 x nearest(30/20 x 77) = 250 + 2 x 116 (115.5 rounds to even)
    EXPECT_EQ(VariantSignature(*ws), 250 + 2 * 116);
    ws->ItemClass[1] = 50; // only full-row items count in the row phase
    const RuleSignature rows = OrderingSignature(*ws, true);
    EXPECT_EQ(rows.a, 2 * 250);
}

TEST(ContainerSearch, AbortBeforeTheSearchStopsAtTheFirstTick) {
    std::uint32_t state = 6;
    auto ws = prepared(randomItems(state, 40, 5, 10, 50), 300, 200, 5);
    ManualClock clock;
    TickSink sink;
    sink.ws = ws.get();
    ws->clock = &clock;
    ws->progress = &sink;
    ws->AbortFlag = 1;
    PassLog log;
    ws->passObserver = &log;
    PrepareSearch(*ws);
    SearchContainer(*ws);
    EXPECT_EQ(ws->PassTotal, 1);
    EXPECT_EQ(ws->StopFlag, 1);
    EXPECT_TRUE(sink.aborted);
    EXPECT_EQ(sink.events, 1);
    EXPECT_EQ(ws->SearchScore, log.best); // the first pass is returned
    EXPECT_GT(ws->pass.Count, 0);
}

TEST(ContainerSearch, EscDuringTheSearchEndsItAtThatTick) {
    std::uint32_t state = 7;
    auto ws = prepared(randomItems(state, 40, 5, 10, 50), 300, 200, 8);
    ManualClock clock;
    TickSink sink;
    sink.ws = ws.get();
    sink.abortAt = 3;
    ws->clock = &clock;
    ws->progress = &sink;
    PassLog log;
    ws->passObserver = &log;
    PrepareSearch(*ws);
    SearchContainer(*ws);
    const std::int64_t step = std::max<std::int64_t>(PlannedPasses(*ws) / 20, 1);
    EXPECT_EQ(ws->PassTotal, 2 * step + 1);
    EXPECT_EQ(sink.events, 3);
    EXPECT_EQ(ws->StopFlag, 1);
    EXPECT_TRUE(sink.aborted);
    EXPECT_EQ(ws->SearchScore, log.best);
    EXPECT_EQ(layoutProblem(*ws), "");
}

TEST(ContainerSearch, TimeOutIsSeenOnlyAtTicksWithOneClockReadEach) {
    std::uint32_t state = 8;
    auto ws = prepared(randomItems(state, 40, 5, 10, 50), 300, 200, 8);
    ManualClock clock;
    clock.advancePerRead = 10;
    TickSink sink;
    sink.ws = ws.get();
    ws->clock = &clock;
    ws->progress = &sink;
    ws->StartTime = clock.now - 2000; // the solve started two seconds before
    ws->SearchTimeBudget = 55;
    PrepareSearch(*ws);
    SearchContainer(*ws);
    // Start read at +10; ticks read at +20, +30, ...: the sixth tick (+70) is past 10 + 55.
    const std::int64_t step = std::max<std::int64_t>(PlannedPasses(*ws) / 20, 1);
    EXPECT_EQ(clock.reads, 7);
    EXPECT_EQ(ws->PassTotal, 5 * step + 1);
    EXPECT_EQ(ws->StopFlag, 1);
    EXPECT_EQ(sink.elapsed, "2.1"); // seconds since the solve started at the last tick
}

TEST(ContainerSearch, NoTimeBudgetReturnsTheFirstPass) {
    std::uint32_t state = 9;
    auto ws = prepared(randomItems(state, 30, 5, 10, 50), 300, 200, 5);
    ManualClock clock;
    ws->clock = &clock;
    ws->SearchTimeBudget = 0;
    PassLog log;
    ws->passObserver = &log;
    PrepareSearch(*ws);
    SearchContainer(*ws);
    EXPECT_EQ(ws->PassTotal, 1);
    EXPECT_EQ(ws->StopFlag, 1);
    EXPECT_EQ(ws->SearchScore, log.best);
    EXPECT_GT(ws->SearchScore, 0.0f);
}

TEST(ContainerSearch, BothCornerDirectionsAreSearchedWhateverTheFillDirection) {
    std::uint32_t state = 10;
    for (int fill : {0, 1, 2, 7}) {
        auto ws = prepared(randomItems(state, 20, 4, 10, 50), 300, 200, 3);
        ws->SearchFillDir = std::int16_t(fill);
        PassLog log;
        ws->passObserver = &log;
        PrepareSearch(*ws);
        SearchContainer(*ws);
        EXPECT_TRUE(log.dirSeen[1] && log.dirSeen[2]) << fill;
        EXPECT_EQ(ws->SearchFillDir, fill == 7 ? 0 : fill);
    }
}

TEST(ContainerSearch, BindFactorDividesTheScoreBySplitKinds) {
    auto ws = makeWorkspace();
    setFloor(*ws, 100, 100);
    addItem(*ws, {10, 10, 1, 1});
    addItem(*ws, {10, 10, 1, 1});
    addItem(*ws, {10, 10, 1, 2});
    ws->KindRunCount = 2;
    ws->items.Placed[1] = 1; // kind 1 split, kind 2 not placed at all
    ws->pass.Wolume = 100;
    ws->Compactness = 1;
    ScorePass(*ws);
    const float unbound = ws->SearchScore;
    EXPECT_GT(unbound, 0.0f);
    ws->SearchBindFactor = 1;
    ScorePass(*ws);
    EXPECT_FLOAT_EQ(ws->SearchScore, float(unbound / 1.2L));
    ws->items.Placed[2] = 1; // kind 1 complete: nothing split
    ScorePass(*ws);
    EXPECT_FLOAT_EQ(ws->SearchScore,
                    float((long double)ws->pass.Wolume / (10000 + 1e-5L) * std::pow(1.0L, 1e-4L)));
}

TEST(ContainerSearch, ScoreStaysFiniteWithZeroTotals) {
    auto ws = makeWorkspace();
    setFloor(*ws, 0, 0);
    ws->SearchWolume = 0;
    ws->SearchCostFactor = 0.5f;
    ws->SearchLeftFactor = 0.5f;
    ws->pass.Wolume = 0;
    ws->Compactness = 1;
    ScorePass(*ws); // task totals, container area and item count are all 0
    EXPECT_TRUE(std::isfinite(ws->SearchScore));
}
