// SPDX-License-Identifier: MIT
// Helpers with which each category file defines its table: unit and category
// definitions, the new table made from them, and the rules of proportional pairs.
#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "category_table.h"

namespace tevrimo {

// One unit row, each field named where it is given:
// - key: a short ASCII key for scripts, unique in the category, the same in every
//   language: letters, digits and "_", starting with a letter; it names the unit in its
//   own case only.
// - caption: the button captions, and fullName: what the unit is called, written out,
//   each in Turkish, English, German and French.
// - size: in proportional categories, the unit's size in the row-0 unit as decimal text
//   ("0.3048", "1E-10", "1609.344/3600"), from which the pair constants are made.
// - exactSize: the exact size, in the same unit as `size`, where `size` is a shortened
//   value the page has always held or where the category holds no sizes; the size text
//   (UnitSizeText) is made from it, or from `size` when it is not given.
// - sizeIn: the row whose unit the size text states this unit in, when it is not the
//   category's sizeUnit; both rows' sizes are in the same unit.
// - sizeText: a fixed size text instead (a formula, or where there is nothing to relate).
// - symbols: other names the command line takes that match only in their own case, and
//   names: other names that match in any case, "|" between them.
struct UnitDef {
    std::string_view key;
    LanguageTexts caption;
    LanguageTexts fullName;
    std::string_view size = {};
    std::string_view exactSize = {};
    int sizeIn = -1;
    LanguageTexts sizeText = {};
    std::string_view symbols = {};
    std::string_view names = {};
};

// The same text in every language.
constexpr LanguageTexts AllLanguages(std::string_view text) {
    return {text, text, text, text};
}

// A category: its name in each language, what kind of page it makes and how that page
// looks (see CategoryTable), the row whose unit the size texts are stated in, then its
// units.
struct CategoryDef {
    LanguageTexts name;
    CategoryKind kind = CategoryKind::kProportional;
    int buttonWidth = 0;  // of the unit buttons, in dialog units; required
    StartLook startLook = StartLook::kTemplate;
    PageLayout layout = PageLayout::kUnitRows;
    TabOrderRule tabOrder = TabOrderRule::kButtonsFirst;
    int sizeUnit = 0;
    // The keys of the units people use most, most used first, "|" between them: what a
    // short list of results (the desktop's search) offers first.
    std::string_view commonUnits = {};
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

// The significant digits of the constant of a pair (source, target): the same for every
// pair (Digits(n)), or what a function of the pair says (a lambda without captures).
class DigitRule {
  public:
    DigitRule() = default;
    template <class PerPair>
    DigitRule(PerPair perPair) : m_perPair(perPair) {}  // implicit, as a lambda is given
    static DigitRule Same(int digits) {
        DigitRule rule;
        rule.m_same = digits;
        return rule;
    }

    // Whether a rule was given at all.
    explicit operator bool() const { return m_perPair || m_same > 0; }
    int operator()(int source, int target) const {
        return m_perPair ? m_perPair(source, target) : m_same;
    }

  private:
    int (*m_perPair)(int source, int target) = nullptr;
    int m_same = 0;
};

struct ProportionalRules {
    // Significant digits of the constant for a pair (source, target).
    DigitRule digits = {};
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

inline DigitRule Digits(int n) {
    return DigitRule::Same(n);
}

// The pair rule from `source` to `target`, for tables that set rules one by one.
inline PairRule& Rule(CategoryTable& table, int source, int target) {
    return table.pairs[static_cast<std::size_t>(source)][static_cast<std::size_t>(target)];
}

}  // namespace tevrimo
