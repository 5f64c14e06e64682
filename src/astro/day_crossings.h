#pragma once
// When a body passes an altitude during one day of UT: bracketed between its places at given
// hours, then found with its own place at each trial time, so that the Moon at high latitudes
// and a Sun that barely rises keep their times.
#include <functional>
#include <optional>
#include <vector>

#include "astro/rise_transit_set.h"

namespace veltrane {

struct GhaDec {
  double gha = 0.0;  // degrees 0..360
  double dec = 0.0;  // degrees, north positive
};

// The body's place at hours of UT of the day.
using GhaDecAt = std::function<GhaDec(double hours)>;

struct PlaceSample {
  double hours = 0.0;
  GhaDec place;
};

struct DayCrossings {
  std::optional<double> rise, set;  // hours of UT, the first of each in the day
  HorizonStatus status = HorizonStatus::Crosses;  // Always or Never when it crosses neither way
};

// Altitude of the centre, degrees, seen from a latitude and a longitude (west positive).
double AltitudeOf(const GhaDec& place, double latitude, double lonWest);

// samples: the body's places in order of time from 0h to 24h, close enough (an hour) that it
// crosses the altitude at most once between two of them; the places at its meridian passages
// among them catch a body that is up, or down, for less than that.
DayCrossings CrossingsOfDay(const std::vector<PlaceSample>& samples, const GhaDecAt& placeAt, double latitude,
                            double lonWest, double altitude);

}  // namespace veltrane
