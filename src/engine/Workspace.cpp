#include "Workspace.h"

#include <chrono>
#include <ctime>

namespace palvane {

namespace {
// Days between 30 Dec 1899 (day 0 of the day-number clock) and 1 Jan 1970.
constexpr double kUnixEpochDay = 25569.0;
constexpr double kMsPerDay = 86400000.0;
} // namespace

double SystemMsClock::nowMs() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t secs = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&secs, &local);
    const double unixMs = double(duration_cast<milliseconds>(now.time_since_epoch()).count());
    return kUnixEpochDay * kMsPerDay + unixMs + double(local.tm_gmtoff) * 1000.0;
}

std::int32_t RandomBelow(std::uint32_t& state, std::int32_t n) {
    state = state * 134775813u + 1u;
    if (n < 1)
        return 0;
    return std::int32_t((std::uint64_t(std::uint32_t(n)) * state) >> 32);
}

std::int32_t PackWorkspace::RandomBelow(std::int32_t n) {
    return palvane::RandomBelow(RandState, n);
}

double PackWorkspace::NowMs() {
    if (clock)
        return clock->nowMs();
    static SystemMsClock systemClock;
    return systemClock.nowMs();
}

void ResetWorkspace(PackWorkspace& ws, PackPlan& plan) {
    ws.TypeCount = ws.ContCount = ws.KindCount = ws.BoxCount = 0;

    ws.TypeID.fill(0);
    ws.TypeLength.fill(0);
    ws.TypeWidth.fill(0);
    ws.TypeAvail.fill(0);
    ws.TypeLoadWt.fill(0);
    ws.TypeNoseWt.fill(0);
    ws.TypeTailWt.fill(0);
    ws.TypeNoseDL.fill(0);
    ws.TypeTailDL.fill(0);
    ws.TypeFillDir.fill(0);
    ws.TypeWolume.fill(0);
    ws.TypeCost.fill(0);
    for (auto& mark : ws.TypeMark)
        mark.set("?");
    ws.TypeRandKey.fill(0);
    ws.TypeUsed.fill(0);
    ws.ContType.fill(0);

    ws.KindID.fill(0);
    ws.KindLength.fill(0);
    ws.KindWidth.fill(0);
    ws.KindTotal.fill(0);
    ws.KindWeight.fill(0);
    ws.KindWolume.fill(0);
    ws.KindCost.fill(0);
    ws.KindTurnOn.fill(0);
    for (auto& name : ws.KindName)
        name.set("??");
    for (auto& mark : ws.KindMark)
        mark.set("?");
    ws.KindPlaced.fill(0);
    ws.KindColor.fill(0);
    ws.BoxKind.fill(0);

    plan = PackPlan{};

    ws.Intensity = 3;
    ws.TimeBudget = 555000.0;
    ws.RandBase = 1;
    ws.WeightFactor = ws.CostFactor = ws.LeftFactor = ws.BindFactor = 0;
    ws.ItemGap = ws.WallGap = 0;
    ws.LastOff = 1;
    ws.TaskTurnOn = 1;
    ws.DefltOn = 1;

    ws.StopFlag = 0;
    ws.TryLastAlt = 1;
}

} // namespace palvane
