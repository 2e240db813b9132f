#include "RuleTables.h"

#include <cmath>

#include "OrderRules.h"

namespace palvane {

namespace {

// e(x) of the tables as a single-precision rule argument.
float e(long double x) {
    return float(std::exp(x));
}

std::int16_t i16(std::int32_t v) {
    return std::int16_t(v);
}

void strategy1(SearchState& s, int i, std::int32_t r) {
    const long double rr = r;
    float a = 1.0f, b = 1.0f;
    if (i <= 4)
        a = e((25 - 2 * rr) / 10);
    else if (i <= 15)
        a = e((40 - 2 * rr) / 10);
    else if (i <= 22)
        a = e((2 * rr - 56) / 10);
    else if (i == 23)
        a = e(0.8L);
    else if (i == 24)
        a = e(-4);
    else if (i == 25)
        a = e(-5);
    else if (i == 26)
        a = -e(-3);
    else if (i == 27)
        a = e(5);
    else if (i <= 29)
        a = e((62 - 2 * rr) / 10);
    else if (i == 30)
        a = -e(-2);
    else if (i <= 36)
        a = e((2 * rr - 72) / 10);
    else if (i == 37)
        a = e(0.2L);
    else if (i == 38)
        a = e(2.5L), b = -1.0f;
    else if (i == 39)
        a = e(1.5L), b = -1.0f;
    else if (i == 40)
        a = e(4);
    else
        a = e((93 - 2 * rr) / 10);
    SortLinear(s, a, b);
}

void strategy2(SearchState& s, int i, std::int32_t r) {
    if (i == 0)
        SortLinear(s, e(-5), 1);
    else if (i <= 5)
        SortLinearRun(s, i16(4 * r), 3, 1);
    else if (i == 6)
        SortAreaRun(s, 30);
    else if (i == 7)
        SortAreaRun(s, 60);
    else if (i == 8)
        SortLinearRun(s, 50, 3, 1);
    else if (i <= 11)
        SortAreaRun(s, i16(4 * (r - 9)));
    else if (i == 12)
        SortLinear(s, e(-2), 1);
    else if (i == 13)
        SortAreaRun(s, 15);
    else if (i <= 16)
        SortLinearRun(s, i16(8 * (r - 14) + 6), 20, 1);
    else if (i <= 18)
        SortLinearRun(s, i16(8 * (r - 17) + 10), 1, 20);
    else if (i == 19)
        SortAreaRun(s, 10);
    else if (i == 20)
        SortAreaRun(s, 6);
    else if (i <= 23)
        SortLinearRun(s, i16(3 * (r - 21)), 1, 5);
    else if (i <= 25)
        SortLinearRun(s, i16(2 * (r - 24)), 3, 1);
    else if (i == 26)
        SortLinearRun(s, 30, 3, 1);
    else if (i <= 31)
        SortLinearRun(s, i16(2 * (r - 27)), 1, 1);
    else if (i == 32)
        SortAreaRun(s, 100);
    else if (i == 33)
        SortAreaRun(s, 2);
    else if (i == 34)
        SortAreaRun(s, 1);
    else if (i <= 39)
        SortLinearRun(s, i16(2 * (r - 35)), 2, 1);
    else
        SortLinearRun(s, i16(2 * (r - 40)), 1, 2);
}

void strategy3(SearchState& s, int i) {
    const std::int16_t m = std::int16_t(s.MaxRun / 3);
    switch (i) {
    case 0:
        SortLinear(s, 7, 1);
        break;
    case 1:
        SortLinear(s, 5, 1);
        break;
    case 2:
        SortLinear(s, 1, 5);
        break;
    case 3:
        SortLinearRun(s, m, 3, 1);
        break;
    case 4:
        SortArea(s);
        break;
    case 5:
        SortAreaRun(s, m);
        break;
    case 6:
        SortLinearRun(s, m, 1, 3);
        break;
    case 7:
        SortLinearRun(s, m, 1, 1);
        break;
    case 8:
        SortLinear(s, 1, 1);
        break;
    case 9:
        SortLenRun(s, m);
        SortBy2(s, Extent::Len, Extent::Wid);
        break;
    case 10:
        SortWidRun(s, m);
        SortBy2(s, Extent::Wid, Extent::Len);
        break;
    case 11:
        SortBy(s, Extent::Wid);
        SortBy2(s, Extent::Wid, Extent::Len);
        break;
    default:
        SortBy(s, Extent::Len);
        SortBy2(s, Extent::Len, Extent::Wid);
        break;
    }
}

} // namespace

int RuleTableSize(int strategy) {
    switch (strategy) {
    case 1:
        return 56;
    case 2:
        return 45;
    case 3:
        return 13;
    default:
        return 0;
    }
}

void ApplyTableRule(PackWorkspace& ws, int strategy, int i, std::int32_t r) {
    if (i < 0 || i >= RuleTableSize(strategy)) {
        ShuffleRuns(ws);
        return;
    }
    if (strategy == 1)
        strategy1(ws, i, r);
    else if (strategy == 2)
        strategy2(ws, i, r);
    else
        strategy3(ws, i);
}

void ApplyOrderingRule(PackWorkspace& ws) {
    const std::int32_t r = ws.RuleNo;
    const std::int64_t rel = std::int64_t(r) - ws.RuleSkips;
    if (rel >= OrderCount(ws.GroupCount) + std::int64_t(ws.RowRules) * ws.RowFlag) {
        ClearClasses(ws);
        MarkRows(ws, 2, true);
        MarkRuns(ws);
        ShuffleByClass(ws, r % 2);
    } else if (rel < ws.RowRules) {
        switch (r) {
        case 0:
            SortClass(ws);
            break;
        case 1:
            SortRowArea(ws, 1);
            break;
        case 2:
            SortRowArea(ws, 2);
            break;
        case 3:
            SortRowArea(ws, 5);
            break;
        case 4:
            SortRowArea(ws, 10);
            break;
        case 5:
            SortRowArea(ws, 20);
            break;
        default:
            ShuffleByClass(ws, 0);
            break;
        }
        ws.RuleBase = ws.RuleSkips;
    } else {
        const std::int64_t i = std::int64_t(r) - ws.RuleBase - ws.RowRules;
        ApplyTableRule(ws, ws.OrderStrategy, i > 100000 ? -1 : int(i), r);
    }
}

void ApplyTurnVariant(PackWorkspace& ws) {
    if (!ws.AnyTurn)
        return;
    const std::int32_t v = ws.VariantNo;
    if (std::int64_t(v) - ws.VariantSkips > ws.RandomVariantFrom) {
        TurnRandomGroups(ws, 1);
        SplitTurn(ws, 2);
        return;
    }
    switch (v) {
    case 0:
        break;
    case 1:
        TurnAllLong(ws, Axis::Y);
        break;
    case 2:
        TurnAllLong(ws, Axis::X);
        break;
    case 3:
        TurnToModule(ws, 2);
        break;
    case 4:
        TurnToModule(ws, 1);
        break;
    case 5:
        TurnAll(ws);
        break;
    default:
        TurnRandomGroups(ws, 1);
        break;
    }
}

} // namespace palvane
