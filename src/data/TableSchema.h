#pragma once
// Description of the eight task database tables: their stored fields in stored order, the field
// types with their limits, and the indexes. Calculated columns are not part of it: the program
// computes them when it reads a row.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace palvane {

// The eight tables. The numbering is only the program's own order of listing them.
enum class Table { Conts, Boxes, Tasks, Tc, Tb, Solut, Distr, Posit };

// Every table, in the order of the enum.
inline constexpr Table AllTables[] = {Table::Conts, Table::Boxes, Table::Tasks, Table::Tc,
                                      Table::Tb,    Table::Solut, Table::Distr, Table::Posit};

// Stored field types. AutoInc is a 32-bit key the store assigns on insert.
enum class FieldType { AutoInc, Int16, Int32, Float, String, Boolean, Date };

// One stored field.
struct FieldDef {
    const char* name;
    FieldType type;
    int length = 0;        // maximum number of characters of a String field, else 0
    bool required = false; // the row rules refuse a row without a value
    int displayWidth = 0;  // grid width in characters, 0 when the grids show none

    // Smallest and largest value an integer field holds (AutoInc counts as 32-bit).
    qint64 minimum() const;
    qint64 maximum() const;
    // SQLite column type: INTEGER, REAL or TEXT.
    const char* sqlType() const;
};

// One index over columns of its table.
struct IndexDef {
    const char* name;
    bool unique;
    std::vector<const char*> columns;
};

// One table: its name (also its file name without ".db"), its fields and indexes.
struct TableDef {
    Table table;
    const char* name;
    std::vector<FieldDef> fields;
    std::vector<IndexDef> indexes;

    // Index of the field with this name (case-insensitive), -1 when there is none.
    int fieldIndex(const QString& fieldName) const;
    const FieldDef* field(const QString& fieldName) const;
    // Field names in stored order.
    QStringList fieldNames() const;
};

// The definition of one table.
const TableDef& tableDef(Table table);
// The definition of the table with this name (case-insensitive), nullptr when unknown.
const TableDef* tableDef(const QString& name);
// Lower-case table name, e.g. "conts".
QString tableName(Table table);
// File name of a table inside a database directory, e.g. "conts.db".
QString tableFileName(Table table);

// SQL that creates the table in the given schema ("main" or an attached name).
QString createTableSql(const TableDef& def, const QString& schema);
// SQL statements that create the table's indexes in the given schema.
QStringList createIndexSql(const TableDef& def, const QString& schema);

// Outcome of fitting a stored value into its field.
enum class FieldFit { Fits, Clamped, Truncated, Replaced };

// Brings a value read from a table file into the range of its field: integers outside the
// field's range are clamped to the nearest limit, texts longer than the field are cut to its
// length, values of the wrong kind (a text in a number field, a number that is not finite)
// become NULL, booleans become 0 or 1. A NULL stays NULL. `fit` receives what was done.
QVariant fitToField(const FieldDef& field, const QVariant& value, FieldFit* fit = nullptr);

} // namespace palvane
