#include "Store.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace palvane {

namespace {

// The table whose file is the connection's main database; the others are attached to it.
constexpr Table MainTable = Table::Tasks;

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("palvane-store-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

// True when the file starts with the SQLite 3 header.
bool hasSqliteHeader(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    static const QByteArray magic("SQLite format 3\0", 16);
    return f.read(16) == magic;
}

StoreError makeError(StoreError::Kind kind, const QString& path, const QString& detail = {})
{
    StoreError e;
    e.kind = kind;
    e.path = QDir::toNativeSeparators(path);
    e.detail = detail;
    return e;
}

// Checks one attached file: integrity, then its table and columns. Sets `needsTable` when the
// file holds no such table yet.
StoreError checkTableFile(QSqlDatabase& db, Table table, const QString& path, bool& needsTable)
{
    const QString schema = Store::schemaName(table);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA %1.quick_check").arg(schema)))
        return makeError(StoreError::Kind::Damaged, path, q.lastError().text());
    QStringList problems;
    while (q.next())
        problems << q.value(0).toString();
    if (problems != QStringList{QStringLiteral("ok")})
        return makeError(StoreError::Kind::Damaged, path, problems.join(QLatin1Char('\n')));

    const TableDef& def = tableDef(table);
    if (!q.exec(QStringLiteral("PRAGMA %1.table_info(%2)").arg(schema, QLatin1String(def.name))))
        return makeError(StoreError::Kind::Damaged, path, q.lastError().text());
    QSet<QString> columns;
    while (q.next())
        columns.insert(q.value(1).toString().toLower());
    needsTable = columns.isEmpty();
    if (needsTable)
        return {};
    for (const FieldDef& f : def.fields)
        if (!columns.contains(QString::fromLatin1(f.name).toLower()))
            return makeError(StoreError::Kind::WrongTable, path,
                             QStringLiteral("column %1 missing").arg(QLatin1String(f.name)));
    return {};
}

} // namespace

QString dbBusyOrWrongText()
{
    return QCoreApplication::translate("palvane::Store", "DB is busy or wrong");
}

QString StoreError::message() const
{
    if (kind == Kind::None)
        return QString();
    return path.isEmpty() ? dbBusyOrWrongText() : dbBusyOrWrongText() + QLatin1Char('\r') + path;
}

QString Store::schemaName(Table table)
{
    return table == MainTable ? QStringLiteral("main") : tableName(table);
}

QString Store::tableFilePath(const QString& directory, Table table)
{
    return QDir(directory).absoluteFilePath(tableFileName(table));
}

QString Store::tableFilePath(Table table) const
{
    return tableFilePath(m_directory, table);
}

std::unique_ptr<Store> Store::open(const QString& directory, StoreOpenMode mode,
                                   StoreError* error)
{
    StoreError local;
    StoreError& err = error ? *error : local;
    err = {};
    const bool create = mode == StoreOpenMode::CreateMissing;
    const QString dirPath = QDir(directory).absolutePath();

    if (!QFileInfo(dirPath).isDir()) {
        if (!create || !QDir().mkpath(dirPath)) {
            err = makeError(StoreError::Kind::Missing, dirPath);
            return nullptr;
        }
    }

    std::unique_ptr<Store> store(new Store);
    store->m_directory = dirPath;
    store->m_lock = std::make_unique<QLockFile>(QDir(dirPath).filePath(QLatin1String(StoreLockFileName)));
    store->m_lock->setStaleLockTime(0); // only a dead owner makes a lock stale, never its age
    if (!store->m_lock->tryLock(0)) {
        err = makeError(StoreError::Kind::Busy, dirPath,
                        store->m_lock->error() == QLockFile::LockFailedError
                            ? QStringLiteral("in use by another instance")
                            : QStringLiteral("cannot create the lock file"));
        return nullptr;
    }

    // Every file is looked at before anything is written.
    QList<Table> missing;
    for (Table t : AllTables) {
        const QString path = tableFilePath(dirPath, t);
        QFileInfo fi(path);
        if (!fi.exists()) {
            if (!create) {
                err = makeError(StoreError::Kind::Missing, path);
                return nullptr;
            }
            missing << t;
        } else if (!fi.isFile() || !hasSqliteHeader(path)) {
            err = makeError(StoreError::Kind::Damaged, path, QStringLiteral("not an SQLite 3 file"));
            return nullptr;
        }
    }

    store->m_connection = nextConnectionName();
    bool ok = [&] {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), store->m_connection);
        db.setDatabaseName(tableFilePath(dirPath, MainTable));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        if (!db.open()) {
            err = makeError(StoreError::Kind::Sql, tableFilePath(dirPath, MainTable), db.lastError().text());
            return false;
        }
        QSqlQuery q(db);
        for (Table t : AllTables) {
            if (t == MainTable)
                continue;
            q.prepare(QStringLiteral("ATTACH DATABASE ? AS %1").arg(schemaName(t)));
            q.addBindValue(tableFilePath(dirPath, t));
            if (!q.exec()) {
                err = makeError(StoreError::Kind::Damaged, tableFilePath(dirPath, t), q.lastError().text());
                return false;
            }
        }
        QList<Table> needTable;
        for (Table t : AllTables) {
            if (missing.contains(t)) {
                needTable << t;
                continue;
            }
            bool needs = false;
            err = checkTableFile(db, t, tableFilePath(dirPath, t), needs);
            if (err.isError())
                return false;
            if (needs) {
                if (!create) {
                    err = makeError(StoreError::Kind::WrongTable, tableFilePath(dirPath, t),
                                    QStringLiteral("no table %1").arg(tableName(t)));
                    return false;
                }
                needTable << t;
            }
        }
        for (Table t : AllTables) {
            if (!q.exec(QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(schemaName(t)))) {
                err = makeError(StoreError::Kind::Sql, tableFilePath(dirPath, t), q.lastError().text());
                return false;
            }
            q.finish();
        }
        q.finish();
        if (needTable.isEmpty())
            return true;
        if (!store->begin()) {
            err = makeError(StoreError::Kind::Sql, dirPath, store->lastError());
            return false;
        }
        for (Table t : needTable) {
            QStringList sql = createIndexSql(tableDef(t), schemaName(t));
            sql.prepend(createTableSql(tableDef(t), schemaName(t)));
            for (const QString& s : sql) {
                if (!store->exec(s)) {
                    err = makeError(StoreError::Kind::Sql, tableFilePath(dirPath, t), store->lastError());
                    store->rollback();
                    return false;
                }
            }
        }
        if (!store->commit()) {
            err = makeError(StoreError::Kind::Sql, dirPath, store->lastError());
            return false;
        }
        return true;
    }();
    if (ok)
        return store;

    // Refused: close, and remove only the empty files this attempt may have left behind.
    store.reset();
    for (Table t : missing) {
        QFileInfo fi(tableFilePath(dirPath, t));
        if (fi.exists() && fi.size() == 0)
            QFile::remove(fi.filePath());
    }
    return nullptr;
}

std::shared_ptr<Store> Store::openShared(const QString& directory, StoreOpenMode mode,
                                         StoreError* error)
{
    static QHash<QString, std::weak_ptr<Store>> open;
    const QString key = QDir::cleanPath(QDir(directory).absolutePath());
    if (std::shared_ptr<Store> existing = open.value(key).lock()) {
        if (error)
            *error = {};
        return existing;
    }
    std::shared_ptr<Store> store = Store::open(directory, mode, error);
    if (store)
        open.insert(key, store);
    else
        open.remove(key);
    return store;
}

bool Store::createDatabase(const QString& directory, StoreError* error)
{
    return open(directory, StoreOpenMode::CreateMissing, error) != nullptr;
}

Store::~Store()
{
    if (!m_connection.isEmpty()) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            if (db.isOpen()) {
                if (m_depth > 0)
                    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    // m_lock unlocks in its destructor.
}

QSqlDatabase Store::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool Store::execRaw(const QString& sql)
{
    QSqlQuery q(database());
    if (q.exec(sql))
        return true;
    m_lastError = q.lastError().text();
    return false;
}

bool Store::exec(const QString& sql)
{
    return execRaw(sql);
}

bool Store::begin()
{
    const QString sql = m_depth == 0 ? QStringLiteral("BEGIN IMMEDIATE")
                                     : QStringLiteral("SAVEPOINT unit%1").arg(m_depth);
    if (!execRaw(sql))
        return false;
    ++m_depth;
    return true;
}

bool Store::commit()
{
    if (m_depth <= 0) {
        m_lastError = QStringLiteral("no transaction to commit");
        return false;
    }
    if (m_depth == 1) {
        if (!execRaw(QStringLiteral("COMMIT"))) {
            // A failed commit leaves the transaction open: undo it so the unit is all-or-nothing.
            const QString why = m_lastError;
            execRaw(QStringLiteral("ROLLBACK"));
            m_lastError = why;
            m_depth = 0;
            return false;
        }
        m_depth = 0;
        return true;
    }
    if (!execRaw(QStringLiteral("RELEASE unit%1").arg(m_depth - 1)))
        return false;
    --m_depth;
    return true;
}

bool Store::rollback()
{
    if (m_depth <= 0) {
        m_lastError = QStringLiteral("no transaction to roll back");
        return false;
    }
    bool ok;
    if (m_depth == 1)
        ok = execRaw(QStringLiteral("ROLLBACK"));
    else
        ok = execRaw(QStringLiteral("ROLLBACK TO unit%1").arg(m_depth - 1)) &&
             execRaw(QStringLiteral("RELEASE unit%1").arg(m_depth - 1));
    --m_depth;
    return ok;
}

StoreTransaction::StoreTransaction(Store& store) : m_store(store)
{
    m_active = m_store.begin();
}

StoreTransaction::~StoreTransaction()
{
    if (m_active)
        m_store.rollback();
}

bool StoreTransaction::commit()
{
    if (!m_active)
        return false;
    const int depth = m_store.transactionDepth();
    const bool ok = m_store.commit();
    if (!ok && m_store.transactionDepth() == depth)
        m_store.rollback(); // a nested unit whose release failed
    m_active = false;
    return ok;
}

void StoreTransaction::rollback()
{
    if (m_active)
        m_store.rollback();
    m_active = false;
}

} // namespace palvane
