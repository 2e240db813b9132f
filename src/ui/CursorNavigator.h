#pragma once
// A navigator bound to a cursor: first, prior, next and last row, and (when offered) insert and
// delete, the delete asking "Delete record?" first.
#include "Cursor.h"
#include "Prompter.h"

#include <QPointer>
#include <QTableView>
#include <QToolButton>
#include <QWidget>

namespace palvane {

class CursorNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, ButtonCount };

    CursorNavigator(Cursor& cursor, Prompter* prompter, QWidget* parent = nullptr);

    // Shows or hides the insert and delete buttons.
    void setEditButtonsVisible(bool visible);
    bool editButtonsVisible() const { return m_editVisible; }
    QToolButton* button(Button b) const { return m_buttons[b]; }
    // Presses a button as a click would.
    void press(Button b);
    // Re-reads the buttons' enabled states from the cursor.
    void updateButtons();
    // Hint texts of the buttons (language switch).
    void retranslate();
    // The grid that shows the cursor: a new row gets the focus there, on its first editable
    // cell, so what is typed next goes into that row.
    void setGrid(QTableView* grid) { m_grid = grid; }

signals:
    // A button press was carried out (the cursor may have refused it).
    void pressed(palvane::CursorNavigator::Button button);

protected:
    // A new font resizes the buttons to their glyphs.
    void changeEvent(QEvent* event) override;

private:
    void focusNewRow();
    void sizeButtons();

    Cursor& m_cursor;
    Prompter* m_prompter;
    QToolButton* m_buttons[ButtonCount] = {};
    bool m_editVisible = true;
    QPointer<QTableView> m_grid;
};

} // namespace palvane
