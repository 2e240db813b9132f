// Tasks and plans written as JSON.
#include "TaskJson.h"

#include "ActiveSettings.h"
#include "EngineRows.h"
#include "Store.h"
#include "TableSchema.h"

#include <QJsonArray>
#include <QSqlError>
#include <QSqlQuery>
#include <cmath>
#include <map>

namespace palvane {

namespace {

QJsonObject header() {
    return {{QStringLiteral("format"), QLatin1String(PlanJsonFormat)},
            {QStringLiteral("version"), PlanJsonVersion}};
}

QString str(const std::string& s) {
    return QString::fromStdString(s);
}

// A stored value within its field's range, as JSON.
QJsonValue fitted(Table table, const char* field, const QVariant& value) {
    const FieldDef* def = tableDef(table).field(QLatin1String(field));
    const QVariant v = fitToField(*def, value);
    switch (def->type) {
    case FieldType::String:
    case FieldType::Date:
        return v.toString();
    case FieldType::Boolean:
        return v.toInt() != 0;
    case FieldType::Float: {
        const double d = v.toDouble();
        return std::isfinite(d) ? d : 0.0;
    }
    default:
        return v.toLongLong();
    }
}

// Percentages and areas with two decimals, as the windows show them.
double rounded(double value) {
    return std::isfinite(value) ? std::round(value * 100.0) / 100.0 : 0.0;
}

bool fail(QSqlQuery& q, QString& error) {
    error = q.lastError().text();
    return false;
}

// The task part: the task row with its containers and boxes and their library values.
bool taskPart(Store& store, qint32 taskId, QJsonObject& task, QString& error) {
    QSqlQuery q(store.database());
    q.prepare(QStringLiteral("SELECT TaskID, Name, Solut, Descr, TurnOn, DefltOn, Power, Time, Rand, Qw, Qc, "
                             "Qr, BB, BW, Last, Date FROM tasks WHERE TaskID = ?"));
    q.addBindValue(taskId);
    if (!q.exec())
        return fail(q, error);
    if (!q.next()) {
        error = TaskJsonTexts::tr("Task %1 not found").arg(taskId);
        return false;
    }
    auto t = [&](const char* field, int column) { return fitted(Table::Tasks, field, q.value(column)); };
    TaskSolveFields row;
    row.Power = qint16(t("Power", 6).toInt());
    row.Time = qint16(t("Time", 7).toInt());
    row.Rand = qint16(t("Rand", 8).toInt());
    row.Qw = qint16(t("Qw", 9).toInt());
    row.Qc = qint16(t("Qc", 10).toInt());
    row.Qr = qint16(t("Qr", 11).toInt());
    row.BB = qint16(t("BB", 12).toInt());
    row.BW = qint16(t("BW", 13).toInt());
    row.Last = t("Last", 14).toBool();
    const ActiveSettings s = ActiveSettings::fromTaskRow(row);
    task = {{QStringLiteral("id"), t("TaskID", 0)},
            {QStringLiteral("name"), t("Name", 1)},
            {QStringLiteral("solved"), t("Solut", 2)},
            {QStringLiteral("description"), t("Descr", 3)},
            {QStringLiteral("turnOn"), t("TurnOn", 4)},
            {QStringLiteral("commonTurnRule"), t("DefltOn", 5)},
            {QStringLiteral("date"), t("Date", 15)},
            {QStringLiteral("settings"), QJsonObject{{QStringLiteral("power"), s.Power},
                                                     {QStringLiteral("time"), s.Time},
                                                     {QStringLiteral("rand"), s.Rand},
                                                     {QStringLiteral("weightFactor"), s.Qw},
                                                     {QStringLiteral("bindFactor"), s.Qg},
                                                     {QStringLiteral("costFactor"), s.Qc},
                                                     {QStringLiteral("leftFactor"), s.Qr},
                                                     {QStringLiteral("itemGap"), s.BB},
                                                     {QStringLiteral("wallGap"), s.BW},
                                                     {QStringLiteral("lastOff"), s.Last}}}};

    QJsonArray containers;
    q.prepare(
        QStringLiteral("SELECT tc.TypeID, c.Type, tc.Avail, tc.Used, tc.Cost, tc.Prior, c.Mark, c.Length, "
                       "c.Width, c.LoadWt, c.FillDir, c.NoseWt, c.TailWt, c.NoseDL, c.TailDL FROM tc "
                       "LEFT JOIN conts c ON c.TypeID = tc.TypeID WHERE tc.TaskID = ? "
                       "ORDER BY tc.TaskID, tc.TypeID"));
    q.addBindValue(taskId);
    if (!q.exec())
        return fail(q, error);
    while (q.next()) {
        auto tc = [&](const char* field, int column) { return fitted(Table::Tc, field, q.value(column)); };
        auto c = [&](const char* field, int column) { return fitted(Table::Conts, field, q.value(column)); };
        containers.append(QJsonObject{{QStringLiteral("typeId"), tc("TypeID", 0)},
                                      {QStringLiteral("type"), c("Type", 1)},
                                      {QStringLiteral("available"), tc("Avail", 2)},
                                      {QStringLiteral("used"), tc("Used", 3)},
                                      {QStringLiteral("cost"), tc("Cost", 4)},
                                      {QStringLiteral("priority"), tc("Prior", 5)},
                                      {QStringLiteral("mark"), c("Mark", 6)},
                                      {QStringLiteral("length"), c("Length", 7)},
                                      {QStringLiteral("width"), c("Width", 8)},
                                      {QStringLiteral("loadWeight"), c("LoadWt", 9)},
                                      {QStringLiteral("fillDir"), c("FillDir", 10)},
                                      {QStringLiteral("noseWeight"), c("NoseWt", 11)},
                                      {QStringLiteral("tailWeight"), c("TailWt", 12)},
                                      {QStringLiteral("noseDistance"), c("NoseDL", 13)},
                                      {QStringLiteral("tailDistance"), c("TailDL", 14)}});
    }
    task.insert(QStringLiteral("containers"), containers);

    QJsonArray boxes;
    q.prepare(
        QStringLiteral("SELECT tb.KindID, b.Kind, tb.Total, tb.Placed, tb.Cost, tb.Prior, tb.Bind, b.Mark, "
                       "b.Length, b.Width, b.Weight, b.TurnOn FROM tb LEFT JOIN boxes b ON "
                       "b.KindID = tb.KindID WHERE tb.TaskID = ? ORDER BY tb.TaskID, tb.KindID"));
    q.addBindValue(taskId);
    if (!q.exec())
        return fail(q, error);
    while (q.next()) {
        auto tb = [&](const char* field, int column) { return fitted(Table::Tb, field, q.value(column)); };
        auto b = [&](const char* field, int column) { return fitted(Table::Boxes, field, q.value(column)); };
        boxes.append(QJsonObject{{QStringLiteral("kindId"), tb("KindID", 0)},
                                 {QStringLiteral("kind"), b("Kind", 1)},
                                 {QStringLiteral("total"), tb("Total", 2)},
                                 {QStringLiteral("placed"), tb("Placed", 3)},
                                 {QStringLiteral("cost"), tb("Cost", 4)},
                                 {QStringLiteral("priority"), tb("Prior", 5)},
                                 {QStringLiteral("bind"), tb("Bind", 6)},
                                 {QStringLiteral("mark"), b("Mark", 7)},
                                 {QStringLiteral("length"), b("Length", 8)},
                                 {QStringLiteral("width"), b("Width", 9)},
                                 {QStringLiteral("weight"), b("Weight", 10)},
                                 {QStringLiteral("turnOn"), b("TurnOn", 11)}});
    }
    task.insert(QStringLiteral("boxes"), boxes);
    return true;
}

} // namespace

// A column's value held within the 16-bit range, in SQL both kinds of database understand.
static QString withinSmallint(const QString& column) {
    return QStringLiteral(
               "CASE WHEN COALESCE(%1, 0) > 32767 THEN 32767 WHEN COALESCE(%1, 0) < -32768 THEN -32768 "
               "ELSE COALESCE(%1, 0) END")
        .arg(column);
}

bool taskListJson(Store& store, QJsonObject& document, QString& error) {
    QSqlQuery q(store.database());
    // Counts as the Task Page sums them: each value within its field's range.
    if (!q.exec(QStringLiteral("SELECT t.TaskID, t.Name, t.Solut, "
                               "(SELECT SUM(%1) FROM tc WHERE tc.TaskID = t.TaskID), "
                               "(SELECT SUM(%2) FROM tb WHERE tb.TaskID = t.TaskID) "
                               "FROM tasks t ORDER BY t.TaskID")
                    .arg(withinSmallint(QStringLiteral("Avail")), withinSmallint(QStringLiteral("Total")))))
        return fail(q, error);
    QJsonArray tasks;
    while (q.next())
        tasks.append(QJsonObject{{QStringLiteral("id"), fitted(Table::Tasks, "TaskID", q.value(0))},
                                 {QStringLiteral("name"), fitted(Table::Tasks, "Name", q.value(1))},
                                 {QStringLiteral("solved"), fitted(Table::Tasks, "Solut", q.value(2))},
                                 {QStringLiteral("containers"), q.value(3).toLongLong()},
                                 {QStringLiteral("boxes"), q.value(4).toLongLong()}});
    document = header();
    document.insert(QStringLiteral("tasks"), tasks);
    return true;
}

QJsonObject planJson(const TaskRows& rows) {
    std::map<std::int32_t, const TcRow*> types;
    for (const TcRow& tc : rows.tc)
        types.emplace(tc.TypeID, &tc);
    std::map<std::int32_t, const TbRow*> kinds;
    for (const TbRow& tb : rows.tb)
        kinds.emplace(tb.KindID, &tb);
    const TcRow noType;
    const TbRow noKind;

    QJsonArray containers, boxes, unplaced;
    double area = 0, floor = 0, weight = 0, limit = 0;
    int placed = 0;
    for (const SolutRow& s : rows.solut) {
        const auto t = types.find(s.TypeID);
        const TcRow& type = t == types.end() ? noType : *t->second;
        QJsonArray load;
        for (const DistrRow& d : s.distr) {
            const auto k = kinds.find(d.KindID);
            const TbRow& kind = k == kinds.end() ? noKind : *k->second;
            load.append(QJsonObject{{QStringLiteral("kindId"), d.KindID},
                                    {QStringLiteral("kind"), str(kind.Kind)},
                                    {QStringLiteral("mark"), str(kind.Mark)},
                                    {QStringLiteral("count"), d.Placed}});
        }
        const double wolume = double(type.Length) * double(type.Width);
        containers.append(QJsonObject{
            {QStringLiteral("number"), s.ContNo},
            {QStringLiteral("typeId"), s.TypeID},
            {QStringLiteral("type"), str(s.Type)},
            {QStringLiteral("mark"), str(type.Mark)},
            {QStringLiteral("length"), type.Length},
            {QStringLiteral("width"), type.Width},
            {QStringLiteral("fixed"), s.FixCont},
            {QStringLiteral("boxes"), s.BoxLoad},
            {QStringLiteral("area"), rounded(s.WolLoad)},
            {QStringLiteral("areaPercent"), rounded(wolume > 0 ? s.WolLoad / wolume * 100.0 : 0.0)},
            {QStringLiteral("loadWeight"), s.WgtLoad},
            {QStringLiteral("loadWeightLimit"), type.LoadWt},
            {QStringLiteral("weightPercent"), rounded(type.LoadWt ? s.WgtLoad * 100.0 / type.LoadWt : 0.0)},
            {QStringLiteral("cost"), rounded(s.CostLoad)},
            {QStringLiteral("noseLoad"), s.NoseLoad},
            {QStringLiteral("noseLimit"), type.NoseWt},
            {QStringLiteral("noseDistance"), type.NoseDL},
            {QStringLiteral("tailLoad"), s.TailLoad},
            {QStringLiteral("tailLimit"), type.TailWt},
            {QStringLiteral("tailDistance"), type.TailDL},
            {QStringLiteral("kinds"), load}});
        area += s.WolLoad;
        floor += wolume;
        weight += s.WgtLoad;
        limit += type.LoadWt;
        for (const PositRow& p : s.posit) {
            const auto k = kinds.find(p.KindID);
            const TbRow& kind = k == kinds.end() ? noKind : *k->second;
            // A box lies turned when its extent along the length is not its own length.
            const bool turned = kind.Length != kind.Width && p.PosLh != kind.Length;
            boxes.append(QJsonObject{{QStringLiteral("number"), p.BoxNo},
                                     {QStringLiteral("container"), p.ContNo},
                                     {QStringLiteral("loadNo"), p.LoadNo},
                                     {QStringLiteral("kindId"), p.KindID},
                                     {QStringLiteral("kind"), str(p.Kind)},
                                     {QStringLiteral("mark"), str(kind.Mark)},
                                     {QStringLiteral("x"), p.PosX},
                                     {QStringLiteral("y"), p.PosY},
                                     {QStringLiteral("length"), p.PosLh},
                                     {QStringLiteral("width"), p.PosWh},
                                     {QStringLiteral("turned"), turned}});
            ++placed;
        }
    }
    int left = 0;
    for (const TbRow& tb : rows.tb) {
        // Placed counts the boxes in the stored containers (after a clear, the fixed ones).
        const int count = std::max(0, int(tb.Total) - int(tb.Placed));
        left += count;
        if (count > 0)
            unplaced.append(QJsonObject{{QStringLiteral("kindId"), tb.KindID},
                                        {QStringLiteral("kind"), str(tb.Kind)},
                                        {QStringLiteral("count"), count}});
    }
    return {
        {QStringLiteral("solved"), rows.task.Solut},
        {QStringLiteral("containers"), containers},
        {QStringLiteral("boxes"), boxes},
        {QStringLiteral("unplaced"), unplaced},
        {QStringLiteral("totals"),
         QJsonObject{{QStringLiteral("containers"), qint64(rows.solut.size())},
                     {QStringLiteral("boxesPlaced"), placed},
                     {QStringLiteral("boxesLeft"), left},
                     {QStringLiteral("areaPercent"), rounded(floor > 0 ? area / floor * 100.0 : 0.0)},
                     {QStringLiteral("weightPercent"), rounded(limit > 0 ? weight / limit * 100.0 : 0.0)}}}};
}

bool showTaskJson(Store& store, qint32 taskId, QJsonObject& document, QString& error) {
    QJsonObject task;
    if (!taskPart(store, taskId, task, error))
        return false;
    EngineRows engineRows(store);
    TaskRows rows;
    std::string detail;
    if (engineRows.readTask(taskId, rows, detail) != RowsStatus::Ok) {
        error = TaskJsonTexts::tr("Task %1 could not be read: %2").arg(taskId).arg(str(detail));
        return false;
    }
    document = header();
    document.insert(QStringLiteral("task"), task);
    document.insert(QStringLiteral("plan"), planJson(rows));
    return true;
}

} // namespace palvane
