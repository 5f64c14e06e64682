#include "celestial/sight_corrections.h"

#include <cmath>

#include "astro/sun.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

constexpr double kFeetPerMetre = 3.28084;
constexpr double kMoonRadiusOverEarth = 0.272476;

CorrectedSight Finish(double ha, double refraction, double sd, double shownOnly, double icDip) {
  CorrectedSight c;
  c.apparent = ha;
  c.observed = ha - refraction + sd;
  c.correction = 60.0 * (icDip - refraction + shownOnly + sd);
  return c;
}

struct Apparent {
  double icDip, ha, refraction;
};

Apparent ApparentOf(double hs, const SextantData& s) {
  const double icDip = IndexDipCorrection(s);
  const double ha = hs + icDip;
  return {icDip, ha, ObservedRefraction(ha, RefractionFactor(s.temperature, s.pressure))};
}

}  // namespace

std::optional<MeasuredHeight> ReadMeasuredHeight(const std::string& degText, const std::string& minText) {
  const std::optional<int> deg = ParseInt(degText);
  if (!deg) return std::nullopt;
  const bool blank = minText.find_first_not_of(' ') == std::string::npos;
  const std::optional<double> min = blank ? std::optional<double>(0.0) : ParseReal(minText);
  if (!min) return std::nullopt;
  return MeasuredHeight{*deg, *min};
}

double DipMinutes(double eyeHeight, std::optional<double> obstruction) {
  const double feet = kFeetPerMetre * eyeHeight;
  // A shore at 0 miles has no dip; the fields refuse it, so it falls back to the sea horizon.
  if (obstruction && *obstruction > 0.0) return 0.416 * *obstruction + 0.566 * feet / *obstruction;
  return 0.97 * std::sqrt(std::max(feet, 0.0));
}

double IndexDipCorrection(const SextantData& s) {
  return s.indexError / 60.0 - DipMinutes(s.eyeHeight, s.obstruction) / 60.0;
}

double RefractionFactor(double temperature, double pressure) {
  if (temperature == 10.0 && pressure == 1010.0) return 1.0;
  return 0.28 * pressure / (temperature + 273.0);
}

double ObservedRefraction(double apparent, double factor) {
  if (apparent < -2.0) return 0.0;
  return 0.0167 * factor / TanD(apparent + 7.31 / (apparent + 4.4));
}

CorrectedSight CorrectSunSight(double hs, const SextantData& s, double radiusVector) {
  const Apparent a = ApparentOf(hs, s);
  double sd = radiusVector == 0.0 ? 0.0 : kSunSemidiameter1Au / radiusVector / 3600.0;
  if (s.limb == Limb::Upper) sd = -sd;
  return Finish(a.ha, a.refraction, sd, 0.0024 * CosD(a.ha), a.icDip);
}

CorrectedSight CorrectMoonSight(double hs, const SextantData& s, double parallax) {
  const Apparent a = ApparentOf(hs, s);
  double sd = kMoonRadiusOverEarth * parallax;
  if (s.limb != Limb::Lower) sd = -sd;
  return Finish(a.ha, a.refraction, sd, 0.0, a.icDip);
}

CorrectedSight CorrectPlanetSight(double hs, const SextantData& s, double parallax, bool showsParallax) {
  const Apparent a = ApparentOf(hs, s);
  return Finish(a.ha, a.refraction, 0.0, showsParallax ? parallax * CosD(a.ha) : 0.0, a.icDip);
}

CorrectedSight CorrectStarSight(double hs, const SextantData& s) {
  const Apparent a = ApparentOf(hs, s);
  return Finish(a.ha, a.refraction, 0.0, 0.0, a.icDip);
}

QuickCorrection QuickTableCorrection(QuickBody body, const MeasuredHeight& h) {
  struct Band {
    int from;
    double correction;
  };
  static constexpr Band kSun[] = {{47, 13.0}, {36, 12.5}, {27, 12.0}, {22, 11.5},
                                  {19, 11.0}, {16, 10.5}, {13, 10.0}};
  static constexpr Band kStars[] = {{46, -3.0}, {27, -4.0}, {19, -5.0}};
  QuickCorrection q;
  if (body == QuickBody::Sun) {
    for (const Band& b : kSun)
      if (h.deg >= b.from) { q.correction = b.correction; break; }
    q.text = Str(q.correction, 1) + "'";
  } else {
    for (const Band& b : kStars)
      if (h.deg >= b.from) { q.correction = b.correction; break; }
    q.text = Str(q.correction, 0) + "'";
  }
  q.corrected = DegMinToDeg(h.deg, h.min + q.correction);
  return q;
}

}  // namespace veltrane
