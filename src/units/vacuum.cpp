// Vacuum pump-down: four quantities in two units each. A row converts only into its
// partner row; the page computes one quantity from the other three (see pumpdown.h).
#include <cmath>
#include <limits>

#include "categories.h"
#include "category_builder.h"
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

RowPair ComputedPair(int mode, double s, double t, double v, double p) {
    switch (mode) {
        case 1: {
            const double capacity = PumpCapacity(v, t, p);
            return {capacity, Div(Mul(capacity, kMinute), kLitresPerCubicMetre)};
        }
        case 2: {
            const double time = PumpDownTime(v, p, s);
            return {Mul(time, kMinute), time};
        }
        case 3: {
            const double volume = PumpDownVolume(t, s, p);
            return {volume, Div(volume, kLitresPerCubicMetre)};
        }
        default: {
            const double pressure = FinalPressure(t, s, v);
            return {pressure, Div(pressure, kMbarPerTorr)};
        }
    }
}

}  // namespace pumpdown

const CategoryTable& VacuumCategory() {
    static const CategoryTable table = [] {
        using pumpdown::kLitresPerCubicMetre;
        using pumpdown::kMinute;
        CategoryTable t = NewCategory("vacuum", "Vakum", 12, 8, 70,
                                      {
                                          {"litre/dakika", "l/min", "l/Min", "l/Min"},
                                          {"m³/saat", "m³/h", "m³/h", "m³/h"},
                                          {"saniye", "s", "s", "s"},
                                          {"dakika", "min", "Min", "Min"},
                                          {"litre", "liter", "Liter", "Litre"},
                                          {"m³", "m³", "m³", "m³"},
                                          {"mbar", "mbar", "mbar", "mbar"},
                                          {"Torr", "Torr", "Torr", "Torr"},
                                      });
        for (int r = 8; r < 13; ++r) t.templateCaptions[static_cast<std::size_t>(r)] = "";
        auto set = [&t](int i, int j, PairRule rule) {
            t.pairs[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = rule;
        };
        set(0, 1,
            PairRule::Steps(
                {{StepOp::kMultiply, kMinute}, {StepOp::kDivide, kLitresPerCubicMetre}}));
        set(1, 0,
            PairRule::Steps(
                {{StepOp::kDivide, kMinute}, {StepOp::kMultiply, kLitresPerCubicMetre}}));
        set(2, 3, PairRule::Step(StepOp::kDivide, kMinute));
        set(3, 2, PairRule::Step(StepOp::kMultiply, kMinute));
        set(4, 5, PairRule::Step(StepOp::kDivide, kLitresPerCubicMetre));
        set(5, 4, PairRule::Step(StepOp::kMultiply, kLitresPerCubicMetre));
        set(6, 7, PairRule::Step(StepOp::kDivide, pumpdown::kMbarPerTorr));
        set(7, 6, PairRule::Step(StepOp::kDivide, pumpdown::kTorrPerMbar));
        return t;
    }();
    return table;
}

}  // namespace tevrimo
