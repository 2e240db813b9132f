#pragma once
// Prints the five reports for the windows' Print commands: prepares one printer per report at
// start-up (a default printer is needed), shows the printer set-up dialog, then prints with the
// window disabled and the walked cursors' display updates suspended, and puts the cursors back
// on the rows they were on, also when printing fails.
#include "Prompter.h"
#include "Reports.h"

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QPainter;
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

    // Prepares the reports in their start-up order; each needs a default printer. The first
    // that cannot be prepared stops the preparation: false.
    bool prepare();
    bool isPrepared(ReportId id) const;
    // Whether the system has a printer to print on; replaced by tests.
    std::function<bool()> printerFound;
    // The printer set-up dialog (copies, printer, orientation, page range): true to print,
    // false when the user cancelled. The program shows the modal print dialog; tests replace
    // it, for instance to choose a PDF file, so that nothing blocks.
    std::function<bool(QPrinter& printer, QWidget* parent)> setupDialog;
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

    // Connects the print requests of the windows given (any may be null).
    void connectWindows(TTasksForm* tasks, LibraryForm* containers, LibraryForm* boxes, TSolutForm* solution,
                        TDistrForm* disposition = nullptr);

    // The task report's labels as the Task Page shows its totals.
    static TaskReportLabels taskLabels(const TTasksForm& page, qint16 itemGap, qint16 wallGap);
    // The report printed last (its bands, for checks).
    const Report& lastReport() const { return m_last; }

signals:
    // A report was printed with this many pages (-1 on failure).
    void printed(palvane::ReportId id, int pages);

private:
    int run(ReportId id, QWidget* window, const std::vector<Cursor*>& cursors,
            const std::function<Report()>& build);

    TDMForm& m_dm;
    Prompter* m_prompter;
    std::map<ReportId, std::unique_ptr<QPrinter>> m_printers;
    Report m_last;
};

} // namespace palvane
