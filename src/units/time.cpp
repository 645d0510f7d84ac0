// Time: five units with a year of 365.25 days. Every divisor is held as listed here.
#include "categories.h"
#include "category_builder.h"

namespace tevrimo {

const CategoryTable& TimeCategory() {
    static const CategoryTable table = [] {
        CategoryTable t = NewCategory("time", "Zaman", 7, 5, 70,
                                      {
                                          {"saniye", "second", "Sekunde", "seconde"},
                                          {"gün", "day", "Tag", "jour"},
                                          {"saat", "hour", "Stunde", "heure"},
                                          {"dakika", "minute", "Minute", "minute"},
                                          {"yıl", "year", "Jahr", "an"},
                                      });
        // Divisors, source row down, target row across; the diagonal shows the entry.
        const double divisors[5][5] = {
            {0, 86400, 3600, 60, 31557600},
            {1.0 / 86400, 0, 0.041666666666666, 0.000694444444444, 365.25},
            {0.000277777777777, 24, 0, 0.016666666666666, 8766},
            {0.016666666666666, 1440, 60, 0, 525960},
            {3.16880878140289e-8, 0.0027378507871321, 0.000114077116130504, 1.90128526884174e-6, 0},
        };
        for (std::size_t i = 0; i < 5; ++i) {
            for (std::size_t j = 0; j < 5; ++j) {
                if (i != j) t.pairs[i][j] = PairRule::Step(StepOp::kDivide, divisors[i][j]);
            }
        }
        return t;
    }();
    return table;
}

}  // namespace tevrimo
