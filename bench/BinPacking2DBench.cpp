// The classic 2D bin-packing instances (Berkey & Wang classes I-VI, Martello & Vigo classes
// VII-X; 500 instances, each oriented and with turning) solved as tasks: one container type of
// the bin's size with 24 available, the items as box kinds (equal items form one kind), turning
// as the variant allows, no gaps, weights or support limits, "Ignore Last Container" off so
// every box must be loaded. Only the instance-variants whose best known count leaves room in
// 24 containers are taken (best known count <= 22 by default, 788 instance-variants).
//
// Per class it reports the containers used by the search alone (intensity 5), by the search
// followed by the improvement stage, by a plain MaxRects best-short-side-fit packer (items by
// falling area, each into the first open bin where it fits), and the best known total.
//
// Environment:
//   PALVANE_2BP_DIR      folder with instances/ and bks/ (default: shared/benchmarks/2bp
//                        beside the source tree, or one level further up)
//   PALVANE_2BP_CLASSES  classes to run, e.g. "1,7" (default all)
//   PALVANE_2BP_COUNT    at most this many instances per class and n (default 10)
//   PALVANE_2BP_VARIANT  "o" oriented only, "r" turning only (default both)
//   PALVANE_2BP_IMPROVE  seconds of the improvement stage (default 1)
//   PALVANE_2BP_MAXBKS   largest best known count taken (default 22)
//   PALVANE_2BP_MOVES    the stage's moves, for comparisons: letters f (full re-packs),
//                        l (local search), g (best box per spot); default flg
#include <benchmark/benchmark.h>

#include "ImprovePlan.h"
#include "MaxRects.h"
#include "SolvePipeline.h"
#include "TaskRows.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace palvane;

namespace {

struct Item {
    int h = 0, w = 0;
};

struct Instance {
    int cls = 0, n = 0, number = 0; // number 1..10 within (class, n)
    int binH = 0, binW = 0;
    std::vector<Item> items;
};

std::string env(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : fallback;
}

std::string dataDir() {
    const std::string given = env("PALVANE_2BP_DIR", "");
    if (!given.empty())
        return given;
    // The shared folder sits beside the repository; a worktree may sit one level deeper.
    for (const char* up : {"/..", "/../.."}) {
        const std::string dir = std::string(PALVANE_SOURCE_DIR) + up + "/shared/benchmarks/2bp";
        if (std::ifstream(dir + "/instances/Class_01.2bp").good())
            return dir;
    }
    return std::string(PALVANE_SOURCE_DIR) + "/../shared/benchmarks/2bp";
}

// First integers of a line (labels after them are skipped).
std::vector<int> numbers(const std::string& line) {
    std::vector<int> out;
    std::istringstream in(line);
    int v = 0;
    while (in >> v)
        out.push_back(v);
    return out;
}

std::vector<Instance> readClass(int cls) {
    char name[64];
    std::snprintf(name, sizeof name, "/instances/Class_%02d.2bp", cls);
    std::ifstream in(dataDir() + name);
    std::vector<Instance> out;
    std::string line;
    std::vector<std::vector<int>> lines;
    while (std::getline(in, line)) {
        std::vector<int> v = numbers(line);
        if (!v.empty())
            lines.push_back(v);
    }
    std::size_t i = 0;
    std::map<int, int> seen;
    while (i + 4 <= lines.size()) {
        Instance inst;
        inst.cls = lines[i][0];
        inst.n = lines[i + 1][0];
        inst.binH = lines[i + 3][0];
        inst.binW = lines[i + 3].size() > 1 ? lines[i + 3][1] : inst.binH;
        i += 4;
        for (int k = 0; k < inst.n && i < lines.size(); ++k, ++i)
            inst.items.push_back({lines[i][0], lines[i].size() > 1 ? lines[i][1] : lines[i][0]});
        inst.number = ++seen[inst.n];
        out.push_back(inst);
    }
    return out;
}

// Best known counts by "class_n_number".
std::map<std::string, int> readBks(const char* file) {
    std::map<std::string, int> out;
    std::ifstream in(dataDir() + "/bks/" + file);
    std::string line;
    while (std::getline(in, line)) {
        const auto comma = line.find(',');
        const auto cls = line.find("Class_");
        if (comma == std::string::npos || cls == std::string::npos)
            continue;
        int c = 0, n = 0, k = 0;
        if (std::sscanf(line.c_str() + cls, "Class_%d.2bp_%d_%d", &c, &n, &k) != 3)
            continue;
        out[std::to_string(c) + "_" + std::to_string(n) + "_" + std::to_string(k)] =
            std::atoi(line.c_str() + comma + 1);
    }
    return out;
}

TaskRows taskOf(const Instance& inst, bool turn) {
    TaskRows rows;
    rows.task.TaskID = 1;
    rows.task.TurnOn = turn;
    rows.task.DefltOn = false;
    TcRow bin;
    bin.TypeID = 1;
    bin.Type = "Bin";
    bin.Avail = 24;
    bin.Length = std::int16_t(inst.binH);
    bin.Width = std::int16_t(inst.binW);
    bin.LoadWt = 1000;
    bin.FillDir = "Length";
    bin.Wolume = double(inst.binH) * inst.binW;
    rows.tc.push_back(bin);
    std::map<std::pair<int, int>, int> kinds;
    std::vector<std::pair<int, int>> order;
    for (const Item& it : inst.items) {
        if (kinds[{it.h, it.w}]++ == 0)
            order.push_back({it.h, it.w});
    }
    int id = 0;
    for (const auto& [h, w] : order) {
        TbRow k;
        k.KindID = ++id;
        k.Kind = "Item " + std::to_string(h) + "x" + std::to_string(w);
        k.Total = std::int16_t(kinds[{h, w}]);
        k.Length = std::int16_t(h);
        k.Width = std::int16_t(w);
        k.TurnOn = turn;
        k.Wolume = double(h) * w;
        rows.tb.push_back(k);
    }
    return rows;
}

class MemoryRows : public TaskRowSource, public SolutionSink {
public:
    explicit MemoryRows(TaskRows rows) : m_rows(std::move(rows)) {}
    RowsStatus readTask(std::int32_t, TaskRows& rows, std::string&) override {
        rows = m_rows;
        return RowsStatus::Ok;
    }
    RowsStatus replaceSolution(std::int32_t, const SolutionWrite&, std::string&) override {
        return RowsStatus::Ok;
    }
    RowsStatus clearSolution(std::int32_t, const SolutionClear&, std::string&) override {
        return RowsStatus::Ok;
    }

private:
    TaskRows m_rows;
};

class NoMessages : public EngineMessageSink {
public:
    void show(EngineMessage, const std::string&) override {}
};

// Plain MaxRects best-short-side-fit: items by falling area (then longer side), each into the
// first open bin where it fits, a new bin when none holds it.
int maxRectsBins(const Instance& inst, bool turn) {
    std::vector<Item> items = inst.items;
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        const int aa = a.h * a.w, ba = b.h * b.w;
        return aa != ba ? aa > ba : std::max(a.h, a.w) > std::max(b.h, b.w);
    });
    std::vector<MaxRectsFloor> bins;
    std::int64_t work = 0;
    for (const Item& it : items) {
        bool placed = false;
        for (MaxRectsFloor& f : bins) {
            const FitCandidate c = f.find(it.h, it.w, turn, FitRule::ShortSide, work);
            if (c.found) {
                f.place(c);
                placed = true;
                break;
            }
        }
        if (!placed) {
            bins.emplace_back();
            bins.back().reset(inst.binH, inst.binW);
            const FitCandidate c = bins.back().find(it.h, it.w, turn, FitRule::ShortSide, work);
            if (!c.found)
                return 1000000; // an item larger than the bin
            bins.back().place(c);
        }
    }
    return int(bins.size());
}

// What is wrong with a plan: boxes left unplaced, or a container that breaks a rule; empty when
// the plan places every box, inside the floor, without overlaps, within the rules.
std::string planProblem(const PackWorkspace& ws, const PackPlan& plan) {
    if (plan.PlacedBoxes != ws.BoxCount)
        return std::to_string(ws.BoxCount - plan.PlacedBoxes) + " boxes unplaced";
    for (int j = 1; j <= ws.ContCount; ++j) {
        const std::string problem = ContainerLayoutProblem(ws, plan, j);
        if (!problem.empty())
            return problem;
    }
    return std::string();
}

struct Totals {
    int instances = 0, bks = 0, search = 0, improved = 0, maxRects = 0;
    int worse = 0, invalid = 0;
    double searchSeconds = 0, improveSeconds = 0;
    std::int64_t work = 0;
    void add(const Totals& o) {
        instances += o.instances;
        bks += o.bks;
        search += o.search;
        improved += o.improved;
        maxRects += o.maxRects;
        worse += o.worse;
        invalid += o.invalid;
        searchSeconds += o.searchSeconds;
        improveSeconds += o.improveSeconds;
        work += o.work;
    }
};

std::map<int, Totals>& table() {
    static std::map<int, Totals> t;
    return t;
}

void printTable() {
    std::fprintf(stderr, "\n%-6s %9s %8s %8s %9s %8s %6s %7s\n", "class", "instances", "search", "improve",
                 "maxrects", "bks", "worse", "invalid");
    Totals total;
    for (const auto& [cls, t] : table()) {
        std::fprintf(stderr, "%-6d %9d %8d %8d %9d %8d %6d %7d\n", cls, t.instances, t.search, t.improved,
                     t.maxRects, t.bks, t.worse, t.invalid);
        total.add(t);
    }
    std::fprintf(stderr, "%-6s %9d %8d %8d %9d %8d %6d %7d\n", "total", total.instances, total.search,
                 total.improved, total.maxRects, total.bks, total.worse, total.invalid);
    if (total.bks > 0)
        std::fprintf(
            stderr, "improve vs best known: %+.2f %%; search %.0f s (wall), improvement %.1f s (processor)\n",
            100.0 * (total.improved - total.bks) / total.bks, total.searchSeconds, total.improveSeconds);
    if (total.improveSeconds > 0)
        std::fprintf(stderr, "work units per processor second: %.0f million\n",
                     double(total.work) / total.improveSeconds / 1e6);
}

bool classWanted(int cls) {
    const std::string list = env("PALVANE_2BP_CLASSES", "");
    if (list.empty())
        return true;
    std::istringstream in(list);
    std::string part;
    while (std::getline(in, part, ','))
        if (std::atoi(part.c_str()) == cls)
            return true;
    return false;
}

void binPacking2D(benchmark::State& state) {
    const int cls = int(state.range(0));
    if (!classWanted(cls)) {
        state.SkipWithError("class not selected (PALVANE_2BP_CLASSES)");
        for (auto _ : state) {
        }
        return;
    }
    const int perGroup = std::atoi(env("PALVANE_2BP_COUNT", "10").c_str());
    const std::string variant = env("PALVANE_2BP_VARIANT", "or");
    const int improveSeconds = std::atoi(env("PALVANE_2BP_IMPROVE", "1").c_str());
    const int maxBks = std::atoi(env("PALVANE_2BP_MAXBKS", "22").c_str());
    const std::string moveLetters = env("PALVANE_2BP_MOVES", "flg");
    ImproveMoves moves;
    moves.fullRepacks = moveLetters.find('f') != std::string::npos;
    moves.localSearch = moveLetters.find('l') != std::string::npos;
    moves.globalFits = moveLetters.find('g') != std::string::npos;
    const std::map<std::string, int> bksO = readBks("bks_oriented_2BP_O_F.csv");
    const std::map<std::string, int> bksR = readBks("bks_rotation_2BP_R_F.csv");
    const std::vector<Instance> instances = readClass(cls);

    Totals t;
    NoMessages messages;
    const std::unique_ptr<LayoutSearch> search = NewLayoutSearch();
    auto ws = std::make_unique<PackWorkspace>();
    SolveSettings settings;
    settings.Last = false;
    for (auto _ : state) {
        t = Totals{};
        for (const Instance& inst : instances) {
            if (inst.number > perGroup)
                continue;
            for (const bool turn : {false, true}) {
                if (variant.find(turn ? 'r' : 'o') == std::string::npos)
                    continue;
                const auto& bks = turn ? bksR : bksO;
                const auto found = bks.find(std::to_string(inst.cls) + "_" + std::to_string(inst.n) + "_" +
                                            std::to_string(inst.number));
                if (found == bks.end() || found->second > maxBks)
                    continue;
                MemoryRows rows(taskOf(inst, turn));
                EngineServices services{rows, rows, messages, *search};
                const auto s0 = std::chrono::steady_clock::now();
                SolveTask(*ws, 1, settings, services);
                const auto s1 = std::chrono::steady_clock::now();
                const std::clock_t c1 = std::clock();
                const int searchBins = ws->ResultPlan.UsedConts;
                const std::string searchProblem = planProblem(*ws, ws->ResultPlan);
                // Work units only: the benchmark's counts do not depend on the machine's load.
                const ImproveReport report =
                    ImprovePlanWork(*ws, std::int64_t(improveSeconds) * kImproveWorkPerSecond, 1e12, moves);
                const std::clock_t c2 = std::clock();
                const int improvedBins = ws->ResultPlan.UsedConts;
                const std::string improvedProblem = planProblem(*ws, ws->ResultPlan);
                for (const std::string* p : {&searchProblem, &improvedProblem})
                    if (!p->empty())
                        std::fprintf(stderr, "class %d n %d instance %d %s, %s: %s\n", inst.cls, inst.n,
                                     inst.number, turn ? "turning" : "oriented",
                                     p == &searchProblem ? "search" : "improved", p->c_str());
                const bool valid = searchProblem.empty() && improvedProblem.empty();
                ++t.instances;
                t.bks += found->second;
                t.search += searchBins;
                t.improved += improvedBins;
                t.maxRects += maxRectsBins(inst, turn);
                t.worse += improvedBins > searchBins ? 1 : 0;
                t.invalid += valid ? 0 : 1;
                t.searchSeconds += std::chrono::duration<double>(s1 - s0).count();
                t.improveSeconds += double(c2 - c1) / CLOCKS_PER_SEC;
                t.work += report.work;
            }
        }
    }
    table()[cls] = t;
    state.counters["instances"] = t.instances;
    state.counters["search"] = t.search;
    state.counters["improve"] = t.improved;
    state.counters["maxrects"] = t.maxRects;
    state.counters["bks"] = t.bks;
    state.counters["worse"] = t.worse;
    state.counters["invalid"] = t.invalid;
    printTable();
}

} // namespace

BENCHMARK(binPacking2D)
    ->Name("binPacking2D/class")
    ->DenseRange(1, 10)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();
