// Mass: thirteen units, sizes in kilograms, constants to six significant digits, with
// ten slug pairs held at the values the page has always used.
#include "category_builder.h"

namespace tevrimo {

namespace {
enum Row {
    kKilogram,
    kCarat,
    kGrain,
    kGram,
    kPound,
    kMilligram,
    kOunce,
    kTroyOunce,
    kTroyPound,
    kSlug,
    kLongTon,
    kTonne,
    kShortTon,
};
}  // namespace

CategoryTable BuildMass() {
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
    CategoryTable t = NewCategory({.units = units});
    FillProportional(t, units,
                     {.digits = Digits(6),
                      .held = {
                          {kCarat, kSlug, "72969.4"},
                          {kOunce, kSlug, "514.784"},
                          {kTroyOunce, kSlug, "469.204"},
                          {kTroyPound, kSlug, "39.1003"},
                          {kSlug, kKilogram, "0.0685219"},
                          {kSlug, kGram, "6.85219E-5"},
                          {kSlug, kMilligram, "6.85219E-8"},
                          {kSlug, kLongTon, "69.6214"},
                          {kSlug, kTonne, "68.5219"},
                          {kSlug, kShortTon, "62.162"},
                      }});
    return t;
}

}  // namespace tevrimo
