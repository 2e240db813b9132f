#include "CliCommands.h"

#include <optional>

#include "ActiveSettings.h"
#include "CliReports.h"
#include "DatabaseAliases.h"
#include "EngineRows.h"
#include "HomeFolder.h"
#include "IniFile.h"
#include "PlanningSession.h"
#include "Progress.h"
#include "Store.h"
#include "TaskHold.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace palvane {

SolveSettings SettingOverrides::applyTo(SolveSettings s) const {
    s.Power = power.value_or(s.Power);
    s.Time = time.value_or(s.Time);
    s.Rand = rand.value_or(s.Rand);
    s.Qw = weightFactor.value_or(s.Qw);
    s.Qg = bindFactor.value_or(s.Qg);
    s.Qc = costFactor.value_or(s.Qc);
    s.Qr = leftFactor.value_or(s.Qr);
    s.BB = itemGap.value_or(s.BB);
    s.BW = wallGap.value_or(s.BW);
    s.Last = lastOff.value_or(s.Last);
    s.Improve = improve.value_or(s.Improve);
    return s;
}

namespace {

// A numeric option: its name, the setting it overrides (whose range it accepts) and where the
// value goes.
struct NumberOption {
    const char* name;
    SettingField setting;
    std::optional<std::int16_t> SettingOverrides::*field;
};

const NumberOption NumberOptions[] = {
    {"--power", SettingField::Power, &SettingOverrides::power},
    {"--time", SettingField::Time, &SettingOverrides::time},
    {"--rand", SettingField::Rand, &SettingOverrides::rand},
    {"--weight-factor", SettingField::Qw, &SettingOverrides::weightFactor},
    {"--bind-factor", SettingField::Qg, &SettingOverrides::bindFactor},
    {"--cost-factor", SettingField::Qc, &SettingOverrides::costFactor},
    {"--left-factor", SettingField::Qr, &SettingOverrides::leftFactor},
    {"--item-gap", SettingField::BB, &SettingOverrides::itemGap},
    {"--wall-gap", SettingField::BW, &SettingOverrides::wallGap},
};

QString tr(const char* text) {
    return CliTexts::tr(text);
}

// Splits "--name=value" and "--name value" forms; value is empty when none is given.
bool takeValue(const QStringList& args, qsizetype& i, const QString& name, QString& value) {
    const QString& a = args[i];
    if (a.startsWith(name + QLatin1Char('='))) {
        value = a.mid(name.size() + 1);
        return true;
    }
    if (a != name)
        return false;
    value = i + 1 < args.size() ? args[++i] : QString();
    return true;
}

bool parseInt(const QString& name, const QString& value, int minimum, int maximum, int& result,
              QString& error) {
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok || n < minimum || n > maximum) {
        error = tr("%1 needs a whole number from %2 to %3").arg(name).arg(minimum).arg(maximum);
        return false;
    }
    result = static_cast<int>(n);
    return true;
}

} // namespace

bool parseCliArguments(const QStringList& args, CliOptions& o, QString& error) {
    o = CliOptions{};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        QString value;
        int number = 0;
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (takeValue(args, i, QStringLiteral("--home"), value)) {
            if (value.isEmpty()) {
                error = tr("--home needs a folder");
                return false;
            }
            o.home = value;
        } else if (takeValue(args, i, QStringLiteral("--db"), value)) {
            if (value.isEmpty()) {
                error = tr("--db needs a folder");
                return false;
            }
            o.db = value;
        } else if (takeValue(args, i, QStringLiteral("--task"), value)) {
            if (!parseInt(QStringLiteral("--task"), value, 1, 2147483647, number, error))
                return false;
            o.taskId = number;
            o.hasTask = true;
        } else if (takeValue(args, i, QStringLiteral("--last-off"), value)) {
            if (!parseInt(QStringLiteral("--last-off"), value, 0, 1, number, error))
                return false;
            o.overrides.lastOff = number != 0;
        } else if (takeValue(args, i, QStringLiteral("--improve"), value)) {
            const SettingRange range = ActiveSettings::improveRange();
            if (!parseInt(QStringLiteral("--improve"), value, range.minimum, range.maximum, number, error))
                return false;
            o.overrides.improve = static_cast<std::int16_t>(number);
        } else if (a == QLatin1String("--clear-first")) {
            o.clearFirst = true;
        } else if (!a.startsWith(QLatin1Char('-')) && o.command.isEmpty()) {
            o.command = a;
        } else {
            bool known = false;
            for (const NumberOption& opt : NumberOptions) {
                if (!takeValue(args, i, QLatin1String(opt.name), value))
                    continue;
                const SettingRange range = ActiveSettings::range(opt.setting);
                if (!parseInt(QLatin1String(opt.name), value, range.minimum, range.maximum, number, error))
                    return false;
                o.overrides.*opt.field = static_cast<std::int16_t>(number);
                known = true;
                break;
            }
            if (!known) {
                const ExportParse taken = parseExportArgument(args, i, o.command, o.exports, error);
                if (taken == ExportParse::Failed)
                    return false;
                known = taken == ExportParse::Taken;
            }
            if (!known) {
                error = a.startsWith(QLatin1Char('-')) ? tr("Unknown option %1").arg(a)
                                                       : tr("Unexpected argument %1").arg(a);
                return false;
            }
        }
    }
    if (o.help)
        return true;
    if (!o.home.isEmpty() && !o.db.isEmpty()) {
        error = tr("Give either --home or --db, not both");
        return false;
    }
    const QStringList commands = {QStringLiteral("tasks"),    QStringLiteral("solve"),
                                  QStringLiteral("clear"),    QStringLiteral("show"),
                                  QStringLiteral("add-task"), QStringLiteral("import-boxes"),
                                  QStringLiteral("export")};
    if (o.command.isEmpty()) {
        error = tr("No command given");
        return false;
    }
    if (!commands.contains(o.command)) {
        error = tr("Unknown command %1").arg(o.command);
        return false;
    }
    if (!checkExportOptions(o.command, o.hasTask, o.exports, error))
        return false;
    if (commandNeedsTask(o.command, o.exports) && !o.hasTask) {
        error = tr("%1 needs --task ID").arg(o.command);
        return false;
    }
    const bool settingsGiven = o.overrides.power || o.overrides.time || o.overrides.rand ||
                               o.overrides.weightFactor || o.overrides.bindFactor || o.overrides.costFactor ||
                               o.overrides.leftFactor || o.overrides.itemGap || o.overrides.wallGap ||
                               o.overrides.lastOff || o.overrides.improve || o.clearFirst;
    if (settingsGiven && o.command != QLatin1String("solve")) {
        error = tr("Solve options given to %1").arg(o.command);
        return false;
    }
    return true;
}

QString cliUsage() {
    return tr("Usage: palvane-cli [--home DIR | --db DIR] COMMAND [OPTIONS]\n"
              "\n"
              "Commands:\n"
              "  tasks                 list the tasks: id, name, solved or not, containers, boxes\n"
              "  solve --task ID       solve a task with its own stored settings and store the plan\n"
              "  clear --task ID       clear the stored solution (fixed containers stay)\n"
              "  show --task ID        print the stored plan\n"
              "  tasks --json, show --task ID --json\n"
              "                        the same as JSON (schema: docs/plan.schema.json)\n"
              "  add-task FILE.json|-  store a new task from JSON (- reads standard input) and\n"
              "                        print its id; the form is the task part of show --json\n"
              "    --create-missing    add container types and box kinds not in the library\n"
              "                        (given with their length and width)\n"
              "    --solve             solve the new task at once and print its plan as\n"
              "                        show --json does\n"
              "  import-boxes FILE     add box kinds to the box library from a text file\n"
              "    --order 0-3         column order (default: the stored import setting)\n"
              "    --separator blanks|comma\n"
              "                        field separators (default: the stored setting)\n"
              "    --header N          non-empty lines to skip first (default: stored setting)\n"
              "  export --task ID --csv [DIR]\n"
              "                        the three CSV files of the Solution Page's File command,\n"
              "                        into DIR (default: the home folder's solutions folder)\n"
              "  export --task ID --pdf FILE --report task|solution|layout|sheet [--container N]\n"
              "  export --pdf FILE --report boxes|containers\n"
              "                        a printed report as a PDF file (A4); --container chooses\n"
              "                        the container of the solution report and the sheet\n"
              "  export --task ID --svg FILE|--png FILE [--container N] [--width PX]\n"
              "                        the layout drawing with loading numbers and marks\n"
              "\n"
              "Solve options (each overrides one of the task's settings):\n"
              "  --power N             optimiser intensity, 0 to 20\n"
              "  --time SEC            time limit in seconds, 5 to 5555\n"
              "  --rand N              random line, 1 to 555\n"
              "  --weight-factor PCT   weight factor, 0 to 95\n"
              "  --bind-factor N       bind group factor, 0 to 9\n"
              "  --cost-factor PCT     cost factor, 0 to 100\n"
              "  --left-factor PCT     left items factor, 0 to 100\n"
              "  --item-gap N          gap between boxes, 0 to 5000\n"
              "  --wall-gap N          gap to the container walls, 0 to 5000\n"
              "  --last-off 0|1        drop a poorly filled last container\n"
              "  --improve SEC         improve the plan for up to SEC seconds after the\n"
              "                        search, 0 to 600 (default 0: off)\n"
              "  --clear-first         solve a solved task anew: its solution is replaced (fixed\n"
              "                        containers stay) only once the new plan is stored\n"
              "\n"
              "Databases:\n"
              "  --home DIR            the home folder and its databases.ini (created with sample\n"
              "                        data on first use); default: $PALVANE_HOME or the per-user\n"
              "                        application data folder\n"
              "  --db DIR              one database directory (a new or empty one gets its table\n"
              "                        files; one that lacks some of them is refused)\n"
              "\n"
              "While solving on a terminal a progress line is shown; Ctrl-C stops the search and\n"
              "stores the best plan found so far. Exit status 0 on success, 1 when the command\n"
              "failed, 2 for a wrong command line.\n");
}

namespace {

// Messages of the engine and of the store as single lines.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

// Engine messages as warning lines on the error stream.
class StreamPrompter : public Prompter {
public:
    explicit StreamPrompter(QTextStream& err) : m_err(err) {}
    PromptAnswer ask(PromptKind kind, const QString& text, PromptButtons, const QString&) override {
        m_err << (kind == PromptKind::Error ? tr("Error: ") : tr("Warning: ")) << oneLine(text) << Qt::endl;
        return PromptAnswer::Ok;
    }

private:
    QTextStream& m_err;
};

// The progress line of a solve, and the way Ctrl-C reaches the search.
class CliProgress : public ProgressSink {
public:
    CliProgress(CliContext& context, PlanningSession& session) : m_context(context), m_session(session) {}
    ~CliProgress() override { finish(); }

    void setTitle(ProgressTitle title) override {
        m_title = title;
        draw();
    }
    void setOverall(int position) override {
        m_overall = std::min(position, 100);
        draw();
    }
    void setElapsedText(const char* number) override {
        m_seconds = QString::fromLatin1(number);
        draw();
    }
    void setHint(ProgressHint hint) override {
        m_aborted = hint == ProgressHint::Aborted;
        draw();
    }
    void processEvents() override {
        if (m_context.interrupted && *m_context.interrupted)
            m_session.requestAbort();
    }
    // Ends the progress line.
    void finish() {
        if (m_drawn)
            m_context.err << Qt::endl;
        m_drawn = false;
    }

private:
    void draw() {
        if (!m_context.progressLine)
            return;
        QString line = QStringLiteral("\r%1 %2%").arg(titleText(), 3).arg(m_overall, 3);
        if (!m_seconds.isEmpty())
            line += QStringLiteral("  %1 %2").arg(m_seconds, tr("sec"));
        if (m_aborted)
            line += QStringLiteral("  ") + tr("Aborted...");
        // The search reports many times a second; only a changed line is written.
        if (m_drawn && line == m_lastLine)
            return;
        m_lastLine = line;
        m_context.err << line.leftJustified(60) << Qt::flush;
        m_drawn = true;
    }
    QString titleText() const {
        switch (m_title) {
        case ProgressTitle::FixedObjects:
            return tr("Fixed objects processing...");
        case ProgressTitle::ReadingTask:
            return tr("Reading DB task...");
        case ProgressTitle::PackingProgress:
            return tr("Packing progress...");
        case ProgressTitle::WritingDb:
            return tr("Writing DB...");
        case ProgressTitle::ClearingDb:
            return tr("Clearing DB solution...");
        case ProgressTitle::Improving:
            return tr("Improving the plan...");
        }
        return QString();
    }

    CliContext& m_context;
    PlanningSession& m_session;
    ProgressTitle m_title = ProgressTitle::ReadingTask;
    int m_overall = 0;
    QString m_seconds;
    bool m_aborted = false;
    bool m_drawn = false;
    QString m_lastLine;
};

} // namespace

QString cliDatabaseDirectory(const CliOptions& o, StoreOpenMode& mode, QString& error) {
    QString directory = o.db;
    mode = StoreOpenMode::CreateMissing;
    if (directory.isEmpty()) {
        const QString path =
            o.home.isEmpty() ? HomeFolder::resolve({QCoreApplication::applicationName()}) : o.home;
        if (path.isEmpty()) {
            error = tr("No home folder can be found; give --home DIR");
            return QString();
        }
        const HomeFolder home(path);
        bool created = false;
        if (!prepareDatabases(home, &created, &error))
            return QString();
        // A home folder made here gets its settings file too, so the desktop program's first start
        // on it is as quiet as on a home folder it makes itself (the defaults are what it would
        // load). Without the file the program warns and loads the same defaults.
        if (created && !QFileInfo::exists(iniFilePath(home.path())))
            WriteIniQuietly(iniFilePath(home.path()), IniValues{});
        DatabaseAliases aliases(home);
        if (!aliases.load(&error))
            return QString();
        directory = aliases.directory(MainDatabase);
        if (!aliases.isServer(MainDatabase) && !QFileInfo(directory).isDir()) {
            error = aliases.missingDirectoryMessages().value(0) + QLatin1Char(' ') + directory;
            return QString();
        }
        const QStringList clashes = aliases.directoryClashMessages();
        if (!clashes.isEmpty()) {
            error = clashes.first();
            return QString();
        }
        mode = StoreOpenMode::ExistingOnly;
    }
    return directory;
}

std::unique_ptr<Store> openCliDatabase(const CliOptions& o, StoreAccess access, QString& error) {
    StoreOpenMode mode = StoreOpenMode::CreateMissing;
    const QString directory = cliDatabaseDirectory(o, mode, error);
    if (directory.isEmpty())
        return nullptr;
    StoreError storeError;
    auto store = Store::open(directory, mode, &storeError, access);
    if (!store)
        error = storeError.message();
    return store;
}

namespace {

QString solveStatusText(SolveStatus status, std::int32_t taskId, const std::string& detail) {
    switch (status) {
    case SolveStatus::Ok:
        return QString();
    case SolveStatus::NoTask:
        return tr("Task %1 not found").arg(taskId);
    case SolveStatus::NoContainers:
        return tr("Task %1 has no containers").arg(taskId);
    case SolveStatus::NoBoxes:
        return tr("Task %1 has no boxes").arg(taskId);
    case SolveStatus::TooManyContainers:
        return tr("Task %1 has more than %2 containers").arg(taskId).arg(kMaxTaskContainers);
    case SolveStatus::TooManyBoxes:
        return tr("Task %1 has more than %2 boxes").arg(taskId).arg(kMaxTaskBoxes);
    case SolveStatus::ReadFailed:
        return tr("Task %1 could not be read: %2").arg(taskId).arg(QString::fromStdString(detail));
    case SolveStatus::WriteFailed:
        return tr("The plan could not be stored, the previous solution is unchanged: %1")
            .arg(QString::fromStdString(detail));
    }
    return QString();
}

int fail(CliContext& c, const QString& message) {
    c.err << oneLine(message) << Qt::endl;
    return CliFailed;
}

// Why the task could not be read.
QString readFailureText(RowsStatus read, std::int32_t taskId, const std::string& detail) {
    return read == RowsStatus::NoTask
               ? tr("Task %1 not found").arg(taskId)
               : tr("Task %1 could not be read: %2").arg(taskId).arg(QString::fromStdString(detail));
}

// Reads the rows of the task; on failure says why and returns false.
bool readOrReport(EngineRows& rows, std::int32_t taskId, TaskRows& task, CliContext& c) {
    std::string detail;
    const RowsStatus read = rows.readTask(taskId, task, detail);
    if (read == RowsStatus::Ok)
        return true;
    fail(c, readFailureText(read, taskId, detail));
    return false;
}

int solve(Store& store, const CliOptions& o, CliContext& c) {
    // On a server the task's row stays locked from the read to the stored plan: a second
    // planner solving the same task is refused at once rather than storing a plan over this
    // one, and a kill leaves the task as it was (the server drops the whole unit).
    TaskHold hold(store, o.taskId);
    if (!hold.isHeld())
        return fail(c, hold.error());
    PlanningSession session;
    session.setClock(c.clock);
    session.setLayoutSearch(c.search);
    const TaskCheck check = session.checkTask(store, o.taskId);
    if (check.read != RowsStatus::Ok)
        return fail(c, readFailureText(check.read, o.taskId, check.error));
    if (check.status != SolveStatus::Ok)
        return fail(c, solveStatusText(check.status, o.taskId, check.error));
    if (check.solved && !o.clearFirst)
        return fail(c, tr("Task %1 is solved; clear it first or add --clear-first").arg(o.taskId));
    StreamPrompter prompter(c.err);
    CliProgress progress(c, session);
    // The session replaces a stored solution only together with the new plan, so an
    // interruption in between leaves the task as it was.
    const SolveOutcome outcome =
        session.solve(store, o.taskId, o.overrides.applyTo(check.taskSettings), prompter, progress);
    progress.finish();
    if (outcome.status != SolveStatus::Ok)
        return fail(c, solveStatusText(outcome.status, o.taskId, outcome.error));
    if (!hold.commit())
        return fail(c, store.lastError());
    c.out << solveSummary(session.plan(), outcome);
    return CliOk;
}

int clear(Store& store, const CliOptions& o, CliContext& c) {
    PlanningSession session;
    StreamPrompter prompter(c.err);
    ProgressSink silent;
    std::string detail;
    const RowsStatus status = session.clear(store, o.taskId, prompter, silent, detail);
    if (status == RowsStatus::NoTask)
        return fail(c, tr("Task %1 not found").arg(o.taskId));
    if (status != RowsStatus::Ok)
        return fail(c, tr("The solution could not be cleared: %1").arg(QString::fromStdString(detail)));
    EngineRows rows(store);
    TaskRows after;
    rows.readTask(o.taskId, after, detail);
    c.out << tr("Task %1 cleared; fixed containers kept: %2").arg(o.taskId).arg(after.solut.size())
          << Qt::endl;
    return CliOk;
}

int show(Store& store, const CliOptions& o, CliContext& c) {
    EngineRows rows(store);
    TaskRows task;
    if (!readOrReport(rows, o.taskId, task, c))
        return CliFailed;
    c.out << storedPlanReport(task);
    return CliOk;
}

} // namespace

int runCli(const QStringList& arguments, CliContext& c) {
    CliOptions o;
    QString error;
    if (!parseCliArguments(arguments, o, error)) {
        c.err << error << Qt::endl << Qt::endl << cliUsage() << Qt::flush;
        return CliBadUsage;
    }
    if (o.help) {
        c.out << cliUsage() << Qt::flush;
        return CliOk;
    }
    // Listing and showing only read: they leave every table file as it is (a file in WAL mode
    // stays in it); the commands that write switch the files to the rollback journal.
    if (isExportCommand(o.command, o.exports))
        return runExportCommand(o, c);
    const bool reads = o.command == QLatin1String("tasks") || o.command == QLatin1String("show");
    auto store = openCliDatabase(o, reads ? StoreAccess::ReadOnly : StoreAccess::ReadWrite, error);
    if (!store)
        return fail(c, error);
    if (o.command == QLatin1String("tasks")) {
        QString list;
        if (!taskList(*store, list, error))
            return fail(c, error);
        c.out << list << Qt::flush;
        return CliOk;
    }
    if (o.command == QLatin1String("solve"))
        return solve(*store, o, c);
    if (o.command == QLatin1String("clear"))
        return clear(*store, o, c);
    return show(*store, o, c);
}

} // namespace palvane
