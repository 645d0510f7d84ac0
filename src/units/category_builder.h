// SPDX-License-Identifier: MIT
// Helpers with which each category file defines its table: unit and category
// definitions, the new table made from them, and the rules of proportional pairs.
#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "category_table.h"

namespace tevrimo {

// One unit row: its four captions; in proportional categories its size in the row-0
// unit as decimal text ("0.3048", "1E-10", "1609.344/3600"); and the other names the
// command line takes: symbols that match only in their own case, then names that match
// in any case, "|" between them.
struct UnitDef {
    std::string_view tr, en, de, fr;
    std::string_view size = {};
    std::string_view symbols = {};
    std::string_view names = {};
};

// A category: what kind of page it makes and how that page looks (see CategoryTable),
// then its units.
struct CategoryDef {
    CategoryKind kind = CategoryKind::kProportional;
    int buttonWidth = 0;  // of the unit buttons, in dialog units; required
    StartLook startLook = StartLook::kTemplate;
    PageLayout layout = PageLayout::kUnitRows;
    TabOrderRule tabOrder = TabOrderRule::kButtonsFirst;
    std::initializer_list<UnitDef> units;
    int rowCount = 0;  // rows the page converts; 0 means one per unit
};

// A table with its page properties, captions and sizes filled in. Template captions
// default to the English caption of each unit row and a single space on the other
// rows; the pair table starts with Entry on the diagonal and Skip elsewhere. The
// registry sets the key, the tab caption and the tab index.
CategoryTable NewCategory(const CategoryDef& category);

// A pair of rows, source first.
struct RowPair {
    int source, target;
};

struct HeldConstant {
    int source, target;
    std::string_view value;  // the divisor as the category holds it
};

struct ProportionalRules {
    // Significant digits of the constant for a pair (source, target).
    std::function<int(int source, int target)> digits = {};
    // Pairs held as a multiplier size(source) / size(target) instead of a divisor.
    std::vector<RowPair> multipliers = {};
    // Divisors that differ from the rounding rule.
    std::vector<HeldConstant> held = {};
    // Rows naming one unit twice: no factor between them, either way.
    std::vector<RowPair> sameUnit = {};
};

// Fills every pair i != j below N with one step: divide by size(j) / size(i), or multiply
// for the multiplier pairs, each constant rounded half up on the exact ratio.
void FillProportional(CategoryTable& table, std::initializer_list<UnitDef> units,
                      const ProportionalRules& rules);

inline std::function<int(int, int)> Digits(int n) {
    return [n](int, int) { return n; };
}

// The pair rule from `source` to `target`, for tables that set rules one by one.
inline PairRule& Rule(CategoryTable& table, int source, int target) {
    return table.pairs[static_cast<std::size_t>(source)][static_cast<std::size_t>(target)];
}

}  // namespace tevrimo
