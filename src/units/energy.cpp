// SPDX-License-Identifier: MIT
// Energy: thirteen units, sizes in kilojoules as defined, constants to eight significant
// digits; from Btu and erg to some units the page multiplies. Joule and newton metre
// are one unit under two names.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

namespace {
enum Row {
    kKilojoule,
    kBtu,
    kCalorie,
    kChu,
    kErg,
    kFootPoundForce,
    kHorsepowerHour,
    kJoule,
    kKilocalorie,
    kKilogramForceMetre,
    kKilowattHour,
    kNewtonMetre,
    kTherm,
};
}  // namespace

CategoryTable BuildEnergy() {
    const std::initializer_list<UnitDef> units = {
        {"kJ", "kJ", "Kilojoule", "kilojoule", "1", "", "kilojoule|kilojoules"},
        {"Btu", "Btu", "Btu", "Btu", "1.05505585262", "",
         "british thermal unit|british thermal units"},  // international table Btu
        {"kalori", "cal", "Kalorie", "calorie", "0.0041868", "", "calorie|calories"},
        {"Chu", "Chu", "Chu", "Chu", "1.899100534716", "",
         "celsius heat unit|celsius heat units"},  // 1.8 Btu
        {"erg (=dyn.cm)", "erg (=dyn.cm)", "erg (=dyn.cm)", "erg (=dyn.cm)", "1e-10", "", "ergs"},
        {"fit.paund kuvvet", "ft.lbf", "Fuß.Pfund Kraft", "pied.livre force",
         "0.0013558179483314004", "",
         "ft·lbf|ft-lbf|ft lbf|ft.lb|foot-pound|foot-pounds|foot pound|foot pounds"},  // 0.3048
                                                                                       // m
                                                                                       // x 4.4482216152605
                                                                                       // N
        {"beygir.h", "hp.h (engl.)", "PS.h (engl.)", "CV.h (angl.)", "2684.519537696172792", "",
         "hp·h|hph|hp.h|horsepower hour|horsepower "
         "hours|horsepower-hour|horsepower-hours"},  // 745.69987158227022
                                                     // W
                                                     // for
                                                     // 3600
                                                     // s
        {"J", "J", "Joule", "joule", "0.001", "", "joules"},
        {"kilokalori", "kcal", "Kilokalorie", "kilocalorie", "4.1868", "",
         "kilocalorie|kilocalories"},
        {"kg kuvvet.m", "kgf.m", "Kilopond.Meter", "kg force.mètre", "0.00980665", "",
         "kgf·m|kgf m|kilogram-force metre|kilogram-force metres|kilogram-force "
         "meter|kilogram-force meters"},
        {"kW.saat", "kW.h", "kW.h", "kW.h", "3600", "",
         "kWh|kW·h|kilowatt hour|kilowatt hours|kilowatt-hour|kilowatt-hours"},
        {"newton.metre", "N.m", "Newton.Meter", "Newton.mètre", "0.001", "",
         "N·m|Nm|newton metre|newton metres|newton meter|newton meters"},
        {"therm", "therm", "therm", "therm", "105505.585262", "", "thm|therms"},  // 100000 Btu
    };
    CategoryTable t =
        NewCategory({.kind = CategoryKind::kProportional, .buttonWidth = 70, .units = units});
    t.templateCaptions[5] = "ft.lb";
    t.templateCaptions[6] = "hp.h";
    FillProportional(t, units,
                     {.digits = Digits(8),
                      .multipliers = {{kBtu, kFootPoundForce},
                                      {kBtu, kNewtonMetre},
                                      {kErg, kKilojoule},
                                      {kErg, kBtu},
                                      {kErg, kChu},
                                      {kErg, kHorsepowerHour},
                                      {kErg, kKilocalorie},
                                      {kErg, kKilowattHour}},
                      .sameUnit = {{kJoule, kNewtonMetre}}});
    return t;
}

}  // namespace tevrimo
