#pragma once
// "Veltrane Update": asks the chosen download server for the newest version and tells whether
// it is newer than the running one. Nothing is installed. The window is created for each
// check and destroyed when it closes.
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "foundation/ui/form_base.h"
#include "update/update_servers.h"

class QLabel;
class QProgressBar;
class QRadioButton;

namespace veltrane {

class ClickLabel;

class TVerForm : public FormBase {
  Q_OBJECT
 public:
  // Checks the chosen server at once.
  explicit TVerForm(AppContext& ctx, DownloadLimits limits = {});
  ~TVerForm() override;

 protected:
  void BuildContents() override;
  void FormClose() override;

 private:
  void BuildControls();
  void FormCreate();
  void Check();
  void CheckDone(std::optional<std::string> answer);
  void ShowProgress(std::int64_t received, std::int64_t total);
  void ServerClick(size_t index);
  void ShowAddresses(size_t index);
  void OpenAddress(const ClickLabel* label);
  size_t ChosenServer() const;

  DownloadLimits limits_;
  std::array<UpdateServer, 2> servers_;
  std::unique_ptr<DownloadJob> download_;
  ClickLabel* lbHttp_;
  ClickLabel* lbLoad_;
  QLabel* lbThisVersion_;
  QLabel* lbVersion_;
  QLabel* lbVersion2_;
  std::array<QRadioButton*, 2> serverButtons_;
  QProgressBar* Gauge1_;
};

}  // namespace veltrane
