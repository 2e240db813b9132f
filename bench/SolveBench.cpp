// Whole solves at intensity 5: the sample task (5 containers of 3 types, 40 boxes of 4 kinds)
// and a large task (24 containers of 3 types, 1000 boxes of 20 kinds); and the large task at
// intensity 20 with a time limit it runs into. Reports the seconds per solve, whether the solve
// ended by time-out, the boxes placed and the containers used.
#include <benchmark/benchmark.h>

#include "BenchTasks.h"
#include "SolvePipeline.h"
#include "TaskRows.h"

#include <chrono>
#include <memory>

using namespace palvane;
using namespace palvane::bench_tasks;

namespace {

// One task held in memory; the write-back is kept but not stored anywhere.
class BenchRows : public TaskRowSource, public SolutionSink {
public:
    explicit BenchRows(TaskRows rows) : m_rows(std::move(rows)) {}
    RowsStatus readTask(std::int32_t, TaskRows& rows, std::string&) override {
        rows = m_rows;
        return RowsStatus::Ok;
    }
    RowsStatus replaceSolution(std::int32_t, const SolutionWrite& w, std::string&) override {
        placed = static_cast<int>(w.posit.size());
        return RowsStatus::Ok;
    }
    RowsStatus clearSolution(std::int32_t, const SolutionClear&, std::string&) override {
        return RowsStatus::Ok;
    }
    int placed = 0;

private:
    TaskRows m_rows;
};

class NoMessages : public EngineMessageSink {
public:
    void show(EngineMessage, const std::string&) override {}
};

void solveBench(benchmark::State& state, TaskRows (*task)(), std::int16_t intensity, std::int16_t timeLimit) {
    BenchRows rows(task());
    NoMessages messages;
    const std::unique_ptr<LayoutSearch> search = NewLayoutSearch();
    EngineServices services{rows, rows, messages, *search};
    auto ws = std::make_unique<PackWorkspace>();
    SolveSettings settings; // random line 1
    settings.Power = intensity;
    settings.Time = timeLimit;
    double seconds = 0;
    bool timedOut = false;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const SolveOutcome outcome = SolveTask(*ws, 1, settings, services);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        timedOut = outcome.stopped && !outcome.aborted;
        benchmark::DoNotOptimize(outcome.status);
    }
    state.counters["seconds_per_solve"] = seconds;
    state.counters["timed_out"] = timedOut ? 1 : 0;
    state.counters["placed"] = rows.placed;
    state.counters["containers_used"] = ws->ResultPlan.UsedConts;
    state.counters["searches"] = ws->SearchRuns;
}

} // namespace

BENCHMARK_CAPTURE(solveBench, sample_task, sampleTask, 5, 555)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK_CAPTURE(solveBench, large_24x1000, largeTask, 5, 555)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();
// Intensity 20 with a 30 s limit: the solve ends by time-out, before every container was searched.
BENCHMARK_CAPTURE(solveBench, large_24x1000_intensity_20_30s, largeTask, 20, 30)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();
