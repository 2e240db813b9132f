#pragma once
// Drop-down editor of a grid column that takes one of a fixed list of texts ("False"/"True",
// "Length"/"Width"/"Either"); the cursor converts the chosen text to the field's value.
#include <QStringList>
#include <QStyledItemDelegate>

namespace palvane {

class ChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ChoiceDelegate(const QStringList& choices, QObject* parent = nullptr);

    const QStringList& choices() const { return m_choices; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QStringList m_choices;
};

} // namespace palvane
