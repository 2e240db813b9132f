#include "PlanViewBuilder.h"

#include <algorithm>

namespace palvane {

PlanView BuildPlanView(const PackWorkspace& ws, std::int32_t taskId, const std::vector<TcRow>& typeRows) {
    const PackPlan& p = ws.ResultPlan;
    PlanView v;
    v.taskId = taskId;
    v.containerCount = std::clamp<int>(ws.ContCount, 0, kContSlots - 1);
    v.boxCount = std::clamp<int>(ws.BoxCount, 0, kBoxSlots - 1);
    const int kindCount = std::clamp<int>(ws.KindCount, 0, kBoxSlots - 1);
    v.kinds.reserve(std::size_t(kindCount));
    for (int k = 1; k <= kindCount; ++k) {
        PlanKindView kind;
        kind.number = k;
        kind.kindId = ws.KindID[k];
        kind.name = std::string(ws.KindName[k].view());
        kind.mark = std::string(ws.KindMark[k].view());
        kind.length = ws.KindLength[k];
        kind.width = ws.KindWidth[k];
        kind.weight = ws.KindWeight[k];
        kind.area = ws.KindWolume[k];
        kind.turnOn = ws.KindTurnOn[k] != 0;
        kind.total = ws.KindTotal[k];
        kind.placed = ws.KindPlaced[k];
        v.kinds.push_back(std::move(kind));
    }

    // The boxes of every container by loading number; a box without one goes last.
    std::vector<std::vector<int>> boxesOf(std::size_t(v.containerCount) + 1);
    for (int j = 1; j <= v.boxCount; ++j) {
        const int c = p.ContNo[j];
        if (c >= 1 && c <= v.containerCount)
            boxesOf[std::size_t(c)].push_back(j);
    }
    for (int c = 1; c <= v.containerCount; ++c) {
        if (p.BoxLoad[c] < 1)
            continue;
        std::vector<int>& boxes = boxesOf[std::size_t(c)];
        std::stable_sort(boxes.begin(), boxes.end(), [&](int a, int b) {
            const int la = p.LoadNo[a] >= 1 ? p.LoadNo[a] : kBoxSlots;
            const int lb = p.LoadNo[b] >= 1 ? p.LoadNo[b] : kBoxSlots;
            return la < lb;
        });
        const int t = ws.ContType[c];
        PlanContainerView cont;
        cont.number = c;
        cont.type = t;
        cont.typeId = ws.TypeID[t];
        for (const TcRow& row : typeRows)
            if (row.TypeID == cont.typeId)
                cont.typeName = row.Type;
        cont.mark = std::string(ws.TypeMark[t].view());
        cont.length = ws.TypeLength[t];
        cont.width = ws.TypeWidth[t];
        cont.area = ws.TypeWolume[t];
        cont.loadWeight = p.WgtLoad[c];
        cont.loadLimit = ws.TypeLoadWt[t];
        cont.noseLoad = p.NoseLoad[c];
        cont.tailLoad = p.TailLoad[c];
        cont.noseLimit = ws.TypeNoseWt[t];
        cont.tailLimit = ws.TypeTailWt[t];
        cont.noseDistance = ws.TypeNoseDL[t];
        cont.tailDistance = ws.TypeTailDL[t];
        cont.loadedArea = p.WolLoad[c];
        cont.cost = p.CostLoad[c];
        cont.areaEff = p.ContAreaEff[c];
        cont.weightEff = p.ContWgtEff[c];
        cont.fixed = p.FixCont[c] != 0;
        cont.boxes.reserve(boxes.size());
        for (const int j : boxes) {
            const int k = ws.BoxKind[j];
            PlanBoxView box;
            box.number = j;
            box.loadNo = p.LoadNo[j];
            box.kind = k;
            box.kindId = ws.KindID[k];
            box.kindName = std::string(ws.KindName[k].view());
            box.mark = std::string(ws.KindMark[k].view());
            box.x = p.PosX[j];
            box.y = p.PosY[j];
            box.length = p.PosLh[j];
            box.width = p.PosWh[j];
            box.turned = p.PosLh[j] != ws.KindLength[k] || p.PosWh[j] != ws.KindWidth[k];
            box.weight = ws.KindWeight[k];
            box.area = ws.KindWolume[k];
            cont.boxes.push_back(std::move(box));
        }
        v.containers.push_back(std::move(cont));
    }

    v.usedContainers = p.UsedConts;
    v.placedBoxes = p.PlacedBoxes;
    v.lastContainer = p.LastCont;
    v.score = p.Score;
    v.areaEff = p.AreaEff;
    v.weightEff = p.WeightEff;
    v.usedArea = p.UsedArea;
    v.loadedArea = p.LoadedArea;
    v.usedCost = p.UsedCost;
    v.loadedCost = p.LoadedCost;
    v.usedCapacity = p.UsedCapacity;
    v.loadedWeight = p.LoadedWeight;
    v.maxTypeLoadLimit = ws.MaxTypeLoadWt;
    v.maxTypeArea = ws.MaxTypeWolume;
    return v;
}

} // namespace palvane
