#pragma once
// Rising, transit and setting of the Sun, the Moon or a star on a day: the body's places on
// the three days around it and its standard altitude, one rule for every caller.
#include <functional>

#include "astro/rise_transit_set.h"
#include "astro/star_record.h"
#include "astro/topocentric.h"

namespace veltrane {

enum class RiseSetBody { Sun, Moon, Star };

// Standard altitudes of the centre at rising and setting (Meeus, Astronomical Algorithms,
// ch. 15): the Sun's upper limb on the horizon with 34' of refraction and a 16' semidiameter;
// a star with 34' of refraction; the Moon's mean horizontal parallax less refraction and
// semidiameter.
constexpr double kSunRiseSetAltitude = -0.8333;
constexpr double kStarRiseSetAltitude = -0.5667;
constexpr double kMoonRiseSetAltitude = 0.125;

struct RiseSetDay {
  double jd0 = 0.0;        // Julian day of 0h UT of the day
  double deltaT = 0.0;     // TT minus UT, seconds
  double latitude = 0.0;   // north positive
  double lonWest = 0.0;    // west positive
  double zoneHours = 0.0;  // as RiseTransitSetInput::zoneHours
};

double RiseSetAltitude(RiseSetBody body);

// The Sun's apparent place for its rising, setting and twilight, from the planetary theory: it
// costs little there, where a search needs only three places.
EquatorialPlace SunPlaceForRiseSet(double t);

// The body's apparent place at t Julian centuries from J2000.0 in dynamical time.
using PlaceAtTime = std::function<EquatorialPlace(double t)>;
// h0: the altitude of the centre that counts as rising and setting, degrees.
RiseTransitSetResult RiseTransitSetFor(const PlaceAtTime& placeAt, double h0, const RiseSetDay& day);
// star: the catalogue place, read only for RiseSetBody::Star.
RiseTransitSetResult RiseTransitSetFor(RiseSetBody body, const RiseSetDay& day,
                                       const StarCatalogueData& star = {});

}  // namespace veltrane
