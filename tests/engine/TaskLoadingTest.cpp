// Reading a task into the workspace: type and kind rows, settings, fixed containers taken
// over from the stored solution, loading numbers closed up, stored plans read back.
#include <gtest/gtest.h>

#include "FakeSearch.h"
#include "PlanEvaluation.h"
#include "TaskRowsFixtures.h"

using namespace palvane;
using namespace palvane::testing;

namespace {

struct RecordingProgress : ProgressSink {
    std::vector<int> overall;
    std::vector<ProgressTitle> titles;
    void setOverall(int p) override { overall.push_back(p); }
    void setTitle(ProgressTitle t) override { titles.push_back(t); }
};

SolutRow storedContainer(std::int16_t contNo, std::int32_t typeId, bool fixed, std::vector<PositRow> posit) {
    SolutRow s;
    s.ContNo = contNo;
    s.TypeID = typeId;
    s.FixCont = fixed;
    s.Type = "Type" + std::to_string(typeId);
    s.BoxLoad = static_cast<std::int16_t>(posit.size());
    s.posit = std::move(posit);
    return s;
}

PositRow storedBox(std::int32_t kindId, std::int16_t x, std::int16_t loadNo, std::int16_t boxNo = 0) {
    PositRow p;
    p.KindID = kindId;
    p.Kind = "Kind" + std::to_string(kindId);
    p.PosX = x;
    p.PosY = 0;
    p.PosLh = 100;
    p.PosWh = 50;
    p.LoadNo = loadNo;
    p.BoxNo = boxNo;
    return p;
}

} // namespace

TEST(ReadTaskRows, CopiesRowsAndCodesFillDirectionCaseSensitively) {
    auto ws = newWorkspace();
    TaskRows rows =
        taskRows({containerRow(7, 1, 1000, 500, 900, "Length"), containerRow(8, 1, 1000, 500, 900, "length"),
                  containerRow(9, 1, 1000, 500, 900, "Width")},
                 {boxRow(3, 2, 100, 50, 10)});
    rows.tc[0].Mark = "ABCDE";
    rows.tb[0].Kind = std::string(30, 'x');
    RecordingProgress progress;
    ReadTaskRows(*ws, rows, progress);
    EXPECT_EQ(ws->TypeCount, 3);
    EXPECT_EQ(ws->TypeFillDir[1], 1);
    EXPECT_EQ(ws->TypeFillDir[2], 0);
    EXPECT_EQ(ws->TypeFillDir[3], 2);
    EXPECT_EQ(ws->TypeID[2], 8);
    EXPECT_FLOAT_EQ(ws->TypeWolume[1], 500000.0f);
    EXPECT_EQ(ws->TypeMark[1].view(), "ABC");
    EXPECT_EQ(ws->KindName[1].view(), std::string(25, 'x'));
    EXPECT_EQ(ws->KindCount, 1);
    EXPECT_EQ(ws->TaskTurnOn, 1);
    EXPECT_EQ(ws->DefltOn, 0);
    ASSERT_FALSE(progress.titles.empty());
    EXPECT_EQ(progress.titles.front(), ProgressTitle::ReadingTask);
    EXPECT_EQ(progress.overall.back(), 100);
}

TEST(ReadTaskRows, NamesAndMarksKeepTheirFirstCharactersNotBytes) {
    // Names arrive as UTF-8: a letter such as "é" takes two bytes but is one character.
    std::string name;
    for (int i = 0; i < 25; ++i)
        name += "\xC3\xA9";
    TcRow tc = containerRow(1, 1, 1000, 500, 900);
    tc.Mark = "\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F"; // four letters, the fourth is cut
    TbRow tb = boxRow(5, 1, 100, 50, 10);
    tb.Kind = name + "x";
    tb.Mark = "\xC3\xA9\xC3\xA8\xC3\xA0";
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({tc}, {tb}));
    EXPECT_EQ(ws->KindName[1], name);
    EXPECT_EQ(ws->KindMark[1], "\xC3\xA9\xC3\xA8");
    EXPECT_EQ(ws->TypeMark[1], "\xC3\x84\xC3\x96\xC3\x9C");
}

TEST(ReadTaskRows, StopsOnceTwentyFourContainersOrThousandBoxesAreRead) {
    auto ws = newWorkspace();
    TaskRows rows =
        taskRows({containerRow(1, 20, 1000, 500, 900), containerRow(2, 4, 1000, 500, 900),
                  containerRow(3, 2, 1000, 500, 900)},
                 {boxRow(1, 600, 100, 50, 1), boxRow(2, 400, 100, 50, 1), boxRow(3, 5, 10, 10, 1)});
    ProgressSink silent;
    ReadTaskRows(*ws, rows, silent);
    EXPECT_EQ(ws->TypeCount, 2);
    EXPECT_EQ(ws->KindCount, 2);
    EXPECT_EQ(ws->TypeID[3], 0);
}

TEST(ApplySettings, ConvertsUnitsAndFactors) {
    auto ws = newWorkspace();
    SolveSettings s;
    s.Time = 5555;
    s.Qw = 30;
    s.Qg = 2;
    s.Qc = 15;
    s.Qr = 100;
    s.BB = 7;
    s.BW = 3;
    s.Last = false;
    s.Rand = 42;
    s.Power = 9;
    ApplySettings(*ws, s);
    EXPECT_EQ(ws->TimeBudget, 5555000.0);
    EXPECT_EQ(ws->WeightFactor, 0.3f);
    EXPECT_EQ(ws->BindFactor, 0.2f);
    EXPECT_EQ(ws->CostFactor, 0.15f);
    EXPECT_EQ(ws->LeftFactor, 1.0f);
    EXPECT_EQ(ws->ItemGap, 7);
    EXPECT_EQ(ws->WallGap, 3);
    EXPECT_EQ(ws->LastOff, 0);
    EXPECT_EQ(ws->RandBase, 42);
    EXPECT_EQ(ws->Intensity, 9);
}

TEST(SolveSettings, TaskRowPacksWeightAndBindFactors) {
    TaskSolveFields f;
    f.Qw = 235;
    const SolveSettings s = settingsFromTask(f);
    EXPECT_EQ(s.Qw, 35);
    EXPECT_EQ(s.Qg, 2);
    SolveSettings t;
    t.Qw = 30;
    t.Qg = 2;
    EXPECT_EQ(taskFieldsFromSettings(t).Qw, 230);
    EXPECT_EQ(settingsFromTask(taskFieldsFromSettings(s)), s);
}

TEST(TakeOverFixed, FixedContainersTakeTheFirstFreeContainersOfTheirType) {
    auto ws = newWorkspace();
    TaskRows rows = taskRows({containerRow(1, 2, 1000, 500, 900), containerRow(2, 3, 1000, 500, 900)},
                             {boxRow(5, 4, 100, 50, 10)});
    prepareWorkspace(*ws, rows);
    // Stored as containers 5 and 4 of type 2; they become containers 3 and 4 (type 2's first).
    const std::vector<SolutRow> solut = {
        storedContainer(4, 2, true, {storedBox(5, 0, 1)}),
        storedContainer(5, 2, true, {storedBox(5, 0, 1), storedBox(5, 100, 2)}),
        storedContainer(1, 1, false, {storedBox(5, 0, 1)}),
    };
    RecordingMessages messages;
    TakeOverFixed(*ws, ws->StartPlan, solut, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ws->StartPlan.FixCont[3], 1);
    EXPECT_EQ(ws->StartPlan.FixCont[4], 1);
    EXPECT_EQ(ws->StartPlan.FixCont[1] + ws->StartPlan.FixCont[2] + ws->StartPlan.FixCont[5], 0);
    EXPECT_EQ(ws->StartPlan.ContNo[1], 3);
    EXPECT_EQ(ws->StartPlan.ContNo[2], 4);
    EXPECT_EQ(ws->StartPlan.ContNo[3], 4);
    EXPECT_EQ(ws->StartPlan.PosX[3], 100);
    EXPECT_EQ(ws->StartPlan.ContNo[4], 0); // the box of the non-fixed container is free
}

TEST(TakeOverFixed, DeficitsAreReportedAndDroppedAndLoadNumbersClosedUp) {
    auto ws = newWorkspace();
    TaskRows rows = taskRows({containerRow(1, 1, 1000, 500, 900)}, {boxRow(5, 3, 100, 50, 10)});
    prepareWorkspace(*ws, rows);
    const std::vector<SolutRow> solut = {
        // The box with LoadNo 3 is removed below, leaving 1, 2, 4 for kind 5; kind 9 is no
        // longer in the task.
        storedContainer(1, 1, true,
                        {storedBox(5, 0, 1), storedBox(5, 100, 2), storedBox(5, 200, 3), storedBox(9, 300, 5),
                         storedBox(5, 400, 4)}),
        storedContainer(2, 1, true, {storedBox(5, 0, 1)}), // no second container of type 1
    };
    rows.solut = solut;
    rows.solut[0].posit.erase(rows.solut[0].posit.begin() + 2);
    RecordingMessages messages;
    TakeOverFixed(*ws, ws->StartPlan, rows.solut, messages);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].first, EngineMessage::BoxFixDeficit);
    EXPECT_EQ(messages.shown[0].second, "Kind9");
    EXPECT_EQ(messages.shown[1].first, EngineMessage::ContainerFixDeficit);
    EXPECT_EQ(messages.shown[1].second, "Type1");

    RecomputeLoads(*ws, ws->StartPlan);
    EXPECT_EQ(ws->StartPlan.BoxLoad[1], 3);
    CompactLoadNos(*ws, ws->StartPlan);
    EXPECT_EQ(ws->StartPlan.LoadNo[1], 1);
    EXPECT_EQ(ws->StartPlan.LoadNo[2], 2);
    EXPECT_EQ(ws->StartPlan.LoadNo[3], 3);
    EXPECT_EQ(ws->StartPlan.PosX[3], 400);
}

TEST(CompactLoadNos, DuplicateNumbersEndTheLoop) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({containerRow(1, 1, 1000, 500, 900)}, {boxRow(5, 3, 100, 50, 10)}));
    PackPlan& plan = ws->StartPlan;
    plan.FixCont[1] = 1;
    for (int b = 1; b <= 3; ++b)
        plan.ContNo[b] = 1;
    plan.LoadNo[1] = 1;
    plan.LoadNo[2] = 1;
    plan.LoadNo[3] = 3;
    RecomputeLoads(*ws, plan);
    CompactLoadNos(*ws, plan);
    EXPECT_EQ(plan.LoadNo[1], 1);
    EXPECT_EQ(plan.LoadNo[2], 1);
    EXPECT_EQ(plan.LoadNo[3], 2);
}

TEST(TakeOverFixed, NoStoredSolutionLeavesEveryContainerAndBoxFree) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({containerRow(1, 2, 1000, 500, 900)}, {boxRow(5, 3, 100, 50, 10)}));
    RecordingMessages messages;
    TakeOverFixed(*ws, ws->StartPlan, {}, messages);
    for (int j = 0; j < kContSlots; ++j)
        EXPECT_EQ(ws->StartPlan.FixCont[j], 0);
    for (int b = 0; b < kBoxSlots; ++b)
        EXPECT_EQ(ws->StartPlan.ContNo[b], 0);
}

TEST(ReadStoredPlan, ReadsPositionsAndSkipsNumbersOutsideTheArrays) {
    auto ws = newWorkspace();
    prepareWorkspace(*ws, taskRows({containerRow(1, 2, 1000, 500, 900)}, {boxRow(5, 3, 100, 50, 10)}));
    std::vector<SolutRow> solut = {
        storedContainer(2, 1, false, {storedBox(5, 30, 1, 3), storedBox(5, 0, 2, 2000)}),
        storedContainer(99, 1, false, {storedBox(5, 0, 1, 1)})};
    ReadStoredPlan(*ws, ws->ResultPlan, solut);
    EXPECT_EQ(ws->ResultPlan.ContNo[3], 2);
    EXPECT_EQ(ws->ResultPlan.PosX[3], 30);
    EXPECT_EQ(ws->ResultPlan.LoadNo[3], 1);
    EXPECT_EQ(ws->ResultPlan.ContNo[1], 0);
    EXPECT_EQ(ws->ResultPlan.ContNo[2], 0);
}
