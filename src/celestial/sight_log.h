#pragma once
// The sight log: the sights of a watch as the navigator wrote them down, kept as CSV with the
// columns body,star,utc,hs_deg,index_error_arcmin,eye_height_m,pressure_mb,temperature_c,limb,remark.
#include <optional>
#include <string>
#include <vector>

#include "celestial/body_ephemeris.h"
#include "celestial/sight_corrections.h"

namespace veltrane {

inline constexpr const char* kSightLogHeader =
    "body,star,utc,hs_deg,index_error_arcmin,eye_height_m,pressure_mb,temperature_c,limb,remark";
inline constexpr const char* kSightLogFileName = "SightLog.csv";

struct LoggedSight {
  NavBody body = NavBody::Sun;
  std::string star;  // the star file's name, for NavBody::Star
  SightInstant utc;
  double hs = 0.0;          // sextant altitude, degrees
  double indexError = 0.0;  // minutes, added to the altitude
  double eyeHeight = 0.0;   // metres
  double pressure = 1010.0;
  double temperature = 10.0;
  Limb limb = Limb::Lower;
  std::string remark;
};

// The limits the log takes, the same as the celestial window's fields.
inline constexpr double kMinSextantAltitude = -5.0;

// The last year the engine's theories hold for.
inline constexpr int kLastLogYear = 4000;

// "2026-12-06T05:42:10", years 0000..4000; nothing when it is not such a text or not a day of the calendar.
std::optional<SightInstant> ParseUtcText(const std::string& text);
std::string UtcText(const SightInstant& when);

// "sun", "moon" ... "star", as the log and the command line write them.
std::string LogBodyName(NavBody body);
std::string LogLimbName(Limb limb);

// The fields of one sight checked; a message naming the first fault, empty when it is sound.
std::string CheckLoggedSight(const LoggedSight& sight);

struct LoggedSightReading {
  std::optional<LoggedSight> sight;
  std::string message;  // the first fault, "the pressure must be a number from 950 to 1080"
};
// The ten columns of one row as the log or the window's fields give them; empty numbers take
// the standard values (no index error, eye at the sea, 1010 mb, 10 degrees C, lower limb).
LoggedSightReading ReadSightFields(const std::vector<std::string>& fields);

struct SightLogReading {
  std::vector<LoggedSight> sights;
  std::vector<std::string> problems;  // one per line that was not taken, "Line 4: ..."
};

// The log's text: the header row, then one sight a row. Rows that do not read are left out,
// each with its message; the others are kept.
SightLogReading ReadSightLog(const std::string& text);
std::string SightLogText(const std::vector<LoggedSight>& sights);

// A missing file is an empty log (no problem); a file that cannot be read says so.
SightLogReading LoadSightLog(const std::string& path);
bool SaveSightLog(const std::string& path, const std::vector<LoggedSight>& sights);

}  // namespace veltrane
