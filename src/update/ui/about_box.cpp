#include "update/ui/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/ui/click_label.h"
#include "update/update_servers.h"
#include "update/version.h"

namespace veltrane {
namespace {

constexpr const char* kMail = "veltrane@example.org";
constexpr const char* kWeb = "https://veltrane.example.org/";

}  // namespace

QString VersionText() { return QString::fromStdString("Version: " + VersionString(ThisVersion())); }

TAboutBox::TAboutBox(AppContext& ctx) {
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
  auto* mail = new ClickLabel("lbMail", kMail, this);
  auto* web = new ClickLabel("lbWeb", kWeb, this);
  connect(mail, &ClickLabel::clicked, this, [&ctx, mail] {
    const std::string address = mail->text().trimmed().toStdString();
    if (!address.empty()) ctx.platform.OpenUrl("mailto:" + address);
  });
  connect(web, &ClickLabel::clicked, this, [&ctx, web] {
    const std::string address = web->text().trimmed().toStdString();
    if (IsWebAddress(address)) ctx.platform.OpenUrl(address);
  });
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(name);
  layout->addWidget(version);
  layout->addWidget(comments);
  layout->addWidget(mail);
  layout->addWidget(web);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace veltrane
