#pragma once
// The throwaway PostgreSQL server the test command starts (scripts/pg-test-server.sh, run by a
// ctest fixture): its socket folder and port come in at compile time. Every test works in a
// schema of its own, so tests never see each other's rows and may run in parallel.
//
// The data-layer tests run twice: on SQLite directories, and registered a second time with
// PALVANE_TEST_DATABASE=server, on schemas of the test server. The helpers below give each
// test its databases of the kind of the run.
#include "CoreApp.h"
#include "DatabaseAliases.h"
#include "SampleData.h"
#include "ServerLocation.h"
#include "Store.h"
#include "TableSchema.h"

#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>

namespace palvane::test {

inline ServerLocation testServer(const QString& schema) {
    ServerLocation l;
    l.host = QStringLiteral(PALVANE_TEST_PG_DIR);
    l.port = PALVANE_TEST_PG_PORT;
    l.database = QStringLiteral("palvane_test");
    l.user = QStringLiteral("palvane");
    l.schema = schema;
    return l;
}

// A schema name no other test (nor another run of the suite) uses.
inline QString freshSchema(const char* what) {
    static int counter = 0;
    return QStringLiteral("%1_%2_%3")
        .arg(QLatin1String(what))
        .arg(QCoreApplication::applicationPid())
        .arg(++counter)
        .toLower();
}

inline QString freshLocation(const char* what) {
    ensureCoreApp();
    return testServer(freshSchema(what)).toString();
}

// Whether this run of the data-layer tests works on the test server.
inline bool onServer() {
    return qEnvironmentVariable("PALVANE_TEST_DATABASE") == QLatin1String("server");
}

// A database for a test: the directory `name` in `tmp`, or a fresh schema on the test server.
inline QString testDatabase(const QTemporaryDir& tmp, const QString& name) {
    return onServer() ? freshLocation("data") : tmp.filePath(name);
}

// Prepares a home folder's three databases as a first start does (the sample in the main one).
// On the server, databases.ini first names three fresh schemas of the test server.
inline bool prepareTestDatabases(const HomeFolder& home, QString* error) {
    if (!onServer())
        return prepareDatabases(home, nullptr, error);
    if (!home.ensureExists())
        return false;
    DatabaseAliases configured(home);
    for (int code : {MainDatabase, ExportDatabase, ImportDatabase})
        configured.setServer(code, testServer(freshSchema("home")));
    if (!configured.save(error))
        return false;
    StoreError storeError;
    for (int code : {MainDatabase, ExportDatabase, ImportDatabase}) {
        auto store = Store::open(configured.directory(code), StoreOpenMode::CreateMissing, &storeError);
        if (!store) {
            if (error)
                *error = storeError.message();
            return false;
        }
        if (code == MainDatabase && !seedSampleData(*store, error))
            return false;
    }
    return true;
}

// The home folder's aliases as databases.ini configures them.
inline DatabaseAliases homeAliases(const HomeFolder& home) {
    DatabaseAliases aliases(home);
    aliases.load();
    return aliases;
}

// Makes every `event` ("INSERT" or "DELETE") on table `t` whose row meets `condition` (SQL over
// NEW or OLD; empty: every row) fail with `message`: a trigger named `name`, in each kind of
// database's own dialect. Returns the statements to run.
inline QStringList failureTrigger(bool server, const QString& name, Table t, const QString& event,
                                  const QString& condition, const QString& message) {
    if (!server)
        return {QStringLiteral("CREATE TRIGGER %1.%2 BEFORE %3 ON %4 %5BEGIN SELECT RAISE(ABORT, '%6'); END")
                    .arg(Store::schemaName(t), name, event, tableName(t),
                         condition.isEmpty() ? QString() : QStringLiteral("WHEN %1 ").arg(condition),
                         message)};
    return {QStringLiteral("CREATE OR REPLACE FUNCTION %1_fails() RETURNS trigger LANGUAGE plpgsql AS "
                           "$$BEGIN RAISE EXCEPTION '%2'; END$$")
                .arg(name, message),
            QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW %4EXECUTE FUNCTION %1_fails()")
                .arg(name, event, tableName(t),
                     condition.isEmpty() ? QString() : QStringLiteral("WHEN (%1) ").arg(condition))};
}

// Runs failureTrigger()'s statements on a store; false when one fails.
inline bool injectFailure(Store& store, const QString& name, Table t, const QString& event,
                          const QString& condition, const QString& message) {
    for (const QString& sql : failureTrigger(store.isServer(), name, t, event, condition, message))
        if (!store.exec(sql))
            return false;
    return true;
}

// The statement that removes such a trigger again.
inline QString dropFailureTrigger(bool server, const QString& name, Table t) {
    return server ? QStringLiteral("DROP TRIGGER %1 ON %2").arg(name, tableName(t))
                  : QStringLiteral("DROP TRIGGER %1.%2").arg(Store::schemaName(t), name);
}

} // namespace palvane::test
