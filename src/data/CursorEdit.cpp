// Cursor editing: pending inserts and edits, storing, cancelling and deleting rows.
#include "Cursor.h"

#include "Store.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace palvane {

namespace {

QVariant bindable(const FieldDef& f, const QVariant& v) {
    if (v.isNull() || !v.isValid())
        return QVariant(f.type == FieldType::String || f.type == FieldType::Date
                            ? QMetaType(QMetaType::QString)
                            : QMetaType(QMetaType::LongLong));
    switch (f.type) {
    case FieldType::Boolean:
        return QVariant(v.toBool() ? 1 : 0);
    case FieldType::Date:
        return QVariant(v.toDate().toString(Qt::ISODate));
    default:
        return v;
    }
}

} // namespace

void Cursor::showError(const QString& text) {
    if (m_prompter)
        m_prompter->ask(PromptKind::Error, text, PromptButtons::Ok);
}

void Cursor::beginInsertRow(bool atEnd) {
    int at = atEnd || m_current < 0 ? rowCount() : m_current;
    m_beforeInsertRowId = rowIdAt(m_current);
    if (emitting())
        emit aboutToInsertRow(at);
    Row r;
    r.pending = true;
    r.values.resize(int(def().fields.size()));
    m_rows.insert(m_rows.begin() + at, std::move(r));
    m_index.clear();
    m_insertRow = at;
    m_buffer = QVector<QVariant>(int(def().fields.size()));
    m_changed = QVector<bool>(m_buffer.size(), false);
    QVariantList key;
    if (m_master && masterKey(&key))
        for (int i = 0; i < m_detailFields.size() && i < key.size(); ++i) {
            int f = def().fieldIndex(m_detailFields[i]);
            if (f >= 0) {
                m_buffer[f] = key[i];
                m_changed[f] = true;
            }
        }
    int previous = m_current;
    m_current = at;
    if (emitting()) {
        emit rowInserted(at);
        emit currentChanged(m_current, previous);
    } else {
        m_resetPending = true;
    }
}

bool Cursor::insert() {
    return insertRow(false);
}

bool Cursor::append() {
    return insertRow(true);
}

bool Cursor::insertRow(bool atEnd) {
    if (!isActive() || !checkBrowseMode() || !detailsBrowseMode())
        return false;
    if (m_master && !masterAllowsRows())
        return false; // a detail row needs a master row
    if (beforeInsert && !beforeInsert(*this))
        return false;
    beginInsertRow(atEnd);
    setState(CursorState::Insert);
    if (onNewRecord)
        onNewRecord(*this);
    m_modified = false;
    notifyDetails();
    if (afterInsert)
        afterInsert(*this);
    if (afterScroll)
        afterScroll(*this);
    return true;
}

bool Cursor::edit() {
    if (isEditing())
        return true;
    if (!isActive() || m_current < 0)
        return false;
    if (beforeEdit && !beforeEdit(*this))
        return false;
    if (m_current < 0 || m_state != CursorState::Browse)
        return false; // the rule moved or closed the cursor
    m_buffer = m_rows[size_t(m_current)].values;
    m_changed = QVector<bool>(m_buffer.size(), false);
    m_modified = false;
    setState(CursorState::Edit);
    if (afterEdit)
        afterEdit(*this);
    return true;
}

bool Cursor::checkRequired() {
    const TableDef& d = def();
    for (size_t i = 0; i < d.fields.size(); ++i) {
        const FieldDef& f = d.fields[i];
        if (!f.required || f.type == FieldType::AutoInc)
            continue;
        const QVariant& v = m_buffer[int(i)];
        if (v.isNull() || (f.type == FieldType::String && v.toString().isEmpty())) {
            showError(requiredFieldText(QLatin1String(f.name)));
            return false;
        }
    }
    return true;
}

bool Cursor::writePending(qint64* newRowId) {
    const TableDef& d = def();
    QStringList cols;
    QVariantList vals;
    for (size_t i = 0; i < d.fields.size(); ++i) {
        const FieldDef& f = d.fields[i];
        if (f.type == FieldType::AutoInc)
            continue;
        if (m_state == CursorState::Edit && !m_changed[int(i)])
            continue; // untouched values stay as stored, even those read fitted
        cols << QLatin1String(f.name);
        vals << bindable(f, m_buffer[int(i)]);
    }
    QString sql;
    if (m_state == CursorState::Insert) {
        QStringList marks;
        for (int i = 0; i < cols.size(); ++i)
            marks << QStringLiteral("?");
        sql = cols.isEmpty()
                  ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tableName(m_table))
                  : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(tableName(m_table), cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    } else {
        *newRowId = rowIdAt(m_current);
        if (cols.isEmpty())
            return true;
        QStringList sets;
        for (const QString& c : cols)
            sets << c + QStringLiteral(" = ?");
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                  .arg(tableName(m_table), sets.join(QLatin1Char(',')));
        vals << *newRowId;
        if (m_server) {
            // Another planner may have changed the row since it was read: store only over the
            // version that was read.
            sql += QStringLiteral(" AND rowversion = ?");
            vals << m_rows[size_t(m_current)].version;
        }
    }
    QSqlQuery q(m_db);
    bool ok = q.prepare(sql);
    if (ok) {
        for (const QVariant& v : vals)
            q.addBindValue(v);
        ok = q.exec();
    }
    if (ok && m_server && m_state == CursorState::Edit && q.numRowsAffected() == 0) {
        m_rowConflict = true;
        m_lastError = rowChangedText();
        return false;
    }
    if (!ok) {
        m_lastError = q.lastError().text();
        if (m_server && m_table == Table::Tasks && isLockConflict(q.lastError()))
            showError(taskBusyText());
        else if (m_lastError.contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive))
            showError(tr("Key violation."));
        else
            showError(
                tr("The row could not be stored in table \"%1\":\r%2").arg(tableName(m_table), m_lastError));
        return false;
    }
    if (m_state == CursorState::Insert)
        *newRowId = q.lastInsertId().toLongLong();
    return true;
}

bool Cursor::post() {
    if (!isEditing())
        return isActive();
    if (beforePost && !beforePost(*this))
        return false;
    if (!isEditing())
        return false; // the rule cancelled the row
    if (!checkRequired())
        return false;
    qint64 rowId = 0;
    m_rowConflict = false;
    if (!writePending(&rowId)) {
        if (m_rowConflict) {
            // The pending values were made against a row that is no more: drop them and show
            // the row as it is stored now.
            cancel();
            refresh();
            showError(rowChangedText());
        }
        return false;
    }
    int previous = m_current;
    if (emitting())
        emit aboutToResetRows();
    m_buffer.clear();
    m_modified = false;
    m_insertRow = -1;
    setState(CursorState::Browse);
    readRows(rowId, m_current);
    resetSignals(previous);
    notifyDetails();
    if (afterPost)
        afterPost(*this);
    return true;
}

void Cursor::cancel() {
    if (!isEditing())
        return;
    bool wasInsert = m_state == CursorState::Insert;
    int previous = m_current;
    m_buffer.clear();
    m_modified = false;
    setState(CursorState::Browse);
    if (wasInsert) {
        int at = m_insertRow;
        m_insertRow = -1;
        if (emitting())
            emit aboutToRemoveRow(at);
        m_rows.erase(m_rows.begin() + at);
        m_index.clear();
        m_current = m_rows.empty() ? -1 : std::min(at, rowCount() - 1);
        for (int i = 0; i < rowCount(); ++i)
            if (m_beforeInsertRowId != 0 && m_rows[size_t(i)].rowId == m_beforeInsertRowId)
                m_current = i;
        if (emitting()) {
            emit rowRemoved(at);
            emit currentChanged(m_current, previous);
        } else {
            m_resetPending = true;
        }
        notifyDetails();
    } else if (emitting()) {
        emit rowChanged(m_current);
    } else {
        m_resetPending = true;
    }
    if (afterCancel)
        afterCancel(*this);
    if (wasInsert && afterScroll)
        afterScroll(*this);
}

bool Cursor::remove() {
    if (m_state == CursorState::Insert) {
        cancel();
        return true;
    }
    if (!isActive() || m_current < 0)
        return false;
    if (!detailsBrowseMode())
        return false;
    if (beforeDelete && !beforeDelete(*this))
        return false;
    if (!isActive() || m_current < 0)
        return false;
    qint64 rowId = rowIdAt(m_current);
    if (m_state == CursorState::Edit) {
        m_buffer.clear();
        m_modified = false;
        setState(CursorState::Browse);
    }
    const auto write = [this, rowId] {
        QSqlQuery q(m_db);
        bool ok = q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(tableName(m_table)));
        if (ok) {
            q.addBindValue(rowId);
            ok = q.exec();
        }
        if (!ok) {
            m_lastError = q.lastError().text();
            showError(tr("The row could not be deleted from table \"%1\":\r%2")
                          .arg(tableName(m_table), m_lastError));
        }
        return ok;
    };
    if (!(deleteUnit ? deleteUnit(*this, write) : write()))
        return false;
    int previous = m_current;
    if (emitting())
        emit aboutToResetRows();
    readRows(0, m_current);
    resetSignals(previous);
    notifyDetails();
    if (afterDelete)
        afterDelete(*this);
    if (afterScroll)
        afterScroll(*this);
    return true;
}

bool Cursor::checkBrowseMode() {
    if (emitting())
        emit updateRecordRequested();
    if (!isEditing())
        return true;
    if (m_modified)
        return post();
    cancel();
    return true;
}

bool Cursor::postIfModified() {
    if (isEditing() && m_modified)
        return post();
    return true;
}

bool Cursor::appendRecord(const QVariantList& values) {
    if (!append())
        return false;
    const TableDef& d = def();
    for (int i = 0; i < values.size() && i < int(d.fields.size()); ++i) {
        const FieldDef& f = d.fields[size_t(i)];
        if (f.type == FieldType::AutoInc || values[i].isNull() || !values[i].isValid())
            continue;
        if (!setValue(QLatin1String(f.name), values[i])) {
            cancel();
            return false;
        }
    }
    if (!isEditing())
        return false;
    if (!post()) {
        cancel();
        return false;
    }
    return true;
}

} // namespace palvane
