#pragma once
// One task database: a directory holding the eight table files "<table>.db", each an SQLite 3
// file with one table of the same name. A Store is one database connection with every table
// file attached, so unqualified table names work and one transaction spans all files (rollback
// journal with a super-journal: a commit over several files is atomic). A lock file keeps a
// second program instance out of a directory in use.
//
// A store may instead be a schema of a PostgreSQL server (a location made by ServerLocation):
// several program instances then use it at once, without a lock; the changes that must not mix
// lock the task's row first (lockTask()).
#include "TableSchema.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;
class QSqlError;

namespace palvane {

// How Store::open treats missing table files.
enum class StoreOpenMode {
    ExistingOnly,  // every table file must exist; a missing one refuses the open
    CreateMissing, // missing directory and table files are created with empty tables
};

// What a store is opened for. A read-only store never changes a table file: it keeps each
// file's journal mode and refuses writes. Only a store that writes switches the files to the
// rollback journal, which a commit over several files needs to be atomic.
enum class StoreAccess {
    ReadWrite,
    ReadOnly,
};

// Why a store could not be opened or an operation failed.
struct StoreError {
    enum class Kind {
        None,
        Busy,       // the directory is locked by another running instance
        Missing,    // the directory or a table file does not exist
        Damaged,    // a table file is not SQLite or fails its integrity check
        WrongTable, // a table file lacks its table or one of its columns
        Sql,        // any other failure of the store
    };
    Kind kind = Kind::None;
    QString path;   // the directory or file concerned
    QString detail; // technical detail for the curious (SQLite's own message), may be empty
    // Why the directory cannot be used, for the user (e.g. "The disk is full"); may be empty.
    QString reason;
    // Table files missing from a directory that holds some of them.
    QStringList missingFiles;
    // Tables or columns of a server schema that differ from the eight tables.
    QStringList schemaDifferences;

    bool isError() const { return kind != Kind::None; }
    // The program's refusal text, "DB is busy or wrong", followed by the lines of details().
    QString message() const;
    // The lines that follow the refusal text: the reason when known, the path, and the
    // missing table files when some are missing; separated by '\r'.
    QString details() const;
};

// Reasons a database directory cannot be used.
QString folderNotWritableText();
QString diskFullText();

// How long an unreadable lock file (empty or garbage, as a crash between creating it and
// writing it leaves) must be untouched before it counts as stale.
inline constexpr int UnreadableLockStaleSeconds = 5;

// The refusal text shown when a database cannot be opened.
QString dbBusyOrWrongText();
// The refusal of a change to a task whose row another planner holds locked on a server.
QString taskBusyText();

// Whether a failed statement on a server waited in vain for a row another connection holds.
bool isLockConflict(const QSqlError& error);

// The refusal of a row edit whose row another planner changed after it was read.
QString rowChangedText();

// Outcome of Store::lockTask().
enum class TaskLock {
    Locked, // this transaction holds the task's row (or the store needs no row locks)
    Busy,   // another connection holds it: taskBusyText()
    Failed, // the statement failed: lastError()
};

// Name of the lock file kept in a database directory while a program instance uses it.
inline constexpr const char* StoreLockFileName = "palvane.lck";

class Store {
    Q_DECLARE_TR_FUNCTIONS(palvane::Store)
public:
    // Opens the database in `directory`. Checks, before anything is written: the lock file
    // (stale locks of a crashed process, and unreadable ones older than a few seconds, are
    // taken over), that every existing table file is an undamaged SQLite file holding its table
    // with all stored columns. Table files are created (CreateMissing) only in a new directory
    // or one that holds none of them; a directory that holds some but not all is refused. With
    // the lock held, super-journals that a crash left behind are removed once no journal refers
    // to them. On any refusal nothing is created or changed and `error` (when given) says why;
    // the result is then null.
    static std::unique_ptr<Store> open(const QString& directory, StoreOpenMode mode,
                                       StoreError* error = nullptr,
                                       StoreAccess access = StoreAccess::ReadWrite);
    // Like open(), but while this process already has the directory open through openShared(),
    // returns that same store instead of being refused by its own lock. The store closes when
    // the last holder lets it go.
    static std::shared_ptr<Store> openShared(const QString& directory, StoreOpenMode mode,
                                             StoreError* error = nullptr);
    // Creates the directory and any missing table files; existing good files are kept as they
    // are. Same refusals as open().
    static bool createDatabase(const QString& directory, StoreError* error = nullptr);

    // Opens `location` (a directory, or a server location) with the server's own rules: no
    // lock; the schema is made when it does not exist, its tables when it holds none of them,
    // and a schema whose tables or columns differ is refused naming them.
    // Closes the connection and releases the lock. Every QSqlQuery on the connection must be
    // gone by then.
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // The connection; table names need no schema prefix.
    QSqlDatabase database() const;
    QString connectionName() const { return m_connection; }
    // Absolute path of the database directory, or the server location.
    QString directory() const { return m_directory; }
    // The database as messages name it: the directory, or the server and schema.
    QString displayName() const;
    // The database lives on a server (several program instances may use it at once).
    bool isServer() const { return m_server; }
    // Path of one table file of this database (on a server: schema and table).
    QString tableFilePath(Table table) const;
    static QString tableFilePath(const QString& directory, Table table);
    // Schema name under which a table file is attached ("main" for the connection's own file).
    static QString schemaName(Table table);

    // Transactions. begin() inside an open transaction starts a nested unit (a savepoint) that
    // commit() releases and rollback() undoes alone. Each returns false on failure (see
    // lastError()).
    bool begin();
    bool commit();
    bool rollback();
    int transactionDepth() const { return m_depth; }
    // The store was opened read-only.
    bool isReadOnly() const { return m_readOnly; }
    // Inside an open transaction: locks the row of task `taskId` until the transaction ends,
    // without waiting when another connection holds it. A store in a directory needs no row
    // locks (its lock file keeps every other instance out): Locked at once. A task without a
    // row is Locked too; the caller finds it missing.
    TaskLock lockTask(qint32 taskId);
    // Inside an open transaction on a server: keeps other connections from changing the list
    // tables (tc and tb) until the transaction ends, so a check of them stays true until the
    // change that depends on it is stored. Nothing to do in a directory.
    bool lockListTables();
    // Runs one statement without results; false and lastError() on failure.
    bool exec(const QString& sql);
    // Message of the last failed operation of this store.
    QString lastError() const { return m_lastError; }

private:
    Store() = default;
    bool execRaw(const QString& sql);
    static std::unique_ptr<Store> openServer(const QString& location, StoreAccess access, StoreError& err);

    QString m_directory;
    bool m_server = false;
    QString m_connection;
    std::unique_ptr<QLockFile> m_lock;
    int m_depth = 0;
    bool m_readOnly = false;
    QString m_lastError;
};

// Runs a block of store changes as one unit: begins on construction and rolls back on
// destruction unless commit() succeeded.
class StoreTransaction {
public:
    explicit StoreTransaction(Store& store);
    ~StoreTransaction();
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

    // The transaction began; when false, nothing may be written.
    bool isActive() const { return m_active; }
    // Makes the changes permanent (or part of the enclosing unit); false when that failed,
    // in which case everything of this unit was rolled back.
    bool commit();
    // Undoes the changes of this unit now.
    void rollback();

private:
    Store& m_store;
    bool m_active = false;
};

} // namespace palvane
