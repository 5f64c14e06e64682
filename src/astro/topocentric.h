#pragma once
// The observer's place on the Earth's ellipsoid and the parallax in right ascension and
// declination it causes.

namespace veltrane {

struct GeocentricTerms {
  double rhoSinPhi = 0.0;  // rho sin phi'
  double rhoCosPhi = 0.0;  // rho cos phi'
};

struct EquatorialPlace {
  double ra = 0.0;   // degrees
  double dec = 0.0;  // degrees
};

// latitude in degrees, height above the ellipsoid in metres.
GeocentricTerms ObserverGeocentric(double latitude, double height);

// ra, dec: geocentric apparent place (degrees); lonWest: observer longitude, west positive;
// parallax: equatorial horizontal parallax (degrees); hours: UT; jd0: Julian day of 0h UT.
EquatorialPlace TopocentricPlace(double ra, double dec, double lonWest, double latitude,
                                 double height, double parallax, double hours, double jd0);

}  // namespace veltrane
