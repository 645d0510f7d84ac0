// SPDX-License-Identifier: MIT
// Pressure: fourteen units, sizes in kilopascals, constants to six significant digits.
// The mercury columns, lbf/ft² and psi hold shortened sizes; their size texts are made
// from the exact ones.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

namespace {
enum Row { kPascal = 12 };
}  // namespace

CategoryTable BuildPressure() {
    const std::initializer_list<UnitDef> units = {
        {.key = "kPa",
         .caption = {"kilopaskal", "kPa", "Kilopascal", "kilopascal"},
         .fullName = {"kilopaskal", "kilopascal", "Kilopascal", "kilopascal"},
         .size = "1",
         .sizeIn = kPascal,
         .names = "kilopascals"},
        {.key = "atm",
         .caption = {"atmosfer", "atm", "Atü", "atm"},
         .fullName = {"standart atmosfer", "standard atmosphere", "physikalische Atmosphäre",
                      "atmosphère normale"},
         .size = "101.325",
         .names = "atmosphere|atmospheres|standard atmosphere|standard "
                  "atmospheres|atmosphères|Atmosphäre"},
        {.key = "bar",
         .caption = {"bar", "bar", "Bar", "bar"},
         .fullName = {"bar", "bar", "Bar", "bar"},
         .size = "100",
         .names = "bars"},
        {.key = "inH2O",
         .caption = {"inç su sütunu", "inch H2O", "Zoll Wassersäule", "pouce de collone d'eau"},
         .fullName = {"inç su sütunu", "inch of water", "Zoll Wassersäule",
                      "pouce de colonne d'eau"},
         .size = "0.24908891",  // 9.80665 x 0.0254
         .names = "inH2O|in H2O|inch of water|inches of water"},
        {.key = "inHg",
         .caption = {"inç cıva sütunu", "inch Hg", "Zoll Quecksilbersäule",
                     "pouce de collone de mercure"},
         .fullName = {"inç cıva sütunu", "inch of mercury", "Zoll Quecksilbersäule",
                      "pouce de mercure"},
         .size = "3.38638",
         .exactSize = "3.386388640341",  // 25.4 mm of mercury
         .names = "inHg|in Hg|inch of mercury|inches of mercury"},
        {.key = "kgf_cm2",
         .caption = {"kg kuvvet/santimetre²", "kgf/cm²", "Kilogramm Kraft/cm²",
                     "kilogramme force/cm²"},
         .fullName = {"kilogram-kuvvet bölü santimetrekare (teknik atmosfer)",
                      "kilogram-force per square centimetre (technical atmosphere)",
                      "Kilopond pro Quadratzentimeter (technische Atmosphäre)",
                      "kilogramme-force par centimètre carré (atmosphère technique)"},
         .size = "98.0665",
         .names = "kgf/cm2|at|technical atmosphere|technical atmospheres"},
        {.key = "psf",
         .caption = {"paund kuvvet/fit²", "lbf/ft²", "Pfund Kraft/Fuß²", "livre force/pied²"},
         .fullName = {"paund-kuvvet bölü fit kare", "pound-force per square foot",
                      "Pfundkraft pro Quadratfuß", "livre-force par pied carré"},
         .size = "0.04788025898",  // 4.4482216152605 N per 0.09290304 m²
         .exactSize = "4.4482216152605/92.90304",
         .names = "lbf/ft2|psf"},
        {.key = "mbar",
         .caption = {"milibar", "mbar", "Millibar", "millibar"},
         .fullName = {"milibar (hektopaskal)", "millibar (hectopascal)", "Millibar (Hektopascal)",
                      "millibar (hectopascal)"},
         .size = "0.1",
         .symbols = "mbar|hPa|mb",
         .names = "millibar|millibars|hectopascal|hectopascals"},
        {.key = "mH2O",
         .caption = {"metre su sütunu", "meter H2O", "Meter Wassersäule", "mètre de collone d'eau"},
         .fullName = {"metre su sütunu", "metre of water", "Meter Wassersäule",
                      "mètre de colonne d'eau"},
         .size = "9.80665",
         .names = "mH2O|m H2O|metre of water|metres of water|meter of water|meters of water"},
        {.key = "mmH2O",
         .caption = {"milimetre su sütunu", "mm H2O", "mm Wassersäule",
                     "millimètre de collone d'eau"},
         .fullName = {"milimetre su sütunu", "millimetre of water", "Millimeter Wassersäule",
                      "millimètre de colonne d'eau"},
         .size = "0.00980665",
         .names = "mmH2O|millimetre of water|millimetres of water|millimeter of water|millimeters "
                  "of water"},
        {.key = "mmHg",
         .caption = {"milimetre cıva sütunu", "mm Hg (=torr)", "mm Quecksilbersäule (=Torr)",
                     "mm de collone de mercure (=torr)"},
         .fullName = {"milimetre cıva sütunu (torr)", "millimetre of mercury (torr)",
                      "Millimeter Quecksilbersäule (Torr)", "millimètre de mercure (torr)"},
         .size = "0.133322",
         .exactSize = "0.133322387415",  // 13595.1 kg/m³ x 9.80665 m/s² x 1 mm
         .names = "mmHg|torr|millimetre of mercury|millimetres of mercury|millimeter of "
                  "mercury|millimeters of mercury"},
        {.key = "MPa",
         .caption = {"megapaskal", "MPa", "Megapascal", "mégapascal"},
         .fullName = {"megapaskal", "megapascal", "Megapascal", "mégapascal"},
         .size = "1000",
         .symbols = "MPa",
         .names = "megapascals"},
        {.key = "Pa",
         .caption = {"paskal", "Pa", "Pascal", "pascal"},
         .fullName = {"paskal", "pascal", "Pascal", "pascal"},
         .size = "0.001",
         .names = "pascals"},
        {.key = "psi",
         .caption = {"paund/inç²", "PSI (=lbf/in²)", "Pfund/Zoll²", "livre/pouce²"},
         .fullName = {"paund-kuvvet bölü inç kare (psi)", "pound-force per square inch (psi)",
                      "Pfundkraft pro Quadratzoll (psi)", "livre-force par pouce carré (psi)"},
         .size = "6.894757293",  // 4.4482216152605 N per 0.00064516 m²
         .exactSize = "4.4482216152605/0.64516",
         .names = "psi|lbf/in2|lbf/in²|pound per square inch|pounds per square inch"},
    };
    CategoryTable t = NewCategory({.name = {"Basınç", "Pressure", "Druck", "Pression"},
                                   .kind = CategoryKind::kProportional,
                                   .buttonWidth = 140,
                                   .commonUnits = "bar|psi|kPa|atm|mmHg|Pa",
                                   .units = units});
    FillProportional(t, units, {.digits = Digits(6)});
    return t;
}

}  // namespace tevrimo
