// Volume: fourteen units, sizes in cubic metres. Constants towards cubic metre, barrel
// and cubic centimetre carry eight significant digits, all others six.
#include "category_builder.h"

namespace tevrimo {

namespace {
enum Row { kCubicMetre, kBarrel, kCubicCentimetre };  // the rows with eight-digit constants
}  // namespace

CategoryTable BuildVolume() {
    const std::initializer_list<UnitSpec> units = {
        {"metre³", "m³", "Meter³", "mètre³", "1"},
        {"barrel (petrol)", "barrel (oil)", "Barrel (Öl)", "baril (pétrole)", "0.158987294928"},
        {"santimetre³ (=mililitre)", "cm³ (=ml)", "cm³ (=ml)", "cm³ (=millilitre)", "1E-6"},
        {"desimetre³ (=litre)", "dm³ (=liter)", "dm³ (=Liter)", "dm³ (=litre)", "0.001"},
        {"sıvı ons (İng.)", "fl. ounce (UK)", "fl. Unze (GB)", "liqu.once(Angl.)", "2.84130625E-5"},
        {"sıvı ons (ABD)", "fl. ounce (USA)", "fl. Unze (USA)", "liqu.once(E.U.)",
         "2.95735295625E-5"},
        {"fit³", "ft³", "Fuß³", "pied³", "0.028316846592"},
        {"galon (İng.)", "gallon (UK)", "Gallone (GB)", "gallon (Angl.)", "0.00454609"},
        {"galon (ABD)", "gallon (USA)", "Gallone (USA)", "gallon (E.U.)", "0.003785411784"},
        {"inç³", "in³", "Zoll³", "pouce³", "1.6387064E-5"},
        {"milimetre³", "mm³", "mm³", "millimètre³", "1E-9"},
        {"pint (İng.)", "pint (UK)", "pint (GB)", "pinte (Angl.)", "0.00056826125"},
        {"pint (ABD)", "pint (US)", "pint (USA)", "pinte (E.U.)", "0.000473176473"},
        {"yarda³", "yd³", "Yard³", "yard³", "0.764554857984"},
    };
    CategoryTable t = NewCategory({.units = units});
    FillProportional(
        t, units, {.digits = [](int, int target) {
            return target == kCubicMetre || target == kBarrel || target == kCubicCentimetre ? 8 : 6;
        }});
    return t;
}

}  // namespace tevrimo
