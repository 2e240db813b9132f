#pragma once
// Task rows written into a real store in a temporary folder, for the planning session's tests.
#include "CoreApp.h"
#include "Store.h"
#include "TaskRows.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace palvane::test {

// Writes the container types and box kinds of the rows into the libraries (their ids must run
// 1, 2, ... in the rows' order, as a fresh library numbers them) and the task with its tc and
// tb rows. False when a statement fails.
inline bool seedTask(Store& store, const TaskRows& rows) {
    QStringList sql;
    for (const TcRow& r : rows.tc) {
        sql << QStringLiteral(
                   "INSERT INTO conts (TypeID, Type, Mark, Length, Width, LoadWt, FillDir, NoseWt, "
                   "TailWt, NoseDL, TailDL) VALUES (%1, '%2', '%3', %4, %5, %6, '%7', %8, %9, %10, %11)")
                   .arg(r.TypeID)
                   .arg(QString::fromStdString(r.Type), QString::fromStdString(r.Mark))
                   .arg(r.Length)
                   .arg(r.Width)
                   .arg(r.LoadWt)
                   .arg(QString::fromStdString(r.FillDir))
                   .arg(r.NoseWt)
                   .arg(r.TailWt)
                   .arg(r.NoseDL)
                   .arg(r.TailDL);
        sql << QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail, Cost) VALUES (%1, %2, %3, %4)")
                   .arg(rows.task.TaskID)
                   .arg(r.TypeID)
                   .arg(r.Avail)
                   .arg(r.Cost);
    }
    for (const TbRow& r : rows.tb) {
        sql << QStringLiteral("INSERT INTO boxes (KindID, Kind, Mark, Length, Width, Weight, TurnOn) VALUES "
                              "(%1, '%2', '%3', %4, %5, %6, %7)")
                   .arg(r.KindID)
                   .arg(QString::fromStdString(r.Kind), QString::fromStdString(r.Mark))
                   .arg(r.Length)
                   .arg(r.Width)
                   .arg(r.Weight)
                   .arg(r.TurnOn ? 1 : 0);
        sql << QStringLiteral("INSERT INTO tb (TaskID, KindID, Total, Cost) VALUES (%1, %2, %3, %4)")
                   .arg(rows.task.TaskID)
                   .arg(r.KindID)
                   .arg(r.Total)
                   .arg(r.Cost);
    }
    const TaskSolveFields& s = rows.task.solve;
    sql << QStringLiteral(
               "INSERT INTO tasks (TaskID, Name, Solut, TurnOn, DefltOn, Power, Time, Rand, Qw, Qc, "
               "Qr, BB, BW, Last) VALUES (%1, 'Task %1', 0, %2, %3, %4, %5, %6, %7, %8, %9, %10, %11, "
               "%12)")
               .arg(rows.task.TaskID)
               .arg(rows.task.TurnOn ? 1 : 0)
               .arg(rows.task.DefltOn ? 1 : 0)
               .arg(s.Power)
               .arg(s.Time)
               .arg(s.Rand)
               .arg(s.Qw)
               .arg(s.Qc)
               .arg(s.Qr)
               .arg(s.BB)
               .arg(s.BW)
               .arg(s.Last ? 1 : 0);
    StoreTransaction unit(store);
    for (const QString& statement : sql)
        if (!store.exec(statement))
            return false;
    return unit.commit();
}

// A store in a temporary folder.
struct TempStore {
    TempStore() {
        ensureCoreApp();
        store = Store::open(dir.filePath(QStringLiteral("db")), StoreOpenMode::CreateMissing);
    }
    QTemporaryDir dir;
    std::unique_ptr<Store> store;
};

} // namespace palvane::test
