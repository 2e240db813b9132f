// Inputs the task rules normally keep out (zero sizes, empty item sets, extreme loads) must not
// crash the search or poison its numbers.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ContainerSearch.h"
#include "EngineMath.h"
#include "OrderRules.h"
#include "PackPass.h"
#include "SearchTestUtil.h"

using namespace palvane;
using namespace palvane::test;

TEST(DegenerateInput, NearestIntSaturatesAndMapsNaNToZero) {
    EXPECT_EQ(NearestInt<std::int32_t>(2.5L), 2);
    EXPECT_EQ(NearestInt<std::int32_t>(3.5L), 4);
    EXPECT_EQ(NearestInt<std::int32_t>(-2.5L), -2);
    EXPECT_EQ(NearestInt<std::int32_t>(1e30L), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(NearestInt<std::int32_t>(-1e30L), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(NearestInt<std::int64_t>(std::numeric_limits<long double>::quiet_NaN()), 0);
}

TEST(DegenerateInput, ItemsOfZeroWidthDoNotDivideByZero) {
    auto ws = makeWorkspace();
    deliverItems(*ws, 100, 100,
                 {{10, 0, 1, 1, true}, {10, 0, 1, 1, true}, {0, 10, 1, 2, true}, {20, 20, 1, 3, true}});
    ws->SearchIntensity = 10;
    PrepareSearch(*ws);
    ws->order.CornerDir = 1;
    ClearClasses(*ws);
    MarkRows(*ws, 2, true);
    SplitTurn(*ws, 2);
    ws->order.CornerDir = 2;
    MarkRows(*ws, 2, false);
    SplitTurn(*ws, 2);
    EXPECT_EQ(VariantSignature(*ws), VariantSignature(*ws));
    SearchContainer(*ws);
    EXPECT_TRUE(std::isfinite(ws->SearchScore));
    EXPECT_EQ(layoutProblem(*ws), "");
}

TEST(DegenerateInput, AnEmptyItemSetSearchesNothing) {
    auto ws = makeWorkspace();
    deliverItems(*ws, 100, 100, {});
    PrepareSearch(*ws);
    EXPECT_EQ(ws->ModuleDim, 25555);
    SearchContainer(*ws);
    EXPECT_EQ(ws->pass.Count, 0);
    EXPECT_EQ(ws->SearchScore, 0.0f);
}

TEST(DegenerateInput, AFloorOfZeroSizeGivesNoNaN) {
    auto ws = makeWorkspace();
    setFloor(*ws, 0, 0);
    addItem(*ws, {0, 0});
    preparePass(*ws);
    PackPass(*ws);
    EXPECT_EQ(ws->pass.Count, 1); // a box of no size fits anywhere
    EXPECT_EQ(ws->ExtentRatio, 0.0f);
    EXPECT_TRUE(std::isfinite(ws->Compactness));
}

TEST(DegenerateInput, HeavyLoadOnAShortWheelbaseKeepsItsSign) {
    // Wheelbase 1 and a weight near the 32-bit limit: the tail load saturates instead of
    // wrapping round.
    auto ws = makeWorkspace();
    setFloor(*ws, 300, 10);
    ws->NoseAxleX = 0;
    ws->TailAxleDist = 299;
    addItem(*ws, {100, 10, 2000000000});
    ws->SearchLoadWt = 2100000000;
    preparePass(*ws);
    PackPass(*ws);
    ASSERT_EQ(ws->pass.Count, 1);
    EXPECT_EQ(ws->pass.TailLoad, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ws->pass.NoseLoad, 2000000000 - std::int64_t(std::numeric_limits<std::int32_t>::max()));
}

TEST(DegenerateInput, ATinyCornerListStillGrows) {
    auto ws = makeWorkspace();
    setFloor(*ws, 10, 10);
    ws->CornerCapacity = 2;
    AllocCorners(*ws, 3);
    ws->CornerCount = 2;
    GrowCorners(*ws); // 2 x 1.1 rounds to 2: one slot more all the same
    EXPECT_EQ(ws->CornerCapacity, 3);
    EXPECT_EQ(ws->CornerX.size(), 4u);
}
