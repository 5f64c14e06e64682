#include <memory>

#include "cli/commands.h"
#include "foundation/calendar.h"

#ifndef VELTRANE_VERSION
#define VELTRANE_VERSION "0"
#endif

namespace veltrane::cli {
namespace {

Result Version() { return {Json::Object().Set("version", VELTRANE_VERSION)}; }

Result Time(const UtcTime& u) {
  TDateRec date;
  date.Year = u.year;
  date.Month = u.month;
  date.Day = u.day;
  const JulianDayResult jd = JulianDay(date, u.hours);
  const JulianCenturiesResult jc = JulianCenturies(date, u.hours);
  return {Json::Object()
              .Set("jd0", jd.jd0)
              .Set("jd", jd.jd0 + u.hours / 24.0)
              .Set("t", jc.t)
              .Set("t1900", jd.t1900)
              .Set("delta_t_s", DeltaT(jc.t))};
}

}  // namespace

void RegisterFoundationCommands(CommandSet& commands) {
  commands.Add("version", "The program's version", Version);
  auto utc = std::make_shared<UtcTime>();
  CLI::App* time = commands.Add("time", "Julian day, Julian centuries and Delta T of an instant",
                                [utc] { return Time(*utc); });
  AddUtc(time, "--utc", *utc, "the instant")->required();
}

}  // namespace veltrane::cli
