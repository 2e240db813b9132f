#pragma once
// Removal of a task with all its rows, as one unit of work.
#include <QString>
#include <functional>

namespace palvane {

class Store;

// Whether the cascade also removes the task's own `tasks` row.
enum class CascadeScope {
    RowsOnly,    // the rows of the other tables; the caller deletes the task row in its unit
    RowsAndTask, // also the `tasks` row
};

// Receives the progress position from 0 to 100.
using ProgressPosition = std::function<void(int position)>;

// Deletes every row of task `taskId`: for each of its `solut` rows the `distr` and `posit` rows of
// that container and then the `solut` row (position 5), any other `distr` and `posit` rows of the
// task, all its `tc` rows (position 10), its `tb` rows one by one (before the i-th of n the
// position 10 + i x 90 / n, rounded) and, as asked, the task row. Everything runs in one
// transaction (nested in the caller's when one is open): on any failure nothing is deleted and
// false is returned with the store's message. The position starts at 0 and ends at 100, also on
// failure.
bool deleteTaskRows(Store& store, qint32 taskId, CascadeScope scope, const ProgressPosition& position = {},
                    QString* error = nullptr);

} // namespace palvane
