// SPDX-License-Identifier: MIT
// Vacuum pump-down: four quantities in two units each. A row converts only into its
// partner row; the page computes one quantity from the other three (see pumpdown.h).
#include <cmath>
#include <limits>

#include "category_builder.h"
#include "category_registry.h"
#include "pumpdown.h"

namespace tevrimo {

namespace pumpdown {

namespace {
double Op(StepOp op, double a, double b) {
    return ApplyStep(op, a, b);
}
double Mul(double a, double b) {
    return Op(StepOp::kMultiply, a, b);
}
double Div(double a, double b) {
    return Op(StepOp::kDivide, a, b);
}

// Natural logarithm; undefined below zero, where it gives a positive NaN.
double Ln(double x) {
    if (std::isnan(x)) return x;
    if (x < 0) return std::numeric_limits<double>::quiet_NaN();
    return std::log(x);
}
double Exp(double x) {
    return std::isnan(x) ? x : std::exp(x);
}
}  // namespace

double PumpDownTime(double v, double p, double s) {
    return Div(Mul(Mul(Ln(Div(kStartPressure, p)), v), kFactor), s);
}
double PumpCapacity(double v, double t, double p) {
    return Mul(Mul(Ln(Div(kStartPressure, p)), Div(v, t)), kFactor);
}
double PumpDownVolume(double t, double s, double p) {
    return Div(Div(Mul(t, s), Ln(Div(kStartPressure, p))), kFactor);
}
double FinalPressure(double t, double s, double v) {
    return Mul(Exp(Div(Div(Mul(-t, s), v), kFactor)), kStartPressure);
}

Values Compute(Quantity q, const Inputs& in) {
    switch (q) {
        case Quantity::kCapacity: {
            const double capacity = PumpCapacity(in.volume, in.time, in.pressure);
            return {capacity, Div(Mul(capacity, kMinute), kLitresPerCubicMetre)};
        }
        case Quantity::kTime: {
            const double time = PumpDownTime(in.volume, in.pressure, in.capacity);
            return {Mul(time, kMinute), time};
        }
        case Quantity::kVolume: {
            const double volume = PumpDownVolume(in.time, in.capacity, in.pressure);
            return {volume, Div(volume, kLitresPerCubicMetre)};
        }
        case Quantity::kPressure: {
            const double pressure = FinalPressure(in.time, in.capacity, in.volume);
            return {pressure, Div(pressure, kMbarPerTorr)};
        }
    }
    return {0, 0};
}

}  // namespace pumpdown

CategoryTable BuildVacuum() {
    using namespace pumpdown;
    CategoryTable t = NewCategory(
        {.units = {
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
