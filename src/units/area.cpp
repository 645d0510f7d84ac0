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
        {.key = "m2",
         .caption = {"metre²", "meter²", "Meter²", "mètre²"},
         .fullName = {"metrekare", "square metre", "Quadratmeter", "mètre carré"},
         .size = "1",
         .sizeIn = kSquareCentimetre,
         .symbols = "m²|m2",
         .names = "square metre|square metres|square meter|square meters|sq m"},
        {.key = "ac",
         .caption = {"acre", "acre", "Acre", "acre"},
         .fullName = {"akre", "acre", "Acre", "acre"},
         .size = "4046.8564224",  // 43560 square feet
         .names = "ac|acres"},
        {.key = "a",
         .caption = {"ar", "are", "Ar", "are"},
         .fullName = {"ar", "are", "Ar", "are"},
         .size = "100",
         .names = "a|ares"},
        {.key = "cm2",
         .caption = {"santimetre²", "centimeter²", "Zentimeter²", "centimètre²"},
         .fullName = {"santimetrekare", "square centimetre", "Quadratzentimeter",
                      "centimètre carré"},
         .size = "1E-4",
         .names =
             "cm²|cm2|square centimetre|square centimetres|square centimeter|square centimeters"},
        {.key = "ft2",
         .caption = {"fit²", "foot²", "Fuß²", "pied²"},
         .fullName = {"fit kare", "square foot", "Quadratfuß", "pied carré"},
         .size = "0.09290304",
         .names = "ft²|ft2|sq ft|square foot|square feet"},
        {.key = "ha",
         .caption = {"hektar", "hectare", "Hektar", "hectare"},
         .fullName = {"hektar", "hectare", "Hektar", "hectare"},
         .size = "10000",
         .names = "ha|hectares"},
        {.key = "in2",
         .caption = {"inç²", "inch²", "Zoll²", "pouce²"},
         .fullName = {"inç kare", "square inch", "Quadratzoll", "pouce carré"},
         .size = "0.00064516",
         .names = "in²|in2|sq in|square inch|square inches"},
        {.key = "km2",
         .caption = {"kilometre²", "kilometer²", "Kilometer²", "kilomètre²"},
         .fullName = {"kilometrekare", "square kilometre", "Quadratkilometer", "kilomètre carré"},
         .size = "1E+6",
         .names = "km²|km2|square kilometre|square kilometres|square kilometer|square kilometers"},
        {.key = "mi2",
         .caption = {"mil²", "mile²", "Meile²", "mille²"},
         .fullName = {"mil kare", "square mile", "Quadratmeile", "mille carré"},
         .size = "2589988.110336",  // 640 acres
         .names = "mi²|mi2|sq mi|square mile|square miles"},
        {.key = "mm2",
         .caption = {"milimetre²", "milimeter²", "Millimeter²", "millimètre²"},
         .fullName = {"milimetrekare", "square millimetre", "Quadratmillimeter",
                      "millimètre carré"},
         .size = "1E-6",
         .symbols = "mm²|mm2",
         .names = "square millimetre|square millimetres|square millimeter|square millimeters"},
        {.key = "yd2",
         .caption = {"yard²", "yard²", "Yard²", "yard²"},
         .fullName = {"yarda kare", "square yard", "Quadratyard", "yard carré"},
         .size = "0.83612736",
         .names = "yd²|yd2|sq yd|square yard|square yards"},
    };
    CategoryTable t = NewCategory({.name = {"Alan", "Area", "Fläche", "Surface"},
                                   .kind = CategoryKind::kProportional,
                                   .buttonWidth = 60,
                                   .commonUnits = "m2|ft2|ha|ac|km2|cm2",
                                   .units = units});
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
