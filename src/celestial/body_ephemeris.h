#pragma once
// The navigational bodies for the instant of a sight: positions in dynamical time (UT plus
// Delta T), sidereal time and hour angles in UT, the topocentric place for the observer, and
// the altitude and azimuth at the assumed position.
#include <optional>
#include <string>

#include "astro/star_record.h"
#include "foundation/calendar.h"
#include "foundation/position_record.h"

namespace veltrane {

enum class NavBody { Sun, Moon, Venus, Mars, Jupiter, Saturn, Star };

// "SUN", "MOON", "VENUS", "MARS", "JUPITER", "SATURN", "STAR".
std::string NavBodyName(NavBody body);
std::optional<NavBody> NavBodyFromName(const std::string& name);

struct SightInstant {
  TDateRec date;
  double ut = 0.0;  // hours
};

struct SightObserver {
  PositionRecord assumed;  // latitude, longitude west positive
  double eyeHeight = 0.0;  // metres
  double pressure = 1010.0;
  double temperature = 10.0;
};

struct BodyPlace {
  double jd0 = 0.0;
  double t = 0.0;          // centuries from 2000 January 1.5, UT
  double deltaT = 0.0;     // seconds
  double ra = 0.0;         // topocentric, degrees
  double dec = 0.0;        // topocentric, degrees
  double parallax = 0.0;   // equatorial horizontal parallax, degrees
  double radiusVector = 0.0;  // the Sun's, AU
  double distanceKm = 0.0;    // the Moon's
  double gha = 0.0;
  double lha = 0.0;
  double hc = 0.0;
  double zn = 0.0;
  double refraction = 0.0;  // at Hc, degrees
};

// star: the catalogue place, needed for NavBody::Star only.
BodyPlace BodyEphemeris(NavBody body, const StarCatalogueData* star, const SightObserver& observer,
                        const SightInstant& when);

}  // namespace veltrane
