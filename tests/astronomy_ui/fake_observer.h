#pragma once
// The main window's place and time as a test sets them.
#include <optional>

#include "astro/sky_instant_of.h"
#include "astronomy_ui/observer_source.h"

namespace veltrane::test {

class FakeObserver : public ObserverSource {
 public:
  // Helsinki, 2026-06-01 12:00 UT, three hours east of Greenwich.
  FakeObserver() { At(2026, 6, 1, 12.0); }
  void At(int year, int month, int day, double hours) {
    reading.instant = InstantOf(year, month, day, hours);
    reading.date = QDate(year, month, day);
  }
  std::optional<ObserverReading> ReadObserver() override {
    ++reads;
    if (!ok) return std::nullopt;
    return reading;
  }
  std::optional<double> ZoneHours() override { return reading.zoneHours; }

  ObserverReading reading{{60.15, -24.95, 0.0, 1010.0, 10.0}, {}, -3.0, {}, false, "12:00:00", "15:00:00", "Monday"};
  bool ok = true;
  int reads = 0;
};

}  // namespace veltrane::test
