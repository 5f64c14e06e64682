#include "foundation/ui/veltrane_application.h"

#include <exception>

namespace veltrane {

bool VeltraneApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    if (display_) display_(e.what());
  }
  return false;
}

}  // namespace veltrane
