// Utilisation chart: bar heights against the task's largest capacities, running weight ticks
// past 16-bit totals, spare capacity fills, empty plans.

#include <memory>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "LayoutRenderer.h"
#include "PlanView.h"
#include "UtilisationChart.h"
#include "ViewSettings.h"

using namespace palvane;

namespace {

constexpr QRgb kBlue = 0x0000FF, kRed = 0xFF0000, kTick = 0x808080;

// A plan of `conts` containers of one type with the given capacities.
struct ChartPlan : PlanView {
    float typeArea = 0;
    std::int32_t typeWeight = 0;
};

std::unique_ptr<ChartPlan> chartPlan(int conts, float area, std::int32_t weight) {
    auto plan = std::make_unique<ChartPlan>();
    plan->containerCount = conts;
    plan->typeArea = area;
    plan->typeWeight = weight;
    plan->maxTypeArea = area;
    plan->maxTypeLoadLimit = weight;
    PlanKindView kind;
    kind.number = 1;
    kind.mark = "b";
    plan->kinds.push_back(kind);
    return plan;
}

// Loads `count` boxes of the given area and weight into container `cont` (not used before).
void addBoxes(ChartPlan& plan, int cont, int count, float area, std::int32_t weight) {
    PlanContainerView c;
    c.number = cont;
    c.type = 1;
    c.mark = "T";
    c.length = c.width = 1000;
    c.area = plan.typeArea;
    c.loadLimit = plan.typeWeight;
    for (int n = 0; n < count; ++n) {
        PlanBoxView b;
        b.number = ++plan.boxCount;
        b.loadNo = n + 1;
        b.kind = 1;
        b.mark = "b";
        b.area = area;
        b.weight = weight;
        c.boxes.push_back(b);
        ++plan.placedBoxes;
    }
    plan.containers.push_back(c);
    ++plan.usedContainers;
}

QImage chart(const PlanView& plan, const ViewSettings& s, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter painter(&img);
    DrawChart(painter, w, h, plan, s);
    painter.end();
    return img;
}

// Topmost row of the column x holding the colour, or -1.
int topmost(const QImage& img, int x, QRgb color) {
    for (int y = 0; y < img.height(); ++y)
        if ((img.pixel(x, y) & 0xFFFFFF) == color)
            return y;
    return -1;
}

} // namespace

class UtilisationChartTest : public QObject {
    Q_OBJECT

private slots:
    void barsTicksAndSpareCapacity() {
        // Four boxes of 20000 weight units: the running weight passes 32767.
        auto ws = chartPlan(2, 10.0f, 100000);
        addBoxes(*ws, 1, 4, 2.0f, 20000);
        ViewSettings s;
        BuildPalette(s);
        const int W = 900, H = 600;
        const QImage img = chart(*ws, s, W, H);
        QDir().mkpath(QStringLiteral(PALVANE_TEST_OUT));
        QVERIFY(img.save(QStringLiteral(PALVANE_TEST_OUT "/utilisation-chart.png")));

        const int cw = W / 9; // three columns per container, at least three containers
        const int areaMid = (cw * 1 - 3 + cw * 2 - 5) / 2;
        const int wgtMid = (cw * 2 - 3 + cw * 3 - 5) / 2;
        // Full capacity bars reach the same height: both capacities are the task's largest.
        const int areaTop = topmost(img, cw * 1 - 3, kBlue);
        const int wgtTop = topmost(img, cw * 2 - 3, kRed);
        QVERIFY(areaTop > 0);
        QCOMPARE(areaTop, wgtTop);
        const double full = H - areaTop;
        // Area ticks at 80 % of the bar (4 x 2 of 10); the weight ticks at 80 % too, which
        // a 16-bit running total would put far lower.
        const int areaTick = topmost(img, areaMid, kTick);
        const int wgtTick = topmost(img, wgtMid, kTick);
        QVERIFY(areaTick > 0 && wgtTick > 0);
        QVERIFY(qAbs((H - areaTick) - 0.8 * full) <= 2);
        QVERIFY(qAbs((H - wgtTick) - 0.8 * full) <= 2);
        // Spare capacity above the ticks is filled.
        QCOMPARE(img.pixel(areaMid, (areaTop + areaTick) / 2) & 0xFFFFFF, 0x805050u);
        QCOMPARE(img.pixel(wgtMid, (wgtTop + wgtTick) / 2) & 0xFFFFFF, 0x404040u);
        // The second container is empty and gets no bars.
        QCOMPARE(topmost(img, 4 * cw - 3, kBlue), -1);
    }

    void fullContainerHasNoSpareFill() {
        auto ws = chartPlan(1, 4.0f, 400);
        addBoxes(*ws, 1, 4, 1.0f, 100);
        ViewSettings s;
        BuildPalette(s);
        const QImage img = chart(*ws, s, 600, 400);
        const int cw = 600 / 9;
        for (int y = 0; y < 400; ++y) {
            QVERIFY((img.pixel(cw * 1 + 5, y) & 0xFFFFFF) != 0x805050u);
            QVERIFY((img.pixel(cw * 2 + 5, y) & 0xFFFFFF) != 0x404040u);
        }
    }

    void emptyPlanAndZeroCapacities() {
        auto ws = chartPlan(2, 0.0f, 0);
        ViewSettings s;
        BuildPalette(s);
        const QImage empty = chart(*ws, s, 300, 200);
        for (int y = 0; y < 200; y += 5)
            for (int x = 0; x < 300; x += 5)
                QCOMPARE(empty.pixel(x, y) & 0xFFFFFF, colorOf(s.BackgroundColor).rgb() & 0xFFFFFF);
        // Zero capacities give zero scales: flat bars, no division by zero.
        addBoxes(*ws, 1, 2, 1.0f, 10);
        const QImage flat = chart(*ws, s, 300, 200);
        QCOMPARE(topmost(flat, 300 / 9 - 3, kBlue), -1);
    }
};

QTEST_MAIN(UtilisationChartTest)
#include "UtilisationChartTest.moc"
