#pragma once
// Options of the tool's commands: numbers within their limits, whole numbers, words from a
// list, positions and UT times. Each is checked as it is read; a fault is a usage error
// (exit 2) naming the option.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace veltrane::cli {

// A combination of options that does not go together, found after reading them (exit 2).
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The years the engine's theories hold for.
constexpr int kFirstYear = -2000;
constexpr int kLastYear = 4000;

struct LatLon {
  double lat = 0.0;  // north positive
  double lon = 0.0;  // east positive, as given on the command line
};

struct UtcTime {
  int year = 2000, month = 1, day = 1;
  double hours = 0.0;  // UT hours of the day
};

// A finite number within low..high; help names the quantity and its unit.
CLI::Option* AddNumber(CLI::App* command, const std::string& name, double& into,
                       const std::string& help, double low, double high);
CLI::Option* AddNumber(CLI::App* command, const std::string& name, std::optional<double>& into,
                       const std::string& help, double low, double high);
CLI::Option* AddInteger(CLI::App* command, const std::string& name, int& into,
                        const std::string& help, int low, int high);
CLI::Option* AddText(CLI::App* command, const std::string& name, std::string& into,
                     const std::string& help);
CLI::Option* AddText(CLI::App* command, const std::string& name, std::optional<std::string>& into,
                     const std::string& help);
// One of the words; compared exactly.
CLI::Option* AddChoice(CLI::App* command, const std::string& name, std::string& into,
                       const std::string& help, const std::vector<std::string>& words);
// "LAT,LON" in decimal degrees, latitude -90..90, longitude -180..180 east positive.
CLI::Option* AddPosition(CLI::App* command, const std::string& name, LatLon& into,
                         const std::string& help);
// "LAT,LON,BEARING": a position line, bearing 0..360 degrees true.
CLI::Option* AddBearingLine(CLI::App* command, const std::string& name, LatLon& at,
                            double& bearing, const std::string& help);
// "YYYY-MM-DDThh:mm:ss" (or the date alone, 0h) in UT, a day of the calendar in the years
// kFirstYear..kLastYear; a leading minus is a year before year 1 in astronomical numbering.
CLI::Option* AddUtc(CLI::App* command, const std::string& name, UtcTime& into,
                    const std::string& help);

// Readers behind the options, for values that come in another form.
double NumberIn(const std::string& name, const std::string& text, double low, double high);
UtcTime UtcIn(const std::string& name, const std::string& text);

// A message as one line of bounded length: control characters escaped, long text cut.
std::string OneLine(const std::string& message);

}  // namespace veltrane::cli
