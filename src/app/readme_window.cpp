#include "app/readme_window.h"

#include <QPlainTextEdit>

#include "foundation/text_file.h"

namespace veltrane {

TReadmeForm::TReadmeForm(AppContext& ctx) : FormBase(ctx, "ReadmeForm", "Readme") { CreateContents(); }

void TReadmeForm::BuildContents() {
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setCentralWidget(memo_);
  AddMenuAction("Close1", "&Close", [this] { hide(); });
  resize(320, 400);
}

bool TReadmeForm::LoadFile(const std::string& path) {
  EnsureBuilt();
  const auto lines = ReadTextLines(path);
  if (!lines) return false;
  QStringList text;
  for (const auto& l : *lines) text << QString::fromStdString(l);
  memo_->setVisible(true);
  memo_->clear();
  resize(320, height());
  memo_->setPlainText(text.join('\n'));
  ShowForm();
  return true;
}

}  // namespace veltrane
