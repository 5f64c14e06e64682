#include "foundation/ui/settings.h"

#include <QWidget>
#include <algorithm>

#include "foundation/calendar.h"
#include "foundation/numbers.h"

namespace veltrane {
namespace {
bool g_saveFailureReported = false;
// Height of a title bar, enough to grab a window by.
constexpr int kTitleBarAllowance = 30;
}

Settings::Settings(AppContext& ctx) : ctx_(ctx), ini_(SharedIniFile(ctx.SettingsFile())) {}

Settings::~Settings() { Save(); }

bool Settings::Save() {
  if (ini_->Commit()) {
    if (!ini_->KeptCopy().empty())
      ctx_.platform.Message("The settings file " + ini_->Path() + " could not be read. It is kept as " +
                            ini_->KeptCopy() + " and the settings start again from their defaults.");
    return true;
  }
  if (!g_saveFailureReported) {
    g_saveFailureReported = true;
    ctx_.platform.Message("Settings could not be saved to " + ini_->Path());
  }
  return false;
}

std::string Settings::Read(const std::string& section, const std::string& key, const std::string& def) const {
  return ini_->Read(section, key, def);
}

QString Settings::Read(const std::string& section, const std::string& key, const QString& def) const {
  return QString::fromStdString(ini_->Read(section, key, def.toStdString()));
}

void Settings::Write(const std::string& section, const std::string& key, const std::string& value) {
  ini_->Write(section, key, value);
}

void Settings::Write(const std::string& section, const std::string& key, const QString& value) {
  ini_->Write(section, key, value.toStdString());
}

void RestoreWindowPosition(AppContext& ctx, QWidget* window, const std::string& key, bool withSize) {
  const std::string entry = Settings(ctx).Read(kLauncherSection, key, std::string("-1"));
  if (entry == "-1") return;
  if (withSize) {
    const auto height = ParseInt(GetField(entry, ',', 3));
    const auto width = ParseInt(GetField(entry, ',', 4));
    if (height && width && *height > 0 && *width > 0) window->resize(*width, *height);
  }
  const auto top = ParseInt(GetField(entry, ',', 1));
  const auto left = ParseInt(GetField(entry, ',', 2));
  if (!top || !left) return;
  // The entry holds the frame's top-left, and move() places the frame: the same point both ways.
  // A place that would hide the title bar (another screen's layout, a damaged entry) is brought
  // onto the nearest screen.
  const int width = window->isVisible() ? window->frameGeometry().width() : window->sizeHint().width();
  const ScreenRect placed = PlaceOnScreen({*left, *top, std::max(width, 1), 1}, kTitleBarAllowance,
                                          ctx.platform.Screen().available);
  window->move(placed.left, placed.top);
}

void SaveWindowPosition(AppContext& ctx, QWidget* window, const std::string& key, const std::string& flag,
                        bool withSize) {
  if (window->isMinimized() || window->isMaximized()) return;
  // x() and y() are the frame's top-left, where RestoreWindowPosition puts it back.
  std::string entry = flag + "," + std::to_string(window->y()) + "," + std::to_string(window->x());
  if (withSize) entry += "," + std::to_string(window->height()) + "," + std::to_string(window->width());
  Settings(ctx).Write(kLauncherSection, key, entry);
}

void WritePositionKeys(Settings& s, const std::string& section, const PositionText& place) {
  s.Write(section, "LatDeg", place.lat.deg);
  s.Write(section, "LatMin", place.lat.min);
  s.Write(section, "LatPos", std::string(place.lat.minus ? "S" : "N"));
  s.Write(section, "LonDeg", place.lon.deg);
  s.Write(section, "LonMin", place.lon.min);
  s.Write(section, "LonPos", std::string(place.lon.minus ? "E" : "W"));
}

}  // namespace veltrane
