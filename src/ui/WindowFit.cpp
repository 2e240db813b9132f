#include "WindowFit.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace palvane {

void fitMinimumSize(QWidget* window, QSize designMinimum) {
    const QSize before = window->size();
    QSize minimum = designMinimum;
    if (QLayout* layout = window->layout()) {
        layout->invalidate();
        layout->activate();
        minimum = minimum.expandedTo(layout->totalMinimumSize());
    }
    window->setMinimumSize(minimum);
    if (window->width() < minimum.width() || window->height() < minimum.height())
        window->resize(window->size().expandedTo(minimum));
    // A window its texts made larger must not stick out of the screen.
    if (window->size() != before)
        keepOnScreen(window);
}

int buttonTextWidth(const QAbstractButton* button) {
    const QStyle* style = button->style();
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    return int(std::ceil(QFontMetricsF(button->font()).horizontalAdvance(text))) + 1 +
           style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

void fitButtonWidths(QWidget* window) {
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        const QVariant design = b->property("designWidth");
        if (design.isValid())
            b->setFixedWidth(std::max(design.toInt(), buttonTextWidth(b)));
    }
}

void keepOnScreen(QWidget* window) {
    // A layout that waits for its next run may still enlarge the window.
    if (QLayout* layout = window->layout())
        layout->activate();
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    // The title bar is known once the window exists on the window system (from its first
    // showing on). It must stay reachable; thin side and bottom borders may touch the edges.
    QMargins frame;
    if (const QWindow* handle = window->windowHandle())
        frame = handle->frameMargins();
    QSize size = window->size();
    const QSize room(free.width(), free.height() - frame.top());
    if (size.width() > room.width() || size.height() > room.height()) {
        size = size.boundedTo(room).expandedTo(window->minimumSize());
        window->resize(size);
    }
    // pos() is the frame's corner; the client area starts frame.left() further right.
    const QPoint at = window->pos();
    const int clientLeft = std::clamp(at.x() + frame.left(), free.left(),
                                      std::max(free.left(), free.right() + 1 - size.width()));
    const int top =
        std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() + 1 - size.height() - frame.top()));
    const QPoint to(clientLeft - frame.left(), top);
    if (to != at)
        window->move(to);
}

} // namespace palvane
