// The engine's rows over real table files: a task read with its looked-up fields in index order,
// a solution replaced or cleared as one unit, and a failure half-way that changes nothing.
#include "EngineRows.h"
#include "CoreApp.h"
#include "DatabaseAliases.h"
#include "FakeSearch.h"
#include "RowChecks.h"
#include "SolvePipeline.h"
#include "Store.h"
#include "TaskRowsFixtures.h"
#include "TestServer.h"
#include "WriteBack.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace palvane;
using namespace palvane::testing;

namespace {

class EngineRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApp();
        HomeFolder home(m_tmp.path());
        QString error;
        ASSERT_TRUE(test::prepareTestDatabases(home, &error)) << error.toStdString();
        m_store = Store::open(test::homeAliases(home).directory(MainDatabase), StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(m_store);
        m_rows = std::make_unique<EngineRows>(*m_store);
    }

    int scalar(const QString& sql) {
        QSqlQuery q(m_store->database());
        return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
    }

    TaskRows read(std::int32_t taskId = 1) {
        TaskRows rows;
        std::string error;
        EXPECT_EQ(m_rows->readTask(taskId, rows, error), RowsStatus::Ok) << error;
        return rows;
    }

    // A small solution of the sample task: one container of its first type with two boxes.
    SolutionWrite smallSolution(const TaskRows& rows) {
        SolutionWrite w;
        w.date = "2026-12-01";
        w.solve.Power = 7;
        w.solve.Qw = 230;
        w.solve.Last = false;
        for (const TcRow& r : rows.tc)
            w.tcUsed.emplace_back(r.TypeID, std::int16_t(r.TypeID == rows.tc[0].TypeID));
        for (const TbRow& r : rows.tb)
            w.tbPlaced.emplace_back(r.KindID, std::int16_t(r.KindID == rows.tb[0].KindID ? 2 : 0));
        SolutRow s;
        s.ContNo = 1;
        s.TypeID = rows.tc[0].TypeID;
        s.BoxLoad = 2;
        s.WgtLoad = 2 * rows.tb[0].Weight;
        s.WolLoad = 2 * rows.tb[0].Wolume;
        s.FixCont = true;
        w.solut.push_back(s);
        w.distr.push_back({1, rows.tb[0].KindID, 2});
        PositRow p;
        p.ContNo = 1;
        p.KindID = rows.tb[0].KindID;
        p.PosLh = rows.tb[0].Length;
        p.PosWh = rows.tb[0].Width;
        for (std::int16_t b = 1; b <= 2; ++b) {
            p.BoxNo = b;
            p.LoadNo = b;
            p.PosX = static_cast<std::int16_t>((b - 1) * rows.tb[0].Length);
            w.posit.push_back(p);
        }
        return w;
    }

    QTemporaryDir m_tmp;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<EngineRows> m_rows;
};

} // namespace

TEST_F(EngineRowsTest, ReadsTheSampleTaskWithLookedUpFieldsInIndexOrder) {
    const TaskRows rows = read();
    EXPECT_EQ(rows.task.TaskID, 1);
    EXPECT_FALSE(rows.task.Name.empty());
    EXPECT_FALSE(rows.task.Solut);
    ASSERT_GE(rows.tc.size(), 2u);
    ASSERT_GE(rows.tb.size(), 2u);
    for (std::size_t i = 1; i < rows.tc.size(); ++i)
        EXPECT_LT(rows.tc[i - 1].TypeID, rows.tc[i].TypeID);
    for (std::size_t i = 1; i < rows.tb.size(); ++i)
        EXPECT_LT(rows.tb[i - 1].KindID, rows.tb[i].KindID);
    for (const TcRow& r : rows.tc) {
        EXPECT_FALSE(r.Type.empty());
        EXPECT_GT(r.Length, 0);
        EXPECT_EQ(r.Wolume, double(r.Length) * r.Width);
        EXPECT_GE(r.Avail, 1);
    }
    for (const TbRow& r : rows.tb) {
        EXPECT_FALSE(r.Kind.empty());
        EXPECT_GT(r.Weight, 0);
        EXPECT_EQ(r.Wolume, double(r.Length) * r.Width);
    }
    EXPECT_TRUE(rows.solut.empty());

    TaskRows none;
    std::string error;
    EXPECT_EQ(m_rows->readTask(4711, none, error), RowsStatus::NoTask);
    EXPECT_NE(error.find("4711"), std::string::npos);
}

TEST_F(EngineRowsTest, ValuesOutsideTheFieldRangesAreClamped) {
    const TaskRows before = read();
    ASSERT_TRUE(m_store->exec(QStringLiteral("UPDATE tc SET Avail = 99999 WHERE TaskID = 1 AND TypeID = %1")
                                  .arg(before.tc[0].TypeID)));
    const TaskRows rows = read();
    EXPECT_EQ(rows.tc[0].Avail, 32767);
    EXPECT_EQ(CheckSolvePreconditions(rows), SolveStatus::TooManyContainers);
}

TEST_F(EngineRowsTest, ReplaceWritesEveryRowAndReadsBack) {
    const TaskRows rows = read();
    const SolutionWrite w = smallSolution(rows);
    std::string error;
    ASSERT_EQ(m_rows->replaceSolution(1, w, error), RowsStatus::Ok) << error;
    const TaskRows after = read();
    EXPECT_TRUE(after.task.Solut);
    EXPECT_EQ(after.task.Date, "2026-12-01");
    EXPECT_EQ(after.task.solve.Power, 7);
    EXPECT_EQ(after.task.solve.Qw, 230);
    EXPECT_FALSE(after.task.solve.Last);
    EXPECT_EQ(after.tc[0].Used, 1);
    EXPECT_EQ(after.tb[0].Placed, 2);
    ASSERT_EQ(after.solut.size(), 1u);
    const SolutRow& s = after.solut[0];
    EXPECT_TRUE(s.FixCont);
    EXPECT_EQ(s.Type, rows.tc[0].Type);
    EXPECT_EQ(s.WgtLoad, 2 * rows.tb[0].Weight);
    ASSERT_EQ(s.distr.size(), 1u);
    EXPECT_EQ(s.distr[0].Placed, 2);
    ASSERT_EQ(s.posit.size(), 2u);
    EXPECT_EQ(s.posit[1].BoxNo, 2);
    EXPECT_EQ(s.posit[1].PosX, rows.tb[0].Length);
    EXPECT_EQ(s.posit[1].Kind, rows.tb[0].Kind);

    // Replacing again leaves only the new rows.
    ASSERT_EQ(m_rows->replaceSolution(1, w, error), RowsStatus::Ok) << error;
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM posit WHERE TaskID = 1")), 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM solut WHERE TaskID = 1")), 1);
    EXPECT_EQ(m_rows->replaceSolution(4711, w, error), RowsStatus::NoTask);
}

TEST_F(EngineRowsTest, FailureHalfWayLeavesThePreviousSolution) {
    const TaskRows rows = read();
    std::string error;
    ASSERT_EQ(m_rows->replaceSolution(1, smallSolution(rows), error), RowsStatus::Ok) << error;
    // A second box row for box 2 makes the store refuse the write after the old rows were
    // deleted and the new solut and distr rows written.
    ASSERT_TRUE(test::injectFailure(*m_store, QStringLiteral("refuse"), Table::Posit,
                                    QStringLiteral("INSERT"), QStringLiteral("NEW.BoxNo = 2"),
                                    QStringLiteral("injected failure")));
    SolutionWrite other = smallSolution(rows);
    other.date = "2026-12-24";
    other.solve.Power = 3;
    other.solut[0].FixCont = false;
    EXPECT_EQ(m_rows->replaceSolution(1, other, error), RowsStatus::Failed);
    EXPECT_NE(error.find("injected failure"), std::string::npos);
    const TaskRows after = read();
    EXPECT_EQ(after.task.Date, "2026-12-01");
    EXPECT_EQ(after.task.solve.Power, 7);
    ASSERT_EQ(after.solut.size(), 1u);
    EXPECT_TRUE(after.solut[0].FixCont);
    EXPECT_EQ(after.solut[0].posit.size(), 2u);
    EXPECT_EQ(after.solut[0].distr.size(), 1u);
    EXPECT_EQ(m_store->transactionDepth(), 0);
}

TEST_F(EngineRowsTest, ClearKeepsFixedContainersAndFailsAsOneUnit) {
    const TaskRows rows = read();
    SolutionWrite w = smallSolution(rows);
    SolutRow loose = w.solut[0];
    loose.ContNo = 2;
    loose.FixCont = false;
    w.solut.push_back(loose);
    w.distr.push_back({2, rows.tb[0].KindID, 1});
    PositRow p = w.posit[0];
    p.ContNo = 2;
    p.BoxNo = 3;
    w.posit.push_back(p);
    std::string error;
    ASSERT_EQ(m_rows->replaceSolution(1, w, error), RowsStatus::Ok) << error;

    ASSERT_TRUE(test::injectFailure(*m_store, QStringLiteral("refuse"), Table::Solut,
                                    QStringLiteral("DELETE"), QString(), QStringLiteral("injected failure")));
    RecordingMessages messages;
    ProgressSink progress;
    EXPECT_EQ(ClearSolution(1, *m_rows, *m_rows, messages, progress, error), RowsStatus::Failed);
    EXPECT_EQ(read().solut.size(), 2u);
    EXPECT_TRUE(read().task.Solut);

    ASSERT_TRUE(
        m_store->exec(test::dropFailureTrigger(m_store->isServer(), QStringLiteral("refuse"), Table::Solut)));
    ASSERT_EQ(ClearSolution(1, *m_rows, *m_rows, messages, progress, error), RowsStatus::Ok) << error;
    const TaskRows after = read();
    EXPECT_FALSE(after.task.Solut);
    ASSERT_EQ(after.solut.size(), 1u);
    EXPECT_EQ(after.solut[0].ContNo, 1);
    EXPECT_EQ(after.solut[0].posit.size(), 2u);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM posit WHERE TaskID = 1")), 2);
    EXPECT_EQ(after.tc[0].Used, 1);
    EXPECT_EQ(after.tb[0].Placed, 2);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EngineRowsTest, ClearedSourceReadsTheTaskAsTheStoredClearLeavesIt) {
    const TaskRows rows = read();
    SolutionWrite w = smallSolution(rows);
    // A loose container of the second type with one box of the second kind.
    SolutRow loose = w.solut[0];
    loose.ContNo = 2;
    loose.TypeID = rows.tc[1].TypeID;
    loose.FixCont = false;
    loose.BoxLoad = 1;
    w.solut.push_back(loose);
    w.distr.push_back({2, rows.tb[1].KindID, 1});
    PositRow p = w.posit[0];
    p.ContNo = 2;
    p.BoxNo = 3;
    p.KindID = rows.tb[1].KindID;
    w.posit.push_back(p);
    w.tcUsed[1].second = 1;
    w.tbPlaced[1].second = 1;
    std::string error;
    ASSERT_EQ(m_rows->replaceSolution(1, w, error), RowsStatus::Ok) << error;
    const TaskRows stored = read();
    ASSERT_TRUE(stored.task.Solut);

    RecordingMessages messages;
    ProgressSink progress;
    ClearedTaskSource cleared(*m_rows, messages, progress);
    TaskRows seen;
    ASSERT_EQ(cleared.readTask(1, seen, error), RowsStatus::Ok) << error;
    // Reading changed nothing stored.
    EXPECT_EQ(rowsText(read()), rowsText(stored));

    ASSERT_EQ(ClearSolution(1, *m_rows, *m_rows, messages, progress, error), RowsStatus::Ok) << error;
    const TaskRows afterClear = read();
    EXPECT_EQ(rowsText(seen), rowsText(afterClear));
    EXPECT_FALSE(seen.task.Solut);
    ASSERT_EQ(seen.solut.size(), 1u);
    EXPECT_TRUE(seen.solut[0].FixCont);
    EXPECT_EQ(seen.tc[1].Used, 0);

    // An unsolved task is handed over as it is stored.
    EXPECT_EQ(cleared.readTask(1, seen, error), RowsStatus::Ok);
    EXPECT_EQ(rowsText(seen), rowsText(afterClear));
    EXPECT_EQ(cleared.readTask(4711, seen, error), RowsStatus::NoTask);
}

TEST(PrompterMessages, ShowsTheEngineMessagesWithOneOkButton) {
    test::ensureCoreApp();
    ScriptedPrompter prompter;
    PrompterMessages messages(prompter);
    messages.show(EngineMessage::ContainerFixDeficit, "Van 4.2 m");
    messages.show(EngineMessage::BoxFixDeficit, "EUR pallet");
    messages.show(EngineMessage::ContFixError, "");
    messages.show(EngineMessage::BoxFixError, "");
    ASSERT_EQ(prompter.asked.size(), 4u);
    EXPECT_EQ(prompter.asked[0].text,
              QStringLiteral("Container to fix deficit for:\rVan 4.2 m\rIts fixing omited"));
    EXPECT_EQ(prompter.asked[0].kind, PromptKind::Warning);
    EXPECT_EQ(prompter.asked[1].text,
              QStringLiteral("Box to fix deficit for:\rEUR pallet\rIts fixing omited"));
    EXPECT_EQ(prompter.asked[2].text, QStringLiteral("ContFix Error "));
    EXPECT_EQ(prompter.asked[2].kind, PromptKind::Error);
    EXPECT_EQ(prompter.asked[3].text, QStringLiteral("BoxFix Error "));
    for (const PromptRecord& r : prompter.asked)
        EXPECT_EQ(r.buttons, PromptButtons::Ok);
}
