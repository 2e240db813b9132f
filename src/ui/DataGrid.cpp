#include "DataGrid.h"

#include "CursorTableModel.h"

#include <QApplication>

namespace palvane {

namespace {

// The editor has the focus, or would get it back when its window is active again.
bool holdsFocus(const QWidget* editor) {
    return editor->hasFocus() || widgetInside(editor, editor->window()->focusWidget());
}

} // namespace

DataGrid::DataGrid(QWidget* parent) : QTableView(parent) {}

void DataGrid::commitData(QWidget* editor) {
    m_committing = editor;
    m_committingHadFocus = editor && holdsFocus(editor);
    m_inCommit = true;
    QTableView::commitData(editor);
    m_inCommit = false;
}

void DataGrid::finishEditing() {
    if (m_inCommit || state() != EditingState)
        return;
    QWidget* editor = indexWidget(currentIndex());
    if (!editor)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void DataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (!editor)
        return;
    const bool hadFocus = holdsFocus(editor) || (editor == m_committing && m_committingHadFocus);
    m_committing = nullptr;
    // A shown grid shows its open editors; a hidden one of its viewport's was released with the
    // row it edited.
    const bool released = isVisible() && !editor->isVisible() && editor->parentWidget() == viewport();
    if (released)
        setState(NoState);
    else
        QTableView::closeEditor(editor, hint);
    if (hadFocus && isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus &&
        !widgetInside(this, QApplication::focusWidget()))
        setFocus(Qt::OtherFocusReason);
}

} // namespace palvane
