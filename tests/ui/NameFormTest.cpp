// Select a Task: the task list follows and moves the current task, deletes a task with all its
// rows, and offers Duplicate on the main database.
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QLabel>
#include <QSqlQuery>
#include <QtTest>

using namespace palvane;

class NameFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void listMovesAndDeletes() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TNameForm& n = *f.startUp->nameForm();
        TTasksForm& page = f.page();
        Cursor& tasks = f.dm().tasks();
        // A second task with a container row.
        page.TasksNavigator->press(CursorNavigator::Insert);
        QVERIFY(tasks.setValue(QStringLiteral("Name"), QStringLiteral("Second")));
        QVERIFY(tasks.post());
        page.ContsNavigator->press(CursorNavigator::Insert);
        QVERIFY(
            page.ContsModel->setData(page.ContsModel->index(0, 0), page.ContsTypeDelegate->names().first()));
        QVERIFY(f.dm().tc().post());
        QCOMPARE(tasks.rowCount(), 2);

        n.show();
        QCOMPARE(n.windowTitle(), QStringLiteral("Select a Task"));
        QCOMPARE(n.Model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("  Task Name"));
        QCOMPARE(n.DBGrid1->toolTip(), QStringLiteral("Select stored task"));
        QCOMPARE(n.DeleteButton->text(), QStringLiteral("&Delete Task"));
        QCOMPARE(n.DuplButton->text(), QStringLiteral("D&uplicate Task"));
        QCOMPARE(n.CloseButton->text(), QStringLiteral("Clos&e"));
        QVERIFY(n.DuplButton->isEnabled()); // main database active
        QVERIFY(!(n.Model->flags(n.Model->index(0, 0)) & Qt::ItemIsEditable));
        QCOMPARE(n.DBGrid1->currentIndex().row(), 1);
        QVERIFY(test::TaskPageFixture::screenshot(&n, QStringLiteral("SelectTask.png")));

        // Moving in the list makes that task current on the Task Page.
        n.DBGrid1->setCurrentIndex(n.Model->index(0, 0));
        QCOMPARE(tasks.currentRow(), 0);
        QVERIFY(page.NameEdit->text().startsWith(QStringLiteral("Sample")));
        n.DBGrid1->setCurrentIndex(n.Model->index(1, 0));
        QCOMPARE(page.NameEdit->text(), QStringLiteral("Second"));

        // Cancel keeps the task; OK deletes it with its rows.
        f.prompter.answers = {PromptAnswer::Cancel};
        n.DeleteButtonClick();
        QCOMPARE(tasks.rowCount(), 2);
        f.clearAsked();
        f.prompter.answers = {PromptAnswer::Ok};
        n.DeleteButtonClick();
        QCOMPARE(f.asked(), QStringList{QStringLiteral("Delete record?")});
        QCOMPARE(f.startUp->waitForm()->progLab()->text(), QStringLiteral("Deleting DB task data..."));
        QVERIFY(!f.startUp->waitForm()->isVisible());
        QCOMPARE(tasks.rowCount(), 1);
        QCOMPARE(n.Model->rowCount(), 1);
        QVERIFY(page.isEnabled());
        QVERIFY(page.NameEdit->text().startsWith(QStringLiteral("Sample")));
        QSqlQuery q(f.dm().store()->database());
        QVERIFY(
            q.exec(QStringLiteral("SELECT COUNT(*) FROM tc WHERE TaskID NOT IN (SELECT TaskID FROM tasks)")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0);

        // The last task goes too; then the list is empty.
        n.DeleteButtonClick();
        QCOMPARE(tasks.rowCount(), 0);
        QVERIFY(!page.RunButton->isEnabled());
        QVERIFY(!page.ContsGrid->isEnabled());
        QCOMPARE(page.DescrEdit->palette().color(QPalette::Base), QColor(242, 242, 242));
        QVERIFY(page.NameEdit->text().isEmpty());
        f.clearAsked();
        n.DeleteButtonClick();
        QCOMPARE(f.asked(), QStringList{QStringLiteral("DB is empty")});

        // Enter closes the window.
        QTest::keyClick(n.DBGrid1, Qt::Key_Return);
        QVERIFY(!n.isVisible());
        page.close();
    }
};

QTEST_MAIN(NameFormTest)
#include "NameFormTest.moc"
