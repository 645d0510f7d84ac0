// Mass: thirteen units, sizes in kilograms, constants to six significant digits, with
// ten slug pairs held at the values the page has always used.
#include "categories.h"
#include "category_builder.h"

namespace tevrimo {

const CategoryTable& MassCategory() {
    static const CategoryTable table = [] {
        const std::initializer_list<UnitSpec> units = {
            {"kg", "kg", "Kilogramm", "kilogramme", "1"},
            {"karat", "carat", "Karat", "carat", "0.0002"},
            {"grain", "grain", "Grain", "grain", "6.479891E-5"},
            {"gram", "gram", "Gramm", "gramme", "0.001"},
            {"paund", "lb (avdp)", "Pfund", "livre", "0.45359237"},
            {"milligram", "miligram", "Milligramm", "milligramme", "1E-6"},
            {"ons", "ounce (avdp)", "Unze", "once", "0.028349523125"},  // 1/16 pound
            {"ons (altın)", "ounce (troy)", "Unze (Fein)", "once (troy)", "0.0311034768"},
            {"paund (altın)", "pound (troy)", "Pfund (Fein)", "livre (troy)", "0.3732417216"},
            {"slug", "slug", "Slug", "slug", "14.5939029372"},
            {"ton (uzun)", "ton (long)", "Tonne (lang)", "tonne (long)", "1016.0469088"},
            {"ton (metrik)", "tonne (metric)", "Tonne (metr.)", "tonne métric", "1000"},
            {"ton (kısa)", "ton (short)", "Tonne (kurz)", "tonne (court)", "907.18474"},
        };
        CategoryTable t = NewCategory("mass", "Ağırlık", 3, 13, 60, units);
        FillProportional(t, units,
                         {.digits = Digits(6),
                          .held = {
                              {1, 9, "72969.4"},     // carat to slug
                              {6, 9, "514.784"},     // ounce (avdp) to slug
                              {7, 9, "469.204"},     // ounce (troy) to slug
                              {8, 9, "39.1003"},     // pound (troy) to slug
                              {9, 0, "0.0685219"},   // slug to kg
                              {9, 3, "6.85219E-5"},  // slug to gram
                              {9, 5, "6.85219E-8"},  // slug to milligram
                              {9, 10, "69.6214"},    // slug to ton (long)
                              {9, 11, "68.5219"},    // slug to tonne
                              {9, 12, "62.162"},     // slug to ton (short)
                          }});
        return t;
    }();
    return table;
}

}  // namespace tevrimo
