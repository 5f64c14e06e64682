#pragma once
// "Editor": a plain text editor for "Position.txt" or any other text file, with save and
// backup, undo of the last save, sorting, search, and the checker of "Position.txt".
#include <QString>
#include <vector>

#include "foundation/ui/form_base.h"
#include "foundation/ui/place_file_listener.h"

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace veltrane {

class TDlgForm2;

class TEdiForm : public FormBase {
  Q_OBJECT
 public:
  explicit TEdiForm(AppContext& ctx);
  // Told whenever "Position.txt" has been written.
  void AddPlaceFileListener(PlaceFileListener* listener) { listeners_.push_back(listener); }
  // Asks the three-button questions; without it the platform's confirmation asks them.
  void SetConfirmationDialog(TDlgForm2* dialog) { dialog_ = dialog; }

  void PositioLdClick();
  void OtherLdClick();
  void Abc1Click();
  void Save1Click();
  void Undo1Click();
  void Search1Click();
  void btCheckClick();

 protected:
  void BuildContents() override;
  void showEvent(QShowEvent* event) override;
  void FormClose() override;

 private:
  // Empties the text area, shows `caption` and loads `path`; false when it cannot be read.
  bool Open(const std::string& path, const QString& caption, bool checkPanel);
  bool Load();
  void SelectLine(int line);
  // Tells the listeners when the file just written is the position file.
  void PositionFileChanged();
  Answer Ask(const QString& line1, const QString& line2);

  QPlainTextEdit* memo_;
  QWidget* panel1_;
  QLabel* lbError_;
  std::string path_;  // the file the caption names
  std::string lastFind_;
  std::vector<PlaceFileListener*> listeners_;
  TDlgForm2* dialog_ = nullptr;
};

}  // namespace veltrane
