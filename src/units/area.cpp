// Area: eleven units, sizes in square metres, constants to eight significant digits.
// From square centimetre and square millimetre to the largest units the page multiplies.
#include "category_builder.h"

namespace tevrimo {

namespace {
enum Row {
    kSquareMetre,
    kAcre,
    kAre,
    kSquareCentimetre,
    kSquareFoot,
    kHectare,
    kSquareInch,
    kSquareKilometre,
    kSquareMile,
    kSquareMillimetre,
    kSquareYard,
};
}  // namespace

CategoryTable BuildArea() {
    const std::initializer_list<UnitSpec> units = {
        {"metre²", "meter²", "Meter²", "mètre²", "1"},
        {"acre", "acre", "Acre", "acre", "4046.8564224"},  // 43560 square feet
        {"ar", "are", "Ar", "are", "100"},
        {"santimetre²", "centimeter²", "Zentimeter²", "centimètre²", "1E-4"},
        {"fit²", "foot²", "Fuß²", "pied²", "0.09290304"},
        {"hektar", "hectare", "Hektar", "hectare", "10000"},
        {"inç²", "inch²", "Zoll²", "pouce²", "0.00064516"},
        {"kilometre²", "kilometer²", "Kilometer²", "kilomètre²", "1E+6"},
        {"mil²", "mile²", "Meile²", "mille²", "2589988.110336"},  // 640 acres
        {"milimetre²", "milimeter²", "Millimeter²", "millimètre²", "1E-6"},
        {"yard²", "yard²", "Yard²", "yard²", "0.83612736"},
    };
    CategoryTable t = NewCategory({.units = units});
    t.templateCaptions[11] = "";
    FillProportional(t, units,
                     {.digits = Digits(8),
                      .multipliers = {{kSquareCentimetre, kSquareKilometre},
                                      {kSquareCentimetre, kSquareMile},
                                      {kSquareMillimetre, kHectare},
                                      {kSquareMillimetre, kSquareKilometre},
                                      {kSquareMillimetre, kSquareMile}}});
    return t;
}

}  // namespace tevrimo
