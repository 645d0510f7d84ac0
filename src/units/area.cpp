// SPDX-License-Identifier: MIT
// Area: eleven units, sizes in square metres, constants to eight significant digits.
// From square centimetre and square millimetre to the largest units the page multiplies.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

namespace {
enum Row {
    kSquareMetre,
    kAcre,
    kAre,
    kSquareCentimetre,
    kSquareFoot,
    kHectare,
    kSquareInch,
    kSquareKilometre,
    kSquareMile,
    kSquareMillimetre,
    kSquareYard,
};
}  // namespace

CategoryTable BuildArea() {
    const std::initializer_list<UnitDef> units = {
        {"metre²", "meter²", "Meter²", "mètre²", "1", "m²|m2",
         "square metre|square metres|square meter|square meters|sq m"},
        {"acre", "acre", "Acre", "acre", "4046.8564224", "", "ac|acres"},  // 43560 square feet
        {"ar", "are", "Ar", "are", "100", "", "a|ares"},
        {"santimetre²", "centimeter²", "Zentimeter²", "centimètre²", "1E-4", "",
         "cm²|cm2|square centimetre|square centimetres|square centimeter|square centimeters"},
        {"fit²", "foot²", "Fuß²", "pied²", "0.09290304", "",
         "ft²|ft2|sq ft|square foot|square feet"},
        {"hektar", "hectare", "Hektar", "hectare", "10000", "", "ha|hectares"},
        {"inç²", "inch²", "Zoll²", "pouce²", "0.00064516", "",
         "in²|in2|sq in|square inch|square inches"},
        {"kilometre²", "kilometer²", "Kilometer²", "kilomètre²", "1E+6", "",
         "km²|km2|square kilometre|square kilometres|square kilometer|square kilometers"},
        {"mil²", "mile²", "Meile²", "mille²", "2589988.110336", "",
         "mi²|mi2|sq mi|square mile|square miles"},  // 640 acres
        {"milimetre²", "milimeter²", "Millimeter²", "millimètre²", "1E-6", "mm²|mm2",
         "square millimetre|square millimetres|square millimeter|square millimeters"},
        {"yard²", "yard²", "Yard²", "yard²", "0.83612736", "",
         "yd²|yd2|sq yd|square yard|square yards"},
    };
    CategoryTable t =
        NewCategory({.kind = CategoryKind::kProportional, .buttonWidth = 60, .units = units});
    t.templateCaptions[11] = "";
    FillProportional(t, units,
                     {.digits = Digits(8),
                      .multipliers = {{kSquareCentimetre, kSquareKilometre},
                                      {kSquareCentimetre, kSquareMile},
                                      {kSquareMillimetre, kHectare},
                                      {kSquareMillimetre, kSquareKilometre},
                                      {kSquareMillimetre, kSquareMile}}});
    return t;
}

}  // namespace tevrimo
