#include "convert/conversions.h"

#include <cmath>

#include "foundation/numbers.h"

namespace veltrane {
namespace {

// Beyond this a value has no sensible conversion to show.
constexpr double kLargestValue = 1e15;

// Round(S * v) / S written with d decimals.
std::string R(double v, double s, int d) { return Str(RoundHalfEven(s * v) / s, d); }
std::string Whole(double v) { return Str(RoundHalfEven(v), 0); }

struct BeaufortRange {
  int low;
  int high;  // 0: no upper bound
};
constexpr BeaufortRange kBeaufort[] = {{0, 0},   {1, 3},   {4, 6},   {7, 10},  {11, 15}, {16, 21}, {22, 27},
                                       {28, 33}, {34, 40}, {41, 47}, {48, 55}, {56, 63}, {64, 0}};

std::string Range(const BeaufortRange& r, double factor, bool wholeKnots) {
  auto bound = [&](int knots) { return wholeKnots ? std::to_string(knots) : R(knots * factor, 10, 1); };
  if (r.high == 0) return bound(r.low) + " +";
  return bound(r.low) + " - " + bound(r.high);
}

Conversion Speed(const std::string& unit, double x) {
  Conversion c;
  if (unit == "knots") {
    c.results = {{R(x * 0.51444, 10, 1), "m/s"},
                 {R(x * 1.852, 10, 1), "km/h"},
                 {x < 1.0 ? "0" : BeaufortNumber(x), "beaufort"}};
  } else if (unit == "m/s") {
    c.results = {{R(x * 1.94384, 10, 1), "knots"},
                 {R(x * 3.6, 10, 1), "km/h"},
                 {x < 0.5 ? "0" : BeaufortNumber(1.94384 * x), "beaufort"}};
  } else if (unit == "km/h") {
    c.results = {{R(x * 0.53996, 10, 1), "knots"},
                 {Str(RoundHalfEven(10.0 * x / 3.6) / 10.0, 1), "m/s"},
                 {x < 1.9 ? "0" : BeaufortNumber(0.53996 * x), "beaufort"}};
  } else {
    if (x - std::trunc(x) > 0.0) c.input = IntStr(x);
    const double force = std::trunc(x);
    if (force < 0.0 || force > 12.0) {
      c.error = kScaleMessage;
      return c;
    }
    const BeaufortRange& r = kBeaufort[static_cast<int>(force)];
    if (force == 0.0)
      c.results = {{"0", "knots"}, {"0", "m/s"}, {"0", "km/h"}};
    else
      c.results = {{Range(r, 1.0, true), "knots"}, {Range(r, 0.51444, false), "m/s"}, {Range(r, 1.852, false), "km/h"}};
  }
  return c;
}

Conversion Pressure(const std::string& unit, double x) {
  if (unit == "mmHg") return {{{R(x / 0.75, 10, 1), "mb"}, {R(x / 0.75 * 0.02953, 1000, 3), "IM"}}, {}, {}};
  if (unit == "mb")
    return {{{Str(RoundHalfEven(75.0 * x) / 100.0, 2), "mmHg"}, {Str(RoundHalfEven(29.53 * x) / 1000.0, 3), "IM"}},
            {},
            {}};
  return {{{Str(RoundHalfEven(75.0 * x / 0.02953) / 100.0, 2), "mmHg"}, {R(x / 0.02953, 10, 1), "mb"}}, {}, {}};
}

Conversion Mass(const std::string& unit, double x) {
  if (unit == "ounces") return {{{R(x * 0.0625, 1000, 3), "pounds"}, {R(x * 28.34925, 10, 1), "grams"}}, {}, {}};
  if (unit == "pounds") return {{{R(x / 0.0625, 10, 1), "ounces"}, {R(x * 0.45359, 1000, 3), "kilograms"}}, {}, {}};
  return {{{R(x / 0.02834852, 10, 1), "ounces"}, {R(x / 0.45359, 100, 2), "pounds"}}, {}, {}};
}

Conversion Volume(const std::string& unit, double x) {
  if (unit == "USgallons")
    return {{{R(x * 0.83267, 100, 2), "BIgallons"}, {R(x * 3.78531, 100, 2), "liters"}}, {}, {}};
  if (unit == "BIgallons")
    return {{{R(x * 1.20095, 100, 2), "USgallons"}, {R(x * 1.20095 * 3.78531, 100, 2), "liters"}}, {}, {}};
  return {{{R(x * 0.26418, 1000, 3), "USgallons"}, {R(x * 0.26418 * 0.83267, 1000, 3), "BIgallons"}}, {}, {}};
}

// Centimetres below one metre, metres from there on.
ConvertedValue Metric(double cm) {
  if (cm < 100.0) return {R(cm, 100, 2), "cm"};
  return {Str(RoundHalfEven(cm) / 100.0, 2), "m"};
}

Conversion Length(const std::string& unit, double x) {
  if (unit == "inches") return {{{R(x / 12.0, 100, 2), "feet"}, Metric(2.54 * x), {R(x / 72913.38588, 1000, 3), "NM"}}, {}, {}};
  if (unit == "feet") return {{{R(x * 12.0, 100, 2), "inches"}, Metric(30.48 * x), {R(x / 6076.11549, 1000, 3), "NM"}}, {}, {}};
  if (unit == "meters")
    return {{{R(x * 39.37008, 100, 2), "inches"}, {R(x * 3.28084, 100, 2), "feet"}, {R(x / 1852.0, 1000, 3), "NM"}},
            {},
            {}};
  return {{{R(x * 12.0 * 6076.11549, 10, 1), "inches"}, {R(x * 6076.11549, 10, 1), "feet"}, {R(x * 1852.0, 100, 2), "meters"}},
          {},
          {}};
}

Conversion Area(const std::string& unit, double x) {
  if (unit == "sq inch") {
    const ConvertedValue metric = 2.54 * x < 100.0 ? ConvertedValue{R(x * 2.54 * 2.54, 100, 2), "sq cm"}
                                                   : ConvertedValue{R(x * 0.0254 * 0.0254, 100, 2), "sq m"};
    return {{{Str(RoundHalfEven(100.0 * x / 144.0) / 100.0, 3), "sq feet"}, metric}, {}, {}};
  }
  if (unit == "sq feet") {
    const ConvertedValue metric = 30.48 * x < 100.0
                                      ? ConvertedValue{Str(RoundHalfEven(100.0 * x * 30.48 * 30.48) / 100.0, 1), "sq cm"}
                                      : ConvertedValue{R(x * 0.3048 * 0.3048, 100, 2), "sq m"};
    return {{{Str(RoundHalfEven(14400.0 * x) / 100.0, 2), "sq inches"}, metric}, {}, {}};
  }
  return {{{R(x * 39.37008 * 39.37008, 100, 2), "sq inches"}, {R(x * 3.28084 * 3.28084, 100, 2), "sq feet"}}, {}, {}};
}

Conversion Angle(const std::string& unit, double x) {
  if (unit == "degrees") {
    const double minutes = 60.0 * x;
    const std::string m = minutes == std::trunc(minutes) ? Str(minutes, 0) : Str(RoundHalfEven(6000.0 * x) / 100.0, 2);
    return {{{m, "minutes"}, {Whole(3600.0 * x), "seconds"}, {R(x / 57.2958, 100000, 5), "radians"}}, {}, {}};
  }
  if (unit == "minutes")
    return {{{R(x / 60.0, 1000, 3), "degrees"}, {Whole(60.0 * x), "seconds"}, {R(x / 57.2958 / 60.0, 100000, 5), "radians"}},
            {},
            {}};
  if (unit == "seconds")
    return {{{R(x / 3600.0, 100000, 5), "degrees"},
             {R(x / 60.0, 1000, 3), "minutes"},
             {R(x / 57.2958 / 3600.0, 1000000, 6), "radians"}},
            {},
            {}};
  return {{{R(57.2958 * x, 10000, 4), "degrees"},
           {R(x * 57.2958 * 60.0, 1000, 3), "minutes"},
           {R(x * 57.2958 * 3600.0, 100, 2), "seconds"}},
          {},
          {}};
}

Conversion Temperature(const std::string& unit, double x) {
  if (unit == "Celsius") return {{{Whole(1.8 * x + 32.0), "Fahrenheit"}}, {}, {}};
  return {{{Whole((x - 32.0) * 0.556), "Celsius"}}, {}, {}};
}

}  // namespace

const std::vector<std::string>& UnitsOf(Quantity q) {
  static const std::vector<std::vector<std::string>> kUnits = {
      {"Celsius", "Fahrenheit"},
      {"knots", "m/s", "km/h", "beaufort"},
      {"mmHg", "mb", "IM"},
      {"ounces", "pounds", "kilograms"},
      {"USgallons", "BIgallons", "liters"},
      {"inches", "feet", "meters", "NM"},
      {"sq inch", "sq feet", "sq meter"},
      {"degrees", "minutes", "seconds", "radians"}};
  return kUnits[static_cast<size_t>(q)];
}

const std::string& DefaultUnitOf(Quantity q) {
  static const std::vector<std::string> kDefaults = {"Celsius", "m/s",       "mb",      "pounds",
                                                     "USgallons", "feet", "sq inch", "degrees"};
  return kDefaults[static_cast<size_t>(q)];
}

const std::vector<std::string>& QuantityNames() {
  static const std::vector<std::string> kNames = {"temperature", "speed",  "pressure", "mass",
                                                  "volume",      "length", "area",     "angle"};
  return kNames;
}

std::optional<Quantity> QuantityFromName(const std::string& name) {
  const auto& names = QuantityNames();
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return static_cast<Quantity>(i);
  return std::nullopt;
}

std::string BeaufortNumber(double knots) {
  const double n = RoundHalfEven(knots);
  for (int force = 0; force < 12; ++force)
    if (n <= kBeaufort[force].high) return std::to_string(force);
  return "12";
}

Conversion Convert(Quantity q, const std::string& unit, const std::string& text) {
  const auto x = ParseReal(text);
  if (!x || std::fabs(*x) > kLargestValue) return {};
  switch (q) {
    case Quantity::Temperature: return Temperature(unit, *x);
    case Quantity::Speed: return Speed(unit, *x);
    case Quantity::Pressure: return Pressure(unit, *x);
    case Quantity::Mass: return Mass(unit, *x);
    case Quantity::Volume: return Volume(unit, *x);
    case Quantity::Length: return Length(unit, *x);
    case Quantity::Area: return Area(unit, *x);
    case Quantity::Angle: return Angle(unit, *x);
  }
  return {};
}

}  // namespace veltrane
