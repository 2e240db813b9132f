#include "TaskSettings.h"

#include "Cursor.h"
#include "DMForm.h"

namespace palvane {

ActiveSettings taskSettings(const Cursor& tasks, bool taskOptSet) {
    ActiveSettings s;
    s.TaskOptSet = taskOptSet;
    if (tasks.currentRow() < 0)
        return s;
    TaskSolveFields row;
    row.Power = qint16(tasks.intValue(QStringLiteral("Power")));
    row.Time = qint16(tasks.intValue(QStringLiteral("Time")));
    row.Rand = qint16(tasks.intValue(QStringLiteral("Rand")));
    row.Qw = qint16(tasks.intValue(QStringLiteral("Qw")));
    row.Qc = qint16(tasks.intValue(QStringLiteral("Qc")));
    row.Qr = qint16(tasks.intValue(QStringLiteral("Qr")));
    row.BB = qint16(tasks.intValue(QStringLiteral("BB")));
    row.BW = qint16(tasks.intValue(QStringLiteral("BW")));
    row.Last = tasks.value(QStringLiteral("Last")).toBool();
    s.loadTaskRow(row);
    return s;
}

bool LoadTaskSettings(ActiveSettings& active, const Cursor& tasks) {
    if (tasks.isEmpty() || tasks.currentRow() < 0)
        return false;
    // The improvement stage's seconds are no task setting: a task's copy leaves them.
    const qint16 improve = active.Improve;
    active = taskSettings(tasks, active.TaskOptSet);
    active.Improve = improve;
    return true;
}

bool storeTaskSettings(const ActiveSettings& settings, Cursor& tasks) {
    const TaskSolveFields row = settings.toTaskRow();
    const std::pair<const char*, QVariant> fields[] = {
        {"Power", row.Power}, {"Time", row.Time}, {"Rand", row.Rand}, {"Last", row.Last}, {"Qw", row.Qw},
        {"Qc", row.Qc},       {"Qr", row.Qr},     {"BB", row.BB},     {"BW", row.BW}};
    bool ok = true;
    for (const auto& [name, value] : fields)
        ok = tasks.setValue(QLatin1String(name), value) && ok;
    return ok;
}

void connectDataModule(TDMForm& dm, IniValues& values) {
    dm.TaskIni = values.TaskIni;
    dm.activeSettings = [&values] { return values.settings; };
    QObject::connect(&dm, &TDMForm::loadTaskSettingsRequested, &dm,
                     [&dm, &values] { LoadTaskSettings(values.settings, dm.tasks()); });
}

bool SaveIniAtExit(const QString& path, IniValues& values, const TDMForm& dm, Prompter& prompter) {
    if (dm.ActiveDatabase != MainDatabase)
        return true;
    values.TaskIni = dm.currentTaskId();
    return SaveIniOnClose(dm.ActiveDatabase, path, values, prompter);
}

} // namespace palvane
