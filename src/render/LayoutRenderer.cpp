#include "LayoutRenderer.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QPainter>

#include "LayoutCanvas.h"

namespace palvane {

int roundEven(double value) {
    return int(std::nearbyint(value));
}

QString percentText(float fraction) {
    return QStringLiteral("%1").arg(roundEven(100.0 * double(fraction)), 2);
}

GridSteps MeasuringGrid(int L, int W, int level) {
    GridSteps g;
    long long a = L, b = W;
    while (a > 25 || b > 16) {
        a = roundEven(double(a) / 10);
        b = roundEven(double(b) / 10);
        ++g.decade;
    }
    long long step0 = 1;
    for (int k = 0; k < g.decade; ++k)
        step0 *= 10;
    g.factor = level > 0 ? 1 : 2;
    g.step = g.factor * step0;
    static const int divisions[] = {1, 1, 2, 5, 10};
    g.divisions = divisions[std::min(std::abs(level), 4)];
    return g;
}

QString GridSteps::label(long long k) const {
    return QString::number(k * factor) + QString(decade, QLatin1Char('0'));
}

QString BoxLabelText(const PlanBoxView& box, const ViewSettings& settings) {
    QString text = QString::fromStdString(settings.ShowKinds ? box.kindName : box.mark);
    if (settings.ShowTurnSigns) {
        const double lh = box.length, wh = box.width;
        if (lh < wh && lh > 0.83 * wh)
            text += QLatin1Char('|');
        if (wh < lh && wh > 0.83 * lh)
            text += QLatin1Char('_');
    }
    return text;
}

namespace {

// The translation context of this file's texts.
class LayoutTexts {
    Q_DECLARE_TR_FUNCTIONS(LayoutRenderer)
};

// One container's placement on the canvas: cell centre, scale and floor size.
struct FloorTransform {
    int cx = 0, cy = 0;
    double scale = 0, L = 0, W = 0, shiftX = 0, shiftY = 0;
    int px(double x) const { return cx - roundEven((L / 2 - x) * scale + shiftX); }
    int py(double y) const { return cy + roundEven((W / 2 - y) * scale + shiftY); }
    double pxReal(double x) const { return cx - ((L / 2 - x) * scale + shiftX); }
    double pyReal(double y) const { return cy + ((W / 2 - y) * scale + shiftY); }
};

// Several lines separated by "!", each centred on x0, the block centred on y0.
void DrawStackedLabel(LayoutCanvas& c, int x0, int y0, QString text) {
    const int n = int(text.count(QLatin1Char('!'))) + 1;
    const int th = c.textHeight(QStringLiteral("0"));
    const int h = th - 2;
    int y = y0 - roundEven(h * (n + 0.4) / 2);
    int cut = text.indexOf(QLatin1Char('!'));
    while (cut >= 0) {
        const QString part = text.left(cut);
        c.textOut(x0 - c.textWidth(part) / 2, y, part);
        y += th - 2;
        text = text.mid(cut + 1).trimmed();
        cut = text.indexOf(QLatin1Char('!'));
    }
    c.textOut(x0 - c.textWidth(text) / 2, y, text);
}

class LayoutDrawing {
public:
    LayoutDrawing(LayoutCanvas& c, const PlanView& plan, const ViewSettings& s, LayoutViewState& v)
        : c_(c), plan_(plan), s_(s), v_(v) {}

    void run();

private:
    void drawBox(int j, double x, double y, double l, double w, std::int32_t ink, double gap,
                 const QString& label);
    void drawGrid();
    void chooseGrid();
    void drawContainer(const PlanContainerView& cont, int seq);
    void drawSummary();

    LayoutCanvas& c_;
    const PlanView& plan_;
    const ViewSettings& s_;
    LayoutViewState& v_;
    FloorTransform f_;
    double commonScale_ = 0;
};

void LayoutDrawing::drawBox(int j, double x, double y, double l, double w, std::int32_t ink, double gap,
                            const QString& label) {
    const double g = gap * v_.MaxDrawnWidth / 300;
    const double gx = std::min(g, 0.25 * l), gy = std::min(g, 0.25 * w);
    c_.setInk(ink);
    if (j == 0)
        c_.setBrush(s_.BackgroundColor);
    else
        c_.setBrush(s_.PartColor != 0 ? s_.PartColor : ink);
    c_.rectangle(f_.px(x + gx), f_.py(y + gy), f_.px(x + l - gx) + 1, f_.py(y + w - gy) - 1);
    c_.setHollowBrush();
    if (j == 0)
        return;
    std::int32_t labelInk = s_.PartColor > 0xD0D0D0 ? s_.LightPartInk : ink;
    if (s_.PartColor == 0)
        labelInk = 0;
    c_.setInk(labelInk);
    const int lx = roundEven(f_.pxReal(x + l / 2)), ly = roundEven(f_.pyReal(y + w / 2));
    v_.LabelX[j] = std::int16_t(lx);
    v_.LabelY[j] = std::int16_t(ly);
    const QString text = label.trimmed();
    if (text.contains(QLatin1Char('!')) && s_.ShowKinds)
        DrawStackedLabel(c_, lx, ly, text);
    else
        c_.textOut(lx - c_.textWidth(text) / 2, ly - c_.textHeight(text) / 2, text);
}

void LayoutDrawing::drawGrid() {
    c_.setPenWidth(0);
    const int L = int(f_.L), W = int(f_.W);
    const GridSteps g = MeasuringGrid(L, W, s_.GridLevel);
    const long long step = g.step;
    const int d = g.divisions;
    auto label = [&](long long k) { return g.label(k); };

    // Lines across the length: minor, then major with their labels.
    if (d > 1) {
        c_.setInk(s_.GridFineColor);
        for (long long k = 1; k <= (static_cast<long long>(L) * d) / step; ++k) {
            const double X = double(k * step) / d;
            c_.line(f_.px(X), f_.py(0), f_.px(X), f_.py(W));
        }
    }
    c_.setInk(s_.GridCoarseColor);
    for (long long k = 1; k <= L / step; ++k) {
        const double X = double(k * step);
        c_.line(f_.px(X), f_.py(0), f_.px(X), f_.py(W));
        const QString t = label(k);
        c_.textOut(f_.px(X) - c_.textWidth(t) / 2, f_.py(W) - c_.textHeight(t) - 1, t);
    }
    // Lines along the length.
    if (d > 1) {
        c_.setInk(s_.GridFineColor);
        for (long long k = 1; k <= (static_cast<long long>(W) * d) / step; ++k) {
            const double Y = double(k * step) / d;
            c_.line(f_.px(L), f_.py(Y), f_.px(0), f_.py(Y));
        }
    }
    c_.setInk(s_.GridCoarseColor);
    for (long long k = 1; k <= W / step; ++k) {
        const double Y = double(k * step);
        c_.line(f_.px(L), f_.py(Y), f_.px(0), f_.py(Y));
        const QString t = label(k);
        c_.textOut(f_.px(L) + 2, f_.py(Y) - c_.textHeight(t) / 2, t);
    }
    c_.setPenWidth(s_.LineWidth);
}

void LayoutDrawing::chooseGrid() {
    v_.MaxDrawnWidth = 0;
    for (const PlanContainerView& cont : plan_.containers)
        v_.MaxDrawnWidth = std::max(v_.MaxDrawnWidth, float(cont.width));
    const int n = plan_.usedContainers;
    double best = 0;
    for (int cols = 1; cols <= n; ++cols) {
        const int rows = (n + cols - 1) / cols;
        double s = 25555.0;
        for (const PlanContainerView& cont : plan_.containers) {
            const double L = cont.length, W = cont.width;
            s = std::min(s, double(c_.width() - 2 * cols * v_.CellMarginX) / cols / L);
            s = std::min(
                s, double(c_.height() - 2 * rows * v_.CellMarginY - rows * v_.CaptionHeight - v_.TopLine) /
                       rows / W);
        }
        if (s > best) {
            best = s;
            v_.GridCols = std::int16_t(cols);
            v_.GridRows = std::int16_t(rows);
        }
    }
    commonScale_ = best * s_.Magnification;
}

void LayoutDrawing::drawContainer(const PlanContainerView& cont, int seq) {
    const int L = cont.length, W = cont.width;
    const int load = int(cont.boxes.size());
    const int row = (seq - 1) / v_.GridCols + 1, col = (seq - 1) % v_.GridCols + 1;
    const int Wimg = c_.width(), Himg = c_.height();
    f_.cx = Wimg * (2 * col - 1) / (2 * v_.GridCols);
    f_.cy = (Himg - v_.TopLine) * (2 * row - 1) / (2 * v_.GridRows) + v_.TopLine - v_.CaptionHeight / 2;
    f_.L = L;
    f_.W = W;
    f_.shiftX = s_.ShiftX;
    f_.shiftY = s_.ShiftY;
    const bool single = v_.CurrentCont != 0;
    if (single) {
        v_.MaxDrawnWidth = float(W);
        f_.scale = std::min(double(Wimg - 2 * v_.CellMarginX) / L,
                            double(Himg - 2 * v_.CellMarginY - v_.CaptionHeight - v_.TopLine) / W) *
                   s_.Magnification;
    } else {
        f_.scale = commonScale_;
    }
    drawBox(0, 0, 0, L, W, ContOutlineColor, 0, QString());
    if (!single)
        v_.ShownBoxes = std::int16_t(load);

    // The boxes in loading order: the first box of each loading number up to the shown ones.
    int minX = L, maxX = 0, maxY = 0;
    for (int q = 1; q <= v_.ShownBoxes; ++q) {
        const auto b = std::find_if(cont.boxes.begin(), cont.boxes.end(),
                                    [q](const PlanBoxView& box) { return box.loadNo == q; });
        if (b == cont.boxes.end())
            continue;
        minX = std::min(minX, b->x);
        maxX = std::max(maxX, b->x + b->length);
        maxY = std::max(maxY, b->y + b->width);
        drawBox(b->number, b->x, b->y, b->length, b->width, s_.kindColor(b->kind), s_.VisualGap,
                BoxLabelText(*b, s_));
    }
    if (single && s_.GridLevel != 0)
        drawGrid();

    c_.setInk(s_.CaptionColor);
    QString caption = QString::number(cont.number) + QStringLiteral(". ") +
                      QString::fromStdString(cont.mark) + QStringLiteral(": ") + percentText(cont.weightEff) +
                      QStringLiteral(" %W,  ") + percentText(cont.areaEff) + QStringLiteral(" %A,  ");
    if (load > v_.ShownBoxes)
        caption += QString::number(v_.ShownBoxes) + LayoutTexts::tr(" of ");
    caption += QString::number(load) + LayoutTexts::tr(" it.");
    if (single)
        caption += QStringLiteral(", dX=") + QString::number(maxX - minX) + QStringLiteral(" dY=") +
                   QString::number(maxY);
    c_.textOut(f_.cx - roundEven(s_.ShiftX) - c_.textWidth(caption) / 2,
               roundEven(s_.ShiftY) + v_.TopLine - v_.CaptionHeight + 2 +
                   (Himg - v_.TopLine) * row / v_.GridRows,
               caption);
}

void LayoutDrawing::drawSummary() {
    c_.setInk(s_.CaptionColor);
    int x = 5;
    const int unplaced = plan_.unplacedBoxes();
    if (unplaced >= 1) {
        const QString t = LayoutTexts::tr("Left boxes:") + QLatin1Char(' ') + QString::number(unplaced);
        c_.textOut(5, 2, t);
        x = c_.textWidth(t) + 20;
    }
    if (plan_.containerCount >= 2 && plan_.lastContainer >= 1 && plan_.lastContainer <= 499)
        c_.textOut(x, 2,
                   LayoutTexts::tr("Last cont:") + QLatin1Char(' ') + QString::number(plan_.lastContainer));
}

void LayoutDrawing::run() {
    c_.clear(s_.BackgroundColor, s_.LineWidth);
    if (v_.CurrentCont < 0 || v_.CurrentCont > plan_.containerCount ||
        (v_.CurrentCont != 0 && plan_.boxLoad(v_.CurrentCont) == 0))
        v_.CurrentCont = 0;
    c_.setLabelFont(7, v_.DrawingForReport);
    const int th = c_.textHeight(QStringLiteral("0"));
    v_.TopLine = std::int16_t(roundEven(1.2 * th));
    v_.CaptionHeight = std::int16_t(roundEven(1.2 * th));
    const bool single = v_.CurrentCont != 0;
    v_.CellMarginY = std::int16_t(roundEven((single ? 0.9 : 0.4) * th));
    v_.CellMarginX = std::int16_t(roundEven((single ? 2.2 : 0.6) * th));
    if (single) {
        v_.GridCols = v_.GridRows = 1;
    } else {
        chooseGrid();
    }
    v_.LabelX.fill(0);
    v_.LabelY.fill(0);
    c_.setLabelFont(v_.GridCols * v_.GridRows == 1 ? 7 : 6, v_.DrawingForReport);

    int seq = 0;
    for (const PlanContainerView& cont : plan_.containers)
        if (!single || cont.number == v_.CurrentCont)
            drawContainer(cont, ++seq);
    if (!single || plan_.usedContainers <= 1)
        drawSummary();
}

} // namespace

void DrawLayout(QPainter& painter, int width, int height, bool forReport, const PlanView& plan,
                const ViewSettings& settings, LayoutViewState& view) {
    view.DrawingForReport = forReport;
    LayoutCanvas canvas(painter, width, height);
    LayoutDrawing(canvas, plan, settings, view).run();
}

} // namespace palvane
