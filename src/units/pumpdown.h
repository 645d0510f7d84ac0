// SPDX-License-Identifier: MIT
// Pump-down of a vessel from atmospheric pressure: t = k * (V / S) * ln(p0 / p),
// in litres per minute, minutes, litres and millibar.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "category_table.h"

namespace tevrimo::pumpdown {

// The vacuum page's table: its rows in four unit pairs.
const CategoryTable& Table();

inline constexpr double kStartPressure = 1013.25;  // p0, mbar
inline constexpr double kFactor = 1.3;             // k
inline constexpr double kMinute = 60;
inline constexpr double kLitresPerCubicMetre = 1000;
inline constexpr double kMbarPerTorr = 1.33322;   // Torr = mbar / 1.33322
inline constexpr double kTorrPerMbar = 0.750064;  // mbar = Torr / 0.750064

double PumpCapacity(double volume, double time, double pressure);
double PumpDownTime(double volume, double pressure, double capacity);
double PumpDownVolume(double time, double capacity, double pressure);
double FinalPressure(double time, double capacity, double volume);

// The four quantities of the vacuum page, in row order.
enum class Quantity { kCapacity, kTime, kVolume, kPressure };
inline constexpr std::array<Quantity, 4> kQuantities = {Quantity::kCapacity, Quantity::kTime,
                                                        Quantity::kVolume, Quantity::kPressure};

// Where each quantity sits on the page: the two rows of its units (l/min and m³/h,
// s and min, litres and m³, mbar and Torr) and, of those, the row in the formula's unit.
struct QuantityRows {
    int first, second;
    int formula;
};
inline constexpr QuantityRows Rows(Quantity q) {
    switch (q) {
        case Quantity::kCapacity: return {0, 1, 0};
        case Quantity::kTime: return {2, 3, 3};
        case Quantity::kVolume: return {4, 5, 4};
        case Quantity::kPressure: return {6, 7, 6};
    }
    return {0, 1, 0};
}
// The quantity the vacuum page computes when it opens (the mode is not kept between runs).
inline constexpr Quantity kStartMode = Quantity::kTime;
// Whether row `row` of tab `tab` is a box the vacuum page computes when it opens: a value
// typed there from outside would not stay, so nothing may ask for one.
bool ComputedAtStart(int tab, int row);

// The quantity whose unit pair holds `row`; none for rows 8 to 13.
inline constexpr std::optional<Quantity> QuantityOfRow(int row) {
    if (row < 0 || row >= 8) return std::nullopt;
    return kQuantities[static_cast<std::size_t>(row / 2)];
}

// One value of each quantity; the one being computed is not read.
struct Inputs {
    double capacity = 0, time = 0, volume = 0, pressure = 0;
};
// The computed quantity in the units of its two rows.
struct Values {
    double first, second;
};
Values Compute(Quantity q, const Inputs& in);

}  // namespace tevrimo::pumpdown
