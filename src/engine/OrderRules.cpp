#include "OrderRules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <type_traits>
#include <vector>

namespace palvane {

namespace {

// Key of a float that orders as unsigned integers the way the floats order; both zeros get the
// key of +0, as they compare equal.
std::uint32_t orderedBits(float v) {
    const std::uint32_t u = std::bit_cast<std::uint32_t>(v == 0 ? 0.0f : v);
    return (u & 0x80000000u) != 0 ? ~u : (u | 0x80000000u);
}

// The stable sort of sortSpan for float keys without NaN, on the keys' ordered bits: insertion
// sort for short spans, else a least-significant-digit radix sort, which is stable by nature and
// skips the digits all keys share. Returns false (and leaves the order alone) when a key is NaN.
bool sortStableFloat(std::int16_t* begin, std::int16_t* end, const ItemArray<float>& key, bool ascending) {
    const std::size_t n = std::size_t(end - begin);
    std::array<std::uint32_t, kItemSlots> bits, bitsTmp;
    std::array<std::int16_t, kItemSlots> items, itemsTmp;
    bool sorted = true;
    for (std::size_t p = 0; p < n; ++p) {
        const float k = key[begin[p]];
        if (std::isnan(k))
            return false;
        bits[p] = ascending ? orderedBits(k) : ~orderedBits(k);
        items[p] = begin[p];
        sorted = sorted && (p == 0 || bits[p - 1] <= bits[p]);
    }
    if (sorted)
        return true;
    if (n <= 32) {
        for (std::size_t p = 1; p < n; ++p) {
            const std::uint32_t b = bits[p];
            const std::int16_t item = items[p];
            std::size_t q = p;
            for (; q > 0 && bits[q - 1] > b; --q) {
                bits[q] = bits[q - 1];
                items[q] = items[q - 1];
            }
            bits[q] = b;
            items[q] = item;
        }
    } else {
        // The counts of all four digits in one walk over the keys.
        std::array<std::array<std::uint32_t, 256>, 4> count{};
        for (std::size_t p = 0; p < n; ++p) {
            const std::uint32_t b = bits[p];
            ++count[0][b & 0xFFu];
            ++count[1][(b >> 8) & 0xFFu];
            ++count[2][(b >> 16) & 0xFFu];
            ++count[3][b >> 24];
        }
        std::uint32_t* from = bits.data();
        std::uint32_t* to = bitsTmp.data();
        std::int16_t* fromItems = items.data();
        std::int16_t* toItems = itemsTmp.data();
        for (int digit = 0; digit < 4; ++digit) {
            const int shift = 8 * digit;
            const auto& c = count[std::size_t(digit)];
            if (c[(from[0] >> shift) & 0xFFu] == n)
                continue; // every key has this digit
            std::array<std::uint32_t, 256> start;
            std::uint32_t sum = 0;
            for (std::size_t d = 0; d < 256; ++d) {
                start[d] = sum;
                sum += c[d];
            }
            for (std::size_t p = 0; p < n; ++p) {
                const std::uint32_t at = start[(from[p] >> shift) & 0xFFu]++;
                to[at] = from[p];
                toItems[at] = fromItems[p];
            }
            std::swap(from, to);
            std::swap(fromItems, toItems);
        }
        std::copy(fromItems, fromItems + n, begin);
        return true;
    }
    std::copy(items.begin(), items.begin() + std::ptrdiff_t(n), begin);
    return true;
}

// Stable sort of positions first..last by the item keys, descending.
template <typename Key>
void sortSpan(SearchState& s, int first, int last, const ItemArray<Key>& key, bool ascending = false) {
    if (last <= first)
        return;
    auto* begin = s.order.Item.data() + first;
    auto* end = s.order.Item.data() + last + 1;
    if constexpr (std::is_same_v<Key, float>) {
        if (sortStableFloat(begin, end, key, ascending))
            return;
    }
    if (ascending)
        std::stable_sort(begin, end, [&](std::int16_t a, std::int16_t b) { return key[a] < key[b]; });
    else
        std::stable_sort(begin, end, [&](std::int16_t a, std::int16_t b) { return key[a] > key[b]; });
}

// Keys computed per item, then a descending stable sort of the whole order.
template <typename F> void sortAllBy(SearchState& s, F keyOf) {
    ItemArray<float> key;
    for (int i = 1; i <= s.ItemCount; ++i)
        key[i] = float(keyOf(i));
    sortSpan(s, 1, s.ItemCount, key);
}

// End of the item run starting at item i whose items all satisfy same(first, j).
template <typename F> int itemRunEnd(const SearchState& s, int i, F same) {
    int j = i;
    while (j < s.ItemCount && same(i, j + 1))
        ++j;
    return j;
}

Coord extentOf(const SearchState& s, Extent e, int i) {
    return e == Extent::Len ? s.items.Len[i] : s.items.Wid[i];
}

// Integer division that treats a zero divisor (a box of zero size) as giving 0.
Coord divOrZero(Coord a, Coord b) {
    return b == 0 ? 0 : a / b;
}

} // namespace

std::int64_t OrderCount(std::int64_t g) {
    if (g <= 0)
        return 0;
    if (g >= 8)
        return 12777;
    std::int64_t f = 1;
    for (std::int64_t i = 2; i <= g; ++i)
        f *= i;
    return f;
}

int TurnClass(const SearchState& s, int i) {
    return (!s.ItemTurnOn[i] || s.items.Len[i] == s.items.Wid[i]) ? 1 : 2;
}

void TurnItem(SearchState& s, int i) {
    std::swap(s.items.Len[i], s.items.Wid[i]);
}

void ClearClasses(SearchState& s) {
    for (int i = 1; i <= s.ItemCount; ++i)
        s.ItemClass[i] = 0;
    s.RowGroups = 0;
    s.RowRests = 0;
}

void MarkRuns(SearchState& s) {
    s.MaxRun = 1;
    int p = 1;
    while (p <= s.ItemCount) {
        const int a = s.order.Item[p];
        int q = p;
        while (q < s.ItemCount) {
            const int b = s.order.Item[q + 1];
            if (s.ItemKind[b] != s.ItemKind[a] || s.ItemClass[b] != s.ItemClass[a] ||
                s.items.Wid[b] != s.items.Wid[a])
                break;
            ++q;
        }
        const std::int16_t len = std::int16_t(q - p + 1);
        for (int x = p; x <= q; ++x)
            s.ItemRun[s.order.Item[x]] = len;
        s.MaxRun = std::max(s.MaxRun, len);
        p = q + 1;
    }
}

void FindModule(SearchState& s) {
    // Items with equal sides contribute equally, so the distinct (length, width) pairs are
    // weighed by their counts.
    struct Size {
        Coord len, wid;
        std::int64_t count;
    };
    std::vector<Size> sizes;
    Coord a = 0, b = 25555;
    bool any = false;
    for (int i = 1; i <= s.ItemCount; ++i) {
        if (s.items.Placed[i] != 0)
            continue;
        const Coord len = s.items.Len[i], wid = s.items.Wid[i];
        if (!any) {
            a = std::max(len, wid);
            b = std::min(len, wid);
            any = true;
        }
        a = std::max({a, len, wid});
        b = std::min({b, len, wid});
        auto found = std::find_if(sizes.begin(), sizes.end(),
                                  [&](const Size& z) { return z.len == len && z.wid == wid; });
        if (found == sizes.end())
            sizes.push_back({len, wid, 1});
        else
            ++found->count;
    }
    s.ModuleDim = 25555;
    std::int64_t best = -1;
    for (Coord v = b; any && v <= a; ++v) {
        std::int64_t e = 0;
        for (const Size& z : sizes)
            e += z.count *
                 std::min<std::int64_t>(std::abs(std::int64_t(z.wid) - v), std::abs(std::int64_t(z.len) - v));
        if (best < 0 || e < best) {
            best = e;
            s.ModuleDim = v;
        }
    }
    s.MinGap = b - 1;
}

void MarkRows(PackWorkspace& ws, int a, bool random) {
    int i = 1;
    while (i <= ws.ItemCount) {
        const int end = itemRunEnd(ws, i, [&](int f, int j) {
            return ws.ItemKind[j] == ws.ItemKind[f] && ws.items.Wid[j] == ws.items.Wid[f];
        });
        const std::int32_t k = end - i + 1;
        const bool alongX = ws.order.CornerDir != 2;
        const Coord side = alongX ? ws.items.Wid[i] : ws.items.Len[i];
        const Coord per = divOrZero(alongX ? ws.CornerGapW[0] : ws.CornerGapL[0], side);
        const Coord rowW = per * side;
        std::int32_t rows = per < a ? 0 : k / per;
        if (random) {
            const Coord lanes = alongX ? divOrZero(ws.CornerGapL[0], ws.items.Len[i])
                                       : divOrZero(ws.CornerGapW[0], ws.items.Wid[i]);
            rows = k == per ? 0 : std::min(rows, lanes);
            if (rows > 0)
                rows = ws.RandomBelow(rows) + 1;
        }
        if (rows > 0) {
            ws.RowGroups += 1;
            const int full = i + rows * per; // first item after the full rows
            for (int x = i; x < full && x <= end; ++x)
                ws.ItemClass[x] = rowW;
            if (full <= end) {
                ws.RowRests += 1;
                const std::int32_t r = ws.RandomBelow(5);
                for (int x = full; x <= end; ++x)
                    ws.ItemClass[x] = r + 5;
            }
        } else if (random) {
            const std::int32_t cut = ws.RandomBelow(k);
            const std::int32_t c1 = ws.RandomBelow(5);
            for (int x = i; x <= i + cut && x <= end; ++x)
                ws.ItemClass[x] = c1;
            const std::int32_t c2 = ws.RandomBelow(5);
            for (int x = i + cut + 1; x <= end; ++x)
                ws.ItemClass[x] = c2;
        } else {
            const std::int32_t h = ws.RandomBelow(5);
            for (int x = i; x <= end; ++x)
                ws.ItemClass[x] = h;
        }
        i = end + 1;
    }
}

void TurnAllLong(SearchState& s, Axis longSideAlong) {
    for (int i = 1; i <= s.ItemCount; ++i) {
        if (!s.ItemTurnOn[i])
            continue;
        if (longSideAlong == Axis::Y ? s.items.Wid[i] < s.items.Len[i] : s.items.Len[i] < s.items.Wid[i])
            TurnItem(s, i);
    }
}

void TurnAll(SearchState& s) {
    for (int i = 1; i <= s.ItemCount; ++i)
        if (s.ItemTurnOn[i])
            TurnItem(s, i);
}

void TurnToModule(SearchState& s, int mode) {
    for (int i = 1; i <= s.ItemCount; ++i) {
        if (!s.ItemTurnOn[i] || s.items.Len[i] == s.items.Wid[i])
            continue;
        const Coord dl = std::abs(s.items.Len[i] - s.ModuleDim), dw = std::abs(s.items.Wid[i] - s.ModuleDim);
        if (mode == 1 ? dw < dl : dl < dw)
            TurnItem(s, i);
    }
}

void TurnRandomGroups(PackWorkspace& ws, int /*mode*/) {
    int i = 1;
    while (i <= ws.ItemCount) {
        const int end = itemRunEnd(ws, i, [&](int f, int j) {
            return ws.ItemKind[j] == ws.ItemKind[f] && ws.items.Wid[j] == ws.items.Wid[f];
        });
        const int d = TurnClass(ws, i) == 2 ? ws.RandomBelow(2) : 0;
        if (d == 1)
            for (int x = i; x <= end; ++x)
                if (ws.ItemTurnOn[x])
                    TurnItem(ws, x);
        i = end + 1;
    }
}

void SplitTurn(PackWorkspace& ws, int a) {
    ws.GroupCount = 0;
    int i = 1;
    while (i <= ws.ItemCount) {
        const int end = itemRunEnd(ws, i, [&](int f, int j) { return ws.ItemKind[j] == ws.ItemKind[f]; });
        const std::int32_t k = end - i + 1;
        ws.GroupCount += 1;
        // The coin is only thrown for a turnable run of several items.
        if (TurnClass(ws, i) == 2 && k > 1 && ws.RandomBelow(2) == 1) {
            const bool alongX = ws.order.CornerDir != 2;
            const Coord per = alongX ? divOrZero(ws.CornerGapW[0], ws.items.Wid[i])
                                     : divOrZero(ws.CornerGapL[0], ws.items.Len[i]);
            const std::int32_t rows = per < a ? 0 : k / per;
            const Coord lanes = alongX ? divOrZero(ws.CornerGapL[0], ws.items.Len[i])
                                       : divOrZero(ws.CornerGapW[0], ws.items.Wid[i]);
            std::int32_t m = k == per ? 0 : std::min(lanes, rows);
            if (m > 0)
                m = ws.RandomBelow(m) + 1;
            const std::int64_t from =
                m > 0 ? std::int64_t(i) + std::int64_t(per) * m : i + ws.RandomBelow(k) + 1;
            if (from <= end)
                ws.GroupCount += 1;
            for (std::int64_t x = from; x <= end; ++x)
                if (ws.ItemTurnOn[x])
                    TurnItem(ws, int(x));
        }
        i = end + 1;
    }
}

void SortLinear(SearchState& s, float a, float b) {
    sortAllBy(s, [&](int i) { return (long double)a * s.items.Len[i] + (long double)b * s.items.Wid[i]; });
}

void SortLinearRun(SearchState& s, std::int16_t k, float a, float b) {
    sortAllBy(s, [&](int i) {
        return ((long double)a * s.items.Len[i] + (long double)b * s.items.Wid[i]) *
               ((long double)s.ItemRun[i] + k);
    });
}

void SortAreaRun(SearchState& s, std::int16_t k) {
    sortAllBy(s, [&](int i) {
        return (long double)s.items.Len[i] * s.items.Wid[i] * ((long double)s.ItemRun[i] + k);
    });
}

void SortArea(SearchState& s) {
    sortAllBy(s, [&](int i) { return (long double)s.items.Len[i] * s.items.Wid[i]; });
}

void SortLenRun(SearchState& s, std::int16_t k) {
    sortAllBy(s, [&](int i) { return (long double)s.items.Len[i] * ((long double)s.ItemRun[i] + k); });
}

void SortWidRun(SearchState& s, std::int16_t k) {
    sortAllBy(s, [&](int i) { return (long double)s.items.Wid[i] * ((long double)s.ItemRun[i] + k); });
}

void SortBy(SearchState& s, Extent a) {
    sortAllBy(s, [&](int i) { return (long double)extentOf(s, a, i); });
}

void SortBy2(SearchState& s, Extent a, Extent b) {
    SortBy(s, a);
    ItemArray<float> key;
    for (int i = 1; i <= s.ItemCount; ++i)
        key[i] = float(extentOf(s, b, i));
    int p = 1;
    while (p <= s.ItemCount) {
        int q = p;
        while (q < s.ItemCount && extentOf(s, a, s.order.Item[q + 1]) == extentOf(s, a, s.order.Item[p]))
            ++q;
        sortSpan(s, p, q, key);
        p = q + 1;
    }
}

void SortClass(SearchState& s) {
    sortAllBy(s, [&](int i) { return (long double)s.ItemClass[i]; });
}

void SortRowArea(SearchState& s, std::int16_t k) {
    sortAllBy(s, [&](int i) {
        long double key = (long double)s.items.Len[i] * s.items.Wid[i] * ((long double)s.ItemRun[i] + k);
        if (s.ItemClass[i] >= 0 && s.ItemClass[i] <= 4)
            key *= 0.00001L;
        else if (s.ItemClass[i] >= 5 && s.ItemClass[i] <= 9)
            key *= 0.001L;
        return key;
    });
}

void ShuffleRuns(PackWorkspace& ws) {
    ItemArray<float> key;
    int i = 1;
    while (i <= ws.ItemCount) {
        const int end = itemRunEnd(ws, i, [&](int f, int j) {
            return ws.ItemKind[j] == ws.ItemKind[f] && ws.items.Wid[j] == ws.items.Wid[f];
        });
        const float r = float(ws.RandomBelow(999));
        for (int x = i; x <= end; ++x)
            key[x] = r;
        i = end + 1;
    }
    sortSpan(ws, 1, ws.ItemCount, key);
}

void ShuffleByClass(PackWorkspace& ws, int mode) {
    ItemArray<float> key;
    int i = 1;
    while (i <= ws.ItemCount) {
        const int end = itemRunEnd(ws, i, [&](int f, int j) {
            return ws.ItemKind[j] == ws.ItemKind[f] && ws.items.Wid[j] == ws.items.Wid[f] &&
                   ws.ItemClass[j] == ws.ItemClass[f];
        });
        std::int32_t r;
        const std::int32_t c = ws.ItemClass[i];
        if (mode == 1)
            r = ws.RandomBelow(1000);
        else if (c >= 0 && c <= 4)
            r = ws.RandomBelow(100);
        else if (c >= 5 && c <= 9)
            r = 100 + ws.RandomBelow(100);
        else
            r = 200 + ws.RandomBelow(800);
        for (int x = i; x <= end; ++x)
            key[x] = float(r);
        i = end + 1;
    }
    sortSpan(ws, 1, ws.ItemCount, key);
}

void SwapAdjacentRuns(PackWorkspace& ws, int s) {
    const int n = ws.ItemCount;
    auto runEnd = [&](int p) {
        const int a = ws.order.Item[p];
        int q = p;
        while (q < n && ws.ItemKind[ws.order.Item[q + 1]] == ws.ItemKind[a] &&
               ws.items.Wid[ws.order.Item[q + 1]] == ws.items.Wid[a])
            ++q;
        return q;
    };
    int a0 = 1;
    while (a0 <= n) {
        const int a1 = runEnd(a0);
        if (a1 >= n)
            return;
        const int b1 = runEnd(a1 + 1);
        if (ws.RandomBelow(s + 1) == 0) {
            std::rotate(ws.order.Item.begin() + a0, ws.order.Item.begin() + a1 + 1,
                        ws.order.Item.begin() + b1 + 1);
            a0 = b1 + 1;
        } else {
            if (b1 + 1 >= n)
                return;
            a0 = a1 + 1;
        }
    }
}

void RandomSwaps(PackWorkspace& ws) {
    for (int t = 0; t < ws.ItemCount; ++t) {
        const std::int32_t u = ws.RandomBelow(ws.ItemCount);
        const std::int32_t v = ws.RandomBelow(ws.ItemCount);
        std::swap(ws.order.Item[v + 1], ws.order.Item[u + 1]);
    }
}

void SwapNeighbours(PackWorkspace& ws, int hit) {
    for (int p = 1; p <= ws.ItemCount - 1; ++p) {
        if (ws.ItemKind[ws.order.Item[p]] != ws.ItemKind[ws.order.Item[p + 1]] && ws.RandomBelow(4) == hit)
            std::swap(ws.order.Item[p], ws.order.Item[p + 1]);
    }
}

void SortByPosition(SearchState& s) {
    ItemArray<std::int64_t> key;
    for (int i = 1; i <= s.ItemCount; ++i) {
        const std::int64_t x = s.items.PosX[i], y = s.items.PosY[i];
        key[i] = s.SearchFillDir == 1   ? 10 * x + 2 * y
                 : s.SearchFillDir == 2 ? 10 * y + 2 * x
                                        : 6 * x + 6 * y;
    }
    sortSpan(s, 1, s.ItemCount, key, true);
}

} // namespace palvane
