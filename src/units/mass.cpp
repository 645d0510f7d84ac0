// SPDX-License-Identifier: MIT
// Mass: thirteen units, sizes in kilograms, constants to six significant digits, with
// ten slug pairs held at the values the page has always used. The slug's size as held is
// shortened; its size text is made from the exact one.
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
        {.key = "kg",
         .caption = {"kg", "kg", "Kilogramm", "kilogramme"},
         .fullName = {"kilogram", "kilogram", "Kilogramm", "kilogramme"},
         .size = "1",
         .sizeIn = kGram,
         .names = "kilogram|kilograms|kilogramme|kilogrammes|kilo|kilos"},
        {.key = "ct",
         .caption = {"karat", "carat", "Karat", "carat"},
         .fullName = {"metrik kırat", "metric carat", "metrisches Karat", "carat métrique"},
         .size = "0.0002",
         .names = "ct|carats"},
        {.key = "gr",
         .caption = {"grain", "grain", "Grain", "grain"},
         .fullName = {"gren (paundun 1/7000'i)", "grain (1/7000 of a pound)",
                      "Grain (1/7000 Pfund)", "grain (1/7000 de livre)"},
         .size = "6.479891E-5",
         .names = "gr|grains"},
        {.key = "g",
         .caption = {"gram", "gram", "Gramm", "gramme"},
         .fullName = {"gram", "gram", "Gramm", "gramme"},
         .size = "0.001",
         .symbols = "g",
         .names = "grams|gramme|grammes|Gramm"},
        {.key = "lb",
         .caption = {"paund", "lb (avdp)", "Pfund", "livre"},
         .fullName = {"paund (avoirdupois)", "pound (avoirdupois)", "Pfund (Avoirdupois)",
                      "livre (avoirdupois)"},
         .size = "0.45359237",
         .names = "lb|lbs|pound|pounds|livres|libre"},
        {.key = "mg",
         .caption = {"milligram", "miligram", "Milligramm", "milligramme"},
         .fullName = {"miligram", "milligram", "Milligramm", "milligramme"},
         .size = "1E-6",
         .symbols = "mg",
         .names = "milligram|milligrams|milligramme|milligrammes"},
        {.key = "oz",
         .caption = {"ons", "ounce (avdp)", "Unze", "once"},
         .fullName = {"ons (avoirdupois)", "ounce (avoirdupois)", "Unze (Avoirdupois)",
                      "once (avoirdupois)"},
         .size = "0.028349523125",  // 1/16 pound
         .names = "oz|ounce|ounces|onces|Unzen"},
        {.key = "ozt",
         .caption = {"ons (altın)", "ounce (troy)", "Unze (Fein)", "once (troy)"},
         .fullName = {"troy ons (değerli metaller için)", "troy ounce (for precious metals)",
                      "Feinunze (Troy-Unze, für Edelmetalle)",
                      "once troy (pour les métaux précieux)"},
         .size = "0.0311034768",
         .names = "ozt|oz t|troy ounce|troy ounces"},
        {.key = "lbt",
         .caption = {"paund (altın)", "pound (troy)", "Pfund (Fein)", "livre (troy)"},
         .fullName = {"troy paund", "troy pound", "Troy-Pfund", "livre troy"},
         .size = "0.3732417216",
         .names = "lb t|troy pound|troy pounds"},
        {.key = "slug",
         .caption = {"slug", "slug", "Slug", "slug"},
         .fullName = {"slug (İngiliz kütle birimi, lbf·s²/ft)",
                      "slug (imperial unit of mass, lbf·s²/ft)",
                      "Slug (angloamerikanische Masseneinheit, lbf·s²/ft)",
                      "slug (unité de masse anglo-saxonne, lbf·s²/ft)"},
         .size = "14.5939029372",
         .exactSize = "4.4482216152605/0.3048",  // one pound force per ft/s²
         .names = "slugs"},
        {.key = "long_ton",
         .caption = {"ton (uzun)", "ton (long)", "Tonne (lang)", "tonne (long)"},
         .fullName = {"uzun ton (İngiliz tonu)", "long ton (imperial ton)",
                      "Long ton (britische Tonne)", "tonne longue (tonne impériale)"},
         .size = "1016.0469088",
         .names = "long ton|long tons|imperial ton|imperial tons"},
        {.key = "t",
         .caption = {"ton (metrik)", "tonne (metric)", "Tonne (metr.)", "tonne métric"},
         .fullName = {"metrik ton", "tonne (metric ton)", "Tonne", "tonne"},
         .size = "1000",
         .symbols = "t",
         .names = "tonne|tonnes|metric ton|metric tons"},
        {.key = "short_ton",
         .caption = {"ton (kısa)", "ton (short)", "Tonne (kurz)", "tonne (court)"},
         .fullName = {"kısa ton (ABD tonu)", "short ton (US ton)",
                      "Short ton (amerikanische Tonne)", "tonne courte (tonne américaine)"},
         .size = "907.18474",
         .names = "short ton|short tons|US ton|US tons"},
    };
    CategoryTable t = NewCategory({.name = {"Kütle", "Mass", "Masse", "Masse"},
                                   .kind = CategoryKind::kProportional,
                                   .buttonWidth = 60,
                                   .commonUnits = "kg|lb|g|oz|t|mg",
                                   .units = units});
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
