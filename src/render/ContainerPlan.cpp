#include "ContainerPlan.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>

namespace palvane {

namespace {

QString str(const std::string& s) {
    return QString::fromStdString(s);
}

// Label sizes tried in turn, in points.
constexpr double LabelPoints[] = {9, 8, 7, 6, 5};

} // namespace

QFont planFont(double points, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QColor printKindColour(int index) {
    // Light, well separated hues: box outlines and black labels stay readable on them, also on
    // a black-and-white printer (the lightness varies a little too).
    static const int hues[] = {210, 30, 120, 0, 270, 60, 180, 330, 90, 240, 15, 150};
    const int n = int(std::size(hues));
    const int i = ((index % (2 * n)) + 2 * n) % (2 * n);
    return QColor::fromHsl(hues[i % n], i < n ? 150 : 90, i < n ? 200 : 215);
}

ContainerPlans containerPlans(const PlanView& plan, const QString& taskName, const QString& date) {
    ContainerPlans plans;
    plans.taskName = taskName;
    plans.date = date;
    for (const PlanContainerView& s : plan.containers) {
        if (s.boxes.empty())
            continue;
        PlanContainer c;
        c.number = s.number;
        c.type = str(s.typeName);
        c.mark = str(s.mark);
        c.length = s.length;
        c.width = s.width;
        c.loadLimit = s.loadLimit;
        c.noseLimit = s.noseLimit;
        c.tailLimit = s.tailLimit;
        c.noseDistance = s.noseDistance;
        c.tailDistance = s.tailDistance;
        c.loadWeight = s.loadWeight;
        c.noseLoad = s.noseLoad;
        c.tailLoad = s.tailLoad;
        const double floor = double(c.length) * c.width;
        c.areaPercent = floor > 0 ? double(s.loadedArea) / floor * 100.0 : 0.0;
        std::map<int, int> kindOf; // kind number in the task -> index into c.kinds
        for (const PlanBoxView& p : s.boxes) {
            auto k = kindOf.find(p.kind);
            if (k == kindOf.end()) {
                PlanKind kind;
                if (const PlanKindView* in = plan.kind(p.kind)) {
                    kind.name = str(in->name);
                    kind.mark = str(in->mark);
                    kind.length = in->length;
                    kind.width = in->width;
                    kind.weight = in->weight;
                    kind.colour = in->number - 1;
                } else {
                    kind.name = str(p.kindName);
                    kind.mark = str(p.mark);
                    kind.colour = int(plan.kinds.size() + c.kinds.size());
                }
                k = kindOf.emplace(p.kind, int(c.kinds.size())).first;
                c.kinds.push_back(kind);
            }
            ++c.kinds[size_t(k->second)].count;
            PlanBox b;
            b.loadNo = p.loadNo;
            b.boxNo = p.number;
            b.kind = k->second;
            b.x = p.x;
            b.y = p.y;
            b.length = p.length;
            b.width = p.width;
            b.turned = p.turned;
            c.boxes.push_back(b);
        }
        plans.containers.push_back(std::move(c));
    }
    return plans;
}

std::vector<PlacedLabel> drawContainerPlan(QPainter& painter, const QRectF& area, const PlanContainer& c,
                                           double pointScale) {
    std::vector<PlacedLabel> labels;
    if (c.length <= 0 || c.width <= 0 || area.width() <= 0 || area.height() <= 0)
        return labels;
    QPaintDevice* device = painter.device();
    const QFont markFont = planFont(8 * pointScale, true);
    const QFontMetricsF markMetrics(markFont, device);
    const double em = markMetrics.height();
    const QFont leaderFont = planFont(6 * pointScale);
    const QFontMetricsF leaderMetrics(leaderFont, device);

    // Labels first: which boxes need a leader decides the room below the floor.
    struct Fit {
        LabelFit fit;
        QString text;
        double points;
    };
    auto fitLabel = [&](double boxW, double boxH, const PlanBox& b) -> Fit {
        const QString full =
            QStringLiteral("%1 %2").arg(b.loadNo).arg(c.kinds[size_t(b.kind)].mark).trimmed();
        const QString number = QString::number(b.loadNo);
        for (const auto& [fit, text] :
             {std::pair{LabelFit::NumberAndMark, full}, std::pair{LabelFit::NumberOnly, number}})
            for (double points : LabelPoints) {
                const QFontMetricsF m(planFont(points * pointScale, true), device);
                if (m.horizontalAdvance(text) <= boxW - 2 && m.height() <= boxH - 1)
                    return {fit, text, points * pointScale};
            }
        return {LabelFit::Leader, number, 6 * pointScale};
    };

    const double side = 2.0 * em, top = 0.4 * em, arrowRow = 1.8 * em,
                 leaderRow = leaderMetrics.height() * 1.25;
    // A first scale without leader rows tells which boxes are too small for a label.
    auto scaleFor = [&](int leaderRows) {
        return std::min((area.width() - 2 * side) / c.length,
                        (area.height() - top - arrowRow - leaderRows * leaderRow - 0.6 * em) / c.width);
    };
    int leaders = 0;
    double scale = scaleFor(0);
    for (const PlanBox& b : c.boxes)
        leaders += fitLabel(b.length * scale, b.width * scale, b).fit == LabelFit::Leader ? 1 : 0;
    int leaderRows = 0;
    if (leaders > 0) {
        // Rows enough for the leader labels side by side under the floor, at most four.
        const double labelWidth = leaderMetrics.horizontalAdvance(QStringLiteral("0000")) + 4;
        const double perRow = std::max(1.0, std::floor(c.length * scale / labelWidth));
        leaderRows = std::clamp(int(std::ceil(leaders / perRow)), 1, 4);
        scale = scaleFor(leaderRows);
    }
    if (scale <= 0)
        return labels;

    const double floorW = c.length * scale, floorH = c.width * scale;
    const double fx = area.left() + (area.width() - floorW) / 2, fy = area.top() + top;
    auto px = [&](double x) { return fx + x * scale; };
    auto py = [&](double y) { return fy + (c.width - y) * scale; }; // Y grows upwards
    const double hair = std::max(1.0, em / 14);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 2 * hair));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(fx, fy, floorW, floorH));

    // Boxes in loading order.
    std::vector<std::pair<const PlanBox*, QRectF>> leaderBoxes;
    for (const PlanBox& b : c.boxes) {
        const QRectF r(px(b.x), py(b.y + b.width), b.length * scale, b.width * scale);
        painter.setPen(QPen(QColor(60, 60, 60), hair));
        painter.setBrush(printKindColour(c.kinds[size_t(b.kind)].colour));
        painter.drawRect(r);
        if (b.turned) {
            const double s = std::min({r.width() * 0.3, r.height() * 0.3, em});
            QPainterPath corner;
            corner.moveTo(r.topLeft());
            corner.lineTo(r.left() + s, r.top());
            corner.lineTo(r.left(), r.top() + s);
            corner.closeSubpath();
            painter.fillPath(corner, QColor(40, 40, 40));
        }
        const Fit f = fitLabel(r.width(), r.height(), b);
        if (f.fit == LabelFit::Leader) {
            leaderBoxes.emplace_back(&b, r);
            continue;
        }
        const QFont font = planFont(f.points, true);
        const QFontMetricsF m(font, device);
        const QRectF text(r.center().x() - m.horizontalAdvance(f.text) / 2, r.center().y() - m.height() / 2,
                          m.horizontalAdvance(f.text), m.height());
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(text, Qt::AlignCenter, f.text);
        labels.push_back({b.loadNo, f.fit, f.text, r, text});
    }

    // Leader labels in rows under the floor, left to right by the box's centre.
    std::stable_sort(leaderBoxes.begin(), leaderBoxes.end(), [](const auto& a, const auto& b) {
        return a.second.center().x() < b.second.center().x();
    });
    std::vector<double> nextFree(size_t(std::max(leaderRows, 1)), area.left());
    painter.setFont(leaderFont);
    for (const auto& [b, r] : leaderBoxes) {
        const QString text = QString::number(b->loadNo);
        const double w = leaderMetrics.horizontalAdvance(text) + 2;
        size_t row = 0;
        for (size_t i = 0; i < nextFree.size(); ++i)
            if (nextFree[i] < nextFree[row])
                row = i;
        const double left = std::max(nextFree[row], r.center().x() - w / 2);
        nextFree[row] = left + w + 2;
        const QRectF label(left, fy + floorH + 0.3 * em + row * leaderRow, w, leaderMetrics.height());
        painter.setPen(QPen(QColor(80, 80, 80), hair));
        painter.drawLine(r.center(), QPointF(label.center().x(), label.top()));
        painter.setPen(Qt::black);
        painter.drawText(label, Qt::AlignCenter, text);
        labels.push_back({b->loadNo, LabelFit::Leader, text, r, label});
    }

    // Supports, when the type has limits on them: triangles under the floor edge.
    if (c.noseLimit > 0 || c.tailLimit > 0) {
        painter.setBrush(Qt::black);
        painter.setPen(Qt::NoPen);
        for (double x : {double(c.noseDistance), double(c.length - c.tailDistance)}) {
            const double s = 0.35 * em;
            QPainterPath t;
            t.moveTo(px(x), fy + floorH + hair);
            t.lineTo(px(x) - s, fy + floorH + hair + s);
            t.lineTo(px(x) + s, fy + floorH + hair + s);
            t.closeSubpath();
            painter.drawPath(t);
        }
    }

    // The front (nose) end on the left, where positions are measured from, the rear on the
    // right; the loading direction under the floor.
    painter.setPen(Qt::black);
    painter.setFont(markFont);
    for (const auto& [text, x] : {std::pair{ContainerPlanTexts::tr("FRONT"), fx - 0.75 * em},
                                  std::pair{ContainerPlanTexts::tr("REAR"), fx + floorW + 0.75 * em}}) {
        painter.save();
        painter.translate(x, fy + floorH / 2);
        painter.rotate(-90);
        const double w = markMetrics.horizontalAdvance(text);
        painter.drawText(QRectF(-w / 2 - 2, -em / 2, w + 4, em), Qt::AlignCenter, text);
        painter.restore();
    }
    const double arrowY = fy + floorH + 0.6 * em + leaderRows * leaderRow + arrowRow / 2;
    const QString direction = ContainerPlanTexts::tr("Loading direction: from the rear towards the front");
    const double tw = markMetrics.horizontalAdvance(direction);
    const double right = fx + floorW, left = fx;
    painter.setPen(QPen(Qt::black, 1.5 * hair));
    const double mid = (left + right) / 2;
    if (right - left > tw + 4 * em) {
        painter.drawLine(QPointF(left, arrowY), QPointF(mid - tw / 2 - em / 2, arrowY));
        painter.drawLine(QPointF(mid + tw / 2 + em / 2, arrowY), QPointF(right, arrowY));
    }
    QPainterPath head;
    head.moveTo(left, arrowY);
    head.lineTo(left + 0.6 * em, arrowY - 0.3 * em);
    head.lineTo(left + 0.6 * em, arrowY + 0.3 * em);
    head.closeSubpath();
    painter.fillPath(head, Qt::black);
    painter.drawText(QRectF(mid - tw / 2 - 2, arrowY - em / 2, tw + 4, em), Qt::AlignCenter, direction);
    painter.restore();
    return labels;
}

namespace {

// Caption and drawing heights of one container in a stack `width` pixels wide.
struct StackRow {
    const PlanContainer* container;
    double caption, drawing;
};

std::vector<StackRow> stackRows(QPainter& painter, const ContainerPlans& plans, int container, int width) {
    const double em = QFontMetricsF(planFont(8, true), painter.device()).height();
    std::vector<StackRow> rows;
    for (const PlanContainer& c : plans.containers) {
        if ((container != 0 && c.number != container) || c.length <= 0)
            continue;
        const double floor = (width - 4 * em) * c.width / c.length;
        rows.push_back({&c, 2.2 * em, std::clamp(floor + 6 * em, 8 * em, 2.0 * width)});
    }
    return rows;
}

} // namespace

int stackedPlansHeight(QPainter& painter, const ContainerPlans& plans, int container, int width) {
    double height = 0;
    for (const StackRow& r : stackRows(painter, plans, container, width))
        height += r.caption + r.drawing;
    return int(std::ceil(height));
}

void drawStackedPlans(QPainter& painter, const ContainerPlans& plans, int container, int width) {
    double y = 0;
    for (const StackRow& r : stackRows(painter, plans, container, width)) {
        const PlanContainer& c = *r.container;
        QString caption = ContainerPlanTexts::tr("Container %1: %2").arg(c.number).arg(c.type);
        if (!c.mark.isEmpty())
            caption += QStringLiteral(" (%1)").arg(c.mark);
        caption += QStringLiteral(", ") + ContainerPlanTexts::tr("%1 boxes, %2 % of the area, load %3")
                                              .arg(c.boxes.size())
                                              .arg(QString::number(c.areaPercent, 'f', 1))
                                              .arg(c.loadWeight);
        if (c.loadLimit > 0)
            caption += QLatin1Char('/') + QString::number(c.loadLimit);
        painter.setFont(planFont(10, true));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(8, y, width - 16, r.caption), int(Qt::AlignLeft | Qt::AlignVCenter), caption);
        drawContainerPlan(painter, QRectF(0, y + r.caption, width, r.drawing), c);
        y += r.caption + r.drawing;
    }
}

} // namespace palvane
