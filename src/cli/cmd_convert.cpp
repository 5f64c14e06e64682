#include <algorithm>
#include <memory>

#include "cli/commands.h"
#include "convert/conversions.h"

namespace veltrane::cli {
namespace {

struct ConvertOptions {
  std::string quantity, unit, value;
};

Result ConvertCommand(const ConvertOptions& o) {
  const auto quantity = QuantityFromName(o.quantity);
  if (!quantity) throw UsageError("--quantity is missing");
  const auto& units = UnitsOf(*quantity);
  if (std::find(units.begin(), units.end(), o.unit) == units.end()) {
    std::string list;
    for (const auto& u : units) list += (list.empty() ? "" : ", ") + u;
    throw UsageError("--unit must be one of " + list);
  }
  const Conversion c = Convert(*quantity, o.unit, o.value);
  if (!c.error.empty()) return ErrorResult(c.error);
  Json results = Json::Array();
  for (const auto& r : c.results) results.Push(Json::Object().Set("value", r.value).Set("unit", r.unit));
  Json out = Json::Object();
  out.Set("results", std::move(results));
  if (c.input) out.Set("input", *c.input);
  return {out};
}

}  // namespace

void RegisterConvertCommands(CommandSet& commands) {
  auto o = std::make_shared<ConvertOptions>();
  CLI::App* c = commands.Add("convert", "A value in the other units of its quantity, as the conversion window shows it",
                             [o] { return ConvertCommand(*o); });
  AddChoice(c, "--quantity", o->quantity, "the quantity", QuantityNames())->required();
  AddText(c, "--unit", o->unit, "the unit of the value, as the window names it (\"knots\", \"sq feet\" ...)")
      ->required();
  AddText(c, "--value", o->value, "the value as typed in the window")->required();
}

}  // namespace veltrane::cli
