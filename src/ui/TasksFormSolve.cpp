// The Task Page's commands: Solve and Clear, the rebuild before View and Solution, Print, Exit
// and the task list.
#include "NameForm.h"
#include "TasksForm.h"

#include <QApplication>

namespace palvane {

namespace {

// Sends the engine's progress to the progress window and an optional listener, and lets window
// messages through at the search's ticks.
class PageProgress : public ProgressSink {
public:
    PageProgress(ProgressSink* a, ProgressSink* b) : m_sinks{a, b} {}
    void setTitle(ProgressTitle t) override {
        each([&](ProgressSink& s) { s.setTitle(t); });
    }
    void setOverall(int p) override {
        each([&](ProgressSink& s) { s.setOverall(p); });
    }
    void setContainer(int p) override {
        each([&](ProgressSink& s) { s.setContainer(p); });
    }
    void setContainerVisible(bool v) override {
        each([&](ProgressSink& s) { s.setContainerVisible(v); });
    }
    void setHint(ProgressHint h) override {
        each([&](ProgressSink& s) { s.setHint(h); });
    }
    void setElapsedText(const char* n) override {
        each([&](ProgressSink& s) { s.setElapsedText(n); });
    }
    void setRunTimeText(const char* n) override {
        each([&](ProgressSink& s) { s.setRunTimeText(n); });
    }
    void setTimeVisible(bool v) override {
        each([&](ProgressSink& s) { s.setTimeVisible(v); });
    }
    void processEvents() override {
        QCoreApplication::processEvents();
        each([](ProgressSink& s) { s.processEvents(); });
    }

private:
    template <class F> void each(F f) {
        for (ProgressSink* s : m_sinks)
            if (s)
                f(*s);
    }
    ProgressSink* m_sinks[2];
};

} // namespace

void TTasksForm::RunButtonClick() {
    if (!m_dm.tasks().isActive() || m_dm.currentTaskId() == 0)
        return;
    if (!m_dm.PostAllTables())
        return;
    if (TaskSolved) {
        if (m_dm.WarnsCheck && m_prompter.ask(PromptKind::Confirmation, tr("Clear current task solution?"),
                                              PromptButtons::OkCancel) != PromptAnswer::Ok)
            return;
        // On a server the task's row is held from the read to the stored result: a second
        // planner on the same task is refused at once.
        m_dm.holdTaskWhile(m_dm.currentTaskId(), [this] {
            busyFrame([this] { clearCurrentSolution(); });
            return true;
        });
        return;
    }
    if (!m_dm.store())
        return;
    m_dm.holdTaskWhile(m_dm.currentTaskId(), [this] {
        solveWithChecks();
        return true;
    });
    if (ViewButton->isEnabled())
        ViewButton->setFocus();
}

void TTasksForm::solveWithChecks() {
    Store* store = m_dm.store();
    // The active settings, else the task's own.
    const std::optional<SolveSettings> active =
        m_dm.activeSettings ? std::optional<SolveSettings>(m_dm.activeSettings()) : std::nullopt;
    const TaskCheck check = m_session.checkTask(*store, m_dm.currentTaskId(), active);
    auto refuse = [this](const QString& text) { m_prompter.ask(PromptKind::Error, text, PromptButtons::Ok); };
    if (check.read != RowsStatus::Ok)
        return refuse(tr("The task could not be read.") + QLatin1Char('\r') +
                      QString::fromStdString(check.error));
    switch (check.status) {
    case SolveStatus::TooManyContainers:
        return refuse(tr("Total container number exceeds limit: ") + QString::number(kMaxTaskContainers));
    case SolveStatus::TooManyBoxes:
        return refuse(tr("Total box number exceeds limit: ") + QString::number(kMaxTaskBoxes));
    case SolveStatus::NoContainers:
        return refuse(tr("You should define container(s)"));
    case SolveStatus::NoBoxes:
        return refuse(tr("You should define boxes"));
    default:
        break;
    }
    if (m_dm.WarnsCheck)
        warnOversizedKinds(check.kindsFittingNoContainer);
    busyFrame([this, &check] { solveCurrentTask(check.settings); });
}

void TTasksForm::solveCurrentTask(const SolveSettings& settings) {
    Store* store = m_dm.store();
    const qint32 id = m_dm.currentTaskId();
    if (!store || id == 0)
        return;
    PageProgress progress(m_wait, m_listener);
    const SolveOutcome outcome = m_session.solve(*store, id, settings, m_prompter, progress);
    if (outcome.status == SolveStatus::ReadFailed || outcome.status == SolveStatus::WriteFailed)
        m_prompter.ask(PromptKind::Error,
                       (outcome.status == SolveStatus::ReadFailed
                            ? tr("The task could not be read.")
                            : tr("The plan could not be stored; the previous "
                                 "solution is unchanged.")) +
                           QLatin1Char('\r') + QString::fromStdString(outcome.error),
                       PromptButtons::Ok);
    m_dm.refreshTables();
    CurrSolutState();
}

void TTasksForm::warnOversizedKinds(const std::vector<std::string>& kinds) {
    if (kinds.empty())
        return;
    QStringList names;
    for (const std::string& k : kinds)
        names << QStringLiteral("  ") + QString::fromStdString(k);
    m_prompter.ask(PromptKind::Warning,
                   tr("These box kinds fit no container of the task in any permitted orientation\r"
                      "(gaps included); their boxes will be left:") +
                       QLatin1Char('\r') + names.join(QLatin1Char('\r')),
                   PromptButtons::Ok);
}

void TTasksForm::clearCurrentSolution() {
    Store* store = m_dm.store();
    const qint32 id = m_dm.currentTaskId();
    if (!store || id == 0)
        return;
    PageProgress progress(m_wait, m_listener);
    std::string detail;
    if (m_session.clear(*store, id, m_prompter, progress, detail) != RowsStatus::Ok)
        m_prompter.ask(PromptKind::Error,
                       tr("The solution could not be cleared.") + QLatin1Char('\r') +
                           QString::fromStdString(detail),
                       PromptButtons::Ok);
    m_dm.refreshTables();
    CurrSolutState();
}

void TTasksForm::rebuildIfNeeded() {
    const qint32 id = m_dm.currentTaskId();
    if (id == m_session.taskId() || !m_dm.store())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    m_dm.tc().disableControls();
    m_dm.tb().disableControls();
    m_session.rebuild(*m_dm.store(), id);
    m_dm.tc().enableControls();
    m_dm.tb().enableControls();
    setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void TTasksForm::ViewButtonClick() {
    rebuildIfNeeded();
    emit viewRequested();
    RunButton->setFocus();
}

void TTasksForm::ResultButtonClick() {
    rebuildIfNeeded();
    emit solutionRequested();
    RunButton->setFocus();
}

void TTasksForm::PrintButtonClick() {
    if (reportsRefused && reportsRefused())
        return;
    if (m_dm.WarnsCheck && m_prompter.ask(PromptKind::Confirmation, tr("Print task data report now?"),
                                          PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    emit printRequested();
}

void TTasksForm::ExitButtonClick() {
    if (m_dm.WarnsCheck && m_prompter.ask(PromptKind::Confirmation, tr("Exit program?"),
                                          PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    close();
}

void TTasksForm::TaskButtonClick() {
    if (!m_nameForm)
        return;
    m_nameForm->move(x() + NameEdit->x() - 12, y() + 30 + NameEdit->y() + NameEdit->height());
    m_nameForm->showModal();
    if (ViewButton->isEnabled())
        ViewButton->setFocus();
    else if (RunButton->isEnabled())
        RunButton->setFocus();
}

} // namespace palvane
