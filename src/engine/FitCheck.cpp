#include "FitCheck.h"

#include <algorithm>

namespace palvane {

bool boxFitsContainer(int boxLength, int boxWidth, bool mayTurn, int contLength, int contWidth, int wallGap) {
    // The usable floor is the inner size minus a wall gap at both ends (plus one item gap, which
    // every box also carries, so it cancels out).
    const int length = contLength - 2 * wallGap;
    const int width = contWidth - 2 * wallGap;
    if (boxLength <= length && boxWidth <= width)
        return true;
    return mayTurn && boxWidth <= length && boxLength <= width;
}

std::vector<std::string> kindsFittingNoContainer(const TaskRows& rows, int wallGap) {
    std::vector<std::string> names;
    for (const TbRow& kind : rows.tb) {
        if (kind.Total <= 0)
            continue;
        const bool mayTurn = rows.task.DefltOn ? rows.task.TurnOn : kind.TurnOn;
        const bool fits = std::any_of(rows.tc.begin(), rows.tc.end(), [&](const TcRow& cont) {
            return cont.Avail > 0 &&
                   boxFitsContainer(kind.Length, kind.Width, mayTurn, cont.Length, cont.Width, wallGap);
        });
        if (!fits && std::find(names.begin(), names.end(), kind.Kind) == names.end())
            names.push_back(kind.Kind);
    }
    return names;
}

} // namespace palvane
