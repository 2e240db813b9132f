// A hostile user at the real windows: garbage, negative, huge and over-long or non-Latin input
// typed into every editable grid column and edit, rows deleted in odd states, solves of tasks no
// container can take, every command pressed on an empty database, and damaged or read-only table
// files at start. Nothing may crash, nothing typed wrongly may be stored, nothing stored may be
// lost.
#include "GridTyping.h"
#include "TaskPageFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QtTest>

using namespace palvane;

class PlannerAbuseTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    TTasksForm& page() { return f->page(); }
    TDMForm& dm() { return f->dm(); }

    void activate(QWidget* w) {
        w->activateWindow();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    // Types into a library cell of the current row; true when the cursor took the value.
    bool typeLibrary(LibraryForm& lib, const QString& field, const QString& text) {
        const int row = lib.library().currentRow();
        const int col = lib.Model->columnOf(field);
        const QVariant before = lib.library().value(field);
        if (!test::typeCell(lib.DBGrid1, row, col, text))
            return false;
        return !sameValue(lib.library().value(field), before) ||
               lib.library().value(field).toString() == text;
    }
    // The value of a stored library row read back from the table file.
    QVariant storedValue(const QString& table, const QString& field, const QString& where) {
        QSqlQuery q(dm().store()->database());
        if (!q.exec(QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(field, table, where)) || !q.next())
            return QStringLiteral("<no row>");
        return q.value(0);
    }
    // Adds a library row straight into the table file, as an older database or an import may
    // hold it, and re-reads the library; returns its key.
    int addRaw(const QString& table, const QString& name, int length, int width, int weight) {
        QSqlQuery q(dm().store()->database());
        const bool conts = table == QLatin1String("conts");
        const QString sql = conts ? QStringLiteral("INSERT INTO conts (Type, Length, Width, LoadWt, FillDir) "
                                                   "VALUES (?, ?, ?, ?, 'Either')")
                                  : QStringLiteral("INSERT INTO boxes (Kind, Length, Width, Weight, TurnOn) "
                                                   "VALUES (?, ?, ?, ?, 1)");
        if (!q.prepare(sql))
            return -1;
        q.addBindValue(name);
        q.addBindValue(length);
        q.addBindValue(width);
        q.addBindValue(weight);
        if (!q.exec())
            return -1;
        const int id = q.lastInsertId().toInt();
        (conts ? dm().conts() : dm().boxes()).refresh();
        return id;
    }
    // Appends a row to the current task's container or box list through its cursor.
    bool addListRow(Cursor& list, const QString& key, int id, const QString& quantity, int n,
                    double cost = 0) {
        return list.append() && list.setValue(key, id) && list.setValue(quantity, n) &&
               (cost == 0 || list.setValue(QStringLiteral("Cost"), cost)) && list.post();
    }
    int errorsAsked() const {
        int n = 0;
        for (const PromptRecord& r : f->prompter.asked)
            n += r.kind == PromptKind::Error || r.kind == PromptKind::Warning;
        return n;
    }

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->tmp.isValid());
        QVERIFY(f->start());
        f->startUp->setBlockingModals(false);
        f->clearAsked();
    }
    void cleanup() {
        if (f->startUp && f->startUp->tasksForm())
            page().close();
        f.reset();
    }

    void garbageTypedIntoTheContainerLibrary();
    void garbageTypedIntoTheBoxLibrary();
    void garbageTypedIntoTheTaskGridsAndEdits();
    void solvesOfTasksNoContainerCanTake();
    void gapsWiderThanEveryFloor();
    void sameNameTwiceInALibrary();
    void rowsDeletedInOddStates();
    void everyCommandOnAnEmptyDatabase();
    void damagedTableFileAtStart();
    void exitWithRowsStillPending();
};

void PlannerAbuseTest::garbageTypedIntoTheContainerLibrary() {
    TCntForm& c = *f->startUp->cntForm();
    c.show();
    activate(&c);
    c.EditButtonClick();
    const int rows = c.library().rowCount();
    c.DBNavigator1->press(CursorNavigator::Insert);
    QVERIFY(c.library().isEditing());
    const QString longName = QString(40, QChar(0x0416)); // 40 Cyrillic letters
    f->clearAsked();
    QVERIFY(!typeLibrary(c, QStringLiteral("Type"), longName));
    QCOMPARE(errorsAsked(), 1);
    QVERIFY(c.library().textValue(QStringLiteral("Type")).isEmpty());
    const QString name = QStringLiteral("Прицеп 集装箱 ÆØÅ ñ");
    QVERIFY(typeLibrary(c, QStringLiteral("Type"), name));
    // Numbers out of their fields, garbage and negative sizes are refused, each with a message.
    const std::pair<const char*, const char*> refused[] = {
        {"Length", "abc"}, {"Length", "70000"}, {"Length", "-5"},  {"Length", "0"},
        {"Width", "12,5"}, {"Width", "-1"},     {"Width", "0"},    {"LoadWt", "99999999999"},
        {"LoadWt", "-1"},  {"NoseWt", "-1e9"},  {"TailWt", "-20"}, {"NoseDL", "-3"},
        {"Mark", "ABCD"},  {"Descr", "x"}};
    for (const auto& [field, text] : refused) {
        QString t = QLatin1String(text);
        if (QLatin1String(field) == QLatin1String("Descr"))
            t = QString(80, QLatin1Char('x'));
        f->clearAsked();
        QVERIFY2(!typeLibrary(c, QLatin1String(field), t), field);
        QVERIFY2(!f->asked().isEmpty(), field);
    }
    QVERIFY(typeLibrary(c, QStringLiteral("Length"), QStringLiteral("800")));
    QVERIFY(typeLibrary(c, QStringLiteral("Width"), QStringLiteral("240")));
    QVERIFY(typeLibrary(c, QStringLiteral("Descr"), QString(75, QChar(0x00e9))));
    c.EditButtonClick();
    QCOMPARE(c.library().rowCount(), rows + 1);
    const QString where = QStringLiteral("Type = '%1'").arg(name);
    QCOMPARE(storedValue(QStringLiteral("conts"), QStringLiteral("Length"), where).toInt(), 800);
    QCOMPARE(storedValue(QStringLiteral("conts"), QStringLiteral("Descr"), where).toString(),
             QString(75, QChar(0x00e9)));
    // Quantities in browse mode: garbage and huge ones are refused; a negative one is kept but
    // never copied into the task.
    const int row = c.library().find(QStringLiteral("Type"), name);
    for (const char* q : {"40000", "zz", "2.5"}) {
        f->clearAsked();
        QVERIFY(test::typeCell(c.DBGrid1, row, 0, QLatin1String(q)));
        QCOMPARE(f->asked().size(), 1);
        QVERIFY2(c.library().valueAt(row, QStringLiteral("Avail")).toInt() == 0, q);
    }
    c.ResetButtonClick();
    QVERIFY(
        test::typeCell(c.DBGrid1, c.library().find(QStringLiteral("Type"), name), 0, QStringLiteral("-3")));
    const int listRows = dm().tc().rowCount();
    c.MoveButton->click();
    QCOMPARE(dm().tc().rowCount(), listRows);
    c.close();
}

void PlannerAbuseTest::garbageTypedIntoTheBoxLibrary() {
    TBoxForm& b = *f->startUp->boxForm();
    b.show();
    activate(&b);
    b.EditButtonClick();
    b.DBNavigator1->press(CursorNavigator::Insert);
    const QString name = QStringLiteral("箱子 🎁 Kiste");
    QVERIFY(typeLibrary(b, QStringLiteral("Kind"), name));
    const std::pair<const char*, const char*> refused[] = {
        {"Length", "-10"}, {"Width", "0"},    {"Weight", "40000"}, {"Weight", "-7"},
        {"Mark", "XYZ"},   {"Length", "1.5"}, {"Length", "0x10"},  {"Width", "１２"}};
    for (const auto& [field, text] : refused) {
        f->clearAsked();
        QVERIFY2(!typeLibrary(b, QLatin1String(field), QLatin1String(text)), field);
        QVERIFY2(!f->asked().isEmpty(), field);
    }
    QVERIFY(typeLibrary(b, QStringLiteral("Length"), QStringLiteral("50")));
    QVERIFY(typeLibrary(b, QStringLiteral("Width"), QStringLiteral("40")));
    QVERIFY(typeLibrary(b, QStringLiteral("Weight"), QStringLiteral("0")));
    QVERIFY(typeLibrary(b, QStringLiteral("Mark"), QStringLiteral("箱")));
    b.EditButtonClick();
    QCOMPARE(
        storedValue(QStringLiteral("boxes"), QStringLiteral("Mark"), QStringLiteral("Kind = '%1'").arg(name))
            .toString(),
        QStringLiteral("箱"));
    b.close();
}

void PlannerAbuseTest::garbageTypedIntoTheTaskGridsAndEdits() {
    activate(&page());
    Cursor& tc = dm().tc();
    Cursor& tb = dm().tb();
    QVERIFY(tc.rowCount() > 0 && tb.rowCount() > 0);
    const int avail = tc.valueAt(0, QStringLiteral("Avail")).toInt();
    const double cost = tc.valueAt(0, QStringLiteral("Cost")).toDouble();
    for (const char* text : {"-1", "0", "abc", "99999", "1e3"}) {
        f->clearAsked();
        test::typeCell(page().ContsGrid, 0, 3, QLatin1String(text));
        page().DescrEdit->setFocus();
        QCOMPARE(tc.valueAt(0, QStringLiteral("Avail")).toInt(), avail);
        QVERIFY2(!f->asked().isEmpty(), text);
    }
    for (const char* text : {"-1", "1e39", "inf", "nan", "--", "3,5"}) {
        f->clearAsked();
        test::typeCell(page().ContsGrid, 0, 1, QLatin1String(text));
        page().DescrEdit->setFocus();
        QCOMPARE(tc.valueAt(0, QStringLiteral("Cost")).toDouble(), cost);
        QVERIFY2(!f->asked().isEmpty(), text);
    }
    QCOMPARE(storedValue(QStringLiteral("tc"), QStringLiteral("Avail"),
                         QStringLiteral("TaskID = %1 AND TypeID = %2")
                             .arg(dm().currentTaskId())
                             .arg(tc.valueAt(0, QStringLiteral("TypeID")).toInt()))
                 .toInt(),
             avail);
    // Box quantities and costs.
    const int total = tb.valueAt(0, QStringLiteral("Total")).toInt();
    for (const char* text : {"-4", "32768", "x"}) {
        test::typeCell(page().BoxesGrid, 0, 3, QLatin1String(text));
        page().DescrEdit->setFocus();
        QCOMPARE(tb.valueAt(0, QStringLiteral("Total")).toInt(), total);
    }
    // The task's name and description take as many characters as their fields hold; typing
    // stops there and what was typed is stored, not refused whole when the edit is left.
    page().NameEdit->setFocus();
    page().NameEdit->selectAll();
    test::typeText(page().NameEdit, QString(30, QChar(0x4e2d)));
    f->clearAsked();
    page().DescrEdit->setFocus();
    QVERIFY(f->asked().isEmpty());
    QCOMPARE(dm().tasks().textValue(QStringLiteral("Name")), QString(25, QChar(0x4e2d)));
    QCOMPARE(page().NameEdit->text(), QString(25, QChar(0x4e2d)));
    page().DescrEdit->selectAll();
    test::typeText(page().DescrEdit, QString(100, QLatin1Char('d')));
    page().NameEdit->setFocus();
    QVERIFY(f->asked().isEmpty());
    QCOMPARE(dm().tasks().textValue(QStringLiteral("Descr")), QString(75, QLatin1Char('d')));
}

void PlannerAbuseTest::solvesOfTasksNoContainerCanTake() {
    activate(&page());
    const int box = addRaw(QStringLiteral("boxes"), QStringLiteral("Normal box"), 50, 40, 10);
    const int zero = addRaw(QStringLiteral("boxes"), QStringLiteral("Flat box"), 0, 0, 0);
    const int negative = addRaw(QStringLiteral("boxes"), QStringLiteral("Negative box"), -10, 40, -5);
    const int huge = addRaw(QStringLiteral("boxes"), QStringLiteral("Huge box"), 32000, 32000, 30000);
    const int cont = addRaw(QStringLiteral("conts"), QStringLiteral("Small floor"), 200, 100, 1000);
    const int empty = addRaw(QStringLiteral("conts"), QStringLiteral("Empty floor"), 0, 0, 0);
    const int maxBox = addRaw(QStringLiteral("boxes"), QStringLiteral("Largest box"), 32767, 32767, 32767);
    const int maxCont =
        addRaw(QStringLiteral("conts"), QStringLiteral("Largest floor"), 32767, 32767, 2147483647);
    QVERIFY(box > 0 && zero > 0 && negative > 0 && huge > 0 && cont > 0 && empty > 0 && maxBox > 0 &&
            maxCont > 0);

    struct Case {
        const char* name;
        std::vector<int> kinds;
        std::vector<int> conts;
    };
    const Case cases[] = {{"only a box too big", {huge}, {cont}},
                          {"zero and negative boxes", {zero, negative, box}, {cont}},
                          {"container of no size", {box}, {empty}},
                          {"everything at once", {huge, zero, negative, box}, {empty, cont}},
                          {"largest numbers", {maxBox, huge, box}, {maxCont}}};
    for (const Case& c : cases) {
        page().TasksNavigator->press(CursorNavigator::Insert);
        page().NameEdit->setText(QLatin1String(c.name));
        page().DescrEdit->setFocus();
        for (int k : c.kinds)
            QVERIFY2(addListRow(dm().tb(), QStringLiteral("KindID"), k, QStringLiteral("Total"), 3), c.name);
        for (int t : c.conts)
            QVERIFY2(addListRow(dm().tc(), QStringLiteral("TypeID"), t, QStringLiteral("Avail"), 2), c.name);
        f->clearAsked();
        page().RunButton->click();
        QVERIFY2(page().isEnabled(), c.name);
        QVERIFY2(!page().waitForm()->isVisible(), c.name);
        // Nothing a container cannot hold is placed (a box of no size fits anywhere), and no
        // figure shows a broken number.
        QSqlQuery q(dm().store()->database());
        QVERIFY(q.exec(
            QStringLiteral("SELECT COUNT(*) FROM posit p JOIN boxes b ON b.KindID = p.KindID "
                           "JOIN solut s ON s.TaskID = p.TaskID AND s.ContNo = p.ContNo "
                           "JOIN conts c ON c.TypeID = s.TypeID "
                           "WHERE p.TaskID = %1 AND (b.Length < 0 OR b.Width < 0 OR p.PosX < 0 "
                           "OR p.PosY < 0 OR p.PosX + p.PosLh > c.Length OR p.PosY + p.PosWh > c.Width)")
                .arg(dm().currentTaskId())));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0);
        for (QLineEdit* e : {page().EffWgt, page().EffVol, page().CostPck, page().LftNmb, page().UsdVol,
                             page().AvlWgt, page().UsdWgt, page().TotWgt})
            QVERIFY2(!e->text().contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                         !e->text().contains(QLatin1String("inf"), Qt::CaseInsensitive),
                     qPrintable(QLatin1String(c.name) + QLatin1Char(' ') + e->text()));
        if (page().TaskSolved) {
            page().ViewButton->click();
            QVERIFY(f->startUp->distrForm()->isVisible());
            f->startUp->distrForm()->CloseButtonClick();
            page().ResultButton->click();
            f->startUp->solutForm()->FileButton->click();
            f->startUp->solutForm()->CloseButton->click();
        }
    }
}

void PlannerAbuseTest::gapsWiderThanEveryFloor() {
    TOptForm& opt = *f->startUp->optForm();
    page().OptButton->click();
    activate(&opt);
    for (QLineEdit* gap : {opt.BBEdit, opt.BWEdit}) {
        gap->setFocus();
        gap->selectAll();
        test::typeText(gap, QStringLiteral("5000"));
        QVERIFY(opt.validateGapEdit(gap));
    }
    // A gap beyond its range is refused with a message.
    opt.BBEdit->setFocus();
    opt.BBEdit->selectAll();
    test::typeText(opt.BBEdit, QStringLiteral("99999"));
    f->clearAsked();
    QVERIFY(!opt.validateGapEdit(opt.BBEdit));
    QCOMPARE(f->asked().size(), 1);
    QCOMPARE(int(f->startUp->iniValues().settings.BB), 5000);
    opt.BBEdit->setText(QStringLiteral("5000"));
    QVERIFY(opt.validateGapEdit(opt.BBEdit));
    opt.CloseButtonClick();
    activate(&page());
    page().RunButton->click();
    QVERIFY(page().isEnabled());
    // No box fits between walls 5000 apart: nothing is placed and the plan says so.
    QCOMPARE(page().LftNmb->text(), page().TotNmb->text());
    QCOMPARE(page().EffVol->text(), QStringLiteral("..."));
    QCOMPARE(test::planSnapshot(dm(), dm().currentTaskId()).size(), 3);
}

void PlannerAbuseTest::sameNameTwiceInALibrary() {
    activate(&page());
    const int shorter = addRaw(QStringLiteral("conts"), QStringLiteral("Twin floor"), 300, 200, 1000);
    const int longer = addRaw(QStringLiteral("conts"), QStringLiteral("Twin floor"), 600, 200, 1000);
    QVERIFY(shorter > 0 && longer > 0);
    page().TasksNavigator->press(CursorNavigator::Insert);
    page().DescrEdit->setFocus();
    page().ContsNavigator->press(CursorNavigator::Insert);
    // The second of the two names is chosen in the drop-down: that type is taken.
    auto* box = qobject_cast<QComboBox*>(test::beginEdit(page().ContsGrid, 0, 0));
    QVERIFY(box);
    const int second = box->findText(QStringLiteral("Twin floor")) + 1;
    QCOMPARE(box->itemText(second), QStringLiteral("Twin floor"));
    const int secondId = dm().conts().valueAt(second, QStringLiteral("TypeID")).toInt();
    box->setCurrentIndex(second);
    QTest::keyClick(box, Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(dm().tc().intValue(QStringLiteral("TypeID")), secondId);
    QVERIFY(test::typeCell(page().ContsGrid, 0, 3, QStringLiteral("1")));
    page().DescrEdit->setFocus();
    QCOMPARE(dm().tc().rowCount(), 1);
    QCOMPARE(dm().tc().intValue(QStringLiteral("TypeID")), secondId);
    // Opening the drop-down again shows the row that was chosen.
    box = qobject_cast<QComboBox*>(test::beginEdit(page().ContsGrid, 0, 0));
    QVERIFY(box);
    QCOMPARE(box->currentIndex(), second);
    QTest::keyClick(box, Qt::Key_Escape);
}

void PlannerAbuseTest::rowsDeletedInOddStates() {
    activate(&page());
    Cursor& tc = dm().tc();
    Cursor& tb = dm().tb();
    const qint32 sample = dm().currentTaskId();
    const QStringList contsBefore = test::planSnapshot(dm(), sample);
    const int tcRows = tc.rowCount(), tbRows = tb.rowCount();
    // A pending new row deleted with Ctrl+Delete goes without touching the stored rows.
    page().ContsGrid->setFocus();
    page().ContsGrid->setCurrentIndex(page().ContsModel->index(0, 0));
    QTest::keyClick(page().ContsGrid, Qt::Key_Insert);
    QCOMPARE(tc.state(), CursorState::Insert);
    QTest::keyClick(page().ContsGrid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(tc.rowCount(), tcRows);
    QVERIFY(!tc.isEditing());
    // A pending row that was half typed (a quantity refused before a type was chosen).
    page().BoxesGrid->setFocus();
    QTest::keyClick(page().BoxesGrid, Qt::Key_Insert);
    f->clearAsked();
    test::typeCell(page().BoxesGrid, tb.currentRow(), 3, QStringLiteral("5"));
    QCOMPARE(f->asked(), QStringList{QStringLiteral("You'd define box Kind at first")});
    QVERIFY(!tb.isEditing()); // the refusal dropped the pending row
    // Ctrl+Delete now asks about the stored row it is on; Cancel keeps it.
    f->prompter.answers = {PromptAnswer::Cancel};
    QTest::keyClick(page().BoxesGrid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f->asked().last(), QStringLiteral("Delete record?"));
    QCOMPARE(tb.rowCount(), tbRows);

    // A new task: its lists are empty; deleting in them does nothing.
    page().TasksNavigator->press(CursorNavigator::Insert);
    page().DescrEdit->setFocus();
    const qint32 fresh = dm().currentTaskId();
    QCOMPARE(tc.rowCount(), 0);
    f->clearAsked();
    page().ContsNavigator->press(CursorNavigator::Delete);
    page().ContsGrid->setFocus();
    QTest::keyClick(page().ContsGrid, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(page().BoxesGrid, Qt::Key_Delete, Qt::ControlModifier);
    QVERIFY(f->asked().isEmpty());
    // The task deleted while a row of its list is pending.
    page().BoxesGrid->setFocus();
    QTest::keyClick(page().BoxesGrid, Qt::Key_Insert);
    QCOMPARE(tb.state(), CursorState::Insert);
    page().TasksNavigator->press(CursorNavigator::Delete);
    QVERIFY(dm().tasks().find(QStringLiteral("TaskID"), fresh) < 0);
    QVERIFY(page().isEnabled());
    QSqlQuery q(dm().store()->database());
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM tb WHERE TaskID = %1").arg(fresh)) && q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    // The sample task kept every row.
    QVERIFY(dm().tasks().locate(QStringLiteral("TaskID"), sample));
    QCOMPARE(tc.rowCount(), tcRows);
    QCOMPARE(tb.rowCount(), tbRows);
    QCOMPARE(test::planSnapshot(dm(), sample), contsBefore);

    // In a library: a pending row deleted, a used row refused, the last row deleted.
    TBoxForm& b = *f->startUp->boxForm();
    b.show();
    activate(&b);
    b.EditButtonClick();
    const int kinds = b.library().rowCount();
    b.DBNavigator1->press(CursorNavigator::Insert);
    b.DBNavigator1->press(CursorNavigator::Delete);
    QCOMPARE(b.library().rowCount(), kinds);
    QVERIFY(b.library().locate(QStringLiteral("KindID"), tb.valueAt(0, QStringLiteral("KindID"))));
    f->clearAsked();
    b.DBNavigator1->press(CursorNavigator::Delete);
    QCOMPARE(b.library().rowCount(), kinds);
    QVERIFY(f->asked().size() == 2 &&
            f->asked().last().startsWith(QStringLiteral("This box Kind is used in a task:")));
    b.EditButtonClick();
    b.close();
}

void PlannerAbuseTest::everyCommandOnAnEmptyDatabase() {
    activate(&page());
    // Every task deleted through Select a Task, then every library row.
    TNameForm& names = *f->startUp->nameForm();
    names.show();
    // The window answers the rules as while it runs modally.
    const QMetaObject::Connection open = QObject::connect(
        &dm(), &TDMForm::windowStateAsked, [](WindowState& state) { state.selectTaskOpen = true; });
    while (!dm().tasks().isEmpty()) {
        const int n = dm().tasks().rowCount();
        names.DeleteButton->click();
        QCOMPARE(dm().tasks().rowCount(), n - 1);
    }
    f->clearAsked();
    names.DeleteButton->click();
    QCOMPARE(f->asked(), QStringList{QStringLiteral("DB is empty")});
    QObject::disconnect(open);
    names.hide();
    QCOMPARE(dm().currentTaskId(), 0);
    for (LibraryForm* lib : {static_cast<LibraryForm*>(f->startUp->cntForm()),
                             static_cast<LibraryForm*>(f->startUp->boxForm())}) {
        lib->show();
        activate(lib);
        QVERIFY(!lib->MoveButton->isEnabled()); // no task to copy into
        lib->EditButtonClick();
        while (!lib->library().isEmpty()) {
            const int n = lib->library().rowCount();
            lib->DBNavigator1->press(CursorNavigator::Delete);
            QCOMPARE(lib->library().rowCount(), n - 1);
        }
        f->clearAsked();
        lib->DBNavigator1->press(CursorNavigator::Delete);
        lib->ClearButtonClick();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("Nothing to delete")});
        lib->EditButtonClick();
        lib->ResetButtonClick();
        lib->MoveButtonClick();
        lib->ClearButtonClick(); // Print of an empty library
        lib->CloseButtonClick();
    }
    // The Task Page's commands on nothing.
    activate(&page());
    QVERIFY(page().NameEdit->text().isEmpty());
    QVERIFY(!page().RunButton->isEnabled());
    f->clearAsked();
    page().RunButtonClick();
    page().ViewButtonClick();
    page().ResultButtonClick();
    page().PrintButtonClick();
    page().ContsNavigator->press(CursorNavigator::Insert);
    page().BoxesNavigator->press(CursorNavigator::Insert);
    page().TasksNavigator->press(CursorNavigator::Delete);
    page().OptButton->click();
    f->startUp->optForm()->DefltButtonClick();
    f->startUp->optForm()->CloseButtonClick();
    QVERIFY(page().isEnabled());
    QCOMPARE(dm().tc().rowCount(), 0);
    QCOMPARE(dm().tb().rowCount(), 0);
    QVERIFY(!page().TaskSolved);
    // A new task on the empty database cannot take list rows while the libraries are empty.
    page().TasksNavigator->press(CursorNavigator::Insert);
    QCOMPARE(dm().tasks().rowCount(), 1);
    page().ContsNavigator->press(CursorNavigator::Insert);
    QVERIFY(!dm().tc().isEditing());
    page().RunButtonClick();
    QCOMPARE(f->asked().last(), QStringLiteral("You should define container(s)"));
    // It survives a restart.
    page().close();
    f->stop();
    QVERIFY(f->start());
    QCOMPARE(dm().tasks().rowCount(), 1);
    QCOMPARE(dm().conts().rowCount(), 0);
}

void PlannerAbuseTest::damagedTableFileAtStart() {
    const QString dir = dm().databaseDirectory(0);
    const QString tbFile = Store::tableFilePath(dir, Table::Tb);
    QVERIFY(QFile::exists(tbFile));
    page().close();
    f->stop();
    QFile ini(iniFilePath(f->tmp.path()));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray iniText = ini.readAll();
    ini.close();
    const QByteArray garbage(4096, '\x5a');
    {
        QFile file(tbFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(garbage);
    }
    f->clearAsked();
    QVERIFY(!f->start());
    QVERIFY(!f->asked().isEmpty());
    QVERIFY(f->asked().last().contains(QStringLiteral("DB is busy or wrong")));
    QVERIFY(f->asked().last().contains(QDir::toNativeSeparators(tbFile)));
    // Nothing was written over the damaged file, and the settings file was not replaced by
    // defaults.
    QFile file(tbFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), garbage);
    f->stop();
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(ini.readAll(), iniText);
}

void PlannerAbuseTest::exitWithRowsStillPending() {
    // A library row typed but not stored, a changed quantity in the task's list and a typed
    // description: the program ends through its Exit button, and everything is there again.
    TBoxForm& b = *f->startUp->boxForm();
    b.show();
    activate(&b);
    b.EditButtonClick();
    b.DBNavigator1->press(CursorNavigator::Insert);
    QVERIFY(typeLibrary(b, QStringLiteral("Kind"), QStringLiteral("Left open")));
    QVERIFY(typeLibrary(b, QStringLiteral("Length"), QStringLiteral("30")));
    QVERIFY(typeLibrary(b, QStringLiteral("Width"), QStringLiteral("20")));
    QVERIFY(typeLibrary(b, QStringLiteral("Weight"), QStringLiteral("5")));
    QVERIFY(b.library().isEditing());
    b.hide();
    activate(&page());
    const int kindId = dm().tb().valueAt(0, QStringLiteral("KindID")).toInt();
    QVERIFY(test::typeCell(page().BoxesGrid, 0, 3, QStringLiteral("7")));
    QVERIFY(dm().tb().isEditing());
    page().DescrEdit->setFocus();
    page().DescrEdit->selectAll();
    test::typeText(page().DescrEdit, QStringLiteral("typed just before exit"));
    const qint32 task = dm().currentTaskId();
    // Exit as its accelerator presses it: the focus stays in the description edit.
    f->prompter.answers = {PromptAnswer::Ok};
    page().ExitButton->click();
    QVERIFY(!page().isVisible());
    f->stop();
    QVERIFY(f->start());
    QCOMPARE(dm().currentTaskId(), task);
    QVERIFY(dm().boxes().find(QStringLiteral("Kind"), QStringLiteral("Left open")) >= 0);
    QCOMPARE(
        dm().tb().valueAt(dm().tb().find(QStringLiteral("KindID"), kindId), QStringLiteral("Total")).toInt(),
        7);
    QCOMPARE(dm().tasks().textValue(QStringLiteral("Descr")), QStringLiteral("typed just before exit"));
}

QTEST_MAIN(PlannerAbuseTest)
#include "PlannerAbuseTest.moc"
