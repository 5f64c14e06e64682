// A star's apparent place and the star file.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "astro/star_place.h"
#include "astro/star_record.h"

namespace veltrane {
namespace {

double Hms(double h, double m, double s) { return h + m / 60.0 + s / 3600.0; }
double Dms(double d, double m, double s) { return d + m / 60.0 + s / 3600.0; }

TEST(StarPlaceTest, Example23aThetaPersei2028Nov13) {
  const double t = (2462088.69 - 2451545.0) / 36525.0;
  const EquatorialPlace p =
      StarApparentPlace(Hms(2, 44, 11.986), Dms(49, 13, 42.48), 0.03425, -0.0895, t);
  // Published 2h46m14.390s +49°21'07.45"; the short nutation series allows about 1''.
  EXPECT_NEAR(p.ra, 15.0 * Hms(2, 46, 14.390), 1.5 / 3600.0);
  EXPECT_NEAR(p.dec, Dms(49, 21, 7.45), 1.0 / 3600.0);
}

TEST(StarPlaceTest, RightAscensionStaysInTheCircle) {
  struct Case {
    double raHours, dec, t;
  };
  const Case cases[] = {
      {Hms(23, 50, 0), 5.0, 0.0},   {Hms(23, 59, 59.99), 0.0, 0.0}, {0.0, 0.0, 0.1},
      {Hms(0, 0, 0.01), -30.0, -0.3}, {Hms(23, 59, 59), 60.0, 0.26},
  };
  for (const Case& c : cases) {
    const EquatorialPlace p = StarApparentPlace(c.raHours, c.dec, 0.0, 0.0, c.t);
    EXPECT_GE(p.ra, 0.0) << c.raHours;
    EXPECT_LT(p.ra, 360.0) << c.raHours;
  }
  EXPECT_GT(StarApparentPlace(Hms(23, 50, 0), 5.0, 0.0, 0.0, 0.0).ra, 357.0);
}

TEST(StarPlaceTest, ListingRows) {
  Listing listing;
  StarApparentPlace(Hms(2, 44, 11.986), Dms(49, 13, 42.48), 0.03425, -0.0895, 0.2886705, &listing);
  const std::vector<std::string> captions = {
      "Mean Right Ascension:", "Mean Declination:", "Nutation in longitude:",
      "Nutation in obliquity:", "True longitude of sun:", "Eccentricity of Earths orbit:",
      "Nutation to RAs:", "Nutation to Dec:", "Aberration to RAs:", "Aberration to Dec:",
      "Apparent Right Ascension:", "", "Apparent Declination:"};
  EXPECT_EQ(listing.captions, captions);
  EXPECT_EQ(listing.values[0], "2 h 44 m 13 s");
  EXPECT_EQ(listing.values[5], "0.01670");
}

TEST(StarRecordTest, CatalogueValuesKeepTheSignOfZeroDegrees) {
  struct Case {
    const char *ra, *dec, *prpA, *prpD;
    double raHours, decDeg, pmRa, pmDec;
  };
  const Case cases[] = {
      {"00:08:23.3", "+29:05:26", "+0.0104", "-0.163", Hms(0, 8, 23.3), Dms(29, 5, 26), 0.0104, -0.163},
      {"05:32:00.4", "-00:17:57", "0.0001", "-0.001", Hms(5, 32, 0.4), -Dms(0, 17, 57), 0.0001, -0.001},
      {"05:32:00.4", "00:17:57", "", "", Hms(5, 32, 0.4), Dms(0, 17, 57), 0.0, 0.0},
      {"06:45:08.9", "-16:42:58", "-0.0379", "-1.223", Hms(6, 45, 8.9), -Dms(16, 42, 58), -0.0379, -1.223},
      {"x", "-x:y:z", "bad", "1e3x", 0.0, 0.0, 0.0, 0.0},
      {"", "", "", "", 0.0, 0.0, 0.0, 0.0},
  };
  for (const Case& c : cases) {
    StarRecord star{"Star", c.ra, c.dec, c.prpA, c.prpD, "1", "1.0"};
    const StarCatalogueData d = StarCatalogueDataOf(star);
    EXPECT_NEAR(d.raHours, c.raHours, 1e-12) << c.ra;
    EXPECT_NEAR(d.decDeg, c.decDeg, 1e-12) << c.dec;
    EXPECT_DOUBLE_EQ(d.pmRa, c.pmRa) << c.prpA;
    EXPECT_DOUBLE_EQ(d.pmDec, c.pmDec) << c.prpD;
  }
}

TEST(StarRecordTest, FileRoundTripAndPartialRecord) {
  const std::vector<StarRecord> stars = {
      {"Alpheratz", "00:08:23.3", "+29:05:26", "+0.0104", "-0.163", "73765", "2.06"},
      {"Acamar", "02:58:15.7", "-40:18:17", "-0.0040", "+0.022", "216113", "3.24"},
      {"ABCDEFGHIJKLMNOPQ", "1", "2", "3", "4", "1234567", "12.345"},
  };
  std::string bytes;
  for (const StarRecord& s : stars) bytes += EncodeStarRecord(s);
  ASSERT_EQ(bytes.size(), 3 * kStarRecordSize);
  const std::vector<StarRecord> back = DecodeStarFile(bytes + std::string(40, 'x'));
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[1].name, "Acamar");
  EXPECT_EQ(back[1].dec, "-40:18:17");
  EXPECT_EQ(back[2].name, "ABCDEFGHIJKLMNO");  // cut to the field's 15 characters
  EXPECT_EQ(back[2].sao, "123456");
  EXPECT_EQ(back[2].vmagn, "12.34");
  EXPECT_EQ(FindStar(back, "  acamar "), &back[1]);
  EXPECT_EQ(FindStar(back, "Vega"), nullptr);
}

TEST(StarRecordTest, LoaderSurvivesAnyBytes) {
  std::mt19937 random(1234);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 700, '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 256);
    if (round % 3 == 0)  // every length byte at its largest
      for (size_t r = 0; r + kStarRecordSize <= bytes.size(); r += kStarRecordSize) {
        size_t offset = r;
        for (size_t size : kStarFieldSizes) {
          bytes[offset] = static_cast<char>(255);
          offset += size;
        }
      }
    const std::vector<StarRecord> stars = DecodeStarFile(bytes);
    ASSERT_EQ(stars.size(), bytes.size() / kStarRecordSize);
    for (const StarRecord& s : stars) {
      const StarCatalogueData d = StarCatalogueDataOf(s);
      ASSERT_TRUE(std::isfinite(d.raHours) && std::isfinite(d.decDeg));
      ASSERT_TRUE(std::isfinite(d.pmRa) && std::isfinite(d.pmDec));
    }
  }
  EXPECT_FALSE(LoadStarFile("/nonexistent/Mstars.dat").has_value());
  EXPECT_TRUE(DecodeStarFile("").empty());
}

}  // namespace
}  // namespace veltrane
