#include "update/ui/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef VELTRANE_VERSION
#define VELTRANE_VERSION "0.0.0"
#endif

namespace veltrane {

QString VersionText() {
  QStringList parts = QString(VELTRANE_VERSION).split('.');
  while (parts.size() < 4) parts << "0";
  return "Version: " + parts.mid(0, 4).join('.');
}

TAboutBox::TAboutBox(AppContext&) {
  setObjectName("AboutBox");
  setWindowTitle("About Veltrane");
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel("<b>Veltrane</b>", this);
  name->setObjectName("ProductName");
  auto* version = new QLabel(VersionText(), this);
  version->setObjectName("Version");
  auto* comments = new QLabel(
      "Calculators for the navigator of a small vessel and the amateur astronomer:\n"
      "coastal navigation, great circles, celestial navigation, astronomy,\n"
      "tropical cyclones and unit conversions.",
      this);
  comments->setObjectName("Comments");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(name);
  layout->addWidget(version);
  layout->addWidget(comments);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace veltrane
