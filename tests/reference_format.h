// SPDX-License-Identifier: MIT
// An independent "%.6G" with ties rounded away from zero: the exact decimal digits of
// the double from printf, rounded half up by hand. Slow; for checking only.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tevrimo::testing {

inline std::string ReferenceFormat(double v) {
    if (std::isnan(v)) return std::signbit(v) ? "-NAN" : "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    if (v == 0) return "0";
    static char exact[1100];
    std::snprintf(exact, sizeof exact, "%.800e", std::fabs(v));  // every digit is exact
    std::string digits(1, exact[0]);
    const char* p = exact + 2;
    while (*p != 'e') digits += *p++;
    int exponent = std::atoi(p + 1);
    std::string six = digits.substr(0, 6);
    if (digits[6] >= '5') {
        int i = 5;
        while (i >= 0 && six[static_cast<std::size_t>(i)] == '9')
            six[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            six = "100000";
            ++exponent;
        } else {
            ++six[static_cast<std::size_t>(i)];
        }
    }
    while (six.size() > 1 && six.back() == '0') six.pop_back();
    std::string out = v < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 6) {
        out += six[0];
        if (six.size() > 1) out += "." + six.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += e;
    } else if (exponent >= 0) {
        const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        out += six.substr(0, std::min(intDigits, six.size()));
        if (six.size() < intDigits) out += std::string(intDigits - six.size(), '0');
        if (six.size() > intDigits) out += "." + six.substr(intDigits);
    } else {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + six;
    }
    return out;
}

}  // namespace tevrimo::testing
