// SPDX-License-Identifier: MIT
// Speed: twelve units, sizes in metres per second as defined, constants to eight
// significant digits.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

namespace {
enum Row { kKilometrePerHour = 6 };
}  // namespace

CategoryTable BuildSpeed() {
    const std::initializer_list<UnitDef> units = {
        {.key = "m_s",
         .caption = {"metre/saniye", "m/s", "m/s", "mètre/s"},
         .fullName = {"metre bölü saniye", "metre per second", "Meter pro Sekunde",
                      "mètre par seconde"},
         .size = "1",
         .sizeIn = kKilometrePerHour,
         .names = "mps|metre per second|metres per second|meter per second|meters per second"},
        {.key = "cm_s",
         .caption = {"santimetre/saniye", "cm/s", "cm/s", "cm/s"},
         .fullName = {"santimetre bölü saniye", "centimetre per second", "Zentimeter pro Sekunde",
                      "centimètre par seconde"},
         .size = "0.01",
         .names = "centimetre per second|centimetres per second|centimeter per second|centimeters "
                  "per second"},
        {.key = "ft_h",
         .caption = {"fit/saat", "ft/h", "Fuß/h", "pied/h"},
         .fullName = {"fit bölü saat", "foot per hour", "Fuß pro Stunde", "pied par heure"},
         .size = "0.3048/3600",
         .names = "ft/hr|foot per hour|feet per hour"},
        {.key = "ft_min",
         .caption = {"fit/dakika", "ft/min", "Fuß/min", "pied/min"},
         .fullName = {"fit bölü dakika", "foot per minute", "Fuß pro Minute", "pied par minute"},
         .size = "0.3048/60",
         .names = "fpm|foot per minute|feet per minute"},
        {.key = "ft_s",
         .caption = {"fit/saniye", "ft/s", "Fuß/s", "pied/s"},
         .fullName = {"fit bölü saniye", "foot per second", "Fuß pro Sekunde", "pied par seconde"},
         .size = "0.3048",
         .names = "fps|foot per second|feet per second"},
        {.key = "in_s",
         .caption = {"inç/saniye", "inch/s", "Zoll/s", "pouce/s"},
         .fullName = {"inç bölü saniye", "inch per second", "Zoll pro Sekunde",
                      "pouce par seconde"},
         .size = "0.0254",
         .names = "in/s|ips|inch per second|inches per second"},
        {.key = "km_h",
         .caption = {"kilometre/saat", "km/h", "km/h", "km/h"},
         .fullName = {"kilometre bölü saat", "kilometre per hour", "Kilometer pro Stunde",
                      "kilomètre par heure"},
         .size = "1000/3600",
         .names = "kph|km/hr|kilometre per hour|kilometres per hour|kilometer per hour|kilometers "
                  "per hour"},
        {.key = "kn",
         .caption = {"not", "knots", "Knoten", "mile marin/h"},
         .fullName = {"knot (deniz mili bölü saat)", "knot (nautical mile per hour)",
                      "Knoten (Seemeile pro Stunde)", "nœud (mille marin par heure)"},
         .size = "1852/3600",
         .names = "kn|kt|knot"},
        {.key = "mph",
         .caption = {"mil/saat", "mile/h", "Meile/h", "mile/h"},
         .fullName = {"mil bölü saat", "mile per hour", "Meile pro Stunde", "mille par heure"},
         .size = "1609.344/3600",
         .names = "mph|mi/h|mile per hour|miles per hour"},
        {.key = "m_h",
         .caption = {"metre/saat", "m/h", "m/h", "mètre/h"},
         .fullName = {"metre bölü saat", "metre per hour", "Meter pro Stunde", "mètre par heure"},
         .size = "1/3600",
         .names = "metre per hour|metres per hour|meter per hour|meters per hour"},
        {.key = "m_min",
         .caption = {"metre/dakika", "m/min", "m/min", "mètre/min"},
         .fullName = {"metre bölü dakika", "metre per minute", "Meter pro Minute",
                      "mètre par minute"},
         .size = "1/60",
         .names = "metre per minute|metres per minute|meter per minute|meters per minute"},
        {.key = "yd_s",
         .caption = {"yarda/saniye", "yard/s", "Yard/s", "yard/s"},
         .fullName = {"yarda bölü saniye", "yard per second", "Yard pro Sekunde",
                      "yard par seconde"},
         .size = "0.9144",
         .names = "yd/s|yard per second|yards per second"},
    };
    CategoryTable t = NewCategory({.name = {"Hız", "Speed", "Geschwindigkeit", "Vitesse"},
                                   .kind = CategoryKind::kProportional,
                                   .buttonWidth = 80,
                                   .commonUnits = "km_h|mph|m_s|kn|ft_s",
                                   .units = units});
    FillProportional(t, units, {.digits = Digits(8)});
    return t;
}

}  // namespace tevrimo
