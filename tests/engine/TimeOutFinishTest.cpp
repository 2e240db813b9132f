// A time-out that ends the search while containers are empty and boxes unplaced: the empty
// containers are filled by the quickest search before the plan is stored. Esc stops at once, and
// solves that end without a time-out are not touched. The clocks step, so every run is the same.
#include <gtest/gtest.h>

#include "FakeSearch.h"
#include "PlanEvaluation.h"
#include "RowChecks.h"
#include "SolvePipeline.h"
#include "TaskRowsFixtures.h"

#include <functional>
#include <memory>
#include <vector>

using namespace palvane;
using namespace palvane::testing;

namespace {

// Intensity, time budget and stop state of every search the optimiser starts.
struct SearchCall {
    std::int16_t intensity;
    double budget;
    bool stoppedBefore;
};

// The product's search, recording how it was called.
class RecordingSearch : public LayoutSearch {
public:
    void reset(PackWorkspace& ws) override { m_search->reset(ws); }
    void run(PackWorkspace& ws) override {
        calls.push_back({ws.SearchIntensity, ws.SearchTimeBudget, ws.StopFlag != 0});
        m_search->run(ws);
        if (afterRun)
            afterRun(ws);
    }
    std::vector<SearchCall> calls;
    std::function<void(PackWorkspace&)> afterRun;

private:
    std::unique_ptr<LayoutSearch> m_search = NewLayoutSearch();
};

// Six containers of two types and 160 boxes: every container is needed.
TaskRows sixContainers() {
    return taskRows({containerRow(1, 3, 2400, 1200, 5000), containerRow(2, 3, 2000, 1000, 5000)},
                    {boxRow(7, 60, 400, 300, 10), boxRow(8, 60, 300, 200, 8), boxRow(9, 40, 500, 250, 12)});
}

struct Solve {
    explicit Solve(TaskRows rows) : store(std::move(rows)) {}
    SolveOutcome run(const SolveSettings& s, MsClock& clock) {
        ws->clock = &clock;
        EngineServices services{store, store, messages, search};
        return SolveTask(*ws, store.rows.task.TaskID, s, services);
    }
    // Containers of the stored plan that stay empty while a box is unplaced that, alone, fits
    // their floor and weight limit.
    int emptyContainersThatCouldTakeABox() const {
        int n = 0;
        for (int j = 1; j <= ws->ContCount; ++j) {
            if (ws->ResultPlan.BoxLoad[j] != 0)
                continue;
            const int t = ws->ContType[j];
            for (int b = 1; b <= ws->BoxCount; ++b) {
                const int k = ws->BoxKind[b];
                if (ws->ResultPlan.ContNo[b] == 0 && ws->KindLength[k] <= ws->TypeLength[t] &&
                    ws->KindWidth[k] <= ws->TypeWidth[t] && ws->KindWeight[k] <= ws->TypeLoadWt[t]) {
                    ++n;
                    break;
                }
            }
        }
        return n;
    }

    std::unique_ptr<PackWorkspace> ws = newWorkspace();
    RecordingSearch search;
    MemoryTaskStore store;
    RecordingMessages messages;
};

SolveSettings timeLimited(std::int16_t seconds) {
    SolveSettings s;
    s.Power = 3;
    s.Time = seconds;
    s.Last = false;
    return s;
}

} // namespace

TEST(TimeOutFinish, FillsTheContainersATimeOutLeftEmpty) {
    Solve solve(sixContainers());
    SteppingClock clock(50.0);
    const SolveOutcome out = solve.run(timeLimited(2), clock);
    ASSERT_EQ(out.status, SolveStatus::Ok);
    EXPECT_TRUE(out.stopped);
    EXPECT_FALSE(out.aborted);

    // The time ran out in the first iteration, in the middle of the container order: the
    // searches after it are quick ones of the same rules.
    std::size_t quick = 0;
    while (quick < solve.search.calls.size() && !solve.search.calls[quick].stoppedBefore)
        ++quick;
    ASSERT_GE(quick, 1u);
    ASSERT_LT(quick, solve.search.calls.size()) << "the time-out left nothing to finish";
    for (std::size_t i = 0; i < solve.search.calls.size(); ++i) {
        const SearchCall& c = solve.search.calls[i];
        if (i < quick) {
            EXPECT_EQ(c.intensity, 3);
        } else {
            EXPECT_EQ(c.intensity, 0) << "search " << i;
            EXPECT_EQ(c.budget, 0.0) << "search " << i;
            EXPECT_TRUE(c.stoppedBefore);
        }
    }
    EXPECT_EQ(solve.ws->SearchRuns, static_cast<int>(solve.search.calls.size()));

    EXPECT_EQ(solve.emptyContainersThatCouldTakeABox(), 0);
    EXPECT_GT(solve.ws->ResultPlan.UsedConts, static_cast<int>(quick));
    // The stored rows are the finished plan, consistent and scored.
    const TaskRows& rows = solve.store.rows;
    expectConsistentRows(rows);
    EXPECT_EQ(static_cast<int>(solve.store.lastWrite.posit.size()), solve.ws->ResultPlan.PlacedBoxes);
    EXPECT_EQ(static_cast<int>(rows.solut.size()), solve.ws->ResultPlan.UsedConts);
    PackPlan rescored = solve.ws->ResultPlan;
    ScorePlan(*solve.ws, rescored);
    EXPECT_EQ(rescored.Score, solve.ws->ResultPlan.Score);
    EXPECT_GT(solve.ws->ResultPlan.Score, 0.0f);
}

TEST(TimeOutFinish, FinishedPlanHoldsAtLeastTheBoxesOfTheUnfinishedOne) {
    // The same time-out without the finishing pass would store the plan the first searches
    // made; the finished plan keeps those containers as they were and adds to them.
    Solve solve(sixContainers());
    SteppingClock clock(50.0);
    std::vector<std::int16_t> loadsAtTimeOut;
    solve.search.afterRun = [&](PackWorkspace& ws) {
        if (ws.StopFlag && loadsAtTimeOut.empty())
            loadsAtTimeOut.assign(ws.ResultPlan.BoxLoad.begin(), ws.ResultPlan.BoxLoad.end());
    };
    ASSERT_EQ(solve.run(timeLimited(2), clock).status, SolveStatus::Ok);
    ASSERT_FALSE(loadsAtTimeOut.empty());
    int before = 0;
    for (int j = 1; j <= solve.ws->ContCount; ++j) {
        const std::int16_t load = loadsAtTimeOut[static_cast<std::size_t>(j)];
        before += load;
        if (load != 0) {
            EXPECT_EQ(solve.ws->ResultPlan.BoxLoad[j], load) << "container " << j;
        }
    }
    EXPECT_GT(solve.ws->ResultPlan.PlacedBoxes, before);
}

TEST(TimeOutFinish, EscStopsAtOnceWithoutFinishing) {
    struct EscAtTick : ProgressSink {
        PackWorkspace* ws = nullptr;
        int ticks = 0;
        int escAt = 0;
        void processEvents() override {
            if (++ticks == escAt)
                ws->AbortFlag = 1;
        }
    } esc;
    Solve solve(sixContainers());
    SteppingClock clock(1.0);
    esc.ws = solve.ws.get();
    esc.escAt = 30;
    solve.ws->progress = &esc;
    const SolveOutcome out = solve.run(timeLimited(600), clock);
    ASSERT_EQ(out.status, SolveStatus::Ok);
    EXPECT_TRUE(out.stopped);
    EXPECT_TRUE(out.aborted);
    for (const SearchCall& c : solve.search.calls)
        EXPECT_EQ(c.intensity, 3);
    EXPECT_LT(solve.ws->ResultPlan.UsedConts, solve.ws->ContCount);
    EXPECT_LT(solve.ws->ResultPlan.PlacedBoxes, solve.ws->BoxCount);
    expectConsistentRows(solve.store.rows);
}

TEST(TimeOutFinish, SolvesWithoutTimeOutRunNoQuickSearch) {
    Solve solve(sixContainers());
    ManualClock still;
    SolveSettings s = timeLimited(600);
    s.Power = 1;
    const SolveOutcome out = solve.run(s, still);
    ASSERT_EQ(out.status, SolveStatus::Ok);
    EXPECT_FALSE(out.stopped);
    ASSERT_FALSE(solve.search.calls.empty());
    for (const SearchCall& c : solve.search.calls) {
        EXPECT_EQ(c.intensity, 1);
        EXPECT_FALSE(c.stoppedBefore);
    }
}

TEST(TimeOutFinish, ACompletePlanOrADroppedLastContainerIsLeftAlone) {
    // Each search takes 5 s on a clock moved by the stand-in search.
    ManualClock manual;
    auto ws = newWorkspace();
    const auto optimise = [&](const TaskRows& rows, std::int16_t seconds) {
        SolveSettings s;
        s.Time = seconds;
        prepareWorkspace(*ws, rows, s);
        ws->clock = &manual;
        RecomputeLoads(*ws, ws->StartPlan);
        CountPlacements(*ws, ws->StartPlan);
        EvaluatePlan(*ws, ws->StartPlan);
        FakeSearch fake;
        fake.clock = &manual;
        fake.msPerSearch = 5000;
        Optimise(*ws, fake);
        return fake.runs;
    };

    // Two containers where one takes everything: the time runs out after the first search, the
    // plan is complete and nothing is searched again.
    EXPECT_EQ(optimise(taskRows({containerRow(1, 2, 1000, 500, 900)}, {boxRow(5, 6, 300, 250, 10)}), 1), 1);
    EXPECT_EQ(ws->ResultPlan.PlacedBoxes, 6);
    EXPECT_EQ(ws->ResultPlan.UsedConts, 1);

    // Seven boxes and LastOff: the second container holds the seventh box alone and is dropped
    // as weak by the iteration; the finishing pass must not bring it back.
    EXPECT_EQ(optimise(taskRows({containerRow(1, 2, 1000, 500, 900)}, {boxRow(5, 7, 300, 250, 10)}), 9), 2);
    EXPECT_EQ(ws->ResultPlan.PlacedBoxes, 6);
    EXPECT_EQ(ws->ResultPlan.LastCont, 502);
}
