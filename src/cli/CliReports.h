#pragma once
// The texts the command-line front end prints: the task list, the summary of a solve and the
// stored plan of a task.
#include "PlanView.h"
#include "SolveOutcome.h"
#include "TaskRows.h"

#include <QString>

namespace palvane {

class Store;

// The text with its control characters written as escapes (\n, \r, \t, \x1b), so that a name
// can neither change the terminal nor start a line of its own.
QString printableText(const QString& text);

// One line per task: TaskID, name, solved or not, containers and boxes in total. False with a
// message when the tables cannot be read.
bool taskList(Store& store, QString& text, QString& error);

// The summary of a finished solve: containers used, boxes placed and left, area and weight
// utilisation, score and run time, from the plan the solve made.
QString solveSummary(const PlanView& plan, const SolveOutcome& outcome);

// The stored plan of a task: per container its number, type, boxes, loads and efficiencies,
// then per box its number, kind, container, position, extents and loading number.
QString storedPlanReport(const TaskRows& rows);

} // namespace palvane
