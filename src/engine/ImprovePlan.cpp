#include "ImprovePlan.h"

#include "EngineMath.h"
#include "MaxRects.h"
#include "PlanEvaluation.h"
#include "PlanMath.h"
#include "Progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <vector>

namespace palvane {

namespace {

// A box as the packer sees it: extents with the item gap, in the search's coordinates.
struct BoxInfo {
    RectCoord l = 0, w = 0;
    bool turn = false;
    std::int32_t weight = 0;
    float area = 0;
    int kind = 0;
};

// A box placed on a container floor (search coordinates: the floor less the walls).
struct Placed {
    std::int16_t box = 0;
    RectCoord x = 0, y = 0, l = 0, w = 0;
};

// One container's floor and limits in the search's coordinates.
struct Floor {
    RectCoord length = 0, width = 0;
    long double weightLimit = 0; // weight capacity with its tolerance
    long double areaLimit = 0;   // floor area with its tolerance
    std::int32_t noseWt = 0, tailWt = 0;
    RectCoord noseAxle = 0, tailDist = 0;
    int fillDir = 0;
    bool usable = false;
    RectCoord wheelbase() const { return length - noseAxle - tailDist; }
    bool supportChecks() const { return std::int64_t(noseWt) + tailWt >= 1 && wheelbase() >= 1; }
};

// Deterministic generator of the stage (independent of the engine's RandState).
class StageRandom {
public:
    explicit StageRandom(std::uint64_t seed)
        : m_state(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    std::uint32_t next() {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return std::uint32_t((m_state * 0x2545F4914F6CDD1Dull) >> 32);
    }
    int below(int n) { return n <= 1 ? 0 : int((std::uint64_t(next()) * std::uint32_t(n)) >> 32); }

private:
    std::uint64_t m_state;
};

// Support loads of a layout and whether they keep the limits, after the rearward shift the
// placement pass applies when the nose support is overloaded (the shift moves the layout).
struct SupportResult {
    std::int32_t nose = 0, tail = 0;
    bool ok = true;
};

SupportResult settleSupports(const Floor& f, const std::vector<BoxInfo>& boxes, std::vector<Placed>& items) {
    SupportResult r;
    long double weight = 0, moment = 0;
    RectCoord maxX = 0;
    for (const Placed& p : items) {
        const std::int32_t w = boxes[p.box].weight;
        weight += w;
        moment += ((long double)p.l * 0.5L + p.x) * w;
        maxX = std::max(maxX, p.x + p.l);
    }
    const RectCoord d = f.wheelbase();
    auto loads = [&](long double centre) {
        r.tail = d >= 1 ? NearestInt<std::int32_t>((centre - f.noseAxle) * weight / d) : 0;
        r.nose = std::int32_t(std::int64_t(weight) - r.tail);
    };
    long double centre = weight > 0 ? moment / weight : 0;
    loads(centre);
    if (!f.supportChecks())
        return r;
    if (weight >= 1 && r.nose > f.noseWt) {
        RectCoord shift = NearestInt<RectCoord>((long double)d / weight * ((long double)r.nose - f.noseWt));
        if (std::int64_t(maxX) + shift > f.length)
            shift = f.length - maxX;
        for (Placed& p : items)
            p.x += shift;
        centre += shift;
        loads(centre);
    }
    r.ok = r.nose <= f.noseWt && r.tail <= f.tailWt;
    return r;
}

// Position key of the loading order (the search's final order by position).
std::int64_t positionKey(int fillDir, const Placed& p) {
    const std::int64_t x = p.x, y = p.y;
    return fillDir == 1 ? 10 * x + 2 * y : fillDir == 2 ? 10 * y + 2 * x : 6 * x + 6 * y;
}

// A container's content in the working plan.
struct Content {
    std::vector<Placed> items; // in loading order
    bool repacked = false;     // changed by the stage (else the optimiser's rows are kept)
    std::int32_t nose = 0, tail = 0;
};

// Everything one packing attempt needs and gives.
struct Attempt {
    std::vector<int> bins;               // container numbers, in filling order
    std::vector<std::int16_t> mandatory; // boxes that must all be placed
    std::vector<std::int16_t> optional;  // boxes placed where they still fit
    FitRule rule = FitRule::ShortSide;
    bool global = false; // per container, the best box and position over all boxes left
    // result
    std::vector<std::vector<Placed>> layout;
    std::vector<SupportResult> supports;
    std::vector<std::int16_t> leftOptional;
};

class Improver {
public:
    Improver(PackWorkspace& ws, std::int64_t budget, double wallCapMs, const ImproveMoves& moves)
        : m_ws(ws), m_budget(budget), m_wallCap(wallCapMs), m_moves(moves),
          m_rand(std::uint64_t(ws.RandBase) + 7919u) {}

    ImproveReport run();

private:
    // ---- set-up ----
    void describe();
    void loadState(const PackPlan& plan);
    // ---- packing ----
    bool pack(Attempt& a);
    bool packPlain(Attempt& a, std::vector<MaxRectsFloor>& floors, std::vector<long double>& weights);
    bool packGroups(Attempt& a, std::vector<MaxRectsFloor>& floors, std::vector<long double>& weights);
    void addOptional(Attempt& a, std::vector<MaxRectsFloor>& floors, std::vector<long double>& weights);
    bool placeGroup(const std::vector<std::int16_t>& boxes, std::size_t from, std::size_t to, Attempt& a,
                    std::vector<MaxRectsFloor>& floors, std::vector<long double>& weights);
    std::size_t groupEnd(const std::vector<std::int16_t>& boxes, std::size_t from) const;
    void order(std::vector<std::int16_t>& boxes, int key, bool shake);
    void apply(const Attempt& a);
    // ---- plan ----
    PackPlan buildPlan() const;
    bool offerBest();
    // ---- moves ----
    void fullRepacks();
    void localSearch();
    bool emptyInto(int target, const std::vector<int>& partners);
    bool shiftOut(int target, const std::vector<int>& partners);
    bool swapType(int target);
    bool kindsClosed(const std::vector<int>& conts) const;
    bool atLowerBound() const;
    std::vector<std::int16_t> optionalBoxes() const;
    std::vector<std::int16_t> boxesOf(const std::vector<int>& conts) const;
    long double fill(int j) const;
    std::vector<int> usedFree() const;
    // ---- budget ----
    bool spent();
    void tick();

    PackWorkspace& m_ws;
    std::int64_t m_budget;
    double m_wallCap;
    ImproveMoves m_moves;
    StageRandom m_rand;
    std::int64_t m_work = 0;
    std::int64_t m_nextTick = 0;
    double m_start = 0;
    bool m_stop = false;
    ImproveReport m_report;

    bool m_bind = false;
    std::vector<BoxInfo> m_boxes;   // by box number
    std::vector<Floor> m_floors;    // by container number
    std::vector<Content> m_content; // by container number
    std::vector<std::int16_t> m_unplaced;
    PackPlan m_base; // the optimiser's plan
    PackPlan m_best; // the best plan so far
    float m_bestScore = 0;
};

void Improver::describe() {
    PackWorkspace& ws = m_ws;
    // The search's bind modes start at a "Bind Group Factor" of 5.
    m_bind = NearestInt<int>(10.0L * ws.BindFactor) >= 5;
    m_boxes.assign(std::size_t(ws.BoxCount) + 1, BoxInfo{});
    for (int b = 1; b <= ws.BoxCount; ++b) {
        const int k = ws.BoxKind[b];
        BoxInfo& x = m_boxes[std::size_t(b)];
        x.l = RectCoord(ws.KindLength[k]) + ws.ItemGap;
        x.w = RectCoord(ws.KindWidth[k]) + ws.ItemGap;
        x.turn = ws.DefltOn ? ws.TaskTurnOn != 0 : ws.KindTurnOn[k] != 0;
        x.weight = ws.KindWeight[k];
        x.area = ws.KindWolume[k];
        x.kind = k;
    }
    m_floors.assign(kContSlots, Floor{});
    for (int j = 1; j <= ws.ContCount; ++j) {
        const int t = ws.ContType[j];
        Floor& f = m_floors[std::size_t(j)];
        f.length = RectCoord(ws.TypeLength[t]) + ws.ItemGap - 2 * RectCoord(ws.WallGap);
        f.width = RectCoord(ws.TypeWidth[t]) + ws.ItemGap - 2 * RectCoord(ws.WallGap);
        f.weightLimit = (long double)ws.TypeLoadWt[t] * 1.001L;
        f.areaLimit = (long double)ws.TypeWolume[t] * 1.001L;
        f.noseWt = ws.TypeNoseWt[t];
        f.tailWt = ws.TypeTailWt[t];
        f.noseAxle = RectCoord(ws.TypeNoseDL[t]) + ws.ItemGap / 2 - ws.WallGap;
        f.tailDist = RectCoord(ws.TypeTailDL[t]) + ws.ItemGap / 2 - ws.WallGap;
        f.fillDir = ws.TypeFillDir[t];
        f.usable = f.length > 0 && f.width > 0 && !m_base.FixCont[j];
    }
}

void Improver::loadState(const PackPlan& plan) {
    m_content.assign(kContSlots, Content{});
    m_unplaced.clear();
    std::vector<std::vector<std::pair<std::int16_t, std::int16_t>>> byCont(kContSlots);
    for (int b = 1; b <= m_ws.BoxCount; ++b) {
        const int j = plan.ContNo[b];
        if (j < 1 || j > m_ws.ContCount) {
            m_unplaced.push_back(std::int16_t(b));
            continue;
        }
        byCont[std::size_t(j)].push_back({plan.LoadNo[b], std::int16_t(b)});
    }
    for (int j = 1; j <= m_ws.ContCount; ++j) {
        auto& list = byCont[std::size_t(j)];
        std::stable_sort(list.begin(), list.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        Content& c = m_content[std::size_t(j)];
        c.nose = plan.NoseLoad[j];
        c.tail = plan.TailLoad[j];
        for (const auto& [loadNo, b] : list) {
            Placed p;
            p.box = b;
            p.x = RectCoord(plan.PosX[b]) - m_ws.WallGap;
            p.y = RectCoord(plan.PosY[b]) - m_ws.WallGap;
            p.l = RectCoord(plan.PosLh[b]) + m_ws.ItemGap;
            p.w = RectCoord(plan.PosWh[b]) + m_ws.ItemGap;
            c.items.push_back(p);
        }
    }
}

// ---- budget ----

bool Improver::spent() {
    if (m_work >= m_nextTick)
        tick();
    return m_stop || m_work >= m_budget;
}

void Improver::tick() {
    // About fifty looks at the window per second of work, and at least one per hundredth.
    m_nextTick = m_work + std::clamp<std::int64_t>(m_budget / 100, 1, kImproveWorkPerSecond / 50);
    const double now = m_ws.NowMs();
    if (m_ws.progress) {
        m_ws.progress->setOverall(
            int(std::min<std::int64_t>(100, m_work * 100 / std::max<std::int64_t>(m_budget, 1))));
        m_ws.progress->setElapsedText(plan_math::secondsText((now - m_ws.StartTime) / 1000.0L).c_str());
        m_ws.progress->processEvents();
    }
    if (m_ws.AbortFlag) {
        m_stop = true;
        m_report.aborted = true;
        if (m_ws.progress)
            m_ws.progress->setHint(ProgressHint::Aborted);
    } else if (now >= m_start + m_wallCap) {
        m_stop = true;
        m_report.wallCapped = true;
    }
}

// ---- packing ----

void Improver::order(std::vector<std::int16_t>& boxes, int key, bool shake) {
    auto keyOf = [&](std::int16_t b) -> std::int64_t {
        const BoxInfo& x = m_boxes[std::size_t(b)];
        switch (key % 5) {
        case 0:
            return std::int64_t(x.l) * x.w;
        case 1:
            return std::max(x.l, x.w) * 100000ll + std::min(x.l, x.w);
        case 2:
            return std::int64_t(x.l) + x.w;
        case 3:
            return x.l * 100000ll + x.w;
        default:
            return x.w * 100000ll + x.l;
        }
    };
    std::stable_sort(boxes.begin(), boxes.end(), [&](std::int16_t a, std::int16_t b) {
        const std::int64_t ka = keyOf(a), kb = keyOf(b);
        return ka != kb ? ka > kb : a < b;
    });
    if (shake && boxes.size() >= 2) {
        const int swaps = 1 + int(boxes.size()) / 4;
        for (int s = 0; s < swaps; ++s) {
            const int i = m_rand.below(int(boxes.size()) - 1);
            std::swap(boxes[std::size_t(i)], boxes[std::size_t(i) + 1]);
        }
    }
    if (m_bind) {
        // Kinds stay together, in the order of their first box.
        std::vector<int> firstPos(std::size_t(m_ws.KindCount) + 1, -1);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            int& f = firstPos[std::size_t(m_boxes[std::size_t(boxes[i])].kind)];
            if (f < 0)
                f = int(i);
        }
        std::stable_sort(boxes.begin(), boxes.end(), [&](std::int16_t a, std::int16_t b) {
            return firstPos[std::size_t(m_boxes[std::size_t(a)].kind)] <
                   firstPos[std::size_t(m_boxes[std::size_t(b)].kind)];
        });
    }
}

bool Improver::packPlain(Attempt& a, std::vector<MaxRectsFloor>& floors, std::vector<long double>& weights) {
    const std::size_t nb = a.bins.size();
    if (!a.global) {
        for (std::int16_t b : a.mandatory) {
            const BoxInfo& x = m_boxes[std::size_t(b)];
            bool placed = false;
            for (std::size_t i = 0; i < nb && !placed; ++i) {
                const Floor& f = m_floors[std::size_t(a.bins[i])];
                if (weights[i] + x.weight > f.weightLimit)
                    continue;
                const FitCandidate c = floors[i].find(x.l, x.w, x.turn, a.rule, m_work);
                if (!c.found)
                    continue;
                floors[i].place(c);
                weights[i] += x.weight;
                a.layout[i].push_back({b, c.x, c.y, c.l, c.w});
                placed = true;
            }
            if (!placed)
                return false;
        }
        return true;
    }
    std::vector<std::int16_t> left = a.mandatory;
    for (std::size_t i = 0; i < nb && !left.empty(); ++i) {
        const Floor& f = m_floors[std::size_t(a.bins[i])];
        for (;;) {
            FitCandidate best;
            std::size_t pick = left.size();
            for (std::size_t n = 0; n < left.size(); ++n) {
                const BoxInfo& x = m_boxes[std::size_t(left[n])];
                if (weights[i] + x.weight > f.weightLimit)
                    continue;
                const FitCandidate c = floors[i].find(x.l, x.w, x.turn, a.rule, m_work);
                if (c.beats(best)) {
                    best = c;
                    pick = n;
                }
            }
            if (pick == left.size())
                break;
            floors[i].place(best);
            weights[i] += m_boxes[std::size_t(left[pick])].weight;
            a.layout[i].push_back({left[pick], best.x, best.y, best.l, best.w});
            left.erase(left.begin() + std::ptrdiff_t(pick));
            if (m_work >= m_budget)
                return false;
        }
    }
    return left.empty();
}

bool Improver::placeGroup(const std::vector<std::int16_t>& boxes, std::size_t from, std::size_t to,
                          Attempt& a, std::vector<MaxRectsFloor>& floors, std::vector<long double>& weights) {
    // The boxes from..to-1 go together into the first container that takes them all; a
    // container that cannot take the last of them is left as it was.
    for (std::size_t i = 0; i < a.bins.size(); ++i) {
        const Floor& f = m_floors[std::size_t(a.bins[i])];
        MaxRectsFloor trial = floors[i];
        long double weight = weights[i];
        std::vector<Placed> added;
        bool all = true;
        for (std::size_t n = from; n < to && all; ++n) {
            const BoxInfo& x = m_boxes[std::size_t(boxes[n])];
            FitCandidate c;
            if (weight + x.weight <= f.weightLimit)
                c = trial.find(x.l, x.w, x.turn, a.rule, m_work);
            if (!c.found) {
                all = false;
                break;
            }
            trial.place(c);
            weight += x.weight;
            added.push_back({boxes[n], c.x, c.y, c.l, c.w});
        }
        if (!all)
            continue;
        floors[i] = std::move(trial);
        weights[i] = weight;
        a.layout[i].insert(a.layout[i].end(), added.begin(), added.end());
        return true;
    }
    return false;
}

// End of the run of boxes of one kind starting at from (under a bind mode), else from + 1.
std::size_t Improver::groupEnd(const std::vector<std::int16_t>& boxes, std::size_t from) const {
    std::size_t end = from + 1;
    if (m_bind) {
        const int kind = m_boxes[std::size_t(boxes[from])].kind;
        while (end < boxes.size() && m_boxes[std::size_t(boxes[end])].kind == kind)
            ++end;
    }
    return end;
}

bool Improver::packGroups(Attempt& a, std::vector<MaxRectsFloor>& floors, std::vector<long double>& weights) {
    // Under a bind mode every kind goes whole into one container: a kind that does not fit
    // completely is taken out of that container again and tried in the next one.
    for (std::size_t g = 0; g < a.mandatory.size();) {
        const std::size_t end = groupEnd(a.mandatory, g);
        if (!placeGroup(a.mandatory, g, end, a, floors, weights))
            return false;
        g = end;
    }
    return true;
}

void Improver::addOptional(Attempt& a, std::vector<MaxRectsFloor>& floors,
                           std::vector<long double>& weights) {
    // Under a bind mode an unplaced kind is offered whole (optional lists only whole kinds).
    for (std::size_t n = 0; n < a.optional.size();) {
        const std::size_t end = groupEnd(a.optional, n);
        if (!placeGroup(a.optional, n, end, a, floors, weights))
            a.leftOptional.insert(a.leftOptional.end(), a.optional.begin() + std::ptrdiff_t(n),
                                  a.optional.begin() + std::ptrdiff_t(end));
        n = end;
    }
}

bool Improver::pack(Attempt& a) {
    const std::size_t nb = a.bins.size();
    a.layout.assign(nb, {});
    a.supports.assign(nb, {});
    a.leftOptional.clear();
    std::vector<MaxRectsFloor> floors(nb);
    std::vector<long double> weights(nb, 0.0L);
    for (std::size_t i = 0; i < nb; ++i) {
        const Floor& f = m_floors[std::size_t(a.bins[i])];
        floors[i].reset(f.length, f.width);
    }
    const bool ok = m_bind ? packGroups(a, floors, weights) : packPlain(a, floors, weights);
    if (!ok)
        return false;
    addOptional(a, floors, weights);
    for (std::size_t i = 0; i < nb; ++i) {
        const Floor& f = m_floors[std::size_t(a.bins[i])];
        long double area = 0;
        for (const Placed& p : a.layout[i])
            area += m_boxes[std::size_t(p.box)].area;
        if (area > f.areaLimit)
            return false;
        a.supports[i] = settleSupports(f, m_boxes, a.layout[i]);
        if (!a.supports[i].ok)
            return false;
        std::stable_sort(a.layout[i].begin(), a.layout[i].end(), [&](const Placed& p, const Placed& q) {
            return positionKey(f.fillDir, p) < positionKey(f.fillDir, q);
        });
    }
    return true;
}

void Improver::apply(const Attempt& a) {
    for (std::size_t i = 0; i < a.bins.size(); ++i) {
        Content& c = m_content[std::size_t(a.bins[i])];
        c.items = a.layout[i];
        c.repacked = true;
        c.nose = a.supports[i].nose;
        c.tail = a.supports[i].tail;
    }
    // Boxes offered as optional and not placed stay unplaced; placed ones leave the list.
    std::vector<char> placed(std::size_t(m_ws.BoxCount) + 1, 0);
    for (const auto& list : a.layout)
        for (const Placed& p : list)
            placed[std::size_t(p.box)] = 1;
    std::vector<std::int16_t> still;
    for (std::int16_t b : m_unplaced)
        if (!placed[std::size_t(b)])
            still.push_back(b);
    m_unplaced.swap(still);
    ++m_report.moves;
}

// ---- plan ----

PackPlan Improver::buildPlan() const {
    const PackWorkspace& ws = m_ws;
    PackPlan plan = m_base;
    for (int j = 1; j <= ws.ContCount; ++j) {
        const Content& c = m_content[std::size_t(j)];
        if (!c.repacked)
            continue;
        // Clear the rows of the boxes the optimiser had put here; the content's boxes follow.
        for (int b = 1; b <= ws.BoxCount; ++b) {
            if (plan.ContNo[b] != j)
                continue;
            plan.ContNo[b] = plan.LoadNo[b] = 0;
            plan.PosX[b] = plan.PosY[b] = plan.PosLh[b] = plan.PosWh[b] = 0;
        }
    }
    for (int j = 1; j <= ws.ContCount; ++j) {
        const Content& c = m_content[std::size_t(j)];
        if (!c.repacked)
            continue;
        std::int32_t weight = 0;
        float area = 0, cost = 0;
        std::int16_t n = 0;
        for (const Placed& p : c.items) {
            const int b = p.box;
            const int k = ws.BoxKind[b];
            plan.ContNo[b] = std::int16_t(j);
            plan.LoadNo[b] = ++n;
            plan.PosX[b] = std::int16_t(p.x + ws.WallGap);
            plan.PosY[b] = std::int16_t(p.y + ws.WallGap);
            plan.PosLh[b] = std::int16_t(p.l - ws.ItemGap);
            plan.PosWh[b] = std::int16_t(p.w - ws.ItemGap);
            weight = plan_math::add32(weight, ws.KindWeight[k]);
            area = plan_math::addF(area, ws.KindWolume[k]);
            cost = plan_math::addF(cost, ws.KindCost[k]);
        }
        plan.BoxLoad[j] = n;
        plan.WgtLoad[j] = weight;
        plan.WolLoad[j] = area;
        plan.CostLoad[j] = cost;
        plan.NoseLoad[j] = n ? c.nose : 0;
        plan.TailLoad[j] = n ? c.tail : 0;
    }
    // Boxes the optimiser left unplaced and the stage placed have rows now; the others keep 0.
    EvaluatePlan(ws, plan);
    plan.LastCont = m_base.LastCont;
    return plan;
}

bool Improver::offerBest() {
    PackPlan plan = buildPlan();
    if (!(plan.Score > m_bestScore))
        return false;
    m_best = plan;
    m_bestScore = plan.Score;
    m_report.improved = true;
    return true;
}

// ---- helpers ----

long double Improver::fill(int j) const {
    long double area = 0;
    for (const Placed& p : m_content[std::size_t(j)].items)
        area += m_boxes[std::size_t(p.box)].area;
    const long double floorArea = m_ws.TypeWolume[m_ws.ContType[j]];
    return floorArea > 0 ? area / floorArea : area;
}

std::vector<int> Improver::usedFree() const {
    std::vector<int> used;
    for (int j = 1; j <= m_ws.ContCount; ++j)
        if (m_floors[std::size_t(j)].usable && !m_content[std::size_t(j)].items.empty())
            used.push_back(j);
    return used;
}

std::vector<std::int16_t> Improver::boxesOf(const std::vector<int>& conts) const {
    std::vector<std::int16_t> boxes;
    for (int j : conts)
        for (const Placed& p : m_content[std::size_t(j)].items)
            boxes.push_back(p.box);
    return boxes;
}

std::vector<std::int16_t> Improver::optionalBoxes() const {
    if (!m_bind)
        return m_unplaced;
    // Under a bind mode only kinds with no box placed anywhere are offered, whole.
    std::vector<char> placedKind(std::size_t(m_ws.KindCount) + 1, 0);
    for (int j = 1; j <= m_ws.ContCount; ++j)
        for (const Placed& p : m_content[std::size_t(j)].items)
            placedKind[std::size_t(m_boxes[std::size_t(p.box)].kind)] = 1;
    std::vector<std::int16_t> boxes;
    for (std::int16_t b : m_unplaced)
        if (!placedKind[std::size_t(m_boxes[std::size_t(b)].kind)])
            boxes.push_back(b);
    std::stable_sort(boxes.begin(), boxes.end(), [&](std::int16_t a, std::int16_t b) {
        return m_boxes[std::size_t(a)].kind < m_boxes[std::size_t(b)].kind;
    });
    return boxes;
}

bool Improver::kindsClosed(const std::vector<int>& conts) const {
    if (!m_bind)
        return true;
    // Every kind in these containers must have all its boxes in them.
    std::vector<int> inside(std::size_t(m_ws.KindCount) + 1, 0);
    for (int j : conts)
        for (const Placed& p : m_content[std::size_t(j)].items)
            ++inside[std::size_t(m_boxes[std::size_t(p.box)].kind)];
    for (int k = 1; k <= m_ws.KindCount; ++k)
        if (inside[std::size_t(k)] != 0 && inside[std::size_t(k)] != m_ws.KindTotal[k])
            return false;
    return true;
}

// ---- moves ----

void Improver::fullRepacks() {
    // All free containers at once: the used ones, fullest first, then the empty ones, largest
    // first; every rule and two box orders.
    std::vector<int> bins = usedFree();
    std::stable_sort(bins.begin(), bins.end(), [&](int a, int b) { return fill(a) > fill(b); });
    std::vector<int> empty;
    for (int j = 1; j <= m_ws.ContCount; ++j)
        if (m_floors[std::size_t(j)].usable && m_content[std::size_t(j)].items.empty())
            empty.push_back(j);
    std::stable_sort(empty.begin(), empty.end(), [&](int a, int b) {
        return m_ws.TypeWolume[m_ws.ContType[a]] > m_ws.TypeWolume[m_ws.ContType[b]];
    });
    bins.insert(bins.end(), empty.begin(), empty.end());
    if (bins.empty() || !kindsClosed(usedFree()))
        return;
    const std::vector<std::int16_t> boxes = boxesOf(usedFree());
    for (int key = 0; key < 2 && !spent(); ++key) {
        for (int r = 0; r < kFitRuleCount && !spent(); ++r) {
            Attempt a;
            a.bins = bins;
            a.mandatory = boxes;
            order(a.mandatory, key, false);
            a.optional = optionalBoxes();
            a.rule = FitRule(r);
            if (!pack(a))
                continue;
            // Taken when it scores higher than the working plan's best.
            std::vector<Content> saved = m_content;
            std::vector<std::int16_t> savedUnplaced = m_unplaced;
            apply(a);
            if (!offerBest()) {
                m_content.swap(saved);
                m_unplaced.swap(savedUnplaced);
                --m_report.moves;
            }
        }
    }
}

bool Improver::emptyInto(int target, const std::vector<int>& partners) {
    std::vector<int> group = partners;
    group.push_back(target);
    const std::vector<std::int16_t> boxes = boxesOf(group);
    for (int tries = 0; tries < 4 && !spent(); ++tries) {
        Attempt a;
        a.bins = partners;
        a.mandatory = boxes;
        order(a.mandatory, m_rand.below(5), tries >= 2);
        a.optional = optionalBoxes();
        a.rule = FitRule(m_rand.below(kFitRuleCount));
        a.global = m_moves.globalFits && !m_bind && boxes.size() <= 160 && m_rand.below(2) == 0;
        if (!pack(a))
            continue;
        m_content[std::size_t(target)].items.clear();
        m_content[std::size_t(target)].repacked = true;
        apply(a);
        offerBest();
        return true;
    }
    return false;
}

bool Improver::shiftOut(int target, const std::vector<int>& partners) {
    std::vector<int> group = partners;
    group.push_back(target);
    const std::vector<std::int16_t> boxes = boxesOf(group);
    const long double before = fill(target);
    Attempt best;
    long double bestFill = before;
    bool found = false;
    for (int tries = 0; tries < 3 && !spent(); ++tries) {
        Attempt a;
        a.bins = group;
        a.mandatory = boxes;
        order(a.mandatory, m_rand.below(5), tries >= 1);
        a.optional = optionalBoxes();
        a.rule = FitRule(m_rand.below(kFitRuleCount));
        a.global = m_moves.globalFits && !m_bind && boxes.size() <= 160 && m_rand.below(2) == 0;
        if (!pack(a))
            continue;
        long double area = 0;
        for (const Placed& p : a.layout.back())
            area += m_boxes[std::size_t(p.box)].area;
        const long double floorArea = m_ws.TypeWolume[m_ws.ContType[target]];
        const long double after = floorArea > 0 ? area / floorArea : area;
        if (after < bestFill) {
            bestFill = after;
            best = std::move(a);
            found = true;
        }
    }
    if (!found)
        return false;
    apply(best);
    offerBest();
    return true;
}

bool Improver::swapType(int target) {
    // The boxes of one container into an empty container of another type, when that scores
    // higher (a smaller or cheaper floor).
    const int t = m_ws.ContType[target];
    std::vector<int> seenType;
    for (int u = 1; u <= m_ws.ContCount && !spent(); ++u) {
        const int tu = m_ws.ContType[u];
        if (tu == t || !m_floors[std::size_t(u)].usable || !m_content[std::size_t(u)].items.empty())
            continue;
        if (std::find(seenType.begin(), seenType.end(), tu) != seenType.end())
            continue;
        seenType.push_back(tu);
        Attempt a;
        a.bins = {u};
        a.mandatory = boxesOf({target});
        order(a.mandatory, 0, false);
        a.rule = FitRule::Contact;
        if (!pack(a))
            continue;
        std::vector<Content> saved = m_content;
        m_content[std::size_t(target)].items.clear();
        m_content[std::size_t(target)].repacked = true;
        apply(a);
        if (offerBest())
            return true;
        m_content.swap(saved);
        --m_report.moves;
    }
    return false;
}

bool Improver::atLowerBound() const {
    // With one type of free container, every box placed and no kind split (or splits costing
    // nothing), no plan scores higher than one using as few containers as the box area needs.
    const PackPlan& best = m_best;
    if (best.PlacedBoxes != m_ws.BoxCount || (m_ws.BindFactor != 0 && best.SplitCount != 0))
        return false;
    int first = 0, used = 0;
    for (int j = 1; j <= m_ws.ContCount; ++j) {
        if (!m_floors[std::size_t(j)].usable)
            continue;
        if (first == 0)
            first = j;
        if (m_ws.ContType[j] != m_ws.ContType[first])
            return false;
        if (best.BoxLoad[j] > 0)
            ++used;
    }
    if (first == 0)
        return false;
    long double area = 0;
    for (int b = 1; b <= m_ws.BoxCount; ++b) {
        const int j = best.ContNo[b];
        if (j >= 1 && m_floors[std::size_t(j)].usable)
            area += (long double)m_boxes[std::size_t(b)].l * m_boxes[std::size_t(b)].w;
    }
    const Floor& f = m_floors[std::size_t(first)];
    const long double floorArea = (long double)f.length * f.width;
    return floorArea > 0 && used <= std::ceil(area / floorArea - 1e-9L);
}

void Improver::localSearch() {
    int idle = 0;
    std::vector<int> swapTried(kContSlots, 0);
    while (!spent() && !atLowerBound()) {
        std::vector<int> used = usedFree();
        if (used.empty())
            return;
        std::stable_sort(used.begin(), used.end(), [&](int a, int b) { return fill(a) < fill(b); });
        // The target: mostly the least filled container, sometimes one of the next ones.
        const int n = int(used.size());
        int pick = std::min(m_rand.below(n), m_rand.below(n));
        if (m_rand.below(3) != 0)
            pick = std::min(pick, m_rand.below(std::min(n, 2)));
        const int target = used[std::size_t(pick)];
        if (m_ws.TypeCount > 1 && !swapTried[std::size_t(target)]) {
            swapTried[std::size_t(target)] = 1;
            if (swapType(target))
                continue;
        }
        if (n < 2) {
            if (++idle > 50)
                return;
            continue;
        }
        std::vector<int> others;
        for (int j : used)
            if (j != target)
                others.push_back(j);
        const int k = 1 + m_rand.below(std::min<int>(3, int(others.size())));
        std::vector<int> partners;
        for (int i = 0; i < k; ++i) {
            const int at = m_rand.below(int(others.size()));
            partners.push_back(others[std::size_t(at)]);
            others.erase(others.begin() + at);
        }
        std::vector<int> group = partners;
        group.push_back(target);
        if (!kindsClosed(group)) {
            if (++idle > 2000)
                return;
            continue;
        }
        if (emptyInto(target, partners) || shiftOut(target, partners)) {
            idle = 0;
            std::fill(swapTried.begin(), swapTried.end(), 0);
            continue;
        }
        // Nothing moved: charge the attempt so a stuck search still ends within its budget.
        m_work += 1000;
    }
}

ImproveReport Improver::run() {
    m_report.ran = true;
    m_start = m_ws.NowMs();
    m_base = m_ws.ResultPlan;
    m_best = m_base;
    // The plan to beat: its score as the optimiser left it and as the evaluation gives it, so
    // rounding differences between the two sums never count as an improvement.
    PackPlan evaluated = m_base;
    EvaluatePlan(m_ws, evaluated);
    m_bestScore = std::max(m_base.Score, evaluated.Score);
    describe();
    loadState(m_base);
    tick();

    if (m_moves.fullRepacks)
        fullRepacks();
    if (m_moves.localSearch)
        localSearch();

    m_report.work = m_work;
    if (m_report.improved) {
        m_ws.ResultPlan = m_best;
        m_ws.BestPlan = m_best;
        CountPlacements(m_ws, m_best);
    }
    return m_report;
}

} // namespace

ImproveReport ImprovePlanWork(PackWorkspace& ws, std::int64_t workBudget, double wallCapMs,
                              const ImproveMoves& moves) {
    if (workBudget <= 0 || ws.AbortFlag || ws.ContCount < 1 || ws.BoxCount < 1)
        return {};
    ProgressSink* progress = ws.progress;
    if (progress) {
        progress->setTitle(ProgressTitle::Improving);
        progress->setHint(ProgressHint::EscToAbort);
        progress->setOverall(0);
        progress->setContainerVisible(false);
        progress->setTimeVisible(true);
    }
    Improver improver(ws, workBudget, wallCapMs, moves);
    ImproveReport report = improver.run();
    if (progress) {
        progress->setHint(ProgressHint::PleaseWait);
        progress->setRunTimeText(plan_math::secondsText((ws.NowMs() - ws.StartTime) / 1000.0L).c_str());
    }
    return report;
}

ImproveReport ImprovePlan(PackWorkspace& ws, int seconds) {
    if (seconds <= 0)
        return {};
    return ImprovePlanWork(ws, std::int64_t(seconds) * kImproveWorkPerSecond, 2000.0 * seconds);
}

std::string ContainerLayoutProblem(const PackWorkspace& ws, const PackPlan& plan, int j) {
    char text[200];
    const int t = ws.ContType[j];
    const int gap = ws.ItemGap, wall = ws.WallGap;
    std::vector<int> boxes;
    for (int b = 1; b <= ws.BoxCount; ++b)
        if (plan.ContNo[b] == j)
            boxes.push_back(b);
    if (int(boxes.size()) != plan.BoxLoad[j]) {
        std::snprintf(text, sizeof text, "container %d holds %zu boxes, BoxLoad %d", j, boxes.size(),
                      plan.BoxLoad[j]);
        return text;
    }
    std::vector<int> loadNos;
    long double weight = 0, moment = 0;
    for (int b : boxes) {
        const int k = ws.BoxKind[b];
        const bool straight = plan.PosLh[b] == ws.KindLength[k] && plan.PosWh[b] == ws.KindWidth[k];
        const bool turned = plan.PosLh[b] == ws.KindWidth[k] && plan.PosWh[b] == ws.KindLength[k];
        const bool mayTurn = ws.DefltOn ? ws.TaskTurnOn != 0 : ws.KindTurnOn[k] != 0;
        if (!straight && !(turned && mayTurn)) {
            std::snprintf(text, sizeof text, "box %d has extents %d x %d", b, plan.PosLh[b], plan.PosWh[b]);
            return text;
        }
        if (plan.PosX[b] < wall || plan.PosY[b] < wall ||
            plan.PosX[b] + plan.PosLh[b] > ws.TypeLength[t] - wall ||
            plan.PosY[b] + plan.PosWh[b] > ws.TypeWidth[t] - wall) {
            std::snprintf(text, sizeof text, "box %d lies outside the floor of container %d", b, j);
            return text;
        }
        loadNos.push_back(plan.LoadNo[b]);
        weight += ws.KindWeight[k];
        moment += (plan.PosLh[b] * 0.5L + plan.PosX[b] - ws.TypeNoseDL[t]) * ws.KindWeight[k];
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t n = i + 1; n < boxes.size(); ++n) {
            const int a = boxes[i], b = boxes[n];
            const bool apart = plan.PosX[a] + plan.PosLh[a] + gap <= plan.PosX[b] ||
                               plan.PosX[b] + plan.PosLh[b] + gap <= plan.PosX[a] ||
                               plan.PosY[a] + plan.PosWh[a] + gap <= plan.PosY[b] ||
                               plan.PosY[b] + plan.PosWh[b] + gap <= plan.PosY[a];
            if (!apart) {
                std::snprintf(text, sizeof text, "boxes %d and %d are closer than the item gap", a, b);
                return text;
            }
        }
    }
    std::sort(loadNos.begin(), loadNos.end());
    for (std::size_t i = 0; i < loadNos.size(); ++i) {
        if (loadNos[i] != int(i) + 1) {
            std::snprintf(text, sizeof text, "container %d has loading numbers out of 1..%zu", j,
                          loadNos.size());
            return text;
        }
    }
    if (weight > (long double)ws.TypeLoadWt[t] * 1.001L) {
        std::snprintf(text, sizeof text, "container %d carries %.0Lf over its limit", j, weight);
        return text;
    }
    if (plan.WgtLoad[j] != std::int32_t(weight)) {
        std::snprintf(text, sizeof text, "container %d: WgtLoad %d, boxes weigh %.0Lf", j, plan.WgtLoad[j],
                      weight);
        return text;
    }
    // Supports: the stored loads keep the limits and agree with the positions.
    const long double span = (long double)ws.TypeLength[t] - ws.TypeNoseDL[t] - ws.TypeTailDL[t];
    const bool checks = std::int64_t(ws.TypeNoseWt[t]) + ws.TypeTailWt[t] >= 1 && span >= 1;
    if (checks && !boxes.empty()) {
        if (plan.NoseLoad[j] > ws.TypeNoseWt[t] || plan.TailLoad[j] > ws.TypeTailWt[t]) {
            std::snprintf(text, sizeof text, "container %d: support loads %d / %d over %d / %d", j,
                          plan.NoseLoad[j], plan.TailLoad[j], ws.TypeNoseWt[t], ws.TypeTailWt[t]);
            return text;
        }
        // The search's wheelbase is one longer when the item gap is odd.
        const long double d = span + (gap % 2 != 0 ? 1 : 0);
        const long double tail = moment / d;
        if (std::abs(tail - plan.TailLoad[j]) > 1 + 1e-3L * weight) {
            std::snprintf(text, sizeof text, "container %d: tail load %d, positions give %.1Lf", j,
                          plan.TailLoad[j], tail);
            return text;
        }
    }
    return std::string();
}

} // namespace palvane
