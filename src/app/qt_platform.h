#pragma once
// The platform services on real Qt dialogs, clock, screen, network and the help window.
#include <memory>

#include "foundation/ui/app_context.h"

namespace veltrane {

class HelpWindow;

class QtPlatform : public Platform {
 public:
  explicit QtPlatform(std::string helpFolder);
  ~QtPlatform() override;
  void Message(const std::string& text) override;
  Answer Confirm(const std::string& text, bool withCancel) override;
  std::optional<std::string> OpenFileName(const std::string& folder, const std::string& presetName,
                                          const std::string& filter) override;
  std::optional<std::string> SaveFileName(const std::string& folder, const std::string& presetName,
                                          const std::string& filter) override;
  std::unique_ptr<QPrinter> BeginPrint(QWidget* parent) override;
  std::optional<FindRequest> AskFind(const FindRequest& initial) override;
  void OpenUrl(const std::string& url) override;
  void ShowHelp(const std::string& page) override;
  QDateTime NowUtc() override;
  QDateTime NowLocal() override;
  ScreenMetrics Screen() override;
  std::unique_ptr<DownloadJob> Download(const std::string& url, const DownloadLimits& limits,
                                        DownloadProgress progress, DownloadDone done) override;

 private:
  std::string helpFolder_;
  std::unique_ptr<HelpWindow> help_;
};

}  // namespace veltrane
