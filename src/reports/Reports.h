#pragma once
// The five printed reports built from the data module's cursors: the container library, the box
// library, the task (its containers and boxes with totals), the solution (its containers and the
// box positions of the selected container) and the layout image. Each builder reads the rows as
// the cursors hold them and returns the bands of one print job; the cursors are not moved.
#include "ReportBands.h"
#include "TaskTotals.h"

#include <QCoreApplication>

namespace palvane {

class Cursor;

// The reports; AllReports lists those the program prepares at start-up, in that order (the
// loading sheet gets its printer when it is first printed).
enum class ReportId { TBoxReport, TCntReport, TTaskReport, TSolutReport, TImageReport, TLoadingSheet };
inline constexpr ReportId AllReports[] = {ReportId::TBoxReport, ReportId::TCntReport, ReportId::TTaskReport,
                                          ReportId::TSolutReport, ReportId::TImageReport};

// The computed labels of the task report: the current task's totals as the Task Page shows them.
struct TaskReportLabels {
    QString EffVolLbl, EffWgtLbl, CostPckLbl, GapsLbl, VolMultLbl, TurnLbl;
    QString AvlNmbLbl, AvlVolLbl, AvlWgtLbl, UsdNmbLbl, UsdVolLbl, UsdWgtLbl;
    QString TotNmbLbl, TotVolLbl, TotWgtLbl, LftNmbLbl, LftVolLbl, LftWgtLbl;
};

// Pixel size of the layout image (251.0 x 161.1 mm at 120 pixels per inch).
inline constexpr int kReportImageWidth = 1186;
inline constexpr int kReportImageHeight = 761;

// One column of a table report: its title in the column header band and its field in the detail
// band (either may be empty); x is the left or the right edge as the alignment says.
struct ReportColumn {
    QString title;
    BandText::Align titleAlign = BandText::Align::Left;
    double titleX = 0;
    QString field;
    BandText::Align fieldAlign = BandText::Align::Left;
    double fieldX = 0;
};

// The geometry of a table's header and detail bands (millimetres).
struct TableGeometry {
    double headerHeight = 8.0, titleTop = 1.7, detailHeight = 6.8, fieldTop = 1.7;
    BandFrame detailFrame = BandFrame::Table;
};

class Reports {
    Q_DECLARE_TR_FUNCTIONS(Reports)
public:
    // The print job title and paper set-up of a report.
    static ReportPageSetup pageSetup(ReportId id);
    // The footer label `QRLabAppl`: "*** 2D Palvane 1.95 ***".
    static QString footerText();
    // A field of a row as the report prints it: the data module's text, floats without a
    // display format at single precision.
    static QString fieldText(const Cursor& cursor, int row, const QString& column);

    // All rows of `conts`.
    static Report containerLibrary(const Cursor& conts);
    // All rows of `boxes`; long descriptions wrap and make their row taller.
    static Report boxLibrary(const Cursor& boxes);
    // The current task (`tasks`) with its containers (`tc`) and box kinds (`tb`).
    static Report task(const Cursor& tasks, const Cursor& tc, const Cursor& tb,
                       const TaskReportLabels& labels);
    // The stored solution of the current task: the container list (only when the selected
    // `solut` row is container 1) and the box positions (`posit`) of the selected container.
    static Report solution(const Cursor& tasks, const Cursor& solut, const Cursor& posit);
    // The layout image of the current task, stretched to 251.0 x 161.1 mm.
    static Report image(const Cursor& tasks, const QImage& picture);

    // The task report's labels from the data module's totals of the current task: its turn rule
    // from the current row of `tasks`, the area multiplier in use and the gaps of the settings
    // in use (item to item, item to edge).
    static TaskReportLabels taskLabels(const Cursor& tasks, const ContTotals& containers,
                                       const BoxTotals& boxes, const EffTexts& eff, qint32 areaMultiplier,
                                       qint16 itemGap, qint16 wallGap);

    // The parts of the composite task report: containers, then boxes.
    static std::vector<ReportPart> TaskCompoRepAddReports(const Cursor& tasks, const Cursor& tc,
                                                          const Cursor& tb, const TaskReportLabels& labels);
    // The parts of the composite solution report for the selected `solut` row.
    static std::vector<ReportPart> SolutCompoRepAddReports(const Cursor& tasks, const Cursor& solut,
                                                           const Cursor& posit);

    // A part with the column header of `columns` and one detail band per row of `cursor`.
    static ReportPart table(const Cursor& cursor, const std::vector<ReportColumn>& columns,
                            const TableGeometry& geometry);
    // A summary band of 8.5 mm holding the footer label.
    static Band footerBand();

private:
    static ReportPart containersOfTask(const Cursor& tasks, const Cursor& tc, const TaskReportLabels& labels);
    static ReportPart boxesOfTask(const Cursor& tb, const TaskReportLabels& labels);
    static ReportPart solutionContainers(const Cursor& tasks, const Cursor& solut);
    static ReportPart solutionPositions(const Cursor& solut, const Cursor& posit);
};

} // namespace palvane
