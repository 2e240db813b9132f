#include "LookupDelegate.h"
#include "CursorTableModel.h"
#include "GridComboBox.h"

#include <QComboBox>

namespace palvane {

LookupDelegate::LookupDelegate(Cursor& source, const QString& nameField, int rows, QObject* parent)
    : QStyledItemDelegate(parent), m_source(source), m_nameField(nameField), m_rows(rows) {}

QStringList LookupDelegate::names() const {
    QStringList l;
    for (int r = 0; r < m_source.rowCount(); ++r)
        l << m_source.valueAt(r, m_nameField).toString();
    return l;
}

QWidget* LookupDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex&) const {
    auto* box = GridComboBox::forDelegate(this, parent);
    box->setMaxVisibleItems(m_rows);
    box->addItems(names());
    return box;
}

void LookupDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    int i = -1;
    if (auto* m = qobject_cast<const CursorTableModel*>(index.model()); m && !m_keyField.isEmpty()) {
        const QVariant key = m->cursor().valueAt(index.row(), m_keyField);
        i = key.isNull() ? -1 : m_source.find(m_keyField, key);
    } else {
        i = box->findText(index.data(Qt::DisplayRole).toString());
    }
    box->setCurrentIndex(i);
}

void LookupDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    const int chosen = box->currentIndex();
    if (chosen < 0)
        return;
    auto* m = qobject_cast<CursorTableModel*>(model);
    if (m && !m_keyField.isEmpty() && chosen < m_source.rowCount()) {
        Cursor& c = m->cursor();
        const QVariant key = m_source.valueAt(chosen, m_keyField);
        if (c.currentRow() != index.row() && !c.moveTo(index.row()))
            return;
        if (!sameValue(c.value(m_keyField), key))
            c.setValue(m_keyField, key);
        return;
    }
    if (box->currentText() == index.data(Qt::DisplayRole).toString())
        return;
    model->setData(index, box->currentText(), Qt::EditRole);
}

} // namespace palvane
