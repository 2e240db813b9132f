#include "AppResources.h"

namespace palvane {

QString splashPicturePath() {
    return QStringLiteral(":/palvane/splash.jpg");
}

} // namespace palvane
