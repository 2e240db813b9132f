// The planning session on a real store: the checks before a Solve, Solve, Clear and the rebuild
// of the stored plan as both front ends run them, and the plan it hands out.
#include "PlanningSession.h"
#include "../../bench/BenchTasks.h"
#include "EngineRows.h"
#include "FakeSearch.h"
#include "Prompter.h"
#include "SessionFixture.h"
#include "TaskRowsFixtures.h"

#include <gtest/gtest.h>

using namespace palvane;
using namespace palvane::testing;

namespace {

class PlanningSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.store);
        session.setClock(&clock);
        session.setLayoutSearch(&search);
    }
    bool seed(const TaskRows& rows) { return test::seedTask(*db.store, rows); }
    TaskRows read(std::int32_t taskId = 1) {
        TaskRows rows;
        std::string error;
        EXPECT_EQ(EngineRows(*db.store).readTask(taskId, rows, error), RowsStatus::Ok) << error;
        return rows;
    }
    // Solves with every container kept, however poorly filled.
    SolveOutcome solve(std::int32_t taskId = 1) {
        SolveSettings settings;
        settings.Last = false;
        return session.solve(*db.store, taskId, settings, prompter, progress);
    }

    test::TempStore db;
    ManualClock clock;
    FakeSearch search;
    PlanningSession session;
    ScriptedPrompter prompter;
    ProgressSink progress;
};

// Two types, three kinds: the FakeSearch packs them on shelves.
TaskRows smallTask() {
    TaskRows rows =
        taskRows({containerRow(1, 2, 2000, 1000, 5000), containerRow(2, 1, 1000, 1000, 5000)},
                 {boxRow(1, 8, 500, 400, 10), boxRow(2, 3, 300, 300, 20), boxRow(3, 2, 400, 250, 5)});
    for (int i = 0; i < 3; ++i)
        rows.tb[std::size_t(i)].Mark = "M" + std::to_string(i + 1);
    return rows;
}

} // namespace

TEST_F(PlanningSessionTest, CheckReadsTheTaskItsSettingsAndItsLimits) {
    TaskRows rows = smallTask();
    rows.task.solve.Qw = 305; // weight factor 5, bind group factor 3
    rows.task.solve.BW = 7;
    rows.tb.push_back(boxRow(4, 1, 3000, 3000, 1)); // fits no container
    ASSERT_TRUE(seed(rows));

    const TaskCheck check = session.checkTask(*db.store, 1);
    EXPECT_TRUE(check.ok());
    EXPECT_FALSE(check.solved);
    EXPECT_EQ(check.taskSettings.Qw, 5);
    EXPECT_EQ(check.taskSettings.Qg, 3);
    EXPECT_EQ(check.taskSettings.BW, 7);
    EXPECT_EQ(check.taskSettings.Improve, 0);
    EXPECT_EQ(check.settings, check.taskSettings);
    EXPECT_EQ(check.kindsFittingNoContainer, std::vector<std::string>{"Kind4"});
    // The wall gap counts: with 301 on each side the 500 x 400 kind fits neither floor (398
    // wide) in either orientation.
    SolveSettings wide;
    wide.BW = 301;
    const TaskCheck withGap = session.checkTask(*db.store, 1, wide);
    EXPECT_EQ(withGap.kindsFittingNoContainer.size(), 2u);
    EXPECT_EQ(withGap.settings, wide);
    EXPECT_EQ(withGap.taskSettings.BW, 7);

    EXPECT_EQ(session.checkTask(*db.store, 99).read, RowsStatus::NoTask);
    EXPECT_FALSE(session.checkTask(*db.store, 99).ok());
}

TEST_F(PlanningSessionTest, CheckRefusesTasksBeyondTheLimitsOrWithoutRows) {
    // 25 containers, then 1001 boxes: one over each limit.
    TaskRows many = taskRows({containerRow(1, kMaxTaskContainers + 1, 2000, 1000, 5000)},
                             {boxRow(1, 1, 500, 400, 10)}, 1);
    TaskRows boxes = taskRows(
        {containerRow(2, 1, 2000, 1000, 5000)},
        {boxRow(2, kMaxTaskBoxes / 2, 100, 100, 1), boxRow(3, kMaxTaskBoxes / 2 + 1, 100, 100, 1)}, 2);
    TaskRows empty = taskRows({}, {}, 3);
    ASSERT_TRUE(seed(many));
    ASSERT_TRUE(seed(boxes));
    ASSERT_TRUE(seed(empty));
    EXPECT_EQ(session.checkTask(*db.store, 1).status, SolveStatus::TooManyContainers);
    EXPECT_EQ(session.checkTask(*db.store, 2).status, SolveStatus::TooManyBoxes);
    EXPECT_EQ(session.checkTask(*db.store, 3).status, SolveStatus::NoContainers);
    // Exactly at the limits is fine.
    ASSERT_TRUE(db.store->exec(QStringLiteral("UPDATE tc SET Avail = 24 WHERE TaskID = 1")));
    ASSERT_TRUE(db.store->exec(QStringLiteral("UPDATE tb SET Total = 500 WHERE TaskID = 2")));
    EXPECT_TRUE(session.checkTask(*db.store, 1).ok());
    EXPECT_TRUE(session.checkTask(*db.store, 2).ok());
    // A failed solve check leaves the workspace alone.
    EXPECT_EQ(solve(3).status, SolveStatus::NoContainers);
    EXPECT_EQ(session.taskId(), 0);
}

TEST_F(PlanningSessionTest, SolveStoresThePlanAndHoldsItsView) {
    ASSERT_TRUE(seed(smallTask()));
    const SolveOutcome outcome = solve();
    ASSERT_EQ(outcome.status, SolveStatus::Ok) << outcome.error;
    EXPECT_FALSE(outcome.elapsedText.empty());
    EXPECT_EQ(session.taskId(), 1);
    const PlanView& plan = session.plan();
    EXPECT_EQ(plan.taskId, 1);
    EXPECT_EQ(plan.boxCount, 13);

    // The view is the stored plan, box by box.
    const TaskRows stored = read();
    EXPECT_TRUE(stored.task.Solut);
    ASSERT_EQ(plan.containers.size(), stored.solut.size());
    int placed = 0;
    for (std::size_t i = 0; i < stored.solut.size(); ++i) {
        const SolutRow& row = stored.solut[i];
        const PlanContainerView& c = plan.containers[i];
        EXPECT_EQ(c.number, row.ContNo);
        EXPECT_EQ(c.typeId, row.TypeID);
        EXPECT_EQ(c.typeName, row.Type);
        EXPECT_EQ(int(c.boxes.size()), row.BoxLoad);
        EXPECT_EQ(c.loadWeight, row.WgtLoad);
        for (const PositRow& p : row.posit) {
            const auto box = std::find_if(c.boxes.begin(), c.boxes.end(),
                                          [&](const PlanBoxView& b) { return b.loadNo == p.LoadNo; });
            ASSERT_NE(box, c.boxes.end());
            EXPECT_EQ(box->kindId, p.KindID);
            EXPECT_EQ(box->x, p.PosX);
            EXPECT_EQ(box->y, p.PosY);
            EXPECT_EQ(box->length, p.PosLh);
            EXPECT_EQ(box->width, p.PosWh);
            EXPECT_EQ(box->mark, "M" + std::to_string(p.KindID));
            ++placed;
        }
    }
    EXPECT_EQ(placed, plan.placedBoxes);
}

TEST_F(PlanningSessionTest, RebuildLaysOutTheStoredPlanOnlyWhenAnotherIsHeld) {
    ASSERT_TRUE(seed(smallTask()));
    ASSERT_EQ(solve().status, SolveStatus::Ok);
    const PlanView solved = session.plan();

    // Holding the task: nothing is read.
    EXPECT_EQ(session.rebuild(*db.store, 1).status, SolveStatus::Ok);
    EXPECT_EQ(session.rebuildCount(), 0);

    session.forget();
    EXPECT_EQ(session.taskId(), 0);
    EXPECT_TRUE(session.plan().containers.empty());
    const SolveOutcome rebuilt = session.rebuild(*db.store, 1);
    ASSERT_EQ(rebuilt.status, SolveStatus::Ok);
    EXPECT_EQ(session.rebuildCount(), 1);
    EXPECT_EQ(session.taskId(), 1);
    // The stored plan reads back as it was made.
    const PlanView& plan = session.plan();
    ASSERT_EQ(plan.containers.size(), solved.containers.size());
    for (std::size_t i = 0; i < plan.containers.size(); ++i) {
        const PlanContainerView& a = plan.containers[i];
        const PlanContainerView& b = solved.containers[i];
        EXPECT_EQ(a.number, b.number);
        EXPECT_EQ(a.typeName, b.typeName);
        EXPECT_EQ(a.loadWeight, b.loadWeight);
        ASSERT_EQ(a.boxes.size(), b.boxes.size());
        for (std::size_t q = 0; q < a.boxes.size(); ++q) {
            EXPECT_EQ(a.boxes[q].kindId, b.boxes[q].kindId);
            EXPECT_EQ(a.boxes[q].x, b.boxes[q].x);
            EXPECT_EQ(a.boxes[q].y, b.boxes[q].y);
            EXPECT_EQ(a.boxes[q].turned, b.boxes[q].turned);
        }
    }
    EXPECT_EQ(plan.placedBoxes, solved.placedBoxes);
    EXPECT_EQ(plan.score, solved.score);

    // An unknown task leaves the held plan alone.
    EXPECT_EQ(session.rebuild(*db.store, 42).status, SolveStatus::NoTask);
    EXPECT_EQ(session.taskId(), 1);
}

TEST_F(PlanningSessionTest, ClearKeepsFixedContainersAndForgetsTheHeldPlan) {
    ASSERT_TRUE(seed(smallTask()));
    ASSERT_EQ(solve().status, SolveStatus::Ok);
    ASSERT_GE(read().solut.size(), 2u);
    ASSERT_TRUE(db.store->exec(QStringLiteral("UPDATE solut SET FixCont = 1 WHERE ContNo = 1")));
    std::string error;
    ASSERT_EQ(session.clear(*db.store, 1, prompter, progress, error), RowsStatus::Ok) << error;
    EXPECT_EQ(session.taskId(), 0);
    const TaskRows cleared = read();
    EXPECT_FALSE(cleared.task.Solut);
    ASSERT_EQ(cleared.solut.size(), 1u);
    EXPECT_TRUE(cleared.solut[0].FixCont);
    EXPECT_EQ(session.clear(*db.store, 42, prompter, progress, error), RowsStatus::NoTask);

    // Solving again keeps the fixed container with its boxes.
    ASSERT_EQ(solve().status, SolveStatus::Ok);
    const PlanContainerView* fixed = session.plan().container(cleared.solut[0].ContNo);
    ASSERT_NE(fixed, nullptr);
    EXPECT_TRUE(fixed->fixed);
    EXPECT_EQ(int(fixed->boxes.size()), cleared.solut[0].BoxLoad);
}

TEST_F(PlanningSessionTest, SolvedTaskIsSolvedAnewAndAFailedStoreKeepsTheOldSolution) {
    ASSERT_TRUE(seed(smallTask()));
    ASSERT_EQ(solve().status, SolveStatus::Ok);
    const TaskRows first = read();
    // A solved task is solved again as its clear would leave it.
    ASSERT_EQ(solve().status, SolveStatus::Ok);
    EXPECT_EQ(read().solut.size(), first.solut.size());

    // A read-only store refuses the plan: the solution stays and the session holds no plan it
    // could not store.
    const QString dir = db.dir.filePath(QStringLiteral("db"));
    db.store.reset();
    auto readOnly = Store::open(dir, StoreOpenMode::ExistingOnly, nullptr, StoreAccess::ReadOnly);
    ASSERT_TRUE(readOnly);
    const SolveOutcome refused = session.solve(*readOnly, 1, SolveSettings{}, prompter, progress);
    EXPECT_EQ(refused.status, SolveStatus::WriteFailed);
    readOnly.reset();
    db.store = Store::open(dir, StoreOpenMode::ExistingOnly);
    ASSERT_TRUE(db.store);
    EXPECT_EQ(session.taskId(), 0);
    EXPECT_TRUE(session.plan().containers.empty());
    EXPECT_TRUE(read().task.Solut);
}

TEST_F(PlanningSessionTest, AbortFlagIsTheSolvesStopSignal) {
    EXPECT_FALSE(session.abortRequested());
    session.requestAbort();
    EXPECT_TRUE(session.abortRequested());
    *session.abortFlag() = 0;
    EXPECT_FALSE(session.abortRequested());
}
