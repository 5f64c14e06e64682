#pragma once
// Apparent place, distance, phase, magnitude and size of a planet from the 1900-epoch theory.
#include <optional>

#include "astro/listing.h"
#include "astro/planet_orbit.h"

namespace veltrane {

// Angles in degrees, distances in AU.
struct PlanetApparentPlace {
  double l = 0.0, b = 0.0;            // heliocentric ecliptic longitude and latitude
  double lambda = 0.0, beta = 0.0;    // geocentric ecliptic longitude and latitude
  double delta = 0.0;                 // distance from the Earth
  double elongation = 0.0;
  double eps = 0.0;                   // mean obliquity
  double ra = 0.0, dec = 0.0;         // apparent right ascension (0..360) and declination
  double sunLongitude = 0.0, R = 0.0; // the Sun of the same theory
};

// The orbit may be taken at an earlier instant than t1900 (light time); the Earth, nutation and
// aberration are taken at t1900.
PlanetApparentPlace HeliocentricToApparent(const PlanetOrbit& orbit, double t1900);

struct PlanetPhase {
  double angle = 0.0;     // phase angle i, degrees 0..180
  double fraction = 0.0;  // illuminated fraction k
};
// delta: Earth-planet, R: Sun-Earth, r: Sun-planet (AU).
PlanetPhase PhaseOfPlanet(double delta, double R, double r);

// Visual magnitude; none for Saturn, whose rings the formula cannot describe.
std::optional<double> PlanetMagnitude(Planet planet, double r, double delta, double phaseAngle);

struct PlanetPositionResult {
  double ra = 0.0, dec = 0.0;  // apparent, degrees
  double parallax = 0.0;       // equatorial horizontal parallax, degrees
  double delta = 0.0;          // from the Earth, AU
  double r = 0.0;              // from the Sun, AU
  double phaseAngle = 0.0;     // degrees
  double illuminatedFraction = 0.0;
  std::optional<double> magnitude;   // rounded to 0.1
  double semidiameter = 0.0;         // equatorial, seconds of arc, rounded to 0.1
  std::optional<double> polarSemidiameter;  // Jupiter only
};

// Light time included: the planet is taken where it was when its light left it.
PlanetPositionResult PlanetPosition(Planet planet, double t1900, Listing* listing = nullptr);

}  // namespace veltrane
