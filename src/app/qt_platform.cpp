#include "app/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QUrl>

#include "app/help_window.h"
#include "foundation/ui/url_download.h"

namespace veltrane {

QtPlatform::QtPlatform(std::string helpFolder) : helpFolder_(std::move(helpFolder)) {}
QtPlatform::~QtPlatform() = default;

void QtPlatform::Message(const std::string& text) {
  QApplication::beep();
  QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(),
                           QString::fromStdString(text), QMessageBox::Ok);
}

Answer QtPlatform::Confirm(const std::string& text, bool withCancel) {
  auto buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  const auto r = QMessageBox::question(QApplication::activeWindow(), QApplication::applicationName(),
                                       QString::fromStdString(text), buttons);
  if (r == QMessageBox::Yes) return Answer::Yes;
  if (r == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

std::optional<std::string> QtPlatform::OpenFileName(const std::string& folder, const std::string& presetName,
                                                    const std::string& filter) {
  const QString f = QFileDialog::getOpenFileName(QApplication::activeWindow(), "Open",
                                                 QString::fromStdString(folder + presetName),
                                                 QString::fromStdString(filter));
  if (f.isEmpty()) return std::nullopt;
  return f.toStdString();
}

std::optional<std::string> QtPlatform::SaveFileName(const std::string& folder, const std::string& presetName,
                                                    const std::string& filter) {
  const QString f = QFileDialog::getSaveFileName(QApplication::activeWindow(), "Save",
                                                 QString::fromStdString(folder + presetName),
                                                 QString::fromStdString(filter));
  if (f.isEmpty()) return std::nullopt;
  return f.toStdString();
}

std::unique_ptr<QPrinter> QtPlatform::BeginPrint(QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), parent);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

std::optional<FindRequest> QtPlatform::AskFind(const FindRequest& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(QApplication::activeWindow(), "Find", "Find what:", QLineEdit::Normal,
                                             QString::fromStdString(initial.text), &ok);
  if (!ok || text.isEmpty()) return std::nullopt;
  return FindRequest{text.toStdString(), initial.matchCase};
}

void QtPlatform::OpenUrl(const std::string& url) { QDesktopServices::openUrl(QUrl(QString::fromStdString(url))); }

void QtPlatform::ShowHelp(const std::string& page) {
  if (!help_) help_ = std::make_unique<HelpWindow>(helpFolder_);
  help_->ShowPage(page);
}

QDateTime QtPlatform::NowUtc() { return QDateTime::currentDateTimeUtc(); }
QDateTime QtPlatform::NowLocal() { return QDateTime::currentDateTime(); }

ScreenMetrics QtPlatform::Screen() {
  ScreenMetrics m;
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    m.width = s->geometry().width();
    m.logicalDpi = s->logicalDotsPerInch();
  }
  return m;
}

std::unique_ptr<DownloadJob> QtPlatform::Download(const std::string& url, const DownloadLimits& limits,
                                                  DownloadProgress progress, DownloadDone done) {
  return std::make_unique<UrlDownload>(url, limits, std::move(progress), std::move(done));
}

}  // namespace veltrane
