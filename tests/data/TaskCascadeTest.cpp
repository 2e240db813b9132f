// The task delete cascade: every row of the task goes, in one unit, with its progress positions.
#include "TaskCascade.h"
#include "CoreApp.h"
#include "Store.h"
#include "StoreCheck.h"
#include "TestServer.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace palvane;

namespace {

class TaskCascadeTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApp();
        m_db = test::testDatabase(m_tmp, QStringLiteral("db"));
        m_store = Store::open(m_db, StoreOpenMode::CreateMissing);
        ASSERT_TRUE(m_store);
        // Task 1: two solution containers, an orphan posit row, 2 container types, 4 box kinds.
        // Task 2: one of everything.
        const char* rows[] = {
            "INSERT INTO tasks (Name, Solut) VALUES ('one', 1)",
            "INSERT INTO tasks (Name, Solut) VALUES ('two', 1)",
            "INSERT INTO solut (TaskID, ContNo, TypeID) VALUES (1, 1, 1), (1, 2, 2), (2, 1, 1)",
            "INSERT INTO distr (TaskID, ContNo, KindID, Placed) VALUES (1, 1, 1, 3), (1, 1, 2, 1), "
            "(1, 2, 3, 2), (2, 1, 1, 1)",
            "INSERT INTO posit (TaskID, ContNo, BoxNo, KindID) VALUES (1, 1, 1, 1), (1, 1, 2, 1), "
            "(1, 1, 3, 1), (1, 1, 4, 2), (1, 2, 5, 3), (1, 2, 6, 3), (1, 9, 7, 4), (2, 1, 1, 1)",
            "INSERT INTO tc (TaskID, TypeID, Avail, Used) VALUES (1, 1, 1, 1), (1, 2, 1, 1), (2, 1, 1, 1)",
            "INSERT INTO tb (TaskID, KindID, Total, Placed) VALUES (1, 4, 1, 0), (1, 2, 1, 1), "
            "(1, 1, 3, 3), (1, 3, 2, 2), (2, 1, 1, 1)",
        };
        for (const char* sql : rows)
            ASSERT_TRUE(m_store->exec(QLatin1String(sql))) << m_store->lastError().toStdString();
    }

    int count(Table t, int taskId) {
        QSqlQuery q(m_store->database());
        q.exec(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE TaskID = %2").arg(tableName(t)).arg(taskId));
        return q.next() ? q.value(0).toInt() : -1;
    }
    std::vector<int> counts(int taskId) {
        std::vector<int> c;
        for (Table t : AllTables)
            if (t != Table::Conts && t != Table::Boxes)
                c.push_back(count(t, taskId));
        return c;
    }

    QTemporaryDir m_tmp;
    QString m_db;
    std::unique_ptr<Store> m_store;
};

} // namespace

TEST_F(TaskCascadeTest, DeletesEveryRowOfTheTaskOnly) {
    const std::vector<int> before2 = counts(2);
    std::vector<int> positions;
    QString error;
    ASSERT_TRUE(deleteTaskRows(
        *m_store, 1, CascadeScope::RowsAndTask, [&](int p) { positions.push_back(p); }, &error))
        << error.toStdString();
    EXPECT_EQ(counts(1), std::vector<int>(6, 0));
    EXPECT_EQ(counts(2), before2);
    // 4 tb rows: 10 + i x 90 / 4 rounded, halves to even: 10, 32, 55, 78.
    EXPECT_EQ(positions, (std::vector<int>{0, 5, 10, 32, 55, 78, 100}));
    EXPECT_EQ(m_store->transactionDepth(), 0);
}

TEST_F(TaskCascadeTest, RowsOnlyKeepsTheTaskRow) {
    ASSERT_TRUE(deleteTaskRows(*m_store, 2, CascadeScope::RowsOnly));
    EXPECT_EQ(counts(2), (std::vector<int>{1, 0, 0, 0, 0, 0}));
}

TEST_F(TaskCascadeTest, EmptyTaskRunsStraightToTheEnd) {
    ASSERT_TRUE(m_store->exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('empty')")));
    std::vector<int> positions;
    ASSERT_TRUE(
        deleteTaskRows(*m_store, 3, CascadeScope::RowsAndTask, [&](int p) { positions.push_back(p); }));
    EXPECT_EQ(positions, (std::vector<int>{0, 5, 10, 100}));
    EXPECT_EQ(count(Table::Tasks, 3), 0);
}

TEST_F(TaskCascadeTest, FailureHalfWayLeavesEveryRow) {
    // The third tb row's deletion fails, after the solution, tc and two tb rows are gone.
    ASSERT_TRUE(test::injectFailure(*m_store, QStringLiteral("fail_half"), Table::Tb,
                                    QStringLiteral("DELETE"), QStringLiteral("old.KindID = 3"),
                                    QStringLiteral("injected failure")));
    const std::vector<int> before1 = counts(1), before2 = counts(2);
    std::vector<int> positions;
    QString error;
    EXPECT_FALSE(deleteTaskRows(
        *m_store, 1, CascadeScope::RowsAndTask, [&](int p) { positions.push_back(p); }, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("injected failure"))) << error.toStdString();
    EXPECT_EQ(counts(1), before1);
    EXPECT_EQ(counts(2), before2);
    EXPECT_EQ(positions, (std::vector<int>{0, 5, 10, 32, 55, 100}));
    EXPECT_EQ(m_store->transactionDepth(), 0);

    // Also inside the caller's unit: only the cascade's part is undone.
    {
        StoreTransaction outer(*m_store);
        ASSERT_TRUE(m_store->exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('new')")));
        EXPECT_FALSE(deleteTaskRows(*m_store, 1, CascadeScope::RowsAndTask));
        EXPECT_EQ(m_store->transactionDepth(), 1);
        EXPECT_TRUE(outer.commit());
    }
    EXPECT_EQ(counts(1), before1);
    EXPECT_EQ(count(Table::Tasks, 3), 1);

    // The store stays sound and usable.
    m_store.reset();
    if (!test::onServer()) {
        EXPECT_TRUE(checkTableFiles(m_db).isEmpty());
    }
    m_store = Store::open(m_db, StoreOpenMode::ExistingOnly);
    ASSERT_TRUE(m_store);
    ASSERT_TRUE(
        m_store->exec(test::dropFailureTrigger(m_store->isServer(), QStringLiteral("fail_half"), Table::Tb)));
    EXPECT_TRUE(deleteTaskRows(*m_store, 1, CascadeScope::RowsAndTask));
    EXPECT_EQ(counts(1), std::vector<int>(6, 0));
}

TEST(StoreCheckTest, ReportsDamagedFilesByPathInTableOrder) {
    test::ensureCoreApp();
    QTemporaryDir tmp;
    ASSERT_TRUE(Store::createDatabase(tmp.path()));
    EXPECT_TRUE(checkTableFiles(tmp.path()).isEmpty());

    QFile conts(Store::tableFilePath(tmp.path(), Table::Conts));
    ASSERT_TRUE(conts.open(QIODevice::WriteOnly | QIODevice::Truncate));
    conts.write(QByteArray(5000, 'z'));
    conts.close();
    {
        auto s = Store::open(tmp.path(), StoreOpenMode::CreateMissing);
        EXPECT_FALSE(s); // refused because of conts.db
    }
    // Spoil a b-tree page of posit.db behind its header.
    {
        QTemporaryDir other;
        auto s = Store::open(other.path(), StoreOpenMode::CreateMissing);
        ASSERT_TRUE(s);
        StoreTransaction tr(*s);
        for (int i = 0; i < 300; ++i)
            ASSERT_TRUE(s->exec(QStringLiteral("INSERT INTO posit (TaskID, BoxNo) VALUES (1, %1)").arg(i)));
        ASSERT_TRUE(tr.commit());
        s.reset();
        QFile::remove(Store::tableFilePath(tmp.path(), Table::Posit));
        ASSERT_TRUE(QFile::copy(Store::tableFilePath(other.path(), Table::Posit),
                                Store::tableFilePath(tmp.path(), Table::Posit)));
    }
    QFile posit(Store::tableFilePath(tmp.path(), Table::Posit));
    ASSERT_TRUE(posit.open(QIODevice::ReadWrite));
    ASSERT_TRUE(posit.seek(4096 + 8));
    posit.write(QByteArray(1500, char(0x5A)));
    posit.close();
    ASSERT_TRUE(QFile::remove(Store::tableFilePath(tmp.path(), Table::Tb))); // missing: not reported

    const QList<TableFileProblem> problems = checkTableFiles(tmp.path());
    ASSERT_EQ(problems.size(), 2);
    const QString positPath = QDir::toNativeSeparators(Store::tableFilePath(tmp.path(), Table::Posit));
    const QString contsPath = QDir::toNativeSeparators(Store::tableFilePath(tmp.path(), Table::Conts));
    EXPECT_EQ(problems[0].path, positPath);
    EXPECT_EQ(problems[0].message,
              QStringLiteral("Table file is damaged: \"") + positPath + QLatin1Char('"'));
    EXPECT_FALSE(problems[0].detail.isEmpty());
    EXPECT_EQ(problems[1].path, contsPath);
    EXPECT_FALSE(QFile::exists(Store::tableFilePath(tmp.path(), Table::Tb)));
}
