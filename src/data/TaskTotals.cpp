#include "TaskTotals.h"

#include "EngineRows.h"
#include "NumberFormat.h"

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

bool readTcTotalsRows(Store& store, qint32 taskId, std::vector<TcTotalsRow>* rows, QString* error) {
    rows->clear();
    std::vector<TcRow> tc;
    if (!readTaskContainers(store, taskId, tc, error))
        return false;
    for (const TcRow& r : tc)
        rows->push_back({r.Avail, r.Used, r.LoadWt, rowWolume(r.Length, r.Width), r.Cost});
    return true;
}

bool readTbTotalsRows(Store& store, qint32 taskId, std::vector<TbTotalsRow>* rows, QString* error) {
    rows->clear();
    std::vector<TbRow> tb;
    if (!readTaskBoxes(store, taskId, tb, error))
        return false;
    for (const TbRow& r : tb)
        rows->push_back({r.Total, r.Placed, r.Weight, rowWolume(r.Length, r.Width), r.Cost});
    return true;
}

} // namespace palvane
