// The Solve and rebuild pipelines over an in-memory task: preconditions, stored rows that agree
// with each other and with the plan, fixed containers through clearing and a new Solve,
// repeatability and a failed write-back.
#include <gtest/gtest.h>

#include "FakeSearch.h"
#include "RowChecks.h"
#include "SolvePipeline.h"
#include "TaskRowsFixtures.h"
#include "WriteBack.h"

using namespace palvane;
using namespace palvane::testing;

namespace {

TaskRows mixedTask() {
    TaskRows rows =
        taskRows({containerRow(11, 2, 1200, 800, 1000), containerRow(12, 2, 1000, 600, 700)},
                 {boxRow(21, 7, 300, 200, 40), boxRow(22, 5, 400, 300, 90), boxRow(23, 3, 250, 250, 20)});
    rows.task.solve.Last = false;
    return rows;
}

struct Pipeline {
    explicit Pipeline(TaskRows rows) : store(std::move(rows)) { ws->clock = &clock; }
    SolveOutcome solve(const SolveSettings& s) {
        EngineServices services{store, store, messages, search};
        return SolveTask(*ws, store.rows.task.TaskID, s, services);
    }
    RowsStatus clear() {
        ProgressSink silent;
        std::string error;
        return ClearSolution(store.rows.task.TaskID, store, store, messages, silent, error);
    }

    std::unique_ptr<PackWorkspace> ws = newWorkspace();
    ManualClock clock;
    FakeSearch search;
    MemoryTaskStore store;
    RecordingMessages messages;
};

} // namespace

TEST(SolveTask, RefusesTasksOutsideTheWorkspace) {
    Pipeline none(taskRows({}, {boxRow(21, 1, 100, 100, 1)}));
    EXPECT_EQ(none.solve({}).status, SolveStatus::NoContainers);
    Pipeline noBoxes(taskRows({containerRow(11, 1, 1000, 1000, 100)}, {}));
    EXPECT_EQ(noBoxes.solve({}).status, SolveStatus::NoBoxes);
    Pipeline many(taskRows({containerRow(11, 20, 1000, 1000, 100), containerRow(12, 5, 1000, 1000, 100)},
                           {boxRow(21, 1, 100, 100, 1)}));
    EXPECT_EQ(many.solve({}).status, SolveStatus::TooManyContainers);
    Pipeline boxes(taskRows({containerRow(11, 24, 1000, 1000, 100)},
                            {boxRow(21, 1000, 100, 100, 1), boxRow(22, 0, 100, 100, 1)}));
    EXPECT_EQ(boxes.solve({}).status, SolveStatus::TooManyBoxes);
    EXPECT_EQ(boxes.search.runs, 0);
    EXPECT_FALSE(boxes.store.rows.task.Solut);

    Pipeline ok(mixedTask());
    EngineServices services{ok.store, ok.store, ok.messages, ok.search};
    EXPECT_EQ(SolveTask(*ok.ws, 99, {}, services).status, SolveStatus::NoTask);
}

TEST(SolveTask, StoresConsistentRowsAndTheSettingsUsed) {
    Pipeline p(mixedTask());
    SolveSettings s = settingsFromTask(p.store.rows.task.solve);
    s.Qw = 20;
    s.Qg = 3;
    s.Time = 60;
    const SolveOutcome out = p.solve(s);
    ASSERT_EQ(out.status, SolveStatus::Ok);
    EXPECT_EQ(out.taskId, 1);
    EXPECT_FALSE(out.stopped);
    const TaskRows& rows = p.store.rows;
    EXPECT_TRUE(rows.task.Solut);
    EXPECT_EQ(rows.task.Date, TodayIsoDate());
    EXPECT_EQ(rows.task.solve.Qw, 320);
    EXPECT_EQ(rows.task.solve.Time, 60);
    ASSERT_FALSE(rows.solut.empty());
    expectConsistentRows(rows);
    // The stored rows are the plan the workspace holds.
    int placed = 0;
    for (const SolutRow& sr : rows.solut)
        for (const PositRow& pr : sr.posit) {
            ++placed;
            EXPECT_EQ(p.ws->ResultPlan.ContNo[pr.BoxNo], sr.ContNo);
            EXPECT_EQ(p.ws->ResultPlan.PosX[pr.BoxNo], pr.PosX);
            EXPECT_EQ(p.ws->ResultPlan.LoadNo[pr.BoxNo], pr.LoadNo);
        }
    EXPECT_EQ(placed, p.ws->ResultPlan.PlacedBoxes);
}

TEST(SolveTask, SameTaskAndSettingsGiveTheSameRows) {
    Pipeline a(mixedTask());
    Pipeline b(mixedTask());
    const SolveSettings s = settingsFromTask(a.store.rows.task.solve);
    ASSERT_EQ(a.solve(s).status, SolveStatus::Ok);
    ASSERT_EQ(b.solve(s).status, SolveStatus::Ok);
    const SolutionWrite& x = a.store.lastWrite;
    const SolutionWrite& y = b.store.lastWrite;
    ASSERT_EQ(x.posit.size(), y.posit.size());
    for (std::size_t i = 0; i < x.posit.size(); ++i) {
        EXPECT_EQ(x.posit[i].BoxNo, y.posit[i].BoxNo);
        EXPECT_EQ(x.posit[i].ContNo, y.posit[i].ContNo);
        EXPECT_EQ(x.posit[i].PosX, y.posit[i].PosX);
        EXPECT_EQ(x.posit[i].PosY, y.posit[i].PosY);
        EXPECT_EQ(x.posit[i].LoadNo, y.posit[i].LoadNo);
    }
    EXPECT_EQ(x.tcUsed, y.tcUsed);
    EXPECT_EQ(x.tbPlaced, y.tbPlaced);
    EXPECT_EQ(a.search.offered, b.search.offered);

    // Another random line may order the containers differently but keeps the rows consistent.
    SolveSettings other = s;
    other.Rand = 77;
    Pipeline c(mixedTask());
    ASSERT_EQ(c.solve(other).status, SolveStatus::Ok);
    expectConsistentRows(c.store.rows);
}

TEST(SolveTask, FailedWriteBackLeavesThePreviousSolution) {
    Pipeline p(mixedTask());
    const SolveSettings s = settingsFromTask(p.store.rows.task.solve);
    ASSERT_EQ(p.solve(s).status, SolveStatus::Ok);
    const TaskRows before = p.store.rows;
    ASSERT_FALSE(before.solut.empty());

    p.store.failWrites = true;
    SolveSettings other = s;
    other.Rand = 9;
    const SolveOutcome out = p.solve(other);
    EXPECT_EQ(out.status, SolveStatus::WriteFailed);
    EXPECT_FALSE(out.error.empty());
    EXPECT_EQ(p.store.rows.task.solve.Rand, before.task.solve.Rand);
    ASSERT_EQ(p.store.rows.solut.size(), before.solut.size());
    for (std::size_t i = 0; i < before.solut.size(); ++i) {
        EXPECT_EQ(p.store.rows.solut[i].ContNo, before.solut[i].ContNo);
        EXPECT_EQ(p.store.rows.solut[i].posit.size(), before.solut[i].posit.size());
    }
}

TEST(SolveTask, FixedContainersSurviveClearingAndTheNextSolve) {
    Pipeline p(mixedTask());
    const SolveSettings s = settingsFromTask(p.store.rows.task.solve);
    ASSERT_EQ(p.solve(s).status, SolveStatus::Ok);
    ASSERT_GE(p.store.rows.solut.size(), 2u);
    // Fix the last stored container and drop one box from it by hand, leaving a gap in its
    // loading numbers.
    SolutRow& fixed = p.store.rows.solut.back();
    const std::int32_t fixedType = fixed.TypeID;
    fixed.FixCont = true;
    ASSERT_GE(fixed.posit.size(), 2u);
    auto first =
        std::find_if(fixed.posit.begin(), fixed.posit.end(), [](const PositRow& r) { return r.LoadNo == 1; });
    ASSERT_NE(first, fixed.posit.end());
    fixed.posit.erase(first);
    for (DistrRow& d : fixed.distr)
        d.Placed = 0;
    for (const PositRow& r : fixed.posit)
        for (DistrRow& d : fixed.distr)
            d.Placed = static_cast<std::int16_t>(d.Placed + (d.KindID == r.KindID));
    fixed.BoxLoad = static_cast<std::int16_t>(fixed.posit.size());
    const SolutRow kept = fixed;

    ASSERT_EQ(p.clear(), RowsStatus::Ok);
    ASSERT_EQ(p.store.rows.solut.size(), 1u);
    EXPECT_FALSE(p.store.rows.task.Solut);
    for (const TcRow& r : p.store.rows.tc)
        EXPECT_EQ(r.Used, r.TypeID == fixedType ? 1 : 0);

    p.search.offered.clear();
    ASSERT_EQ(p.solve(s).status, SolveStatus::Ok);
    EXPECT_TRUE(p.messages.shown.empty());
    expectConsistentRows(p.store.rows);
    // The fixed container is now the first container of its type, with the same boxes in the
    // same places, numbered 1..n in the old order.
    int firstOfType = 0;
    for (int j = 1; j <= p.ws->ContCount && !firstOfType; ++j)
        if (p.ws->TypeID[p.ws->ContType[j]] == fixedType)
            firstOfType = j;
    const SolutRow* again = nullptr;
    for (const SolutRow& r : p.store.rows.solut)
        if (r.FixCont)
            again = &r;
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ContNo, firstOfType);
    EXPECT_EQ(std::count(p.search.offered.begin(), p.search.offered.end(), firstOfType), 0);
    ASSERT_EQ(again->posit.size(), kept.posit.size());
    std::vector<PositRow> oldOrder = kept.posit;
    std::sort(oldOrder.begin(), oldOrder.end(), [](auto& a, auto& b) { return a.LoadNo < b.LoadNo; });
    std::vector<PositRow> newOrder = again->posit;
    std::sort(newOrder.begin(), newOrder.end(), [](auto& a, auto& b) { return a.LoadNo < b.LoadNo; });
    for (std::size_t i = 0; i < oldOrder.size(); ++i) {
        EXPECT_EQ(newOrder[i].LoadNo, static_cast<int>(i) + 1);
        EXPECT_EQ(newOrder[i].PosX, oldOrder[i].PosX);
        EXPECT_EQ(newOrder[i].PosY, oldOrder[i].PosY);
        EXPECT_EQ(newOrder[i].KindID, oldOrder[i].KindID);
    }
}

TEST(RebuildStoredPlan, EqualsThePlanThatWasWritten) {
    Pipeline p(mixedTask());
    ASSERT_EQ(p.solve(settingsFromTask(p.store.rows.task.solve)).status, SolveStatus::Ok);
    const PackPlan written = p.ws->ResultPlan;
    auto viewer = newWorkspace();
    const SolveOutcome out = RebuildStoredPlan(*viewer, 1, p.store);
    ASSERT_EQ(out.status, SolveStatus::Ok);
    EXPECT_EQ(out.taskId, 1);
    const PackPlan& rebuilt = viewer->ResultPlan;
    EXPECT_EQ(rebuilt.ContNo, written.ContNo);
    EXPECT_EQ(rebuilt.LoadNo, written.LoadNo);
    EXPECT_EQ(rebuilt.PosX, written.PosX);
    EXPECT_EQ(rebuilt.PosY, written.PosY);
    EXPECT_EQ(rebuilt.PosLh, written.PosLh);
    EXPECT_EQ(rebuilt.PosWh, written.PosWh);
    for (int j = 1; j < kContSlots; ++j) {
        EXPECT_EQ(rebuilt.BoxLoad[j], written.BoxLoad[j]);
        EXPECT_EQ(rebuilt.WgtLoad[j], written.WgtLoad[j]);
        EXPECT_FLOAT_EQ(rebuilt.WolLoad[j], written.WolLoad[j]);
    }
    EXPECT_EQ(rebuilt.UsedConts, written.UsedConts);
    EXPECT_EQ(rebuilt.PlacedBoxes, written.PlacedBoxes);
    EXPECT_FLOAT_EQ(rebuilt.AreaEff, written.AreaEff);
    EXPECT_EQ(viewer->Intensity, 3); // settings are not applied
}
