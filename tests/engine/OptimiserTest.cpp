// The optimiser over container orders, driven by the predictable stand-in search.
#include <gtest/gtest.h>

#include "FakeSearch.h"
#include "PlanEvaluation.h"
#include "TaskRowsFixtures.h"

#include <set>

using namespace palvane;
using namespace palvane::testing;

namespace {

// A workspace with the task prepared as the Solve pipeline does before Optimise.
struct OptimiserRun {
    OptimiserRun(const TaskRows& rows, const SolveSettings& settings) {
        prepareWorkspace(*ws, rows, settings);
        ws->clock = &clock;
        search.clock = &clock;
        RecomputeLoads(*ws, ws->StartPlan);
        CountPlacements(*ws, ws->StartPlan);
        EvaluatePlan(*ws, ws->StartPlan);
    }
    void optimise() { Optimise(*ws, search); }
    int placed() const {
        int n = 0;
        for (int b = 1; b <= ws->BoxCount; ++b)
            n += ws->ResultPlan.ContNo[b] != 0;
        return n;
    }

    std::unique_ptr<PackWorkspace> ws = newWorkspace();
    ManualClock clock;
    FakeSearch search;
};

SolveSettings keepLastContainer() {
    SolveSettings s;
    s.Last = false;
    return s;
}

} // namespace

TEST(Optimise, OneContainerRunsOneIteration) {
    OptimiserRun run(taskRows({containerRow(1, 1, 1000, 500, 900)}, {boxRow(5, 3, 300, 250, 10)}),
                     SolveSettings{});
    run.optimise();
    EXPECT_EQ(run.ws->IterationLimit, 0);
    EXPECT_EQ(run.ws->Iteration, 0);
    EXPECT_EQ(run.search.runs, 1);
    EXPECT_EQ(run.placed(), 3);
    EXPECT_EQ(run.ws->KindPlaced[1], 3);
    EXPECT_EQ(run.ws->TypeUsed[1], 1);
    EXPECT_EQ(run.ws->StopFlag, 0);
}

TEST(Optimise, IterationsTryDistinctOrdersUpToTheLimit) {
    // Two types of two containers each: six type sequences, IterationLimit 5. No plan is
    // perfect, so every order is tried.
    OptimiserRun run(taskRows({containerRow(1, 2, 1000, 500, 900), containerRow(2, 2, 900, 500, 900)},
                              {boxRow(5, 7, 300, 250, 10)}),
                     keepLastContainer());
    run.optimise();
    ASSERT_EQ(run.ws->IterationLimit, 5);
    EXPECT_EQ(run.ws->Iteration - run.ws->Repeats, 5);
    std::set<std::pair<int, int>> signatures;
    for (int k = 0; k <= 5; ++k)
        signatures.insert({run.ws->OrderSig1[k], run.ws->OrderSig2[k]});
    EXPECT_EQ(signatures.size(), 6u);
    EXPECT_GT(run.ws->ResultPlan.Score, 0.0f);
    EXPECT_EQ(run.ws->ResultPlan.Score, run.ws->BestPlan.Score);
}

TEST(Optimise, LastContainerAlternativesReplaceABigLastContainer) {
    // The big container (offered first) takes all boxes; the small one can too and fills
    // better, so it replaces the big one.
    OptimiserRun run(taskRows({containerRow(1, 1, 2000, 500, 900), containerRow(2, 1, 1000, 500, 900)},
                              {boxRow(5, 3, 300, 250, 10)}),
                     keepLastContainer());
    run.optimise();
    ASSERT_GE(run.search.offered.size(), 2u);
    EXPECT_EQ(run.search.offered[0], 1);
    EXPECT_EQ(run.search.offered[1], 2);
    EXPECT_EQ(run.placed(), 3);
    for (int b = 1; b <= 3; ++b)
        EXPECT_EQ(run.ws->ResultPlan.ContNo[b], 2);
    EXPECT_EQ(run.ws->ResultPlan.UsedConts, 1);
    EXPECT_EQ(run.ws->ResultPlan.LastCont, 2);
}

TEST(Optimise, AnAlternativeMustScoreStrictlyHigherToReplaceTheFirst) {
    // Types 2 and 3 are the same size: the first alternative (container 2) replaces the big
    // container; container 3 scores the same and does not replace it.
    OptimiserRun run(taskRows({containerRow(1, 1, 2000, 500, 900), containerRow(2, 1, 1000, 500, 900),
                               containerRow(3, 1, 1000, 500, 900)},
                              {boxRow(5, 3, 300, 250, 10)}),
                     keepLastContainer());
    run.optimise();
    ASSERT_GE(run.search.offered.size(), 3u);
    EXPECT_EQ((std::vector<int>(run.search.offered.begin(), run.search.offered.begin() + 3)),
              (std::vector<int>{1, 2, 3}));
    for (int b = 1; b <= 3; ++b)
        EXPECT_EQ(run.ws->ResultPlan.ContNo[b], 2);
}

TEST(Optimise, AnAlternativeThatLeavesBoxesIsRejected) {
    // The small container holds only two of the three boxes.
    OptimiserRun run(taskRows({containerRow(1, 1, 2000, 500, 900), containerRow(2, 1, 300, 500, 900)},
                              {boxRow(5, 3, 300, 250, 10)}),
                     keepLastContainer());
    run.optimise();
    EXPECT_EQ(run.placed(), 3);
    for (int b = 1; b <= 3; ++b)
        EXPECT_EQ(run.ws->ResultPlan.ContNo[b], 1);
}

TEST(Optimise, LastOffDropsAWeakLastContainer) {
    // Four boxes fill container 1; the fifth alone in container 2 is below the plan's
    // efficiency, so container 2 is dropped and its box left.
    OptimiserRun run(taskRows({containerRow(1, 2, 600, 500, 900)}, {boxRow(5, 5, 300, 250, 10)}),
                     SolveSettings{});
    run.optimise();
    const PackPlan& plan = run.ws->ResultPlan;
    EXPECT_EQ(plan.LastCont, 502);
    EXPECT_EQ(plan.UsedConts, 1);
    EXPECT_EQ(plan.PlacedBoxes, 4);
    EXPECT_EQ(plan.ContNo[5], 0);
    EXPECT_EQ(run.ws->KindPlaced[0], 1);
    EXPECT_EQ(run.ws->TypeUsed[0], 1);

    // Without LastOff the second container stays.
    OptimiserRun keep(taskRows({containerRow(1, 2, 600, 500, 900)}, {boxRow(5, 5, 300, 250, 10)}),
                      keepLastContainer());
    keep.optimise();
    EXPECT_EQ(keep.ws->ResultPlan.PlacedBoxes, 5);
    EXPECT_EQ(keep.ws->ResultPlan.LastCont, 2);
}

TEST(Optimise, ZeroTimeBudgetStopsAfterTheFirstSearchThenFinishesThePlanQuickly) {
    SolveSettings s = keepLastContainer();
    s.Time = 0;
    OptimiserRun run(taskRows({containerRow(1, 2, 1000, 500, 900), containerRow(2, 2, 900, 500, 900)},
                              {boxRow(5, 7, 300, 250, 10)}),
                     s);
    std::vector<std::pair<std::int16_t, double>> searches; // intensity and time budget
    run.search.beforeRun = [&](PackWorkspace& ws) {
        searches.emplace_back(ws.SearchIntensity, ws.SearchTimeBudget);
    };
    run.optimise();
    // The first container of the order takes six boxes; the seventh goes into the next one by
    // the quickest search.
    ASSERT_EQ(run.search.runs, 2);
    EXPECT_EQ(searches[0].first, s.Power);
    EXPECT_LE(searches[0].second, 0.0);
    EXPECT_EQ(searches[1], std::make_pair(std::int16_t(0), 0.0));
    EXPECT_EQ(run.ws->StopFlag, 1);
    EXPECT_EQ(run.placed(), 7);
    EXPECT_EQ(run.ws->ResultPlan.UsedConts, 2);
    EXPECT_EQ(run.ws->KindPlaced[1], 7);
}

TEST(Optimise, TimeOutStoresTheBestPlanSoFar) {
    SolveSettings s = keepLastContainer();
    s.Time = 10; // 10 s; each search takes 4 s
    OptimiserRun run(taskRows({containerRow(1, 2, 1000, 500, 900), containerRow(2, 2, 900, 500, 900)},
                              {boxRow(5, 7, 300, 250, 10)}),
                     s);
    run.search.msPerSearch = 4000;
    run.optimise();
    EXPECT_EQ(run.search.runs, 3);
    EXPECT_EQ(run.ws->StopFlag, 1);
    EXPECT_EQ(run.ws->ElapsedText.view(), "12.0");
    EXPECT_EQ(run.ws->ResultPlan.Score, run.ws->BestPlan.Score);
    EXPECT_GT(run.placed(), 0);
}

TEST(Optimise, AbortInTheFirstIterationStoresItsPartialPlan) {
    struct AbortOnTick : ProgressSink {
        PackWorkspace* ws = nullptr;
        void processEvents() override { ws->AbortFlag = 1; }
    } abortSink;
    OptimiserRun run(taskRows({containerRow(1, 2, 600, 500, 900), containerRow(2, 2, 600, 500, 900)},
                              {boxRow(5, 12, 300, 250, 10)}),
                     keepLastContainer());
    abortSink.ws = run.ws.get();
    run.ws->AbortFlag = 1; // left over from an earlier Esc: cleared at the start
    run.ws->progress = &abortSink;
    run.optimise();
    EXPECT_EQ(run.search.runs, 1);
    EXPECT_EQ(run.ws->StopFlag, 1);
    EXPECT_EQ(run.placed(), 4);
    EXPECT_EQ(run.ws->ResultPlan.UsedConts, 1);
}

TEST(Optimise, APerfectPlanEndsTheRunEarly) {
    OptimiserRun run(taskRows({containerRow(1, 1, 1000, 500, 900), containerRow(2, 1, 1000, 500, 900)},
                              {boxRow(5, 2, 500, 500, 450)}),
                     keepLastContainer());
    ASSERT_GT(run.ws->IterationLimit, 0);
    run.optimise();
    EXPECT_EQ(run.ws->Iteration, 0);
    EXPECT_FLOAT_EQ(run.ws->BestPlan.AreaEff, 1.0f);
    EXPECT_FLOAT_EQ(run.ws->BestPlan.WeightEff, 1.0f);
}

TEST(Optimise, FixedContainersAreNeverSearchedAgain) {
    OptimiserRun run(taskRows({containerRow(1, 2, 600, 500, 900)}, {boxRow(5, 6, 300, 250, 10)}),
                     keepLastContainer());
    PackPlan& start = run.ws->StartPlan;
    start.FixCont[1] = 1;
    start.ContNo[6] = 1;
    start.LoadNo[6] = 1;
    start.PosLh[6] = 300;
    start.PosWh[6] = 250;
    RecomputeLoads(*run.ws, start);
    EvaluatePlan(*run.ws, start);
    run.optimise();
    EXPECT_EQ(run.search.offered, std::vector<int>{2});
    EXPECT_EQ(run.ws->FixedConts, 1);
    EXPECT_EQ(run.ws->ResultPlan.ContNo[6], 1);
    EXPECT_EQ(run.ws->ResultPlan.FixCont[1], 1);
    EXPECT_EQ(run.ws->ResultPlan.BoxLoad[2], 4);
}

TEST(Optimise, NothingPlaceableLeavesTheStartPlan) {
    OptimiserRun run(taskRows({containerRow(1, 2, 100, 100, 900)}, {boxRow(5, 2, 300, 250, 10)}),
                     SolveSettings{});
    run.optimise();
    EXPECT_EQ(run.ws->BestPlan.Score, 0.0f);
    EXPECT_EQ(run.placed(), 0);
    EXPECT_EQ(run.ws->KindPlaced[0], 2);
}
