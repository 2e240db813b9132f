// The active settings record: defaults, ranges, the tasks row copy with its packed Qw, and the
// helpers of the typed gap edits and the current-task factor boxes.
#include "ActiveSettings.h"
#include "CoreApp.h"

#include <gtest/gtest.h>

using namespace palvane;

TEST(ActiveSettingsTest, DefaultsAreThoseOfAFreshInstallation) {
    const ActiveSettings s;
    EXPECT_EQ(s.Power, 5);
    EXPECT_EQ(s.Time, 555);
    EXPECT_EQ(s.Rand, 1);
    EXPECT_TRUE(s.Last);
    EXPECT_TRUE(s.TaskOptSet);
    for (SettingField f : {SettingField::Qw, SettingField::Qg, SettingField::Qc, SettingField::Qr,
                           SettingField::BB, SettingField::BW})
        EXPECT_EQ(s.value(f), 0);
    EXPECT_TRUE(s.isValid());
}

TEST(ActiveSettingsTest, RangesAcceptTheirEndsAndRefuseOneBeyond) {
    struct Expect {
        SettingField field;
        int minimum, maximum, step;
    };
    const Expect table[] = {
        {SettingField::Power, 0, 20, 1}, {SettingField::Time, 5, 5555, 5}, {SettingField::Rand, 1, 555, 1},
        {SettingField::Qw, 0, 95, 5},    {SettingField::Qg, 0, 9, 1},      {SettingField::Qc, 0, 100, 5},
        {SettingField::Qr, 0, 100, 5},   {SettingField::BB, 0, 5000, 1},   {SettingField::BW, 0, 5000, 1}};
    for (const Expect& e : table) {
        const SettingRange r = ActiveSettings::range(e.field);
        EXPECT_EQ(r.minimum, e.minimum);
        EXPECT_EQ(r.maximum, e.maximum);
        EXPECT_EQ(r.step, e.step);
        ActiveSettings s;
        s.setValue(e.field, qint16(e.minimum));
        EXPECT_TRUE(s.isValid());
        s.setValue(e.field, qint16(e.maximum));
        EXPECT_TRUE(s.isValid());
        EXPECT_EQ(s.value(e.field), e.maximum);
        s.setValue(e.field, qint16(e.maximum + 1));
        EXPECT_FALSE(s.isValid());
        s.setValue(e.field, qint16(e.minimum - 1));
        EXPECT_FALSE(s.isValid());
        EXPECT_EQ(r.clamp(e.maximum + 7), e.maximum);
        EXPECT_EQ(r.clamp(e.minimum - 7), e.minimum);
    }
}

TEST(ActiveSettingsTest, TaskRowPacksWeightAndBindGroupFactors) {
    TaskSolveFields row;
    row.Power = 7;
    row.Time = 60;
    row.Rand = 12;
    row.Qw = 235;
    row.Qc = 15;
    row.Qr = 20;
    row.BB = 3;
    row.BW = 4;
    row.Last = false;

    ActiveSettings s;
    s.TaskOptSet = false;
    s.loadTaskRow(row);
    EXPECT_EQ(s.Qw, 35);
    EXPECT_EQ(s.Qg, 2);
    EXPECT_EQ(s.Power, 7);
    EXPECT_EQ(s.Time, 60);
    EXPECT_EQ(s.Rand, 12);
    EXPECT_EQ(s.Qc, 15);
    EXPECT_EQ(s.Qr, 20);
    EXPECT_EQ(s.BB, 3);
    EXPECT_EQ(s.BW, 4);
    EXPECT_FALSE(s.Last);
    EXPECT_FALSE(s.TaskOptSet) << "the task row does not store TaskOptSet";

    EXPECT_EQ(s.packedQw(), 235);
    const TaskSolveFields back = s.toTaskRow();
    EXPECT_EQ(back.Qw, 235);
    EXPECT_EQ(back.Power, 7);
    EXPECT_FALSE(back.Last);
    EXPECT_EQ(ActiveSettings::weightFactorOf(235), 35);
    EXPECT_EQ(ActiveSettings::bindGroupOf(235), 2);
    EXPECT_EQ(ActiveSettings::bindGroupOf(95), 0);
    EXPECT_EQ(ActiveSettings::fromTaskRow(row).Qg, 2);
    EXPECT_TRUE(ActiveSettings::fromTaskRow(row).TaskOptSet);
}

TEST(ActiveSettingsTest, DefaultsCommandKeepsTheTaskSwitchAndComparisonIsPerField) {
    ActiveSettings s;
    s.Power = 12;
    s.Time = 30;
    s.Qg = 4;
    s.BW = 9;
    s.Last = false;
    s.TaskOptSet = false;
    const ActiveSettings before = s;
    s.restoreDefaults();
    EXPECT_FALSE(s.TaskOptSet);
    ActiveSettings expected;
    expected.TaskOptSet = false;
    EXPECT_EQ(s, expected);

    EXPECT_TRUE(before.differsFrom(s, SettingField::Power));
    EXPECT_TRUE(before.differsFrom(s, SettingField::Qg));
    EXPECT_TRUE(before.differsFrom(s, SettingField::BW));
    EXPECT_FALSE(before.differsFrom(s, SettingField::Rand));
    EXPECT_FALSE(before.differsFrom(s, SettingField::Qc));
}

TEST(ActiveSettingsTest, TypedGapTexts) {
    QString shown;
    EXPECT_EQ(parseGapText(QStringLiteral("007"), &shown), qint16(7));
    EXPECT_EQ(shown, QStringLiteral("7"));
    EXPECT_EQ(parseGapText(QString(), &shown), qint16(0));
    EXPECT_EQ(shown, QStringLiteral("0"));
    EXPECT_EQ(parseGapText(QStringLiteral("   "), &shown), qint16(0));
    EXPECT_EQ(parseGapText(QStringLiteral("000"), &shown), qint16(0));
    EXPECT_EQ(shown, QStringLiteral("0"));
    EXPECT_EQ(parseGapText(QStringLiteral(" 12 "), &shown), qint16(12));
    EXPECT_EQ(shown, QStringLiteral("12"));
    EXPECT_EQ(parseGapText(QStringLiteral("5000")), qint16(5000));
    EXPECT_EQ(parseGapText(QStringLiteral("05000")), qint16(5000));

    EXPECT_FALSE(parseGapText(QStringLiteral("5001")));
    EXPECT_FALSE(parseGapText(QStringLiteral("-1")));
    EXPECT_FALSE(parseGapText(QStringLiteral("+3")));
    EXPECT_FALSE(parseGapText(QStringLiteral("1 2")));
    EXPECT_FALSE(parseGapText(QStringLiteral("2.5")));
    EXPECT_FALSE(parseGapText(QStringLiteral("abc")));
    EXPECT_FALSE(parseGapText(QStringLiteral("99999999999")));

    test::ensureCoreApp();
    EXPECT_EQ(gapRangeMessage(), QStringLiteral("Positive integer required,\rno more than 5000"));
}

TEST(ActiveSettingsTest, CurrentTaskFactorsShowRightAligned) {
    EXPECT_EQ(paddedTaskFactor(35), QStringLiteral("       35"));
    EXPECT_EQ(paddedTaskFactor(5), QStringLiteral("         5"));
    EXPECT_EQ(paddedTaskFactor(0), QStringLiteral("         0"));
    EXPECT_EQ(paddedTaskFactor(20), QStringLiteral("       20"));
    EXPECT_EQ(paddedTaskFactor(100), QStringLiteral("100"));
}
