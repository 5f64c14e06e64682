#pragma once
// Positions between the command line (longitude east positive) and the engine (west positive).
#include "cli/json.h"
#include "cli/options.h"
#include "foundation/position_record.h"

namespace veltrane::cli {

PositionRecord EnginePosition(const LatLon& p, double direction = 0.0);
// {"lat": ..., "lon": ...} with the longitude east positive in -180..180.
Json PlaceJson(const PositionRecord& p);

}  // namespace veltrane::cli
