// Display-unit areas, the totals of the current task and their text formats.
#include "TaskTotals.h"
#include "CoreApp.h"
#include "NumberFormat.h"
#include "SampleData.h"
#include "Store.h"
#include "TestServer.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace palvane;

TEST(TaskTotalsTest, AreaToIntRoundsAtSinglePrecisionAndCaps) {
    EXPECT_EQ(AreaMultiplier(3), 1000);
    EXPECT_EQ(AreaMultiplier(0), 1);
    EXPECT_EQ(AreaMultiplier(6), 1000000);
    EXPECT_EQ(AreaMultiplier(-1), 1);
    EXPECT_EQ(AreaMultiplier(9), 1000000);
    // A 1200 x 800 floor with VolMultPow 3 shows 960.
    EXPECT_EQ(AreaToInt(static_cast<long double>(rowWolume(1200, 800)) / AreaMultiplier(3)), 960);
    EXPECT_EQ(AreaToInt(2.5L), 2);
    EXPECT_EQ(AreaToInt(3.5L), 4);
    EXPECT_EQ(AreaToInt(-2.5L), -2);
    EXPECT_EQ(AreaToInt(1555555555.0L), 1555555555);
    EXPECT_EQ(AreaToInt(4.0e12L), 1555555555);
    // Single precision first: 1555555000 becomes 1555554944 (steps of 128 up there).
    EXPECT_EQ(AreaToInt(1555555000.0L), 1555554944);
    EXPECT_EQ(AreaToInt(-4.0e12L), -1555555555);
    EXPECT_EQ(AreaToInt(std::numeric_limits<long double>::quiet_NaN()), 0);
    EXPECT_FLOAT_EQ(rowWolume(13600, 2450), 33320000.0f);
}

TEST(TaskTotalsTest, FormatFixedKeepsFiveSignificantDigitsAndTwoDecimals) {
    EXPECT_EQ(formatFixed(34.545454L, 5, 2), QStringLiteral("34.55"));
    EXPECT_EQ(formatFixed(1234.567L, 5, 2), QStringLiteral("1234.60"));
    EXPECT_EQ(formatFixed(99.999L, 5, 2), QStringLiteral("100.00"));
    EXPECT_EQ(formatFixed(0.125L, 5, 2), QStringLiteral("0.13")); // halves away from zero
    EXPECT_EQ(formatFixed(0.005L, 5, 2), QStringLiteral("0.01"));
    EXPECT_EQ(formatFixed(0.004L, 5, 2), QStringLiteral("0.00"));
    EXPECT_EQ(formatFixed(-0.004L, 5, 2), QStringLiteral("0.00"));
    EXPECT_EQ(formatFixed(0.0L, 5, 2), QStringLiteral("0.00"));
    EXPECT_EQ(formatFixed(-365.0L, 5, 2), QStringLiteral("-365.00"));
    EXPECT_EQ(formatFixed(123456.7L, 5, 2), QStringLiteral("1.2346E05"));
    EXPECT_EQ(formatFixed(99999.996L, 5, 2), QStringLiteral("1E05"));
    EXPECT_EQ(formatFixed(-250000.0L, 5, 2), QStringLiteral("-2.5E05"));
    EXPECT_EQ(formatFixed(12.3456789L, 6, 1), QStringLiteral("12.3"));
    EXPECT_EQ(formatFixed(std::numeric_limits<long double>::infinity(), 5, 2), QStringLiteral("INF"));
}

namespace {

// A semitrailer (1 available, 1 used) and a truck (2 available, 1 used).
std::vector<TcTotalsRow> containerRows() {
    return {{1, 1, 24000, rowWolume(13600, 2450), 950}, {2, 1, 9000, rowWolume(7200, 2450), 520}};
}

// EUR pallets (18 of 18 placed) and industrial pallets (7 of 10 placed).
std::vector<TbTotalsRow> boxRows() {
    return {{18, 18, 400, rowWolume(1200, 800), 40}, {10, 7, 600, rowWolume(1200, 1000), 55}};
}

} // namespace

TEST(TaskTotalsTest, ContainerBoxAndEfficiencyTexts) {
    ContTotals c = TaskCntTotals(containerRows(), AreaMultiplier(3));
    EXPECT_EQ(c.AvlNmb, QStringLiteral("3"));
    EXPECT_EQ(c.AvlWgt, QStringLiteral("42000"));
    EXPECT_EQ(c.AvlVol, QStringLiteral("68600"));
    EXPECT_EQ(c.UsdNmb, QStringLiteral("2"));
    EXPECT_EQ(c.UsdWgt, QStringLiteral("33000"));
    EXPECT_EQ(c.UsdVol, QStringLiteral("50960"));
    EXPECT_EQ(c.TaskAvailSum, 3);
    EXPECT_EQ(c.UsedLoadWt, 33000);
    EXPECT_FLOAT_EQ(c.UsedContArea, 50960000.0f);
    EXPECT_FLOAT_EQ(c.UsedContCost, 1470.0f);
    EXPECT_TRUE(c.error.isEmpty());

    BoxTotals b = TaskBoxTotals(boxRows(), AreaMultiplier(3), true);
    EXPECT_EQ(b.TotNmb, QStringLiteral("28"));
    EXPECT_EQ(b.TotWgt, QStringLiteral("13200"));
    EXPECT_EQ(b.TotVol, QStringLiteral("29280"));
    EXPECT_EQ(b.LftNmb, QStringLiteral("3"));
    EXPECT_EQ(b.LftWgt, QStringLiteral("1800"));
    EXPECT_EQ(b.LftVol, QStringLiteral("3600"));
    EXPECT_EQ(b.LftNmbColor, LeftBoxesColor);
    EXPECT_EQ(b.TaskBoxSum, 28);
    EXPECT_EQ(b.PlacedBoxWeight, 11400);
    EXPECT_FLOAT_EQ(b.PlacedBoxArea, 25680000.0f);
    EXPECT_FLOAT_EQ(b.PlacedBoxCost, 1105.0f);

    EffTexts e = TasksCalcEff(c, b);
    EXPECT_EQ(e.EffWgt, QStringLiteral("34.55")); // 11400 / 33000
    EXPECT_EQ(e.EffVol, QStringLiteral("50.39")); // 25680000 / 50960000
    EXPECT_EQ(e.CostPck, QStringLiteral("-365.00"));

    // Left boxes are light red only while a solution is stored.
    EXPECT_EQ(TaskBoxTotals(boxRows(), 1000, false).LftNmbColor, NoLeftBoxesColor);
    auto allPlaced = boxRows();
    allPlaced[1].placed = 10;
    EXPECT_EQ(TaskBoxTotals(allPlaced, 1000, true).LftNmbColor, NoLeftBoxesColor);
}

TEST(TaskTotalsTest, EmptyTaskAndNothingUsed) {
    ContTotals c = TaskCntTotals({}, 1);
    BoxTotals b = TaskBoxTotals({}, 1, false);
    EXPECT_EQ(c.AvlNmb, QStringLiteral("0"));
    EXPECT_EQ(c.AvlVol, QStringLiteral("0"));
    EXPECT_EQ(b.LftVol, QStringLiteral("0"));
    EffTexts e = TasksCalcEff(c, b);
    EXPECT_EQ(e.EffWgt, QStringLiteral("..."));
    EXPECT_EQ(e.EffVol, QStringLiteral("..."));
    EXPECT_EQ(e.CostPck, QStringLiteral("0.00"));

    // Containers available but none used: still "..." for the utilisation.
    auto rows = containerRows();
    for (auto& r : rows)
        r.used = 0;
    e = TasksCalcEff(TaskCntTotals(rows, 1), TaskBoxTotals(boxRows(), 1, false));
    EXPECT_EQ(e.EffWgt, QStringLiteral("..."));
    EXPECT_EQ(e.EffVol, QStringLiteral("..."));
    EXPECT_EQ(e.CostPck, QStringLiteral("1105.00"));
}

TEST(TaskTotalsTest, LargeAreasCapAndOverflowingSumsAreReported) {
    // 100 semitrailers with multiplier 1: 3 332 000 000 shows the cap.
    ContTotals c = TaskCntTotals({{100, 0, 24000, rowWolume(13600, 2450), 0}}, 1);
    EXPECT_EQ(c.AvlVol, QStringLiteral("1555555555"));
    EXPECT_TRUE(c.error.isEmpty());
    EXPECT_EQ(c.TaskAvailSum, 100);

    // Avail x LoadWt beyond 32 bits.
    c = TaskCntTotals({{32767, 0, 100000, 1, 0}}, 1);
    EXPECT_FALSE(c.error.isEmpty());
    EXPECT_EQ(c.AvlWgt, QStringLiteral("2147483647"));
    // A number sum beyond 16 bits is an error and holds the limit, which any capacity check refuses.
    c = TaskCntTotals({{20000, 0, 1, 1, 0}, {20000, 0, 1, 1, 0}}, 1);
    EXPECT_FALSE(c.error.isEmpty());
    EXPECT_EQ(c.TaskAvailSum, 32767);
    EXPECT_EQ(c.AvlNmb, QStringLiteral("40000"));

    BoxTotals b = TaskBoxTotals({{30000, 0, 1, 1, 0}, {30000, 0, 1, 1, 0}}, 1, false);
    EXPECT_FALSE(b.error.isEmpty());
    EXPECT_EQ(b.TaskBoxSum, 32767);
}

TEST(TaskTotalsTest, RowsReadFromTheStoreInIndexOrder) {
    test::ensureCoreApp();
    QTemporaryDir tmp;
    auto store = Store::open(test::testDatabase(tmp, QStringLiteral("db")), StoreOpenMode::CreateMissing);
    ASSERT_TRUE(store);
    ASSERT_TRUE(seedSampleData(*store));
    // A tb row of a kind missing from the library counts with zero size and weight, and an
    // out-of-range Total read from the file is held at the 16-bit limit.
    ASSERT_TRUE(store->exec(
        QStringLiteral("INSERT INTO tb (TaskID, KindID, Total, Placed) VALUES (1, 999, 70000, 0)")));
    std::vector<TcTotalsRow> tc;
    std::vector<TbTotalsRow> tb;
    QString error;
    ASSERT_TRUE(readTcTotalsRows(*store, 1, &tc, &error)) << error.toStdString();
    ASSERT_TRUE(readTbTotalsRows(*store, 1, &tb, &error)) << error.toStdString();
    ASSERT_FALSE(tc.empty());
    ASSERT_GE(tb.size(), 2u);
    EXPECT_EQ(tc[0].loadWt, 24000); // the semitrailer has the smallest TypeID
    EXPECT_FLOAT_EQ(float(tc[0].wolume), 33320000.0f);
    EXPECT_EQ(tb.back().total, 32767);
    EXPECT_EQ(tb.back().weight, 0);
    EXPECT_EQ(tb.back().wolume, 0);
    EXPECT_FALSE(TaskBoxTotals(tb, 1, false).TotNmb.isEmpty());
    ASSERT_TRUE(readTcTotalsRows(*store, 42, &tc));
    EXPECT_TRUE(tc.empty());
}
