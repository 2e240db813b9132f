// Container orders: the sort tables, the random orders and the refusal of repeated orders.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ContainerOrder.h"
#include "FakeSearch.h"
#include "TaskRowsFixtures.h"

using namespace palvane;
using namespace palvane::testing;

namespace {

void identityOrder(PackWorkspace& ws) {
    for (int j = 0; j <= ws.ContCount; ++j)
        ws.ContOrder[j] = static_cast<std::int16_t>(j);
}

std::vector<int> order(const PackWorkspace& ws) {
    return std::vector<int>(ws.ContOrder.begin() + 1, ws.ContOrder.begin() + ws.ContCount + 1);
}

std::vector<int> typeSequence(const PackWorkspace& ws) {
    std::vector<int> types;
    for (int p = 1; p <= ws.ContCount; ++p)
        types.push_back(ws.ContType[ws.ContOrder[p]]);
    return types;
}

// Three types: small cheap, large expensive, middle.
TaskRows threeTypes() {
    return taskRows({containerRow(1, 2, 1000, 500, 3000, "Length", 1),
                     containerRow(2, 1, 2000, 500, 1000, "Length", 9),
                     containerRow(3, 2, 1500, 500, 2000, "Length", 4)},
                    {boxRow(5, 5, 100, 50, 10)});
}

} // namespace

TEST(ContainerOrder, TypeOrderings) {
    EXPECT_EQ(TypeOrderings(0), 0);
    EXPECT_EQ(TypeOrderings(1), 1);
    EXPECT_EQ(TypeOrderings(3), 6);
    EXPECT_EQ(TypeOrderings(7), 5040);
    EXPECT_EQ(TypeOrderings(8), 12777);
    EXPECT_EQ(TypeOrderings(24), 12777);
}

TEST(ContainerOrder, MoveOrderEntryShiftsTheEntriesBetween) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({containerRow(1, 5, 1000, 500, 900)}, {boxRow(5, 1, 100, 50, 10)}));
    identityOrder(*ws);
    MoveOrderEntry(*ws, 2, 4);
    EXPECT_EQ(order(*ws), (std::vector<int>{1, 4, 2, 3, 5}));
    MoveOrderEntry(*ws, 3, 3);
    EXPECT_EQ(order(*ws), (std::vector<int>{1, 4, 2, 3, 5}));
}

TEST(ContainerOrder, SortsKeepTypesTogetherAndContainersInNumberOrder) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, threeTypes());
    identityOrder(*ws);
    SortByArea(*ws, 0, 0.0f); // largest area x area x count first: type 3 has two containers
    EXPECT_EQ(order(*ws), (std::vector<int>{4, 5, 3, 1, 2}));
    identityOrder(*ws);
    SortByCapacity(*ws, 0, 0.0f);
    EXPECT_EQ(order(*ws), (std::vector<int>{1, 2, 4, 5, 3}));
    identityOrder(*ws);
    SortByCost(*ws, 0, 0.0f); // smallest cost first
    EXPECT_EQ(order(*ws), (std::vector<int>{1, 2, 4, 5, 3}));
    // The drift key: with x at the small type's area, type 2's 1e6 x 5e5 beats type 3's
    // 7.5e5 x 2.5e5 x 2, and type 1 scores 0.
    identityOrder(*ws);
    SortByArea(*ws, 0, 500000.0f);
    EXPECT_EQ(typeSequence(*ws), (std::vector<int>{2, 3, 3, 1, 1}));
}

TEST(ContainerOrder, RandomOrdersFollowTheGenerator) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, threeTypes());
    identityOrder(*ws);
    ws->RandState = 77;
    ShuffleTypes(*ws);
    const std::vector<int> types = typeSequence(*ws);
    for (std::size_t p = 1; p < types.size(); ++p) {
        if (types[p] == types[p - 1])
            continue;
        for (std::size_t q = p + 1; q < types.size(); ++q)
            EXPECT_NE(types[q], types[p - 1]) << "a type's containers are split";
    }

    identityOrder(*ws);
    ws->RandState = 77;
    ShuffleContainers(*ws);
    std::uint32_t state = 77;
    std::vector<std::pair<int, int>> keyed; // (-key, container)
    for (int j = 1; j <= ws->ContCount; ++j)
        keyed.emplace_back(-RandomBelow(state, 999), j);
    std::stable_sort(keyed.begin(), keyed.end(), [](auto a, auto b) { return a.first < b.first; });
    std::vector<int> expected;
    for (auto [key, j] : keyed)
        expected.push_back(j);
    EXPECT_EQ(order(*ws), expected);
    EXPECT_EQ(ws->RandState, state);
}

TEST(ChooseOrder, FirstIterationUsesTheAreaTableRowZero) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, threeTypes());
    identityOrder(*ws);
    ws->Iteration = ws->Repeats = ws->Attempts = 0;
    ChooseOrder(*ws);
    auto expected = newWorkspace();
    prepareWorkspace(*expected, threeTypes());
    identityOrder(*expected);
    SortByArea(*expected, 25 * expected->MaxTypeAvail,
               static_cast<float>(expected->AvgContWolume / 100.0L * 20));
    EXPECT_EQ(order(*ws), order(*expected));
    EXPECT_EQ(ws->Attempts, 1);
    EXPECT_NE(ws->OrderSig1[0], 0);
}

TEST(ChooseOrder, CostAndWeightFactorsChooseTheirTables) {
    SolveSettings cost;
    cost.Qc = 50;
    auto ws = newWorkspace();
    prepareWorkspace(*ws, threeTypes(), cost);
    identityOrder(*ws);
    ChooseOrder(*ws);
    EXPECT_EQ(typeSequence(*ws).front(), 1); // cheapest first

    SolveSettings weight;
    weight.Qw = 50;
    prepareWorkspace(*ws, threeTypes(), weight);
    identityOrder(*ws);
    ws->Iteration = ws->Repeats = ws->Attempts = 0;
    ChooseOrder(*ws);
    auto expected = newWorkspace();
    prepareWorkspace(*expected, threeTypes(), weight);
    identityOrder(*expected);
    SortByCapacity(*expected, 25 * expected->MaxTypeAvail,
                   static_cast<float>(expected->AvgCapacity / 100.0L * 20));
    EXPECT_EQ(order(*ws), order(*expected));
}

TEST(ChooseOrder, TwoTypesShuffleContainersOnceBothTypeOrdersWereTried) {
    auto ws = newWorkspace();
    TaskRows rows = taskRows({containerRow(1, 2, 1000, 500, 900), containerRow(2, 2, 800, 500, 900)},
                             {boxRow(5, 5, 100, 50, 10)});
    prepareWorkspace(*ws, rows);
    identityOrder(*ws);
    ws->Iteration = 2;
    ws->Repeats = 0;
    ws->Attempts = 0;
    ws->RandState = 1234;
    // Signatures that can never match, so the order is accepted as new.
    ws->OrderSig1.fill(-1);
    ChooseOrder(*ws);

    auto expected = newWorkspace();
    prepareWorkspace(*expected, rows);
    identityOrder(*expected);
    expected->RandState = 1234;
    ShuffleContainers(*expected);
    EXPECT_EQ(order(*ws), order(*expected));
    EXPECT_EQ(ws->Iteration, 2);
}

TEST(ChooseOrder, SwappingContainersOfOneTypeIsARepeat) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, threeTypes());
    identityOrder(*ws);
    ws->Iteration = ws->Repeats = ws->Attempts = 0;
    ChooseOrder(*ws); // iteration 0
    const std::int32_t sig1 = ws->OrderSig1[0];
    const std::int32_t sig2 = ws->OrderSig2[0];
    // The same type sequence with containers 1 and 2 swapped has the same signatures.
    std::int32_t s1 = 0;
    std::int32_t s2 = 0;
    std::vector<int> swapped = order(*ws);
    std::iter_swap(std::find(swapped.begin(), swapped.end(), 1),
                   std::find(swapped.begin(), swapped.end(), 2));
    for (std::size_t p = 1; p <= swapped.size(); ++p) {
        const std::int32_t r = ws->TypeRandKey[ws->ContType[swapped[p - 1]]];
        s1 += std::int32_t(p) * r;
        s2 += std::int32_t(std::nearbyint(std::sqrt((long double)p) * r));
    }
    EXPECT_EQ(s1, sig1);
    EXPECT_EQ(s2, sig2);

    // Iteration 2's order, recorded as if an earlier iteration had tried it, is refused and
    // the next iteration's order is taken instead.
    auto probe = newWorkspace();
    prepareWorkspace(*probe, threeTypes());
    identityOrder(*probe);
    probe->Iteration = 2;
    probe->OrderSig1.fill(-1);
    ChooseOrder(*probe);
    identityOrder(*ws);
    ws->Iteration = 2;
    ws->Repeats = 0;
    ws->OrderSig1[0] = probe->OrderSig1[2];
    ws->OrderSig2[0] = probe->OrderSig2[2];
    ws->OrderSig1[1] = -1;
    const int attempts = ws->Attempts;
    ChooseOrder(*ws);
    EXPECT_GE(ws->Repeats, 1);
    EXPECT_EQ(ws->Iteration - ws->Repeats, 2);
    EXPECT_EQ(ws->Attempts, attempts + 1 + ws->Repeats);
    EXPECT_FALSE(ws->OrderSig1[2] == ws->OrderSig1[0] && ws->OrderSig2[2] == ws->OrderSig2[0]);
}

TEST(ChooseOrder, RepeatLoopEndsWhenTypesShareTheirRandomKey) {
    auto ws = newWorkspace();
    TaskRows rows = taskRows({containerRow(1, 2, 1000, 500, 900), containerRow(2, 2, 800, 500, 900)},
                             {boxRow(5, 5, 100, 50, 10)});
    prepareWorkspace(*ws, rows);
    ws->TypeRandKey[2] = ws->TypeRandKey[1]; // every order has the same signatures
    ws->Iteration = ws->Repeats = ws->Attempts = 0;
    for (int it = 0; it <= ws->IterationLimit; ++it) {
        identityOrder(*ws);
        ChooseOrder(*ws);
        ++ws->Iteration;
    }
    EXPECT_LE(ws->Attempts, 7 * ws->IterationLimit + ws->IterationLimit + 1);
}

TEST(ChooseOrder, EightTypesKeepUsingTheTables) {
    std::vector<TcRow> types;
    for (int t = 1; t <= 8; ++t)
        types.push_back(containerRow(t, 1, std::int16_t(1000 + 100 * (t % 3)), 500, 900));
    const TaskRows rows = taskRows(types, {boxRow(5, 5, 100, 50, 10)});
    auto ws = newWorkspace();
    prepareWorkspace(*ws, rows);
    ASSERT_GT(TypeOrderings(ws->TypeCount), 40);
    identityOrder(*ws);
    ws->Iteration = 2;
    ws->OrderSig1.fill(-1);
    const std::uint32_t state = ws->RandState;
    ChooseOrder(*ws);
    EXPECT_EQ(ws->RandState, state); // a table sort draws no random number

    auto expected = newWorkspace();
    prepareWorkspace(*expected, rows);
    identityOrder(*expected);
    const int pct = static_cast<int>(std::nearbyint(2.0L / expected->IterationLimit * 80));
    SortByArea(*expected, 0, static_cast<float>(expected->AvgContWolume / 100.0L * (pct + 20)));
    EXPECT_EQ(order(*ws), order(*expected));
}
