#include "Preprocess.h"

#include "PlanMath.h"

#include <algorithm>
#include <cstdlib>

namespace palvane {

using plan_math::add32;
using plan_math::addF;

namespace {

// Numbers of distinct type sequences of the containers (the multinomial coefficient), built
// up factor by factor and no longer changed once it reaches 25555.
std::int32_t distinctTypeSequences(const PackWorkspace& ws) {
    std::int32_t n = 1;
    std::int32_t m = 0;
    for (int t = 1; t <= ws.TypeCount; ++t) {
        if (ws.TypeAvail[t] <= 0)
            continue;
        for (int f = 1; f <= ws.TypeAvail[t]; ++f) {
            ++m;
            if (n < 25555)
                n = n * m / f;
        }
    }
    return n;
}

} // namespace

void Preprocess(PackWorkspace& ws) {
    int j = 0;
    for (int t = 1; t <= ws.TypeCount; ++t) {
        const int n = std::max<int>(ws.TypeAvail[t], 1);
        for (int c = 0; c < n && j < kContSlots - 1; ++c)
            ws.ContType[++j] = static_cast<std::int16_t>(t);
    }
    ws.ContCount = static_cast<std::int16_t>(j);

    int b = 0;
    for (int k = 1; k <= ws.KindCount; ++k) {
        const int n = std::max<int>(ws.KindTotal[k], 1);
        for (int c = 0; c < n && b < kBoxSlots - 1; ++c)
            ws.BoxKind[++b] = static_cast<std::int16_t>(k);
    }
    ws.BoxCount = static_cast<std::int16_t>(b);

    if (ws.BoxCount < 1 || ws.ContCount < 1)
        return;

    ws.RandState = static_cast<std::uint32_t>(ws.RandBase);
    for (int t = 1; t <= ws.TypeCount; ++t)
        ws.TypeRandKey[t] = ws.RandomBelow(9999);

    ws.TotCapacity = 0;
    ws.TotContWolume = 0;
    ws.TotContCost = 0;
    ws.MaxTypeLoadWt = 0;
    ws.MaxTypeWolume = 0;
    ws.MaxTypeAvail = 0;
    for (int t = 1; t <= ws.TypeCount; ++t) {
        ws.TotCapacity = add32(ws.TotCapacity, std::int64_t(ws.TypeLoadWt[t]) * ws.TypeAvail[t]);
        ws.TotContWolume =
            addF(ws.TotContWolume, ws.TypeAvail[t] * static_cast<long double>(ws.TypeWolume[t]));
        ws.TotContCost =
            addF(ws.TotContCost, std::fabs(static_cast<long double>(ws.TypeCost[t])) * ws.TypeAvail[t]);
        ws.MaxTypeLoadWt = std::max(ws.MaxTypeLoadWt, ws.TypeLoadWt[t]);
        ws.MaxTypeWolume = std::max(ws.MaxTypeWolume, ws.TypeWolume[t]);
        ws.MaxTypeAvail = std::max(ws.MaxTypeAvail, ws.TypeAvail[t]);
    }
    ws.AvgCapacity = ws.TotCapacity / ws.ContCount;
    ws.AvgContWolume = static_cast<float>(static_cast<long double>(ws.TotContWolume) / ws.ContCount);
    ws.AvgContCost = static_cast<float>(static_cast<long double>(ws.TotContCost) / ws.ContCount);

    ws.TotBoxWeight = 0;
    ws.TotBoxWolume = 0;
    ws.TotBoxCost = 0;
    for (int k = 1; k <= ws.KindCount; ++k) {
        ws.TotBoxWeight = add32(ws.TotBoxWeight, std::int64_t(ws.KindWeight[k]) * ws.KindTotal[k]);
        ws.TotBoxWolume = addF(ws.TotBoxWolume, ws.KindTotal[k] * static_cast<long double>(ws.KindWolume[k]));
        ws.TotBoxCost =
            addF(ws.TotBoxCost, std::fabs(static_cast<long double>(ws.KindCost[k])) * ws.KindTotal[k]);
    }

    if (ws.LastOff)
        ws.TryLastAlt = 0;

    int limit = std::max<int>(ws.Intensity, ws.TypeCount - 1);
    limit = std::min<int>(2 * ws.Intensity, limit);
    const std::int32_t sequences = distinctTypeSequences(ws);
    if (sequences - 1 < limit)
        limit = sequences - 1;
    ws.IterationLimit = static_cast<std::int16_t>(std::clamp(limit, 0, 40));
}

} // namespace palvane
