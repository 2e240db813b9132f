// The data module as a whole: start-up and its refusal, binding to the three databases, the
// exchange cursors, storing pending rows, calculated columns and the totals of the current task.
#include "DataModuleFixture.h"

#include <QFile>

using namespace palvane;

namespace {

class DataModuleTest : public test::DataModuleFixture {};

TEST_F(DataModuleTest, StartUpMakesRememberedTaskCurrent) {
    seedSample();
    int solutState = 0, totals = 0;
    QObject receiver; // ends the connections before the counters go
    m_dm = std::make_unique<TDMForm>(&m_prompter);
    QObject::connect(m_dm.get(), &TDMForm::currSolutStateRequested, &receiver, [&] { ++solutState; });
    QObject::connect(m_dm.get(), &TDMForm::totalsChanged, &receiver, [&] { ++totals; });
    for (int code = 0; code < 3; ++code)
        m_dm->setDatabaseDirectory(code, m_dirs[code]);
    m_dm->TaskIni = 2;
    ASSERT_TRUE(m_dm->DataModuleCreate());
    EXPECT_TRUE(m_dm->DatabaseReady);
    EXPECT_EQ(m_dm->currentTaskId(), 2);
    EXPECT_GT(solutState, 0);
    EXPECT_GT(totals, 0);
    EXPECT_EQ(m_dm->contTotals().AvlNmb, QStringLiteral("4"));
    EXPECT_EQ(m_dm->boxTotals().TotNmb, QStringLiteral("10"));
    EXPECT_EQ(m_dm->boxTotals().LftNmb, QStringLiteral("3"));
    EXPECT_EQ(m_dm->boxTotals().LftNmbColor, LeftBoxesColor); // solved with boxes left
    EXPECT_EQ(m_dm->TaskAvailSum, 4);
    EXPECT_EQ(m_dm->TaskBoxSum, 10);
    EXPECT_EQ(m_dm->UsedLoadWt, 24000);
    EXPECT_EQ(m_dm->PlacedBoxWeight, 6 * 300 + 400);
    EXPECT_TRUE(m_prompter.asked.empty());
}

TEST_F(DataModuleTest, BusyDatabaseRefusesStartUp) {
    seedSample();
    auto other = Store::open(m_dirs[0], StoreOpenMode::ExistingOnly); // a second instance
    ASSERT_TRUE(other);
    bool terminate = false;
    QObject receiver;
    m_dm = std::make_unique<TDMForm>(&m_prompter);
    QObject::connect(m_dm.get(), &TDMForm::terminateRequested, &receiver, [&] { terminate = true; });
    m_dm->setDatabaseDirectory(0, m_dirs[0]);
    EXPECT_FALSE(m_dm->DataModuleCreate(0));
    EXPECT_TRUE(terminate);
    EXPECT_FALSE(m_dm->DatabaseReady);
    EXPECT_FALSE(m_dm->tasks().isActive());
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Error);
    EXPECT_EQ(m_prompter.asked[0].text.section(QLatin1Char('\r'), 0, 0),
              QStringLiteral("2D Palvane DB is busy or wrong"));
    EXPECT_TRUE(m_prompter.asked[0].text.contains(QStringLiteral("db0")));
}

TEST_F(DataModuleTest, TableFileThatIsNotSqliteIsRefusedAndKept) {
    const QString path = Store::tableFilePath(m_dirs[0], Table::Tasks);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray garbage("this is not a database file, just some text\n");
    f.write(garbage);
    f.close();
    EXPECT_FALSE(start());
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_TRUE(m_prompter.asked[0].text.startsWith(QStringLiteral("2D Palvane DB is busy or wrong\r")));
    EXPECT_TRUE(m_prompter.asked[0].text.contains(QStringLiteral("tasks.db")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), garbage);
}

TEST_F(DataModuleTest, NoTaskLeavesAreasAndTotalsEmpty) {
    seed(0, {QStringLiteral("INSERT INTO conts (Type, Length, Width) VALUES ('Van', 1200, 800)")});
    ASSERT_TRUE(start());
    EXPECT_EQ(m_dm->currentTaskId(), 0);
    EXPECT_TRUE(m_dm->conts().value(QStringLiteral("Volume")).isNull());
    EXPECT_TRUE(m_dm->contTotals().AvlNmb.isEmpty());
    EXPECT_TRUE(m_dm->effTexts().EffWgt.isEmpty());
    // The first task brings the areas.
    ASSERT_TRUE(m_dm->tasks().insert());
    EXPECT_EQ(m_dm->conts().intValue(QStringLiteral("Volume")), 1200 * 800);
    EXPECT_EQ(m_dm->effTexts().EffWgt, QStringLiteral("..."));
}

TEST_F(DataModuleTest, AreaMultiplierScalesEveryAreaColumn) {
    seedSample();
    seed(0, {QStringLiteral("INSERT INTO conts (TypeID, Type, Length, Width) VALUES (3, 'Small', 1200, 800)"),
             QStringLiteral("INSERT INTO solut (TaskID, ContNo, TypeID, WgtLoad, WolLoad) VALUES "
                            "(2, 1, 1, 6000, 16660000)"),
             QStringLiteral("INSERT INTO distr (TaskID, ContNo, KindID, Placed) VALUES (2, 1, 1, 6)")});
    ASSERT_TRUE(start(2));
    int changes = 0;
    // The module outlives this test body and its cursors signal while it closes them: the
    // receiver ends the connection together with the counter.
    QObject receiver;
    QObject::connect(&m_dm->tc(), &Cursor::valuesChanged, &receiver, [&] { ++changes; });
    m_dm->UpdateAreaMultiplier(3);
    EXPECT_EQ(m_dm->AreaMultiplier, 1000);
    EXPECT_GT(changes, 0);
    ASSERT_TRUE(m_dm->conts().locate(QStringLiteral("TypeID"), 3));
    EXPECT_EQ(m_dm->conts().intValue(QStringLiteral("Volume")), 960);
    EXPECT_DOUBLE_EQ(m_dm->conts().floatValue(QStringLiteral("Wolume")), 960000);
    EXPECT_EQ(m_dm->tc().intValue(QStringLiteral("Volume")), 33320); // 13600 x 2450 / 1000
    Cursor& solut = m_dm->solut();
    EXPECT_EQ(solut.intValue(QStringLiteral("VolLoad")), 16660);
    EXPECT_NEAR(solut.floatValue(QStringLiteral("WgtEff")), 25.0, 1e-6);
    EXPECT_NEAR(solut.floatValue(QStringLiteral("VolEff")), 16660000.0 / 33320000 * 100, 1e-4);
    EXPECT_EQ(solut.textValue(QStringLiteral("LHW")), QStringLiteral("13600  2450"));
    EXPECT_EQ(solut.displayText(0, QStringLiteral("WgtEff")), QStringLiteral("25.00"));
    EXPECT_EQ(solut.displayText(0, QStringLiteral("VolEff")), QStringLiteral("50.00"));
    Cursor& distr = m_dm->distr();
    ASSERT_EQ(distr.rowCount(), 1);
    EXPECT_EQ(distr.intValue(QStringLiteral("WgtSum")), 1800);
    EXPECT_EQ(distr.intValue(QStringLiteral("VolSum")), 5760); // 6 x 960000 / 1000
    EXPECT_EQ(distr.textValue(QStringLiteral("LHW")), QStringLiteral("1200  800"));
    EXPECT_EQ(m_dm->contTotals().AvlVol, QStringLiteral("%1").arg(3 * 33320 + 8000));
}

TEST_F(DataModuleTest, HugeAreaTotalShowsTheLimit) {
    QStringList sql;
    sql << QStringLiteral("INSERT INTO conts (TypeID, Type, Length, Width) VALUES (1, 'Big', 32000, 32000)")
        << QStringLiteral("INSERT INTO tasks (TaskID, Name) VALUES (1, 'Huge')")
        << QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (1, 1, 24)");
    seed(0, sql);
    ASSERT_TRUE(start(1));
    EXPECT_EQ(m_dm->contTotals().AvlVol, QStringLiteral("1555555555"));
}

TEST_F(DataModuleTest, PostAllTablesStoresPendingRows) {
    seedSample();
    ASSERT_TRUE(start(1));
    ASSERT_TRUE(m_dm->tasks().setValue(QStringLiteral("Descr"), QStringLiteral("pending")));
    ASSERT_TRUE(m_dm->tc().setValue(QStringLiteral("Prior"), 3));
    ASSERT_TRUE(m_dm->PostAllTables());
    EXPECT_EQ(m_dm->tasks().state(), CursorState::Browse);
    EXPECT_EQ(m_dm->tc().state(), CursorState::Browse);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tasks WHERE Descr = 'pending'")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT Prior FROM tc WHERE TaskID = 1")), 3);
}

TEST_F(DataModuleTest, RefreshShowsRowsWrittenAroundTheCursors) {
    seedSample();
    ASSERT_TRUE(start(1));
    ASSERT_TRUE(m_dm->tasks().setValue(QStringLiteral("Descr"), QStringLiteral("kept")));
    { // What a solve stores through the same connection.
        auto shared = Store::openShared(m_dirs[0], StoreOpenMode::ExistingOnly);
        ASSERT_EQ(shared.get(), m_dm->store());
        QSqlQuery q(shared->database());
        ASSERT_TRUE(q.exec(QStringLiteral("UPDATE tc SET Used = 2 WHERE TaskID = 1")));
        ASSERT_TRUE(q.exec(QStringLiteral("UPDATE tb SET Placed = 10 WHERE TaskID = 1")));
        ASSERT_TRUE(q.exec(QStringLiteral("UPDATE tasks SET Solut = 1 WHERE TaskID = 1")));
    }
    m_dm->refreshTables();
    EXPECT_EQ(m_dm->currentTaskId(), 1);
    EXPECT_EQ(m_dm->tasks().textValue(QStringLiteral("Descr")), QStringLiteral("kept"));
    EXPECT_TRUE(m_dm->tasks().value(QStringLiteral("Solut")).toBool());
    EXPECT_EQ(m_dm->tc().intValue(QStringLiteral("Used")), 2);
    EXPECT_EQ(m_dm->tb().intValue(QStringLiteral("Left")), 0);
    EXPECT_EQ(m_dm->contTotals().UsdNmb, QStringLiteral("2"));
    EXPECT_EQ(m_dm->boxTotals().LftNmb, QStringLiteral("0"));
    EXPECT_EQ(m_dm->boxTotals().LftNmbColor, NoLeftBoxesColor);
}

TEST_F(DataModuleTest, SwitchingDatabasesAndExchangeCursors) {
    seedSample();
    seed(2, {QStringLiteral("INSERT INTO tasks (TaskID, Name) VALUES (40, 'Imported')")});
    ASSERT_TRUE(start(1));
    // Binding is refused while the cursors are open.
    m_dm->SetTablesDatabase(ImportDatabase);
    EXPECT_EQ(m_dm->boundDatabase(), MainDatabase);
    ASSERT_TRUE(m_dm->PostAllTables());
    m_dm->ActivateTables(false);
    m_dm->SetTablesDatabase(ImportDatabase);
    ASSERT_TRUE(m_dm->ActivateTables(true));
    EXPECT_EQ(m_dm->currentTaskId(), 40);
    EXPECT_EQ(m_dm->conts().rowCount(), 0);

    ASSERT_TRUE(m_dm->ActivateExchTables(true));
    EXPECT_TRUE(m_dm->extasks().isActive());
    ASSERT_TRUE(m_dm->extasks().appendRecord({QVariant(), QStringLiteral("Copied"), false}));
    EXPECT_EQ(m_dm->extasks().rowCount(), 1);
    m_dm->ActivateExchTables(false);
    EXPECT_FALSE(m_dm->extc().isActive());

    m_dm->ActivateTables(false);
    m_dm->SetTablesDatabase(ExportDatabase);
    ASSERT_TRUE(m_dm->ActivateTables(true));
    EXPECT_EQ(m_dm->tasks().textValue(QStringLiteral("Name")), QStringLiteral("Copied"));
    // Any other code binds the main database.
    m_dm->ActivateTables(false);
    m_dm->SetTablesDatabase(7);
    ASSERT_TRUE(m_dm->ActivateTables(true));
    EXPECT_EQ(m_dm->tasks().rowCount(), 2);
}

TEST_F(DataModuleTest, ValuesOutOfRangeInFileAreReportedAndKept) {
    seed(0, {QStringLiteral("INSERT INTO boxes (KindID, Kind, Length, Width, Weight) VALUES "
                            "(1, 'Too long', 70000, 800, -99999)")});
    ASSERT_TRUE(start());
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Warning);
    EXPECT_TRUE(m_prompter.asked[0].text.startsWith(QStringLiteral("Table file \"")));
    EXPECT_TRUE(m_prompter.asked[0].text.contains(QStringLiteral("boxes.db\" holds 2 value(s)")));
    EXPECT_EQ(m_dm->boxes().intValue(QStringLiteral("Length")), 32767);
    EXPECT_EQ(m_dm->boxes().intValue(QStringLiteral("Weight")), -32768);
    EXPECT_EQ(count(QStringLiteral("SELECT Length FROM boxes")), 70000);
}

} // namespace
