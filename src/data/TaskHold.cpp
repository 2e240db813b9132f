#include "TaskHold.h"

#include "DMForm.h"

namespace palvane {

TaskHold::TaskHold(Store& store, qint32 taskId) : m_store(store) {
    if (!store.isServer())
        return;
    m_unit.emplace(store);
    switch (m_unit->isActive() ? store.lockTask(taskId) : TaskLock::Failed) {
    case TaskLock::Locked:
        return;
    case TaskLock::Busy:
        m_busy = true;
        m_error = taskBusyText();
        break;
    case TaskLock::Failed:
        m_error = store.lastError();
        break;
    }
    m_unit.reset();
}

bool TaskHold::commit() {
    if (!m_unit)
        return isHeld();
    const bool ok = m_unit->commit();
    m_unit.reset();
    return ok;
}

void TaskHold::release() {
    m_unit.reset();
}

bool TDMForm::holdTaskWhile(qint32 taskId, const std::function<bool()>& body) {
    if (!m_store)
        return false;
    TaskHold hold(*m_store, taskId);
    if (!hold.isHeld()) {
        error(hold.error());
        return false;
    }
    const bool ok = body();
    if (!m_store->isServer())
        return ok;
    if (ok && hold.commit())
        return true;
    if (ok)
        error(m_store->lastError());
    // On a server a failed statement spoils the whole unit: the cursors show the rows as they
    // are stored again.
    hold.release();
    refreshTables();
    return false;
}

} // namespace palvane
