// SPDX-License-Identifier: MIT
#include "pumpdown.h"

#include <cmath>
#include <limits>

#include "categories.h"

namespace tevrimo::pumpdown {

const CategoryTable& Table() {
    return Category(kVacuumTab);
}

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
// ln(p0 / p). Below about 1e-305 mbar the quotient overflows while its logarithm is
// small; there it is ln p0 - ln p. A pressure of 0 still gives an infinite logarithm.
double LnRatio(double p) {
    const double ratio = Div(kStartPressure, p);
    if (std::isinf(ratio) && p > 0 && std::isfinite(p)) return Ln(kStartPressure) - Ln(p);
    return Ln(ratio);
}
}  // namespace

double PumpDownTime(double v, double p, double s) {
    return Div(Mul(Mul(LnRatio(p), v), kFactor), s);
}
double PumpCapacity(double v, double t, double p) {
    return Mul(Mul(LnRatio(p), Div(v, t)), kFactor);
}
double PumpDownVolume(double t, double s, double p) {
    return Div(Div(Mul(t, s), LnRatio(p)), kFactor);
}
double FinalPressure(double t, double s, double v) {
    return Mul(Exp(Div(Div(Mul(-t, s), v), kFactor)), kStartPressure);
}

bool ComputedAtStart(int tab, int row) {
    return tab == kVacuumTab && QuantityOfRow(row) == kStartMode;
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

}  // namespace tevrimo::pumpdown
