#pragma once
// The active settings and the tasks table: reading the current task's own copy, storing the
// active settings into a task row, and handing the program's initialisation values to the data
// module (the remembered task, the settings a new task copies, loading a task's settings when it
// becomes current, and the save at exit with the current TaskID).
#include "ActiveSettings.h"
#include "IniFile.h"

#include <QString>

namespace palvane {

class Cursor;
class Prompter;
class TDMForm;

// The settings stored in the tasks cursor's current row (Qw split into the weight factor and the
// bind group factor); TaskOptSet is `taskOptSet`. The defaults when the cursor has no row.
ActiveSettings taskSettings(const Cursor& tasks, bool taskOptSet = true);

// `LoadTaskSettings` on the data side: when the tasks cursor has rows, copies the current task's
// Power, Time, Rand, Last, Qw (split), Qc, Qr, BB and BW into `active`, keeping its TaskOptSet,
// and returns true; false with `active` unchanged when the table has no rows.
bool LoadTaskSettings(ActiveSettings& active, const Cursor& tasks);

// Stores the settings into the tasks cursor's current row (Qw packed; entering edit when
// browsing; the caller posts). False when the cursor refused a value.
bool storeTaskSettings(const ActiveSettings& settings, Cursor& tasks);

// Hands the loaded values to the data module before it starts: its `TaskIni` (the task made
// current at start-up), the active settings a new task copies, and `LoadTaskSettings` into
// `values.settings` whenever the module asks for it (connected first, so windows connected later
// show the loaded values). `values` must outlive `dm`.
void connectDataModule(TDMForm& dm, IniValues& values);

// Saving at exit: only while the main database is active (else the file keeps its previous
// contents and true is returned); line 1 then takes the current task's TaskID (0 for none).
bool SaveIniAtExit(const QString& path, IniValues& values, const TDMForm& dm, Prompter& prompter);

} // namespace palvane
