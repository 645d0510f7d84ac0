// SPDX-License-Identifier: MIT
// Volume: fourteen units, sizes in cubic metres. Constants towards cubic metre, barrel
// and cubic centimetre carry eight significant digits, all others six. Size texts are in
// litres.
#include "category_builder.h"
#include "category_registry.h"

namespace tevrimo {

namespace {
enum Row { kCubicMetre, kBarrel, kCubicCentimetre, kLitre };  // to the first three: eight digits
}  // namespace

CategoryTable BuildVolume() {
    const std::initializer_list<UnitDef> units = {
        {.key = "m3",
         .caption = {"metre³", "m³", "Meter³", "mètre³"},
         .fullName = {"metreküp", "cubic metre", "Kubikmeter", "mètre cube"},
         .size = "1",
         .symbols = "m³|m3",
         .names = "cubic metre|cubic metres|cubic meter|cubic meters"},
        {.key = "bbl",
         .caption = {"barrel (petrol)", "barrel (oil)", "Barrel (Öl)", "baril (pétrole)"},
         .fullName = {"varil (petrol varili, 42 ABD galonu)", "barrel (oil barrel, 42 US gallons)",
                      "Barrel (Ölfass, 42 US-Gallonen)",
                      "baril (de pétrole, 42 gallons américains)"},
         .size = "0.158987294928",
         .names = "bbl|barrel|barrels|oil barrel|oil barrels"},
        {.key = "ml",
         .caption = {"santimetre³ (=mililitre)", "cm³ (=ml)", "cm³ (=ml)", "cm³ (=millilitre)"},
         .fullName = {"santimetreküp (mililitre)", "cubic centimetre (millilitre)",
                      "Kubikzentimeter (Milliliter)", "centimètre cube (millilitre)"},
         .size = "1E-6",
         .symbols = "ml|mL",
         .names = "cm³|cm3|cc|cubic centimetre|cubic centimetres|cubic centimeter|cubic "
                  "centimeters|millilitre|millilitres|milliliter|milliliters"},
        {.key = "l",
         .caption = {"desimetre³ (=litre)", "dm³ (=liter)", "dm³ (=Liter)", "dm³ (=litre)"},
         .fullName = {"desimetreküp (litre)", "cubic decimetre (litre)", "Kubikdezimeter (Liter)",
                      "décimètre cube (litre)"},
         .size = "0.001",
         .sizeIn = kCubicMetre,
         .names = "l|dm³|dm3|litre|litres|liter|liters|cubic decimetre|cubic decimetres|cubic "
                  "decimeter|cubic decimeters"},
        {.key = "floz_uk",
         .caption = {"sıvı ons (İng.)", "fl. ounce (UK)", "fl. Unze (GB)", "liqu.once(Angl.)"},
         .fullName = {"İngiliz sıvı onsu", "imperial fluid ounce", "britische Flüssigunze",
                      "once liquide impériale"},
         .size = "2.84130625E-5",
         .names = "imp fl oz|UK fl oz|imperial fluid ounce|imperial fluid ounces"},
        {.key = "floz_us",
         .caption = {"sıvı ons (ABD)", "fl. ounce (USA)", "fl. Unze (USA)", "liqu.once(E.U.)"},
         .fullName = {"ABD sıvı onsu", "US fluid ounce", "amerikanische Flüssigunze",
                      "once liquide américaine"},
         .size = "2.95735295625E-5",
         .names = "fl oz|US fl oz|fluid ounce|fluid ounces|US fluid ounce|US fluid ounces"},
        {.key = "ft3",
         .caption = {"fit³", "ft³", "Fuß³", "pied³"},
         .fullName = {"fit küp", "cubic foot", "Kubikfuß", "pied cube"},
         .size = "0.028316846592",
         .names = "ft³|ft3|cu ft|cubic foot|cubic feet"},
        {.key = "gal_uk",
         .caption = {"galon (İng.)", "gallon (UK)", "Gallone (GB)", "gallon (Angl.)"},
         .fullName = {"İngiliz galonu", "imperial gallon", "britische Gallone", "gallon impérial"},
         .size = "0.00454609",
         .names = "imp gal|UK gal|imperial gallon|imperial gallons"},
        {.key = "gal_us",
         .caption = {"galon (ABD)", "gallon (USA)", "Gallone (USA)", "gallon (E.U.)"},
         .fullName = {"ABD galonu", "US gallon", "amerikanische Gallone", "gallon américain"},
         .size = "0.003785411784",
         .names = "gal|US gal|gallon|gallons|US gallon|US gallons"},
        {.key = "in3",
         .caption = {"inç³", "in³", "Zoll³", "pouce³"},
         .fullName = {"inç küp", "cubic inch", "Kubikzoll", "pouce cube"},
         .size = "1.6387064E-5",
         .names = "in³|in3|cu in|cubic inch|cubic inches"},
        {.key = "mm3",
         .caption = {"milimetre³", "mm³", "mm³", "millimètre³"},
         .fullName = {"milimetreküp", "cubic millimetre", "Kubikmillimeter", "millimètre cube"},
         .size = "1E-9",
         .symbols = "mm³|mm3",
         .names = "cubic millimetre|cubic millimetres|cubic millimeter|cubic millimeters"},
        {.key = "pt_uk",
         .caption = {"pint (İng.)", "pint (UK)", "pint (GB)", "pinte (Angl.)"},
         .fullName = {"İngiliz pinti", "imperial pint", "britisches Pint", "pinte impériale"},
         .size = "0.00056826125",
         .names = "imp pt|UK pt|imperial pint|imperial pints"},
        {.key = "pt_us",
         .caption = {"pint (ABD)", "pint (US)", "pint (USA)", "pinte (E.U.)"},
         .fullName = {"ABD pinti", "US pint", "amerikanisches Pint", "pinte américaine"},
         .size = "0.000473176473",
         .names = "pt|US pt|pint|pints|US pint|US pints"},
        {.key = "yd3",
         .caption = {"yarda³", "yd³", "Yard³", "yard³"},
         .fullName = {"yarda küp", "cubic yard", "Kubikyard", "yard cube"},
         .size = "0.764554857984",
         .names = "yd³|yd3|cu yd|cubic yard|cubic yards"},
    };
    CategoryTable t = NewCategory({.name = {"Hacim", "Volume", "Volumen", "Volume"},
                                   .kind = CategoryKind::kProportional,
                                   .buttonWidth = 100,
                                   .sizeUnit = kLitre,
                                   .commonUnits = "l|gal_us|m3|ml|floz_us|ft3",
                                   .units = units});
    FillProportional(
        t, units, {.digits = [](int, int target) {
            return target == kCubicMetre || target == kBarrel || target == kCubicCentimetre ? 8 : 6;
        }});
    return t;
}

}  // namespace tevrimo
