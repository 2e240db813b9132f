// Layout drawing: palette, grid choice, box fills and labels, measuring grid, captions and the
// empty plan, drawn into images from hand-filled workspaces.

#include <cstdlib>
#include <memory>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "LayoutRenderer.h"
#include "ViewSettings.h"
#include "Workspace.h"

using namespace palvane;

namespace {

// A workspace with one container type (length x width) and `conts` containers.
std::unique_ptr<PackWorkspace> makeWorkspace(int length, int width, int conts) {
    auto ws = std::make_unique<PackWorkspace>();
    ws->TypeCount = 1;
    ws->ContCount = std::int16_t(conts);
    ws->TypeLength[1] = std::int16_t(length);
    ws->TypeWidth[1] = std::int16_t(width);
    ws->TypeMark[1].set("A");
    for (int i = 1; i <= conts; ++i)
        ws->ContType[i] = 1;
    return ws;
}

// Adds a kind and returns its number.
int addKind(PackWorkspace& ws, const char* mark, const char* name) {
    const int k = ++ws.KindCount;
    ws.KindMark[k].set(mark);
    ws.KindName[k].set(name);
    return k;
}

// Places a new box of the kind in container i at (x, y) with extents l x w.
int placeBox(PackWorkspace& ws, int kind, int i, int x, int y, int l, int w) {
    PackPlan& p = ws.ResultPlan;
    const int j = ++ws.BoxCount;
    ws.BoxKind[j] = std::int16_t(kind);
    p.ContNo[j] = std::int16_t(i);
    p.LoadNo[j] = ++p.BoxLoad[i];
    if (p.BoxLoad[i] == 1)
        ++p.UsedConts;
    ++p.PlacedBoxes;
    p.PosX[j] = std::int16_t(x);
    p.PosY[j] = std::int16_t(y);
    p.PosLh[j] = std::int16_t(l);
    p.PosWh[j] = std::int16_t(w);
    return j;
}

QImage draw(const PackWorkspace& ws, const ViewSettings& s, LayoutViewState& v, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter painter(&img);
    DrawLayout(painter, w, h, false, ws, s, v);
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

        auto ws = makeWorkspace(1000, 1000, 1);
        ws->KindCount = 30;
        ViewSettings s;
        BuildPalette(*ws, s);
        QCOMPARE(ws->KindColor[1], 4 * 63 * 0x010101);
        QCOMPARE(ws->KindColor[26], ws->KindColor[1]); // the cycle repeats after 25
        QCOMPARE(ws->KindColor[5], 4 * 63);            // entry 5: red only
        s.PaletteShift = 1;
        BuildPalette(*ws, s);
        QCOMPARE(ws->KindColor[1], 4 * 63 * 0x100 + 4 * 63 * 0x10000); // entry 4
        s.PaletteShift = 0;
        s.Dimming = 32;
        BuildPalette(*ws, s);
        QCOMPARE(ws->KindColor[5], 4 * 31);

        // Derived colours by the part and background colours.
        s = ViewSettings();
        s.PartColor = 0;
        BuildPalette(*ws, s);
        QCOMPARE(s.LightPartInk, 0);
        QCOMPARE(s.GridFineColor, 0xA0A0A0);
        QCOMPARE(s.CaptionColor, 0xEEEEEE);
        s.PartColor = 0xEFEFEF;
        s.BackgroundColor = 0xEFEFEF;
        BuildPalette(*ws, s);
        QCOMPARE(s.LightPartInk, 0x101010);
        QCOMPARE(s.GridCoarseColor, 0x909090);
        QCOMPARE(s.CaptionColor, 0x101010);
        s.PartColor = 0x3F3F3F;
        BuildPalette(*ws, s);
        QCOMPARE(s.LightPartInk, 0xEEEEEE);
        QCOMPARE(s.GridFineColor, 0x606060);
        // Printing: the line control below LineWidth blackens caption and light label ink.
        s.BackgroundColor = 0x1F1F1F;
        s.LineWidth = 2;
        BuildPalette(*ws, s, 1);
        QCOMPARE(s.CaptionColor, 0);
        QCOMPARE(s.LightPartInk, 0);
    }

    void gridChoosesLargestCommonScale() {
        // Three used containers on a wide image: one row of three.
        auto ws = makeWorkspace(1000, 500, 3);
        const int k = addKind(*ws, "a", "alpha");
        for (int i = 1; i <= 3; ++i)
            placeBox(*ws, k, i, 0, 0, 500, 500);
        ViewSettings s;
        BuildPalette(*ws, s);
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
        auto sq = makeWorkspace(100, 100, 4);
        const int q = addKind(*sq, "q", "q");
        for (int i = 1; i <= 4; ++i)
            placeBox(*sq, q, i, 0, 0, 50, 50);
        BuildPalette(*sq, s);
        draw(*sq, s, v, 1000, 600);
        QCOMPARE(int(v.GridCols), 2);
        QCOMPARE(int(v.GridRows), 2);
    }

    void boxesFilledAndLabelled() {
        auto ws = makeWorkspace(2000, 1000, 2);
        const int k1 = addKind(*ws, "K", "kind one");
        const int k2 = addKind(*ws, "M", "kind two");
        const int b1 = placeBox(*ws, k1, 1, 0, 0, 1000, 1000);
        const int b2 = placeBox(*ws, k2, 1, 1000, 0, 1000, 500);
        ViewSettings s;
        s.PartColor = 0; // every box in its kind colour
        BuildPalette(*ws, s);
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
        QCOMPARE(inside1 & 0xFFFFFF, colorOf(ws->KindColor[k1]).rgb() & 0xFFFFFF);
        const QRgb inside2 = img.pixel(v.LabelX[b2] + 40, v.LabelY[b2]);
        QCOMPARE(inside2 & 0xFFFFFF, colorOf(ws->KindColor[k2]).rgb() & 0xFFFFFF);
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
        BuildPalette(*ws, s);
        v.ShownBoxes = 2;
        const QImage light = draw(*ws, s, v, 800, 500);
        QCOMPARE(light.pixel(v.LabelX[b1], v.LabelY[b1] + 40) & 0xFFFFFF, 0xEFEFEFu);
    }

    void emptyContainerFallsBackToAll() {
        auto ws = makeWorkspace(1000, 1000, 3);
        const int k = addKind(*ws, "K", "k");
        placeBox(*ws, k, 1, 0, 0, 500, 500);
        placeBox(*ws, k, 3, 0, 0, 500, 500);
        ViewSettings s;
        BuildPalette(*ws, s);
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
        auto ws = makeWorkspace(1000, 1000, 2);
        const int k = addKind(*ws, "K", "k");
        ws->BoxCount = 3;
        for (int j = 1; j <= 3; ++j)
            ws->BoxKind[j] = std::int16_t(k);
        ViewSettings s;
        BuildPalette(*ws, s);
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
        auto ws = makeWorkspace(3000, 3000, 1);
        const int k = addKind(*ws, "S", "Top!Down");
        const int square = placeBox(*ws, k, 1, 0, 0, 1000, 1000);
        const int narrow = placeBox(*ws, k, 1, 1000, 0, 900, 1000);
        const int wide = placeBox(*ws, k, 1, 0, 1000, 1000, 900);
        const int oblong = placeBox(*ws, k, 1, 1000, 1000, 800, 1000);
        ViewSettings s;
        s.ShowTurnSigns = true;
        QCOMPARE(BoxLabelText(*ws, s, square), QStringLiteral("S"));
        QCOMPARE(BoxLabelText(*ws, s, narrow), QStringLiteral("S|"));
        QCOMPARE(BoxLabelText(*ws, s, wide), QStringLiteral("S_"));
        QCOMPARE(BoxLabelText(*ws, s, oblong), QStringLiteral("S"));
        s.ShowTurnSigns = false;
        QCOMPARE(BoxLabelText(*ws, s, narrow), QStringLiteral("S"));
        s.ShowKinds = true;
        QCOMPARE(BoxLabelText(*ws, s, square), QStringLiteral("Top!Down"));

        // With kind labels the name is stacked in two lines: the label ink covers about twice
        // the rows of a one-line label.
        s.PartColor = 0;
        BuildPalette(*ws, s);
        LayoutViewState v;
        v.CurrentCont = 1;
        v.ShownBoxes = 4;
        const QImage stacked = draw(*ws, s, v, 900, 900);
        save(stacked, QStringLiteral("layout-stacked-labels.png"));
        const QRect area(v.LabelX[square] - 60, v.LabelY[square] - 60, 120, 120);
        const int twoLines = rowsWithColor(stacked, area, qRgb(0, 0, 0), 80);
        ws->KindName[k].set("TopDown");
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
        auto ws = makeWorkspace(12000, 2400, 1);
        const int k = addKind(*ws, "G", "g");
        placeBox(*ws, k, 1, 0, 0, 3000, 2400);
        ViewSettings s;
        s.GridLevel = 4;
        BuildPalette(*ws, s);
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
