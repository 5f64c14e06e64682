#include "foundation/ui/clock.h"

namespace veltrane {
namespace {

CivilDateTime Civil(const QDateTime& t) {
  const QDate d = t.date();
  const QTime c = t.time();
  return {d.year(), d.month(), d.day(), c.hour(), c.minute(), c.second()};
}

}  // namespace

TDateRec DateRecFromDate(const QDate& date) {
  TDateRec r;
  r.Day = date.day();
  r.Month = date.month();
  r.Year = date.year();
  r.DateText = date.toString("yyyy-MM-dd").toStdString();
  return r;
}

std::string WeekdayName(const QDate& date) {
  // Qt counts Monday as 1 and Sunday as 7; the calendar counts Sunday as 1.
  return WeekdayName(date.dayOfWeek() % 7 + 1);
}

std::string ZoneDifferenceText(Platform& platform) {
  return ZoneDifferenceText(Civil(platform.NowUtc()), Civil(platform.NowLocal()));
}

}  // namespace veltrane
