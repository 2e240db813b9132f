#include "CursorTableModel.h"

#include "DataGrid.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>
#include <map>
#include <memory>

namespace palvane {

CursorTableModel::CursorTableModel(Cursor& cursor, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_cursor(&cursor), m_columns(std::move(columns)) {
    m_rowIds = cursorRowIds();
    connectCursor();
}

std::vector<qint64> CursorTableModel::cursorRowIds() const {
    std::vector<qint64> ids(size_t(m_cursor->rowCount()));
    for (size_t r = 0; r < ids.size(); ++r)
        ids[r] = m_cursor->rowIdAt(int(r));
    return ids;
}

void CursorTableModel::connectCursor() {
    Cursor* c = m_cursor;
    // What changed is known only once the rows are read again (rowsReset).
    connect(c, &Cursor::rowsReset, this, &CursorTableModel::rowsReread);
    connect(c, &Cursor::aboutToInsertRow, this, [this](int row) { beginInsertRows({}, row, row); });
    connect(c, &Cursor::rowInserted, this, [this](int row) {
        m_rowIds.insert(m_rowIds.begin() + std::clamp(row, 0, int(m_rowIds.size())), m_cursor->rowIdAt(row));
        endInsertRows();
    });
    connect(c, &Cursor::aboutToRemoveRow, this, [this](int row) {
        beginRemoveRows({}, row, row);
        if (row >= 0 && row < int(m_rowIds.size()))
            m_rowIds.erase(m_rowIds.begin() + row);
    });
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

void CursorTableModel::rowsReread() {
    const std::vector<qint64> now = cursorRowIds();
    std::map<qint64, int> newRowOf;
    for (size_t r = 0; r < now.size(); ++r)
        newRowOf[now[r]] = int(r);
    // Old rows by id; the pending new row (id 0) becomes the one row that was not there before.
    std::vector<int> moved(m_rowIds.size(), -1);
    int pendingRow = -1;
    bool same = now.size() == m_rowIds.size();
    for (size_t r = 0; same && r < m_rowIds.size(); ++r) {
        const auto it = newRowOf.find(m_rowIds[r]);
        if (it != newRowOf.end() && m_rowIds[r] != 0)
            moved[r] = it->second;
        else if (m_rowIds[r] == 0 && pendingRow < 0)
            pendingRow = int(r);
        else
            same = false;
    }
    if (same && pendingRow >= 0) {
        std::vector<bool> taken(now.size(), false);
        for (int m : moved)
            if (m >= 0)
                taken[size_t(m)] = true;
        const auto free = std::find(taken.begin(), taken.end(), false);
        same = free != taken.end();
        if (same)
            moved[size_t(pendingRow)] = int(free - taken.begin());
    }
    if (!same) {
        beginResetModel();
        m_rowIds = now;
        endResetModel();
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& i : from)
        to << (i.row() < int(moved.size()) ? index(moved[size_t(i.row())], i.column()) : QModelIndex());
    changePersistentIndexList(from, to);
    m_rowIds = now;
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
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
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole && section >= 0 && section < columnCount() &&
        !m_columns[size_t(section)].tip.isEmpty())
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

bool widgetInside(const QWidget* container, const QWidget* w) {
    for (const QWidget* p = w; p; p = p->parentWidget())
        if (p == container)
            return true;
    return false;
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
    if (auto* dataGrid = qobject_cast<DataGrid*>(grid))
        QObject::connect(&cursor, &Cursor::updateRecordRequested, dataGrid, &DataGrid::finishEditing);
}

} // namespace palvane
