#pragma once
// One used container of a stored plan as the loading sheet and the exported drawings show it,
// and the drawing of its floor for the people who load it: every box in a light kind colour,
// labelled with its loading number and mark (a smaller font, then the number alone, then a
// leader to a label beside the floor when the box is too small), turned boxes marked with a
// corner triangle, the front (nose) end, the supports and the loading direction marked.
#include "PlanView.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace palvane {

// One placed box.
struct PlanBox {
    int loadNo = 0, boxNo = 0;
    int kind = 0; // index into the container's kinds
    int x = 0, y = 0, length = 0, width = 0;
    bool turned = false;
};

// A kind loaded into the container, with its count there.
struct PlanKind {
    QString name, mark;
    int length = 0, width = 0, weight = 0, count = 0;
    int colour = 0; // index of the kind in the task, for its colour
};

// One used container with its figures and boxes in loading order.
struct PlanContainer {
    int number = 0;
    QString type, mark;
    int length = 0, width = 0;
    int loadWeight = 0, loadLimit = 0;
    int noseLoad = 0, noseLimit = 0, noseDistance = 0;
    int tailLoad = 0, tailLimit = 0, tailDistance = 0;
    double areaPercent = 0;
    std::vector<PlanKind> kinds;
    std::vector<PlanBox> boxes;
};

// The used containers of a task's plan.
struct ContainerPlans {
    QString taskName;
    QString date; // ISO date of the solution, empty when unknown
    std::vector<PlanContainer> containers;
};

// The used containers (those holding boxes) of a plan view, boxes in loading order; the task's
// name and the ISO date of its solution head the sheet.
ContainerPlans containerPlans(const PlanView& plan, const QString& taskName, const QString& date);

// The Arial (sans-serif) font of the drawing and the loading sheet.
QFont planFont(double points, bool bold = false);

// The light print colour of a kind (by its index in the task).
QColor printKindColour(int index);

// How a box's label was fitted.
enum class LabelFit { NumberAndMark, NumberOnly, Leader };

// Where a label went, for checks.
struct PlacedLabel {
    int loadNo = 0;
    LabelFit fit = LabelFit::NumberAndMark;
    QString text;
    QRectF box;   // the box on the device
    QRectF label; // the label's text rectangle on the device
};

// Draws the container's floor into `area` (device pixels) at the largest scale that fits, with
// room around it for the front and rear marks and the leader labels. `pointScale` multiplies
// the label fonts (1 on paper). Returns the labels as placed.
std::vector<PlacedLabel> drawContainerPlan(QPainter& painter, const QRectF& area,
                                           const PlanContainer& container, double pointScale = 1.0);

// The drawings of the chosen containers (all when `container` is 0, else the one with that
// number) one below the other on a white page `width` pixels wide, each with a caption line;
// the device's resolution sizes the texts. The height they need, and the drawing itself.
int stackedPlansHeight(QPainter& painter, const ContainerPlans& plans, int container, int width);
void drawStackedPlans(QPainter& painter, const ContainerPlans& plans, int container, int width);

// Texts of the drawing and of the loading sheet.
class ContainerPlanTexts {
    Q_DECLARE_TR_FUNCTIONS(palvane::ContainerPlan)
};

} // namespace palvane
