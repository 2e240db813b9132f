// The box kinds that fit no container of a task: wall gaps, turning by kind and by the task's
// common rule, containers not offered and kinds not wanted; and agreement with the solver on
// boxes at the very edge of fitting.
#include <gtest/gtest.h>

#include "FakeSearch.h"
#include "FitCheck.h"
#include "Optimiser.h"
#include "SolvePipeline.h"
#include "TaskRowsFixtures.h"

using namespace palvane;
using namespace palvane::testing;

namespace {

using Names = std::vector<std::string>;

} // namespace

TEST(FitCheck, WallGapsAtBothEndsAndTurning) {
    // A floor of 1000 x 600 with a wall gap of 10 leaves 980 x 580.
    EXPECT_TRUE(boxFitsContainer(980, 580, false, 1000, 600, 10));
    EXPECT_FALSE(boxFitsContainer(981, 580, false, 1000, 600, 10));
    EXPECT_FALSE(boxFitsContainer(980, 581, false, 1000, 600, 10));
    EXPECT_TRUE(boxFitsContainer(1000, 600, false, 1000, 600, 0));
    // Crosswise only when the box may turn.
    EXPECT_FALSE(boxFitsContainer(580, 980, false, 1000, 600, 10));
    EXPECT_TRUE(boxFitsContainer(580, 980, true, 1000, 600, 10));
    EXPECT_FALSE(boxFitsContainer(581, 980, true, 1000, 600, 10));
    // Gaps larger than the floor leave no room at all.
    EXPECT_FALSE(boxFitsContainer(1, 1, true, 100, 100, 50));
}

TEST(FitCheck, NamesEachKindThatFitsNoOfferedContainerOnce) {
    TaskRows rows = taskRows({containerRow(11, 1, 1000, 600, 5000), containerRow(12, 0, 3000, 3000, 5000)},
                             {boxRow(21, 2, 500, 500, 1), boxRow(22, 1, 1200, 100, 1),
                              boxRow(23, 1, 580, 990, 1, /*turnOn*/ true), boxRow(24, 1, 580, 990, 1, false),
                              boxRow(25, 0, 2000, 2000, 1), boxRow(26, 3, 1200, 100, 1)});
    rows.tb[5].Kind = rows.tb[1].Kind; // two rows of one kind name
    // The 3000 x 3000 type has no containers available; kind 25 has no boxes to load.
    EXPECT_EQ(kindsFittingNoContainer(rows, 0), (Names{"Kind22", "Kind24"}));
    // With a wall gap of 10 the turned kind 23 (990 along 980) no longer fits either.
    EXPECT_EQ(kindsFittingNoContainer(rows, 10), (Names{"Kind22", "Kind23", "Kind24"}));
    // The task's common rule overrides every kind's own: all may turn, or none.
    rows.task.DefltOn = true;
    rows.task.TurnOn = true;
    EXPECT_EQ(kindsFittingNoContainer(rows, 0), (Names{"Kind22"}));
    rows.task.TurnOn = false;
    EXPECT_EQ(kindsFittingNoContainer(rows, 0), (Names{"Kind22", "Kind23", "Kind24"}));
    // Once the large type is offered, everything fits.
    rows.tc[1].Avail = 1;
    EXPECT_TRUE(kindsFittingNoContainer(rows, 0).empty());
}

TEST(FitCheck, AgreesWithTheSolverAtTheEdge) {
    // One box that fits exactly between the wall gaps, one a unit too long: the solver places
    // the first and leaves the second, as the check says.
    TaskRows rows = taskRows({containerRow(11, 2, 1000, 600, 5000)},
                             {boxRow(21, 1, 980, 580, 1, false), boxRow(22, 1, 981, 100, 1, false)});
    const Names named = kindsFittingNoContainer(rows, 10);
    ASSERT_EQ(named, (Names{"Kind22"}));
    MemoryTaskStore store(rows);
    RecordingMessages messages;
    std::unique_ptr<LayoutSearch> search = NewLayoutSearch();
    std::unique_ptr<PackWorkspace> ws = newWorkspace();
    SolveSettings s;
    s.Power = 1;
    s.BW = 10;
    s.BB = 7; // the item gap needs no room at the walls
    s.Last = false;
    EngineServices services{store, store, messages, *search};
    ASSERT_EQ(SolveTask(*ws, 1, s, services).status, SolveStatus::Ok);
    EXPECT_EQ(store.rows.tb[0].Placed, 1);
    EXPECT_EQ(store.rows.tb[1].Placed, 0);
}
