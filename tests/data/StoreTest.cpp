// The table store: files, schema as plain SQLite sees it, locking, refusals, transactions.
#include "Store.h"
#include "CoreApp.h"
#include "TestServer.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace palvane;

namespace {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApp();
        ASSERT_TRUE(m_tmp.isValid());
        m_dir = test::testDatabase(m_tmp, QStringLiteral("db"));
    }
    QString file(Table t) const { return Store::tableFilePath(m_dir, t); }

    QTemporaryDir m_tmp;
    QString m_dir;
};

QByteArray fileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Output of the sqlite3 command-line tool, or a null string when it is not installed.
QString sqliteCli(const QString& file, const QString& sql) {
    if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
        return QString();
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), file, sql});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

int countRows(Store& s, const QString& table) {
    QSqlQuery q(s.database());
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table) || !q.next())
        return -1;
    return q.value(0).toInt();
}

} // namespace

TEST_F(StoreTest, CreatesEveryTableFileReadableByPlainSqlite) {
    StoreError err;
    ASSERT_TRUE(Store::createDatabase(m_dir, &err)) << err.detail.toStdString();
    if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
        GTEST_SKIP() << "sqlite3 command-line tool not installed";
    for (Table t : AllTables) {
        const TableDef& def = tableDef(t);
        ASSERT_TRUE(QFile::exists(file(t))) << def.name;
        // Exactly one table (plus the key counter of autoinc tables) in each file.
        QStringList tables =
            sqliteCli(file(t),
                      QStringLiteral(
                          "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%'"))
                .split(QLatin1Char('\n'));
        EXPECT_EQ(tables, QStringList{QLatin1String(def.name)});
        // Columns in stored order with their types.
        QStringList expected;
        for (const FieldDef& f : def.fields)
            expected << QStringLiteral("%1|%2|%3")
                            .arg(QLatin1String(f.name), QLatin1String(f.sqlType()))
                            .arg(f.type == FieldType::AutoInc ? 1 : 0);
        QStringList cols =
            sqliteCli(file(t),
                      QStringLiteral("SELECT name || '|' || type || '|' || pk FROM pragma_table_info('%1')")
                          .arg(QLatin1String(def.name)))
                .split(QLatin1Char('\n'));
        EXPECT_EQ(cols, expected) << def.name;
        EXPECT_EQ(sqliteCli(file(t), QStringLiteral("PRAGMA journal_mode")), QStringLiteral("delete"));
    }
    EXPECT_TRUE(sqliteCli(file(Table::Conts), QStringLiteral(".schema conts"))
                    .contains(QStringLiteral("TypeID INTEGER PRIMARY KEY AUTOINCREMENT")));
    // Indexes, with their columns and uniqueness.
    auto index = [&](Table t) {
        return sqliteCli(
            file(t),
            QStringLiteral(
                "SELECT il.name || ':' || il.\"unique\" || ':' || (SELECT group_concat(name, ',') FROM "
                "pragma_index_info(il.name)) FROM pragma_index_list('%1') il")
                .arg(tableName(t)));
    };
    EXPECT_EQ(index(Table::Conts), QStringLiteral("Type_ind:0:Type"));
    EXPECT_EQ(index(Table::Boxes), QStringLiteral("Kind_Ind:0:Kind"));
    EXPECT_EQ(index(Table::Tasks), QString());
    EXPECT_TRUE(index(Table::Tc).endsWith(QStringLiteral(":1:TaskID,TypeID")));
    EXPECT_TRUE(index(Table::Tb).endsWith(QStringLiteral(":1:TaskID,KindID")));
    for (Table t : {Table::Solut, Table::Distr, Table::Posit})
        EXPECT_TRUE(index(t).endsWith(QStringLiteral(":0:TaskID,ContNo"))) << index(t).toStdString();
}

TEST_F(StoreTest, UnqualifiedNamesReachEveryFileAndUniqueIndexesHold) {
    auto store = Store::open(m_dir, StoreOpenMode::CreateMissing);
    ASSERT_TRUE(store);
    for (Table t : AllTables)
        EXPECT_EQ(countRows(*store, tableName(t)), 0);
    EXPECT_TRUE(store->exec(QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (1, 2, 3)")));
    EXPECT_FALSE(store->exec(QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (1, 2, 4)")));
    EXPECT_FALSE(store->lastError().isEmpty());
    EXPECT_TRUE(store->exec(QStringLiteral("INSERT INTO conts (Type, Length, Width) VALUES ('a', 1, 2)")));
    store.reset();
    EXPECT_EQ(sqliteCli(file(Table::Tc), QStringLiteral("SELECT TaskID||','||TypeID||','||Avail FROM tc")),
              QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty() ? QString()
                                                                                  : QStringLiteral("1,2,3"));
}

TEST_F(StoreTest, SecondOpenIsRefusedUntilTheFirstCloses) {
    auto first = Store::open(m_dir, StoreOpenMode::CreateMissing);
    ASSERT_TRUE(first);
    StoreError err;
    EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err));
    EXPECT_EQ(err.kind, StoreError::Kind::Busy);
    EXPECT_EQ(err.message(),
              QStringLiteral("DB is busy or wrong\r") + QDir::toNativeSeparators(first->directory()));
    // The refused attempt did not disturb the open store.
    EXPECT_TRUE(first->exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('x')")));
    first.reset();
    auto again = Store::open(m_dir, StoreOpenMode::ExistingOnly, &err);
    ASSERT_TRUE(again);
    EXPECT_EQ(countRows(*again, QStringLiteral("tasks")), 1);
}

TEST_F(StoreTest, StaleLockOfADeadProcessIsTakenOver) {
    ASSERT_TRUE(Store::createDatabase(m_dir));
    // A lock file left by a process that no longer runs (pid far above the usual limits).
    QFile lock(QDir(m_dir).filePath(QLatin1String(StoreLockFileName)));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray("99999999\npalvane\n") + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    StoreError err;
    EXPECT_TRUE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err)) << err.detail.toStdString();
}

TEST_F(StoreTest, GarbageFileIsRefusedAndNothingIsWritten) {
    ASSERT_TRUE(QDir().mkpath(m_dir));
    QFile junk(file(Table::Boxes));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(3000, 'x'));
    junk.close();
    const QByteArray before = fileHash(file(Table::Boxes));

    for (StoreOpenMode mode : {StoreOpenMode::CreateMissing, StoreOpenMode::ExistingOnly}) {
        StoreError err;
        EXPECT_FALSE(Store::open(m_dir, mode, &err));
        if (mode == StoreOpenMode::CreateMissing) {
            EXPECT_EQ(err.kind, StoreError::Kind::Damaged);
            EXPECT_EQ(err.path, QDir::toNativeSeparators(file(Table::Boxes)));
        }
        EXPECT_TRUE(err.message().startsWith(QStringLiteral("DB is busy or wrong\r")));
    }
    EXPECT_EQ(fileHash(file(Table::Boxes)), before);
    // The refusal created none of the missing files.
    for (Table t : AllTables) {
        if (t != Table::Boxes) {
            EXPECT_FALSE(QFile::exists(file(t))) << tableName(t).toStdString();
        }
    }
}

TEST_F(StoreTest, EmptyFileCountsAsDamaged) {
    ASSERT_TRUE(Store::createDatabase(m_dir));
    QFile f(file(Table::Tasks));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.close();
    StoreError err;
    EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::CreateMissing, &err));
    EXPECT_EQ(err.kind, StoreError::Kind::Damaged);
    EXPECT_EQ(QFileInfo(file(Table::Tasks)).size(), 0);
}

TEST_F(StoreTest, DamagedPagesAreFoundByTheIntegrityCheck) {
    {
        auto s = Store::open(m_dir, StoreOpenMode::CreateMissing);
        ASSERT_TRUE(s);
        StoreTransaction tr(*s);
        for (int i = 0; i < 400; ++i)
            ASSERT_TRUE(s->exec(QStringLiteral("INSERT INTO posit (TaskID, ContNo, BoxNo, KindID) "
                                               "VALUES (1, 1, %1, 7)")
                                    .arg(i)));
        ASSERT_TRUE(tr.commit());
    }
    // Spoil the second page (the table's first b-tree page) but keep the header.
    QFile f(file(Table::Posit));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(4096 + 8));
    f.write(QByteArray(2000, char(0xA5)));
    f.close();
    const QByteArray before = fileHash(file(Table::Posit));
    StoreError err;
    EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err));
    EXPECT_EQ(err.kind, StoreError::Kind::Damaged);
    EXPECT_EQ(err.path, QDir::toNativeSeparators(file(Table::Posit)));
    EXPECT_EQ(fileHash(file(Table::Posit)), before);
}

TEST_F(StoreTest, MissingOrWrongTableFiles) {
    StoreError err;
    EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err));
    EXPECT_EQ(err.kind, StoreError::Kind::Missing);
    EXPECT_FALSE(QFileInfo::exists(m_dir)); // no directory created on refusal

    ASSERT_TRUE(Store::createDatabase(m_dir));
    ASSERT_TRUE(QFile::remove(file(Table::Distr)));
    EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err));
    EXPECT_EQ(err.kind, StoreError::Kind::Missing);
    EXPECT_EQ(err.path, QDir::toNativeSeparators(file(Table::Distr)));
    EXPECT_FALSE(QFile::exists(file(Table::Distr)));

    // A valid SQLite file whose table lacks a stored column is refused, not altered.
    if (!sqliteCli(file(Table::Tasks), QStringLiteral("SELECT 1")).isNull()) {
        sqliteCli(file(Table::Distr), QStringLiteral("CREATE TABLE distr (TaskID INTEGER, ContNo INTEGER)"));
        const QByteArray before = fileHash(file(Table::Distr));
        EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::CreateMissing, &err));
        EXPECT_EQ(err.kind, StoreError::Kind::WrongTable);
        EXPECT_EQ(fileHash(file(Table::Distr)), before);
    }
    // Once the file is gone, not even the create mode makes a fresh one in its place.
    QFile::remove(file(Table::Distr));
    EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::CreateMissing, &err));
    EXPECT_EQ(err.missingFiles, QStringList{QStringLiteral("distr.db")});
    EXPECT_FALSE(QFile::exists(file(Table::Distr)));
}

TEST_F(StoreTest, TransactionsSpanFilesAndNest) {
    auto s = Store::open(m_dir, StoreOpenMode::CreateMissing);
    ASSERT_TRUE(s);
    {
        StoreTransaction tr(*s);
        ASSERT_TRUE(tr.isActive());
        EXPECT_TRUE(s->exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('t')")));
        EXPECT_TRUE(s->exec(QStringLiteral("INSERT INTO tc (TaskID, TypeID) VALUES (1, 1)")));
        EXPECT_TRUE(s->exec(QStringLiteral("INSERT INTO posit (TaskID, ContNo) VALUES (1, 1)")));
        // destroyed without commit: everything goes
    }
    EXPECT_EQ(countRows(*s, QStringLiteral("tasks")), 0);
    EXPECT_EQ(countRows(*s, QStringLiteral("tc")), 0);
    EXPECT_EQ(countRows(*s, QStringLiteral("posit")), 0);
    EXPECT_EQ(s->transactionDepth(), 0);

    {
        StoreTransaction outer(*s);
        EXPECT_TRUE(s->exec(QStringLiteral("INSERT INTO conts (Type) VALUES ('kept')")));
        {
            StoreTransaction inner(*s);
            EXPECT_EQ(s->transactionDepth(), 2);
            EXPECT_TRUE(s->exec(QStringLiteral("INSERT INTO boxes (Kind) VALUES ('undone')")));
            inner.rollback();
        }
        {
            StoreTransaction inner(*s);
            EXPECT_TRUE(s->exec(QStringLiteral("INSERT INTO tb (TaskID, KindID) VALUES (5, 5)")));
            EXPECT_TRUE(inner.commit());
        }
        EXPECT_TRUE(outer.commit());
    }
    EXPECT_EQ(countRows(*s, QStringLiteral("conts")), 1);
    EXPECT_EQ(countRows(*s, QStringLiteral("boxes")), 0);
    EXPECT_EQ(countRows(*s, QStringLiteral("tb")), 1);
    EXPECT_FALSE(s->commit());
    EXPECT_FALSE(s->rollback());
}

TEST_F(StoreTest, SharedOpenReusesTheStoreOfThisProcess) {
    StoreError err;
    auto a = Store::openShared(m_dir, StoreOpenMode::CreateMissing, &err);
    ASSERT_TRUE(a);
    auto b = Store::openShared(m_dir + QStringLiteral("/."), StoreOpenMode::ExistingOnly, &err);
    EXPECT_EQ(a, b);
    EXPECT_FALSE(err.isError());
    // A plain open is still refused while the shared one is held.
    EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err));
    EXPECT_EQ(err.kind, StoreError::Kind::Busy);
    a.reset();
    b.reset();
    auto c = Store::openShared(m_dir, StoreOpenMode::ExistingOnly, &err);
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('x')")));
}

TEST_F(StoreTest, LockOfAnotherRunningProcessRefusesUntilItEnds) {
    ASSERT_TRUE(Store::createDatabase(m_dir));
    const QString sleepPath = QStandardPaths::findExecutable(QStringLiteral("sleep"));
    if (sleepPath.isEmpty())
        GTEST_SKIP() << "no sleep program";
    QProcess other;
    other.start(sleepPath, {QStringLiteral("30")});
    ASSERT_TRUE(other.waitForStarted());
    // The lock file as that process would have written it.
    QFile lock(QDir(m_dir).filePath(QLatin1String(StoreLockFileName)));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(other.processId()) + "\n" +
               QFileInfo(sleepPath).canonicalFilePath().toUtf8() + "\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    StoreError err;
    EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err));
    EXPECT_EQ(err.kind, StoreError::Kind::Busy);
    other.kill();
    other.waitForFinished();
    EXPECT_TRUE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err)) << err.detail.toStdString();
}

namespace {

// Sets the modification time of a file into the past.
bool age(const QString& path, int seconds) {
    QFile f(path);
    return f.open(QIODevice::ReadWrite) &&
           f.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime);
}

void writeBytes(const QString& path, const QByteArray& bytes, qint64 at = -1) {
    QFile f(path);
    ASSERT_TRUE(f.open(at < 0 ? QIODevice::WriteOnly | QIODevice::Truncate : QIODevice::ReadWrite));
    if (at >= 0) {
        ASSERT_TRUE(f.seek(at));
    }
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The journal mode a file's header records: 1 rollback journal, 2 WAL.
int headerJournalMode(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = f.read(20);
    return header.size() == 20 ? header[18] : -1;
}

// Runs statements on one table file alone, as another SQLite program would.
bool onFile(const QString& path, const QStringList& sql) {
    const QString name = QStringLiteral("store-test-plain");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString& s : sql)
            ok = ok && q.exec(s);
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// Makes a directory unwritable even for root (the immutable flag), or by its mode for others.
// False when neither works on this file system.
bool makeUnwritable(const QString& dir, bool on) {
    if (::geteuid() != 0)
        return QFile::setPermissions(dir, on ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                             : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

} // namespace

TEST_F(StoreTest, EmptyOrGarbageLockIsTakenOverOnceItIsAFewSecondsOld) {
    ASSERT_TRUE(Store::createDatabase(m_dir));
    const QString lock = QDir(m_dir).filePath(QLatin1String(StoreLockFileName));
    for (const QByteArray& content :
         {QByteArray(), QByteArray("\x01\xFFgarbage\n\n\x7F", 12), QByteArray("-5\n")}) {
        writeBytes(lock, content);
        // Fresh: an instance may be about to write its process id.
        StoreError err;
        EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err)) << content.toHex().toStdString();
        EXPECT_EQ(err.kind, StoreError::Kind::Busy);
        ASSERT_TRUE(age(lock, 3 * UnreadableLockStaleSeconds));
        auto store = Store::open(m_dir, StoreOpenMode::ExistingOnly, &err);
        EXPECT_TRUE(store) << content.toHex().toStdString() << ' ' << err.detail.toStdString();
        // The lock is this instance's now: a second open is refused.
        EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err));
        EXPECT_EQ(err.kind, StoreError::Kind::Busy);
    }
}

TEST_F(StoreTest, LockThatCannotBeCreatedTellsWhyOnTheSecondLine) {
    ASSERT_TRUE(Store::createDatabase(m_dir));
    if (!makeUnwritable(m_dir, true))
        GTEST_SKIP() << "the folder cannot be made unwritable here";
    StoreError err;
    const bool opened = Store::open(m_dir, StoreOpenMode::ExistingOnly, &err) != nullptr;
    ASSERT_TRUE(makeUnwritable(m_dir, false));
    EXPECT_FALSE(opened);
    EXPECT_EQ(err.kind, StoreError::Kind::Busy);
    EXPECT_EQ(err.message(), QStringLiteral("DB is busy or wrong\rThe folder cannot be written\r") +
                                 QDir::toNativeSeparators(QDir(m_dir).absolutePath()));

    // No room for the lock file's few bytes: the process may write no file beyond 0 bytes.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit none = old;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &none), 0);
    const bool openedFull = Store::open(m_dir, StoreOpenMode::ExistingOnly, &err) != nullptr;
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(openedFull);
    EXPECT_EQ(err.message().split(QLatin1Char('\r')).mid(0, 2),
              QStringList({QStringLiteral("DB is busy or wrong"), QStringLiteral("The disk is full")}));
    // Nothing was left behind: the next open works.
    EXPECT_TRUE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err)) << err.message().toStdString();
}

TEST_F(StoreTest, DirectoryHoldingSomeTableFilesIsRefusedNamingTheMissingOnes) {
    ASSERT_TRUE(Store::createDatabase(m_dir));
    ASSERT_TRUE(QFile::remove(file(Table::Conts)));
    ASSERT_TRUE(QFile::remove(file(Table::Boxes)));
    for (StoreOpenMode mode : {StoreOpenMode::CreateMissing, StoreOpenMode::ExistingOnly}) {
        StoreError err;
        EXPECT_FALSE(Store::open(m_dir, mode, &err));
        EXPECT_EQ(err.kind, StoreError::Kind::Missing);
        EXPECT_FALSE(QFile::exists(file(Table::Conts)));
        EXPECT_FALSE(QFile::exists(file(Table::Boxes)));
        if (mode == StoreOpenMode::CreateMissing) {
            EXPECT_EQ(err.message(),
                      QStringLiteral("DB is busy or wrong\r%1\rMissing table files: conts.db, boxes.db")
                          .arg(QDir::toNativeSeparators(QDir(m_dir).absolutePath())));
        }
    }
    // A directory with none of them gets all of them; other files there do not count.
    const QString fresh = m_tmp.filePath(QStringLiteral("fresh"));
    ASSERT_TRUE(QDir().mkpath(fresh));
    writeBytes(QDir(fresh).filePath(QStringLiteral("notes.txt")), "mine");
    EXPECT_TRUE(Store::open(fresh, StoreOpenMode::CreateMissing));
    for (Table t : AllTables)
        EXPECT_TRUE(QFile::exists(Store::tableFilePath(fresh, t))) << tableName(t).toStdString();
}

TEST_F(StoreTest, DamageIsReportedForTheFileThatIsDamaged) {
    ASSERT_TRUE(Store::createDatabase(m_dir));
    for (Table t : {Table::Tasks, Table::Conts, Table::Posit}) {
        const QByteArray good = [&] {
            QFile f(file(t));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        // The header stays; the schema page behind it is spoilt.
        writeBytes(file(t), QByteArray(3000, char(0x5A)), 100);
        StoreError err;
        EXPECT_FALSE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err)) << tableName(t).toStdString();
        EXPECT_EQ(err.kind, StoreError::Kind::Damaged);
        EXPECT_EQ(err.path, QDir::toNativeSeparators(file(t))) << err.detail.toStdString();
        writeBytes(file(t), good);
        EXPECT_TRUE(Store::open(m_dir, StoreOpenMode::ExistingOnly, &err)) << err.message().toStdString();
    }
}

TEST_F(StoreTest, ReadOnlyStoreLeavesAWalFileAsItIsAndAWritingOneSwitchesIt) {
    {
        auto s = Store::open(m_dir, StoreOpenMode::CreateMissing);
        ASSERT_TRUE(s);
        ASSERT_TRUE(s->exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('kept')")));
    }
    ASSERT_TRUE(onFile(file(Table::Tasks), {QStringLiteral("PRAGMA journal_mode=WAL")}));
    ASSERT_TRUE(onFile(file(Table::Conts), {QStringLiteral("PRAGMA journal_mode=WAL")}));
    ASSERT_EQ(headerJournalMode(file(Table::Tasks)), 2);
    const QByteArray tasksBefore = fileHash(file(Table::Tasks));
    const QByteArray contsBefore = fileHash(file(Table::Conts));
    {
        StoreError err;
        auto s = Store::open(m_dir, StoreOpenMode::ExistingOnly, &err, StoreAccess::ReadOnly);
        ASSERT_TRUE(s) << err.message().toStdString();
        EXPECT_TRUE(s->isReadOnly());
        EXPECT_EQ(countRows(*s, QStringLiteral("tasks")), 1);
        StoreTransaction unit(*s);
        EXPECT_TRUE(unit.isActive());
        EXPECT_EQ(countRows(*s, QStringLiteral("conts")), 0);
        EXPECT_TRUE(unit.commit());
        // It refuses to write.
        EXPECT_FALSE(s->exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('no')")));
    }
    EXPECT_EQ(headerJournalMode(file(Table::Tasks)), 2);
    EXPECT_EQ(fileHash(file(Table::Tasks)), tasksBefore);
    EXPECT_EQ(fileHash(file(Table::Conts)), contsBefore);

    auto writer = Store::open(m_dir, StoreOpenMode::ExistingOnly);
    ASSERT_TRUE(writer);
    writer.reset();
    EXPECT_EQ(headerJournalMode(file(Table::Tasks)), 1);
    EXPECT_EQ(headerJournalMode(file(Table::Conts)), 1);
}

TEST_F(StoreTest, StaleSuperJournalIsRemovedOnlyWhileNoJournalIsLeft) {
    ASSERT_TRUE(Store::createDatabase(m_dir));
    const QString super = QDir(m_dir).filePath(QStringLiteral("tasks.db-mj1A2B3C94D"));
    writeBytes(super, QFile::encodeName(file(Table::Conts)) + QByteArray(1, '\0'));
    // A journal of a table file that could still be played back (its header written) while
    // another program holds the file's write lock, so SQLite leaves it alone for now: the
    // super-journal may still be needed.
    const QString journal = file(Table::Posit) + QStringLiteral("-journal");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(file(Table::Posit));
        ASSERT_TRUE(other.open());
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec(QStringLiteral("BEGIN IMMEDIATE")));
        writeBytes(journal, QByteArray("\xD9\xD5\x05\xF9\x20\xA1\x63\xD7", 8) + QByteArray(504, '\0'));
        {
            auto store = Store::open(m_dir, StoreOpenMode::ExistingOnly);
            EXPECT_TRUE(store);
        }
        EXPECT_TRUE(QFile::exists(super));
        q.exec(QStringLiteral("ROLLBACK"));
        q.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QFile::remove(journal);
    // A journal never synced (zeros first) is never played back: it keeps nothing alive.
    writeBytes(journal, QByteArray(512, '\0'));
    // Other files are left alone.
    const QString other = QDir(m_dir).filePath(QStringLiteral("conts.db-mjkeep"));
    writeBytes(other, "x");
    {
        auto s = Store::open(m_dir, StoreOpenMode::ExistingOnly, nullptr, StoreAccess::ReadOnly);
        EXPECT_TRUE(s);
        EXPECT_FALSE(QFile::exists(super));
    }
    EXPECT_TRUE(QFile::exists(other));
}
