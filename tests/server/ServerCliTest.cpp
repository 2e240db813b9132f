// palvane-cli on a database in a server schema, with several processes at once: two tasks
// solved at once are both stored; the same task solved twice at once gives one plan and one
// refusal; a task whose row another planner holds is refused with the message; kills during a
// solve leave the task wholly as before or wholly solved; and a plan made on the server equals,
// row by row, the plan made from a directory.
#include "EngineRows.h"
#include "Store.h"
#include "TestServer.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

using namespace palvane;

namespace {

// Two tasks of 24 containers and up to 1000 boxes each.
bool seedTasks(const QString& location) {
    auto store = Store::open(location, StoreOpenMode::CreateMissing);
    if (!store)
        return false;
    QStringList sql = {
        QStringLiteral(
            "INSERT INTO conts (Type, Mark, Length, Width, LoadWt, FillDir) VALUES "
            "('Trailer', 'TR', 13600, 2450, 24000, 'Length'), ('Truck', 'TK', 7200, 2450, 9000, 'Length')"),
        QStringLiteral("INSERT INTO tasks (Name, Power, Time, Rand, Last) VALUES ('Large', 0, 5, 1, 0), "
                       "('Other', 0, 5, 2, 0)"),
        QStringLiteral(
            "INSERT INTO tc (TaskID, TypeID, Avail, Cost) VALUES (1, 1, 12, 900), (1, 2, 12, 500), "
            "(2, 1, 12, 900), (2, 2, 12, 500)"),
    };
    for (int k = 0; k < 10; ++k) {
        sql << QStringLiteral("INSERT INTO boxes (Kind, Mark, Length, Width, Weight, TurnOn) VALUES "
                              "('Kind %1', 'K%1', %2, %3, %4, 1)")
                   .arg(k)
                   .arg(300 + 40 * k)
                   .arg(200 + 30 * k)
                   .arg(20 + k);
        sql << QStringLiteral(
                   "INSERT INTO tb (TaskID, KindID, Total, Cost) VALUES (1, %1, 100, %2), (2, %1, 60, %2)")
                   .arg(k + 1)
                   .arg(10 + k);
    }
    StoreTransaction unit(*store);
    for (const QString& s : sql)
        if (!store->exec(s))
            return false;
    return unit.commit();
}

class ServerCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApp();
        ASSERT_TRUE(m_home.isValid());
        m_server = test::testServer(test::freshSchema("cli"));
        ASSERT_TRUE(seedTasks(m_server.toString())) << "the test server cannot be used";
        QFile ini(m_home.filePath(QStringLiteral("databases.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(
            QStringLiteral("[KorvanB]\nDriver=QPSQL\nHost=%1\nPort=%2\nDatabase=%3\nUser=%4\nSchema=%5\n"
                           "[Korvanexp]\nPath=Korvanexp\n[Korvanimp]\nPath=Korvanimp\n")
                .arg(m_server.host)
                .arg(m_server.port)
                .arg(m_server.database, m_server.user, m_server.schema)
                .toUtf8());
    }
    QStringList solveArgs(int task, const QStringList& more = {}) const {
        return QStringList{QStringLiteral("--home"), m_home.path(),
                           QStringLiteral("solve"),  QStringLiteral("--task"),
                           QString::number(task),    QStringLiteral("--power"),
                           QStringLiteral("5"),      QStringLiteral("--time"),
                           QStringLiteral("5")} +
               more;
    }
    std::unique_ptr<QProcess> start(const QStringList& args) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(PALVANE_CLI), args);
        EXPECT_TRUE(p->waitForStarted());
        return p;
    }
    static int finish(QProcess& p, QString* err = nullptr) {
        EXPECT_TRUE(p.waitForFinished(120000));
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    struct Stored {
        TaskRows rows;
        int posit = -1;
    };
    Stored read(int task) {
        auto store = Store::open(m_server.toString(), StoreOpenMode::ExistingOnly);
        Stored s;
        std::string error;
        EXPECT_TRUE(store && EngineRows(*store).readTask(task, s.rows, error) == RowsStatus::Ok) << error;
        if (store) {
            QSqlQuery q(store->database());
            if (q.exec(QStringLiteral("SELECT COUNT(*) FROM posit WHERE TaskID = %1").arg(task)) && q.next())
                s.posit = q.value(0).toInt();
        }
        return s;
    }
    // The stored plan of a task holds together: every box of a container is in posit, and the
    // counters agree with the rows.
    static void expectWhole(const Stored& stored) {
        const TaskRows& rows = stored.rows;
        int boxes = 0, placed = 0;
        for (const SolutRow& s : rows.solut)
            boxes += s.BoxLoad;
        for (const TbRow& b : rows.tb)
            placed += b.Placed;
        EXPECT_EQ(stored.posit, boxes);
        EXPECT_EQ(placed, boxes);
        EXPECT_EQ(rows.task.Solut, !rows.solut.empty());
    }

    QTemporaryDir m_home;
    ServerLocation m_server;
};

TEST_F(ServerCliTest, TwoTasksSolvedAtOnceAreBothStored) {
    auto a = start(solveArgs(1));
    auto b = start(solveArgs(2));
    QString errA, errB;
    EXPECT_EQ(finish(*a, &errA), 0) << errA.toStdString();
    EXPECT_EQ(finish(*b, &errB), 0) << errB.toStdString();
    for (int task : {1, 2}) {
        const Stored stored = read(task);
        EXPECT_TRUE(stored.rows.task.Solut);
        EXPECT_FALSE(stored.rows.solut.empty());
        expectWhole(stored);
    }
}

TEST_F(ServerCliTest, SameTaskSolvedTwiceAtOnceGivesOnePlanAndOneRefusal) {
    auto a = start(solveArgs(1));
    auto b = start(solveArgs(1));
    QString errA, errB;
    const int codeA = finish(*a, &errA), codeB = finish(*b, &errB);
    EXPECT_EQ(codeA + codeB, 1) << errA.toStdString() << errB.toStdString();
    const QString refusal = codeA == 0 ? errB : errA;
    // Refused while the other holds the task, or (when it was already done) as a solved task.
    EXPECT_TRUE(refusal.contains(taskBusyText()) || refusal.contains(QStringLiteral("is solved")))
        << refusal.toStdString();
    expectWhole(read(1));
}

TEST_F(ServerCliTest, TaskHeldByAnotherPlannerIsRefusedAndLeftAsItWas) {
    auto holder = Store::open(m_server.toString(), StoreOpenMode::ExistingOnly);
    ASSERT_TRUE(holder);
    {
        StoreTransaction hold(*holder);
        ASSERT_EQ(holder->lockTask(1), TaskLock::Locked);
        for (const QStringList& args :
             {solveArgs(1), QStringList{QStringLiteral("--home"), m_home.path(), QStringLiteral("clear"),
                                        QStringLiteral("--task"), QStringLiteral("1")}}) {
            auto p = start(args);
            QString err;
            EXPECT_EQ(finish(*p, &err), 1);
            EXPECT_TRUE(err.contains(taskBusyText())) << err.toStdString();
        }
        EXPECT_FALSE(read(1).rows.task.Solut);
    }
    auto p = start(solveArgs(1));
    QString err;
    EXPECT_EQ(finish(*p, &err), 0) << err.toStdString();
}

TEST_F(ServerCliTest, KillsDuringASolveLeaveTheTaskWhollyAsBeforeOrWhollySolved) {
    const int kills = qEnvironmentVariableIntValue("PALVANE_SERVER_KILLS") > 0
                          ? qEnvironmentVariableIntValue("PALVANE_SERVER_KILLS")
                          : 4;
    auto first = start(solveArgs(1));
    ASSERT_EQ(finish(*first), 0);
    QRandomGenerator random(7);
    for (int round = 0; round < kills; ++round) {
        const Stored before = read(1);
        auto p = start(solveArgs(
            1, {QStringLiteral("--clear-first"), QStringLiteral("--rand"), QString::number(round + 2)}));
        QThread::msleep(random.bounded(400u));
        ::kill(pid_t(p->processId()), SIGKILL);
        p->waitForFinished(60000);
        const Stored after = read(1);
        // Wholly one plan or the other, never the clear without the new plan.
        expectWhole(after);
        EXPECT_TRUE(after.rows.task.Solut) << "round " << round;
        EXPECT_FALSE(after.rows.solut.empty()) << "round " << round;
        EXPECT_GT(before.posit, 0);
    }
}

TEST_F(ServerCliTest, PlanFromTheServerEqualsThePlanFromADirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(seedTasks(dir.filePath(QStringLiteral("db"))));
    // A search that ends on its number of tries, never on the clock, so both runs see the same.
    const QStringList solve{QStringLiteral("solve"),   QStringLiteral("--task"), QStringLiteral("1"),
                            QStringLiteral("--power"), QStringLiteral("1"),      QStringLiteral("--time"),
                            QStringLiteral("600")};
    auto onServer = start(QStringList{QStringLiteral("--home"), m_home.path()} + solve);
    ASSERT_EQ(finish(*onServer), 0);
    auto inDir = start(QStringList{QStringLiteral("--db"), dir.filePath(QStringLiteral("db"))} + solve);
    ASSERT_EQ(finish(*inDir), 0);
    auto show = [&](const QStringList& where) {
        QProcess p;
        p.start(QStringLiteral(PALVANE_CLI),
                where + QStringList{QStringLiteral("show"), QStringLiteral("--task"), QStringLiteral("1")});
        EXPECT_TRUE(p.waitForFinished(60000));
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString server = show({QStringLiteral("--home"), m_home.path()});
    const QString local = show({QStringLiteral("--db"), dir.filePath(QStringLiteral("db"))});
    EXPECT_FALSE(server.isEmpty());
    EXPECT_EQ(server.toStdString(), local.toStdString());
}

} // namespace
