#include "astro/listing.h"

#include "foundation/formats.h"
#include "foundation/numbers.h"

namespace veltrane {

void Listing::Row(const std::string& caption, const std::string& value) {
  captions.push_back(caption);
  values.push_back(value);
}

void Listing::Continuation(const std::string& value) { Row("", value); }

void Listing::Clear() {
  captions.clear();
  values.clear();
}

void ListEclipticPlace(Listing* listing, double eclLon, double eclLat, double geoLon,
                       double geoLat, double distanceAu) {
  if (!listing) return;
  listing->Row("Ecliptical longitude:", FmtDegMinSec(eclLon));
  listing->Row("Ecliptical latitude:", FmtDegMinSec(eclLat));
  listing->Row("Geocentric longitude:", FmtDegMinSec(geoLon));
  listing->Row("Geocentric latitude:", FmtDegMinSec(geoLat));
  listing->Row("Distance to Earth:", Str(distanceAu, 4) + "  AU");
}

void ListApparentPlace(Listing* listing, double raDeg, double decDeg) {
  if (!listing) return;
  listing->Row("Apparent Right Ascension:", Str(raDeg, 5) + kDegreeSign);
  listing->Continuation(FmtHMS(raDeg / 15.0));
  listing->Row("Apparent Declination:", FmtDegMinSec(decDeg));
}

void ListSiderealTime(Listing* listing, double apparentHours) {
  if (!listing) return;
  listing->Row("Apparent Sidereal Time:", FmtHMS(apparentHours));
}

}  // namespace veltrane
