#include "category_builder.h"

#include <stdexcept>

#include "exact_ratio.h"

namespace tevrimo {

CategoryTable NewCategory(std::string_view key, std::string_view tabCaption, int tabIndex,
                          int rowCount, int buttonWidth, std::initializer_list<UnitSpec> units) {
    if (units.size() > kRowCount || rowCount > kRowCount) throw std::logic_error("too many rows");
    CategoryTable t;
    t.key = key;
    t.tabCaption = tabCaption;
    t.tabIndex = tabIndex;
    t.templateId = 140 + tabIndex;
    t.rowCount = rowCount;
    t.buttonWidth = buttonWidth;
    std::size_t r = 0;
    for (const UnitSpec& u : units) t.rows[r++].captions = {u.tr, u.en, u.de, u.fr};
    for (std::size_t i = 0; i < kRowCount; ++i) {
        t.templateCaptions[i] = t.rows[i].HasUnit() ? t.rows[i].captions[kEnglish] : " ";
        for (std::size_t j = 0; j < kRowCount; ++j) {
            t.pairs[i][j] = i == j ? PairRule::Entry() : PairRule::Skip();
        }
    }
    return t;
}

void FillProportional(CategoryTable& table, std::initializer_list<UnitSpec> units,
                      const ProportionalRules& rules) {
    std::vector<ExactRatio> sizes;
    for (const UnitSpec& u : units) {
        if (sizes.size() == static_cast<std::size_t>(table.rowCount)) break;
        sizes.push_back(ExactRatio::FromText(u.size));
    }
    if (sizes.size() != static_cast<std::size_t>(table.rowCount)) {
        throw std::logic_error("every converted row needs a size");
    }
    const auto contains = [](const std::vector<std::pair<int, int>>& list, int i, int j) {
        for (const auto& p : list) {
            if (p.first == i && p.second == j) return true;
        }
        return false;
    };
    for (int i = 0; i < table.rowCount; ++i) {
        for (int j = 0; j < table.rowCount; ++j) {
            if (i == j) continue;
            PairRule& rule = table.pairs[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            const ExactRatio& si = sizes[static_cast<std::size_t>(i)];
            const ExactRatio& sj = sizes[static_cast<std::size_t>(j)];
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
        table.pairs[static_cast<std::size_t>(h.source)][static_cast<std::size_t>(h.target)] =
            PairRule::Step(StepOp::kDivide, ParseNumber(h.value));
    }
}

}  // namespace tevrimo
