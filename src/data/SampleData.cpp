#include "SampleData.h"

#include "Store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace palvane {

namespace {

struct SampleContainer {
    const char* type;
    const char* mark;
    int length, width, loadWt;
    const char* fillDir;
    const char* descr;
    double cost;
    int noseWt, tailWt, noseDL, tailDL;
    int taskAvail; // containers of this type in the sample task, 0 for none
};

// Supports: a semitrailer rests on the kingpin near its front and on the axle group near its
// rear; both limits together exceed the load limit so the weight can be spread.
const SampleContainer Containers[] = {
    {"Semitrailer 13.6 m", "ST", 13600, 2450, 24000, "Length", "Curtain-side semitrailer, 33 EUR pallets",
     950, 12000, 18000, 1100, 2600, 1},
    {"Truck 7.2 m", "TR", 7200, 2450, 9000, "Length", "Rigid truck with box body", 520, 5000, 7000, 600, 1900,
     2},
    {"Van 4.2 m", "VN", 4200, 2000, 1200, "Length", "Panel van with tail lift", 260, 700, 900, 300, 900, 2},
    {"Container 40 ft", "C40", 12030, 2350, 26500, "Either", "ISO high cube container", 1400, 0, 0, 0, 0, 0},
    {"Container 20 ft", "C20", 5890, 2350, 28000, "Either", "ISO standard container", 900, 0, 0, 0, 0, 0},
};

struct SampleKind {
    const char* kind;
    const char* mark;
    int length, width, weight;
    bool turnOn;
    const char* descr;
    double cost;
    int taskTotal; // boxes of this kind in the sample task, 0 for none
};

const SampleKind Kinds[] = {
    {"EUR pallet", "EU", 1200, 800, 400, true, "Euro pallet 1200 x 800, stacked goods", 40, 18},
    {"Industrial pallet", "IP", 1200, 1000, 600, true, "Industrial pallet 1200 x 1000", 55, 10},
    {"Half pallet", "HP", 800, 600, 200, true, "Half pallet 800 x 600", 20, 8},
    {"Long crate", "LC", 1600, 1000, 500, false, "Wooden crate, forks from the long side only", 70, 4},
    {"Quarter pallet", "QP", 600, 400, 90, true, "Quarter pallet 600 x 400", 9, 0},
    {"Cable drum", "CD", 1000, 1000, 800, true, "Cable drum on a square skid", 65, 0},
    {"Sheet bundle", "SB", 3000, 1500, 2000, false, "Steel sheet bundle", 180, 0},
};

bool run(QSqlQuery& q, QString* error) {
    if (q.exec())
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

bool isEmpty(Store& store) {
    QSqlQuery q(store.database());
    return q.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM conts) + (SELECT COUNT(*) FROM boxes)"
                                 " + (SELECT COUNT(*) FROM tasks)")) &&
           q.next() && q.value(0).toLongLong() == 0;
}

bool insertRows(Store& store, QString* error) {
    QSqlQuery q(store.database());
    // "Ignore Last Container" off: a new user's first plan loads every box (the containers
    // offered hold them all with room to spare).
    q.prepare(QStringLiteral(
        "INSERT INTO tasks (Name, Solut, Descr, TurnOn, DefltOn, Power, Time, Rand, Qw, Qc, Qr, "
        "BB, BW, Last, Date) VALUES (?, 0, ?, 1, 0, 5, 555, 1, 0, 0, 0, 0, 0, 0, NULL)"));
    q.addBindValue(QStringLiteral("Sample: mixed pallets"));
    q.addBindValue(QStringLiteral("Pallets and crates for a semitrailer, trucks and vans"));
    if (!run(q, error))
        return false;
    const qint64 taskId = q.lastInsertId().toLongLong();

    for (const SampleContainer& c : Containers) {
        q.prepare(QStringLiteral(
            "INSERT INTO conts (Type, Mark, Length, Width, LoadWt, FillDir, Temp, TaskID, Descr, "
            "Avail, BusyID, Cost, NoseWt, TailWt, NoseDL, TailDL) "
            "VALUES (?, ?, ?, ?, ?, ?, 0, 0, ?, 0, 0, ?, ?, ?, ?, ?)"));
        for (const QVariant& v :
             {QVariant(QString::fromUtf8(c.type)), QVariant(QString::fromUtf8(c.mark)), QVariant(c.length),
              QVariant(c.width), QVariant(c.loadWt), QVariant(QString::fromUtf8(c.fillDir)),
              QVariant(QString::fromUtf8(c.descr)), QVariant(c.cost), QVariant(c.noseWt), QVariant(c.tailWt),
              QVariant(c.noseDL), QVariant(c.tailDL)})
            q.addBindValue(v);
        if (!run(q, error))
            return false;
        if (c.taskAvail == 0)
            continue;
        const qint64 typeId = q.lastInsertId().toLongLong();
        q.prepare(QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail, Used, Prior, Cost) "
                                 "VALUES (?, ?, ?, 0, 0, ?)"));
        for (const QVariant& v :
             {QVariant(taskId), QVariant(typeId), QVariant(c.taskAvail), QVariant(c.cost)})
            q.addBindValue(v);
        if (!run(q, error))
            return false;
    }

    for (const SampleKind& k : Kinds) {
        q.prepare(QStringLiteral(
            "INSERT INTO boxes (Kind, Mark, Length, Width, Weight, TurnOn, Temp, TaskID, ColorID, "
            "Descr, Total, BusyID, Cost) VALUES (?, ?, ?, ?, ?, ?, 0, 0, 0, ?, 0, 0, ?)"));
        for (const QVariant& v :
             {QVariant(QString::fromUtf8(k.kind)), QVariant(QString::fromUtf8(k.mark)), QVariant(k.length),
              QVariant(k.width), QVariant(k.weight), QVariant(k.turnOn ? 1 : 0),
              QVariant(QString::fromUtf8(k.descr)), QVariant(k.cost)})
            q.addBindValue(v);
        if (!run(q, error))
            return false;
        if (k.taskTotal == 0)
            continue;
        const qint64 kindId = q.lastInsertId().toLongLong();
        q.prepare(QStringLiteral("INSERT INTO tb (TaskID, KindID, Total, Placed, Prior, Bind, Cost) "
                                 "VALUES (?, ?, ?, 0, 0, 0, ?)"));
        for (const QVariant& v :
             {QVariant(taskId), QVariant(kindId), QVariant(k.taskTotal), QVariant(k.cost)})
            q.addBindValue(v);
        if (!run(q, error))
            return false;
    }
    return true;
}

} // namespace

bool seedSampleData(Store& store, QString* error) {
    if (!isEmpty(store))
        return true;
    StoreTransaction transaction(store);
    if (!transaction.isActive()) {
        if (error)
            *error = store.lastError();
        return false;
    }
    if (!insertRows(store, error))
        return false;
    if (!transaction.commit()) {
        if (error)
            *error = store.lastError();
        return false;
    }
    return true;
}

} // namespace palvane
