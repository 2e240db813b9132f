// Row rules of the task list: a new task takes the active settings and is stored at once, every
// change of the current task updates the Task Page and the totals, and deleting a task removes
// all its rows as one unit while the progress window runs.
#include "DMForm.h"
#include "TaskCascade.h"
#include "TaskSettings.h"

namespace palvane {

// Name a task gets when it is created or stored without one.
static QString blankTaskName() {
    return QStringLiteral("???");
}

void TDMForm::installTaskRules() {
    Cursor& t = *m_tasks;
    t.onNewRecord = [](Cursor& c) {
        c.setValue(QStringLiteral("Name"), blankTaskName());
        c.setValue(QStringLiteral("Solut"), false);
        c.setValue(QStringLiteral("TurnOn"), false);
        c.setValue(QStringLiteral("DefltOn"), false);
    };
    t.afterInsert = [this](Cursor& c) { tasksAfterInsert(c); };
    t.beforePost = [](Cursor& c) {
        if (c.textValue(QStringLiteral("Name")).trimmed().isEmpty())
            c.setValue(QStringLiteral("Name"), blankTaskName());
        return true;
    };
    t.afterPost = [this](Cursor&) { afterTaskChange(false, true); };
    t.afterDelete = [this](Cursor&) { afterTaskChange(false, false); };
    t.afterScroll = [this](Cursor& c) {
        if (!c.isEditing())
            afterTaskChange(true, false);
    };
    t.afterOpen = [this](Cursor&) {
        if (DatabaseReady)
            emit currSolutStateRequested();
    };
    t.beforeDelete = [this](Cursor& c) { return tasksBeforeDelete(c); };
}

void TDMForm::tasksAfterInsert(Cursor& c) {
    NewTaskSettings s = activeSettings ? activeSettings() : NewTaskSettings{};
    storeTaskSettings(s, c);
    c.post();
}

void TDMForm::afterTaskChange(bool scroll, bool post) {
    // The library areas are empty without a current task.
    m_conts->notifyValuesChanged();
    m_boxes->notifyValuesChanged();
    emit currSolutStateRequested();
    if (scroll) {
        bool taskOptSet = activeSettings ? activeSettings().TaskOptSet : NewTaskSettings{}.TaskOptSet;
        if (taskOptSet)
            emit loadTaskSettingsRequested();
        else
            emit currOptSetColorsRequested();
    } else if (post) {
        emit currOptSetColorsRequested();
    }
    recomputeTotals();
    if (scroll)
        emit viewOptionsResetRequested();
}

WindowState TDMForm::windowState() {
    WindowState state;
    emit windowStateAsked(state);
    return state;
}

bool TDMForm::tasksBeforeDelete(Cursor& c) {
    if (!m_store)
        return false;
    const qint32 id = c.value(QStringLiteral("TaskID")).toInt();
    // With the Select a Task window open the Task Page stays as it is.
    const bool disablePage = !windowState().selectTaskOpen;
    const bool wasDeleting = m_deletingTask;
    m_deletingTask = true;
    emit busyCursorChanged(true);
    emit progressShown(tr("Deleting DB task data..."));
    emit progressPositionChanged(0);
    if (disablePage)
        emit taskPageEnableRequested(false);
    Cursor* quiet[] = {m_tc.get(), m_tb.get(), m_distr.get(), m_posit.get()};
    for (Cursor* q : quiet)
        q->disableControls();
    for (Cursor* q : {m_solut.get(), m_distr.get(), m_posit.get()})
        q->setCalcSuspended(true);
    suspendTotals();

    // The task row goes in the same unit as its rows: all or nothing.
    QString message;
    bool ok = deleteTaskRows(
        *m_store, id, CascadeScope::RowsAndTask,
        [this](int position) { emit progressPositionChanged(position); }, &message);
    if (ok) {
        // The detail cursors no longer hold any row of the task.
        for (Cursor* d : {m_tc.get(), m_tb.get(), m_solut.get()})
            d->refresh();
    }

    emit progressPositionChanged(100);
    for (Cursor* q : {m_solut.get(), m_distr.get(), m_posit.get()})
        q->setCalcSuspended(false);
    for (Cursor* q : quiet)
        q->enableControls();
    emit progressHidden();
    emit progressPositionChanged(0);
    emit busyCursorChanged(false);
    m_deletingTask = wasDeleting;
    if (disablePage)
        emit taskPageEnableRequested(true);
    m_totalsPending = false; // the task is going; its totals follow the next current task
    resumeTotals();
    if (!ok)
        error(tr("The task could not be deleted; nothing was removed.\r%1").arg(message));
    return ok;
}

} // namespace palvane
