#pragma once
// Typing into the program's grids as a user does: select a cell, open its editor with F2 (so the
// windows' key guards see the key), replace the text or pick a drop-down entry, commit with
// Return. Also a snapshot of a task's stored plan for comparing solves.
#include "DMForm.h"
#include "Store.h"
#include "UiTestUtil.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTest>

namespace palvane::test {

// Types any text into a widget key by key; letters beyond ASCII (and characters outside the
// basic plane) arrive as key events carrying their text, as an input method delivers them.
inline void typeText(QWidget* w, const QString& text) {
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 128 && c.unicode() >= 32) {
            QTest::keyClick(w, c.toLatin1());
            continue;
        }
        const int n = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString piece = text.mid(i, n);
        QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, piece, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, piece, Qt::NoModifier);
        i += n - 1;
    }
}

// The open editor of a grid (a direct child of its viewport), null when none is open.
inline QWidget* openEditor(QTableView* grid) {
    for (QWidget* w : grid->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible())
            return w;
    return nullptr;
}

// Selects the cell and presses F2; the editor that opened, or null when the window refused.
inline QWidget* beginEdit(QTableView* grid, int row, int column) {
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, column));
    QTest::keyClick(grid, Qt::Key_F2);
    return openEditor(grid);
}

// Types `text` over a cell's old text and presses Return. False when no editor opened or the
// editor did not take text (drop-down editors).
inline bool typeCell(QTableView* grid, int row, int column, const QString& text) {
    QWidget* ed = beginEdit(grid, row, column);
    if (!ed || qobject_cast<QComboBox*>(ed))
        return false;
    if (auto* le = qobject_cast<QLineEdit*>(ed))
        le->clear();
    else if (auto* sb = qobject_cast<QAbstractSpinBox*>(ed))
        sb->clear();
    typeText(ed, text);
    QTest::keyClick(ed, Qt::Key_Return);
    QApplication::processEvents();
    return openEditor(grid) == nullptr;
}

// Picks an entry of a cell's drop-down by its text and presses Return. False when the cell has
// no drop-down or the entry is not offered.
inline bool chooseCell(QTableView* grid, int row, int column, const QString& text) {
    auto* box = qobject_cast<QComboBox*>(beginEdit(grid, row, column));
    if (!box)
        return false;
    const int i = box->findText(text);
    if (i < 0) {
        QTest::keyClick(box, Qt::Key_Escape);
        return false;
    }
    box->setCurrentIndex(i);
    QTest::keyClick(box, Qt::Key_Return);
    QApplication::processEvents();
    return openEditor(grid) == nullptr;
}

// The stored plan of a task as text lines: containers, kinds per container and every box
// position, in a fixed order.
inline QStringList planSnapshot(TDMForm& dm, qint32 taskId) {
    QStringList lines;
    QSqlQuery q(dm.store()->database());
    const QString id = QString::number(taskId);
    const QString queries[] = {
        QStringLiteral(
            "SELECT ContNo, TypeID, BoxLoad, WgtLoad, WolLoad, FixCont FROM solut WHERE TaskID = %1 "
            "ORDER BY ContNo"),
        QStringLiteral("SELECT ContNo, KindID, Placed FROM distr WHERE TaskID = %1 ORDER BY ContNo, KindID"),
        QStringLiteral("SELECT ContNo, BoxNo, KindID, PosX, PosY, PosLh, PosWh, LoadNo FROM posit "
                       "WHERE TaskID = %1 ORDER BY ContNo, BoxNo")};
    for (const QString& sql : queries) {
        if (!q.exec(sql.arg(id)))
            return {QStringLiteral("query failed: ") + sql};
        while (q.next()) {
            QStringList v;
            for (int i = 0; i < q.record().count(); ++i)
                v << q.value(i).toString();
            lines << v.join(QLatin1Char(';'));
        }
        lines << QStringLiteral("--");
    }
    return lines;
}

} // namespace palvane::test
