#pragma once
// The platform of the tests: records every message, answers dialogs from a script, prints into
// a PDF file, and has a clock and a screen the test sets.
#include <deque>
#include <string>
#include <vector>

#include "foundation/ui/app_context.h"

namespace veltrane::test {

class FakePlatform : public Platform {
 public:
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
  ScreenMetrics Screen() override { return screen; }
  // A real download, so that a test can answer from a server of its own on 127.0.0.1.
  std::unique_ptr<DownloadJob> Download(const std::string& url, const DownloadLimits& limits,
                                        DownloadProgress progress, DownloadDone done) override;

  // What happened, in order.
  std::vector<std::string> messages;
  std::vector<std::string> confirmations;  // texts of the questions asked
  std::vector<std::string> helpPages;
  std::vector<std::string> openedUrls;
  std::vector<std::string> fileDialogPresets;  // preset names the file dialogs were opened with
  int printCount = 0;

  // Scripted answers, taken from the front; an empty script answers No / cancels.
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> fileAnswers;
  std::deque<std::optional<FindRequest>> findAnswers;
  bool cancelPrint = false;
  std::string printFile;  // PDF the next print goes to (a temporary name when empty)

  QDateTime utc = QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);
  int localOffsetSeconds = 0;  // local minus UTC
  ScreenMetrics screen;

  std::string LastMessage() const { return messages.empty() ? std::string() : messages.back(); }
  void Clear() { messages.clear(), confirmations.clear(); }
};

}  // namespace veltrane::test
