#pragma once
// "Readme": one text area showing a text file the user chose.
#include "foundation/ui/form_base.h"

class QPlainTextEdit;

namespace veltrane {

class TReadmeForm : public FormBase {
  Q_OBJECT
 public:
  explicit TReadmeForm(AppContext& ctx);
  // Shows the window with the file's lines; false (and nothing shown) when it cannot be read.
  bool LoadFile(const std::string& path);

 protected:
  void BuildContents() override;

 private:
  QPlainTextEdit* memo_;
};

}  // namespace veltrane
