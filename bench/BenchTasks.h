#pragma once
// The tasks the solve benchmark measures, also solved by the plan identity test: the sample task
// (5 containers of 3 types, 40 boxes of 4 kinds) and a large task (24 containers of 3 types,
// 1000 boxes of 20 kinds).

#include "TaskRows.h"

#include <string>

namespace palvane::bench_tasks {

inline TcRow container(std::int32_t id, const char* type, std::int16_t avail, std::int16_t length,
                       std::int16_t width, std::int32_t loadWt, double cost, std::int32_t noseWt,
                       std::int32_t tailWt, std::int16_t noseDL, std::int16_t tailDL) {
    TcRow r;
    r.TypeID = id;
    r.Type = type;
    r.Avail = avail;
    r.Length = length;
    r.Width = width;
    r.LoadWt = loadWt;
    r.FillDir = "Length";
    r.Cost = cost;
    r.NoseWt = noseWt;
    r.TailWt = tailWt;
    r.NoseDL = noseDL;
    r.TailDL = tailDL;
    r.Wolume = double(length) * width;
    return r;
}

inline TbRow kind(std::int32_t id, std::int16_t total, std::int16_t length, std::int16_t width,
                  std::int32_t weight, bool turnOn, double cost) {
    TbRow r;
    r.KindID = id;
    r.Kind = "Kind " + std::to_string(id);
    r.Total = total;
    r.Length = length;
    r.Width = width;
    r.Weight = weight;
    r.TurnOn = turnOn;
    r.Cost = cost;
    r.Wolume = double(length) * width;
    return r;
}

inline TaskRows baseTask() {
    TaskRows rows;
    rows.task.TaskID = 1;
    rows.task.TurnOn = true;
    rows.task.DefltOn = false;
    return rows;
}

// The sample task a new home folder starts with.
inline TaskRows sampleTask() {
    TaskRows rows = baseTask();
    rows.tc = {container(1, "Semitrailer 13.6 m", 1, 13600, 2450, 24000, 950, 12000, 18000, 1100, 2600),
               container(2, "Truck 7.2 m", 2, 7200, 2450, 9000, 520, 5000, 7000, 600, 1900),
               container(3, "Van 4.2 m", 2, 4200, 2000, 1200, 260, 700, 900, 300, 900)};
    rows.tb = {kind(1, 18, 1200, 800, 400, true, 40), kind(2, 10, 1200, 1000, 600, true, 55),
               kind(3, 8, 800, 600, 200, true, 20), kind(4, 4, 1600, 1000, 500, false, 70)};
    return rows;
}

// 24 containers of 3 types and 1000 boxes of 20 kinds, about as much box area as floor area.
inline TaskRows largeTask() {
    TaskRows rows = baseTask();
    rows.tc = {container(1, "Semitrailer 13.6 m", 8, 13600, 2450, 24000, 950, 12000, 18000, 1100, 2600),
               container(2, "Truck 7.2 m", 8, 7200, 2450, 9000, 520, 5000, 7000, 600, 1900),
               container(3, "Van 4.2 m", 8, 4200, 2000, 1200, 260, 700, 900, 300, 900)};
    const std::int16_t lengths[] = {1200, 1200, 800, 1000, 600, 1600, 1100, 900, 700, 1300};
    const std::int16_t widths[] = {800, 1000, 600, 1000, 400, 1000, 700, 500, 300, 600};
    for (int k = 0; k < 20; ++k) {
        const std::int16_t length = lengths[k % 10];
        const std::int16_t width = static_cast<std::int16_t>(widths[k % 10] - (k / 10) * 100);
        rows.tb.push_back(kind(k + 1, 50, length, width, 40 + 13 * k, k % 3 != 0, 10 + k));
    }
    return rows;
}

} // namespace palvane::bench_tasks
