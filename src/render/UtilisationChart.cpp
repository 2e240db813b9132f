#include "UtilisationChart.h"

#include <algorithm>
#include <vector>

#include <QCoreApplication>
#include <QPainter>

#include "LayoutCanvas.h"
#include "LayoutRenderer.h"
#include "PlanView.h"
#include "ViewSettings.h"

namespace palvane {

namespace {

constexpr std::int32_t kAreaInk = 0xFF0000;   // blue
constexpr std::int32_t kWeightInk = 0x0000FF; // red
constexpr std::int32_t kSpareArea = 0x505080;
constexpr std::int32_t kSpareWeight = 0x404040;
constexpr std::int32_t kTickPen = 0x808080;

} // namespace

void DrawChart(QPainter& painter, int width, int height, const PlanView& plan, const ViewSettings& s) {
    LayoutCanvas c(painter, width, height);
    c.clear(s.BackgroundColor, s.LineWidth);
    c.setLabelFont(7, false);
    const int H = height;
    const int a = c.textHeight(QStringLiteral("A"));
    const double weightScale = plan.maxTypeLoadLimit == 0 ? 0.0 : double(H - 5 * a) / plan.maxTypeLoadLimit;
    const double areaScale = plan.maxTypeArea == 0 ? 0.0 : double(H - 5 * a) / plan.maxTypeArea;
    const int n = std::max<int>(plan.usedContainers, 3);
    const int cw = width / (3 * n);

    int k = 0;
    for (const PlanContainerView& cont : plan.containers) {
        ++k;
        c.setLabelFont(7, false);
        c.setInk(s.CaptionColor);
        const int x0 = cw * (3 * k - 2) - 1;
        const QString head =
            QString::number(cont.number) + QStringLiteral(". ") + QString::fromStdString(cont.mark);
        const int th = c.textHeight(head);
        c.textOut(x0, 5, head);
        c.textOut(x0, th + 5,
                  QString::number(cont.boxes.size()) + QCoreApplication::translate("LayoutRenderer", " it."));

        const int areaLeft = cw * (3 * k - 2) - 3, areaRight = cw * (3 * k - 1) - 5;
        const int wgtLeft = cw * (3 * k - 1) - 3, wgtRight = cw * 3 * k - 5;
        const int areaTop = H - roundEven(cont.area * areaScale);
        const int wgtTop = H - roundEven(cont.loadLimit * weightScale);
        c.setInk(kAreaInk);
        c.rectangle(areaLeft, H, areaRight, areaTop);
        c.textOut(x0, 3 * th + 5, percentText(cont.areaEff) + QStringLiteral(" %A"));
        c.setInk(kWeightInk);
        c.rectangle(wgtLeft, H, wgtRight, wgtTop);
        c.textOut(x0, 2 * th + 5, percentText(cont.weightEff) + QStringLiteral(" %W"));

        c.setLabelFont(6, false);
        c.setInk(s.CaptionColor);
        c.setPenColor(kTickPen);
        // The running totals go by box number.
        std::vector<const PlanBoxView*> boxes;
        for (const PlanBoxView& b : cont.boxes)
            boxes.push_back(&b);
        std::sort(boxes.begin(), boxes.end(),
                  [](const PlanBoxView* x, const PlanBoxView* y) { return x->number < y->number; });
        float area = 0;
        std::int32_t weight = 0;
        for (const PlanBoxView* box : boxes) {
            area += box->area;
            weight += box->weight;
            const int ya = H - roundEven(area * areaScale);
            const int yw = H - roundEven(weight * weightScale);
            c.line(areaLeft, ya, areaRight, ya);
            c.line(wgtLeft, yw, wgtRight, yw);
            const QString mark = QString::fromStdString(box->mark);
            c.textOut(areaLeft - c.textWidth(mark) - 1, ya, mark);
        }
        const int areaDone = roundEven(area * areaScale);
        const int areaCap = roundEven(cont.area * areaScale);
        c.setPenColor(kSpareArea);
        c.setBrush(kSpareArea);
        if (areaDone + 1 < areaCap - 2)
            c.rectangle(cw * (3 * k - 2) - 1, H - areaDone - 1, cw * (3 * k - 1) - 7, H - areaCap + 2);
        const int wgtDone = roundEven(weight * weightScale);
        const int wgtCap = roundEven(cont.loadLimit * weightScale);
        c.setPenColor(kSpareWeight);
        c.setBrush(kSpareWeight);
        if (wgtDone + 1 < wgtCap - 2)
            c.rectangle(cw * (3 * k - 1) - 1, H - wgtDone - 1, cw * 3 * k - 7, H - wgtCap + 2);
        c.setHollowBrush();
    }
}

} // namespace palvane
