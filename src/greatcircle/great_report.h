#pragma once
// The great-circle window's printed report as texts placed on pages, in printer units of a
// 300-dpi page (2480 x 3508 for A4); the window paints them.
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace veltrane {

struct GreatReport {
  std::string startName, startLat, startLon, dLat;
  std::string endName, endLat, endLon, dLon;
  std::vector<std::pair<std::string, std::string>> results;  // caption and value
  std::string mode;                                          // "longitude" or "arc"
  std::string step;
  std::vector<std::array<std::string, 5>> rows;  // the waypoint table
};

struct ReportText {
  int page = 0;
  int x = 0;
  int y = 0;
  int points = 10;
  std::string text;
};

inline constexpr int kReportPageHeight = 3508;

std::vector<ReportText> GreatReportLayout(const GreatReport& report);

}  // namespace veltrane
