// The print commands' common road: set-up dialog, disabled window, suspended cursors, print,
// restored rows.
#include "ReportPrinter.h"

#include "DMForm.h"
#include "DistrForm.h"
#include "LibraryForm.h"
#include "LoadingSheet.h"
#include "PlanningSession.h"
#include "SolutForm.h"
#include "SolutionCsv.h"
#include "Store.h"
#include "TasksForm.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace palvane {

namespace {

// Suspends the display updates of the walked cursors and remembers their rows; the rows and
// updates come back when it goes out of scope, whatever happened meanwhile.
class CursorsKept {
public:
    explicit CursorsKept(const std::vector<Cursor*>& cursors) : m_cursors(cursors) {
        for (Cursor* c : m_cursors) {
            c->disableControls();
            m_rows.push_back(c->currentRow());
        }
    }
    ~CursorsKept() {
        for (size_t i = 0; i < m_cursors.size(); ++i)
            if (m_rows[i] >= 0 && m_cursors[i]->currentRow() != m_rows[i])
                m_cursors[i]->moveTo(m_rows[i]);
        for (auto c = m_cursors.rbegin(); c != m_cursors.rend(); ++c)
            (*c)->enableControls();
    }
    CursorsKept(const CursorsKept&) = delete;
    CursorsKept& operator=(const CursorsKept&) = delete;

private:
    std::vector<Cursor*> m_cursors;
    std::vector<int> m_rows;
};

// Disables a window for the time of a print and enables it again afterwards.
class WindowDisabled {
public:
    explicit WindowDisabled(QWidget* w) : m_window(w) {
        if (m_window)
            m_window->setEnabled(false);
    }
    ~WindowDisabled() {
        if (m_window)
            m_window->setEnabled(true);
    }
    WindowDisabled(const WindowDisabled&) = delete;
    WindowDisabled& operator=(const WindowDisabled&) = delete;

private:
    QWidget* m_window;
};

bool systemPrinterFound() {
    // A printer set as the default, or else any printer the system offers.
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool pdfOutputPossible() {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    return pdf.outputFormat() == QPrinter::PdfFormat && pdf.isValid();
}

bool showPrintDialog(QPrinter& printer, QWidget* parent, const QString& suggestedFile) {
    return ReportPrinter::printDialog(printer, parent, suggestedFile)->exec() == QDialog::Accepted;
}

QString choosePdfFile(QWidget* parent, const QString& suggestedFile) {
    return QFileDialog::getSaveFileName(parent, ReportPrinter::tr("Print to PDF File"), suggestedFile,
                                        ReportPrinter::tr("PDF files (*.pdf)"));
}

// The reports that belong to the current task carry its name in their file name.
bool ofTheTask(ReportId id) {
    return id == ReportId::TTaskReport || id == ReportId::TSolutReport || id == ReportId::TImageReport ||
           id == ReportId::TLoadingSheet;
}

} // namespace

ReportPrinter::ReportPrinter(TDMForm& dm, Prompter* prompter, QObject* parent)
    : QObject(parent), printerFound(systemPrinterFound), pdfOutputFound(pdfOutputPossible),
      setupDialog(showPrintDialog), chooseFile(choosePdfFile), m_dm(dm), m_prompter(prompter) {}

ReportPrinter::~ReportPrinter() = default;

bool ReportPrinter::prepare() {
    m_printers.clear();
    for (ReportId id : AllReports) {
        const bool found = (printerFound && printerFound()) || (pdfOutputFound && pdfOutputFound());
        if (!found)
            return false;
        printer(id);
    }
    return true;
}

QString ReportPrinter::suggestedFile(ReportId id) const {
    QString stem = Reports::pageSetup(id).jobTitle;
    if (ofTheTask(id) && m_dm.tasks().isActive() && !m_dm.tasks().isEmpty()) {
        const QString task = m_dm.tasks().textValue(QStringLiteral("Name")).trimmed();
        if (!task.isEmpty())
            stem += QStringLiteral(" - ") + task;
    }
    const QDir folder(reportsFolder.isEmpty() ? QDir::currentPath() : reportsFolder);
    return folder.filePath(safeFileStem(stem) + QStringLiteral(".pdf"));
}

std::unique_ptr<QPrintDialog> ReportPrinter::printDialog(QPrinter& printer, QWidget* parent,
                                                         const QString& suggestedFile) {
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, true);
    // The dialog offers "Print to File (PDF)" beside the printers; its file name field starts
    // with the report's own name rather than a generic one.
    if (!suggestedFile.isEmpty())
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
            name->setText(QDir::toNativeSeparators(suggestedFile));
    return dialog;
}

bool ReportPrinter::setUp(ReportId id, QPrinter& p, QWidget* window) {
    const QString suggested = suggestedFile(id);
    QDir().mkpath(QFileInfo(suggested).absolutePath());
    if (printerFound && printerFound()) {
        p.setOutputFormat(QPrinter::NativeFormat);
        p.setOutputFileName(QString());
        return setupDialog && setupDialog(p, window, suggested);
    }
    // No printer at all: the report goes to a PDF file on A4, the paper it is designed for.
    QString file = chooseFile ? chooseFile(window, suggested) : QString();
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(file);
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPrintRange(QPrinter::AllPages);
    return true;
}

bool ReportPrinter::reportsRefused() {
    if (!ReportsUnavailable)
        return false;
    if (m_prompter)
        m_prompter->ask(PromptKind::Error,
                        tr("Default printer was not found on program start.") + QLatin1Char('\r') +
                            tr("Please turn on printer/server and restart program."),
                        PromptButtons::Ok);
    return true;
}

bool ReportPrinter::isPrepared(ReportId id) const {
    return m_printers.count(id) > 0;
}

QPrinter& ReportPrinter::printer(ReportId id) {
    std::unique_ptr<QPrinter>& p = m_printers[id];
    if (!p) {
        p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const ReportPageSetup setup = Reports::pageSetup(id);
        p->setDocName(setup.jobTitle);
        applyPageSetup(*p, setup);
    }
    return *p;
}

int ReportPrinter::run(ReportId id, QWidget* window, const std::vector<Cursor*>& cursors,
                       const std::function<Report()>& build) {
    return runPages(id, window, cursors, [this, &build](QPrinter& p, int from, int to) {
        m_last = build();
        return printReport(m_last, p, from, to);
    });
}

int ReportPrinter::runPages(ReportId id, QWidget* window, const std::vector<Cursor*>& cursors,
                            const std::function<int(QPrinter&, int, int)>& print) {
    QPrinter& p = printer(id);
    const ReportPageSetup setup = Reports::pageSetup(id);
    p.setDocName(setup.jobTitle);
    applyPageSetup(p, setup);
    if (!setUp(id, p, window))
        return 0;
    // The dialog may have changed the printer or the orientation: the margins stay the design's.
    ReportPageSetup chosen = setup;
    chosen.orientation = p.pageLayout().orientation();
    applyPageSetup(p, chosen);
    int pages = -1;
    {
        WindowDisabled disabled(window);
        CursorsKept kept(cursors);
        const bool range = p.printRange() == QPrinter::PageRange;
        pages = print(p, range ? p.fromPage() : 0, range ? p.toPage() : 0);
    }
    if (pages < 0 && m_prompter) {
        // The printer or the chosen file could not be opened: say so rather than end silently.
        const QString target = p.outputFileName().isEmpty() ? p.printerName() : p.outputFileName();
        m_prompter->ask(PromptKind::Error,
                        tr("The report could not be printed.") + QLatin1Char('\r') +
                            QDir::toNativeSeparators(target),
                        PromptButtons::Ok);
    }
    emit printed(id, pages);
    return pages;
}

int ReportPrinter::printContainerLibrary(QWidget* window) {
    Cursor& conts = m_dm.conts();
    return run(ReportId::TCntReport, window, {&conts}, [&conts] { return Reports::containerLibrary(conts); });
}

int ReportPrinter::printBoxLibrary(QWidget* window) {
    Cursor& boxes = m_dm.boxes();
    return run(ReportId::TBoxReport, window, {&boxes}, [&boxes] { return Reports::boxLibrary(boxes); });
}

int ReportPrinter::printTask(TTasksForm& page) {
    const TaskReportLabels labels = taskLabels();
    Cursor &tasks = m_dm.tasks(), &tc = m_dm.tc(), &tb = m_dm.tb();
    return run(ReportId::TTaskReport, &page, {&tc, &tb},
               [&tasks, &tc, &tb, labels] { return Reports::task(tasks, tc, tb, labels); });
}

int ReportPrinter::printSolution(QWidget* window) {
    Cursor &tasks = m_dm.tasks(), &solut = m_dm.solut(), &posit = m_dm.posit();
    return run(ReportId::TSolutReport, window, {&solut, &posit},
               [&tasks, &solut, &posit] { return Reports::solution(tasks, solut, posit); });
}

int ReportPrinter::printImage(QWidget* window, const std::function<void(QPainter&, int, int)>& draw) {
    Cursor& tasks = m_dm.tasks();
    return run(ReportId::TImageReport, window, {}, [&tasks, &draw] {
        QImage picture(kReportImageWidth, kReportImageHeight, QImage::Format_RGB888);
        constexpr int dotsPerMetre = 4724; // 120 pixels per inch
        picture.setDotsPerMeterX(dotsPerMetre);
        picture.setDotsPerMeterY(dotsPerMetre);
        picture.fill(Qt::white);
        if (draw) {
            QPainter painter(&picture);
            draw(painter, picture.width(), picture.height());
        }
        return Reports::image(tasks, picture);
    });
}

int ReportPrinter::printLoadingSheet(QWidget* window, int container) {
    ContainerPlans plans;
    PlanningSession ownSession;
    const PlanView* plan = nullptr;
    if (m_taskPage) {
        m_taskPage->UpdatePositTT();
        if (m_taskPage->session().taskId() == m_dm.currentTaskId())
            plan = &m_taskPage->plan();
    } else if (Store* store = m_dm.store()) {
        if (ownSession.rebuild(*store, m_dm.currentTaskId()).status == SolveStatus::Ok)
            plan = &ownSession.plan();
    }
    if (plan)
        plans = LoadingSheet::plans(*plan, m_dm.tasks());
    const bool some =
        std::any_of(plans.containers.begin(), plans.containers.end(),
                    [container](const auto& c) { return container == 0 || c.number == container; });
    if (!some) {
        if (m_prompter)
            m_prompter->ask(PromptKind::Information, tr("There is no stored plan to print."),
                            PromptButtons::Ok);
        return 0;
    }
    return runPages(ReportId::TLoadingSheet, window, {},
                    [this, &plans, container](QPrinter& p, int from, int to) {
                        m_last = Report{LoadingSheet::pageSetup(), {}};
                        return LoadingSheet::print(plans, p, container, from, to);
                    });
}

void ReportPrinter::connectWindows(TTasksForm* tasks, LibraryForm* containers, LibraryForm* boxes,
                                   TSolutForm* solution, TDistrForm* disposition) {
    const auto refused = [this] { return reportsRefused(); };
    if (tasks)
        tasks->reportsRefused = refused;
    for (LibraryForm* library : {containers, boxes})
        if (library)
            library->reportsRefused = refused;
    if (solution)
        solution->reportsRefused = refused;
    if (disposition)
        disposition->reportsRefused = refused;
    m_taskPage = tasks;
    if (tasks)
        connect(tasks, &TTasksForm::printRequested, this, [this, tasks] { printTask(*tasks); });
    if (containers)
        connect(containers, &LibraryForm::printRequested, this,
                [this, containers] { printContainerLibrary(containers); });
    if (boxes)
        connect(boxes, &LibraryForm::printRequested, this, [this, boxes] { printBoxLibrary(boxes); });
    if (solution) {
        connect(solution, &TSolutForm::printRequested, this, [this, solution] { printSolution(solution); });
        connect(solution, &TSolutForm::sheetRequested, this,
                [this, solution](int container) { printLoadingSheet(solution, container); });
    }
    if (disposition)
        connect(disposition, &TDistrForm::printRequested, this, [this, disposition] {
            printImage(disposition, [disposition](QPainter& p, int width, int height) {
                disposition->drawReportImage(p, width, height);
            });
        });
    if (disposition)
        connect(disposition, &TDistrForm::sheetRequested, this,
                [this, disposition](int container) { printLoadingSheet(disposition, container); });
}

TaskReportLabels ReportPrinter::taskLabels() const {
    const ActiveSettings settings = m_dm.activeSettings ? m_dm.activeSettings() : ActiveSettings{};
    return Reports::taskLabels(m_dm.tasks(), m_dm.contTotals(), m_dm.boxTotals(), m_dm.effTexts(),
                               m_dm.AreaMultiplier, settings.BB, settings.BW);
}

} // namespace palvane
