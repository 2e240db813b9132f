#pragma once
// Select a Task `TNameForm`: the task list of the active database. Moving in the list makes a
// task current; the task can be deleted with all its rows.
#include "CursorTableModel.h"
#include "DMForm.h"

#include <QDialog>
#include <QPushButton>
#include <QTableView>

namespace palvane {

class TNameForm : public QDialog {
    Q_OBJECT
public:
    TNameForm(TDMForm& dm, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the window modally; the data module's rules learn it is open meanwhile.
    int showModal();
    // Deletes the current task after the question (the data module's cascade).
    void DeleteButtonClick();
    // Enables Duplicate while the main database is active and task copying is offered.
    void updateButtons();
    // Whether task copying exists; Duplicate stays disabled without it.
    bool duplicateAvailable = false;

    QTableView* DBGrid1;
    CursorTableModel* Model;
    QPushButton *DeleteButton, *DuplButton, *CloseButton;

signals:
    // Duplicate was pressed (task copying).
    void duplicateRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A language switch re-sets the texts at once.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    TDMForm& m_dm;
    Prompter& m_prompter;
    bool m_modal = false; // showModal() runs
};

} // namespace palvane
