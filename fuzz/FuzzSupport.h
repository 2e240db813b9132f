#pragma once
// Shared pieces of the fuzz targets: the application object Qt's SQL drivers need, a scratch
// folder for the run, a data module over fresh databases, and the check that stops the run
// with a message when an invariant breaks.
#include "CoreApp.h"
#include "DMForm.h"
#include "Prompter.h"
#include "Store.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace palvane::fuzz {

// Stops the run (libFuzzer then keeps the input as a crash) when `ok` is false.
inline void check(bool ok, const char* what, const QString& detail = QString()) {
    if (ok)
        return;
    std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

// A scratch folder that lives for the whole run (never destroyed, so nothing depends on the
// order of static destructors at exit).
inline const QTemporaryDir& scratch() {
    static QTemporaryDir* dir = [] {
        test::ensureCoreApp();
        auto* d = new QTemporaryDir;
        check(d->isValid(), "scratch folder");
        return d;
    }();
    return *dir;
}

// Writes the bytes to a file of the scratch folder and returns its path.
inline QString writeScratchFile(const char* name, const uint8_t* data, size_t size) {
    const QString path = scratch().filePath(QLatin1String(name));
    QFile f(path);
    check(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file");
    check(f.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size), "scratch write");
    return path;
}

// A data module over three fresh databases of the scratch folder, the main one seeded with
// `sql`, opened on task `taskId`. It is kept for the whole run.
inline TDMForm& dataModule(ScriptedPrompter& prompter, const QStringList& sql, qint32 taskId) {
    QString dirs[3];
    for (int code = 0; code < 3; ++code) {
        dirs[code] = scratch().filePath(QStringLiteral("db%1").arg(code));
        check(Store::createDatabase(dirs[code]), "database", dirs[code]);
    }
    {
        auto store = Store::open(dirs[0], StoreOpenMode::ExistingOnly);
        check(bool(store), "seed store");
        for (const QString& s : sql) {
            QSqlQuery q(store->database());
            check(q.exec(s), "seed", s);
        }
    }
    auto* dm = new TDMForm(&prompter);
    for (int code = 0; code < 3; ++code)
        dm->setDatabaseDirectory(code, dirs[code]);
    check(dm->DataModuleCreate(taskId), "data module");
    // Durability means nothing to a fuzz run: no waiting for the disk at every commit.
    QSqlQuery list(dm->store()->database());
    check(list.exec(QStringLiteral("PRAGMA database_list")), "database list");
    QStringList schemas;
    while (list.next())
        schemas << list.value(1).toString();
    for (const QString& schema : schemas) {
        QSqlQuery q(dm->store()->database());
        check(q.exec(QStringLiteral("PRAGMA \"%1\".synchronous = OFF").arg(schema)), "synchronous", schema);
    }
    return *dm;
}

} // namespace palvane::fuzz
