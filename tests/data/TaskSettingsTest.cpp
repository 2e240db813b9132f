// The active settings against the tasks table: reading a task's own copy, storing the active
// settings into a task row, and the data module using the program's initialisation values.
#include "TaskSettings.h"
#include "DataModuleFixture.h"

#include <QFile>

using namespace palvane;

namespace {

class TaskSettingsTest : public test::DataModuleFixture {
protected:
    void SetUp() override {
        DataModuleFixture::SetUp();
        seed(0, {QStringLiteral(
                    "INSERT INTO tasks (TaskID, Name, Solut, Power, Time, Rand, Qw, Qc, Qr, BB, BW, Last) "
                    "VALUES (1, 'Alpha', 0, 5, 555, 1, 0, 0, 0, 0, 0, 1), "
                    "(2, 'Beta', 0, 12, 95, 7, 235, 15, 40, 10, 20, 0)")});
    }
    int field(qint32 taskId, const char* column) {
        return count(
            QStringLiteral("SELECT %1 FROM tasks WHERE TaskID = %2").arg(QLatin1String(column)).arg(taskId));
    }
    // The program's values the module is connected to; they outlive the module.
    IniValues m_values;
    // The settings of task 2 as seeded.
    static ActiveSettings beta(bool taskOptSet) {
        ActiveSettings s;
        s.Power = 12;
        s.Time = 95;
        s.Rand = 7;
        s.Qw = 35;
        s.Qg = 2;
        s.Qc = 15;
        s.Qr = 40;
        s.BB = 10;
        s.BW = 20;
        s.Last = false;
        s.TaskOptSet = taskOptSet;
        return s;
    }
};

TEST_F(TaskSettingsTest, LoadsTheCurrentTasksOwnSettingsKeepingTheSwitch) {
    ASSERT_TRUE(start(2));
    ActiveSettings s;
    s.TaskOptSet = false;
    ASSERT_TRUE(LoadTaskSettings(s, m_dm->tasks()));
    EXPECT_EQ(s, beta(false));
    EXPECT_EQ(taskSettings(m_dm->tasks(), false), s);
    // A pending edit of the row is what the cursor shows, so it is what is read.
    ASSERT_TRUE(m_dm->tasks().setValue(QStringLiteral("Qw"), 990));
    ASSERT_TRUE(LoadTaskSettings(s, m_dm->tasks()));
    EXPECT_EQ(s.Qw, 90);
    EXPECT_EQ(s.Qg, 9);
    m_dm->tasks().cancel();
}

TEST_F(TaskSettingsTest, WithoutTasksTheSettingsStayAsTheyAre) {
    seed(0, {QStringLiteral("DELETE FROM tasks")});
    ASSERT_TRUE(start());
    ActiveSettings s = beta(true);
    EXPECT_FALSE(LoadTaskSettings(s, m_dm->tasks()));
    EXPECT_EQ(s, beta(true));
    EXPECT_EQ(taskSettings(m_dm->tasks()), ActiveSettings{});
}

TEST_F(TaskSettingsTest, StoresIntoTheTaskRowWithQwPacked) {
    ASSERT_TRUE(start(1));
    ActiveSettings s;
    s.Power = 3;
    s.Time = 120;
    s.Qw = 45;
    s.Qg = 6;
    s.BB = 4999;
    s.Last = false;
    ASSERT_TRUE(storeTaskSettings(s, m_dm->tasks()));
    ASSERT_TRUE(m_dm->tasks().post());
    EXPECT_EQ(field(1, "Qw"), 645);
    EXPECT_EQ(field(1, "Power"), 3);
    EXPECT_EQ(field(1, "Time"), 120);
    EXPECT_EQ(field(1, "BB"), 4999);
    EXPECT_EQ(field(1, "Last"), 0);
    EXPECT_EQ(field(2, "Qw"), 235);
    // Reading the row back gives the same settings.
    EXPECT_EQ(taskSettings(m_dm->tasks()), s);
}

TEST_F(TaskSettingsTest, DataModuleFollowsTheProgramSettings) {
    // The module keeps a reference to the values until it is destroyed after the test body.
    IniValues& values = m_values;
    values.TaskIni = 2;
    ASSERT_TRUE(start(0));
    connectDataModule(*m_dm, values);
    EXPECT_EQ(m_dm->TaskIni, 2);

    // Another task becoming current loads its settings while TaskOptSet holds...
    ASSERT_TRUE(m_dm->tasks().locate(QStringLiteral("TaskID"), 2));
    EXPECT_EQ(values.settings, beta(true));
    // ...and leaves the active ones while it does not.
    values.settings.TaskOptSet = false;
    ASSERT_TRUE(m_dm->tasks().locate(QStringLiteral("TaskID"), 1));
    EXPECT_EQ(values.settings, beta(false));

    // A new task copies the active settings.
    values.settings.Rand = 99;
    ASSERT_TRUE(m_dm->tasks().insert());
    const qint32 id = m_dm->currentTaskId();
    EXPECT_EQ(field(id, "Qw"), 235);
    EXPECT_EQ(field(id, "Rand"), 99);
    EXPECT_EQ(field(id, "Power"), 12);
    EXPECT_EQ(field(id, "Last"), 0);
}

TEST_F(TaskSettingsTest, SavedAtExitOnlyOnTheMainDatabaseWithTheCurrentTask) {
    ASSERT_TRUE(start(2));
    const QString path = iniFilePath(m_tmp.path());
    IniValues values;
    values.TaskIni = 1;

    m_dm->ActiveDatabase = ExportDatabase;
    EXPECT_TRUE(SaveIniAtExit(path, values, *m_dm, m_prompter));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(values.TaskIni, 1);

    m_dm->ActiveDatabase = MainDatabase;
    ASSERT_TRUE(SaveIniAtExit(path, values, *m_dm, m_prompter));
    IniValues loaded;
    ASSERT_TRUE(LoadIni(path, loaded, m_prompter));
    EXPECT_EQ(loaded.TaskIni, 2);
    EXPECT_EQ(loaded, values);
    EXPECT_TRUE(m_prompter.asked.empty());
}

} // namespace
