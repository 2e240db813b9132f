// The View Options window: texts and ranges, each control's setting and redraw, the reset labels,
// Norm and the data module's reset, screen and print colours, the saved positions through the
// settings file, and docking beside the Disposition window.
#include "DatabaseAliases.h"
#include "HomeFolder.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QFile>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace palvane;

class TuneFormTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    TTuneForm* tune = nullptr;

    void startProgram() {
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->tmp.isValid());
        QVERIFY(f->start(false));
        tune = f->startUp->tuneForm();
        QVERIFY(tune);
    }
    // The nine saved values as the settings file would hold them after a run.
    SavedViewOptions savedAfterRestart(const std::function<void(IniValues&)>& edit) {
        const QString path = iniFilePath(f->tmp.path());
        if (edit) {
            QFile file(path);
            IniValues v;
            edit(v);
            if (!file.open(QIODevice::WriteOnly) || file.write(formatIni(v)) < 0)
                return {};
            file.close();
        }
        f->stop();
        f->clearAsked();
        if (!f->start(false))
            return {};
        tune = f->startUp->tuneForm();
        return tune->savedValues();
    }
    static SavedViewOptions normal() { return {1, 1, 0, 16, 2, 4, 0, 0, 0}; }

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        startProgram();
    }
    void cleanup() {
        if (f && f->startUp && f->startUp->tasksForm())
            f->page().close();
        f.reset();
    }

    void textsRangesAndNormalPositions() {
        QCOMPARE(tune->windowTitle(), QString("View Options"));
        QVERIFY(tune->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(tune->windowFlags() & Qt::Tool);
        // The designed size, wider where the captions need it.
        QVERIFY(tune->width() >= 174);
        QCOMPARE(tune->height(), 311);
        for (QWidget* w :
             std::initializer_list<QWidget*>{tune->MarkKindCheck, tune->OrientCheck, tune->Label13})
            QVERIFY(w->geometry().right() < tune->width() && w->width() >= w->sizeHint().width());
        QCOMPARE(tune->property("helpContext").toInt(), 7);
        struct Row {
            QSlider* track;
            int min, max, line, page, tick, normal;
            QLabel* label;
            const char *caption, *hint, *labelHint;
        };
        const Row rows[] = {
            {tune->GridTrack, -4, 4, 1, 1, 1, 0, tune->GridLabel, "Grid", "Choose grid frequency",
             "Click to reset grid"},
            {tune->MagnTrack, 0, 100, 2, 10, 10, 30, tune->Label4, "Size", "Overall scale tuner",
             "Click to reset size"},
            {tune->ShiftXTrack, -100, 100, 2, 15, 20, 0, tune->Label1, "Move X", "Move across",
             "Click to reset shifts"},
            {tune->ShiftYTrack, -100, 100, 2, 15, 20, 0, tune->Label5, "Move Y", "Move up/down",
             "Click to reset shifts"},
            {tune->SpaceTrack, 0, 8, 1, 1, 1, 1, tune->Label9, "Gaps", "Visual separation",
             "Click to reset gaps"},
            {tune->LineTrack, 0, 4, 1, 1, 1, 1, tune->Label10, "Lines", "Wire line width",
             "Click to reset lines"},
            {tune->PalettTrack, 0, 8, 1, 1, 1, 0, tune->Label11, "Colors", "Choose color set",
             "Click to reset coloring"},
            {tune->BrightTrack, 0, 16, 1, 1, 2, 16, tune->Label12, "Light", "Line brightness",
             "Click to reset coloring"},
            {tune->PartGrTrack, 0, 16, 1, 1, 2, 4, tune->Label2, "Parts", "Box / Part color",
             "Click to reset coloring"},
            {tune->BackGrTrack, 0, 16, 1, 1, 2, 2, tune->Label13, "Ground", "Background color",
             "Click to reset coloring"},
        };
        int top = -1;
        for (const Row& r : rows) {
            QCOMPARE(r.track->minimum(), r.min);
            QCOMPARE(r.track->maximum(), r.max);
            QCOMPARE(r.track->singleStep(), r.line);
            QCOMPARE(r.track->pageStep(), r.page);
            QCOMPARE(r.track->tickInterval(), r.tick);
            QCOMPARE(r.track->value(), r.normal);
            QCOMPARE(r.track->toolTip(), QString(r.hint));
            QCOMPARE(r.track->width(), 112);
            QVERIFY(r.track->y() > top); // top to bottom in this order
            top = r.track->y();
            QCOMPARE(r.label->text(), QString(r.caption));
            QCOMPARE(r.label->toolTip(), QString(r.labelHint));
        }
        QCOMPARE(tune->MarkKindCheck->text(), QString("Box Kinds"));
        QCOMPARE(tune->MarkKindCheck->toolTip(), QString("Display box Kinds instead of Marks"));
        QCOMPARE(tune->OrientCheck->text(), QString("Turn Signs"));
        QCOMPARE(tune->OrientCheck->toolTip(), QString("Display box orientation signs"));
        QCOMPARE(tune->NormBut->text(), QString("Norm"));
        QCOMPARE(tune->NormBut->toolTip(), QString("Restore all normal values"));
        QCOMPARE(tune->CloseBut->text(), QString("Close"));
        QCOMPARE(tune->CloseBut->toolTip(), QString("Close View Options"));
        // The normal positions draw at scale 1, no shift, gap 1, 1-pixel lines, full brightness,
        // parts 0x3F3F3F on 0x1F1F1F, marks, no signs, no grid.
        const ViewSettings& s = tune->settings();
        QCOMPARE(s.Magnification, 1.0f);
        QCOMPARE(s.ShiftX, 0.0f);
        QCOMPARE(s.VisualGap, 1.0f);
        QCOMPARE(s.LineWidth, 1);
        QCOMPARE(s.Dimming, 0);
        QCOMPARE(s.PartColor, std::int32_t(0x3F3F3F));
        QCOMPARE(s.BackgroundColor, std::int32_t(0x1F1F1F));
        QVERIFY(!s.ShowKinds && !s.ShowTurnSigns);
        QCOMPARE(s.GridLevel, 0);
        tune->show();
        QVERIFY(test::TaskPageFixture::screenshot(tune, QStringLiteral("TuneForm.png")));
    }

    void eachControlSetsItsSettingAndRedraws() {
        QSignalSpy redraw(tune, &TTuneForm::redrawRequested);
        const ViewSettings& s = tune->settings();
        tune->MagnTrack->setValue(0);
        QCOMPARE(s.Magnification, float(40.0L / 70));
        tune->MagnTrack->setValue(100);
        QCOMPARE(s.Magnification, 2.0f);
        tune->ShiftXTrack->setValue(7);
        QCOMPARE(s.ShiftX, -35.0f);
        tune->ShiftYTrack->setValue(-4);
        QCOMPARE(s.ShiftY, -12.0f);
        tune->SpaceTrack->setValue(6);
        QCOMPARE(s.VisualGap, 6.0f);
        tune->LineTrack->setValue(3);
        QCOMPARE(s.LineWidth, 3);
        tune->GridTrack->setValue(-2);
        QCOMPARE(s.GridLevel, -2);
        tune->BrightTrack->setValue(10);
        QCOMPARE(s.Dimming, 12);
        tune->PartGrTrack->setValue(0);
        QCOMPARE(s.PartColor, 0);
        QCOMPARE(s.LightPartInk, 0); // the palette was built again
        tune->BackGrTrack->setValue(16);
        QCOMPARE(s.BackgroundColor, std::int32_t(0xFFFFFF));
        QCOMPARE(s.CaptionColor, std::int32_t(0x101010));
        tune->MarkKindCheck->click();
        QVERIFY(s.ShowKinds);
        tune->OrientCheck->click();
        QVERIFY(s.ShowTurnSigns);
        QCOMPARE(redraw.count(), 12);
        // A position set from code that does not change it draws nothing; one outside the range
        // is clamped.
        tune->SpaceTrack->setValue(6);
        QCOMPARE(redraw.count(), 12);
        tune->SpaceTrack->setValue(20);
        QCOMPARE(tune->SpaceTrack->value(), 8);
        QCOMPARE(redraw.count(), 13);
    }

    void colourSetRotatesTheKindColours() {
        const ViewSettings& s = tune->settings();
        tune->ScreenColors();
        const std::int32_t first = s.kindColor(1), fourth = s.kindColor(4);
        QCOMPARE(s.kindColor(26), first);
        tune->PalettTrack->setValue(1);
        QCOMPARE(s.kindColor(1), fourth);
    }

    void resetLabelsAndNorm() {
        tune->show();
        tune->BrightTrack->setValue(3);
        tune->PalettTrack->setValue(5);
        tune->BackGrTrack->setValue(9);
        tune->PartGrTrack->setValue(11);
        tune->SpaceTrack->setValue(4);
        QTest::mouseClick(tune->Label2, Qt::LeftButton); // "Parts" restores all four colours
        QCOMPARE(tune->BrightTrack->value(), 16);
        QCOMPARE(tune->PalettTrack->value(), 0);
        QCOMPARE(tune->BackGrTrack->value(), 2);
        QCOMPARE(tune->PartGrTrack->value(), 4);
        QCOMPARE(tune->SpaceTrack->value(), 4);
        QTest::mouseClick(tune->Label9, Qt::LeftButton);
        QCOMPARE(tune->SpaceTrack->value(), 1);
        tune->ShiftXTrack->setValue(30);
        tune->ShiftYTrack->setValue(-30);
        QTest::mouseClick(tune->Label5, Qt::LeftButton); // either shift label resets both
        QCOMPARE(tune->ShiftXTrack->value(), 0);
        QCOMPARE(tune->ShiftYTrack->value(), 0);
        tune->MagnTrack->setValue(80);
        QTest::mouseClick(tune->Label4, Qt::LeftButton);
        QCOMPARE(tune->MagnTrack->value(), 30);
        tune->LineTrack->setValue(4);
        QTest::mouseClick(tune->Label10, Qt::LeftButton);
        QCOMPARE(tune->LineTrack->value(), 1);
        tune->GridTrack->setValue(3);
        QTest::mouseClick(tune->GridLabel, Qt::LeftButton);
        QCOMPARE(tune->GridTrack->value(), 0);

        // Norm: every control normal, both check boxes cleared, no grid.
        tune->GridTrack->setValue(4);
        tune->MarkKindCheck->setChecked(true);
        tune->OrientCheck->setChecked(true);
        tune->MagnTrack->setValue(0);
        tune->LineTrack->setValue(0);
        QTest::mouseClick(tune->NormBut, Qt::LeftButton);
        QCOMPARE(tune->savedValues(), normal());
        QCOMPARE(tune->MagnTrack->value(), 30);
        QCOMPARE(tune->settings().GridLevel, 0);
        QVERIFY(!tune->settings().ShowKinds && !tune->settings().ShowTurnSigns);
        QTest::mouseClick(tune->CloseBut, Qt::LeftButton);
        QVERIFY(!tune->isVisible());
    }

    void changingTheTaskResetsOnlySizeAndShifts() {
        tune->GridTrack->setValue(2);
        tune->OrientCheck->setChecked(true);
        tune->MagnTrack->setValue(90);
        tune->ShiftXTrack->setValue(10);
        tune->ShiftYTrack->setValue(10);
        emit f->dm().viewOptionsResetRequested();
        QCOMPARE(tune->MagnTrack->value(), 30);
        QCOMPARE(tune->ShiftXTrack->value(), 0);
        QCOMPARE(tune->ShiftYTrack->value(), 0);
        QCOMPARE(tune->GridTrack->value(), 2);
        QVERIFY(tune->OrientCheck->isChecked());
    }

    void screenAndPrintColours() {
        const ViewSettings& s = tune->settings();
        tune->PrintColors();
        QCOMPARE(s.LineWidth, 2);
        QCOMPARE(s.BackgroundColor, std::int32_t(0xFFFFFF));
        QCOMPARE(s.PartColor, std::int32_t(0xFFFFFF)); // 0x3F3F3F is too dark for paper
        QCOMPARE(s.Dimming, 6);
        QCOMPARE(s.CaptionColor, 0); // the line control stands below the print line width
        QCOMPARE(s.LightPartInk, 0);
        tune->ScreenColors();
        QCOMPARE(s.LineWidth, 1);
        QCOMPARE(s.BackgroundColor, std::int32_t(0x1F1F1F));
        QCOMPARE(s.PartColor, std::int32_t(0x3F3F3F));
        QCOMPARE(s.CaptionColor, std::int32_t(0xEEEEEE));
        // Light parts stay; kind-coloured parts (0) get no extra dimming.
        tune->PartGrTrack->setValue(12);
        tune->PrintColors();
        QCOMPARE(s.PartColor, BackColor(12));
        tune->PartGrTrack->setValue(0);
        tune->BrightTrack->setValue(14);
        tune->PrintColors();
        QCOMPARE(s.PartColor, 0);
        QCOMPARE(s.Dimming, 4);
    }

    void positionsKeptInTheSettingsFile() {
        // First start without a file: normal positions.
        QCOMPARE(tune->savedValues(), normal());
        tune->SpaceTrack->setValue(3);
        tune->LineTrack->setValue(2);
        tune->PalettTrack->setValue(7);
        tune->BrightTrack->setValue(9);
        tune->BackGrTrack->setValue(12);
        tune->PartGrTrack->setValue(14);
        tune->GridTrack->setValue(-3);
        tune->MarkKindCheck->setChecked(true);
        tune->MagnTrack->setValue(77); // size and shifts are not kept
        f->page().close();
        const SavedViewOptions expected{3, 2, 7, 9, 12, 14, -3, 1, 0};
        QCOMPARE(savedAfterRestart({}), expected);
        QCOMPARE(tune->MagnTrack->value(), 30);
        QVERIFY(tune->MarkKindCheck->isChecked() && tune->settings().ShowKinds);

        // Values outside the ranges are clamped: a grid of 7 comes back at 4.
        f->page().close();
        const SavedViewOptions clamped =
            savedAfterRestart([](IniValues& v) { v.view = {12, -1, 3, 40, 2, 4, 7, 1, 1}; });
        QCOMPARE(clamped, (SavedViewOptions{8, 0, 3, 16, 2, 4, 4, 1, 1}));
        QVERIFY(tune->OrientCheck->isChecked());

        // The unreadable-file marker keeps the normal positions.
        f->page().close();
        QCOMPARE(savedAfterRestart([](IniValues& v) { v.view = {KeepViewDefaults, 3, 3, 3, 3, 3, 3, 1, 1}; }),
                 normal());
    }

    void docksBesideTheDispositionWindow() {
        TDistrForm* distr = f->startUp->distrForm();
        distr->blockingModal = false;
        const int S = f->page().screen()->geometry().width();
        distr->showModal();
        QVERIFY(QTest::qWaitForWindowExposed(distr));
        // Standing at the right edge, it moves left so the View Options fit beside it, but never
        // beyond -4.
        distr->move(S - distr->frameGeometry().width() - 40, 50);
        tune->TuneNeedsPlacement = true;
        const QRect before = distr->frameGeometry();
        tune->show();
        const QRect d = distr->frameGeometry(), t = tune->frameGeometry();
        const int overflow = std::max(0, t.width() + before.left() + before.width() - S);
        QCOMPARE(d.left(), std::max(-4, before.left() - overflow));
        QCOMPARE(t.left(), std::min(S - t.width(), d.left() + d.width()));
        QCOMPARE(t.top() + t.height(), before.top() + before.height());
        QVERIFY(!tune->TuneNeedsPlacement);
        QVERIFY(!f->page().reposition(RepositionWindow::ViewOptions));
        // The next showing keeps the user's place; a resize of the Disposition window docks again.
        tune->close();
        tune->move(10, 10);
        tune->show();
        QCOMPARE(tune->pos(), QPoint(10, 10));
        tune->close();
        distr->resize(distr->width() - 100, distr->height() - 50);
        QVERIFY(tune->TuneNeedsPlacement);
        tune->show();
        QCOMPARE(tune->frameGeometry().bottom(), distr->frameGeometry().bottom());
        distr->close();
    }
};

QTEST_MAIN(TuneFormTest)
#include "TuneFormTest.moc"
