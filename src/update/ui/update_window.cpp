#include "update/ui/update_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "foundation/text_file.h"
#include "foundation/ui/click_label.h"
#include "foundation/ui/settings.h"
#include "update/update_answer.h"
#include "update/version.h"

namespace veltrane {
namespace {

constexpr const char* kSection = "VerForm";

}  // namespace

TVerForm::TVerForm(AppContext& ctx, DownloadLimits limits)
    : FormBase(ctx, "VerForm", "Veltrane Update"),
      limits_(limits),
      servers_(ConfiguredUpdateServers(ctx.SettingsFile())) {
  setAttribute(Qt::WA_DeleteOnClose);
  CreateContents();
}

void TVerForm::BuildContents() {
  BuildControls();
  FormCreate();
}

TVerForm::~TVerForm() = default;

void TVerForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* label1 = new QLabel("Read description about new  properties", central);
  label1->setObjectName("Label1");
  lbHttp_ = new ClickLabel("lbHttp", "", central);
  lbThisVersion_ = new QLabel(central);
  lbThisVersion_->setObjectName("lbThisVersion");
  lbVersion_ = new QLabel(central);
  lbVersion_->setObjectName("lbVersion");
  lbVersion2_ = new QLabel(central);
  lbVersion2_->setObjectName("lbVersion2");
  lbLoad_ = new ClickLabel("lbLoad", "", central);
  for (QWidget* w : std::initializer_list<QWidget*>{label1, lbHttp_, lbThisVersion_, lbVersion_, lbVersion2_, lbLoad_})
    layout->addWidget(w);

  auto* serverRow = new QHBoxLayout;
  auto* label2 = new QLabel("Server", central);
  label2->setObjectName("Label2");
  auto* panel = new QGroupBox(central);
  panel->setObjectName("Panel1");
  auto* panelLayout = new QHBoxLayout(panel);
  for (size_t i = 0; i < serverButtons_.size(); ++i) {
    auto* button = new QRadioButton(QString::fromStdString(servers_[i].caption), panel);
    button->setObjectName(QString("RadioButton%1").arg(i + 1));
    connect(button, &QRadioButton::clicked, this, [this, i] { ServerClick(i); });
    panelLayout->addWidget(button);
    serverButtons_[i] = button;
  }
  serverButtons_[0]->setChecked(true);
  serverRow->addWidget(label2);
  serverRow->addWidget(panel, 1);
  layout->addLayout(serverRow);

  Gauge1_ = new QProgressBar(central);
  Gauge1_->setObjectName("Gauge1");
  Gauge1_->setRange(0, 100);
  Gauge1_->setValue(0);
  layout->addWidget(Gauge1_);
  setCentralWidget(central);
  statusBar()->setObjectName("StatusBar1");

  connect(lbHttp_, &ClickLabel::clicked, this, [this] { OpenAddress(lbHttp_); });
  connect(lbLoad_, &ClickLabel::clicked, this, [this] { OpenAddress(lbLoad_); });
  resize(420, sizeHint().height());
}

void TVerForm::FormCreate() {
  lbThisVersion_->setText(QString::fromStdString("Actual version " + VersionString(ThisVersion())));
  const std::string chosen = Settings(ctx_).Read(kSection, "Server", std::string("-1"));
  const size_t index = chosen == servers_[1].caption ? 1 : 0;
  serverButtons_[index]->setChecked(true);
  ShowAddresses(index);
  lbVersion_->hide();
  lbVersion2_->hide();
  lbLoad_->hide();
  Check();
}

size_t TVerForm::ChosenServer() const { return serverButtons_[1]->isChecked() ? 1 : 0; }

void TVerForm::ShowAddresses(size_t index) {
  lbHttp_->setText(QString::fromStdString(servers_[index].description));
  lbLoad_->setText(QString::fromStdString(servers_[index].program));
}

void TVerForm::Check() {
  const std::string base = servers_[ChosenServer()].base;
  statusBar()->showMessage(QString::fromStdString("Connecting to " + base));
  Gauge1_->setValue(0);
  if (!IsWebAddress(base)) {
    CheckDone(std::nullopt);
    return;
  }
  // The other server is not asked before the window is opened again.
  for (QRadioButton* b : serverButtons_) b->setEnabled(false);
  download_ = ctx_.platform.Download(
      VersionFileAddress(base), limits_, [this](std::int64_t received, std::int64_t total) { ShowProgress(received, total); },
      [this](std::optional<std::string> answer) { CheckDone(std::move(answer)); });
}

void TVerForm::ShowProgress(std::int64_t received, std::int64_t total) {
  const std::int64_t whole = total > 0 ? total : static_cast<std::int64_t>(limits_.maxBytes);
  Gauge1_->setValue(static_cast<int>(std::min<std::int64_t>(100, received * 100 / whole)));
}

void TVerForm::CheckDone(std::optional<std::string> answer) {
  for (QRadioButton* b : serverButtons_) b->setEnabled(true);
  const UpdateVerdict verdict = JudgeUpdate(answer, ThisVersion());
  if (verdict.outcome == UpdateOutcome::NoContact) {
    Gauge1_->setValue(0);
    statusBar()->showMessage("Contact not established");
    return;
  }
  Gauge1_->setValue(100);
  // The local copy is only a copy: the verdict above stands whether or not it could be kept.
  WriteFileAtomically(ctx_.settingsFolder + "Veltrane.ini", *answer);
  if (verdict.outcome == UpdateOutcome::Available) {
    lbVersion2_->setText(QString::fromStdString("New version available " + verdict.announced->text));
    lbVersion2_->show();
    lbVersion_->hide();
    statusBar()->showMessage("New version available ");
    lbLoad_->show();
  } else {
    statusBar()->showMessage("New version not available");
    lbVersion2_->hide();
    lbVersion_->setText("New version not available");
    lbVersion_->show();
  }
}

void TVerForm::ServerClick(size_t index) {
  ShowAddresses(index);
  // The result shown belongs to the other server.
  lbVersion_->hide();
  lbVersion2_->hide();
  lbLoad_->hide();
  statusBar()->clearMessage();
  Gauge1_->setValue(0);
}

void TVerForm::OpenAddress(const ClickLabel* label) {
  const std::string address = label->text().trimmed().toStdString();
  if (!IsWebAddress(address)) {
    ctx_.platform.Message("Address not valid");
    return;
  }
  ctx_.platform.OpenUrl(address);
}

void TVerForm::FormClose() {
  download_.reset();
  Settings(ctx_).Write(kSection, "Server", servers_[ChosenServer()].caption);
}

}  // namespace veltrane
