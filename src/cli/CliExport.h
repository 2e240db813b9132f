#pragma once
// The command-line commands that exchange tasks and plans with other programs: the task list
// and a task's plan as JSON, a new task from JSON, the box import, and the exports (the
// Solution Page's CSV files, the printed reports and the loading sheet as PDF, the layout
// drawing as SVG or PNG).
#include <QString>
#include <QStringList>
#include <optional>

namespace palvane {

struct CliContext;
struct CliOptions;

// The options of these commands.
struct ExportOptions {
    bool json = false;          // tasks, show: JSON instead of text
    bool createMissing = false; // add-task
    bool solve = false;         // add-task
    QString file;               // add-task, import-boxes: the input file, "-" for standard input
    bool csv = false;           // export --csv [DIR]
    QString csvFolder;
    QString pdf, report, svg, png;
    std::optional<int> container, width;
    std::optional<int> order, separator, header; // import-boxes
};

// How parseExportArgument treated an argument.
enum class ExportParse { NotMine, Taken, Failed };

// Takes the argument at `i` (and its value) when it is one of these commands' options or their
// input file; Failed with a one-line message when its value is wrong.
ExportParse parseExportArgument(const QStringList& args, qsizetype& i, const QString& command,
                                ExportOptions& options, QString& error);

// Whether the options fit the command; false with a one-line message.
bool checkExportOptions(const QString& command, bool hasTask, const ExportOptions& options, QString& error);

// Whether the command needs --task ID.
bool commandNeedsTask(const QString& command, const ExportOptions& options);

// Whether these commands handle the command line (rather than the plain tasks and show).
bool isExportCommand(const QString& command, const ExportOptions& options);

// Runs the command; the exit status.
int runExportCommand(const CliOptions& options, CliContext& context);

} // namespace palvane
