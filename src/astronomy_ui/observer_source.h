#pragma once
// What the astronomy main window offers the body, identification, almanac and Jupiter windows:
// its place and time, read and checked.
#include <QDate>
#include <optional>
#include <string>

#include "astro/sky_observer.h"

namespace veltrane {

struct ObserverReading {
  SkyObserver observer;
  SkyInstant instant;       // Delta T is the one typed in "Delta", else the program's own
  double zoneHours = 0.0;   // UT minus local time
  QDate date;               // as the date picker shows it
  bool beforeChrist = false;
  std::string utText;       // "hh:mm:ss"
  std::string localText;    // "hh:mm:ss"
  std::string weekday;
};

class ObserverSource {
 public:
  // The fields read and checked; nothing when one is wrong, after its message has been shown.
  virtual std::optional<ObserverReading> ReadObserver() = 0;
  // UT minus local time as the window shows it; nothing (and no message) when it does not read.
  virtual std::optional<double> ZoneHours() = 0;

 protected:
  ~ObserverSource() = default;
};

}  // namespace veltrane
