#include "ContainerOrder.h"

#include "PlanMath.h"

#include <cmath>

namespace palvane {

namespace {

// Selection sort of ContOrder[1..ContCount] by the key of the container at each position,
// largest first or smallest first. The first of equal best keys wins, so equal keys keep
// their relative order.
template <typename KeyOf> void selectionSort(PackWorkspace& ws, bool largestFirst, KeyOf keyOf) {
    for (int pos = 1; pos <= ws.ContCount - 1; ++pos) {
        long double best = largestFirst ? -1.0e24L : 1.0e24L;
        int bestG = pos;
        for (int g = pos; g <= ws.ContCount; ++g) {
            const long double key = keyOf(ws.ContOrder[g]);
            if (largestFirst ? key > best : key < best) {
                best = key;
                bestG = g;
            }
        }
        if (bestG != pos)
            MoveOrderEntry(ws, pos, bestG);
    }
}

// Sort by the type key value x (value - x) x (Avail + a), stored in single precision.
template <typename ValueOf>
void sortByTypeValue(PackWorkspace& ws, int a, float x, bool largestFirst, ValueOf valueOf) {
    selectionSort(ws, largestFirst, [&](int cont) {
        const int t = ws.ContType[cont];
        const long double w = valueOf(t);
        return static_cast<long double>(
            static_cast<float>(w * (w - x) * (ws.TypeAvail[t] + static_cast<long double>(a))));
    });
}

enum class Table { Area, Weight, Cost };
enum class Op { ByArea, ByCapacity, ByCost };

struct TableRow {
    Op op;
    int mult; // a = mult x MaxTypeAvail, or MaxTypeAvail div 3 when thirds is set
    bool thirds;
};

// Rows for the even iterations 0..16 of each table.
constexpr TableRow kAreaTable[9] = {
    {Op::ByArea, 25, false},    {Op::ByArea, 0, false},     {Op::ByArea, 10, false},
    {Op::ByArea, 0, true},      {Op::ByArea, 5, false},     {Op::ByArea, 2, false},
    {Op::ByCapacity, 7, false}, {Op::ByCapacity, 0, false}, {Op::ByCapacity, 3, false},
};
constexpr TableRow kWeightTable[9] = {
    {Op::ByCapacity, 25, false}, {Op::ByCapacity, 0, false}, {Op::ByCapacity, 10, false},
    {Op::ByCapacity, 0, true},   {Op::ByCapacity, 3, false}, {Op::ByArea, 15, false},
    {Op::ByArea, 0, false},      {Op::ByArea, 3, false},     {Op::ByArea, 0, true},
};
constexpr TableRow kCostTable[9] = {
    {Op::ByCost, 25, false},     {Op::ByCost, 0, false}, {Op::ByCost, 10, false},
    {Op::ByCost, 0, true},       {Op::ByCost, 3, false}, {Op::ByArea, 25, false},
    {Op::ByCapacity, 25, false}, {Op::ByArea, 0, false}, {Op::ByCapacity, 0, false},
};

void applyTableRow(PackWorkspace& ws, const TableRow& row, float areaKey, float capKey, float costKey) {
    const int m = ws.MaxTypeAvail;
    const int a = row.thirds ? m / 3 : row.mult * m;
    switch (row.op) {
    case Op::ByArea:
        SortByArea(ws, a, areaKey);
        break;
    case Op::ByCapacity:
        SortByCapacity(ws, a, capKey);
        break;
    case Op::ByCost:
        SortByCost(ws, a, costKey);
        break;
    }
}

} // namespace

int TypeOrderings(int n) {
    static constexpr int kFactorials[8] = {0, 1, 2, 6, 24, 120, 720, 5040};
    if (n <= 0)
        return 0;
    return n <= 7 ? kFactorials[n] : 12777;
}

void MoveOrderEntry(PackWorkspace& ws, int to, int from) {
    const std::int16_t taken = ws.ContOrder[from];
    for (int i = from; i > to; --i)
        ws.ContOrder[i] = ws.ContOrder[i - 1];
    ws.ContOrder[to] = taken;
}

void SortByArea(PackWorkspace& ws, int a, float x) {
    sortByTypeValue(ws, a, x, true, [&](int t) { return static_cast<long double>(ws.TypeWolume[t]); });
}

void SortByCapacity(PackWorkspace& ws, int a, float x) {
    sortByTypeValue(ws, a, x, true, [&](int t) { return static_cast<long double>(ws.TypeLoadWt[t]); });
}

void SortByCost(PackWorkspace& ws, int a, float x) {
    sortByTypeValue(ws, a, x, false, [&](int t) { return static_cast<long double>(ws.TypeCost[t]); });
}

void ShuffleTypes(PackWorkspace& ws) {
    std::array<std::int32_t, kContSlots> key{};
    for (int t = 1; t <= ws.TypeCount; ++t)
        key[t] = ws.RandomBelow(999);
    selectionSort(ws, true, [&](int cont) { return static_cast<long double>(key[ws.ContType[cont]]); });
}

void ShuffleContainers(PackWorkspace& ws) {
    std::array<std::int32_t, kContSlots> key{};
    for (int j = 1; j <= ws.ContCount; ++j)
        key[j] = ws.RandomBelow(999);
    selectionSort(ws, true, [&](int cont) { return static_cast<long double>(key[cont]); });
}

void ShuffleOrder(PackWorkspace& ws) {
    const int h = (ws.Iteration + 1) / 2;
    if (h % 2 != 0)
        ShuffleTypes(ws);
    else
        ShuffleContainers(ws);
}

void ChooseOrder(PackWorkspace& ws) {
    for (;;) {
        ++ws.Attempts;
        const int pct =
            ws.IterationLimit == 0
                ? 0
                : NearestInt<int>(static_cast<long double>(ws.Iteration) / ws.IterationLimit * 80);
        const float capKey = static_cast<float>(ws.AvgCapacity / 100.0L * (pct + 20));
        const float areaKey = static_cast<float>(ws.AvgContWolume / 100.0L * (pct + 20));
        const float costKey = static_cast<float>(ws.AvgContCost / 100.0L * (pct + 20));

        if (TypeOrderings(ws.TypeCount) <= ws.Iteration - ws.Repeats) {
            ShuffleContainers(ws);
        } else if (ws.Iteration % 2 != 0 || ws.Iteration > 16) {
            ShuffleOrder(ws);
        } else {
            const TableRow* table = ws.CostFactor >= 0.5f     ? kCostTable
                                    : ws.WeightFactor >= 0.5f ? kWeightTable
                                                              : kAreaTable;
            applyTableRow(ws, table[ws.Iteration / 2], areaKey, capKey, costKey);
        }

        // Repeat check: orders with the same type sequence have the same signatures.
        std::int32_t sig1 = 0;
        std::int32_t sig2 = 0;
        for (int p = 1; p <= ws.ContCount; ++p) {
            const std::int32_t r = ws.TypeRandKey[ws.ContType[ws.ContOrder[p]]];
            sig1 += p * r;
            sig2 += NearestInt<std::int32_t>(std::sqrt(static_cast<long double>(p)) * r);
        }
        const int k = ws.Iteration - ws.Repeats;
        if (k < 0 || k >= kOrderSigSlots)
            return;
        ws.OrderSig1[k] = sig1;
        ws.OrderSig2[k] = sig2;
        if (ws.Iteration < 1)
            return;
        int j = 0;
        while (j < k && !(ws.OrderSig1[j] == sig1 && ws.OrderSig2[j] == sig2))
            ++j;
        if (j >= k)
            return;
        // When two types drew the same random key, fewer distinct signatures exist than
        // iterations; after 7 x IterationLimit attempts the repeated order is accepted.
        if (ws.Attempts >= 7 * ws.IterationLimit)
            return;
        ++ws.Iteration;
        ++ws.Repeats;
    }
}

} // namespace palvane
