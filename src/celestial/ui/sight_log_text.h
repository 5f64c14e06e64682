#pragma once
// Texts the sight log window writes into its tables, shared by its two source files.
#include <QString>
#include <QTableWidget>
#include <cmath>
#include <string>

#include "celestial/sight_log.h"
#include "foundation/formats.h"

namespace veltrane::sight_log_text {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

inline void SetCell(QTableWidget* t, int row, int column, const std::string& text) {
  t->setItem(row, column, new QTableWidgetItem(Q(text)));
}

// The bodies as the body choice lists them, in the order of NavBody.
inline constexpr const char* kBodyCaptions[] = {"Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn", "Star"};

// The sight's body as the list shows it: the star's name for a star.
inline std::string BodyText(const LoggedSight& s) {
  return s.body == NavBody::Star ? s.star : kBodyCaptions[static_cast<int>(s.body)];
}

// Degrees and minutes with a minus sign below zero: "-0° 12.0'".
inline std::string SignedDegMin(double a) { return (a < 0.0 ? "-" : "") + FmtDegMin(std::fabs(a)); }

}  // namespace veltrane::sight_log_text
