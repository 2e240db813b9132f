// The two composite reports: the task (containers, then boxes) and the solution (container
// list, then the box positions of the selected container).
#include "Cursor.h"
#include "Reports.h"

namespace palvane {

namespace {

constexpr auto L = BandText::Align::Left;
constexpr auto R = BandText::Align::Right;

} // namespace

TaskReportLabels Reports::taskLabels(const Cursor& tasks, const ContTotals& containers,
                                     const BoxTotals& boxes, const EffTexts& eff, qint32 areaMultiplier,
                                     qint16 itemGap, qint16 wallGap) {
    TaskReportLabels l;
    const QString percent = QStringLiteral(" %");
    l.EffWgtLbl = eff.EffWgt + percent;
    l.EffVolLbl = eff.EffVol + percent;
    l.CostPckLbl = eff.CostPck;
    l.VolMultLbl = QString::number(areaMultiplier);
    l.GapsLbl = QString::number(itemGap) + QStringLiteral(" / ") + QString::number(wallGap);
    if (tasks.value(QStringLiteral("DefltOn")).toBool())
        l.TurnLbl = tasks.value(QStringLiteral("TurnOn")).toBool() ? tr("Yes") : tr("No");
    else
        l.TurnLbl = tr("Box Library");
    l.AvlNmbLbl = tr("Number  ") + containers.AvlNmb;
    l.AvlWgtLbl = tr("LoadWgt  ") + containers.AvlWgt;
    l.AvlVolLbl = tr("Area   ") + containers.AvlVol;
    l.UsdNmbLbl = containers.UsdNmb;
    l.UsdWgtLbl = containers.UsdWgt;
    l.UsdVolLbl = containers.UsdVol;
    l.TotNmbLbl = tr("Number  ") + boxes.TotNmb;
    l.TotWgtLbl = tr("Weight  ") + boxes.TotWgt;
    l.TotVolLbl = tr("Area   ") + boxes.TotVol;
    l.LftNmbLbl = boxes.LftNmb;
    l.LftWgtLbl = boxes.LftWgt;
    l.LftVolLbl = boxes.LftVol;
    return l;
}

ReportPart Reports::containersOfTask(const Cursor& tasks, const Cursor& tc, const TaskReportLabels& labels) {
    const std::vector<ReportColumn> columns{
        {tr("Container Type"), L, 13.5, QStringLiteral("Type"), L, 1.7},
        {tr("Cost"), R, 75.6, QStringLiteral("Cost"), R, 75.6},
        {tr("Avail"), R, 85.5, QStringLiteral("Avail"), R, 85.5},
        {tr("Used"), R, 96.1, QStringLiteral("Used"), R, 96.1},
        {tr("Mark"), R, 107.7, QStringLiteral("Mark"), R, 107.7},
        {tr("Length"), R, 127.0, QStringLiteral("Length"), R, 127.0},
        {tr("Width"), R, 142.6, QStringLiteral("Width"), R, 142.6},
        {tr("Area"), R, 162.5, QStringLiteral("Volume"), R, 163.6},
        {tr("LoadWgt"), R, 183.3, QStringLiteral("LoadWt"), R, 183.3},
    };
    ReportPart part = table(tc, columns, TableGeometry{13.5, 5.1, 6.8, 1.7, BandFrame::Table});
    part.name = QStringLiteral("TTaskReport");

    const int row = tasks.currentRow();
    Band t;
    t.height = 42.8;
    t.add(tr("Task Name: "), 3.4, 3.4, L, 10, true);
    t.add(fieldText(tasks, row, QStringLiteral("Name")), 25.4, 2.3, L, 12, true);
    t.add(tr("Date:"), 108.2, 3.4);
    t.add(fieldText(tasks, row, QStringLiteral("Date")), 118.3, 3.4, L, 10, true);
    t.add(tr("Description: "), 3.4, 11.9);
    t.add(fieldText(tasks, row, QStringLiteral("Descr")), 25.4, 11.9, L, 10, true);
    t.add(tr("Common Turn Rules =  "), 3.4, 20.3);
    t.add(fieldText(tasks, row, QStringLiteral("DefltOn")), 40.6, 20.3, L, 10, true);
    t.add(tr(":   TurnOn:  "), 49.1, 20.3);
    t.add(labels.TurnLbl, 69.0, 20.3, L, 10, true);
    t.right(tr("Totals:  Area Util:"), 167.9, 3.4).right(labels.EffVolLbl, 185.0, 3.4, true);
    t.right(tr("Weight Util:"), 168.1, 8.5).right(labels.EffWgtLbl, 185.2, 8.5, true);
    t.right(tr("Net Cost:"), 155.4, 13.5).right(labels.CostPckLbl, 185.2, 13.5, true);
    t.right(tr("Gaps (Item-Item / Item-Edge):"), 155.4, 18.6).right(labels.GapsLbl, 185.2, 18.6, true);
    t.right(tr("Area Mult:"), 155.2, 23.7).right(labels.VolMultLbl, 185.2, 23.7, true);
    t.left(tr("Sheets  /  2D Containers to Load: "), 3.4, 30.5, true);
    t.right(tr("SUMMARY - Available:"), 100.5, 30.5);
    t.right(tr("Used:"), 100.5, 35.6);
    t.right(labels.AvlNmbLbl, 124.5, 30.5)
        .right(labels.AvlVolLbl, 154.8, 30.5)
        .right(labels.AvlWgtLbl, 184.8, 30.5);
    t.right(labels.UsdNmbLbl, 124.7, 35.6)
        .right(labels.UsdVolLbl, 154.8, 35.6)
        .right(labels.UsdWgtLbl, 184.8, 35.6);
    part.title = t;
    return part;
}

ReportPart Reports::boxesOfTask(const Cursor& tb, const TaskReportLabels& labels) {
    const std::vector<ReportColumn> columns{
        {tr("Box Kind"), L, 13.5, QStringLiteral("Kind"), L, 1.7},
        {tr("Cost"), R, 66.5, QStringLiteral("Cost"), R, 66.5},
        {tr("Total"), R, 77.0, QStringLiteral("Total"), R, 77.0},
        {tr("Used"), R, 87.0, QStringLiteral("Placed"), R, 87.2},
        {tr("Mark"), R, 97.5, QStringLiteral("Mark"), R, 97.5},
        {tr("Length"), R, 115.2, QStringLiteral("Length"), R, 115.2},
        {tr("Width"), R, 130.8, QStringLiteral("Width"), R, 130.8},
        {tr("Area"), R, 152.4, QStringLiteral("Volume"), R, 151.7},
        {tr("Weight"), R, 170.0, QStringLiteral("Weight"), R, 171.6},
        {tr("TurnOn"), R, 184.1, QStringLiteral("TurnOn"), R, 184.1},
    };
    ReportPart part = table(tb, columns, TableGeometry{11.9, 3.6, 6.3, 1.9, BandFrame::Table});
    part.name = QStringLiteral("TaskBoxRep");
    Band t;
    t.height = 17.4;
    t.left(tr("Parts  /  2D Boxes to Pack: "), 3.4, 5.1, true);
    t.right(tr("SUMMARY  - Total:"), 100.6, 5.1).right(tr("Left:"), 100.6, 10.2);
    t.right(labels.TotNmbLbl, 125.1, 5.1)
        .right(labels.TotVolLbl, 156.4, 5.1)
        .right(labels.TotWgtLbl, 185.2, 5.1);
    t.right(labels.LftNmbLbl, 124.9, 10.2)
        .right(labels.LftVolLbl, 156.4, 10.2)
        .right(labels.LftWgtLbl, 185.2, 10.2);
    part.title = t;
    part.summary = footerBand();
    return part;
}

std::vector<ReportPart> Reports::TaskCompoRepAddReports(const Cursor& tasks, const Cursor& tc,
                                                        const Cursor& tb, const TaskReportLabels& labels) {
    std::vector<ReportPart> parts;
    parts.push_back(containersOfTask(tasks, tc, labels));
    parts.push_back(boxesOfTask(tb, labels));
    return parts;
}

Report Reports::task(const Cursor& tasks, const Cursor& tc, const Cursor& tb,
                     const TaskReportLabels& labels) {
    return Report{pageSetup(ReportId::TTaskReport), TaskCompoRepAddReports(tasks, tc, tb, labels)};
}

ReportPart Reports::solutionContainers(const Cursor& tasks, const Cursor& solut) {
    const std::vector<ReportColumn> columns{
        {tr("Container Type"), L, 6.8, QStringLiteral("Type"), L, 1.7},
        {tr("Cont No"), R, 60.3, QStringLiteral("ContNo"), R, 59.0},
        {tr("Box Sum"), R, 76.7, QStringLiteral("BoxLoad"), R, 72.8},
        {tr("Weight"), R, 92.5, QStringLiteral("WgtLoad"), R, 92.1},
        {tr("Util,%"), R, 106.0, QStringLiteral("WgtEff"), R, 105.2},
        {tr("Area"), R, 123.4, QStringLiteral("VolLoad"), R, 124.0},
        {tr("Util,%"), R, 136.7, QStringLiteral("VolEff"), R, 136.5},
        {tr("Cost"), R, 152.0, QStringLiteral("CostLoad"), R, 153.0},
        {tr("NoseWgt  TailWgt"), R, 183.6, QStringLiteral("NoseLoad"), R, 169.6},
        {QString(), L, 0, QStringLiteral("TailLoad"), R, 183.7},
    };
    ReportPart part = table(solut, columns, TableGeometry{8.0, 3.4, 8.0, 1.7, BandFrame::Table});
    part.name = QStringLiteral("TSolutReport");
    const int row = tasks.currentRow();
    Band t;
    t.height = 19.1;
    t.left(tr("Solution for a task: "), 3.4, 3.4, true);
    t.add(fieldText(tasks, row, QStringLiteral("Name")), 37.3, 2.3, L, 12, true);
    t.left(tr("Date:"), 149.6, 3.4);
    t.left(fieldText(tasks, row, QStringLiteral("Date")), 161.5, 3.4, true);
    t.left(tr("Sheet  /  Container Total Load Data: "), 3.4, 11.9, true);
    part.title = t;
    return part;
}

ReportPart Reports::solutionPositions(const Cursor& solut, const Cursor& posit) {
    const std::vector<ReportColumn> columns{
        {tr("Box Kind"), L, 6.8, QStringLiteral("Kind"), L, 1.7},
        {tr("Box No"), R, 73.9, QStringLiteral("BoxNo"), R, 74.5},
        {tr("Pos X"), R, 94.2, QStringLiteral("PosX"), R, 94.9},
        {tr("Pos Y"), R, 114.5, QStringLiteral("PosY"), R, 115.2},
        {tr("Put L"), R, 134.7, QStringLiteral("PosLh"), R, 134.4},
        {tr("Put W"), R, 154.7, QStringLiteral("PosWh"), R, 154.1},
        {tr("Load No"), R, 171.6, QStringLiteral("LoadNo"), R, 170.6},
        {tr("Mark"), R, 183.7, QStringLiteral("Mark"), R, 183.7},
    };
    ReportPart part = table(posit, columns, TableGeometry{8.0, 3.4, 5.5, 1.7, BandFrame::Sides});
    part.name = QStringLiteral("SolutPosRep");
    // The positions follow the selected container; its number is the one posit is filtered by.
    const int row = solut.currentRow();
    const QString contNo = posit.rowCount() > 0 ? fieldText(posit, 0, QStringLiteral("ContNo"))
                                                : fieldText(solut, row, QStringLiteral("ContNo"));
    Band t;
    t.height = 14.0;
    t.left(tr("Part  /  Box Space Positions for Cont No: "), 3.4, 6.8, true);
    t.left(contNo, 74.5, 6.8, true);
    t.left(fieldText(solut, row, QStringLiteral("Type")), 86.4, 6.8, true);
    part.title = t;
    part.summary = footerBand();
    return part;
}

std::vector<ReportPart> Reports::SolutCompoRepAddReports(const Cursor& tasks, const Cursor& solut,
                                                         const Cursor& posit) {
    std::vector<ReportPart> parts;
    const int row = solut.currentRow();
    if (row >= 0 && solut.valueAt(row, QStringLiteral("ContNo")).toInt() == 1)
        parts.push_back(solutionContainers(tasks, solut));
    parts.push_back(solutionPositions(solut, posit));
    return parts;
}

Report Reports::solution(const Cursor& tasks, const Cursor& solut, const Cursor& posit) {
    return Report{pageSetup(ReportId::TSolutReport), SolutCompoRepAddReports(tasks, solut, posit)};
}

} // namespace palvane
