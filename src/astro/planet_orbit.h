#pragma once
// Heliocentric orbit of a planet from the 1900-epoch element theory: mean elements,
// perturbations and Kepler's equation. T: Julian centuries from 1900 January 0.5.

namespace veltrane {

enum class Planet { Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune };
inline constexpr int kPlanetCount = 7;

// What HeliocentricToApparent needs; angles in degrees, r in AU.
struct PlanetOrbit {
  double L = 0.0;      // mean longitude with its perturbations
  double v = 0.0;      // true anomaly
  double M = 0.0;      // mean anomaly as used in Kepler's equation
  double Omega = 0.0;  // longitude of the ascending node
  double i = 0.0;      // inclination
  double r = 0.0;      // radius vector
  double latitudeCorrection = 0.0;
};

PlanetOrbit PlanetOrbitAt(Planet planet, double t1900);

}  // namespace veltrane
