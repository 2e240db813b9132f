#pragma once
// A read-only copy of one loading plan in plain types: the used containers with their type,
// floor, loads and limits, the boxes of each container in loading order, the box kinds with
// their counts, and the plan's totals. The drawing, the windows, the reports and the command
// line read plans only through it; the engine's workspace stays behind the planning session.
#include <cstdint>
#include <string>
#include <vector>

namespace palvane {

// One box kind of the task (a tb row joined with its library row).
struct PlanKindView {
    int number = 0;          // kind number in the task, from 1 (tb rows by KindID)
    std::int32_t kindId = 0; // KindID
    std::string name;        // Kind
    std::string mark;        // Mark
    int length = 0, width = 0;
    std::int32_t weight = 0;
    float area = 0; // Length x Width
    bool turnOn = false;
    int total = 0;  // boxes of the kind in the task
    int placed = 0; // boxes of the kind the plan places

    int unplaced() const { return total - placed; }
};

// One placed box.
struct PlanBoxView {
    int number = 0;          // box number in the task, from 1
    int loadNo = 0;          // LoadNo: place in the container's loading sequence, from 1
    int kind = 0;            // kind number (PlanView::kinds[kind - 1])
    std::int32_t kindId = 0; // KindID
    std::string kindName, mark;
    int x = 0, y = 0;          // PosX, PosY: the corner nearest the origin
    int length = 0, width = 0; // PosLh, PosWh: the extents as placed
    bool turned = false;       // placed with the kind's width along the length
    std::int32_t weight = 0;
    float area = 0; // the kind's area
};

// One used container with its boxes.
struct PlanContainerView {
    int number = 0;          // container number in the task, from 1 (ContNo)
    int type = 0;            // type number in the task, from 1 (tc rows by TypeID)
    std::int32_t typeId = 0; // TypeID
    std::string typeName;    // Type
    std::string mark;        // Mark
    int length = 0, width = 0;
    float area = 0;                   // floor area, Length x Width
    std::int32_t loadWeight = 0;      // WgtLoad
    std::int32_t loadLimit = 0;       // LoadWt
    std::int32_t noseLoad = 0;        // NoseLoad
    std::int32_t tailLoad = 0;        // TailLoad
    std::int32_t noseLimit = 0;       // NoseWt
    std::int32_t tailLimit = 0;       // TailWt
    int noseDistance = 0;             // NoseDL
    int tailDistance = 0;             // TailDL
    float loadedArea = 0;             // WolLoad: area of the boxes
    float cost = 0;                   // CostLoad
    float areaEff = 0, weightEff = 0; // loaded area / floor area, load / limit (fractions)
    bool fixed = false;               // FixCont
    std::vector<PlanBoxView> boxes;   // in loading order

    // The floor's used area in percent.
    double usedAreaPercent() const { return area > 0 ? 100.0 * double(loadedArea) / double(area) : 0.0; }
};

// The plan of one task.
struct PlanView {
    std::int32_t taskId = 0;                   // 0: no plan
    int containerCount = 0;                    // containers of the task, used or not
    int boxCount = 0;                          // boxes of the task, placed or not
    std::vector<PlanContainerView> containers; // the used containers by number
    std::vector<PlanKindView> kinds;           // by kind number

    // Totals of the plan.
    int usedContainers = 0;
    int placedBoxes = 0;
    int lastContainer = 0; // the container the plan filled last; raised by 500 when dropped again
    float score = 0;
    float areaEff = 0, weightEff = 0; // fractions
    float usedArea = 0, loadedArea = 0;
    float usedCost = 0, loadedCost = 0;
    std::int32_t usedCapacity = 0, loadedWeight = 0;
    // The largest weight limit and floor area of the task's container types (chart scales).
    std::int32_t maxTypeLoadLimit = 0;
    float maxTypeArea = 0;

    // The used container of that number; null when it is not used.
    const PlanContainerView* container(int number) const {
        for (const PlanContainerView& c : containers)
            if (c.number == number)
                return &c;
        return nullptr;
    }
    // Boxes of the container of that number (0 when it is not used).
    int boxLoad(int number) const {
        const PlanContainerView* c = container(number);
        return c ? int(c->boxes.size()) : 0;
    }
    // The kind of a kind number; null when out of range.
    const PlanKindView* kind(int number) const {
        return number >= 1 && number <= int(kinds.size()) ? &kinds[std::size_t(number - 1)] : nullptr;
    }
    int unplacedBoxes() const { return boxCount - placedBoxes; }
};

} // namespace palvane
