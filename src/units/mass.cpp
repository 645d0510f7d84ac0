// SPDX-License-Identifier: MIT
// Mass: thirteen units, sizes in kilograms, constants to six significant digits, with
// ten slug pairs held at the values the page has always used.
#include "category_builder.h"
#include "category_registry.h"

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
    const std::initializer_list<UnitDef> units = {
        {"kg", "kg", "Kilogramm", "kilogramme", "1", "",
         "kilogram|kilograms|kilogramme|kilogrammes"},
        {"karat", "carat", "Karat", "carat", "0.0002", "", "ct|carats"},
        {"grain", "grain", "Grain", "grain", "6.479891E-5", "", "gr|grains"},
        {"gram", "gram", "Gramm", "gramme", "0.001", "g", "grams|gramme|grammes"},
        {"paund", "lb (avdp)", "Pfund", "livre", "0.45359237", "", "lb|lbs|pound|pounds"},
        {"milligram", "miligram", "Milligramm", "milligramme", "1E-6", "mg",
         "milligram|milligrams|milligramme|milligrammes"},
        {"ons", "ounce (avdp)", "Unze", "once", "0.028349523125", "",
         "oz|ounce|ounces"},  // 1/16 pound
        {"ons (altın)", "ounce (troy)", "Unze (Fein)", "once (troy)", "0.0311034768", "",
         "ozt|oz t|troy ounce|troy ounces"},
        {"paund (altın)", "pound (troy)", "Pfund (Fein)", "livre (troy)", "0.3732417216", "",
         "lb t|troy pound|troy pounds"},
        {"slug", "slug", "Slug", "slug", "14.5939029372", "", "slugs"},
        {"ton (uzun)", "ton (long)", "Tonne (lang)", "tonne (long)", "1016.0469088", "",
         "long ton|long tons|imperial ton|imperial tons"},
        {"ton (metrik)", "tonne (metric)", "Tonne (metr.)", "tonne métric", "1000", "t",
         "tonne|tonnes|metric ton|metric tons"},
        {"ton (kısa)", "ton (short)", "Tonne (kurz)", "tonne (court)", "907.18474", "",
         "short ton|short tons|US ton|US tons"},
    };
    CategoryTable t =
        NewCategory({.kind = CategoryKind::kProportional, .buttonWidth = 60, .units = units});
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
