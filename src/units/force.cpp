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
        {"newton", "newton", "Newton", "newton", "1", "N", "newtons"},
        {"dyne", "dyne", "Dyn", "dyne", "1E-5", "", "dyn|dynes"},
        {"gram kuvvet", "gram force", "Gramm Kraft", "gramme force", "0.00980665", "",
         "gf|gram-force|grams force|grams-force"},
        {"kg kuvvet", "kg force", "Kg Kraft", "kg force", "9.80665", "",
         "kgf|kilogram force|kilogram-force|kilograms force|kilograms-force"},
        {"kilonewton", "kilonewton", "Kilonewton", "kilonewton", "1000", "", "kN|kilonewtons"},
        {"kilopond", "kilopond", "Kilopond", "kilogramme force", "9.80665", "", "kp|kiloponds"},
        {"kip", "kip", "Kilopfund", "Kilopfund", "4448.2216152605", "", "kips|klbf"},  // 1000 lbf
        {"uzun ton kuvvet", "long ton force", "Longton Kraft", "tonne anglaise", "9964.01641818352",
         "", "long ton-force|long tons force|long tons-force"},  // 2240 lbf
        {"milinewton", "milinewton", "Millinewton", "millinewton", "0.001", "mN",
         "millinewton|millinewtons"},
        {"ons kuvvet", "ounce force", "Unze Kraft", "once force", "0.27801385095378125", "",
         "ozf|ounce-force|ounces force|ounces-force"},  // 1/16 lbf
        {"paund kuvvet", "pound force", "Pfund Kraft", "livre force", "4.4482216152605", "",
         "lbf|pound-force|pounds force|pounds-force"},
        {"poundal", "poundal", "Poundal", "pied-livre", "0.138254954376", "", "pdl|poundals"},
        {"kısa ton kuvvet", "short ton force", "Shortton Kraft", "tonne valant", "8896.443230521",
         "", "short ton-force|short tons force|short tons-force"},  // 2000 lbf
        {"ton kuvvet", "tonne force", "Tonne Kraft", "tonne force", "9806.65", "",
         "tf|tonne-force|tonnes force|tonnes-force"},
    };
    CategoryTable t =
        NewCategory({.kind = CategoryKind::kProportional, .buttonWidth = 70, .units = units});
    FillProportional(t, units, {.digits = Digits(6), .sameUnit = {{kKilogramForce, kKilopond}}});
    return t;
}

}  // namespace tevrimo
