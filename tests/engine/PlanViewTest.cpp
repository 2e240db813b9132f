// The plan view of a solved workspace: every placed box exactly once under its container, in
// loading order, with the container's type, floor, loads and limits and the plan's totals.
#include <gtest/gtest.h>

#include "../../bench/BenchTasks.h"
#include "FakeSearch.h"
#include "PlanViewBuilder.h"
#include "SolvePipeline.h"
#include "TaskRowsFixtures.h"

#include <set>

using namespace palvane;
using namespace palvane::testing;

namespace {

struct SolvedTask {
    explicit SolvedTask(TaskRows rows, std::int16_t power = 1) : store(std::move(rows)) {
        ws->clock = &clock;
        SolveSettings settings;
        settings.Power = power;
        EngineServices services{store, store, messages, *search};
        outcome = SolveTask(*ws, store.rows.task.TaskID, settings, services);
    }
    std::unique_ptr<PackWorkspace> ws = newWorkspace();
    ManualClock clock;
    std::unique_ptr<LayoutSearch> search = NewLayoutSearch();
    MemoryTaskStore store;
    RecordingMessages messages;
    SolveOutcome outcome;
};

} // namespace

TEST(PlanView, SampleTaskShowsEveryPlacedBoxOnceInLoadingOrder) {
    SolvedTask solved(bench_tasks::sampleTask(), 5);
    ASSERT_EQ(solved.outcome.status, SolveStatus::Ok);
    const PackWorkspace& ws = *solved.ws;
    const PackPlan& p = ws.ResultPlan;
    const PlanView v = BuildPlanView(ws, 1, solved.store.rows.tc);

    EXPECT_EQ(v.taskId, 1);
    EXPECT_EQ(v.containerCount, ws.ContCount);
    EXPECT_EQ(v.boxCount, ws.BoxCount);
    EXPECT_EQ(v.usedContainers, p.UsedConts);
    EXPECT_EQ(int(v.containers.size()), p.UsedConts);
    EXPECT_EQ(v.placedBoxes, p.PlacedBoxes);
    EXPECT_EQ(v.score, p.Score);
    EXPECT_EQ(v.loadedWeight, p.LoadedWeight);
    EXPECT_EQ(v.maxTypeLoadLimit, 24000);

    std::set<int> seen;
    int previousNumber = 0;
    for (const PlanContainerView& c : v.containers) {
        EXPECT_GT(c.number, previousNumber); // by container number
        previousNumber = c.number;
        const int t = ws.ContType[c.number];
        const TcRow* row = nullptr;
        for (const TcRow& r : solved.store.rows.tc)
            if (r.TypeID == c.typeId)
                row = &r;
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(c.typeName, row->Type);
        EXPECT_EQ(c.length, row->Length);
        EXPECT_EQ(c.width, row->Width);
        EXPECT_EQ(c.loadLimit, row->LoadWt);
        EXPECT_EQ(c.noseLimit, row->NoseWt);
        EXPECT_EQ(c.tailLimit, row->TailWt);
        EXPECT_EQ(c.noseDistance, row->NoseDL);
        EXPECT_EQ(c.tailDistance, row->TailDL);
        EXPECT_EQ(c.type, t);
        EXPECT_EQ(c.loadWeight, p.WgtLoad[c.number]);
        EXPECT_EQ(c.noseLoad, p.NoseLoad[c.number]);
        EXPECT_EQ(c.tailLoad, p.TailLoad[c.number]);
        EXPECT_EQ(int(c.boxes.size()), p.BoxLoad[c.number]);
        EXPECT_EQ(v.boxLoad(c.number), p.BoxLoad[c.number]);
        EXPECT_NEAR(c.usedAreaPercent(), 100.0 * p.WolLoad[c.number] / row->Wolume, 1e-3);
        std::int32_t weight = 0;
        for (std::size_t q = 0; q < c.boxes.size(); ++q) {
            const PlanBoxView& b = c.boxes[q];
            EXPECT_EQ(b.loadNo, int(q) + 1) << "container " << c.number;
            EXPECT_TRUE(seen.insert(b.number).second) << "box " << b.number << " twice";
            EXPECT_EQ(p.ContNo[b.number], c.number);
            EXPECT_EQ(b.x, p.PosX[b.number]);
            EXPECT_EQ(b.y, p.PosY[b.number]);
            const PlanKindView* kind = v.kind(b.kind);
            ASSERT_NE(kind, nullptr);
            EXPECT_EQ(b.kindId, kind->kindId);
            EXPECT_EQ(b.kindName, kind->name);
            EXPECT_EQ(b.weight, kind->weight);
            // As placed: the kind's extents, or turned, its width along the length.
            if (b.turned) {
                EXPECT_EQ(b.length, kind->width);
                EXPECT_EQ(b.width, kind->length);
                EXPECT_TRUE(kind->turnOn);
            } else {
                EXPECT_EQ(b.length, kind->length);
                EXPECT_EQ(b.width, kind->width);
            }
            EXPECT_LE(b.x + b.length, c.length);
            EXPECT_LE(b.y + b.width, c.width);
            weight += b.weight;
        }
        EXPECT_EQ(weight, c.loadWeight);
    }
    EXPECT_EQ(int(seen.size()), p.PlacedBoxes);
    int placed = 0, unplaced = 0;
    for (const PlanKindView& k : v.kinds) {
        placed += k.placed;
        unplaced += k.unplaced();
    }
    EXPECT_EQ(placed, v.placedBoxes);
    EXPECT_EQ(unplaced, v.unplacedBoxes());
}

TEST(PlanView, LeftBoxesAreCountedPerKindAndUnusedContainersAreLeftOut) {
    // Two containers; the boxes fill about one and a half, one kind never fits.
    SolvedTask solved(taskRows({containerRow(1, 3, 1000, 1000, 100000)},
                               {boxRow(1, 6, 500, 500, 10), boxRow(2, 2, 2000, 2000, 10)}));
    ASSERT_EQ(solved.outcome.status, SolveStatus::Ok);
    const PlanView v = BuildPlanView(*solved.ws, 1, solved.store.rows.tc);
    ASSERT_EQ(v.kinds.size(), 2u);
    EXPECT_EQ(v.kinds[0].placed, 6);
    EXPECT_EQ(v.kinds[0].unplaced(), 0);
    EXPECT_EQ(v.kinds[1].placed, 0);
    EXPECT_EQ(v.kinds[1].unplaced(), 2);
    EXPECT_EQ(v.unplacedBoxes(), 2);
    EXPECT_EQ(v.containerCount, 3);
    EXPECT_EQ(v.usedContainers, 2);
    ASSERT_EQ(v.containers.size(), 2u);
    EXPECT_EQ(v.containers[0].typeName, "Type1");
    EXPECT_EQ(v.containers[0].mark, "T1");
    EXPECT_EQ(v.container(3), nullptr);
    EXPECT_EQ(v.boxLoad(3), 0);
    EXPECT_EQ(v.kind(0), nullptr);
    EXPECT_EQ(v.kind(3), nullptr);
}

TEST(PlanView, EmptyWorkspaceGivesAnEmptyView) {
    auto ws = newWorkspace();
    const PlanView v = BuildPlanView(*ws, 0, {});
    EXPECT_EQ(v.taskId, 0);
    EXPECT_TRUE(v.containers.empty());
    EXPECT_TRUE(v.kinds.empty());
    EXPECT_EQ(v.unplacedBoxes(), 0);
}
