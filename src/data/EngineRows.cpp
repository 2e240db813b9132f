#include "EngineRows.h"

#include "Store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace palvane {

namespace {

// Stored values brought into the range of the engine's fields: a value a table file holds
// outside its field's range must not wrap around.
template <typename T> T intValue(const QVariant& v) {
    const qint64 n = v.toLongLong();
    return static_cast<T>(
        std::clamp<qint64>(n, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

double realValue(const QVariant& v) {
    const double d = v.toDouble();
    return std::isfinite(d) ? d : 0.0;
}

std::string text(const QVariant& v) {
    return v.toString().toStdString();
}

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
    task.TaskID = q.value(0).toInt();
    task.Name = text(q.value(1));
    task.Solut = q.value(2).toInt() != 0;
    task.TurnOn = q.value(3).toInt() != 0;
    task.DefltOn = q.value(4).toInt() != 0;
    task.solve.Power = intValue<std::int16_t>(q.value(5));
    task.solve.Time = intValue<std::int16_t>(q.value(6));
    task.solve.Rand = intValue<std::int16_t>(q.value(7));
    task.solve.Qw = intValue<std::int16_t>(q.value(8));
    task.solve.Qc = intValue<std::int16_t>(q.value(9));
    task.solve.Qr = intValue<std::int16_t>(q.value(10));
    task.solve.BB = intValue<std::int16_t>(q.value(11));
    task.solve.BW = intValue<std::int16_t>(q.value(12));
    task.solve.Last = q.value(13).toInt() != 0;
    task.Date = text(q.value(14));
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
    while (q.next()) {
        TcRow r;
        r.TypeID = intValue<std::int32_t>(q.value(0));
        r.Avail = intValue<std::int16_t>(q.value(1));
        r.Used = intValue<std::int16_t>(q.value(2));
        r.Cost = realValue(q.value(3));
        r.Type = text(q.value(4));
        r.Mark = text(q.value(5));
        r.Length = intValue<std::int16_t>(q.value(6));
        r.Width = intValue<std::int16_t>(q.value(7));
        r.LoadWt = intValue<std::int32_t>(q.value(8));
        r.FillDir = text(q.value(9));
        r.NoseWt = intValue<std::int32_t>(q.value(10));
        r.TailWt = intValue<std::int32_t>(q.value(11));
        r.NoseDL = intValue<std::int16_t>(q.value(12));
        r.TailDL = intValue<std::int16_t>(q.value(13));
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
    while (q.next()) {
        TbRow r;
        r.KindID = intValue<std::int32_t>(q.value(0));
        r.Total = intValue<std::int16_t>(q.value(1));
        r.Placed = intValue<std::int16_t>(q.value(2));
        r.Cost = realValue(q.value(3));
        r.Kind = text(q.value(4));
        r.Mark = text(q.value(5));
        r.Length = intValue<std::int16_t>(q.value(6));
        r.Width = intValue<std::int16_t>(q.value(7));
        r.Weight = intValue<std::int16_t>(q.value(8));
        r.TurnOn = q.value(9).toInt() != 0;
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
    std::multimap<std::int16_t, std::size_t> byContNo;
    while (q.next()) {
        SolutRow r;
        r.ContNo = intValue<std::int16_t>(q.value(0));
        r.TypeID = intValue<std::int32_t>(q.value(1));
        r.BoxLoad = intValue<std::int16_t>(q.value(2));
        r.WgtLoad = intValue<std::int32_t>(q.value(3));
        r.WolLoad = realValue(q.value(4));
        r.FixCont = q.value(5).toInt() != 0;
        r.CostLoad = realValue(q.value(6));
        r.NoseLoad = intValue<std::int32_t>(q.value(7));
        r.TailLoad = intValue<std::int32_t>(q.value(8));
        r.Type = text(q.value(9));
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
    while (q.next()) {
        DistrRow d{intValue<std::int16_t>(q.value(0)), intValue<std::int32_t>(q.value(1)),
                   intValue<std::int16_t>(q.value(2))};
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
    while (q.next()) {
        PositRow p;
        p.ContNo = intValue<std::int16_t>(q.value(0));
        p.BoxNo = intValue<std::int16_t>(q.value(1));
        p.KindID = intValue<std::int32_t>(q.value(2));
        p.PosX = intValue<std::int16_t>(q.value(3));
        p.PosY = intValue<std::int16_t>(q.value(4));
        p.PosLh = intValue<std::int16_t>(q.value(5));
        p.PosWh = intValue<std::int16_t>(q.value(6));
        p.LoadNo = intValue<std::int16_t>(q.value(7));
        p.Kind = text(q.value(8));
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
