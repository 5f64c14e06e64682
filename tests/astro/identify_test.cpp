// Identifying a measured star or planet: each body's own height and bearing name it first.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/body_summary.h"
#include "astro/horizon.h"
#include "astro/identify.h"
#include "astro/sky_instant_of.h"

namespace veltrane {
namespace {

std::vector<StarRecord> Stars() {
  return {
      {"Polaris", "02:31:48.7", "+89:15:51", "+0.1973", "-0.015", "308", "2.02"},
      {"Aldebaran", "04:35:55.2", "+16:30:33", "+0.0044", "-0.190", "94027", "0.85"},
      {"Rigel", "05:14:32.3", "-08:12:06", "+0.0000", "-0.001", "131907", "0.12"},
      {"Capella", "05:16:41.4", "+45:59:53", "+0.0073", "-0.425", "40186", "0.08"},
      {"Bellatrix", "05:25:07.9", "+06:20:59", "-0.0006", "-0.014", "112740", "1.64"},
      {"Elnath", "05:26:17.5", "+28:36:27", "+0.0017", "-0.175", "77168", "1.65"},
      {"Alnilam", "05:36:12.8", "-01:12:07", "+0.0001", "-0.002", "132346", "1.70"},
      {"Betelgeuse", "05:55:10.3", "+07:24:25", "+0.0017", "+0.009", "113271", "0.50"},
      {"Sirius", "06:45:08.9", "-16:42:58", "-0.0385", "-1.205", "151881", "-1.46"},
      {"Procyon", "07:39:18.1", "+05:13:30", "-0.0475", "-1.023", "115756", "0.38"},
      {"Arcturus", "14:15:39.7", "+19:10:57", "-0.0772", "-1.998", "100944", "-0.04"},
      {"Vega", "18:36:56.3", "+38:47:01", "+0.0173", "+0.286", "67174", "0.03"},
      {"Title row", "", "", "", "", "", "Vmagn"},
  };
}

SkyObserver Helsinki() {
  SkyObserver o;
  o.latitude = 60.15;
  o.lonWest = -24.95;
  o.pressure = 1020.0;
  o.temperature = -5.0;
  return o;
}

// The sextant height and bearing of a body as the observer would measure them.
IdentifyInput Measured(const SkyBody& body, const SkyInstant& instant, double dip) {
  const BodySummary s = SummarizeBody(body, Helsinki(), instant, 0.0);
  IdentifyInput in;
  in.observer = Helsinki();
  in.instant = instant;
  in.dip = dip;
  in.measuredHeight = s.refractedAltitude + dip;
  in.azimuth = s.azimuth;
  return in;
}

TEST(IdentifyTest, EveryStarsOwnHeightAndBearingNameItFirst) {
  const SkyInstant night = InstantOf(2026, 1, 15, 22.0);
  const std::vector<StarRecord> stars = Stars();
  for (const StarRecord& star : stars) {
    if (star.ra.empty()) continue;
    SCOPED_TRACE(star.name);
    SkyBody body;
    body.kind = BodyKind::Star;
    body.star = StarCatalogueDataOf(star);
    const BodySummary truth = SummarizeBody(body, Helsinki(), night, 0.0);
    if (truth.altitude < 3.0) continue;  // below the sea horizon: nobody measures it
    const IdentifyResult r = IdentifyBody(Measured(body, night, 0.1), stars, 2);
    ASSERT_EQ(r.matches.size(), 2u);
    EXPECT_EQ(r.matches[0].name, star.name);
    EXPECT_FALSE(r.matches[0].planet);
    EXPECT_NEAR(r.matches[0].distance, 0.0, 0.01);
    EXPECT_GT(r.matches[1].distance, r.matches[0].distance);
    // The observed point is the star's own place.
    EXPECT_NEAR(r.dec, truth.dec, 0.01);
    EXPECT_NEAR(std::remainder(r.lha - truth.lha, 360.0), 0.0, 0.02);
    EXPECT_NEAR(r.observedHeight, truth.altitude, 0.005);
    EXPECT_NEAR(r.apparentHeight, truth.refractedAltitude, 1e-9);
  }
}

TEST(IdentifyTest, PlanetsAreCandidatesAndMarkedAsPlanets) {
  // Jupiter and Venus high in the south on 2026 June 1 at noon UT (by day, but measurable).
  const SkyInstant noon = InstantOf(2026, 6, 1, 12.0);
  for (Planet p : {Planet::Jupiter, Planet::Venus}) {
    SkyBody body;
    body.kind = BodyKind::Planet;
    body.planet = p;
    const IdentifyResult r = IdentifyBody(Measured(body, noon, 0.0), Stars(), 3);
    ASSERT_EQ(r.matches.size(), 3u);
    EXPECT_EQ(r.matches[0].name, p == Planet::Jupiter ? "Jupiter" : "Venus");
    EXPECT_TRUE(r.matches[0].planet);
    ASSERT_TRUE(r.matches[0].magnitude);
    EXPECT_LT(*r.matches[0].magnitude, -1.0);
  }
}

TEST(IdentifyTest, MagnitudeLimitAndObservedPointSide) {
  const SkyInstant night = InstantOf(2026, 1, 15, 22.0);
  SkyBody alnilam;
  alnilam.kind = BodyKind::Star;
  alnilam.star = StarCatalogueDataOf(Stars()[6]);
  IdentifyInput in = Measured(alnilam, night, 0.0);
  EXPECT_EQ(IdentifyBody(in, Stars(), 1).matches[0].name, "Alnilam");
  // Magnitude 1.70 is fainter than a limit of 1.69: its neighbour in the belt region wins.
  in.maxMagnitude = 1.69;
  const IdentifyResult limited = IdentifyBody(in, Stars(), 50);
  EXPECT_NE(limited.matches[0].name, "Alnilam");
  for (const IdentifyCandidate& c : limited.matches) {
    EXPECT_NE(c.name, "Title row");
    if (c.magnitude) {
      EXPECT_LE(*c.magnitude, 1.69) << c.name;
    }
  }
  in.maxMagnitude = 1.70;
  EXPECT_EQ(IdentifyBody(in, Stars(), 1).matches[0].name, "Alnilam");

  // Bearing west of the meridian: the hour angle lies in 0..180; east: 180..360.
  in.azimuth = 200.0;
  EXPECT_LT(IdentifyBody(in, {}, 0).lha, 180.0);
  in.azimuth = 160.0;
  EXPECT_GT(IdentifyBody(in, {}, 0).lha, 180.0);
  // On the meridian to the south at 60 N, a body at 30 degrees has declination 30 - 29.85.
  in.azimuth = 180.0;
  in.measuredHeight = 30.0;
  in.observer.pressure = 0.0;  // no refraction
  const IdentifyResult south = IdentifyBody(in, {}, 0);
  EXPECT_NEAR(south.dec, 0.15, 1e-9);
  EXPECT_NEAR(south.lha, 0.0, 1e-9);
  EXPECT_TRUE(south.matches.empty());
}

TEST(IdentifyTest, RefractionInverse) {
  for (double h : {-0.5, 0.0, 5.0, 30.0, 89.0}) {
    const double apparent = h + Refraction(h, 1010.0, 10.0) / 60.0;
    EXPECT_NEAR(UnrefractedAltitude(apparent, 1010.0, 10.0), h, 1e-6) << h;
  }
}

}  // namespace
}  // namespace veltrane
