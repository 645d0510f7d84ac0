// Pump-down of a vessel from atmospheric pressure: t = k * (V / S) * ln(p0 / p),
// in litres per minute, minutes, litres and millibar.
#pragma once

namespace tevrimo::pumpdown {

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

// The quantity `mode` computes (1 capacity, 2 time, 3 volume, 4 final pressure) from the
// other three, in the two units of its rows: l/min and m³/h, s and min, litres and m³,
// mbar and Torr. The argument of the computed quantity itself is not used.
struct RowPair {
    double first, second;
};
RowPair ComputedPair(int mode, double capacity, double time, double volume, double pressure);

}  // namespace tevrimo::pumpdown
