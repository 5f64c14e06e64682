#pragma once
// The launcher's picture: a night sea under the stars with a compass rose.
#include <QWidget>

namespace veltrane {

class LauncherPicture : public QWidget {
  Q_OBJECT
 public:
  explicit LauncherPicture(QWidget* parent);
  QSize sizeHint() const override { return {520, 240}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace veltrane
