// Data storage: bits and five byte multiples with 1024 between neighbours. Towards a
// larger unit the page divides step by step, towards a smaller one it multiplies once
// by the exact ratio. Rows 6 to 12 hold no unit and are emptied by every refresh.
#include "categories.h"
#include "category_builder.h"

namespace tevrimo {

namespace {
constexpr int kUnits = 6;
constexpr int kClearedEnd = 13;
}  // namespace

const CategoryTable& DataStorageCategory() {
    static const CategoryTable table = [] {
        CategoryTable t = NewCategory("data", "Bilgisayar", 11, kClearedEnd, 70,
                                      {
                                          {"bit", "bit", "bit", "bit"},
                                          {"Byte", "Byte", "Byte", "Byte"},
                                          {"kByte", "kByte", "kByte", "kByte"},
                                          {"MByte", "MByte", "MByte", "MByte"},
                                          {"GByte", "GByte", "GByte", "GByte"},
                                          {"TByte", "TByte", "TByte", "TByte"},
                                      });
        for (std::size_t r = kUnits; r < kClearedEnd; ++r) t.templateCaptions[r] = "";
        // Size of each unit in bits.
        const auto bits = [](int row) {
            return row == 0 ? 1.0 : 8.0 * static_cast<double>(1ull << (10 * (row - 1)));
        };
        for (int i = 0; i < kClearedEnd; ++i) {
            for (int j = 0; j < kClearedEnd; ++j) {
                PairRule& rule = t.pairs[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
                if (i >= kUnits || j >= kUnits) {
                    rule = PairRule::Clear();
                } else if (j > i) {
                    rule = PairRule::Steps({});
                    for (int k = i + 1; k <= j; ++k) {
                        rule.steps[rule.stepCount++] = {StepOp::kDivide, k == 1 ? 8.0 : 1024.0};
                    }
                } else if (j < i) {
                    rule = PairRule::Step(StepOp::kMultiply, bits(i) / bits(j));
                }
            }
        }
        return t;
    }();
    return table;
}

}  // namespace tevrimo
