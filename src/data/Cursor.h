#pragma once
// A cursor: an independently positioned, ordered view of one table of a task database, with a
// current row, a pending insert or edit, looked-up and calculated columns, an optional
// master-detail filter, and rule hooks that may refuse each operation. Windows and item models
// read and edit the tables only through cursors; the data module sets the rules.
#include "Prompter.h"
#include "TableSchema.h"

#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <vector>

namespace palvane {

// What the cursor is doing: closed, browsing, holding a new row or holding changes of a row.
enum class CursorState { Inactive, Browse, Insert, Edit };

// Where a column's value comes from.
enum class ColumnKind { Stored, Lookup, Calculated };

// One column of a cursor: a stored field, a column looked up in another cursor, or a column
// computed from the row.
struct ColumnInfo {
    QString name;
    ColumnKind kind = ColumnKind::Stored;
    FieldType type = FieldType::Int32;
    int length = 0; // maximum characters of a text column, else 0
    bool required = false;
    int displayWidth = 0;  // grid width in characters, 0 when not given
    bool readOnly = false; // autoinc, looked-up and calculated columns
    // Number format of the grids: "0.##" (up to two decimals) or "0.00" (two decimals);
    // empty for the plain value.
    QString displayFormat;
};

class Cursor : public QObject {
    Q_OBJECT
public:
    // Before-events: return false to refuse the operation (the cursor stays as it was).
    using RowRule = std::function<bool(Cursor&)>;
    // After-events and new-row initialisation.
    using RowEvent = std::function<void(Cursor&)>;
    // Field validation: value(field) already returns the proposed value; return false to
    // refuse it (the old value comes back unless the rule cancelled the whole row).
    using FieldRule = std::function<bool(Cursor&, const QString& field)>;
    // A calculated column of one row; `row` reads that row's stored and looked-up values.
    using CalcFunc = std::function<QVariant(const Cursor& cursor, int row)>;

    Cursor(const QString& name, Table table, QObject* parent = nullptr);
    ~Cursor() override;

    // The cursor's own name ("tc", "tcs", "extc", ...) and its table.
    QString name() const { return m_name; }
    Table table() const { return m_table; }
    const TableDef& def() const { return tableDef(m_table); }

    // ---- set-up (while closed) ----
    // Binds the cursor to a connection; refused (false) while the cursor is open.
    bool setDatabase(const QSqlDatabase& db);
    QSqlDatabase database() const { return m_db; }
    // Row order by stored fields; ties keep the store's insertion order.
    void setOrder(const QStringList& fields);
    // Restricts the rows to those whose detailFields equal masterFields of the master's
    // current row, and follows the master as it moves or changes.
    void setMaster(Cursor* master, const QStringList& masterFields, const QStringList& detailFields);
    Cursor* master() const { return m_master; }
    // Adds read-only columns `fields` taken from the row of `source` whose `sourceKey` equals
    // this row's `key`. Setting such a column sets the key to the row found by that value.
    void addLookup(Cursor* source, const QString& key, const QString& sourceKey, const QStringList& fields);
    // Adds a calculated column.
    void addCalculated(const QString& name, FieldType type, CalcFunc calc);
    // Message boxes of the cursor's own refusals (bad values, missing required values, store
    // failures); none are shown when null.
    void setPrompter(Prompter* prompter) { m_prompter = prompter; }

    // ---- rule hooks (the data module sets them) ----
    RowRule beforeInsert, beforeEdit, beforeDelete, beforePost;
    RowEvent onNewRecord, afterInsert, afterEdit, afterPost, afterCancel, afterDelete, afterScroll, afterOpen;
    // Validation of one stored field by name.
    void setFieldRule(const QString& field, FieldRule rule);
    // Runs the store's delete of the current row (`write`, which says why when it fails) inside
    // a unit of the data module's own, whose checks must still hold when the row goes; false
    // refuses the delete (the unit has said why). Without it the row is deleted directly.
    using WriteUnit = std::function<bool(Cursor&, const std::function<bool()>& write)>;
    WriteUnit deleteUnit;

    // ---- opening ----
    bool open();
    void close();
    bool isActive() const { return m_state != CursorState::Inactive; }
    CursorState state() const { return m_state; }
    bool isEditing() const { return m_state == CursorState::Insert || m_state == CursorState::Edit; }
    // Re-reads the rows (after checkBrowseMode), keeping the current row where it still exists.
    bool refresh();
    // Last database error text of a failed read or write.
    QString lastError() const { return m_lastError; }
    // Number of stored values that were outside their fields' limits when the rows were last
    // read; they are shown fitted and stored so only when their field is changed.
    int fittedValueCount() const { return m_fittedCount; }

    // ---- columns ----
    const std::vector<ColumnInfo>& columns() const { return m_columns; }
    int columnIndex(const QString& name) const;
    // Sets the display format of a column (see ColumnInfo::displayFormat).
    void setDisplayFormat(const QString& column, const QString& format);
    // Text a grid shows for a column of a row: numbers in the column's format, booleans as
    // "True"/"False", dates as YYYY-MM-DD, empty for null.
    QString displayText(int row, const QString& column) const;
    bool hasColumn(const QString& name) const { return columnIndex(name) >= 0; }

    // ---- rows and navigation ----
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    int currentRow() const { return m_current; } // -1 when there is no row
    bool first();
    bool prior();
    bool next();
    bool last();
    bool moveTo(int row);
    // Makes the first row whose fields equal the values current; false when none matches.
    bool locate(const QStringList& fields, const QVariantList& values);
    bool locate(const QString& field, const QVariant& value) {
        return locate(QStringList{field}, QVariantList{value});
    }
    // Index of the first row whose field equals value, -1 when none.
    int find(const QString& field, const QVariant& value) const;

    // ---- values ----
    // Value of a column of the current row (the pending values while inserting or editing);
    // null when there is no current row or the column is unknown.
    QVariant value(const QString& column) const;
    // Value of a column of any row.
    QVariant valueAt(int row, const QString& column) const;
    // Shorthands that read null as 0, false and "".
    int intValue(const QString& column) const { return value(column).toInt(); }
    double floatValue(const QString& column) const { return value(column).toDouble(); }
    QString textValue(const QString& column) const { return value(column).toString(); }
    // Assigns a value to a column of the current row, entering edit first when browsing.
    // Converts and checks it against the field (type, range, length), then runs the field's
    // rule; false when refused, with the old value kept.
    bool setValue(const QString& column, const QVariant& value);
    // A column of the pending row was changed since insert or edit began.
    bool isModified() const { return m_modified; }

    // ---- editing ----
    // New pending row before the current one (insert) or after the last (append).
    bool insert();
    bool append();
    // Begins editing the current row.
    bool edit();
    // Stores the pending row; false when refused (the row stays pending).
    bool post();
    // Drops the pending insert or edit.
    void cancel();
    // Deletes the current row (cancels a pending insert instead).
    bool remove();
    // Stores pending changes, or drops an unchanged pending row; false when storing failed.
    bool checkBrowseMode();
    // Stores the pending row only if it has changes.
    bool postIfModified();
    // Appends a row from values in stored field order (null or missing values stay empty; the
    // autoinc key is assigned by the store) and stores it. Rules apply as for typed values.
    bool appendRecord(const QVariantList& values);
    // Store id (rowid) of a row; the autoinc key for tables that have one.
    qint64 rowIdAt(int row) const;

    // ---- display updates and calculated columns ----
    // Nested suspension of the change signals; resuming sends one reset.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disableCount > 0; }
    // Calculated columns read as null while suspended.
    void setCalcSuspended(bool suspended);
    bool calcSuspended() const { return m_calcSuspended; }
    // Tells item models that looked-up or calculated values may have changed.
    void notifyValuesChanged();

signals:
    // Item-model style change notifications (not sent while controls are disabled).
    void aboutToResetRows();
    void rowsReset();
    void aboutToInsertRow(int row);
    void rowInserted(int row);
    void aboutToRemoveRow(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    void valuesChanged();
    void currentChanged(int current, int previous);
    void stateChanged(palvane::CursorState state);
    // Sent before the cursor leaves the current row or its edit state: bound grids store what an
    // open editor holds into the current row (and close it) first.
    void updateRecordRequested();

private:
    struct Row {
        qint64 rowId = 0;
        qint64 version = 0;       // the row version on a server, 0 in a table file
        QVector<QVariant> values; // stored fields in schema order
        bool pending = false;     // the new row of a pending insert
    };
    struct Lookup {
        Cursor* source = nullptr;
        int keyField = -1;
        QString sourceKey;
        QStringList fields;
    };
    struct Calculated {
        QString name;
        CalcFunc calc;
    };

    bool readRows(qint64 keepRowId, int keepIndex);
    bool masterKey(QVariantList* key) const;
    bool masterAllowsRows() const;
    void followMaster();
    void notifyDetails();
    bool detailsBrowseMode();
    void resetSignals(int previous);
    bool moveCurrent(int row);
    void setState(CursorState s);
    void rebuildColumns();
    const Row* rowPtr(int row) const;
    QVariant storedAt(int row, int field) const;
    QVariant lookupValue(int row, const Lookup& lk, const QString& field) const;
    int lookupRowOf(const QVariant& key, const QString& sourceKey) const;
    bool convertValue(const FieldDef& f, const QVariant& in, QVariant* out);
    bool setLookupColumn(const Lookup& lk, const QString& field, const QVariant& v);
    bool checkRequired();
    bool writePending(qint64* newRowId);
    void showError(const QString& text);
    void beginInsertRow(bool atEnd);
    bool insertRow(bool atEnd);
    bool emitting() const { return m_disableCount == 0; }

    QString m_name;
    Table m_table;
    QSqlDatabase m_db;
    bool m_server = false;      // m_db goes to a server: edits check the row version
    bool m_rowConflict = false; // the last write found the row changed by another user
    Prompter* m_prompter = nullptr;
    QStringList m_order;
    Cursor* m_master = nullptr;
    QStringList m_masterFields, m_detailFields;
    QVariantList m_filterKey;
    std::vector<Cursor*> m_details;
    std::vector<Lookup> m_lookups;
    std::vector<Calculated> m_calcs;
    std::vector<ColumnInfo> m_columns;
    QHash<QString, int> m_columnByName;  // exact names; other spellings are searched
    std::vector<FieldRule> m_fieldRules; // by stored field index

    CursorState m_state = CursorState::Inactive;
    std::vector<Row> m_rows;
    int m_current = -1;
    QVector<QVariant> m_buffer; // pending values while inserting or editing
    QVector<bool> m_changed;    // fields changed in the buffer
    bool m_modified = false;
    int m_insertRow = -1;           // index of the pending new row
    qint64 m_beforeInsertRowId = 0; // row that was current when the insert began
    int m_disableCount = 0;
    bool m_calcSuspended = false;
    bool m_resetPending = false;
    int m_fittedCount = 0;
    QString m_lastError;
    // Row of each value of one integer column, for lookups; rebuilt on demand, checked on use.
    mutable QString m_indexField;
    mutable QHash<qint64, int> m_index;
};

// Equality of two column values: null equals only null, numbers compare by value, texts
// exactly.
bool sameValue(const QVariant& a, const QVariant& b);

// Text of a refusal because a required field is empty.
QString requiredFieldText(const QString& field);

} // namespace palvane
