#pragma once
// The optimiser settings a Solve runs with, and their copy in a tasks row.

#include "TaskRows.h"

#include <cstdint>

namespace palvane {

// The active optimiser settings as the engine reads them. Field names follow the settings
// record: Power "Opt.Intens", Time "Opt.Time" (seconds), Rand "Opt.Rand", Qw "Weight Factor"
// (percent), Qg "Bind Group Factor", Qc "Cost Factor", Qr "Left Factor", BB "Item Gap",
// BW "Wall Gap", Last "LastOff", Improve "Improve" (seconds). The defaults are those of a fresh installation.
struct SolveSettings {
    std::int16_t Power = 5;
    std::int16_t Time = 555;
    std::int16_t Rand = 1;
    std::int16_t Qw = 0;
    std::int16_t Qg = 0;
    std::int16_t Qc = 0;
    std::int16_t Qr = 0;
    std::int16_t BB = 0;
    std::int16_t BW = 0;
    bool Last = true;
    // Seconds of the improvement stage after the optimiser, 0 to 600; 0 leaves it off. Not kept
    // in the tasks row.
    std::int16_t Improve = 0;

    bool operator==(const SolveSettings&) const = default;
};

// The settings stored in a tasks row: its Qw holds the weight factor plus 100 x the bind group
// factor.
inline SolveSettings settingsFromTask(const TaskSolveFields& f) {
    SolveSettings s;
    s.Power = f.Power;
    s.Time = f.Time;
    s.Rand = f.Rand;
    s.Qw = static_cast<std::int16_t>(f.Qw % 100);
    s.Qg = static_cast<std::int16_t>(f.Qw / 100);
    s.Qc = f.Qc;
    s.Qr = f.Qr;
    s.BB = f.BB;
    s.BW = f.BW;
    s.Last = f.Last;
    return s;
}

// The tasks row fields that record the settings a plan was made with.
inline TaskSolveFields taskFieldsFromSettings(const SolveSettings& s) {
    TaskSolveFields f;
    f.Power = s.Power;
    f.Time = s.Time;
    f.Rand = s.Rand;
    f.Qw = static_cast<std::int16_t>(s.Qw + 100 * s.Qg);
    f.Qc = s.Qc;
    f.Qr = s.Qr;
    f.BB = s.BB;
    f.BW = s.BW;
    f.Last = s.Last;
    return f;
}

} // namespace palvane
