#pragma once
// The loading sheet: for the people at the dock, one A4 landscape page per used container with
// its drawing (loading numbers and marks on the boxes, turned boxes, front and loading direction
// marked), the legend of the kinds on it, the container's figures against its limits and the
// boxes in loading order; a long box list goes on to further pages of the same container.
#include "ContainerPlan.h"
#include "ReportBands.h"

#include <QCoreApplication>

class QPagedPaintDevice;

namespace palvane {

class Cursor;

class LoadingSheet {
    Q_DECLARE_TR_FUNCTIONS(palvane::LoadingSheet)
public:
    // The used containers of a plan view, headed by the name and solution date of the task row
    // `task` is on.
    static ContainerPlans plans(const PlanView& plan, const Cursor& task);
    // Job title, orientation (landscape) and margins.
    static ReportPageSetup pageSetup();
    // Prints the sheet of every used container, or of the container numbered `container` only
    // (0: all), onto a device whose page set-up was applied; pages fromPage..toPage (1-based, 0
    // for the first or last). Returns the pages drawn, 0 when there is nothing to print and -1
    // when the device could not be painted on.
    static int print(const ContainerPlans& plans, QPagedPaintDevice& device, int container = 0,
                     int fromPage = 0, int toPage = 0);
    // Pages the sheet of one container takes (its box list may need more than one).
    static int pageCount(const PlanContainer& container);
};

} // namespace palvane
