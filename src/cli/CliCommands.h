#pragma once
// The command-line front end: lists the tasks of a database, solves a task with its own stored
// settings (each option overriding one), clears and shows a stored solution. The executable
// only wires the terminal and Ctrl-C to runCli().
#include "CliExport.h"
#include "CliTexts.h"
#include "SolveSettings.h"
#include "Store.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <csignal>
#include <optional>

namespace palvane {

class LayoutSearch;
class MsClock;

// Exit statuses.
inline constexpr int CliOk = 0;
inline constexpr int CliFailed = 1;   // the command could not be carried out
inline constexpr int CliBadUsage = 2; // the command line is wrong; the usage text was printed

// Settings given on the command line; unset ones come from the task row.
struct SettingOverrides {
    std::optional<std::int16_t> power, time, rand, weightFactor, bindFactor, costFactor, leftFactor, itemGap,
        wallGap;
    std::optional<bool> lastOff;
    // Seconds of the improvement stage; not a task setting, so 0 (off) unless given.
    std::optional<std::int16_t> improve;

    // The task's settings with these overrides applied.
    SolveSettings applyTo(SolveSettings settings) const;
};

// A parsed command line.
struct CliOptions {
    QString home;    // --home DIR
    QString db;      // --db DIR
    QString command; // tasks, solve, clear, show; empty with --help
    std::int32_t taskId = 0;
    bool hasTask = false;
    bool clearFirst = false;
    bool help = false;
    SettingOverrides overrides;
    // Options of the commands that import and export (add-task, import-boxes, export, --json).
    ExportOptions exports;
};

// Parses the arguments after the program name. False with a one-line message when they are
// wrong.
bool parseCliArguments(const QStringList& arguments, CliOptions& options, QString& error);

// The usage text printed by --help and after a wrong command line.
QString cliUsage();

// Where a command writes and what it may use. The search is the layout search for solve
// (the product's own when null), the clock the workspace clock (the wall clock when null).
struct CliContext {
    QTextStream& out;
    QTextStream& err;
    // Show a progress line on err while solving (when err is a terminal).
    bool progressLine = false;
    // Set asynchronously (Ctrl-C): a running solve stops at its next tick and stores the best
    // plan so far.
    const volatile std::sig_atomic_t* interrupted = nullptr;
    LayoutSearch* search = nullptr;
    MsClock* clock = nullptr;
    // Standard input for "add-task -" (the process's standard input when null).
    QIODevice* input = nullptr;
};

// The database directory the options name: --db, else the main database of the home folder
// (created with the sample data on first use); `mode` says how a store opens it. Empty with a
// message when there is none.
QString cliDatabaseDirectory(const CliOptions& options, StoreOpenMode& mode, QString& error);
// The store of that directory opened for `access`; null with a message when it cannot be.

std::unique_ptr<Store> openCliDatabase(const CliOptions& options, StoreAccess access, QString& error);

// Runs the command line (arguments after the program name) and returns the exit status.
int runCli(const QStringList& arguments, CliContext& context);

} // namespace palvane
