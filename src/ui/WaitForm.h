#pragma once
// The progress window: a small modeless window without system buttons shown while a Solve or a
// long table operation runs. It shows a title line, a hint, an overall bar, a bar for the current
// container search and the time, and turns Esc into the abort flag the search polls.
#include "Progress.h"

#include <QWidget>
#include <cstdint>
#include <functional>

class QLabel;
class QProgressBar;

namespace palvane {

class TWaitForm : public QWidget, public ProgressSink {
    Q_OBJECT
public:
    explicit TWaitForm(QWidget* parent = nullptr);

    // The flag Esc sets to 1 (the workspace's `AbortFlag`); cleared to 0 when attached. May be
    // null. onAbort, when set, is called on every Esc as well.
    void setAbortFlag(std::uint8_t* flag);
    std::function<void()> onAbort;
    // True once Esc was pressed since the window was created or the flag attached.
    bool abortPressed() const { return m_abortPressed; }

    // ---- the engine's progress reports ----
    void setTitle(ProgressTitle title) override;
    void setOverall(int position) override;
    void setContainer(int position) override;
    void setContainerVisible(bool visible) override;
    void setHint(ProgressHint hint) override;
    void setElapsedText(const char* number) override;
    void setRunTimeText(const char* number) override;
    void setTimeVisible(bool visible) override;
    void processEvents() override;

    // ---- the busy frame of long table operations ----
    // Shows the window with a caption in the title line and the overall bar at 0.
    void showProgress(const QString& caption);
    // Moves the overall bar (0..100) and repaints at once.
    void setPosition(int position);
    void hideProgress();

    // The controls, for tests and screenshots.
    QLabel* waitLab() const { return m_waitLab; }
    QLabel* progLab() const { return m_progLab; }
    QLabel* timeLab() const { return m_timeLab; }
    QProgressBar* progBar() const { return m_progBar; }
    QProgressBar* progBarYnD() const { return m_progBarYnD; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormKeyPress(int key);
    void retranslate();
    void showTitle();
    void showHint();
    void fitTexts();
    void showTime();

    QLabel* m_waitLab;
    QLabel* m_progLab;
    QLabel* m_timeLab;
    QProgressBar* m_progBar;
    QProgressBar* m_progBarYnD;
    std::uint8_t* m_abortFlag = nullptr;
    bool m_abortPressed = false;
    // What the labels show, kept so a language switch can show it again.
    enum class TitleSource { None, Engine, Caption } m_titleSource = TitleSource::None;
    ProgressTitle m_title = ProgressTitle::FixedObjects;
    QString m_caption;
    ProgressHint m_hint = ProgressHint::PleaseWait;
    enum class TimeSource { None, Elapsed, RunTime } m_timeSource = TimeSource::None;
    QString m_timeNumber;
};

// The English text of a progress title and of a progress hint.
QString progressTitleText(ProgressTitle title);
QString progressHintText(ProgressHint hint);

} // namespace palvane
