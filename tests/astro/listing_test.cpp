#include "astro/listing.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

TEST(Listing, SiderealTimeAndContinuationRows) {
  Listing listing;
  ListSiderealTime(&listing, 13.5125);
  ListApparentPlace(&listing, 202.5, -5.5125);
  EXPECT_EQ(listing.captions, (std::vector<std::string>{"Apparent Sidereal Time:", "Apparent Right Ascension:", "",
                                                        "Apparent Declination:"}));
  EXPECT_EQ(listing.values[0], "13 h 30 m 45 s");
  EXPECT_EQ(listing.values[2], "13 h 30 m 00 s");
  EXPECT_EQ(listing.values[3], "-5° 30' 45.00''");
  ListSiderealTime(nullptr, 1.0);  // no listing asked for: nothing to write
  listing.Clear();
  EXPECT_TRUE(listing.captions.empty());
  EXPECT_TRUE(listing.values.empty());
}

}  // namespace
}  // namespace veltrane
