#pragma once
// The one door every window has to the outside world: messages, dialogs, clock, printing,
// files and the other windows. The program passes the Qt platform; tests pass a fake.
#include <QDateTime>
#include <memory>
#include <optional>
#include <string>

#include "foundation/checks.h"

class QPrinter;
class QWidget;

namespace veltrane {

enum class Answer { Yes, No, Cancel };

struct ScreenMetrics {
  int width = 1280;          // pixels
  double logicalDpi = 96.0;  // logical pixels per inch
};

struct FindRequest {
  std::string text;
  bool matchCase = false;
};

class Platform : public MessageSink {
 public:
  // Message(text) of MessageSink: beep, then a message box with one OK button.
  // A question with Yes and No (and Cancel when withCancel).
  virtual Answer Confirm(const std::string& text, bool withCancel) = 0;
  // The file-open dialog; the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> OpenFileName(const std::string& folder, const std::string& presetName,
                                                  const std::string& filter) = 0;
  virtual std::optional<std::string> SaveFileName(const std::string& folder, const std::string& presetName,
                                                  const std::string& filter) = 0;
  // The print dialog; a printer ready to paint on, or null when the user cancelled.
  virtual std::unique_ptr<QPrinter> BeginPrint(QWidget* parent) = 0;
  // The find dialog: the text to look for, or nothing when cancelled.
  virtual std::optional<FindRequest> AskFind(const FindRequest& initial) = 0;
  // The shell's "open" of a web or mail address.
  virtual void OpenUrl(const std::string& url) = 0;
  // The help window at a page ("index.html" is the contents).
  virtual void ShowHelp(const std::string& page) = 0;
  virtual QDateTime NowUtc() = 0;
  virtual QDateTime NowLocal() = 0;
  virtual ScreenMetrics Screen() = 0;
  // Fetch a URL into a file; false when it could not be fetched.
  virtual bool Download(const std::string& url, const std::string& file) = 0;
};

// Every window of the program, so windows can reach the ones they are coupled to. A test that
// builds one window alone leaves the others null: windows check before use.
class TVeltraneForm;
class TConvForm;
class TNaviForm;
class TCrossForm;
class TNavDisForm;
class TNavBearForm;
class TNavTideForm;
class TNavWindForm;
class TNavSailForm;
class TNavCourseForm;
class TGreatForm;
class TEdiForm;
class TDlgForm2;
class TStormForm;
class TStorm_CenterForm;
class TAvoidanceForm;
class TAvoidgrafForm;
class TPressureForm;
class TPositionForm;
class TIndicationsForm;
class TReadmeForm;
class TAboutBox;

struct Windows {
  TVeltraneForm* launcher = nullptr;
  TConvForm* conversions = nullptr;
  TNaviForm* navi = nullptr;
  TCrossForm* cross = nullptr;
  TNavDisForm* distances = nullptr;
  TNavBearForm* bearings = nullptr;
  TNavTideForm* tide = nullptr;
  TNavWindForm* wind = nullptr;
  TNavSailForm* sailing = nullptr;
  TNavCourseForm* course = nullptr;
  TGreatForm* great = nullptr;
  TEdiForm* editor = nullptr;
  TDlgForm2* confirmDialog = nullptr;
  TStormForm* storm = nullptr;
  TStorm_CenterForm* stormCenter = nullptr;
  TAvoidanceForm* avoidance = nullptr;
  TAvoidgrafForm* avoidancePlot = nullptr;
  TPressureForm* pressure = nullptr;
  TPositionForm* stormPosition = nullptr;
  TIndicationsForm* indications = nullptr;
  TReadmeForm* readme = nullptr;
  TAboutBox* about = nullptr;
};

struct AppContext {
  Platform& platform;
  std::string settingsFolder;  // ends with '/'
  std::string programFolder;   // ends with '/'
  Windows windows;

  std::string SettingsFile() const { return settingsFolder + "Settings.ini"; }
  // Folder of the files kept beside the program ("Position.txt", "SETS.INI", "*.cmp",
  // "Readme.txt"): the program folder when it is writable, else the settings folder.
  std::string DataFolder() const;
};

}  // namespace veltrane
