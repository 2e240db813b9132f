#pragma once
// A unit of changes to one task that holds the task's row first. On a server it is one
// transaction that locks the task's row (without waiting) before anything is read or written,
// so a second planner changing the same task is refused at once rather than mixing its rows
// with these. In a directory the lock file already keeps every other instance out: nothing is
// begun and the hold is always had.
#include "Store.h"

#include <QString>
#include <optional>

namespace palvane {

class TaskHold {
public:
    TaskHold(Store& store, qint32 taskId);
    TaskHold(const TaskHold&) = delete;
    TaskHold& operator=(const TaskHold&) = delete;

    // The task's row is held (always in a directory).
    bool isHeld() const { return m_error.isEmpty(); }
    // Another connection holds the task's row.
    bool isBusy() const { return m_busy; }
    // Why the row is not held: taskBusyText() or the store's message.
    QString error() const { return m_error; }
    // Keeps the unit's changes and lets the row go; false (everything undone) when the commit
    // failed. True at once in a directory.
    bool commit();
    // Undoes the unit's changes and lets the row go.
    void release();

private:
    Store& m_store;
    std::optional<StoreTransaction> m_unit;
    QString m_error;
    bool m_busy = false;
};

} // namespace palvane
