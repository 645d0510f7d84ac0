// SPDX-License-Identifier: MIT
// Density and specific volume: six density units (sizes in kg/m³) and six specific
// volume units (sizes in m³/kg). Within a group the page divides by the size ratio;
// across the groups it divides the constant 1 / (size i x size j) by the value. The
// constants are the exact values rounded to eight significant digits, except where a
// base unit meets an imperial one: there the page holds the imperial unit's size as
// stored below, and three quotients at full length. The slug of this page is exactly
// 32.174 pounds.
#include "category_builder.h"
#include "category_registry.h"
#include "exact_ratio.h"

namespace tevrimo {

namespace {

enum Row {
    kKgPerCubicMetre,
    kGramPerCubicCentimetre,
    kGramPerLitre,
    kPoundPerCubicFoot,
    kPoundPerCubicInch,
    kSlugPerCubicFoot,
    kCubicMetrePerKg,
    kCubicCentimetrePerGram,
    kCubicFootPerPound,
    kCubicInchPerPound,
    kLitrePerGram,
    kCubicFootPerSlug,
};
constexpr int kDensityRows = 6;

bool IsDensity(int row) {
    return row < kDensityRows;
}
bool IsBase(int row) {
    return row == kKgPerCubicMetre || row == kGramPerLitre || row == kCubicMetrePerKg ||
           row == kLitrePerGram;
}
bool IsImperial(int row) {
    return row != kGramPerCubicCentimetre && row != kCubicCentimetrePerGram && !IsBase(row);
}
// The row of the other group that names the same imperial unit upside down.
int Reciprocal(int row) {
    switch (row) {
        case kPoundPerCubicFoot: return kCubicFootPerPound;
        case kPoundPerCubicInch: return kCubicInchPerPound;
        case kSlugPerCubicFoot: return kCubicFootPerSlug;
        case kCubicFootPerPound: return kPoundPerCubicFoot;
        case kCubicInchPerPound: return kPoundPerCubicInch;
        default: return kSlugPerCubicFoot;
    }
}

}  // namespace

CategoryTable BuildDensity() {
    // Sizes with the digits the page stores.
    CategoryTable t = NewCategory(
        {.kind = CategoryKind::kStepList,
         .buttonWidth = 80,
         .units = {
             {"kg/m³", "kg/m³", "kg/m³", "kg/m³", "1", "",
              "kg/m3|kilogram per cubic metre|kilograms per cubic metre|kilogram per cubic "
              "meter|kilograms per cubic meter"},
             {"g/cm³ (=kg/litre)", "g/cm³ (=kg/L)", "g/cm³ (=kg/Liter)", "g/cm³ (=kg/litre)",
              "1000", "",
              "g/cm3|g/ml|kg/l|kg/dm3|gram per cubic centimetre|grams per cubic centimetre|gram "
              "per cubic centimeter|grams per cubic centimeter"},
             {"g/litre", "g/Liter", "g/Liter", "g/litre", "1", "",
              "g/l|g/dm3|gram per litre|grams per litre|gram per liter|grams per liter"},
             {"paund/fit³", "lb/ft³", "Pfund/Fuß³", "livre/pied³", "16.0184632652026", "",
              "lb/ft3|lb/cu ft|pcf|pound per cubic foot|pounds per cubic foot"},
             {"paund/inç³", "lb/in³", "Pfund/Zoll³", "livre/pouce³", "27679.9047102672", "",
              "lb/in3|lb/cu in|pci|pound per cubic inch|pounds per cubic inch"},
             {"slug/fit³", "slug/ft³", "Slug/Fuß³", "slug/ft³", "515.3780300427251", "",
              "slug/ft3|slug per cubic foot|slugs per cubic foot"},
             {"m³/kg", "m³/kg", "m³/kg", "m³/kg", "1", "",
              "m3/kg|cubic metre per kilogram|cubic metres per kilogram|cubic meter per "
              "kilogram|cubic meters per kilogram"},
             {"cm³/g (=litre/kg)", "cm³/g (=L/kg)", "cm³/g (=Liter/kg)", "cm³/g (=litre/kg)",
              "0.001", "",
              "cm3/g|ml/g|l/kg|cubic centimetre per gram|cubic centimetres per gram|cubic "
              "centimeter per gram|cubic centimeters per gram"},
             {"ft³/paund", "ft³/lb", "Fuß³/Pfund", "pied³/livre", "0.0624279620335609", "",
              "ft3/lb|cubic foot per pound|cubic feet per pound"},
             {"in³/paund", "in³/lb", "Zoll³/Pfund", "pouce³/livre", "3.61272916218462E-5", "",
              "in3/lb|cubic inch per pound|cubic inches per pound"},
             {"litre/g", "liter/g", "Liter/g", "litre/g", "1", "",
              "l/g|litre per gram|litres per gram|liter per gram|liters per gram"},
             {"fit³/slug", "ft³/slug", "Fuß³/Slug", "pied³/slug", "0.00194032326251231", "",
              "ft3/slug|cubic foot per slug|cubic feet per slug"},
         }});
    t.templateCaptions = {"kg/m³",    "g/cm³ (=kg/L)", "g/liter",       "lb/ft³",       "lb/in³",
                          "slug/ft³", "m³/kg",         "cm³/g (=L/kg)", "ft³/lb",       "in³/lb",
                          "liter/g",  "ft³/slug",      "°API",          "SG (H2O 60°F)"};
    // The exact size of each row, from the definitions behind the imperial units.
    const ExactRatio kPound = ExactRatio::FromText("0.45359237");          // kg
    const ExactRatio kSlug = ExactRatio::FromText("14.59388091238");       // kg: 32.174 pounds
    const ExactRatio kCubicFoot = ExactRatio::FromText("0.028316846592");  // m³
    const ExactRatio kCubicInch = ExactRatio::FromText("0.000016387064");  // m³
    const ExactRatio kOne = ExactRatio::FromText("1");
    const ExactRatio exact[] = {
        kOne,
        ExactRatio::FromText("1000"),
        kOne,
        kPound / kCubicFoot,
        kPound / kCubicInch,
        kSlug / kCubicFoot,
        kOne,
        ExactRatio::FromText("0.001"),
        kCubicFoot / kPound,
        kCubicInch / kPound,
        kOne,
        kCubicFoot / kSlug,
    };
    for (int i = 0; i < t.rowCount; ++i) {
        for (int j = 0; j < t.rowCount; ++j) {
            if (i == j) continue;
            const ExactRatio& si = exact[i];
            const ExactRatio& sj = exact[j];
            if (IsDensity(i) == IsDensity(j)) {
                Rule(t, i, j) = PairRule::Step(StepOp::kDivide, (sj / si).Rounded(8));
            } else {
                Rule(t, i, j) = PairRule::Step(StepOp::kDivideInto, (si * sj).Inverse().Rounded(8));
            }
            // A base unit to an imperial one: the stored size of that unit as seen from
            // the source's group.
            if (IsBase(i) && IsImperial(j)) {
                const int stored = IsDensity(i) == IsDensity(j) ? j : Reciprocal(j);
                Rule(t, i, j).steps[0].constant = t.rows[static_cast<std::size_t>(stored)].size;
            }
        }
    }
    Rule(t, kPoundPerCubicFoot, kPoundPerCubicInch).steps[0].constant = 1728.0000110592;
    Rule(t, kPoundPerCubicFoot, kSlugPerCubicFoot).steps[0].constant = 32.1740000811428;
    Rule(t, kSlugPerCubicFoot, kPoundPerCubicInch).steps[0].constant = 53.7079628446165;
    // One unit under two names: the value itself, formatted.
    Rule(t, kKgPerCubicMetre, kGramPerLitre) = Rule(t, kGramPerLitre, kKgPerCubicMetre) =
        PairRule::Same();
    Rule(t, kCubicMetrePerKg, kLitrePerGram) = Rule(t, kLitrePerGram, kCubicMetrePerKg) =
        PairRule::Same();
    return t;
}

}  // namespace tevrimo
