#pragma once
// Number texts of the totals: fixed-point with a limit on significant digits.
#include <QString>

namespace palvane {

// Fixed-point text of `value` with `digits` decimals, rounded (halves away from zero) at the
// last of `precision` significant digits or of the decimals, whichever comes first; further
// decimals are zeros ("1234.60" for 1234.567 with precision 5 and 2 decimals). A value with
// more than `precision` integer digits is written in scientific form with at most `precision`
// significant digits and an exponent of at least `digits` digits ("1.2346E05"). Zero never
// carries a minus sign; infinities and NaN give "INF", "-INF" and "NAN".
QString formatFixed(long double value, int precision, int digits);

} // namespace palvane
