#pragma once
// A table model over one cursor: the rows of the cursor, a chosen list of its columns with
// titles, widths and colours, editing through the cursor (so its rules apply) and the cursor's
// change signals turned into model signals.
#include "Cursor.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <vector>

class QTableView;

namespace palvane {

// One grid column: the cursor column shown, its title and designed width; a hidden column
// keeps its place (so column indexes count it) but is not shown.
struct GridColumn {
    GridColumn(const QString& field_, const QString& title_ = QString(), int width_ = 64,
               bool hidden_ = false, bool readOnly_ = false)
        : field(field_), title(title_), width(width_), hidden(hidden_), readOnly(readOnly_) {}
    QString field;
    QString title;
    int width = 64;
    bool hidden = false;
    bool readOnly = false;
    QString tip;       // hint shown over the column title; empty: none
    QColor foreground; // invalid: the grid's default
    QColor background; // invalid: the grid's default
};

class CursorTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CursorTableModel(Cursor& cursor, std::vector<GridColumn> columns, QObject* parent = nullptr);

    Cursor& cursor() const { return *m_cursor; }
    const std::vector<GridColumn>& gridColumns() const { return m_columns; }
    GridColumn& gridColumn(int column) { return m_columns[size_t(column)]; }
    // Column index of a cursor field, -1 when not shown.
    int columnOf(const QString& field) const;
    // The whole grid read-only (a solved task) or editable where the columns allow it.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    // Sets a column's title (language switch).
    void setTitle(int column, const QString& title);
    // Sets the hint shown over a column's title (language switch).
    void setTip(int column, const QString& tip);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void connectCursor();
    bool columnEditable(int column) const;

    Cursor* m_cursor;
    std::vector<GridColumn> m_columns;
    bool m_readOnly = false;
};

// Keeps a grid's current cell on the cursor's current row as the cursor moves, re-reads its rows
// or gets a new row. The cell stays in the column last chosen in the grid: storing a pending row
// re-reads the rows (a model reset, which forgets the grid's current cell), and a click on a cell
// of another row must still land in the clicked column.
void followCursorRow(QTableView* grid, Cursor& cursor);

} // namespace palvane
