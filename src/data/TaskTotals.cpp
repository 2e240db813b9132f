#include "TaskTotals.h"

#include "NumberFormat.h"
#include "Store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <limits>

namespace palvane {

namespace {

// A 32-bit integer sum that notices when it leaves its range; it then ends at the nearest limit.
class Sum32 {
public:
    void add(qint64 term) {
        m_value += term;
        if (m_value > std::numeric_limits<qint32>::max() || m_value < std::numeric_limits<qint32>::min()) {
            m_overflow = true;
            m_value = std::clamp<qint64>(m_value, -(qint64(1) << 40), qint64(1) << 40);
        }
    }
    qint32 value() const {
        return qint32(std::clamp<qint64>(m_value, std::numeric_limits<qint32>::min(),
                                         std::numeric_limits<qint32>::max()));
    }
    qint64 exact() const { return m_value; }
    bool overflow() const { return m_overflow; }

private:
    qint64 m_value = 0;
    bool m_overflow = false;
};

// Adds a term to a single-precision sum, evaluated in extended precision.
void addFloat(float& sum, long double term) {
    sum = float(static_cast<long double>(sum) + term);
}

QString areaText(long double area, qint32 multiplier) {
    return QString::number(AreaToInt(area / (multiplier == 0 ? 1 : multiplier)));
}

qint16 toInt16(const Sum32& sum, bool& overflow) {
    if (sum.overflow() || sum.exact() > std::numeric_limits<qint16>::max() ||
        sum.exact() < std::numeric_limits<qint16>::min())
        overflow = true;
    return qint16(std::clamp<qint64>(sum.value(), std::numeric_limits<qint16>::min(),
                                     std::numeric_limits<qint16>::max()));
}

QString overflowText() {
    return QCoreApplication::translate("palvane::TaskTotals", "Integer overflow in the task totals.");
}

QString effText(long double part, long double whole) {
    if (whole == 0)
        return QStringLiteral("...");
    return formatFixed(part / whole * 100, 5, 2);
}

qint32 intField(const QSqlQuery& q, int column, const FieldDef* def) {
    return fitToField(*def, q.value(column)).toInt();
}

double floatField(const QSqlQuery& q, int column, const FieldDef* def) {
    return fitToField(*def, q.value(column)).toDouble();
}

} // namespace

qint32 AreaToInt(long double quotient) {
    const float single = float(quotient);
    if (std::isnan(single))
        return 0;
    if (single >= float(AreaToIntLimit))
        return AreaToIntLimit;
    if (single <= -float(AreaToIntLimit))
        return -AreaToIntLimit;
    return qint32(std::nearbyint(single));
}

qint32 AreaMultiplier(int volMultPow) {
    qint32 m = 1;
    for (int i = 0; i < std::clamp(volMultPow, 0, 6); ++i)
        m *= 10;
    return m;
}

float rowWolume(qint32 length, qint32 width) {
    return float(static_cast<long double>(length) * width);
}

ContTotals TaskCntTotals(const std::vector<TcTotalsRow>& rows, qint32 areaMultiplier) {
    Sum32 availN, availWgt, usedN, usedWgt;
    float availArea = 0, usedArea = 0, usedCost = 0;
    for (const TcTotalsRow& r : rows) {
        availN.add(r.avail);
        availWgt.add(qint64(r.avail) * r.loadWt);
        addFloat(availArea, static_cast<long double>(r.avail) * r.wolume);
        usedN.add(r.used);
        usedWgt.add(qint64(r.used) * r.loadWt);
        addFloat(usedArea, static_cast<long double>(r.used) * r.wolume);
        addFloat(usedCost, static_cast<long double>(r.used) * r.cost);
    }
    ContTotals t;
    t.AvlNmb = QString::number(availN.value());
    t.AvlWgt = QString::number(availWgt.value());
    t.AvlVol = areaText(availArea, areaMultiplier);
    t.UsdNmb = QString::number(usedN.value());
    t.UsdWgt = QString::number(usedWgt.value());
    t.UsdVol = areaText(usedArea, areaMultiplier);
    bool overflow = availWgt.overflow() || usedN.overflow() || usedWgt.overflow();
    t.TaskAvailSum = toInt16(availN, overflow);
    t.UsedLoadWt = usedWgt.value();
    t.UsedContArea = usedArea;
    t.UsedContCost = usedCost;
    if (overflow)
        t.error = overflowText();
    return t;
}

BoxTotals TaskBoxTotals(const std::vector<TbTotalsRow>& rows, qint32 areaMultiplier, bool taskSolved) {
    Sum32 totalN, totalWgt, placedN, placedWgt;
    float totalArea = 0, placedArea = 0, placedCost = 0;
    for (const TbTotalsRow& r : rows) {
        totalN.add(r.total);
        totalWgt.add(qint64(r.total) * r.weight);
        addFloat(totalArea, static_cast<long double>(r.total) * r.wolume);
        placedN.add(r.placed);
        placedWgt.add(qint64(r.placed) * r.weight);
        addFloat(placedArea, static_cast<long double>(r.placed) * r.wolume);
        addFloat(placedCost, static_cast<long double>(r.placed) * r.cost);
    }
    Sum32 leftN, leftWgt;
    leftN.add(totalN.value());
    leftN.add(-qint64(placedN.value()));
    leftWgt.add(totalWgt.value());
    leftWgt.add(-qint64(placedWgt.value()));

    BoxTotals t;
    t.TotNmb = QString::number(totalN.value());
    t.TotWgt = QString::number(totalWgt.value());
    t.TotVol = areaText(totalArea, areaMultiplier);
    t.LftNmb = QString::number(leftN.value());
    t.LftWgt = QString::number(leftWgt.value());
    t.LftVol = areaText(static_cast<long double>(totalArea) - placedArea, areaMultiplier);
    t.LftNmbColor = taskSolved && leftN.value() > 0 ? LeftBoxesColor : NoLeftBoxesColor;
    bool overflow = totalWgt.overflow() || placedN.overflow() || placedWgt.overflow() || leftN.overflow() ||
                    leftWgt.overflow();
    t.TaskBoxSum = toInt16(totalN, overflow);
    t.PlacedBoxWeight = placedWgt.value();
    t.PlacedBoxArea = placedArea;
    t.PlacedBoxCost = placedCost;
    if (overflow)
        t.error = overflowText();
    return t;
}

EffTexts TasksCalcEff(const ContTotals& containers, const BoxTotals& boxes) {
    EffTexts e;
    e.EffWgt = effText(boxes.PlacedBoxWeight, containers.UsedLoadWt);
    e.EffVol = effText(boxes.PlacedBoxArea, containers.UsedContArea);
    e.CostPck = formatFixed(static_cast<long double>(boxes.PlacedBoxCost) - containers.UsedContCost, 5, 2);
    return e;
}

// Runs a forward-only query with the task id as its one bound value; the SQL error goes to error.
static bool runTaskQuery(QSqlQuery& q, const QString& sql, qint32 taskId, QString* error) {
    q.setForwardOnly(true);
    if (q.prepare(sql)) {
        q.addBindValue(taskId);
        if (q.exec())
            return true;
    }
    if (error)
        *error = q.lastError().text();
    return false;
}

bool readTcTotalsRows(Store& store, qint32 taskId, std::vector<TcTotalsRow>* rows, QString* error) {
    rows->clear();
    QSqlQuery q(store.database());
    if (!runTaskQuery(q,
                      QStringLiteral("SELECT tc.Avail, tc.Used, conts.LoadWt, conts.Length, conts.Width, "
                                     "tc.Cost FROM tc LEFT JOIN conts ON conts.TypeID = tc.TypeID "
                                     "WHERE tc.TaskID = ? ORDER BY tc.TaskID, tc.TypeID"),
                      taskId, error))
        return false;
    const TableDef& tc = tableDef(Table::Tc);
    const TableDef& conts = tableDef(Table::Conts);
    while (q.next()) {
        TcTotalsRow r;
        r.avail = intField(q, 0, tc.field(QStringLiteral("Avail")));
        r.used = intField(q, 1, tc.field(QStringLiteral("Used")));
        r.loadWt = intField(q, 2, conts.field(QStringLiteral("LoadWt")));
        r.wolume = rowWolume(intField(q, 3, conts.field(QStringLiteral("Length"))),
                             intField(q, 4, conts.field(QStringLiteral("Width"))));
        r.cost = floatField(q, 5, tc.field(QStringLiteral("Cost")));
        rows->push_back(r);
    }
    return true;
}

bool readTbTotalsRows(Store& store, qint32 taskId, std::vector<TbTotalsRow>* rows, QString* error) {
    rows->clear();
    QSqlQuery q(store.database());
    if (!runTaskQuery(q,
                      QStringLiteral("SELECT tb.Total, tb.Placed, boxes.Weight, boxes.Length, boxes.Width, "
                                     "tb.Cost FROM tb LEFT JOIN boxes ON boxes.KindID = tb.KindID "
                                     "WHERE tb.TaskID = ? ORDER BY tb.TaskID, tb.KindID"),
                      taskId, error))
        return false;
    const TableDef& tb = tableDef(Table::Tb);
    const TableDef& boxes = tableDef(Table::Boxes);
    while (q.next()) {
        TbTotalsRow r;
        r.total = intField(q, 0, tb.field(QStringLiteral("Total")));
        r.placed = intField(q, 1, tb.field(QStringLiteral("Placed")));
        r.weight = intField(q, 2, boxes.field(QStringLiteral("Weight")));
        r.wolume = rowWolume(intField(q, 3, boxes.field(QStringLiteral("Length"))),
                             intField(q, 4, boxes.field(QStringLiteral("Width"))));
        r.cost = floatField(q, 5, tb.field(QStringLiteral("Cost")));
        rows->push_back(r);
    }
    return true;
}

} // namespace palvane
