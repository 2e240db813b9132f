#pragma once
// Turns the loaded task into numbered containers and boxes and summarises it.

#include "Workspace.h"

namespace palvane {

// Numbers the containers type by type and the boxes kind by kind, draws the random type keys,
// computes the task summary and the number of optimiser iterations. Stops after the numbering
// when the task has no box or no container.
void Preprocess(PackWorkspace& ws);

} // namespace palvane
