#pragma once
// How a Solve or a rebuild of a stored plan ended, and the task limits it checks. Plain types:
// the front ends read them without the engine's workspace.
#include <cstdint>
#include <string>

namespace palvane {

// Most containers and boxes a task may have: the workspace arrays hold 25 and 1001 slots.
inline constexpr int kMaxTaskContainers = 24;
inline constexpr int kMaxTaskBoxes = 1000;

// How a Solve or a rebuild ended.
enum class SolveStatus {
    Ok,
    NoTask,            // the task does not exist
    NoContainers,      // the task has no container row
    NoBoxes,           // the task has no box row
    TooManyContainers, // more than 24 containers in total
    TooManyBoxes,      // more than 1000 boxes in total
    ReadFailed,        // the task rows could not be read
    WriteFailed,       // the plan could not be stored; the previous solution is unchanged
};

// What the improvement stage did.
struct ImproveReport {
    bool ran = false;        // the stage ran (a budget above 0 and no abort before it)
    bool improved = false;   // ResultPlan was replaced by a better plan
    bool aborted = false;    // Esc ended the stage
    bool wallCapped = false; // the wall clock ended the stage before its work budget
    std::int64_t work = 0;   // work units spent
    int moves = 0;           // re-packs applied to the working plan
};

// Result of a pipeline run.
struct SolveOutcome {
    SolveStatus status = SolveStatus::Ok;
    std::string error;       // the store's message when reading or writing failed
    std::int32_t taskId = 0; // the task whose plan the workspace now holds; 0 when none
    bool stopped = false;    // the optimiser stopped early on time-out or abort
    bool aborted = false;    // the stop was an abort
    ImproveReport improve;   // what the improvement stage did (nothing when it is off)
    std::string elapsedText; // the run time in seconds as the progress window shows it
};

} // namespace palvane
