// Density and specific volume: six density units (sizes in kg/m³) and six specific
// volume units (sizes in m³/kg). Within a group the page divides by the size ratio;
// across the groups it divides the constant 1 / (size i x size j) by the value. The
// constants are the exact values rounded to eight significant digits, except where a
// base unit meets an imperial one: there the page holds the sizes below at full length,
// and three quotients of them. The slug of this page is exactly 32.174 pounds.
#include "categories.h"
#include "category_builder.h"
#include "exact_ratio.h"

namespace tevrimo {

namespace {

constexpr int kDensityRows = 6;

// Sizes as the page holds them.
constexpr std::string_view kLbPerFt3 = "16.0184632652026";
constexpr std::string_view kLbPerIn3 = "27679.9047102672";
constexpr std::string_view kSlugPerFt3 = "515.3780300427251";
constexpr std::string_view kFt3PerLb = "0.0624279620335609";
constexpr std::string_view kIn3PerLb = "3.61272916218462E-5";
constexpr std::string_view kFt3PerSlug = "0.00194032326251231";

struct FullConstant {
    int source, target;
    std::string_view value;
};

// From kg/m³ and g/litre (rows 0, 2) and from m³/kg and litre/g (rows 6, 10) to the
// imperial rows, whichever group: the sizes themselves; and three quotients of them.
constexpr FullConstant kFullConstants[] = {
    {0, 3, kLbPerFt3},         {2, 3, kLbPerFt3},          {0, 4, kLbPerIn3},
    {2, 4, kLbPerIn3},         {0, 5, kSlugPerFt3},        {2, 5, kSlugPerFt3},
    {0, 8, kLbPerFt3},         {2, 8, kLbPerFt3},          {0, 9, kLbPerIn3},
    {2, 9, kLbPerIn3},         {0, 11, kSlugPerFt3},       {2, 11, kSlugPerFt3},
    {6, 8, kFt3PerLb},         {10, 8, kFt3PerLb},         {6, 9, kIn3PerLb},
    {10, 9, kIn3PerLb},        {6, 11, kFt3PerSlug},       {10, 11, kFt3PerSlug},
    {6, 3, kFt3PerLb},         {10, 3, kFt3PerLb},         {6, 4, kIn3PerLb},
    {10, 4, kIn3PerLb},        {6, 5, kFt3PerSlug},        {10, 5, kFt3PerSlug},
    {3, 4, "1728.0000110592"}, {3, 5, "32.1740000811428"}, {5, 4, "53.7079628446165"},
};

}  // namespace

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
        for (const FullConstant& c : kFullConstants) {
            PairRule& rule =
                t.pairs[static_cast<std::size_t>(c.source)][static_cast<std::size_t>(c.target)];
            rule.steps[0].constant = ParseNumber(c.value);
        }
        // One unit under two names: the value itself, formatted.
        t.pairs[0][2] = t.pairs[2][0] = PairRule::Same();
        t.pairs[6][10] = t.pairs[10][6] = PairRule::Same();
        return t;
    }();
    return table;
}

}  // namespace tevrimo
