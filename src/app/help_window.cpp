#include "app/help_window.h"

#include <QAction>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolBar>
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

  QToolBar* bar = addToolBar("Navigation");
  bar->setObjectName("HelpToolBar");
  bar->setMovable(false);
  auto add = [&](const char* name, const QString& caption, QKeySequence key) {
    QAction* action = bar->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(key);
    return action;
  };
  QAction* back = add("HelpBack", "< Back", QKeySequence::Back);
  QAction* forward = add("HelpForward", "Forward >", QKeySequence::Forward);
  QAction* contents = add("HelpContents", "Contents", QKeySequence(Qt::ALT | Qt::Key_Home));
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(contents, &QAction::triggered, this, [this] { ShowPage("index.html"); });
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  resize(640, 560);
}

void HelpWindow::ShowPage(const std::string& page) {
  // A page may name a section of itself ("calculators.html#tides").
  const auto hash = page.find('#');
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(folder_ + page.substr(0, hash)));
  if (hash != std::string::npos) url.setFragment(QString::fromStdString(page.substr(hash + 1)));
  browser_->setSource(url);
  show();
  raise();
  activateWindow();
}

}  // namespace veltrane
