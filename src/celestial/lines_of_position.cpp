#include "celestial/lines_of_position.h"

#include <cmath>

#include "coastal/nav_utl.h"
#include "foundation/angles.h"

namespace veltrane {

Intercept PlotIntercept(const PositionRecord& assumed, double zn, double ho, double hc) {
  Intercept i;
  i.miles = 60.0 * (hc - ho);
  i.towards = i.miles < 0.0;
  i.course = i.towards ? zn : Mod360(zn + 180.0);
  const std::optional<PositionRecord> foot = MidLatitudePosition(assumed, std::fabs(i.miles), i.course);
  if (foot) i.lop = NormaliseLop({Mod360(i.course + 90.0), foot->Lat, foot->Lon});
  return i;
}

PositionRecord NormaliseLop(PositionRecord lop) {
  if (std::fabs(lop.Lat) > 90.0) lop.Lat = FoldLat(lop.Lat);
  if (std::fabs(lop.Lon) > 180.0) lop.Lon = Norm180(lop.Lon);
  if (std::fabs(lop.Direction) > 360.0) lop.Direction = Mod360(lop.Direction);
  return lop;
}

std::optional<PositionRecord> AdvanceLop(const PositionRecord& lop, double course, double distance) {
  std::optional<PositionRecord> moved = MidLatitudePosition(lop, distance, course);
  if (!moved) return std::nullopt;
  moved->Direction = lop.Direction;
  return NormaliseLop(*moved);
}

std::optional<PositionRecord> CrossLops(const PositionRecord& first, const PositionRecord& second) {
  // Two lines either side of the date line are crossed on one chart.
  PositionRecord b = second;
  if (b.Lon - first.Lon > 180.0) b.Lon -= 360.0;
  if (b.Lon - first.Lon < -180.0) b.Lon += 360.0;
  std::optional<PositionRecord> fix = LineCrossing(first, b);
  if (fix) fix = NormaliseLop(*fix);
  return fix;
}

}  // namespace veltrane
