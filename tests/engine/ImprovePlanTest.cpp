// The improvement stage after the optimiser: off by default, plans it keeps are valid under
// every rule of the search (weights, supports, gaps, turning, bind groups, fixed containers),
// score higher, are repeatable, and Esc stops it with the best plan so far. The free-rectangle
// packer it uses never overlaps boxes or leaves the floor.

#include <gtest/gtest.h>

#include "ImprovePlan.h"
#include "MaxRects.h"
#include "PlanEvaluation.h"
#include "SolvePipeline.h"
#include "TaskRowsFixtures.h"
#include "WriteBack.h"

#include <map>
#include <memory>
#include <set>

using namespace palvane;
using namespace palvane::testing;

namespace {

// A small work budget keeps the tests quick; the stage's decisions do not depend on the clock.
constexpr std::int64_t kTestWork = 3'000'000;
constexpr double kNoWallCap = 1e12;

bool samePlan(const PackPlan& a, const PackPlan& b) {
    return a.Score == b.Score && a.AreaEff == b.AreaEff && a.WeightEff == b.WeightEff &&
           a.UsedArea == b.UsedArea && a.LoadedArea == b.LoadedArea && a.UsedCost == b.UsedCost &&
           a.LoadedCost == b.LoadedCost && a.UsedConts == b.UsedConts && a.PlacedBoxes == b.PlacedBoxes &&
           a.LastCont == b.LastCont && a.SplitCount == b.SplitCount && a.UsedCapacity == b.UsedCapacity &&
           a.LoadedWeight == b.LoadedWeight && a.BoxLoad == b.BoxLoad && a.WgtLoad == b.WgtLoad &&
           a.NoseLoad == b.NoseLoad && a.TailLoad == b.TailLoad && a.WolLoad == b.WolLoad &&
           a.CostLoad == b.CostLoad && a.ContAreaEff == b.ContAreaEff && a.ContWgtEff == b.ContWgtEff &&
           a.FixCont == b.FixCont && a.ContNo == b.ContNo && a.LoadNo == b.LoadNo && a.PosX == b.PosX &&
           a.PosY == b.PosY && a.PosLh == b.PosLh && a.PosWh == b.PosWh;
}

struct Solved {
    std::unique_ptr<PackWorkspace> ws = std::make_unique<PackWorkspace>();
    PackPlan searchPlan;
    ImproveReport report;
};

// Solves the task with the search alone, then runs the stage on the workspace.
Solved solveAndImprove(MemoryTaskStore& store, const SolveSettings& settings, std::int64_t work = kTestWork) {
    Solved s;
    RecordingMessages messages;
    std::unique_ptr<LayoutSearch> search = NewLayoutSearch();
    EngineServices services{store, store, messages, *search};
    const SolveOutcome outcome = SolveTask(*s.ws, store.rows.task.TaskID, settings, services);
    EXPECT_EQ(outcome.status, SolveStatus::Ok);
    EXPECT_FALSE(outcome.improve.ran) << "the stage is off unless asked for";
    s.searchPlan = s.ws->ResultPlan;
    s.report = ImprovePlanWork(*s.ws, work, kNoWallCap);
    return s;
}

// Every container of the plan keeps the layout rules.
void expectValidPlan(const PackWorkspace& ws, const PackPlan& plan) {
    for (int j = 1; j <= ws.ContCount; ++j)
        EXPECT_EQ(ContainerLayoutProblem(ws, plan, j), "") << "container " << j;
    int placed = 0;
    for (int j = 1; j <= ws.ContCount; ++j)
        placed += plan.BoxLoad[j];
    EXPECT_EQ(placed, plan.PlacedBoxes);
}

// Generated tasks: several types with weights and support limits, kinds with and without
// turning, gaps.
TaskRows generatedTask(std::uint32_t seed, bool supports, bool gaps) {
    std::uint32_t state = seed;
    std::vector<TcRow> tc;
    const int types = 1 + RandomBelow(state, 3);
    for (int t = 1; t <= types; ++t) {
        const std::int16_t length = std::int16_t(300 + RandomBelow(state, 500));
        const std::int16_t width = std::int16_t(200 + RandomBelow(state, 200));
        TcRow r = containerRow(t, std::int16_t(1 + RandomBelow(state, 4)), length, width,
                               800 + RandomBelow(state, 3000), "Length", 10 + RandomBelow(state, 50));
        if (supports) {
            r.NoseDL = std::int16_t(RandomBelow(state, length / 5));
            r.TailDL = std::int16_t(RandomBelow(state, length / 5));
            r.NoseWt = 400 + RandomBelow(state, 1500);
            r.TailWt = 400 + RandomBelow(state, 1500);
        }
        tc.push_back(r);
    }
    std::vector<TbRow> tb;
    const int kinds = 2 + RandomBelow(state, 8);
    for (int k = 1; k <= kinds; ++k)
        tb.push_back(boxRow(k, std::int16_t(1 + RandomBelow(state, 9)),
                            std::int16_t(30 + RandomBelow(state, 150)),
                            std::int16_t(30 + RandomBelow(state, 120)), 5 + RandomBelow(state, 120),
                            RandomBelow(state, 3) != 0, 1 + RandomBelow(state, 20)));
    TaskRows rows = taskRows(tc, tb);
    rows.task.solve.BB = gaps ? std::int16_t(RandomBelow(state, 6)) : 0;
    rows.task.solve.BW = gaps ? std::int16_t(RandomBelow(state, 6)) : 0;
    return rows;
}

SolveSettings settingsOf(const TaskRows& rows, std::int16_t power = 1) {
    SolveSettings s;
    s.Power = power;
    s.BB = rows.task.solve.BB;
    s.BW = rows.task.solve.BW;
    return s;
}

} // namespace

TEST(MaxRectsFloor, EveryRulePlacesInsideTheFloorWithoutOverlap) {
    for (int r = 0; r < kFitRuleCount; ++r) {
        std::uint32_t state = 99 + r;
        MaxRectsFloor floor;
        floor.reset(100, 60);
        std::int64_t work = 0;
        int placed = 0;
        for (int n = 0; n < 80; ++n) {
            const RectCoord l = 5 + RandomBelow(state, 30), w = 5 + RandomBelow(state, 30);
            const FitCandidate c = floor.find(l, w, n % 2 == 0, FitRule(r), work);
            if (!c.found)
                continue;
            EXPECT_TRUE((c.l == l && c.w == w) || (n % 2 == 0 && c.l == w && c.w == l));
            floor.place(c);
            ++placed;
        }
        EXPECT_GT(placed, 4) << "rule " << r;
        EXPECT_GT(work, 0);
        const auto& used = floor.used();
        for (std::size_t i = 0; i < used.size(); ++i) {
            EXPECT_GE(used[i].x, 0);
            EXPECT_GE(used[i].y, 0);
            EXPECT_LE(used[i].x + used[i].l, 100);
            EXPECT_LE(used[i].y + used[i].w, 60);
            for (std::size_t j = i + 1; j < used.size(); ++j) {
                const bool apart = used[i].x + used[i].l <= used[j].x || used[j].x + used[j].l <= used[i].x ||
                                   used[i].y + used[i].w <= used[j].y || used[j].y + used[j].w <= used[i].y;
                EXPECT_TRUE(apart) << "rule " << r << ": " << i << " and " << j;
            }
        }
    }
}

TEST(MaxRectsFloor, FindsTheLastFreeSpotAndTurnsOnlyWhenAllowed) {
    // Three 10 x 10 squares on a 20 x 20 floor leave exactly one spot; a 10 x 20 strip on a
    // 20 x 10 floor fits only turned.
    MaxRectsFloor floor;
    floor.reset(20, 20);
    std::int64_t work = 0;
    for (int n = 0; n < 4; ++n) {
        const FitCandidate c = floor.find(10, 10, false, FitRule::BottomLeft, work);
        ASSERT_TRUE(c.found) << n;
        floor.place(c);
    }
    EXPECT_FALSE(floor.find(1, 1, true, FitRule::ShortSide, work).found);

    floor.reset(20, 10);
    EXPECT_FALSE(floor.find(10, 20, false, FitRule::Area, work).found);
    const FitCandidate turned = floor.find(10, 20, true, FitRule::Area, work);
    ASSERT_TRUE(turned.found);
    EXPECT_EQ(turned.l, 20);
    EXPECT_EQ(turned.w, 10);
}

TEST(ImprovePlan, OffByDefaultAndAZeroBudgetChangesNothing) {
    const TaskRows rows = generatedTask(5, true, true);
    MemoryTaskStore store(rows);
    RecordingMessages messages;
    std::unique_ptr<LayoutSearch> search = NewLayoutSearch();
    EngineServices services{store, store, messages, *search};
    auto ws = std::make_unique<PackWorkspace>();
    const SolveSettings settings = settingsOf(rows);
    EXPECT_EQ(settings.Improve, 0);
    const SolveOutcome outcome = SolveTask(*ws, 1, settings, services);
    ASSERT_EQ(outcome.status, SolveStatus::Ok);
    EXPECT_FALSE(outcome.improve.ran);
    const PackPlan before = ws->ResultPlan;
    const auto kindPlaced = ws->KindPlaced;
    EXPECT_FALSE(ImprovePlan(*ws, 0).ran);
    EXPECT_FALSE(ImprovePlanWork(*ws, 0, kNoWallCap).ran);
    EXPECT_TRUE(samePlan(before, ws->ResultPlan));
    EXPECT_EQ(kindPlaced, ws->KindPlaced);

    // A second solve with the default settings stores the same rows.
    const SolutionWrite first = store.lastWrite;
    store.rows.task.Solut = false;
    store.rows.solut.clear();
    ASSERT_EQ(SolveTask(*ws, 1, settings, services).status, SolveStatus::Ok);
    ASSERT_EQ(first.posit.size(), store.lastWrite.posit.size());
    for (std::size_t i = 0; i < first.posit.size(); ++i) {
        EXPECT_EQ(first.posit[i].BoxNo, store.lastWrite.posit[i].BoxNo);
        EXPECT_EQ(first.posit[i].PosX, store.lastWrite.posit[i].PosX);
        EXPECT_EQ(first.posit[i].PosY, store.lastWrite.posit[i].PosY);
        EXPECT_EQ(first.posit[i].LoadNo, store.lastWrite.posit[i].LoadNo);
    }
}

TEST(ImprovePlan, EmptiesContainersThatOneFloorCanHold) {
    // Four 50 x 50 boxes, each alone in a 100 x 100 container: one container holds them all.
    MemoryTaskStore store(taskRows({containerRow(1, 4, 100, 100, 1000)}, {boxRow(1, 4, 50, 50, 10)}));
    Solved s;
    RecordingMessages messages;
    std::unique_ptr<LayoutSearch> search = NewLayoutSearch();
    EngineServices services{store, store, messages, *search};
    SolveSettings settings;
    settings.Last = false;
    ASSERT_EQ(SolveTask(*s.ws, 1, settings, services).status, SolveStatus::Ok);
    PackWorkspace& ws = *s.ws;
    // Spread the boxes one per container, as a poor plan would.
    PackPlan& plan = ws.ResultPlan;
    for (int b = 1; b <= 4; ++b) {
        plan.ContNo[b] = std::int16_t(b);
        plan.LoadNo[b] = 1;
        plan.PosX[b] = plan.PosY[b] = 0;
        plan.PosLh[b] = plan.PosWh[b] = 50;
    }
    RecomputeLoads(ws, plan);
    EvaluatePlan(ws, plan);
    ASSERT_EQ(plan.UsedConts, 4);
    const float before = plan.Score;

    const ImproveReport report = ImprovePlanWork(ws, kTestWork, kNoWallCap);
    EXPECT_TRUE(report.ran);
    EXPECT_TRUE(report.improved);
    EXPECT_EQ(ws.ResultPlan.UsedConts, 1);
    EXPECT_EQ(ws.ResultPlan.PlacedBoxes, 4);
    EXPECT_GT(ws.ResultPlan.Score, before);
    expectValidPlan(ws, ws.ResultPlan);
    EXPECT_EQ(ws.TypeUsed[1], 1);
    EXPECT_EQ(ws.TypeUsed[0], 3);
    EXPECT_EQ(ws.KindPlaced[1], 4);
}

TEST(ImprovePlan, KeptPlansAreValidAndNeverScoreLower) {
    int improved = 0;
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const TaskRows rows = generatedTask(seed, seed % 2 == 0, seed % 3 == 0);
        MemoryTaskStore store(rows);
        SolveSettings settings = settingsOf(rows);
        settings.Last = seed % 4 != 0;
        settings.Qw = std::int16_t(seed % 5 == 0 ? 30 : 0);
        settings.Qc = std::int16_t(seed % 7 == 0 ? 20 : 0);
        Solved s = solveAndImprove(store, settings);
        const PackWorkspace& ws = *s.ws;
        EXPECT_TRUE(s.report.ran);
        expectValidPlan(ws, ws.ResultPlan);
        EXPECT_GE(ws.ResultPlan.Score, s.searchPlan.Score);
        if (!s.report.improved) {
            EXPECT_TRUE(samePlan(ws.ResultPlan, s.searchPlan));
            continue;
        }
        ++improved;
        EXPECT_GT(ws.ResultPlan.Score, s.searchPlan.Score);
        // Counts per type stay within what the task has; the counts describe the new plan.
        for (int t = 1; t <= ws.TypeCount; ++t)
            EXPECT_LE(ws.TypeUsed[t], ws.TypeAvail[t]);
        int placed = 0;
        for (int k = 1; k <= ws.KindCount; ++k)
            placed += ws.KindPlaced[k];
        EXPECT_EQ(placed, ws.ResultPlan.PlacedBoxes);
        // The stored rows agree with the plan.
        SolutionWrite w = BuildSolutionRows(ws, ws.ResultPlan, settings, rows, "2026-01-01");
        EXPECT_EQ(int(w.posit.size()), ws.ResultPlan.PlacedBoxes);
        EXPECT_EQ(int(w.solut.size()), ws.ResultPlan.UsedConts);
    }
    EXPECT_GE(improved, 1) << "the stage should find better plans on some generated tasks";
}

TEST(ImprovePlan, TurningOffKeepsEveryBoxUnturned) {
    for (std::uint32_t seed = 30; seed < 36; ++seed) {
        TaskRows rows = generatedTask(seed, false, false);
        rows.task.DefltOn = true; // the task's switch decides for every kind
        rows.task.TurnOn = false;
        MemoryTaskStore store(rows);
        Solved s = solveAndImprove(store, settingsOf(rows));
        const PackWorkspace& ws = *s.ws;
        for (int b = 1; b <= ws.BoxCount; ++b) {
            if (ws.ResultPlan.ContNo[b] == 0)
                continue;
            const int k = ws.BoxKind[b];
            EXPECT_EQ(ws.ResultPlan.PosLh[b], ws.KindLength[k]) << "seed " << seed << " box " << b;
            EXPECT_EQ(ws.ResultPlan.PosWh[b], ws.KindWidth[k]) << "seed " << seed << " box " << b;
        }
        expectValidPlan(ws, ws.ResultPlan);
    }
}

TEST(ImprovePlan, BindGroupsStayWholeInContainersItChanges) {
    int improved = 0;
    for (std::uint32_t seed = 40; seed < 52; ++seed) {
        const TaskRows rows = generatedTask(seed, false, false);
        MemoryTaskStore store(rows);
        SolveSettings settings = settingsOf(rows);
        settings.Qg = std::int16_t(5 + seed % 5); // every bind mode
        Solved s = solveAndImprove(store, settings);
        const PackWorkspace& ws = *s.ws;
        expectValidPlan(ws, ws.ResultPlan);
        if (!s.report.improved)
            continue;
        ++improved;
        // A kind the stage moved lies whole in one container.
        for (int k = 1; k <= ws.KindCount; ++k) {
            bool moved = false;
            std::set<int> places;
            for (int b = 1; b <= ws.BoxCount; ++b) {
                if (ws.BoxKind[b] != k)
                    continue;
                places.insert(ws.ResultPlan.ContNo[b]);
                moved = moved || ws.ResultPlan.ContNo[b] != s.searchPlan.ContNo[b] ||
                        ws.ResultPlan.PosX[b] != s.searchPlan.PosX[b] ||
                        ws.ResultPlan.PosY[b] != s.searchPlan.PosY[b];
            }
            if (moved) {
                EXPECT_EQ(places.size(), 1u) << "seed " << seed << " kind " << k;
            }
        }
        EXPECT_LE(ws.ResultPlan.SplitCount, s.searchPlan.SplitCount) << "seed " << seed;
    }
    EXPECT_GE(improved, 1) << "kinds can still be moved whole";
}

TEST(ImprovePlan, FixedContainersStayAsTheyAre) {
    for (std::uint32_t seed = 60; seed < 66; ++seed) {
        TaskRows rows = generatedTask(seed, seed % 2 == 0, false);
        for (TcRow& r : rows.tc)
            r.Avail = std::int16_t(r.Avail + 2);
        MemoryTaskStore store(rows);
        SolveSettings settings = settingsOf(rows);
        settings.Last = false;
        Solved first = solveAndImprove(store, settings, 0);
        ASSERT_FALSE(store.rows.solut.empty());
        const SolutRow fixed = store.rows.solut.front();
        store.fixContainer(fixed.ContNo);
        RecordingMessages messages;
        ProgressSink silent;
        std::string error;
        ASSERT_EQ(ClearSolution(1, store, store, messages, silent, error), RowsStatus::Ok);

        Solved s = solveAndImprove(store, settings);
        const PackWorkspace& ws = *s.ws;
        expectValidPlan(ws, ws.ResultPlan);
        // The fixed container keeps every box where it was, with its loading numbers.
        int fixedCont = 0;
        for (int j = 1; j <= ws.ContCount; ++j)
            if (ws.ResultPlan.FixCont[j])
                fixedCont = j;
        ASSERT_NE(fixedCont, 0) << "seed " << seed;
        for (int b = 1; b <= ws.BoxCount; ++b) {
            const bool wasFixed = s.searchPlan.ContNo[b] == fixedCont;
            EXPECT_EQ(ws.ResultPlan.ContNo[b] == fixedCont, wasFixed) << "box " << b;
            if (!wasFixed)
                continue;
            EXPECT_EQ(ws.ResultPlan.PosX[b], s.searchPlan.PosX[b]);
            EXPECT_EQ(ws.ResultPlan.PosY[b], s.searchPlan.PosY[b]);
            EXPECT_EQ(ws.ResultPlan.LoadNo[b], s.searchPlan.LoadNo[b]);
        }
        EXPECT_EQ(ws.ResultPlan.BoxLoad[fixedCont], s.searchPlan.BoxLoad[fixedCont]);
        EXPECT_EQ(ws.ResultPlan.NoseLoad[fixedCont], s.searchPlan.NoseLoad[fixedCont]);
    }
}

TEST(ImprovePlan, SameInputsAndBudgetGiveTheSamePlan) {
    for (std::uint32_t seed : {3u, 8u, 13u}) {
        const TaskRows rows = generatedTask(seed, true, true);
        MemoryTaskStore a(rows), b(rows);
        Solved first = solveAndImprove(a, settingsOf(rows));
        Solved second = solveAndImprove(b, settingsOf(rows));
        EXPECT_TRUE(samePlan(first.ws->ResultPlan, second.ws->ResultPlan)) << "seed " << seed;
        EXPECT_EQ(first.report.work, second.report.work);
        EXPECT_EQ(first.report.moves, second.report.moves);
    }
}

namespace {

// Presses Esc at the n-th look at the window.
class EscAfter : public ProgressSink {
public:
    EscAfter(PackWorkspace& ws, int n) : m_ws(ws), m_n(n) {}
    void setTitle(ProgressTitle t) override { titles.push_back(t); }
    void processEvents() override {
        if (++calls == m_n)
            m_ws.AbortFlag = 1;
    }
    std::vector<ProgressTitle> titles;
    int calls = 0;

private:
    PackWorkspace& m_ws;
    int m_n;
};

} // namespace

TEST(ImprovePlan, EscStopsTheStageWithTheBestPlanSoFar) {
    // Two types, so the stage has no area bound to stop at and runs until Esc.
    const TaskRows rows =
        taskRows({containerRow(1, 4, 100, 100, 5000), containerRow(2, 4, 90, 90, 5000)},
                 {boxRow(1, 8, 45, 30, 10), boxRow(2, 6, 20, 60, 10), boxRow(3, 5, 35, 35, 10)});
    MemoryTaskStore store(rows);
    Solved s = solveAndImprove(store, settingsOf(rows), 0);
    PackWorkspace& ws = *s.ws;
    EscAfter esc(ws, 3);
    ws.progress = &esc;
    const ImproveReport report = ImprovePlanWork(ws, 1'000'000'000'000, kNoWallCap);
    ws.progress = nullptr;
    EXPECT_TRUE(report.aborted);
    EXPECT_LT(report.work, 1'000'000'000'000 / 10);
    EXPECT_EQ(esc.calls, 3) << "no more window work after Esc";
    ASSERT_FALSE(esc.titles.empty());
    EXPECT_EQ(esc.titles.front(), ProgressTitle::Improving);
    EXPECT_GE(ws.ResultPlan.Score, s.searchPlan.Score);
    expectValidPlan(ws, ws.ResultPlan);

    // An Esc during the search skips the stage.
    ws.AbortFlag = 1;
    EXPECT_FALSE(ImprovePlanWork(ws, kTestWork, kNoWallCap).ran);
}

TEST(ImprovePlan, LayoutCheckFindsEveryKindOfFault) {
    MemoryTaskStore store(taskRows({containerRow(1, 2, 100, 100, 100)},
                                   {boxRow(1, 2, 40, 20, 30, false), boxRow(2, 1, 30, 30, 30, true)}));
    Solved s = solveAndImprove(store, SolveSettings{}, 0);
    PackWorkspace& ws = *s.ws;
    PackPlan good = ws.ResultPlan;
    // Lay the three boxes out by hand: a valid container first.
    const auto put = [](PackPlan& p, int b, int j, int x, int y, int l, int w, int n) {
        p.ContNo[b] = std::int16_t(j);
        p.PosX[b] = std::int16_t(x);
        p.PosY[b] = std::int16_t(y);
        p.PosLh[b] = std::int16_t(l);
        p.PosWh[b] = std::int16_t(w);
        p.LoadNo[b] = std::int16_t(n);
    };
    put(good, 1, 1, 0, 0, 40, 20, 1);
    put(good, 2, 1, 0, 20, 40, 20, 2);
    put(good, 3, 1, 40, 0, 30, 30, 3);
    RecomputeLoads(ws, good);
    EvaluatePlan(ws, good);
    ASSERT_EQ(ContainerLayoutProblem(ws, good, 1), "");

    PackPlan p = good;
    put(p, 3, 1, 30, 0, 30, 30, 3); // overlaps box 1
    EXPECT_NE(ContainerLayoutProblem(ws, p, 1), "");
    p = good;
    put(p, 3, 1, 80, 0, 30, 30, 3); // past the far wall
    EXPECT_NE(ContainerLayoutProblem(ws, p, 1), "");
    p = good;
    put(p, 1, 1, 0, 0, 20, 40, 1); // kind 1 may not turn
    put(p, 2, 1, 60, 60, 40, 20, 2);
    EXPECT_NE(ContainerLayoutProblem(ws, p, 1), "");
    p = good;
    put(p, 2, 1, 0, 20, 40, 20, 3); // loading numbers 1, 3, 3
    EXPECT_NE(ContainerLayoutProblem(ws, p, 1), "");
    p = good;
    ws.TypeLoadWt[1] = 80; // 90 carried, 80.08 allowed
    EXPECT_NE(ContainerLayoutProblem(ws, p, 1), "");
    ws.TypeLoadWt[1] = 100;
    ws.ItemGap = 1; // boxes 1 and 2 touch
    EXPECT_NE(ContainerLayoutProblem(ws, p, 1), "");
    ws.ItemGap = 0;
    ws.TypeNoseWt[1] = ws.TypeTailWt[1] = 40; // a support carries more than 40
    EXPECT_NE(ContainerLayoutProblem(ws, p, 1), "");
}
