#include "EngineRows.h"

#include "Store.h"
#include "TableSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace palvane {

namespace {

// The columns of a query, each read as the field it comes from: a value a table file holds
// outside its field's definition is held within it (and within the type it is read into)
// rather than wrapped around; NULL and unreadable values count as 0 or empty.
class FieldColumns {
public:
    FieldColumns(std::initializer_list<std::pair<Table, const char*>> columns) {
        for (const auto& [table, name] : columns)
            m_fields.push_back(tableDef(table).field(QLatin1String(name)));
    }
    QVariant value(const QSqlQuery& q, int column) const {
        return fitToField(*m_fields[size_t(column)], q.value(column));
    }
    template <typename T> T integer(const QSqlQuery& q, int column) const {
        return static_cast<T>(std::clamp<qint64>(value(q, column).toLongLong(), std::numeric_limits<T>::min(),
                                                 std::numeric_limits<T>::max()));
    }
    double real(const QSqlQuery& q, int column) const { return value(q, column).toDouble(); }
    bool boolean(const QSqlQuery& q, int column) const { return value(q, column).toInt() != 0; }
    std::string text(const QSqlQuery& q, int column) const {
        return value(q, column).toString().toStdString();
    }

private:
    std::vector<const FieldDef*> m_fields;
};

// Runs prepared statements of one operation and keeps the first error.
class Statements {
public:
    explicit Statements(Store& store) : m_store(store) {}

    // Runs sql with the values bound in order; q holds the result for reading.
    bool run(QSqlQuery& q, const QString& sql, const QVariantList& values) {
        q = QSqlQuery(m_store.database());
        if (!q.prepare(sql))
            return fail(q);
        for (const QVariant& v : values)
            q.addBindValue(v);
        return q.exec() || fail(q);
    }
    // Runs a statement without results; rowsAffected receives its count when given.
    bool exec(const QString& sql, const QVariantList& values, int* rowsAffected = nullptr) {
        QSqlQuery q;
        if (!run(q, sql, values))
            return false;
        if (rowsAffected)
            *rowsAffected = q.numRowsAffected();
        return true;
    }
    std::string error() const { return m_error.toStdString(); }
    void setError(const QString& e) { m_error = e; }

private:
    bool fail(const QSqlQuery& q) {
        if (m_error.isEmpty())
            m_error = q.lastError().text();
        return false;
    }
    Store& m_store;
    QString m_error;
};

bool readTaskRow(Statements& s, std::int32_t taskId, TaskRecord& task, bool& found) {
    QSqlQuery q;
    if (!s.run(q,
               QStringLiteral("SELECT TaskID, Name, Solut, TurnOn, DefltOn, Power, Time, Rand, Qw, "
                              "Qc, Qr, BB, BW, Last, Date FROM tasks WHERE TaskID = ?"),
               {taskId}))
        return false;
    found = q.next();
    if (!found)
        return true;
    const FieldColumns f{{Table::Tasks, "TaskID"}, {Table::Tasks, "Name"},    {Table::Tasks, "Solut"},
                         {Table::Tasks, "TurnOn"}, {Table::Tasks, "DefltOn"}, {Table::Tasks, "Power"},
                         {Table::Tasks, "Time"},   {Table::Tasks, "Rand"},    {Table::Tasks, "Qw"},
                         {Table::Tasks, "Qc"},     {Table::Tasks, "Qr"},      {Table::Tasks, "BB"},
                         {Table::Tasks, "BW"},     {Table::Tasks, "Last"},    {Table::Tasks, "Date"}};
    task.TaskID = f.integer<std::int32_t>(q, 0);
    task.Name = f.text(q, 1);
    task.Solut = f.boolean(q, 2);
    task.TurnOn = f.boolean(q, 3);
    task.DefltOn = f.boolean(q, 4);
    task.solve.Power = f.integer<std::int16_t>(q, 5);
    task.solve.Time = f.integer<std::int16_t>(q, 6);
    task.solve.Rand = f.integer<std::int16_t>(q, 7);
    task.solve.Qw = f.integer<std::int16_t>(q, 8);
    task.solve.Qc = f.integer<std::int16_t>(q, 9);
    task.solve.Qr = f.integer<std::int16_t>(q, 10);
    task.solve.BB = f.integer<std::int16_t>(q, 11);
    task.solve.BW = f.integer<std::int16_t>(q, 12);
    task.solve.Last = f.boolean(q, 13);
    task.Date = f.text(q, 14);
    return true;
}

bool readContainerRows(Statements& s, std::int32_t taskId, std::vector<TcRow>& rows) {
    QSqlQuery q;
    if (!s.run(q,
               QStringLiteral("SELECT tc.TypeID, tc.Avail, tc.Used, tc.Cost, c.Type, c.Mark, c.Length, "
                              "c.Width, c.LoadWt, c.FillDir, c.NoseWt, c.TailWt, c.NoseDL, c.TailDL "
                              "FROM tc LEFT JOIN conts c ON c.TypeID = tc.TypeID "
                              "WHERE tc.TaskID = ? ORDER BY tc.TaskID, tc.TypeID"),
               {taskId}))
        return false;
    const FieldColumns f{{Table::Tc, "TypeID"},     {Table::Tc, "Avail"},     {Table::Tc, "Used"},
                         {Table::Tc, "Cost"},       {Table::Conts, "Type"},   {Table::Conts, "Mark"},
                         {Table::Conts, "Length"},  {Table::Conts, "Width"},  {Table::Conts, "LoadWt"},
                         {Table::Conts, "FillDir"}, {Table::Conts, "NoseWt"}, {Table::Conts, "TailWt"},
                         {Table::Conts, "NoseDL"},  {Table::Conts, "TailDL"}};
    while (q.next()) {
        TcRow r;
        r.TypeID = f.integer<std::int32_t>(q, 0);
        r.Avail = f.integer<std::int16_t>(q, 1);
        r.Used = f.integer<std::int16_t>(q, 2);
        r.Cost = f.real(q, 3);
        r.Type = f.text(q, 4);
        r.Mark = f.text(q, 5);
        r.Length = f.integer<std::int16_t>(q, 6);
        r.Width = f.integer<std::int16_t>(q, 7);
        r.LoadWt = f.integer<std::int32_t>(q, 8);
        r.FillDir = f.text(q, 9);
        r.NoseWt = f.integer<std::int32_t>(q, 10);
        r.TailWt = f.integer<std::int32_t>(q, 11);
        r.NoseDL = f.integer<std::int16_t>(q, 12);
        r.TailDL = f.integer<std::int16_t>(q, 13);
        r.Wolume = double(r.Length) * double(r.Width);
        rows.push_back(std::move(r));
    }
    return true;
}

bool readBoxRows(Statements& s, std::int32_t taskId, std::vector<TbRow>& rows) {
    QSqlQuery q;
    if (!s.run(q,
               QStringLiteral("SELECT tb.KindID, tb.Total, tb.Placed, tb.Cost, b.Kind, b.Mark, b.Length, "
                              "b.Width, b.Weight, b.TurnOn FROM tb LEFT JOIN boxes b ON b.KindID = tb.KindID "
                              "WHERE tb.TaskID = ? ORDER BY tb.TaskID, tb.KindID"),
               {taskId}))
        return false;
    const FieldColumns f{{Table::Tb, "KindID"},    {Table::Tb, "Total"},    {Table::Tb, "Placed"},
                         {Table::Tb, "Cost"},      {Table::Boxes, "Kind"},  {Table::Boxes, "Mark"},
                         {Table::Boxes, "Length"}, {Table::Boxes, "Width"}, {Table::Boxes, "Weight"},
                         {Table::Boxes, "TurnOn"}};
    while (q.next()) {
        TbRow r;
        r.KindID = f.integer<std::int32_t>(q, 0);
        r.Total = f.integer<std::int16_t>(q, 1);
        r.Placed = f.integer<std::int16_t>(q, 2);
        r.Cost = f.real(q, 3);
        r.Kind = f.text(q, 4);
        r.Mark = f.text(q, 5);
        r.Length = f.integer<std::int16_t>(q, 6);
        r.Width = f.integer<std::int16_t>(q, 7);
        r.Weight = f.integer<std::int16_t>(q, 8);
        r.TurnOn = f.boolean(q, 9);
        r.Wolume = double(r.Length) * double(r.Width);
        rows.push_back(std::move(r));
    }
    return true;
}

bool readSolution(Statements& s, std::int32_t taskId, std::vector<SolutRow>& rows) {
    QSqlQuery q;
    if (!s.run(q,
               QStringLiteral("SELECT s.ContNo, s.TypeID, s.BoxLoad, s.WgtLoad, s.WolLoad, s.FixCont, "
                              "s.CostLoad, s.NoseLoad, s.TailLoad, c.Type FROM solut s "
                              "LEFT JOIN conts c ON c.TypeID = s.TypeID "
                              "WHERE s.TaskID = ? ORDER BY s.TaskID, s.ContNo, s.rowid"),
               {taskId}))
        return false;
    const FieldColumns f{{Table::Solut, "ContNo"},   {Table::Solut, "TypeID"},   {Table::Solut, "BoxLoad"},
                         {Table::Solut, "WgtLoad"},  {Table::Solut, "WolLoad"},  {Table::Solut, "FixCont"},
                         {Table::Solut, "CostLoad"}, {Table::Solut, "NoseLoad"}, {Table::Solut, "TailLoad"},
                         {Table::Conts, "Type"}};
    std::multimap<std::int16_t, std::size_t> byContNo;
    while (q.next()) {
        SolutRow r;
        r.ContNo = f.integer<std::int16_t>(q, 0);
        r.TypeID = f.integer<std::int32_t>(q, 1);
        r.BoxLoad = f.integer<std::int16_t>(q, 2);
        r.WgtLoad = f.integer<std::int32_t>(q, 3);
        r.WolLoad = f.real(q, 4);
        r.FixCont = f.boolean(q, 5);
        r.CostLoad = f.real(q, 6);
        r.NoseLoad = f.integer<std::int32_t>(q, 7);
        r.TailLoad = f.integer<std::int32_t>(q, 8);
        r.Type = f.text(q, 9);
        byContNo.emplace(r.ContNo, rows.size());
        rows.push_back(std::move(r));
    }
    // The detail rows follow their container by (TaskID, ContNo); every solut row with that
    // number sees them, as a master-detail link would show them.
    if (!s.run(q,
               QStringLiteral("SELECT ContNo, KindID, Placed FROM distr WHERE TaskID = ? "
                              "ORDER BY TaskID, ContNo, rowid"),
               {taskId}))
        return false;
    const FieldColumns df{{Table::Distr, "ContNo"}, {Table::Distr, "KindID"}, {Table::Distr, "Placed"}};
    while (q.next()) {
        DistrRow d{df.integer<std::int16_t>(q, 0), df.integer<std::int32_t>(q, 1),
                   df.integer<std::int16_t>(q, 2)};
        auto [from, to] = byContNo.equal_range(d.ContNo);
        for (auto it = from; it != to; ++it)
            rows[it->second].distr.push_back(d);
    }
    if (!s.run(q,
               QStringLiteral("SELECT p.ContNo, p.BoxNo, p.KindID, p.PosX, p.PosY, p.PosLh, p.PosWh, "
                              "p.LoadNo, b.Kind FROM posit p LEFT JOIN boxes b ON b.KindID = p.KindID "
                              "WHERE p.TaskID = ? ORDER BY p.TaskID, p.ContNo, p.rowid"),
               {taskId}))
        return false;
    const FieldColumns pf{{Table::Posit, "ContNo"}, {Table::Posit, "BoxNo"},  {Table::Posit, "KindID"},
                          {Table::Posit, "PosX"},   {Table::Posit, "PosY"},   {Table::Posit, "PosLh"},
                          {Table::Posit, "PosWh"},  {Table::Posit, "LoadNo"}, {Table::Boxes, "Kind"}};
    while (q.next()) {
        PositRow p;
        p.ContNo = pf.integer<std::int16_t>(q, 0);
        p.BoxNo = pf.integer<std::int16_t>(q, 1);
        p.KindID = pf.integer<std::int32_t>(q, 2);
        p.PosX = pf.integer<std::int16_t>(q, 3);
        p.PosY = pf.integer<std::int16_t>(q, 4);
        p.PosLh = pf.integer<std::int16_t>(q, 5);
        p.PosWh = pf.integer<std::int16_t>(q, 6);
        p.LoadNo = pf.integer<std::int16_t>(q, 7);
        p.Kind = pf.text(q, 8);
        auto [from, to] = byContNo.equal_range(p.ContNo);
        for (auto it = from; it != to; ++it)
            rows[it->second].posit.push_back(p);
    }
    return true;
}

bool writeCounts(Statements& s, std::int32_t taskId,
                 const std::vector<std::pair<std::int32_t, std::int16_t>>& used,
                 const std::vector<std::pair<std::int32_t, std::int16_t>>& placed) {
    for (const auto& [typeId, n] : used)
        if (!s.exec(QStringLiteral("UPDATE tc SET Used = ? WHERE TaskID = ? AND TypeID = ?"),
                    {n, taskId, typeId}))
            return false;
    for (const auto& [kindId, n] : placed)
        if (!s.exec(QStringLiteral("UPDATE tb SET Placed = ? WHERE TaskID = ? AND KindID = ?"),
                    {n, taskId, kindId}))
            return false;
    return true;
}

bool writeSolutionRows(Statements& s, std::int32_t taskId, const SolutionWrite& w) {
    for (const SolutRow& r : w.solut) {
        if (!s.exec(QStringLiteral(
                        "INSERT INTO solut (TaskID, ContNo, TypeID, BoxLoad, WgtLoad, WolLoad, FixCont, "
                        "CostLoad, NoseLoad, TailLoad) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    {taskId, r.ContNo, r.TypeID, r.BoxLoad, r.WgtLoad, r.WolLoad, r.FixCont ? 1 : 0,
                     r.CostLoad, r.NoseLoad, r.TailLoad}))
            return false;
    }
    for (const DistrRow& d : w.distr) {
        if (!s.exec(QStringLiteral("INSERT INTO distr (TaskID, ContNo, KindID, Placed) VALUES (?, ?, ?, ?)"),
                    {taskId, d.ContNo, d.KindID, d.Placed}))
            return false;
    }
    for (const PositRow& p : w.posit) {
        if (!s.exec(
                QStringLiteral("INSERT INTO posit (TaskID, ContNo, BoxNo, KindID, PosX, PosY, PosLh, PosWh, "
                               "LoadNo) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {taskId, p.ContNo, p.BoxNo, p.KindID, p.PosX, p.PosY, p.PosLh, p.PosWh, p.LoadNo}))
            return false;
    }
    return true;
}

// Takes the task's row for the open unit: a second planner writing the same task's solution
// waits for nothing and is refused.
bool lockTask(Store& store, std::int32_t taskId, std::string& error) {
    switch (store.lockTask(taskId)) {
    case TaskLock::Locked:
        return true;
    case TaskLock::Busy:
        error = taskBusyText().toStdString();
        return false;
    case TaskLock::Failed:
        break;
    }
    error = store.lastError().toStdString();
    return false;
}

} // namespace

bool readTaskContainers(Store& store, std::int32_t taskId, std::vector<TcRow>& rows, QString* error) {
    Statements s(store);
    rows.clear();
    if (readContainerRows(s, taskId, rows))
        return true;
    if (error)
        *error = QString::fromStdString(s.error());
    return false;
}

bool readTaskBoxes(Store& store, std::int32_t taskId, std::vector<TbRow>& rows, QString* error) {
    Statements s(store);
    rows.clear();
    if (readBoxRows(s, taskId, rows))
        return true;
    if (error)
        *error = QString::fromStdString(s.error());
    return false;
}

EngineRows::EngineRows(Store& store) : m_store(store) {}

RowsStatus EngineRows::readTask(std::int32_t taskId, TaskRows& rows, std::string& error) {
    rows = TaskRows{};
    Statements s(m_store);
    // One read transaction: the rows of the task are seen as of one moment.
    StoreTransaction unit(m_store);
    bool found = false;
    const bool ok = unit.isActive() && readTaskRow(s, taskId, rows.task, found) &&
                    (!found || (readContainerRows(s, taskId, rows.tc) && readBoxRows(s, taskId, rows.tb) &&
                                readSolution(s, taskId, rows.solut)));
    if (!ok) {
        error = unit.isActive() ? s.error() : m_store.lastError().toStdString();
        return RowsStatus::Failed;
    }
    unit.commit();
    if (!found) {
        error = tr("Task %1 not found").arg(taskId).toStdString();
        return RowsStatus::NoTask;
    }
    return RowsStatus::Ok;
}

RowsStatus EngineRows::replaceSolution(std::int32_t taskId, const SolutionWrite& w, std::string& error) {
    Statements s(m_store);
    StoreTransaction unit(m_store);
    if (!unit.isActive()) {
        error = m_store.lastError().toStdString();
        return RowsStatus::Failed;
    }
    if (!lockTask(m_store, taskId, error))
        return RowsStatus::Failed;
    int taskRows = 0;
    const TaskSolveFields& f = w.solve;
    bool ok =
        s.exec(QStringLiteral("UPDATE tasks SET Solut = 1, Date = ?, Power = ?, Time = ?, Rand = ?, Qw = ?, "
                              "Qc = ?, Qr = ?, BB = ?, BW = ?, Last = ? WHERE TaskID = ?"),
               {QString::fromStdString(w.date), f.Power, f.Time, f.Rand, f.Qw, f.Qc, f.Qr, f.BB, f.BW,
                f.Last ? 1 : 0, taskId},
               &taskRows);
    if (ok && taskRows == 0) {
        error = tr("Task %1 not found").arg(taskId).toStdString();
        return RowsStatus::NoTask;
    }
    ok = ok && writeCounts(s, taskId, w.tcUsed, w.tbPlaced);
    for (const char* table : {"distr", "posit", "solut"})
        ok = ok &&
             s.exec(QStringLiteral("DELETE FROM %1 WHERE TaskID = ?").arg(QLatin1String(table)), {taskId});
    ok = ok && writeSolutionRows(s, taskId, w);
    if (ok && !unit.commit()) {
        s.setError(m_store.lastError());
        ok = false;
    }
    if (!ok) {
        error = s.error();
        return RowsStatus::Failed;
    }
    return RowsStatus::Ok;
}

RowsStatus EngineRows::clearSolution(std::int32_t taskId, const SolutionClear& c, std::string& error) {
    Statements s(m_store);
    StoreTransaction unit(m_store);
    if (!unit.isActive()) {
        error = m_store.lastError().toStdString();
        return RowsStatus::Failed;
    }
    if (!lockTask(m_store, taskId, error))
        return RowsStatus::Failed;
    int taskRows = 0;
    bool ok = s.exec(QStringLiteral("UPDATE tasks SET Solut = 0 WHERE TaskID = ?"), {taskId}, &taskRows);
    if (ok && taskRows == 0) {
        error = tr("Task %1 not found").arg(taskId).toStdString();
        return RowsStatus::NoTask;
    }
    ok = ok && writeCounts(s, taskId, c.tcUsed, c.tbPlaced);
    for (std::int16_t contNo : c.removedContNos) {
        ok = ok &&
             s.exec(QStringLiteral("DELETE FROM distr WHERE TaskID = ? AND ContNo = ?"), {taskId, contNo}) &&
             s.exec(QStringLiteral("DELETE FROM posit WHERE TaskID = ? AND ContNo = ?"), {taskId, contNo}) &&
             s.exec(QStringLiteral("DELETE FROM solut WHERE TaskID = ? AND ContNo = ? AND FixCont = 0"),
                    {taskId, contNo});
    }
    if (ok && !unit.commit()) {
        s.setError(m_store.lastError());
        ok = false;
    }
    if (!ok) {
        error = s.error();
        return RowsStatus::Failed;
    }
    return RowsStatus::Ok;
}

QString PrompterMessages::text(EngineMessage message, const QString& subject) {
    const QChar cr = QLatin1Char('\r');
    switch (message) {
    case EngineMessage::ContainerFixDeficit:
        return tr("Container to fix deficit for:") + cr + subject + cr + tr("Its fixing omited");
    case EngineMessage::BoxFixDeficit:
        return tr("Box to fix deficit for:") + cr + subject + cr + tr("Its fixing omited");
    case EngineMessage::ContFixError:
        return tr("ContFix Error ");
    case EngineMessage::BoxFixError:
        return tr("BoxFix Error ");
    }
    return QString();
}

void PrompterMessages::show(EngineMessage message, const std::string& subject) {
    const bool error = message == EngineMessage::ContFixError || message == EngineMessage::BoxFixError;
    m_prompter.ask(error ? PromptKind::Error : PromptKind::Warning,
                   text(message, QString::fromStdString(subject)), PromptButtons::Ok);
}

} // namespace palvane
