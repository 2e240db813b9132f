// Whole solves with the product's layout search on real table files: the sample task, repeatable
// rows, the rebuilt plan, fixed containers through clearing, a failed write-back, the last
// container options, iteration limits, time-out and abort.
#include "CoreApp.h"
#include "DatabaseAliases.h"
#include "EngineRows.h"
#include "FakeSearch.h"
#include "Progress.h"
#include "RowChecks.h"
#include "SolvePipeline.h"
#include "Store.h"
#include "TaskRowsFixtures.h"
#include "TestServer.h"
#include "WriteBack.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using namespace palvane;
using namespace palvane::testing;

namespace {

class SolveEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApp();
        HomeFolder home(m_tmp.path());
        QString error;
        ASSERT_TRUE(test::prepareTestDatabases(home, &error)) << error.toStdString();
        m_store = Store::open(test::homeAliases(home).directory(MainDatabase), StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(m_store);
        m_rows = std::make_unique<EngineRows>(*m_store);
        m_search = NewLayoutSearch();
        ASSERT_TRUE(m_search);
    }

    SolveOutcome solve(const SolveSettings& settings, std::int32_t taskId = 1) {
        EngineServices services{*m_rows, *m_rows, m_messages, *m_search};
        return SolveTask(*ws, taskId, settings, services);
    }
    SolveSettings taskSettings(std::int32_t taskId = 1) { return settingsFromTask(read(taskId).task.solve); }
    TaskRows read(std::int32_t taskId = 1) {
        TaskRows rows;
        std::string error;
        EXPECT_EQ(m_rows->readTask(taskId, rows, error), RowsStatus::Ok) << error;
        return rows;
    }
    RowsStatus clear() {
        ProgressSink silent;
        std::string error;
        return ClearSolution(1, *m_rows, *m_rows, m_messages, silent, error);
    }
    bool exec(const QString& sql) { return m_store->exec(sql); }
    // Every insert into posit fails, as on a full disk.
    bool failPositInserts() {
        return test::injectFailure(*m_store, QStringLiteral("refuse"), Table::Posit, QStringLiteral("INSERT"),
                                   QString(), QStringLiteral("disk full"));
    }

    QTemporaryDir m_tmp;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<EngineRows> m_rows;
    std::unique_ptr<LayoutSearch> m_search;
    RecordingMessages m_messages;
    std::unique_ptr<PackWorkspace> ws = std::make_unique<PackWorkspace>();
};

std::vector<std::vector<int>> positRows(const TaskRows& rows) {
    std::vector<std::vector<int>> all;
    for (const SolutRow& s : rows.solut)
        for (const PositRow& p : s.posit)
            all.push_back({p.ContNo, p.BoxNo, p.KindID, p.PosX, p.PosY, p.PosLh, p.PosWh, p.LoadNo});
    return all;
}

} // namespace

TEST_F(SolveEndToEnd, SampleTaskGivesAValidConsistentPlan) {
    const SolveOutcome out = solve(taskSettings());
    ASSERT_EQ(out.status, SolveStatus::Ok) << out.error;
    EXPECT_FALSE(out.stopped);
    const TaskRows rows = read();
    EXPECT_TRUE(rows.task.Solut);
    EXPECT_EQ(rows.task.Date, TodayIsoDate());
    ASSERT_FALSE(rows.solut.empty());
    expectConsistentRows(rows);
    expectValidGeometry(rows);
    // The stored rows are the plan in the workspace, and a new user's first plan is complete.
    EXPECT_EQ(static_cast<int>(positRows(rows).size()), ws->ResultPlan.PlacedBoxes);
    EXPECT_EQ(ws->ResultPlan.PlacedBoxes, ws->BoxCount);
    for (const TbRow& r : rows.tb)
        EXPECT_EQ(r.Placed, r.Total) << r.Kind;
    for (const SolutRow& s : rows.solut) {
        EXPECT_EQ(s.BoxLoad, ws->ResultPlan.BoxLoad[s.ContNo]);
        EXPECT_EQ(s.NoseLoad, ws->ResultPlan.NoseLoad[s.ContNo]);
        EXPECT_EQ(s.NoseLoad + s.TailLoad, s.WgtLoad);
        EXPECT_FALSE(s.FixCont);
        for (const PositRow& p : s.posit)
            EXPECT_EQ(ws->ResultPlan.ContNo[p.BoxNo], s.ContNo);
    }
}

TEST_F(SolveEndToEnd, SameTaskAndSettingsGiveTheSameRowsTwice) {
    const SolveSettings s = taskSettings();
    ASSERT_EQ(solve(s).status, SolveStatus::Ok);
    const auto first = positRows(read());
    ASSERT_EQ(clear(), RowsStatus::Ok);
    ASSERT_EQ(solve(s).status, SolveStatus::Ok);
    EXPECT_EQ(positRows(read()), first);
}

TEST_F(SolveEndToEnd, RebuiltStoredPlanEqualsTheWrittenPlan) {
    ASSERT_EQ(solve(taskSettings()).status, SolveStatus::Ok);
    const PackPlan written = ws->ResultPlan;
    auto viewer = std::make_unique<PackWorkspace>();
    const SolveOutcome out = RebuildStoredPlan(*viewer, 1, *m_rows);
    ASSERT_EQ(out.status, SolveStatus::Ok);
    const PackPlan& rebuilt = viewer->ResultPlan;
    EXPECT_EQ(rebuilt.ContNo, written.ContNo);
    EXPECT_EQ(rebuilt.LoadNo, written.LoadNo);
    EXPECT_EQ(rebuilt.PosX, written.PosX);
    EXPECT_EQ(rebuilt.PosY, written.PosY);
    EXPECT_EQ(rebuilt.PosLh, written.PosLh);
    EXPECT_EQ(rebuilt.PosWh, written.PosWh);
    // Element 0 (the unplaced boxes) is never stored; the optimiser's plan keeps the count of
    // its start there.
    for (int j = 1; j < kContSlots; ++j) {
        EXPECT_EQ(rebuilt.BoxLoad[j], written.BoxLoad[j]);
        EXPECT_EQ(rebuilt.WgtLoad[j], written.WgtLoad[j]);
        EXPECT_FLOAT_EQ(rebuilt.WolLoad[j], written.WolLoad[j]);
    }
    EXPECT_EQ(rebuilt.UsedConts, written.UsedConts);
    EXPECT_EQ(rebuilt.PlacedBoxes, written.PlacedBoxes);
    EXPECT_FLOAT_EQ(rebuilt.AreaEff, written.AreaEff);
    EXPECT_FLOAT_EQ(rebuilt.WeightEff, written.WeightEff);
}

TEST_F(SolveEndToEnd, LastOffDropsTheLastContainerAndReportsItsBoxesAsLeft) {
    SolveSettings s = taskSettings();
    ASSERT_FALSE(s.Last); // the sample task loads every box on its first Solve
    s.Last = true;        // ignoring a poorly filled last container leaves its boxes
    ASSERT_EQ(solve(s).status, SolveStatus::Ok);
    const PackPlan& plan = ws->ResultPlan;
    ASSERT_GT(plan.LastCont, 500);
    const int dropped = plan.LastCont - 500;
    EXPECT_EQ(plan.BoxLoad[dropped], 0);
    EXPECT_LT(plan.PlacedBoxes, ws->BoxCount);
    EXPECT_EQ(ws->KindPlaced[0], ws->BoxCount - plan.PlacedBoxes);
    const TaskRows rows = read();
    for (const SolutRow& r : rows.solut)
        EXPECT_NE(r.ContNo, dropped);
    int left = 0;
    for (const TbRow& r : rows.tb)
        left += r.Total - r.Placed;
    EXPECT_EQ(left, ws->BoxCount - plan.PlacedBoxes);

    // Without the option every box finds a container.
    ASSERT_EQ(clear(), RowsStatus::Ok);
    s.Last = false;
    ASSERT_EQ(solve(s).status, SolveStatus::Ok);
    EXPECT_EQ(ws->ResultPlan.PlacedBoxes, ws->BoxCount);
    EXPECT_LT(ws->ResultPlan.LastCont, 500);
    expectConsistentRows(read());
    EXPECT_FALSE(read().task.solve.Last);
}

TEST_F(SolveEndToEnd, IterationsStayWithinTheLimitAndNeverRepeatAnOrder) {
    SolveSettings s = taskSettings();
    s.Last = false;
    s.Power = 3;
    ASSERT_EQ(solve(s).status, SolveStatus::Ok);
    // The sample has 3 types (1, 2 and 2 containers): 30 type sequences, limit max(3, 2) = 3.
    EXPECT_EQ(ws->IterationLimit, 3);
    EXPECT_LE(ws->Iteration - ws->Repeats, ws->IterationLimit);
    std::set<std::pair<int, int>> signatures;
    for (int k = 0; k <= ws->Iteration - ws->Repeats; ++k)
        signatures.insert({ws->OrderSig1[k], ws->OrderSig2[k]});
    EXPECT_EQ(static_cast<int>(signatures.size()), ws->Iteration - ws->Repeats + 1);
}

TEST_F(SolveEndToEnd, FixedContainersAreKeptThroughClearingAndTheNextSolve) {
    SolveSettings s = taskSettings();
    s.Last = false;
    ASSERT_EQ(solve(s).status, SolveStatus::Ok);
    const TaskRows first = read();
    ASSERT_GE(first.solut.size(), 2u);
    // Fix the last container and take one box out of it, leaving a gap in its loading numbers.
    const SolutRow& fixed = first.solut.back();
    ASSERT_GE(fixed.posit.size(), 2u);
    const PositRow& removed = fixed.posit.front();
    ASSERT_TRUE(exec(
        QStringLiteral("UPDATE solut SET FixCont = 1 WHERE TaskID = 1 AND ContNo = %1").arg(fixed.ContNo)));
    ASSERT_TRUE(exec(QStringLiteral("DELETE FROM posit WHERE TaskID = 1 AND BoxNo = %1").arg(removed.BoxNo)));
    ASSERT_TRUE(
        exec(QStringLiteral(
                 "UPDATE distr SET Placed = Placed - 1 WHERE TaskID = 1 AND ContNo = %1 AND KindID = %2")
                 .arg(fixed.ContNo)
                 .arg(removed.KindID)));
    ASSERT_TRUE(exec(QStringLiteral("UPDATE solut SET BoxLoad = BoxLoad - 1 WHERE TaskID = 1 AND ContNo = %1")
                         .arg(fixed.ContNo)));

    ASSERT_EQ(clear(), RowsStatus::Ok);
    const TaskRows cleared = read();
    EXPECT_FALSE(cleared.task.Solut);
    ASSERT_EQ(cleared.solut.size(), 1u);
    EXPECT_EQ(cleared.solut[0].ContNo, fixed.ContNo);
    int usedTotal = 0;
    for (const TcRow& r : cleared.tc)
        usedTotal += r.Used;
    EXPECT_EQ(usedTotal, 1);

    ASSERT_EQ(solve(s).status, SolveStatus::Ok);
    EXPECT_TRUE(m_messages.shown.empty());
    const TaskRows second = read();
    expectConsistentRows(second);
    expectValidGeometry(second);
    const SolutRow* again = nullptr;
    for (const SolutRow& r : second.solut)
        if (r.FixCont)
            again = &r;
    ASSERT_NE(again, nullptr);
    // Taken over into the first container of its type, same places, numbers closed up.
    int firstOfType = 0;
    for (int j = ws->ContCount; j >= 1; --j)
        if (ws->TypeID[ws->ContType[j]] == fixed.TypeID)
            firstOfType = j;
    EXPECT_EQ(again->ContNo, firstOfType);
    ASSERT_EQ(again->posit.size(), fixed.posit.size() - 1);
    std::vector<std::pair<int, int>> oldPlaces;
    std::vector<int> oldLoadNos;
    for (const PositRow& p : fixed.posit)
        if (p.BoxNo != removed.BoxNo) {
            oldPlaces.emplace_back(p.PosX, p.PosY);
            oldLoadNos.push_back(p.LoadNo);
        }
    for (const PositRow& p : again->posit) {
        auto it = std::find(oldPlaces.begin(), oldPlaces.end(), std::make_pair<int, int>(p.PosX, p.PosY));
        ASSERT_NE(it, oldPlaces.end());
        const int oldNo = oldLoadNos[std::size_t(it - oldPlaces.begin())];
        EXPECT_EQ(p.LoadNo, oldNo > removed.LoadNo ? oldNo - 1 : oldNo);
    }
}

TEST_F(SolveEndToEnd, FailedWriteBackLeavesThePreviousSolution) {
    const SolveSettings s = taskSettings();
    ASSERT_EQ(solve(s).status, SolveStatus::Ok);
    const TaskRows before = read();
    ASSERT_TRUE(failPositInserts());
    ASSERT_EQ(clear(), RowsStatus::Ok);
    // Cleared, then solved again with a failing write: the cleared state stays.
    const TaskRows cleared = read();
    SolveSettings other = s;
    other.Rand = 17;
    const SolveOutcome out = solve(other);
    EXPECT_EQ(out.status, SolveStatus::WriteFailed);
    EXPECT_NE(out.error.find("disk full"), std::string::npos);
    const TaskRows after = read();
    EXPECT_EQ(after.task.Solut, cleared.task.Solut);
    EXPECT_EQ(after.task.solve.Rand, before.task.solve.Rand);
    EXPECT_EQ(positRows(after), positRows(cleared));

    // A solved task keeps its whole solution when the next write fails.
    ASSERT_TRUE(exec(test::dropFailureTrigger(m_store->isServer(), QStringLiteral("refuse"), Table::Posit)));
    ASSERT_EQ(solve(s).status, SolveStatus::Ok);
    const auto solved = positRows(read());
    ASSERT_TRUE(failPositInserts());
    EXPECT_EQ(solve(other).status, SolveStatus::WriteFailed);
    EXPECT_EQ(positRows(read()), solved);
    EXPECT_TRUE(read().task.Solut);
}

TEST_F(SolveEndToEnd, TimeOutStoresTheBestPlanSoFar) {
    SteppingClock clock(400.0, 46000.0); // every clock reading is 0.4 s later
    ws->clock = &clock;
    SolveSettings s = taskSettings();
    s.Time = 5;
    s.Last = false;
    const SolveOutcome out = solve(s);
    ASSERT_EQ(out.status, SolveStatus::Ok);
    EXPECT_TRUE(out.stopped);
    EXPECT_FALSE(out.aborted);
    const TaskRows rows = read();
    EXPECT_TRUE(rows.task.Solut);
    EXPECT_FALSE(rows.solut.empty());
    expectConsistentRows(rows);
    expectValidGeometry(rows);
    EXPECT_EQ(static_cast<int>(positRows(rows).size()), ws->BestPlan.PlacedBoxes);
}

TEST_F(SolveEndToEnd, AbortStoresTheBestPlanSoFar) {
    struct AbortAtFirstTick : ProgressSink {
        PackWorkspace* ws = nullptr;
        int ticks = 0;
        bool abortedShown = false;
        void processEvents() override {
            if (++ticks == 1)
                ws->AbortFlag = 1;
        }
        void setHint(ProgressHint h) override { abortedShown = abortedShown || h == ProgressHint::Aborted; }
    } sink;
    sink.ws = ws.get();
    ws->progress = &sink;
    SolveSettings s = taskSettings();
    s.Last = false;
    const SolveOutcome out = solve(s);
    ASSERT_EQ(out.status, SolveStatus::Ok);
    EXPECT_TRUE(out.stopped);
    EXPECT_TRUE(out.aborted);
    EXPECT_TRUE(sink.abortedShown);
    EXPECT_EQ(ws->SearchRuns, 1);
    const TaskRows rows = read();
    EXPECT_TRUE(rows.task.Solut);
    ASSERT_EQ(rows.solut.size(), 1u);
    expectConsistentRows(rows);
    expectValidGeometry(rows);
}

TEST_F(SolveEndToEnd, GapsAreKeptBetweenBoxesAndToTheWalls) {
    SolveSettings s = taskSettings();
    s.BB = 50;
    s.BW = 30;
    s.Last = false;
    ASSERT_EQ(solve(s).status, SolveStatus::Ok);
    const TaskRows rows = read();
    expectValidGeometry(rows, 30);
    for (const SolutRow& c : rows.solut)
        for (std::size_t i = 0; i < c.posit.size(); ++i)
            for (std::size_t j = i + 1; j < c.posit.size(); ++j) {
                const PositRow& a = c.posit[i];
                const PositRow& b = c.posit[j];
                const bool apart = a.PosX + a.PosLh + 50 <= b.PosX || b.PosX + b.PosLh + 50 <= a.PosX ||
                                   a.PosY + a.PosWh + 50 <= b.PosY || b.PosY + b.PosWh + 50 <= a.PosY;
                EXPECT_TRUE(apart) << "boxes " << a.BoxNo << " and " << b.BoxNo;
            }
    EXPECT_EQ(rows.task.solve.BB, 50);
    EXPECT_EQ(rows.task.solve.BW, 30);
}
