#include "PlacedIndex.h"

namespace palvane {

bool PlacedItemMeets(const SearchState& s, Coord xMin, Coord xMax, Coord yMin, Coord yMax, int exclude) {
    for (int p = s.PassPos - 1; p >= 1; --p) {
        const int r = s.ItemOrder[p];
        if (s.ItemPlaced[r] != 1 || r == exclude)
            continue;
        if (s.ItemPosX[r] <= xMax && xMin < s.ItemPosX[r] + s.ItemLen[r] && s.ItemPosY[r] <= yMax &&
            yMin < s.ItemPosY[r] + s.ItemWid[r])
            return true;
    }
    return false;
}

} // namespace palvane
