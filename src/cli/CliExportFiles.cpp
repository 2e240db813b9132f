// export: the Solution Page's CSV files, the printed reports and the loading sheet as PDF, the
// layout drawing as SVG or PNG; all without a printer or a display.
#include "CliExportFiles.h"

#include "CliCommands.h"
#include "CliTexts.h"
#include "ContainerPlan.h"
#include "HomeFolder.h"
#include "LayoutRenderer.h"
#include "LoadingSheet.h"
#include "PlanningSession.h"
#include "RegularFile.h"
#include "Reports.h"
#include "SolutionCsv.h"
#include "TaskTotals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

namespace palvane {

namespace {

QString tr(const char* text) {
    return CliTexts::tr(text);
}

QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

int failed(CliContext& c, const QString& message) {
    c.err << oneLine(message) << Qt::endl;
    return CliFailed;
}

} // namespace

PromptAnswer CliPrompter::ask(PromptKind kind, const QString& text, PromptButtons buttons, const QString&) {
    if (kind == PromptKind::Error || kind == PromptKind::Warning)
        m_err << (kind == PromptKind::Error ? tr("Error: ") : tr("Warning: ")) << oneLine(text) << Qt::endl;
    return goOnAnswer(buttons);
}

IniValues cliStoredSettings(const CliOptions& o) {
    IniValues settings;
    if (!o.db.isEmpty())
        return settings;
    const QString home =
        o.home.isEmpty() ? HomeFolder::resolve({QCoreApplication::applicationName()}) : o.home;
    QByteArray text;
    IniValues read;
    if (!home.isEmpty() &&
        readRegularFile(HomeFolder(home).iniFilePath(), MaxIniFileBytes, &text) == FileReadStatus::Ok &&
        parseIni(text, read))
        settings = read;
    return settings;
}

CliDataModule::CliDataModule(CliContext& context)
    : m_prompter(context.err), m_dm(std::make_unique<TDMForm>(&m_prompter)) {
    m_dm->WarnsCheck = false;
}

CliDataModule::~CliDataModule() {
    m_dm->ActivateTables(false);
}

bool CliDataModule::open(const CliOptions& o, QString& error) {
    StoreOpenMode mode = StoreOpenMode::ExistingOnly;
    const QString directory = cliDatabaseDirectory(o, mode, error);
    if (directory.isEmpty())
        return false;
    StoreError storeError;
    // A new --db directory gets its table files first, as the other commands give them.
    if (mode == StoreOpenMode::CreateMissing && !Store::createDatabase(directory, &storeError)) {
        error = storeError.message();
        return false;
    }
    m_settings = cliStoredSettings(o);
    for (int code : {MainDatabase, ExportDatabase, ImportDatabase})
        m_dm->setDatabaseDirectory(code, directory);
    if (!m_dm->ActivateTables(true)) {
        error = dbBusyOrWrongText() + QLatin1Char(' ') + m_dm->openError();
        return false;
    }
    m_dm->UpdateAreaMultiplier(m_settings.VolMultPow);
    return true;
}

bool CliDataModule::makeCurrent(qint32 taskId, QString& error) {
    if (!m_dm->tasks().locate(QStringLiteral("TaskID"), taskId)) {
        error = tr("Task %1 not found").arg(taskId);
        return false;
    }
    m_dm->recomputeTotals();
    return true;
}

namespace {

// The labels of the task report as the Task Page shows the totals.
TaskReportLabels taskLabels(TDMForm& dm, const IniValues& settings) {
    const Cursor& tasks = dm.tasks();
    return Reports::taskLabels(
        tasks, dm.contTotals(), dm.boxTotals(), dm.effTexts(), AreaMultiplier(settings.VolMultPow),
        qint16(tasks.intValue(QStringLiteral("BB"))), qint16(tasks.intValue(QStringLiteral("BW"))));
}

// The task's stored plan as the windows show it: laid out anew by the planning session. Empty
// when the task holds no plan or it cannot be laid out.
const PlanView& storedPlan(PlanningSession& session, TDMForm& dm, qint32 taskId) {
    static const PlanView none;
    return session.rebuild(*dm.store(), taskId).status == SolveStatus::Ok ? session.plan() : none;
}

// The drawing settings of the printed layout: the View Options the desktop keeps in the home's
// settings file (clamped to the ranges of the View Options tracks), or the tracks' normal
// positions when it keeps none.
ViewSettings layoutSettings(const SavedViewOptions& saved) {
    ViewSettings settings;
    int line = 1, palette = 0, bright = MaxBrightPosition, partGrey = 4;
    if (saved.Space != KeepViewDefaults) {
        settings.VisualGap = float(std::clamp(saved.Space, 0, 8));
        settings.GridLevel = std::clamp(saved.Grid, -4, 4);
        settings.ShowKinds = saved.MarkKind == 1;
        settings.ShowTurnSigns = saved.Orient == 1;
        line = std::clamp(saved.Line, 0, 4);
        palette = std::clamp(saved.Palett, 0, 8);
        bright = std::clamp(saved.Bright, 0, MaxBrightPosition);
        partGrey = std::clamp(saved.Parts, 0, 16);
    }
    SetPrintColors(settings, line, palette, bright, partGrey);
    return settings;
}

// The layout image of the report as the Disposition window prints it.
QImage layoutPicture(const PlanView& plan, int container, const SavedViewOptions& saved) {
    QImage picture(kReportImageWidth, kReportImageHeight, QImage::Format_RGB888);
    constexpr int dotsPerMetre = 4724; // 120 pixels per inch
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    picture.fill(Qt::white);
    if (plan.containers.empty())
        return picture;
    LayoutViewState view;
    view.CurrentCont = std::int16_t(container);
    view.ShownBoxes = std::int16_t(plan.boxLoad(container));
    QPainter painter(&picture);
    DrawLayout(painter, picture.width(), picture.height(), true, plan, layoutSettings(saved), view);
    return picture;
}

// Whether the file can be written (it is created, or emptied, to find out); the painters would
// only complain on the terminal.
bool writable(const QString& path, CliContext& c) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        return true;
    failed(c, tr("%1 cannot be written: %2").arg(path, file.errorString()));
    return false;
}

bool hasContainer(const ContainerPlans& plans, int container) {
    for (const PlanContainer& c : plans.containers)
        if (c.number == container)
            return true;
    return false;
}

int csv(CliDataModule& data, const CliOptions& o, CliContext& c) {
    QString folder = o.exports.csvFolder;
    if (folder.isEmpty())
        folder = o.db.isEmpty() ? HomeFolder(o.home.isEmpty()
                                                 ? HomeFolder::resolve({QCoreApplication::applicationName()})
                                                 : o.home)
                                      .exportFolder()
                                : QStringLiteral("solutions");
    const SolutionCsvResult result = writeSolutionCsv(data.dm(), folder);
    if (!result.ok())
        return failed(c, tr("Solution file(s) write error: %1").arg(result.error));
    for (const QString& name : result.shownNames)
        c.out << name << Qt::endl;
    return CliOk;
}

int pdf(CliDataModule& data, const CliOptions& o, CliContext& c) {
    TDMForm& dm = data.dm();
    const QString& report = o.exports.report;
    const int container = o.exports.container.value_or(0);
    PlanningSession session;
    ContainerPlans plans;
    if (report == QLatin1String("sheet") || report == QLatin1String("solution") ||
        report == QLatin1String("layout")) {
        plans = LoadingSheet::plans(storedPlan(session, dm, o.taskId), dm.tasks());
        if (plans.containers.empty())
            return failed(c, tr("Task %1 has no stored plan").arg(o.taskId));
        if (container > 0 && !hasContainer(plans, container))
            return failed(c, tr("The plan of task %1 has no container %2").arg(o.taskId).arg(container));
    }
    if (!writable(o.exports.pdf, c))
        return CliFailed;
    QPdfWriter writer(o.exports.pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setCreator(applicationTitle());
    int pages = -1;
    if (report == QLatin1String("sheet")) {
        applyPageSetup(writer, LoadingSheet::pageSetup());
        writer.setTitle(LoadingSheet::pageSetup().jobTitle);
        pages = LoadingSheet::print(plans, writer, container);
    } else {
        Report r;
        if (report == QLatin1String("task")) {
            r = Reports::task(dm.tasks(), dm.tc(), dm.tb(), taskLabels(dm, data.settings()));
        } else if (report == QLatin1String("solution")) {
            // The Solution Page's Print with the container selected (the first by default).
            if (!dm.solut().locate(QStringLiteral("ContNo"),
                                   container > 0 ? container : plans.containers.front().number))
                return failed(c, tr("The plan of task %1 has no container %2").arg(o.taskId).arg(container));
            r = Reports::solution(dm.tasks(), dm.solut(), dm.posit());
        } else if (report == QLatin1String("layout")) {
            r = Reports::image(dm.tasks(), layoutPicture(session.plan(), container, data.settings().view));
        } else if (report == QLatin1String("boxes")) {
            r = Reports::boxLibrary(dm.boxes());
        } else {
            r = Reports::containerLibrary(dm.conts());
        }
        applyPageSetup(writer, r.page);
        writer.setTitle(r.page.jobTitle);
        pages = printReport(r, writer);
    }
    if (pages <= 0)
        return failed(c, tr("%1 cannot be written").arg(o.exports.pdf));
    c.out << tr("%1: %2 pages").arg(o.exports.pdf).arg(pages) << Qt::endl;
    return CliOk;
}

int drawing(CliDataModule& data, const CliOptions& o, CliContext& c) {
    PlanningSession session;
    ContainerPlans plans = LoadingSheet::plans(storedPlan(session, data.dm(), o.taskId), data.dm().tasks());
    // The View Options the desktop keeps: the palette's turn and kind names instead of marks.
    const ViewSettings options = layoutSettings(data.settings().view);
    for (PlanContainer& planned : plans.containers)
        for (PlanKind& kind : planned.kinds) {
            kind.colour += options.PaletteShift;
            if (options.ShowKinds)
                kind.mark = kind.name;
        }
    const int container = o.exports.container.value_or(0);
    if (plans.containers.empty())
        return failed(c, tr("Task %1 has no stored plan").arg(o.taskId));
    if (container > 0 && !hasContainer(plans, container))
        return failed(c, tr("The plan of task %1 has no container %2").arg(o.taskId).arg(container));
    const int width = o.exports.width.value_or(1600);
    constexpr int dotsPerMetre = 3780; // 96 pixels per inch
    // The height follows from the width: measured on a small image of the same resolution.
    QImage probe(8, 8, QImage::Format_RGB32);
    probe.setDotsPerMeterX(dotsPerMetre);
    probe.setDotsPerMeterY(dotsPerMetre);
    QPainter measure(&probe);
    const int height = std::max(1, stackedPlansHeight(measure, plans, container, width));
    measure.end();
    const bool svg = !o.exports.svg.isEmpty();
    const QString file = svg ? o.exports.svg : o.exports.png;
    if (!writable(file, c))
        return CliFailed;
    bool ok = false;
    if (svg) {
        QSvgGenerator generator;
        generator.setFileName(file);
        generator.setSize(QSize(width, height));
        generator.setViewBox(QRect(0, 0, width, height));
        generator.setResolution(96);
        generator.setTitle(plans.taskName);
        generator.setDescription(tr("Loading plan of %1").arg(plans.taskName));
        QPainter painter;
        if (painter.begin(&generator)) {
            painter.fillRect(QRect(0, 0, width, height), Qt::white);
            drawStackedPlans(painter, plans, container, width);
            ok = painter.end();
        }
        ok = ok && QFileInfo(file).size() > 0;
    } else {
        QImage image(width, height, QImage::Format_RGB32);
        if (!image.isNull()) {
            image.setDotsPerMeterX(dotsPerMetre);
            image.setDotsPerMeterY(dotsPerMetre);
            image.fill(Qt::white);
            QPainter painter(&image);
            drawStackedPlans(painter, plans, container, width);
            painter.end();
            ok = image.save(file, "PNG");
        }
    }
    if (!ok)
        return failed(c, tr("%1 cannot be written").arg(file));
    c.out << tr("%1: %2 x %3").arg(file).arg(width).arg(height) << Qt::endl;
    return CliOk;
}

} // namespace

int exportFiles(const CliOptions& o, CliContext& c) {
    // Drawing needs the fonts of a GUI application; palvane-cli makes one on the offscreen
    // platform for export, so no display is needed.
    if (!o.exports.csv && !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return failed(c, tr("export needs a GUI application object to draw"));
    CliDataModule data(c);
    QString error;
    if (!data.open(o, error))
        return failed(c, error);
    const bool library =
        o.exports.report == QLatin1String("boxes") || o.exports.report == QLatin1String("containers");
    if (!library && !data.makeCurrent(o.taskId, error))
        return failed(c, error);
    if (o.exports.csv)
        return csv(data, o, c);
    if (!o.exports.pdf.isEmpty())
        return pdf(data, o, c);
    return drawing(data, o, c);
}

} // namespace palvane
