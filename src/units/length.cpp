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
        {"metre", "meter", "Meter", "mètre", "1", "m", "metre|metres|meters"},
        {"angström", "angstrom", "Angström", "angström", "1E-10", "",
         "Å|Å|ångström|ångströms|angstroms"},
        {"santimetre", "centimeter", "Zentimeter", "centimètre", "0.01", "",
         "cm|centimetre|centimetres|centimeters"},
        {"fit", "foot", "Fuß", "pied", "0.3048", "", "ft|feet"},
        {"inç", "inch", "Zoll", "pouce", "0.0254", "", "in|inches"},
        {"kilometre", "kilometer", "Kilometer", "kilomètre", "1000", "",
         "km|kilometre|kilometres|kilometers"},
        {"mikrometre", "micrometer", "Mikrometer", "micromètre", "1E-6", "",
         "µm|μm|um|micrometre|micrometres|micrometers|micron|microns"},
        {"mil", "mile", "Meile", "mille", "1609.344", "", "mi|miles"},
        {"milimetre", "milimeter", "Millimeter", "millimètre", "0.001", "mm",
         "millimetre|millimetres|millimeter|millimeters"},
        {"deniz mili", "nautical mile", "Seemeile", "mille marin", "1852", "",
         "nmi|nautical miles"},
        {"thou", "thou", "Thou", "thou", "2.54E-5", "", "thous"},
        {"yarda", "yard", "Yard", "yard", "0.9144", "", "yd|yards"},
    };
    CategoryTable t = NewCategory({.kind = CategoryKind::kProportional,
                                   .buttonWidth = 60,
                                   .startLook = StartLook::kStartLanguage,
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
