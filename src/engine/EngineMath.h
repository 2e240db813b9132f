#pragma once
// Number helpers shared by the engine: rounding to the nearest integer with ties to even, made
// safe against values that do not fit the destination.
//
// Rounding goes through rint, not nearbyint: under the default rounding mode (to nearest, ties
// to even), which the engine never changes, both give the same value, but nearbyint has to save
// and restore the floating-point environment on every call to keep the inexact flag clear, and
// the search rounds millions of values per solve.

#include <cmath>
#include <cstdint>
#include <limits>

namespace palvane {

// v rounded to the nearest integer, ties to even, as an extended value.
inline long double RoundHalfEven(long double v) {
    return std::rint(v);
}

// Nearest integer (ties to even) of v, saturated to T's range; NaN gives 0 instead of undefined
// behaviour. A v strictly between T's limits rounds to a value within them, so llrint converts
// it directly (one instruction on x87 when math functions need not set errno, see the engine's
// CMakeLists); a plain cast would truncate and has to switch the rounding mode around it.
template <typename T> T NearestInt(long double v) {
    static_assert(std::numeric_limits<T>::is_signed && sizeof(T) <= sizeof(long long));
    if (std::isnan(v))
        return 0;
    if (v <= (long double)std::numeric_limits<T>::min())
        return std::numeric_limits<T>::min();
    if (v >= (long double)std::numeric_limits<T>::max())
        return std::numeric_limits<T>::max();
    return T(std::llrint(v));
}

} // namespace palvane
