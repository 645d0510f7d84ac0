// SPDX-License-Identifier: MIT
// Force: fourteen units, sizes in newtons, constants to six significant digits. The kg
// force and the kilopond are one unit under two names.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

namespace {
enum Row { kNewton, kDyne, kGramForce, kKilogramForce, kKilonewton, kKilopond };
}  // namespace

CategoryTable BuildForce() {
    const std::initializer_list<UnitDef> units = {
        {.key = "N",
         .caption = {"newton", "newton", "Newton", "newton"},
         .fullName = {"newton", "newton", "Newton", "newton"},
         .size = "1",
         .sizeIn = kKilogramForce,
         .symbols = "N",
         .names = "newtons"},
        {.key = "dyn",
         .caption = {"dyne", "dyne", "Dyn", "dyne"},
         .fullName = {"din", "dyne", "Dyn", "dyne"},
         .size = "1E-5",
         .names = "dyn|dynes"},
        {.key = "gf",
         .caption = {"gram kuvvet", "gram force", "Gramm Kraft", "gramme force"},
         .fullName = {"gram-kuvvet", "gram-force", "Pond (Grammkraft)", "gramme-force"},
         .size = "0.00980665",
         .names = "gf|gram-force|grams force|grams-force"},
        {.key = "kgf",
         .caption = {"kg kuvvet", "kg force", "Kg Kraft", "kg force"},
         .fullName = {"kilogram-kuvvet", "kilogram-force", "Kilogrammkraft", "kilogramme-force"},
         .size = "9.80665",
         .names = "kgf|kilogram force|kilogram-force|kilograms force|kilograms-force"},
        {.key = "kN",
         .caption = {"kilonewton", "kilonewton", "Kilonewton", "kilonewton"},
         .fullName = {"kilonewton", "kilonewton", "Kilonewton", "kilonewton"},
         .size = "1000",
         .names = "kN|kilonewtons"},
        {.key = "kp",
         .caption = {"kilopond", "kilopond", "Kilopond", "kilogramme force"},
         .fullName = {"kilopond (kilogram-kuvvet)", "kilopond (kilogram-force)",
                      "Kilopond (Kilogrammkraft)", "kilopond (kilogramme-force)"},
         .size = "9.80665",
         .names = "kp|kiloponds"},
        {.key = "kip",
         .caption = {"kip", "kip", "Kilopfund", "Kilopfund"},
         .fullName = {"kip (kilopaund-kuvvet)", "kip (kilopound-force)", "Kip (Kilopfundkraft)",
                      "kip (kilolivre-force)"},
         .size = "4448.2216152605",  // 1000 lbf
         .names = "kips|klbf"},
        {.key = "long_tonf",
         .caption = {"uzun ton kuvvet", "long ton force", "Longton Kraft", "tonne anglaise"},
         .fullName = {"uzun ton-kuvvet", "long ton-force", "britische Tonnenkraft (long ton-force)",
                      "tonne longue-force"},
         .size = "9964.01641818352",  // 2240 lbf
         .names = "long ton-force|long tons force|long tons-force"},
        {.key = "mN",
         .caption = {"milinewton", "milinewton", "Millinewton", "millinewton"},
         .fullName = {"milinewton", "millinewton", "Millinewton", "millinewton"},
         .size = "0.001",
         .symbols = "mN",
         .names = "millinewton|millinewtons"},
        {.key = "ozf",
         .caption = {"ons kuvvet", "ounce force", "Unze Kraft", "once force"},
         .fullName = {"ons-kuvvet", "ounce-force", "Unzenkraft", "once-force"},
         .size = "0.27801385095378125",  // 1/16 lbf
         .names = "ozf|ounce-force|ounces force|ounces-force"},
        {.key = "lbf",
         .caption = {"paund kuvvet", "pound force", "Pfund Kraft", "livre force"},
         .fullName = {"paund-kuvvet", "pound-force", "Pfundkraft", "livre-force"},
         .size = "4.4482216152605",
         .names = "lbf|pound-force|pounds force|pounds-force"},
        {.key = "pdl",
         .caption = {"poundal", "poundal", "Poundal", "pied-livre"},
         .fullName = {"poundal (lb·ft/s²)", "poundal (lb·ft/s²)", "Poundal (lb·ft/s²)",
                      "poundal (lb·ft/s²)"},
         .size = "0.138254954376",
         .names = "pdl|poundals"},
        {.key = "short_tonf",
         .caption = {"kısa ton kuvvet", "short ton force", "Shortton Kraft", "tonne valant"},
         .fullName = {"kısa ton-kuvvet", "short ton-force",
                      "amerikanische Tonnenkraft (short ton-force)", "tonne courte-force"},
         .size = "8896.443230521",  // 2000 lbf
         .names = "short ton-force|short tons force|short tons-force"},
        {.key = "tf",
         .caption = {"ton kuvvet", "tonne force", "Tonne Kraft", "tonne force"},
         .fullName = {"ton-kuvvet (metrik)", "tonne-force", "Tonnenkraft", "tonne-force"},
         .size = "9806.65",
         .names = "tf|tonne-force|tonnes force|tonnes-force"},
    };
    CategoryTable t = NewCategory({.name = {"Kuvvet", "Force", "Kraft", "Force"},
                                   .kind = CategoryKind::kProportional,
                                   .buttonWidth = 70,
                                   .commonUnits = "N|lbf|kgf|kN|dyn|mN",
                                   .units = units});
    FillProportional(t, units, {.digits = Digits(6), .sameUnit = {{kKilogramForce, kKilopond}}});
    return t;
}

}  // namespace tevrimo
