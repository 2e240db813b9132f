#pragma once
// Row work of task exchange between two task databases: replacing a library with another
// database's, copying a task with its lists and solution under a new TaskID, duplicating a task
// inside one database and emptying a database. Each function runs inside the caller's open
// transaction on the store it writes (or its own when none is open) and reports failure by its
// result and an error text, never by an exception.
#include "TableSchema.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

namespace palvane {

class Store;

// Replaces every row of the library table (conts or boxes) of `target` by the rows of the same
// table of `source`, keys included, so the keys the source's tasks use stay valid in `target`.
bool replaceLibrary(Store& source, Store& target, Table library, QString* error = nullptr);

// Library keys that tasks of `target` list in `tc` or `tb` and that the library of `source`
// does not hold, as texts like "TypeID 7" / "KindID 3". A library replacement would leave those
// task rows pointing at nothing.
QStringList missingLibraryKeys(Store& source, Store& target);

// Which rows of a task are copied.
enum class TaskCopyParts {
    ListsOnly,        // the `tasks` row and its `tc` and `tb` rows
    ListsAndSolution, // also its `solut` rows with their `distr` and `posit` rows
};

// Receives the progress position (0 to 100) after each table of the copy.
using CopyProgress = std::function<void(int position)>;

// Copies task `taskId` of `source` into `target` with a TaskID the store assigns (`newId`):
// the task row (positions after it: 70), its `tc` rows (80), its `tb` rows (90) and, as asked,
// its solution rows container by container. Nothing but the TaskID changes.
bool copyTask(Store& source, qint32 taskId, Store& target, TaskCopyParts parts, qint32* newId,
              QString* error = nullptr, const CopyProgress& progress = {});

// Name of a duplicate: the task's name followed by " -dupl", cut to the field's 25 characters.
QString duplicateName(const QString& name);

// Duplicates task `taskId` inside `store`: a new task row (`newId`) named by duplicateName(),
// unsolved, dated `today`, with the other fields of the original, and copies of its `tc` and
// `tb` rows with `Used` and `Placed` 0. The solution is not copied.
bool duplicateTask(Store& store, qint32 taskId, const QDate& today, qint32* newId, QString* error = nullptr);

// Removes every row of distr, posit, solut, tb, tc, tasks, conts and boxes, in this order; the
// tables stay.
bool emptyDatabase(Store& store, QString* error = nullptr);

// Number of rows of a table, -1 when it cannot be read.
int tableRowCount(Store& store, Table table);

} // namespace palvane
