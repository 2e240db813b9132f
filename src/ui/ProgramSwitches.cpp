#include "ProgramSwitches.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace palvane {

ProgramSwitches::ProgramSwitches(QObject* parent) : QObject(parent) {}

ProgramSwitches* ProgramSwitches::instance() {
    static QPointer<ProgramSwitches> the;
    if (!the) {
        QCoreApplication* app = QCoreApplication::instance();
        Q_ASSERT(app);
        the = new ProgramSwitches(app);
        app->installEventFilter(the);
    }
    return the;
}

void ProgramSwitches::setHintsOn(bool on) {
    if (m_hints == on)
        return;
    m_hints = on;
    emit hintsChanged(on);
}

void ProgramSwitches::setWarnsOn(bool on) {
    if (m_warns == on)
        return;
    m_warns = on;
    emit warnsChanged(on);
}

bool ProgramSwitches::eventFilter(QObject* watched, QEvent* event) {
    if (!m_hints && (event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace palvane
