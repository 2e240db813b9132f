#pragma once
// The program's icon: a container floor with four boxes, drawn at the usual icon sizes (the same
// picture as resources/palvane.svg, which desktops use through palvane.desktop).
#include <QIcon>

namespace palvane {

// The icon of every window of the program.
QIcon programIcon();

} // namespace palvane
