#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace palvane {

namespace {

// Draws the 64 x 64 design scaled to `size` pixels.
QPixmap drawIcon(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(QColor(0x1f, 0x3f, 0x7f), 3));
    p.setBrush(QColor(254, 254, 222));
    p.drawRect(QRectF(4, 12, 56, 40));
    p.setPen(Qt::NoPen);
    const struct {
        QRectF r;
        QColor c;
    } boxes[] = {{QRectF(8, 16, 20, 14), QColor(0x3f, 0x7f, 0xbf)},
                 {QRectF(8, 32, 20, 16), QColor(0xbf, 0x7f, 0x3f)},
                 {QRectF(30, 16, 14, 32), QColor(0x3f, 0xbf, 0x7f)},
                 {QRectF(46, 16, 10, 18), QColor(0xbf, 0x3f, 0x5f)}};
    for (const auto& b : boxes) {
        p.setBrush(b.c);
        p.drawRect(b.r);
    }
    return pm;
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(drawIcon(size));
    return icon;
}

} // namespace palvane
