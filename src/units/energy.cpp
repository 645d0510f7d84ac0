// SPDX-License-Identifier: MIT
// Energy: thirteen units, sizes in kilojoules as defined, constants to eight significant
// digits; from Btu and erg to some units the page multiplies. Joule and newton metre
// are one unit under two names. Size texts are in joules.
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
        {.key = "kJ",
         .caption = {"kJ", "kJ", "Kilojoule", "kilojoule"},
         .fullName = {"kilojoule", "kilojoule", "Kilojoule", "kilojoule"},
         .size = "1",
         .names = "kilojoule|kilojoules"},
        {.key = "Btu",
         .caption = {"Btu", "Btu", "Btu", "Btu"},
         .fullName = {"İngiliz ısı birimi (Uluslararası Tablo)",
                      "British thermal unit (International Table)", "British thermal unit (IT)",
                      "British thermal unit (table internationale)"},
         .size = "1.05505585262",  // international table Btu
         .names = "british thermal unit|british thermal units"},
        {.key = "cal",
         .caption = {"kalori", "cal", "Kalorie", "calorie"},
         .fullName = {"kalori (Uluslararası Tablo)", "calorie (International Table)",
                      "IT-Kalorie (internationale Tafelkalorie)", "calorie (table internationale)"},
         .size = "0.0041868",
         .names = "calorie|calories"},
        {.key = "Chu",
         .caption = {"Chu", "Chu", "Chu", "Chu"},
         .fullName = {"Celsius ısı birimi (bir paund suyu 1 °C ısıtır)",
                      "Celsius heat unit (heats a pound of water by 1 °C)",
                      "Celsius heat unit (erwärmt ein Pfund Wasser um 1 °C)",
                      "unité de chaleur Celsius (chauffe une livre d'eau de 1 °C)"},
         .size = "1.899100534716",  // 1.8 Btu
         .names = "celsius heat unit|celsius heat units"},
        {.key = "erg",
         .caption = {"erg (=dyn.cm)", "erg (=dyn.cm)", "erg (=dyn.cm)", "erg (=dyn.cm)"},
         .fullName = {"erg", "erg", "Erg", "erg"},
         .size = "1e-10",
         .names = "ergs"},
        {.key = "ft_lbf",
         .caption = {"fit.paund kuvvet", "ft.lbf", "Fuß.Pfund Kraft", "pied.livre force"},
         .fullName = {"fit-paund-kuvvet", "foot-pound-force", "Fuß-Pfund-Kraft (foot-pound-force)",
                      "pied-livre-force"},
         .size = "0.0013558179483314004",  // 0.3048 m x 4.4482216152605 N
         .names = "ft·lbf|ft-lbf|ft lbf|ft.lb|foot-pound|foot-pounds|foot pound|foot pounds"},
        {.key = "hph",
         .caption = {"beygir.h", "hp.h (engl.)", "PS.h (engl.)", "CV.h (angl.)"},
         .fullName = {"beygir gücü saat (mekanik, hp)", "horsepower-hour (mechanical, hp)",
                      "Pferdestärkenstunde (britisch, hp)",
                      "cheval-vapeur-heure (britannique, hp)"},
         .size = "2684.519537696172792",  // 745.69987158227022 W for 3600 s
         .names =
             "hp·h|hph|hp.h|horsepower hour|horsepower hours|horsepower-hour|horsepower-hours"},
        {.key = "J",
         .caption = {"J", "J", "Joule", "joule"},
         .fullName = {"joule", "joule", "Joule", "joule"},
         .size = "0.001",
         .sizeIn = kNewtonMetre,
         .names = "joules"},
        {.key = "kcal",
         .caption = {"kilokalori", "kcal", "Kilokalorie", "kilocalorie"},
         .fullName = {"kilokalori", "kilocalorie", "Kilokalorie", "kilocalorie"},
         .size = "4.1868",
         .names = "kilocalorie|kilocalories"},
        {.key = "kgf_m",
         .caption = {"kg kuvvet.m", "kgf.m", "Kilopond.Meter", "kg force.mètre"},
         .fullName = {"kilogram-kuvvet metre", "kilogram-force metre", "Kilopondmeter",
                      "kilogramme-force mètre"},
         .size = "0.00980665",
         .names = "kgf·m|kgf m|kilogram-force metre|kilogram-force metres|kilogram-force "
                  "meter|kilogram-force meters"},
        {.key = "kWh",
         .caption = {"kW.saat", "kW.h", "kW.h", "kW.h"},
         .fullName = {"kilovatsaat", "kilowatt-hour", "Kilowattstunde", "kilowattheure"},
         .size = "3600",
         .names = "kWh|kW·h|kilowatt hour|kilowatt hours|kilowatt-hour|kilowatt-hours"},
        {.key = "Nm",
         .caption = {"newton.metre", "N.m", "Newton.Meter", "Newton.mètre"},
         .fullName = {"newton metre", "newton metre", "Newtonmeter", "newton-mètre"},
         .size = "0.001",
         .names = "N·m|Nm|newton metre|newton metres|newton meter|newton meters"},
        {.key = "therm",
         .caption = {"therm", "therm", "therm", "therm"},
         .fullName = {"therm (10⁵ Btu)", "therm (10⁵ Btu)", "Therm (10⁵ Btu)", "therm (10⁵ Btu)"},
         .size = "105505.585262",  // 100000 Btu
         .names = "thm|therms"},
    };
    CategoryTable t = NewCategory({.name = {"Enerji", "Energy", "Energie", "Énergie"},
                                   .kind = CategoryKind::kProportional,
                                   .buttonWidth = 70,
                                   .sizeUnit = kJoule,
                                   .commonUnits = "kJ|kcal|kWh|J|Btu",
                                   .units = units});
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
