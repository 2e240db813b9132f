#pragma once
// Task exchange between the main, export and import databases: switching the data module's
// cursors to another database and back, adding the current task with its solution to the export
// database, duplicating the current task inside the main database and emptying the export or
// import database. Questions and messages go through the prompter; the busy frame (hourglass,
// progress window, disabled windows) is asked for through the data module's and this object's
// signals, and its closing steps run also when a command fails.
#include "DMForm.h"
#include "Prompter.h"

#include <QDate>
#include <QObject>
#include <functional>

namespace palvane {

class TaskExchange : public QObject {
    Q_OBJECT
public:
    // Works on the cursors and databases of `dm`; both must outlive the object.
    TaskExchange(TDMForm& dm, Prompter& prompter, QObject* parent = nullptr);

    // Binds the cursors to the database of `code` (0 main, 1 export, 2 import). Leaving the main
    // database remembers its current task in `TaskIni`. When the database cannot be opened:
    // "DB is busy or incorrect" and the previous database stays active. True on success.
    bool SwitchDatabase(int code);
    // Switches back to the main database and makes the task `TaskIni` current again.
    bool SwitchHome();
    // Adds the current task with its lists and solution to the export database (`exportTask`
    // true) or duplicates it inside the main database (false); both first give the export
    // database a copy of the main database's container and box libraries. True when the task
    // was copied.
    bool TaskCopying(bool exportTask);
    // Removes all rows of the active export or import database after the question. True when
    // the rows were removed.
    bool EmptyActiveDatabase();

    // The day a duplicate is dated with; today unless a test sets another source.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

signals:
    // The Settings window is disabled while a command runs and enabled afterwards.
    void settingsEnableRequested(bool enabled);
    // Another database became active (the exchange page updates its buttons).
    void databaseSwitched();
    // The engine's stored layout no longer matches the tables (`WorkspaceTaskID` = 0).
    void workspaceOutdated();
    // The exchange page's HomeButton should take the focus (after emptying a database).
    void homeFocusRequested();

private:
    bool exportCurrentTask(qint32 taskId);
    bool duplicateCurrentTask(qint32 taskId);
    // Gives the export database the main database's libraries; false with the message shown.
    bool copyLibraries(Store& exportStore);
    std::shared_ptr<Store> openExportStore();
    bool confirm(const QString& text);
    void position(int value);
    void error(const QString& text);
    // The closing steps every command ends with: Task Page state and totals, cursor.
    void refreshTaskPage();
    QString exportFileError(const QString& path) const;

    TDMForm& m_dm;
    Prompter& m_prompter;
};

} // namespace palvane
