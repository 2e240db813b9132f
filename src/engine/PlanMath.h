#pragma once
// Number helpers of the optimiser and the plan evaluation. Float expressions are evaluated in
// long double and stored at the precision of their destination; rounding to an integer is to
// the nearest value with ties to even (RoundHalfEven).

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "EngineMath.h"

namespace palvane::plan_math {

// The small constant that keeps divisions by a possibly zero quantity finite.
inline constexpr long double kTiny = 1e-5L;

// v rounded to the nearest integer, ties to even.
inline long double nearest(long double v) {
    return RoundHalfEven(v);
}

// 32-bit integer arithmetic that wraps like the stored fields instead of overflowing.
inline std::int32_t add32(std::int32_t a, std::int64_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// A float field after adding v in extended precision.
inline float addF(float field, long double v) {
    return static_cast<float>(field + v);
}

// Seconds in fixed notation with 6 significant digits and 1 decimal ("12.3"): the number is
// first rounded to 6 significant digits, then written with one decimal.
inline std::string secondsText(long double seconds) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.5Le", seconds);
    const long double sig6 = std::strtold(buf, nullptr);
    std::snprintf(buf, sizeof buf, "%.1Lf", sig6);
    return buf;
}

} // namespace palvane::plan_math
