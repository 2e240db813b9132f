// palvane-cli killed at random moments while it solves a large task with --clear-first: after
// each kill the task is either wholly as before or wholly solved with the new settings, and
// every table file passes SQLite's integrity check. PALVANE_KILL_ROUNDS sets the number of
// kills (scripts/kill-stress.sh runs many).
#include "CoreApp.h"
#include "EngineRows.h"
#include "RowChecks.h"
#include "Store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>

using namespace palvane;
using namespace palvane::testing;

namespace {

// A task of 24 containers and 1000 boxes: the most the engine takes, so that writing its plan
// takes as long as it can.
bool seedLargeTask(const QString& dir) {
    auto store = Store::open(dir, StoreOpenMode::CreateMissing);
    if (!store)
        return false;
    QStringList sql = {
        QStringLiteral(
            "INSERT INTO conts (Type, Mark, Length, Width, LoadWt, FillDir) VALUES "
            "('Trailer', 'TR', 13600, 2450, 24000, 'Length'), ('Truck', 'TK', 7200, 2450, 9000, 'Length')"),
        QStringLiteral("INSERT INTO tasks (Name, Power, Time, Rand, Last) VALUES ('Large', 0, 5, 1, 0)"),
        QStringLiteral(
            "INSERT INTO tc (TaskID, TypeID, Avail, Cost) VALUES (1, 1, 12, 900), (1, 2, 12, 500)"),
    };
    for (int k = 0; k < 10; ++k) {
        sql << QStringLiteral("INSERT INTO boxes (Kind, Mark, Length, Width, Weight, TurnOn) VALUES "
                              "('Kind %1', 'K%1', %2, %3, %4, 1)")
                   .arg(k)
                   .arg(300 + 40 * k)
                   .arg(200 + 30 * k)
                   .arg(20 + k);
        sql << QStringLiteral("INSERT INTO tb (TaskID, KindID, Total, Cost) VALUES (1, %1, 100, %2)")
                   .arg(k + 1)
                   .arg(10 + k);
    }
    StoreTransaction unit(*store);
    for (const QString& s : sql)
        if (!store->exec(s))
            return false;
    return unit.commit();
}

// PRAGMA integrity_check of one table file on its own connection.
QString integrity(const QString& path) {
    const QString name = QStringLiteral("kill-test-check");
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
                result = q.value(0).toString();
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

TaskRows readTask(const QString& dir, bool* ok) {
    TaskRows rows;
    std::string error;
    // Opening with the lock as the program does recovers what a kill interrupted.
    auto store = Store::open(dir, StoreOpenMode::ExistingOnly);
    *ok = store && EngineRows(*store).readTask(1, rows, error) == RowsStatus::Ok;
    return rows;
}

int fixedCount(const TaskRows& rows) {
    int n = 0;
    for (const SolutRow& s : rows.solut)
        n += s.FixCont ? 1 : 0;
    return n;
}

} // namespace

TEST(CliKillTest, KilledClearFirstSolveLeavesTheTaskWhollyAsBeforeOrWhollySolved) {
    test::ensureCoreApp();
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("db"));
    ASSERT_TRUE(seedLargeTask(dir));
    const QString cli = QStringLiteral(PALVANE_CLI);
    const QStringList base = {QStringLiteral("--db"),  dir,
                              QStringLiteral("solve"), QStringLiteral("--task"),
                              QStringLiteral("1"),     QStringLiteral("--power"),
                              QStringLiteral("5"),     QStringLiteral("--time"),
                              QStringLiteral("5")};

    // A first plan, one container of it fixed; its run time sets the window of the kills.
    QElapsedTimer timer;
    timer.start();
    QProcess first;
    first.start(cli, base);
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    const qint64 runMs = std::max<qint64>(timer.elapsed(), 200);
    // How long a run takes from Ctrl-C to its end: stopping the search and writing the plan.
    QProcess stopped;
    stopped.start(cli, QStringList(base) << QStringLiteral("--clear-first"));
    ASSERT_TRUE(stopped.waitForStarted());
    QThread::msleep(std::min<qint64>(runMs / 2, 1000));
    timer.restart();
    ::kill(pid_t(stopped.processId()), SIGINT);
    ASSERT_TRUE(stopped.waitForFinished(120000));
    ASSERT_EQ(stopped.exitCode(), 0) << stopped.readAllStandardError().toStdString();
    const qint64 writeMs = std::max<qint64>(timer.elapsed(), 20);
    {
        auto store = Store::open(dir, StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(store);
        ASSERT_TRUE(store->exec(QStringLiteral("UPDATE solut SET FixCont = 1 WHERE TaskID = 1 AND ContNo = "
                                               "(SELECT MIN(ContNo) FROM solut WHERE TaskID = 1)")));
    }
    bool ok = false;
    TaskRows state = readTask(dir, &ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(fixedCount(state), 1);
    ASSERT_GT(state.solut.size(), 1u);

    const int rounds = qEnvironmentVariableIsSet("PALVANE_KILL_ROUNDS")
                           ? qEnvironmentVariableIntValue("PALVANE_KILL_ROUNDS")
                           : 4;
    QRandomGenerator random(20261210);
    int asBefore = 0, solved = 0, finished = 0, superJournalsLeft = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::string before = rowsText(state);
        const int rand = 2 + round % 500;
        QProcess p;
        p.start(cli, QStringList(base) << QStringLiteral("--clear-first") << QStringLiteral("--rand")
                                       << QString::number(rand));
        ASSERT_TRUE(p.waitForStarted());
        // Odd rounds stop the search with Ctrl-C first, so the kill tends to hit the write.
        if (round % 2 == 1) {
            QThread::msleep(random.bounded(quint32(runMs / 2) + 1));
            ::kill(pid_t(p.processId()), SIGINT);
            QThread::msleep(random.bounded(quint32(writeMs * 6 / 5) + 1));
        } else {
            QThread::msleep(random.bounded(quint32(runMs * 11 / 10) + 1));
        }
        if (p.state() != QProcess::NotRunning)
            ::kill(pid_t(p.processId()), SIGKILL);
        ASSERT_TRUE(p.waitForFinished(60000));
        if (p.exitStatus() == QProcess::NormalExit) {
            ++finished;
            EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        }

        // A kill between creating the lock file and writing the process id into it leaves an
        // empty lock, which is only taken as stale once it is a few seconds old.
        const QFileInfo lock(QDir(dir).filePath(QStringLiteral("palvane.lck")));
        if (lock.exists() && lock.size() == 0)
            QThread::sleep(6);
        state = readTask(dir, &ok);
        ASSERT_TRUE(ok) << "round " << round;
        superJournalsLeft += int(QDir(dir).entryList({QStringLiteral("*-mj*")}, QDir::Files).size());
        for (Table t : AllTables)
            EXPECT_EQ(integrity(Store::tableFilePath(dir, t)), QStringLiteral("ok"))
                << tableName(t).toStdString() << " round " << round;
        if (rowsText(state) == before) {
            ++asBefore;
            continue;
        }
        // Otherwise wholly solved with this run's settings, the fixed container kept.
        ++solved;
        EXPECT_TRUE(state.task.Solut) << "round " << round;
        EXPECT_EQ(state.task.solve.Rand, rand) << "round " << round;
        EXPECT_EQ(fixedCount(state), 1) << "round " << round;
        expectConsistentRows(state);
    }
    std::cout << "run " << runMs << " ms, Ctrl-C to end " << writeMs << " ms; kills: " << rounds
              << ", wholly as before: " << asBefore << ", wholly solved: " << solved
              << " (of which finished before the kill: " << finished
              << "), super-journals left: " << superJournalsLeft << std::endl;
    EXPECT_EQ(asBefore + solved, rounds);
    EXPECT_EQ(superJournalsLeft, 0);
}
