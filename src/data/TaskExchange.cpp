#include "TaskExchange.h"

#include "ExchangeRows.h"
#include "TaskHold.h"

#include <QDir>

namespace palvane {

TaskExchange::TaskExchange(TDMForm& dm, Prompter& prompter, QObject* parent)
    : QObject(parent), m_dm(dm), m_prompter(prompter) {}

// ---- switching databases ----

bool TaskExchange::SwitchDatabase(int code) {
    emit m_dm.busyCursorChanged(true);
    emit settingsEnableRequested(false);
    m_dm.PostAllTables();
    const qint32 current = m_dm.currentTaskId();
    if (m_dm.ActiveDatabase == MainDatabase)
        m_dm.TaskIni = current;
    m_dm.ActivateTables(false);
    m_dm.SetTablesDatabase(code);
    const bool ok = m_dm.ActivateTables(true);
    if (ok) {
        m_dm.ActiveDatabase = m_dm.boundDatabase();
        emit databaseSwitched();
    } else {
        const QString path = m_dm.openError();
        m_dm.ActivateTables(false);
        m_dm.SetTablesDatabase(m_dm.ActiveDatabase);
        // Back on the previous database the user stays on the task that was current.
        const bool back = m_dm.ActivateTables(true);
        if (back && current != 0)
            m_dm.tasks().locate(QStringLiteral("TaskID"), current);
        QString text = tr("DB is busy or incorrect");
        if (!path.isEmpty())
            text += QLatin1Char('\r') + QDir::toNativeSeparators(path);
        error(text);
        if (!back) {
            text = tr("DB is busy or incorrect");
            if (!m_dm.openError().isEmpty())
                text += QLatin1Char('\r') + QDir::toNativeSeparators(m_dm.openError());
            error(text);
        }
    }
    refreshTaskPage();
    emit settingsEnableRequested(true);
    emit m_dm.busyCursorChanged(false);
    return ok;
}

bool TaskExchange::SwitchHome() {
    if (!SwitchDatabase(MainDatabase))
        return false;
    if (m_dm.TaskIni != 0)
        m_dm.tasks().locate(QStringLiteral("TaskID"), m_dm.TaskIni);
    return true;
}

void TaskExchange::refreshTaskPage() {
    emit m_dm.currSolutStateRequested();
    m_dm.recomputeTotals();
    emit workspaceOutdated();
}

// ---- task copying ----

bool TaskExchange::TaskCopying(bool exportTask) {
    // Both read the main database: the export writes into the export database, the duplicate
    // into the main one.
    const qint32 id = m_dm.currentTaskId();
    if (m_dm.ActiveDatabase != MainDatabase || !m_dm.store() || id == 0)
        return false;
    if (!confirm(exportTask ? tr("Add current task to Export DB?") : tr("Duplicate current task?")))
        return false;
    if (exportTask)
        emit settingsEnableRequested(false);
    else
        m_dm.tasks().disableControls();
    emit m_dm.busyCursorChanged(true);
    emit m_dm.progressShown(tr("Task copying..."));
    position(5);

    // Pending edits are stored first so the copy holds what the user sees; a refused edit
    // stops the copy (the cursor has shown why).
    bool ok = m_dm.PostAllTables();
    if (ok) {
        if (exportTask)
            m_dm.TaskIni = id;
        position(10);
        ok = exportTask ? exportCurrentTask(id) : duplicateCurrentTask(id);
    }
    if (ok)
        position(100);

    emit m_dm.progressHidden();
    position(0);
    emit m_dm.busyCursorChanged(false);
    if (exportTask)
        emit settingsEnableRequested(true);
    else
        m_dm.tasks().enableControls();
    return ok;
}

bool TaskExchange::exportCurrentTask(qint32 taskId) {
    // The task is read as one whole: a planner changing it meanwhile refuses the export.
    TaskHold hold(*m_dm.store(), taskId);
    if (!hold.isHeld()) {
        error(hold.error());
        return false;
    }
    std::shared_ptr<Store> ex = openExportStore();
    if (!ex)
        return false;
    // Library and task rows in one unit: an export that fails half-way leaves the export
    // database as it was.
    StoreTransaction unit(*ex);
    if (!unit.isActive()) {
        error(tr("Task copying failed; the Export DB was not changed.") + QLatin1Char('\r') +
              ex->lastError());
        return false;
    }
    if (!copyLibraries(*ex))
        return false;
    QString detail;
    const bool ok = copyTask(*m_dm.store(), taskId, *ex, TaskCopyParts::ListsAndSolution, nullptr, &detail,
                             [this](int p) { position(p); }) &&
                    unit.commit();
    if (!ok) {
        if (detail.isEmpty())
            detail = ex->lastError();
        unit.rollback();
        error(tr("Task copying failed; the Export DB was not changed.") + QLatin1Char('\r') + detail);
    }
    return ok;
}

bool TaskExchange::duplicateCurrentTask(qint32 taskId) {
    // The original's row is held until its copy is stored; a refusal changes nothing.
    TaskHold hold(*m_dm.store(), taskId);
    if (!hold.isHeld()) {
        error(hold.error());
        return false;
    }
    // The export database gets the main library as with an export; when that fails the
    // message has been shown and the duplicate goes on, as it needs only the main database.
    if (std::shared_ptr<Store> ex = openExportStore())
        copyLibraries(*ex);
    position(70);
    qint32 newId = 0;
    QString detail;
    if (!duplicateTask(*m_dm.store(), taskId, today(), &newId, &detail) || !hold.commit()) {
        if (detail.isEmpty())
            detail = m_dm.store()->lastError();
        error(tr("Task copying failed; nothing was changed.") + QLatin1Char('\r') + detail);
        return false;
    }
    position(90);
    m_dm.refreshTables();
    m_dm.tasks().locate(QStringLiteral("TaskID"), newId);
    for (Cursor* list : {&m_dm.tc(), &m_dm.tb()})
        list->first();
    return true;
}

bool TaskExchange::copyLibraries(Store& exportStore) {
    Store& main = *m_dm.store();
    const QStringList missing = missingLibraryKeys(main, exportStore);
    if (!missing.isEmpty()) {
        error(
            tr("Export DB tasks use container types or box kinds\rthat the Home DB library does not hold:") +
            QLatin1Char(' ') + missing.join(QStringLiteral(", ")) + QLatin1Char('\r') +
            tr("The Export DB was not changed."));
        return false;
    }
    StoreTransaction unit(exportStore);
    int at = 10;
    for (Table library : {Table::Boxes, Table::Conts}) {
        QString detail;
        if (!unit.isActive() || !replaceLibrary(main, exportStore, library, &detail)) {
            unit.rollback();
            error(exportFileError(exportStore.tableFilePath(library)) +
                  (detail.isEmpty() ? QString() : QLatin1Char('\r') + detail));
            return false;
        }
        at += 25; // five files of the original file set per table
        position(at);
    }
    if (!unit.commit()) {
        error(exportFileError(exportStore.displayName()) + QLatin1Char('\r') + exportStore.lastError());
        return false;
    }
    return true;
}

std::shared_ptr<Store> TaskExchange::openExportStore() {
    StoreError err;
    const QString dir = m_dm.databaseDirectory(ExportDatabase);
    std::shared_ptr<Store> s = Store::openShared(dir, StoreOpenMode::ExistingOnly, &err);
    if (!s) {
        QString text = exportFileError(err.path.isEmpty() ? dir : err.path);
        if (!err.detail.isEmpty())
            text += QLatin1Char('\r') + err.detail;
        error(text);
    }
    return s;
}

QString TaskExchange::exportFileError(const QString& path) const {
    return tr("Error export file copy") + QLatin1Char(' ') + QDir::toNativeSeparators(path);
}

// ---- emptying a database ----

bool TaskExchange::EmptyActiveDatabase() {
    const int db = m_dm.ActiveDatabase;
    if (db == MainDatabase)
        return false;
    // The database's name goes where each language puts it in the sentence.
    const QString which = db == ExportDatabase ? tr("Export") : tr("Import");
    if (m_dm.conts().isEmpty() && m_dm.boxes().isEmpty() && m_dm.tasks().isEmpty()) {
        m_prompter.ask(PromptKind::Confirmation, tr("%1 DB is empty").arg(which), PromptButtons::Ok);
        return false;
    }
    if (!confirm(tr("Are you sure to delete all %1 DB data?").arg(which)))
        return false;

    emit m_dm.busyCursorChanged(true);
    emit settingsEnableRequested(false);
    m_dm.PostAllTables();
    m_dm.ActivateTables(false);
    StoreError err;
    bool ok = false;
    QString detail;
    if (auto store = Store::openShared(m_dm.databaseDirectory(db), StoreOpenMode::ExistingOnly, &err)) {
        ok = emptyDatabase(*store, &detail);
    } else {
        detail = QDir::toNativeSeparators(err.path);
    }
    const bool reopened = m_dm.ActivateTables(true);
    emit homeFocusRequested();
    refreshTaskPage();
    emit settingsEnableRequested(true);
    emit m_dm.busyCursorChanged(false);
    if (!ok)
        error(tr("The %1 DB could not be emptied; nothing was removed.").arg(which) + QLatin1Char('\r') +
              detail);
    if (!reopened)
        error(tr("DB is busy or incorrect") + QLatin1Char('\r') + QDir::toNativeSeparators(m_dm.openError()));
    return ok;
}

// ---- helpers ----

bool TaskExchange::confirm(const QString& text) {
    if (!m_dm.WarnsCheck)
        return true;
    return m_prompter.ask(PromptKind::Confirmation, text, PromptButtons::OkCancel) == PromptAnswer::Ok;
}

void TaskExchange::position(int value) {
    emit m_dm.progressPositionChanged(value);
}

void TaskExchange::error(const QString& text) {
    m_prompter.ask(PromptKind::Error, text, PromptButtons::Ok);
}

} // namespace palvane
