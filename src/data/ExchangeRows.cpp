#include "ExchangeRows.h"

#include "Store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <vector>

namespace palvane {

namespace {

using Row = QVariantList;

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

// The stored fields of a table except the ones named.
QStringList fieldsExcept(Table table, const QStringList& skip) {
    QStringList l;
    for (const QString& f : tableDef(table).fieldNames())
        if (!skip.contains(f, Qt::CaseInsensitive))
            l << f;
    return l;
}

bool selectRows(Store& s, const QString& sql, const QVariantList& binds, std::vector<Row>* rows,
                QString* error) {
    QSqlQuery q(s.database());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        return fail(error, q.lastError().text());
    for (const QVariant& b : binds)
        q.addBindValue(b);
    if (!q.exec())
        return fail(error, q.lastError().text());
    const int n = q.record().count();
    while (q.next()) {
        Row r;
        r.reserve(n);
        for (int i = 0; i < n; ++i)
            r << q.value(i);
        rows->push_back(r);
    }
    return true;
}

bool insertRow(Store& s, Table table, const QStringList& fields, const Row& values, QString* error,
               qint32* newId = nullptr) {
    QStringList marks;
    for (qsizetype i = 0; i < fields.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery q(s.database());
    if (!q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(tableName(table), fields.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))))
        return fail(error, q.lastError().text());
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        return fail(error, q.lastError().text());
    if (newId)
        *newId = q.lastInsertId().toInt();
    return true;
}

// Selects the given fields of a task's rows in the table's own order.
QString taskRowsSql(Table table, const QStringList& fields, const QString& where, const QString& order) {
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %4, rowid")
        .arg(fields.join(QLatin1Char(',')), tableName(table), where, order);
}

// Copies the rows a query selects into `target`, with `newId` as their first field (TaskID).
bool copyRows(Store& source, Store& target, Table table, const QString& where, const QVariantList& binds,
              qint32 newId, QString* error) {
    const QStringList fields = fieldsExcept(table, {QStringLiteral("TaskID")});
    std::vector<Row> rows;
    const QString order = table == Table::Tc   ? QStringLiteral("TaskID, TypeID")
                          : table == Table::Tb ? QStringLiteral("TaskID, KindID")
                                               : QStringLiteral("TaskID, ContNo");
    if (!selectRows(source, taskRowsSql(table, fields, where, order), binds, &rows, error))
        return false;
    const QStringList all = QStringList{QStringLiteral("TaskID")} + fields;
    for (Row& r : rows) {
        r.prepend(newId);
        if (!insertRow(target, table, all, r, error))
            return false;
    }
    return true;
}

bool copySolution(Store& source, qint32 taskId, Store& target, qint32 newId, QString* error) {
    std::vector<Row> containers;
    if (!selectRows(
            source,
            QStringLiteral("SELECT ContNo FROM solut WHERE TaskID = ? ORDER BY TaskID, ContNo, rowid"),
            {taskId}, &containers, error))
        return false;
    // solut rows one container at a time, each followed by its distr and posit rows.
    std::vector<Row> done;
    for (const Row& c : containers) {
        const QVariant contNo = c.value(0);
        if (std::find(done.begin(), done.end(), c) != done.end())
            continue; // a second solut row of the same container was copied with the first
        done.push_back(c);
        const QString where = QStringLiteral("TaskID = ? AND ContNo IS NOT DISTINCT FROM ?");
        for (Table t : {Table::Solut, Table::Distr, Table::Posit})
            if (!copyRows(source, target, t, where, {taskId, contNo}, newId, error))
                return false;
    }
    return true;
}

int countRows(Store& s, const QString& sql, const QVariantList& binds, QString* error) {
    std::vector<Row> rows;
    if (!selectRows(s, sql, binds, &rows, error) || rows.empty())
        return -1;
    return rows.front().value(0).toInt();
}

} // namespace

bool replaceLibrary(Store& source, Store& target, Table library, QString* error) {
    const QStringList fields = tableDef(library).fieldNames();
    std::vector<Row> rows;
    if (!selectRows(source,
                    QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                        .arg(fields.join(QLatin1Char(',')), tableName(library)),
                    {}, &rows, error))
        return false;
    StoreTransaction unit(target);
    if (!unit.isActive())
        return fail(error, target.lastError());
    QSqlQuery clear(target.database());
    if (!clear.exec(QStringLiteral("DELETE FROM %1").arg(tableName(library))))
        return fail(error, clear.lastError().text());
    for (const Row& r : rows)
        if (!insertRow(target, library, fields, r, error))
            return false;
    return unit.commit() || fail(error, target.lastError());
}

QStringList missingLibraryKeys(Store& source, Store& target) {
    QStringList missing;
    struct Use {
        Table list, library;
        const char* key;
    };
    for (const Use& u : {Use{Table::Tc, Table::Conts, "TypeID"}, Use{Table::Tb, Table::Boxes, "KindID"}}) {
        std::vector<Row> used, present;
        const QString key = QLatin1String(u.key);
        QString err;
        if (!selectRows(target,
                        QStringLiteral("SELECT DISTINCT %1 FROM %2 ORDER BY %1").arg(key, tableName(u.list)),
                        {}, &used, &err) ||
            !selectRows(source, QStringLiteral("SELECT %1 FROM %2").arg(key, tableName(u.library)), {},
                        &present, &err)) {
            missing << err;
            continue;
        }
        for (const Row& r : used)
            if (std::find(present.begin(), present.end(), r) == present.end())
                missing << key + QLatin1Char(' ') + r.value(0).toString();
    }
    return missing;
}

bool copyTask(Store& source, qint32 taskId, Store& target, TaskCopyParts parts, qint32* newId, QString* error,
              const CopyProgress& progress) {
    auto at = [&progress](int position) {
        if (progress)
            progress(position);
    };
    const QStringList taskFields = fieldsExcept(Table::Tasks, {QStringLiteral("TaskID")});
    std::vector<Row> task;
    if (!selectRows(
            source,
            taskRowsSql(Table::Tasks, taskFields, QStringLiteral("TaskID = ?"), QStringLiteral("TaskID")),
            {taskId}, &task, error))
        return false;
    if (task.empty())
        return fail(error, QStringLiteral("task %1 not found").arg(taskId));
    StoreTransaction unit(target);
    if (!unit.isActive())
        return fail(error, target.lastError());
    qint32 id = 0;
    if (!insertRow(target, Table::Tasks, taskFields, task.front(), error, &id))
        return false;
    at(70);
    const QString where = QStringLiteral("TaskID = ?");
    if (!copyRows(source, target, Table::Tc, where, {taskId}, id, error))
        return false;
    at(80);
    if (!copyRows(source, target, Table::Tb, where, {taskId}, id, error))
        return false;
    at(90);
    if (parts == TaskCopyParts::ListsAndSolution && !copySolution(source, taskId, target, id, error))
        return false;
    if (!unit.commit())
        return fail(error, target.lastError());
    if (newId)
        *newId = id;
    return true;
}

QString duplicateName(const QString& name) {
    const int length = tableDef(Table::Tasks).field(QStringLiteral("Name"))->length;
    return (name + QStringLiteral(" -dupl")).left(length);
}

bool duplicateTask(Store& store, qint32 taskId, const QDate& today, qint32* newId, QString* error) {
    StoreTransaction unit(store);
    if (!unit.isActive())
        return fail(error, store.lastError());
    qint32 id = 0;
    if (!copyTask(store, taskId, store, TaskCopyParts::ListsOnly, &id, error))
        return false;
    QSqlQuery q(store.database());
    q.prepare(QStringLiteral("UPDATE tasks SET Name = ?, Solut = 0, Date = ? WHERE TaskID = ?"));
    std::vector<Row> name;
    if (!selectRows(store, QStringLiteral("SELECT Name FROM tasks WHERE TaskID = ?"), {id}, &name, error) ||
        name.empty())
        return fail(error, error && !error->isEmpty() ? *error : QStringLiteral("task %1 not found").arg(id));
    q.addBindValue(duplicateName(name.front().value(0).toString()));
    q.addBindValue(today.toString(Qt::ISODate));
    q.addBindValue(id);
    if (!q.exec())
        return fail(error, q.lastError().text());
    for (const char* sql :
         {"UPDATE tc SET Used = 0 WHERE TaskID = ?", "UPDATE tb SET Placed = 0 WHERE TaskID = ?"}) {
        QSqlQuery u(store.database());
        u.prepare(QLatin1String(sql));
        u.addBindValue(id);
        if (!u.exec())
            return fail(error, u.lastError().text());
    }
    if (!unit.commit())
        return fail(error, store.lastError());
    if (newId)
        *newId = id;
    return true;
}

bool emptyDatabase(Store& store, QString* error) {
    StoreTransaction unit(store);
    if (!unit.isActive())
        return fail(error, store.lastError());
    for (Table t : {Table::Distr, Table::Posit, Table::Solut, Table::Tb, Table::Tc, Table::Tasks,
                    Table::Conts, Table::Boxes}) {
        QSqlQuery q(store.database());
        if (!q.exec(QStringLiteral("DELETE FROM %1").arg(tableName(t))))
            return fail(error, q.lastError().text());
    }
    return unit.commit() || fail(error, store.lastError());
}

int tableRowCount(Store& store, Table table) {
    QString error;
    return countRows(store, QStringLiteral("SELECT COUNT(*) FROM %1").arg(tableName(table)), {}, &error);
}

} // namespace palvane
