#pragma once
// The common part of the twin library windows (Box Library, Container Library): one grid over
// the library cursor, the browse and edit modes, Reset, "Copy to", Edit/Fix, Print/Clear and
// Close along the bottom. The twins give their cursor, columns and texts.
#include "CursorNavigator.h"
#include "CursorTableModel.h"
#include "DMForm.h"
#include "DataGrid.h"
#include "TasksForm.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <set>

namespace palvane {

// A library grid's model: right-aligns the text columns the library wants right-aligned.
class LibraryTableModel : public CursorTableModel {
    Q_OBJECT
public:
    LibraryTableModel(Cursor& cursor, std::vector<GridColumn> columns, std::set<QString> rightAligned,
                      QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The quantity column's title on light grey.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Tells the grid that colours and editability of every cell may have changed.
    void refreshAll();

private:
    std::set<QString> m_rightAligned;
};

// What differs between the twins.
struct LibraryTraits {
    Table library;     // Table::Boxes or Table::Conts
    QString quantity;  // Total or Avail
    QString key;       // KindID or TypeID
    QString nameField; // Kind or Type
    int helpContext;   // 11 or 9
    QSize minimumSize; // 598 x 225 or 650 x 225
    RepositionWindow placement;
};

class LibraryForm : public QDialog {
    Q_OBJECT
public:
    LibraryForm(TDMForm& dm, Prompter& prompter, TTasksForm& page, const LibraryTraits& traits,
                std::vector<GridColumn> columns, std::set<QString> rightAligned, QWidget* parent = nullptr);
    ~LibraryForm() override;

    // Shows the window modally (always in browse mode).
    int showModal();
    // Asked by the Print commands before anything else (the report printer's check): true when
    // the reports are unavailable, after saying so; the command then prints nothing. Unset:
    // never refused.
    std::function<bool()> reportsRefused;
    // The library's mode flag (`BoxesEditMode` / `ContsEditMode`).
    bool editMode() const;

    // ---- commands ----
    void EditButtonClick();
    void ResetButtonClick();
    void MoveButtonClick();
    // "Copy to": the rows with a quantity go into the task's list.
    void copyQuantitiesTo(qint32 taskId);
    // Print in browse mode, Clear in edit mode.
    void ClearButtonClick();
    void CloseButtonClick();
    // Enables "Copy to" in browse mode for a current task without a stored solution.
    void moveButtonState();
    // Tells why a key cannot change the selected column; true when a message was shown.
    bool MessEdit(int key);
    // Switches to edit mode or back to browse mode with every control change.
    void enterEditMode();
    void leaveEditMode();

    // ---- controls ----
    QTableView* DBGrid1;
    LibraryTableModel* Model;
    QPushButton *ResetButton, *MoveButton, *EditButton, *ClearButton, *CloseButton;
    QLineEdit* NameDBEdit;
    CursorNavigator* DBNavigator1;

    const LibraryTraits& traits() const { return m_traits; }
    Cursor& library() const;
    Cursor& list() const;

signals:
    // Print was confirmed: the library report should be printed.
    void printRequested();

protected:
    // The question asked before a temporary row is deleted by Clear, and its buttons.
    virtual QString clearQuestion(const QString& name) const = 0;
    virtual PromptButtons clearButtons() const = 0;
    virtual QString printQuestion() const = 0;
    // Places the window below the Task Page: top and height of the first placement.
    virtual void firstPlacement(int screenHeight, int* top, int* height) const = 0;
    // Re-sets the texts (language switch); the twins add theirs.
    virtual void retranslate();
    // The layout row of buttons, for a twin to add its own.
    QHBoxLayout* buttonRow() const { return m_buttons; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A language switch re-sets the texts at once.
    void changeEvent(QEvent* event) override;
    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    TDMForm& m_dm;
    Prompter& m_prompter;
    TTasksForm& m_page;

private:
    void setMode(bool edit);
    void showTaskName();
    void place();
    // Library rows whose quantity is above 0.
    std::vector<int> rowsWithQuantity() const;

    LibraryTraits m_traits;
    QHBoxLayout* m_buttons;
};

} // namespace palvane
