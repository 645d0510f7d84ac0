// SPDX-License-Identifier: MIT
// Time: five units with a year of 365.25 days. Every divisor is held as listed here.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

CategoryTable BuildTime() {
    CategoryTable t =
        NewCategory({.kind = CategoryKind::kProportional,
                     .buttonWidth = 70,
                     .units = {
                         {"saniye", "second", "Sekunde", "seconde", "1", "", "s|sec|secs|seconds"},
                         {"gün", "day", "Tag", "jour", "86400", "", "d|days"},
                         {"saat", "hour", "Stunde", "heure", "3600", "", "h|hr|hrs|hours"},
                         {"dakika", "minute", "Minute", "minute", "60", "", "min|mins|minutes"},
                         {"yıl", "year", "Jahr", "an", "31557600", "", "yr|yrs|a|years"},
                     }});
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
