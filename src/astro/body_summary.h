#pragma once
// Everything the body window shows for the Sun, the Moon, a planet or a catalogue star at the
// observer's place and time: place, hour angles, altitude and azimuth, brightness, distance,
// phase, rising, transit and setting, and the day's twilight.
#include <optional>

#include "astro/listing.h"
#include "astro/planet_orbit.h"
#include "astro/rise_transit_set.h"
#include "astro/sky_observer.h"
#include "astro/star_record.h"
#include "astro/twilight.h"

namespace veltrane {

enum class BodyKind { Sun, Moon, Planet, Star };

struct SkyBody {
  BodyKind kind = BodyKind::Sun;
  Planet planet = Planet::Venus;    // for BodyKind::Planet
  StarCatalogueData star;           // for BodyKind::Star
  std::optional<double> starMagnitude;
};

struct BodyPhase {
  double illuminatedPercent = 0.0;  // to 0.1
  double elongation = 0.0;          // Moon minus Sun in longitude, 0..360 (Moon only)
};

struct BodySummary {
  double jd = 0.0;      // Julian day of the instant, UT
  double deltaT = 0.0;  // seconds, as used
  double ra = 0.0;      // topocentric apparent right ascension, degrees 0..360
  double dec = 0.0;     // topocentric apparent declination, degrees
  double gha = 0.0;     // Greenwich hour angle, degrees
  double lha = 0.0;     // local hour angle, degrees
  double altitude = 0.0;           // of the centre, without refraction
  double refractedAltitude = 0.0;  // as seen through the atmosphere
  double azimuth = 0.0;            // from north through east
  std::optional<double> magnitude;
  std::optional<double> distanceAu;  // the Sun and the planets
  std::optional<double> distanceKm;  // the Moon
  std::optional<BodyPhase> phase;    // the Moon and the planets
  RiseTransitSetResult riseTransitSet;  // day fractions of UT
  Twilight twilight;
};

// Geocentric apparent place of a body with what goes with it, at t (Julian centuries from 2000
// January 1.5, dynamical time).
struct ApparentBody {
  double ra = 0.0, dec = 0.0;  // degrees
  double parallax = 0.0;       // equatorial horizontal parallax, degrees
  std::optional<double> magnitude, distanceAu, distanceKm;
  std::optional<BodyPhase> phase;
};
ApparentBody ApparentPlaceOf(const SkyBody& body, double t, Listing* listing = nullptr);

// Rising, transit and setting on the day of the instant (its hours play no part), from the
// body's places at 0h dynamical time of the day before, the day and the day after.
RiseTransitSetResult RiseTransitSetFor(const SkyBody& body, const SkyObserver& observer, const SkyInstant& day,
                                       double zoneHours);

// zoneHours: UT minus local time, which decides the local calendar day of rising and setting.
// The listing, when given, receives the computation's rows.
BodySummary SummarizeBody(const SkyBody& body, const SkyObserver& observer, const SkyInstant& instant,
                          double zoneHours, Listing* listing = nullptr);

// Altitude of the centre at rising and setting: refraction and semidiameter (the Sun), with the
// parallax of the mean distance (the Moon), refraction alone (planets and stars).
double StandardAltitude(BodyKind kind);

}  // namespace veltrane
