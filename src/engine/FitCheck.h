#pragma once
// The box kinds of a task that no available container can take in any orientation they may
// take, with the gaps counted. The solver can place none of their boxes; the Task Page names
// them before a Solve.
#include "TaskRows.h"

#include <string>
#include <vector>

namespace palvane {

// Whether a box of length x width fits a container floor of length x width with `wallGap` kept
// to every wall (the item gap needs no room of its own: the floor gets one item gap added),
// lengthwise or, when it may turn, crosswise.
bool boxFitsContainer(int boxLength, int boxWidth, bool mayTurn, int contLength, int contWidth, int wallGap);

// The names of the kinds with boxes to load (Total above 0) that fit none of the task's
// containers with Avail above 0, in the order of the task's box rows, each once. Turning
// follows the task's common rule when DefltOn holds, else each kind's TurnOn.
std::vector<std::string> kindsFittingNoContainer(const TaskRows& rows, int wallGap);

} // namespace palvane
