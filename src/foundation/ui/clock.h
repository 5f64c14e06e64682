#pragma once
// Dates and the zone difference from the platform's clock.
#include <QDate>
#include <string>

#include "foundation/calendar.h"
#include "foundation/ui/app_context.h"

namespace veltrane {

// A platform date as the calendar's date record (DateText in the short form yyyy-MM-dd).
TDateRec DateRecFromDate(const QDate& date);
std::string WeekdayName(const QDate& date);
// UT minus local time of the computer clock in whole hours: "-2" two hours east of Greenwich.
std::string ZoneDifferenceText(Platform& platform);

}  // namespace veltrane
