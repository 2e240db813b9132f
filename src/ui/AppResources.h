#pragma once
// Paths of the program's shipped resources (splash picture and help pages, under ":/palvane/").
#include <QString>

namespace palvane {

// The 400 x 300 JPEG picture of the splash window.
QString splashPicturePath();

} // namespace palvane
