#include "CursorTableModel.h"

#include <QItemSelectionModel>
#include <algorithm>
#include <QTableView>
#include <memory>

namespace palvane {

CursorTableModel::CursorTableModel(Cursor& cursor, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_cursor(&cursor), m_columns(std::move(columns)) {
    connectCursor();
}

void CursorTableModel::connectCursor() {
    Cursor* c = m_cursor;
    connect(c, &Cursor::aboutToResetRows, this, [this] { beginResetModel(); });
    connect(c, &Cursor::rowsReset, this, [this] { endResetModel(); });
    connect(c, &Cursor::aboutToInsertRow, this, [this](int row) { beginInsertRows({}, row, row); });
    connect(c, &Cursor::rowInserted, this, [this](int) { endInsertRows(); });
    connect(c, &Cursor::aboutToRemoveRow, this, [this](int row) { beginRemoveRows({}, row, row); });
    connect(c, &Cursor::rowRemoved, this, [this](int) { endRemoveRows(); });
    connect(c, &Cursor::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount() && columnCount() > 0)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(c, &Cursor::valuesChanged, this, [this] {
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    });
}

int CursorTableModel::columnOf(const QString& field) const {
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

void CursorTableModel::setReadOnly(bool readOnly) {
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void CursorTableModel::setTitle(int column, const QString& title) {
    if (column < 0 || column >= columnCount())
        return;
    m_columns[size_t(column)].title = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void CursorTableModel::setTip(int column, const QString& tip) {
    if (column < 0 || column >= columnCount())
        return;
    m_columns[size_t(column)].tip = tip;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int CursorTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cursor->rowCount();
}

int CursorTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant CursorTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const GridColumn& col = m_columns[size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return m_cursor->displayText(index.row(), col.field);
    case Qt::EditRole: {
        // Cells are edited as text, so what is typed reaches the cursor's conversion and range
        // checks with their messages; a number editor would silently drop what it cannot take
        // ("1.5" becoming 15, "-1e9" becoming -19). Truth values keep their drop-down.
        const QVariant v = m_cursor->valueAt(index.row(), col.field);
        if (v.typeId() == QMetaType::Bool)
            return v;
        return v.isNull() ? QString() : v.toString();
    }
    case Qt::TextAlignmentRole: {
        // Numbers right-aligned, texts and truth values left-aligned.
        const int ci = m_cursor->columnIndex(col.field);
        const FieldType t = ci >= 0 ? m_cursor->columns()[size_t(ci)].type : FieldType::String;
        const bool number = t != FieldType::String && t != FieldType::Boolean && t != FieldType::Date;
        return QVariant::fromValue(
            Qt::Alignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter));
    }
    case Qt::ForegroundRole:
        return col.foreground.isValid() ? QVariant(col.foreground) : QVariant();
    case Qt::BackgroundRole:
        return col.background.isValid() ? QVariant(col.background) : QVariant();
    default:
        return {};
    }
}

bool CursorTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !columnEditable(index.column()))
        return false;
    if (m_cursor->currentRow() != index.row() && !m_cursor->moveTo(index.row()))
        return false;
    const GridColumn& col = m_columns[size_t(index.column())];
    if (sameValue(m_cursor->value(col.field), value))
        return true;
    // An empty text clears the value.
    QVariant v = value;
    if (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty())
        v = QVariant();
    const bool ok = m_cursor->setValue(col.field, v);
    const int row = m_cursor->currentRow();
    if (row >= 0 && row < rowCount())
        emit dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
    return ok;
}

QVariant CursorTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return m_columns[size_t(section)].title;
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole && section >= 0 && section < columnCount()
        && !m_columns[size_t(section)].tip.isEmpty())
        return m_columns[size_t(section)].tip;
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool CursorTableModel::columnEditable(int column) const {
    if (m_readOnly || column < 0 || column >= columnCount())
        return false;
    const GridColumn& col = m_columns[size_t(column)];
    if (col.readOnly)
        return false;
    const int ci = m_cursor->columnIndex(col.field);
    if (ci < 0)
        return false;
    const ColumnInfo& info = m_cursor->columns()[size_t(ci)];
    // A looked-up name column chooses the row it is looked up from; other looked-up and
    // calculated columns are the library's.
    return !info.readOnly || info.kind == ColumnKind::Lookup;
}

Qt::ItemFlags CursorTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (columnEditable(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

void followCursorRow(QTableView* grid, Cursor& cursor) {
    auto column = std::make_shared<int>(0);
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, grid,
                     [column](const QModelIndex& now) {
                         if (now.isValid())
                             *column = now.column();
                     });
    auto follow = [grid, &cursor, column] {
        const int row = cursor.currentRow();
        QAbstractItemModel* model = grid->model();
        if (row < 0 || row >= model->rowCount())
            return;
        const int col = std::clamp(*column, 0, std::max(model->columnCount() - 1, 0));
        if (grid->currentIndex().row() != row)
            grid->setCurrentIndex(model->index(row, col));
    };
    QObject::connect(&cursor, &Cursor::currentChanged, grid, follow);
    QObject::connect(&cursor, &Cursor::rowsReset, grid, follow);
    QObject::connect(&cursor, &Cursor::rowInserted, grid, follow);
}

} // namespace palvane
