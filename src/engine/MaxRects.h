#pragma once
// A single-floor packer that keeps the maximal free rectangles of the floor: every placement
// splits the free rectangles it meets and drops those inside others, so any free spot of the
// floor is found. Positions are chosen by one of several fit rules. The improvement stage packs
// its re-packs with it; the 2D bin-packing benchmark uses it as its plain reference packer.
// Plain C++, no workspace: lengths are the search's coordinates (sizes with the item gap, the
// floor less the walls).

#include <cstdint>
#include <vector>

namespace palvane {

using RectCoord = std::int32_t;

// How a free position is chosen for an item; lower scores win.
enum class FitRule : std::uint8_t {
    ShortSide,  // smallest leftover on the shorter side of the free rectangle
    LongSide,   // smallest leftover on the longer side
    Area,       // smallest free rectangle
    BottomLeft, // nearest far edge along the length, then the smallest Y
    Contact,    // longest edge contact with the floor's walls and the placed items
};
inline constexpr int kFitRuleCount = 5;

struct FreeRect {
    RectCoord x = 0, y = 0, l = 0, w = 0;
};

// A position found for an item: corner, extents (turned when l, w are swapped) and its score.
struct FitCandidate {
    bool found = false;
    RectCoord x = 0, y = 0, l = 0, w = 0;
    std::int64_t score1 = 0, score2 = 0;
    // True when this candidate beats other (lower scores first).
    bool beats(const FitCandidate& other) const {
        if (!other.found)
            return found;
        if (!found)
            return false;
        return score1 != other.score1 ? score1 < other.score1 : score2 < other.score2;
    }
};

class MaxRectsFloor {
public:
    // An empty floor of length x width (X along the length).
    void reset(RectCoord length, RectCoord width);
    // The best position of an l x w item by the rule; with turn also the turned item. work is
    // increased by the free rectangles examined.
    FitCandidate find(RectCoord l, RectCoord w, bool turn, FitRule rule, std::int64_t& work) const;
    // Occupies the rectangle of a candidate found on this floor.
    void place(const FitCandidate& c);
    const std::vector<FreeRect>& used() const { return m_used; }
    RectCoord length() const { return m_length; }
    RectCoord width() const { return m_width; }

private:
    void score(RectCoord l, RectCoord w, FitRule rule, FitCandidate& best, std::int64_t& work) const;
    std::int64_t contact(RectCoord x, RectCoord y, RectCoord l, RectCoord w) const;
    void prune();

    RectCoord m_length = 0, m_width = 0;
    std::vector<FreeRect> m_free;
    std::vector<FreeRect> m_used;
};

} // namespace palvane
