// The benchmark's large task (24 containers, 1000 boxes) solved through the planning session on a
// real store gives the plan recorded for the engine, row by row: the counts of the task rows and
// every stored solut, distr and posit row. Floats are compared in hexadecimal, bit for bit.
#include "../../bench/BenchTasks.h"
#include "EngineRows.h"
#include "FakeSearch.h"
#include "PlanningSession.h"
#include "Prompter.h"
#include "SessionFixture.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

using namespace palvane;

namespace {

std::string hex(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", v);
    return buf;
}

// The distr and posit lines in one order: the rows are read back grouped by container.
void sortRowLines(std::vector<std::string>& lines) {
    const auto rows = std::find_if(lines.begin(), lines.end(),
                                   [](const std::string& l) { return l.rfind("distr ", 0) == 0; });
    std::sort(rows, lines.end());
}

// The lines of one case of the engine's reference file that describe stored rows.
std::vector<std::string> referenceRows(const std::string& file, const std::string& name) {
    std::ifstream in(std::string(PALVANE_SOURCE_DIR) + "/tests/engine/plans/" + file);
    std::vector<std::string> lines;
    std::string line;
    bool inCase = false;
    while (std::getline(in, line)) {
        if (line.rfind("case ", 0) == 0)
            inCase = line == "case " + name;
        else if (inCase)
            for (const char* prefix : {"used", "placed", "solut ", "distr ", "posit "})
                if (line.rfind(prefix, 0) == 0)
                    lines.push_back(line);
    }
    return lines;
}

// The same lines from the stored rows.
std::vector<std::string> storedRows(const TaskRows& rows) {
    std::vector<std::string> lines;
    std::string used = "used";
    for (const TcRow& r : rows.tc)
        used += ' ' + std::to_string(r.TypeID) + ':' + std::to_string(r.Used);
    lines.push_back(used);
    std::string placed = "placed";
    for (const TbRow& r : rows.tb)
        placed += ' ' + std::to_string(r.KindID) + ':' + std::to_string(r.Placed);
    lines.push_back(placed);
    for (const SolutRow& r : rows.solut)
        lines.push_back("solut " + std::to_string(r.ContNo) + ' ' + std::to_string(r.TypeID) + ' ' +
                        std::to_string(r.BoxLoad) + ' ' + std::to_string(r.WgtLoad) + ' ' + hex(r.WolLoad) +
                        ' ' + std::to_string(r.FixCont) + ' ' + hex(r.CostLoad) + ' ' +
                        std::to_string(r.NoseLoad) + ' ' + std::to_string(r.TailLoad));
    for (const SolutRow& s : rows.solut)
        for (const DistrRow& d : s.distr)
            lines.push_back("distr " + std::to_string(d.ContNo) + ' ' + std::to_string(d.KindID) + ' ' +
                            std::to_string(d.Placed));
    for (const SolutRow& s : rows.solut)
        for (const PositRow& r : s.posit)
            lines.push_back("posit " + std::to_string(r.ContNo) + ' ' + std::to_string(r.BoxNo) + ' ' +
                            std::to_string(r.KindID) + ' ' + std::to_string(r.PosX) + ' ' +
                            std::to_string(r.PosY) + ' ' + std::to_string(r.PosLh) + ' ' +
                            std::to_string(r.PosWh) + ' ' + std::to_string(r.LoadNo));
    return lines;
}

} // namespace

TEST(SessionPlanIdentity, LargeBenchmarkTaskThroughTheSessionGivesTheRecordedPlan) {
    std::vector<std::string> expected = referenceRows("large_24x1000.txt", "large_24x1000_intensity_5");
    sortRowLines(expected);
    ASSERT_GT(expected.size(), 500u) << "no reference plan";

    test::TempStore db;
    ASSERT_TRUE(db.store);
    const TaskRows task = bench_tasks::largeTask();
    ASSERT_TRUE(test::seedTask(*db.store, task));
    PlanningSession session;
    palvane::testing::ManualClock clock; // never moves: the search runs to its end
    session.setClock(&clock);
    ScriptedPrompter prompter;
    ProgressSink progress;
    SolveSettings settings;
    settings.Power = 5;
    const SolveOutcome outcome = session.solve(*db.store, task.task.TaskID, settings, prompter, progress);
    ASSERT_EQ(outcome.status, SolveStatus::Ok) << outcome.error;
    ASSERT_FALSE(outcome.stopped);
    EXPECT_TRUE(prompter.asked.empty());

    TaskRows stored;
    std::string error;
    ASSERT_EQ(EngineRows(*db.store).readTask(task.task.TaskID, stored, error), RowsStatus::Ok) << error;
    std::vector<std::string> actual = storedRows(stored);
    sortRowLines(actual);
    const std::size_t n = std::min(expected.size(), actual.size());
    for (std::size_t i = 0; i < n; ++i)
        ASSERT_EQ(actual[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());

    // The session's plan view shows the same boxes where the rows put them.
    int boxes = 0;
    for (const SolutRow& s : stored.solut) {
        const PlanContainerView* c = session.plan().container(s.ContNo);
        ASSERT_NE(c, nullptr);
        for (const PositRow& p : s.posit) {
            ASSERT_GE(p.LoadNo, 1);
            ASSERT_LE(p.LoadNo, int(c->boxes.size()));
            const PlanBoxView& b = c->boxes[std::size_t(p.LoadNo - 1)];
            EXPECT_EQ(b.kindId, p.KindID);
            EXPECT_EQ(b.x, p.PosX);
            EXPECT_EQ(b.y, p.PosY);
            EXPECT_EQ(b.length, p.PosLh);
            EXPECT_EQ(b.width, p.PosWh);
            ++boxes;
        }
    }
    EXPECT_EQ(boxes, session.plan().placedBoxes);
}
