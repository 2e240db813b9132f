#include "PackPass.h"

#include <algorithm>
#include <cstdlib>

#include "CornerList.h"
#include "EngineMath.h"
#include "PlacedIndex.h"

namespace palvane {

namespace {

// a / b, or 0 when b is 0 (a floor or capacity of zero size), so no NaN enters the score.
long double ratioOrZero(long double a, long double b) {
    return b == 0 ? 0.0L : a / b;
}

// Step 1: clean item placement, one corner at the origin, zero totals.
void startPass(SearchState& s) {
    for (int i = 0; i <= s.ItemCount; ++i) {
        s.items.Placed[i] = 0;
        s.items.PosX[i] = 0;
        s.items.PosY[i] = 0;
    }
    s.items.Placed[0] = 1;
    ResetCorners(s, 0, s.CornerCapacity);
    s.CornerCount = 1;
    StartPlacedGrid(s);
    s.CostWeightX = s.order.CornerDir == 2 ? 1 : 100;
    s.CostWeightY = s.order.CornerDir == 2 ? 100 : 1;
    s.PassPos = 0;
    s.pass.Wolume = s.pass.Cost = 0;
    s.pass.Weight = s.pass.Count = 0;
    s.pass.NoseLoad = s.pass.TailLoad = 0;
    s.LoadMaxX = s.LoadMaxY = 0;
    s.ExtentRatio = 0;
    s.Compactness = 1.0f;
    s.LoadCentreX = 0;
    s.LastFailedItem = 0;
}

// Step 4: puts PassItem on corner j in the chosen orientation.
void placeItem(SearchState& s, std::int32_t j) {
    const int it = s.PassItem;
    const std::int32_t w = s.ItemWeight[it];
    s.items.Len[it] = s.chosenLen;
    s.items.Wid[it] = s.chosenWid;
    s.items.PosX[it] = s.CornerX[j];
    s.items.PosY[it] = s.CornerY[j];
    s.items.Placed[it] = 1;
    GridInsert(s, it);
    s.pass.Count += 1;
    s.pass.Cost = float((long double)s.pass.Cost + s.ItemCost[it]);
    s.pass.Weight += w;
    s.pass.Wolume = float((long double)s.pass.Wolume + s.ItemWolume[it]);
    s.LoadCentreX = float((((long double)s.pass.Weight - w) * s.LoadCentreX +
                           ((long double)s.items.Len[it] * 0.5L + s.items.PosX[it]) * w) /
                          ((long double)s.pass.Weight + 1e-5L));
    UpdateExtents(s);
    if (s.PassPos < s.ItemCount)
        UpdateCornersAfterPlacement(s, j);
}

bool capacityExceeded(const SearchState& s, int it) {
    if ((long double)s.SearchLoadWt * 1.001L < (long double)s.pass.Weight + s.ItemWeight[it])
        return true;
    return (long double)s.SearchWolume * 1.001L < (long double)s.pass.Wolume + s.ItemWolume[it];
}

bool sameAsLastFailure(const SearchState& s, int it) {
    const int f = s.LastFailedItem;
    return f >= 1 && s.ItemWid0[it] == s.ItemWid0[f] && s.ItemLen0[it] == s.ItemLen0[f] &&
           s.ItemTurnOn[it] == s.ItemTurnOn[f];
}

// Step 2.8: room left for at least the lightest and the smallest item.
bool roomForAnotherItem(const SearchState& s) {
    return (long double)s.SearchLoadWt * 1.001L >= (long double)s.pass.Weight + s.MinItemWeight &&
           (long double)s.SearchWolume * 1.001L >= (long double)s.pass.Wolume + s.MinItemWolume;
}

// Steps 2.4-2.7 for the item at PassPos.
void tryItem(SearchState& s) {
    const int it = s.PassItem;
    s.BestCornerCost = kNoCornerCost;
    ChooseCorner(s);
    const bool turnWanted = (s.order.TurnMode >= 1 && s.BestCornerCost == kNoCornerCost) ||
                            (s.order.TurnMode >= 2 && s.TurnExtent <= s.ExtentRatio);
    if (s.AnyTurn && turnWanted && s.ItemTurnOn[it] && s.items.Wid[it] != s.items.Len[it]) {
        std::swap(s.items.Len[it], s.items.Wid[it]);
        ChooseCorner(s);
    }
    const bool found = s.BestCornerCost != kNoCornerCost;
    s.LastFailedItem = found ? 0 : std::int16_t(it);
    if (found)
        placeItem(s, s.ChosenCorner);
    else if (s.BindMode != 0)
        ApplyBindRule(s);
}

} // namespace

Coord Wheelbase(const SearchState& s) {
    return s.CornerGapL[0] - s.NoseAxleX - s.TailAxleDist;
}

bool SupportChecksApply(const SearchState& s) {
    return std::int64_t(s.SearchNoseWt) + s.SearchTailWt >= 1 && Wheelbase(s) >= 1;
}

void PackPass(SearchState& s) {
    startPass(s);
    for (;;) {
        s.PassPos += 1;
        s.PassItem = std::uint16_t(s.order.Item[s.PassPos]);
        const int it = s.PassItem;
        if (s.items.Placed[it] != 1 && !capacityExceeded(s, it) && !sameAsLastFailure(s, it))
            tryItem(s);
        if (s.PassPos >= s.ItemCount || !roomForAnotherItem(s))
            break;
    }
    StopPlacedGrid(s);
    ComputeAxleLoads(s);
    if (std::int64_t(s.SearchNoseWt) + s.SearchTailWt >= 1)
        ShiftLoadRearward(s);
}

void ChooseCorner(SearchState& s) {
    const int it = s.PassItem;
    const Coord len = s.items.Len[it], wid = s.items.Wid[it];
    const std::int32_t w = s.ItemWeight[it];
    const bool checks = SupportChecksApply(s);
    const long double d = Wheelbase(s);
    const long double q = (long double)s.pass.Weight * s.LoadCentreX;
    const long double g = (long double)s.pass.Weight + w;
    const long double m = g * s.NoseAxleX;
    const long double o = ((long double)s.CornerGapL[0] - s.TailAxleDist) * g;
    const long double noseWt = s.SearchNoseWt, tailWt = s.SearchTailWt;

    for (std::int32_t l = 1; l <= s.CornerCount; ++l) {
        if (s.CornerGapL[l] >= len || s.CornerGapW[l] >= wid)
            continue;
        const Coord x1 = s.CornerX[l], x2 = x1 + len;
        const Coord y1 = s.CornerY[l], y2 = y1 + wid;
        if (checks) {
            const long double k = ((long double)x1 + x2) * w * 0.5L + q;
            if (k - m > d * tailWt)
                return;
            if (o - m > (noseWt + tailWt) * d)
                return;
            const Coord far = std::max(s.LoadMaxX, x2);
            if (o - k > d * noseWt + g * ((long double)s.CornerGapL[0] - far))
                continue;
        }
        if (y1 < 0 || x1 < 0 || y2 > s.WidthLimit || x2 > s.LengthLimit)
            continue;
        if (PlacedItemMeets(s, x1, x2 - 1, y1, y2 - 1, it))
            continue;
        const std::int64_t cost = std::int64_t(x2) * s.CostWeightX + std::int64_t(y2) * s.CostWeightY;
        if (cost < s.BestCornerCost) {
            s.BestCornerCost = std::int32_t(cost);
            s.ChosenCorner = std::int16_t(l);
            s.chosenLen = len;
            s.chosenWid = wid;
        }
        return;
    }
}

void UpdateExtents(SearchState& s) {
    const int it = s.PassItem;
    s.LoadMaxX = std::max(s.LoadMaxX, s.items.PosX[it] + s.items.Len[it]);
    s.LoadMaxY = std::max(s.LoadMaxY, s.items.PosY[it] + s.items.Wid[it]);
    const int dir = s.SearchFillDir != 0 ? s.SearchFillDir : s.order.CornerDir;
    if (dir == 2)
        s.ExtentRatio = float(ratioOrZero(s.LoadMaxY, s.CornerGapW[0]));
    else
        s.ExtentRatio = float(ratioOrZero(s.LoadMaxX, s.CornerGapL[0]));
    s.Compactness = float(ratioOrZero(s.pass.Wolume, s.SearchWolume) / ((long double)s.ExtentRatio + 1e-5L));
}

void ComputeAxleLoads(SearchState& s) {
    const Coord d = Wheelbase(s);
    if (d >= 1)
        s.pass.TailLoad =
            NearestInt<std::int32_t>(((long double)s.LoadCentreX - s.NoseAxleX) * s.pass.Weight / d);
    else
        s.pass.TailLoad = 0; // supports meet or cross: the whole load counts on the nose
    s.pass.NoseLoad = std::int32_t(std::int64_t(s.pass.Weight) - s.pass.TailLoad);
}

void ShiftLoadRearward(SearchState& s) {
    if (!SupportChecksApply(s))
        return;
    if (s.pass.Weight < 1 || s.pass.NoseLoad <= s.SearchNoseWt)
        return;
    const long double d = Wheelbase(s);
    Coord shift = NearestInt<Coord>(d / s.pass.Weight * ((long double)s.pass.NoseLoad - s.SearchNoseWt));
    if (std::int64_t(s.LoadMaxX) + shift > s.CornerGapL[0])
        shift = s.CornerGapL[0] - s.LoadMaxX;
    for (int i = 1; i <= s.ItemCount; ++i)
        if (s.items.Placed[i] == 1)
            s.items.PosX[i] += shift;
    s.LoadCentreX = float((long double)s.LoadCentreX + shift);
    ComputeAxleLoads(s);
}

void ApplyBindRule(SearchState& s) {
    const int kind = s.ItemKind[s.PassItem];
    int p = s.PassPos - 1;
    while (p > 0 && !(s.ItemKind[s.order.Item[p]] != kind && s.items.Placed[s.order.Item[p]] == 1))
        --p;
    if (p == 0 && std::abs(s.BindMode) < 3)
        return;
    for (p = s.PassPos - 1; p >= 1 && s.ItemKind[s.order.Item[p]] == kind; --p) {
        const int q = s.order.Item[p];
        const std::int32_t w = s.ItemWeight[q];
        s.LoadCentreX = float(((long double)s.pass.Weight * s.LoadCentreX -
                               ((long double)s.items.Len[q] * 0.5L + s.items.PosX[q]) * w) /
                              (std::abs((long double)s.pass.Weight - w) + 1e-5L));
        s.pass.Wolume = float((long double)s.pass.Wolume - s.ItemWolume[q]);
        s.pass.Weight -= w;
        s.pass.Cost = float((long double)s.pass.Cost - s.ItemCost[q]);
        s.pass.Count -= 1;
        if (s.items.Placed[q] == 1)
            GridRemove(s, q);
        s.items.Placed[q] = 0;
        s.items.Len[q] = s.items.Wid[q] = 0;
        s.items.PosX[q] = s.items.PosY[q] = 0;
    }
    if (s.BindMode < 1) {
        s.PassPos = s.ItemCount;
    } else {
        while (s.PassPos < s.ItemCount && s.ItemKind[s.order.Item[s.PassPos + 1]] == kind)
            s.PassPos += 1;
    }
}

} // namespace palvane
