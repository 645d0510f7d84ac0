// SPDX-License-Identifier: MIT
// Speed: twelve units, sizes in metres per second as defined, constants to eight
// significant digits.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

CategoryTable BuildSpeed() {
    const std::initializer_list<UnitDef> units = {
        {"metre/saniye", "m/s", "m/s", "mètre/s", "1", "",
         "mps|metre per second|metres per second|meter per second|meters per second"},
        {"santimetre/saniye", "cm/s", "cm/s", "cm/s", "0.01", "",
         "centimetre per second|centimetres per second|centimeter per second|centimeters per "
         "second"},
        {"fit/saat", "ft/h", "Fuß/h", "pied/h", "0.3048/3600", "",
         "ft/hr|foot per hour|feet per hour"},
        {"fit/dakika", "ft/min", "Fuß/min", "pied/min", "0.3048/60", "",
         "fpm|foot per minute|feet per minute"},
        {"fit/saniye", "ft/s", "Fuß/s", "pied/s", "0.3048", "",
         "fps|foot per second|feet per second"},
        {"inç/saniye", "inch/s", "Zoll/s", "pouce/s", "0.0254", "",
         "in/s|ips|inch per second|inches per second"},
        {"kilometre/saat", "km/h", "km/h", "km/h", "1000/3600", "",
         "kph|km/hr|kilometre per hour|kilometres per hour|kilometer per hour|kilometers per hour"},
        {"not", "knots", "Knoten", "mile marin/h", "1852/3600", "", "kn|kt|knot"},
        {"mil/saat", "mile/h", "Meile/h", "mile/h", "1609.344/3600", "",
         "mph|mi/h|mile per hour|miles per hour"},
        {"metre/saat", "m/h", "m/h", "mètre/h", "1/3600", "",
         "metre per hour|metres per hour|meter per hour|meters per hour"},
        {"metre/dakika", "m/min", "m/min", "mètre/min", "1/60", "",
         "metre per minute|metres per minute|meter per minute|meters per minute"},
        {"yarda/saniye", "yard/s", "Yard/s", "yard/s", "0.9144", "",
         "yd/s|yard per second|yards per second"},
    };
    CategoryTable t =
        NewCategory({.kind = CategoryKind::kProportional, .buttonWidth = 80, .units = units});
    FillProportional(t, units, {.digits = Digits(8)});
    return t;
}

}  // namespace tevrimo
