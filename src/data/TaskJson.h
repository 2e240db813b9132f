#pragma once
// Tasks and plans as JSON, for programs that hand over a task and read the plan back: the task
// list, one task (its name, settings, containers and boxes, the same form add-task reads) and
// its stored plan (containers with loads and limits, boxes with kind, position, extents, turn
// and loading number, unplaced boxes per kind). The schema is docs/plan.schema.json.
#include "TaskRows.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

namespace palvane {

class Store;

// Format name and version written into every document.
inline constexpr const char* PlanJsonFormat = "palvane-plan";
inline constexpr int PlanJsonVersion = 1;
// Largest JSON input read (a task of 24 containers and 1000 boxes is far below it).
inline constexpr qint64 MaxTaskJsonBytes = 4 * 1024 * 1024;

// {"format", "version", "tasks": [{id, name, solved, containers, boxes}]}. False with a message
// when the tables cannot be read.
bool taskListJson(Store& store, QJsonObject& document, QString& error);

// {"format", "version", "task": {...}, "plan": {...}} of one task. False with a message when the
// task does not exist or cannot be read.
bool showTaskJson(Store& store, qint32 taskId, QJsonObject& document, QString& error);

// The plan part of a task's rows: containers, boxes, unplaced kinds and totals.
QJsonObject planJson(const TaskRows& rows);

// What add-task may do beyond using the library rows it names.
struct TaskJsonOptions {
    // Container types and box kinds not in the library are added when given with their sizes.
    bool createMissing = false;
};

// Outcome of storing a task from JSON.
struct TaskJsonResult {
    qint32 taskId = 0; // the new task; 0 when refused
    QString error;     // one line naming the input line that was refused (empty on success)
    int createdTypes = 0, createdKinds = 0;
    bool ok() const { return taskId > 0; }
};

// Stores a new task from a JSON task (the "task" part of showTaskJson, or a whole document
// holding one) in one transaction: on any refusal nothing is stored. Every value is checked:
// types, ranges of the fields, names without control characters, library rows by name or id,
// at most 24 containers and 1000 boxes in total.
TaskJsonResult addTaskFromJson(Store& store, const QByteArray& json, const TaskJsonOptions& options = {});

class TaskJsonTexts {
    Q_DECLARE_TR_FUNCTIONS(palvane::TaskJson)
};

} // namespace palvane
