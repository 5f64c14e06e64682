#pragma once
// The body window's phase picture: the Moon's disk with its dark part.
#include <QWidget>
#include <string>

namespace veltrane {

class MoonPhaseBox : public QWidget {
  Q_OBJECT
 public:
  explicit MoonPhaseBox(QWidget* parent = nullptr);
  void SetPhase(const std::string& percentText, const std::string& elongationText);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string percent_, elongation_;
};

}  // namespace veltrane
