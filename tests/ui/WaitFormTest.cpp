// The progress window: its controls at creation, the display protocol of a Solve, the busy
// frame, Esc as the only key with an effect (also while another window has the focus), no way
// to close it, and a real Solve stopped by an Esc that reaches the window at a progress tick.
#include "WaitForm.h"
#include "SolvePipeline.h"
#include "TaskRowsFixtures.h"
#include "UiTestUtil.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

using namespace palvane;

class WaitFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void createdWithEmptyTextsAndNoSystemButtons();
    void solveDisplayProtocol();
    void busyFrameShowsCaptionAndPosition();
    void onlyEscHasAnEffect();
    void escCountsWhileAnotherWindowHasTheFocus();
    void escStopsARealSolveAtAProgressTick();
};

void WaitFormTest::createdWithEmptyTextsAndNoSystemButtons() {
    TWaitForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("2D Palvane"));
    QCOMPARE(form.size(), QSize(292, 84));
    QCOMPARE(form.progBar()->value(), 0);
    QCOMPARE(form.progBarYnD()->value(), 0);
    QVERIFY(form.progLab()->text().isEmpty());
    QVERIFY(form.timeLab()->text().isEmpty());
    QCOMPARE(form.waitLab()->text(), QStringLiteral("Please wait"));
    QCOMPARE(form.timeLab()->toolTip(), QStringLiteral("Pure packing time"));
    QVERIFY(form.waitLab()->alignment() & Qt::AlignRight);
    QCOMPARE(form.waitLab()->geometry(), QRect(176, 8, 101, 16));
    QCOMPARE(form.progBar()->geometry(), QRect(16, 32, 263, 20));
    QCOMPARE(form.progBarYnD()->geometry(), QRect(16, 60, 163, 12));
    QCOMPARE(form.waitLab()->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QVERIFY(form.progBarYnD()->isHidden());
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    // The hourglass over the window and over every control.
    QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
    QCOMPARE(form.progBar()->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(form.timeLab()->cursor().shape(), Qt::WaitCursor);
}

void WaitFormTest::solveDisplayProtocol() {
    TWaitForm form;
    ProgressSink& sink = form;
    form.show();
    sink.setTitle(ProgressTitle::PackingProgress);
    sink.setHint(ProgressHint::EscToAbort);
    sink.setElapsedText("0");
    sink.setOverall(0);
    sink.setContainer(0);
    sink.setContainerVisible(true);
    sink.setTimeVisible(true);
    QCOMPARE(form.progLab()->text(), QStringLiteral("Packing progress..."));
    QCOMPARE(form.waitLab()->text(), QStringLiteral("Esc to abort"));
    QCOMPARE(form.timeLab()->text(), QStringLiteral("0 sec"));
    QVERIFY(form.progBarYnD()->isVisible());

    sink.setContainer(45);
    sink.setElapsedText("12.3");
    sink.setOverall(60);
    QCOMPARE(form.progBarYnD()->value(), 45);
    QCOMPARE(form.timeLab()->text(), QStringLiteral("12.3 sec"));
    QCOMPARE(form.progBar()->value(), 60);
    QVERIFY(uitest::saveScreenshot(&form, QStringLiteral("ProgressWindow")));

    // The planned pass count is an estimate: positions above 100 show a full bar.
    sink.setContainer(180);
    QCOMPARE(form.progBarYnD()->value(), 100);
    sink.setOverall(250);
    QCOMPARE(form.progBar()->value(), 100);

    sink.setHint(ProgressHint::Aborted);
    QCOMPARE(form.waitLab()->text(), QStringLiteral("Aborted..."));
    sink.setContainerVisible(false);
    sink.setHint(ProgressHint::PleaseWait);
    sink.setRunTimeText("14.0");
    QVERIFY(form.progBarYnD()->isHidden());
    QCOMPARE(form.waitLab()->text(), QStringLiteral("Please wait"));
    QCOMPARE(form.timeLab()->text(), QStringLiteral("Run 14.0 sec"));

    const std::pair<ProgressTitle, const char*> titles[] = {
        {ProgressTitle::FixedObjects, "Fixed objects processing..."},
        {ProgressTitle::ReadingTask, "Reading DB task..."},
        {ProgressTitle::WritingDb, "Writing DB..."},
        {ProgressTitle::ClearingDb, "Clearing DB solution..."}};
    for (const auto& [title, text] : titles) {
        sink.setTitle(title);
        QCOMPARE(form.progLab()->text(), QString::fromLatin1(text));
    }
}

void WaitFormTest::busyFrameShowsCaptionAndPosition() {
    TWaitForm form;
    form.setOverall(70);
    form.showProgress(QStringLiteral("Deleting DB task data..."));
    QVERIFY(form.isVisible());
    QCOMPARE(form.progLab()->text(), QStringLiteral("Deleting DB task data..."));
    QCOMPARE(form.progBar()->value(), 0);
    form.setPosition(40);
    QCOMPARE(form.progBar()->value(), 40);
    form.hideProgress();
    QVERIFY(!form.isVisible());
}

void WaitFormTest::onlyEscHasAnEffect() {
    std::uint8_t flag = 1;
    int callbacks = 0; // both outlive the form that points at them
    TWaitForm form;
    form.setAbortFlag(&flag);
    QCOMPARE(flag, std::uint8_t(0)); // attaching clears it, as at creation
    form.onAbort = [&] { ++callbacks; };
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_A, Qt::Key_F4}) {
        QTest::keyClick(&form, key);
        QCOMPARE(flag, std::uint8_t(0));
    }
    QTest::keyClick(&form, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(form.isVisible());
    QCOMPARE(callbacks, 0);

    QTest::keyClick(&form, Qt::Key_Escape);
    QCOMPARE(flag, std::uint8_t(1));
    QVERIFY(form.abortPressed());
    QCOMPARE(callbacks, 1);
    QVERIFY2(form.isVisible(), "Esc does not close the window");

    // No close button, and closing is refused.
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
}

void WaitFormTest::escCountsWhileAnotherWindowHasTheFocus() {
    QLineEdit other;
    other.show();
    std::uint8_t flag = 0;
    TWaitForm form;
    form.setAbortFlag(&flag);
    form.show();
    other.activateWindow();
    other.setFocus();
    QTest::keyClick(&other, Qt::Key_Escape);
    QCOMPARE(flag, std::uint8_t(1));

    // Hidden, the window no longer listens.
    form.hide();
    flag = 0;
    QTest::keyClick(&other, Qt::Key_Escape);
    QCOMPARE(flag, std::uint8_t(0));
}

void WaitFormTest::escStopsARealSolveAtAProgressTick() {
    using namespace palvane::testing;
    std::vector<TbRow> boxes;
    for (int k = 0; k < 12; ++k)
        boxes.push_back(boxRow(100 + k, 9, std::int16_t(210 + 37 * k), std::int16_t(130 + 23 * k), 30 + k));
    MemoryTaskStore store(taskRows(
        {containerRow(11, 6, 2400, 1300, 40000), containerRow(12, 6, 1800, 1100, 30000)}, std::move(boxes)));
    RecordingMessages messages;
    auto search = NewLayoutSearch();
    auto ws = std::make_unique<PackWorkspace>();
    ResetWorkspace(*ws, ws->StartPlan);

    TWaitForm form;
    form.setAbortFlag(&ws->AbortFlag);
    ws->progress = &form;
    form.show();
    // The Esc waits in the event queue until the search lets window messages through.
    QCoreApplication::postEvent(&form, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));

    SolveSettings settings;
    settings.Power = 20;
    settings.Time = 60;
    settings.Last = false;
    EngineServices services{store, store, messages, *search};
    const SolveOutcome out = SolveTask(*ws, store.rows.task.TaskID, settings, services);
    QCOMPARE(out.status, SolveStatus::Ok);
    QVERIFY(out.aborted);
    QVERIFY(form.abortPressed());
    QVERIFY2(store.rows.task.Solut, "the best plan so far is stored");
    QCOMPARE(form.progLab()->text(), QStringLiteral("Writing DB..."));
    QVERIFY(form.timeLab()->text().startsWith(QStringLiteral("Run ")));
    QVERIFY(form.timeLab()->text().endsWith(QStringLiteral(" sec")));
}

QTEST_MAIN(WaitFormTest)
#include "WaitFormTest.moc"
