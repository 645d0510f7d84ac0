// Helpers with which each category source file declares its table.
#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "category_table.h"

namespace tevrimo {

// One unit row: its four captions and, in proportional categories, its size in the
// row-0 unit as decimal text ("0.3048", "1E-10", "1609.344/3600").
struct UnitSpec {
    std::string_view tr, en, de, fr;
    std::string_view size = {};
};

// A table with its captions filled in. Template captions default to the English caption
// of each unit row and a single space on the other rows; the pair table starts with
// Entry on the diagonal and Skip elsewhere.
CategoryTable NewCategory(std::string_view key, std::string_view tabCaption, int tabIndex,
                          int rowCount, int buttonWidth, std::initializer_list<UnitSpec> units);

struct HeldConstant {
    int source, target;
    std::string_view value;  // the divisor as the category holds it
};

struct ProportionalRules {
    // Significant digits of the constant for a pair (source, target).
    std::function<int(int source, int target)> digits = {};
    // Pairs held as a multiplier size(source) / size(target) instead of a divisor.
    std::vector<std::pair<int, int>> multipliers = {};
    // Divisors that differ from the rounding rule.
    std::vector<HeldConstant> held = {};
    // Rows naming one unit twice: no factor between them.
    std::vector<std::pair<int, int>> sameUnit = {};
};

// Fills every pair i != j below N with one step: divide by size(j) / size(i), or multiply
// for the multiplier pairs, each constant rounded half up on the exact ratio.
void FillProportional(CategoryTable& table, std::initializer_list<UnitSpec> units,
                      const ProportionalRules& rules);

inline std::function<int(int, int)> Digits(int n) {
    return [n](int, int) { return n; };
}

}  // namespace tevrimo
