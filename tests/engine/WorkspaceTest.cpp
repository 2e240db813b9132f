#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "Workspace.h"

using namespace palvane;

namespace {
// A workspace with every field touched by a previous solve.
std::unique_ptr<PackWorkspace> dirtyWorkspace() {
    auto ws = std::make_unique<PackWorkspace>();
    ws->TypeCount = 3;
    ws->ContCount = 7;
    ws->KindCount = 12;
    ws->BoxCount = 900;
    ws->TypeLength[1] = 500;
    ws->TypeMark[2].set("AB");
    ws->ContType[4] = 2;
    ws->ContOrder[3] = 5;
    ws->KindName[1].set("Pallet");
    ws->KindMark[1000].set("Q");
    ws->KindWeight[1001] = 77;
    ws->KindColor[3] = 0x00FF00;
    ws->BoxKind[1001] = 9;
    ws->StartPlan.Score = 3.5f;
    ws->StartPlan.PosX[1001] = 17;
    ws->StartPlan.WolLoad[25] = 1.0f;
    ws->BestPlan.Score = 9.0f;
    ws->Intensity = 40;
    ws->TimeBudget = 1.0;
    ws->RandBase = 9;
    ws->WeightFactor = 0.5f;
    ws->ItemGap = 3;
    ws->WallGap = 4;
    ws->LastOff = 0;
    ws->TaskTurnOn = 0;
    ws->DefltOn = 0;
    ws->StopFlag = 1;
    ws->TryLastAlt = 0;
    return ws;
}
} // namespace

TEST(Workspace, ResetClearsTaskArraysCountsAndTheGivenPlan) {
    auto ws = dirtyWorkspace();
    ResetWorkspace(*ws, ws->StartPlan);

    EXPECT_EQ(ws->TypeCount, 0);
    EXPECT_EQ(ws->ContCount, 0);
    EXPECT_EQ(ws->KindCount, 0);
    EXPECT_EQ(ws->BoxCount, 0);
    for (int t = 0; t < kContSlots; ++t)
        EXPECT_EQ(ws->TypeMark[t], "?") << t;
    for (int k = 0; k < kBoxSlots; ++k) {
        EXPECT_EQ(ws->KindName[k], "??") << k;
        EXPECT_EQ(ws->KindMark[k], "?") << k;
    }
    EXPECT_EQ(ws->TypeLength[1], 0);
    EXPECT_EQ(ws->ContType[4], 0);
    EXPECT_EQ(ws->KindWeight[1001], 0);
    EXPECT_EQ(ws->KindColor[3], 0);
    EXPECT_EQ(ws->BoxKind[1001], 0);
    EXPECT_EQ(ws->StartPlan.Score, 0.0f);
    EXPECT_EQ(ws->StartPlan.PosX[1001], 0);
    EXPECT_EQ(ws->StartPlan.WolLoad[25], 0.0f);
}

TEST(Workspace, ResetRestoresParameterDefaultsAndKeepsOrderAndOtherPlans) {
    auto ws = dirtyWorkspace();
    ResetWorkspace(*ws, ws->StartPlan);

    EXPECT_EQ(ws->Intensity, 3);
    EXPECT_EQ(ws->TimeBudget, 555000.0);
    EXPECT_EQ(ws->RandBase, 1);
    EXPECT_EQ(ws->WeightFactor, 0.0f);
    EXPECT_EQ(ws->ItemGap, 0);
    EXPECT_EQ(ws->WallGap, 0);
    EXPECT_EQ(ws->LastOff, 1);
    EXPECT_EQ(ws->TaskTurnOn, 1);
    EXPECT_EQ(ws->DefltOn, 1);
    EXPECT_EQ(ws->StopFlag, 0);
    EXPECT_EQ(ws->TryLastAlt, 1);
    // Set by the optimiser before use, so the reset leaves them.
    EXPECT_EQ(ws->ContOrder[3], 5);
    EXPECT_EQ(ws->BestPlan.Score, 9.0f);
}

TEST(Workspace, ResetOfTheResultPlanLeavesTheStartPlan) {
    auto ws = dirtyWorkspace();
    ws->ResultPlan.PlacedBoxes = 4;
    ResetWorkspace(*ws, ws->ResultPlan);
    EXPECT_EQ(ws->ResultPlan.PlacedBoxes, 0);
    EXPECT_EQ(ws->StartPlan.Score, 3.5f);
}

TEST(Workspace, ShortTextCutsLongValues) {
    ShortText<3> mark;
    mark.set("ABCDE");
    EXPECT_EQ(mark, "ABC");
    mark.set("");
    EXPECT_EQ(mark, "");
}

TEST(RandomGenerator, FollowsTheLinearCongruentialStep) {
    std::uint32_t state = 0;
    // First step from 0: state 1; high word of n x 1 is 0.
    EXPECT_EQ(RandomBelow(state, 100), 0);
    EXPECT_EQ(state, 1u);
    EXPECT_EQ(RandomBelow(state, 1000), std::int32_t((1000ull * 134775814ull) >> 32));
    EXPECT_EQ(state, 134775814u);
    // The state wraps modulo 2^32.
    std::uint32_t big = 0xFFFFFFFFu;
    RandomBelow(big, 10);
    EXPECT_EQ(big, std::uint32_t(0xFFFFFFFFull * 134775813ull + 1ull));
}

TEST(RandomGenerator, StaysBelowTheBoundAndCoversIt) {
    std::uint32_t state = 12345;
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = RandomBelow(state, 7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 7u);
    for (int i = 0; i < 1000; ++i) {
        const int v = RandomBelow(state, 1555555555);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 1555555555);
    }
}

TEST(RandomGenerator, BoundsBelowOneGiveZeroButStillAdvance) {
    std::uint32_t a = 99, b = 99;
    EXPECT_EQ(RandomBelow(a, 0), 0);
    EXPECT_EQ(RandomBelow(a, -5), 0);
    RandomBelow(b, 10);
    RandomBelow(b, 10);
    EXPECT_EQ(a, b);
}

TEST(RandomGenerator, SameSeedSameSequenceThroughTheWorkspace) {
    auto ws = std::make_unique<PackWorkspace>();
    ws->RandState = 42;
    int first[5];
    for (int& v : first)
        v = ws->RandomBelow(1000);
    ws->RandState = 42;
    for (int v : first)
        EXPECT_EQ(ws->RandomBelow(1000), v);
}

namespace {
struct StepClock : MsClock {
    double now = 1000.0;
    double nowMs() override { return now += 5.0; }
};
} // namespace

TEST(WorkspaceClock, InjectedClockIsReadAndSystemClockIsADayNumber) {
    auto ws = std::make_unique<PackWorkspace>();
    StepClock clock;
    ws->clock = &clock;
    EXPECT_EQ(ws->NowMs(), 1005.0);
    EXPECT_EQ(ws->NowMs(), 1010.0);
    ws->clock = nullptr;
    // Any date after 2020 is beyond day 43831 of the day-number clock.
    EXPECT_GT(ws->NowMs(), 43831.0 * 86400000.0);
}
