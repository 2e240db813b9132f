#include "PlanningSession.h"

#include "EngineRows.h"
#include "FitCheck.h"
#include "Optimiser.h"
#include "PlanViewBuilder.h"
#include "SolvePipeline.h"
#include "Store.h"
#include "TaskHold.h"
#include "WriteBack.h"

namespace palvane {

namespace {

// Reads through another source and keeps the container rows of the last read: the plan view
// takes the type names from them.
class TypeRowsKeeper : public TaskRowSource {
public:
    explicit TypeRowsKeeper(TaskRowSource& source) : m_source(source) {}
    RowsStatus readTask(std::int32_t taskId, TaskRows& rows, std::string& error) override {
        const RowsStatus status = m_source.readTask(taskId, rows, error);
        if (status == RowsStatus::Ok)
            tc = rows.tc;
        return status;
    }
    std::vector<TcRow> tc;

private:
    TaskRowSource& m_source;
};

} // namespace

PlanningSession::PlanningSession() : m_ws(std::make_unique<PackWorkspace>()) {}

PlanningSession::~PlanningSession() = default;

void PlanningSession::setClock(MsClock* clock) {
    m_ws->clock = clock;
}

void PlanningSession::forget() {
    m_taskId = 0;
    m_plan = PlanView{};
}

std::uint8_t* PlanningSession::abortFlag() {
    return &m_ws->AbortFlag;
}

void PlanningSession::requestAbort() {
    m_ws->AbortFlag = 1;
}

bool PlanningSession::abortRequested() const {
    return m_ws->AbortFlag != 0;
}

LayoutSearch& PlanningSession::search() {
    if (m_search)
        return *m_search;
    if (!m_ownSearch)
        m_ownSearch = NewLayoutSearch();
    return *m_ownSearch;
}

TaskCheck PlanningSession::checkTask(Store& store, std::int32_t taskId,
                                     const std::optional<SolveSettings>& settings) const {
    TaskCheck check;
    EngineRows rows(store);
    TaskRows task;
    check.read = rows.readTask(taskId, task, check.error);
    if (check.read != RowsStatus::Ok)
        return check;
    check.status = CheckSolvePreconditions(task);
    check.solved = task.task.Solut;
    check.taskSettings = settingsFromTask(task.task.solve);
    check.settings = settings.value_or(check.taskSettings);
    check.kindsFittingNoContainer = kindsFittingNoContainer(task, check.settings.BW);
    return check;
}

SolveOutcome PlanningSession::solve(Store& store, std::int32_t taskId, const SolveSettings& settings,
                                    Prompter& prompter, ProgressSink& progress) {
    EngineRows rows(store);
    PrompterMessages messages(prompter);
    // The solve reads the task as its clear would leave it; the stored rows change only when
    // the new plan replaces them.
    ClearedTaskSource cleared(rows, messages, progress);
    TypeRowsKeeper source(cleared);
    EngineServices services{source, rows, messages, search()};
    m_ws->progress = &progress;
    const SolveOutcome outcome = SolveTask(*m_ws, taskId, settings, services);
    m_ws->progress = nullptr;
    if (outcome.status == SolveStatus::Ok) {
        m_taskId = outcome.taskId;
        m_plan = BuildPlanView(*m_ws, m_taskId, source.tc);
    } else if (outcome.taskId != 0) {
        // The workspace holds a plan that was not stored: the stored one is read anew when
        // it is asked for.
        forget();
    }
    return outcome;
}

RowsStatus PlanningSession::clear(Store& store, std::int32_t taskId, Prompter& prompter,
                                  ProgressSink& progress, std::string& error) {
    // The task as read is the task that is cleared: its row is held from the read to the write.
    TaskHold hold(store, taskId);
    if (!hold.isHeld()) {
        error = hold.error().toStdString();
        return RowsStatus::Failed;
    }
    EngineRows rows(store);
    PrompterMessages messages(prompter);
    RowsStatus status = ClearSolution(taskId, rows, rows, messages, progress, error);
    if (status == RowsStatus::Ok && !hold.commit()) {
        error = store.lastError().toStdString();
        status = RowsStatus::Failed;
    }
    if (m_taskId == taskId)
        forget();
    return status;
}

SolveOutcome PlanningSession::rebuild(Store& store, std::int32_t taskId) {
    if (taskId == m_taskId && taskId != 0) {
        SolveOutcome held;
        held.taskId = taskId;
        return held;
    }
    EngineRows rows(store);
    TypeRowsKeeper source(rows);
    const SolveOutcome outcome = RebuildStoredPlan(*m_ws, taskId, source);
    if (outcome.status == SolveStatus::Ok) {
        ++m_rebuilds;
        m_taskId = outcome.taskId;
        m_plan = BuildPlanView(*m_ws, m_taskId, source.tc);
    }
    return outcome;
}

} // namespace palvane
