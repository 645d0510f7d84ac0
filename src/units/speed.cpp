// Speed: twelve units, sizes in metres per second as defined, constants to eight
// significant digits.
#include "category_builder.h"

namespace tevrimo {

CategoryTable BuildSpeed() {
    const std::initializer_list<UnitSpec> units = {
        {"metre/saniye", "m/s", "m/s", "mètre/s", "1"},
        {"santimetre/saniye", "cm/s", "cm/s", "cm/s", "0.01"},
        {"fit/saat", "ft/h", "Fuß/h", "pied/h", "0.3048/3600"},
        {"fit/dakika", "ft/min", "Fuß/min", "pied/min", "0.3048/60"},
        {"fit/saniye", "ft/s", "Fuß/s", "pied/s", "0.3048"},
        {"inç/saniye", "inch/s", "Zoll/s", "pouce/s", "0.0254"},
        {"kilometre/saat", "km/h", "km/h", "km/h", "1000/3600"},
        {"not", "knots", "Knoten", "mile marin/h", "1852/3600"},
        {"mil/saat", "mile/h", "Meile/h", "mile/h", "1609.344/3600"},
        {"metre/saat", "m/h", "m/h", "mètre/h", "1/3600"},
        {"metre/dakika", "m/min", "m/min", "mètre/min", "1/60"},
        {"yarda/saniye", "yard/s", "Yard/s", "yard/s", "0.9144"},
    };
    CategoryTable t = NewCategory({.units = units});
    FillProportional(t, units, {.digits = Digits(8)});
    return t;
}

}  // namespace tevrimo
