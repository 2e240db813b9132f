#pragma once
// The program's name as the windows, the messages and the reports show it.
#include <QString>

namespace palvane {

inline QString applicationTitle() {
    return QStringLiteral("2D Palvane");
}

} // namespace palvane
