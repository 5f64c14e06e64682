#pragma once
// Command-line arguments "--key value" and "--flag"; a fault is a UsageError (exit 2).
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace veltrane::cli {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct LatLon {
  double lat = 0.0;  // north positive
  double lon = 0.0;  // east positive, as given on the command line
};

struct UtcTime {
  int year = 2000, month = 1, day = 1;
  double hours = 0.0;  // UT hours of the day
};

class Args {
 public:
  // words: what follows the command name. flags: options that take no value.
  Args(const std::vector<std::string>& words, const std::set<std::string>& flags = {});

  bool Has(const std::string& key) const;
  std::string Text(const std::string& key) const;  // required
  std::optional<std::string> OptionalText(const std::string& key) const;
  double Number(const std::string& key) const;  // required, finite
  std::optional<double> OptionalNumber(const std::string& key) const;
  int Integer(const std::string& key) const;
  LatLon Position(const std::string& key) const;          // "LAT,LON"
  std::vector<double> Numbers(const std::string& key) const;  // "a,b,c"
  UtcTime Utc(const std::string& key) const;               // "YYYY-MM-DDThh:mm:ss"
  // Fails on any option not in the list.
  void Only(const std::set<std::string>& known) const;

 private:
  std::map<std::string, std::string> values_;
};

double ParseNumberArg(const std::string& key, const std::string& text);

}  // namespace veltrane::cli
