// SPDX-License-Identifier: MIT
// Time: five units with a year of 365.25 days. Every divisor is held as listed here.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

CategoryTable BuildTime() {
    const std::initializer_list<UnitDef> units = {
        {.key = "s",
         .caption = {"saniye", "second", "Sekunde", "seconde"},
         .fullName = {"saniye", "second", "Sekunde", "seconde"},
         .size = "1",
         .sizeText = {"SI temel birimi", "SI base unit", "SI-Basiseinheit", "unité de base du SI"},
         .names = "s|sec|secs|seconds|secondes|Sekunden|sn"},
        {.key = "d",
         .caption = {"gün", "day", "Tag", "jour"},
         .fullName = {"gün", "day", "Tag", "jour"},
         .size = "86400",
         .names = "d|days|jours|Tage"},
        {.key = "h",
         .caption = {"saat", "hour", "Stunde", "heure"},
         .fullName = {"saat", "hour", "Stunde", "heure"},
         .size = "3600",
         .names = "h|hr|hrs|hours|heures|Stunden|sa"},
        {.key = "min",
         .caption = {"dakika", "minute", "Minute", "minute"},
         .fullName = {"dakika", "minute", "Minute", "minute"},
         .size = "60",
         .names = "min|mins|minutes|Minuten|dk"},
        {.key = "yr",
         .caption = {"yıl", "year", "Jahr", "an"},
         .fullName = {"yıl (Jülyen yılı)", "year (Julian year)", "Jahr (julianisches Jahr)",
                      "an (année julienne)"},
         .size = "31557600",
         .names = "yr|yrs|a|years|ans|années|année|Jahre|sene"},
    };
    CategoryTable t = NewCategory({.name = {"Zaman", "Time", "Zeit", "Temps"},
                                   .kind = CategoryKind::kProportional,
                                   .buttonWidth = 70,
                                   .commonUnits = "s|min|h|d|yr",
                                   .units = units});
    // Divisors, source row down, target row across; the diagonal shows the entry.
    const double divisors[5][5] = {
        {0, 86400, 3600, 60, 31557600},
        {1.0 / 86400, 0, 0.041666666666666, 0.000694444444444, 365.25},
        {0.000277777777777, 24, 0, 0.016666666666666, 8766},
        {0.016666666666666, 1440, 60, 0, 525960},
        {3.16880878140289e-8, 0.0027378507871321, 0.000114077116130504, 1.90128526884174e-6, 0},
    };
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) {
            if (i != j) Rule(t, i, j) = PairRule::Step(StepOp::kDivide, divisors[i][j]);
        }
    }
    return t;
}

}  // namespace tevrimo
