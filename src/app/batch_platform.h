#pragma once
// The platform of an unattended start ("--smoke"): messages go to standard error as one line
// each, and every question or dialog is answered as cancelled, so nothing waits for a user.
#include "app/qt_platform.h"

namespace veltrane {

class BatchPlatform : public QtPlatform {
 public:
  using QtPlatform::QtPlatform;
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

  int MessageCount() const { return messages_; }

 private:
  int messages_ = 0;
};

}  // namespace veltrane
