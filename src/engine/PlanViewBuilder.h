#pragma once
// Copies the plan a workspace holds into a plan view.
#include "PlanView.h"
#include "TaskRows.h"
#include "Workspace.h"

namespace palvane {

// The view of ws.ResultPlan for the task. Type names come from the task's tc rows (by TypeID);
// a type without a row keeps an empty name.
PlanView BuildPlanView(const PackWorkspace& ws, std::int32_t taskId, const std::vector<TcRow>& typeRows);

} // namespace palvane
