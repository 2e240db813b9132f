// Stored values that do not fit their fields are brought into range instead of breaking a read.
#include "TableSchema.h"

#include <QDate>
#include <gtest/gtest.h>
#include <limits>

using namespace palvane;

TEST(TableSchemaTest, TablesListTheirFieldsInStoredOrder) {
    EXPECT_EQ(tableDef(Table::Tc).fieldNames(),
              (QStringList{"TaskID", "TypeID", "Avail", "Used", "Prior", "Cost"}));
    EXPECT_EQ(tableDef(Table::Conts).fields.size(), 17u);
    EXPECT_EQ(tableDef(Table::Boxes).fields.size(), 14u);
    EXPECT_EQ(tableDef(Table::Tasks).fields.size(), 16u);
    EXPECT_EQ(tableDef(Table::Posit).fields.size(), 9u);
    EXPECT_EQ(tableDef(QStringLiteral("BOXES")), &tableDef(Table::Boxes));
    EXPECT_EQ(tableDef(QStringLiteral("nothing")), nullptr);
    EXPECT_EQ(tableFileName(Table::Tb), QStringLiteral("tb.db"));
    const FieldDef* type = tableDef(Table::Conts).field(QStringLiteral("type"));
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->length, 25);
    EXPECT_TRUE(type->required);
    // Calculated columns are not stored.
    EXPECT_EQ(tableDef(Table::Conts).field(QStringLiteral("Volume")), nullptr);
    EXPECT_EQ(tableDef(Table::Tb).field(QStringLiteral("Left")), nullptr);
}

TEST(TableSchemaTest, FitToFieldClampsCutsAndReplaces) {
    const TableDef& conts = tableDef(Table::Conts);
    const FieldDef& length = *conts.field(QStringLiteral("Length"));
    const FieldDef& loadWt = *conts.field(QStringLiteral("LoadWt"));
    const FieldDef& mark = *conts.field(QStringLiteral("Mark"));
    const FieldDef& temp = *conts.field(QStringLiteral("Temp"));
    const FieldDef& cost = *conts.field(QStringLiteral("Cost"));
    const FieldDef& date = *tableDef(Table::Tasks).field(QStringLiteral("Date"));
    FieldFit fit;

    EXPECT_EQ(fitToField(length, 13600, &fit).toInt(), 13600);
    EXPECT_EQ(fit, FieldFit::Fits);
    EXPECT_EQ(fitToField(length, 40000, &fit).toInt(), 32767);
    EXPECT_EQ(fit, FieldFit::Clamped);
    EXPECT_EQ(fitToField(length, -40000, &fit).toInt(), -32768);
    EXPECT_EQ(fitToField(length, 12.5, &fit).toInt(), 12); // nearest, ties to even
    EXPECT_EQ(fit, FieldFit::Clamped);
    EXPECT_EQ(fitToField(loadWt, qint64(1) << 40, &fit).toLongLong(), std::numeric_limits<qint32>::max());
    EXPECT_EQ(fitToField(loadWt, QStringLiteral("heavy"), &fit), QVariant());
    EXPECT_EQ(fit, FieldFit::Replaced);
    EXPECT_EQ(fitToField(length, QVariant(), &fit), QVariant());
    EXPECT_EQ(fit, FieldFit::Fits);

    EXPECT_EQ(fitToField(mark, QStringLiteral("ABCDEF"), &fit).toString(), QStringLiteral("ABC"));
    EXPECT_EQ(fit, FieldFit::Truncated);
    EXPECT_EQ(fitToField(mark, QStringLiteral("AB"), &fit).toString(), QStringLiteral("AB"));
    EXPECT_EQ(fit, FieldFit::Fits);

    EXPECT_EQ(fitToField(temp, 7, &fit).toInt(), 1);
    EXPECT_EQ(fit, FieldFit::Clamped);
    EXPECT_EQ(fitToField(temp, 0, &fit).toInt(), 0);
    EXPECT_EQ(fit, FieldFit::Fits);

    EXPECT_EQ(fitToField(cost, std::numeric_limits<double>::infinity(), &fit), QVariant());
    EXPECT_EQ(fit, FieldFit::Replaced);
    EXPECT_DOUBLE_EQ(fitToField(cost, 12.25, &fit).toDouble(), 12.25);

    EXPECT_EQ(fitToField(date, QStringLiteral("2026-12-10"), &fit).toDate(), QDate(2026, 12, 10));
    EXPECT_EQ(fit, FieldFit::Fits);
    EXPECT_EQ(fitToField(date, QStringLiteral("yesterday"), &fit), QVariant());
    EXPECT_EQ(fit, FieldFit::Replaced);
}
