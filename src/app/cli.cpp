// palvane-cli: the command-line front end (see palvane-cli --help).
#include "CliCommands.h"

#include <QCoreApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>
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
    QCoreApplication app(argc, argv);
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
