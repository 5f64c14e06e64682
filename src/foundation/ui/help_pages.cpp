#include "foundation/ui/help_pages.h"

#include <map>

namespace veltrane {

std::string HelpPageFor(const std::string& windowName) {
  static const std::map<std::string, std::string> pages = {
      {"NaviForm", "navigate.html"},
      {"CrossForm", "navigate.html#cross"},
      {"NavDisForm", "calculators.html#distances"},
      {"NavBearForm", "calculators.html#bearings"},
      {"NavTideForm", "calculators.html#tides"},
      {"NavWindForm", "calculators.html#winds"},
      {"NavSailForm", "calculators.html#sailing"},
      {"NavCourseForm", "calculators.html#courses"},
      {"GreatForm", "greatcircle.html"},
      {"EdiForm", "greatcircle.html#editor"},
      {"StormForm", "storm.html"},
      {"IndicationForm", "storm.html#indications"},
      {"PressureForm", "storm.html#pressure"},
      {"Storm_CenterForm", "storm.html#centre"},
      {"PositionForm", "storm.html#centre"},
      {"AvoidanceForm", "storm.html#avoidance"},
      {"AvoidgrafForm", "storm.html#avoidance"},
      {"ConvForm", "conversions.html"},
      {"BrellinForm", "celestial.html"},
      {"SightLogForm", "sightlog.html"},
      {"MiravelForm", "miravel.html"},
      {"PlanetForm", "body.html"},
      {"IdentifyForm", "identify.html"},
      {"AlmanacForm", "almanac.html"},
      {"JupiterForm", "jupiter.html"},
  };
  const auto it = pages.find(windowName);
  return it == pages.end() ? "index.html" : it->second;
}

}  // namespace veltrane
