// The server side of Store: opening a schema of a PostgreSQL database and the row locks that
// keep several planners' changes apart.
#include "ServerLocation.h"
#include "ServerSchema.h"
#include "Store.h"

#include <QAtomicInt>
#include <QLockFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace palvane {

namespace {

// How long a statement waits for a row another connection holds before it fails (a row edit
// of a task that is being solved elsewhere, for instance), rather than hanging the program.
constexpr const char* LockTimeout = "5s";

// SQLSTATE of a lock that could not be had without waiting (NOWAIT or the lock timeout).
constexpr QLatin1StringView LockNotAvailable("55P03");

QString serverText(const QSqlError& e) {
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return text.section(QLatin1Char('\n'), 0, 0).trimmed();
}

bool run(QSqlDatabase& db, const QString& sql, QString* error) {
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    *error = serverText(q.lastError());
    return false;
}

} // namespace

std::unique_ptr<Store> Store::openServer(const QString& location, StoreAccess access, StoreError& err) {
    ServerLocation where;
    ServerLocation::fromString(location, &where);
    static QAtomicInt counter;
    std::unique_ptr<Store> store(new Store);
    store->m_directory = location;
    store->m_server = true;
    store->m_readOnly = access == StoreAccess::ReadOnly;
    store->m_connection = QStringLiteral("palvane-server-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
    const QString display = where.displayName();
    auto fail = [&](StoreError::Kind kind, const QString& reason, const QString& detail = {}) {
        err.kind = kind;
        err.path = display;
        err.reason = reason;
        err.detail = detail;
        return nullptr;
    };

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), store->m_connection);
    if (!db.isValid())
        return fail(StoreError::Kind::Sql, tr("The PostgreSQL driver of Qt is not installed"));
    where.applyTo(db);
    if (!db.open())
        return fail(StoreError::Kind::Busy,
                    tr("The database server refused the connection: %1").arg(serverText(db.lastError())),
                    db.lastError().text());
    QString why;
    QStringList session{QStringLiteral("SET search_path TO %1").arg(quotedIdentifier(where.schema)),
                        QStringLiteral("SET lock_timeout = '%1'").arg(QLatin1String(LockTimeout)),
                        QStringLiteral("SET client_min_messages = warning")};
    if (store->m_readOnly)
        session << QStringLiteral("SET default_transaction_read_only = on");
    for (const QString& sql : session)
        if (!run(db, sql, &why))
            return fail(StoreError::Kind::Sql, why);

    ServerSchemaState state = inspectServerSchema(db, where.schema);
    if (!state.error.isEmpty())
        return fail(StoreError::Kind::Sql, state.error);
    if (state.tablesPresent == 0 && !store->m_readOnly) {
        // One creator at a time: a second program starting at the same moment waits for the
        // first, then finds the tables made.
        const bool made = [&] {
            if (!store->begin()) {
                why = store->lastError();
                return false;
            }
            QSqlQuery q(db);
            q.prepare(QStringLiteral("SELECT pg_advisory_xact_lock(hashtext(?))"));
            q.addBindValue(QStringLiteral("palvane schema ") + where.schema);
            if (!q.exec()) {
                why = serverText(q.lastError());
                return false;
            }
            q.finish();
            QStringList sql{
                QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(quotedIdentifier(where.schema))};
            state = inspectServerSchema(db, where.schema);
            if (state.tablesPresent == 0)
                sql << serverCreateSql();
            for (const QString& statement : sql)
                if (!run(db, statement, &why))
                    return false;
            if (!store->commit()) {
                why = store->lastError();
                return false;
            }
            return true;
        }();
        if (!made) {
            if (store->transactionDepth() > 0)
                store->rollback();
            return fail(StoreError::Kind::Sql, why);
        }
        state = inspectServerSchema(db, where.schema);
    }
    if (state.tablesPresent == 0)
        return fail(StoreError::Kind::Missing, QString(), QStringLiteral("no tables"));
    if (!state.differences.isEmpty()) {
        fail(StoreError::Kind::WrongTable, QString(), state.differences.join(QLatin1Char('\n')));
        err.schemaDifferences = state.differences;
        return nullptr;
    }
    return store;
}

TaskLock Store::lockTask(qint32 taskId) {
    if (!m_server)
        return TaskLock::Locked;
    if (m_depth == 0) {
        m_lastError = QStringLiteral("a task is locked only inside a transaction");
        return TaskLock::Failed;
    }
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT TaskID FROM tasks WHERE TaskID = ? FOR UPDATE NOWAIT"));
    q.addBindValue(taskId);
    if (q.exec())
        return TaskLock::Locked;
    m_lastError = serverText(q.lastError());
    return q.lastError().nativeErrorCode() == LockNotAvailable ? TaskLock::Busy : TaskLock::Failed;
}

bool Store::lockListTables() {
    if (!m_server)
        return true;
    return execRaw(QStringLiteral("LOCK TABLE tc, tb IN SHARE MODE"));
}

bool isLockConflict(const QSqlError& error) {
    return error.nativeErrorCode() == LockNotAvailable;
}

} // namespace palvane
