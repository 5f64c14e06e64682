#include "foundation/ui/veltrane_application.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPushButton>
#include <cmath>

#include "foundation/angles.h"

namespace veltrane {
namespace {

TEST(VeltraneApplication, ErrorInAHandlerIsShownAndTheProgramGoesOn) {
  auto* app = static_cast<VeltraneApplication*>(QCoreApplication::instance());
  std::vector<std::string> shown;
  app->SetErrorDisplay([&shown](const std::string& text) { shown.push_back(text); });
  QPushButton button;
  QObject::connect(&button, &QPushButton::clicked, [] { TanD(NAN); });
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  button.resize(40, 20);
  QApplication::sendEvent(&button, &press);
  QApplication::sendEvent(&button, &release);
  EXPECT_EQ(shown, std::vector<std::string>{"Invalid argument to tan function"});
  app->SetErrorDisplay({});
}

}  // namespace
}  // namespace veltrane
