#pragma once
// A small drawing surface over a QPainter with the state the layout drawing works with: a pen
// (colour, width), a font colour, a brush that is either hollow or a solid colour, and a label
// font. Rectangles follow the raster convention "corners (x1, y1) and (x2, y2), the right and
// bottom edges excluded"; texts are placed by their top-left corner.

#include <cstdint>

#include <QFont>
#include <QPainter>
#include <QString>

namespace palvane {

class LayoutCanvas {
public:
    // Draws on the painter's device, whose size is width x height pixels.
    LayoutCanvas(QPainter& painter, int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Fills the whole canvas with the colour; brush hollow, pen width lineWidth afterwards.
    void clear(std::int32_t color, int lineWidth);
    // Font colour and pen colour.
    void setInk(std::int32_t color);
    void setPenColor(std::int32_t color);
    void setPenWidth(int width);
    // Solid brush of that colour.
    void setBrush(std::int32_t color);
    void setHollowBrush();
    // Bold label font; forReport: size + 3 in the sans-serif face, else a small face below 7.
    void setLabelFont(int size, bool forReport);

    // Rectangle outlined with the pen and filled with the brush.
    void rectangle(int x1, int y1, int x2, int y2);
    // Line from (x1, y1) to (x2, y2) in the pen.
    void line(int x1, int y1, int x2, int y2);
    // Text in the font colour with its top-left corner at (left, top).
    void textOut(int left, int top, const QString& text);
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;

private:
    void applyPen();

    QPainter& painter_;
    int width_ = 0, height_ = 0;
    std::int32_t penColor_ = 0, fontColor_ = 0;
    int penWidth_ = 1;
    bool hollow_ = true;
    std::int32_t brushColor_ = 0;
};

} // namespace palvane
