#pragma once
// Varied tasks drawn from a seed, for tests that solve many different tasks: several box size
// classes, turning switched on and off per kind and for the task, bind groups, item and wall gaps,
// axle limits, fill directions, weight limits that bind, costs, and settings of every kind.

#include "SolveSettings.h"
#include "TaskRows.h"
#include "TaskRowsFixtures.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

namespace palvane::testing {

// The box size classes of the generated tasks.
enum class BoxClass { Uniform, Mixed, Long, Large, ManySmall, Squares };
inline constexpr int kBoxClassCount = 6;

// One generated task and the settings it is solved with.
struct GeneratedTask {
    std::string name;
    TaskRows rows;
    SolveSettings settings;
    bool fixAndResolve = false; // fix a container of the plan, clear and solve again
};

// Draws tasks from a fixed-seed generator; the same seed gives the same tasks everywhere.
class TaskGenerator {
public:
    explicit TaskGenerator(std::uint32_t seed) : m_rng(seed) {}

    GeneratedTask next(int number) {
        const auto boxClass = static_cast<BoxClass>(number % kBoxClassCount);
        GeneratedTask g;
        g.name = "generated_" + std::to_string(number);
        g.rows = taskRows(containers(), {}, number + 1);
        g.rows.task.TurnOn = chance(80);
        g.rows.task.DefltOn = chance(30);
        g.rows.tb = boxes(boxClass, g.rows.tc);
        g.settings = settings();
        g.fixAndResolve = number % 4 == 3;
        return g;
    }

private:
    // Plain modulo of the engine-independent mt19937 stream, so every standard library draws the
    // same tasks.
    int between(int lo, int hi) { return lo + int(m_rng() % std::uint32_t(hi - lo + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T, std::size_t N> T pick(const T (&values)[N]) {
        return values[between(0, int(N) - 1)];
    }

    std::vector<TcRow> containers() {
        const int types = between(1, 4);
        int left = 24;
        std::vector<TcRow> tc;
        for (int t = 1; t <= types && left > 0; ++t) {
            const int avail = std::min(left, between(1, 5));
            left -= avail;
            const auto length = std::int16_t(between(800, 3000));
            const auto width = std::int16_t(between(500, std::min<int>(length, 2500)));
            const char* fillDirs[] = {"Length", "Width", ""};
            TcRow r = containerRow(10 + t, std::int16_t(avail), length, width, between(300, 3000),
                                   pick(fillDirs), between(0, 1000));
            if (chance(40)) {
                r.NoseDL = std::int16_t(length * between(3, 15) / 100);
                r.TailDL = std::int16_t(length * between(5, 30) / 100);
                r.NoseWt = r.LoadWt * between(30, 80) / 100;
                r.TailWt = r.LoadWt * between(30, 80) / 100;
            }
            tc.push_back(r);
        }
        return tc;
    }

    std::vector<TbRow> boxes(BoxClass boxClass, const std::vector<TcRow>& tc) {
        int minL = 30000, minW = 30000;
        for (const TcRow& r : tc) {
            minL = std::min<int>(minL, r.Length);
            minW = std::min<int>(minW, r.Width);
        }
        int kinds = 1, perKindLo = 1, perKindHi = 1;
        int sizeLo = 10, sizeHi = 40; // percent of the smallest floor's sides
        switch (boxClass) {
        case BoxClass::Uniform:
            kinds = between(1, 3);
            perKindLo = 10;
            perKindHi = 40;
            sizeLo = 15;
            sizeHi = 25;
            break;
        case BoxClass::Mixed:
            kinds = between(4, 10);
            perKindLo = 2;
            perKindHi = 15;
            sizeLo = 8;
            sizeHi = 45;
            break;
        case BoxClass::Long:
            kinds = between(2, 5);
            perKindLo = 3;
            perKindHi = 20;
            sizeLo = 5;
            sizeHi = 15;
            break;
        case BoxClass::Large:
            kinds = between(2, 4);
            perKindLo = 1;
            perKindHi = 5;
            sizeLo = 30;
            sizeHi = 70;
            break;
        case BoxClass::ManySmall:
            kinds = between(2, 4);
            perKindLo = 30;
            perKindHi = 70;
            sizeLo = 5;
            sizeHi = 12;
            break;
        case BoxClass::Squares:
            kinds = between(2, 5);
            perKindLo = 5;
            perKindHi = 20;
            sizeLo = 10;
            sizeHi = 35;
            break;
        }
        std::vector<TbRow> tb;
        for (int k = 1; k <= kinds; ++k) {
            int width = std::max(1, minW * between(sizeLo, sizeHi) / 100);
            int length = boxClass == BoxClass::Squares ? width
                         : boxClass == BoxClass::Long  ? std::min(minL, width * between(3, 6))
                                                       : std::max(1, minL * between(sizeLo, sizeHi) / 100);
            if (chance(20))
                std::swap(length, width); // some kinds lie across the floor
            const auto total = std::int16_t(between(perKindLo, perKindHi));
            tb.push_back(boxRow(100 + k, total, std::int16_t(length), std::int16_t(width), between(1, 200),
                                chance(70), between(0, 100)));
        }
        return tb;
    }

    SolveSettings settings() {
        const std::int16_t weightFactors[] = {0, 0, 30, 100};
        const std::int16_t bindFactors[] = {0, 0, 0, 5, 6, 7, 8, 9, 10};
        const std::int16_t itemGaps[] = {0, 0, 5, 20};
        const std::int16_t wallGaps[] = {0, 0, 10};
        SolveSettings s;
        s.Power = std::int16_t(between(0, 3));
        s.Rand = std::int16_t(between(1, 9));
        s.Qw = pick(weightFactors);
        s.Qg = pick(bindFactors);
        s.Qc = std::int16_t(chance(25) ? 20 : 0);
        s.Qr = std::int16_t(chance(25) ? 10 : 0);
        s.BB = pick(itemGaps);
        s.BW = pick(wallGaps);
        s.Last = chance(70);
        return s;
    }

    std::mt19937 m_rng;
};

} // namespace palvane::testing
