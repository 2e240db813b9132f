#pragma once
// Figures of the current task shown on the Task Page: container and box totals, utilisation
// and net cost, and the display-unit areas they use. The functions work on plain rows, so the
// data module can feed them from its cursors and the tests from a store.
#include <QCoreApplication>
#include <QString>
#include <vector>

namespace palvane {

class Store;

// Value of `AreaToInt` for quotients of this size and above.
inline constexpr qint32 AreaToIntLimit = 1555555555;

// Area in display units: the quotient is rounded to single precision, then values of
// 1555555555 and above give 1555555555 and others are rounded to the nearest integer, halves to
// even. Values of -1555555555 and below give -1555555555 and NaN gives 0, so the result always
// fits 32 bits.
qint32 AreaToInt(long double quotient);

// 10 to the power `volMultPow`; the power is kept within 0 to 6.
qint32 AreaMultiplier(int volMultPow);

// Exact area of a library row: Length x Width at single precision.
float rowWolume(qint32 length, qint32 width);

// One `tc` row of the task with the looked-up container type values (NULL counts as 0).
struct TcTotalsRow {
    qint32 avail = 0;
    qint32 used = 0;
    qint32 loadWt = 0;
    double wolume = 0;
    double cost = 0;
};

// One `tb` row of the task with the looked-up box kind values (NULL counts as 0).
struct TbTotalsRow {
    qint32 total = 0;
    qint32 placed = 0;
    qint32 weight = 0;
    double wolume = 0;
    double cost = 0;
};

// Result of `TaskCntTotals`: the Task Page's texts and the module state it sets.
struct ContTotals {
    QString AvlNmb, AvlWgt, AvlVol, UsdNmb, UsdWgt, UsdVol;
    qint16 TaskAvailSum = 0;
    qint32 UsedLoadWt = 0;
    float UsedContArea = 0;
    float UsedContCost = 0;
    // Empty, or the message of a sum that does not fit its number type; such a sum is then
    // held at the nearest limit of its type.
    QString error;
};

// A colour as red, green and blue from 0 to 255.
struct RgbColor {
    int red = 0, green = 0, blue = 0;
    bool operator==(const RgbColor&) const = default;
};

// Colour of LftNmb when boxes of a solved task are left: light red.
inline constexpr RgbColor LeftBoxesColor{255, 187, 187};
// Colour of LftNmb otherwise: aqua.
inline constexpr RgbColor NoLeftBoxesColor{0, 255, 255};

// Result of `TaskBoxTotals`.
struct BoxTotals {
    QString TotNmb, TotWgt, TotVol, LftNmb, LftWgt, LftVol;
    RgbColor LftNmbColor = NoLeftBoxesColor;
    qint16 TaskBoxSum = 0;
    qint32 PlacedBoxWeight = 0;
    float PlacedBoxArea = 0;
    float PlacedBoxCost = 0;
    QString error; // as in ContTotals
};

// Result of `TasksCalcEff`.
struct EffTexts {
    QString EffWgt, EffVol, CostPck;
};

// Container totals over the task's `tc` rows (sums in 32-bit integers and single precision).
ContTotals TaskCntTotals(const std::vector<TcTotalsRow>& rows, qint32 areaMultiplier);
// Box totals over the task's `tb` rows; `taskSolved` tells whether a solution is stored.
BoxTotals TaskBoxTotals(const std::vector<TbTotalsRow>& rows, qint32 areaMultiplier, bool taskSolved);
// Weight and area utilisation and the net cost ("..." for a utilisation whose divisor is 0).
EffTexts TasksCalcEff(const ContTotals& containers, const BoxTotals& boxes);

// The task's `tc` rows joined with their container types, in (TaskID, TypeID) order. A type
// missing from the library counts with zero values. False with a message on a store failure.
bool readTcTotalsRows(Store& store, qint32 taskId, std::vector<TcTotalsRow>* rows, QString* error = nullptr);
// The task's `tb` rows joined with their box kinds, in (TaskID, KindID) order.
bool readTbTotalsRows(Store& store, qint32 taskId, std::vector<TbTotalsRow>* rows, QString* error = nullptr);

} // namespace palvane
