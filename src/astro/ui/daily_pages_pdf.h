#pragma once
// The daily pages as a PDF: a spread of two pages for every three days (planets and stars on
// the left, Sun, Moon and the times of the standard latitudes on the right), written to a
// temporary file and renamed over the target.
#include <string>
#include <vector>

#include "astro/daily_pages.h"

namespace veltrane {

struct DailyPagesPdfResult {
  int pages = 0;
  std::string message;  // why nothing was written; empty on success
};

// Needs a QGuiApplication for its fonts.
DailyPagesPdfResult WriteDailyPagesPdf(const std::vector<DailyPage>& days, const std::string& path);

// "182 18.0": degrees and minutes to 0.1' of an angle 0..360.
std::string PageAngleText(double degrees);
// "S22 31.6": a declination with its hemisphere.
std::string PageDeclinationText(double degrees);

}  // namespace veltrane
