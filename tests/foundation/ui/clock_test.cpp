#include "foundation/ui/clock.h"

#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace veltrane {
namespace {

TEST(Clock, ZoneDifferenceOfTheComputerClock) {
  test::FakePlatform platform;
  const std::pair<int, const char*> cases[] = {{2 * 3600, "-2"}, {-2 * 3600, "+2"}, {0, "0"}, {10 * 3600, "-10"}};
  for (const auto& [offset, text] : cases) {
    platform.localOffsetSeconds = offset;
    for (int hour : {0, 1, 12, 23}) {
      platform.utc = QDateTime(QDate(2026, 12, 31), QTime(hour, 30), Qt::UTC);
      EXPECT_EQ(ZoneDifferenceText(platform), text) << offset << " at " << hour;
    }
  }
}

TEST(Clock, DateRecordAndWeekday) {
  const TDateRec r = DateRecFromDate(QDate(2026, 12, 6));
  EXPECT_EQ(r.Year, 2026);
  EXPECT_EQ(r.Month, 12);
  EXPECT_EQ(r.Day, 6);
  EXPECT_EQ(r.DateText, "2026-12-06");
  EXPECT_EQ(WeekdayName(QDate(2026, 12, 6)), "Sunday");
  EXPECT_EQ(WeekdayName(QDate(2026, 12, 5)), "Saturday");
}

}  // namespace
}  // namespace veltrane
