#pragma once
// From the altitude read off the sextant to the observed altitude Ho: index error and dip,
// refraction scaled for pressure and temperature, and the semidiameter of the Sun and the Moon.
// Parallax is not applied: the computed altitudes are topocentric already.
#include <optional>
#include <string>

namespace veltrane {

struct MeasuredHeight {
  int deg = 0;
  double min = 0.0;
};

// Whole degrees and decimal minutes as typed; an empty minutes text counts as 0. Nothing when
// either does not read as a number.
std::optional<MeasuredHeight> ReadMeasuredHeight(const std::string& degText, const std::string& minText);

enum class Limb { Lower, Upper, Unset };

struct SextantData {
  double indexError = 0.0;            // minutes, added to the altitude
  double eyeHeight = 0.0;             // metres
  std::optional<double> obstruction;  // nautical miles to a shore short of the horizon, above 0
  double pressure = 1010.0;           // millibars
  double temperature = 10.0;          // degrees C
  Limb limb = Limb::Lower;
};

// Dip in minutes of the sea horizon, or of a shore line short of it.
double DipMinutes(double eyeHeight, std::optional<double> obstruction);
// Index error less dip, degrees.
double IndexDipCorrection(const SextantData& s);
// Exactly 1 at 10 degrees C and 1010 mb.
double RefractionFactor(double temperature, double pressure);
// Refraction in degrees at an apparent altitude; 0 below -2 degrees, where the formula breaks.
double ObservedRefraction(double apparent, double factor);

struct CorrectedSight {
  double apparent = 0.0;      // ha, degrees
  double observed = 0.0;      // Ho, degrees
  double correction = 0.0;    // total correction shown, minutes
};

// hs: sextant altitude in degrees. Sun: radius vector in AU; Moon and planets: horizontal
// parallax in degrees. The Sun without a limb is lower limb, the Moon upper limb.
CorrectedSight CorrectSunSight(double hs, const SextantData& s, double radiusVector);
CorrectedSight CorrectMoonSight(double hs, const SextantData& s, double parallax);
// Venus and Mars show their parallax in the correction; the others have none worth showing.
CorrectedSight CorrectPlanetSight(double hs, const SextantData& s, double parallax, bool showsParallax);
CorrectedSight CorrectStarSight(double hs, const SextantData& s);

// The quick table: one correction per band of whole degrees, nothing else applied.
enum class QuickBody { Sun, StarOrPlanet };
struct QuickCorrection {
  double correction = 0.0;  // minutes
  double corrected = 0.0;   // degrees
  std::string text;         // "12.5'" for the Sun, "-4'" for stars and planets
};
QuickCorrection QuickTableCorrection(QuickBody body, const MeasuredHeight& h);

}  // namespace veltrane
