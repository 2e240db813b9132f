// The Settings window's "Exchange DB" page over a started program on a temporary home folder:
// texts and hints, the enabling rules on each database, focus when the page is shown and left,
// switching to the export and import databases and back, adding the current task to the export
// database, emptying it, duplicating from Select a Task and a damaged database refused.
#include "NameForm.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QApplication>
#include <QFile>
#include <QtTest>

using namespace palvane;

class OptFormExchangeTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    TOptForm& form() { return *f->startUp->optForm(); }
    TDMForm& dm() { return f->dm(); }

    void openExchangePage() {
        f->page().OptButton->click();
        QVERIFY(form().isVisible());
        QApplication::setActiveWindow(&form());
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        form().PageControl->setCurrentWidget(form().ExchSheet);
        QApplication::processEvents();
    }
    // Enabled states of Add, Exp, Imp, Home, Clear.
    QList<bool> buttons() {
        TOptForm& w = form();
        return {w.AddButton->isEnabled(), w.ExpButton->isEnabled(), w.ImpButton->isEnabled(),
                w.HomeButton->isEnabled(), w.ClearButton->isEnabled()};
    }
    QStringList taskNames() {
        QStringList l;
        Cursor& t = dm().tasks();
        for (int r = 0; r < t.rowCount(); ++r)
            l << t.valueAt(r, QStringLiteral("Name")).toString();
        return l;
    }

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->tmp.isValid());
        QVERIFY(f->start());
        QVERIFY(f->startUp->optForm());
        f->clearAsked();
    }
    void cleanup() {
        if (f->startUp && f->startUp->tasksForm()) {
            form().hide();
            f->page().close();
        }
        f.reset();
    }

    void textsHintsAndMainDatabaseState() {
        openExchangePage();
        TOptForm& w = form();
        QCOMPARE(w.Label13->text(), QStringLiteral("EXCHANGE DB FUNCTIONS"));
        QCOMPARE(w.AddButton->text(), QStringLiteral("&Add Task to Export DB"));
        QCOMPARE(w.AddButton->toolTip(), QStringLiteral("Add current task data to Export DB"));
        QCOMPARE(w.ExpButton->text(), QStringLiteral("Switch to E&xport DB"));
        QCOMPARE(w.ExpButton->toolTip(), QStringLiteral("Activate Export DB"));
        QCOMPARE(w.ImpButton->text(), QStringLiteral("Switch to I&mport DB"));
        QCOMPARE(w.ImpButton->toolTip(), QStringLiteral("Activate Import DB"));
        QCOMPARE(w.HomeButton->text(), QStringLiteral("Switch to &Home DB"));
        QCOMPARE(w.HomeButton->toolTip(), QStringLiteral("Reactivate main Home DB"));
        QCOMPARE(w.ClearButton->toolTip(), QStringLiteral("Remove all task data from current DB"));
        // Main database with the sample task: Add, Export and Import only.
        QCOMPARE(dm().ActiveDatabase, MainDatabase);
        QCOMPARE(buttons(), (QList<bool>{true, true, true, false, false}));
        QCOMPARE(w.ClearButton->text(), QStringLiteral("&Empty active DB"));
        QVERIFY(!f->page().ExchLabel->isVisible());
        QVERIFY(f->page().nameForm()->DuplButton->isEnabled());
        // Showing the page focuses AddButton; leaving it focuses CloseButton.
        QCOMPARE(QApplication::focusWidget(), w.AddButton);
        QVERIFY(uitest::saveScreenshot(&w, QStringLiteral("SettingsExchangePage")));
        w.PageControl->setCurrentWidget(w.OptSheet);
        QApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), w.CloseButton);
    }

    void switchingToExportImportAndHome() {
        openExchangePage();
        TOptForm& w = form();
        TTasksForm& p = f->page();
        const qint32 before = dm().currentTaskId();
        QVERIFY(before != 0);
        p.UpdatePositTT(); // the session holds the task's plan
        QCOMPARE(p.session().taskId(), before);

        w.ExpButton->click();
        QCOMPARE(dm().ActiveDatabase, ExportDatabase);
        QCOMPARE(buttons(), (QList<bool>{false, false, true, true, true}));
        QCOMPARE(w.ClearButton->text(), QStringLiteral("&Empty Export DB"));
        QVERIFY(p.ExchLabel->isVisible());
        QCOMPARE(p.ExchLabel->text(), QStringLiteral("Export DB on"));
        QVERIFY(!p.nameForm()->DuplButton->isEnabled());
        QCOMPARE(p.session().taskId(), 0);
        QCOMPARE(dm().TaskIni, before);
        QVERIFY(w.isEnabled());

        w.ImpButton->click();
        QCOMPARE(dm().ActiveDatabase, ImportDatabase);
        QCOMPARE(buttons(), (QList<bool>{false, true, false, true, true}));
        QCOMPARE(w.ClearButton->text(), QStringLiteral("&Empty Import DB"));
        QCOMPARE(p.ExchLabel->text(), QStringLiteral("Import DB on"));
        QCOMPARE(dm().TaskIni, before); // still the main database's task

        w.HomeButton->click();
        QCOMPARE(dm().ActiveDatabase, MainDatabase);
        QCOMPARE(dm().currentTaskId(), before);
        QVERIFY(!p.ExchLabel->isVisible());
        QCOMPARE(buttons(), (QList<bool>{true, true, true, false, false}));
        QVERIFY(p.nameForm()->DuplButton->isEnabled());
        QVERIFY(f->asked().isEmpty());
    }

    void addTaskThenEmptyExportDatabase() {
        openExchangePage();
        TOptForm& w = form();
        const QString name = dm().tasks().value(QStringLiteral("Name")).toString();
        // Cancel leaves the export database alone.
        f->prompter.answers = {PromptAnswer::Cancel};
        w.AddButton->click();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("Add current task to Export DB?")});
        f->clearAsked();
        w.AddButton->click();
        w.AddButton->click();
        QCOMPARE(f->asked().size(), 2);
        QVERIFY(w.isEnabled());
        QVERIFY(!f->page().waitForm()->isVisible());

        w.ExpButton->click();
        QCOMPARE(taskNames(), (QStringList{name, name}));
        QVERIFY(!dm().conts().isEmpty());
        QCOMPARE(QApplication::focusWidget() == w.AddButton, false);

        f->clearAsked();
        f->prompter.answers = {PromptAnswer::Cancel};
        w.ClearButton->click();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("Are you sure to delete all Export DB data?")});
        QCOMPARE(taskNames().size(), 2);
        w.ClearButton->click();
        QVERIFY(dm().tasks().isEmpty());
        QVERIFY(dm().conts().isEmpty());
        QVERIFY(dm().boxes().isEmpty());
        QCOMPARE(QApplication::focusWidget(), w.HomeButton);
        f->clearAsked();
        w.ClearButton->click();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("Export DB is empty")});
        QCOMPARE(f->prompter.asked.front().kind, PromptKind::Confirmation);
    }

    void emptyImportDatabaseSaysSo() {
        openExchangePage();
        form().ImpButton->click();
        QCOMPARE(dm().ActiveDatabase, ImportDatabase);
        form().ClearButton->click();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("Import DB is empty")});
    }

    void duplicateFromSelectTask() {
        TNameForm* names = f->page().nameForm();
        const QString name = dm().tasks().value(QStringLiteral("Name")).toString();
        const int count = dm().tasks().rowCount();
        dm().WarnsCheck = false; // no question
        names->DuplButton->click();
        QVERIFY(f->asked().isEmpty());
        QCOMPARE(dm().tasks().rowCount(), count + 1);
        QCOMPARE(dm().tasks().value(QStringLiteral("Name")).toString(),
                 (name + QStringLiteral(" -dupl")).left(25));
        QCOMPARE(f->page().NameEdit->text(), dm().tasks().value(QStringLiteral("Name")).toString());
        QVERIFY(!dm().tc().isEmpty());
    }

    void damagedDatabaseIsRefused() {
        openExchangePage();
        const qint32 before = dm().currentTaskId();
        const QString file = dm().databaseDirectory(ImportDatabase) + QStringLiteral("/tasks.db");
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        form().ImpButton->click();
        QCOMPARE(dm().ActiveDatabase, MainDatabase);
        QCOMPARE(f->asked().size(), 1);
        QVERIFY(f->asked().front().startsWith(QStringLiteral("DB is busy or incorrect")));
        QVERIFY(dm().tasks().isActive());
        QCOMPARE(dm().currentTaskId(), before);
        QCOMPARE(buttons(), (QList<bool>{true, true, true, false, false}));
        QVERIFY(form().isEnabled());
        // The damaged file was not touched.
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        QCOMPARE(damaged.readAll(), QByteArray(4096, 'x'));
    }
};

QTEST_MAIN(OptFormExchangeTest)
#include "OptFormExchangeTest.moc"
