#include "Cursor.h"

#include "ServerSchema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace palvane {

QString requiredFieldText(const QString& field) {
    return QCoreApplication::translate("palvane::Cursor", "Field '%1' must have a value.").arg(field);
}

Cursor::Cursor(const QString& name, Table table, QObject* parent)
    : QObject(parent), m_name(name), m_table(table) {
    m_fieldRules.resize(def().fields.size());
    rebuildColumns();
}

Cursor::~Cursor() {
    if (m_master) {
        auto& d = m_master->m_details;
        d.erase(std::remove(d.begin(), d.end(), this), d.end());
    }
    for (Cursor* d : m_details)
        d->m_master = nullptr;
}

bool Cursor::setDatabase(const QSqlDatabase& db) {
    if (isActive())
        return false;
    m_db = db;
    m_server = isServerConnection(db);
    return true;
}

void Cursor::setOrder(const QStringList& fields) {
    m_order = fields;
}

void Cursor::setMaster(Cursor* master, const QStringList& masterFields, const QStringList& detailFields) {
    if (m_master) {
        auto& d = m_master->m_details;
        d.erase(std::remove(d.begin(), d.end(), this), d.end());
    }
    m_master = master;
    m_masterFields = masterFields;
    m_detailFields = detailFields;
    if (m_master)
        m_master->m_details.push_back(this);
}

void Cursor::setFieldRule(const QString& field, FieldRule rule) {
    int i = def().fieldIndex(field);
    if (i >= 0)
        m_fieldRules[size_t(i)] = std::move(rule);
}

// ---- opening and reading ----

bool Cursor::open() {
    if (isActive())
        return true;
    if (!m_db.isValid() || !m_db.isOpen()) {
        m_lastError = tr("The database of table \"%1\" is not open.").arg(tableName(m_table));
        return false;
    }
    if (emitting())
        emit aboutToResetRows();
    bool ok = readRows(0, 0);
    if (!ok) {
        m_rows.clear();
        m_current = -1;
        if (emitting())
            emit rowsReset();
        return false;
    }
    setState(CursorState::Browse);
    resetSignals(-1);
    notifyDetails();
    if (afterOpen)
        afterOpen(*this);
    return true;
}

void Cursor::close() {
    if (!isActive())
        return;
    if (emitting())
        emit aboutToResetRows();
    m_rows.clear();
    m_buffer.clear();
    m_modified = false;
    m_insertRow = -1;
    int previous = m_current;
    m_current = -1;
    m_filterKey.clear();
    setState(CursorState::Inactive);
    resetSignals(previous);
    for (Cursor* d : m_details)
        if (d->isActive())
            d->followMaster();
}

bool Cursor::refresh() {
    if (!isActive())
        return false;
    if (!checkBrowseMode())
        return false;
    int previous = m_current;
    if (emitting())
        emit aboutToResetRows();
    bool ok = readRows(rowIdAt(m_current), m_current);
    resetSignals(previous);
    notifyDetails();
    return ok;
}

void Cursor::resetSignals(int previous) {
    if (!emitting()) {
        m_resetPending = true;
        return;
    }
    emit rowsReset();
    emit currentChanged(m_current, previous);
}

bool Cursor::masterKey(QVariantList* key) const {
    key->clear();
    if (!m_master)
        return true;
    if (!m_master->isActive() || m_master->currentRow() < 0)
        return false;
    for (const QString& f : m_masterFields) {
        QVariant v = m_master->value(f);
        if (v.isNull())
            return false;
        key->append(v);
    }
    return true;
}

bool Cursor::masterAllowsRows() const {
    QVariantList key;
    return masterKey(&key);
}

void Cursor::followMaster() {
    if (!isActive())
        return;
    QVariantList key;
    masterKey(&key);
    bool sameKey = key == m_filterKey;
    if (sameKey && isEditing())
        return; // same rows: keep the pending row as it is
    if (isEditing() && !checkBrowseMode())
        cancel();
    int previous = m_current;
    if (emitting())
        emit aboutToResetRows();
    readRows(sameKey ? rowIdAt(m_current) : 0, sameKey ? m_current : 0);
    resetSignals(previous);
    notifyDetails();
}

void Cursor::notifyDetails() {
    for (Cursor* d : m_details)
        d->followMaster();
}

bool Cursor::detailsBrowseMode() {
    for (Cursor* d : m_details) {
        if (!d->isActive())
            continue;
        if (!d->detailsBrowseMode() || !d->checkBrowseMode())
            return false;
    }
    return true;
}

bool Cursor::readRows(qint64 keepRowId, int keepIndex) {
    m_index.clear();
    m_rows.clear();
    m_current = -1;
    m_fittedCount = 0;
    QVariantList key;
    bool haveKey = masterKey(&key);
    m_filterKey = key;
    if (m_master && !haveKey)
        return true; // no master row: no detail rows

    const TableDef& d = def();
    QStringList cols{QStringLiteral("rowid")};
    if (m_server)
        cols << QLatin1String(ServerRowVersionColumn);
    cols << d.fieldNames();
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(cols.join(QLatin1Char(',')), tableName(m_table));
    if (m_master) {
        QStringList conds;
        for (const QString& f : m_detailFields)
            conds << f + QStringLiteral(" = ?");
        sql += QStringLiteral(" WHERE ") + conds.join(QStringLiteral(" AND "));
    }
    QStringList order;
    for (const QString& f : m_order) {
        const FieldDef* fd = d.field(f);
        bool text = fd && fd->type == FieldType::String;
        order << (text ? caseFoldedOrder(m_db, f) : f);
    }
    order << QStringLiteral("rowid");
    sql += QStringLiteral(" ORDER BY ") + order.join(QLatin1Char(','));

    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        m_lastError = q.lastError().text();
        return false;
    }
    for (const QVariant& v : key)
        q.addBindValue(v);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return false;
    }
    const int n = int(d.fields.size());
    while (q.next()) {
        Row r;
        r.rowId = q.value(0).toLongLong();
        const int first = m_server ? 2 : 1;
        if (m_server)
            r.version = q.value(1).toLongLong();
        r.values.resize(n);
        for (int i = 0; i < n; ++i) {
            const FieldDef& f = d.fields[size_t(i)];
            FieldFit fit = FieldFit::Fits;
            QVariant v = fitToField(f, q.value(i + first), &fit);
            if (fit != FieldFit::Fits)
                ++m_fittedCount;
            if (f.type == FieldType::Boolean && !v.isNull())
                v = QVariant(v.toInt() != 0);
            r.values[i] = v;
        }
        m_rows.push_back(std::move(r));
    }
    if (m_rows.empty())
        return true;
    m_current = std::clamp(keepIndex, 0, rowCount() - 1);
    if (keepRowId != 0)
        for (int i = 0; i < rowCount(); ++i)
            if (m_rows[size_t(i)].rowId == keepRowId) {
                m_current = i;
                break;
            }
    return true;
}

void Cursor::setState(CursorState s) {
    if (m_state == s)
        return;
    m_state = s;
    emit stateChanged(s);
}

// ---- navigation ----

bool Cursor::moveCurrent(int row) {
    if (!isActive() || row < 0 || row >= rowCount())
        return false;
    if (!checkBrowseMode())
        return false;
    if (row >= rowCount())
        return false;
    if (row == m_current)
        return true;
    if (!detailsBrowseMode())
        return false;
    int previous = m_current;
    m_current = row;
    if (emitting())
        emit currentChanged(m_current, previous);
    else
        m_resetPending = true;
    notifyDetails();
    if (afterScroll)
        afterScroll(*this);
    return true;
}

bool Cursor::first() {
    return checkBrowseMode() && moveCurrent(0);
}

bool Cursor::prior() {
    return checkBrowseMode() && m_current > 0 && moveCurrent(m_current - 1);
}

bool Cursor::next() {
    return checkBrowseMode() && m_current >= 0 && moveCurrent(m_current + 1);
}

bool Cursor::last() {
    return checkBrowseMode() && moveCurrent(rowCount() - 1);
}

bool Cursor::moveTo(int row) {
    if (row < 0 || row >= rowCount())
        return false;
    // Storing or dropping a pending row re-orders the rows: aim at the row itself.
    qint64 id = rowIdAt(row);
    bool pendingTarget = isEditing() && row == m_current;
    if (!checkBrowseMode())
        return false;
    if (pendingTarget)
        return true;
    for (int i = 0; i < rowCount(); ++i)
        if (m_rows[size_t(i)].rowId == id)
            return moveCurrent(i);
    return false;
}

bool Cursor::locate(const QStringList& fields, const QVariantList& values) {
    if (!isActive() || fields.size() != values.size())
        return false;
    if (!checkBrowseMode())
        return false;
    for (int r = 0; r < rowCount(); ++r) {
        bool match = true;
        for (int i = 0; i < fields.size() && match; ++i)
            match = sameValue(valueAt(r, fields[i]), values[i]);
        if (match)
            return moveCurrent(r);
    }
    return false;
}

int Cursor::find(const QString& field, const QVariant& value) const {
    for (int r = 0; r < rowCount(); ++r)
        if (sameValue(valueAt(r, field), value))
            return r;
    return -1;
}

// ---- display updates ----

void Cursor::disableControls() {
    ++m_disableCount;
}

void Cursor::enableControls() {
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0 && m_resetPending) {
        m_resetPending = false;
        emit aboutToResetRows();
        emit rowsReset();
        emit currentChanged(m_current, -1);
    }
}

void Cursor::setCalcSuspended(bool suspended) {
    if (m_calcSuspended == suspended)
        return;
    m_calcSuspended = suspended;
    notifyValuesChanged();
}

void Cursor::notifyValuesChanged() {
    if (emitting())
        emit valuesChanged();
    else
        m_resetPending = true;
}

} // namespace palvane
