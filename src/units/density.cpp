// SPDX-License-Identifier: MIT
// Density and specific volume: six density units (sizes in kg/m³) and six specific
// volume units (sizes in m³/kg). Within a group the page divides by the size ratio;
// across the groups it divides the constant 1 / (size i x size j) by the value. The
// constants are the exact values rounded to eight significant digits, except where a
// base unit meets an imperial one: there the page holds the imperial unit's size as
// stored below, and three quotients at full length. The slug of this page is exactly
// 32.174 pounds. Size texts: densities in kg/m³, specific volumes in m³/kg, from the
// exact sizes.
#include <vector>

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
    // Sizes with the digits the page stores; the exact sizes of the imperial units from the
    // pound (0.45359237 kg), the cubic foot (0.028316846592 m³), the cubic inch
    // (0.000016387064 m³) and this page's slug (14.59388091238 kg, 32.174 pounds).
    const std::initializer_list<UnitDef> units = {
        {.key = "kg_m3",
         .caption = {"kg/m³", "kg/m³", "kg/m³", "kg/m³"},
         .fullName = {"kilogram bölü metreküp", "kilogram per cubic metre",
                      "Kilogramm pro Kubikmeter", "kilogramme par mètre cube"},
         .size = "1",
         .sizeIn = kGramPerLitre,
         .names = "kg/m3|kilogram per cubic metre|kilograms per cubic metre|kilogram per cubic "
                  "meter|kilograms per cubic meter"},
        {.key = "g_cm3",
         .caption = {"g/cm³ (=kg/litre)", "g/cm³ (=kg/L)", "g/cm³ (=kg/Liter)",
                     "g/cm³ (=kg/litre)"},
         .fullName = {"gram bölü santimetreküp (kilogram bölü litre)",
                      "gram per cubic centimetre (kilogram per litre)",
                      "Gramm pro Kubikzentimeter (Kilogramm pro Liter)",
                      "gramme par centimètre cube (kilogramme par litre)"},
         .size = "1000",
         .names = "g/cm3|g/ml|kg/l|kg/dm3|gram per cubic centimetre|grams per cubic "
                  "centimetre|gram per cubic centimeter|grams per cubic centimeter"},
        {.key = "g_l",
         .caption = {"g/litre", "g/Liter", "g/Liter", "g/litre"},
         .fullName = {"gram bölü litre", "gram per litre", "Gramm pro Liter", "gramme par litre"},
         .size = "1",
         .names = "g/l|g/dm3|gram per litre|grams per litre|gram per liter|grams per liter"},
        {.key = "lb_ft3",
         .caption = {"paund/fit³", "lb/ft³", "Pfund/Fuß³", "livre/pied³"},
         .fullName = {"paund bölü fit küp", "pound per cubic foot", "Pfund pro Kubikfuß",
                      "livre par pied cube"},
         .size = "16.0184632652026",
         .exactSize = "0.45359237/0.028316846592",
         .names = "lb/ft3|lb/cu ft|pcf|pound per cubic foot|pounds per cubic foot"},
        {.key = "lb_in3",
         .caption = {"paund/inç³", "lb/in³", "Pfund/Zoll³", "livre/pouce³"},
         .fullName = {"paund bölü inç küp", "pound per cubic inch", "Pfund pro Kubikzoll",
                      "livre par pouce cube"},
         .size = "27679.9047102672",
         .exactSize = "0.45359237/0.000016387064",
         .names = "lb/in3|lb/cu in|pci|pound per cubic inch|pounds per cubic inch"},
        {.key = "slug_ft3",
         .caption = {"slug/fit³", "slug/ft³", "Slug/Fuß³", "slug/ft³"},
         .fullName = {"slug bölü fit küp", "slug per cubic foot", "Slug pro Kubikfuß",
                      "slug par pied cube"},
         .size = "515.3780300427251",
         .exactSize = "14.59388091238/0.028316846592",
         .names = "slug/ft3|slug per cubic foot|slugs per cubic foot"},
        {.key = "m3_kg",
         .caption = {"m³/kg", "m³/kg", "m³/kg", "m³/kg"},
         .fullName = {"metreküp bölü kilogram", "cubic metre per kilogram",
                      "Kubikmeter pro Kilogramm", "mètre cube par kilogramme"},
         .size = "1",
         .sizeIn = kLitrePerGram,
         .names = "m3/kg|cubic metre per kilogram|cubic metres per kilogram|cubic meter per "
                  "kilogram|cubic meters per kilogram"},
        {.key = "cm3_g",
         .caption = {"cm³/g (=litre/kg)", "cm³/g (=L/kg)", "cm³/g (=Liter/kg)",
                     "cm³/g (=litre/kg)"},
         .fullName = {"santimetreküp bölü gram (litre bölü kilogram)",
                      "cubic centimetre per gram (litre per kilogram)",
                      "Kubikzentimeter pro Gramm (Liter pro Kilogramm)",
                      "centimètre cube par gramme (litre par kilogramme)"},
         .size = "0.001",
         .sizeIn = kCubicMetrePerKg,
         .names = "cm3/g|ml/g|l/kg|cubic centimetre per gram|cubic centimetres per gram|cubic "
                  "centimeter per gram|cubic centimeters per gram"},
        {.key = "ft3_lb",
         .caption = {"ft³/paund", "ft³/lb", "Fuß³/Pfund", "pied³/livre"},
         .fullName = {"fit küp bölü paund", "cubic foot per pound", "Kubikfuß pro Pfund",
                      "pied cube par livre"},
         .size = "0.0624279620335609",
         .exactSize = "0.028316846592/0.45359237",
         .sizeIn = kCubicMetrePerKg,
         .names = "ft3/lb|cubic foot per pound|cubic feet per pound"},
        {.key = "in3_lb",
         .caption = {"in³/paund", "in³/lb", "Zoll³/Pfund", "pouce³/livre"},
         .fullName = {"inç küp bölü paund", "cubic inch per pound", "Kubikzoll pro Pfund",
                      "pouce cube par livre"},
         .size = "3.61272916218462E-5",
         .exactSize = "0.000016387064/0.45359237",
         .sizeIn = kCubicMetrePerKg,
         .names = "in3/lb|cubic inch per pound|cubic inches per pound"},
        {.key = "l_g",
         .caption = {"litre/g", "liter/g", "Liter/g", "litre/g"},
         .fullName = {"litre bölü gram", "litre per gram", "Liter pro Gramm", "litre par gramme"},
         .size = "1",
         .sizeIn = kCubicMetrePerKg,
         .names = "l/g|litre per gram|litres per gram|liter per gram|liters per gram"},
        {.key = "ft3_slug",
         .caption = {"fit³/slug", "ft³/slug", "Fuß³/Slug", "pied³/slug"},
         .fullName = {"fit küp bölü slug", "cubic foot per slug", "Kubikfuß pro Slug",
                      "pied cube par slug"},
         .size = "0.00194032326251231",
         .exactSize = "0.028316846592/14.59388091238",
         .sizeIn = kCubicMetrePerKg,
         .names = "ft3/slug|cubic foot per slug|cubic feet per slug"},
    };
    CategoryTable t = NewCategory(
        {.name = {"Yoğunluk ve özgül hacim", "Density and specific volume",
                  "Dichte und spezifisches Volumen", "Masse volumique et volume massique"},
         .kind = CategoryKind::kStepList,
         .buttonWidth = 80,
         .commonUnits = "kg_m3|g_cm3|lb_ft3|g_l",
         .units = units});
    t.templateCaptions = {"kg/m³",    "g/cm³ (=kg/L)", "g/liter",       "lb/ft³",       "lb/in³",
                          "slug/ft³", "m³/kg",         "cm³/g (=L/kg)", "ft³/lb",       "in³/lb",
                          "liter/g",  "ft³/slug",      "°API",          "SG (H2O 60°F)"};
    // The pair constants come from the exact sizes.
    std::vector<ExactRatio> exact;
    for (int r = 0; r < t.rowCount; ++r) {
        exact.push_back(ExactRatio::FromText(t.rows[static_cast<std::size_t>(r)].exactSize));
    }
    for (int i = 0; i < t.rowCount; ++i) {
        for (int j = 0; j < t.rowCount; ++j) {
            if (i == j) continue;
            const ExactRatio& si = exact[static_cast<std::size_t>(i)];
            const ExactRatio& sj = exact[static_cast<std::size_t>(j)];
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
