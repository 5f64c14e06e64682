#include "app/help_window.h"

#include <QTextBrowser>
#include <QUrl>

namespace veltrane {

HelpWindow::HelpWindow(std::string helpFolder) : folder_(std::move(helpFolder)) {
  setObjectName("HelpForm");
  setWindowTitle("Veltrane Help");
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpBrowser");
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({QString::fromStdString(folder_)});
  setCentralWidget(browser_);
  resize(640, 560);
}

void HelpWindow::ShowPage(const std::string& page) {
  browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(folder_ + page)));
  show();
  raise();
  activateWindow();
}

}  // namespace veltrane
