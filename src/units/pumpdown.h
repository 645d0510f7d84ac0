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

}  // namespace tevrimo::pumpdown
