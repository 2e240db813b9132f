#include "Store.h"

#include "ServerLocation.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <cerrno>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace palvane {

namespace {

// The table whose file is the connection's main database; the others are attached to it.
constexpr Table MainTable = Table::Tasks;

QString nextConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("palvane-store-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

// True when the file starts with the SQLite 3 header.
bool hasSqliteHeader(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    static const QByteArray magic("SQLite format 3\0", 16);
    return f.read(16) == magic;
}

StoreError makeError(StoreError::Kind kind, const QString& path, const QString& detail = {}) {
    StoreError e;
    e.kind = kind;
    e.path = QDir::toNativeSeparators(path);
    e.detail = detail;
    return e;
}

// Checks one attached file: integrity, then its table and columns. Sets `needsTable` when the
// file holds no such table yet.
StoreError checkTableFile(QSqlDatabase& db, Table table, const QString& path, bool& needsTable) {
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

// Why files cannot be made in a directory where the lock file could not be created: a small
// file is written there and the system's answer is told as a reason (empty when the write
// works or fails for another cause).
QString unwritableReason(const QString& directory) {
    const QByteArray probe =
        QFile::encodeName(QDir(directory).filePath(QStringLiteral(".palvane-probe-%1").arg(::getpid())));
    int failure = 0;
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        failure = errno;
    } else {
        static const char text[] = "palvane write check\n";
        const ssize_t written = ::write(fd, text, sizeof text - 1);
        if (written != ssize_t(sizeof text - 1))
            failure = written < 0 ? errno : ENOSPC;
        else if (::fsync(fd) != 0)
            failure = errno;
        ::close(fd);
        ::unlink(probe.constData());
    }
    switch (failure) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFullText();
    case EACCES:
    case EPERM:
    case EROFS:
        return folderNotWritableText();
    default:
        return QString();
    }
}

// The reason of a failed store operation whose SQLite message tells it, else empty.
QString sqlReason(const QString& sqliteMessage) {
    if (sqliteMessage.contains(QLatin1String("disk is full"), Qt::CaseInsensitive))
        return diskFullText();
    if (sqliteMessage.contains(QLatin1String("readonly database"), Qt::CaseInsensitive))
        return folderNotWritableText();
    return QString();
}

// Takes over a lock file that holds no process at all (empty or garbage, as a crash between
// creating it and writing it leaves) once it is old enough that no instance can still be
// writing it. A lock a live process holds is never removed: QLockFile checks its system lock.
bool recoverUnreadableLock(QLockFile& lock, const QString& lockPath) {
    const QFileInfo fi(lockPath);
    if (!fi.isFile())
        return false;
    qint64 pid = 0;
    QString host, app;
    if (lock.getLockInfo(&pid, &host, &app))
        return false; // readable: QLockFile itself decides whether its owner still runs
    const qint64 age = fi.lastModified().secsTo(QDateTime::currentDateTime());
    if (qAbs(age) < UnreadableLockStaleSeconds)
        return false;
    return lock.removeStaleLockFile();
}

// True when a table file's rollback journal could still be played back: SQLite writes the
// journal's first bytes as zeros until the journal is synced, and never plays back such a
// journal (nor an empty one).
bool journalMayBeHot(const QString& tablePath) {
    QFile journal(tablePath + QStringLiteral("-journal"));
    if (!journal.exists())
        return false;
    if (!journal.open(QIODevice::ReadOnly))
        return true;
    const QByteArray first = journal.read(1);
    return journal.error() != QFileDevice::NoError || (!first.isEmpty() && first[0] != 0);
}

// Super-journals ("tasks.db-mj...") left by a crash in the middle of a commit over several
// files. Once every table file has been read, SQLite has rolled back each hot journal; a
// super-journal is only removed while no table file has a journal that could still be played
// back, so none can need it.
void removeStaleSuperJournals(const QString& dirPath) {
    const QDir dir(dirPath);
    for (Table t : AllTables)
        if (journalMayBeHot(Store::tableFilePath(dirPath, t)))
            return;
    const QString main = tableFileName(MainTable);
    for (const QString& name : dir.entryList({main + QStringLiteral("-mj*")}, QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
}

// The table file a failed statement of the connection concerns: when its message names no
// file, each file is opened alone and checked, and the first one that fails is taken.
QString damagedFile(const QString& dirPath, const QString& guess) {
    const QString connection = QStringLiteral("palvane-check-%1").arg(nextConnectionName());
    QString found;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        for (Table t : AllTables) {
            db.setDatabaseName(Store::tableFilePath(dirPath, t));
            if (!QFileInfo::exists(db.databaseName()) || !db.open())
                continue;
            QSqlQuery q(db);
            const bool ok = q.exec(QStringLiteral("PRAGMA quick_check")) && q.next() &&
                            q.value(0).toString() == QLatin1String("ok");
            q.finish();
            q = QSqlQuery();
            db.close();
            if (!ok) {
                found = Store::tableFilePath(dirPath, t);
                break;
            }
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return found.isEmpty() ? guess : found;
}

} // namespace

QString dbBusyOrWrongText() {
    return QCoreApplication::translate("palvane::Store", "DB is busy or wrong");
}

QString folderNotWritableText() {
    return QCoreApplication::translate("palvane::Store", "The folder cannot be written");
}

QString diskFullText() {
    return QCoreApplication::translate("palvane::Store", "The disk is full");
}

QString taskBusyText() {
    return QCoreApplication::translate("palvane::Store", "The task is being solved by another user.");
}

QString rowChangedText() {
    return QCoreApplication::translate("palvane::Store", "The row was changed by another user.");
}

QString StoreError::details() const {
    QStringList lines;
    if (!reason.isEmpty())
        lines << reason;
    if (!path.isEmpty())
        lines << path;
    if (!missingFiles.isEmpty())
        lines << QCoreApplication::translate("palvane::Store", "Missing table files: %1")
                     .arg(missingFiles.join(QStringLiteral(", ")));
    if (!schemaDifferences.isEmpty())
        lines << QCoreApplication::translate("palvane::Store", "The tables differ: %1")
                     .arg(schemaDifferences.join(QStringLiteral("; ")));
    return lines.join(QLatin1Char('\r'));
}

QString StoreError::message() const {
    if (kind == Kind::None)
        return QString();
    const QString more = details();
    return more.isEmpty() ? dbBusyOrWrongText() : dbBusyOrWrongText() + QLatin1Char('\r') + more;
}

QString Store::schemaName(Table table) {
    return table == MainTable ? QStringLiteral("main") : tableName(table);
}

QString Store::tableFilePath(const QString& directory, Table table) {
    return QDir(directory).absoluteFilePath(tableFileName(table));
}

QString Store::tableFilePath(Table table) const {
    if (m_server)
        return displayName() + QLatin1Char('.') + tableName(table);
    return tableFilePath(m_directory, table);
}

QString Store::displayName() const {
    return databaseDisplayName(m_directory);
}

std::unique_ptr<Store> Store::open(const QString& directory, StoreOpenMode mode, StoreError* error,
                                   StoreAccess access) {
    StoreError local;
    StoreError& err = error ? *error : local;
    err = {};
    if (isServerLocation(directory))
        return openServer(directory, access, err);
    const bool create = mode == StoreOpenMode::CreateMissing;
    const bool readOnly = access == StoreAccess::ReadOnly;
    const QString dirPath = QDir(directory).absolutePath();

    if (!QFileInfo(dirPath).isDir()) {
        if (!create || !QDir().mkpath(dirPath)) {
            err = makeError(StoreError::Kind::Missing, dirPath);
            if (create)
                err.reason = unwritableReason(QFileInfo(dirPath).absolutePath());
            return nullptr;
        }
    }

    std::unique_ptr<Store> store(new Store);
    store->m_directory = dirPath;
    store->m_readOnly = readOnly;
    const QString lockPath = QDir(dirPath).filePath(QLatin1String(StoreLockFileName));
    store->m_lock = std::make_unique<QLockFile>(lockPath);
    store->m_lock->setStaleLockTime(0); // only a dead owner makes a lock stale, never its age
    bool locked = store->m_lock->tryLock(0);
    if (!locked && store->m_lock->error() == QLockFile::LockFailedError &&
        recoverUnreadableLock(*store->m_lock, lockPath))
        locked = store->m_lock->tryLock(0);
    if (!locked) {
        const bool inUse = store->m_lock->error() == QLockFile::LockFailedError;
        err = makeError(StoreError::Kind::Busy, dirPath,
                        inUse ? QStringLiteral("in use by another instance")
                              : QStringLiteral("cannot create the lock file"));
        if (!inUse)
            err.reason = unwritableReason(dirPath);
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
    // Table files are made only for a database that has none yet: a directory holding some of
    // them lost the others, and empty new ones would pass for its data.
    if (!missing.isEmpty() && missing.size() != qsizetype(std::size(AllTables))) {
        err = makeError(StoreError::Kind::Missing, dirPath);
        for (Table t : missing)
            err.missingFiles << tableFileName(t);
        return nullptr;
    }

    store->m_connection = nextConnectionName();
    bool ok = [&] {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), store->m_connection);
        const QString mainPath = tableFilePath(dirPath, MainTable);
        db.setDatabaseName(mainPath);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        if (!db.open()) {
            err = makeError(StoreError::Kind::Sql, mainPath, db.lastError().text());
            err.reason = sqlReason(err.detail);
            return false;
        }
        QSqlQuery q(db);
        // The main file's schema is read before anything is attached, so that its damage is
        // told as its own and not as that of the first attached file.
        if (!missing.contains(MainTable) &&
            !q.exec(QStringLiteral("SELECT COUNT(*) FROM main.sqlite_master"))) {
            err = makeError(StoreError::Kind::Damaged, mainPath, q.lastError().text());
            err.reason = sqlReason(err.detail);
            return false;
        }
        q.finish();
        for (Table t : AllTables) {
            if (t == MainTable)
                continue;
            q.prepare(QStringLiteral("ATTACH DATABASE ? AS %1").arg(schemaName(t)));
            q.addBindValue(tableFilePath(dirPath, t));
            if (!q.exec()) {
                err = makeError(StoreError::Kind::Damaged, damagedFile(dirPath, tableFilePath(dirPath, t)),
                                q.lastError().text());
                err.reason = sqlReason(err.detail);
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
            if (err.isError()) {
                err.reason = sqlReason(err.detail);
                return false;
            }
            if (needs) {
                if (!create) {
                    err = makeError(StoreError::Kind::WrongTable, tableFilePath(dirPath, t),
                                    QStringLiteral("no table %1").arg(tableName(t)));
                    return false;
                }
                needTable << t;
            }
        }
        // A store that writes needs the rollback journal on every file (a commit over several
        // files is atomic only with it); a read-only one leaves each file as it is.
        for (Table t : AllTables) {
            if (readOnly && !needTable.contains(t))
                continue;
            if (!q.exec(QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(schemaName(t)))) {
                err = makeError(StoreError::Kind::Sql, tableFilePath(dirPath, t), q.lastError().text());
                err.reason = sqlReason(err.detail);
                return false;
            }
            q.finish();
        }
        q.finish();
        if (!needTable.isEmpty()) {
            const bool wasReadOnly = store->m_readOnly;
            store->m_readOnly = false;
            const bool created = [&] {
                if (!store->begin()) {
                    err = makeError(StoreError::Kind::Sql, dirPath, store->lastError());
                    return false;
                }
                for (Table t : needTable) {
                    QStringList sql = createIndexSql(tableDef(t), schemaName(t));
                    sql.prepend(createTableSql(tableDef(t), schemaName(t)));
                    for (const QString& statement : sql) {
                        if (!store->exec(statement)) {
                            err = makeError(StoreError::Kind::Sql, tableFilePath(dirPath, t),
                                            store->lastError());
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
            store->m_readOnly = wasReadOnly;
            if (!created) {
                err.reason = sqlReason(err.detail);
                return false;
            }
        }
        if (readOnly && !q.exec(QStringLiteral("PRAGMA query_only = 1"))) {
            err = makeError(StoreError::Kind::Sql, mainPath, q.lastError().text());
            return false;
        }
        return true;
    }();
    if (ok) {
        removeStaleSuperJournals(dirPath);
        return store;
    }

    // Refused: close, and remove only the empty files this attempt may have left behind.
    store.reset();
    for (Table t : missing) {
        QFileInfo fi(tableFilePath(dirPath, t));
        if (fi.exists() && fi.size() == 0)
            QFile::remove(fi.filePath());
    }
    return nullptr;
}

std::shared_ptr<Store> Store::openShared(const QString& directory, StoreOpenMode mode, StoreError* error) {
    static QHash<QString, std::weak_ptr<Store>> open;
    const QString key =
        isServerLocation(directory) ? directory : QDir::cleanPath(QDir(directory).absolutePath());
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

bool Store::createDatabase(const QString& directory, StoreError* error) {
    return open(directory, StoreOpenMode::CreateMissing, error) != nullptr;
}

Store::~Store() {
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

QSqlDatabase Store::database() const {
    return QSqlDatabase::database(m_connection, false);
}

bool Store::execRaw(const QString& sql) {
    QSqlQuery q(database());
    if (q.exec(sql))
        return true;
    m_lastError = q.lastError().text();
    return false;
}

bool Store::exec(const QString& sql) {
    return execRaw(sql);
}

bool Store::begin() {
    // A read-only store takes no write lock: its units only read.
    // On a server rows are locked one by one as they are changed (and a task's row by
    // lockTask()).
    const QString sql = m_depth > 0              ? QStringLiteral("SAVEPOINT unit%1").arg(m_depth)
                        : m_readOnly || m_server ? QStringLiteral("BEGIN")
                                                 : QStringLiteral("BEGIN IMMEDIATE");
    if (!execRaw(sql))
        return false;
    ++m_depth;
    return true;
}

bool Store::commit() {
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

bool Store::rollback() {
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

StoreTransaction::StoreTransaction(Store& store) : m_store(store) {
    m_active = m_store.begin();
}

StoreTransaction::~StoreTransaction() {
    if (m_active)
        m_store.rollback();
}

bool StoreTransaction::commit() {
    if (!m_active)
        return false;
    const int depth = m_store.transactionDepth();
    const bool ok = m_store.commit();
    if (!ok && m_store.transactionDepth() == depth)
        m_store.rollback(); // a nested unit whose release failed
    m_active = false;
    return ok;
}

void StoreTransaction::rollback() {
    if (m_active)
        m_store.rollback();
    m_active = false;
}

} // namespace palvane
