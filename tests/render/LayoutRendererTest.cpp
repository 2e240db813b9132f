// Layout drawing: palette, grid choice, box fills and labels, measuring grid, captions and the
// empty plan, drawn into images from hand-written plan views.

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "LayoutRenderer.h"
#include "PlanView.h"
#include "ViewSettings.h"

using namespace palvane;

namespace {

// A plan written by hand: containers of one type (length x width), numbered 1..conts.
struct HandPlan : PlanView {
    int typeLength = 0, typeWidth = 0;
};

std::unique_ptr<HandPlan> makePlan(int length, int width, int conts) {
    auto plan = std::make_unique<HandPlan>();
    plan->containerCount = conts;
    plan->typeLength = length;
    plan->typeWidth = width;
    return plan;
}

// Adds a kind and returns its number.
int addKind(HandPlan& plan, const char* mark, const char* name) {
    PlanKindView kind;
    kind.number = int(plan.kinds.size()) + 1;
    kind.mark = mark;
    kind.name = name;
    plan.kinds.push_back(kind);
    return kind.number;
}

// Places a new box of the kind in container i at (x, y) with extents l x w; returns its number.
int placeBox(HandPlan& plan, int kind, int i, int x, int y, int l, int w) {
    auto c = std::find_if(plan.containers.begin(), plan.containers.end(),
                          [i](const PlanContainerView& cont) { return cont.number >= i; });
    if (c == plan.containers.end() || c->number != i) {
        PlanContainerView cont;
        cont.number = i;
        cont.type = 1;
        cont.mark = "A";
        cont.length = plan.typeLength;
        cont.width = plan.typeWidth;
        c = plan.containers.insert(c, cont);
        ++plan.usedContainers;
    }
    PlanBoxView box;
    box.number = ++plan.boxCount;
    box.loadNo = int(c->boxes.size()) + 1;
    box.kind = kind;
    box.mark = plan.kinds[std::size_t(kind - 1)].mark;
    box.kindName = plan.kinds[std::size_t(kind - 1)].name;
    box.x = x;
    box.y = y;
    box.length = l;
    box.width = w;
    c->boxes.push_back(box);
    ++plan.placedBoxes;
    return box.number;
}

// The placed box of that number.
PlanBoxView& boxOf(HandPlan& plan, int number) {
    for (PlanContainerView& c : plan.containers)
        for (PlanBoxView& b : c.boxes)
            if (b.number == number)
                return b;
    static PlanBoxView none;
    return none;
}

QImage draw(const PlanView& plan, const ViewSettings& s, LayoutViewState& v, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter painter(&img);
    DrawLayout(painter, w, h, false, plan, s, v);
    painter.end();
    return img;
}

void save(const QImage& img, const QString& name) {
    QDir().mkpath(QStringLiteral(PALVANE_TEST_OUT));
    QVERIFY(img.save(QStringLiteral(PALVANE_TEST_OUT) + QLatin1Char('/') + name));
}

// Rows of the rectangle that hold at least one pixel of the colour.
// Text is antialiased: `tolerance` lets each channel differ by that much, so the check does not
// depend on the font that happens to be installed.
int rowsWithColor(const QImage& img, const QRect& area, QRgb color, int tolerance = 0) {
    auto near = [&](QRgb p) {
        return std::abs(qRed(p) - qRed(color)) <= tolerance &&
               std::abs(qGreen(p) - qGreen(color)) <= tolerance &&
               std::abs(qBlue(p) - qBlue(color)) <= tolerance;
    };
    int rows = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (near(img.pixel(x, y))) {
                ++rows;
                break;
            }
    return rows;
}

// Pixels of the colour in the image.
int countColor(const QImage& img, QRgb color) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF) ? 1 : 0;
    return n;
}

} // namespace

class LayoutRendererTest : public QObject {
    Q_OBJECT

private slots:
    void backColorAndPalette() {
        QCOMPARE(BackColor(0), 0);
        QCOMPARE(BackColor(1), 0x0F0F0F);
        QCOMPARE(BackColor(2), 0x1F1F1F);
        QCOMPARE(BackColor(16), 0xFFFFFF);

        auto ws = makePlan(1000, 1000, 1);
        ViewSettings s;
        BuildPalette(s);
        QCOMPARE(s.kindColor(1), 4 * 63 * 0x010101);
        QCOMPARE(s.kindColor(26), s.kindColor(1)); // the cycle repeats after 25
        QCOMPARE(s.kindColor(5), 4 * 63);          // entry 5: red only
        s.PaletteShift = 1;
        BuildPalette(s);
        QCOMPARE(s.kindColor(1), 4 * 63 * 0x100 + 4 * 63 * 0x10000); // entry 4
        s.PaletteShift = 0;
        s.Dimming = 32;
        BuildPalette(s);
        QCOMPARE(s.kindColor(5), 4 * 31);

        // Derived colours by the part and background colours.
        s = ViewSettings();
        s.PartColor = 0;
        BuildPalette(s);
        QCOMPARE(s.LightPartInk, 0);
        QCOMPARE(s.GridFineColor, 0xA0A0A0);
        QCOMPARE(s.CaptionColor, 0xEEEEEE);
        s.PartColor = 0xEFEFEF;
        s.BackgroundColor = 0xEFEFEF;
        BuildPalette(s);
        QCOMPARE(s.LightPartInk, 0x101010);
        QCOMPARE(s.GridCoarseColor, 0x909090);
        QCOMPARE(s.CaptionColor, 0x101010);
        s.PartColor = 0x3F3F3F;
        BuildPalette(s);
        QCOMPARE(s.LightPartInk, 0xEEEEEE);
        QCOMPARE(s.GridFineColor, 0x606060);
        // Printing: the line control below LineWidth blackens caption and light label ink.
        s.BackgroundColor = 0x1F1F1F;
        s.LineWidth = 2;
        BuildPalette(s, 1);
        QCOMPARE(s.CaptionColor, 0);
        QCOMPARE(s.LightPartInk, 0);
    }

    void gridChoosesLargestCommonScale() {
        // Three used containers on a wide image: one row of three.
        auto ws = makePlan(1000, 500, 3);
        const int k = addKind(*ws, "a", "alpha");
        for (int i = 1; i <= 3; ++i)
            placeBox(*ws, k, i, 0, 0, 500, 500);
        ViewSettings s;
        BuildPalette(s);
        LayoutViewState v;
        draw(*ws, s, v, 3000, 400);
        QCOMPARE(int(v.GridCols), 3);
        QCOMPARE(int(v.GridRows), 1);
        QCOMPARE(v.MaxDrawnWidth, 500.0f);
        // On a tall image one column wins.
        draw(*ws, s, v, 400, 3000);
        QCOMPARE(int(v.GridCols), 1);
        QCOMPARE(int(v.GridRows), 3);

        // Four square floors on 1000 x 600: two and three columns both need two rows and give
        // the same height-bound scale; the smaller column count is kept.
        auto sq = makePlan(100, 100, 4);
        const int q = addKind(*sq, "q", "q");
        for (int i = 1; i <= 4; ++i)
            placeBox(*sq, q, i, 0, 0, 50, 50);
        BuildPalette(s);
        draw(*sq, s, v, 1000, 600);
        QCOMPARE(int(v.GridCols), 2);
        QCOMPARE(int(v.GridRows), 2);
    }

    void boxesFilledAndLabelled() {
        auto ws = makePlan(2000, 1000, 2);
        const int k1 = addKind(*ws, "K", "kind one");
        const int k2 = addKind(*ws, "M", "kind two");
        const int b1 = placeBox(*ws, k1, 1, 0, 0, 1000, 1000);
        const int b2 = placeBox(*ws, k2, 1, 1000, 0, 1000, 500);
        ViewSettings s;
        s.PartColor = 0; // every box in its kind colour
        BuildPalette(s);
        LayoutViewState v;
        v.CurrentCont = 1;
        v.ShownBoxes = 2;
        const QImage img = draw(*ws, s, v, 800, 500);
        save(img, QStringLiteral("layout-one-container.png"));
        QCOMPARE(int(v.GridCols), 1);
        // Box 1 lies left of box 2's label and below it on screen (y grows downwards).
        QVERIFY(v.LabelX[b1] < v.LabelX[b2]);
        QVERIFY(v.LabelY[b1] < v.LabelY[b2]);
        QCOMPARE(int(v.LabelX[3]), 0);
        // A pixel between label and outline carries the kind colour.
        const QRgb inside1 = img.pixel(v.LabelX[b1], v.LabelY[b1] + 40);
        QCOMPARE(inside1 & 0xFFFFFF, colorOf(s.kindColor(k1)).rgb() & 0xFFFFFF);
        const QRgb inside2 = img.pixel(v.LabelX[b2] + 40, v.LabelY[b2]);
        QCOMPARE(inside2 & 0xFFFFFF, colorOf(s.kindColor(k2)).rgb() & 0xFFFFFF);
        // Labels are black on kind-coloured boxes.
        QVERIFY(rowsWithColor(img, QRect(v.LabelX[b1] - 10, v.LabelY[b1] - 10, 20, 20), qRgb(0, 0, 0), 80) >
                0);
        // The upper-left corner of the picture stays background.
        QCOMPARE(img.pixel(1, img.height() - 2) & 0xFFFFFF, colorOf(s.BackgroundColor).rgb() & 0xFFFFFF);

        // Only the first box of the loading order shown.
        v.ShownBoxes = 1;
        draw(*ws, s, v, 800, 500);
        QVERIFY(v.LabelX[b1] != 0);
        QCOMPARE(int(v.LabelX[b2]), 0);

        // A light part colour: boxes keep the part fill.
        s.PartColor = 0xEFEFEF;
        BuildPalette(s);
        v.ShownBoxes = 2;
        const QImage light = draw(*ws, s, v, 800, 500);
        QCOMPARE(light.pixel(v.LabelX[b1], v.LabelY[b1] + 40) & 0xFFFFFF, 0xEFEFEFu);
    }

    void emptyContainerFallsBackToAll() {
        auto ws = makePlan(1000, 1000, 3);
        const int k = addKind(*ws, "K", "k");
        placeBox(*ws, k, 1, 0, 0, 500, 500);
        placeBox(*ws, k, 3, 0, 0, 500, 500);
        ViewSettings s;
        BuildPalette(s);
        LayoutViewState v;
        v.CurrentCont = 2; // holds nothing
        draw(*ws, s, v, 600, 300);
        QCOMPARE(int(v.CurrentCont), 0);
        QCOMPARE(int(v.GridCols) * int(v.GridRows) >= 2, true);
        v.CurrentCont = 25; // beyond the task's containers
        draw(*ws, s, v, 600, 300);
        QCOMPARE(int(v.CurrentCont), 0);
    }

    void emptyPlanDrawsBackgroundAndSummary() {
        auto ws = makePlan(1000, 1000, 2);
        const int k = addKind(*ws, "K", "k");
        ws->boxCount = 3; // none placed
        QCOMPARE(ws->kinds.size(), std::size_t(k));
        ViewSettings s;
        BuildPalette(s);
        LayoutViewState v;
        const QImage img = draw(*ws, s, v, 400, 300);
        const QRgb bg = colorOf(s.BackgroundColor).rgb() & 0xFFFFFF;
        // The summary "Left boxes: 3" is written at the top; nothing else is drawn.
        QVERIFY(rowsWithColor(img, QRect(0, 0, 400, 30), colorOf(s.CaptionColor).rgb()) > 0);
        for (int y = 40; y < 300; y += 7)
            for (int x = 0; x < 400; x += 7)
                QCOMPARE(img.pixel(x, y) & 0xFFFFFF, bg);
    }

    void turnSignsAndStackedLabels() {
        auto ws = makePlan(3000, 3000, 1);
        const int k = addKind(*ws, "S", "Top!Down");
        const int square = placeBox(*ws, k, 1, 0, 0, 1000, 1000);
        const int narrow = placeBox(*ws, k, 1, 1000, 0, 900, 1000);
        const int wide = placeBox(*ws, k, 1, 0, 1000, 1000, 900);
        const int oblong = placeBox(*ws, k, 1, 1000, 1000, 800, 1000);
        ViewSettings s;
        s.ShowTurnSigns = true;
        QCOMPARE(BoxLabelText(boxOf(*ws, square), s), QStringLiteral("S"));
        QCOMPARE(BoxLabelText(boxOf(*ws, narrow), s), QStringLiteral("S|"));
        QCOMPARE(BoxLabelText(boxOf(*ws, wide), s), QStringLiteral("S_"));
        QCOMPARE(BoxLabelText(boxOf(*ws, oblong), s), QStringLiteral("S"));
        s.ShowTurnSigns = false;
        QCOMPARE(BoxLabelText(boxOf(*ws, narrow), s), QStringLiteral("S"));
        s.ShowKinds = true;
        QCOMPARE(BoxLabelText(boxOf(*ws, square), s), QStringLiteral("Top!Down"));

        // With kind labels the name is stacked in two lines: the label ink covers about twice
        // the rows of a one-line label.
        s.PartColor = 0;
        BuildPalette(s);
        LayoutViewState v;
        v.CurrentCont = 1;
        v.ShownBoxes = 4;
        const QImage stacked = draw(*ws, s, v, 900, 900);
        save(stacked, QStringLiteral("layout-stacked-labels.png"));
        const QRect area(v.LabelX[square] - 60, v.LabelY[square] - 60, 120, 120);
        const int twoLines = rowsWithColor(stacked, area, qRgb(0, 0, 0), 80);
        for (const int b : {square, narrow, wide, oblong})
            boxOf(*ws, b).kindName = "TopDown";
        const QImage flat = draw(*ws, s, v, 900, 900);
        const int oneLine = rowsWithColor(flat, area, qRgb(0, 0, 0), 80);
        QVERIFY2(twoLines > oneLine * 3 / 2,
                 qPrintable(QStringLiteral("%1 vs %2").arg(twoLines).arg(oneLine)));
    }

    void measuringGrid() {
        GridSteps g = MeasuringGrid(12000, 2400, 1);
        QCOMPARE(g.step, 1000LL);
        QCOMPARE(g.divisions, 1);
        QCOMPARE(g.label(1), QStringLiteral("1000"));
        QCOMPARE(g.label(12), QStringLiteral("12000"));
        g = MeasuringGrid(12000, 2400, -1);
        QCOMPARE(g.step, 2000LL);
        QCOMPARE(g.label(1), QStringLiteral("2000"));
        QCOMPARE(g.label(2), QStringLiteral("4000"));
        g = MeasuringGrid(12000, 2400, 4);
        QCOMPARE(g.step / g.divisions, 100LL);
        QCOMPARE(MeasuringGrid(12000, 2400, 3).divisions, 5);
        QCOMPARE(MeasuringGrid(12000, 2400, -2).divisions, 2);
        QCOMPARE(MeasuringGrid(20, 10, 1).step, 1LL);

        // The grid lines appear in the coarse colour on the drawn floor.
        auto ws = makePlan(12000, 2400, 1);
        const int k = addKind(*ws, "G", "g");
        placeBox(*ws, k, 1, 0, 0, 3000, 2400);
        ViewSettings s;
        s.GridLevel = 4;
        BuildPalette(s);
        LayoutViewState v;
        v.CurrentCont = 1;
        v.ShownBoxes = 1;
        const QImage img = draw(*ws, s, v, 1200, 400);
        save(img, QStringLiteral("layout-grid.png"));
        QVERIFY(rowsWithColor(img, QRect(0, 0, 1200, 400), colorOf(s.GridCoarseColor).rgb()) > 10);
        const int fine = countColor(img, colorOf(s.GridFineColor).rgb());
        QVERIFY(fine > 500);
        s.GridLevel = 0;
        const QImage plain = draw(*ws, s, v, 1200, 400);
        // Without a grid only stray text-smoothing pixels may share the fine colour.
        QVERIFY(countColor(plain, colorOf(s.GridFineColor).rgb()) < fine / 20);
    }

    void captionsText() {
        QCOMPARE(percentText(0.884f), QStringLiteral("88"));
        QCOMPARE(percentText(0.05f), QStringLiteral(" 5"));
        QCOMPARE(percentText(0.125f), QStringLiteral("12")); // halves to even
        QCOMPARE(roundEven(2.5), 2);
        QCOMPARE(roundEven(3.5), 4);
    }
};

QTEST_MAIN(LayoutRendererTest)
#include "LayoutRendererTest.moc"
