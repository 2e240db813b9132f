#include "LookupDelegate.h"

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
    auto* box = new QComboBox(parent);
    box->setMaxVisibleItems(m_rows);
    box->addItems(names());
    return box;
}

void LookupDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    const int i = box->findText(index.data(Qt::DisplayRole).toString());
    box->setCurrentIndex(i);
}

void LookupDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    if (box->currentIndex() < 0)
        return;
    if (box->currentText() == index.data(Qt::DisplayRole).toString())
        return;
    model->setData(index, box->currentText(), Qt::EditRole);
}

} // namespace palvane
