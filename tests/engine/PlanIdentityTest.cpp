// The plans of many tasks, solved by the real search, compared row by row with plans recorded
// earlier: every stored solut, distr and posit row, the counts of the task rows, the plan's
// score and efficiencies and the number of searches. Work on the search's speed must leave every
// value as it was. Floats are written in hexadecimal, so the comparison is bit for bit.
//
// Run the test executable with PALVANE_RECORD_PLANS=1 to record the references anew (only
// after a change that is meant to alter plans).

#include <gtest/gtest.h>

#include "../../bench/BenchTasks.h"
#include "FakeSearch.h"
#include "GeneratedTasks.h"
#include "SolvePipeline.h"
#include "TaskRowsFixtures.h"
#include "WriteBack.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace palvane;
using namespace palvane::testing;

namespace {

constexpr int kGeneratedTasks = 48;

std::string hex(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", v);
    return buf;
}

// The lines that describe one solve: outcome, plan summary and every stored row.
class PlanDump {
public:
    void add(const std::string& line) { lines.push_back(line); }

    void solve(const SolveSettings& s, const SolveOutcome& out, const PackWorkspace& ws,
               const SolutionWrite& w) {
        std::ostringstream o;
        o << "settings " << s.Power << ' ' << s.Time << ' ' << s.Rand << ' ' << s.Qw << ' ' << s.Qg << ' '
          << s.Qc << ' ' << s.Qr << ' ' << s.BB << ' ' << s.BW << ' ' << s.Last;
        add(o.str());
        add("outcome " + std::to_string(int(out.status)) + ' ' + std::to_string(out.stopped) + ' ' +
            std::to_string(out.aborted));
        const PackPlan& p = ws.ResultPlan;
        add("plan " + hex(p.Score) + ' ' + hex(p.AreaEff) + ' ' + hex(p.WeightEff) + ' ' + hex(p.UsedArea) +
            ' ' + hex(p.LoadedArea) + ' ' + hex(p.UsedCost) + ' ' + hex(p.LoadedCost) + ' ' +
            std::to_string(p.UsedConts) + ' ' + std::to_string(p.PlacedBoxes) + ' ' +
            std::to_string(p.LastCont) + ' ' + std::to_string(p.SplitCount) + ' ' +
            std::to_string(p.UsedCapacity) + ' ' + std::to_string(p.LoadedWeight));
        add("run " + std::to_string(ws.SearchRuns) + ' ' + std::to_string(ws.Iteration) + ' ' +
            std::to_string(ws.Repeats) + ' ' + std::to_string(ws.BestIteration));
        std::string used = "used";
        for (const auto& [id, n] : w.tcUsed)
            used += ' ' + std::to_string(id) + ':' + std::to_string(n);
        add(used);
        std::string placed = "placed";
        for (const auto& [id, n] : w.tbPlaced)
            placed += ' ' + std::to_string(id) + ':' + std::to_string(n);
        add(placed);
        for (const SolutRow& r : w.solut)
            add("solut " + std::to_string(r.ContNo) + ' ' + std::to_string(r.TypeID) + ' ' +
                std::to_string(r.BoxLoad) + ' ' + std::to_string(r.WgtLoad) + ' ' + hex(r.WolLoad) + ' ' +
                std::to_string(r.FixCont) + ' ' + hex(r.CostLoad) + ' ' + std::to_string(r.NoseLoad) + ' ' +
                std::to_string(r.TailLoad));
        for (const DistrRow& d : w.distr)
            add("distr " + std::to_string(d.ContNo) + ' ' + std::to_string(d.KindID) + ' ' +
                std::to_string(d.Placed));
        for (const PositRow& r : w.posit)
            add("posit " + std::to_string(r.ContNo) + ' ' + std::to_string(r.BoxNo) + ' ' +
                std::to_string(r.KindID) + ' ' + std::to_string(r.PosX) + ' ' + std::to_string(r.PosY) + ' ' +
                std::to_string(r.PosLh) + ' ' + std::to_string(r.PosWh) + ' ' + std::to_string(r.LoadNo));
    }

    std::vector<std::string> lines;
};

// Solves one task with the product's search and a clock that never moves, so no solve times out.
class Solver {
public:
    explicit Solver(TaskRows rows) : store(std::move(rows)) { ws->clock = &clock; }

    void solveInto(PlanDump& dump, const SolveSettings& settings) {
        EngineServices services{store, store, messages, *search};
        const SolveOutcome out = SolveTask(*ws, store.rows.task.TaskID, settings, services);
        ASSERT_EQ(out.status, SolveStatus::Ok);
        ASSERT_FALSE(out.stopped) << "a solve of the identity test timed out";
        dump.solve(settings, out, *ws, store.lastWrite);
    }

    // Fixes the first stored container, clears the rest and solves again.
    void fixFirstAndSolveAgainInto(PlanDump& dump, SolveSettings settings) {
        if (store.rows.solut.empty())
            return;
        store.fixContainer(store.rows.solut.front().ContNo);
        ProgressSink silent;
        std::string error;
        ASSERT_EQ(ClearSolution(store.rows.task.TaskID, store, store, messages, silent, error),
                  RowsStatus::Ok);
        settings.Rand = static_cast<std::int16_t>(settings.Rand + 1);
        dump.add("fixed " + std::to_string(store.rows.solut.size()));
        solveInto(dump, settings);
    }

    std::unique_ptr<PackWorkspace> ws = newWorkspace();
    ManualClock clock;
    std::unique_ptr<LayoutSearch> search = NewLayoutSearch();
    MemoryTaskStore store;
    RecordingMessages messages;
};

std::string referencePath(const std::string& file) {
    return std::string(PALVANE_SOURCE_DIR) + "/tests/engine/plans/" + file;
}

bool recording() {
    const char* v = std::getenv("PALVANE_RECORD_PLANS");
    return v && std::string(v) == "1";
}

// Cases of a reference file: "case NAME" opens one, the lines up to the next case belong to it.
std::map<std::string, std::vector<std::string>> readReference(const std::string& file) {
    std::map<std::string, std::vector<std::string>> cases;
    std::ifstream in(referencePath(file));
    std::string line;
    std::vector<std::string>* current = nullptr;
    while (std::getline(in, line)) {
        if (line.rfind("case ", 0) == 0)
            current = &cases[line.substr(5)];
        else if (current)
            current->push_back(line);
    }
    return cases;
}

// Compares each case's lines with the reference (or writes the reference when recording).
// Reports the first differing line of every case that differs.
void checkAgainstReference(const std::string& file,
                           const std::vector<std::pair<std::string, PlanDump>>& cases) {
    if (recording()) {
        std::ofstream out(referencePath(file));
        ASSERT_TRUE(out) << "cannot write " << referencePath(file);
        for (const auto& [name, dump] : cases) {
            out << "case " << name << '\n';
            for (const std::string& line : dump.lines)
                out << line << '\n';
        }
        return;
    }
    const auto reference = readReference(file);
    ASSERT_FALSE(reference.empty()) << "no reference plans in " << referencePath(file);
    EXPECT_EQ(reference.size(), cases.size());
    for (const auto& [name, dump] : cases) {
        const auto found = reference.find(name);
        ASSERT_NE(found, reference.end()) << "no reference for " << name;
        const std::vector<std::string>& expected = found->second;
        const std::size_t n = std::min(expected.size(), dump.lines.size());
        for (std::size_t i = 0; i < n; ++i) {
            if (expected[i] != dump.lines[i]) {
                ADD_FAILURE() << name << ", line " << i + 1 << ":\n  expected " << expected[i]
                              << "\n  actual   " << dump.lines[i];
                break;
            }
        }
        EXPECT_EQ(expected.size(), dump.lines.size()) << name;
    }
}

PlanDump solveBenchTask(TaskRows rows, std::int16_t intensity) {
    Solver solver(std::move(rows));
    SolveSettings settings;
    settings.Power = intensity;
    PlanDump dump;
    solver.solveInto(dump, settings);
    return dump;
}

} // namespace

TEST(PlanIdentity, GeneratedTasksKeepTheirRecordedPlans) {
    TaskGenerator generator(20261210);
    std::vector<std::pair<std::string, PlanDump>> cases;
    int placedSomewhere = 0, leftSomewhere = 0;
    for (int n = 0; n < kGeneratedTasks; ++n) {
        const GeneratedTask task = generator.next(n);
        Solver solver(task.rows);
        PlanDump dump;
        solver.solveInto(dump, task.settings);
        placedSomewhere += solver.ws->ResultPlan.PlacedBoxes > 0;
        leftSomewhere += solver.ws->ResultPlan.PlacedBoxes < solver.ws->BoxCount;
        if (task.fixAndResolve)
            solver.fixFirstAndSolveAgainInto(dump, task.settings);
        cases.emplace_back(task.name, std::move(dump));
    }
    // The set is only worth its name when it holds both plans that take everything and plans
    // that leave boxes over.
    EXPECT_GT(placedSomewhere, kGeneratedTasks / 2);
    EXPECT_GT(leftSomewhere, 2);
    checkAgainstReference("generated.txt", cases);
}

TEST(PlanIdentity, BenchmarkTasksKeepTheirRecordedPlans) {
    std::vector<std::pair<std::string, PlanDump>> cases;
    cases.emplace_back("sample_intensity_5", solveBenchTask(bench_tasks::sampleTask(), 5));
    cases.emplace_back("large_24x1000_intensity_1", solveBenchTask(bench_tasks::largeTask(), 1));
    checkAgainstReference("benchmark.txt", cases);
}

// The benchmark's own solve: 24 containers, 1000 boxes, intensity 5.
TEST(PlanIdentity, LargeBenchmarkTaskKeepsItsRecordedPlan) {
    std::vector<std::pair<std::string, PlanDump>> cases;
    cases.emplace_back("large_24x1000_intensity_5", solveBenchTask(bench_tasks::largeTask(), 5));
    checkAgainstReference("large_24x1000.txt", cases);
}
