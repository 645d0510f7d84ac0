// SPDX-License-Identifier: MIT
// Vacuum pump-down: four quantities in two units each. A row converts only into its
// partner row; the page computes one quantity from the other three (see pumpdown.h).
#include "category_builder.h"
#include "category_registry.h"
#include "pumpdown.h"

namespace tevrimo {

namespace {
enum Row {
    kLitresPerMinute,
    kCubicMetresPerHour,
    kSeconds,
    kMinutes,
    kLitres,
    kCubicMetres,
    kMillibar,
    kTorr,
};
}  // namespace

CategoryTable BuildVacuum() {
    using namespace pumpdown;
    // Each unit's size text is stated in the other unit of its quantity; the exact sizes
    // are in l/min, s, litres and mbar, and the Torr is the page's kMbarPerTorr.
    const std::initializer_list<UnitDef> units = {
        {.key = "l_min",
         .caption = {"litre/dakika", "l/min", "l/Min", "l/Min"},
         .fullName = {"litre bölü dakika", "litre per minute", "Liter pro Minute",
                      "litre par minute"},
         .exactSize = "1",
         .sizeIn = kCubicMetresPerHour,
         .names =
             "L/min|lpm|litre per minute|litres per minute|liter per minute|liters per minute"},
        {.key = "m3_h",
         .caption = {"m³/saat", "m³/h", "m³/h", "m³/h"},
         .fullName = {"metreküp bölü saat", "cubic metre per hour", "Kubikmeter pro Stunde",
                      "mètre cube par heure"},
         .exactSize = "1000/60",
         .sizeIn = kLitresPerMinute,
         .names = "m3/h|m³/hr|cubic metre per hour|cubic metres per hour|cubic meter per "
                  "hour|cubic meters per hour"},
        {.key = "s",
         .caption = {"saniye", "s", "s", "s"},
         .fullName = {"saniye", "second", "Sekunde", "seconde"},
         .exactSize = "1",
         .sizeIn = kMinutes,
         .names = "sec|second|seconds"},
        {.key = "min",
         .caption = {"dakika", "min", "Min", "Min"},
         .fullName = {"dakika", "minute", "Minute", "minute"},
         .exactSize = "60",
         .sizeIn = kSeconds,
         .names = "minute|minutes"},
        {.key = "l",
         .caption = {"litre", "liter", "Liter", "Litre"},
         .fullName = {"litre", "litre", "Liter", "litre"},
         .exactSize = "1",
         .sizeIn = kCubicMetres,
         .names = "l|litre|litres|liters"},
        {.key = "m3",
         .caption = {"m³", "m³", "m³", "m³"},
         .fullName = {"metreküp", "cubic metre", "Kubikmeter", "mètre cube"},
         .exactSize = "1000",
         .sizeIn = kLitres,
         .names = "m3|cubic metre|cubic metres|cubic meter|cubic meters"},
        {.key = "mbar",
         .caption = {"mbar", "mbar", "mbar", "mbar"},
         .fullName = {"milibar", "millibar", "Millibar", "millibar"},
         .exactSize = "1",
         .sizeIn = kTorr,
         .symbols = "mbar|hPa",
         .names = "millibar|millibars|hectopascal|hectopascals"},
        {.key = "Torr",
         .caption = {"Torr", "Torr", "Torr", "Torr"},
         .fullName = {"torr", "torr", "Torr", "torr"},
         .exactSize = "1.33322",
         .sizeIn = kMillibar,
         .names = "torr|mmHg"},
    };
    CategoryTable t =
        NewCategory({.name = {"Vakum pompasıyla boşaltma", "Vacuum pump-down",
                              "Abpumpen mit der Vakuumpumpe", "Mise sous vide par pompage"},
                     .kind = CategoryKind::kVacuum,
                     .buttonWidth = 70,
                     .layout = PageLayout::kVacuum,
                     .tabOrder = TabOrderRule::kBoxesFirst,
                     .commonUnits = "l_min|m3_h|s|min|l|m3|mbar|Torr",
                     .units = units});
    for (int r = 8; r < 13; ++r) t.templateCaptions[static_cast<std::size_t>(r)] = "";
    // Each row converts into the other row of its quantity, first to second and back.
    const struct {
        Quantity quantity;
        PairRule forward, back;
    } pairs[] = {
        {Quantity::kCapacity,
         PairRule::Steps({{StepOp::kMultiply, kMinute}, {StepOp::kDivide, kLitresPerCubicMetre}}),
         PairRule::Steps({{StepOp::kDivide, kMinute}, {StepOp::kMultiply, kLitresPerCubicMetre}})},
        {Quantity::kTime, PairRule::Step(StepOp::kDivide, kMinute),
         PairRule::Step(StepOp::kMultiply, kMinute)},
        {Quantity::kVolume, PairRule::Step(StepOp::kDivide, kLitresPerCubicMetre),
         PairRule::Step(StepOp::kMultiply, kLitresPerCubicMetre)},
        {Quantity::kPressure, PairRule::Step(StepOp::kDivide, kMbarPerTorr),
         PairRule::Step(StepOp::kDivide, kTorrPerMbar)},
    };
    for (const auto& p : pairs) {
        const QuantityRows rows = Rows(p.quantity);
        Rule(t, rows.first, rows.second) = p.forward;
        Rule(t, rows.second, rows.first) = p.back;
    }
    return t;
}

}  // namespace tevrimo
