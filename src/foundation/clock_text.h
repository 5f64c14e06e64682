#pragma once
// Clock texts "hh:mm" written into time fields.
#include <string>

namespace veltrane {

// "hh:mm" of non-negative decimal hours: minutes rounded (ties to even), 60 minutes carry into
// the hour, both parts at least two digits. With wrapDay the hours are taken modulo 24.
std::string FmtClockHHMM(double hours, bool wrapDay);

}  // namespace veltrane
