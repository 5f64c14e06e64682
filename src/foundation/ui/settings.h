#pragma once
// One use of "Settings.ini": open, read with default, write, and save when the use ends.
// A save that fails is reported once per run; the program goes on with what it has.
#include <QString>
#include <memory>
#include <string>

#include "foundation/ini_file.h"
#include "foundation/position_text.h"
#include "foundation/ui/app_context.h"

class QWidget;

namespace veltrane {

inline constexpr const char* kLauncherSection = "VeltraneForm";

class Settings {
 public:
  explicit Settings(AppContext& ctx);
  ~Settings();  // saves what was written
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  std::string Read(const std::string& section, const std::string& key, const std::string& def) const;
  QString Read(const std::string& section, const std::string& key, const QString& def) const;
  void Write(const std::string& section, const std::string& key, const std::string& value);
  void Write(const std::string& section, const std::string& key, const QString& value);
  bool Save();

 private:
  AppContext& ctx_;
  std::shared_ptr<IniFile> ini_;  // shared by every use of the same file
};

// A place kept under "LatDeg", "LatMin", "LatPos" ("N" or "S"), "LonDeg", "LonMin" and "LonPos"
// ("W" or "E") of a window's section.
void WritePositionKeys(Settings& s, const std::string& section, const PositionText& place);

// Window position entry "f..." of the launcher section: "flag,top,left" (the editor adds
// ",height,width"). Restore does nothing while the entry is missing.
void RestoreWindowPosition(AppContext& ctx, QWidget* window, const std::string& key, bool withSize = false);
// Saves only a window in its normal state (neither minimized nor maximized).
void SaveWindowPosition(AppContext& ctx, QWidget* window, const std::string& key, const std::string& flag = "0",
                        bool withSize = false);

}  // namespace veltrane
