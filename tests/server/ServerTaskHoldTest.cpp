// Changes to a task on a server while another planner holds the task's row: a clear, a copy
// into the task's lists, an export and a duplicate are refused with "The task is being solved
// by another user." and store nothing; once the row is free they go through.
#include "ExchangeRows.h"
#include "PlanningSession.h"
#include "Progress.h"
#include "ServerModuleFixture.h"
#include "TaskCascade.h"
#include "TaskExchange.h"
#include "TaskHold.h"

namespace palvane::test {
namespace {

class ServerTaskHoldTest : public ServerModuleFixture {
protected:
    void SetUp() override {
        makeDatabases({Kind::Server, Kind::Directory, Kind::Directory});
        seedSample();
        ASSERT_TRUE(start(2));
        m_dm->WarnsCheck = false;
        m_ex = std::make_unique<TaskExchange>(*m_dm, m_prompter);
    }
    void TearDown() override {
        m_ex.reset();
        ServerModuleFixture::TearDown();
    }
    // The other planner takes the row of task `taskId` until release().
    void holdElsewhere(qint32 taskId) {
        m_otherUnit.emplace(other());
        ASSERT_TRUE(m_otherUnit->isActive());
        ASSERT_EQ(other().lockTask(taskId), TaskLock::Locked);
    }
    void release() { m_otherUnit.reset(); }

    std::unique_ptr<TaskExchange> m_ex;
    std::optional<StoreTransaction> m_otherUnit;
};

TEST_F(ServerTaskHoldTest, HoldIsRefusedWhileAnotherConnectionHoldsTheTask) {
    holdElsewhere(2);
    {
        TaskHold mine(*m_dm->store(), 2);
        EXPECT_FALSE(mine.isHeld());
        EXPECT_TRUE(mine.isBusy());
        EXPECT_EQ(mine.error(), taskBusyText());
        TaskHold free(*m_dm->store(), 1);
        EXPECT_TRUE(free.isHeld());
    }
    release();
    TaskHold mine(*m_dm->store(), 2);
    EXPECT_TRUE(mine.isHeld());
    EXPECT_TRUE(mine.commit());
}

TEST_F(ServerTaskHoldTest, ClearOfAHeldTaskIsRefusedAndTheSolutionKept) {
    // The fixed container of task 2 stays on a clear; a second, unfixed one goes.
    seed(0, {QStringLiteral(
                "INSERT INTO solut (TaskID, ContNo, TypeID, BoxLoad, FixCont) VALUES (2, 2, 2, 0, 0)")});
    const auto before = snapshot(0);
    holdElsewhere(2);
    PlanningSession session;
    ProgressSink silent;
    std::string error;
    EXPECT_EQ(session.clear(*m_dm->store(), 2, m_prompter, silent, error), RowsStatus::Failed);
    EXPECT_EQ(QString::fromStdString(error), taskBusyText());
    release();
    EXPECT_EQ(snapshot(0), before);
    ASSERT_EQ(session.clear(*m_dm->store(), 2, m_prompter, silent, error), RowsStatus::Ok) << error;
    EXPECT_EQ(rows(0, QStringLiteral("SELECT ContNo FROM solut WHERE TaskID = 2")),
              (QList<QVariantList>{{1}}));
    EXPECT_EQ(rows(0, QStringLiteral("SELECT Solut FROM tasks WHERE TaskID = 2")),
              (QList<QVariantList>{{0}}));
}

TEST_F(ServerTaskHoldTest, ChangesThroughTheCursorsOfAHeldTaskAreRefusedAsAWhole) {
    holdElsewhere(1);
    ASSERT_TRUE(m_dm->tasks().locate(QStringLiteral("TaskID"), 1));
    bool ran = false;
    EXPECT_FALSE(m_dm->holdTaskWhile(1, [&] { return ran = true; }));
    EXPECT_FALSE(ran);
    EXPECT_EQ(askedTexts(), QStringList{taskBusyText()});
    release();

    // A unit that fails half-way leaves nothing behind and the cursors show the stored rows.
    const auto before = snapshot(0);
    EXPECT_FALSE(m_dm->holdTaskWhile(1, [&] {
        Cursor& tb = m_dm->tb();
        return tb.locate(QStringLiteral("KindID"), 1) && tb.setValue(QStringLiteral("Total"), 12) &&
               tb.post() && tb.append() && tb.setValue(QStringLiteral("KindID"), 2) &&
               tb.setValue(QStringLiteral("Total"), 5) && tb.post() && false;
    }));
    EXPECT_EQ(snapshot(0), before);
    EXPECT_EQ(m_dm->tb().rowCount(), 1);
    EXPECT_EQ(m_dm->tb().intValue(QStringLiteral("Total")), 10);

    EXPECT_TRUE(m_dm->holdTaskWhile(1, [&] {
        Cursor& tb = m_dm->tb();
        return tb.append() && tb.setValue(QStringLiteral("KindID"), 2) &&
               tb.setValue(QStringLiteral("Total"), 5) && tb.post();
    }));
    EXPECT_EQ(rows(0, QStringLiteral("SELECT KindID, Total FROM tb WHERE TaskID = 1 ORDER BY KindID")),
              (QList<QVariantList>{{1, 10}, {2, 5}}));
}

TEST_F(ServerTaskHoldTest, ExportAndDuplicateOfAHeldTaskAreRefusedAndChangeNothing) {
    const auto main = snapshot(0);
    const auto exported = snapshot(1);
    holdElsewhere(2);
    m_prompter.asked.clear();
    EXPECT_FALSE(m_ex->TaskCopying(true));
    EXPECT_FALSE(m_ex->TaskCopying(false));
    EXPECT_EQ(askedTexts(), (QStringList{taskBusyText(), taskBusyText()}));
    EXPECT_EQ(snapshot(0), main);
    EXPECT_EQ(snapshot(1), exported);
    EXPECT_EQ(m_dm->currentTaskId(), 2);
    release();

    ASSERT_TRUE(m_ex->TaskCopying(true)) << askedTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(rows(1, QStringLiteral("SELECT Name, Solut FROM tasks")),
              (QList<QVariantList>{{QStringLiteral("Beta"), 1}}));
    EXPECT_EQ(rows(1, QStringLiteral("SELECT COUNT(*) FROM posit")), (QList<QVariantList>{{2}}));
    ASSERT_TRUE(m_ex->TaskCopying(false)) << askedTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(rows(0, QStringLiteral("SELECT Name, Solut FROM tasks ORDER BY TaskID")),
              (QList<QVariantList>{{QStringLiteral("Alpha"), 0},
                                   {QStringLiteral("Beta"), 1},
                                   {QStringLiteral("Beta -dupl"), 0}}));
    EXPECT_EQ(m_dm->tasks().textValue(QStringLiteral("Name")), QStringLiteral("Beta -dupl"));
}

TEST_F(ServerTaskHoldTest, DeleteCascadeOfASolvedTaskRemovesItsSolutionContainerByContainer) {
    seed(0, {QStringLiteral("INSERT INTO solut (TaskID, ContNo, TypeID, FixCont) VALUES (2, NULL, 2, 0)"),
             QStringLiteral("INSERT INTO posit (TaskID, ContNo, BoxNo, KindID) VALUES (2, NULL, 3, 1)")});
    QString error;
    ASSERT_TRUE(deleteTaskRows(other(), 2, CascadeScope::RowsAndTask, {}, &error)) << error.toStdString();
    for (Table t : AllTables)
        if (t != Table::Conts && t != Table::Boxes)
            EXPECT_EQ(rows(0, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE TaskID = 2").arg(tableName(t))),
                      (QList<QVariantList>{{0}}))
                << tableName(t).toStdString();
    EXPECT_EQ(rows(0, QStringLiteral("SELECT COUNT(*) FROM tb WHERE TaskID = 1")),
              (QList<QVariantList>{{1}}));
}

} // namespace
} // namespace palvane::test
