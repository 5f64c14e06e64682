#pragma once
// Fetching a small file from a web address with Qt Network, on the event loop: the caller
// stays responsive, hears of the bytes as they arrive and gets the whole body or nothing.
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "foundation/ui/app_context.h"

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace veltrane {

class UrlDownload : public QObject, public DownloadJob {
 public:
  // Starts at once; done runs once, later, from the event loop. Destroying the download
  // abandons it and nothing runs afterwards.
  UrlDownload(const std::string& url, const DownloadLimits& limits, DownloadProgress progress, DownloadDone done);
  ~UrlDownload() override;

 private:
  void Received();
  void Finish(bool ok);

  DownloadLimits limits_;
  DownloadProgress progress_;
  DownloadDone done_;
  QNetworkAccessManager* manager_;
  QPointer<QNetworkReply> reply_;
  QTimer* timer_;
  std::string body_;
  bool finished_ = false;
};

// The same, waiting for the end (for the command line); needs a QCoreApplication.
std::optional<std::string> FetchUrl(const std::string& url, const DownloadLimits& limits);

}  // namespace veltrane
