#include "cli/commands.h"
#include "convert/conversions.h"

#include <algorithm>

namespace veltrane::cli {
namespace {

Result ConvertCommand(const std::vector<std::string>& words) {
  const Args args(words);
  args.Only({"--quantity", "--unit", "--value"});
  const auto quantity = QuantityFromName(args.Text("--quantity"));
  if (!quantity) throw UsageError("--quantity must be one of temperature, speed, pressure, mass, volume, length, area, angle");
  const std::string unit = args.Text("--unit");
  const auto& units = UnitsOf(*quantity);
  if (std::find(units.begin(), units.end(), unit) == units.end()) {
    std::string list;
    for (const auto& u : units) list += (list.empty() ? "" : ", ") + u;
    throw UsageError("--unit must be one of " + list);
  }
  const Conversion c = Convert(*quantity, unit, args.Text("--value"));
  if (!c.error.empty()) return ErrorResult(c.error);
  Json results = Json::Array();
  for (const auto& r : c.results) results.Push(Json::Object().Set("value", r.value).Set("unit", r.unit));
  Json out = Json::Object();
  out.Set("results", std::move(results));
  if (c.input) out.Set("input", *c.input);
  return {out};
}

}  // namespace

void RegisterConvertCommands(CommandTable& table) { table["convert"] = ConvertCommand; }

}  // namespace veltrane::cli
