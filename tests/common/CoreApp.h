#pragma once
// One QCoreApplication for GoogleTest executables (gtest_main creates none). Qt needs one for
// loading the SQL driver plugins; call ensureCoreApp() before touching a database.
#include <QCoreApplication>

namespace palvane::test {

// Returns the application object, creating it on the first call when none exists.
inline QCoreApplication* ensureCoreApp() {
    if (QCoreApplication* existing = QCoreApplication::instance())
        return existing;
    static int argc = 1;
    static char name[] = "palvane_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return &app;
}

} // namespace palvane::test
