#pragma once
// Helpers for the layout search tests: a heap-allocated workspace with a floor and items, set up
// the way the driver delivers them, and an independent check of a finished layout.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ContainerSearch.h"
#include "CornerList.h"
#include "Workspace.h"

namespace palvane::test {

// One item as the driver delivers it (extents already include any item gap).
struct TestItem {
    Coord len, wid;
    std::int32_t weight = 1;
    int kind = 1;
    bool turn = false;
    float cost = 1.0f;
};

inline std::unique_ptr<PackWorkspace> makeWorkspace() {
    return std::make_unique<PackWorkspace>();
}

// Sets the usable floor and unlimited capacities, as ResetSearch plus the driver would.
inline void setFloor(SearchState& s, Coord length, Coord width) {
    s.CornerGapL.assign(1, 0);
    s.CornerGapW.assign(1, 0);
    s.CornerX.assign(1, 0);
    s.CornerY.assign(1, 0);
    s.CornerGapL[0] = length;
    s.CornerGapW[0] = width;
    s.LengthLimit = length;
    s.WidthLimit = width;
    s.SearchLoadWt = 1555555555;
    s.SearchWolume = float(length) * float(width);
}

// Appends an item as the next item number; its area is length x width.
inline int addItem(SearchState& s, const TestItem& item) {
    const int i = ++s.ItemCount;
    s.items.Len[i] = s.ItemLen0[i] = item.len;
    s.items.Wid[i] = s.ItemWid0[i] = item.wid;
    s.ItemWeight[i] = item.weight;
    s.ItemKind[i] = std::int16_t(item.kind);
    s.ItemTurnOn[i] = item.turn ? 1 : 0;
    s.ItemWolume[i] = float(item.len) * float(item.wid);
    s.ItemCost[i] = item.cost;
    s.order.Item[i] = std::int16_t(i);
    return i;
}

// Prepares the fields a bare placement pass reads (what PrepareSearch and the search start set).
inline void preparePass(SearchState& s) {
    s.MinItemWeight = 1555555555;
    s.MinItemWolume = 1e24f;
    Coord smallest = 25555;
    for (int i = 1; i <= s.ItemCount; ++i) {
        s.MinItemWeight = std::min(s.MinItemWeight, s.ItemWeight[i]);
        s.MinItemWolume = std::min(s.MinItemWolume, s.ItemWolume[i]);
        smallest = std::min({smallest, s.items.Len[i], s.items.Wid[i]});
        if (s.ItemTurnOn[i])
            s.AnyTurn = 1;
    }
    s.MinGap = smallest - 1;
    s.CornerCapacity = s.ItemCount / 2 + 30;
    AllocCorners(s, s.CornerCapacity + 1);
}

// Fills the search inputs the way the driver does after ResetSearch: floor, capacities, items.
inline void deliverItems(PackWorkspace& ws, Coord length, Coord width, const std::vector<TestItem>& items) {
    ResetSearch(ws);
    ws.CornerGapL[0] = length;
    ws.CornerGapW[0] = width;
    ws.SearchWolume = float(length) * float(width);
    for (const TestItem& item : items) {
        const int i = addItem(ws, item);
        ws.ItemBox[i] = std::int16_t(i);
        ws.ItemRun[i] = 1;
    }
    for (int i = 1; i <= ws.ItemCount; ++i) {
        int total = 0;
        for (int j = 1; j <= ws.ItemCount; ++j)
            total += ws.ItemKind[j] == ws.ItemKind[i];
        ws.ItemRun[i] = std::int16_t(total);
        ws.order.Item[i] = 0;
    }
    ws.TurnOverride = 0;
}

// A random item set of n items in kinds of up to `perKind` equal items.
inline std::vector<TestItem> randomItems(std::uint32_t& state, int n, int perKind, Coord minSide,
                                         Coord maxSide) {
    std::vector<TestItem> items;
    int kind = 0;
    while (int(items.size()) < n) {
        ++kind;
        const Coord len = Coord(minSide + RandomBelow(state, maxSide - minSide + 1));
        const Coord wid = Coord(minSide + RandomBelow(state, maxSide - minSide + 1));
        const std::int32_t weight = 1 + RandomBelow(state, 100);
        const bool turn = RandomBelow(state, 3) != 0;
        const int count = 1 + RandomBelow(state, perKind);
        for (int c = 0; c < count && int(items.size()) < n; ++c)
            items.push_back({len, wid, weight, kind, turn, float(weight) * 0.5f});
    }
    return items;
}

// Independent check of the placed items: inside the usable floor, no two overlapping, and the
// totals matching the placed items within float accuracy. Returns a failure description or "".
inline std::string layoutProblem(const SearchState& s) {
    std::int64_t weight = 0;
    int count = 0;
    for (int i = 1; i <= s.ItemCount; ++i) {
        if (s.items.Placed[i] != 1)
            continue;
        ++count;
        weight += s.ItemWeight[i];
        if (s.items.PosX[i] < 0 || s.items.PosY[i] < 0 || s.items.PosX[i] + s.items.Len[i] > s.LengthLimit ||
            s.items.PosY[i] + s.items.Wid[i] > s.WidthLimit)
            return "item " + std::to_string(i) + " outside the floor";
        const bool asDelivered = s.items.Len[i] == s.ItemLen0[i] && s.items.Wid[i] == s.ItemWid0[i];
        const bool turned = s.items.Len[i] == s.ItemWid0[i] && s.items.Wid[i] == s.ItemLen0[i];
        if (!asDelivered && !(turned && s.ItemTurnOn[i]))
            return "item " + std::to_string(i) + " has foreign extents";
        for (int j = i + 1; j <= s.ItemCount; ++j) {
            if (s.items.Placed[j] != 1)
                continue;
            if (s.items.PosX[i] < s.items.PosX[j] + s.items.Len[j] &&
                s.items.PosX[j] < s.items.PosX[i] + s.items.Len[i] &&
                s.items.PosY[i] < s.items.PosY[j] + s.items.Wid[j] &&
                s.items.PosY[j] < s.items.PosY[i] + s.items.Wid[i])
                return "items " + std::to_string(i) + " and " + std::to_string(j) + " overlap";
        }
    }
    if (count != s.pass.Count)
        return "pass.Count " + std::to_string(s.pass.Count) + " but " + std::to_string(count) + " placed";
    if (weight != s.pass.Weight)
        return "pass.Weight differs from the placed items";
    if ((long double)s.pass.Weight > (long double)s.SearchLoadWt * 1.001L)
        return "weight above capacity";
    if ((long double)s.pass.Wolume > (long double)s.SearchWolume * 1.001L * 1.0000001L)
        return "area above capacity";
    return "";
}

} // namespace palvane::test
