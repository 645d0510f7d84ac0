// SPDX-License-Identifier: MIT
// Data storage: bits and five byte multiples with 1024 between neighbours. Towards a
// larger unit the page divides step by step, towards a smaller one it multiplies once
// by the exact ratio. Rows 6 to 12 hold no unit and are emptied by every refresh.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

namespace {
constexpr int kUnits = 6;
constexpr int kClearedEnd = 13;

// Size of the unit of row `row` in bits.
double Bits(int row) {
    return row == 0 ? 1.0 : 8.0 * static_cast<double>(1ull << (10 * (row - 1)));
}
}  // namespace

CategoryTable BuildDataStorage() {
    CategoryTable t =
        NewCategory({.kind = CategoryKind::kStepList,
                     .buttonWidth = 70,
                     .units =
                         {
                             {"bit", "bit", "bit", "bit", "", "b", "bits"},
                             {"Byte", "Byte", "Byte", "Byte", "", "B", "byte|bytes|octet|octets"},
                             {"kByte", "kByte", "kByte", "kByte", "", "kB|KB|KiB",
                              "kilobyte|kilobytes|kibibyte|kibibytes"},
                             {"MByte", "MByte", "MByte", "MByte", "", "MB|MiB",
                              "megabyte|megabytes|mebibyte|mebibytes"},
                             {"GByte", "GByte", "GByte", "GByte", "", "GB|GiB",
                              "gigabyte|gigabytes|gibibyte|gibibytes"},
                             {"TByte", "TByte", "TByte", "TByte", "", "TB|TiB",
                              "terabyte|terabytes|tebibyte|tebibytes"},
                         },
                     .rowCount = kClearedEnd});
    for (int r = kUnits; r < kClearedEnd; ++r) t.templateCaptions[static_cast<std::size_t>(r)] = "";
    for (int i = 0; i < kClearedEnd; ++i) {
        for (int j = 0; j < kClearedEnd; ++j) {
            PairRule& rule = Rule(t, i, j);
            if (i >= kUnits || j >= kUnits) {
                rule = PairRule::Clear();
            } else if (j > i) {
                rule = PairRule::Steps({});
                for (int k = i + 1; k <= j; ++k) {
                    rule.AddStep({StepOp::kDivide, k == 1 ? 8.0 : 1024.0});
                }
            } else if (j < i) {
                rule = PairRule::Step(StepOp::kMultiply, Bits(i) / Bits(j));
            }
        }
    }
    return t;
}

}  // namespace tevrimo
