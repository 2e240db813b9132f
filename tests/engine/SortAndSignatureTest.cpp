// The sort rules order exactly like a stable sort by their single-precision keys (short and long
// spans, many equal keys, both zeros, negative keys), and the ordering signatures stay right when
// items turn between two signatures.
#include <gtest/gtest.h>

#include "ContainerSearch.h"
#include "OrderRules.h"
#include "Workspace.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

using namespace palvane;

namespace {

// n items with extents drawn from `sizes`, in a shuffled order.
std::unique_ptr<PackWorkspace> itemsOf(int n, const std::vector<Coord>& sizes, std::uint32_t seed) {
    auto ws = std::make_unique<PackWorkspace>();
    std::mt19937 rng(seed);
    ws->ItemCount = static_cast<std::int16_t>(n);
    std::vector<std::int16_t> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), std::int16_t(1));
    std::shuffle(order.begin(), order.end(), rng);
    for (int i = 1; i <= n; ++i) {
        ws->items.Len[i] = sizes[rng() % sizes.size()];
        ws->items.Wid[i] = sizes[rng() % sizes.size()];
        ws->ItemKind[i] = static_cast<std::int16_t>(1 + rng() % 3);
        ws->ItemGroupKey[i] = static_cast<std::int32_t>(1 + rng() % 1000);
        ws->order.Item[i] = order[static_cast<std::size_t>(i - 1)];
    }
    return ws;
}

// The order a stable descending sort by key(item) gives.
template <typename Key> std::vector<std::int16_t> stableDescending(const PackWorkspace& ws, Key key) {
    std::vector<std::int16_t> order(ws.order.Item.begin() + 1, ws.order.Item.begin() + ws.ItemCount + 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::int16_t a, std::int16_t b) { return key(a) > key(b); });
    return order;
}

std::vector<std::int16_t> orderOf(const PackWorkspace& ws) {
    return {ws.order.Item.begin() + 1, ws.order.Item.begin() + ws.ItemCount + 1};
}

} // namespace

TEST(SortRules, OrderLikeAStableSortOnShortAndLongSpans) {
    const std::vector<Coord> fewSizes = {300, 300, 500, 800};
    const std::vector<Coord> manySizes = {1, 7, 120, 121, 999, 1000, 4096, 4097, 25000, 32000, 40000};
    for (const int n : {2, 5, 31, 32, 33, 200, 1001}) {
        for (const auto* sizes : {&fewSizes, &manySizes}) {
            for (std::uint32_t seed = 1; seed <= 3; ++seed) {
                auto ws = itemsOf(n, *sizes, seed * 7919u + static_cast<std::uint32_t>(n));
                const auto byLen = stableDescending(*ws, [&](int i) { return float(ws->items.Len[i]); });
                SortBy(*ws, Extent::Len);
                EXPECT_EQ(orderOf(*ws), byLen) << "n " << n << " seed " << seed;

                const auto byArea = stableDescending(
                    *ws, [&](int i) { return float((long double)ws->items.Len[i] * ws->items.Wid[i]); });
                SortArea(*ws);
                EXPECT_EQ(orderOf(*ws), byArea) << "n " << n << " seed " << seed;
            }
        }
    }
}

TEST(SortRules, ZeroNegativeAndEqualKeysKeepTheirOrder) {
    // SortLinear's key a x Len + b x Wid gives negative keys, both zeros and many ties.
    for (const int n : {12, 400}) {
        auto ws = itemsOf(n, {0, 100, 200}, 42u + static_cast<std::uint32_t>(n));
        const auto expected = stableDescending(
            *ws, [&](int i) { return float(-1.0L * ws->items.Len[i] + 1.0L * ws->items.Wid[i]); });
        SortLinear(*ws, -1.0f, 1.0f);
        EXPECT_EQ(orderOf(*ws), expected) << "n " << n;
        // Sorting an order that is already sorted changes nothing.
        SortLinear(*ws, -1.0f, 1.0f);
        EXPECT_EQ(orderOf(*ws), expected) << "n " << n;
    }
}

TEST(OrderingSignature, FollowsItemsTurnedBetweenTwoSignatures) {
    auto ws = itemsOf(300, {200, 300, 450, 700}, 5);
    const RuleSignature first = OrderingSignature(*ws, false);
    // Turn every third item and move the order: the signature must be the one a fresh state
    // computes from the same items.
    for (int i = 1; i <= ws->ItemCount; i += 3)
        TurnItem(*ws, i);
    std::reverse(ws->order.Item.begin() + 1, ws->order.Item.begin() + ws->ItemCount + 1);
    const RuleSignature turned = OrderingSignature(*ws, false);
    auto fresh = std::make_unique<PackWorkspace>();
    static_cast<SearchState&>(*fresh) = static_cast<const SearchState&>(*ws);
    fresh->ratioMemo.fill({});
    EXPECT_EQ(turned, OrderingSignature(*fresh, false));
    EXPECT_NE(turned, first);
    EXPECT_EQ(VariantSignature(*ws), VariantSignature(*fresh));

    // A changed group key counts too.
    ws->ItemGroupKey[1] += 17;
    fresh->ItemGroupKey[1] += 17;
    fresh->ratioMemo.fill({});
    EXPECT_EQ(OrderingSignature(*ws, false), OrderingSignature(*fresh, false));
}
