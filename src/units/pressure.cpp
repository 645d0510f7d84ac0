// SPDX-License-Identifier: MIT
// Pressure: fourteen units, sizes in kilopascals, constants to six significant digits.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

CategoryTable BuildPressure() {
    const std::initializer_list<UnitDef> units = {
        {"kilopaskal", "kPa", "Kilopascal", "kilopascal", "1", "", "kilopascals"},
        {"atmosfer", "atm", "Atü", "atm", "101.325", "",
         "atmosphere|atmospheres|standard atmosphere|standard atmospheres"},
        {"bar", "bar", "Bar", "bar", "100", "", "bars"},
        {"inç su sütunu", "inch H2O", "Zoll Wassersäule", "pouce de collone d'eau", "0.24908891",
         "", "inH2O|in H2O|inch of water|inches of water"},  // 9.80665 x 0.0254
        {"inç cıva sütunu", "inch Hg", "Zoll Quecksilbersäule", "pouce de collone de mercure",
         "3.38638", "", "inHg|in Hg|inch of mercury|inches of mercury"},
        {"kg kuvvet/santimetre²", "kgf/cm²", "Kilogramm Kraft/cm²", "kilogramme force/cm²",
         "98.0665", "", "kgf/cm2|at|technical atmosphere|technical atmospheres"},
        {"paund kuvvet/fit²", "lbf/ft²", "Pfund Kraft/Fuß²", "livre force/pied²", "0.04788025898",
         "", "lbf/ft2|psf"},  // 4.4482216152605 N per 0.09290304 m²
        {"milibar", "mbar", "Millibar", "millibar", "0.1", "mbar|hPa",
         "millibar|millibars|hectopascal|hectopascals"},
        {"metre su sütunu", "meter H2O", "Meter Wassersäule", "mètre de collone d'eau", "9.80665",
         "", "mH2O|m H2O|metre of water|metres of water|meter of water|meters of water"},
        {"milimetre su sütunu", "mm H2O", "mm Wassersäule", "millimètre de collone d'eau",
         "0.00980665", "",
         "mmH2O|millimetre of water|millimetres of water|millimeter of water|millimeters of water"},
        {"milimetre cıva sütunu", "mm Hg (=torr)", "mm Quecksilbersäule (=Torr)",
         "mm de collone de mercure (=torr)", "0.133322", "",
         "mmHg|torr|millimetre of mercury|millimetres of mercury|millimeter of mercury|millimeters "
         "of mercury"},
        {"megapaskal", "MPa", "Megapascal", "mégapascal", "1000", "MPa", "megapascals"},
        {"paskal", "Pa", "Pascal", "pascal", "0.001", "", "pascals"},
        {"paund/inç²", "PSI (=lbf/in²)", "Pfund/Zoll²", "livre/pouce²", "6.894757293", "",
         "psi|lbf/in2|lbf/in²|pound per square inch|pounds per square inch"},  // 4.4482216152605 N
                                                                               // per 0.00064516 m²
    };
    CategoryTable t =
        NewCategory({.kind = CategoryKind::kProportional, .buttonWidth = 140, .units = units});
    FillProportional(t, units, {.digits = Digits(6)});
    return t;
}

}  // namespace tevrimo
