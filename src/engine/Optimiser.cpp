#include "Optimiser.h"

#include "ContainerOrder.h"
#include "PlanEvaluation.h"
#include "PlanMath.h"
#include "Progress.h"

#include <algorithm>

namespace palvane {

using plan_math::kTiny;

ProgressSink& WorkspaceProgress(PackWorkspace& ws) {
    static ProgressSink silent;
    return ws.progress ? *ws.progress : silent;
}

namespace {

// The locals of one iteration's container scan.
struct Scan {
    int i = 0;
    int cont = 0;
    int t = 0;
    std::int32_t cap = 0;
    float area = 0;
    int packed = 0;
    int skipType = 0;
    int alt = 0;
};

// Expected number of container searches of the whole run, for the overall progress bar.
std::int16_t estimateProgressSteps(const PackWorkspace& ws) {
    const long double conts = ws.ContCount;
    float x = static_cast<float>(ws.TotBoxWolume / (ws.TotContWolume + kTiny) / 0.8L);
    float y = static_cast<float>(ws.TotBoxWeight / (ws.TotCapacity + kTiny) / 0.9L);
    if (x < y)
        x = y;
    x = static_cast<float>(std::clamp(conts * x, 1.0L, conts));
    y = static_cast<float>((1 - x / conts) * (ws.TypeCount - 1));
    x = static_cast<float>(plan_math::nearest(static_cast<long double>(x) + y - ws.FixedConts));
    x = static_cast<float>(std::clamp(static_cast<long double>(x), 1.0L, conts));
    return NearestInt<std::int16_t>((ws.IterationLimit + 1) * static_cast<long double>(x));
}

// The unplaced boxes of ResultPlan as the search's items.
void deliverItems(PackWorkspace& ws) {
    int n = 0;
    for (int b = 1; b <= ws.BoxCount; ++b) {
        if (ws.ResultPlan.ContNo[b] != 0)
            continue;
        ++n;
        const int k = ws.BoxKind[b];
        ws.ItemBox[n] = static_cast<std::int16_t>(b);
        ws.ItemKind[n] = static_cast<std::int16_t>(k);
        ws.ItemRun[n] = ws.KindTotal[k];
        ws.ItemWolume[n] = ws.KindWolume[k];
        ws.ItemWeight[n] = ws.KindWeight[k];
        ws.ItemCost[n] = ws.KindCost[k];
        ws.ItemTurnOn[n] = ws.KindTurnOn[k];
        ws.items.Len[n] = ws.KindLength[k] + ws.ItemGap;
        ws.items.Wid[n] = ws.KindWidth[k] + ws.ItemGap;
        ws.items.Placed[n] = 0;
    }
    ws.ItemCount = static_cast<std::int16_t>(n);
}

// BindMode from the "Bind Group Factor" setting.
std::int16_t bindModeOf(float bindFactor) {
    switch (NearestInt<int>(10.0L * bindFactor)) {
    case 5:
        return -1;
    case 6:
        return 1;
    case 7:
        return -2;
    case 8:
        return 2;
    case 9:
    case 10:
        return 3;
    default:
        return 0;
    }
}

// The container of type t as the search's floor and limits.
void deliverContainer(PackWorkspace& ws, int t, int cont) {
    ws.CornerGapL[0] = ws.TypeLength[t] + ws.ItemGap - 2 * ws.WallGap;
    ws.CornerGapW[0] = ws.TypeWidth[t] + ws.ItemGap - 2 * ws.WallGap;
    ws.SearchLoadWt = ws.TypeLoadWt[t];
    ws.SearchWolume = ws.TypeWolume[t];
    ws.SearchCost = ws.TypeCost[t];
    ws.SearchNoseWt = ws.TypeNoseWt[t];
    ws.SearchTailWt = ws.TypeTailWt[t];
    ws.NoseAxleX = ws.TypeNoseDL[t] + ws.ItemGap / 2 - ws.WallGap;
    ws.TailAxleDist = ws.TypeTailDL[t] + ws.ItemGap / 2 - ws.WallGap;
    ws.TurnOverride = ws.DefltOn;
    ws.TurnOverrideValue = ws.TaskTurnOn;
    ws.SearchFillDir = ws.TypeFillDir[t];
    ws.SearchWeightFactor = ws.WeightFactor;
    ws.SearchCostFactor = ws.CostFactor;
    ws.SearchLeftFactor = ws.LeftFactor;
    ws.SearchBindFactor = ws.BindFactor;
    ws.BindMode = bindModeOf(ws.BindFactor);
    ws.SearchIntensity = ws.Intensity;
    ws.SearchTimeBudget = ws.StartTime - ws.NowMs() + ws.TimeBudget;
    if (ws.ContCount >= 2)
        ws.SearchTimeBudget *= 2;
    ws.SearchSeed = static_cast<std::int16_t>(ws.RandBase + cont);
}

bool timeUp(PackWorkspace& ws) {
    return ws.NowMs() >= ws.StartTime + ws.TimeBudget;
}

// Steps 11 to 14: one search of container cont (type t) over the unplaced boxes of ResultPlan,
// then the progress tick. The quickest search runs at intensity 0 without time, so it stops
// after its first pass.
void searchContainer(PackWorkspace& ws, LayoutSearch& search, int t, int cont, bool quickest) {
    search.reset(ws);
    deliverItems(ws);
    deliverContainer(ws, t, cont);
    if (quickest) {
        ws.SearchIntensity = 0;
        ws.SearchTimeBudget = 0;
    }
    search.run(ws);

    ProgressSink& progress = WorkspaceProgress(ws);
    ++ws.ProgressStep;
    progress.setOverall(NearestInt<int>(100.0L * ws.ProgressStep / (ws.ProgressSteps + kTiny)));
    progress.setElapsedText(plan_math::secondsText((ws.NowMs() - ws.StartTime) / 1000.0L).c_str());
}

// Steps 8 to 18: one scan over the container order, filling ResultPlan (or trying last
// container alternatives into SavedPlan when PassNo is 1).
void scanContainers(PackWorkspace& ws, LayoutSearch& search, Scan& s) {
    s = Scan{};
    ws.LastSearchScore = 0;
    ws.SavedSearchScore = 0;
    PackPlan& result = ws.ResultPlan;
    for (;;) {
        do
            ++s.i;
        while (s.i <= ws.ContCount &&
               (result.BoxLoad[ws.ContOrder[s.i]] != 0 || ws.ContType[ws.ContOrder[s.i]] == s.skipType));
        if (s.i > ws.ContCount || result.PlacedBoxes >= ws.BoxCount)
            return;

        ++ws.SearchRuns;
        s.cont = ws.ContOrder[s.i];
        s.t = ws.ContType[s.cont];
        s.skipType = s.t;
        s.cap = ws.TypeLoadWt[s.t];
        s.area = ws.TypeWolume[s.t];
        s.packed = 0;
        ws.LastSearchScore = 0;

        searchContainer(ws, search, s.t, s.cont, false);

        s.packed = ws.pass.Count;
        ws.LastSearchScore = ws.SearchScore;

        if (s.packed == 0 || ws.LastSearchScore <= 0.0f) {
            s.cont = 0;
        } else if (ws.PassNo == 1 && ws.TryLastAlt && result.PlacedBoxes + s.packed < ws.BoxCount) {
            // An alternative last container must take all the remaining boxes.
            s.cont = 0;
        } else if (ws.PassNo == 1) {
            ++s.alt;
            if (s.alt == 1 || ws.SavedSearchScore < ws.LastSearchScore) {
                ws.SavedPlan = result;
                ws.SavedSearchScore = ws.LastSearchScore;
                AddContainer(ws, ws.SavedPlan, s.cont, s.packed, s.cap, s.area);
            }
        } else {
            AddContainer(ws, result, s.cont, s.packed, s.cap, s.area);
            s.skipType = 0;
            if (result.PlacedBoxes >= ws.BoxCount && (ws.TryLastAlt || result.UsedConts == 1) &&
                s.i < ws.ContCount && ws.ContType[ws.ContOrder[ws.ContCount]] != s.t) {
                // This container completed the plan: try the other types for it.
                ws.PassNo = 1;
                s.alt = 1;
                s.skipType = s.t;
                ws.SavedPlan = result;
                ws.SavedSearchScore = ws.LastSearchScore;
                RemoveContainer(ws, result, s.cont);
                result.LastCont = 0;
            }
        }

        if (ws.AbortFlag || timeUp(ws)) {
            if (ws.PassNo != 0)
                s.alt = 0;
            ws.StopFlag = 1;
        }
        if (!(s.i < ws.ContCount && result.PlacedBoxes < ws.BoxCount && s.alt < ws.TypeCount && !ws.StopFlag))
            return;
    }
}

// Step 20: with LastOff, a last container less efficient than the whole plan is dropped.
void dropWeakLastContainer(PackWorkspace& ws) {
    PackPlan& result = ws.ResultPlan;
    const int last = result.LastCont;
    if (!ws.LastOff || last == 0 || result.PlacedBoxes != ws.BoxCount || result.UsedConts <= 1)
        return;
    if (last < 0 || last >= kContSlots)
        return;
    if (result.ContAreaEff[last] < result.AreaEff || result.ContWgtEff[last] < result.WeightEff) {
        RemoveContainer(ws, result, last);
        result.LastCont = static_cast<std::int16_t>(last + 500);
    }
}

// After a time-out: while boxes are unplaced, the containers the best plan leaves empty are
// filled by the quickest search (intensity 0, one pass), in the order of the last iteration and
// under the rules of a scan: a container whose search places nothing is rejected and its type is
// not offered again until a container is accepted, and with LastOff a weak last container that
// completed the plan is dropped. A best plan that is complete, or whose weak last container was
// dropped, stays as it is. Esc during the pass stops it at once; the containers filled before
// stay. The finished plan is scored and becomes BestPlan.
void finishAfterTimeOut(PackWorkspace& ws, LayoutSearch& search) {
    PackPlan& plan = ws.ResultPlan;
    plan = ws.BestPlan;
    if (plan.LastCont >= 500)
        return;
    bool added = false;
    int skipType = 0;
    for (int i = 1; i <= ws.ContCount && plan.PlacedBoxes < ws.BoxCount && !ws.AbortFlag; ++i) {
        const int cont = ws.ContOrder[i];
        const int t = ws.ContType[cont];
        if (plan.BoxLoad[cont] != 0 || t == skipType)
            continue;
        ++ws.SearchRuns;
        searchContainer(ws, search, t, cont, true);
        if (ws.AbortFlag)
            break;
        if (ws.pass.Count == 0 || ws.SearchScore <= 0.0f) {
            skipType = t;
            continue;
        }
        AddContainer(ws, plan, cont, ws.pass.Count, ws.TypeLoadWt[t], ws.TypeWolume[t]);
        skipType = 0;
        added = true;
    }
    if (!added)
        return;
    dropWeakLastContainer(ws);
    ScorePlan(ws, plan);
    ws.BestPlan = plan;
}

void startProgress(PackWorkspace& ws) {
    ProgressSink& progress = WorkspaceProgress(ws);
    progress.setElapsedText("0");
    progress.setHint(ProgressHint::EscToAbort);
    progress.setTitle(ProgressTitle::PackingProgress);
    progress.setOverall(0);
    progress.setContainer(0);
    progress.setContainerVisible(true);
    progress.setTimeVisible(true);
}

} // namespace

void Optimise(PackWorkspace& ws, LayoutSearch& search) {
    ws.AbortFlag = 0;
    ws.ProgressStep = 0;
    startProgress(ws);
    ws.StartTime = ws.NowMs();

    ws.FixedConts = 0;
    for (int j = 1; j <= ws.ContCount; ++j)
        if (ws.StartPlan.FixCont[j])
            ++ws.FixedConts;
    ws.ProgressSteps = estimateProgressSteps(ws);

    ws.BestPlan = ws.StartPlan;
    ws.BestPlan.Score = 0;
    ws.ContOrder.fill(0);
    ws.PassNo = 0;
    ws.SearchRuns = 0;
    ws.BestIteration = 0;
    ws.Iteration = ws.Repeats = ws.Attempts = 0;
    ws.OrderSig1.fill(0);
    ws.OrderSig2.fill(0);

    Scan scan;
    for (;;) {
        if (ws.PassNo == 0) {
            for (int j = 0; j <= ws.ContCount; ++j)
                ws.ContOrder[j] = static_cast<std::int16_t>(j);
            ws.RandState = static_cast<std::uint32_t>(ws.RandBase + ws.SearchRuns);
            ChooseOrder(ws);
            ws.ResultPlan = ws.StartPlan;
            ws.ResultPlan.LastCont = 0;
        }
        for (;;) {
            scanContainers(ws, search, scan);
            if (ws.PassNo <= 0)
                break;
            ws.ResultPlan = ws.SavedPlan;
            if (ws.SavedPlan.PlacedBoxes < ws.BoxCount && ws.SavedPlan.UsedConts < ws.ContCount &&
                scan.alt > 0)
                continue; // another pass adds the best single container to SavedPlan
            if (ws.TryLastAlt)
                ws.PassNo = 0;
            break;
        }
        dropWeakLastContainer(ws);

        ScorePlan(ws, ws.ResultPlan);
        if (ws.ResultPlan.Score > ws.BestPlan.Score) {
            ws.BestPlan = ws.ResultPlan;
            ws.BestIteration = ws.Iteration;
        }
        if (ws.AbortFlag || timeUp(ws))
            ws.StopFlag = 1;
        if (ws.StopFlag || (ws.BestPlan.WeightEff >= 1.0f && ws.BestPlan.AreaEff >= 1.0f) || ws.PassNo != 0)
            break;
        ++ws.Iteration;
        if (ws.Iteration - ws.Repeats > ws.IterationLimit) {
            --ws.Iteration;
            break;
        }
    }

    if (ws.StopFlag && !ws.AbortFlag)
        finishAfterTimeOut(ws, search);

    CountPlacements(ws, ws.BestPlan);
    if (ws.BestPlan.Score != 0)
        ws.ResultPlan = ws.BestPlan;
    else
        ws.ResultPlan = ws.StartPlan;
    ws.ElapsedText.set(plan_math::secondsText((ws.NowMs() - ws.StartTime) / 1000.0L));

    ProgressSink& progress = WorkspaceProgress(ws);
    progress.setContainerVisible(false);
    progress.setHint(ProgressHint::PleaseWait);
    progress.setRunTimeText(ws.ElapsedText.c_str());
}

} // namespace palvane
