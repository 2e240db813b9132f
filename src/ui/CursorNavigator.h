#pragma once
// A navigator bound to a cursor: first, prior, next and last row, and (when offered) insert and
// delete, the delete asking "Delete record?" first.
#include "Cursor.h"
#include "Prompter.h"

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

signals:
    // A button press was carried out (the cursor may have refused it).
    void pressed(palvane::CursorNavigator::Button button);

protected:
    // A new font resizes the buttons to their glyphs.
    void changeEvent(QEvent* event) override;

private:
    void sizeButtons();

    Cursor& m_cursor;
    Prompter* m_prompter;
    QToolButton* m_buttons[ButtonCount] = {};
    bool m_editVisible = true;
};

} // namespace palvane
