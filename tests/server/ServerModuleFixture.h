#pragma once
// A data module whose three databases (main, export, import) are each a schema of the test
// server or a directory in a temporary folder, as a test chooses, with a scripted prompter and
// a second connection to the main database that plays another planner.
#include "DMForm.h"
#include "Prompter.h"
#include "Store.h"
#include "TestServer.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <optional>

namespace palvane::test {

enum class Kind { Server, Directory };

class ServerModuleFixture : public ::testing::Test {
protected:
    // Makes the three databases: `kinds` gives main, export and import in turn.
    void makeDatabases(std::array<Kind, 3> kinds) {
        ensureCoreApp();
        ASSERT_TRUE(m_tmp.isValid());
        for (int code = 0; code < 3; ++code) {
            m_dirs[code] = kinds[size_t(code)] == Kind::Server
                               ? freshLocation("module")
                               : m_tmp.filePath(QStringLiteral("db%1").arg(code));
            StoreError err;
            ASSERT_TRUE(Store::createDatabase(m_dirs[code], &err))
                << "database " << code << ": " << err.message().toStdString();
        }
    }
    void TearDown() override {
        m_other.reset();
        m_dm.reset();
    }
    // Runs statements on a database (through the module's own store while it holds it).
    void seed(int code, const QStringList& sql) {
        std::shared_ptr<Store> store = Store::openShared(m_dirs[code], StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(store);
        for (const QString& s : sql) {
            QSqlQuery q(store->database());
            ASSERT_TRUE(q.exec(s)) << s.toStdString() << ": " << q.lastError().text().toStdString();
        }
    }
    // Two container types, two box kinds, task 1 "Alpha" (unsolved) and task 2 "Beta" (solved:
    // one fixed container with its distribution and two positions).
    void seedSample() {
        seed(
            0,
            {QStringLiteral(
                 "INSERT INTO conts (TypeID, Type, Length, Width, LoadWt, FillDir, NoseDL, TailDL) "
                 "VALUES (1, 'Semitrailer', 13600, 2450, 24000, 'Length', 0, 0), "
                 "(2, 'Van', 4000, 2000, 1500, 'Either', 0, 0)"),
             QStringLiteral(
                 "INSERT INTO boxes (KindID, Kind, Length, Width, Weight, TurnOn) "
                 "VALUES (1, 'Euro pallet', 1200, 800, 300, 1), (2, 'Pallet', 1200, 1000, 400, 0)"),
             QStringLiteral("INSERT INTO tasks (TaskID, Name, Solut) VALUES (1, 'Alpha', 0), (2, 'Beta', 1)"),
             QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail, Used, Cost) VALUES (1, 1, 2, 0, 100), "
                            "(2, 1, 3, 1, 50), (2, 2, 1, 0, 10)"),
             QStringLiteral("INSERT INTO tb (TaskID, KindID, Total, Placed, Cost) VALUES (1, 1, 10, 0, 1), "
                            "(2, 1, 6, 6, 2), (2, 2, 4, 1, 3)"),
             QStringLiteral("INSERT INTO solut (TaskID, ContNo, TypeID, BoxLoad, WgtLoad, WolLoad, FixCont) "
                            "VALUES (2, 1, 1, 7, 2200, 5.76e6, 1)"),
             QStringLiteral(
                 "INSERT INTO distr (TaskID, ContNo, KindID, Placed) VALUES (2, 1, 1, 6), (2, 1, 2, 1)"),
             QStringLiteral(
                 "INSERT INTO posit (TaskID, ContNo, BoxNo, KindID, PosX, PosY, PosLh, PosWh, LoadNo) "
                 "VALUES (2, 1, 1, 1, 0, 0, 1200, 800, 1), (2, 1, 2, 2, 1200, 0, 1200, 1000, 2)"),
             QStringLiteral("UPDATE tasks SET Descr = 'two trucks', Power = 7, Qw = 235, Date = '2026-01-05' "
                            "WHERE TaskID = 2")});
    }
    // Creates and starts the module on the main database with task `taskIni` current.
    bool start(qint32 taskIni = 0) {
        m_dm = std::make_unique<TDMForm>(&m_prompter);
        for (int code = 0; code < 3; ++code)
            m_dm->setDatabaseDirectory(code, m_dirs[code]);
        return m_dm->DataModuleCreate(taskIni);
    }
    // Another planner's connection to the main database (a server schema).
    Store& other() {
        if (!m_other)
            m_other = Store::open(m_dirs[0], StoreOpenMode::ExistingOnly);
        EXPECT_TRUE(m_other);
        return *m_other;
    }
    // Rows of a query on a database.
    QList<QVariantList> rows(int code, const QString& sql) {
        std::shared_ptr<Store> s = Store::openShared(m_dirs[code], StoreOpenMode::ExistingOnly);
        if (!s)
            return {{QStringLiteral("cannot open")}};
        QSqlQuery q(s->database());
        if (!q.exec(sql))
            return {{q.lastError().text()}};
        QList<QVariantList> out;
        while (q.next()) {
            QVariantList r;
            for (int i = 0; i < q.record().count(); ++i)
                r << q.value(i);
            out << r;
        }
        return out;
    }
    // The contents of every table of a database in key order, without the server's own columns.
    QList<QList<QVariantList>> snapshot(int code) {
        QList<QList<QVariantList>> all;
        for (Table t : AllTables)
            all << rows(code, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                  .arg(tableDef(t).fieldNames().join(QLatin1Char(',')), tableName(t)));
        return all;
    }
    QStringList askedTexts() const {
        QStringList l;
        for (const PromptRecord& r : m_prompter.asked)
            l << r.text;
        return l;
    }

    QTemporaryDir m_tmp;
    QString m_dirs[3];
    ScriptedPrompter m_prompter;
    std::unique_ptr<TDMForm> m_dm;
    std::unique_ptr<Store> m_other;
};

} // namespace palvane::test
