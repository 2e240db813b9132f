#pragma once
// Windows that fit their texts and the screen: a window's minimum size grows to what its layout
// needs for the current language and font (never below its designed minimum), and a placed
// window is kept whole inside the free area of its screen.
#include <QSize>

class QAbstractButton;
class QWidget;

namespace palvane {

// Sets the window's minimum size to its designed minimum raised to what its layout needs, and
// enlarges the window when it is smaller than that (keeping the larger window on the screen).
void fitMinimumSize(QWidget* window, QSize designMinimum);
// Width a push button needs to show its caption whole: the text, the button margin and the frame.
int buttonTextWidth(const QAbstractButton* button);
// Gives every push button of the window that carries a designed width (property "designWidth")
// that width, or more when its caption needs more.
void fitButtonWidths(QWidget* window);
// Moves the window inside the available geometry of its screen (client area and title bar); a
// window larger than that area is first made as small as the area allows.
void keepOnScreen(QWidget* window);

} // namespace palvane
