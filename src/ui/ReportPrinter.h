#pragma once
// Prints the five reports for the windows' Print commands: prepares one printer per report at
// start-up, shows the printer set-up dialog (or, on a system without any printer, a file dialog
// for a PDF file), then prints with the window disabled and the walked cursors' display updates
// suspended, and puts the cursors back on the rows they were on, also when printing fails.
#include "Prompter.h"
#include "Reports.h"

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QPainter;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace palvane {

class Cursor;
class LibraryForm;
class TDMForm;
class TDistrForm;
class TSolutForm;
class TTasksForm;

class ReportPrinter : public QObject {
    Q_OBJECT
public:
    // A print that fails is reported through `prompter` (none when null).
    explicit ReportPrinter(TDMForm& dm, Prompter* prompter = nullptr, QObject* parent = nullptr);
    ~ReportPrinter() override;

    // Prepares the reports in their start-up order; each needs a printer or, without one, PDF
    // file output. The first that cannot be prepared stops the preparation: false.
    bool prepare();
    bool isPrepared(ReportId id) const;
    // Set at start-up when the reports could not be prepared (no printer and no PDF file output
    // either).
    bool ReportsUnavailable = false;
    // The check every Print command makes first: while the reports are unavailable it shows the
    // printer message and returns true (print nothing). The windows connected by connectWindows
    // ask it through their `reportsRefused`.
    bool reportsRefused();
    // Whether the system has a printer to print on (asked again at every print, so a printer
    // set up meanwhile is offered). The one place that looks for printers.
    std::function<bool()> printerFound;
    // Whether PDF file output can be prepared (the way out when there is no printer).
    std::function<bool()> pdfOutputFound;
    // The printer set-up dialog (copies, printer, orientation, page range, and "Print to File
    // (PDF)"): true to print, false when the user cancelled. `suggestedFile` is the PDF file the
    // dialog proposes. The program shows the modal print dialog; tests replace it so that
    // nothing blocks.
    std::function<bool(QPrinter& printer, QWidget* parent, const QString& suggestedFile)> setupDialog;
    // Without any printer: the file dialog that chooses the PDF file, starting at
    // `suggestedFile`; an empty result means cancelled. Tests replace it to pick the file.
    std::function<QString(QWidget* parent, const QString& suggestedFile)> chooseFile;
    // The folder the suggested PDF files go into (created when missing), normally the home
    // folder's "reports"; empty: the current folder.
    QString reportsFolder;
    // The PDF file suggested for a report: its job title, for the reports of a task also the
    // task's name, made usable as a file name, in `reportsFolder`.
    QString suggestedFile(ReportId id) const;
    // The print dialog the program shows, with the suggested file name for PDF output filled in.
    static std::unique_ptr<QPrintDialog> printDialog(QPrinter& printer, QWidget* parent,
                                                     const QString& suggestedFile);
    // The printer of a report (created on first use when it was not prepared).
    QPrinter& printer(ReportId id);

    // The print commands, after the window asked its question; each returns the pages
    // printed, 0 when the set-up dialog was cancelled and -1 when printing failed.
    int printContainerLibrary(QWidget* window);
    int printBoxLibrary(QWidget* window);
    int printTask(TTasksForm& page);
    int printSolution(QWidget* window);
    // The layout image: `draw` paints the current layout onto the report's picture of
    // kReportImageWidth x kReportImageHeight pixels after the set-up dialog was accepted.
    int printImage(QWidget* window, const std::function<void(QPainter&, int width, int height)>& draw);
    // The loading sheet of the current task's stored plan, as the Task Page's planning session
    // lays it out (a session of its own before the windows are connected): every used
    // container (container 0) or the one numbered `container`. Without a stored plan it says so
    // and prints nothing.
    int printLoadingSheet(QWidget* window, int container);

    // Connects the print requests of the windows given (any may be null).
    void connectWindows(TTasksForm* tasks, LibraryForm* containers, LibraryForm* boxes, TSolutForm* solution,
                        TDistrForm* disposition = nullptr);

    // The task report's labels: the data module's totals of the current task and the gaps of
    // the active settings.
    TaskReportLabels taskLabels() const;
    // The report printed last (its bands, for checks).
    const Report& lastReport() const { return m_last; }

signals:
    // A report was printed with this many pages (-1 on failure).
    void printed(palvane::ReportId id, int pages);

private:
    int run(ReportId id, QWidget* window, const std::vector<Cursor*>& cursors,
            const std::function<Report()>& build);
    // The common road of every print: `print` draws pages from..to (0: first or last) onto the
    // set-up printer and returns the pages drawn, -1 on failure.
    int runPages(ReportId id, QWidget* window, const std::vector<Cursor*>& cursors,
                 const std::function<int(QPrinter&, int from, int to)>& print);
    // Sets up the printer for a print: the print dialog, or without a printer the PDF file
    // chosen in the file dialog. False when cancelled.
    bool setUp(ReportId id, QPrinter& printer, QWidget* window);

    TDMForm& m_dm;
    Prompter* m_prompter;
    TTasksForm* m_taskPage = nullptr;
    std::map<ReportId, std::unique_ptr<QPrinter>> m_printers;
    Report m_last;
};

} // namespace palvane
