#include "MaxRects.h"

#include <algorithm>

namespace palvane {

namespace {

bool contains(const FreeRect& a, const FreeRect& b) {
    return b.x >= a.x && b.y >= a.y && b.x + b.l <= a.x + a.l && b.y + b.w <= a.y + a.w;
}

// Length of the common part of the segments [a1, a2) and [b1, b2).
std::int64_t overlap(RectCoord a1, RectCoord a2, RectCoord b1, RectCoord b2) {
    const RectCoord lo = std::max(a1, b1), hi = std::min(a2, b2);
    return hi > lo ? hi - lo : 0;
}

} // namespace

void MaxRectsFloor::reset(RectCoord length, RectCoord width) {
    m_length = length;
    m_width = width;
    m_free.clear();
    m_used.clear();
    if (length > 0 && width > 0)
        m_free.push_back({0, 0, length, width});
}

std::int64_t MaxRectsFloor::contact(RectCoord x, RectCoord y, RectCoord l, RectCoord w) const {
    std::int64_t c = 0;
    if (x == 0 || x + l == m_length)
        c += w;
    if (y == 0 || y + w == m_width)
        c += l;
    for (const FreeRect& u : m_used) {
        if (u.x == x + l || u.x + u.l == x)
            c += overlap(u.y, u.y + u.w, y, y + w);
        if (u.y == y + w || u.y + u.w == y)
            c += overlap(u.x, u.x + u.l, x, x + l);
    }
    return c;
}

void MaxRectsFloor::score(RectCoord l, RectCoord w, FitRule rule, FitCandidate& best,
                          std::int64_t& work) const {
    work += static_cast<std::int64_t>(m_free.size());
    for (const FreeRect& f : m_free) {
        if (f.l < l || f.w < w)
            continue;
        FitCandidate c;
        c.found = true;
        c.x = f.x;
        c.y = f.y;
        c.l = l;
        c.w = w;
        const std::int64_t leftL = f.l - l, leftW = f.w - w;
        switch (rule) {
        case FitRule::ShortSide:
            c.score1 = std::min(leftL, leftW);
            c.score2 = std::max(leftL, leftW);
            break;
        case FitRule::LongSide:
            c.score1 = std::max(leftL, leftW);
            c.score2 = std::min(leftL, leftW);
            break;
        case FitRule::Area:
            c.score1 = std::int64_t(f.l) * f.w - std::int64_t(l) * w;
            c.score2 = std::min(leftL, leftW);
            break;
        case FitRule::BottomLeft:
            c.score1 = std::int64_t(f.x) + l;
            c.score2 = f.y;
            break;
        case FitRule::Contact:
            work += static_cast<std::int64_t>(m_used.size());
            c.score1 = -contact(f.x, f.y, l, w);
            c.score2 = std::int64_t(f.x) + f.y;
            break;
        }
        if (c.beats(best))
            best = c;
    }
}

FitCandidate MaxRectsFloor::find(RectCoord l, RectCoord w, bool turn, FitRule rule,
                                 std::int64_t& work) const {
    FitCandidate best;
    score(l, w, rule, best, work);
    if (turn && l != w)
        score(w, l, rule, best, work);
    return best;
}

void MaxRectsFloor::place(const FitCandidate& c) {
    const FreeRect r{c.x, c.y, c.l, c.w};
    m_used.push_back(r);
    std::vector<FreeRect> next;
    next.reserve(m_free.size() + 8);
    for (const FreeRect& f : m_free) {
        if (r.x >= f.x + f.l || r.x + r.l <= f.x || r.y >= f.y + f.w || r.y + r.w <= f.y) {
            next.push_back(f);
            continue;
        }
        // The parts of f beside each side of r stay free.
        if (r.x > f.x)
            next.push_back({f.x, f.y, r.x - f.x, f.w});
        if (r.x + r.l < f.x + f.l)
            next.push_back({r.x + r.l, f.y, f.x + f.l - r.x - r.l, f.w});
        if (r.y > f.y)
            next.push_back({f.x, f.y, f.l, r.y - f.y});
        if (r.y + r.w < f.y + f.w)
            next.push_back({f.x, r.y + r.w, f.l, f.y + f.w - r.y - r.w});
    }
    m_free.swap(next);
    prune();
}

void MaxRectsFloor::prune() {
    // A rectangle inside another is no maximal free rectangle; of two equal ones one stays.
    const std::size_t n = m_free.size();
    std::vector<char> drop(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (drop[i])
            continue;
        for (std::size_t j = 0; j < n; ++j) {
            if (i == j || drop[j])
                continue;
            if (contains(m_free[j], m_free[i])) {
                drop[i] = 1;
                break;
            }
        }
    }
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (!drop[i])
            m_free[k++] = m_free[i];
    m_free.resize(k);
}

} // namespace palvane
