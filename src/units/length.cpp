// SPDX-License-Identifier: MIT
// Length: twelve units, sizes in metres. Constants are the size ratios rounded half up
// to eight significant digits; from angstrom to the five largest units the page
// multiplies instead of dividing.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

namespace {
enum Row {
    kMetre,
    kAngstrom,
    kCentimetre,
    kFoot,
    kInch,
    kKilometre,
    kMicrometre,
    kMile,
    kMillimetre,
    kNauticalMile,
    kThou,
    kYard,
};
}  // namespace

CategoryTable BuildLength() {
    const std::initializer_list<UnitDef> units = {
        {.key = "m",
         .caption = {"metre", "meter", "Meter", "mètre"},
         .fullName = {"metre", "metre", "Meter", "mètre"},
         .size = "1",
         .sizeIn = kCentimetre,
         .symbols = "m",
         .names = "metre|metres|meters|mètres|Metern"},
        {.key = "angstrom",
         .caption = {"angström", "angstrom", "Angström", "angström"},
         .fullName = {"angstrom", "ångström", "Ångström", "ångström"},
         .size = "1E-10",
         .names = "Å|Å|ångström|ångströms|angstroms"},
        {.key = "cm",
         .caption = {"santimetre", "centimeter", "Zentimeter", "centimètre"},
         .fullName = {"santimetre", "centimetre", "Zentimeter", "centimètre"},
         .size = "0.01",
         .names = "cm|centimetre|centimetres|centimeters|centimètres|santim"},
        {.key = "ft",
         .caption = {"fit", "foot", "Fuß", "pied"},
         .fullName = {"fit", "foot", "Fuß", "pied"},
         .size = "0.3048",
         .names = "ft|feet|pieds|ayak|Fuss|Füße"},
        {.key = "in",
         .caption = {"inç", "inch", "Zoll", "pouce"},
         .fullName = {"inç", "inch", "Zoll", "pouce"},
         .size = "0.0254",
         .names = "in|inches|pouces|parmak"},
        {.key = "km",
         .caption = {"kilometre", "kilometer", "Kilometer", "kilomètre"},
         .fullName = {"kilometre", "kilometre", "Kilometer", "kilomètre"},
         .size = "1000",
         .names = "km|kilometre|kilometres|kilometers|kilomètres|Kilometern"},
        {.key = "um",
         .caption = {"mikrometre", "micrometer", "Mikrometer", "micromètre"},
         .fullName = {"mikrometre (mikron)", "micrometre (micron)", "Mikrometer (Mikron)",
                      "micromètre (micron)"},
         .size = "1E-6",
         .names = "µm|μm|um|micrometre|micrometres|micrometers|micron|microns"},
        {.key = "mi",
         .caption = {"mil", "mile", "Meile", "mille"},
         .fullName = {"mil (kara mili)", "mile (statute mile)", "Meile (Landmeile)",
                      "mille terrestre"},
         .size = "1609.344",
         .names = "mi|miles|milles|Meilen"},
        {.key = "mm",
         .caption = {"milimetre", "milimeter", "Millimeter", "millimètre"},
         .fullName = {"milimetre", "millimetre", "Millimeter", "millimètre"},
         .size = "0.001",
         .symbols = "mm",
         .names = "millimetre|millimetres|millimeter|millimeters|millimètres|milim"},
        {.key = "nmi",
         .caption = {"deniz mili", "nautical mile", "Seemeile", "mille marin"},
         .fullName = {"deniz mili", "nautical mile", "Seemeile", "mille marin"},
         .size = "1852",
         .names = "nmi|nautical miles"},
        {.key = "thou",
         .caption = {"thou", "thou", "Thou", "thou"},
         .fullName = {"thou (binde bir inç)", "thou (thousandth of an inch)",
                      "Thou (Tausendstel Zoll)", "thou (millième de pouce)"},
         .size = "2.54E-5",
         .names = "thous"},
        {.key = "yd",
         .caption = {"yarda", "yard", "Yard", "yard"},
         .fullName = {"yarda", "yard", "Yard", "yard"},
         .size = "0.9144",
         .names = "yd|yards"},
    };
    CategoryTable t = NewCategory({.name = {"Uzunluk", "Length", "Länge", "Longueur"},
                                   .kind = CategoryKind::kProportional,
                                   .buttonWidth = 60,
                                   .startLook = StartLook::kStartLanguage,
                                   .commonUnits = "m|ft|cm|in|km|mi",
                                   .units = units});
    FillProportional(t, units,
                     {.digits = Digits(8),
                      .multipliers = {{kAngstrom, kMetre},
                                      {kAngstrom, kKilometre},
                                      {kAngstrom, kMile},
                                      {kAngstrom, kNauticalMile},
                                      {kAngstrom, kYard}}});
    return t;
}

}  // namespace tevrimo
