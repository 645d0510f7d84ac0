// SPDX-License-Identifier: MIT
#include "unit_size_text.h"

#include <cstddef>

#include "exact_ratio.h"
#include "number_text.h"

namespace tevrimo {

namespace {

constexpr int kExactDigits = 9;  // more than this is rounded, unless a whole number
constexpr int kWholeDigits = 15;

// `digits` (no leading or trailing zeros) times 10^exponent, first digit first: plain
// decimals from 0.0001 on, below that the pages' exponent form ("2.54E-005").
std::string DecimalText(const std::string& digits, int exponent) {
    if (exponent < -4 || exponent >= kWholeDigits) {
        std::string out = digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        const int magnitude = exponent < 0 ? -exponent : exponent;
        std::string power = std::to_string(magnitude);
        while (power.size() < 3) power.insert(power.begin(), '0');
        return out + (exponent < 0 ? "E-" : "E+") + power;
    }
    if (exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) return digits + std::string(whole - digits.size(), '0');
    return digits.substr(0, whole) + "." + digits.substr(whole);
}

// The value of `ratio` as the size text writes it, with "= " or "≈ " before it.
std::string ValueText(const ExactRatio& ratio) {
    std::string digits;
    int exponent = 0;
    if (ratio.ExactDigits(kWholeDigits, digits, exponent)) {
        const bool whole = exponent + 1 >= static_cast<int>(digits.size());
        if (static_cast<int>(digits.size()) <= kExactDigits || whole) {
            return "= " + DecimalText(digits, exponent);
        }
    }
    return "≈ " + FormatNumber(ratio.Rounded(6));
}

}  // namespace

std::string UnitSizeText(const CategoryTable& table, int row, int language) {
    if (!IsLanguage(language) || !table.IsUnitRow(row)) return {};
    const UnitRow& unit = table.rows[static_cast<std::size_t>(row)];
    const std::string_view fixed = unit.sizeTexts[static_cast<std::size_t>(language)];
    if (!fixed.empty()) return std::string(fixed);
    if (unit.exactSize.empty() || unit.sizeIn == row || !table.IsUnitRow(unit.sizeIn)) return {};
    const UnitRow& other = table.rows[static_cast<std::size_t>(unit.sizeIn)];
    const ExactRatio ratio =
        ExactRatio::FromText(unit.exactSize) / ExactRatio::FromText(other.exactSize);
    std::string text = "1 ";
    text += table.Caption(row, language);
    text += ' ';
    text += ValueText(ratio);
    text += ' ';
    text += table.Caption(unit.sizeIn, language);
    return text;
}

}  // namespace tevrimo
