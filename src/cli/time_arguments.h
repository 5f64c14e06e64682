#pragma once
// The engine's time arguments for a UT instant given on the command line.
#include <string>

#include "cli/args.h"

namespace veltrane::cli {

struct TimeArguments {
  double jd0 = 0.0;      // Julian day of 0h UT of the date
  double hours = 0.0;    // UT hours
  double deltaT = 0.0;   // TT minus UT, seconds
  double tDynamic = 0.0; // Julian centuries from 2000 January 1.5 in dynamical time
};

TimeArguments TimeArgumentsOf(const UtcTime& utc);

// The instant of a time option; a day the calendar does not have ("2023-02-29", "1582-10-10")
// is a usage error, not the same count of days carried into the next month.
TimeArguments TimeArgumentsAt(const Args& args, const std::string& key);

}  // namespace veltrane::cli
