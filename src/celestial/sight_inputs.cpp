#include "celestial/sight_inputs.h"

#include <cmath>

#include "foundation/degmin_field.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {

constexpr double kMaxEyeHeight = 8900.0;
constexpr double kMaxIndexError = 10.0;
constexpr double kMaxObstruction = 9999.0;

bool InRange(const std::optional<double>& v, double low, double high) {
  return v && *v >= low && *v <= high;
}

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

SightInputsReading ReadSightInputs(const SightFieldTexts& t) {
  SightInputsReading r;
  const std::optional<double> lat = FieldAngle(t.latDeg, t.latMin, 90);
  const std::optional<double> lon = FieldAngle(t.lonDeg, t.lonMin, 180);
  const std::optional<double> eye = ParseReal(t.eyeHeight);
  const std::optional<double> pressure = ParseReal(t.pressure);
  const std::optional<double> temperature = ParseReal(t.temperature);
  if (!lat || !lon || !InRange(eye, 0.0, kMaxEyeHeight) || !InRange(pressure, 950.0, 1080.0) ||
      !InRange(temperature, -70.0, 60.0)) {
    r.message = kMsgSightInputs;
    return r;
  }
  const DateTexts d = ParseDateText(t.date);
  const std::optional<int> year = ParseInt(d.year), month = ParseInt(d.month), day = ParseInt(d.day);
  if (!d.ok || !year || !month || !day) {
    r.message = kMsgSightDate;
    return r;
  }
  const double ut = TimeTextToHours(t.time);
  if (!ParseTimeText(t.time) || ut > 24.0) {
    r.message = kMsgSightTime;
    return r;
  }
  SightInputs in;
  in.assumed.Lat = t.south ? -*lat : *lat;
  in.assumed.Lon = t.east ? -*lon : *lon;
  in.eyeHeight = *eye;
  in.pressure = *pressure;
  in.temperature = *temperature;
  in.date.Year = *year;
  in.date.Month = *month;
  in.date.Day = *day;
  in.date.DateText = t.date.substr(0, 10);
  in.ut = ut;
  r.inputs = in;
  return r;
}

bool ObstructionAcceptable(const std::string& text) {
  const std::optional<double> v = ParseReal(text);
  return v && *v > 0.0 && *v <= kMaxObstruction;
}

SextantReading ReadSextant(const SextantTexts& t) {
  SextantReading r;
  SextantData s;
  // A lone "-" is an index error being typed.
  const std::string ie = t.indexError == "-" || Blank(t.indexError) ? "0" : t.indexError;
  const std::optional<double> index = ParseReal(ie);
  if (!index || std::fabs(*index) > kMaxIndexError) {
    r.message = "-" + Str(kMaxIndexError, 1) + " .. " + Str(kMaxIndexError, 1);
    return r;
  }
  const std::optional<double> eye = ParseReal(t.eyeHeight);
  const std::optional<double> pressure = ParseReal(t.pressure);
  const std::optional<double> temperature = ParseReal(t.temperature);
  if (!InRange(eye, 0.0, kMaxEyeHeight) || !InRange(pressure, 950.0, 1080.0) ||
      !InRange(temperature, -70.0, 60.0)) {
    r.message = kMsgSightInputs;
    return r;
  }
  if (!Blank(t.obstruction)) {
    if (!ObstructionAcceptable(t.obstruction)) {
      r.message = kMsgObstruction;
      return r;
    }
    s.obstruction = ParseReal(t.obstruction);
  }
  s.indexError = *index;
  s.eyeHeight = *eye;
  s.pressure = *pressure;
  s.temperature = *temperature;
  s.limb = t.limb;
  r.data = s;
  return r;
}

}  // namespace veltrane
