// Density and specific volume: six density units (sizes in kg/m³) and six specific
// volume units (sizes in m³/kg). Within a group the page divides by the size ratio;
// across the groups it divides the constant 1 / (size i x size j) by the value. All
// constants are the exact values rounded to eight significant digits. The slug of this
// page is exactly 32.174 pounds.
#include "categories.h"
#include "category_builder.h"
#include "exact_ratio.h"

namespace tevrimo {

namespace {
constexpr int kDensityRows = 6;
}

const CategoryTable& DensityCategory() {
    static const CategoryTable table = [] {
        const std::initializer_list<UnitSpec> units = {
            {"kg/m³", "kg/m³", "kg/m³", "kg/m³", "1"},
            {"g/cm³ (=kg/litre)", "g/cm³ (=kg/L)", "g/cm³ (=kg/Liter)", "g/cm³ (=kg/litre)",
             "1000"},
            {"g/litre", "g/Liter", "g/Liter", "g/litre", "1"},
            {"paund/fit³", "lb/ft³", "Pfund/Fuß³", "livre/pied³", "0.45359237/0.028316846592"},
            {"paund/inç³", "lb/in³", "Pfund/Zoll³", "livre/pouce³", "0.45359237/0.000016387064"},
            // 32.174 x 0.45359237 kg per cubic foot
            {"slug/fit³", "slug/ft³", "Slug/Fuß³", "slug/ft³", "14.59388091238/0.028316846592"},
            {"m³/kg", "m³/kg", "m³/kg", "m³/kg", "1"},
            {"cm³/g (=litre/kg)", "cm³/g (=L/kg)", "cm³/g (=Liter/kg)", "cm³/g (=litre/kg)",
             "0.001"},
            {"ft³/paund", "ft³/lb", "Fuß³/Pfund", "pied³/livre", "0.028316846592/0.45359237"},
            {"in³/paund", "in³/lb", "Zoll³/Pfund", "pouce³/livre", "0.000016387064/0.45359237"},
            {"litre/g", "liter/g", "Liter/g", "litre/g", "1"},
            {"fit³/slug", "ft³/slug", "Fuß³/Slug", "pied³/slug", "0.028316846592/14.59388091238"},
        };
        CategoryTable t = NewCategory("density", "Yoğunluk", 9, 12, 80, units);
        t.templateCaptions = {"kg/m³", "g/cm³ (=kg/L)", "g/liter", "lb/ft³", "lb/in³",  "slug/ft³",
                              "m³/kg", "cm³/g (=L/kg)", "ft³/lb",  "in³/lb", "liter/g", "ft³/slug",
                              "°API",  "SG (H2O 60°F)"};
        std::vector<ExactRatio> sizes;
        for (const UnitSpec& u : units) sizes.push_back(ExactRatio::FromText(u.size));
        for (std::size_t i = 0; i < 12; ++i) {
            for (std::size_t j = 0; j < 12; ++j) {
                if (i == j) continue;
                const bool sameGroup = (i < kDensityRows) == (j < kDensityRows);
                if (sameGroup) {
                    t.pairs[i][j] =
                        PairRule::Step(StepOp::kDivide, (sizes[j] / sizes[i]).Rounded(8));
                } else {
                    t.pairs[i][j] = PairRule::Step(StepOp::kDivideInto,
                                                   (sizes[i] * sizes[j]).Inverse().Rounded(8));
                }
            }
        }
        // One unit under two names: the value itself, formatted.
        t.pairs[0][2] = t.pairs[2][0] = PairRule::Same();
        t.pairs[6][10] = t.pairs[10][6] = PairRule::Same();
        return t;
    }();
    return table;
}

}  // namespace tevrimo
