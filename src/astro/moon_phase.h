#pragma once
// Instants of New Moon, the quarters and Full Moon from the lunation number.

namespace veltrane {

inline constexpr double kSynodicMonth = 29.530588853;  // days
inline constexpr double kNewMoonEpoch = 2451550.09765;  // mean New Moon of lunation 0, JDE

// Lunation k: 0 is the New Moon of 2000 January 6; k + 0.5 the following Full Moon.
struct LunationArguments {
  double meanJde = 0.0;  // mean phase, Julian Ephemeris Days
  double M = 0.0;        // Sun's mean anomaly, degrees 0..360
  double Mp = 0.0;       // Moon's mean anomaly
  double F = 0.0;        // Moon's argument of latitude
  double Omega = 0.0;    // longitude of the Moon's ascending node
};

// T: Julian centuries from 2000, k / 1236.85 for a lunation.
LunationArguments PhaseArguments(double k, double T);

enum MoonQuarter { kNewMoon = 0, kFirstQuarter = 1, kFullMoon = 2, kLastQuarter = 3 };

// JDE of phase q (0..3) of lunation k0.
double MoonPhase(double k0, int q);

// Lunation of the last mean New Moon at or before a Julian day.
double LunationBefore(double jd);

}  // namespace veltrane
