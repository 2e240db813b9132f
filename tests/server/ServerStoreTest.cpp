// The task database in a schema of a PostgreSQL server: the schema made when empty and refused
// when it differs, several connections at once, keys, case-blind order, row edits checked
// against the row version, the task row lock, and the delete cascade and solution writes.
#include "Cursor.h"
#include "EngineRows.h"
#include "Prompter.h"
#include "ServerSchema.h"
#include "Store.h"
#include "TaskCascade.h"
#include "TestServer.h"

#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace palvane;

namespace {

class ServerStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_location = test::freshLocation("store");
        StoreError err;
        m_store = Store::open(m_location, StoreOpenMode::ExistingOnly, &err);
        ASSERT_TRUE(m_store) << "the test server cannot be used: " << err.message().toStdString() << " / "
                             << err.detail.toStdString();
    }
    void exec(const QString& sql, Store* store = nullptr) {
        QSqlQuery q((store ? store : m_store.get())->database());
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
    }
    QVariant value(const QString& sql, Store* store = nullptr) {
        QSqlQuery q((store ? store : m_store.get())->database());
        if (!q.exec(sql) || !q.next())
            return QVariant();
        return q.value(0);
    }
    std::unique_ptr<Store> second() {
        StoreError err;
        auto s = Store::open(m_location, StoreOpenMode::ExistingOnly, &err);
        EXPECT_TRUE(s) << err.message().toStdString();
        return s;
    }
    std::unique_ptr<Cursor> cursor(Store& store, Table t, const QStringList& order) {
        auto c = std::make_unique<Cursor>(tableName(t), t);
        c->setDatabase(store.database());
        c->setOrder(order);
        c->setPrompter(&m_prompter);
        return c;
    }

    QString m_location;
    std::unique_ptr<Store> m_store;
    ScriptedPrompter m_prompter;
};

TEST_F(ServerStoreTest, EmptySchemaGetsTheEightTablesAndSeveralConnectionsUseItAtOnce) {
    EXPECT_TRUE(m_store->isServer());
    for (Table t : AllTables)
        EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tableName(t))).toInt(), 0)
            << tableName(t).toStdString();
    auto other = second();
    ASSERT_TRUE(other);
    exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('seen')"), other.get());
    EXPECT_EQ(value(QStringLiteral("SELECT Name FROM tasks")).toString(), QStringLiteral("seen"));
    // A second open of the same schema finds the tables and keeps their rows.
    other.reset();
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM tasks")).toInt(), 1);
}

TEST_F(ServerStoreTest, SchemaWhoseTablesDifferIsRefusedNamingThem) {
    exec(QStringLiteral("ALTER TABLE tc DROP COLUMN Prior"));
    exec(QStringLiteral("ALTER TABLE conts ADD COLUMN Colour text"));
    exec(QStringLiteral("ALTER TABLE boxes ALTER COLUMN Weight TYPE integer"));
    StoreError err;
    EXPECT_FALSE(Store::open(m_location, StoreOpenMode::ExistingOnly, &err));
    EXPECT_EQ(err.kind, StoreError::Kind::WrongTable);
    const QString all = err.schemaDifferences.join(QLatin1Char('|'));
    EXPECT_TRUE(all.contains(QStringLiteral("tc: no column Prior"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("conts: column colour is not expected"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("boxes.Weight: integer, not smallint"))) << all.toStdString();
    EXPECT_TRUE(err.message().startsWith(dbBusyOrWrongText()));
    EXPECT_TRUE(err.message().contains(QStringLiteral("tc: no column Prior")));

    exec(QStringLiteral("DROP TABLE posit"));
    EXPECT_FALSE(Store::open(m_location, StoreOpenMode::ExistingOnly, &err));
    EXPECT_TRUE(err.schemaDifferences.contains(QStringLiteral("no table posit")));
}

TEST_F(ServerStoreTest, UnreachableServerIsRefusedWithTheServersReason) {
    ServerLocation nowhere = test::testServer(QStringLiteral("x"));
    nowhere.port = 1; // no server listens there
    StoreError err;
    EXPECT_FALSE(Store::open(nowhere.toString(), StoreOpenMode::ExistingOnly, &err));
    EXPECT_EQ(err.kind, StoreError::Kind::Busy);
    EXPECT_FALSE(err.reason.isEmpty());
    EXPECT_TRUE(err.path.contains(QStringLiteral("PostgreSQL")));
}

TEST_F(ServerStoreTest, KeysGivenExplicitlyMoveTheKeySequenceOn) {
    exec(QStringLiteral("INSERT INTO conts (TypeID, Type, Length, Width) VALUES (7, 'Van', 400, 200)"));
    exec(QStringLiteral("INSERT INTO conts (Type, Length, Width) VALUES ('Truck', 700, 245)"));
    EXPECT_EQ(value(QStringLiteral("SELECT TypeID FROM conts WHERE Type = 'Truck'")).toInt(), 8);
    auto conts = cursor(*m_store, Table::Conts, {QStringLiteral("Type")});
    ASSERT_TRUE(conts->open());
    ASSERT_TRUE(conts->appendRecord({QVariant(), QStringLiteral("box truck"), QString(), 600, 240}));
    EXPECT_EQ(conts->value(QStringLiteral("TypeID")).toInt(), 9);
}

TEST_F(ServerStoreTest, TextOrderIgnoresCaseAndListRowsKeepTheirOrderOfInsertion) {
    exec(QStringLiteral("INSERT INTO conts (Type, Length, Width) VALUES ('Van', 400, 200), "
                        "('semitrailer', 13600, 2450), ('Box truck', 700, 245)"));
    auto conts = cursor(*m_store, Table::Conts, {QStringLiteral("Type")});
    ASSERT_TRUE(conts->open());
    QStringList seen;
    for (int r = 0; r < conts->rowCount(); ++r)
        seen << conts->valueAt(r, QStringLiteral("Type")).toString();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Box truck"), QStringLiteral("semitrailer"),
                                 QStringLiteral("Van")}));

    exec(QStringLiteral("INSERT INTO posit (TaskID, ContNo, BoxNo) VALUES (1, 1, 3), (1, 1, 1), (1, 1, 2)"));
    auto posit = cursor(*m_store, Table::Posit, {QStringLiteral("TaskID"), QStringLiteral("ContNo")});
    ASSERT_TRUE(posit->open());
    ASSERT_EQ(posit->rowCount(), 3);
    EXPECT_EQ(posit->valueAt(0, QStringLiteral("BoxNo")).toInt(), 3);
    EXPECT_EQ(posit->valueAt(2, QStringLiteral("BoxNo")).toInt(), 2);
}

TEST_F(ServerStoreTest, RowEditOverAnotherUsersChangeIsRefusedAndTheRowReloaded) {
    exec(QStringLiteral("INSERT INTO tasks (Name, Descr) VALUES ('Alpha', 'first'), ('Beta', 'second')"));
    auto other = second();
    ASSERT_TRUE(other);
    auto mine = cursor(*m_store, Table::Tasks, {QStringLiteral("TaskID")});
    ASSERT_TRUE(mine->open());
    ASSERT_TRUE(mine->locate(QStringLiteral("Name"), QStringLiteral("Beta")));

    // Unchanged meanwhile: the edit is stored.
    ASSERT_TRUE(mine->setValue(QStringLiteral("Descr"), QStringLiteral("mine")));
    ASSERT_TRUE(mine->post());
    EXPECT_TRUE(m_prompter.asked.empty());

    exec(QStringLiteral("UPDATE tasks SET Descr = 'theirs' WHERE Name = 'Beta'"), other.get());
    ASSERT_TRUE(mine->setValue(QStringLiteral("Descr"), QStringLiteral("mine again")));
    EXPECT_FALSE(mine->post());
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text, rowChangedText());
    EXPECT_FALSE(mine->isEditing());
    EXPECT_EQ(mine->textValue(QStringLiteral("Name")), QStringLiteral("Beta"));
    EXPECT_EQ(mine->textValue(QStringLiteral("Descr")), QStringLiteral("theirs"));
    EXPECT_EQ(value(QStringLiteral("SELECT Descr FROM tasks WHERE Name = 'Beta'")).toString(),
              QStringLiteral("theirs"));

    // Once reloaded, the row can be edited over the other user's version.
    ASSERT_TRUE(mine->setValue(QStringLiteral("Descr"), QStringLiteral("last")));
    EXPECT_TRUE(mine->post());
    EXPECT_EQ(value(QStringLiteral("SELECT Descr FROM tasks WHERE Name = 'Beta'")).toString(),
              QStringLiteral("last"));
    // The other row was never touched.
    EXPECT_EQ(value(QStringLiteral("SELECT Descr FROM tasks WHERE Name = 'Alpha'")).toString(),
              QStringLiteral("first"));
}

TEST_F(ServerStoreTest, TaskRowLockRefusesASecondUnitWithoutWaiting) {
    exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('one'), ('two')"));
    auto other = second();
    ASSERT_TRUE(other);
    StoreTransaction mine(*m_store);
    ASSERT_TRUE(mine.isActive());
    ASSERT_EQ(m_store->lockTask(1), TaskLock::Locked);
    {
        StoreTransaction theirs(*other);
        ASSERT_TRUE(theirs.isActive());
        EXPECT_EQ(other->lockTask(1), TaskLock::Busy);
    }
    {
        StoreTransaction theirs(*other);
        EXPECT_EQ(other->lockTask(2), TaskLock::Locked); // another task is free
    }
    // The delete cascade of the locked task is refused with the message and deletes nothing.
    exec(QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (1, 1, 1)"));
    ASSERT_TRUE(mine.commit());
    StoreTransaction again(*m_store);
    ASSERT_EQ(m_store->lockTask(1), TaskLock::Locked);
    QString error;
    EXPECT_FALSE(deleteTaskRows(*other, 1, CascadeScope::RowsAndTask, {}, &error));
    EXPECT_EQ(error, taskBusyText());
    again.rollback();
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM tc"), other.get()).toInt(), 1);
    EXPECT_TRUE(deleteTaskRows(*other, 1, CascadeScope::RowsAndTask, {}, &error)) << error.toStdString();
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM tc")).toInt(), 0);
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM tasks")).toInt(), 1);
}

TEST_F(ServerStoreTest, SolutionWriteOfALockedTaskIsRefusedAndTheStoredOneKept) {
    exec(QStringLiteral("INSERT INTO tasks (Name, Solut) VALUES ('one', 0)"));
    exec(QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail, Used) VALUES (1, 1, 2, 0)"));
    exec(QStringLiteral("INSERT INTO tb (TaskID, KindID, Total, Placed) VALUES (1, 1, 3, 0)"));
    auto other = second();
    ASSERT_TRUE(other);
    SolutionWrite w;
    w.date = "2026-12-10";
    w.tcUsed = {{1, 1}};
    w.tbPlaced = {{1, 3}};
    w.solut.push_back(SolutRow{});
    w.solut.back().ContNo = 1;
    w.solut.back().TypeID = 1;
    w.solut.back().BoxLoad = 3;
    std::string error;
    {
        StoreTransaction hold(*m_store);
        ASSERT_EQ(m_store->lockTask(1), TaskLock::Locked);
        EngineRows theirs(*other);
        EXPECT_EQ(theirs.replaceSolution(1, w, error), RowsStatus::Failed);
        EXPECT_EQ(QString::fromStdString(error), taskBusyText());
    }
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM solut")).toInt(), 0);
    EngineRows theirs(*other);
    ASSERT_EQ(theirs.replaceSolution(1, w, error), RowsStatus::Ok) << error;
    EXPECT_EQ(value(QStringLiteral("SELECT Solut FROM tasks")).toInt(), 1);
    EXPECT_EQ(value(QStringLiteral("SELECT Placed FROM tb")).toInt(), 3);
    TaskRows rows;
    EngineRows mine(*m_store);
    ASSERT_EQ(mine.readTask(1, rows, error), RowsStatus::Ok) << error;
    ASSERT_EQ(rows.solut.size(), 1u);
    EXPECT_EQ(rows.solut[0].BoxLoad, 3);
}

} // namespace
