// Cursor columns and values: stored, looked-up and calculated columns, and the conversion and
// checking of assigned values against their fields.
#include "Cursor.h"

#include <QDate>
#include <cmath>
#include <limits>

namespace palvane {

bool sameValue(const QVariant& a, const QVariant& b) {
    bool an = a.isNull() || !a.isValid(), bn = b.isNull() || !b.isValid();
    if (an || bn)
        return an && bn;
    auto isText = [](const QVariant& v) { return v.typeId() == QMetaType::QString; };
    if (isText(a) && isText(b))
        return a.toString() == b.toString();
    bool okA = false, okB = false;
    double da = a.toDouble(&okA), db = b.toDouble(&okB);
    if (okA && okB)
        return da == db;
    return a.toString() == b.toString();
}

void Cursor::rebuildColumns() {
    QHash<QString, QString> formats;
    for (const ColumnInfo& c : m_columns)
        if (!c.displayFormat.isEmpty())
            formats.insert(c.name, c.displayFormat);
    m_columns.clear();
    for (const FieldDef& f : def().fields)
        m_columns.push_back({QLatin1String(f.name), ColumnKind::Stored, f.type, f.length, f.required,
                             f.displayWidth, f.type == FieldType::AutoInc, QString()});
    for (const Lookup& lk : m_lookups)
        for (const QString& name : lk.fields) {
            ColumnInfo c;
            int si = lk.source->columnIndex(name);
            if (si >= 0)
                c = lk.source->columns()[size_t(si)];
            c.name = name;
            c.kind = ColumnKind::Lookup;
            c.required = false;
            c.readOnly = true;
            m_columns.push_back(c);
        }
    for (const Calculated& c : m_calcs) {
        ColumnInfo info;
        info.name = c.name;
        info.kind = ColumnKind::Calculated;
        info.readOnly = true;
        m_columns.push_back(info);
    }
    m_columnByName.clear();
    for (size_t i = 0; i < m_columns.size(); ++i) {
        m_columns[i].displayFormat = formats.value(m_columns[i].name);
        m_columnByName.insert(m_columns[i].name, int(i));
    }
}

void Cursor::addLookup(Cursor* source, const QString& key, const QString& sourceKey,
                       const QStringList& fields) {
    m_lookups.push_back({source, def().fieldIndex(key), sourceKey, fields});
    rebuildColumns();
    // Looked-up values follow changes of the source rows.
    auto changed = [this] { notifyValuesChanged(); };
    connect(source, &Cursor::rowsReset, this, changed);
    connect(source, &Cursor::rowChanged, this, changed);
    connect(source, &Cursor::valuesChanged, this, changed);
}

void Cursor::addCalculated(const QString& name, FieldType type, CalcFunc calc) {
    m_calcs.push_back({name, std::move(calc)});
    rebuildColumns();
    m_columns.back().type = type;
}

void Cursor::setDisplayFormat(const QString& column, const QString& format) {
    int c = columnIndex(column);
    if (c >= 0)
        m_columns[size_t(c)].displayFormat = format;
}

QString Cursor::displayText(int row, const QString& column) const {
    const QVariant v = valueAt(row, column);
    if (v.isNull() || !v.isValid())
        return QString();
    int c = columnIndex(column);
    const ColumnInfo& info = m_columns[size_t(c)];
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(Qt::ISODate);
    if (info.displayFormat == QLatin1String("0.00"))
        return QString::number(v.toDouble(), 'f', 2);
    if (info.displayFormat == QLatin1String("0.##")) {
        QString t = QString::number(v.toDouble(), 'f', 2);
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
        return t == QLatin1String("-0") ? QStringLiteral("0") : t;
    }
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

int Cursor::columnIndex(const QString& name) const {
    auto exact = m_columnByName.constFind(name);
    if (exact != m_columnByName.constEnd())
        return exact.value();
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

qint64 Cursor::rowIdAt(int row) const {
    if (row < 0 || row >= rowCount())
        return 0;
    return m_rows[size_t(row)].rowId;
}

QVariant Cursor::storedAt(int row, int field) const {
    if (row < 0 || row >= rowCount() || field < 0)
        return QVariant();
    if (row == m_current && isEditing())
        return m_buffer.value(field);
    return m_rows[size_t(row)].values.value(field);
}

int Cursor::lookupRowOf(const QVariant& key, const QString& sourceKey) const {
    if (key.isNull())
        return -1;
    bool ok = false;
    const qint64 k = key.toLongLong(&ok);
    if (!ok)
        return find(sourceKey, key);
    if (m_index.isEmpty() || m_indexField != sourceKey) {
        m_index.clear();
        m_indexField = sourceKey;
        for (int r = rowCount() - 1; r >= 0; --r)
            m_index.insert(valueAt(r, sourceKey).toLongLong(), r);
    }
    // The index may be stale after a pending change: trust it only when the row still matches.
    int r = m_index.value(k, -1);
    if (r >= 0 && r < rowCount() && sameValue(valueAt(r, sourceKey), key))
        return r;
    return find(sourceKey, key);
}

QVariant Cursor::lookupValue(int row, const Lookup& lk, const QString& field) const {
    int src = lk.source->lookupRowOf(storedAt(row, lk.keyField), lk.sourceKey);
    return src < 0 ? QVariant() : lk.source->valueAt(src, field);
}

QVariant Cursor::value(const QString& column) const {
    return valueAt(m_current, column);
}

QVariant Cursor::valueAt(int row, const QString& column) const {
    if (row < 0 || row >= rowCount())
        return QVariant();
    const int nStored = int(def().fields.size());
    int c = columnIndex(column);
    if (c < 0)
        return QVariant();
    if (c < nStored)
        return storedAt(row, c);
    c -= nStored;
    for (const Lookup& lk : m_lookups) {
        if (c < lk.fields.size())
            return lookupValue(row, lk, lk.fields[c]);
        c -= int(lk.fields.size());
    }
    if (m_calcSuspended || c >= int(m_calcs.size()))
        return QVariant();
    return m_calcs[size_t(c)].calc(*this, row);
}

bool Cursor::convertValue(const FieldDef& f, const QVariant& in, QVariant* out) {
    const QString name = QLatin1String(f.name);
    QString text = in.toString();
    bool isText = in.typeId() == QMetaType::QString;
    if (in.isNull() || !in.isValid() || (isText && text.trimmed().isEmpty() && f.type != FieldType::String) ||
        (isText && text.isEmpty())) {
        *out = QVariant();
        return true;
    }
    switch (f.type) {
    case FieldType::String:
        if (text.size() > f.length) {
            showError(
                tr("The text for field '%1' is too long: at most %2 characters.").arg(name).arg(f.length));
            return false;
        }
        *out = text;
        return true;
    case FieldType::Boolean: {
        if (in.typeId() == QMetaType::Bool) {
            *out = in.toBool();
            return true;
        }
        QString t = text.trimmed().toLower();
        if (t == QLatin1String("t") || t == QLatin1String("true") || t == QLatin1String("1"))
            *out = true;
        else if (t == QLatin1String("f") || t == QLatin1String("false") || t == QLatin1String("0"))
            *out = false;
        else {
            showError(tr("Enter 'f' (false) or 't' (true)"));
            return false;
        }
        return true;
    }
    case FieldType::Date: {
        QDate d =
            in.typeId() == QMetaType::QDate ? in.toDate() : QDate::fromString(text.trimmed(), Qt::ISODate);
        if (!d.isValid()) {
            showError(tr("'%1' is not a valid date").arg(text));
            return false;
        }
        *out = d;
        return true;
    }
    case FieldType::Float: {
        bool ok = false;
        double d = isText ? text.trimmed().toDouble(&ok) : in.toDouble(&ok);
        // The engine and the grids take these values as single-precision floats.
        if (!ok || !std::isfinite(d) || std::fabs(d) > double(std::numeric_limits<float>::max())) {
            showError(tr("'%1' is not a valid floating point value").arg(text));
            return false;
        }
        *out = d;
        return true;
    }
    default: { // integers
        bool ok = false;
        qint64 v = 0;
        if (isText) {
            v = text.trimmed().toLongLong(&ok);
        } else if (in.typeId() == QMetaType::Bool) {
            v = in.toBool() ? 1 : 0;
            ok = true;
        } else {
            double d = in.toDouble(&ok);
            ok = ok && std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 9.0e18;
            v = ok ? qint64(d) : 0;
        }
        if (!ok) {
            showError(tr("'%1' is not a valid integer value").arg(text));
            return false;
        }
        if (v < f.minimum() || v > f.maximum()) {
            showError(tr("'%1' is not a valid value for field '%2'. The allowed range is %3 to %4")
                          .arg(QString::number(v), name, QString::number(f.minimum()),
                               QString::number(f.maximum())));
            return false;
        }
        *out = int(v);
        return true;
    }
    }
}

bool Cursor::setLookupColumn(const Lookup& lk, const QString& field, const QVariant& v) {
    int src = lk.source->find(field, v);
    if (src < 0) {
        if (!v.isNull() && !v.toString().isEmpty()) {
            showError(tr("'%1' is not found in the list.").arg(v.toString()));
            return false;
        }
        return setValue(QLatin1String(def().fields[size_t(lk.keyField)].name), QVariant());
    }
    return setValue(QLatin1String(def().fields[size_t(lk.keyField)].name),
                    lk.source->valueAt(src, lk.sourceKey));
}

bool Cursor::setValue(const QString& column, const QVariant& value) {
    const int nStored = int(def().fields.size());
    int c = columnIndex(column);
    if (c < 0 || !isActive())
        return false;
    if (c >= nStored) {
        int k = c - nStored;
        for (const Lookup& lk : m_lookups) {
            if (k < lk.fields.size())
                return lk.keyField >= 0 && setLookupColumn(lk, lk.fields[k], value);
            k -= int(lk.fields.size());
        }
        return false; // calculated columns are read-only
    }
    const FieldDef& f = def().fields[size_t(c)];
    if (f.type == FieldType::AutoInc)
        return false;
    if (m_state == CursorState::Browse && !edit())
        return false;
    if (!isEditing())
        return false;
    QVariant converted;
    if (!convertValue(f, value, &converted))
        return false;
    if (sameValue(converted, m_buffer[c]) && converted.isNull() == m_buffer[c].isNull())
        return true;
    const int row = m_current;
    QVariant old = m_buffer[c];
    m_buffer[c] = converted;
    const FieldRule& rule = m_fieldRules[size_t(c)];
    if (rule && !rule(*this, QLatin1String(f.name))) {
        if (isEditing() && m_current == row)
            m_buffer[c] = old;
        return false;
    }
    if (!isEditing())
        return false; // the rule dropped the row
    m_changed[c] = true;
    m_modified = true;
    if (emitting())
        emit rowChanged(m_current);
    else
        m_resetPending = true;
    return true;
}

} // namespace palvane
