#pragma once
// Checks that stored solution rows agree with each other and are physically valid, shared by
// the engine and data tests.
#include "TaskRows.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

namespace palvane::testing {

// solut, distr, posit, tc.Used and tb.Placed agree: every container's distr rows and posit rows
// add up to its BoxLoad and WgtLoad, its loading numbers run 1..BoxLoad, and the counts of the
// task rows match the containers and boxes stored.
inline void expectConsistentRows(const TaskRows& rows) {
    std::map<std::int32_t, int> usedByType;
    std::map<std::int32_t, int> placedByKind;
    std::map<std::int32_t, std::int32_t> weightOf;
    for (const TbRow& r : rows.tb)
        weightOf[r.KindID] = r.Weight;
    for (const SolutRow& s : rows.solut) {
        ++usedByType[s.TypeID];
        int distrSum = 0;
        for (const DistrRow& d : s.distr)
            distrSum += d.Placed;
        EXPECT_EQ(distrSum, s.BoxLoad) << "container " << s.ContNo;
        EXPECT_EQ(static_cast<int>(s.posit.size()), s.BoxLoad) << "container " << s.ContNo;
        std::int32_t weight = 0;
        std::vector<int> loadNos;
        for (const PositRow& p : s.posit) {
            weight += weightOf[p.KindID];
            ++placedByKind[p.KindID];
            loadNos.push_back(p.LoadNo);
        }
        EXPECT_EQ(weight, s.WgtLoad) << "container " << s.ContNo;
        std::sort(loadNos.begin(), loadNos.end());
        for (std::size_t i = 0; i < loadNos.size(); ++i)
            EXPECT_EQ(loadNos[i], static_cast<int>(i) + 1) << "container " << s.ContNo;
    }
    for (const TcRow& r : rows.tc)
        EXPECT_EQ(r.Used, usedByType[r.TypeID]) << "type " << r.TypeID;
    for (const TbRow& r : rows.tb)
        EXPECT_EQ(r.Placed, placedByKind[r.KindID]) << "kind " << r.KindID;
}

// Every stored box lies inside its container's floor (less the wall gap) with its kind's extents
// (turned or not), and no two boxes of a container overlap.
inline void expectValidGeometry(const TaskRows& rows, int wallGap = 0) {
    for (const SolutRow& s : rows.solut) {
        const TcRow* type = nullptr;
        for (const TcRow& t : rows.tc)
            if (t.TypeID == s.TypeID)
                type = &t;
        ASSERT_NE(type, nullptr);
        for (std::size_t i = 0; i < s.posit.size(); ++i) {
            const PositRow& a = s.posit[i];
            for (const TbRow& k : rows.tb) {
                if (k.KindID != a.KindID)
                    continue;
                const bool straight = a.PosLh == k.Length && a.PosWh == k.Width;
                const bool turned = a.PosLh == k.Width && a.PosWh == k.Length;
                EXPECT_TRUE(straight || turned) << "box " << a.BoxNo;
            }
            EXPECT_GE(a.PosX, wallGap) << "box " << a.BoxNo;
            EXPECT_GE(a.PosY, wallGap) << "box " << a.BoxNo;
            EXPECT_LE(a.PosX + a.PosLh, type->Length - wallGap) << "box " << a.BoxNo;
            EXPECT_LE(a.PosY + a.PosWh, type->Width - wallGap) << "box " << a.BoxNo;
            for (std::size_t j = i + 1; j < s.posit.size(); ++j) {
                const PositRow& b = s.posit[j];
                const bool apart = a.PosX + a.PosLh <= b.PosX || b.PosX + b.PosLh <= a.PosX ||
                                   a.PosY + a.PosWh <= b.PosY || b.PosY + b.PosWh <= a.PosY;
                EXPECT_TRUE(apart) << "boxes " << a.BoxNo << " and " << b.BoxNo << " overlap";
            }
        }
    }
}

// Every stored value of a task's rows as text, one row a line, so that two reads of a task can
// be compared whole and a difference shows where it is.
inline std::string rowsText(const TaskRows& rows) {
    std::ostringstream out;
    const TaskRecord& t = rows.task;
    const TaskSolveFields& f = t.solve;
    out << "task " << t.TaskID << ' ' << t.Name << " solut=" << t.Solut << ' ' << t.TurnOn << t.DefltOn << ' '
        << f.Power << ' ' << f.Time << ' ' << f.Rand << ' ' << f.Qw << ' ' << f.Qc << ' ' << f.Qr << ' '
        << f.BB << ' ' << f.BW << ' ' << f.Last << ' ' << t.Date << '\n';
    for (const TcRow& r : rows.tc)
        out << "tc " << r.TypeID << " avail=" << r.Avail << " used=" << r.Used << ' ' << r.Cost << '\n';
    for (const TbRow& r : rows.tb)
        out << "tb " << r.KindID << " total=" << r.Total << " placed=" << r.Placed << ' ' << r.Cost << '\n';
    for (const SolutRow& s : rows.solut) {
        out << "solut " << s.ContNo << ' ' << s.TypeID << ' ' << s.BoxLoad << ' ' << s.WgtLoad << ' '
            << s.WolLoad << " fix=" << s.FixCont << ' ' << s.CostLoad << ' ' << s.NoseLoad << ' '
            << s.TailLoad << '\n';
        for (const DistrRow& d : s.distr)
            out << "  distr " << d.ContNo << ' ' << d.KindID << ' ' << d.Placed << '\n';
        for (const PositRow& p : s.posit)
            out << "  posit " << p.ContNo << ' ' << p.BoxNo << ' ' << p.KindID << ' ' << p.PosX << ' '
                << p.PosY << ' ' << p.PosLh << ' ' << p.PosWh << ' ' << p.LoadNo << '\n';
    }
    return out.str();
}

} // namespace palvane::testing
