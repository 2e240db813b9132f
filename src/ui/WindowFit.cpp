#include "WindowFit.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPushButton>
#include <QStyle>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace palvane {

void fitMinimumSize(QWidget* window, QSize designMinimum) {
    QSize minimum = designMinimum;
    if (QLayout* layout = window->layout()) {
        layout->invalidate();
        layout->activate();
        minimum = minimum.expandedTo(layout->totalMinimumSize());
    }
    window->setMinimumSize(minimum);
    if (window->width() < minimum.width() || window->height() < minimum.height())
        window->resize(window->size().expandedTo(minimum));
}

int buttonTextWidth(const QAbstractButton* button) {
    const QStyle* style = button->style();
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    return int(std::ceil(QFontMetricsF(button->font()).horizontalAdvance(text))) + 1
           + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
           + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
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
    // The frame is known once the window exists on the window system (as it does at its showing).
    if (!window->windowHandle())
        window->winId();
    QSize frame;
    if (const QWindow* handle = window->windowHandle()) {
        const QMargins m = handle->frameMargins();
        frame = QSize(m.left() + m.right(), m.top() + m.bottom());
    }
    QSize size = window->size();
    const QSize room = free.size() - frame;
    if (size.width() > room.width() || size.height() > room.height()) {
        size = size.boundedTo(room).expandedTo(window->minimumSize());
        window->resize(size);
    }
    const QSize outer = size + frame;
    const QPoint at = window->pos();
    const int left = std::clamp(at.x(), free.left(), std::max(free.left(), free.right() + 1 - outer.width()));
    const int top = std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height()));
    if (QPoint(left, top) != at)
        window->move(left, top);
}

} // namespace palvane
