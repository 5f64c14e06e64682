#pragma once
// The calculation listing: captions and values in two parallel columns, which the planet
// window shows side by side. Operations append to it when given a non-null pointer.
#include <string>
#include <vector>

namespace veltrane {

struct Listing {
  std::vector<std::string> captions;
  std::vector<std::string> values;

  void Row(const std::string& caption, const std::string& value);
  // A value under the previous one, with an empty caption.
  void Continuation(const std::string& value);
  void Clear();
};

// "Ecliptical longitude:" .. "Distance to Earth:" of a body (degrees, AU).
void ListEclipticPlace(Listing* listing, double eclLon, double eclLat, double geoLon,
                       double geoLat, double distanceAu);
// "Apparent Right Ascension:" (degrees and h m s) and "Apparent Declination:".
void ListApparentPlace(Listing* listing, double raDeg, double decDeg);
// "Apparent Sidereal Time:" in h m s.
void ListSiderealTime(Listing* listing, double apparentHours);

}  // namespace veltrane
