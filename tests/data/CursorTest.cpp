// Cursors over real table files: order, master-detail following, lookups, calculated columns,
// pending rows, refusals that leave the row as it was, value checks and values read out of range.
#include "Cursor.h"
#include "CoreApp.h"
#include "Store.h"
#include "TestServer.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace palvane;

namespace {

class CursorTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApp();
        ASSERT_TRUE(m_tmp.isValid());
        StoreError err;
        m_store =
            Store::open(test::testDatabase(m_tmp, QStringLiteral("db")), StoreOpenMode::CreateMissing, &err);
        ASSERT_TRUE(m_store) << err.message().toStdString();
    }
    void exec(const QString& sql) {
        QSqlQuery q(m_store->database());
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    std::unique_ptr<Cursor> cursor(const QString& name, Table t, const QStringList& order) {
        auto c = std::make_unique<Cursor>(name, t);
        c->setDatabase(m_store->database());
        c->setOrder(order);
        c->setPrompter(&m_prompter);
        return c;
    }
    QVariant stored(const QString& sql) {
        QSqlQuery q(m_store->database());
        if (!q.exec(sql) || !q.next())
            return QVariant();
        return q.value(0);
    }

    QTemporaryDir m_tmp;
    std::unique_ptr<Store> m_store;
    ScriptedPrompter m_prompter;
};

TEST_F(CursorTest, RowsInIndexOrderAndNavigation) {
    exec(QStringLiteral("INSERT INTO conts (Type, Length, Width) VALUES ('Van', 400, 200), "
                        "('Semitrailer', 13600, 2450), ('box truck', 700, 245)"));
    auto conts = cursor(QStringLiteral("conts"), Table::Conts, {QStringLiteral("Type")});
    ASSERT_TRUE(conts->open());
    ASSERT_EQ(conts->rowCount(), 3);
    EXPECT_EQ(conts->currentRow(), 0);
    EXPECT_EQ(conts->textValue(QStringLiteral("Type")), QStringLiteral("box truck"));
    EXPECT_TRUE(conts->next());
    EXPECT_EQ(conts->textValue(QStringLiteral("Type")), QStringLiteral("Semitrailer"));
    EXPECT_TRUE(conts->last());
    EXPECT_FALSE(conts->next());
    EXPECT_EQ(conts->currentRow(), 2);
    EXPECT_TRUE(conts->locate(QStringLiteral("Length"), 13600));
    EXPECT_EQ(conts->currentRow(), 1);
    EXPECT_FALSE(conts->locate(QStringLiteral("Length"), 1));
    EXPECT_EQ(conts->currentRow(), 1);
}

TEST_F(CursorTest, DetailFollowsMasterWithLookups) {
    exec(QStringLiteral("INSERT INTO tasks (TaskID, Name) VALUES (1, 'A'), (2, 'B')"));
    exec(QStringLiteral("INSERT INTO conts (TypeID, Type, Length, Width) VALUES (7, 'Van', 400, 200), "
                        "(3, 'Truck', 700, 245)"));
    exec(QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (2, 7, 1), (1, 7, 4), (1, 3, 2)"));
    auto tasks = cursor(QStringLiteral("tasks"), Table::Tasks, {QStringLiteral("TaskID")});
    auto conts = cursor(QStringLiteral("conts"), Table::Conts, {QStringLiteral("Type")});
    auto tc = cursor(QStringLiteral("tc"), Table::Tc, {QStringLiteral("TaskID"), QStringLiteral("TypeID")});
    tc->setMaster(tasks.get(), {QStringLiteral("TaskID")}, {QStringLiteral("TaskID")});
    tc->addLookup(conts.get(), QStringLiteral("TypeID"), QStringLiteral("TypeID"),
                  {QStringLiteral("Type"), QStringLiteral("Length")});
    ASSERT_TRUE(conts->open());
    ASSERT_TRUE(tc->open());
    ASSERT_TRUE(tasks->open());
    ASSERT_EQ(tc->rowCount(), 2);
    EXPECT_EQ(tc->intValue(QStringLiteral("TypeID")), 3); // index order TaskID, TypeID
    EXPECT_EQ(tc->textValue(QStringLiteral("Type")), QStringLiteral("Truck"));
    EXPECT_EQ(tc->intValue(QStringLiteral("Length")), 700);
    EXPECT_TRUE(tasks->next());
    ASSERT_EQ(tc->rowCount(), 1);
    EXPECT_EQ(tc->intValue(QStringLiteral("Avail")), 1);
    EXPECT_EQ(tc->textValue(QStringLiteral("Type")), QStringLiteral("Van"));

    // A new detail row takes the master's key; setting the looked-up name sets the key.
    ASSERT_TRUE(tc->append());
    EXPECT_EQ(tc->intValue(QStringLiteral("TaskID")), 2);
    ASSERT_TRUE(tc->setValue(QStringLiteral("Type"), QStringLiteral("Truck")));
    EXPECT_EQ(tc->intValue(QStringLiteral("TypeID")), 3);
    ASSERT_TRUE(tc->post());
    EXPECT_EQ(tc->rowCount(), 2);
    EXPECT_EQ(stored(QStringLiteral("SELECT COUNT(*) FROM tc WHERE TaskID = 2")).toInt(), 2);

    // A pending detail row is stored before the master moves.
    ASSERT_TRUE(tc->setValue(QStringLiteral("Avail"), 9));
    EXPECT_TRUE(tasks->first());
    EXPECT_EQ(stored(QStringLiteral("SELECT Avail FROM tc WHERE TaskID = 2 AND TypeID = 3")).toInt(), 9);

    // Looked-up columns follow the changed library row.
    ASSERT_TRUE(conts->locate(QStringLiteral("TypeID"), 3));
    ASSERT_TRUE(conts->setValue(QStringLiteral("Length"), 720));
    EXPECT_EQ(tc->intValue(QStringLiteral("Length")), 720);
    ASSERT_TRUE(conts->post());
    EXPECT_EQ(tc->intValue(QStringLiteral("Length")), 720);
}

TEST_F(CursorTest, PendingRowsCancelAndSignals) {
    exec(QStringLiteral(
        "INSERT INTO boxes (Kind, Length, Width, Weight) VALUES ('B', 1, 1, 1), ('D', 2, 2, 2)"));
    auto boxes = cursor(QStringLiteral("boxes"), Table::Boxes, {QStringLiteral("Kind")});
    ASSERT_TRUE(boxes->open());
    std::vector<int> inserted;
    int removed = 0, reset = 0;
    QObject receiver;
    QObject::connect(boxes.get(), &Cursor::rowInserted, &receiver, [&](int row) { inserted.push_back(row); });
    QObject::connect(boxes.get(), &Cursor::rowRemoved, &receiver, [&] { ++removed; });
    QObject::connect(boxes.get(), &Cursor::rowsReset, &receiver, [&] { ++reset; });
    ASSERT_TRUE(boxes->next());
    ASSERT_TRUE(boxes->insert());
    EXPECT_EQ(boxes->state(), CursorState::Insert);
    EXPECT_EQ(boxes->rowCount(), 3);
    EXPECT_EQ(boxes->currentRow(), 1);
    ASSERT_EQ(inserted.size(), 1u);
    EXPECT_EQ(inserted[0], 1);
    boxes->cancel();
    EXPECT_EQ(boxes->state(), CursorState::Browse);
    EXPECT_EQ(boxes->rowCount(), 2);
    EXPECT_EQ(boxes->textValue(QStringLiteral("Kind")), QStringLiteral("D"));
    EXPECT_EQ(removed, 1);

    // A new row missing a required value is refused with the store's message and stays pending.
    ASSERT_TRUE(boxes->append());
    ASSERT_TRUE(boxes->setValue(QStringLiteral("Kind"), QStringLiteral("C")));
    EXPECT_FALSE(boxes->post());
    EXPECT_EQ(boxes->state(), CursorState::Insert);
    ASSERT_FALSE(m_prompter.asked.empty());
    EXPECT_EQ(m_prompter.asked.back().text, QStringLiteral("Field 'Length' must have a value."));
    ASSERT_TRUE(boxes->setValue(QStringLiteral("Length"), QStringLiteral("1200")));
    ASSERT_TRUE(boxes->setValue(QStringLiteral("Width"), 800));
    ASSERT_TRUE(boxes->setValue(QStringLiteral("Weight"), 20));
    int resets = reset;
    ASSERT_TRUE(boxes->post());
    EXPECT_GT(reset, resets);
    EXPECT_EQ(boxes->textValue(QStringLiteral("Kind")), QStringLiteral("C"));
    EXPECT_EQ(boxes->currentRow(), 1); // moved to its place in name order

    // Edit then cancel restores the stored values.
    ASSERT_TRUE(boxes->setValue(QStringLiteral("Weight"), 99));
    EXPECT_EQ(boxes->state(), CursorState::Edit);
    boxes->cancel();
    EXPECT_EQ(boxes->intValue(QStringLiteral("Weight")), 20);
    EXPECT_EQ(stored(QStringLiteral("SELECT Weight FROM boxes WHERE Kind = 'C'")).toInt(), 20);
}

TEST_F(CursorTest, ValueChecksKeepOldValue) {
    exec(QStringLiteral("INSERT INTO conts (Type, Length, Width, Temp) VALUES ('Van', 400, 200, 0)"));
    auto conts = cursor(QStringLiteral("conts"), Table::Conts, {QStringLiteral("Type")});
    ASSERT_TRUE(conts->open());
    struct Case {
        const char* field;
        QVariant value;
        const char* message;
    };
    const Case cases[] = {
        {"Length", 40000,
         "'40000' is not a valid value for field 'Length'. The allowed range is -32768 to 32767"},
        {"Length", QStringLiteral("12a"), "'12a' is not a valid integer value"},
        {"LoadWt", 2.5, "'2.5' is not a valid integer value"},
        {"Temp", QStringLiteral("maybe"), "Enter 'f' (false) or 't' (true)"},
        {"Type", QString(26, QLatin1Char('x')),
         "The text for field 'Type' is too long: at most 25 characters."},
        {"Cost", QStringLiteral("cheap"), "'cheap' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        QVariant before = conts->value(QLatin1String(c.field));
        EXPECT_FALSE(conts->setValue(QLatin1String(c.field), c.value)) << c.field;
        EXPECT_EQ(conts->value(QLatin1String(c.field)), before) << c.field;
        ASSERT_FALSE(m_prompter.asked.empty());
        EXPECT_EQ(m_prompter.asked.back().kind, PromptKind::Error);
        EXPECT_EQ(m_prompter.asked.back().text, QLatin1String(c.message));
    }
    EXPECT_TRUE(conts->setValue(QStringLiteral("Type"), QString(25, QLatin1Char('y'))));
    EXPECT_TRUE(conts->setValue(QStringLiteral("Temp"), QStringLiteral("t")));
    EXPECT_TRUE(conts->post());
    EXPECT_EQ(stored(QStringLiteral("SELECT Temp FROM conts")).toInt(), 1);
    EXPECT_EQ(stored(QStringLiteral("SELECT length(Type) FROM conts")).toInt(), 25);
}

TEST_F(CursorTest, FieldRuleSeesProposedValueAndMayRefuse) {
    exec(QStringLiteral("INSERT INTO conts (Type, Length, Width) VALUES ('Van', 400, 200)"));
    auto conts = cursor(QStringLiteral("conts"), Table::Conts, {QStringLiteral("Type")});
    QVariant seen;
    conts->setFieldRule(QStringLiteral("Width"), [&](Cursor& c, const QString& f) {
        seen = c.value(f);
        return c.intValue(f) < 300;
    });
    ASSERT_TRUE(conts->open());
    EXPECT_FALSE(conts->setValue(QStringLiteral("Width"), 310));
    EXPECT_EQ(seen.toInt(), 310);
    EXPECT_EQ(conts->intValue(QStringLiteral("Width")), 200);
    EXPECT_TRUE(conts->setValue(QStringLiteral("Width"), 250));
    EXPECT_TRUE(conts->post());
    EXPECT_EQ(stored(QStringLiteral("SELECT Width FROM conts")).toInt(), 250);

    // Refusing a before-event leaves the cursor browsing.
    conts->beforeEdit = [](Cursor&) { return false; };
    EXPECT_FALSE(conts->setValue(QStringLiteral("Width"), 100));
    EXPECT_EQ(conts->state(), CursorState::Browse);
    conts->beforeDelete = [](Cursor&) { return false; };
    EXPECT_FALSE(conts->remove());
    EXPECT_EQ(conts->rowCount(), 1);
}

TEST_F(CursorTest, OutOfRangeValuesReadFittedAndKeptInFile) {
    exec(QStringLiteral("INSERT INTO boxes (Kind, Length, Width, Weight, Descr) VALUES "
                        "('Huge', 99999, 'wide', 5, 'ok')"));
    exec(QStringLiteral("UPDATE boxes SET Kind = 'A name much longer than twenty-five'"));
    auto boxes = cursor(QStringLiteral("boxes"), Table::Boxes, {QStringLiteral("Kind")});
    ASSERT_TRUE(boxes->open());
    EXPECT_EQ(boxes->fittedValueCount(), 3);
    EXPECT_EQ(boxes->intValue(QStringLiteral("Length")), 32767);
    EXPECT_TRUE(boxes->value(QStringLiteral("Width")).isNull());
    EXPECT_EQ(boxes->textValue(QStringLiteral("Kind")).size(), 25);
    // A required value that could not be read must be given before the row is stored again.
    ASSERT_TRUE(boxes->setValue(QStringLiteral("Descr"), QStringLiteral("changed")));
    EXPECT_FALSE(boxes->post());
    EXPECT_EQ(m_prompter.asked.back().text, QStringLiteral("Field 'Width' must have a value."));
    // Changing fields stores only those: the file keeps the other values it held.
    ASSERT_TRUE(boxes->setValue(QStringLiteral("Width"), 800));
    ASSERT_TRUE(boxes->post());
    EXPECT_EQ(stored(QStringLiteral("SELECT Length FROM boxes")).toInt(), 99999);
    EXPECT_EQ(stored(QStringLiteral("SELECT Descr FROM boxes")).toString(), QStringLiteral("changed"));
}

TEST_F(CursorTest, CalculatedColumnsAndSuspension) {
    exec(QStringLiteral("INSERT INTO tb (TaskID, KindID, Total, Placed) VALUES (1, 1, 10, 4)"));
    auto tb = cursor(QStringLiteral("tb"), Table::Tb, {QStringLiteral("TaskID"), QStringLiteral("KindID")});
    tb->addCalculated(QStringLiteral("Left"), FieldType::Int16, [](const Cursor& c, int row) {
        return QVariant(c.valueAt(row, QStringLiteral("Total")).toInt() -
                        c.valueAt(row, QStringLiteral("Placed")).toInt());
    });
    ASSERT_TRUE(tb->open());
    EXPECT_EQ(tb->intValue(QStringLiteral("Left")), 6);
    ASSERT_TRUE(tb->setValue(QStringLiteral("Total"), 12));
    EXPECT_EQ(tb->intValue(QStringLiteral("Left")), 8); // pending value counts
    EXPECT_FALSE(tb->setValue(QStringLiteral("Left"), 1));
    tb->setCalcSuspended(true);
    EXPECT_TRUE(tb->value(QStringLiteral("Left")).isNull());
    tb->setCalcSuspended(false);

    int reset = 0;
    QObject receiver;
    QObject::connect(tb.get(), &Cursor::rowsReset, &receiver, [&] { ++reset; });
    tb->disableControls();
    ASSERT_TRUE(tb->post());
    EXPECT_EQ(reset, 0);
    tb->enableControls();
    EXPECT_EQ(reset, 1);
}

TEST_F(CursorTest, ChangeSignalsFollowTheItemModelContract) {
    exec(QStringLiteral("INSERT INTO tasks (Name) VALUES ('A'), ('B'), ('C')"));
    auto tasks = cursor(QStringLiteral("tasks"), Table::Tasks, {QStringLiteral("TaskID")});
    ASSERT_TRUE(tasks->open());
    // A model keeps its own row count and checks it against the cursor at every signal.
    int modelRows = tasks->rowCount();
    bool resetting = false;
    QStringList errors;
    Cursor* c = tasks.get();
    QObject receiver;
    QObject::connect(c, &Cursor::aboutToInsertRow, &receiver, [&](int row) {
        if (modelRows != c->rowCount() || row < 0 || row > modelRows)
            errors << QStringLiteral("aboutToInsert %1").arg(row);
    });
    QObject::connect(c, &Cursor::rowInserted, &receiver, [&](int) {
        if (++modelRows != c->rowCount())
            errors << QStringLiteral("inserted");
    });
    QObject::connect(c, &Cursor::aboutToRemoveRow, &receiver, [&](int row) {
        if (modelRows != c->rowCount() || row < 0 || row >= modelRows)
            errors << QStringLiteral("aboutToRemove %1").arg(row);
    });
    QObject::connect(c, &Cursor::rowRemoved, &receiver, [&](int) {
        if (--modelRows != c->rowCount())
            errors << QStringLiteral("removed");
    });
    QObject::connect(c, &Cursor::aboutToResetRows, &receiver, [&] { resetting = true; });
    QObject::connect(c, &Cursor::rowsReset, &receiver, [&] {
        if (!resetting)
            errors << QStringLiteral("reset without aboutToReset");
        resetting = false;
        modelRows = c->rowCount();
    });
    QObject::connect(c, &Cursor::rowChanged, &receiver, [&](int row) {
        if (row < 0 || row >= c->rowCount() || resetting)
            errors << QStringLiteral("changed %1").arg(row);
    });
    QObject::connect(c, &Cursor::currentChanged, &receiver, [&](int row, int) {
        if (row >= c->rowCount() || resetting)
            errors << QStringLiteral("current %1").arg(row);
    });

    ASSERT_TRUE(tasks->next());
    ASSERT_TRUE(tasks->insert());
    ASSERT_TRUE(tasks->setValue(QStringLiteral("Name"), QStringLiteral("New")));
    tasks->cancel();
    ASSERT_TRUE(tasks->append());
    ASSERT_TRUE(tasks->setValue(QStringLiteral("Name"), QStringLiteral("D")));
    ASSERT_TRUE(tasks->post());
    ASSERT_TRUE(tasks->first());
    ASSERT_TRUE(tasks->setValue(QStringLiteral("Name"), QStringLiteral("A2")));
    ASSERT_TRUE(tasks->last()); // stores the edit on the way
    ASSERT_TRUE(tasks->remove());
    ASSERT_TRUE(tasks->refresh());
    tasks->close();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(modelRows, 0);
    EXPECT_EQ(stored(QStringLiteral("SELECT Name FROM tasks ORDER BY TaskID")).toString(),
              QStringLiteral("A2"));
    EXPECT_EQ(stored(QStringLiteral("SELECT COUNT(*) FROM tasks")).toInt(), 3);
}

} // namespace
