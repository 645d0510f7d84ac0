// Pressure: fourteen units, sizes in kilopascals, constants to six significant digits.
#include "category_builder.h"

namespace tevrimo {

CategoryTable BuildPressure() {
    const std::initializer_list<UnitSpec> units = {
        {"kilopaskal", "kPa", "Kilopascal", "kilopascal", "1"},
        {"atmosfer", "atm", "Atü", "atm", "101.325"},
        {"bar", "bar", "Bar", "bar", "100"},
        {"inç su sütunu", "inch H2O", "Zoll Wassersäule", "pouce de collone d'eau",
         "0.24908891"},  // 9.80665 x 0.0254
        {"inç cıva sütunu", "inch Hg", "Zoll Quecksilbersäule", "pouce de collone de mercure",
         "3.38638"},
        {"kg kuvvet/santimetre²", "kgf/cm²", "Kilogramm Kraft/cm²", "kilogramme force/cm²",
         "98.0665"},
        {"paund kuvvet/fit²", "lbf/ft²", "Pfund Kraft/Fuß²", "livre force/pied²",
         "0.04788025898"},  // 4.4482216152605 N per 0.09290304 m²
        {"milibar", "mbar", "Millibar", "millibar", "0.1"},
        {"metre su sütunu", "meter H2O", "Meter Wassersäule", "mètre de collone d'eau", "9.80665"},
        {"milimetre su sütunu", "mm H2O", "mm Wassersäule", "millimètre de collone d'eau",
         "0.00980665"},
        {"milimetre cıva sütunu", "mm Hg (=torr)", "mm Quecksilbersäule (=Torr)",
         "mm de collone de mercure (=torr)", "0.133322"},
        {"megapaskal", "MPa", "Megapascal", "mégapascal", "1000"},
        {"paskal", "Pa", "Pascal", "pascal", "0.001"},
        {"paund/inç²", "PSI (=lbf/in²)", "Pfund/Zoll²", "livre/pouce²",
         "6.894757293"},  // 4.4482216152605 N per 0.00064516 m²
    };
    CategoryTable t = NewCategory({.units = units});
    FillProportional(t, units, {.digits = Digits(6)});
    return t;
}

}  // namespace tevrimo
