#pragma once
// An orderly end on SIGTERM and SIGHUP (a desktop logout, `kill`, a closed terminal): the
// signal is only noted by its handler and answered from the event loop, where the program can
// close its windows as the Exit command does, so the settings file is written as usual.
#include <QObject>
#include <cstdint>
#include <functional>

class QSocketNotifier;
class QWidget;

namespace palvane {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Installs the signal handlers. Signals that arrive before a receiver exists are kept and
    // handed to it once the event loop runs. False when the handlers could not be installed.
    static bool install();

    // Calls `onTerminate` from the event loop for every signal received since install().
    explicit TerminationSignals(std::function<void()> onTerminate, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void readSignal();

    std::function<void()> m_onTerminate;
    QSocketNotifier* m_notifier = nullptr;
};

// What the desktop program does on such a signal: waits while a long operation keeps the
// Task Page disabled (asking a running Solve to stop with its best plan), closes the open
// modal windows, closes the Task Page (which saves the settings) and leaves the event loop.
void closeProgramOnSignal(QWidget* taskPage, std::uint8_t* abortFlag);

} // namespace palvane
