#pragma once
// The planning session: owns the engine's workspace and knows which task's plan it holds. It
// runs the operations on a task of a store (check, solve, clear, rebuild of the stored plan)
// for both front ends, so the Task Page and palvane-cli solve the same way, and hands the plan
// out as a read-only plan view. Nothing outside the session sees the workspace.
#include "PlanView.h"
#include "SolveOutcome.h"
#include "SolveSettings.h"
#include "TaskRows.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace palvane {

class LayoutSearch;
class MsClock;
class ProgressSink;
class Prompter;
class Store;
struct PackWorkspace;

// What a Solve needs to know of a task before it starts.
struct TaskCheck {
    RowsStatus read = RowsStatus::Ok; // NoTask or Failed: the task could not be read (see error)
    std::string error;
    SolveStatus status = SolveStatus::Ok; // whether the task's rows fit the workspace
    bool solved = false;                  // the task holds a stored solution
    SolveSettings taskSettings;           // the settings stored with the task
    SolveSettings settings;               // the settings the check was made for
    // The kinds with boxes that fit no container of the task (with the settings' wall gap).
    std::vector<std::string> kindsFittingNoContainer;

    bool ok() const { return read == RowsStatus::Ok && status == SolveStatus::Ok; }
};

class PlanningSession {
public:
    PlanningSession();
    ~PlanningSession();
    PlanningSession(const PlanningSession&) = delete;
    PlanningSession& operator=(const PlanningSession&) = delete;

    // The layout search of a Solve; the product's own unless one is set (tests).
    void setLayoutSearch(LayoutSearch* search) { m_search = search; }
    // The clock of a Solve; the local wall clock unless one is set (tests).
    void setClock(MsClock* clock);

    // The task whose plan the session holds; 0 when it holds none.
    std::int32_t taskId() const { return m_taskId; }
    // Forgets the plan (after a database switch, say); the next rebuild reads it anew.
    void forget();
    // The plan the session holds (an empty view when it holds none).
    const PlanView& plan() const { return m_plan; }
    // Holds a plan made elsewhere (a preview, a test's hand-made plan) as the plan of its task.
    void holdPlan(const PlanView& plan) {
        m_plan = plan;
        m_taskId = plan.taskId;
    }
    // How many times a stored plan was laid out.
    int rebuildCount() const { return m_rebuilds; }

    // The flag that stops a running Solve at its next tick with the best plan so far (the
    // progress window's Esc sets it to 1).
    std::uint8_t* abortFlag();
    void requestAbort();
    bool abortRequested() const;

    // Reads the task and checks that it can be solved with the given settings (the task's own
    // when none are given).
    TaskCheck checkTask(Store& store, std::int32_t taskId,
                        const std::optional<SolveSettings>& settings = std::nullopt) const;
    // Solves the task with the settings and stores the plan. A solved task is solved anew: its
    // solution is replaced (fixed containers stay) only once the new plan is stored, so an
    // interruption leaves the task as it was. Progress and the engine's messages go to the
    // given receivers. On success the session holds the new plan.
    SolveOutcome solve(Store& store, std::int32_t taskId, const SolveSettings& settings, Prompter& prompter,
                       ProgressSink& progress);
    // Clears the task's stored solution except its fixed containers.
    RowsStatus clear(Store& store, std::int32_t taskId, Prompter& prompter, ProgressSink& progress,
                     std::string& error);
    // Lays out the task's stored plan when the session holds another task's (or none).
    SolveOutcome rebuild(Store& store, std::int32_t taskId);

private:
    LayoutSearch& search();

    std::unique_ptr<PackWorkspace> m_ws;
    std::unique_ptr<LayoutSearch> m_ownSearch;
    LayoutSearch* m_search = nullptr;
    std::int32_t m_taskId = 0;
    PlanView m_plan;
    int m_rebuilds = 0;
};

} // namespace palvane
