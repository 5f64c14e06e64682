#pragma once
// Which star or planet was measured: from a sextant height and a bearing, the observed point on
// the sky and the bodies nearest to it.
#include <optional>
#include <string>
#include <vector>

#include "astro/sky_observer.h"
#include "astro/star_record.h"

namespace veltrane {

struct IdentifyInput {
  SkyObserver observer;  // height plays no part; pressure and temperature give the refraction
  SkyInstant instant;
  double measuredHeight = 0.0;  // sextant height, degrees
  double dip = 0.0;             // dip of the horizon, degrees
  double azimuth = 0.0;         // bearing of the body, degrees from north through east
  double maxMagnitude = 6.0;    // fainter stars are not candidates
};

struct IdentifyCandidate {
  std::string name;
  bool planet = false;
  double dec = 0.0;       // degrees
  double lha = 0.0;       // degrees 0..360
  double height = 0.0;    // computed altitude without refraction, degrees
  double azimuth = 0.0;   // degrees
  std::optional<double> magnitude;
  double distance = 0.0;  // from the observed point on the sky, degrees
};

struct IdentifyResult {
  double apparentHeight = 0.0;  // measured height less dip
  double observedHeight = 0.0;  // apparent height less refraction
  double dec = 0.0;             // of the observed point
  double lha = 0.0;             // of the observed point, 0..360
  std::vector<IdentifyCandidate> matches;  // nearest first
};

// Candidates are the stars of the list within the magnitude limit and Venus, Mars, Jupiter and
// Saturn; the nearest on the sky to the observed point come first. At most `count` matches.
IdentifyResult IdentifyBody(const IdentifyInput& in, const std::vector<StarRecord>& stars, size_t count);

// The altitude whose refracted altitude is `apparent` (the inverse of the body window's refraction).
double UnrefractedAltitude(double apparent, double pressure, double temperature);

}  // namespace veltrane
