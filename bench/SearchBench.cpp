// Container search on fixed item sets of about 50, 200 and 1000 items: mixed kinds, turning
// allowed, intensity 5. Reports the time per search and the passes packed per second.

#include <benchmark/benchmark.h>

#include <memory>

#include "ContainerSearch.h"
#include "Workspace.h"

using namespace palvane;

namespace {

// A fixed item set of n items: kinds of 1..12 equal boxes, sides 20..120, two kinds in three
// turnable; delivered on a floor that holds about half of the items' area.
void deliver(PackWorkspace& ws, int n) {
    ResetSearch(ws);
    std::uint32_t state = 12345;
    long double area = 0;
    int kind = 0;
    while (ws.ItemCount < n) {
        ++kind;
        const Coord len = 20 + RandomBelow(state, 101);
        const Coord wid = 20 + RandomBelow(state, 101);
        const std::int32_t weight = 1 + RandomBelow(state, 200);
        const std::uint8_t turn = RandomBelow(state, 3) != 0 ? 1 : 0;
        const int count = 1 + RandomBelow(state, 12);
        for (int c = 0; c < count && ws.ItemCount < n; ++c) {
            const int i = ++ws.ItemCount;
            ws.ItemBox[i] = std::int16_t(i);
            ws.ItemKind[i] = std::int16_t(kind);
            ws.ItemRun[i] = std::int16_t(count);
            ws.items.Len[i] = len;
            ws.items.Wid[i] = wid;
            ws.ItemWeight[i] = weight;
            ws.ItemWolume[i] = float(len * wid);
            ws.ItemCost[i] = float(weight);
            ws.ItemTurnOn[i] = turn;
            area += (long double)len * wid;
        }
    }
    const Coord width = 250;
    const Coord length = Coord(area / 2 / width);
    ws.CornerGapL[0] = length;
    ws.CornerGapW[0] = width;
    ws.SearchWolume = float(length * width);
    ws.SearchLoadWt = 200 * n;
    ws.SearchNoseWt = 60 * n;
    ws.SearchTailWt = 80 * n;
    ws.NoseAxleX = 50;
    ws.TailAxleDist = 100;
    ws.SearchFillDir = 1;
    ws.TurnOverride = 0;
    ws.SearchIntensity = 5;
    ws.SearchSeed = 1;
    ws.SearchTimeBudget = 1e12;
    ws.TotBoxWolume = float(area);
    ws.TotBoxWeight = 100 * n;
    ws.TotBoxCost = 100.0f * n;
    ws.TotContWolume = ws.SearchWolume * 3;
    ws.TotCapacity = ws.SearchLoadWt * 3;
    ws.TotContCost = 3;
}

void SearchContainerBench(benchmark::State& state) {
    const int n = int(state.range(0));
    auto ws = std::make_unique<PackWorkspace>();
    std::int64_t passes = 0;
    int placed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        deliver(*ws, n);
        state.ResumeTiming();
        PrepareSearch(*ws);
        SearchContainer(*ws);
        passes += ws->PassTotal;
        placed = ws->pass.Count;
        benchmark::DoNotOptimize(ws->SearchScore);
    }
    state.counters["passes/search"] = benchmark::Counter(double(passes) / double(state.iterations()));
    state.counters["passes/s"] = benchmark::Counter(double(passes), benchmark::Counter::kIsRate);
    state.counters["placed"] = placed;
}

} // namespace

BENCHMARK(SearchContainerBench)->Arg(50)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);
