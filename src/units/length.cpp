// Length: twelve units, sizes in metres. Constants are the size ratios rounded half up
// to eight significant digits; from angstrom to the five largest units the page
// multiplies instead of dividing.
#include "categories.h"
#include "category_builder.h"

namespace tevrimo {

const CategoryTable& LengthCategory() {
    static const CategoryTable table = [] {
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
        CategoryTable t = NewCategory("length", "Uzunluk", 0, 12, 60, units);
        FillProportional(
            t, units,
            {.digits = Digits(8), .multipliers = {{1, 0}, {1, 5}, {1, 7}, {1, 9}, {1, 11}}});
        return t;
    }();
    return table;
}

}  // namespace tevrimo
