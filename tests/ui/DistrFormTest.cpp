// The Box Set Disposition window over the started program: texts, opening in all or one-container
// mode, navigation, the loading sequence and its timer, chart mode, picking, View Options from
// the image, printing, closing, placement; opened from the Task Page and the Solution Page.
#include "CliCommands.h"
#include "DatabaseAliases.h"
#include "HomeFolder.h"
#include "ProgramSwitches.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"
#include "UtilisationChart.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTextStream>
#include <QtTest>

using namespace palvane;

class DistrFormTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    TDistrForm* form = nullptr;

    const PlanView& plan() { return f->page().plan(); }

    // A hand-made plan: three 1000 x 500 containers of mark "CA", the first with three boxes, the
    // second empty, the third with one box; one box left over. Kind 1 "P1"/"Pallet", kind 2
    // "Q2"/"Crate".
    void handMadePlan(bool onlyFirst = false) {
        PlanView v;
        v.containerCount = 3;
        v.maxTypeArea = 0.5f;
        v.maxTypeLoadLimit = 1000;
        auto kind = [](int number, const char* mark, const char* name, std::int32_t weight, float area) {
            PlanKindView k;
            k.number = number;
            k.mark = mark;
            k.name = name;
            k.weight = weight;
            k.area = area;
            return k;
        };
        v.kinds = {kind(1, "P1", "Pallet", 120, 0.08f), kind(2, "Q2", "Crate", 40, 0.04f)};
        place(v, 1, 1, 0, 0, 400, 200);
        place(v, 1, 2, 400, 0, 200, 200);
        place(v, 1, 1, 0, 200, 400, 200);
        if (!onlyFirst)
            place(v, 3, 2, 0, 0, 200, 200);
        ++v.boxCount; // left over
        f->page().session().holdPlan(v);
    }
    void place(PlanView& v, int cont, int kind, int x, int y, int l, int wd) {
        if (!v.container(cont)) {
            PlanContainerView c;
            c.number = cont;
            c.type = 1;
            c.mark = "CA";
            c.length = 1000;
            c.width = 500;
            c.area = 0.5f;
            c.loadLimit = 1000;
            v.containers.push_back(c);
            ++v.usedContainers;
        }
        PlanContainerView& c = v.containers.back();
        const PlanKindView& k = v.kinds[std::size_t(kind - 1)];
        PlanBoxView b;
        b.number = ++v.boxCount;
        b.loadNo = int(c.boxes.size()) + 1;
        b.kind = kind;
        b.kindName = k.name;
        b.mark = k.mark;
        b.x = x;
        b.y = y;
        b.length = l;
        b.width = wd;
        b.weight = k.weight;
        b.area = k.area;
        c.boxes.push_back(b);
        ++v.placedBoxes;
    }
    void open() {
        form->showModal();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    bool sequenceEnabled() const {
        return form->OneButton->isEnabled() && form->MinButton->isEnabled() && form->PlsButton->isEnabled() &&
               form->FillButton->isEnabled() && form->SumButton->isEnabled();
    }
    QImage shown() const { return form->bitmap().copy(0, 0, form->Image1->width(), form->Image1->height()); }

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->tmp.isValid());
        QVERIFY(f->solveSampleTask());
        QVERIFY(f->start(false));
        f->dm().tasks().locate("TaskID", 1);
        form = f->startUp->distrForm();
        QVERIFY(form);
        form->blockingModal = false;
    }
    void cleanup() {
        if (form)
            form->close();
        f.reset();
    }

    void textsAndInitialControls() {
        QCOMPARE(form->Label3->text(), QString("Boxes"));
        QCOMPARE(form->Label1->text(), QString("Containers"));
        QCOMPARE(form->FillButton->text(), QString(">>"));
        QCOMPARE(form->SumButton->toolTip(), QString("Loading Sequence"));
        QCOMPARE(form->NextButton->toolTip(), QString("Container to view"));
        QCOMPARE(form->TuneButton->text(), QString("..."));
        QVERIFY(form->TuneButton->font().bold());
        QCOMPARE(form->TuneButton->toolTip(), QString("View Options"));
        QCOMPARE(form->PrintButton->text(), QString("&Print"));
        QCOMPARE(form->PrintButton->toolTip(), QString("Print Current Image"));
        QCOMPARE(form->CloseButton->text(), QString("Clos&e"));
        QCOMPARE(form->CloseButton->toolTip(), QString("Return to Task / Solution page"));
        QCOMPARE(form->property("helpContext").toInt(), 7);
        QVERIFY(!sequenceEnabled()); // disabled at design
        QCOMPARE(form->bitmap().size(), QSize(1600, 1200));
        QCOMPARE(form->minimumSize(), QSize(516, 388).expandedTo(form->layout()->totalMinimumSize()));
    }

    void opensInAllModeWithSeveralContainers() {
        handMadePlan();
        open();
        QCOMPARE(form->view().CurrentCont, std::int16_t(0));
        QVERIFY(form->windowTitle().endsWith("  -  Box Set Disposition"));
        QVERIFY(form->windowTitle().startsWith(applicationTitle()));
        QCOMPARE(form->SingleButton->text(), QString("Single"));
        QCOMPARE(form->PrevButton->text(), QString("Last"));
        QCOMPARE(form->NextButton->text(), QString("First"));
        QCOMPARE(form->DiagButton->text(), QString("&Chart"));
        QCOMPARE(form->DiagButton->toolTip(), QString("Area-Weight utilization diagram"));
        QVERIFY(!sequenceEnabled());
        QVERIFY(form->DiagButton->isEnabled() && form->NextButton->isEnabled() &&
                form->PrintButton->isEnabled());
        QVERIFY(!f->startUp->tuneForm()->GridTrack->isEnabled());
        // Both used containers drawn: their labels have positions, the left-over box none.
        QVERIFY(form->view().LabelX[1] != 0 && form->view().LabelX[4] != 0);
        QCOMPARE(form->view().LabelX[5], std::int16_t(0));
        QVERIFY(test::TaskPageFixture::screenshot(form, QStringLiteral("DistrForm.png")));
    }

    void oneUsedContainerOpensAloneWithoutNavigation() {
        handMadePlan(true);
        open();
        QCOMPARE(form->view().CurrentCont, std::int16_t(1));
        QCOMPARE(form->view().ShownBoxes, std::int16_t(3));
        QVERIFY(sequenceEnabled());
        QVERIFY(!form->DiagButton->isEnabled());
        QVERIFY(!form->SingleButton->isEnabled() && !form->PrevButton->isEnabled() &&
                !form->NextButton->isEnabled());
        QCOMPARE(form->SingleButton->text(), QString("All"));
        QVERIFY(f->startUp->tuneForm()->GridTrack->isEnabled());
        QVERIFY(f->startUp->tuneForm()->GridLabel->isEnabled());
    }

    void navigationSkipsEmptyContainersAndWrapsToAllMode() {
        handMadePlan();
        open();
        QTest::mouseClick(form->PrevButton, Qt::LeftButton); // "Last"
        QCOMPARE(form->view().CurrentCont, std::int16_t(3));
        QCOMPARE(form->view().ShownBoxes, std::int16_t(1));
        QCOMPARE(form->PrevButton->text(), QString("Prev"));
        QVERIFY(sequenceEnabled() && !form->DiagButton->isEnabled());
        QTest::mouseClick(form->NextButton, Qt::LeftButton); // past the last used: all mode
        QCOMPARE(form->view().CurrentCont, std::int16_t(0));
        QCOMPARE(form->NextButton->text(), QString("First"));
        QTest::mouseClick(form->NextButton, Qt::LeftButton); // "First"
        QCOMPARE(form->view().CurrentCont, std::int16_t(1));
        QTest::mouseClick(form->NextButton, Qt::LeftButton); // container 2 holds nothing
        QCOMPARE(form->view().CurrentCont, std::int16_t(3));
        QTest::mouseClick(form->PrevButton, Qt::LeftButton);
        QCOMPARE(form->view().CurrentCont, std::int16_t(1));
        QTest::mouseClick(form->PrevButton, Qt::LeftButton); // before the first used: all mode
        QCOMPARE(form->view().CurrentCont, std::int16_t(0));
        QVERIFY(!sequenceEnabled());
        QTest::mouseClick(form->SingleButton, Qt::LeftButton);
        QCOMPARE(form->view().CurrentCont, std::int16_t(1));
        QCOMPARE(form->view().ShownBoxes, std::int16_t(3));
        QCOMPARE(form->SingleButton->text(), QString("All"));
        QTest::mouseClick(form->SingleButton, Qt::LeftButton);
        QCOMPARE(form->view().CurrentCont, std::int16_t(0));
    }

    void steppingTheLoadingSequence() {
        handMadePlan(true);
        open();
        QTest::mouseClick(form->PlsButton, Qt::LeftButton); // all shown: nothing
        QCOMPARE(form->view().ShownBoxes, std::int16_t(3));
        QTest::mouseClick(form->OneButton, Qt::LeftButton);
        QCOMPARE(form->view().ShownBoxes, std::int16_t(1));
        QVERIFY(form->view().LabelX[1] != 0);
        QCOMPARE(form->view().LabelX[2], std::int16_t(0));  // not drawn yet
        QTest::mouseClick(form->MinButton, Qt::LeftButton); // one shown: nothing
        QCOMPARE(form->view().ShownBoxes, std::int16_t(1));
        QTest::mouseClick(form->PlsButton, Qt::LeftButton);
        QCOMPARE(form->view().ShownBoxes, std::int16_t(2));
        QVERIFY(form->view().LabelX[2] != 0);
        QTest::mouseClick(form->MinButton, Qt::LeftButton);
        QCOMPARE(form->view().ShownBoxes, std::int16_t(1));
        QTest::mouseClick(form->SumButton, Qt::LeftButton);
        QCOMPARE(form->view().ShownBoxes, std::int16_t(3));
    }

    void fillAnimatesAndEachPressSpeedsItUp() {
        handMadePlan(true);
        open();
        QTest::mouseClick(form->OneButton, Qt::LeftButton);
        QTest::mouseClick(form->FillButton, Qt::LeftButton);
        QCOMPARE(form->view().ShownBoxes, std::int16_t(2));
        QVERIFY(form->sequenceRunning());
        QCOMPARE(form->Timer2->interval(), 1000);
        QTest::mouseClick(form->FillButton, Qt::LeftButton);
        QCOMPARE(form->Timer2->interval(), 666);
        QCOMPARE(form->view().ShownBoxes, std::int16_t(2)); // only faster
        QTest::mouseClick(form->FillButton, Qt::LeftButton);
        QCOMPARE(form->Timer2->interval(), 444);
        // The timer shows the last box and then stops by itself.
        QTRY_COMPARE_WITH_TIMEOUT(form->view().ShownBoxes, std::int16_t(3), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!form->sequenceRunning(), 3000);
        QCOMPARE(form->sequenceStepInterval(), 1000);
    }

    void intervalWornToZeroStepsNoMore() {
        handMadePlan(true);
        open();
        QTest::mouseClick(form->OneButton, Qt::LeftButton);
        QTest::mouseClick(form->FillButton, Qt::LeftButton);
        for (int i = 0; i < 20; ++i)
            form->FillButtonClick();
        QCOMPARE(form->sequenceStepInterval(), 0);
        QVERIFY(form->sequenceRunning());
        QVERIFY(!form->Timer2->isActive());
        QTest::qWait(50);
        QCOMPARE(form->view().ShownBoxes, std::int16_t(2));
        // A navigation or step command stops the sequence and restores the interval.
        QTest::mouseClick(form->OneButton, Qt::LeftButton);
        QVERIFY(!form->sequenceRunning());
        QCOMPARE(form->sequenceStepInterval(), 1000);
        QTest::mouseClick(form->FillButton, Qt::LeftButton);
        QCOMPARE(form->Timer2->interval(), 1000);
        QTest::mouseClick(form->PlsButton, Qt::LeftButton);
        QVERIFY(!form->Timer2->isActive());
    }

    void chartModeAndItsRedrawOnResize() {
        handMadePlan();
        open();
        const QImage layout = shown();
        QTest::mouseClick(form->DiagButton, Qt::LeftButton);
        QVERIFY(form->ChartMode);
        QVERIFY(form->windowTitle().endsWith("  -  Container Area/Weight Capacity Utilization"));
        QCOMPARE(form->DiagButton->text(), QString("&Image"));
        QCOMPARE(form->DiagButton->toolTip(), QString("Return to 2D Image"));
        QVERIFY(!form->TuneButton->isEnabled() && !form->PrintButton->isEnabled() &&
                !form->NextButton->isEnabled());
        QVERIFY(form->DiagButton->isEnabled());
        QVERIFY(form->Image1->toolTip().isEmpty()); // no image hints on the chart
        QVERIFY(shown() != layout);
        // A click on the chart picks nothing.
        const QString hint = form->imageHint();
        form->Image1MouseDown(Qt::LeftButton, form->view().LabelX[1], form->view().LabelY[1]);
        QCOMPARE(form->imageHint(), hint);
        // Resizing redraws the chart at the new size.
        form->resize(form->width() + 120, form->height() + 40);
        QTRY_VERIFY(form->Image1->width() > layout.width());
        QImage expected(form->Image1->size(), QImage::Format_RGB32);
        {
            QPainter p(&expected);
            DrawChart(p, expected.width(), expected.height(), plan(), f->startUp->tuneForm()->settings());
        }
        QCOMPARE(shown(), expected);
        QTest::mouseClick(form->DiagButton, Qt::LeftButton);
        QVERIFY(!form->ChartMode);
        QVERIFY(form->TuneButton->isEnabled());
        QVERIFY(!form->Image1->toolTip().isEmpty());
        // With the program's hints switched off the image shows none either.
        ProgramSwitches::instance()->setHintsOn(false);
        QVERIFY(form->Image1->toolTip().isEmpty());
        ProgramSwitches::instance()->setHintsOn(true);
        QCOMPARE(form->Image1->toolTip(), form->imageHint());
    }

    void pickingABoxShowsItsData() {
        handMadePlan(true);
        open();
        const int x = form->view().LabelX[2], y = form->view().LabelY[2];
        QVERIFY(x != 0);
        QTest::mouseClick(form->Image1, Qt::LeftButton, {}, QPoint(x + 7, y + 7)); // distance 14
        const QString expected = QStringLiteral("Q2: Crate\nDims: 200*200\nWgt: 40\nXY: 400, 0");
        QCOMPARE(form->imageHint(), expected);
        QCOMPARE(form->Image1->toolTip(), expected);
        QTest::mouseClick(form->Image1, Qt::LeftButton, {}, QPoint(x + 8, y + 7)); // distance 15
        QVERIFY(form->imageHint() != expected);
        // Only box 1 drawn: a click at the top-left corner, where undrawn boxes have their zero
        // label position, picks nothing.
        QTest::mouseClick(form->OneButton, Qt::LeftButton);
        form->Image1MouseDown(Qt::LeftButton, 3, 3);
        QCOMPARE(form->imageHint(), QString("Right click mouse to adjust view"));
        // Outside the image the hint turns to the advice again.
        QMouseEvent move(QEvent::MouseMove, QPointF(2, form->height() - 2), QPointF(), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form, &move);
        QCOMPARE(form->imageHint(), QString("Click box mark center to see properties"));
    }

    void viewOptionsFromTheImageAndTheButton() {
        handMadePlan();
        open();
        TTuneForm* tune = f->startUp->tuneForm();
        form->Image1MouseDown(Qt::RightButton, 5, 5);
        QVERIFY(tune->isVisible());
        QCOMPARE(form->imageHint(), QString("Click box mark center to see properties"));
        form->Image1MouseDown(Qt::LeftButton, 5, 5); // a left click closes them
        QVERIFY(!tune->isVisible());
        QTest::mouseClick(form->TuneButton, Qt::LeftButton);
        QVERIFY(tune->isVisible());
        // Tuning redraws the image at once.
        const QImage before = shown();
        tune->BackGrTrack->setValue(9);
        QVERIFY(shown() != before);
        // The View Options take clicks while this window is modal.
        QVERIFY(form->isModal());
        // Through the window system, where a modal window blocks the windows outside it.
        QVERIFY(QTest::qWaitForWindowExposed(tune));
        const QPoint norm = tune->NormBut->mapTo(tune, tune->NormBut->rect().center());
        QTest::mouseClick(tune->windowHandle(), Qt::LeftButton, {}, norm);
        QCOMPARE(tune->BackGrTrack->value(), 2);
        QCOMPARE(shown(), before);
        QTest::mouseClick(form->TuneButton, Qt::LeftButton);
        QVERIFY(!tune->isVisible());
        QTest::mouseClick(form->TuneButton, Qt::LeftButton);
        QTest::mouseClick(form->DiagButton, Qt::LeftButton); // chart mode closes them
        QVERIFY(!tune->isVisible());
        QTest::mouseClick(form->DiagButton, Qt::LeftButton);
        QTest::mouseClick(form->TuneButton, Qt::LeftButton);
        form->close(); // closing the window closes them
        QVERIFY(!tune->isVisible());
    }

    void printingAsksAndRestoresScreenColors() {
        handMadePlan();
        open();
        TTuneForm* tune = f->startUp->tuneForm();
        QSignalSpy print(form, &TDistrForm::printRequested);
        qint32 backgroundWhilePrinting = -1;
        QImage report(400, 300, QImage::Format_RGB32);
        connect(form, &TDistrForm::printRequested, this, [&] {
            backgroundWhilePrinting = tune->settings().BackgroundColor;
            form->setEnabled(false);
            QPainter p(&report);
            form->drawReportImage(p, report.width(), report.height());
        });
        f->dm().WarnsCheck = true;
        f->prompter.answers = {PromptAnswer::Cancel};
        f->clearAsked();
        QTest::mouseClick(form->PrintButton, Qt::LeftButton);
        QCOMPARE(f->asked(), QStringList{"Print current Image now?"});
        QCOMPARE(print.count(), 0);
        QCOMPARE(tune->settings().BackgroundColor, std::int32_t(0x1F1F1F));

        f->clearAsked();
        QTest::mouseClick(form->PrintButton, Qt::LeftButton);
        QCOMPARE(print.count(), 1);
        QCOMPARE(backgroundWhilePrinting, std::int32_t(0xFFFFFF));
        QCOMPARE(report.pixelColor(1, report.height() - 1), QColor(Qt::white));
        QVERIFY(form->view().DrawingForReport == false); // the screen was drawn again afterwards
        QVERIFY(form->isEnabled());
        QCOMPARE(tune->settings().BackgroundColor, std::int32_t(0x1F1F1F));
        QCOMPARE(tune->settings().LineWidth, 1);

        // Warnings off: straight to the printer set-up.
        f->dm().WarnsCheck = false;
        f->clearAsked();
        QTest::mouseClick(form->PrintButton, Qt::LeftButton);
        QVERIFY(f->asked().isEmpty());
        QCOMPARE(print.count(), 2);

        // No printer at start-up: the message and nothing else.
        f->startUp->reports()->ReportsUnavailable = true;
        QTest::mouseClick(form->PrintButton, Qt::LeftButton);
        QCOMPARE(f->asked(), QStringList{"Default printer was not found on program start.\r"
                                         "Please turn on printer/server and restart program."});
        QCOMPARE(print.count(), 2);
    }

    void closingStopsTheSequence() {
        handMadePlan(true);
        open();
        QTest::mouseClick(form->OneButton, Qt::LeftButton);
        QTest::mouseClick(form->FillButton, Qt::LeftButton);
        QVERIFY(form->sequenceRunning());
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        QVERIFY(!form->sequenceRunning());
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }

    void placedOnceAfterTheTaskPageWasCreated() {
        handMadePlan();
        QVERIFY(f->page().reposition(RepositionWindow::Disposition));
        open();
        const QRect screen = f->page().screen()->geometry();
        QCOMPARE(form->pos(), QPoint(std::max(4, screen.width() - form->width() - 4),
                                     std::max(0, screen.height() - form->height() - 30)));
        QVERIFY(!f->page().reposition(RepositionWindow::Disposition));
        form->close();
        form->move(30, 40);
        open();
        QCOMPARE(form->pos(), QPoint(30, 40));
    }

    void openedFromTheTaskPageAndTheSolutionPage() {
        // The session holds no plan yet: View lays the stored one out first.
        QCOMPARE(f->page().session().taskId(), 0);
        f->page().CurrSolutState();
        QVERIFY(f->page().ViewButton->isEnabled());
        QTest::mouseClick(f->page().ViewButton, Qt::LeftButton);
        QCOMPARE(f->page().session().taskId(), 1);
        QVERIFY(form->isVisible());
        QVERIFY(plan().usedContainers >= 1);
        QVERIFY(test::TaskPageFixture::screenshot(form, QStringLiteral("DistrFormSample.png")));
        if (form->DiagButton->isEnabled()) {
            form->DiagButtonClick();
            QVERIFY(test::TaskPageFixture::screenshot(form, QStringLiteral("DistrFormChart.png")));
        }
        form->close();

        // Solution opens the Solution Page; its View opens this window.
        f->page().session().forget();
        bool sawSolution = false, sawDisposition = false;
        uitest::onNextModal([&](QWidget* w) {
            sawSolution = w == f->startUp->solutForm();
            f->startUp->solutForm()->ChartButtonClick();
            sawDisposition = form->isVisible();
            form->close();
            f->startUp->solutForm()->CloseButtonClick();
        });
        QTest::mouseClick(f->page().ResultButton, Qt::LeftButton);
        QVERIFY(sawSolution);
        QVERIFY(sawDisposition);
        QCOMPARE(f->page().session().taskId(), 1);
        QVERIFY(!f->startUp->solutForm()->isVisible());
    }
};

QTEST_MAIN(DistrFormTest)
#include "DistrFormTest.moc"
