#pragma once
// Number helpers shared by the engine: rounding to the nearest integer with ties to even, made
// safe against values that do not fit the destination.

#include <cmath>
#include <cstdint>
#include <limits>

namespace palvane {

// Nearest integer (ties to even) of v, saturated to T's range; NaN gives 0 instead of undefined
// behaviour.
template <typename T>
T NearestInt(long double v) {
    if (std::isnan(v))
        return 0;
    const long double r = std::nearbyint(v);
    if (r <= (long double)std::numeric_limits<T>::min())
        return std::numeric_limits<T>::min();
    if (r >= (long double)std::numeric_limits<T>::max())
        return std::numeric_limits<T>::max();
    return T(r);
}

} // namespace palvane
