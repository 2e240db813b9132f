// The Settings window over a started program on a temporary home folder: texts and ranges, the
// up-downs and switches, the typed gaps with their messages, the current task's column and the
// colours of differing rows, loading a task's settings and a new task storing the active ones.
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

using namespace palvane;

class OptFormTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    TOptForm& form() { return *f->startUp->optForm(); }
    ActiveSettings& active() { return f->startUp->iniValues().settings; }
    Cursor& tasks() { return f->dm().tasks(); }

    // Opens the window from the Task Page and makes it the active window.
    void open() {
        f->page().OptButton->click();
        QVERIFY(form().isVisible());
        QApplication::setActiveWindow(&form());
        QVERIFY(QTest::qWaitForWindowActive(&form()));
    }
    // Stores values in the current task's row.
    void setTaskFields(const QVariantMap& fields) {
        for (auto it = fields.begin(); it != fields.end(); ++it)
            QVERIFY(tasks().setValue(it.key(), it.value()));
        QVERIFY(tasks().post());
    }
    // Types a text into a gap edit and moves the focus to the other controls.
    void typeGap(QLineEdit* edit, const QString& text, QWidget* next) {
        edit->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        edit->clear();
        QTest::keyClicks(edit, text);
        next->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    QStringList errors() const {
        QStringList l;
        for (const PromptRecord& r : f->prompter.asked) {
            if (r.kind == PromptKind::Error)
                l << r.text;
        }
        return l;
    }

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->tmp.isValid());
        QVERIFY(f->start());
        QVERIFY(f->startUp->optForm());
        f->clearAsked(); // the first start's missing settings file
    }
    void cleanup() {
        if (f->startUp && f->startUp->tasksForm()) {
            form().hide();
            f->page().close();
        }
        f.reset();
    }

    void textsHintsAndHelpContext() {
        TOptForm& w = form();
        QCOMPARE(w.windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(w.property("helpContext").toInt(), 13);
        QCOMPARE(w.PageControl->tabText(0), QStringLiteral("Optimizer Settings"));
        QCOMPARE(w.PageControl->tabText(1), QStringLiteral("Exchange DB"));
        QCOMPARE(w.CloseButton->text(), QStringLiteral("Clos&e"));
        QCOMPARE(w.CloseButton->toolTip(), QStringLiteral("Close Settings page"));
        QCOMPARE(w.ActiveLabel->text(), QStringLiteral("Active"));
        QCOMPARE(w.TaskLabel->toolTip(), QStringLiteral("Current task settings"));
        QCOMPARE(w.QgLabel->text(), QStringLiteral("Bind Group Factor"));
        QCOMPARE(w.QgLabel->toolTip(),
                 QStringLiteral("Helps to keep identical item groups in the same container"));
        QCOMPARE(w.BWLabel->text(), QStringLiteral("Item to Edge Gap"));
        QCOMPARE(w.LastLabel->toolTip(), QStringLiteral("Exclude last half-empty container from results"));
        QCOMPARE(w.TaskRadio->text(), QStringLiteral("Load task specific"));
        QCOMPARE(w.KeepRadio->toolTip(), QStringLiteral("Keep active settings when changing the task"));
        QCOMPARE(w.DefltButton->text(), QStringLiteral("&Defaults"));
        QCOMPARE(w.DefltButton->toolTip(), QStringLiteral("Activate default optimizer settings"));
        // The Current Task column is read-only and disabled; every active value is typed too.
        for (SettingField fld : AllSettingFields) {
            QVERIFY(!w.taskEdit(fld)->isEnabled());
            QVERIFY(w.taskEdit(fld)->isReadOnly());
            QVERIFY(!w.activeEdit(fld)->isReadOnly());
        }
        QVERIFY(!w.LastCheckDB->isEnabled());
        open();
        QVERIFY(uitest::saveScreenshot(&w, QStringLiteral("OptForm")));
    }

    void upDownsStepWithinRanges() {
        TOptForm& w = form();
        QCOMPARE(w.PowerEdit->text(), QStringLiteral("5"));
        w.PowerUpDn->stepUp();
        QCOMPARE(active().Power, qint16(6));
        QCOMPARE(w.PowerEdit->text(), QStringLiteral("6"));
        for (int i = 0; i < 30; ++i)
            w.PowerUpDn->stepUp();
        QCOMPARE(active().Power, qint16(20));
        // Time steps by 5 and stops at 5.
        w.TimeUpDn->stepUp();
        QCOMPARE(active().Time, qint16(560));
        for (int i = 0; i < 200; ++i)
            w.TimeUpDn->stepDown();
        QCOMPARE(active().Time, qint16(5));
        QCOMPARE(w.TimeEdit->text(), QStringLiteral("5"));
        // Weight factor 0..95 by 5; bind group shown in tens.
        for (int i = 0; i < 25; ++i)
            w.QwUpDn->stepUp();
        QCOMPARE(active().Qw, qint16(95));
        w.QgUpDn->stepUp();
        w.QgUpDn->stepUp();
        QCOMPARE(active().Qg, qint16(2));
        QCOMPARE(w.QgEdit->text(), QStringLiteral("20"));
        for (int i = 0; i < 12; ++i)
            w.QgUpDn->stepUp();
        QCOMPARE(active().Qg, qint16(9));
        QCOMPARE(w.QgEdit->text(), QStringLiteral("90"));
        for (int i = 0; i < 30; ++i)
            w.QcUpDn->stepUp();
        QCOMPARE(active().Qc, qint16(100));
        w.RandUpDn->stepDown();
        QCOMPARE(active().Rand, qint16(1));
        QVERIFY(active().isValid());
        // Last follows its check box (the sample task, current at the first start, has it off).
        QCOMPARE(w.LastCheck->isChecked(), active().Last);
        const bool last = active().Last;
        w.LastCheck->click();
        QCOMPARE(active().Last, !last);
        QCOMPARE(w.LastCheck->isChecked(), !last);
    }

    // The up-down values are typed too: Return or leaving the edit takes a value within the
    // range and on a step; any other text gets the range message and the old value comes back.
    void upDownValuesAreTyped() {
        open();
        TOptForm& w = form();
        auto type = [](QLineEdit* edit, const QString& text) {
            edit->setFocus(Qt::TabFocusReason);
            edit->selectAll();
            QTest::keyClicks(edit, text);
            QTest::keyClick(edit, Qt::Key_Return);
        };
        type(w.TimeEdit, QStringLiteral("60"));
        QCOMPARE(active().Time, qint16(60));
        QCOMPARE(w.TimeEdit->text(), QStringLiteral("60"));
        QVERIFY(w.isVisible()); // Return stays in the edit
        QVERIFY(errors().isEmpty());
        struct Refused {
            QLineEdit* edit;
            QString text;
            QString message;
        };
        const Refused refused[] = {
            {w.TimeEdit, QStringLiteral("3"),
             QStringLiteral("Integer from 5 to 5555 required,\rin steps of 5")},
            {w.TimeEdit, QStringLiteral("61"),
             QStringLiteral("Integer from 5 to 5555 required,\rin steps of 5")},
            {w.PowerEdit, QStringLiteral("21"), QStringLiteral("Integer from 0 to 20 required")},
            {w.PowerEdit, QStringLiteral("-1"), QStringLiteral("Integer from 0 to 20 required")},
            {w.RandEdit, QStringLiteral("1x"), QStringLiteral("Integer from 1 to 555 required")},
            {w.QgEdit, QStringLiteral("35"),
             QStringLiteral("Integer from 0 to 90 required,\rin steps of 10")},
        };
        for (const Refused& r : refused) {
            f->clearAsked();
            const ActiveSettings before = active();
            const QString shown = r.edit->text();
            type(r.edit, r.text);
            QCOMPARE(errors(), QStringList{r.message});
            QCOMPARE(active(), before);
            QCOMPARE(r.edit->text(), shown);
        }
        // Leaving the edit takes its text as Return does.
        f->clearAsked();
        w.QgEdit->setFocus(Qt::TabFocusReason);
        w.QgEdit->selectAll();
        QTest::keyClicks(w.QgEdit, QStringLiteral("30"));
        w.QcEdit->setFocus(Qt::TabFocusReason);
        QCOMPARE(active().Qg, qint16(3));
        QVERIFY(errors().isEmpty());
        // A typed value of the active setting differs from the task's: the row is marked.
        QVERIFY(w.rowDiffers(SettingField::Qg));
    }

    // The arrow keys step once, Page Up and Page Down ten steps, within the range; a button held
    // down repeats its step.
    void upDownKeysAndHeldButtons() {
        open();
        TOptForm& w = form();
        w.TimeEdit->setFocus(Qt::TabFocusReason);
        QCOMPARE(active().Time, qint16(555));
        QTest::keyClick(w.TimeEdit, Qt::Key_Down);
        QCOMPARE(active().Time, qint16(550));
        QTest::keyClick(w.TimeEdit, Qt::Key_PageDown);
        QCOMPARE(active().Time, qint16(500));
        QCOMPARE(w.TimeEdit->text(), QStringLiteral("500"));
        QTest::keyClick(w.TimeEdit, Qt::Key_Up);
        QCOMPARE(active().Time, qint16(505));
        w.PowerEdit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.PowerEdit, Qt::Key_PageUp);
        QTest::keyClick(w.PowerEdit, Qt::Key_PageUp);
        QCOMPARE(active().Power, qint16(20));
        QTest::keyClick(w.PowerEdit, Qt::Key_PageDown);
        QCOMPARE(active().Power, qint16(10));
        QVERIFY(errors().isEmpty());

        // Held down: the down button goes on stepping until it is released.
        QToolButton* down = w.TimeUpDn->downButton();
        QTest::mousePress(down, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(active().Time <= 505 - 5 * 5, 5000);
        QTest::mouseRelease(down, Qt::LeftButton);
        const qint16 released = active().Time;
        QTest::qWait(down->autoRepeatInterval() * 4);
        QCOMPARE(active().Time, released);
        QCOMPARE(w.TimeEdit->text(), QString::number(released));
        QVERIFY(w.TimeUpDn->upButton()->autoRepeat());
    }

    // The improvement seconds step within their range; they are no setting of the task row.
    void improveRowStepsWithinItsRangeAndIsNoTaskSetting() {
        TOptForm& w = form();
        QCOMPARE(w.ImproveLabel->text(), QStringLiteral("Improve (s)"));
        QVERIFY(!w.ImproveLabel->toolTip().isEmpty());
        QCOMPARE(w.ImproveEdit->text(), QStringLiteral("0"));
        QVERIFY(!w.ImproveEdit->isReadOnly());
        w.ImproveUpDn->stepDown();
        QCOMPARE(active().Improve, qint16(0));
        w.ImproveUpDn->stepUp();
        w.ImproveUpDn->stepUp();
        QCOMPARE(active().Improve, qint16(2));
        QCOMPARE(w.ImproveEdit->text(), QStringLiteral("2"));
        for (int i = 0; i < 700; ++i)
            w.ImproveUpDn->stepUp();
        QCOMPARE(active().Improve, qint16(600));
        QCOMPARE(w.ImproveEdit->text(), QStringLiteral("600"));
        // Loading a task's settings keeps the stage's seconds: a task row does not hold them.
        setTaskFields({{QStringLiteral("Power"), 9}});
        w.TaskRadio->click();
        QCOMPARE(active().Power, qint16(9));
        QCOMPARE(active().Improve, qint16(600));
        for (SettingField fld : AllSettingFields)
            QVERIFY(!w.rowDiffers(fld));
        // A value from elsewhere outside the range is shown as used; Defaults switch it off.
        active().Improve = 900;
        w.ShowActiveSettings();
        QCOMPARE(active().Improve, qint16(600));
        QCOMPARE(w.ImproveEdit->text(), QStringLiteral("600"));
        w.DefltButton->click();
        QCOMPARE(active().Improve, qint16(0));
        QCOMPARE(w.ImproveEdit->text(), QStringLiteral("0"));
    }

    void coloursMarkDifferingRows() {
        TOptForm& w = form();
        // The sample task holds the defaults, as the active settings do.
        for (SettingField fld : AllSettingFields)
            QVERIFY2(!w.rowDiffers(fld), qPrintable(w.activeEdit(fld)->objectName()));
        w.RandUpDn->stepUp();
        QVERIFY(w.rowDiffers(SettingField::Rand));
        QCOMPARE(w.RandEditDB->palette().color(QPalette::Disabled, QPalette::Base), QColor(255, 238, 238));
        QCOMPARE(w.RandEdit->palette().color(QPalette::Base), QColor(255, 238, 238));
        QCOMPARE(w.PowerEdit->palette().color(QPalette::Base), QColor(Qt::white));
        w.RandUpDn->stepDown();
        QVERIFY(!w.rowDiffers(SettingField::Rand));
        // The bind group compares the factor itself, the Last row is never coloured.
        w.QgUpDn->stepUp();
        QVERIFY(w.rowDiffers(SettingField::Qg));
        QVERIFY(!w.rowDiffers(SettingField::Qw));
        w.LastCheck->click();
        QVERIFY(w.LastCheck->palette().color(QPalette::Base) != TOptForm::differsColor());
        QVERIFY(w.LastCheckDB->palette().color(QPalette::Disabled, QPalette::Base) !=
                TOptForm::differsColor());
        // A change of the task's row is compared at once.
        setTaskFields({{QStringLiteral("Qw"), 100}, {QStringLiteral("Power"), 7}});
        QVERIFY(!w.rowDiffers(SettingField::Qg));
        QVERIFY(w.rowDiffers(SettingField::Power));
        QCOMPARE(w.PowerEditDB->text(), QStringLiteral("7"));
        QCOMPARE(w.QgEditDB->text(), QStringLiteral("       10"));
        open();
        QVERIFY(uitest::saveScreenshot(&w, QStringLiteral("OptFormDiffers")));
    }

    void loadTaskSpecificAndKeep() {
        TOptForm& w = form();
        setTaskFields({{QStringLiteral("Qw"), 235},
                       {QStringLiteral("Power"), 9},
                       {QStringLiteral("Time"), 60},
                       {QStringLiteral("BB"), 12},
                       {QStringLiteral("Last"), false}});
        QCOMPARE(w.QwEditDB->text(), QStringLiteral("       35"));
        QCOMPARE(w.QgEditDB->text(), QStringLiteral("       20"));
        // Keep: the active ones stay; Load task specific copies the task's.
        w.KeepRadio->click();
        QCOMPARE(active().TaskOptSet, false);
        QCOMPARE(active().Power, qint16(5));
        QVERIFY(w.rowDiffers(SettingField::Power));
        w.TaskRadio->click();
        QCOMPARE(active().TaskOptSet, true);
        QCOMPARE(active().Power, qint16(9));
        QCOMPARE(active().Time, qint16(60));
        QCOMPARE(active().Qw, qint16(35));
        QCOMPARE(active().Qg, qint16(2));
        QCOMPARE(active().BB, qint16(12));
        QCOMPARE(active().Last, false);
        QCOMPARE(w.QwEdit->text(), QStringLiteral("35"));
        QCOMPARE(w.QgEdit->text(), QStringLiteral("20"));
        QCOMPARE(w.BBEdit->text(), QStringLiteral("12"));
        QVERIFY(!w.LastCheck->isChecked());
        for (SettingField fld : AllSettingFields)
            QVERIFY(!w.rowDiffers(fld));

        // A new task stores the active settings; going back to the first task loads its own
        // while "Load task specific" holds, and not while "Keep current settings" does.
        w.PowerUpDn->stepUp();
        QVERIFY(tasks().insert());
        QCOMPARE(tasks().intValue(QStringLiteral("Power")), 10);
        QCOMPARE(tasks().intValue(QStringLiteral("Qw")), 235);
        QCOMPARE(w.PowerEditDB->text(), QStringLiteral("10"));
        QVERIFY(!w.rowDiffers(SettingField::Power));
        QVERIFY(tasks().first());
        QCOMPARE(active().Power, qint16(9));
        QCOMPARE(w.PowerEdit->text(), QStringLiteral("9"));
        QVERIFY(!w.rowDiffers(SettingField::Power));
        w.KeepRadio->click();
        w.TimeUpDn->stepUp();
        QVERIFY(tasks().last());
        QCOMPARE(active().Time, qint16(65));
        QCOMPARE(w.TimeEditDB->text(), QStringLiteral("60"));
        QVERIFY(w.rowDiffers(SettingField::Time));
    }

    void outOfRangeTaskValuesAreShownAsUsed() {
        // A task row written elsewhere may hold values the controls cannot show.
        setTaskFields(
            {{QStringLiteral("Power"), 25}, {QStringLiteral("Time"), 2}, {QStringLiteral("BW"), 6000}});
        form().TaskRadio->click();
        QCOMPARE(active().Power, qint16(20));
        QCOMPARE(active().Time, qint16(5));
        QCOMPARE(active().BW, qint16(MaxGap));
        QCOMPARE(form().PowerEdit->text(), QStringLiteral("20"));
        QCOMPARE(form().BWEdit->text(), QStringLiteral("5000"));
        QVERIFY(form().rowDiffers(SettingField::Power));
    }

    void defaultsKeepTheTaskSwitch() {
        TOptForm& w = form();
        open();
        w.KeepRadio->click();
        w.PowerUpDn->stepUp();
        w.QrUpDn->stepUp();
        w.LastCheck->click();
        typeGap(w.BWEdit, QStringLiteral("40"), w.CloseButton);
        QCOMPARE(active().BW, qint16(40));
        w.DefltButton->click();
        ActiveSettings expected;
        expected.TaskOptSet = false;
        QCOMPARE(active(), expected);
        QCOMPARE(w.BWEdit->text(), QStringLiteral("0"));
        QVERIFY(w.LastCheck->isChecked());
        QVERIFY(w.KeepRadio->isChecked());
    }

    void gapEditsValidateWhenLeft() {
        TOptForm& w = form();
        open();
        typeGap(w.BBEdit, QStringLiteral(" 007 "), w.BWEdit);
        QCOMPARE(active().BB, qint16(7));
        QCOMPARE(w.BBEdit->text(), QStringLiteral("7"));
        QVERIFY(w.rowDiffers(SettingField::BB));
        QVERIFY(errors().isEmpty());

        // Too large: the message names 5000, the value stays and the focus comes back.
        typeGap(w.BBEdit, QStringLiteral("5001"), w.BWEdit);
        QCOMPARE(errors(), QStringList{QStringLiteral("Positive integer required,\rno more than 5000")});
        QCOMPARE(active().BB, qint16(7));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.BBEdit));
        // Esc restores the text the edit was entered with.
        QTest::keyClick(w.BBEdit, Qt::Key_Escape);
        QCOMPARE(w.BBEdit->text(), QStringLiteral("7"));
        QVERIFY(w.isVisible());

        f->clearAsked();
        for (const QString& bad : {QStringLiteral("-3"), QStringLiteral("1.5"), QStringLiteral("12a")}) {
            typeGap(w.BWEdit, bad, w.PowerEdit);
            QCOMPARE(active().BW, qint16(0));
        }
        QCOMPARE(errors().size(), 3);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.BWEdit));
        QTest::keyClick(w.BWEdit, Qt::Key_Escape);
        QCOMPARE(w.BWEdit->text(), QStringLiteral("0"));
        f->clearAsked();
        // Empty reads as 0; Enter moves from the item gap to the edge gap, then to Close.
        typeGap(w.BBEdit, QString(), w.BWEdit);
        QCOMPARE(active().BB, qint16(0));
        QCOMPARE(w.BBEdit->text(), QStringLiteral("0"));
        w.BBEdit->setFocus();
        QApplication::processEvents();
        w.BBEdit->setText(QStringLiteral("5000"));
        QTest::keyClick(w.BBEdit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.BWEdit));
        QCOMPARE(active().BB, qint16(5000));
        QTest::keyClick(w.BWEdit, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.CloseButton));
        QVERIFY(w.isVisible());
        QVERIFY(errors().isEmpty());
    }

    void closingValidatesTheFocusedGap() {
        TOptForm& w = form();
        open();
        w.BWEdit->setFocus();
        QApplication::processEvents();
        w.BWEdit->setText(QStringLiteral("abc"));
        // Refused: the window stays open with the focus in the edit.
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(errors().size(), 1);
        QTRY_COMPARE(w.focusWidget(), static_cast<QWidget*>(w.BWEdit));
        w.BWEdit->setText(QStringLiteral("0025"));
        QTest::mouseClick(w.CloseButton, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(active().BW, qint16(25));
        QCOMPARE(w.BWEdit->text(), QStringLiteral("25"));
        QCOMPARE(errors().size(), 1);
    }

    void placedBesideTheTaskPage() {
        TTasksForm& page = f->page();
        QVERIFY(page.reposition(RepositionWindow::Settings));
        open();
        TOptForm& w = form();
        QVERIFY(!page.reposition(RepositionWindow::Settings));
        const QRect screen = page.screen()->geometry();
        const int left = std::max(0, std::min(page.frameGeometry().x() + page.frameGeometry().width() - 4,
                                              screen.width() - w.width() - 2));
        const int top = std::max(0, std::min(page.BoxesNavigator->mapToGlobal(QPoint(0, 0)).y(),
                                             screen.height() - w.height() - 30));
        QCOMPARE(w.pos(), QPoint(left, top));
        // The user's position is kept the next time.
        w.hide();
        w.move(3, 4);
        page.OptButton->click();
        QCOMPARE(w.pos(), QPoint(3, 4));
    }
};

QTEST_MAIN(OptFormTest)
#include "OptFormTest.moc"
