#pragma once
// The one door every window has to the outside world: messages, dialogs, clock, printing and
// files. The program passes the Qt platform; tests pass a fake.
//
// It knows nothing of other windows. Where one window reaches another, the window that offers
// something declares a small interface for it in its own area, next to its header
// (coastal/ui/navigate_link.h: Navigate's end position and run; foundation/ui/
// place_file_listener.h: "the place file changed"), implements it, and the window that uses it
// takes a pointer through its constructor or a setter (null: the feature does nothing). app/program_start.cpp
// creates the windows in the program's order and then wires them together; a test hands a
// window a fake of just the link it needs. A window never includes another area's window
// header. A window that only opens another takes it as a FormBase*.
//
// For a quick start the program has a window build its components when it is first shown: the
// constructor ends with FormBase::CreateContents() and the components are made in
// BuildContents(). A link method that reads or writes them starts with EnsureBuilt().
#include <QDateTime>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foundation/checks.h"
#include "foundation/window_placement.h"

class QPrinter;
class QWidget;

namespace veltrane {

enum class Answer { Yes, No, Cancel };

struct ScreenMetrics {
  int width = 1280;          // pixels
  double logicalDpi = 96.0;  // logical pixels per inch
  // Every screen's area free of panels, in desktop pixels; empty when not known.
  std::vector<ScreenRect> available = {};
};

struct FindRequest {
  std::string text;
  bool matchCase = false;
};

// A download gives up after this long or when the body grows beyond this size.
struct DownloadLimits {
  int timeoutMs = 10000;
  size_t maxBytes = 64 * 1024;
};
// Bytes received so far, and the size the server announced (-1 when it did not).
using DownloadProgress = std::function<void(std::int64_t received, std::int64_t total)>;
// The whole body, or nothing when the download failed, timed out or grew too large.
using DownloadDone = std::function<void(std::optional<std::string> body)>;

// A download under way; destroying it abandons the download, and its callbacks never run after.
class DownloadJob {
 public:
  virtual ~DownloadJob() = default;
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
  // Starts fetching a web address; the callbacks run later on the event loop.
  virtual std::unique_ptr<DownloadJob> Download(const std::string& url, const DownloadLimits& limits,
                                                DownloadProgress progress, DownloadDone done) = 0;
};

struct AppContext {
  Platform& platform;
  std::string settingsFolder;  // ends with '/'
  std::string programFolder;   // ends with '/'
  // Set by the program for a quick start: a window builds its components when first shown (its
  // position is still read when it is created). Tests leave it off, so a window is complete
  // right after construction.
  bool buildOnFirstShow = false;

  std::string SettingsFile() const { return settingsFolder + "Settings.ini"; }
  // Folder of the user's files ("Position.txt", "SETS.INI", "*.cmp", "Readme.txt"): the
  // settings folder, where the launcher copies the shipped ones.
  std::string DataFolder() const;
};

}  // namespace veltrane
