// The command-line front end on real table files: options and their errors, the task list,
// solve with overrides and refusals, clear, show, --db and --home, a busy database and Ctrl-C.
#include "CliCommands.h"
#include "CoreApp.h"
#include "DatabaseAliases.h"
#include "EngineRows.h"
#include "FakeSearch.h"
#include "IniFile.h"
#include "RowChecks.h"
#include "Store.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace palvane;
using namespace palvane::testing;

namespace {

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { test::ensureCoreApp(); }

    // Runs the command line; out and err receive what it printed.
    int run(QStringList args) {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        CliContext c{o, e};
        c.search = &search;
        c.clock = &clock;
        c.interrupted = &interrupted;
        c.progressLine = progressLine;
        const int status = runCli(args, c);
        o.flush();
        e.flush();
        return status;
    }
    QStringList home() const { return {QStringLiteral("--home"), tmp.filePath(QStringLiteral("home"))}; }
    TaskRows readTask(int taskId = 1) {
        auto store = Store::open(
            DatabaseAliases(HomeFolder(tmp.filePath(QStringLiteral("home")))).directory(MainDatabase),
            StoreOpenMode::ExistingOnly);
        TaskRows rows;
        std::string error;
        if (store)
            EngineRows(*store).readTask(taskId, rows, error);
        return rows;
    }

    QTemporaryDir tmp;
    FakeSearch search;
    ManualClock clock;
    volatile std::sig_atomic_t interrupted = 0;
    bool progressLine = false;
    QString out;
    QString err;
};

} // namespace

TEST(CliOptions, ParsesEveryOptionInBothForms) {
    CliOptions o;
    QString error;
    ASSERT_TRUE(parseCliArguments({"--db",      "/x",
                                   "solve",     "--task=3",
                                   "--power",   "7",
                                   "--time=60", "--rand",
                                   "9",         "--weight-factor",
                                   "30",        "--bind-factor",
                                   "2",         "--cost-factor",
                                   "15",        "--left-factor",
                                   "5",         "--item-gap",
                                   "10",        "--wall-gap",
                                   "20",        "--last-off",
                                   "0",         "--improve",
                                   "3",         "--clear-first"},
                                  o, error))
        << error.toStdString();
    EXPECT_EQ(o.db, "/x");
    EXPECT_EQ(o.command, "solve");
    EXPECT_EQ(o.taskId, 3);
    EXPECT_TRUE(o.clearFirst);
    const SolveSettings s = o.overrides.applyTo(SolveSettings{});
    EXPECT_EQ(s.Power, 7);
    EXPECT_EQ(s.Time, 60);
    EXPECT_EQ(s.Rand, 9);
    EXPECT_EQ(s.Qw, 30);
    EXPECT_EQ(s.Qg, 2);
    EXPECT_EQ(s.Qc, 15);
    EXPECT_EQ(s.Qr, 5);
    EXPECT_EQ(s.BB, 10);
    EXPECT_EQ(s.BW, 20);
    EXPECT_FALSE(s.Last);
    EXPECT_EQ(s.Improve, 3);
    // Unset options keep the task's values; the improvement stage stays off.
    EXPECT_EQ(CliOptions{}.overrides.applyTo(SolveSettings{}).Improve, 0);
    SolveSettings task;
    task.Power = 11;
    EXPECT_EQ(CliOptions{}.overrides.applyTo(task), task);
}

TEST(CliOptions, WrongCommandLinesAreRefusedWithAReason) {
    const std::vector<QStringList> wrong = {
        {},
        {"frobnicate"},
        {"solve"},
        {"solve", "--task"},
        {"solve", "--task", "abc"},
        {"solve", "--task", "0"},
        {"solve", "--task", "1", "--power", "21"},
        {"solve", "--task", "1", "--time", "4"},
        {"solve", "--task", "1", "--last-off", "2"},
        {"solve", "--task", "1", "--improve", "601"},
        {"solve", "--task", "1", "--improve", "-1"},
        {"solve", "--task", "1", "--improve"},
        {"show", "--task", "1", "--improve", "1"},
        {"solve", "--task", "1", "--item-gap", "-1"},
        {"solve", "--task", "1", "--power", "99999999999999999999"},
        {"show", "--task", "1", "--power", "3"},
        {"tasks", "--clear-first"},
        {"--home", "a", "--db", "b", "tasks"},
        {"--home"},
        {"tasks", "extra"},
        {"tasks", "--unknown"},
    };
    for (const QStringList& args : wrong) {
        CliOptions o;
        QString error;
        EXPECT_FALSE(parseCliArguments(args, o, error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(error.contains('\n'));
    }
    CliOptions o;
    QString error;
    EXPECT_TRUE(parseCliArguments({"--help"}, o, error));
    EXPECT_TRUE(o.help);
}

TEST_F(CliTest, BadOptionsPrintTheUsage) {
    EXPECT_EQ(run({"solve", "--task", "x"}), CliBadUsage);
    EXPECT_TRUE(err.startsWith("--task needs a whole number"));
    EXPECT_TRUE(err.contains("Usage: palvane-cli"));
    EXPECT_EQ(run({"--help"}), CliOk);
    EXPECT_TRUE(out.contains("--clear-first"));
    EXPECT_TRUE(out.contains("--improve SEC"));
    EXPECT_TRUE(err.isEmpty());
}

TEST_F(CliTest, FreshHomeGetsTheSampleTaskAndSolvesIt) {
    ASSERT_EQ(run(home() << "tasks"), CliOk) << err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(tmp.filePath("home/databases.ini")));
    // The settings file is made with the home folder, holding the defaults, so that the desktop
    // program's first start on it has nothing to warn about.
    {
        QFile ini(iniFilePath(tmp.filePath("home")));
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
        IniValues values;
        values.LanguageCode = 3;
        ASSERT_TRUE(parseIni(ini.readAll(), values));
        EXPECT_EQ(values, IniValues{});
    }
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains("not solved"));

    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"
                         << "--power"
                         << "2"
                         << "--weight-factor"
                         << "30"
                         << "--bind-factor"
                         << "1"),
              CliOk)
        << err.toStdString();
    EXPECT_TRUE(out.startsWith("Task 1 solved:"));
    EXPECT_TRUE(out.contains("Area utilisation"));
    EXPECT_TRUE(out.contains("Run "));
    const TaskRows rows = readTask();
    EXPECT_TRUE(rows.task.Solut);
    EXPECT_EQ(rows.task.solve.Power, 2);
    EXPECT_EQ(rows.task.solve.Qw, 130);
    EXPECT_FALSE(rows.solut.empty());

    ASSERT_EQ(run(home() << "tasks"), CliOk);
    EXPECT_TRUE(out.contains(" solved "));
    ASSERT_EQ(run(home() << "show"
                         << "--task"
                         << "1"),
              CliOk);
    EXPECT_TRUE(out.contains("Cont"));
    int boxLines = 0;
    for (const QString& line : out.split('\n'))
        boxLines += line.count(' ') > 10 && !line.contains("Cont") ? 1 : 0;
    EXPECT_GT(boxLines, static_cast<int>(rows.solut.size()));
}

TEST_F(CliTest, SolvedTaskIsRefusedUnlessClearedFirstAndFixedContainersStay) {
    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"),
              CliOk)
        << err.toStdString();
    const TaskRows first = readTask();
    ASSERT_GE(first.solut.size(), 2u);

    EXPECT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"),
              CliFailed);
    EXPECT_TRUE(err.contains("--clear-first"));
    EXPECT_EQ(err.count('\n'), 1);

    {
        auto store = Store::open(DatabaseAliases(HomeFolder(tmp.filePath("home"))).directory(MainDatabase),
                                 StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(store);
        ASSERT_TRUE(
            store->exec(QStringLiteral("UPDATE solut SET FixCont = 1 WHERE TaskID = 1 AND ContNo = %1")
                            .arg(first.solut[0].ContNo)));
    }
    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"
                         << "--clear-first"
                         << "--rand"
                         << "5"),
              CliOk)
        << err.toStdString();
    const TaskRows second = readTask();
    EXPECT_TRUE(second.task.Solut);
    EXPECT_EQ(second.task.solve.Rand, 5);
    int fixed = 0;
    for (const SolutRow& s : second.solut)
        fixed += s.FixCont;
    EXPECT_EQ(fixed, 1);

    ASSERT_EQ(run(home() << "clear"
                         << "--task"
                         << "1"),
              CliOk)
        << err.toStdString();
    EXPECT_TRUE(out.contains("fixed containers kept: 1"));
    const TaskRows cleared = readTask();
    EXPECT_FALSE(cleared.task.Solut);
    ASSERT_EQ(cleared.solut.size(), 1u);
    EXPECT_TRUE(cleared.solut[0].FixCont);
}

TEST_F(CliTest, ClearFirstAndTheNewPlanAreOneUnit) {
    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"),
              CliOk)
        << err.toStdString();
    const QString db = DatabaseAliases(HomeFolder(tmp.filePath("home"))).directory(MainDatabase);
    auto exec = [&](const QString& sql) {
        auto store = Store::open(db, StoreOpenMode::ExistingOnly);
        return store && store->exec(sql);
    };
    ASSERT_TRUE(exec(QStringLiteral("UPDATE solut SET FixCont = 1 WHERE TaskID = 1 AND ContNo = %1")
                         .arg(readTask().solut[0].ContNo)));
    const std::string before = rowsText(readTask());

    // The write-back of the new plan fails: the old solution, fixed and loose containers, stays.
    ASSERT_TRUE(exec(QStringLiteral("CREATE TRIGGER posit.refuse BEFORE INSERT ON posit "
                                    "BEGIN SELECT RAISE(ABORT, 'injected failure'); END")));
    EXPECT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"
                         << "--clear-first"
                         << "--rand"
                         << "9"),
              CliFailed);
    EXPECT_TRUE(err.contains("the previous solution is unchanged")) << err.toStdString();
    EXPECT_TRUE(err.contains("injected failure"));
    EXPECT_EQ(rowsText(readTask()), before);

    // A failure while the task row is marked: the same.
    ASSERT_TRUE(exec(QStringLiteral("DROP TRIGGER posit.refuse")));
    ASSERT_TRUE(exec(QStringLiteral("CREATE TRIGGER refuse_task BEFORE UPDATE ON tasks "
                                    "BEGIN SELECT RAISE(ABORT, 'injected failure'); END")));
    EXPECT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"
                         << "--clear-first"
                         << "--rand"
                         << "9"),
              CliFailed);
    EXPECT_EQ(rowsText(readTask()), before);

    // Without failures the new plan replaces the old one and keeps the fixed container.
    ASSERT_TRUE(exec(QStringLiteral("DROP TRIGGER refuse_task")));
    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"
                         << "--clear-first"
                         << "--rand"
                         << "9"),
              CliOk)
        << err.toStdString();
    const TaskRows after = readTask();
    EXPECT_NE(rowsText(after), before);
    EXPECT_TRUE(after.task.Solut);
    EXPECT_EQ(after.task.solve.Rand, 9);
    EXPECT_EQ(
        std::count_if(after.solut.begin(), after.solut.end(), [](const SolutRow& s) { return s.FixCont; }),
        1);
    expectConsistentRows(after);
}

TEST_F(CliTest, FailuresGiveOneLineAndAStatus) {
    EXPECT_EQ(run(home() << "show"
                         << "--task"
                         << "99"),
              CliFailed);
    EXPECT_EQ(err, "Task 99 not found\n");
    EXPECT_EQ(run(home() << "solve"
                         << "--task"
                         << "99"),
              CliFailed);
    EXPECT_EQ(err, "Task 99 not found\n");
    EXPECT_EQ(run(home() << "clear"
                         << "--task"
                         << "99"),
              CliFailed);

    // An empty database named by --db is created; its task without boxes is refused.
    const QString db = tmp.filePath("db");
    ASSERT_EQ(run({"--db", db, "tasks"}), CliOk) << err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(db + "/posit.db"));
    EXPECT_EQ(out, "No tasks\n");
    {
        auto store = Store::open(db, StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(store);
        ASSERT_TRUE(store->exec(
            QStringLiteral("INSERT INTO conts (Type, Length, Width, LoadWt) VALUES ('c', 100, 100, 10)")));
        ASSERT_TRUE(store->exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('empty')")));
        ASSERT_TRUE(store->exec(QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (1, 1, 30)")));
        EXPECT_EQ(run({"--db", db, "solve", "--task", "1"}), CliFailed);
        EXPECT_EQ(err, "DB is busy or wrong " + QDir(db).absolutePath() + "\n");
    }
    EXPECT_EQ(run({"--db", db, "solve", "--task", "1"}), CliFailed);
    EXPECT_EQ(err, "Task 1 has no boxes\n");
    {
        auto store = Store::open(db, StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(store->exec(
            QStringLiteral("INSERT INTO boxes (Kind, Length, Width, Weight) VALUES ('b', 10, 10, 1)")));
        ASSERT_TRUE(store->exec(QStringLiteral("INSERT INTO tb (TaskID, KindID, Total) VALUES (1, 1, 3)")));
    }
    EXPECT_EQ(run({"--db", db, "solve", "--task", "1"}), CliFailed);
    EXPECT_EQ(err, "Task 1 has more than 24 containers\n");
    EXPECT_EQ(search.runs, 0);
}

TEST_F(CliTest, MissingMainDatabaseDirectoryIsNamed) {
    ASSERT_EQ(run(home() << "tasks"), CliOk);
    ASSERT_TRUE(QDir(tmp.filePath("home/KorvanB")).removeRecursively());
    EXPECT_EQ(run(home() << "tasks"), CliFailed);
    EXPECT_TRUE(err.startsWith("Main/Home DB location not found, alias: KorvanB")) << err.toStdString();
    EXPECT_EQ(err.count('\n'), 1);
    // Nothing was created in its place.
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath("home/KorvanB")));
}

TEST_F(CliTest, ImproveOptionRunsTheStageAndShowsItOnTheProgressLine) {
    progressLine = true;
    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"
                         << "--improve"
                         << "1"),
              CliOk)
        << err.toStdString();
    EXPECT_TRUE(err.contains("Packing progress..."));
    EXPECT_TRUE(err.contains("Improving the plan..."));
    EXPECT_LT(err.indexOf("Packing progress..."), err.indexOf("Improving the plan..."));
    const TaskRows rows = readTask();
    EXPECT_TRUE(rows.task.Solut);
    expectConsistentRows(rows);
    expectValidGeometry(rows);
}

TEST_F(CliTest, InterruptStopsTheSearchAndStoresTheBestPlanSoFar) {
    interrupted = 1;
    progressLine = true;
    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"),
              CliOk)
        << err.toStdString();
    EXPECT_EQ(search.runs, 1);
    EXPECT_TRUE(out.contains("aborted"));
    EXPECT_TRUE(err.contains("Packing progress..."));
    const QStringList drawn = err.split('\r', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < drawn.size(); ++i)
        EXPECT_NE(drawn[i], drawn[i - 1]) << "a progress line is written twice";
    EXPECT_TRUE(err.endsWith('\n'));
    const TaskRows rows = readTask();
    EXPECT_TRUE(rows.task.Solut);
    EXPECT_EQ(rows.solut.size(), 1u);
}

TEST_F(CliTest, AliasesNamingOneDirectoryAreRefused) {
    ASSERT_EQ(run(home() << "tasks"), CliOk) << err.toStdString();
    HomeFolder folder(tmp.filePath("home"));
    DatabaseAliases aliases(folder);
    ASSERT_TRUE(aliases.load());
    aliases.setConfiguredPath(ImportDatabase, aliases.directory(MainDatabase) + QStringLiteral("/."));
    ASSERT_TRUE(aliases.save());
    EXPECT_EQ(run(home() << "tasks"), CliFailed);
    EXPECT_EQ(err, "The aliases KorvanB and Korvanimp name the same DB location: " +
                       QFileInfo(aliases.directory(MainDatabase)).canonicalFilePath() + "\n");
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(CliTest, DbDirectoryMissingSomeTableFilesIsRefusedAndNothingIsCreated) {
    const QString db = tmp.filePath("db");
    ASSERT_EQ(run({"--db", db, "tasks"}), CliOk) << err.toStdString();
    ASSERT_TRUE(QFile::remove(db + "/conts.db"));
    ASSERT_TRUE(QFile::remove(db + "/boxes.db"));
    for (const char* command : {"tasks", "show", "solve"}) {
        QStringList args{"--db", db, command};
        if (QLatin1String(command) != QLatin1String("tasks"))
            args << "--task"
                 << "1";
        EXPECT_EQ(run(args), CliFailed) << command;
        EXPECT_EQ(err, "DB is busy or wrong " + QDir(db).absolutePath() +
                           " Missing table files: conts.db, boxes.db\n");
    }
    EXPECT_FALSE(QFileInfo::exists(db + "/conts.db"));
    EXPECT_FALSE(QFileInfo::exists(db + "/boxes.db"));
}

TEST_F(CliTest, NamesAreShownWithTheirControlCharactersEscapedAndCountsWithinTheirFields) {
    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"),
              CliOk)
        << err.toStdString();
    const QString db = DatabaseAliases(HomeFolder(tmp.filePath("home"))).directory(MainDatabase);
    {
        auto store = Store::open(db, StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(store);
        QSqlQuery q(store->database());
        q.prepare(QStringLiteral("UPDATE tasks SET Name = ? WHERE TaskID = 1"));
        q.addBindValue(QStringLiteral("Evil\x1b[2J\n    2  forged\tx\x7f"));
        ASSERT_TRUE(q.exec());
        q.prepare(QStringLiteral("UPDATE conts SET Type = ?"));
        q.addBindValue(QStringLiteral("Van\r\x1b]0;title\x07"));
        ASSERT_TRUE(q.exec());
        // Stored counts far outside their fields: each is read at its field's limit.
        ASSERT_TRUE(store->exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('big')")));
        ASSERT_TRUE(store->exec(
            QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (2, 1, 9223372036854775807)")));
        ASSERT_TRUE(store->exec(
            QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (2, 2, 9223372036854775807)")));
        ASSERT_TRUE(
            store->exec(QStringLiteral("INSERT INTO tb (TaskID, KindID, Total) VALUES (2, 1, 100000)")));
        ASSERT_TRUE(
            store->exec(QStringLiteral("INSERT INTO tb (TaskID, KindID, Total) VALUES (2, 2, 'many')")));
    }
    ASSERT_EQ(run(home() << "tasks"), CliOk) << err.toStdString();
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << out.toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("Evil\\x1b[2J\\n    2  forged\\tx\\x7f")))
        << lines[0].toStdString();
    EXPECT_FALSE(out.contains(QChar(0x1b)));
    // 2 x 32767 containers, 32767 + 0 boxes, as the Task Page sums them.
    EXPECT_TRUE(lines[1].contains(QStringLiteral("65534 containers"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("32767 boxes"))) << lines[1].toStdString();

    ASSERT_EQ(run(home() << "show"
                         << "--task"
                         << "1"),
              CliOk)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("\"Evil\\x1b[2J\\n    2  forged\\tx\\x7f\"")));
    EXPECT_TRUE(out.contains(QStringLiteral("Van\\r\\x1b]0;title\\x07")));
    for (QChar c : out)
        EXPECT_TRUE(c == QLatin1Char('\n') || c >= QLatin1Char(' ')) << int(c.unicode());
}

TEST_F(CliTest, ListingAndShowingLeaveWalFilesAsTheyAreAndSolvingSwitchesThem) {
    ASSERT_EQ(run(home() << "tasks"), CliOk) << err.toStdString();
    const QString db = DatabaseAliases(HomeFolder(tmp.filePath("home"))).directory(MainDatabase);
    auto journalMode = [&](Table t) {
        QFile f(Store::tableFilePath(db, t));
        return f.open(QIODevice::ReadOnly) ? int(f.read(20).at(18)) : -1;
    };
    auto contents = [&] {
        QByteArray all;
        for (Table t : AllTables) {
            QFile f(Store::tableFilePath(db, t));
            all += f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
        }
        return all;
    };
    for (Table t : AllTables) {
        const QString name = QStringLiteral("wal-switch");
        {
            QSqlDatabase plain = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            plain.setDatabaseName(Store::tableFilePath(db, t));
            ASSERT_TRUE(plain.open());
            QSqlQuery q(plain);
            ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA journal_mode=WAL")));
            q.finish();
            plain.close();
        }
        QSqlDatabase::removeDatabase(name);
        ASSERT_EQ(journalMode(t), 2);
    }
    const QByteArray before = contents();
    ASSERT_EQ(run(home() << "tasks"), CliOk) << err.toStdString();
    ASSERT_EQ(run(home() << "show"
                         << "--task"
                         << "1"),
              CliOk)
        << err.toStdString();
    EXPECT_EQ(contents(), before);
    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"),
              CliOk)
        << err.toStdString();
    for (Table t : AllTables)
        EXPECT_EQ(journalMode(t), 1) << tableName(t).toStdString();
}

TEST_F(CliTest, FullDiskDuringTheWriteLeavesThePreviousSolution) {
    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"),
              CliOk)
        << err.toStdString();
    const std::string before = rowsText(readTask());
    // No file of this process may grow: the journal cannot be written.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = old;
    limit.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const int status = run(home() << "solve"
                                  << "--task"
                                  << "1"
                                  << "--clear-first"
                                  << "--rand"
                                  << "3");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(status, CliFailed);
    EXPECT_TRUE(err.startsWith("The plan could not be stored, the previous solution is unchanged"))
        << err.toStdString();
    EXPECT_EQ(rowsText(readTask()), before);
}
