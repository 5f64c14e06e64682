#include "foundation/ui/url_download.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

namespace veltrane {

UrlDownload::UrlDownload(const std::string& url, const DownloadLimits& limits, DownloadProgress progress,
                         DownloadDone done)
    : limits_(limits),
      progress_(std::move(progress)),
      done_(std::move(done)),
      manager_(new QNetworkAccessManager(this)),
      timer_(new QTimer(this)) {
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, [this] { Finish(false); });
  timer_->start(limits_.timeoutMs);
  QNetworkRequest request(QUrl(QString::fromStdString(url)));
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  reply_ = manager_->get(request);
  connect(reply_, &QNetworkReply::readyRead, this, [this] { Received(); });
  connect(reply_, &QNetworkReply::finished, this, [this] {
    if (!reply_) return;
    Received();
    const bool ok = reply_->error() == QNetworkReply::NoError &&
                    reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() / 100 == 2;
    Finish(ok);
  });
}

UrlDownload::~UrlDownload() {
  finished_ = true;  // an abort below must not report
  if (reply_) reply_->abort();
}

void UrlDownload::Received() {
  if (finished_ || !reply_) return;
  const QByteArray chunk = reply_->read(static_cast<qint64>(limits_.maxBytes - body_.size()) + 1);
  body_.append(chunk.constData(), static_cast<size_t>(chunk.size()));
  const qint64 announced = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong();
  if (body_.size() > limits_.maxBytes || announced > static_cast<qint64>(limits_.maxBytes)) {
    Finish(false);
    return;
  }
  if (progress_) progress_(static_cast<std::int64_t>(body_.size()), announced > 0 ? announced : -1);
}

void UrlDownload::Finish(bool ok) {
  if (finished_) return;
  finished_ = true;
  timer_->stop();
  if (reply_) {
    reply_->disconnect(this);
    reply_->abort();
  }
  // The callback may destroy this download: nothing of it is touched afterwards.
  DownloadDone done = std::move(done_);
  std::optional<std::string> body;
  if (ok) body = std::move(body_);
  if (done) done(std::move(body));
}

std::optional<std::string> FetchUrl(const std::string& url, const DownloadLimits& limits) {
  QEventLoop loop;
  std::optional<std::string> result;
  bool done = false;
  UrlDownload download(url, limits, {}, [&](std::optional<std::string> body) {
    result = std::move(body);
    done = true;
    loop.quit();
  });
  if (!done) loop.exec();
  return result;
}

}  // namespace veltrane
