// Whole journeys of a planner through the real windows of a started program on a temporary home
// folder: a new task built from library rows typed in the grids, Solve with its totals, the drawn
// layout, the task report printed to a PDF file without a printer, the Solution Page and its CSV
// files, Clear and a repeated Solve giving the same plan, and a restart that finds the task, the
// settings and the stored plan again.
#include "GridTyping.h"
#include "PdfPages.h"
#include "ReportPrinter.h"
#include "SolutionCsv.h"
#include "TaskPageFixture.h"

#include <QApplication>
#include <QFile>
#include <QtTest>

using namespace palvane;

class PlannerJourneyTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    TTasksForm& page() { return f->page(); }
    TDMForm& dm() { return f->dm(); }

    void activatePage() {
        page().activateWindow();
        QApplication::setActiveWindow(&page());
        QVERIFY(QTest::qWaitForWindowActive(&page()));
    }

    // Runs `work` inside the modal library window that `button` of the Task Page opens, then
    // closes it with its Close button, also when `work` failed.
    void inModalLibrary(QPushButton* button, LibraryForm& lib, const std::function<void()>& work) {
        bool ran = false;
        uitest::onNextModal([&](QWidget* w) {
            ran = w == &lib;
            QApplication::setActiveWindow(w);
            if (ran)
                work();
            lib.CloseButton->click();
        });
        button->click();
        QVERIFY(ran);
        QVERIFY(!lib.isVisible());
    }

    // Adds a library row in edit mode by typing its cells, then stores it by leaving edit mode.
    void addLibraryRow(LibraryForm& lib, const QList<std::pair<QString, QString>>& cells) {
        lib.EditButtonClick();
        QVERIFY(lib.editMode());
        const int before = lib.library().rowCount();
        lib.DBNavigator1->press(CursorNavigator::Insert);
        QCOMPARE(lib.library().rowCount(), before + 1);
        const int row = lib.library().currentRow();
        for (const auto& [field, text] : cells) {
            const int col = lib.Model->columnOf(field);
            QVERIFY2(col >= 0, qPrintable(field));
            const bool drop = qobject_cast<ChoiceDelegate*>(lib.DBGrid1->itemDelegateForColumn(col));
            const bool typed = drop ? test::chooseCell(lib.DBGrid1, row, col, text)
                                    : test::typeCell(lib.DBGrid1, row, col, text);
            QVERIFY2(typed, qPrintable(field + QStringLiteral(" <- ") + text));
        }
        lib.EditButtonClick(); // Fix: the pending row is stored
        QVERIFY(!lib.editMode());
        QVERIFY(!lib.library().isEditing());
        QCOMPARE(lib.library().rowCount(), before + 1);
    }

    // Types a library quantity in browse mode for the row of that name.
    void typeQuantity(LibraryForm& lib, const QString& name, int quantity) {
        const int row = lib.library().find(lib.traits().nameField, name);
        QVERIFY2(row >= 0, qPrintable(name));
        QVERIFY(test::typeCell(lib.DBGrid1, row, 0, QString::number(quantity)));
        QVERIFY(lib.library().checkBrowseMode());
        QCOMPARE(lib.library()
                     .valueAt(lib.library().find(lib.traits().nameField, name), lib.traits().quantity)
                     .toInt(),
                 quantity);
    }

    // Solves the current task with the Solve button; the page must come back enabled.
    void solve() {
        QVERIFY(!page().TaskSolved);
        page().RunButton->click();
        QVERIFY(page().TaskSolved);
        QVERIFY(page().isEnabled());
        QCOMPARE(page().RunButton->text(), QStringLiteral("C&lear"));
    }

    QStringList csvTexts(const QString& stem) const {
        QStringList texts;
        for (const char* suffix : SolutionCsvSuffixes) {
            QFile file(QDir(f->startUp->home().exportFolder()).filePath(stem + QLatin1String(suffix)));
            texts << (file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
        }
        return texts;
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

    void newTaskFromTypedLibrariesSolvesRepeatablyAndSurvivesRestart();
};

void PlannerJourneyTest::newTaskFromTypedLibrariesSolvesRepeatablyAndSurvivesRestart() {
    activatePage();
    // Settings first: a low intensity keeps the run short, and a gap between items.
    page().OptButton->click();
    TOptForm& opt = *f->startUp->optForm();
    QVERIFY(opt.isVisible());
    for (int i = 0; i < 3; ++i)
        opt.PowerUpDn->stepDown();
    const int power = f->startUp->iniValues().settings.Power;
    QCOMPARE(opt.PowerEdit->text(), QString::number(power));
    QApplication::setActiveWindow(&opt);
    opt.BBEdit->setFocus();
    opt.BBEdit->selectAll();
    test::typeText(opt.BBEdit, QStringLiteral("4"));
    QVERIFY(opt.validateGapEdit(opt.BBEdit));
    QCOMPARE(int(f->startUp->iniValues().settings.BB), 4);
    opt.CloseButton->click();
    QVERIFY(!opt.isVisible());

    // A new task on the Task Page: the name is typed, with letters beyond Latin.
    activatePage();
    const int tasksBefore = dm().tasks().rowCount();
    page().TasksNavigator->press(CursorNavigator::Insert);
    QCOMPARE(dm().tasks().rowCount(), tasksBefore + 1);
    QCOMPARE(QApplication::focusWidget(), page().NameEdit);
    const QString name = QStringLiteral("Fähre Ωmega 集装箱");
    page().NameEdit->selectAll();
    test::typeText(page().NameEdit, name);
    page().DescrEdit->setFocus();
    test::typeText(page().DescrEdit, QStringLiteral("Two trailers, pallets and crates"));
    page().NameEdit->setFocus();
    QCOMPARE(dm().tasks().textValue(QStringLiteral("Name")), name);
    QCOMPARE(dm().tasks().textValue(QStringLiteral("Descr")),
             QStringLiteral("Two trailers, pallets and crates"));
    const qint32 taskId = dm().currentTaskId();
    QVERIFY(taskId > 0);
    QCOMPARE(int(dm().tasks().intValue(QStringLiteral("BB"))), 4); // the active settings were copied
    QCOMPARE(page().ContsModel->rowCount(), 0);
    QCOMPARE(page().BoxesModel->rowCount(), 0);

    // The Container Library: a new type typed in edit mode, a quantity, Copy to.
    TCntForm& cnt = *f->startUp->cntForm();
    inModalLibrary(page().ContsButton, cnt, [&] {
        cnt.ResetButtonClick();
        addLibraryRow(cnt, {{QStringLiteral("Type"), QStringLiteral("Trailer 13.6 m")},
                            {QStringLiteral("Mark"), QStringLiteral("T13")},
                            {QStringLiteral("Length"), QStringLiteral("1360")},
                            {QStringLiteral("Width"), QStringLiteral("245")},
                            {QStringLiteral("LoadWt"), QStringLiteral("24000")},
                            {QStringLiteral("FillDir"), QStringLiteral("Either")}});
        typeQuantity(cnt, QStringLiteral("Trailer 13.6 m"), 2);
        QVERIFY(test::TaskPageFixture::screenshot(&cnt, QStringLiteral("Journey-ContainerLibrary.png")));
        QVERIFY(cnt.MoveButton->isEnabled());
        cnt.MoveButton->click();
    });
    QCOMPARE(page().ContsModel->rowCount(), 1);
    QCOMPARE(dm().tc().textValue(QStringLiteral("Type")), QStringLiteral("Trailer 13.6 m"));
    QCOMPARE(dm().tc().intValue(QStringLiteral("Avail")), 2);
    QCOMPARE(dm().tc().intValue(QStringLiteral("Length")), 1360);
    QCOMPARE(dm().tc().textValue(QStringLiteral("FillDir")), QStringLiteral("Either"));

    // The Box Library: two new kinds, one of them allowed to turn.
    TBoxForm& box = *f->startUp->boxForm();
    inModalLibrary(page().BoxesButton, box, [&] {
        box.ResetButtonClick();
        addLibraryRow(box, {{QStringLiteral("Kind"), QStringLiteral("Pallet EUR")},
                            {QStringLiteral("Length"), QStringLiteral("120")},
                            {QStringLiteral("Width"), QStringLiteral("80")},
                            {QStringLiteral("Weight"), QStringLiteral("450")},
                            {QStringLiteral("TurnOn"), QStringLiteral("True")}});
        addLibraryRow(box, {{QStringLiteral("Kind"), QStringLiteral("Ящик Ω")},
                            {QStringLiteral("Mark"), QStringLiteral("Я")},
                            {QStringLiteral("Length"), QStringLiteral("100")},
                            {QStringLiteral("Width"), QStringLiteral("60")},
                            {QStringLiteral("Weight"), QStringLiteral("120")}});
        typeQuantity(box, QStringLiteral("Pallet EUR"), 33);
        typeQuantity(box, QStringLiteral("Ящик Ω"), 12);
        QVERIFY(test::TaskPageFixture::screenshot(&box, QStringLiteral("Journey-BoxLibrary.png")));
        box.MoveButton->click();
    });
    QCOMPARE(page().BoxesModel->rowCount(), 2);
    QCOMPARE(page().TotNmb->text(), QStringLiteral("45"));
    QCOMPARE(page().AvlNmb->text(), QStringLiteral("2"));

    // Costs typed in the task's grids.
    activatePage();
    QVERIFY(test::typeCell(page().ContsGrid, 0, 1, QStringLiteral("150.5")));
    // Row after row: storing the first row must leave the click on the second row's cost cell.
    for (int r = 0; r < 2; ++r) {
        QVERIFY(test::typeCell(page().BoxesGrid, r, 1, QStringLiteral("10")));
        QCOMPARE(page().BoxesGrid->currentIndex(), page().BoxesModel->index(r, 1));
    }
    page().DescrEdit->setFocus();
    QVERIFY(!dm().tc().isEditing() && !dm().tb().isEditing());
    QCOMPARE(dm().tc().floatValue(QStringLiteral("Cost")), 150.5);
    QVERIFY(test::TaskPageFixture::screenshot(&page(), QStringLiteral("Journey-TaskPage-new-task.png")));

    // Solve: totals of the plan.
    solve();
    QVERIFY(page().UsdNmb->text().toInt() >= 1);
    QVERIFY(page().UsdNmb->text().toInt() <= 2);
    QCOMPARE(page().TotNmb->text(), QStringLiteral("45"));
    QVERIFY(page().EffWgt->text() != QStringLiteral("..."));
    QVERIFY(page().EffVol->text().toDouble() > 0);
    QCOMPARE(page().DateEdit->text(), QDate::currentDate().toString(Qt::ISODate));
    const int placed = page().TotNmb->text().toInt() - page().LftNmb->text().toInt();
    QVERIFY(placed > 0);
    const QStringList plan = test::planSnapshot(dm(), taskId);
    QCOMPARE(plan.count(QStringLiteral("--")), 3);
    // Every placed box has its position row.
    const int positStart =
        int(plan.indexOf(QStringLiteral("--"), plan.indexOf(QStringLiteral("--")) + 1)) + 1;
    QCOMPARE(int(plan.size()) - 1 - positStart, placed);
    QVERIFY(test::TaskPageFixture::screenshot(&page(), QStringLiteral("Journey-TaskPage-solved.png")));

    // View: the drawn layout of the plan.
    page().ViewButton->click();
    TDistrForm& distr = *f->startUp->distrForm();
    QVERIFY(distr.isVisible());
    QVERIFY(!distr.bitmap().isNull());
    QVERIFY(test::TaskPageFixture::screenshot(&distr, QStringLiteral("Journey-Disposition.png")));
    distr.CloseButtonClick();
    QVERIFY(!distr.isVisible());

    // The task report on a machine without a printer: the file dialog suggests a PDF file in
    // the home folder's reports folder, and the planner takes the suggestion.
    ReportPrinter& reports = *f->startUp->reports();
    if (reports.printerFound())
        reports.printerFound = [] { return false; }; // this machine has one: take the other road
    QString suggested;
    reports.chooseFile = [&suggested](QWidget*, const QString& file) { return suggested = file; };
    activatePage();
    f->clearAsked();
    page().PrintButton->click();
    QCOMPARE(f->asked(), QStringList{QStringLiteral("Print task data report now?")});
    QCOMPARE(QFileInfo(suggested).absolutePath(), QDir(f->tmp.path()).filePath(QStringLiteral("reports")));
    QVERIFY2(QFileInfo(suggested).fileName().startsWith(QStringLiteral("Quillo Task Report - Fähre")),
             qPrintable(suggested));
    QVERIFY(test::pdfPageCount(suggested) >= 2);
    const QString report = test::pdfPageTexts(suggested).join(QLatin1Char(' ')).simplified();
    for (const QString& text : {QStringLiteral("Fähre"), QStringLiteral("Trailer 13.6 m"),
                                QStringLiteral("Pallet EUR"), QStringLiteral("Ящик Ω")})
        QVERIFY2(report.contains(text), qPrintable(text));
    QVERIFY(page().isEnabled());

    // The Solution Page and its CSV files.
    page().ResultButton->click();
    TSolutForm& solut = *f->startUp->solutForm();
    QVERIFY(solut.isVisible());
    QCOMPARE(solut.SolutModel->rowCount(), page().UsdNmb->text().toInt());
    QVERIFY(test::TaskPageFixture::screenshot(&solut, QStringLiteral("Journey-SolutionPage.png")));
    f->clearAsked();
    solut.FileButton->click();
    const QString stem = safeFileStem(name);
    const QStringList csv = csvTexts(stem);
    for (const QString& text : csv)
        QVERIFY2(!text.isEmpty(), qPrintable(stem));
    QVERIFY(csv[0].contains(QStringLiteral("Trailer 13.6 m")));
    QVERIFY(csv[2].contains(QStringLiteral("Ящик Ω")) || csv[2].contains(QStringLiteral("Pallet EUR")));
    QCOMPARE(csv[2].count(QStringLiteral("\r\n")) > placed, true);
    solut.CloseButton->click();
    QVERIFY(!solut.isVisible());

    // Clear, then the same Solve gives the same plan.
    activatePage();
    f->clearAsked();
    page().RunButton->click();
    QCOMPARE(f->asked(), QStringList{QStringLiteral("Clear current task solution?")});
    QVERIFY(!page().TaskSolved);
    QCOMPARE(page().UsdNmb->text(), QStringLiteral("0"));
    QCOMPARE(test::planSnapshot(dm(), taskId),
             (QStringList{QStringLiteral("--"), QStringLiteral("--"), QStringLiteral("--")}));
    solve();
    QCOMPARE(test::planSnapshot(dm(), taskId), plan);
    const QString effVol = page().EffVol->text(), cost = page().CostPck->text();

    // Restart on the same home folder.
    page().close();
    f->stop();
    QVERIFY(f->start());
    f->startUp->setBlockingModals(false);
    QCOMPARE(dm().currentTaskId(), taskId);
    QCOMPARE(page().NameEdit->text(), name);
    QCOMPARE(page().DescrEdit->text(), QStringLiteral("Two trailers, pallets and crates"));
    QVERIFY(page().TaskSolved);
    QCOMPARE(page().EffVol->text(), effVol);
    QCOMPARE(page().CostPck->text(), cost);
    QCOMPARE(int(f->startUp->iniValues().settings.Power), power);
    QCOMPARE(int(f->startUp->iniValues().settings.BB), 4);
    QCOMPARE(test::planSnapshot(dm(), taskId), plan);
    QCOMPARE(page().ContsModel->index(0, 0).data().toString(), QStringLiteral("Trailer 13.6 m"));
    // The stored plan is drawn again after the restart, and exports the same files.
    page().ViewButton->click();
    QVERIFY(f->startUp->distrForm()->isVisible());
    QCOMPARE(page().session().taskId(), taskId);
    f->startUp->distrForm()->CloseButtonClick();
    page().ResultButton->click();
    f->startUp->solutForm()->FileButton->click();
    QCOMPARE(csvTexts(stem), csv);
    f->startUp->solutForm()->CloseButton->click();
    // A new process draws the same random line: Clear and Solve give the same plan again.
    activatePage();
    page().RunButton->click();
    QVERIFY(!page().TaskSolved);
    solve();
    QCOMPARE(test::planSnapshot(dm(), taskId), plan);
    QVERIFY(test::TaskPageFixture::screenshot(&page(), QStringLiteral("Journey-TaskPage-after-restart.png")));
}

QTEST_MAIN(PlannerJourneyTest)
#include "PlannerJourneyTest.moc"
