#include "TerminationSignals.h"

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace palvane {

namespace {

// The handler writes one byte into the first socket; the event loop reads the second.
int signalSockets[2] = {-1, -1};

extern "C" void noteSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

bool TerminationSignals::install() {
    if (signalSockets[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGHUP, &action, nullptr) == 0;
}

TerminationSignals::TerminationSignals(std::function<void()> onTerminate, QObject* parent)
    : QObject(parent), m_onTerminate(std::move(onTerminate)) {
    if (signalSockets[1] < 0)
        return;
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::readSignal() {
    char byte = 0;
    if (::read(signalSockets[1], &byte, 1) != 1)
        return;
    if (m_onTerminate)
        m_onTerminate();
}

void closeProgramOnSignal(QWidget* taskPage, std::uint8_t* abortFlag) {
    QPointer<QWidget> page(taskPage);
    if (page && !page->isEnabled()) {
        // A Solve, Clear or table operation is running: stop a search at its next tick and
        // come back when the page is usable again.
        if (abortFlag)
            *abortFlag = 1;
        QTimer::singleShot(250, page, [page, abortFlag] { closeProgramOnSignal(page, abortFlag); });
        return;
    }
    // Modal windows first (each one's own loop ends when it hides), then the Task Page.
    for (int guard = 0; guard < 20; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == page)
            break;
        modal->close();
        if (modal->isVisible())
            modal->hide();
    }
    if (page)
        page->close();
    QCoreApplication::quit();
}

} // namespace palvane
