#include "foundation/ui/veltrane_application.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <cmath>

#include "foundation/angles.h"

namespace veltrane {
namespace {

// A handler that fails the way a computation can: the degree tangent of a value that is none.
class FailingHandler : public QObject {
 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) TanD(NAN);
    return QObject::event(e);
  }
};

TEST(VeltraneApplication, ErrorInAHandlerIsShownAndTheProgramGoesOn) {
  auto* app = static_cast<VeltraneApplication*>(QCoreApplication::instance());
  std::vector<std::string> shown;
  app->SetErrorDisplay([&shown](const std::string& text) { shown.push_back(text); });
  FailingHandler handler;
  QEvent event(QEvent::User);
  QApplication::sendEvent(&handler, &event);
  EXPECT_EQ(shown, std::vector<std::string>{"Invalid argument to tan function"});
  app->SetErrorDisplay({});
}

}  // namespace
}  // namespace veltrane
