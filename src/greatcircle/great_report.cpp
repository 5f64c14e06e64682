#include "greatcircle/great_report.h"

namespace veltrane {
namespace {

constexpr int kLine = 50;
constexpr int kBottom = 3300;
constexpr int kColumns[5] = {300, 650, 1000, 1350, 1700};
const char* const kHeadings[5] = {"Latitude", "Longitude", "Heading", "Distance", "Sum"};

}  // namespace

std::vector<ReportText> GreatReportLayout(const GreatReport& r) {
  std::vector<ReportText> out;
  int page = 0;
  int y = 100;
  auto put = [&](int x, const std::string& text, int points = 10) { out.push_back({page, x, y, points, text}); };

  put(900, "Great Circle Count", 16);
  y = 250;
  const auto point = [&](const std::string& name, const char* fallback, const std::string& lat,
                         const std::string& lon, const std::string& diff) {
    put(200, (name.empty() ? fallback : name) + "   " + lat + "   " + lon);
    put(1200, diff);
    y += kLine;
  };
  point(r.startName, "Start Point", r.startLat, r.startLon, "Dlat:  " + r.dLat);
  point(r.endName, "End Point", r.endLat, r.endLon, "         Dlon:  " + r.dLon);
  y += kLine;
  for (size_t i = 0; i < r.results.size(); ++i) {
    const int x = i % 2 == 0 ? 200 : 1200;
    put(x, r.results[i].first);
    put(x + 550, r.results[i].second);
    if (i % 2 == 1 || i + 1 == r.results.size()) y += kLine;
  }
  y += kLine;
  put(200, r.mode + "  in " + r.step);
  y += kLine;
  put(200, std::string(81, '_'));
  y += kLine;
  const auto headings = [&] {
    for (int c = 0; c < 5; ++c) put(kColumns[c], kHeadings[c]);
    y += kLine;
  };
  headings();
  for (const auto& row : r.rows) {
    if (y > kBottom) {
      ++page;
      y = 100;
      headings();
    }
    for (int c = 0; c < 5; ++c)
      if (!row[c].empty()) put(kColumns[c], row[c]);
    y += kLine;
  }
  return out;
}

}  // namespace veltrane
