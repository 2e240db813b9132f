// The desktop program: starts up in order and runs the Task Page until it closes.
#include "MessagePrompter.h"
#include "ProgramIcon.h"
#include "StartUp.h"
#include "TerminationSignals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Before anything else, so that a SIGTERM during the start-up waits for the main loop.
    palvane::TerminationSignals::install();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("palvane"));
    // Desktops match the windows to palvane.desktop for the name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("palvane"));
    QApplication::setWindowIcon(palvane::programIcon());
    palvane::MessagePrompter prompter;
    palvane::StartUp startUp(prompter, QApplication::arguments());
    startUp.showSplash = true;
    startUp.prepareReports = [&startUp] { return startUp.reports()->prepare(); };
    if (!startUp.run())
        return 1;
    // SIGTERM and SIGHUP end the program as closing the Task Page does: the settings are saved.
    palvane::TerminationSignals onSignal([&startUp] {
        palvane::closeProgramOnSignal(startUp.tasksForm(), startUp.tasksForm()->session().abortFlag());
    });
    return app.exec();
}
