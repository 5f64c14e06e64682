#pragma once
// The program's own help window: HTML pages from the help folder, opened at a page.
#include <QMainWindow>
#include <string>

class QTextBrowser;

namespace veltrane {

class HelpWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit HelpWindow(std::string helpFolder);
  void ShowPage(const std::string& page);

 private:
  std::string folder_;
  QTextBrowser* browser_;
};

}  // namespace veltrane
