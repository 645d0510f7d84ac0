// Length: twelve units, sizes in metres. Constants are the size ratios rounded half up
// to eight significant digits; from angstrom to the five largest units the page
// multiplies instead of dividing.
#include "category_builder.h"

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
    const std::initializer_list<UnitSpec> units = {
        {"metre", "meter", "Meter", "mètre", "1"},
        {"angström", "angstrom", "Angström", "angström", "1E-10"},
        {"santimetre", "centimeter", "Zentimeter", "centimètre", "0.01"},
        {"fit", "foot", "Fuß", "pied", "0.3048"},
        {"inç", "inch", "Zoll", "pouce", "0.0254"},
        {"kilometre", "kilometer", "Kilometer", "kilomètre", "1000"},
        {"mikrometre", "micrometer", "Mikrometer", "micromètre", "1E-6"},
        {"mil", "mile", "Meile", "mille", "1609.344"},
        {"milimetre", "milimeter", "Millimeter", "millimètre", "0.001"},
        {"deniz mili", "nautical mile", "Seemeile", "mille marin", "1852"},
        {"thou", "thou", "Thou", "thou", "2.54E-5"},
        {"yarda", "yard", "Yard", "yard", "0.9144"},
    };
    CategoryTable t = NewCategory({.units = units});
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
