// Numbering, task summary, iteration limit, loads, placements and the score of a plan.
#include <gtest/gtest.h>

#include "FakeSearch.h"
#include "PlanEvaluation.h"
#include "TaskRowsFixtures.h"

using namespace palvane;
using namespace palvane::testing;

TEST(Preprocess, NumbersContainersAndBoxesTypeByType) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({containerRow(1, 3, 1000, 500, 900)}, {boxRow(5, 5, 100, 50, 10)}));
    EXPECT_EQ(ws->ContCount, 3);
    EXPECT_EQ(ws->BoxCount, 5);
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(ws->ContType[j], 1);
    for (int b = 1; b <= 5; ++b)
        EXPECT_EQ(ws->BoxKind[b], 1);
    EXPECT_EQ(ws->IterationLimit, 0);
}

TEST(Preprocess, IterationLimitIsBoundByDistinctTypeSequences) {
    auto ws = newWorkspace();
    TaskRows rows = taskRows({containerRow(1, 2, 1000, 500, 900), containerRow(2, 1, 800, 500, 700)},
                             {boxRow(5, 5, 100, 50, 10)});
    prepareWorkspace(*ws, rows); // intensity 5: at most 3 orders (N = 3)
    EXPECT_EQ(ws->ContCount, 3);
    EXPECT_EQ(ws->ContType[3], 2);
    EXPECT_EQ(ws->IterationLimit, 2);

    SolveSettings low;
    low.Power = 1; // L = max(1, 1) = 1, min(2, 1) = 1
    prepareWorkspace(*ws, rows, low);
    EXPECT_EQ(ws->IterationLimit, 1);

    // Many types: the limit is capped at 2 x intensity and at 40.
    std::vector<TcRow> many;
    for (int t = 1; t <= 24; ++t)
        many.push_back(containerRow(t, 1, std::int16_t(1000 + t), 500, 900));
    SolveSettings high;
    high.Power = 20;
    prepareWorkspace(*ws, taskRows(many, {boxRow(5, 5, 100, 50, 10)}), high);
    EXPECT_EQ(ws->IterationLimit, 23);
    high.Power = 5;
    prepareWorkspace(*ws, taskRows(many, {boxRow(5, 5, 100, 50, 10)}), high);
    EXPECT_EQ(ws->IterationLimit, 10);
}

TEST(Preprocess, SummaryKeysAndLastOff) {
    auto ws = newWorkspace();
    TaskRows rows = taskRows(
        {containerRow(1, 2, 1000, 500, 900, "Length", -4), containerRow(2, 1, 800, 400, 700, "Length", 3)},
        {boxRow(5, 5, 100, 50, 10, true, -2), boxRow(6, 1, 30, 20, 7, true, 1)});
    prepareWorkspace(*ws, rows);
    EXPECT_EQ(ws->TotCapacity, 2 * 900 + 700);
    EXPECT_FLOAT_EQ(ws->TotContWolume, 2 * 500000.0f + 320000.0f);
    EXPECT_FLOAT_EQ(ws->TotContCost, 11.0f);
    EXPECT_EQ(ws->AvgCapacity, 2500 / 3);
    EXPECT_EQ(ws->MaxTypeAvail, 2);
    EXPECT_EQ(ws->MaxTypeLoadWt, 900);
    EXPECT_EQ(ws->TotBoxWeight, 57);
    EXPECT_FLOAT_EQ(ws->TotBoxCost, 11.0f);
    EXPECT_EQ(ws->TryLastAlt, 0); // LastOff is on by default
    // The type keys come from the generator seeded with the random line.
    std::uint32_t state = 1;
    EXPECT_EQ(ws->TypeRandKey[1], RandomBelow(state, 9999));
    EXPECT_EQ(ws->TypeRandKey[2], RandomBelow(state, 9999));

    SolveSettings keepLast;
    keepLast.Last = false;
    prepareWorkspace(*ws, rows, keepLast);
    EXPECT_EQ(ws->TryLastAlt, 1);
}

namespace {

// Puts boxes b into container j at the given X, with their kind's extents.
void place(PackWorkspace& ws, PackPlan& plan, int b, int j, int x) {
    plan.ContNo[b] = static_cast<std::int16_t>(j);
    plan.PosX[b] = static_cast<std::int16_t>(x);
    plan.PosLh[b] = ws.KindLength[ws.BoxKind[b]];
    plan.PosWh[b] = ws.KindWidth[ws.BoxKind[b]];
}

} // namespace

TEST(RecomputeLoads, SupportsAtTheEndsShareACentredLoadEqually) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({containerRow(1, 2, 1000, 500, 900)}, {boxRow(5, 3, 200, 50, 10)}));
    PackPlan& plan = ws->ResultPlan;
    place(*ws, plan, 1, 1, 400); // centred: 400 + 100 = 500
    RecomputeLoads(*ws, plan);
    EXPECT_EQ(plan.WgtLoad[1], 10);
    EXPECT_EQ(plan.TailLoad[1], 5);
    EXPECT_EQ(plan.NoseLoad[1], 5);
    EXPECT_EQ(plan.BoxLoad[0], 2);
    EXPECT_EQ(plan.BoxLoad[0] + plan.BoxLoad[1] + plan.BoxLoad[2], ws->BoxCount);
    EXPECT_FLOAT_EQ(plan.WolLoad[0], 20000.0f);
}

TEST(RecomputeLoads, SupportDistancesMoveTheLoad) {
    auto ws = newWorkspace();
    TaskRows rows = taskRows({containerRow(1, 1, 1000, 500, 900)}, {boxRow(5, 1, 200, 50, 100)});
    rows.tc[0].NoseDL = 100;
    rows.tc[0].TailDL = 100;
    prepareWorkspace(*ws, rows);
    PackPlan& plan = ws->ResultPlan;
    place(*ws, plan, 1, 1, 0); // centre at 100: right over the front support
    RecomputeLoads(*ws, plan);
    EXPECT_EQ(plan.TailLoad[1], 0);
    EXPECT_EQ(plan.NoseLoad[1], 100);
}

TEST(CountPlacements, UnplacedBoxesAndEmptyContainersGoToElementZero) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({containerRow(1, 2, 1000, 500, 900), containerRow(2, 1, 1000, 500, 900)},
                                   {boxRow(5, 2, 100, 50, 10), boxRow(6, 2, 100, 50, 10)}));
    PackPlan& plan = ws->ResultPlan;
    place(*ws, plan, 1, 3, 0);
    place(*ws, plan, 3, 3, 100);
    RecomputeLoads(*ws, plan);
    CountPlacements(*ws, plan);
    EXPECT_EQ(ws->KindPlaced[0], 2);
    EXPECT_EQ(ws->KindPlaced[1], 1);
    EXPECT_EQ(ws->KindPlaced[2], 1);
    EXPECT_EQ(ws->TypeUsed[0], 2);
    EXPECT_EQ(ws->TypeUsed[1], 0);
    EXPECT_EQ(ws->TypeUsed[2], 1);
}

TEST(EvaluatePlan, EmptyPlanScoresNothing) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({containerRow(1, 2, 1000, 500, 900)}, {boxRow(5, 2, 100, 50, 10)}));
    RecomputeLoads(*ws, ws->ResultPlan);
    EvaluatePlan(*ws, ws->ResultPlan);
    EXPECT_EQ(ws->ResultPlan.UsedConts, 0);
    EXPECT_EQ(ws->ResultPlan.PlacedBoxes, 0);
    EXPECT_EQ(ws->ResultPlan.AreaEff, 0.0f);
    EXPECT_EQ(ws->ResultPlan.WeightEff, 0.0f);
}

TEST(ScorePlan, WithoutFactorsTheScoreIsTheAreaEfficiency) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({containerRow(1, 2, 1000, 500, 900)}, {boxRow(5, 3, 300, 250, 10)}));
    PackPlan& plan = ws->ResultPlan;
    place(*ws, plan, 1, 1, 0);
    place(*ws, plan, 2, 1, 300);
    RecomputeLoads(*ws, plan);
    EvaluatePlan(*ws, plan);
    EXPECT_EQ(plan.UsedConts, 1);
    EXPECT_EQ(plan.PlacedBoxes, 2);
    EXPECT_NEAR(plan.AreaEff, 0.3f, 1e-6);
    EXPECT_EQ(plan.Score, plan.AreaEff);
    EXPECT_NEAR(plan.ContWgtEff[1], 20.0f / 900.0f, 1e-6);
}

TEST(ScorePlan, BindGroupFactorOneHalvesAPlanSplittingEveryKindInTwo) {
    auto ws = newWorkspace();
    TaskRows rows = taskRows({containerRow(1, 2, 1000, 500, 900)},
                             {boxRow(5, 2, 100, 50, 10), boxRow(6, 2, 100, 50, 10)});
    prepareWorkspace(*ws, rows);
    PackPlan& plan = ws->ResultPlan;
    for (int b = 1; b <= 4; ++b)
        place(*ws, plan, b, b % 2 + 1, 100 * b);
    RecomputeLoads(*ws, plan);
    EvaluatePlan(*ws, plan);
    EXPECT_EQ(plan.SplitCount, ws->KindCount);
    const float unbound = plan.Score;

    SolveSettings bind;
    bind.Qg = 1;
    prepareWorkspace(*ws, rows, bind);
    for (int b = 1; b <= 4; ++b)
        place(*ws, plan, b, b % 2 + 1, 100 * b);
    RecomputeLoads(*ws, plan);
    EvaluatePlan(*ws, plan);
    EXPECT_FLOAT_EQ(plan.Score, unbound / 2);
}

TEST(CountSplits, UnplacedCountsAsAPlaceOfItsOwn) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({containerRow(1, 3, 1000, 500, 900)},
                                   {boxRow(5, 3, 100, 50, 10), boxRow(6, 2, 100, 50, 10)}));
    PackPlan& plan = ws->ResultPlan;
    place(*ws, plan, 1, 1, 0);
    place(*ws, plan, 2, 2, 0); // kind 1: containers 1, 2 and unplaced -> 2 splits
    place(*ws, plan, 4, 3, 0);
    place(*ws, plan, 5, 3, 100); // kind 2: one container -> 0
    CountSplits(*ws, plan);
    EXPECT_EQ(plan.SplitCount, 2);
}

TEST(AddContainer, TakesTheSearchResultAndRemoveContainerUndoesIt) {
    auto ws = newWorkspace();
    prepareWorkspace(
        *ws, taskRows({containerRow(1, 2, 1000, 500, 900, "Length", 5)}, {boxRow(5, 3, 300, 250, 10)}));
    ws->ItemGap = 4;
    ws->WallGap = 2;
    PackPlan& plan = ws->ResultPlan;
    RecomputeLoads(*ws, plan);
    EvaluatePlan(*ws, plan);
    const PackPlan before = plan;

    ws->ItemCount = 2;
    ws->order.Item[1] = 2;
    ws->order.Item[2] = 1;
    ws->items.Placed[1] = ws->items.Placed[2] = 1;
    ws->ItemBox[1] = 3;
    ws->ItemBox[2] = 1;
    ws->items.PosX[1] = 0;
    ws->items.PosX[2] = 304;
    ws->items.Len[1] = ws->items.Len[2] = 304;
    ws->items.Wid[1] = ws->items.Wid[2] = 254;
    ws->pass.Wolume = 150000;
    ws->pass.Weight = 20;
    ws->pass.Cost = 0;
    ws->pass.NoseLoad = 12;
    ws->pass.TailLoad = 8;
    AddContainer(*ws, plan, 2, 2, 900, 500000.0f);
    EXPECT_EQ(plan.LastCont, 2);
    EXPECT_EQ(plan.UsedConts, 1);
    EXPECT_EQ(plan.BoxLoad[2], 2);
    EXPECT_EQ(plan.NoseLoad[2], 12);
    EXPECT_FLOAT_EQ(plan.UsedCost, 5.0f);
    // Loading order follows the item order; positions and sizes lose the gaps again.
    EXPECT_EQ(plan.ContNo[1], 2);
    EXPECT_EQ(plan.LoadNo[1], 1);
    EXPECT_EQ(plan.PosX[1], 306);
    EXPECT_EQ(plan.LoadNo[3], 2);
    EXPECT_EQ(plan.PosX[3], 2);
    EXPECT_EQ(plan.PosLh[3], 300);
    EXPECT_EQ(plan.PosWh[3], 250);
    EXPECT_NEAR(plan.AreaEff, 0.3f, 1e-6);

    RemoveContainer(*ws, plan, 2);
    EXPECT_EQ(plan.UsedConts, 0);
    EXPECT_EQ(plan.PlacedBoxes, 0);
    EXPECT_EQ(plan.LastCont, 2);
    EXPECT_EQ(plan.UsedArea, before.UsedArea);
    EXPECT_EQ(plan.ContNo, before.ContNo);
    EXPECT_EQ(plan.PosX, before.PosX);
    EXPECT_EQ(plan.Score, before.Score);
}
