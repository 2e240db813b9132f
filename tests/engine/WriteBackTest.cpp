// The rows that store a plan and the changes that clear a stored solution.
#include <gtest/gtest.h>

#include "FakeSearch.h"
#include "PlanEvaluation.h"
#include "TaskRowsFixtures.h"
#include "WriteBack.h"

using namespace palvane;
using namespace palvane::testing;

namespace {

void place(PackWorkspace& ws, PackPlan& plan, int b, int j, int loadNo) {
    plan.ContNo[b] = static_cast<std::int16_t>(j);
    plan.LoadNo[b] = static_cast<std::int16_t>(loadNo);
    plan.PosX[b] = static_cast<std::int16_t>(10 * b);
    plan.PosLh[b] = ws.KindLength[ws.BoxKind[b]];
    plan.PosWh[b] = ws.KindWidth[ws.BoxKind[b]];
}

void evaluate(PackWorkspace& ws, PackPlan& plan) {
    RecomputeLoads(ws, plan);
    CountPlacements(ws, plan);
    EvaluatePlan(ws, plan);
}

} // namespace

TEST(BuildSolutionRows, EmptyPlanWritesNoSolutionRowsButAllCounts) {
    auto ws = newWorkspace();
    TaskRows rows = taskRows({containerRow(11, 2, 1000, 500, 900), containerRow(12, 1, 900, 500, 900)},
                             {boxRow(21, 2, 100, 50, 10), boxRow(22, 1, 100, 50, 10)});
    prepareWorkspace(*ws, rows);
    evaluate(*ws, ws->ResultPlan);
    SolveSettings s;
    s.Qw = 30;
    s.Qg = 2;
    const SolutionWrite w = BuildSolutionRows(*ws, ws->ResultPlan, s, rows, "2026-12-10");
    EXPECT_TRUE(w.solut.empty());
    EXPECT_TRUE(w.distr.empty());
    EXPECT_TRUE(w.posit.empty());
    EXPECT_EQ(w.tcUsed, (std::vector<std::pair<std::int32_t, std::int16_t>>{{11, 0}, {12, 0}}));
    EXPECT_EQ(w.tbPlaced, (std::vector<std::pair<std::int32_t, std::int16_t>>{{21, 0}, {22, 0}}));
    EXPECT_EQ(w.solve.Qw, 230);
    EXPECT_EQ(w.date, "2026-12-10");
}

TEST(BuildSolutionRows, RowsFollowThePlan) {
    auto ws = newWorkspace();
    TaskRows rows = taskRows({containerRow(11, 3, 1000, 500, 900), containerRow(12, 1, 900, 500, 900)},
                             {boxRow(21, 4, 100, 50, 10), boxRow(22, 2, 100, 50, 7)});
    prepareWorkspace(*ws, rows);
    PackPlan& plan = ws->ResultPlan;
    // Kind 21 in three containers (1, 2, 4); box 4 unplaced; kind 22 in container 4.
    place(*ws, plan, 1, 1, 1);
    place(*ws, plan, 2, 2, 1);
    place(*ws, plan, 3, 4, 2);
    place(*ws, plan, 5, 4, 1);
    place(*ws, plan, 6, 4, 3);
    plan.FixCont[2] = 1;
    evaluate(*ws, plan);
    const SolutionWrite w = BuildSolutionRows(*ws, plan, SolveSettings{}, rows, "2026-12-10");

    ASSERT_EQ(w.solut.size(), 3u);
    EXPECT_EQ(w.solut[0].ContNo, 1);
    EXPECT_EQ(w.solut[1].ContNo, 2);
    EXPECT_TRUE(w.solut[1].FixCont);
    EXPECT_FALSE(w.solut[0].FixCont);
    EXPECT_EQ(w.solut[2].ContNo, 4);
    EXPECT_EQ(w.solut[2].TypeID, 12);
    EXPECT_EQ(w.solut[2].BoxLoad, 3);
    EXPECT_EQ(w.solut[2].WgtLoad, 24);

    int kind21Rows = 0;
    for (const DistrRow& d : w.distr)
        kind21Rows += d.KindID == 21;
    EXPECT_EQ(kind21Rows, 3);
    ASSERT_EQ(w.distr.size(), 4u);
    EXPECT_EQ(w.distr[3].ContNo, 4);
    EXPECT_EQ(w.distr[3].KindID, 22);
    EXPECT_EQ(w.distr[3].Placed, 2);

    std::vector<int> boxNos;
    for (const PositRow& p : w.posit)
        boxNos.push_back(p.BoxNo);
    EXPECT_EQ(boxNos, (std::vector<int>{1, 2, 3, 5, 6})); // box 4 unplaced: a gap
    EXPECT_EQ(w.posit[4].LoadNo, 3);
    EXPECT_EQ(w.posit[4].KindID, 22);

    EXPECT_EQ(w.tcUsed, (std::vector<std::pair<std::int32_t, std::int16_t>>{{11, 2}, {12, 1}}));
    EXPECT_EQ(w.tbPlaced, (std::vector<std::pair<std::int32_t, std::int16_t>>{{21, 3}, {22, 2}}));
}

namespace {

SolutRow fixedContainer(std::int16_t contNo, std::int32_t typeId, bool fixed, std::vector<DistrRow> distr) {
    SolutRow s;
    s.ContNo = contNo;
    s.TypeID = typeId;
    s.FixCont = fixed;
    s.distr = std::move(distr);
    return s;
}

struct CountingProgress : ProgressSink {
    std::vector<ProgressTitle> titles;
    void setTitle(ProgressTitle t) override { titles.push_back(t); }
};

} // namespace

TEST(ClearSolution, KeepsFixedContainersAndCountsTheirBoxes) {
    TaskRows rows = taskRows({containerRow(11, 3, 1000, 500, 900), containerRow(12, 1, 900, 500, 900)},
                             {boxRow(21, 9, 100, 50, 10), boxRow(22, 2, 100, 50, 7)});
    rows.task.Solut = true;
    rows.tc[0].Used = 2;
    rows.tb[0].Placed = 9;
    rows.solut = {fixedContainer(1, 11, false, {{1, 21, 4}}), fixedContainer(2, 11, true, {{2, 21, 5}}),
                  fixedContainer(3, 12, false, {{3, 22, 2}})};
    MemoryTaskStore store(rows);
    RecordingMessages messages;
    CountingProgress progress;
    std::string error;
    ASSERT_EQ(ClearSolution(1, store, store, messages, progress, error), RowsStatus::Ok);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(store.rows.task.Solut);
    ASSERT_EQ(store.rows.solut.size(), 1u);
    EXPECT_EQ(store.rows.solut[0].ContNo, 2);
    EXPECT_EQ(store.rows.tc[0].Used, 1);
    EXPECT_EQ(store.rows.tc[1].Used, 0);
    EXPECT_EQ(store.rows.tb[0].Placed, 5);
    EXPECT_EQ(store.rows.tb[1].Placed, 0);
    ASSERT_GE(progress.titles.size(), 2u);
    EXPECT_EQ(progress.titles.front(), ProgressTitle::ClearingDb);
    EXPECT_EQ(progress.titles.back(), ProgressTitle::FixedObjects);
}

TEST(ClearSolution, FixedObjectsNoLongerInTheTaskAreReported) {
    TaskRows rows = taskRows({containerRow(11, 3, 1000, 500, 900)}, {boxRow(21, 9, 100, 50, 10)});
    rows.solut = {fixedContainer(1, 99, true, {{1, 21, 2}, {1, 98, 3}})};
    RecordingMessages messages;
    CountingProgress progress;
    const SolutionClear c = BuildClearRows(rows, messages, progress);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].first, EngineMessage::ContFixError);
    EXPECT_EQ(messages.shown[1].first, EngineMessage::BoxFixError);
    EXPECT_EQ(c.tcUsed[0].second, 0);
    EXPECT_EQ(c.tbPlaced[0].second, 2);
    EXPECT_TRUE(c.removedContNos.empty());
}

TEST(ClearSolution, FailureChangesNothingAndUnknownTaskIsReported) {
    TaskRows rows = taskRows({containerRow(11, 3, 1000, 500, 900)}, {boxRow(21, 9, 100, 50, 10)});
    rows.task.Solut = true;
    rows.solut = {fixedContainer(1, 11, false, {{1, 21, 2}})};
    MemoryTaskStore store(rows);
    store.failWrites = true;
    RecordingMessages messages;
    ProgressSink progress;
    std::string error;
    EXPECT_EQ(ClearSolution(1, store, store, messages, progress, error), RowsStatus::Failed);
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(store.rows.task.Solut);
    EXPECT_EQ(store.rows.solut.size(), 1u);
    EXPECT_EQ(ClearSolution(7, store, store, messages, progress, error), RowsStatus::NoTask);
}
