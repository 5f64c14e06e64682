#include "support/fake_platform.h"

#include <QDir>
#include <QPrinter>

#include "foundation/ui/url_download.h"

namespace veltrane::test {
namespace {

// The next scripted answer; an empty script gives the fallback.
template <class T>
T Next(std::deque<T>& script, T fallback) {
  if (script.empty()) return fallback;
  T a = std::move(script.front());
  script.pop_front();
  return a;
}

}  // namespace

void FakePlatform::Message(const std::string& text) { messages.push_back(text); }

Answer FakePlatform::Confirm(const std::string& text, bool) {
  confirmations.push_back(text);
  return Next(answers, Answer::No);
}

std::optional<std::string> FakePlatform::OpenFileName(const std::string&, const std::string& presetName,
                                                      const std::string&) {
  fileDialogPresets.push_back(presetName);
  return Next(fileAnswers, std::optional<std::string>());
}

std::optional<std::string> FakePlatform::SaveFileName(const std::string& folder, const std::string& presetName,
                                                      const std::string& filter) {
  return OpenFileName(folder, presetName, filter);
}

std::unique_ptr<QPrinter> FakePlatform::BeginPrint(QWidget*) {
  if (cancelPrint) return nullptr;
  ++printCount;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  const std::string file =
      printFile.empty() ? QDir::temp().filePath("veltrane-test-print.pdf").toStdString() : printFile;
  printer->setOutputFileName(QString::fromStdString(file));
  return printer;
}

std::optional<FindRequest> FakePlatform::AskFind(const FindRequest&) {
  return Next(findAnswers, std::optional<FindRequest>());
}

void FakePlatform::OpenUrl(const std::string& url) { openedUrls.push_back(url); }
void FakePlatform::ShowHelp(const std::string& page) { helpPages.push_back(page); }
QDateTime FakePlatform::NowUtc() { return utc; }

QDateTime FakePlatform::NowLocal() {
  QDateTime local = utc.addSecs(localOffsetSeconds);
  return QDateTime(local.date(), local.time(), Qt::OffsetFromUTC, localOffsetSeconds);
}

std::unique_ptr<DownloadJob> FakePlatform::Download(const std::string& url, const DownloadLimits& limits,
                                                    DownloadProgress progress, DownloadDone done) {
  return std::make_unique<UrlDownload>(url, limits, std::move(progress), std::move(done));
}

}  // namespace veltrane::test
