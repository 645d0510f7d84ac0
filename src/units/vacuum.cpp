// SPDX-License-Identifier: MIT
// Vacuum pump-down: four quantities in two units each. A row converts only into its
// partner row; the page computes one quantity from the other three (see pumpdown.h).
#include "category_builder.h"
#include "category_registry.h"
#include "pumpdown.h"

namespace tevrimo {

CategoryTable BuildVacuum() {
    using namespace pumpdown;
    CategoryTable t = NewCategory(
        {.kind = CategoryKind::kVacuum,
         .buttonWidth = 70,
         .layout = PageLayout::kVacuum,
         .tabOrder = TabOrderRule::kBoxesFirst,
         .units = {
             {"litre/dakika", "l/min", "l/Min", "l/Min", "", "",
              "L/min|lpm|litre per minute|litres per minute|liter per minute|liters per minute"},
             {"m³/saat", "m³/h", "m³/h", "m³/h", "", "",
              "m3/h|m³/hr|cubic metre per hour|cubic metres per hour|cubic meter per hour|cubic "
              "meters per hour"},
             {"saniye", "s", "s", "s", "", "", "sec|second|seconds"},
             {"dakika", "min", "Min", "Min", "", "", "minute|minutes"},
             {"litre", "liter", "Liter", "Litre", "", "", "l|litre|litres|liters"},
             {"m³", "m³", "m³", "m³", "", "",
              "m3|cubic metre|cubic metres|cubic meter|cubic meters"},
             {"mbar", "mbar", "mbar", "mbar", "", "mbar|hPa",
              "millibar|millibars|hectopascal|hectopascals"},
             {"Torr", "Torr", "Torr", "Torr", "", "", "torr|mmHg"},
         }});
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
