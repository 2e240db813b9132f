#pragma once
// Drop-down editor of a grid's looked-up name column: offers the names of the library rows
// (container types or box kinds) and sets the chosen one, which the cursor turns into the key.
#include "Cursor.h"

#include <QStyledItemDelegate>

namespace palvane {

class LookupDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // `source` is the library cursor, `nameField` its name column, `rows` the drop-down height.
    LookupDelegate(Cursor& source, const QString& nameField, int rows, QObject* parent = nullptr);

    // The names offered, in the library's order.
    QStringList names() const;
    // The key column shared by the library and the grid's cursor ("TypeID", "KindID"). Once
    // set, the row chosen in the drop-down sets the key itself, so of two library rows with the
    // same name the one chosen is taken, not the first.
    void setKeyField(const QString& keyField) { m_keyField = keyField; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    Cursor& m_source;
    QString m_nameField;
    int m_rows;
    QString m_keyField;
};

} // namespace palvane
