// The grids' item models under QAbstractItemModelTester while the cursors insert, post, cancel,
// delete and follow another task; the drop-down offers the library names and sets the key.
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QtTest>

using namespace palvane;

class CursorTableModelTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void modelsStayConsistent() {
        test::TaskPageFixture f;
        QVERIFY(f.start(false));
        TTasksForm& page = f.page();
        QAbstractItemModelTester contsTester(page.ContsModel,
                                             QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester boxesTester(page.BoxesModel,
                                             QAbstractItemModelTester::FailureReportingMode::QtTest);
        Cursor& tc = f.dm().tc();
        const int rows = tc.rowCount();
        QCOMPARE(page.ContsModel->rowCount(), rows);

        // A pending insert shows as a row; cancelling removes it again.
        page.ContsNavigator->press(CursorNavigator::Insert);
        QCOMPARE(page.ContsModel->rowCount(), rows + 1);
        tc.cancel();
        QCOMPARE(page.ContsModel->rowCount(), rows);

        // A type not yet in the task, chosen by name through the delegate's editor.
        QStringList unused = page.ContsTypeDelegate->names();
        for (int r = 0; r < tc.rowCount(); ++r)
            unused.removeAll(tc.valueAt(r, QStringLiteral("Type")).toString());
        QVERIFY(!unused.isEmpty());
        page.ContsNavigator->press(CursorNavigator::Insert);
        const int newRow = tc.currentRow();
        const QModelIndex typeCell = page.ContsModel->index(newRow, 0);
        QStyleOptionViewItem option;
        std::unique_ptr<QWidget> editor(
            page.ContsTypeDelegate->createEditor(page.ContsGrid, option, typeCell));
        auto* box = qobject_cast<QComboBox*>(editor.get());
        QVERIFY(box);
        QCOMPARE(box->maxVisibleItems(), 12);
        QCOMPARE(box->count(), f.dm().conts().rowCount());
        box->setCurrentIndex(box->findText(unused.first()));
        page.ContsTypeDelegate->setModelData(box, page.ContsModel, typeCell);
        QCOMPARE(tc.value(QStringLiteral("TypeID")).toInt(),
                 f.dm()
                     .conts()
                     .valueAt(f.dm().conts().find(QStringLiteral("Type"), unused.first()),
                              QStringLiteral("TypeID"))
                     .toInt());
        QVERIFY(page.ContsModel->setData(page.ContsModel->index(newRow, 3), 1));
        QVERIFY(tc.post());
        QCOMPARE(page.ContsModel->rowCount(), rows + 1);
        const int stored = tc.find(QStringLiteral("Type"), unused.first());
        QVERIFY(stored >= 0);
        QCOMPARE(page.ContsModel->index(stored, 0).data().toString(), unused.first());
        // Read-only grid: nothing is editable, setData refused.
        page.ContsModel->setReadOnly(true);
        QVERIFY(!page.ContsModel->setData(page.ContsModel->index(stored, 3), 2));
        page.ContsModel->setReadOnly(false);
        // An empty text clears a value.
        QVERIFY(page.ContsModel->setData(page.ContsModel->index(stored, 1), QStringLiteral(" ")));
        QVERIFY(tc.post());
        QVERIFY(tc.valueAt(stored, QStringLiteral("Cost")).isNull());

        // Deleting asks first.
        tc.moveTo(stored);
        f.prompter.answers = {PromptAnswer::Cancel};
        page.ContsNavigator->press(CursorNavigator::Delete);
        QCOMPARE(page.ContsModel->rowCount(), rows + 1);
        page.ContsNavigator->press(CursorNavigator::Delete);
        QCOMPARE(page.ContsModel->rowCount(), rows);

        // Another task: the list follows the master.
        page.TasksNavigator->press(CursorNavigator::Insert);
        QCOMPARE(page.ContsModel->rowCount(), 0);
        QCOMPARE(page.BoxesModel->rowCount(), 0);
        page.TasksNavigator->press(CursorNavigator::First);
        QCOMPARE(page.ContsModel->rowCount(), rows);
        QVERIFY(page.BoxesModel->rowCount() > 0);
        QCOMPARE(page.BoxesKindDelegate->names().size(), f.dm().boxes().rowCount());
        page.close();
    }

    void navigatorEnabling() {
        test::TaskPageFixture f;
        QVERIFY(f.start(false));
        CursorNavigator& nav = *f.page().BoxesNavigator;
        Cursor& tb = f.dm().tb();
        QVERIFY(tb.rowCount() > 1);
        nav.press(CursorNavigator::First);
        QCOMPARE(tb.currentRow(), 0);
        QVERIFY(!nav.button(CursorNavigator::Prior)->isEnabled());
        QVERIFY(nav.button(CursorNavigator::Next)->isEnabled());
        nav.press(CursorNavigator::Last);
        QCOMPARE(tb.currentRow(), tb.rowCount() - 1);
        QVERIFY(!nav.button(CursorNavigator::Last)->isEnabled());
        nav.press(CursorNavigator::Prior);
        QCOMPARE(tb.currentRow(), tb.rowCount() - 2);
        QCOMPARE(f.page().BoxesGrid->currentIndex().row(), tb.rowCount() - 2);
        nav.setEditButtonsVisible(false);
        const int n = tb.rowCount();
        nav.press(CursorNavigator::Insert);
        nav.press(CursorNavigator::Delete);
        QCOMPARE(tb.rowCount(), n);
        QVERIFY(!tb.isEditing());
        f.page().close();
    }
};

QTEST_MAIN(CursorTableModelTest)
#include "CursorTableModelTest.moc"
