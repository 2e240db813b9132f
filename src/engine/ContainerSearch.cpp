// The container search loop: turn modes, turning variants and rules in both corner directions,
// the packing loop with its shuffles, the improvement phase and the progress ticks.

#include "ContainerSearch.h"

#include <cstdio>

#include "CornerList.h"
#include "EngineMath.h"
#include "OrderRules.h"
#include "PackPass.h"
#include "Progress.h"
#include "RuleTables.h"

namespace palvane {

namespace {

constexpr std::int64_t kEstimateCap = 25555;

void restoreIdentityOrder(SearchState& s) {
    for (int p = 1; p <= s.ItemCount; ++p)
        s.order.Item[p] = std::int16_t(p);
}

void saveBest(SearchState& s) {
    s.best.Score = s.SearchScore;
    s.best.pass = s.pass;
    s.best.items = s.items;
    s.best.order = s.order;
}

// The ordering of the best pass, its turning variant's extents as the current ones.
void restoreBestOrdering(SearchState& s) {
    s.order = s.best.order;
    s.items.Len = s.order.LenVar;
    s.items.Wid = s.order.WidVar;
}

void restoreBestPass(SearchState& s) {
    s.SearchScore = s.best.Score;
    s.pass = s.best.pass;
    s.items = s.best.items;
}

// The progress tick after every scored pass. Returns true when time ran out or the user
// aborted; the clock is read once per tick.
bool progressStep(PackWorkspace& ws) {
    const std::int64_t total = PlannedPasses(ws);
    const std::int64_t step = std::max<std::int64_t>(total / 20, 1);
    if ((ws.ProgressTick - 1) % step != 0)
        return false;
    const double now = ws.NowMs();
    if (ws.progress) {
        ws.progress->setContainer(NearestInt<int>((long double)ws.ProgressTick / total * 100));
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", (now - ws.StartTime) / 1000.0);
        ws.progress->setElapsedText(text);
        ws.progress->processEvents();
    }
    if (now >= ws.SearchStartTime + ws.SearchTimeBudget || ws.AbortFlag) {
        if (ws.progress)
            ws.progress->setHint(ProgressHint::Aborted);
        ws.StopFlag = 1;
        return true;
    }
    return false;
}

// The packing loop: pack, score, keep the best, tick, then the pending and near-best shuffles.
// Returns true when the search has to stop.
bool packingLoop(PackWorkspace& ws) {
    for (;;) {
        ws.NearShuffles = ws.ShuffleTries2;
        for (;;) {
            ws.PassTotal += 1;
            MarkRuns(ws);
            PackPass(ws);
            ScorePass(ws);
            if (ws.passObserver)
                ws.passObserver->passScored(ws);
            if (ws.SearchScore > ws.best.Score) {
                saveBest(ws);
                if (ws.ImproveLeft == ws.ImproveBudget && ws.PendingShuffles == 0) {
                    ws.BestRuleNo = ws.RuleNo;
                    ws.BestVariantNo = ws.VariantNo;
                }
                if (ws.RuleNo != 0)
                    ws.PendingShuffles = ws.ShuffleTries2;
            }
            ws.ProgressTick += 1;
            if (progressStep(ws))
                return true;
            if (ws.PendingShuffles >= 1) {
                ws.PendingShuffles -= 1;
                restoreBestOrdering(ws);
                ShuffleByClass(ws, 1);
                break; // back to the start: near shuffles are granted afresh
            }
            if (ws.NearShuffles >= 1 && (long double)ws.best.Score * ws.NearBest < ws.SearchScore &&
                ws.ImproveLeft == ws.ImproveBudget) {
                ws.NearShuffles -= 1;
                ws.items.Len = ws.order.LenVar;
                ws.items.Wid = ws.order.WidVar;
                ShuffleByClass(ws, 1);
                continue;
            }
            return false;
        }
    }
}

// Order count estimates of the current variant.
void estimateOrders(PackWorkspace& ws) {
    ws.SigCheckLimit = ws.OrderCountEst = OrderCount(ws.GroupCount);
    std::int64_t h = ws.GroupCount;
    int i = 1;
    while (i <= ws.ItemCount) {
        int end = i;
        while (end < ws.ItemCount && ws.ItemKind[end + 1] == ws.ItemKind[i] &&
               ws.items.Wid[end + 1] == ws.items.Wid[i])
            ++end;
        const std::int64_t t = end - i + 1;
        if (t >= 2) {
            h += 1;
            if (ws.SigCheckLimit < kEstimateCap)
                ws.SigCheckLimit = t % 2 == 0 ? h * ws.SigCheckLimit / 2 : (h - 1) * ws.SigCheckLimit;
            if (ws.OrderCountEst < kEstimateCap)
                ws.OrderCountEst = t % 2 == 0
                                       ? h * ws.OrderCountEst / 2 + (t / 2 - 1) * (h - 2) * ws.OrderCountEst
                                       : ((t / 2) * (h - 2) + 1) * ws.OrderCountEst;
        }
        i = end + 1;
    }
}

// Entering a turning variant: orientations (skipping duplicates), estimates, rows, rule count.
void enterVariant(PackWorkspace& ws) {
    ws.RandState = std::uint32_t(std::int64_t(ws.SearchSeed) + ws.VariantNo + ws.order.TurnMode +
                                 ws.order.CornerDir + 101);
    for (;;) {
        ws.VariantTries += 1;
        ws.items.Len = ws.ItemLen0;
        ws.items.Wid = ws.ItemWid0;
        restoreIdentityOrder(ws);
        ws.GroupCount = std::uint16_t(ws.KindRunCount);
        ClearClasses(ws);
        MarkRuns(ws);
        ApplyTurnVariant(ws);
        const std::int64_t v = std::int64_t(ws.VariantNo) - ws.VariantSkips;
        if (v >= ws.VariantCheckLimit || v < 0 || v >= kVariantSigSlots)
            break;
        const std::int64_t sig = VariantSignature(ws);
        ws.VariantSig[v] = sig;
        bool duplicate = false;
        for (std::int64_t e = 0; e < v && ws.VariantNo >= 1; ++e)
            duplicate = duplicate || ws.VariantSig[e] == sig;
        if (!duplicate || ws.VariantTries >= 7 * std::int64_t(ws.VariantLimit))
            break;
        ws.VariantSkips += 1;
        ws.VariantNo += 1;
    }
    estimateOrders(ws);

    ClearClasses(ws);
    ws.RowRules = 0;
    ws.RowFlag = 0;
    if (ws.RowsAllowed && ws.order.TurnMode < 2) {
        MarkRows(ws, 2, false);
        ws.RowRules = std::int32_t(OrderCount(ws.RowGroups));
        ws.RowFlag = (ws.GroupCount != ws.RowGroups || ws.RowRests >= 1) ? 1 : 0;
    }
    if (ws.FreeOrderCount)
        ws.OrderCountEst -= 1;
    else
        ws.OrderCountEst = OrderCount(ws.GroupCount) - 1 + std::int64_t(ws.RowRules) * ws.RowFlag;
    ws.RuleCount = std::int32_t(std::min<std::int64_t>(ws.OrderCountEst, ws.RuleLimit));
    ws.RowRules = std::min(
        ws.RowRules, NearestInt<std::int32_t>(((long double)ws.RuleCount + 1) * ws.RowRulePercent / 100));

    ws.order.LenVar = ws.items.Len;
    ws.order.WidVar = ws.items.Wid;
    ws.RuleNo = ws.RuleTries = ws.RuleSkips = ws.RuleBase = 0;
    ws.RuleSigA.fill(0);
    ws.RuleSigB.fill(0);
}

// Steps 5.1-5.2: produces the ordering of RuleNo, skipping duplicate orderings.
void prepareRule(PackWorkspace& ws) {
    for (;;) {
        ws.RuleTries += 1;
        ws.items.Len = ws.order.LenVar;
        ws.items.Wid = ws.order.WidVar;
        restoreIdentityOrder(ws);
        MarkRuns(ws);
        ApplyOrderingRule(ws);
        const std::int64_t r = std::int64_t(ws.RuleNo) - ws.RuleSkips;
        if (!(r < std::int64_t(ws.RowRules) * ws.RowFlag + ws.SigCheckLimit) || r < 0 || r >= kRuleSigSlots)
            return;
        const RuleSignature sig = OrderingSignature(ws, r < ws.RowRules);
        ws.RuleSigA[r] = sig.a;
        ws.RuleSigB[r] = sig.b;
        bool duplicate = false;
        for (std::int64_t e = 0; e < r && ws.RuleNo >= 1; ++e)
            duplicate = duplicate || (ws.RuleSigA[e] == sig.a && ws.RuleSigB[e] == sig.b);
        if (!duplicate || ws.RuleTries >= 7 * std::int64_t(ws.RuleCount))
            return;
        ws.RuleSkips += 1;
        ws.RuleNo += 1;
    }
}

// The main phase over corner directions, turn modes, variants and rules. Returns true when the
// search has to stop.
bool mainPhase(PackWorkspace& ws) {
    ws.order.CornerDir = 1;
    ws.order.TurnMode = ws.TurnModeFirst;
    for (;;) { // turn mode entered
        ws.VariantNo = ws.VariantTries = ws.VariantSkips = 0;
        ws.VariantSig.fill(0);
        for (;;) { // variant entered
            enterVariant(ws);
            for (;;) { // rule step
                prepareRule(ws);
                if (packingLoop(ws))
                    return true;
                ws.RuleNo += 1;
                if (ws.RuleNo - ws.RuleSkips > ws.RuleCount)
                    break;
            }
            ws.RuleNo -= 1;
            ws.VariantNo += 1;
            if (!(ws.AnyTurn && ws.VariantNo - ws.VariantSkips <= ws.VariantLimit))
                break;
        }
        ws.VariantNo -= 1;
        ws.order.TurnMode += 1;
        if (ws.AnyTurn && ws.order.TurnMode <= ws.TurnModeLast)
            continue;
        ws.order.TurnMode -= 1;
        if (ws.order.CornerDir != 1)
            return false;
        ws.order.CornerDir = 2;
        ws.order.TurnMode = ws.TurnModeFirst;
    }
}

void improvementPhase(PackWorkspace& ws) {
    while (ws.ImproveLeft >= 1 && ws.best.Score > 0) {
        ws.ImproveLeft -= 1;
        restoreBestOrdering(ws);
        if (std::abs(ws.BindMode) >= 1)
            SwapAdjacentRuns(ws, ws.SwapOdds);
        else if (ws.ImproveLeft % 2 == 1)
            RandomSwaps(ws);
        else
            SwapNeighbours(ws, 3);
        if (packingLoop(ws))
            return;
    }
}

} // namespace

std::int64_t PlannedPasses(const SearchState& s) {
    std::int64_t total = NearestInt<std::int64_t>(((long double)s.RuleCount + s.RuleLimit) * 0.5L + 1) * 2;
    if (s.AnyTurn)
        total *= std::int64_t(s.VariantLimit + 1) * (s.TurnModeLast - s.TurnModeFirst + 1);
    return std::max<std::int64_t>(total, 1);
}

void SearchContainer(PackWorkspace& ws) {
    if (ws.progress)
        ws.progress->setContainer(0);
    ws.ProgressTick = 0;
    ws.order.CornerDir = 1;
    ws.CornerCapacity = ws.ItemCount / 2 + 30;
    AllocCorners(ws, ws.CornerCapacity + 1);
    ws.BestRuleNo = ws.BestVariantNo = 0;
    ws.PendingShuffles = 0;
    ws.ImproveLeft = ws.ImproveBudget;
    ws.SearchScore = 0;
    saveBest(ws);
    ws.PassTotal = 0;
    ws.SearchStartTime = ws.NowMs();

    if (!mainPhase(ws))
        improvementPhase(ws);

    if (ws.best.Score > 0) {
        restoreBestOrdering(ws);
        restoreBestPass(ws);
    }
    SortByPosition(ws);
    FreeCorners(ws);
}

} // namespace palvane
