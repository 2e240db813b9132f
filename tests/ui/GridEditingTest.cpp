// Editing in the grids with the keyboard and the drop-downs as a user does, with the focus where
// a real window system puts it: a drop-down's list opened on a new row, a refused value, the
// navigators' "+", type-ahead in the drop-downs, rows stored while they move to their sorted place.
#include "GridComboBox.h"
#include "GridTyping.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QDialog>
#include <QSqlQuery>
#include <QtTest>

using namespace palvane;

namespace {

// Types text key by key into whatever has the focus (the grid, then the editor it opened).
void typeIntoFocus(const QString& text) {
    for (const QChar c : text) {
        QWidget* w = QApplication::focusWidget();
        QVERIFY(w);
        test::typeText(w, QString(c));
    }
}

void keyIntoFocus(Qt::Key key) {
    QWidget* w = QApplication::focusWidget();
    QVERIFY(w);
    QTest::keyClick(w, key);
    QApplication::processEvents();
}

// The drop-down editor open in a grid, with its list shown.
GridComboBox* openList(QTableView* grid) {
    auto* box = qobject_cast<GridComboBox*>(test::openEditor(grid));
    if (!box)
        return nullptr;
    box->showPopup();
    return QTest::qWaitFor([box] { return box->view()->isVisible(); }) ? box : nullptr;
}

// One column of every stored row of a table, by rowid.
QMap<qint64, QString> storedColumn(TDMForm& dm, const QString& table, const QString& column) {
    QMap<qint64, QString> m;
    QSqlQuery q(dm.store()->database());
    if (q.exec(QStringLiteral("SELECT rowid, %1 FROM %2").arg(column, table)))
        while (q.next())
            m.insert(q.value(0).toLongLong(), q.value(1).toString());
    return m;
}

bool activate(QWidget* w) {
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

} // namespace

class GridEditingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }

    // "+" under the containers grid, the Container Type drop-down opened and its list shown: the
    // new row stays, the entry picked goes into it, and it is stored on its sorted place with
    // the focus following it.
    void containerTypeListOnNewRow() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TTasksForm& p = f.page();
        QVERIFY(activate(&p));
        Cursor& tc = f.dm().tc();
        const int rows = tc.rowCount();
        QTest::mouseClick(p.ContsNavigator->button(CursorNavigator::Insert), Qt::LeftButton);
        QCOMPARE(tc.rowCount(), rows + 1);
        QCOMPARE(tc.state(), CursorState::Insert);
        // The focus went to the new row's first editable cell of that grid.
        QCOMPARE(QApplication::focusWidget(), p.ContsGrid);
        QCOMPARE(p.ContsGrid->currentIndex(), p.ContsModel->index(tc.currentRow(), 0));

        keyIntoFocus(Qt::Key_F2);
        GridComboBox* box = openList(p.ContsGrid);
        QVERIFY(box);
        QVERIFY(widgetInside(p.ContsGrid, QApplication::focusWidget()));
        QCOMPARE(tc.rowCount(), rows + 1);
        QCOMPARE(tc.state(), CursorState::Insert);

        // Pick "Container 20 ft" in the list with the keyboard.
        Cursor& conts = f.dm().conts();
        const QVariant typeId = conts.valueAt(
            conts.find(QStringLiteral("Type"), QStringLiteral("Container 20 ft")), QStringLiteral("TypeID"));
        QVERIFY(!typeId.isNull());
        QTest::keyClicks(box->view(), QStringLiteral("Container 2"));
        QTest::keyClick(box->view(), Qt::Key_Return);
        QTRY_VERIFY(!test::openEditor(p.ContsGrid));
        QCOMPARE(tc.value(QStringLiteral("TypeID")), typeId);
        QCOMPARE(tc.state(), CursorState::Insert);
        // The closed list hands the focus back to the grid (on the offscreen platform the page
        // is activated again by hand).
        QVERIFY(activate(&p));
        QCOMPARE(QApplication::focusWidget(), p.ContsGrid);

        // Tab stores the row (leaving the column) and moves it to its place; the current cell
        // moves with it, so what is typed next goes into that row.
        keyIntoFocus(Qt::Key_Tab);
        QCOMPARE(tc.state(), CursorState::Browse);
        const int stored = tc.find(QStringLiteral("TypeID"), typeId);
        QVERIFY(stored >= 0);
        QCOMPARE(tc.currentRow(), stored);
        QCOMPARE(p.ContsGrid->currentIndex(),
                 p.ContsModel->index(stored, p.ContsModel->columnOf(QStringLiteral("Cost"))));
        typeIntoFocus(QStringLiteral("777"));
        // Tab out of the editor stores again and opens the next cell's editor on the same row.
        keyIntoFocus(Qt::Key_Tab);
        QCOMPARE(tc.state(), CursorState::Browse);
        QWidget* next = test::openEditor(p.ContsGrid);
        QVERIFY(next);
        QCOMPARE(p.ContsGrid->indexAt(next->geometry().center()).row(),
                 tc.find(QStringLiteral("TypeID"), typeId));
        keyIntoFocus(Qt::Key_Escape);
        QCOMPARE(tc.valueAt(tc.find(QStringLiteral("TypeID"), typeId), QStringLiteral("Cost")).toDouble(),
                 777.0);
        QCOMPARE(tc.rowCount(), rows + 1);
    }

    // Box Library in edit mode: "+", a name and sizes typed, Tab to TurnOn and its list opened:
    // nothing is stored meanwhile, the pick goes into the new row, and the keys typed afterwards
    // stay in that row, never in another kind.
    void boxLibraryNewRowThroughTurnOnList() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        Cursor& lib = f.dm().boxes();
        const QMap<qint64, QString> descriptions =
            storedColumn(f.dm(), QStringLiteral("boxes"), QStringLiteral("Descr"));
        QVERIFY(activate(&b));
        b.EditButtonClick();
        const int rows = lib.rowCount();
        QTest::mouseClick(b.DBNavigator1->button(CursorNavigator::Insert), Qt::LeftButton);
        QCOMPARE(lib.rowCount(), rows + 1);
        QCOMPARE(QApplication::focusWidget(), b.DBGrid1);
        QCOMPARE(b.DBGrid1->currentIndex(),
                 b.Model->index(lib.currentRow(), b.Model->columnOf(QStringLiteral("Kind"))));

        typeIntoFocus(QStringLiteral("Zeta box"));
        keyIntoFocus(Qt::Key_Tab);
        typeIntoFocus(QStringLiteral("ZB"));
        keyIntoFocus(Qt::Key_Tab);
        typeIntoFocus(QStringLiteral("500"));
        keyIntoFocus(Qt::Key_Tab);
        typeIntoFocus(QStringLiteral("400"));
        keyIntoFocus(Qt::Key_Tab);
        keyIntoFocus(Qt::Key_Tab); // over the area
        typeIntoFocus(QStringLiteral("50"));
        keyIntoFocus(Qt::Key_Tab);
        QCOMPARE(b.DBGrid1->currentIndex().column(), b.Model->columnOf(QStringLiteral("TurnOn")));

        GridComboBox* box = openList(b.DBGrid1);
        QVERIFY(box);
        QCOMPARE(lib.state(), CursorState::Insert);
        QCOMPARE(lib.rowCount(), rows + 1);
        QCOMPARE(lib.textValue(QStringLiteral("Kind")), QStringLiteral("Zeta box"));
        // "True" picked in the list.
        QTest::keyClick(box->view(), Qt::Key_T);
        QTest::keyClick(box->view(), Qt::Key_Return);
        QTRY_VERIFY(!test::openEditor(b.DBGrid1));
        QVERIFY(activate(&b));
        QCOMPARE(QApplication::focusWidget(), b.DBGrid1);
        QCOMPARE(lib.state(), CursorState::Insert);
        QCOMPARE(lib.value(QStringLiteral("TurnOn")).toBool(), true);

        // On to the description and type it; then Fix stores the row.
        keyIntoFocus(Qt::Key_Tab);
        keyIntoFocus(Qt::Key_Tab);
        QCOMPARE(b.DBGrid1->currentIndex().column(), b.Model->columnOf(QStringLiteral("Descr")));
        typeIntoFocus(QStringLiteral("Zeta kind"));
        keyIntoFocus(Qt::Key_Return);
        b.EditButtonClick();
        QCOMPARE(lib.rowCount(), rows + 1);
        const int zeta = lib.find(QStringLiteral("Kind"), QStringLiteral("Zeta box"));
        QVERIFY(zeta >= 0);
        QCOMPARE(lib.valueAt(zeta, QStringLiteral("TurnOn")).toBool(), true);
        QCOMPARE(lib.valueAt(zeta, QStringLiteral("Length")).toInt(), 500);
        QCOMPARE(lib.valueAt(zeta, QStringLiteral("Weight")).toInt(), 50);
        QCOMPARE(lib.valueAt(zeta, QStringLiteral("Descr")).toString(), QStringLiteral("Zeta kind"));
        QCOMPARE(b.DBGrid1->currentIndex().row(), zeta);
        // No other kind changed.
        QMap<qint64, QString> after = storedColumn(f.dm(), QStringLiteral("boxes"), QStringLiteral("Descr"));
        after.remove(lib.rowIdAt(zeta));
        QCOMPARE(after, descriptions);
        b.close();
    }

    // A row stored while it moves to its sorted place keeps its open editor and the current cell.
    void storedRowMovesWithItsEditor() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        Cursor& lib = f.dm().boxes();
        QVERIFY(activate(&b));
        b.EditButtonClick();
        // "Cable drum" is first; renamed "Zz drum" it belongs last.
        const int first = lib.find(QStringLiteral("Kind"), QStringLiteral("Cable drum"));
        QCOMPARE(first, 0);
        const qint64 id = lib.rowIdAt(first);
        QVERIFY(test::typeCell(b.DBGrid1, first, b.Model->columnOf(QStringLiteral("Kind")),
                               QStringLiteral("Zz drum")));
        const int descr = b.Model->columnOf(QStringLiteral("Descr"));
        QWidget* ed = test::beginEdit(b.DBGrid1, first, descr);
        QVERIFY(ed);
        QVERIFY(lib.post());
        const int moved = lib.currentRow();
        QCOMPARE(lib.rowIdAt(moved), id);
        QCOMPARE(moved, lib.rowCount() - 1);
        QCOMPARE(b.DBGrid1->currentIndex(), b.Model->index(moved, descr));
        QCOMPARE(test::openEditor(b.DBGrid1), ed);
        QTRY_COMPARE(b.DBGrid1->indexAt(ed->geometry().center()).row(), moved);
        typeIntoFocus(QStringLiteral(" (moved)"));
        keyIntoFocus(Qt::Key_Return);
        QVERIFY(lib.checkBrowseMode());
        QVERIFY(
            lib.valueAt(lib.find(QStringLiteral("Kind"), QStringLiteral("Zz drum")), QStringLiteral("Descr"))
                .toString()
                .endsWith(QStringLiteral(" (moved)")));
        b.close();
    }

    // "Hea" typed slowly into the Box Kind drop-down chooses "Heavy pallet": the whole typed
    // prefix counts, in the closed drop-down and in its open list; Backspace takes a letter
    // back and a letter that fits no entry is not taken.
    void typeAheadMatchesTheWholePrefix() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        Cursor& boxes = f.dm().boxes();
        TBoxForm& lib = *f.startUp->boxForm();
        lib.show();
        lib.EditButtonClick();
        QVERIFY(boxes.append());
        QVERIFY(boxes.setValue(QStringLiteral("Kind"), QStringLiteral("Heavy pallet")));
        QVERIFY(boxes.setValue(QStringLiteral("Length"), 1200));
        QVERIFY(boxes.setValue(QStringLiteral("Width"), 800));
        QVERIFY(boxes.setValue(QStringLiteral("Weight"), 900));
        QVERIFY(boxes.setValue(QStringLiteral("Mark"), QStringLiteral("HV")));
        QVERIFY2(boxes.post(), qPrintable(f.asked().join(QLatin1Char('|'))));
        lib.close();
        TTasksForm& p = f.page();
        QVERIFY(activate(&p));
        const int interval = QApplication::keyboardInputInterval();
        // Every key comes after the item views' own type-ahead pause.
        QApplication::setKeyboardInputInterval(1);
        auto slowly = [](QWidget* w, const QString& text) {
            for (const QChar c : text) {
                QTest::qWait(5);
                test::typeText(w, QString(c));
            }
        };
        p.BoxesNavigator->press(CursorNavigator::Insert);
        QCOMPARE(QApplication::focusWidget(), p.BoxesGrid);
        // The first letter opens the editor and counts.
        slowly(p.BoxesGrid, QStringLiteral("H"));
        auto* box = qobject_cast<GridComboBox*>(test::openEditor(p.BoxesGrid));
        QVERIFY(box);
        QCOMPARE(box->currentText(), QStringLiteral("Half pallet"));
        slowly(box, QStringLiteral("ea"));
        QCOMPARE(box->currentText(), QStringLiteral("Heavy pallet"));
        QCOMPARE(box->typedPrefix(), QStringLiteral("Hea"));
        slowly(box, QStringLiteral("q")); // no "Heaq…"
        QCOMPARE(box->currentText(), QStringLiteral("Heavy pallet"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->typedPrefix(), QStringLiteral("H"));
        slowly(box, QStringLiteral("a"));
        QCOMPARE(box->currentText(), QStringLiteral("Half pallet"));
        // In the open list the same.
        box->showPopup();
        QVERIFY(QTest::qWaitFor([box] { return box->view()->isVisible(); }));
        QTest::keyClick(box->view(), Qt::Key_Backspace);
        slowly(box->view(), QStringLiteral("ea"));
        QCOMPARE(box->view()->currentIndex().data().toString(), QStringLiteral("Heavy pallet"));
        QTest::keyClick(box->view(), Qt::Key_Return);
        QTRY_VERIFY(!test::openEditor(p.BoxesGrid));
        QApplication::setKeyboardInputInterval(interval);
        QCOMPARE(f.dm().tb().value(QStringLiteral("KindID")),
                 boxes.valueAt(boxes.find(QStringLiteral("Kind"), QStringLiteral("Heavy pallet")),
                               QStringLiteral("KindID")));
    }

    // 0 typed into Total is refused with its message; the message takes the focus as a message
    // box does. When the Task Page is active again the focus is back on that cell, so the next
    // keys go into that row and never rename the task.
    void refusedValueKeepsTheFocusOnItsCell() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TTasksForm& p = f.page();
        QVERIFY(activate(&p));
        f.clearAsked();
        f.prompter.whileAsking = [](const PromptRecord&) {
            QDialog message;
            QTimer::singleShot(50, &message, &QDialog::accept);
            message.exec();
        };
        Cursor& tb = f.dm().tb();
        const QString taskName = p.NameEdit->text();
        const int total = p.BoxesModel->columnOf(QStringLiteral("Total"));
        const int old = tb.valueAt(1, QStringLiteral("Total")).toInt();
        test::typeCell(p.BoxesGrid, 1, total, QStringLiteral("0"));
        QTRY_VERIFY(!test::openEditor(p.BoxesGrid));
        QVERIFY(f.asked().contains(QStringLiteral("Number must be positive")));
        f.prompter.whileAsking = nullptr;
        QTest::qWait(20); // the closed editor is deleted
        QVERIFY(activate(&p));
        QCOMPARE(QApplication::focusWidget(), p.BoxesGrid);
        QCOMPARE(p.BoxesGrid->currentIndex(), p.BoxesModel->index(1, total));
        QCOMPARE(tb.valueAt(1, QStringLiteral("Total")).toInt(), old);
        // The next keys change that cell.
        typeIntoFocus(QStringLiteral("9"));
        keyIntoFocus(Qt::Key_Return);
        QVERIFY(tb.checkBrowseMode());
        QCOMPARE(tb.valueAt(1, QStringLiteral("Total")).toInt(), 9);
        QCOMPARE(p.NameEdit->text(), taskName);
        QCOMPARE(f.dm().tasks().textValue(QStringLiteral("Name")), taskName);
    }

    // A drop-down editor left open on a stored row when "+" (or another navigator button, which
    // takes no focus) is clicked: the editor is closed on its own row first, so the new row is
    // inserted before that row, is the one being edited, and the stored row keeps its values and
    // its text in the grid.
    void navigatorClosesAnOpenEditorFirst() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TTasksForm& p = f.page();
        QVERIFY(activate(&p));
        Cursor& tc = f.dm().tc();
        const QMap<qint64, QString> typesBefore =
            storedColumn(f.dm(), QStringLiteral("tc"), QStringLiteral("TypeID"));
        const int rows = tc.rowCount();
        const QString firstType = p.ContsModel->data(p.ContsModel->index(0, 0)).toString();
        QVERIFY(!firstType.isEmpty());
        QVERIFY(qobject_cast<GridComboBox*>(test::beginEdit(p.ContsGrid, 0, 0)));
        QTest::mouseClick(p.ContsNavigator->button(CursorNavigator::Insert), Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(tc.rowCount(), rows + 1);
        QCOMPARE(tc.state(), CursorState::Insert);
        QCOMPARE(tc.currentRow(), 0);
        QCOMPARE(p.ContsGrid->currentIndex().row(), 0);
        QVERIFY(!test::openEditor(p.ContsGrid));
        QVERIFY(p.ContsModel->data(p.ContsModel->index(0, 0)).toString().isEmpty());
        QCOMPARE(p.ContsModel->data(p.ContsModel->index(1, 0)).toString(), firstType);
        tc.cancel();
        QCOMPARE(tc.rowCount(), rows);
        QCOMPARE(storedColumn(f.dm(), QStringLiteral("tc"), QStringLiteral("TypeID")), typesBefore);
        QCOMPARE(p.ContsModel->data(p.ContsModel->index(0, 0)).toString(), firstType);

        // An edited value in the open editor is stored on its own row before the cursor moves.
        Cursor& tb = f.dm().tb();
        const int totalColumn = p.BoxesModel->columnOf(QStringLiteral("Total"));
        QWidget* ed = test::beginEdit(p.BoxesGrid, 1, totalColumn);
        auto* line = qobject_cast<QLineEdit*>(ed);
        QVERIFY(line);
        line->setText(QStringLiteral("7"));
        QTest::mouseClick(p.BoxesNavigator->button(CursorNavigator::First), Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(tb.state(), CursorState::Browse);
        QCOMPARE(tb.currentRow(), 0);
        QCOMPARE(tb.valueAt(1, QStringLiteral("Total")).toInt(), 7);
    }

    // "+" of either list navigator puts the focus on the new row's first editable cell of its
    // own grid, wherever the focus was; typing then fills that cell.
    void navigatorInsertFocusesItsGrid() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TTasksForm& p = f.page();
        QVERIFY(activate(&p));
        struct Case {
            CursorNavigator* nav;
            QTableView* grid;
            QTableView* other;
            Cursor* cursor;
        };
        for (const Case& c : {Case{p.ContsNavigator, p.ContsGrid, p.BoxesGrid, &f.dm().tc()},
                              Case{p.BoxesNavigator, p.BoxesGrid, p.ContsGrid, &f.dm().tb()}}) {
            // The focus in the other grid, on a later column.
            c.other->setFocus();
            c.other->setCurrentIndex(c.other->model()->index(0, 3));
            c.grid->setCurrentIndex(c.grid->model()->index(0, 3));
            QTest::mouseClick(c.nav->button(CursorNavigator::Insert), Qt::LeftButton);
            QCOMPARE(c.cursor->state(), CursorState::Insert);
            QCOMPARE(QApplication::focusWidget(), c.grid);
            QCOMPARE(c.grid->currentIndex(), c.grid->model()->index(c.cursor->currentRow(), 0));
            keyIntoFocus(Qt::Key_F2);
            QVERIFY(qobject_cast<GridComboBox*>(test::openEditor(c.grid)));
            keyIntoFocus(Qt::Key_Escape);
            c.cursor->cancel();
        }
        // The libraries' navigator: the name column (the quantity is not editable in edit mode).
        TCntForm& lib = *f.startUp->cntForm();
        QVERIFY(activate(&lib));
        lib.EditButtonClick();
        lib.DBGrid1->setCurrentIndex(lib.Model->index(2, 5));
        QTest::mouseClick(lib.DBNavigator1->button(CursorNavigator::Insert), Qt::LeftButton);
        QCOMPARE(lib.focusWidget(), lib.DBGrid1);
        QCOMPARE(lib.DBGrid1->currentIndex(),
                 lib.Model->index(f.dm().conts().currentRow(), lib.Model->columnOf(QStringLiteral("Type"))));
        test::typeText(lib.DBGrid1, QStringLiteral("P")); // opens the editor
        QVERIFY(test::openEditor(lib.DBGrid1));
        test::typeText(test::openEditor(lib.DBGrid1), QStringLiteral("allet bed"));
        QTest::keyClick(test::openEditor(lib.DBGrid1), Qt::Key_Return);
        QApplication::processEvents();
        QCOMPARE(f.dm().conts().textValue(QStringLiteral("Type")), QStringLiteral("Pallet bed"));
        f.dm().conts().cancel();
        lib.close();
    }
};

QTEST_MAIN(GridEditingTest)
#include "GridEditingTest.moc"
