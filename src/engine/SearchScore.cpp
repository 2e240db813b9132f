// Scoring a pass and the signatures that recognise duplicate variants and orderings.

#include <array>
#include <cmath>

#include "ContainerSearch.h"
#include "EngineMath.h"

namespace palvane {

namespace {

constexpr long double kE = 1e-5L;

// a / b, or 0 when b is 0: a container or task total of zero contributes nothing instead of NaN.
long double ratioOrZero(long double a, long double b) {
    return b == 0 ? 0.0L : a / b;
}

// Length-to-width ratio of item j times its group key.
long double groupedRatio(const SearchState& s, int j) {
    RatioMemo& m = s.ratioMemo[j];
    if (m.len != s.items.Len[j] || m.wid != s.items.Wid[j] || m.key != s.ItemGroupKey[j])
        m = {s.items.Len[j], s.items.Wid[j], s.ItemGroupKey[j],
             ratioOrZero(s.items.Len[j], s.items.Wid[j]) * s.ItemGroupKey[j]};
    return m.value;
}

// Square roots of the item positions 0..kItemSlots-1, the same extended values std::sqrt gives.
const std::array<long double, kItemSlots>& positionRoots() {
    static const std::array<long double, kItemSlots> roots = [] {
        std::array<long double, kItemSlots> r{};
        for (int x = 0; x < kItemSlots; ++x)
            r[x] = std::sqrt((long double)x);
        return r;
    }();
    return roots;
}

} // namespace

void ScorePass(PackWorkspace& ws) {
    const float fillA = float(ws.pass.Wolume / ((long double)ws.SearchWolume + kE));
    const float fillW = float(ws.pass.Weight / ((long double)ws.SearchLoadWt + kE));
    const float fill =
        float((1.0L - ws.SearchWeightFactor) * fillA + (long double)ws.SearchWeightFactor * fillW);
    const float value = float(ws.pass.Cost / ((long double)ws.TotBoxCost + kE) *
                              (ratioOrZero(ws.TotBoxWolume, ws.SearchWolume) +
                               ws.TotBoxWeight / ((long double)ws.SearchLoadWt + kE)));
    const float economy =
        float(2.0L / (1.0L + (ws.SearchCost / ((long double)ws.TotContCost + kE)) /
                                 (ratioOrZero(ws.pass.Wolume, ws.TotContWolume) +
                                  ws.pass.Weight / ((long double)ws.TotCapacity + kE) + kE)));
    float s = float((1.0L - ws.SearchCostFactor) * fill +
                    (long double)ws.SearchCostFactor * (0.5L * economy + 0.5L * value));
    s = float((1.0L - ws.SearchLeftFactor) * s +
              (long double)ws.SearchLeftFactor * ratioOrZero(ws.pass.Count, ws.ItemCount));

    // Kinds (by number 1..KindRunCount) that have items both placed and left over.
    ItemArray<std::uint8_t> placed{}, unplaced{};
    for (int i = 1; i <= ws.ItemCount; ++i)
        (ws.items.Placed[i] == 1 ? placed : unplaced)[ws.ItemKind[i]] = 1;
    int split = 0;
    for (int k = 1; k <= ws.KindRunCount && k < kItemSlots; ++k)
        if (placed[k] && unplaced[k])
            ++split;
    s = float(s / (split * 0.2L * ws.SearchBindFactor + 1.0L));

    const long double factor =
        ws.Compactness == 0 ? 0.0L : std::pow((long double)ws.Compactness, (long double)ws.CompactPower);
    ws.SearchScore = float(s * factor);
}

std::int64_t VariantSignature(const SearchState& s) {
    std::int64_t sum = 0;
    for (int j = 1; j <= s.ItemCount; ++j)
        sum += NearestInt<std::int64_t>(groupedRatio(s, j));
    return sum;
}

RuleSignature OrderingSignature(const SearchState& s, bool rowsOnly) {
    RuleSignature sig;
    const auto& roots = positionRoots();
    for (int x = 1; x <= s.ItemCount && x < kItemSlots; ++x) {
        const int j = s.order.Item[x];
        if (rowsOnly && s.ItemClass[j] < 10)
            continue;
        const long double f = groupedRatio(s, j);
        sig.a += NearestInt<std::int64_t>(x * f);
        sig.b += NearestInt<std::int64_t>(roots[x] * f);
    }
    return sig;
}

} // namespace palvane
