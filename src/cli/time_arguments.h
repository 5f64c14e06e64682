#pragma once
// The engine's time arguments for a UT instant given on the command line.
#include "cli/options.h"

namespace veltrane::cli {

struct TimeArguments {
  double jd0 = 0.0;      // Julian day of 0h UT of the date
  double hours = 0.0;    // UT hours
  double deltaT = 0.0;   // TT minus UT, seconds
  double tDynamic = 0.0; // Julian centuries from 2000 January 1.5 in dynamical time
};

TimeArguments TimeArgumentsOf(const UtcTime& utc);

}  // namespace veltrane::cli
