#include "cli/commands.h"
#include "foundation/calendar.h"

#ifndef VELTRANE_VERSION
#define VELTRANE_VERSION "0"
#endif

namespace veltrane::cli {
namespace {

Result Version(const std::vector<std::string>& words) {
  Args(words).Only({});
  return {Json::Object().Set("version", VELTRANE_VERSION)};
}

Result Time(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--utc"});
  const UtcTime u = args.Utc("--utc");
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

void RegisterFoundationCommands(CommandTable& table) {
  table["--version"] = Version;
  table["version"] = Version;
  table["time"] = Time;
}

}  // namespace veltrane::cli
