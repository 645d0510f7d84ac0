// SPDX-License-Identifier: MIT
// Volume: fourteen units, sizes in cubic metres. Constants towards cubic metre, barrel
// and cubic centimetre carry eight significant digits, all others six.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

namespace {
enum Row { kCubicMetre, kBarrel, kCubicCentimetre };  // the rows with eight-digit constants
}  // namespace

CategoryTable BuildVolume() {
    const std::initializer_list<UnitDef> units = {
        {"metre³", "m³", "Meter³", "mètre³", "1", "m³|m3",
         "cubic metre|cubic metres|cubic meter|cubic meters"},
        {"barrel (petrol)", "barrel (oil)", "Barrel (Öl)", "baril (pétrole)", "0.158987294928", "",
         "bbl|barrel|barrels|oil barrel|oil barrels"},
        {"santimetre³ (=mililitre)", "cm³ (=ml)", "cm³ (=ml)", "cm³ (=millilitre)", "1E-6", "ml|mL",
         "cm³|cm3|cc|cubic centimetre|cubic centimetres|cubic centimeter|cubic "
         "centimeters|millilitre|millilitres|milliliter|milliliters"},
        {"desimetre³ (=litre)", "dm³ (=liter)", "dm³ (=Liter)", "dm³ (=litre)", "0.001", "",
         "l|dm³|dm3|litre|litres|liter|liters|cubic decimetre|cubic decimetres|cubic "
         "decimeter|cubic decimeters"},
        {"sıvı ons (İng.)", "fl. ounce (UK)", "fl. Unze (GB)", "liqu.once(Angl.)", "2.84130625E-5",
         "", "imp fl oz|UK fl oz|imperial fluid ounce|imperial fluid ounces"},
        {"sıvı ons (ABD)", "fl. ounce (USA)", "fl. Unze (USA)", "liqu.once(E.U.)",
         "2.95735295625E-5", "",
         "fl oz|US fl oz|fluid ounce|fluid ounces|US fluid ounce|US fluid ounces"},
        {"fit³", "ft³", "Fuß³", "pied³", "0.028316846592", "",
         "ft³|ft3|cu ft|cubic foot|cubic feet"},
        {"galon (İng.)", "gallon (UK)", "Gallone (GB)", "gallon (Angl.)", "0.00454609", "",
         "imp gal|UK gal|imperial gallon|imperial gallons"},
        {"galon (ABD)", "gallon (USA)", "Gallone (USA)", "gallon (E.U.)", "0.003785411784", "",
         "gal|US gal|gallon|gallons|US gallon|US gallons"},
        {"inç³", "in³", "Zoll³", "pouce³", "1.6387064E-5", "",
         "in³|in3|cu in|cubic inch|cubic inches"},
        {"milimetre³", "mm³", "mm³", "millimètre³", "1E-9", "mm³|mm3",
         "cubic millimetre|cubic millimetres|cubic millimeter|cubic millimeters"},
        {"pint (İng.)", "pint (UK)", "pint (GB)", "pinte (Angl.)", "0.00056826125", "",
         "imp pt|UK pt|imperial pint|imperial pints"},
        {"pint (ABD)", "pint (US)", "pint (USA)", "pinte (E.U.)", "0.000473176473", "",
         "pt|US pt|pint|pints|US pint|US pints"},
        {"yarda³", "yd³", "Yard³", "yard³", "0.764554857984", "",
         "yd³|yd3|cu yd|cubic yard|cubic yards"},
    };
    CategoryTable t =
        NewCategory({.kind = CategoryKind::kProportional, .buttonWidth = 100, .units = units});
    FillProportional(
        t, units, {.digits = [](int, int target) {
            return target == kCubicMetre || target == kBarrel || target == kCubicCentimetre ? 8 : 6;
        }});
    return t;
}

}  // namespace tevrimo
