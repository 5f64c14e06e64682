#pragma once
// The application object: an error raised inside an event handler (such as the degree tangent's
// "Invalid argument to tan function") is shown in a message box instead of ending the program.
#include <QApplication>
#include <functional>
#include <string>

namespace veltrane {

class VeltraneApplication : public QApplication {
 public:
  using QApplication::QApplication;
  // Where the errors are shown; until set they are ignored.
  void SetErrorDisplay(std::function<void(const std::string&)> display) { display_ = std::move(display); }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  std::function<void(const std::string&)> display_;
};

}  // namespace veltrane
