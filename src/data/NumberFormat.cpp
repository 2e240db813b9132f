#include "NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace palvane {

namespace {

// Decimal digits of |value| (18 significant, as an extended value converts) and its decimal
// exponent: |value| = 0.d1d2d3... x 10^exponent.
void decimalDigits(long double value, std::string& digits, int& exponent) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", static_cast<long double>(std::fabs(value)));
    std::string s(buf);
    const size_t e = s.find('e');
    digits = s.substr(0, 1) + s.substr(2, e - 2);
    exponent = std::stoi(s.substr(e + 1)) + 1;
}

// Keeps the first `keep` digits, rounding halves away from zero; may raise the exponent.
void roundDigits(std::string& digits, int& exponent, int keep) {
    if (keep <= 0) {
        const bool up = keep == 0 && digits[0] >= '5';
        digits = up ? "1" : "";
        if (up)
            exponent += 1;
        return;
    }
    if (size_t(keep) >= digits.size())
        return;
    const bool up = digits[size_t(keep)] >= '5';
    digits.resize(size_t(keep));
    if (!up)
        return;
    int i = keep - 1;
    while (i >= 0 && digits[size_t(i)] == '9')
        digits[size_t(i--)] = '0';
    if (i >= 0)
        ++digits[size_t(i)];
    else {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        exponent += 1;
    }
}

} // namespace

QString formatFixed(long double value, int precision, int digits) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    precision = std::max(1, std::min(precision, 18));
    digits = std::max(0, std::min(digits, 18));

    std::string d;
    int exponent = 0;
    if (value != 0) {
        decimalDigits(value, d, exponent);
        if (exponent > precision) {
            roundDigits(d, exponent, precision);
        } else {
            roundDigits(d, exponent, std::min(precision, exponent + digits));
        }
    }
    while (!d.empty() && d.back() == '0')
        d.pop_back();
    const bool negative = value < 0 && !d.empty();
    std::string out = negative ? "-" : "";

    if (!d.empty() && exponent > precision) {
        out += d[0];
        if (d.size() > 1)
            out += "." + d.substr(1);
        std::string e = std::to_string(exponent - 1);
        while (int(e.size()) < digits)
            e.insert(e.begin(), '0');
        out += "E" + e;
        return QString::fromStdString(out);
    }
    auto digitAt = [&](int i) { return i >= 0 && size_t(i) < d.size() ? d[size_t(i)] : '0'; };
    if (d.empty() || exponent <= 0)
        out += '0';
    else
        for (int i = 0; i < exponent; ++i)
            out += digitAt(i);
    if (digits > 0) {
        out += '.';
        for (int i = 0; i < digits; ++i)
            out += d.empty() ? '0' : digitAt(exponent + i);
    }
    return QString::fromStdString(out);
}

} // namespace palvane
