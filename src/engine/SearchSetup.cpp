// Setting up a container search: defaults, per-container preparation and the budgets.

#include <algorithm>
#include <cmath>

#include "ContainerSearch.h"
#include "CornerList.h"
#include "EngineMath.h"
#include "OrderRules.h"

namespace palvane {

namespace {

// Multiplicative estimates stop growing once they reach this value.
constexpr std::int64_t kEstimateCap = 25555;

template <typename T> void zero(ItemArray<T>& a) {
    a.fill(T{});
}

// Step 8: kind runs, the turning-variant estimates and the random group keys.
void markKindRuns(PackWorkspace& ws) {
    ws.KindRunCount = 0;
    ws.RandomVariantFrom = ws.VariantCheckLimit = ws.VariantCountEst = 1;
    const std::int64_t n = ws.ItemCount;
    int i = 1;
    while (i <= ws.ItemCount) {
        int end = i;
        while (end < ws.ItemCount && ws.ItemKind[end + 1] == ws.ItemKind[i])
            ++end;
        const std::int64_t t = end - i + 1;
        ws.KindRunCount += 1;
        if (TurnClass(ws, i) >= 2) {
            if (ws.RandomVariantFrom < kEstimateCap)
                ws.RandomVariantFrom *= 2;
            if (ws.VariantCountEst < kEstimateCap)
                ws.VariantCountEst *= t + 1;
            if (ws.VariantCheckLimit < kEstimateCap)
                ws.VariantCheckLimit *= t == 1 ? 2 : t % 2 == 0 ? 3 : 4;
        }
        const std::int64_t bound = std::min<std::int64_t>(1555555555 / (5 * n * n), kEstimateCap);
        const std::int32_t key = ws.RandomBelow(std::int32_t(bound));
        for (int x = i; x <= end; ++x)
            ws.ItemGroupKey[x] = key;
        i = end + 1;
    }
    ws.VariantCountEst -= 1;
    ws.RandomVariantFrom -= 1;
}

// Steps 10-14: strategy, turn modes and the rule, variant and improvement budgets.
void setBudgets(PackWorkspace& ws) {
    const long double fitRaw =
        (long double)ws.ItemCount * 0.95L * ws.SearchWolume / ((long double)ws.SumItemWolume + 1e-5L);
    const std::int64_t fit =
        NearestInt<std::int64_t>(std::clamp(fitRaw, 1.0L, std::max(1.0L, (long double)ws.ItemCount)));

    ws.OrderStrategy = ws.KindRunCount < 6 ? 3 : 2;
    if (ws.KindRunCount == ws.ItemCount)
        ws.OrderStrategy = 1;
    ws.TurnExtent = ws.OrderStrategy == 1 ? 0.5f : ws.OrderStrategy == 2 ? 0.6f : 0.7f;
    ws.SwapOdds = 4;

    ws.SearchIntensity = std::min<std::int16_t>(ws.SearchIntensity, 50);
    ws.TurnModeFirst = ws.SearchIntensity >= 10 ? 0 : 1;
    ws.TurnModeLast = 2;

    const std::int64_t u = std::clamp<std::int64_t>(fit, 2, 85);
    std::int64_t ruleLimit = std::max<std::int64_t>(
        0, NearestInt<std::int64_t>((9.0L - std::log2(3.0L * u)) * ws.SearchIntensity));
    std::int64_t variantLimit0 = NearestInt<std::int64_t>(ruleLimit * 0.25L);
    const std::int64_t budget = (ruleLimit + 1) * (variantLimit0 + 1);
    ws.RuleBudget = std::int32_t(budget);
    if (ruleLimit >= 1201)
        variantLimit0 = budget / 1201 - 1;
    if (variantLimit0 > 301) {
        ruleLimit = budget / 302 - 1;
        variantLimit0 = 301;
    }
    ws.VariantLimit = std::int32_t(std::min<std::int64_t>(ws.VariantCountEst, variantLimit0));
    if (ws.VariantCountEst < variantLimit0)
        ruleLimit = (ruleLimit + 1) * (variantLimit0 + 1) / (ws.VariantCountEst + 1) - 1;
    ws.RuleLimit = std::int32_t(std::min<std::int64_t>(ruleLimit, 1200));
    ws.VariantLimit0 = std::int32_t(variantLimit0);

    ws.ShuffleTries2 = ws.ShuffleTries;
    ws.ImproveBudget =
        std::int32_t(std::int64_t(ws.RuleLimit + 1) * ws.ImproveFactor * (ws.VariantLimit + 1) / 40);
}

} // namespace

void ResetSearch(PackWorkspace& ws) {
    zero(ws.items.Len), zero(ws.items.Wid), zero(ws.ItemLen0), zero(ws.ItemWid0);
    zero(ws.order.LenVar), zero(ws.order.WidVar), zero(ws.items.PosX), zero(ws.items.PosY);
    zero(ws.items.Placed), zero(ws.ItemKind), zero(ws.order.Item), zero(ws.ItemBox);
    zero(ws.ItemRun), zero(ws.ItemClass), zero(ws.ItemGroupKey), zero(ws.ItemWeight);
    zero(ws.ItemWolume), zero(ws.ItemCost), zero(ws.ItemTurnOn);
    zero(ws.best.items.PosX), zero(ws.best.items.PosY), zero(ws.best.items.Len), zero(ws.best.items.Wid);
    zero(ws.best.items.Placed), zero(ws.best.order.Item), zero(ws.best.order.LenVar),
        zero(ws.best.order.WidVar);
    ws.ItemCount = 0;
    ws.SearchIntensity = 5;
    ws.BindMode = 0;
    ws.SearchFillDir = 0;
    ws.TurnOverride = ws.TurnOverrideValue = 1;
    ws.RowsAllowed = ws.FreeOrderCount = 1;
    ws.MaxRun = 1;
    ws.SearchWeightFactor = ws.SearchCostFactor = ws.SearchLeftFactor = ws.SearchBindFactor = 0;
    ws.CompactPower = 1e-4f;
    ws.NearBest = 0.99f;
    ws.ImproveFactor = 10;
    ws.ShuffleTries = 10;
    ws.RowRulePercent = 70;
    ws.OrderStrategy = 0;
    FreeCorners(ws);
    AllocCorners(ws, 1);
    ws.CornerX[0] = ws.CornerY[0] = ws.CornerGapL[0] = ws.CornerGapW[0] = 0;
    ws.SearchLoadWt = 1555555555;
    ws.SearchNoseWt = ws.SearchTailWt = 0;
    ws.NoseAxleX = ws.TailAxleDist = 0;
    ws.SearchCost = 0;
    ws.SearchWolume = 0;
    ws.SearchTimeBudget = 55000.0;
}

void PrepareSearch(PackWorkspace& ws) {
    ws.RandState = std::uint32_t(std::int32_t(ws.SearchSeed));
    if (ws.SearchFillDir < 0 || ws.SearchFillDir > 2)
        ws.SearchFillDir = 0;
    ws.LengthLimit = ws.CornerGapL[0];
    ws.WidthLimit = ws.CornerGapW[0];

    if (ws.TurnOverride) {
        for (int i = 1; i <= ws.ItemCount; ++i)
            ws.ItemTurnOn[i] = ws.TurnOverrideValue;
    } else {
        ws.TurnOverrideValue = 0;
        for (int i = 1; i <= ws.ItemCount; ++i)
            if (ws.ItemTurnOn[i])
                ws.TurnOverrideValue = 1;
    }
    ws.AnyTurn = ws.TurnOverrideValue;

    ws.MinItemWolume = 1e24f;
    ws.MinItemWeight = 1555555555;
    ws.SumItemWolume = ws.SumItemCost = 0;
    for (int i = 1; i <= ws.ItemCount; ++i) {
        ws.MinItemWolume = std::min(ws.MinItemWolume, ws.ItemWolume[i]);
        ws.MinItemWeight = std::min(ws.MinItemWeight, ws.ItemWeight[i]);
        ws.SumItemWolume = float((long double)ws.SumItemWolume + ws.ItemWolume[i]);
        ws.SumItemCost = float((long double)ws.SumItemCost + ws.ItemCost[i]);
    }

    FindModule(ws);
    if (std::abs(ws.BindMode) >= 1)
        ws.FreeOrderCount = 0;
    if (std::abs(ws.BindMode) >= 2)
        ws.RowsAllowed = 0;
    for (int i = 1; i <= ws.ItemCount; ++i) {
        ws.ItemLen0[i] = ws.items.Len[i];
        ws.ItemWid0[i] = ws.items.Wid[i];
    }
    markKindRuns(ws);
    for (int p = 1; p <= ws.ItemCount; ++p)
        ws.order.Item[p] = std::int16_t(p);
    MarkRuns(ws);
    setBudgets(ws);
}

} // namespace palvane
