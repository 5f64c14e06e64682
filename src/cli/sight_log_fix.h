#pragma once
// The fix of a whole sight log (fix --sights): the options it adds to the fix command and its answer.
#include <optional>
#include <string>

#include "cli/commands.h"

namespace veltrane::cli {

struct SightsFixOptions {
  std::optional<std::string> sights;  // the log's CSV file
  LatLon dr;
  CLI::Option* drGiven = nullptr;
  UtcTime fixTime;
  CLI::Option* fixTimeGiven = nullptr;
  std::optional<double> course, speed, sigma;
  std::optional<std::string> catalogue;
};

void AddSightsFixOptions(CLI::App* fix, SightsFixOptions& o);
Result FixOfSights(const SightsFixOptions& o);
// The first option that only a fix of a sight log uses, when one was given.
std::optional<std::string> SightsOnlyOptionGiven(const SightsFixOptions& o);

}  // namespace veltrane::cli
