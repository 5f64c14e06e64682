#include "astro/planet_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/planet_frame1900.h"

namespace veltrane {
namespace {

double T1900(double jde) { return (jde - 2415020.0) / 36525.0; }

// Angular separation in minutes of arc of two equatorial places (degrees).
double SeparationArcmin(double ra1, double dec1, double ra2, double dec2) {
  double dra = std::remainder(ra1 - ra2, 360.0) * std::cos(dec1 * M_PI / 180.0);
  return std::hypot(dra, dec1 - dec2) * 60.0;
}

TEST(PlanetPosition, VenusTextbookExample) {
  // 1992 December 20, 0h dynamical time: apparent place 21h04m41.454s, -18°53'16.84",
  // distance 0.910947 AU, illuminated fraction 0.647.
  const PlanetPositionResult r = PlanetPosition(Planet::Venus, T1900(2448976.5));
  EXPECT_LT(SeparationArcmin(r.ra, r.dec, 316.172725, -18.888011), 0.1);
  EXPECT_NEAR(r.delta, 0.910947, 0.00002);
  EXPECT_NEAR(r.r, 0.724603, 0.00002);
  EXPECT_NEAR(r.illuminatedFraction, 0.647, 0.001);
}

TEST(PlanetPosition, AgreesWithModernEphemeris) {
  struct Case {
    Planet planet;
    double jde, ra, dec, delta;
  };
  // Apparent places of the date from a modern numerical ephemeris.
  const Case cases[] = {
      {Planet::Mercury, 2460310.5, 261.7871, -20.1536, 0.77764},
      {Planet::Mercury, 2437000.5, 352.8305, 0.8436, 0.65895},
      {Planet::Venus, 2460400.5, 354.7140, -3.8746, 1.61956},
      {Planet::Mars, 2460650.5, 129.2825, 21.4198, 0.77448},
      {Planet::Mars, 2429000.5, 49.2602, 18.6687, 2.30432},
      {Planet::Jupiter, 2460500.5, 68.3862, 21.2513, 5.79926},
      {Planet::Jupiter, 2475000.5, 186.1370, -0.9320, 4.45870},
      {Planet::Saturn, 2460600.5, 345.5760, -8.5163, 8.87619},
      {Planet::Saturn, 2420000.5, 75.7164, 21.1691, 9.32873},
      {Planet::Uranus, 2460500.5, 53.8112, 19.0163, 20.20330},
      {Planet::Uranus, 2440000.5, 175.8171, 2.6467, 17.88785},
      {Planet::Neptune, 2460500.5, 0.4386, -1.2110, 29.57953},
      {Planet::Neptune, 2480000.5, 120.6139, 19.9612, 29.36837},
  };
  for (const Case& c : cases) {
    const PlanetPositionResult r = PlanetPosition(c.planet, T1900(c.jde));
    const double limit = c.planet == Planet::Saturn ? 2.5 : 1.0;
    EXPECT_LT(SeparationArcmin(r.ra, r.dec, c.ra, c.dec), limit)
        << "planet " << static_cast<int>(c.planet) << " JDE " << c.jde;
    EXPECT_NEAR(r.delta, c.delta, 0.0005 * c.delta) << "planet " << static_cast<int>(c.planet);
  }
}

TEST(PhaseOfPlanet, FullAndNewStayFinite) {
  struct Case {
    double delta, R, r, angle, fraction;
  };
  const Case cases[] = {
      {0.5, 1.0, 1.5, 0.0, 1.0},                // opposition
      {0.28, 1.0, 0.72, 180.0, 0.0},            // inferior conjunction
      {0.5 + 1e-12, 1.0, 1.5, 0.0, 1.0},        // rounding past the end of arccos
      {1.72 + 1e-12, 1.0, 0.72, 0.0, 1.0},      // superior conjunction
      {1.0, 1.0, std::sqrt(2.0), 45.0, 0.8535534},
  };
  for (const Case& c : cases) {
    const PlanetPhase p = PhaseOfPlanet(c.delta, c.R, c.r);
    EXPECT_NEAR(p.angle, c.angle, 1e-4) << c.delta;
    EXPECT_NEAR(p.fraction, c.fraction, 1e-6) << c.delta;
  }
}

TEST(PlanetMagnitude, UnitDistancesAtFullPhaseGiveTheConstant) {
  EXPECT_NEAR(*PlanetMagnitude(Planet::Venus, 1.0, 1.0, 0.0), -4.4, 1e-12);
  EXPECT_NEAR(*PlanetMagnitude(Planet::Jupiter, 0.5, 2.0, 0.0), -9.4, 1e-12);
  EXPECT_NEAR(*PlanetMagnitude(Planet::Mars, 1.0, 1.0, 10.0), -1.52 + 0.16, 1e-12);
  EXPECT_FALSE(PlanetMagnitude(Planet::Saturn, 9.5, 8.5, 5.0).has_value());
}

TEST(PlanetPosition, ListingRowsForJupiter) {
  Listing listing;
  const PlanetPositionResult r = PlanetPosition(Planet::Jupiter, T1900(2460500.5), &listing);
  const std::vector<std::string> captions = {
      "Ecliptical longitude:", "Ecliptical latitude:", "Geocentric longitude:",
      "Geocentric latitude:", "Distance to Earth:", "Horizontal parallax:",
      "Equatorial semidiameter:", "Polar semidiameter:", "Illuminated fraction:",
      "Apparent Right Ascension:", "", "Apparent Declination:"};
  EXPECT_EQ(listing.captions, captions);
  ASSERT_EQ(listing.values.size(), captions.size());
  EXPECT_EQ(listing.values[8].size(), 5u);  // "0.99x"
  EXPECT_EQ(listing.values[6].substr(listing.values[6].size() - 2), "''");
  // 98.44''/5.8 and 92.06''/5.8: Jupiter about 17'' by 16'' across the equator and the poles.
  EXPECT_NEAR(r.semidiameter, 16.97, 0.1);
  ASSERT_TRUE(r.polarSemidiameter.has_value());
  EXPECT_NEAR(*r.polarSemidiameter, 15.87, 0.1);
}

TEST(PlanetPosition, FiniteOverSixThousandYears) {
  for (int year = -2000; year <= 4000; year += 50) {
    const double t = (year - 1900) / 100.0;
    for (int p = 0; p < kPlanetCount; ++p) {
      const PlanetPositionResult r = PlanetPosition(static_cast<Planet>(p), t);
      const bool sound = std::isfinite(r.ra) && std::isfinite(r.dec) && std::isfinite(r.delta) &&
                         std::isfinite(r.parallax) && std::isfinite(r.phaseAngle) &&
                         r.ra >= 0.0 && r.ra < 360.0 && std::fabs(r.dec) <= 90.0 &&
                         r.illuminatedFraction >= 0.0 && r.illuminatedFraction <= 1.0 &&
                         (!r.magnitude || std::isfinite(*r.magnitude));
      EXPECT_TRUE(sound) << "year " << year << " planet " << p;
    }
  }
}

TEST(Sun1900, AgreesWithTheSunOfTheDate) {
  // 1992 October 13, 0h TD: geometric longitude 199.907347 of the date, R 0.99760775 (full
  // modern theory).
  const Sun1900Place s = Sun1900(T1900(2448908.5));
  EXPECT_NEAR(std::remainder(s.longitude - 199.907347, 360.0), 0.0, 0.002);
  EXPECT_NEAR(s.R, 0.99760775, 0.00002);
}

}  // namespace
}  // namespace veltrane
