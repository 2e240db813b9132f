// palvane-cli: the command-line front end (see palvane-cli --help).
#include "CliCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t interrupted = 0;

// The first Ctrl-C asks the running solve to stop and store its best plan; a second one ends
// the program at once (the store's transaction keeps the previous solution then).
extern "C" void onInterrupt(int) {
    interrupted = 1;
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

int main(int argc, char* argv[]) {
    // export draws reports and layouts, which needs the fonts of a GUI application: it runs on
    // the offscreen platform, so it works without a display (and never opens a window).
    bool draws = false;
    for (int i = 1; i < argc; ++i)
        draws = draws || std::strcmp(argv[i], "export") == 0;
    std::unique_ptr<QCoreApplication> application;
    if (draws) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("palvane"));
    std::signal(SIGINT, onInterrupt);

    QTextStream out(stdout);
    QTextStream err(stderr);
    palvane::CliContext context{out, err};
    context.progressLine = isatty(fileno(stderr)) != 0;
    context.interrupted = &interrupted;
    const int status = palvane::runCli(app.arguments().mid(1), context);
    out.flush();
    err.flush();
    return status;
}
