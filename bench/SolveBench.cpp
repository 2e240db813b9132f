// Whole solves at intensity 5: the sample task (5 containers of 3 types, 40 boxes of 4 kinds)
// and a large task (24 containers of 3 types, 1000 boxes of 20 kinds). Reports the seconds per
// solve and whether the solve ended by time-out.
#include <benchmark/benchmark.h>

#include "SolvePipeline.h"
#include "TaskRows.h"

#include <chrono>
#include <memory>

using namespace palvane;

namespace {

// One task held in memory; the write-back is kept but not stored anywhere.
class BenchRows : public TaskRowSource, public SolutionSink {
public:
    explicit BenchRows(TaskRows rows) : m_rows(std::move(rows)) {}
    RowsStatus readTask(std::int32_t, TaskRows& rows, std::string&) override
    {
        rows = m_rows;
        return RowsStatus::Ok;
    }
    RowsStatus replaceSolution(std::int32_t, const SolutionWrite& w, std::string&) override
    {
        placed = static_cast<int>(w.posit.size());
        return RowsStatus::Ok;
    }
    RowsStatus clearSolution(std::int32_t, const SolutionClear&, std::string&) override { return RowsStatus::Ok; }
    int placed = 0;

private:
    TaskRows m_rows;
};

class NoMessages : public EngineMessageSink {
public:
    void show(EngineMessage, const std::string&) override {}
};

TcRow container(std::int32_t id, const char* type, std::int16_t avail, std::int16_t length, std::int16_t width,
                std::int32_t loadWt, double cost, std::int32_t noseWt, std::int32_t tailWt, std::int16_t noseDL,
                std::int16_t tailDL)
{
    TcRow r;
    r.TypeID = id;
    r.Type = type;
    r.Avail = avail;
    r.Length = length;
    r.Width = width;
    r.LoadWt = loadWt;
    r.FillDir = "Length";
    r.Cost = cost;
    r.NoseWt = noseWt;
    r.TailWt = tailWt;
    r.NoseDL = noseDL;
    r.TailDL = tailDL;
    r.Wolume = double(length) * width;
    return r;
}

TbRow kind(std::int32_t id, std::int16_t total, std::int16_t length, std::int16_t width, std::int32_t weight,
           bool turnOn, double cost)
{
    TbRow r;
    r.KindID = id;
    r.Kind = "Kind " + std::to_string(id);
    r.Total = total;
    r.Length = length;
    r.Width = width;
    r.Weight = weight;
    r.TurnOn = turnOn;
    r.Cost = cost;
    r.Wolume = double(length) * width;
    return r;
}

TaskRows baseTask()
{
    TaskRows rows;
    rows.task.TaskID = 1;
    rows.task.TurnOn = true;
    rows.task.DefltOn = false;
    return rows;
}

// The sample task a new home folder starts with.
TaskRows sampleTask()
{
    TaskRows rows = baseTask();
    rows.tc = {container(1, "Semitrailer 13.6 m", 1, 13600, 2450, 24000, 950, 12000, 18000, 1100, 2600),
               container(2, "Truck 7.2 m", 2, 7200, 2450, 9000, 520, 5000, 7000, 600, 1900),
               container(3, "Van 4.2 m", 2, 4200, 2000, 1200, 260, 700, 900, 300, 900)};
    rows.tb = {kind(1, 18, 1200, 800, 400, true, 40), kind(2, 10, 1200, 1000, 600, true, 55),
               kind(3, 8, 800, 600, 200, true, 20), kind(4, 4, 1600, 1000, 500, false, 70)};
    return rows;
}

// 24 containers of 3 types and 1000 boxes of 20 kinds, about as much box area as floor area.
TaskRows largeTask()
{
    TaskRows rows = baseTask();
    rows.tc = {container(1, "Semitrailer 13.6 m", 8, 13600, 2450, 24000, 950, 12000, 18000, 1100, 2600),
               container(2, "Truck 7.2 m", 8, 7200, 2450, 9000, 520, 5000, 7000, 600, 1900),
               container(3, "Van 4.2 m", 8, 4200, 2000, 1200, 260, 700, 900, 300, 900)};
    const std::int16_t lengths[] = {1200, 1200, 800, 1000, 600, 1600, 1100, 900, 700, 1300};
    const std::int16_t widths[] = {800, 1000, 600, 1000, 400, 1000, 700, 500, 300, 600};
    for (int k = 0; k < 20; ++k) {
        const std::int16_t length = lengths[k % 10];
        const std::int16_t width = static_cast<std::int16_t>(widths[k % 10] - (k / 10) * 100);
        rows.tb.push_back(kind(k + 1, 50, length, width, 40 + 13 * k, k % 3 != 0, 10 + k));
    }
    return rows;
}

void solveBench(benchmark::State& state, TaskRows (*task)())
{
    BenchRows rows(task());
    NoMessages messages;
    const std::unique_ptr<LayoutSearch> search = NewLayoutSearch();
    EngineServices services{rows, rows, messages, *search};
    auto ws = std::make_unique<PackWorkspace>();
    SolveSettings settings; // intensity 5, 555 s, random line 1
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

BENCHMARK_CAPTURE(solveBench, sample_task, sampleTask)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(solveBench, large_24x1000, largeTask)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
