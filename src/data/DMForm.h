#pragma once
// The data module: owns the cursors over the eight tables of the active database and of the
// export database, binds and opens them, keeps the module state, enforces the row rules with
// their messages and computes the current task's totals for the Task Page. Windows connect to
// its signals for the calls the rules make on them; with nothing connected those do nothing.
#include "ActiveSettings.h"
#include "ApplicationTitle.h"
#include "Cursor.h"
#include "DatabaseAliases.h"
#include "Prompter.h"
#include "Store.h"
#include "TaskTotals.h"

#include <QObject>
#include <functional>
#include <memory>

namespace palvane {

// What the rules ask of the windows (through windowStateAsked): all false when no window
// answers.
struct WindowState {
    bool taskPageBusy = false;   // the Task Page runs a long command and is disabled meanwhile
    bool selectTaskOpen = false; // the Select a Task window is open
};

// The optimiser settings a new task copies and the switch that loads a task's own settings when
// it becomes current: the active settings.
using NewTaskSettings = ActiveSettings;

class TDMForm : public QObject {
    Q_OBJECT
public:
    // Message boxes go through `prompter`, which must outlive the module.
    explicit TDMForm(Prompter* prompter, QObject* parent = nullptr);
    ~TDMForm() override;

    // ---- databases ----
    // Directory of the database with this code (0 main, 1 export, 2 import).
    void setDatabaseDirectory(int code, const QString& directory);
    QString databaseDirectory(int code) const;
    // Takes the three directories from the alias configuration.
    void setDatabaseDirectories(const DatabaseAliases& aliases);
    // The store the main cursors are bound to while they are open, else null.
    Store* store() const { return m_store.get(); }
    // The export database's store while the exchange cursors are open, else null.
    Store* exchangeStore() const;
    // What the last failed ActivateTables(true) names, else empty: the reason when known, then
    // the directory or table file (lines separated by '\r').
    QString openError() const { return m_openError; }
    // Code of the database the main cursors are bound to.
    int boundDatabase() const { return m_boundCode; }

    // ---- the cursors ----
    Cursor& conts() { return *m_conts; }
    Cursor& boxes() { return *m_boxes; }
    Cursor& tasks() { return *m_tasks; }
    Cursor& tc() { return *m_tc; }
    Cursor& tb() { return *m_tb; }
    Cursor& solut() { return *m_solut; }
    Cursor& distr() { return *m_distr; }
    Cursor& posit() { return *m_posit; }
    Cursor& exconts() { return *m_ex[0]; }
    Cursor& exboxes() { return *m_ex[1]; }
    Cursor& extasks() { return *m_ex[2]; }
    Cursor& extc() { return *m_ex[3]; }
    Cursor& extb() { return *m_ex[4]; }
    Cursor& exsolut() { return *m_ex[5]; }
    Cursor& exdistr() { return *m_ex[6]; }
    Cursor& exposit() { return *m_ex[7]; }
    // The main cursor of a table.
    Cursor& cursor(Table table);

    // ---- operations ----
    // Start-up: opens the tables, makes the remembered task current and computes the totals;
    // on failure shows "DB is busy or wrong", closes everything and asks to terminate.
    bool DataModuleCreate(qint32 taskIni);
    // The same with the remembered task `TaskIni`.
    bool DataModuleCreate() { return DataModuleCreate(TaskIni); }
    // Opens (true) or closes (false) the main cursors; false when any failed to open.
    bool ActivateTables(bool active);
    // Binds the closed main cursors to the database of the code (1 export, 2 import, else main).
    void SetTablesDatabase(int code);
    // Opens or closes the exchange cursors, always bound to the export database.
    bool ActivateExchTables(bool active);
    // Stores the pending row of every main cursor that has unsaved changes.
    bool PostAllTables();
    // Re-reads the rows of every main cursor after changes made around the cursors (a solve
    // or clear writing the solution, task copying), keeping the current rows, then the totals.
    void refreshTables();
    // TaskID of the current task, 0 when there is none.
    qint32 currentTaskId() const;
    // Sets `AreaMultiplier` from `VolMultPow` and recomputes every area column and the totals.
    void UpdateAreaMultiplier(int volMultPow);
    // Enters or leaves the edit mode of a library (conts or boxes); either way the library's
    // ask flag is set again.
    void setLibraryEditMode(Table library, bool on);
    // Whether any task of the active database lists this container type or box kind
    // (library conts or boxes, key TypeID or KindID).
    bool libraryKeyUsed(Table library, const QVariant& key);
    // Runs `body` (changes to task `taskId` through the cursors or the store) as one unit that
    // holds the task's row first (TaskHold). On a server: when another planner holds the row,
    // the error "The task is being solved by another user." and `body` does not run; when
    // `body` returns false or the unit cannot be stored, everything is undone and the cursors
    // re-read. In a directory `body` just runs. True when `body` ran, succeeded and was stored.
    bool holdTaskWhile(qint32 taskId, const std::function<bool()>& body);

    // ---- totals of the current task ----
    void TaskCntTotals();
    void TaskBoxTotals();
    void TasksCalcEff();
    // All three, once (nothing while suspended; the last request runs on resuming).
    void recomputeTotals();
    void suspendTotals();
    void resumeTotals();
    const ContTotals& contTotals() const { return m_contTotals; }
    const BoxTotals& boxTotals() const { return m_boxTotals; }
    const EffTexts& effTexts() const { return m_eff; }

    // ---- module state ----
    int ActiveDatabase = MainDatabase;
    bool ContsEditMode = false, BoxesEditMode = false;
    bool ContsEditAsk = true, BoxesEditAsk = true;
    qint32 AreaMultiplier = 1;
    qint16 TaskAvailSum = 0, TaskBoxSum = 0;
    qint32 UsedLoadWt = 0, PlacedBoxWeight = 0;
    float UsedContArea = 0, UsedContCost = 0, PlacedBoxArea = 0, PlacedBoxCost = 0;
    // The TaskID that was current in the main database when it was last left (kept by the
    // initialisation file); made current at start-up.
    qint32 TaskIni = 0;
    // The tables opened at start-up.
    bool DatabaseReady = false;
    // Program-wide switch: while cleared, confirmation questions are skipped as if confirmed.
    bool WarnsCheck = true;

    // Source of the active optimiser settings a new task copies; the defaults when unset.
    std::function<NewTaskSettings()> activeSettings;

signals:
    // The Task Page's `CurrSolutState`.
    void currSolutStateRequested();
    // The Settings window's `CurrOptSetColors` and `LoadTaskSettings`.
    void currOptSetColorsRequested();
    void loadTaskSettingsRequested();
    // Reset of the View Options' magnification and shift.
    void viewOptionsResetRequested();
    // Focus the library grid of `library` (conts or boxes) on a column (0-based).
    void libraryGridFocusRequested(palvane::Table library, int column);
    // The progress window: show with a caption, move the bar, hide.
    void progressShown(const QString& caption);
    void progressPositionChanged(int position);
    void progressHidden();
    // Hourglass cursor on or off.
    void busyCursorChanged(bool busy);
    // Enable or disable the Task Page.
    void taskPageEnableRequested(bool enabled);
    // A rule asks what the windows are doing; each window fills in its part (direct
    // connections only).
    void windowStateAsked(palvane::WindowState& state);
    // New totals texts (contTotals(), boxTotals(), effTexts()).
    void totalsChanged();
    // The tables could not be opened at start-up: the program should end.
    void terminateRequested();

private:
    struct LibrarySide;
    LibrarySide side(Table library) const;
    void createCursors();
    void addCalculatedColumns();
    void installLibraryRules(Table library);
    void installListRules(Table library);
    void installTaskRules();
    bool libraryBeforeInsert(const LibrarySide& s);
    bool libraryBeforeEdit(const LibrarySide& s);
    bool libraryBeforeDelete(const LibrarySide& s);
    // Warns and returns true when a task of the active database lists the library row.
    bool refuseDeleteOfUsedRow(const LibrarySide& s, const QVariant& key);
    // The delete of a library row as one unit with its use check (see Cursor::deleteUnit).
    bool libraryDeleteUnit(const LibrarySide& s, Cursor& c, const std::function<bool()>& write);
    bool listQuantityValidate(const LibrarySide& s, Cursor& c, const QString& field);
    bool listCostValidate(const LibrarySide& s, Cursor& c, const QString& field);
    bool listKeyValidate(const LibrarySide& s, Cursor& c, const QString& field);
    bool listBeforeDelete(const LibrarySide& s, Cursor& c);
    // Warns, drops the whole pending row and refuses the value.
    bool cancelRow(Cursor& c, const QString& warning);
    bool tasksBeforeDelete(Cursor& c);
    void tasksAfterInsert(Cursor& c);
    void afterTaskChange(bool scroll, bool post);
    // The windows' answer to windowStateAsked.
    WindowState windowState();
    // Rows of the list table (tc or tb) of any task using the key, in index order, with the
    // task names: condition "" for all, "> 0" or "= 0" on the used column.
    struct TaskUse {
        qint32 taskId;
        QString name;
    };
    std::vector<TaskUse> tasksUsing(const LibrarySide& s, const QVariant& key, const QString& usedCond);
    bool exportUses(const LibrarySide& s, const QVariant& key);
    bool openExchangeStore();
    void warn(const QString& text);
    void inform(const QString& text);
    void error(const QString& text);
    void showFittedValues();
    std::vector<Cursor*> mainCursorsInOpenOrder() const;

    Prompter* m_prompter;
    QString m_dirs[3];
    int m_boundCode = MainDatabase;
    QString m_openError; // reason and directory or file of the last failed open, '\r' between
    // Shared with other users of the same directory in this process (engine rows, exchange).
    std::shared_ptr<Store> m_store;
    std::shared_ptr<Store> m_exchStore; // the export database when it is not the bound one
    bool m_exchOpen = false;
    std::unique_ptr<Cursor> m_conts, m_boxes, m_tasks, m_tc, m_tb, m_solut, m_distr, m_posit;
    std::unique_ptr<Cursor> m_ex[8];
    int m_totalsSuspended = 0;
    bool m_deletingTask = false; // a task's rows are being deleted with it
    bool m_totalsPending = false;
    ContTotals m_contTotals;
    BoxTotals m_boxTotals;
    EffTexts m_eff;
};

} // namespace palvane
