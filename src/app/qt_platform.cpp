#include "app/qt_platform.h"

#include <algorithm>

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>
#include <QUrl>

#include "app/help_window.h"
#include "foundation/ui/url_download.h"

namespace veltrane {

QtPlatform::QtPlatform(std::string helpFolder) : helpFolder_(std::move(helpFolder)) {}
QtPlatform::~QtPlatform() = default;

namespace {

// A message box wide enough for its whole title and its longest line: the platform's own
// sizing squeezes a short text's box until the title bar shows only "V…".
int ShowBox(QMessageBox::Icon icon, const std::string& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, QApplication::applicationName(), QString::fromStdString(text), buttons,
                  QApplication::activeWindow());
  const QFontMetrics metrics(box.font());
  int wanted = metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height();  // the title bar's buttons
  for (const QString& line : box.text().split('\n')) wanted = std::max(wanted, metrics.horizontalAdvance(line));
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(std::min(wanted, 900), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return box.exec();
}

}  // namespace

void QtPlatform::Message(const std::string& text) {
  QApplication::beep();
  ShowBox(QMessageBox::Information, text, QMessageBox::Ok);
}

Answer QtPlatform::Confirm(const std::string& text, bool withCancel) {
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  const int r = ShowBox(QMessageBox::Question, text, buttons);
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
  for (const QScreen* s : QGuiApplication::screens()) {
    const QRect r = s->availableGeometry();
    m.available.push_back({r.x(), r.y(), r.width(), r.height()});
  }
  return m;
}

std::unique_ptr<DownloadJob> QtPlatform::Download(const std::string& url, const DownloadLimits& limits,
                                                  DownloadProgress progress, DownloadDone done) {
  return std::make_unique<UrlDownload>(url, limits, std::move(progress), std::move(done));
}

}  // namespace veltrane
