#pragma once
// The Task Page `TTasksForm`: the program's main window. It shows the current task with its
// container and box lists and totals, lets the user browse, insert and delete tasks, solve and
// clear, and opens the other windows. Creating it (FormCreate) runs the first start-up steps.
#include "CursorNavigator.h"
#include "CursorTableModel.h"
#include "DMForm.h"
#include "HelpMenu.h"
#include "HomeFolder.h"
#include "LookupDelegate.h"
#include "PlanningSession.h"
#include "Progress.h"
#include "SolveSettings.h"
#include "UpDown.h"
#include "WaitForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace palvane {

class TNameForm;

// The secondary windows that place themselves next to the Task Page after it was created or
// resized.
enum class RepositionWindow {
    BoxLibrary,
    ContainerLibrary,
    Settings,
    ViewOptions,
    Disposition,
    SolutionPage,
    Count
};

class TTasksForm : public QWidget {
    Q_OBJECT
public:
    // The result of the start-up steps the Task Page's creation runs.
    enum class CreateResult { Ok, Terminate };

    TTasksForm(TDMForm& dm, Prompter& prompter, QWidget* parent = nullptr);
    ~TTasksForm() override;

    // ---- start-up (creation steps 2 to 9) ----
    // Makes the home folder current, checks that it can be written, prepares and checks the
    // database directories, loads the settings and sets the window's initial state.
    CreateResult FormCreate(const HomeFolder& home);
    // Reads the settings file; set by the program before FormCreate (nothing when unset).
    std::function<void()> loadIni;
    // Writes the settings file when the page closes with the main database active.
    std::function<void()> saveIni;
    // The write check of a directory: writes, reads back and deletes "z-temp-pr.bat".
    static bool DataDirWriteCheck(const QString& directory);
    // The three database aliases as FormCreate found them.
    const DatabaseAliases* aliases() const { return m_aliases.get(); }

    // ---- state ----
    bool TaskSolved = false;
    // 10 to this power is the area multiplier (0 to 6).
    int VolMultPow = 0;
    // Asked by the Print commands before anything else (the report printer's check): true when
    // the reports are unavailable, after saying so; the command then prints nothing. Unset:
    // never refused.
    std::function<bool()> reportsRefused;
    // Set by FormCreate when the home folder had neither "databases.ini" nor "korvan.ini": the
    // program creates it now, and a missing settings file is no news to the user.
    bool FirstStart = false;
    bool reposition(RepositionWindow w) const { return m_reposition[int(w)]; }
    void clearReposition(RepositionWindow w) { m_reposition[int(w)] = false; }
    // The planning session: the plan of the task it holds (see UpdatePositTT), Solve and Clear.
    PlanningSession& session() { return m_session; }
    const PlanView& plan() const { return m_session.plan(); }
    // The layout search of a Solve; the product's own unless a test sets another.
    void setLayoutSearch(LayoutSearch* search) { m_session.setLayoutSearch(search); }
    // The progress window of Solve, Clear and the long table operations; Esc in it sets the
    // session's abort flag. Without it the operations run without a progress display.
    void setWaitForm(TWaitForm* form);
    TWaitForm* waitForm() const { return m_wait; }
    // Extra progress receiver (tests); gets every engine report after the progress window.
    void setProgressListener(ProgressSink* listener) { m_listener = listener; }
    void setNameForm(TNameForm* form) { m_nameForm = form; }
    TNameForm* nameForm() const { return m_nameForm; }

    // ---- operations offered to the data module and other windows ----
    void CurrSolutState();
    // Shows which database is active in ExchLabel (visible only off the main database).
    void exchLabelState();
    void TasksControls(bool enabled);
    void SolutControls(bool solved);
    void CurrDfltTurns(bool on);
    void NewFileNameCaption();
    // False for the keys that do not change data (Windows key codes), true for all others.
    static bool EditKeys(int key);
    // Windows key code of a Qt key (the codes EditKeys tests).
    static int virtualKey(int qtKey);
    // Shows why a key cannot edit the grids; true when a message was shown.
    bool GridEditWarn(int key);
    void ValidNameEdit();
    // Shows the data module's totals texts.
    void showTotals();
    // Takes VolMltUp's position as `VolMultPow`; `refresh` re-reads the area columns.
    void UpdateAreaMultiplier(bool refresh);
    // Saves the design widths at the first call, then widens the grid columns.
    void scaleGridColumns();

    // ---- commands ----
    void RunButtonClick();
    void TaskButtonClick();
    void PrintButtonClick();
    void ExitButtonClick();
    void ViewButtonClick();
    void ResultButtonClick();
    // Lays the current task's stored plan out in the session when it holds another task
    // (hourglass, page disabled meanwhile); View and Solution of this page and the Solution
    // Page's View run it.
    void UpdatePositTT() { rebuildIfNeeded(); }
    // Runs an operation inside the busy frame (progress window, hourglass, page disabled).
    void busyFrame(const std::function<void()>& operation);

    // ---- controls ----
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10,
        *Label11, *Label12, *Label13, *Label14, *Label15, *Label19, *VolLabel1, *VolLabel2, *ExchLabel;
    QLineEdit *NameEdit, *DescrEdit, *DateEdit;
    QPushButton *TaskButton, *ContsButton, *BoxesButton, *RunButton, *ViewButton, *ResultButton, *OptButton,
        *PrintButton, *HelpButton, *ExitButton;
    CursorNavigator *TasksNavigator, *ContsNavigator, *BoxesNavigator;
    QTableView *ContsGrid, *BoxesGrid;
    CursorTableModel *ContsModel, *BoxesModel;
    LookupDelegate *ContsTypeDelegate, *BoxesKindDelegate;
    QLineEdit *EffWgt, *EffVol, *AvlNmb, *AvlWgt, *AvlVol, *UsdNmb, *UsdWgt, *UsdVol, *TotNmb, *TotWgt,
        *TotVol, *LftNmb, *LftWgt, *LftVol, *CostPck, *VolMltEdit;
    QCheckBox *DBCheckDflt, *DBCheckTurn;
    UpDown* VolMltUp;
    // The "?" button's pop-up menu: Help, About, Acknowledgements, Language.
    palvane::HelpMenu* HelpPopup;

    // The background of the columns and totals the libraries own.
    static QColor yellowColor() { return QColor(254, 254, 222); }
    static QColor aquaColor() { return QColor(0, 255, 255); }
    static QColor disabledColor() { return QColor(242, 242, 242); }
    // The smallest size the Task Page is designed for; its texts may ask for more.
    static constexpr QSize DesignMinimum{702, 520};
    // Saved design widths of a grid: column widths (-1 hidden), their sum, the grid's width.
    const std::vector<qint16>& designWidths(const QTableView* grid) const;

signals:
    // Requests for the windows other parts of the program bring.
    void containerLibraryRequested();
    void boxLibraryRequested();
    void settingsRequested();
    void viewRequested();
    void solutionRequested();
    void printRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void layoutControls();
    void createGrids();
    QTableView* makeGrid(CursorTableModel* model, const QString& hint);
    void retranslate();
    void connectDataModule();
    void bindTaskEdits();
    void showTaskRow();
    void storeTaskField(const QString& field, const QVariant& value);
    // Stores the name and description edits' texts when they differ from the task row.
    void storeTaskEdits();
    void syncGridRow(QTableView* grid, Cursor& cursor);
    void setRunButtonSolved(bool solved);
    void rebuildIfNeeded();
    // The checks before a Solve (limits, oversized kinds) and the Solve itself.
    void solveWithChecks();
    void solveCurrentTask(const SolveSettings& settings);
    // Before a Solve: names the box kinds that fit no container of the task in one warning.
    void warnOversizedKinds(const std::vector<std::string>& kinds);
    void clearCurrentSolution();
    void setAllReposition();
    void showProgress(const QString& caption);
    void placeWaitForm();
    void hideProgress();
    QWidget* focusedGrid() const;

    TDMForm& m_dm;
    Prompter& m_prompter;
    std::unique_ptr<DatabaseAliases> m_aliases;
    PlanningSession m_session;
    TWaitForm* m_wait = nullptr;
    ProgressSink* m_listener = nullptr;
    TNameForm* m_nameForm = nullptr;
    QString m_savedDirectory;
    std::vector<qint16> m_contsDesign, m_boxesDesign;
    bool m_reposition[int(RepositionWindow::Count)] = {};
    bool m_showingRow = false;
    bool m_closed = false;
    bool m_busy = false; // busyFrame() runs a command with the page disabled
};

} // namespace palvane
