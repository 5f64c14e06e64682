#pragma once
// Latitudes and longitudes as the windows take and show them: whole degrees and decimal minutes
// in two fields, the hemisphere a separate choice; north and west positive.
#include <optional>
#include <string>

#include "foundation/formats.h"
#include "foundation/position_record.h"

namespace veltrane {

enum class AngleKind { Latitude, Longitude };

// 90 for a latitude, 180 for a longitude.
int MaxDegrees(AngleKind kind);
// "North" and "South", or "West" and "East".
const char* PlusCaption(AngleKind kind);
const char* MinusCaption(AngleKind kind);

// One angle as it stands in its fields.
struct AngleText {
  std::string deg;
  std::string min;
  bool minus = false;  // South or East chosen
};

// A reading of typed text: the value, or the message of the entry check the text fails.
struct AngleReading {
  std::optional<double> value;  // decimal degrees, South and East negative
  std::string message;
};

// Whole degrees 0..maxDeg and minutes 0..59.9 (blank minutes count as 0), not beyond maxDeg in
// all: the bounds of the checks while typing, with their messages ("0 .. 90", "0 .. 59.9",
// "Not greater than 90 degrees").
AngleReading ReadAngleText(const AngleText& text, int maxDeg);

// The texts a field pair shows: unsigned whole degrees and minutes to a tenth with a "0" before
// 10 ("00.0" for none); minutes that round to 60.0 carry into the degrees. What shows as zero is
// on the equator or the prime meridian, so it is North or West whatever the sign.
AngleText AngleTextOf(double value);
// The same joined, without the hemisphere: "20° 33.3'".
std::string DegMinJoined(double value);
// With the hemisphere's letter after two blanks: "20° 33.3'  N", "0° 00.0'  W".
std::string DegMinWithHemisphere(double value, AngleKind kind);

struct PositionText {
  AngleText lat;
  AngleText lon;
};

struct PositionReading {
  std::optional<PositionRecord> value;  // Direction 0
  std::string message;                  // the latitude's message first
};

PositionReading ReadPositionText(const PositionText& text);

}  // namespace veltrane
