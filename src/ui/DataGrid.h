#pragma once
// The grid of the windows' data lists (Task Page lists, libraries): a table view whose cell
// editing never leaves the keyboard focus outside the grid behind it.
#include <QPointer>
#include <QTableView>

namespace palvane {

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    // Stores what the open editor holds into its row and closes it, as leaving the cell would.
    // A button that takes no focus (the navigators') calls this, through the cursor, before it
    // moves, inserts or stores rows: the editor's row index would otherwise shift under it.
    void finishEditing();

protected:
    void commitData(QWidget* editor) override;
    // Two ways the focus could leave the grid when an editor closes, both after a value was
    // refused: the refusal's message took the focus from the editor while it stored (the
    // window would later give its focus to its first control, the task name), or the refusal
    // dropped the new row the editor was on (the view released the editor already and the
    // focus moved on to the next control). The grid takes the focus back instead, so the next
    // keystrokes go to the row shown as current.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // The editor whose value is being stored, and whether it had the window's focus then.
    QPointer<QWidget> m_committing;
    bool m_committingHadFocus = false;
    bool m_inCommit = false; // storing a value may move the cursor, which asks to finish again
};

} // namespace palvane
