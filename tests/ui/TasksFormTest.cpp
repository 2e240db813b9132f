// The Task Page over the sample task of a fresh home folder: controls and their texts, colours,
// editing guards, the Solve / Clear command with its checks, column widths.
#include "FakeSearch.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QApplication>
#include <QProgressBar>
#include <QSqlQuery>
#include <QtTest>

using namespace palvane;

// Counts the engine's progress reports, looks at the windows while the solve runs and can press
// Esc in the progress window after a number of ticks.
class TickCounter : public ProgressSink {
public:
    explicit TickCounter(TTasksForm* page = nullptr, int escAfter = -1)
        : m_page(page), m_escAfter(escAfter) {}
    void setOverall(int) override { ++overall; }
    void processEvents() override {
        ++ticks;
        if (!m_page || !m_page->waitForm())
            return;
        TWaitForm* wait = m_page->waitForm();
        waitShown = waitShown || wait->isVisible();
        pageDisabled = pageDisabled || !m_page->isEnabled();
        if (ticks == 1)
            screenshot = wait->grab();
        if (m_escAfter >= 0 && ticks == m_escAfter)
            QTest::keyClick(wait, Qt::Key_Escape);
    }
    int overall = 0, ticks = 0;
    bool waitShown = false, pageDisabled = false;
    QPixmap screenshot;

private:
    TTasksForm* m_page;
    int m_escAfter;
};

class TasksFormTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    TTasksForm& page() { return f->page(); }

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->tmp.isValid());
        QVERIFY(f->start());
    }
    void cleanup() {
        if (f->startUp && f->startUp->tasksForm())
            page().close();
        f.reset();
    }

    void startsOnSampleTask() {
        QVERIFY(f->dm().DatabaseReady);
        QVERIFY(page().NameEdit->text().startsWith(QStringLiteral("Sample")));
        QCOMPARE(page().ContsModel->rowCount(), f->dm().tc().rowCount());
        QVERIFY(page().ContsModel->rowCount() > 0);
        QVERIFY(page().BoxesModel->rowCount() > 0);
        QCOMPARE(page().TotNmb->text(), f->dm().boxTotals().TotNmb);
        QVERIFY(!page().TotNmb->text().isEmpty());
        QVERIFY(!page().TaskSolved);
        QCOMPARE(page().windowTitle(), QStringLiteral("2D Palvane 1.95  - Task page"));
        QVERIFY(QFile::exists(QDir(f->tmp.path()).filePath(QStringLiteral("databases.ini"))));
        QVERIFY(!QFile::exists(QDir(f->tmp.path()).filePath(QStringLiteral("z-temp-pr.bat"))));
        QVERIFY(test::TaskPageFixture::screenshot(&page(), QStringLiteral("TaskPage-before-solve.png")));
    }

    void captionsHintsAndColours() {
        TTasksForm& p = page();
        QCOMPARE(p.RunButton->text(), QStringLiteral("So&lve"));
        QCOMPARE(p.RunButton->toolTip(), QStringLiteral("Start solver run"));
        QCOMPARE(p.ContsButton->text(), QStringLiteral("&Container Library"));
        QCOMPARE(p.BoxesButton->text(), QStringLiteral("&Box Library"));
        QCOMPARE(p.OptButton->text(), QStringLiteral("Se&ttings"));
        QCOMPARE(p.PrintButton->toolTip(), QStringLiteral("Print task data"));
        QCOMPARE(p.ExitButton->text(), QStringLiteral("&Exit"));
        QCOMPARE(p.Label3->text(), QStringLiteral("SHEETS /  2D Containers to Load"));
        QCOMPARE(p.DBCheckDflt->text(), QStringLiteral("Common Turn Rules:"));
        QVERIFY(p.ExchLabel->isHidden());
        QVERIFY(!p.ResultButton->isEnabled()); // nothing solved yet
        QVERIFY(!p.ViewButton->isEnabled());
        // Titles, the hidden priority column, the Area title of Volume.
        QCOMPARE(p.ContsModel->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Container Type"));
        QCOMPARE(p.ContsModel->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Area"));
        QCOMPARE(p.BoxesModel->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Used"));
        QVERIFY(p.ContsGrid->isColumnHidden(2));
        QCOMPARE(p.ContsGrid->columnWidth(0) >= 138, true);
        // Cost green, Avail blue, from the fifth column on yellow.
        for (CursorTableModel* m : {p.ContsModel, p.BoxesModel}) {
            const QModelIndex cost = m->index(0, 1), qty = m->index(0, 3), used = m->index(0, 4),
                              last = m->index(0, 10);
            QCOMPARE(cost.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 0));
            QCOMPARE(qty.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
            QCOMPARE(used.data(Qt::BackgroundRole).value<QColor>(), QColor(254, 254, 222));
            QCOMPARE(last.data(Qt::BackgroundRole).value<QColor>(), QColor(254, 254, 222));
            QVERIFY(!m->index(0, 3).data(Qt::BackgroundRole).isValid());
            QVERIFY(!(m->flags(used) & Qt::ItemIsEditable));
            QVERIFY(m->flags(m->index(0, 0)) & Qt::ItemIsEditable);
        }
        QCOMPARE(p.AvlNmb->palette().color(QPalette::Base), QColor(254, 254, 222));
        QCOMPARE(p.UsdNmb->palette().color(QPalette::Base), QColor(0, 255, 255));
    }

    void keysThatDoNotEdit() {
        for (int k : {9, 16, 17, 18, 19, 20, 27, 33, 36, 40, 91, 93})
            QVERIFY2(!TTasksForm::EditKeys(k), qPrintable(QString::number(k)));
        for (int k : {8, 13, 32, 41, 46, 48, 65, 90, 94})
            QVERIFY2(TTasksForm::EditKeys(k), qPrintable(QString::number(k)));
        QCOMPARE(TTasksForm::virtualKey(Qt::Key_Escape), 27);
        QCOMPARE(TTasksForm::virtualKey(Qt::Key_Down), 40);
        QCOMPARE(TTasksForm::virtualKey(Qt::Key_A), 65);
    }

    void yellowColumnAndSolvedHints() {
        TTasksForm& p = page();
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        p.ContsGrid->setFocus();
        p.ContsGrid->setCurrentIndex(p.ContsModel->index(0, 6));
        f->clearAsked();
        QTest::keyClick(p.ContsGrid, Qt::Key_5);
        QCOMPARE(f->asked(), QStringList{QStringLiteral(
                                 "You can modify yellow columns data\rjust from the Container/Box Library")});
        // Moving keys never warn; the editable Avail column does not either.
        f->clearAsked();
        QTest::keyClick(p.ContsGrid, Qt::Key_Left);
        p.ContsGrid->setCurrentIndex(p.ContsModel->index(0, 3));
        QVERIFY(!p.GridEditWarn(13));
        QVERIFY(f->asked().isEmpty());

        p.RunButtonClick();
        QVERIFY(p.TaskSolved);
        p.ContsGrid->setFocus();
        f->clearAsked();
        QTest::keyClick(p.ContsGrid, Qt::Key_5);
        QCOMPARE(f->asked(), QStringList{QStringLiteral(
                                 "You'd \"Clear\" preceding solution\rbefore task data modifying")});
        // The turn-rule check boxes keep their value on a solved task.
        const bool before = p.DBCheckDflt->isChecked();
        f->clearAsked();
        p.DBCheckDflt->click();
        QCOMPARE(p.DBCheckDflt->isChecked(), before);
        QCOMPARE(f->asked().size(), 1);
    }

    void solveAndClear() {
        TTasksForm& p = page();
        TickCounter ticks(&p);
        p.setProgressListener(&ticks);
        const QString leftBefore = p.LftNmb->text();
        p.RunButtonClick();
        QVERIFY(p.TaskSolved);
        QVERIFY(ticks.ticks > 0);
        QVERIFY(ticks.overall > 0);
        // The progress window was shown over a disabled page, and is gone afterwards.
        QVERIFY(ticks.waitShown);
        QVERIFY(ticks.pageDisabled);
        QVERIFY(!p.waitForm()->isVisible());
        QCOMPARE(p.waitForm()->progBar()->value(), 0);
        QVERIFY(ticks.screenshot.save(QStringLiteral(PALVANE_TEST_OUT "/ProgressWindow-solve.png")));
        QCOMPARE(p.RunButton->text(), QStringLiteral("C&lear"));
        QCOMPARE(p.RunButton->toolTip(), QStringLiteral("Clear current Solution"));
        QVERIFY(!p.ContsNavigator->editButtonsVisible());
        QVERIFY(!p.BoxesNavigator->editButtonsVisible());
        QVERIFY(p.ContsNavigator->button(CursorNavigator::Insert)->isHidden());
        QVERIFY(p.ContsModel->isReadOnly());
        QVERIFY(p.ResultButton->isEnabled());
        QVERIFY(p.isEnabled());
        QCOMPARE(p.session().taskId(), f->dm().currentTaskId());
        QVERIFY(p.UsdNmb->text().toInt() > 0);
        QVERIFY(!p.DateEdit->text().isEmpty());
        // The sample task's first plan loads every box.
        QCOMPARE(leftBefore, p.TotNmb->text());
        QCOMPARE(p.LftNmb->text(), QStringLiteral("0"));
        QVERIFY(test::TaskPageFixture::screenshot(&p, QStringLiteral("TaskPage-after-solve.png")));

        // Clear asks first; Cancel keeps the solution.
        f->clearAsked();
        f->prompter.answers = {PromptAnswer::Cancel};
        p.RunButtonClick();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("Clear current task solution?")});
        QVERIFY(p.TaskSolved);
        f->prompter.answers = {PromptAnswer::Ok};
        p.RunButtonClick();
        QVERIFY(!p.TaskSolved);
        QCOMPARE(p.RunButton->text(), QStringLiteral("So&lve"));
        QVERIFY(p.ContsNavigator->editButtonsVisible());
        QCOMPARE(p.UsdNmb->text().toInt(), 0);
        QCOMPARE(p.session().taskId(), 0);

        // Without Warnings (the About window's switch) the clear goes straight ahead.
        p.RunButtonClick();
        QVERIFY(p.TaskSolved);
        f->startUp->aboutForm()->WarnsCheck()->click();
        QVERIFY(!f->dm().WarnsCheck);
        f->clearAsked();
        p.RunButtonClick();
        QVERIFY(!p.TaskSolved);
        QVERIFY(f->asked().isEmpty());
        f->startUp->aboutForm()->WarnsCheck()->click();
        QVERIFY(f->dm().WarnsCheck);
    }

    void solutionAndViewRebuildOnlyOnce() {
        TTasksForm& p = page();
        QSignalSpy solution(&p, &TTasksForm::solutionRequested);
        QSignalSpy view(&p, &TTasksForm::viewRequested);
        f->startUp->setBlockingModals(false);
        p.RunButtonClick();
        QVERIFY(p.TaskSolved);
        // The session forgets the plan, as after a database switch.
        p.session().forget();
        QVERIFY(p.plan().containers.empty());
        const int rebuilds = p.session().rebuildCount();
        p.ResultButtonClick();
        QCOMPARE(solution.count(), 1);
        QCOMPARE(p.session().taskId(), f->dm().currentTaskId());
        QVERIFY(!p.plan().containers.empty()); // the stored plan was laid out again
        QCOMPARE(p.session().rebuildCount(), rebuilds + 1);
        QVERIFY(p.isEnabled());
        // The second time the session already holds the task: no rebuild.
        p.ResultButtonClick();
        p.ViewButtonClick();
        QCOMPARE(solution.count(), 2);
        QCOMPARE(view.count(), 1);
        QCOMPARE(p.session().rebuildCount(), rebuilds + 1);
    }

    void gridKeysAndLeavingTheGrid() {
        TTasksForm& p = page();
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        Cursor& tb = f->dm().tb();
        const int rows = tb.rowCount();
        // Insert in the grid adds a pending row; leaving the grid unchanged drops it again.
        p.BoxesGrid->setFocus();
        p.BoxesGrid->setCurrentIndex(p.BoxesModel->index(0, 0));
        QTest::keyClick(p.BoxesGrid, Qt::Key_Insert);
        QCOMPARE(p.BoxesModel->rowCount(), rows + 1);
        QVERIFY(tb.isEditing());
        p.DescrEdit->setFocus();
        QVERIFY(!tb.isEditing());
        QCOMPARE(p.BoxesModel->rowCount(), rows);
        // A row given a kind is stored when the grid is left.
        QStringList unused = p.BoxesKindDelegate->names();
        for (int r = 0; r < tb.rowCount(); ++r)
            unused.removeAll(tb.valueAt(r, QStringLiteral("Kind")).toString());
        QVERIFY(!unused.isEmpty());
        p.BoxesGrid->setFocus();
        QTest::keyClick(p.BoxesGrid, Qt::Key_Insert);
        QVERIFY(p.BoxesModel->setData(p.BoxesModel->index(tb.currentRow(), 0), unused.first()));
        p.DescrEdit->setFocus();
        QVERIFY(!tb.isEditing());
        QCOMPARE(tb.rowCount(), rows + 1);
        QVERIFY(tb.find(QStringLiteral("Kind"), unused.first()) >= 0);
        // Ctrl+Delete asks before deleting the row.
        p.BoxesGrid->setFocus();
        p.BoxesGrid->setCurrentIndex(p.BoxesModel->index(tb.find(QStringLiteral("Kind"), unused.first()), 0));
        f->clearAsked();
        f->prompter.answers = {PromptAnswer::Ok};
        QTest::keyClick(p.BoxesGrid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f->asked(), QStringList{QStringLiteral("Delete record?")});
        QCOMPARE(tb.rowCount(), rows);
        // A double click in a yellow column explains where it is edited.
        p.BoxesGrid->setCurrentIndex(p.BoxesModel->index(0, 7));
        f->clearAsked();
        const QRect cell = p.BoxesGrid->visualRect(p.BoxesModel->index(0, 7));
        QTest::mouseDClick(p.BoxesGrid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(f->asked(), QStringList{QStringLiteral(
                                 "You can modify yellow columns data\rjust from the Container/Box Library")});
    }

    void escDuringSolveKeepsBestPlan() {
        TTasksForm& p = page();
        TickCounter esc(&p, 2);
        p.setProgressListener(&esc);
        p.RunButtonClick();
        QVERIFY(p.waitForm()->abortPressed());
        QVERIFY(p.session().abortRequested());
        QVERIFY(p.TaskSolved); // the best plan so far was stored
        QVERIFY(p.UsdNmb->text().toInt() > 0);
    }

    void limitMessages() {
        TTasksForm& p = page();
        Cursor& tc = f->dm().tc();
        Cursor& tb = f->dm().tb();
        tc.first();
        QVERIFY(tc.setValue(QStringLiteral("Avail"), 25));
        QVERIFY(tc.post());
        f->clearAsked();
        p.RunButtonClick();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("Total container number exceeds limit: 24")});
        QVERIFY(!p.TaskSolved);

        // 24 containers and 1000 boxes are within the limits.
        const int others = f->dm().TaskAvailSum - 25;
        QVERIFY(tc.setValue(QStringLiteral("Avail"), 24 - others));
        QVERIFY(tc.post());
        QCOMPARE(int(f->dm().TaskAvailSum), 24);
        tb.first();
        const int otherBoxes = f->dm().TaskBoxSum - tb.intValue(QStringLiteral("Total"));
        QVERIFY(tb.setValue(QStringLiteral("Total"), 1001 - otherBoxes));
        QVERIFY(tb.post());
        f->clearAsked();
        p.RunButtonClick();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("Total box number exceeds limit: 1000")});
        QVERIFY(tb.setValue(QStringLiteral("Total"), 1000 - otherBoxes));
        QVERIFY(tb.post());
        QCOMPARE(int(f->dm().TaskBoxSum), 1000);
        palvane::testing::FakeSearch fast;
        p.setLayoutSearch(&fast);
        f->clearAsked();
        p.RunButtonClick();
        QVERIFY(!f->asked().contains(QStringLiteral("Total box number exceeds limit: 1000")));
        QVERIFY(p.TaskSolved);
    }

    void kindsThatFitNoContainerAreNamedBeforeTheSolve() {
        TTasksForm& p = page();
        TDMForm& dm = f->dm();
        // A panel that fits the sample's containers only turned, and only without wall gaps; a
        // beam longer than every container.
        auto addKind = [&dm](const QString& name, int length, int width) {
            QSqlQuery q(dm.store()->database());
            q.prepare(QStringLiteral(
                "INSERT INTO boxes (Kind, Length, Width, Weight, TurnOn) VALUES (?, ?, ?, 10, 1)"));
            q.addBindValue(name);
            q.addBindValue(length);
            q.addBindValue(width);
            const bool ok = q.exec();
            dm.boxes().refresh();
            Cursor& tb = dm.tb();
            return ok && tb.append() && tb.setValue(QStringLiteral("KindID"), q.lastInsertId().toInt()) &&
                   tb.setValue(QStringLiteral("Total"), 1) && tb.post();
        };
        QVERIFY(addKind(QStringLiteral("Wide panel"), 2420, 3000));
        QVERIFY(addKind(QStringLiteral("Long beam"), 14000, 500));
        palvane::testing::FakeSearch fast;
        p.setLayoutSearch(&fast);
        const QString intro = QStringLiteral("These box kinds fit no container of the task in any permitted "
                                             "orientation\r(gaps included); their boxes will be left:\r");
        const auto solveAndClear = [&] {
            f->clearAsked();
            p.RunButtonClick();
            const QStringList asked = f->asked();
            // The Solve runs in any case.
            const bool solved = p.TaskSolved;
            f->prompter.answers = {PromptAnswer::Ok};
            p.RunButtonClick();
            return std::make_pair(asked, solved && !p.TaskSolved);
        };

        auto [asked, solved] = solveAndClear();
        QVERIFY(solved);
        QCOMPARE(asked, QStringList{intro + QStringLiteral("  Long beam")});
        QCOMPARE(f->prompter.asked.front().kind, PromptKind::Warning);

        // A wall gap of 20 leaves 2410 of the 2450 across: the panel no longer fits, turned or not.
        f->startUp->iniValues().settings.BW = 20;
        std::tie(asked, solved) = solveAndClear();
        QVERIFY(solved);
        QCOMPARE(asked, QStringList{intro + QStringLiteral("  Wide panel\r  Long beam")});

        // The task's common rule forbids turning: the panel, which fits only turned, is named.
        f->startUp->iniValues().settings.BW = 0;
        Cursor& tasks = dm.tasks();
        QVERIFY(tasks.setValue(QStringLiteral("DefltOn"), true) &&
                tasks.setValue(QStringLiteral("TurnOn"), false) && tasks.post());
        std::tie(asked, solved) = solveAndClear();
        QVERIFY(solved);
        QCOMPARE(asked, QStringList{intro + QStringLiteral("  Wide panel\r  Long beam")});

        // Without Warnings nothing is said, and the Solve runs.
        dm.WarnsCheck = false;
        std::tie(asked, solved) = solveAndClear();
        QVERIFY(solved);
        QVERIFY(asked.isEmpty());
    }

    void leftNumberSaysWhyBoxesAreLeft() {
        const QString hint = page().LftNmb->toolTip();
        for (const char* reason :
             {"Ignore Last Container", "Net Cost Factor", "time limit", "larger than every container"})
            QVERIFY2(hint.contains(QLatin1String(reason)), reason);
    }

    void newTaskNeedsListsAndName() {
        TTasksForm& p = page();
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        const int before = f->dm().tasks().rowCount();
        p.TasksNavigator->press(CursorNavigator::Insert);
        QCOMPARE(f->dm().tasks().rowCount(), before + 1);
        QCOMPARE(QApplication::focusWidget(), p.NameEdit);
        QCOMPARE(p.NameEdit->text(), QStringLiteral("???"));
        // A blank name becomes "???" when the edit is left.
        p.NameEdit->setText(QStringLiteral("   "));
        p.DescrEdit->setFocus();
        QCOMPARE(p.NameEdit->text(), QStringLiteral("???"));
        QCOMPARE(f->dm().tasks().textValue(QStringLiteral("Name")), QStringLiteral("???"));
        p.NameEdit->setFocus();
        p.NameEdit->setText(QStringLiteral("Second task"));
        p.DescrEdit->setFocus();
        QCOMPARE(f->dm().tasks().textValue(QStringLiteral("Name")), QStringLiteral("Second task"));

        f->clearAsked();
        p.RunButtonClick();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("You should define container(s)")});
        // A container row through the grid: insert, choose the type by name, give a number.
        p.ContsNavigator->press(CursorNavigator::Insert);
        QCOMPARE(p.ContsModel->rowCount(), 1);
        const QStringList types = p.ContsTypeDelegate->names();
        QVERIFY(!types.isEmpty());
        QVERIFY(p.ContsModel->setData(p.ContsModel->index(0, 0), types.first()));
        QVERIFY(p.ContsModel->setData(p.ContsModel->index(0, 3), 2));
        QVERIFY(f->dm().tc().post());
        QCOMPARE(p.ContsModel->index(0, 0).data().toString(), types.first());
        QVERIFY(!p.ContsModel->index(0, 6).data().toString().isEmpty()); // looked-up length
        QCOMPARE(p.AvlNmb->text(), QStringLiteral("2"));
        f->clearAsked();
        p.RunButtonClick();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("You should define boxes")});
        // The same type twice is refused by the list rules with a message.
        p.ContsNavigator->press(CursorNavigator::Insert);
        f->clearAsked();
        p.ContsModel->setData(p.ContsModel->index(0, 0), types.first());
        p.ContsModel->setData(p.ContsModel->index(0, 3), 1);
        f->dm().tc().post();
        f->dm().tc().cancel();
        QVERIFY(!f->asked().isEmpty());
        QCOMPARE(f->dm().tc().rowCount(), 1);
        // A box row, then the task can be solved.
        p.BoxesNavigator->press(CursorNavigator::Insert);
        QVERIFY(p.BoxesModel->setData(p.BoxesModel->index(0, 0), p.BoxesKindDelegate->names().first()));
        QVERIFY(p.BoxesModel->setData(p.BoxesModel->index(0, 3), 3));
        QVERIFY(f->dm().tb().post());
        p.RunButtonClick();
        QVERIFY(p.TaskSolved);
    }

    void columnsWidenButNeverShrink() {
        TTasksForm& p = page();
        p.resize(780, 557);
        QApplication::processEvents();
        const std::vector<qint16> design = p.designWidths(p.ContsGrid);
        QCOMPARE(int(design.size()), 11 + 2);
        QCOMPARE(int(design[0]), 138);
        QCOMPARE(int(design[2]), -1);
        QCOMPARE(int(design[11]), 138 + 9 * 64);
        p.resize(1400, 700);
        QApplication::processEvents();
        const float factor = std::max(float(double(p.ContsGrid->width() - 50) / design[11]), 1.0f);
        QVERIFY(factor > 1.0f);
        QCOMPARE(p.ContsGrid->columnWidth(0), int(std::nearbyint(double(factor) * 138)));
        QVERIFY(p.BoxesGrid->columnWidth(0) > 141);
        p.resize(702, 520);
        QApplication::processEvents();
        QCOMPARE(p.ContsGrid->columnWidth(0), 138);
        QCOMPARE(p.ContsGrid->columnWidth(3), 64);
        QCOMPARE(p.BoxesGrid->columnWidth(0), 141);
        QVERIFY(p.reposition(RepositionWindow::SolutionPage));
    }

    void areaMultiplier() {
        TTasksForm& p = page();
        QCOMPARE(p.VolMultPow, 3); // the settings file's default
        QCOMPARE(p.VolMltEdit->text(), QStringLiteral("1000"));
        const QString areaBefore = p.ContsModel->index(0, 8).data().toString();
        p.VolMltUp->stepDown();
        QCOMPARE(p.VolMultPow, 2);
        QCOMPARE(p.VolMltEdit->text(), QStringLiteral("100"));
        QCOMPARE(f->dm().AreaMultiplier, 100);
        QCOMPARE(p.ContsModel->index(0, 8).data().toString().toLongLong(), areaBefore.toLongLong() * 10);
        for (int i = 0; i < 10; ++i)
            p.VolMltUp->stepUp();
        QCOMPARE(p.VolMultPow, 6);
        QCOMPARE(p.VolMltEdit->text(), QStringLiteral("1000000"));
        for (int i = 0; i < 10; ++i)
            p.VolMltUp->stepDown();
        QCOMPARE(p.VolMultPow, 0);
        QCOMPARE(p.VolMltEdit->text(), QStringLiteral("1"));
    }

    void printAndExitQuestions() {
        TTasksForm& p = page();
        QSignalSpy print(&p, &TTasksForm::printRequested);
        f->startUp->reports()->ReportsUnavailable = true;
        f->clearAsked();
        p.PrintButtonClick();
        QCOMPARE(f->asked(),
                 QStringList{QStringLiteral("Default printer was not found on program start.\r"
                                            "Please turn on printer/server and restart program.")});
        QCOMPARE(print.count(), 0);
        f->startUp->reports()->ReportsUnavailable = false;
        f->prompter.answers = {PromptAnswer::Cancel};
        p.PrintButtonClick();
        QCOMPARE(print.count(), 0);
        f->dm().WarnsCheck = false;
        p.PrintButtonClick();
        QCOMPARE(print.count(), 1);
        f->dm().WarnsCheck = true;
        f->prompter.answers = {PromptAnswer::Cancel};
        p.ExitButtonClick();
        QVERIFY(p.isVisible());
        f->clearAsked();
        f->prompter.answers = {PromptAnswer::Ok};
        p.ExitButtonClick();
        QCOMPARE(f->asked(), QStringList{QStringLiteral("Exit program?")});
        QVERIFY(!p.isVisible());
    }
};

QTEST_MAIN(TasksFormTest)
#include "TasksFormTest.moc"
