// Draws the program's own splash picture once: 400 x 300 pixels, written as splash.jpg into the
// folder given as the only argument.
// Build and run from the repository root:
//   g++ -std=c++20 -fPIC scripts/make_splash.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_splash
//   QT_QPA_PLATFORM=offscreen /tmp/make_splash resources
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A container floor seen from above, filled with boxes in a few colours, in the rectangle r.
void drawLoadedFloor(QPainter& p, const QRectF& r, qreal line) {
    p.setPen(QPen(QColor(40, 40, 40), line));
    p.setBrush(QColor(235, 235, 225));
    p.drawRect(r);
    // Boxes as fractions of the floor: x, y, w, h and a colour index.
    struct Box {
        qreal x, y, w, h;
        int c;
    };
    const Box boxes[] = {
        {0.00, 0.00, 0.22, 0.50, 0}, {0.00, 0.50, 0.22, 0.50, 0}, {0.22, 0.00, 0.22, 0.50, 0},
        {0.22, 0.50, 0.22, 0.50, 0}, {0.44, 0.00, 0.18, 0.40, 1}, {0.44, 0.40, 0.18, 0.40, 1},
        {0.62, 0.00, 0.14, 0.60, 2}, {0.62, 0.60, 0.14, 0.40, 3}, {0.76, 0.00, 0.14, 0.60, 2},
        {0.44, 0.80, 0.18, 0.20, 3}, {0.76, 0.60, 0.10, 0.40, 3}};
    const QColor colours[] = {QColor(230, 160, 60), QColor(90, 160, 220), QColor(120, 190, 110),
                              QColor(210, 100, 110)};
    for (const Box& b : boxes) {
        const QRectF br(r.x() + b.x * r.width(), r.y() + b.y * r.height(), b.w * r.width(), b.h * r.height());
        p.setBrush(colours[b.c]);
        p.drawRect(br.adjusted(line, line, -line, -line));
        p.drawLine(br.topLeft() + QPointF(line * 3, line * 3),
                   br.bottomRight() - QPointF(line * 3, line * 3));
        p.drawLine(br.topRight() + QPointF(-line * 3, line * 3),
                   br.bottomLeft() + QPointF(line * 3, -line * 3));
    }
}

QImage splash() {
    QImage img(400, 300, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(24, 52, 96));
    sky.setColorAt(1, QColor(70, 120, 170));
    p.fillRect(img.rect(), sky);
    drawLoadedFloor(p, QRectF(40, 120, 320, 120), 1.5);
    p.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Sans"), 34, QFont::Bold);
    p.setFont(title);
    p.drawText(QRectF(0, 24, 400, 60), Qt::AlignCenter, QStringLiteral("2D Palvane"));
    QFont sub(QStringLiteral("DejaVu Sans"), 11);
    p.setFont(sub);
    p.drawText(QRectF(0, 78, 400, 24), Qt::AlignCenter, QStringLiteral("Boxes on container floors"));
    p.drawText(QRectF(0, 252, 400, 30), Qt::AlignCenter, QStringLiteral("Loading..."));
    return img;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const bool ok = splash().save(out.filePath(QStringLiteral("splash.jpg")), "JPEG", 90);
    return ok ? 0 : 1;
}
