// Task exchange on real database directories: export with the solution and the library, repeated
// exports, duplicates, switching databases, emptying, and failures injected half-way (a trigger
// that aborts one insert) that must leave every database as it was.
#include "TaskExchange.h"
#include "DataModuleFixture.h"
#include "ExchangeRows.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace palvane::test {
namespace {

class TaskExchangeTest : public DataModuleFixture {
protected:
    void SetUp() override {
        DataModuleFixture::SetUp();
        seedSample();
        // Task 2 "Beta" is solved: one container with its distribution and two positions.
        seed(
            0,
            {QStringLiteral("INSERT INTO solut (TaskID, ContNo, TypeID, BoxLoad, WgtLoad, WolLoad, FixCont) "
                            "VALUES (2, 1, 1, 7, 2200, 5.76e6, 1)"),
             QStringLiteral(
                 "INSERT INTO distr (TaskID, ContNo, KindID, Placed) VALUES (2, 1, 1, 6), (2, 1, 2, 1)"),
             QStringLiteral(
                 "INSERT INTO posit (TaskID, ContNo, BoxNo, KindID, PosX, PosY, PosLh, PosWh, LoadNo) "
                 "VALUES (2, 1, 1, 1, 0, 0, 1200, 800, 1), (2, 1, 2, 2, 1200, 0, 1200, 1000, 2)"),
             QStringLiteral("UPDATE tasks SET Descr = 'two trucks', Power = 7, Qw = 235, Date = '2026-01-05' "
                            "WHERE TaskID = 2")});
        ASSERT_TRUE(start(2));
        m_ex = std::make_unique<TaskExchange>(*m_dm, m_prompter);
        m_ex->today = [] { return QDate(2026, 12, 10); };
        QObject::connect(m_dm.get(), &TDMForm::progressPositionChanged, [this](int p) { m_positions << p; });
        clearAsked();
    }
    void TearDown() override {
        m_ex.reset();
        DataModuleFixture::TearDown();
    }
    // Rows of a query on a database the module does not hold (opened for the call).
    QList<QVariantList> rows(int code, const QString& sql) {
        std::shared_ptr<Store> s = Store::openShared(m_dirs[code], StoreOpenMode::ExistingOnly);
        QList<QVariantList> out;
        if (!s)
            return {{QStringLiteral("cannot open")}};
        QSqlQuery q(s->database());
        if (!q.exec(sql))
            return {{q.lastError().text()}};
        while (q.next()) {
            QVariantList r;
            for (int i = 0; i < q.record().count(); ++i)
                r << q.value(i);
            out << r;
        }
        return out;
    }
    int rowCount(int code, Table t) {
        std::shared_ptr<Store> s = Store::openShared(m_dirs[code], StoreOpenMode::ExistingOnly);
        return s ? tableRowCount(*s, t) : -1;
    }
    // A trigger in a database that makes every insert into the table fail.
    void failInserts(int code, Table t) {
        seed(code, test::failureTrigger(test::onServer(), QStringLiteral("fail_") + tableName(t), t,
                                        QStringLiteral("INSERT"), QString(), QStringLiteral("injected")));
    }
    // The contents of every table of a database, for before/after comparisons.
    QList<QList<QVariantList>> snapshot(int code) {
        QList<QList<QVariantList>> all;
        for (Table t : AllTables)
            all << rows(code, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(tableName(t)));
        return all;
    }

    std::unique_ptr<TaskExchange> m_ex;
    QList<int> m_positions;
};

TEST_F(TaskExchangeTest, ExportCopiesTaskListsSolutionAndLibrary) {
    // A foreign library row in the export database is replaced by the main library.
    seed(1, {QStringLiteral("INSERT INTO conts (TypeID, Type, Length, Width) VALUES (9, 'Old', 100, 100)")});
    ASSERT_TRUE(m_ex->TaskCopying(true));
    EXPECT_EQ(askedTexts(), QStringList{QStringLiteral("Add current task to Export DB?")});
    EXPECT_EQ(m_dm->TaskIni, 2);
    EXPECT_EQ(rows(1, QStringLiteral("SELECT TypeID, Type FROM conts ORDER BY TypeID")),
              rows(0, QStringLiteral("SELECT TypeID, Type FROM conts ORDER BY TypeID")));
    EXPECT_EQ(rows(1, QStringLiteral("SELECT * FROM boxes ORDER BY KindID")),
              rows(0, QStringLiteral("SELECT * FROM boxes ORDER BY KindID")));
    auto task = rows(1, QStringLiteral("SELECT TaskID, Name, Solut, Descr, Power, Qw, Date FROM tasks"));
    ASSERT_EQ(task.size(), 1);
    const qint32 x = task[0][0].toInt();
    EXPECT_EQ(task[0].mid(1), (QVariantList{QStringLiteral("Beta"), 1, QStringLiteral("two trucks"), 7, 235,
                                            QStringLiteral("2026-01-05")}));
    // Lists and solution under the new id, otherwise identical.
    const QString lists[] = {
        QStringLiteral("SELECT TypeID, Avail, Used, Prior, Cost FROM tc WHERE TaskID = %1"),
        QStringLiteral("SELECT KindID, Total, Placed, Prior, Bind, Cost FROM tb WHERE TaskID = %1"),
        QStringLiteral("SELECT ContNo, TypeID, BoxLoad, WgtLoad, WolLoad, FixCont FROM solut "
                       "WHERE TaskID = %1"),
        QStringLiteral("SELECT ContNo, KindID, Placed FROM distr WHERE TaskID = %1"),
        QStringLiteral("SELECT BoxNo, KindID, PosX, PosY, PosLh, PosWh, LoadNo FROM posit "
                       "WHERE TaskID = %1")};
    for (const QString& sql : lists) {
        const auto copied = rows(1, sql.arg(x) + QStringLiteral(" ORDER BY rowid"));
        EXPECT_FALSE(copied.isEmpty()) << sql.toStdString();
        EXPECT_EQ(copied, rows(0, sql.arg(2) + QStringLiteral(" ORDER BY rowid"))) << sql.toStdString();
    }
    // Every key the exported lists use names the same type and kind in the export library.
    EXPECT_TRUE(rows(1, QStringLiteral("SELECT tc.TypeID FROM tc LEFT JOIN conts ON conts.TypeID = tc.TypeID "
                                       "WHERE conts.TypeID IS NULL"))
                    .isEmpty());
    EXPECT_EQ(m_positions, (QList<int>{5, 10, 35, 60, 70, 80, 90, 100, 0}));
    // The main database is unchanged and still current on the task.
    EXPECT_EQ(m_dm->currentTaskId(), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tasks")), 2);
}

TEST_F(TaskExchangeTest, ExportingTwiceGivesTwoTasks) {
    QStringList captions;
    QList<bool> settingsEnabled;
    QObject receiver;
    QObject::connect(m_dm.get(), &TDMForm::progressShown, &receiver,
                     [&](const QString& c) { captions << c; });
    QObject::connect(m_ex.get(), &TaskExchange::settingsEnableRequested, &receiver,
                     [&](bool on) { settingsEnabled << on; });
    m_dm->WarnsCheck = false;
    ASSERT_TRUE(m_ex->TaskCopying(true));
    ASSERT_TRUE(m_ex->TaskCopying(true));
    EXPECT_TRUE(askedTexts().isEmpty());
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Task copying..."), QStringLiteral("Task copying...")}));
    EXPECT_EQ(settingsEnabled, (QList<bool>{false, true, false, true}));
    auto ids = rows(1, QStringLiteral("SELECT TaskID FROM tasks ORDER BY TaskID"));
    ASSERT_EQ(ids.size(), 2);
    EXPECT_NE(ids[0][0], ids[1][0]);
    EXPECT_EQ(rowCount(1, Table::Posit), 4);
    EXPECT_EQ(rowCount(1, Table::Conts), 2); // replaced, not added to
    // An unsolved task goes without solution rows.
    ASSERT_TRUE(m_dm->tasks().locate(QStringLiteral("TaskID"), 1));
    ASSERT_TRUE(m_ex->TaskCopying(true));
    EXPECT_EQ(rowCount(1, Table::Tasks), 3);
    EXPECT_EQ(rowCount(1, Table::Solut), 2);
    EXPECT_EQ(rows(1, QStringLiteral("SELECT Name, Solut FROM tasks ORDER BY TaskID DESC LIMIT 1")),
              (QList<QVariantList>{{QStringLiteral("Alpha"), 0}}));
}

TEST_F(TaskExchangeTest, CancelledOrImpossibleCopiesChangeNothing) {
    m_prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Cancel};
    EXPECT_FALSE(m_ex->TaskCopying(true));
    EXPECT_FALSE(m_ex->TaskCopying(false));
    EXPECT_EQ(rowCount(1, Table::Conts), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tasks")), 2);
    EXPECT_TRUE(m_positions.isEmpty());
    // Off the main database nothing is copied, without a question.
    ASSERT_TRUE(m_ex->SwitchDatabase(ImportDatabase));
    clearAsked();
    EXPECT_FALSE(m_ex->TaskCopying(true));
    EXPECT_FALSE(m_ex->TaskCopying(false));
    EXPECT_TRUE(askedTexts().isEmpty());
}

TEST_F(TaskExchangeTest, ExportFailingHalfWayLeavesExportDatabaseIntact) {
    seed(1, {QStringLiteral("INSERT INTO conts (TypeID, Type, Length, Width) VALUES (1, 'Old', 100, 100)")});
    const auto before = snapshot(1);
    for (Table t : {Table::Posit, Table::Tb, Table::Conts}) {
        SCOPED_TRACE(tableName(t).toStdString());
        failInserts(1, t);
        clearAsked();
        m_positions.clear();
        EXPECT_FALSE(m_ex->TaskCopying(true));
        ASSERT_EQ(m_prompter.asked.size(), 2u);
        EXPECT_EQ(m_prompter.asked[1].kind, PromptKind::Error);
        EXPECT_EQ(m_positions.last(), 0); // the progress window is closed
        seed(1, {test::dropFailureTrigger(test::onServer(), QStringLiteral("fail_") + tableName(t), t)});
        EXPECT_EQ(snapshot(1), before);
    }
    // The library step names the file (on a server: the table) it could not write.
    failInserts(1, Table::Boxes);
    clearAsked();
    EXPECT_FALSE(m_ex->TaskCopying(true));
    EXPECT_TRUE(askedTexts().value(1).startsWith(QStringLiteral("Error export file copy ")));
    EXPECT_TRUE(askedTexts().value(1).contains(test::onServer() ? QStringLiteral("boxes")
                                                                : QStringLiteral("boxes.db")))
        << askedTexts().value(1).toStdString();
}

TEST_F(TaskExchangeTest, ExportRefusedWhenExportTasksUseKeysTheMainLibraryLacks) {
    // An earlier exported task lists type 5, which the main library does not hold: replacing the
    // export library would leave it pointing at nothing.
    seed(1, {QStringLiteral("INSERT INTO conts (TypeID, Type, Length, Width) VALUES (5, 'Gone', 100, 100)"),
             QStringLiteral("INSERT INTO tasks (TaskID, Name) VALUES (1, 'Earlier')"),
             QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (1, 5, 1)")});
    const auto before = snapshot(1);
    EXPECT_FALSE(m_ex->TaskCopying(true));
    ASSERT_EQ(askedTexts().size(), 2);
    EXPECT_TRUE(askedTexts()[1].contains(QStringLiteral("TypeID 5")));
    EXPECT_EQ(snapshot(1), before);
}

TEST_F(TaskExchangeTest, DuplicateMakesUnsolvedCopyCurrent) {
    seed(1, {QStringLiteral(
                "INSERT INTO boxes (KindID, Kind, Length, Width, Weight) VALUES (7, 'Old', 1, 1, 1)")});
    ASSERT_TRUE(m_dm->tasks().setValue(QStringLiteral("Name"), QStringLiteral("Truck load")));
    ASSERT_TRUE(m_dm->tasks().post());
    ASSERT_TRUE(m_ex->TaskCopying(false));
    EXPECT_EQ(askedTexts(), QStringList{QStringLiteral("Duplicate current task?")});
    const qint32 y = m_dm->currentTaskId();
    EXPECT_GT(y, 2);
    Cursor& t = m_dm->tasks();
    EXPECT_EQ(t.value(QStringLiteral("Name")).toString(), QStringLiteral("Truck load -dupl"));
    EXPECT_FALSE(t.value(QStringLiteral("Solut")).toBool());
    EXPECT_EQ(t.value(QStringLiteral("Date")).toDate(), QDate(2026, 12, 10));
    EXPECT_EQ(t.value(QStringLiteral("Descr")).toString(), QStringLiteral("two trucks"));
    EXPECT_EQ(t.value(QStringLiteral("Qw")).toInt(), 235);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tc WHERE TaskID = %1 AND Used = 0").arg(y)), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tb WHERE TaskID = %1 AND Placed = 0").arg(y)), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM solut WHERE TaskID = %1").arg(y)), 0);
    EXPECT_EQ(m_dm->tc().rowCount(), 2);
    EXPECT_EQ(m_dm->tb().rowCount(), 2);
    // The export database has the main library and no task.
    EXPECT_EQ(rows(1, QStringLiteral("SELECT * FROM boxes ORDER BY KindID")),
              rows(0, QStringLiteral("SELECT * FROM boxes ORDER BY KindID")));
    EXPECT_EQ(rowCount(1, Table::Tasks), 0);
    EXPECT_EQ(rowCount(1, Table::Tc), 0);
    // The source keeps its solution.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM solut WHERE TaskID = 2")), 1);
}

TEST_F(TaskExchangeTest, DuplicateNameIsCutToTheField) {
    EXPECT_EQ(duplicateName(QStringLiteral("Truck load")), QStringLiteral("Truck load -dupl"));
    EXPECT_EQ(duplicateName(QStringLiteral("A twenty-two char name")),
              QStringLiteral("A twenty-two char name -d"));
    EXPECT_EQ(duplicateName(QString(25, QLatin1Char('x'))), QString(25, QLatin1Char('x')));
}

TEST_F(TaskExchangeTest, DuplicateFailingHalfWayChangesNothing) {
    const int tasksBefore = count(QStringLiteral("SELECT COUNT(*) FROM tasks"));
    const int tcBefore = count(QStringLiteral("SELECT COUNT(*) FROM tc"));
    m_dm.reset(); // the trigger is added while the module does not hold the database
    m_ex.reset();
    failInserts(0, Table::Tb);
    ASSERT_TRUE(start(2));
    TaskExchange ex(*m_dm, m_prompter);
    clearAsked();
    EXPECT_FALSE(ex.TaskCopying(false));
    ASSERT_EQ(askedTexts().size(), 2);
    EXPECT_TRUE(askedTexts()[1].startsWith(QStringLiteral("Task copying failed; nothing was changed.")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tasks")), tasksBefore);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tc")), tcBefore);
    EXPECT_EQ(m_dm->currentTaskId(), 2);
}

TEST_F(TaskExchangeTest, DuplicateGoesOnWhenTheExportDatabaseIsDamaged) {
    const QString file = Store::tableFilePath(m_dirs[1], Table::Conts);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(2048, 'z'));
    f.close();
    ASSERT_TRUE(m_ex->TaskCopying(false));
    ASSERT_EQ(askedTexts().size(), 2);
    EXPECT_TRUE(askedTexts()[1].startsWith(QStringLiteral("Error export file copy")));
    EXPECT_EQ(m_dm->tasks().value(QStringLiteral("Name")).toString(), QStringLiteral("Beta -dupl"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(2048, 'z')); // never written
    // An export into it is refused with nothing written.
    clearAsked();
    EXPECT_FALSE(m_ex->TaskCopying(true));
    EXPECT_TRUE(askedTexts().value(1).startsWith(QStringLiteral("Error export file copy")));
}

TEST_F(TaskExchangeTest, SwitchingAwayAndBackReturnsToTheTask) {
    seed(1, {QStringLiteral("INSERT INTO tasks (TaskID, Name) VALUES (4, 'Exported')")});
    ASSERT_TRUE(m_dm->tasks().locate(QStringLiteral("TaskID"), 1));
    int switched = 0, outdated = 0;
    QObject receiver;
    QObject::connect(m_ex.get(), &TaskExchange::databaseSwitched, &receiver, [&] { ++switched; });
    QObject::connect(m_ex.get(), &TaskExchange::workspaceOutdated, &receiver, [&] { ++outdated; });
    ASSERT_TRUE(m_ex->SwitchDatabase(ExportDatabase));
    EXPECT_EQ(m_dm->ActiveDatabase, ExportDatabase);
    EXPECT_EQ(m_dm->TaskIni, 1);
    EXPECT_EQ(m_dm->currentTaskId(), 4);
    ASSERT_TRUE(m_ex->SwitchDatabase(ImportDatabase));
    EXPECT_EQ(m_dm->TaskIni, 1); // only the main database's task is remembered
    EXPECT_TRUE(m_dm->tasks().isEmpty());
    ASSERT_TRUE(m_ex->SwitchHome());
    EXPECT_EQ(m_dm->ActiveDatabase, MainDatabase);
    EXPECT_EQ(m_dm->currentTaskId(), 1);
    EXPECT_EQ(switched, 3);
    EXPECT_EQ(outdated, 3);
    EXPECT_TRUE(askedTexts().isEmpty());
}

TEST_F(TaskExchangeTest, SwitchToBrokenDatabaseKeepsThePreviousOne) {
    ASSERT_TRUE(QFile::remove(Store::tableFilePath(m_dirs[2], Table::Posit)));
    bool settingsEnabled = true;
    QObject receiver;
    QObject::connect(m_ex.get(), &TaskExchange::settingsEnableRequested, &receiver,
                     [&](bool on) { settingsEnabled = on; });
    EXPECT_FALSE(m_ex->SwitchDatabase(ImportDatabase));
    ASSERT_EQ(askedTexts().size(), 1);
    EXPECT_TRUE(askedTexts()[0].startsWith(QStringLiteral("DB is busy or incorrect\r")));
    EXPECT_TRUE(askedTexts()[0].contains(QStringLiteral("posit.db")));
    EXPECT_EQ(m_dm->ActiveDatabase, MainDatabase);
    EXPECT_EQ(m_dm->boundDatabase(), MainDatabase);
    EXPECT_EQ(m_dm->currentTaskId(), 2);
    EXPECT_TRUE(settingsEnabled);
    EXPECT_FALSE(QFile::exists(Store::tableFilePath(m_dirs[2], Table::Posit))); // nothing created
}

TEST_F(TaskExchangeTest, EmptyingTheExportDatabase) {
    EXPECT_FALSE(m_ex->EmptyActiveDatabase()); // main database: nothing, no question
    EXPECT_TRUE(askedTexts().isEmpty());
    m_dm->WarnsCheck = false;
    ASSERT_TRUE(m_ex->TaskCopying(true));
    ASSERT_TRUE(m_ex->SwitchDatabase(ExportDatabase));
    m_dm->WarnsCheck = true;
    m_prompter.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(m_ex->EmptyActiveDatabase());
    EXPECT_EQ(askedTexts(), QStringList{QStringLiteral("Are you sure to delete all Export DB data?")});
    EXPECT_EQ(m_dm->tasks().rowCount(), 1);
    ASSERT_TRUE(m_ex->EmptyActiveDatabase());
    for (Table t : AllTables)
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tableName(t))), 0)
            << tableName(t).toStdString();
    EXPECT_TRUE(m_dm->tasks().isActive());
    EXPECT_TRUE(m_dm->tasks().isEmpty());
    clearAsked();
    EXPECT_FALSE(m_ex->EmptyActiveDatabase());
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text, QStringLiteral("Export DB is empty"));
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Confirmation);
}

TEST_F(TaskExchangeTest, EmptyingFailingHalfWayRemovesNothing) {
    m_dm->WarnsCheck = false;
    ASSERT_TRUE(m_ex->TaskCopying(true));
    // Deleting the tasks rows fails after distr, posit, solut, tb and tc were emptied.
    seed(1, test::failureTrigger(test::onServer(), QStringLiteral("keep"), Table::Tasks,
                                 QStringLiteral("DELETE"), QString(), QStringLiteral("injected")));
    const auto before = snapshot(1);
    ASSERT_TRUE(m_ex->SwitchDatabase(ExportDatabase));
    EXPECT_FALSE(m_ex->EmptyActiveDatabase());
    ASSERT_EQ(askedTexts().size(), 1);
    EXPECT_TRUE(askedTexts()[0].startsWith(
        QStringLiteral("The Export DB could not be emptied; nothing was removed.")));
    EXPECT_EQ(m_dm->tasks().rowCount(), 1);
    ASSERT_TRUE(m_ex->SwitchHome());
    EXPECT_EQ(snapshot(1), before);
}

} // namespace
} // namespace palvane::test
