#pragma once
// Draws a loading plan from its plan view: every used container in a grid of
// cells, or one container filling the drawing with its loading sequence and an optional
// measuring grid. The same routine draws the screen image and the printed layout image.

#include <array>
#include <cstdint>

#include <QString>

#include "PlanView.h"
#include "SolveOutcome.h"
#include "ViewSettings.h"

class QPainter;

namespace palvane {

class LayoutCanvas;

// The view state the drawing reads and writes; owned by the window that shows the layout.
struct LayoutViewState {
    std::int16_t CurrentCont = 0; // 0 = all used containers, else the one container drawn
    std::int16_t ShownBoxes = 0;  // boxes of the drawn container shown, in loading order
    bool DrawingForReport = false;
    // Metrics of the last drawing.
    std::int16_t GridCols = 1, GridRows = 1;
    std::int16_t CellMarginX = 0, CellMarginY = 0, CaptionHeight = 0, TopLine = 0;
    float MaxDrawnWidth = 0;
    // Label centre of each box (by box number) in the last drawing; 0, 0 for a box not drawn.
    std::array<std::int16_t, kMaxTaskBoxes + 1> LabelX{}, LabelY{};
};

// Nearest integer, halves to even.
int roundEven(double value);

// The whole plan drawing onto a canvas of width x height pixels. forReport marks a target that
// is not the window's screen image (larger fonts).
void DrawLayout(QPainter& painter, int width, int height, bool forReport, const PlanView& plan,
                const ViewSettings& settings, LayoutViewState& view);

// The measuring grid of a floor L x W at a grid level -4..4 (not 0).
struct GridSteps {
    long long step = 1; // distance of the major lines
    int divisions = 1;  // minor lines per major step (1 = none)
    int factor = 1;     // 1 for positive levels, 2 for negative ones
    int decade = 0;     // zeros appended to the labels
    // Label of the k-th major line.
    QString label(long long k) const;
};
GridSteps MeasuringGrid(int L, int W, int level);

// Label text of a box as drawn: kind name or mark, with an orientation sign when asked.
QString BoxLabelText(const PlanBoxView& box, const ViewSettings& settings);

// The caption's utilisation: 100 x fraction rounded and right-aligned in two characters.
QString percentText(float fraction);

} // namespace palvane
