// SPDX-License-Identifier: MIT
// Exact decimal ratios for building pair constants: quotients of unit sizes written as
// decimal text, rounded half up to a number of significant digits without ever going
// through a binary double in between.
#pragma once

#include <string>
#include <string_view>

namespace tevrimo {

class ExactRatio {
  public:
    // "0.3048", "1E-10", "1609.344/3600": a decimal or a quotient of two decimals.
    static ExactRatio FromText(std::string_view text);

    ExactRatio operator*(const ExactRatio& other) const;
    ExactRatio operator/(const ExactRatio& other) const;
    ExactRatio Inverse() const;

    // The value rounded half up to `digits` significant digits (left as it is when it
    // has no more), then to the nearest double.
    double Rounded(int digits) const;

    // The exact value when it has at most `maxDigits` significant digits: its digits in
    // `digits`, without leading or trailing zeros ("0" for zero), and in `exponent` the
    // decimal exponent of the first one (0.0254 gives "254" and -2). False when the value
    // needs more digits, or never ends (1/3).
    bool ExactDigits(int maxDigits, std::string& digits, int& exponent) const;

  private:
    struct Decimal {
        unsigned __int128 mantissa = 0;
        int exponent = 0;  // value = mantissa * 10^exponent
    };
    static Decimal ParseDecimal(std::string_view text);
    static Decimal Multiply(const Decimal& a, const Decimal& b);

    Decimal m_num;
    Decimal m_den{1, 0};
};

}  // namespace tevrimo
