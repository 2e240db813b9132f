// Rules of the task list: new tasks, names, the notifications to the windows after each change,
// and the delete cascade with its progress and its atomicity.
#include "DataModuleFixture.h"

#include <QSqlDatabase>

using namespace palvane;

namespace {

class TaskRulesTest : public test::DataModuleFixture {
protected:
    void SetUp() override {
        DataModuleFixture::SetUp();
        seedSample();
    }
    Cursor& tasks() { return m_dm->tasks(); }
    // Records the module's notifications in order.
    void record() {
        TDMForm* dm = m_dm.get();
        auto add = [this](const QString& s) { m_events << s; };
        QObject::connect(dm, &TDMForm::currSolutStateRequested, [=] { add(QStringLiteral("solut")); });
        QObject::connect(dm, &TDMForm::currOptSetColorsRequested, [=] { add(QStringLiteral("colors")); });
        QObject::connect(dm, &TDMForm::loadTaskSettingsRequested, [=] { add(QStringLiteral("load")); });
        QObject::connect(dm, &TDMForm::viewOptionsResetRequested, [=] { add(QStringLiteral("view")); });
        QObject::connect(dm, &TDMForm::totalsChanged, [=] { add(QStringLiteral("totals")); });
        QObject::connect(dm, &TDMForm::progressShown,
                         [=](const QString& c) { add(QStringLiteral("show ") + c); });
        QObject::connect(dm, &TDMForm::progressPositionChanged,
                         [=](int p) { add(QStringLiteral("pos %1").arg(p)); });
        QObject::connect(dm, &TDMForm::progressHidden, [=] { add(QStringLiteral("hide")); });
        QObject::connect(dm, &TDMForm::taskPageEnableRequested,
                         [=](bool on) { add(on ? QStringLiteral("enable") : QStringLiteral("disable")); });
        QObject::connect(dm, &TDMForm::busyCursorChanged,
                         [=](bool on) { add(on ? QStringLiteral("busy") : QStringLiteral("normal")); });
    }
    QStringList m_events;
};

TEST_F(TaskRulesTest, NewTaskTakesActiveSettingsAndIsStoredAtOnce) {
    ASSERT_TRUE(start(1));
    NewTaskSettings s;
    s.Power = 7;
    s.Time = 60;
    s.Rand = 12;
    s.Qw = 35;
    s.Qg = 2;
    s.Qc = 10;
    s.Qr = 20;
    s.BB = 5;
    s.BW = 3;
    s.Last = false;
    m_dm->activeSettings = [s] { return s; };
    ASSERT_TRUE(tasks().insert());
    EXPECT_EQ(tasks().state(), CursorState::Browse);
    EXPECT_EQ(tasks().rowCount(), 3);
    const qint32 id = m_dm->currentTaskId();
    EXPECT_GT(id, 2);
    EXPECT_EQ(tasks().textValue(QStringLiteral("Name")), QStringLiteral("???"));
    EXPECT_EQ(count(QStringLiteral("SELECT Qw FROM tasks WHERE TaskID = %1").arg(id)), 235);
    EXPECT_EQ(count(QStringLiteral("SELECT Power + Time + Rand + Qc + Qr + BB + BW + Last FROM tasks "
                                   "WHERE TaskID = %1")
                        .arg(id)),
              7 + 60 + 12 + 10 + 20 + 5 + 3 + 0);
    EXPECT_EQ(m_dm->tc().rowCount(), 0);

    // A name made blank is stored as "???".
    ASSERT_TRUE(tasks().first());
    ASSERT_TRUE(tasks().setValue(QStringLiteral("Name"), QStringLiteral("   ")));
    ASSERT_TRUE(tasks().post());
    EXPECT_EQ(tasks().textValue(QStringLiteral("Name")), QStringLiteral("???"));
}

TEST_F(TaskRulesTest, ScrollPostAndDeleteNotifyWindowsThenTotals) {
    ASSERT_TRUE(start(1));
    record();
    ASSERT_TRUE(tasks().next());
    EXPECT_EQ(m_events, QStringList({"solut", "load", "totals", "view"}));
    m_dm->activeSettings = [] {
        NewTaskSettings s;
        s.TaskOptSet = false;
        return s;
    };
    m_events.clear();
    ASSERT_TRUE(tasks().prior());
    EXPECT_EQ(m_events, QStringList({"solut", "colors", "totals", "view"}));
    m_events.clear();
    ASSERT_TRUE(tasks().setValue(QStringLiteral("Descr"), QStringLiteral("changed")));
    ASSERT_TRUE(tasks().post());
    EXPECT_EQ(m_events, QStringList({"solut", "colors", "totals"}));
}

TEST_F(TaskRulesTest, DetailListsFollowTheCurrentTask) {
    ASSERT_TRUE(start(2));
    EXPECT_EQ(m_dm->tc().rowCount(), 2);
    EXPECT_EQ(m_dm->tb().rowCount(), 2);
    EXPECT_EQ(m_dm->tc().textValue(QStringLiteral("Type")), QStringLiteral("Semitrailer"));
    EXPECT_EQ(m_dm->tb().intValue(QStringLiteral("Left")), 0);
    ASSERT_TRUE(m_dm->tb().next());
    EXPECT_EQ(m_dm->tb().intValue(QStringLiteral("Left")), 3);
    // Costs show up to two decimals, booleans as the grids' choices.
    EXPECT_EQ(m_dm->tb().displayText(1, QStringLiteral("Cost")), QStringLiteral("3"));
    ASSERT_TRUE(m_dm->tb().setValue(QStringLiteral("Cost"), 2.456));
    EXPECT_EQ(m_dm->tb().displayText(1, QStringLiteral("Cost")), QStringLiteral("2.46"));
    EXPECT_EQ(m_dm->tb().displayText(1, QStringLiteral("TurnOn")), QStringLiteral("False"));
    EXPECT_EQ(m_dm->tb().displayText(0, QStringLiteral("TurnOn")), QStringLiteral("True"));
    m_dm->tb().cancel();
    ASSERT_TRUE(tasks().first());
    EXPECT_EQ(m_dm->tc().rowCount(), 1);
    EXPECT_EQ(m_dm->tb().textValue(QStringLiteral("Kind")), QStringLiteral("Euro pallet"));
}

TEST_F(TaskRulesTest, StoringTheTaskKeepsAPendingListRow) {
    ASSERT_TRUE(start(1));
    ASSERT_TRUE(m_dm->tc().setValue(QStringLiteral("Prior"), 5));
    ASSERT_TRUE(tasks().setValue(QStringLiteral("Descr"), QStringLiteral("x")));
    ASSERT_TRUE(tasks().post());
    EXPECT_EQ(m_dm->tc().state(), CursorState::Edit);
    EXPECT_EQ(m_dm->tc().intValue(QStringLiteral("Prior")), 5);
    // Moving to another task stores it first.
    ASSERT_TRUE(tasks().next());
    ASSERT_TRUE(tasks().prior());
    EXPECT_EQ(m_dm->tc().intValue(QStringLiteral("Prior")), 5);
    EXPECT_EQ(m_dm->tc().state(), CursorState::Browse);
}

TEST_F(TaskRulesTest, DeleteCascadeRemovesEveryRowWithProgress) {
    seed(0, {QStringLiteral("INSERT INTO solut (TaskID, ContNo, TypeID) VALUES (2, 1, 1), (2, 2, 2)"),
             QStringLiteral(
                 "INSERT INTO distr (TaskID, ContNo, KindID, Placed) VALUES (2, 1, 1, 6), (2, 2, 2, 1)"),
             QStringLiteral(
                 "INSERT INTO posit (TaskID, ContNo, BoxNo, KindID) VALUES (2, 1, 1, 1), (2, 2, 2, 2)")});
    ASSERT_TRUE(start(2));
    EXPECT_EQ(m_dm->solut().rowCount(), 2);
    EXPECT_EQ(m_dm->distr().rowCount(), 1);
    record();
    ASSERT_TRUE(tasks().remove());
    EXPECT_EQ(m_dm->currentTaskId(), 1);
    for (const char* t : {"solut", "distr", "posit", "tc", "tb", "tasks"})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE TaskID = 2").arg(QLatin1String(t))), 0)
            << t;
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tc")), 1);
    ASSERT_GE(m_events.size(), 8);
    EXPECT_EQ(m_events.mid(0, 4), QStringList({"busy", "show Deleting DB task data...", "pos 0", "disable"}));
    EXPECT_TRUE(m_events.contains(QStringLiteral("pos 5")));
    EXPECT_TRUE(m_events.contains(QStringLiteral("pos 10")));
    EXPECT_TRUE(m_events.contains(QStringLiteral("pos 55"))); // second of two tb rows: 10 + 1 x 90 / 2
    int hide = m_events.indexOf(QStringLiteral("hide"));
    ASSERT_GT(hide, 0);
    EXPECT_EQ(m_events[hide - 1], QStringLiteral("pos 100"));
    EXPECT_EQ(m_events.mid(hide, 4), QStringList({"hide", "pos 0", "normal", "enable"}));
    // The page is left enabled.
    EXPECT_GT(m_events.lastIndexOf(QStringLiteral("enable")),
              m_events.lastIndexOf(QStringLiteral("disable")));
}

TEST_F(TaskRulesTest, EmptyTaskDeletesWithSelectWindowVisible) {
    seed(0, {QStringLiteral("INSERT INTO tasks (TaskID, Name) VALUES (3, 'Empty')")});
    ASSERT_TRUE(start(3));
    record();
    answerWindowState({.selectTaskOpen = true});
    ASSERT_TRUE(tasks().remove());
    int hide = m_events.indexOf(QStringLiteral("hide"));
    ASSERT_GT(hide, 0);
    EXPECT_EQ(m_events.mid(0, 3), QStringList({"busy", "show Deleting DB task data...", "pos 0"}));
    EXPECT_EQ(m_events[hide - 1], QStringLiteral("pos 100"));
    EXPECT_FALSE(m_events.contains(QStringLiteral("disable")));
    EXPECT_FALSE(m_events.contains(QStringLiteral("enable")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tasks")), 2);
}

TEST_F(TaskRulesTest, FailedCascadeKeepsEveryRow) {
    // A trigger that fails the delete of the task's box rows half-way through the cascade.
    seed(0, test::failureTrigger(test::onServer(), QStringLiteral("tb_stop"), Table::Tb,
                                 QStringLiteral("DELETE"), QString(), QStringLiteral("injected failure")));
    seed(0, {QStringLiteral("INSERT INTO solut (TaskID, ContNo, TypeID) VALUES (2, 1, 1)"),
             QStringLiteral("INSERT INTO posit (TaskID, ContNo, BoxNo, KindID) VALUES (2, 1, 1, 1)")});
    ASSERT_TRUE(start(2));
    record();
    EXPECT_FALSE(tasks().remove());
    EXPECT_EQ(m_dm->currentTaskId(), 2);
    EXPECT_EQ(tasks().rowCount(), 2);
    for (const char* t : {"solut", "posit", "tc", "tb", "tasks"})
        EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE TaskID = 2").arg(QLatin1String(t))), 0)
            << t;
    EXPECT_EQ(m_dm->tc().rowCount(), 2);
    ASSERT_FALSE(m_prompter.asked.empty());
    EXPECT_EQ(m_prompter.asked.back().kind, PromptKind::Error);
    EXPECT_TRUE(m_prompter.asked.back().text.contains(QStringLiteral("injected failure")));
    // The closing steps ran.
    EXPECT_TRUE(m_events.contains(QStringLiteral("hide")));
    EXPECT_EQ(m_events.last(), QStringLiteral("enable"));
}

} // namespace
