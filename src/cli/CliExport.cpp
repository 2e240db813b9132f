// Parsing and running the exchange commands: tasks/show --json, add-task, import-boxes, export.
#include "CliExport.h"

#include "BoxImport.h"
#include "CliCommands.h"
#include "CliExportFiles.h"
#include "CliTexts.h"
#include "DMForm.h"
#include "HomeFolder.h"
#include "IniFile.h"
#include "RegularFile.h"
#include "TaskJson.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <tuple>

namespace palvane {

namespace {

QString tr(const char* text) {
    return CliTexts::tr(text);
}

// "--name=value" or "--name value"; `value` empty when none is given.
bool takeValue(const QStringList& args, qsizetype& i, const char* name, QString& value) {
    const QString option = QLatin1String(name);
    const QString& a = args[i];
    if (a.startsWith(option + QLatin1Char('='))) {
        value = a.mid(option.size() + 1);
        return true;
    }
    if (a != option)
        return false;
    value = i + 1 < args.size() ? args[++i] : QString();
    return true;
}

bool wholeNumber(const char* name, const QString& value, int minimum, int maximum, std::optional<int>& out,
                 QString& error) {
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok || n < minimum || n > maximum) {
        error =
            tr("%1 needs a whole number from %2 to %3").arg(QLatin1String(name)).arg(minimum).arg(maximum);
        return false;
    }
    out = int(n);
    return true;
}

const QStringList TaskReports = {QStringLiteral("task"), QStringLiteral("solution"), QStringLiteral("layout"),
                                 QStringLiteral("sheet")};
const QStringList LibraryReports = {QStringLiteral("boxes"), QStringLiteral("containers")};

} // namespace

ExportParse parseExportArgument(const QStringList& args, qsizetype& i, const QString& command,
                                ExportOptions& o, QString& error) {
    const QString& a = args[i];
    QString value;
    auto file = [&](const char* name, QString& target) {
        if (!takeValue(args, i, name, value))
            return ExportParse::NotMine;
        if (value.isEmpty()) {
            error = tr("%1 needs a file").arg(QLatin1String(name));
            return ExportParse::Failed;
        }
        target = value;
        return ExportParse::Taken;
    };
    auto number = [&](const char* name, int minimum, int maximum, std::optional<int>& target) {
        if (!takeValue(args, i, name, value))
            return ExportParse::NotMine;
        return wholeNumber(name, value, minimum, maximum, target, error) ? ExportParse::Taken
                                                                         : ExportParse::Failed;
    };
    if (a == QLatin1String("--json"))
        o.json = true;
    else if (a == QLatin1String("--create-missing"))
        o.createMissing = true;
    else if (a == QLatin1String("--solve"))
        o.solve = true;
    else if (a == QLatin1String("--csv") || a.startsWith(QLatin1String("--csv="))) {
        o.csv = true;
        if (a.startsWith(QLatin1String("--csv=")))
            o.csvFolder = a.mid(6);
        else if (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1Char('-')))
            o.csvFolder = args[++i];
    } else if ((!a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) &&
               (command == QLatin1String("add-task") || command == QLatin1String("import-boxes")) &&
               o.file.isEmpty()) {
        o.file = a;
    } else {
        for (const auto& [name, target] : {std::pair{"--pdf", &o.pdf}, std::pair{"--svg", &o.svg},
                                           std::pair{"--png", &o.png}, std::pair{"--report", &o.report}}) {
            const ExportParse p = file(name, *target);
            if (p != ExportParse::NotMine)
                return p;
        }
        for (const auto& [name, minimum, maximum, target] :
             {std::tuple{"--container", 1, 32767, &o.container}, std::tuple{"--width", 100, 20000, &o.width},
              std::tuple{"--order", 0, 3, &o.order}, std::tuple{"--header", 0, 1000000, &o.header}}) {
            const ExportParse p = number(name, minimum, maximum, *target);
            if (p != ExportParse::NotMine)
                return p;
        }
        if (!takeValue(args, i, "--separator", value))
            return ExportParse::NotMine;
        if (value == QLatin1String("blanks"))
            o.separator = 0;
        else if (value == QLatin1String("comma"))
            o.separator = 1;
        else {
            error = tr("--separator needs blanks or comma");
            return ExportParse::Failed;
        }
    }
    return ExportParse::Taken;
}

bool checkExportOptions(const QString& command, bool hasTask, const ExportOptions& o, QString& error) {
    const bool isExport = command == QLatin1String("export");
    auto only = [&](bool given, const char* option, bool allowed, const QString& where) {
        if (given && !allowed && error.isEmpty())
            error = tr("%1 belongs to %2").arg(QLatin1String(option), where);
    };
    only(o.json, "--json", command == QLatin1String("tasks") || command == QLatin1String("show"),
         QStringLiteral("tasks and show"));
    only(o.createMissing, "--create-missing", command == QLatin1String("add-task"),
         QStringLiteral("add-task"));
    only(o.solve, "--solve", command == QLatin1String("add-task"), QStringLiteral("add-task"));
    for (const auto& [given, option] :
         {std::pair{o.order.has_value(), "--order"}, std::pair{o.separator.has_value(), "--separator"},
          std::pair{o.header.has_value(), "--header"}})
        only(given, option, command == QLatin1String("import-boxes"), QStringLiteral("import-boxes"));
    for (const auto& [given, option] :
         {std::pair{o.csv, "--csv"}, std::pair{!o.pdf.isEmpty(), "--pdf"},
          std::pair{!o.svg.isEmpty(), "--svg"}, std::pair{!o.png.isEmpty(), "--png"},
          std::pair{!o.report.isEmpty(), "--report"}, std::pair{o.container.has_value(), "--container"},
          std::pair{o.width.has_value(), "--width"}})
        only(given, option, isExport, QStringLiteral("export"));
    if (!error.isEmpty())
        return false;
    if ((command == QLatin1String("add-task") || command == QLatin1String("import-boxes")) &&
        o.file.isEmpty()) {
        error = tr("%1 needs a file").arg(command);
        return false;
    }
    if (!isExport)
        return true;
    const int targets = int(o.csv) + int(!o.pdf.isEmpty()) + int(!o.svg.isEmpty()) + int(!o.png.isEmpty());
    if (targets != 1) {
        error = tr("export needs one of --csv, --pdf, --svg and --png");
        return false;
    }
    if (!o.pdf.isEmpty() && !TaskReports.contains(o.report) && !LibraryReports.contains(o.report)) {
        error = o.report.isEmpty()
                    ? tr("--pdf needs --report task, solution, layout, sheet, boxes or containers")
                    : tr("Unknown report %1").arg(o.report);
        return false;
    }
    if (!o.report.isEmpty() && o.pdf.isEmpty()) {
        error = tr("--report belongs to --pdf");
        return false;
    }
    if (o.width && o.svg.isEmpty() && o.png.isEmpty()) {
        error = tr("--width belongs to --svg and --png");
        return false;
    }
    if (o.container && (o.csv || LibraryReports.contains(o.report) || o.report == QLatin1String("task"))) {
        error = tr("--container belongs to the solution, layout and sheet reports, --svg and --png");
        return false;
    }
    if (LibraryReports.contains(o.report) && hasTask) {
        error = tr("The %1 report belongs to no task; leave out --task").arg(o.report);
        return false;
    }
    return true;
}

bool commandNeedsTask(const QString& command, const ExportOptions& o) {
    if (command == QLatin1String("export"))
        return !LibraryReports.contains(o.report);
    return command == QLatin1String("solve") || command == QLatin1String("clear") ||
           command == QLatin1String("show");
}

bool isExportCommand(const QString& command, const ExportOptions& o) {
    return o.json || command == QLatin1String("add-task") || command == QLatin1String("import-boxes") ||
           command == QLatin1String("export");
}

namespace {

int failed(CliContext& c, const QString& message) {
    QString line = message;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    c.err << line.simplified() << Qt::endl;
    return CliFailed;
}

void printJson(CliContext& c, const QJsonObject& document) {
    c.out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented)) << Qt::flush;
}

int showJson(Store& store, qint32 taskId, CliContext& c) {
    QJsonObject doc;
    QString error;
    if (!showTaskJson(store, taskId, doc, error))
        return failed(c, error);
    printJson(c, doc);
    return CliOk;
}

// The JSON text of add-task: a regular file, or standard input for "-", within the size limit.
bool readTaskInput(const QString& file, CliContext& c, QByteArray& text, QString& error) {
    if (file != QLatin1String("-")) {
        const FileReadStatus status = readRegularFile(file, MaxTaskJsonBytes, &text);
        if (status != FileReadStatus::Ok)
            error = fileReadProblem(status, file, MaxTaskJsonBytes);
        return status == FileReadStatus::Ok;
    }
    QFile standardInput;
    QIODevice* in = c.input;
    if (!in) {
        if (!standardInput.open(stdin, QIODevice::ReadOnly)) {
            error = tr("Standard input cannot be read");
            return false;
        }
        in = &standardInput;
    }
    text = in->read(MaxTaskJsonBytes + 1);
    if (text.size() > MaxTaskJsonBytes) {
        error = tr("Standard input holds more than %1 bytes").arg(MaxTaskJsonBytes);
        return false;
    }
    return true;
}

int addTask(const CliOptions& o, CliContext& c) {
    QByteArray text;
    QString error;
    if (!readTaskInput(o.exports.file, c, text, error))
        return failed(c, error);
    qint32 taskId = 0;
    {
        auto store = openCliDatabase(o, StoreAccess::ReadWrite, error);
        if (!store)
            return failed(c, error);
        TaskJsonOptions options;
        options.createMissing = o.exports.createMissing;
        const TaskJsonResult result = addTaskFromJson(*store, text, options);
        if (!result.ok()) {
            const QString name = o.exports.file == QLatin1String("-") ? tr("standard input") : o.exports.file;
            return failed(c, name + QStringLiteral(": ") + result.error);
        }
        taskId = result.taskId;
    }
    if (!o.exports.solve) {
        c.out << taskId << Qt::endl;
        return CliOk;
    }
    // The solve of the command line itself, its summary left out: the plan follows as JSON.
    QStringList solve = o.db.isEmpty() ? QStringList{QStringLiteral("--home"), o.home}
                                       : QStringList{QStringLiteral("--db"), o.db};
    if (o.db.isEmpty() && o.home.isEmpty())
        solve.clear();
    solve << QStringLiteral("solve") << QStringLiteral("--task") << QString::number(taskId);
    QString summary;
    QTextStream summaryStream(&summary);
    CliContext quiet{summaryStream, c.err};
    quiet.progressLine = c.progressLine;
    quiet.interrupted = c.interrupted;
    quiet.search = c.search;
    quiet.clock = c.clock;
    const int status = runCli(solve, quiet);
    if (status != CliOk)
        return status;
    auto store = openCliDatabase(o, StoreAccess::ReadOnly, error);
    if (!store)
        return failed(c, error);
    return showJson(*store, taskId, c);
}

int importBoxes(const CliOptions& o, CliContext& c) {
    const IniValues settings = cliStoredSettings(o);
    ImportOptions options = importOptions(settings);
    if (o.exports.order)
        options.columns = importColumns(*o.exports.order);
    if (o.exports.separator)
        options.separators = importSeparators(*o.exports.separator);
    if (o.exports.header)
        options.header = *o.exports.header;
    const QFileInfo file(o.exports.file);
    if (!file.exists() || !file.isFile())
        return failed(c, fileReadProblem(file.exists() ? FileReadStatus::NotRegular : FileReadStatus::Missing,
                                         o.exports.file, -1));
    CliDataModule data(c);
    QString error;
    if (!data.open(o, error))
        return failed(c, error);
    const ImportOutcome outcome = ImportBoxes(data.dm(), o.exports.file, options, data.prompter());
    c.out << tr("%1 box kinds imported from %2").arg(outcome.imported).arg(o.exports.file) << Qt::endl;
    const bool ok = !outcome.formatError && !outcome.rangeError && !outcome.refused && !outcome.limitReached;
    return ok ? CliOk : CliFailed;
}

} // namespace

int runExportCommand(const CliOptions& o, CliContext& c) {
    QString error;
    if (o.command == QLatin1String("add-task"))
        return addTask(o, c);
    if (o.command == QLatin1String("import-boxes"))
        return importBoxes(o, c);
    if (o.command == QLatin1String("export"))
        return exportFiles(o, c);
    auto store = openCliDatabase(o, StoreAccess::ReadOnly, error);
    if (!store)
        return failed(c, error);
    if (o.command == QLatin1String("show"))
        return showJson(*store, o.taskId, c);
    QJsonObject list;
    if (!taskListJson(*store, list, error))
        return failed(c, error);
    printJson(c, list);
    return CliOk;
}

} // namespace palvane
