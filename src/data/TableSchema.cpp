#include "TableSchema.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <limits>

namespace palvane {

namespace {

using T = FieldType;

std::vector<TableDef> buildTables() {
    std::vector<TableDef> t;
    t.push_back({Table::Conts,
                 "conts",
                 {{"TypeID", T::AutoInc},
                  {"Type", T::String, 25, true, 25},
                  {"Mark", T::String, 3},
                  {"Length", T::Int16, 0, true, 7},
                  {"Width", T::Int16, 0, true, 7},
                  {"LoadWt", T::Int32, 0, false, 7},
                  {"FillDir", T::String, 6, false, 6},
                  {"Temp", T::Boolean},
                  {"TaskID", T::Int32},
                  {"Descr", T::String, 75, false, 50},
                  {"Avail", T::Int16, 0, false, 6},
                  {"BusyID", T::Int32},
                  {"Cost", T::Float, 0, false, 6},
                  {"NoseWt", T::Int32, 0, false, 6},
                  {"TailWt", T::Int32, 0, false, 6},
                  {"NoseDL", T::Int16, 0, false, 6},
                  {"TailDL", T::Int16, 0, false, 6}},
                 {{"Type_ind", false, {"Type"}}}});
    t.push_back({Table::Boxes,
                 "boxes",
                 {{"KindID", T::AutoInc},
                  {"Kind", T::String, 25, true, 25},
                  {"Mark", T::String, 2},
                  {"Length", T::Int16, 0, true, 7},
                  {"Width", T::Int16, 0, true, 7},
                  {"Weight", T::Int16, 0, true, 7},
                  {"TurnOn", T::Boolean},
                  {"Temp", T::Boolean},
                  {"TaskID", T::Int32},
                  {"ColorID", T::Int32},
                  {"Descr", T::String, 75, false, 50},
                  {"Total", T::Int16, 0, false, 6},
                  {"BusyID", T::Int32},
                  {"Cost", T::Float, 0, false, 6}},
                 {{"Kind_Ind", false, {"Kind"}}}});
    t.push_back({Table::Tasks,
                 "tasks",
                 {{"TaskID", T::AutoInc},
                  {"Name", T::String, 25, true},
                  {"Solut", T::Boolean},
                  {"Descr", T::String, 75},
                  {"TurnOn", T::Boolean},
                  {"DefltOn", T::Boolean},
                  {"Power", T::Int16},
                  {"Time", T::Int16},
                  {"Rand", T::Int16},
                  {"Qw", T::Int16},
                  {"Qc", T::Int16},
                  {"Qr", T::Int16},
                  {"BB", T::Int16},
                  {"BW", T::Int16},
                  {"Last", T::Boolean},
                  {"Date", T::Date}},
                 {}});
    t.push_back({Table::Tc,
                 "tc",
                 {{"TaskID", T::Int32, 0, true},
                  {"TypeID", T::Int32, 0, true},
                  {"Avail", T::Int16, 0, false, 3},
                  {"Used", T::Int16, 0, false, 3},
                  {"Prior", T::Int16, 0, false, 3},
                  {"Cost", T::Float, 0, false, 5}},
                 {{"tc_TaskType", true, {"TaskID", "TypeID"}}}});
    t.push_back({Table::Tb,
                 "tb",
                 {{"TaskID", T::Int32, 0, true},
                  {"KindID", T::Int32, 0, true},
                  {"Total", T::Int16, 0, false, 3},
                  {"Placed", T::Int16, 0, false, 3},
                  {"Prior", T::Int16, 0, false, 3},
                  {"Bind", T::Int16, 0, false, 3},
                  {"Cost", T::Float, 0, false, 5}},
                 {{"tb_TaskKind", true, {"TaskID", "KindID"}}}});
    t.push_back({Table::Solut,
                 "solut",
                 {{"TaskID", T::Int32},
                  {"ContNo", T::Int16, 0, false, 2},
                  {"TypeID", T::Int32},
                  {"BoxLoad", T::Int16, 0, false, 3},
                  {"WgtLoad", T::Int32, 0, false, 5},
                  {"WolLoad", T::Float, 0, false, 5},
                  {"FixCont", T::Boolean},
                  {"CostLoad", T::Float, 0, false, 5},
                  {"NoseLoad", T::Int32, 0, false, 5},
                  {"TailLoad", T::Int32, 0, false, 5}},
                 {{"solut_TaskCont", false, {"TaskID", "ContNo"}}}});
    t.push_back({Table::Distr,
                 "distr",
                 {{"TaskID", T::Int32},
                  {"ContNo", T::Int16, 0, false, 3},
                  {"KindID", T::Int32},
                  {"Placed", T::Int16, 0, false, 4}},
                 {{"distr_TaskCont", false, {"TaskID", "ContNo"}}}});
    t.push_back({Table::Posit,
                 "posit",
                 {{"TaskID", T::Int32},
                  {"ContNo", T::Int16, 0, false, 2},
                  {"BoxNo", T::Int16, 0, false, 4},
                  {"KindID", T::Int32},
                  {"PosX", T::Int16, 0, false, 7},
                  {"PosY", T::Int16, 0, false, 7},
                  {"PosLh", T::Int16, 0, false, 6},
                  {"PosWh", T::Int16, 0, false, 6},
                  {"LoadNo", T::Int16, 0, false, 3}},
                 {{"posit_TaskCont", false, {"TaskID", "ContNo"}}}});
    return t;
}

const std::vector<TableDef>& tables() {
    static const std::vector<TableDef> all = buildTables();
    return all;
}

} // namespace

qint64 FieldDef::minimum() const {
    switch (type) {
    case FieldType::Int16:
        return std::numeric_limits<qint16>::min();
    case FieldType::Boolean:
        return 0;
    default:
        return std::numeric_limits<qint32>::min();
    }
}

qint64 FieldDef::maximum() const {
    switch (type) {
    case FieldType::Int16:
        return std::numeric_limits<qint16>::max();
    case FieldType::Boolean:
        return 1;
    default:
        return std::numeric_limits<qint32>::max();
    }
}

const char* FieldDef::sqlType() const {
    switch (type) {
    case FieldType::Float:
        return "REAL";
    case FieldType::String:
    case FieldType::Date:
        return "TEXT";
    default:
        return "INTEGER";
    }
}

int TableDef::fieldIndex(const QString& fieldName) const {
    for (size_t i = 0; i < fields.size(); ++i)
        if (fieldName.compare(QLatin1String(fields[i].name), Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const FieldDef* TableDef::field(const QString& fieldName) const {
    int i = fieldIndex(fieldName);
    return i < 0 ? nullptr : &fields[size_t(i)];
}

QStringList TableDef::fieldNames() const {
    QStringList names;
    for (const FieldDef& f : fields)
        names << QLatin1String(f.name);
    return names;
}

const TableDef& tableDef(Table table) {
    return tables()[size_t(table)];
}

const TableDef* tableDef(const QString& name) {
    for (const TableDef& def : tables())
        if (name.compare(QLatin1String(def.name), Qt::CaseInsensitive) == 0)
            return &def;
    return nullptr;
}

QString tableName(Table table) {
    return QLatin1String(tableDef(table).name);
}

QString tableFileName(Table table) {
    return tableName(table) + QStringLiteral(".db");
}

QString createTableSql(const TableDef& def, const QString& schema) {
    QStringList cols;
    for (const FieldDef& f : def.fields) {
        if (f.type == FieldType::AutoInc)
            cols << QStringLiteral("%1 INTEGER PRIMARY KEY AUTOINCREMENT").arg(QLatin1String(f.name));
        else
            cols << QStringLiteral("%1 %2").arg(QLatin1String(f.name), QLatin1String(f.sqlType()));
    }
    return QStringLiteral("CREATE TABLE %1.%2 (%3)")
        .arg(schema, QLatin1String(def.name), cols.join(QStringLiteral(", ")));
}

QStringList createIndexSql(const TableDef& def, const QString& schema) {
    QStringList sql;
    for (const IndexDef& ix : def.indexes) {
        QStringList cols;
        for (const char* c : ix.columns)
            cols << QLatin1String(c);
        sql << QStringLiteral("CREATE %1INDEX %2.%3 ON %4 (%5)")
                   .arg(ix.unique ? QStringLiteral("UNIQUE ") : QString(), schema, QLatin1String(ix.name),
                        QLatin1String(def.name), cols.join(QStringLiteral(", ")));
    }
    return sql;
}

QVariant fitToField(const FieldDef& field, const QVariant& value, FieldFit* fit) {
    FieldFit done = FieldFit::Fits;
    QVariant result = value;
    if (value.isNull() || !value.isValid()) {
        result = QVariant();
    } else if (field.type == FieldType::String) {
        QString s = value.toString();
        if (s.size() > field.length) {
            s.truncate(field.length);
            done = FieldFit::Truncated;
        }
        result = s;
    } else if (field.type == FieldType::Date) {
        QDate d = QDate::fromString(value.toString().left(10), Qt::ISODate);
        if (d.isValid())
            result = d;
        else {
            result = QVariant();
            done = FieldFit::Replaced;
        }
    } else if (field.type == FieldType::Float) {
        bool ok = false;
        double d = value.toDouble(&ok);
        if (!ok || !std::isfinite(d)) {
            result = QVariant();
            done = FieldFit::Replaced;
        } else
            result = d;
    } else {
        bool ok = false;
        double d = value.toDouble(&ok);
        if (!ok || !std::isfinite(d)) {
            result = QVariant();
            done = FieldFit::Replaced;
        } else if (field.type == FieldType::Boolean) {
            result = d != 0 ? 1 : 0;
            if (d != 0 && d != 1)
                done = FieldFit::Clamped;
        } else {
            qint64 v = value.toLongLong(&ok);
            if (!ok || double(v) != d) // a fraction or a value beyond 64 bits
                v = qint64(std::clamp(std::nearbyint(d), -9.0e18, 9.0e18));
            qint64 c = std::clamp(v, field.minimum(), field.maximum());
            if (c != v || double(v) != d)
                done = FieldFit::Clamped;
            result = field.type == FieldType::Int16 ? QVariant(int(c)) : QVariant(qint32(c));
        }
    }
    if (fit)
        *fit = done;
    return result;
}

} // namespace palvane
