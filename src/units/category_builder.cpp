// SPDX-License-Identifier: MIT
#include "category_builder.h"

#include <stdexcept>

#include "exact_ratio.h"

namespace tevrimo {

CategoryTable NewCategory(const CategoryDef& category) {
    const int unitCount = static_cast<int>(category.units.size());
    const int rowCount = category.rowCount > 0 ? category.rowCount : unitCount;
    if (unitCount > kRowCount || rowCount > kRowCount) throw std::logic_error("too many rows");
    if (category.buttonWidth <= 0) throw std::logic_error("a category needs its button width");
    CategoryTable t;
    t.names = category.name;
    t.rowCount = rowCount;
    t.kind = category.kind;
    t.startLook = category.startLook;
    t.layout = category.layout;
    t.tabOrder = category.tabOrder;
    t.buttonWidth = category.buttonWidth;
    t.commonUnits = category.commonUnits;
    std::size_t r = 0;
    for (const UnitDef& u : category.units) {
        UnitRow& row = t.rows[r++];
        row.captions = u.caption;
        if (!u.size.empty()) row.size = ExactRatio::FromText(u.size).Rounded(17);
        row.symbols = u.symbols;
        row.names = u.names;
        row.key = u.key;
        row.fullNames = u.fullName;
        row.exactSize = u.exactSize.empty() ? u.size : u.exactSize;
        row.sizeIn = u.sizeIn >= 0 ? u.sizeIn : category.sizeUnit;
        row.sizeTexts = u.sizeText;
    }
    for (std::size_t i = 0; i < kRowCount; ++i) {
        t.templateCaptions[i] = t.rows[i].HasUnit() ? t.rows[i].captions[kEnglish] : " ";
        for (std::size_t j = 0; j < kRowCount; ++j) {
            t.pairs[i][j] = i == j ? PairRule::Entry() : PairRule::Skip();
        }
    }
    return t;
}

void FillProportional(CategoryTable& table, std::initializer_list<UnitDef> units,
                      const ProportionalRules& rules) {
    std::vector<ExactRatio> sizes;
    for (const UnitDef& u : units) {
        if (sizes.size() == static_cast<std::size_t>(table.rowCount)) break;
        sizes.push_back(ExactRatio::FromText(u.size));
    }
    if (sizes.size() != static_cast<std::size_t>(table.rowCount)) {
        throw std::logic_error("every converted row needs a size");
    }
    if (!rules.digits) throw std::logic_error("a proportional category needs its digits");
    const auto contains = [](const std::vector<RowPair>& list, int i, int j) {
        for (const RowPair& p : list) {
            if (p.source == i && p.target == j) return true;
        }
        return false;
    };
    for (int i = 0; i < table.rowCount; ++i) {
        for (int j = 0; j < table.rowCount; ++j) {
            if (i == j) continue;
            const ExactRatio& si = sizes[static_cast<std::size_t>(i)];
            const ExactRatio& sj = sizes[static_cast<std::size_t>(j)];
            PairRule& rule = Rule(table, i, j);
            if (contains(rules.sameUnit, i, j) || contains(rules.sameUnit, j, i)) {
                rule = PairRule::Same();
            } else if (contains(rules.multipliers, i, j)) {
                rule = PairRule::Step(StepOp::kMultiply, (si / sj).Rounded(rules.digits(i, j)));
            } else {
                rule = PairRule::Step(StepOp::kDivide, (sj / si).Rounded(rules.digits(i, j)));
            }
        }
    }
    for (const HeldConstant& h : rules.held) {
        Rule(table, h.source, h.target) = PairRule::Step(StepOp::kDivide, ParseNumber(h.value));
    }
}

}  // namespace tevrimo
