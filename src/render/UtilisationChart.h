#pragma once
// The area/weight utilisation chart of all used containers: per container an area bar (blue)
// and a weight bar (red) scaled to the largest capacity of the task, a tick for each box's
// running total, the box marks beside the area bar, and the spare capacity filled dark.

class QPainter;

namespace palvane {

struct PlanView;
struct ViewSettings;

// Draws the chart of the plan onto a width x height canvas.
void DrawChart(QPainter& painter, int width, int height, const PlanView& plan, const ViewSettings& settings);

} // namespace palvane
