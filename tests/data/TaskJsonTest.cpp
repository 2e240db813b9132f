// Tasks and plans as JSON on real table files: the documents against docs/plan.schema.json for
// the sample task and generated tasks, the task part read back as a copy that solves to the same
// plan, library rows found, compared and added, and hostile inputs refused with their line and
// nothing stored.
#include "TaskJson.h"
#include "CoreApp.h"
#include "DatabaseAliases.h"
#include "EngineRows.h"
#include "JsonLines.h"
#include "JsonSchemaCheck.h"
#include "SolvePipeline.h"
#include "Store.h"
#include "TaskRowsFixtures.h"
#include "TestServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace palvane;
using namespace palvane::testing;

namespace {

class TaskJsonTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApp();
        HomeFolder home(m_tmp.path());
        QString error;
        ASSERT_TRUE(test::prepareTestDatabases(home, &error)) << error.toStdString();
        m_store = Store::open(test::homeAliases(home).directory(MainDatabase), StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(m_store);
        m_search = NewLayoutSearch();
    }

    QJsonObject show(qint32 taskId) {
        QJsonObject doc;
        QString error;
        EXPECT_TRUE(showTaskJson(*m_store, taskId, doc, error)) << error.toStdString();
        return doc;
    }
    SolveOutcome solve(qint32 taskId, std::int16_t power = 1) {
        EngineRows rows(*m_store);
        TaskRows task;
        std::string error;
        rows.readTask(taskId, task, error);
        SolveSettings settings = settingsFromTask(task.task.solve);
        settings.Power = power;
        EngineServices services{rows, rows, m_messages, *m_search};
        auto ws = std::make_unique<PackWorkspace>();
        return SolveTask(*ws, taskId, settings, services);
    }
    // Rows of every table, to show that a refusal stored nothing.
    std::vector<int> rowCounts() {
        std::vector<int> counts;
        for (Table t : AllTables) {
            QSqlQuery q(m_store->database());
            q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + tableName(t));
            counts.push_back(q.next() ? q.value(0).toInt() : -1);
        }
        return counts;
    }
    QStringList schemaProblems(const QJsonObject& doc) {
        static const QJsonObject schema =
            test::JsonSchemaCheck::load(QStringLiteral(PALVANE_SOURCE_DIR "/docs/plan.schema.json"));
        EXPECT_FALSE(schema.isEmpty());
        return test::JsonSchemaCheck(schema).check(doc);
    }
    static QByteArray bytes(const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Indented); }

    QTemporaryDir m_tmp;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<LayoutSearch> m_search;
    RecordingMessages m_messages;
};

std::vector<std::vector<int>> positions(const QJsonObject& doc) {
    std::vector<std::vector<int>> all;
    for (const QJsonValue& b : doc[QStringLiteral("plan")][QStringLiteral("boxes")].toArray()) {
        const QJsonObject o = b.toObject();
        all.push_back({o[QStringLiteral("container")].toInt(), o[QStringLiteral("loadNo")].toInt(),
                       o[QStringLiteral("kindId")].toInt(), o[QStringLiteral("x")].toInt(),
                       o[QStringLiteral("y")].toInt(), o[QStringLiteral("length")].toInt(),
                       o[QStringLiteral("width")].toInt()});
    }
    return all;
}

} // namespace

TEST_F(TaskJsonTest, SampleTaskDocumentsFollowTheSchemaBeforeAndAfterSolving) {
    const QJsonObject unsolved = show(1);
    EXPECT_TRUE(schemaProblems(unsolved).isEmpty())
        << schemaProblems(unsolved).join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(unsolved[QStringLiteral("plan")][QStringLiteral("solved")].toBool());
    EXPECT_TRUE(unsolved[QStringLiteral("plan")][QStringLiteral("boxes")].toArray().isEmpty());

    ASSERT_EQ(solve(1).status, SolveStatus::Ok);
    const QJsonObject solved = show(1);
    EXPECT_TRUE(schemaProblems(solved).isEmpty())
        << schemaProblems(solved).join(QLatin1Char('\n')).toStdString();
    const QJsonObject plan = solved[QStringLiteral("plan")].toObject();
    EXPECT_TRUE(plan[QStringLiteral("solved")].toBool());
    // Every box of the task is either placed or counted as unplaced, and each container's box
    // count matches its boxes.
    int total = 0;
    for (const QJsonValue& b : solved[QStringLiteral("task")][QStringLiteral("boxes")].toArray())
        total += b[QStringLiteral("total")].toInt();
    int left = 0;
    for (const QJsonValue& u : plan[QStringLiteral("unplaced")].toArray())
        left += u[QStringLiteral("count")].toInt();
    const QJsonArray boxes = plan[QStringLiteral("boxes")].toArray();
    EXPECT_EQ(int(boxes.size()) + left, total);
    EXPECT_EQ(plan[QStringLiteral("totals")][QStringLiteral("boxesLeft")].toInt(), left);
    for (const QJsonValue& c : plan[QStringLiteral("containers")].toArray()) {
        int inside = 0;
        for (const QJsonValue& b : boxes)
            inside += b[QStringLiteral("container")].toInt() == c[QStringLiteral("number")].toInt() ? 1 : 0;
        EXPECT_EQ(inside, c[QStringLiteral("boxes")].toInt());
        EXPECT_LE(c[QStringLiteral("loadWeight")].toInt(), c[QStringLiteral("loadWeightLimit")].toInt());
    }
    // Turned boxes lie with the kind's width along the container's length.
    for (const QJsonValue& b : boxes)
        for (const QJsonValue& k : solved[QStringLiteral("task")][QStringLiteral("boxes")].toArray()) {
            if (k[QStringLiteral("kindId")] != b[QStringLiteral("kindId")])
                continue;
            EXPECT_EQ(b[QStringLiteral("length")].toInt(), b[QStringLiteral("turned")].toBool()
                                                               ? k[QStringLiteral("width")].toInt()
                                                               : k[QStringLiteral("length")].toInt());
        }

    QJsonObject list;
    QString error;
    ASSERT_TRUE(taskListJson(*m_store, list, error)) << error.toStdString();
    EXPECT_TRUE(schemaProblems(list).isEmpty());
    ASSERT_EQ(list[QStringLiteral("tasks")].toArray().size(), 1);
    EXPECT_TRUE(list[QStringLiteral("tasks")][0][QStringLiteral("solved")].toBool());
}

TEST_F(TaskJsonTest, TheValidatorItselfCatchesBrokenDocuments) {
    QJsonObject doc = show(1);
    QJsonObject task = doc[QStringLiteral("task")].toObject();
    task.remove(QStringLiteral("name"));
    task.insert(QStringLiteral("extra"), 1);
    doc.insert(QStringLiteral("task"), task);
    doc.insert(QStringLiteral("version"), 2);
    const QString problems = schemaProblems(doc).join(QLatin1Char('\n'));
    EXPECT_TRUE(problems.contains(QStringLiteral("oneOf"))) << problems.toStdString();
    test::JsonSchemaCheck strict(QJsonObject{{QStringLiteral("pattern"), QStringLiteral("x")}});
    EXPECT_FALSE(strict.check(QJsonValue(QStringLiteral("x"))).isEmpty());
}

TEST_F(TaskJsonTest, GeneratedTasksAreStoredSolvedAndFollowTheSchema) {
    QRandomGenerator random(15);
    for (int n = 0; n < 5; ++n) {
        QJsonArray containers, boxes;
        const int types = random.bounded(1, 4);
        int avail = 0;
        for (int t = 0; t < types; ++t) {
            const int count = random.bounded(1, 5);
            avail += count;
            containers.append(QJsonObject{{QStringLiteral("type"), QStringLiteral("Gen%1-%2").arg(n).arg(t)},
                                          {QStringLiteral("available"), count},
                                          {QStringLiteral("cost"), random.bounded(500)},
                                          {QStringLiteral("length"), random.bounded(800, 2400)},
                                          {QStringLiteral("width"), random.bounded(600, 1400)},
                                          {QStringLiteral("loadWeight"), random.bounded(500, 5000)},
                                          {QStringLiteral("noseWeight"), n % 2 ? 3000 : 0},
                                          {QStringLiteral("tailWeight"), n % 2 ? 3000 : 0},
                                          {QStringLiteral("noseDistance"), n % 2 ? 100 : 0}});
        }
        ASSERT_LE(avail, 24);
        for (int k = 0, kinds = random.bounded(1, 6); k < kinds; ++k)
            boxes.append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("Box %1-%2").arg(n).arg(k)},
                                     {QStringLiteral("total"), random.bounded(1, 40)},
                                     {QStringLiteral("length"), random.bounded(100, 700)},
                                     {QStringLiteral("width"), random.bounded(100, 500)},
                                     {QStringLiteral("weight"), random.bounded(0, 80)},
                                     {QStringLiteral("turnOn"), k % 2 == 0},
                                     {QStringLiteral("bind"), k % 3}});
        const QJsonObject task{{QStringLiteral("name"), QStringLiteral("Generated %1").arg(n)},
                               {QStringLiteral("settings"), QJsonObject{{QStringLiteral("itemGap"), n * 5}}},
                               {QStringLiteral("containers"), containers},
                               {QStringLiteral("boxes"), boxes}};
        const TaskJsonResult added = addTaskFromJson(*m_store, bytes(task), {true});
        ASSERT_TRUE(added.ok()) << added.error.toStdString();
        EXPECT_EQ(added.createdTypes, types);
        EXPECT_EQ(added.createdKinds, boxes.size());
        ASSERT_EQ(solve(added.taskId).status, SolveStatus::Ok);
        const QJsonObject doc = show(added.taskId);
        EXPECT_TRUE(schemaProblems(doc).isEmpty())
            << schemaProblems(doc).join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(doc[QStringLiteral("task")][QStringLiteral("settings")][QStringLiteral("itemGap")].toInt(),
                  n * 5);
        EXPECT_EQ(doc[QStringLiteral("task")][QStringLiteral("containers")].toArray().size(), types);
    }
}

TEST_F(TaskJsonTest, TheTaskPartReadBackMakesACopyThatSolvesToTheSamePlan) {
    QJsonObject original = show(1);
    QJsonObject task = original[QStringLiteral("task")].toObject();
    task.insert(QStringLiteral("name"), QStringLiteral("Copy"));
    task.insert(QStringLiteral("description"), QStringLiteral("made from JSON"));
    const TaskJsonResult copy = addTaskFromJson(*m_store, bytes(task));
    ASSERT_TRUE(copy.ok()) << copy.error.toStdString();
    EXPECT_EQ(copy.createdTypes + copy.createdKinds, 0);
    ASSERT_EQ(solve(1).status, SolveStatus::Ok);
    ASSERT_EQ(solve(copy.taskId).status, SolveStatus::Ok);
    const QJsonObject a = show(1), b = show(copy.taskId);
    EXPECT_EQ(positions(a), positions(b));
    EXPECT_FALSE(positions(a).empty());
    EXPECT_EQ(a[QStringLiteral("task")][QStringLiteral("settings")],
              b[QStringLiteral("task")][QStringLiteral("settings")]);
    EXPECT_EQ(b[QStringLiteral("task")][QStringLiteral("description")].toString(),
              QStringLiteral("made from JSON"));
    // A whole show document is read for its task part too.
    original.insert(QStringLiteral("task"), task);
    EXPECT_TRUE(addTaskFromJson(*m_store, bytes(original)).ok());
}

TEST_F(TaskJsonTest, LibraryRowsAreFoundByNameOrIdAndAddedOnlyWhenAsked) {
    const QJsonObject sample = show(1)[QStringLiteral("task")].toObject();
    const QJsonObject firstType = sample[QStringLiteral("containers")][0].toObject();
    const QJsonObject firstKind = sample[QStringLiteral("boxes")][0].toObject();
    // By id alone, and by name alone.
    const QByteArray byId = QStringLiteral(R"({"name": "ids", "containers": [{"typeId": %1, "available": 1}],
        "boxes": [{"kind": "%2", "total": 2}]})")
                                .arg(firstType[QStringLiteral("typeId")].toInt())
                                .arg(firstKind[QStringLiteral("kind")].toString())
                                .toUtf8();
    TaskJsonResult r = addTaskFromJson(*m_store, byId);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(show(r.taskId)[QStringLiteral("task")][QStringLiteral("containers")][0][QStringLiteral("type")],
              firstType[QStringLiteral("type")]);

    const QByteArray unknown = R"({
  "name": "new rows",
  "containers": [{"type": "Flatbed 13m", "available": 2, "length": 13600, "width": 2450,
                  "loadWeight": 24000, "fillDir": "Width"}],
  "boxes": [
    {"kind": "Euro pallet", "total": 10, "length": 1200, "width": 800, "weight": 300},
    {"kind": "Drum", "total": 4, "length": 600, "width": 600, "turnOn": false}
  ]
})";
    const std::vector<int> before = rowCounts();
    r = addTaskFromJson(*m_store, unknown);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("line 3: "))) << r.error.toStdString();
    EXPECT_TRUE(r.error.contains(QStringLiteral("Flatbed 13m"))) << r.error.toStdString();
    EXPECT_EQ(rowCounts(), before);

    r = addTaskFromJson(*m_store, unknown, {true});
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.createdTypes, 1);
    EXPECT_EQ(r.createdKinds, 2);
    const QJsonObject stored = show(r.taskId)[QStringLiteral("task")].toObject();
    EXPECT_EQ(stored[QStringLiteral("containers")][0][QStringLiteral("fillDir")].toString(),
              QStringLiteral("Width"));
    EXPECT_EQ(stored[QStringLiteral("containers")][0][QStringLiteral("mark")].toString(),
              QStringLiteral("Fm"));
    EXPECT_EQ(stored[QStringLiteral("boxes")][1][QStringLiteral("turnOn")].toBool(), false);
    // The second time the rows exist: found by name, nothing added.
    r = addTaskFromJson(*m_store, unknown, {true});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.createdTypes + r.createdKinds, 0);
    // Values that differ from the library row are refused.
    QByteArray differing = unknown;
    differing.replace("13600", "13000");
    r = addTaskFromJson(*m_store, differing, {true});
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(QStringLiteral("13000"))) << r.error.toStdString();
}

TEST_F(TaskJsonTest, HostileInputsAreRefusedWithTheirLineAndNothingIsStored) {
    const QString sample =
        show(1)[QStringLiteral("task")][QStringLiteral("containers")][0][QStringLiteral("type")].toString();
    const QString kind =
        show(1)[QStringLiteral("task")][QStringLiteral("boxes")][0][QStringLiteral("kind")].toString();
    // Each case: the input and the start of the refusal.
    auto task = [&](const QString& containers, const QString& boxes, const QString& extra = QString()) {
        return QStringLiteral(
                   "{\n\"name\": \"hostile\",%3\n\"containers\": [\n%1\n],\n\"boxes\": [\n%2\n]\n}")
            .arg(containers, boxes, extra)
            .toUtf8();
    };
    const QString okType = QStringLiteral("{\"type\": \"%1\", \"available\": 1}").arg(sample);
    const QString okKind = QStringLiteral("{\"kind\": \"%1\", \"total\": 1}").arg(kind);
    QStringList manyTypes;
    const struct {
        QByteArray json;
        const char* start;
    } cases[] = {
        {"", "line 1: "},
        {"[1, 2]", "line 1: the input needs to be a JSON object"},
        {"{\"name\": \"x\",\n\"containers\": [}", "line 2: "},
        {task(okType, okKind, QStringLiteral("\n\"description\": 5,")), "line 3: description: needs a text"},
        {task(QStringLiteral("{\"type\": \"%1\", \"available\": \"2\"}").arg(sample), okKind),
         "line 4: containers[0].available: needs a whole number from 1 to 24"},
        {task(QStringLiteral("{\"type\": \"%1\", \"available\": 25}").arg(sample), okKind),
         "line 4: containers[0].available: needs a whole number"},
        {task(QStringLiteral("{\"type\": \"%1\", \"available\": 1e300}").arg(sample), okKind), "line 4: "},
        {task(QStringLiteral("{\"type\": \"%1\", \"available\": 1.5}").arg(sample), okKind), "line 4: "},
        {task(okType, QStringLiteral("{\"kind\": \"%1\", \"total\": 1001}").arg(kind)),
         "line 7: boxes[0].total: needs a whole number from 1 to 1000"},
        {task(okType, QStringLiteral("{\"kind\": \"%1\", \"total\": 1, \"cost\": 1e39}").arg(kind)),
         "line 7: boxes[0].cost"},
        {task(okType, QStringLiteral("{\"kind\": \"%1\", \"total\": 1, \"cost\": -1}").arg(kind)),
         "line 7: boxes[0].cost"},
        {task(okType, QStringLiteral("{\"kind\": \"No such kind\", \"total\": 1}")),
         "line 7: boxes[0].kind: unknown box kind \"No such kind\""},
        {task(okType, QStringLiteral("%1,\n%1").arg(okKind)),
         "line 8: boxes[1]: the box kind is listed twice"},
        {task(okType, QStringLiteral("{\"kindId\": 99999, \"total\": 1}")),
         "line 7: boxes[0].kindId: no box kind"},
        {task(okType, QStringLiteral("{\"kind\": \"%1\", \"total\": 1, \"colour\": 3}").arg(kind)),
         "line 7: boxes[0].colour: unknown member"},
        {QStringLiteral("{\"name\": \"bad\\u001b[2Jname\", \"containers\": [], \"boxes\": []}").toUtf8(),
         "line 1: name: \"bad\\x1b[2Jname\" holds control characters"},
        {QStringLiteral("{\"name\": \"   \", \"containers\": [], \"boxes\": []}").toUtf8(),
         "line 1: name: needs a name"},
        {QStringLiteral("{\"name\": \"%1\", \"containers\": [], \"boxes\": []}")
             .arg(QString(26, QLatin1Char('n')))
             .toUtf8(),
         "line 1: name: "},
        {QStringLiteral("{\"name\": \"x\", \"containers\": {}, \"boxes\": []}").toUtf8(),
         "line 1: containers: needs an array"},
        {QStringLiteral("{\"name\": \"x\", \"boxes\": []}").toUtf8(), "line 1: containers: is missing"},
        {task(okType, okKind, QStringLiteral("\n\"settings\": {\"power\": 21},")),
         "line 3: settings.power: needs a whole number from 0 to 20"},
        {task(okType, okKind, QStringLiteral("\n\"settings\": {\"lastOff\": 1},")),
         "line 3: settings.lastOff: needs true or false"},
    };
    const std::vector<int> before = rowCounts();
    for (const auto& c : cases) {
        const TaskJsonResult r = addTaskFromJson(*m_store, c.json);
        EXPECT_FALSE(r.ok()) << c.json.toStdString();
        EXPECT_TRUE(r.error.startsWith(QLatin1String(c.start)))
            << c.json.toStdString() << "\n  gave: " << r.error.toStdString();
        EXPECT_FALSE(r.error.contains(QLatin1Char('\n')));
        EXPECT_EQ(rowCounts(), before) << c.json.toStdString();
    }

    // 25 containers in total across rows, and 1001 boxes: refused at the row that passes the
    // limit, after earlier rows and new library rows were already written in the transaction.
    QStringList types, kinds;
    for (int i = 0; i < 5; ++i)
        types << QStringLiteral("{\"type\": \"T%1\", \"available\": 5, \"length\": 1000, \"width\": 500}")
                     .arg(i);
    for (int i = 0; i < 2; ++i)
        kinds << QStringLiteral("{\"kind\": \"K%1\", \"total\": 500, \"length\": 10, \"width\": 10}").arg(i);
    TaskJsonResult r = addTaskFromJson(*m_store, task(types.join(QStringLiteral(",\n")), okKind), {true});
    EXPECT_TRUE(
        r.error.startsWith(QStringLiteral("line 8: containers[4].available: more than 24 containers")))
        << r.error.toStdString();
    kinds << QStringLiteral("{\"kind\": \"K9\", \"total\": 1, \"length\": 10, \"width\": 10}");
    r = addTaskFromJson(*m_store, task(okType, kinds.join(QStringLiteral(",\n"))), {true});
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("line 9: boxes[2].total: more than 1000 boxes")))
        << r.error.toStdString();
    EXPECT_EQ(rowCounts(), before);
}

TEST(JsonLinesTest, ValuesAreFoundByPathAndUnknownPathsFallBackToTheirParent) {
    const QByteArray text = "{\n \"a\": [\n  1,\n  {\"b\":\n   \"x\\\"y\"}\n ],\n \"c\": {}\n}";
    const JsonLines lines(text);
    EXPECT_EQ(lines.line(QStringLiteral("a")), 2);
    EXPECT_EQ(lines.line(QStringLiteral("a[0]")), 3);
    EXPECT_EQ(lines.line(QStringLiteral("a[1]")), 4);
    EXPECT_EQ(lines.line(QStringLiteral("a[1].b")), 4);
    EXPECT_EQ(lines.line(QStringLiteral("c")), 7);
    EXPECT_EQ(lines.line(QStringLiteral("c.missing")), 7);
    EXPECT_EQ(lines.line(QStringLiteral("zzz")), 1);
    EXPECT_EQ(JsonLines::lineOfOffset(text, 10), 3);
}
