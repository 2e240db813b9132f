#include "UtilisationChart.h"

#include <algorithm>

#include <QCoreApplication>
#include <QPainter>

#include "LayoutCanvas.h"
#include "LayoutRenderer.h"
#include "ViewSettings.h"
#include "Workspace.h"

namespace palvane {

namespace {

constexpr std::int32_t kAreaInk = 0xFF0000;   // blue
constexpr std::int32_t kWeightInk = 0x0000FF; // red
constexpr std::int32_t kSpareArea = 0x505080;
constexpr std::int32_t kSpareWeight = 0x404040;
constexpr std::int32_t kTickPen = 0x808080;

} // namespace

void DrawChart(QPainter& painter, int width, int height, const PackWorkspace& ws, const ViewSettings& s) {
    LayoutCanvas c(painter, width, height);
    const PackPlan& p = ws.ResultPlan;
    c.clear(s.BackgroundColor, s.LineWidth);
    c.setLabelFont(7, false);
    const int H = height;
    const int a = c.textHeight(QStringLiteral("A"));
    const double weightScale = ws.MaxTypeLoadWt == 0 ? 0.0 : double(H - 5 * a) / ws.MaxTypeLoadWt;
    const double areaScale = ws.MaxTypeWolume == 0 ? 0.0 : double(H - 5 * a) / ws.MaxTypeWolume;
    const int n = std::max<int>(p.UsedConts, 3);
    const int cw = width / (3 * n);

    int k = 0;
    for (int i = 1; i <= ws.ContCount && i < kContSlots; ++i) {
        if (p.BoxLoad[i] < 1)
            continue;
        ++k;
        const int t = ws.ContType[i];
        c.setLabelFont(7, false);
        c.setInk(s.CaptionColor);
        const int x0 = cw * (3 * k - 2) - 1;
        const QString head =
            QString::number(i) + QStringLiteral(". ") + QString::fromUtf8(ws.TypeMark[t].c_str());
        const int th = c.textHeight(head);
        c.textOut(x0, 5, head);
        c.textOut(x0, th + 5,
                  QString::number(p.BoxLoad[i]) + QCoreApplication::translate("LayoutRenderer", " it."));

        const int areaLeft = cw * (3 * k - 2) - 3, areaRight = cw * (3 * k - 1) - 5;
        const int wgtLeft = cw * (3 * k - 1) - 3, wgtRight = cw * 3 * k - 5;
        const int areaTop = H - roundEven(ws.TypeWolume[t] * areaScale);
        const int wgtTop = H - roundEven(ws.TypeLoadWt[t] * weightScale);
        c.setInk(kAreaInk);
        c.rectangle(areaLeft, H, areaRight, areaTop);
        c.textOut(x0, 3 * th + 5, percentText(p.ContAreaEff[i]) + QStringLiteral(" %A"));
        c.setInk(kWeightInk);
        c.rectangle(wgtLeft, H, wgtRight, wgtTop);
        c.textOut(x0, 2 * th + 5, percentText(p.ContWgtEff[i]) + QStringLiteral(" %W"));

        c.setLabelFont(6, false);
        c.setInk(s.CaptionColor);
        c.setPenColor(kTickPen);
        float area = 0;
        std::int32_t weight = 0;
        for (int j = 1; j <= ws.BoxCount && j < kBoxSlots; ++j) {
            if (p.ContNo[j] != i)
                continue;
            const int kind = ws.BoxKind[j];
            area += ws.KindWolume[kind];
            weight += ws.KindWeight[kind];
            const int ya = H - roundEven(area * areaScale);
            const int yw = H - roundEven(weight * weightScale);
            c.line(areaLeft, ya, areaRight, ya);
            c.line(wgtLeft, yw, wgtRight, yw);
            const QString mark = QString::fromUtf8(ws.KindMark[kind].c_str());
            c.textOut(areaLeft - c.textWidth(mark) - 1, ya, mark);
        }
        const int areaDone = roundEven(area * areaScale);
        const int areaCap = roundEven(ws.TypeWolume[t] * areaScale);
        c.setPenColor(kSpareArea);
        c.setBrush(kSpareArea);
        if (areaDone + 1 < areaCap - 2)
            c.rectangle(cw * (3 * k - 2) - 1, H - areaDone - 1, cw * (3 * k - 1) - 7, H - areaCap + 2);
        const int wgtDone = roundEven(weight * weightScale);
        const int wgtCap = roundEven(ws.TypeLoadWt[t] * weightScale);
        c.setPenColor(kSpareWeight);
        c.setBrush(kSpareWeight);
        if (wgtDone + 1 < wgtCap - 2)
            c.rectangle(cw * (3 * k - 1) - 1, H - wgtDone - 1, cw * 3 * k - 7, H - wgtCap + 2);
        c.setHollowBrush();
    }
}

} // namespace palvane
