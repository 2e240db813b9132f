// Box Library: browse and edit modes, Reset, "Copy to" into the current task, Clear with its
// per-row questions, Print, the key guards and the import menu, on the sample database.
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace palvane;

namespace {

// Sets a library row's column in browse mode and stores it.
bool setLibraryValue(Cursor& lib, const QString& kind, const QString& field, const QVariant& v) {
    const int row = lib.find(QStringLiteral("Kind"), kind);
    return row >= 0 && lib.moveTo(row) && lib.setValue(field, v) && lib.post();
}

int listTotal(Cursor& tb, Cursor& boxes, const QString& kind) {
    const QVariant key = boxes.valueAt(boxes.find(QStringLiteral("Kind"), kind), QStringLiteral("KindID"));
    const int row = tb.find(QStringLiteral("KindID"), key);
    return row < 0 ? -1 : tb.valueAt(row, QStringLiteral("Total")).toInt();
}

} // namespace

class BoxFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void opensInBrowseModeWithItsTexts() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        f.clearAsked(); // start-up messages of the fresh home folder
        QVERIFY(!f.dm().BoxesEditMode);
        b.show();
        QCOMPARE(b.windowTitle(), QStringLiteral("Box Library"));
        QVERIFY(!b.editMode());
        QCOMPARE(b.EditButton->text(), QStringLiteral("E&dit"));
        QCOMPARE(b.ClearButton->text(), QStringLiteral("&Print"));
        QCOMPARE(b.ClearButton->toolTip(), QStringLiteral("Print Library List"));
        QCOMPARE(b.ImpButton->text(), QStringLiteral("&Import"));
        QCOMPARE(b.Model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Q'ty"));
        QCOMPARE(b.Model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Part / 2D Box Kind"));
        QCOMPARE(b.Model->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Area"));
        QCOMPARE(b.Model->headerData(9, Qt::Horizontal).toString(), QStringLiteral("  Description"));
        QCOMPARE(b.Model->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
        QCOMPARE(b.Model->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(),
                 QColor(Qt::lightGray));
        QVERIFY(b.NameDBEdit->text().startsWith(QStringLiteral("Sample")));
        // Browse mode: quantity, Temp and Descr editable, the rest yellow and read-only.
        const int n = b.Model->columnCount();
        for (int c = 0; c < n; ++c) {
            const bool editable = c == 0 || c >= n - 2;
            QCOMPARE(bool(b.Model->flags(b.Model->index(0, c)) & Qt::ItemIsEditable), editable);
            if (!editable)
                QCOMPARE(b.Model->index(0, c).data(Qt::BackgroundRole).value<QColor>(),
                         QColor(254, 254, 222));
        }
        QVERIFY(!b.DBNavigator1->editButtonsVisible());
        QVERIFY(b.ResetButton->isEnabled());
        QVERIFY(b.MoveButton->isEnabled());
        QVERIFY(test::TaskPageFixture::screenshot(&b, QStringLiteral("BoxLibraryBrowse.png")));

        // Edit mode: everything but the quantity and the area editable.
        b.EditButtonClick();
        QVERIFY(b.editMode());
        QVERIFY(f.dm().BoxesEditMode);
        QCOMPARE(b.EditButton->text(), QStringLiteral("&Fix"));
        QCOMPARE(b.ClearButton->text(), QStringLiteral("C&lear"));
        QCOMPARE(b.ClearButton->toolTip(), QStringLiteral("Clear not used temporary records"));
        QVERIFY(!b.ResetButton->isEnabled());
        QVERIFY(!b.MoveButton->isEnabled());
        QVERIFY(b.DBNavigator1->editButtonsVisible());
        for (int c = 0; c < n; ++c) {
            const bool readOnly = c == 0 || c == b.Model->columnOf(QStringLiteral("Volume"));
            QCOMPARE(bool(b.Model->flags(b.Model->index(0, c)) & Qt::ItemIsEditable), !readOnly);
            if (readOnly)
                QCOMPARE(b.Model->index(0, c).data(Qt::BackgroundRole).value<QColor>(),
                         QColor(230, 230, 230));
        }
        QVERIFY(test::TaskPageFixture::screenshot(&b, QStringLiteral("BoxLibraryEdit.png")));
        // Esc does not close in edit mode; closing leaves edit mode; reopening shows browse mode.
        QTest::keyClick(&b, Qt::Key_Escape);
        QVERIFY(b.isVisible());
        b.close();
        QVERIFY(!b.isVisible());
        QVERIFY(!f.dm().BoxesEditMode);
        b.EditButtonClick();
        b.hide();
        b.show();
        QVERIFY(!b.editMode());
        QCOMPARE(b.EditButton->text(), QStringLiteral("E&dit"));
        QTest::keyClick(&b, Qt::Key_Escape);
        QVERIFY(!b.isVisible());
    }

    void resetAndCopyTo() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        f.clearAsked(); // start-up messages of the fresh home folder
        Cursor& lib = f.dm().boxes();
        Cursor& tb = f.dm().tb();
        b.show();
        QVERIFY(setLibraryValue(lib, QStringLiteral("EUR pallet"), QStringLiteral("Total"), 5));
        QVERIFY(setLibraryValue(lib, QStringLiteral("Cable drum"), QStringLiteral("Total"), 2));
        QVERIFY(setLibraryValue(lib, QStringLiteral("Quarter pallet"), QStringLiteral("Total"), 0));
        // The task's row of EUR pallet holds 3 before the copy.
        QVERIFY(tb.locate(QStringLiteral("KindID"),
                          lib.valueAt(lib.find(QStringLiteral("Kind"), QStringLiteral("EUR pallet")),
                                      QStringLiteral("KindID"))));
        QVERIFY(tb.setValue(QStringLiteral("Total"), 3) && tb.post());
        const int rowsBefore = tb.rowCount();

        b.MoveButtonClick();
        QCOMPARE(listTotal(tb, lib, QStringLiteral("EUR pallet")), 5);
        QCOMPARE(listTotal(tb, lib, QStringLiteral("Cable drum")), 2);
        QCOMPARE(listTotal(tb, lib, QStringLiteral("Quarter pallet")), -1);
        QCOMPARE(tb.rowCount(), rowsBefore + 1);
        QCOMPARE(lib.valueAt(lib.find(QStringLiteral("Kind"), QStringLiteral("Cable drum")),
                             QStringLiteral("TaskID")),
                 QVariant(f.dm().currentTaskId()));
        QCOMPARE(lib.currentRow(), 0);

        b.ResetButtonClick();
        for (int r = 0; r < lib.rowCount(); ++r)
            QCOMPARE(lib.valueAt(r, QStringLiteral("Total")).toInt(), 0);
        QCOMPARE(listTotal(tb, lib, QStringLiteral("EUR pallet")), 5);

        // A solved task takes no copies.
        Cursor& tasks = f.dm().tasks();
        QVERIFY(tasks.setValue(QStringLiteral("Solut"), true) && tasks.post());
        b.moveButtonState();
        QVERIFY(!b.MoveButton->isEnabled());
        b.hide();
        b.show();
        QVERIFY(!b.MoveButton->isEnabled());
    }

    void clearAsksPerRow() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        f.clearAsked(); // start-up messages of the fresh home folder
        Cursor& lib = f.dm().boxes();
        b.show();
        // Nothing temporary, then only a temporary kind that the sample task uses.
        b.EditButtonClick();
        b.ClearButtonClick();
        QCOMPARE(f.asked(), QStringList{QStringLiteral("Nothing to delete")});
        b.EditButtonClick();
        QVERIFY(setLibraryValue(lib, QStringLiteral("EUR pallet"), QStringLiteral("Temp"), true));
        b.EditButtonClick();
        f.clearAsked();
        b.ClearButtonClick();
        QCOMPARE(f.asked(), QStringList{QStringLiteral("Nothing to delete")});
        b.EditButtonClick();

        const QStringList unused{QStringLiteral("Quarter pallet"), QStringLiteral("Cable drum"),
                                 QStringLiteral("Sheet bundle")};
        for (const QString& k : unused)
            QVERIFY(setLibraryValue(lib, k, QStringLiteral("Temp"), true));
        const int rows = lib.rowCount();
        b.EditButtonClick();
        // No, then No to All: the pass ends at once, nothing deleted.
        f.clearAsked();
        f.prompter.answers = {PromptAnswer::No, PromptAnswer::NoToAll};
        b.ClearButtonClick();
        QCOMPARE(f.prompter.asked.size(), size_t(2));
        QCOMPARE(f.prompter.asked[0].buttons, PromptButtons::YesNoNoToAllYesToAll);
        QVERIFY(f.asked().first().startsWith(QStringLiteral("Delete box:  ")));
        QCOMPARE(lib.rowCount(), rows);
        // Yes, then Yes to All: every candidate goes, two questions only.
        f.clearAsked();
        f.prompter.answers = {PromptAnswer::Yes, PromptAnswer::YesToAll};
        b.ClearButtonClick();
        QCOMPARE(f.prompter.asked.size(), size_t(2));
        QCOMPARE(lib.rowCount(), rows - 3);
        for (const QString& k : unused)
            QCOMPARE(lib.find(QStringLiteral("Kind"), k), -1);
        QVERIFY(lib.find(QStringLiteral("Kind"), QStringLiteral("EUR pallet")) >= 0);
    }

    void clearEndsAtAnExportDbRefusal() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        Cursor& lib = f.dm().boxes();
        // Two unused temporary kinds; the export database holds a task list row of the first.
        const QStringList temp{QStringLiteral("Cable drum"), QStringLiteral("Sheet bundle")};
        for (const QString& k : temp)
            QVERIFY(setLibraryValue(lib, k, QStringLiteral("Temp"), true));
        const QVariant exported =
            lib.valueAt(lib.find(QStringLiteral("Kind"), temp[0]), QStringLiteral("KindID"));
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("exportdb"));
            db.setDatabaseName(f.tmp.filePath(QStringLiteral("Korvanexp/tb.db")));
            QVERIFY(db.open());
            QSqlQuery q(db);
            q.prepare(QStringLiteral("INSERT INTO tb (TaskID, KindID, Total) VALUES (1, ?, 2)"));
            q.addBindValue(exported);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("exportdb"));
        const int rows = lib.rowCount();
        b.show();
        b.EditButtonClick();
        f.clearAsked();
        f.prompter.answers = {PromptAnswer::YesToAll};
        b.ClearButtonClick();
        // The refused deletion ends the pass: the second candidate stays too.
        QCOMPARE(f.asked().size(), 2);
        QVERIFY(f.asked()[0].startsWith(QStringLiteral("Delete box:  ")));
        QCOMPARE(f.asked()[1],
                 QStringLiteral("This box Kind is used in Export DB.\rDelete action should be cancelled."));
        QCOMPARE(lib.rowCount(), rows);
        for (const QString& k : temp)
            QVERIFY(lib.find(QStringLiteral("Kind"), k) >= 0);
        QCOMPARE(lib.currentRow(), 0);
    }

    void printAndKeyGuards() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        f.clearAsked(); // start-up messages of the fresh home folder
        QSignalSpy print(&b, &LibraryForm::printRequested);
        b.show();
        f.startUp->reports()->ReportsUnavailable = true;
        b.ClearButtonClick();
        QCOMPARE(f.asked(),
                 QStringList{QStringLiteral("Default printer was not found on program start.\r"
                                            "Please turn on printer/server and restart program.")});
        QCOMPARE(print.count(), 0);
        f.startUp->reports()->ReportsUnavailable = false;
        f.clearAsked();
        f.prompter.answers = {PromptAnswer::Cancel};
        b.ClearButtonClick();
        QCOMPARE(f.asked(), QStringList{QStringLiteral("Print Box Library report now?")});
        QCOMPARE(print.count(), 0);
        b.ClearButtonClick();
        QCOMPARE(print.count(), 1);
        f.dm().WarnsCheck = false;
        f.clearAsked();
        b.ClearButtonClick();
        QVERIFY(f.asked().isEmpty());
        QCOMPARE(print.count(), 2);

        // Browse mode: the yellow columns tell to press Edit; the quantity and navigation keys pass.
        f.clearAsked();
        b.DBGrid1->setCurrentIndex(b.Model->index(0, 2));
        QVERIFY(b.MessEdit('A'));
        QCOMPARE(f.asked(),
                 QStringList{QStringLiteral("You'd press \"Edit\" button\rto modify yellow columns "
                                            "data\ror insert a new item.")});
        QVERIFY(!b.MessEdit(TTasksForm::virtualKey(Qt::Key_Down)));
        b.DBGrid1->setCurrentIndex(b.Model->index(0, b.Model->columnCount() - 1));
        QVERIFY(!b.MessEdit('A'));
        b.DBGrid1->setCurrentIndex(b.Model->index(0, 0));
        QVERIFY(!b.MessEdit('5'));
        // Edit mode: the quantity tells to press Fix.
        b.EditButtonClick();
        b.DBGrid1->setCurrentIndex(b.Model->index(0, 0));
        f.clearAsked();
        QVERIFY(b.MessEdit(13));
        QCOMPARE(f.asked(),
                 QStringList{QStringLiteral("You'd press \"Fix\" button\rto modify Q'ty column data.")});
        b.DBGrid1->setCurrentIndex(b.Model->index(0, 2));
        QVERIFY(!b.MessEdit('A'));
    }

    void importMenuKeepsTheSettings() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        f.clearAsked(); // start-up messages of the fresh home folder
        IniValues& ini = f.startUp->iniValues();
        ini.ImpOrder = 2;
        ini.ImpSepar = 1;
        ini.ImpHeader = 1;
        b.show();
        QVERIFY(b.ImpPopOrd2->isChecked() && !b.ImpPopOrd0->isChecked());
        QVERIFY(b.ImpPopSep1->isChecked());
        QVERIFY(b.ImpPopHead->isChecked());
        QCOMPARE(b.ImpPopHead->text(),
                 QStringLiteral("Check to omit first header line (paste from MS Access case)"));
        b.ImpPopOrd3->trigger();
        b.ImpPopSep0->trigger();
        b.ImpPopHead->trigger();
        QCOMPARE(ini.ImpOrder, 3);
        QCOMPARE(ini.ImpSepar, 0);
        QCOMPARE(ini.ImpHeader, 0);
        QVERIFY(!b.ImpPopAct->isEnabled());
        QSignalSpy file(&b, &TBoxForm::fileImportRequested);
        b.ImpPopFile->trigger();
        QCOMPARE(file.count(), 1);
    }
};

QTEST_MAIN(BoxFormTest)
#include "BoxFormTest.moc"
