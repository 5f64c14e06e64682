#include "greatcircle/ui/confirmation_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltrane {
namespace {
constexpr int kNo = 2;
constexpr int kCancel = 3;
}  // namespace

TDlgForm2::TDlgForm2(AppContext&) : QDialog(nullptr) {
  setObjectName("DlgForm2");
  setWindowTitle("Confirmation");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label2_ = new QLabel(this);
  label2_->setObjectName("Label2");
  layout->addWidget(label1_);
  layout->addWidget(label2_);
  auto* buttons = new QHBoxLayout;
  const struct {
    const char* name;
    const char* caption;
    int result;
  } kButtons[] = {{"btnYes", "&Yes", QDialog::Accepted}, {"btnNo", "&No", kNo}, {"btnCancel", "&Cancel", kCancel}};
  for (const auto& b : kButtons) {
    auto* button = new QPushButton(b.caption, this);
    button->setObjectName(b.name);
    const int result = b.result;
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
}

Answer TDlgForm2::Ask(const QString& line1, const QString& line2, const QRect& over) {
  label1_->setText(line1);
  label2_->setText(line2);
  move(over.left() + over.width() / 3, over.top() + over.height() / 3);
  switch (exec()) {
    case QDialog::Accepted: return Answer::Yes;
    case kNo: return Answer::No;
    default: return Answer::Cancel;
  }
}

}  // namespace veltrane
