#pragma once
// The common inputs of a sight read from the window's texts: assumed position, height of eye,
// pressure, temperature, date and time; and the sextant's own fields.
#include <optional>
#include <string>

#include "celestial/sight_corrections.h"
#include "foundation/calendar.h"
#include "foundation/position_record.h"

namespace veltrane {

inline constexpr const char* kMsgSightInputs = "Give the pressure and temperature in integers";
inline constexpr const char* kMsgSightDate = "Give the date in proper format";
inline constexpr const char* kMsgSightTime = "Give the time as hh:mm:ss";
inline constexpr const char* kMsgMeasuredHeight = "Give the measured height in degrees and minutes.";

struct SightFieldTexts {
  std::string latDeg, latMin;
  bool south = false;
  std::string lonDeg, lonMin;
  bool east = false;
  std::string eyeHeight, pressure, temperature;
  std::string date;  // short date text, yyyy-MM-dd
  std::string time;  // hh:mm:ss
};

struct SightInputs {
  PositionRecord assumed;  // west positive
  double eyeHeight = 0.0;
  double pressure = 1010.0;
  double temperature = 10.0;
  TDateRec date;
  double ut = 0.0;  // hours
};

struct SightInputsReading {
  std::optional<SightInputs> inputs;
  std::string message;  // why there are none
};

SightInputsReading ReadSightInputs(const SightFieldTexts& texts);

struct SextantTexts {
  std::string indexError, eyeHeight, obstruction, pressure, temperature;
  Limb limb = Limb::Lower;
};
struct SextantReading {
  std::optional<SextantData> data;
  std::string message;
};
// The same bounds as the fields' checks while typing, with their messages; a shore at 0 miles
// (or less) is refused, the dip short of the horizon divides by it.
SextantReading ReadSextant(const SextantTexts& texts);

// The entry check of the distance to an obstruction: the range check, and above 0.
bool ObstructionAcceptable(const std::string& text);
inline constexpr const char* kMsgObstruction = "0.0 .. 9999.0";

}  // namespace veltrane
