#pragma once
// Height of the tide between a high and a low water on a cosine curve, and the time a height is
// reached. Times are decimal clock hours; a tide after midnight counts as hour + 24.
#include <optional>
#include <string>

namespace veltrane {

// Decimal hours of a clock time "hh:mm" (00:00 to 23:59, two minute digits); nothing when the
// text is empty, incomplete or not a clock time.
std::optional<double> TideClockHours(const std::string& text);

struct TideTimes {
  double high = 0.0;
  double low = 0.0;
};

// The later tide moves to the next day when its hour is smaller than the earlier tide's hour.
TideTimes TideTimesInOrder(double highHours, double lowHours, bool highFirst);

struct TideAnswer {
  double value = 0.0;  // height, or hours (24 or more after midnight)
  std::string fault;   // empty when there is an answer
};

// Height at clock time t; a time after midnight is taken on the next day when the tides span it.
TideAnswer TideHeightAt(double highHeight, double lowHeight, const TideTimes& times, double t);
// Time at which the tide reaches height h between the two tides.
TideAnswer TideTimeOf(double highHeight, double lowHeight, const TideTimes& times, double h);

}  // namespace veltrane
