#include "ChoiceDelegate.h"
#include "GridComboBox.h"

#include <QComboBox>

namespace palvane {

ChoiceDelegate::ChoiceDelegate(const QStringList& choices, QObject* parent)
    : QStyledItemDelegate(parent), m_choices(choices) {}

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex&) const {
    auto* box = GridComboBox::forDelegate(this, parent);
    box->addItems(m_choices);
    return box;
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    // The shown text ("True", "Length") names the entry; an empty value selects none.
    const int i = box->findText(index.data(Qt::DisplayRole).toString(), Qt::MatchFixedString);
    box->setCurrentIndex(i);
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    if (box->currentIndex() < 0)
        return;
    model->setData(index, box->currentText(), Qt::EditRole);
}

} // namespace palvane
