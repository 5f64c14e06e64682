#include "celestial/sight_corrections.h"

#include <gtest/gtest.h>

#include "foundation/angles.h"

namespace veltrane {
namespace {

TEST(SightCorrections, DipOfTheSeaHorizonAndOfAShore) {
  EXPECT_NEAR(DipMinutes(2.0, std::nullopt), 2.48473031, 1e-8);  // 2 m of eye is 6.56 ft
  EXPECT_NEAR(DipMinutes(2.0, 1.0), 4.130, 0.0005);
  EXPECT_NEAR(DipMinutes(2.0, 2.0), 2.68895544, 1e-8);
  EXPECT_EQ(DipMinutes(0.0, std::nullopt), 0.0);
  SextantData s;
  s.indexError = -1.5;
  s.eyeHeight = 2.0;
  EXPECT_NEAR(IndexDipCorrection(s) * 60.0, -1.5 - 2.48473, 1e-4);
}

TEST(SightCorrections, RefractionFactorAndRefraction) {
  EXPECT_EQ(RefractionFactor(10.0, 1010.0), 1.0);
  EXPECT_NEAR(RefractionFactor(10.0, 1011.0), 1.000283, 5e-7);
  EXPECT_NEAR(RefractionFactor(-20.0, 1030.0), 1.13992095, 1e-8);
  EXPECT_NEAR(ObservedRefraction(45.0, 1.0), 0.0166139611, 1e-10);
  const double atZenith = ObservedRefraction(90.0, 1.0);
  EXPECT_LT(atZenith, 0.0);
  EXPECT_GT(atZenith, -0.00003);
  EXPECT_EQ(ObservedRefraction(-2.5, 1.0), 0.0);
}

TEST(SightCorrections, BodyTermsAndTheTotalCorrection) {
  SextantData s;  // no index error, eye at sea level, 10 C, 1010 mb
  const double hs = 40.0;
  const double r = ObservedRefraction(40.0, 1.0);

  s.limb = Limb::Upper;
  CorrectedSight sun = CorrectSunSight(hs, s, 1.0);
  EXPECT_NEAR((sun.observed - hs + r) * 60.0, -959.63 / 60.0, 1e-9);
  EXPECT_NEAR(sun.observed * 60.0 - hs * 60.0, -15.994 - r * 60.0, 0.001);
  EXPECT_NEAR(sun.correction, 60.0 * (-r + 0.0024 * CosD(40.0)) - 959.63 / 60.0, 1e-9);
  s.limb = Limb::Unset;  // the Sun without a limb is lower limb
  sun = CorrectSunSight(hs, s, 0.98);
  EXPECT_NEAR((sun.observed - hs + r) * 60.0, 959.63 / 0.98 / 60.0, 1e-9);
  EXPECT_NEAR(CorrectSunSight(hs, s, 0.0).observed, hs - r, 1e-12);

  CorrectedSight moon = CorrectMoonSight(hs, s, 0.95);  // no limb: upper
  EXPECT_NEAR(moon.observed - hs + r, -0.2588522, 1e-7);
  s.limb = Limb::Lower;
  moon = CorrectMoonSight(hs, s, 0.95);
  EXPECT_NEAR(moon.observed - hs + r, 0.2588522, 1e-7);
  EXPECT_NEAR(moon.correction, 60.0 * (moon.observed - hs), 1e-9);

  const CorrectedSight jupiter = CorrectPlanetSight(hs, s, 0.0004, false);
  EXPECT_NEAR(jupiter.correction, 60.0 * (jupiter.observed - hs), 1e-9);
  const CorrectedSight mars = CorrectPlanetSight(hs, s, 0.004, true);
  EXPECT_NEAR(mars.observed, hs - r, 1e-12);
  EXPECT_NEAR(mars.correction - 60.0 * (mars.observed - hs), 60.0 * 0.004 * CosD(40.0), 1e-9);

  s.indexError = 2.0;
  s.eyeHeight = 2.0;
  const CorrectedSight star = CorrectStarSight(hs, s);
  const double ha = hs + (2.0 - 2.48473) / 60.0;
  EXPECT_NEAR(star.apparent, ha, 1e-5);
  EXPECT_NEAR(star.observed, ha - ObservedRefraction(ha, 1.0), 1e-7);
  EXPECT_NEAR(star.correction, 60.0 * (star.observed - hs), 1e-9);
}

TEST(SightCorrections, MeasuredHeightReading) {
  struct Case {
    const char *deg, *min;
    bool ok;
    double value;
  };
  const Case cases[] = {{"47", "41", true, 47.0 + 41.0 / 60.0}, {"47", "", true, 47.0}, {"5", "30.5", true, 5.5083333},
                        {"", "30", false, 0}, {"4x", "1", false, 0}, {"47", "x", false, 0}, {"47.5", "0", false, 0}};
  for (const Case& c : cases) {
    const std::optional<MeasuredHeight> h = ReadMeasuredHeight(c.deg, c.min);
    ASSERT_EQ(h.has_value(), c.ok) << c.deg << " " << c.min;
    if (h) {
      EXPECT_NEAR(DegMinToDeg(h->deg, h->min), c.value, 1e-6) << c.deg << " " << c.min;
    }
  }
}

TEST(SightCorrections, QuickTableAtEveryBandLimit) {
  struct Case {
    QuickBody body;
    int deg;
    double correction;
    const char* text;
  };
  const Case cases[] = {
      {QuickBody::Sun, 90, 13.0, "13.0'"}, {QuickBody::Sun, 47, 13.0, "13.0'"}, {QuickBody::Sun, 46, 12.5, "12.5'"},
      {QuickBody::Sun, 36, 12.5, "12.5'"}, {QuickBody::Sun, 35, 12.0, "12.0'"}, {QuickBody::Sun, 27, 12.0, "12.0'"},
      {QuickBody::Sun, 26, 11.5, "11.5'"}, {QuickBody::Sun, 22, 11.5, "11.5'"}, {QuickBody::Sun, 21, 11.0, "11.0'"},
      {QuickBody::Sun, 19, 11.0, "11.0'"}, {QuickBody::Sun, 18, 10.5, "10.5'"}, {QuickBody::Sun, 16, 10.5, "10.5'"},
      {QuickBody::Sun, 15, 10.0, "10.0'"}, {QuickBody::Sun, 13, 10.0, "10.0'"}, {QuickBody::Sun, 12, 0.0, "0.0'"},
      {QuickBody::StarOrPlanet, 46, -3.0, "-3'"}, {QuickBody::StarOrPlanet, 45, -4.0, "-4'"},
      {QuickBody::StarOrPlanet, 27, -4.0, "-4'"}, {QuickBody::StarOrPlanet, 26, -5.0, "-5'"},
      {QuickBody::StarOrPlanet, 19, -5.0, "-5'"}, {QuickBody::StarOrPlanet, 18, 0.0, "0'"},
  };
  for (const Case& c : cases) {
    const QuickCorrection q = QuickTableCorrection(c.body, {c.deg, 30.0});
    EXPECT_EQ(q.correction, c.correction) << c.deg;
    EXPECT_EQ(q.text, c.text) << c.deg;
    EXPECT_NEAR(q.corrected, c.deg + (30.0 + c.correction) / 60.0, 1e-12) << c.deg;
  }
  EXPECT_NEAR(QuickTableCorrection(QuickBody::Sun, {46, 59.0}).corrected, 47.0 + 11.5 / 60.0, 1e-12);
}

}  // namespace
}  // namespace veltrane
