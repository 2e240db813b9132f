#include "LayoutCanvas.h"

#include <algorithm>

#include <QFontMetrics>

#include "ViewSettings.h"

namespace palvane {

LayoutCanvas::LayoutCanvas(QPainter& painter, int width, int height)
    : painter_(painter), width_(width), height_(height) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

void LayoutCanvas::clear(std::int32_t color, int lineWidth) {
    painter_.fillRect(0, 0, width_, height_, colorOf(color));
    hollow_ = true;
    penWidth_ = lineWidth;
    applyPen();
}

void LayoutCanvas::setInk(std::int32_t color) {
    fontColor_ = color;
    penColor_ = color;
    applyPen();
}

void LayoutCanvas::setPenColor(std::int32_t color) {
    penColor_ = color;
    applyPen();
}

void LayoutCanvas::setPenWidth(int width) {
    penWidth_ = width;
    applyPen();
}

void LayoutCanvas::setBrush(std::int32_t color) {
    hollow_ = false;
    brushColor_ = color;
}

void LayoutCanvas::setHollowBrush() {
    hollow_ = true;
}

void LayoutCanvas::setLabelFont(int size, bool forReport) {
    QFont font;
    if (forReport) {
        font.setFamily(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(size + 3);
    } else {
        // A small bitmap-friendly face below 7 points, the sans-serif face from 7.
        font.setFamily(size < 7 ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(std::max(size, 1));
    }
    font.setBold(true);
    painter_.setFont(font);
}

void LayoutCanvas::applyPen() {
    // Width 0 is the thinnest line the device can draw.
    QPen pen(colorOf(penColor_));
    pen.setWidth(std::max(penWidth_, 0));
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
}

void LayoutCanvas::rectangle(int x1, int y1, int x2, int y2) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (right - left < 1 || bottom - top < 1)
        return;
    // Covers the pixels left..right-1 and top..bottom-1.
    const QRect area(left, top, right - left, bottom - top);
    if (!hollow_)
        painter_.fillRect(area, colorOf(brushColor_));
    painter_.setBrush(Qt::NoBrush);
    const int w = std::max(penWidth_, 1);
    if (w == 1) {
        painter_.drawRect(left, top, right - left - 1, bottom - top - 1);
        return;
    }
    // Wide outlines stay inside the rectangle.
    const int inset = w / 2;
    QRect inner = area.adjusted(inset, inset, -(w - inset), -(w - inset));
    if (inner.width() < 0 || inner.height() < 0) {
        painter_.fillRect(area, colorOf(penColor_));
        return;
    }
    painter_.drawRect(inner);
}

void LayoutCanvas::line(int x1, int y1, int x2, int y2) {
    painter_.drawLine(x1, y1, x2, y2);
}

void LayoutCanvas::textOut(int left, int top, const QString& text) {
    const QPen keep = painter_.pen();
    painter_.setPen(colorOf(fontColor_));
    painter_.drawText(QPoint(left, top + QFontMetrics(painter_.font(), painter_.device()).ascent()), text);
    painter_.setPen(keep);
}

int LayoutCanvas::textWidth(const QString& text) const {
    return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(text);
}

int LayoutCanvas::textHeight(const QString&) const {
    return QFontMetrics(painter_.font(), painter_.device()).height();
}

} // namespace palvane
