#pragma once
// A predictable stand-in for the layout search, and a workspace set up from task rows, for
// the driver's tests. The stand-in packs the offered items in their order on shelves across
// the floor (no turning) within the weight limit, and scores a pass by its area fill.

#include "Optimiser.h"
#include "Preprocess.h"
#include "Progress.h"
#include "SolveSettings.h"
#include "TaskLoading.h"
#include "TaskRows.h"
#include "Workspace.h"

#include <algorithm>
#include <functional>
#include <memory>

namespace palvane::testing {

// A clock the test moves by hand.
class ManualClock : public MsClock {
public:
    double nowMs() override { return now; }
    double now = 45000.0 * 86400000.0;
};

// A clock that moves on by a fixed step each time it is read.
class SteppingClock : public MsClock {
public:
    explicit SteppingClock(double step, double startDay = 45000.0)
        : m_step(step), m_now(startDay * 86400000.0) {}
    double nowMs() override { return m_now += m_step; }

private:
    double m_step;
    double m_now;
};

class FakeSearch : public LayoutSearch {
public:
    void reset(PackWorkspace& ws) override {
        ws.ItemCount = 0;
        ws.items.Placed.fill(0);
        ws.order.Item.fill(0);
        ws.items.PosX.fill(0);
        ws.items.PosY.fill(0);
        ws.CornerGapL.assign(1, 0);
        ws.CornerGapW.assign(1, 0);
        ws.SearchTimeBudget = 55000;
    }

    void run(PackWorkspace& ws) override {
        ++runs;
        offered.push_back(ws.SearchSeed - ws.RandBase);
        const double start = ws.NowMs();
        if (beforeRun)
            beforeRun(ws);
        if (clock)
            clock->now += msPerSearch;
        if (ws.progress)
            ws.progress->processEvents();
        pack(ws);
        if (ws.AbortFlag || ws.NowMs() >= start + ws.SearchTimeBudget)
            ws.StopFlag = 1;
    }

    ManualClock* clock = nullptr; // advanced by msPerSearch on every search
    double msPerSearch = 0;
    std::function<void(PackWorkspace&)> beforeRun;
    int runs = 0;
    std::vector<int> offered; // container number of every search, in order

private:
    static void pack(PackWorkspace& ws) {
        const long long floorL = ws.CornerGapL[0];
        const long long floorW = ws.CornerGapW[0];
        long long x = 0, y = 0, depth = 0;
        ws.pass.Count = 0;
        ws.pass.Weight = 0;
        ws.pass.Wolume = 0;
        ws.pass.Cost = 0;
        for (int p = 1; p <= ws.ItemCount; ++p) {
            ws.order.Item[p] = static_cast<std::int16_t>(p);
            const long long len = ws.items.Len[p];
            const long long wid = ws.items.Wid[p];
            if (ws.pass.Weight + ws.ItemWeight[p] > ws.SearchLoadWt || wid > floorW)
                continue;
            if (y + wid > floorW) {
                x += depth;
                y = 0;
                depth = 0;
            }
            if (x + len > floorL)
                continue;
            ws.items.Placed[p] = 1;
            ws.items.PosX[p] = static_cast<Coord>(x);
            ws.items.PosY[p] = static_cast<Coord>(y);
            y += wid;
            depth = std::max(depth, len);
            ++ws.pass.Count;
            ws.pass.Weight += ws.ItemWeight[p];
            ws.pass.Wolume = static_cast<float>(ws.pass.Wolume + static_cast<long double>(ws.ItemWolume[p]));
            ws.pass.Cost = static_cast<float>(ws.pass.Cost + static_cast<long double>(ws.ItemCost[p]));
        }
        ws.pass.NoseLoad = ws.pass.Weight / 2;
        ws.pass.TailLoad = ws.pass.Weight - ws.pass.NoseLoad;
        ws.SearchScore = static_cast<float>(ws.pass.Wolume / (ws.SearchWolume + 1e-5L));
    }
};

// A workspace of its own (it is too large for the stack).
inline std::unique_ptr<PackWorkspace> newWorkspace() {
    auto ws = std::make_unique<PackWorkspace>();
    ResetWorkspace(*ws, ws->StartPlan);
    return ws;
}

// The Solve pipeline's first steps: reset, rows, settings, numbering and summary.
inline void prepareWorkspace(PackWorkspace& ws, const TaskRows& rows,
                             const SolveSettings& settings = SolveSettings{}) {
    static ProgressSink silent;
    ResetWorkspace(ws, ws.StartPlan);
    ReadTaskRows(ws, rows, silent);
    ApplySettings(ws, settings);
    Preprocess(ws);
}

} // namespace palvane::testing
