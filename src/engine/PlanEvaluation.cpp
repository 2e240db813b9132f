#include "PlanEvaluation.h"

#include "PlanMath.h"

#include <bit>

namespace palvane {

using plan_math::addF;
using plan_math::kTiny;

void RecomputeLoads(const PackWorkspace& ws, PackPlan& plan) {
    std::array<float, kContSlots> moment{};
    for (int j = 0; j < kContSlots; ++j) {
        plan.BoxLoad[j] = 0;
        plan.WgtLoad[j] = 0;
        plan.NoseLoad[j] = 0;
        plan.TailLoad[j] = 0;
        plan.WolLoad[j] = 0;
        plan.CostLoad[j] = 0;
    }
    for (int b = 1; b <= ws.BoxCount; ++b) {
        const int j = plan.ContNo[b];
        if (j < 0 || j >= kContSlots)
            continue;
        const int k = ws.BoxKind[b];
        const int t = j == 0 ? 0 : ws.ContType[j];
        plan.BoxLoad[j] = static_cast<std::int16_t>(plan.BoxLoad[j] + 1);
        plan.WgtLoad[j] = plan_math::add32(plan.WgtLoad[j], ws.KindWeight[k]);
        plan.CostLoad[j] = addF(plan.CostLoad[j], ws.KindCost[k]);
        plan.WolLoad[j] = addF(plan.WolLoad[j], ws.KindWolume[k]);
        moment[j] =
            addF(moment[j], (plan.PosLh[b] * 0.5L + plan.PosX[b] - ws.TypeNoseDL[t]) * ws.KindWeight[k]);
    }
    for (int j = 1; j <= ws.ContCount; ++j) {
        const int t = ws.ContType[j];
        const int span = ws.TypeLength[t] - ws.TypeNoseDL[t] - ws.TypeTailDL[t];
        plan.TailLoad[j] = NearestInt<std::int32_t>(moment[j] / (span + kTiny));
        plan.NoseLoad[j] = plan_math::add32(plan.WgtLoad[j], -std::int64_t(plan.TailLoad[j]));
    }
}

void CountPlacements(PackWorkspace& ws, const PackPlan& plan) {
    ws.KindPlaced.fill(0);
    ws.TypeUsed.fill(0);
    for (int b = 1; b <= ws.BoxCount; ++b) {
        if (plan.ContNo[b] < 1)
            ++ws.KindPlaced[0];
        else
            ++ws.KindPlaced[ws.BoxKind[b]];
    }
    for (int j = 1; j <= ws.ContCount; ++j) {
        if (plan.BoxLoad[j] < 1)
            ++ws.TypeUsed[0];
        else
            ++ws.TypeUsed[ws.ContType[j]];
    }
}

void EvaluatePlan(const PackWorkspace& ws, PackPlan& plan) {
    plan.ContAreaEff.fill(0);
    plan.ContWgtEff.fill(0);
    plan.Score = plan.AreaEff = plan.WeightEff = 0;
    plan.UsedArea = plan.LoadedArea = plan.UsedCost = plan.LoadedCost = 0;
    plan.UsedConts = plan.PlacedBoxes = 0;
    plan.UsedCapacity = plan.LoadedWeight = 0;
    for (int j = 1; j <= ws.ContCount; ++j) {
        const int t = ws.ContType[j];
        plan.ContWgtEff[j] = static_cast<float>(plan.WgtLoad[j] / (ws.TypeLoadWt[t] + kTiny));
        plan.ContAreaEff[j] = static_cast<float>(plan.WolLoad[j] / (ws.TypeWolume[t] + kTiny));
        plan.PlacedBoxes = static_cast<std::int16_t>(plan.PlacedBoxes + plan.BoxLoad[j]);
        plan.LoadedWeight = plan_math::add32(plan.LoadedWeight, plan.WgtLoad[j]);
        plan.LoadedArea = addF(plan.LoadedArea, plan.WolLoad[j]);
        plan.LoadedCost = addF(plan.LoadedCost, plan.CostLoad[j]);
        if (plan.BoxLoad[j] >= 1) {
            ++plan.UsedConts;
            plan.UsedArea = addF(plan.UsedArea, ws.TypeWolume[t]);
            plan.UsedCost = addF(plan.UsedCost, ws.TypeCost[t]);
            plan.UsedCapacity = plan_math::add32(plan.UsedCapacity, ws.TypeLoadWt[t]);
        }
    }
    ScorePlan(ws, plan);
}

void ScorePlan(const PackWorkspace& ws, PackPlan& plan) {
    const long double wf = ws.WeightFactor;
    const long double cf = ws.CostFactor;
    const long double lf = ws.LeftFactor;
    const long double bf = ws.BindFactor;

    plan.AreaEff = static_cast<float>(plan.LoadedArea / (plan.UsedArea + kTiny));
    plan.WeightEff = static_cast<float>(plan.LoadedWeight / (plan.UsedCapacity + kTiny));
    const float e = static_cast<float>((1 - wf) * plan.AreaEff + wf * plan.WeightEff);
    // Share of the available area plus share of the available capacity the task needs.
    const long double demand = static_cast<long double>(ws.TotBoxWolume) / ws.TotContWolume +
                               ws.TotBoxWeight / (ws.TotCapacity + kTiny);
    const float valueTerm = static_cast<float>(plan.LoadedCost / (ws.TotBoxCost + kTiny) * demand);
    const float costTerm =
        static_cast<float>(2 / (1 + (plan.UsedCost / (ws.TotContCost + kTiny)) / (demand + kTiny)));
    const float v = static_cast<float>(0.5L * costTerm + 0.5L * valueTerm);
    plan.Score = static_cast<float>((1 - cf) * e + cf * v);
    plan.Score = static_cast<float>((1 - lf) * plan.Score +
                                    lf * (static_cast<long double>(plan.PlacedBoxes) / ws.BoxCount));
    CountSplits(ws, plan);
    plan.Score = static_cast<float>(plan.Score / (10 * bf * plan.SplitCount / ws.KindCount + 1));
}

void CountSplits(const PackWorkspace& ws, PackPlan& plan) {
    // One bit per place (container number, 0 for unplaced) for every kind.
    std::array<std::uint32_t, kBoxSlots> places{};
    for (int b = 1; b <= ws.BoxCount; ++b) {
        const int j = plan.ContNo[b];
        if (j >= 0 && j <= ws.ContCount)
            places[ws.BoxKind[b]] |= 1u << j;
    }
    int splits = 0;
    for (int k = 1; k <= ws.KindCount; ++k)
        splits += std::popcount(places[k]);
    plan.SplitCount = static_cast<std::int16_t>(splits - ws.KindCount);
}

void AddContainer(const PackWorkspace& ws, PackPlan& plan, int cont, int packed, std::int32_t cap,
                  float area) {
    plan.BoxLoad[cont] = static_cast<std::int16_t>(packed);
    plan.WolLoad[cont] = ws.pass.Wolume;
    plan.CostLoad[cont] = ws.pass.Cost;
    plan.WgtLoad[cont] = ws.pass.Weight;
    plan.NoseLoad[cont] = ws.pass.NoseLoad;
    plan.TailLoad[cont] = ws.pass.TailLoad;

    plan.ContWgtEff[cont] = static_cast<float>(plan.WgtLoad[cont] / (cap + kTiny));
    plan.ContAreaEff[cont] = static_cast<float>(plan.WolLoad[cont] / (area + kTiny));

    ++plan.UsedConts;
    plan.UsedCapacity = plan_math::add32(plan.UsedCapacity, cap);
    plan.UsedArea = addF(plan.UsedArea, area);
    plan.UsedCost = addF(plan.UsedCost, ws.TypeCost[ws.ContType[cont]]);
    plan.PlacedBoxes = static_cast<std::int16_t>(plan.PlacedBoxes + plan.BoxLoad[cont]);
    plan.LoadedWeight = plan_math::add32(plan.LoadedWeight, plan.WgtLoad[cont]);
    plan.LoadedArea = addF(plan.LoadedArea, plan.WolLoad[cont]);
    plan.LoadedCost = addF(plan.LoadedCost, plan.CostLoad[cont]);
    plan.LastCont = static_cast<std::int16_t>(cont);
    // Scored before the boxes below are assigned: the split count of this score does not see
    // the new container yet; the optimiser scores the finished plan again.
    ScorePlan(ws, plan);

    int n = 0;
    for (int p = 1; p <= ws.ItemCount; ++p) {
        const int it = ws.order.Item[p];
        if (ws.items.Placed[it] != 1)
            continue;
        const int b = ws.ItemBox[it];
        plan.ContNo[b] = static_cast<std::int16_t>(cont);
        plan.LoadNo[b] = static_cast<std::int16_t>(++n);
        plan.PosX[b] = static_cast<std::int16_t>(ws.items.PosX[it] + ws.WallGap);
        plan.PosY[b] = static_cast<std::int16_t>(ws.items.PosY[it] + ws.WallGap);
        plan.PosLh[b] = static_cast<std::int16_t>(ws.items.Len[it] - ws.ItemGap);
        plan.PosWh[b] = static_cast<std::int16_t>(ws.items.Wid[it] - ws.ItemGap);
    }
}

void RemoveContainer(const PackWorkspace& ws, PackPlan& plan, int j) {
    const int t = ws.ContType[j];
    --plan.UsedConts;
    plan.UsedArea = addF(plan.UsedArea, -static_cast<long double>(ws.TypeWolume[t]));
    plan.UsedCost = addF(plan.UsedCost, -static_cast<long double>(ws.TypeCost[t]));
    plan.UsedCapacity = plan_math::add32(plan.UsedCapacity, -std::int64_t(ws.TypeLoadWt[t]));
    plan.LoadedWeight = plan_math::add32(plan.LoadedWeight, -std::int64_t(plan.WgtLoad[j]));
    plan.PlacedBoxes = static_cast<std::int16_t>(plan.PlacedBoxes - plan.BoxLoad[j]);
    plan.LoadedArea = addF(plan.LoadedArea, -static_cast<long double>(plan.WolLoad[j]));
    plan.LoadedCost = addF(plan.LoadedCost, -static_cast<long double>(plan.CostLoad[j]));

    plan.ContWgtEff[j] = plan.ContAreaEff[j] = plan.CostLoad[j] = plan.WolLoad[j] = 0;
    plan.BoxLoad[j] = 0;
    plan.WgtLoad[j] = plan.NoseLoad[j] = plan.TailLoad[j] = 0;

    for (int b = 1; b <= ws.BoxCount; ++b) {
        if (plan.ContNo[b] != j)
            continue;
        plan.ContNo[b] = plan.LoadNo[b] = 0;
        plan.PosX[b] = plan.PosY[b] = plan.PosLh[b] = plan.PosWh[b] = 0;
    }
    ScorePlan(ws, plan);
}

} // namespace palvane
