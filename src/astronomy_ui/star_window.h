#pragma once
// "Star": the navigational stars of "Mstars.dat" in a grid, read afresh each time the window
// is shown; a clicked row fills the boxes, and the star goes to the window that asked for it.
#include <string>
#include <vector>

#include "astronomy_ui/star_link.h"
#include "foundation/ui/form_base.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QPainter;

namespace veltrane {

class TStarForm : public FormBase, public StarPicker {
  Q_OBJECT
 public:
  explicit TStarForm(AppContext& ctx);
  void PickStar(StarUse use, StarTaker* taker) override;

 protected:
  void BuildContents() override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void LoadList();
  void RowClick(int row);
  void Take(StarUse use);
  void PrintStarlist();
  ChosenStar Boxes() const;

  std::vector<QLineEdit*> boxes_;
  QTableWidget* grid_ = nullptr;
  QLabel* lblNumberStars_ = nullptr;
  QPushButton* btnValues_ = nullptr;
  QPushButton* starFix_ = nullptr;
  StarTaker* taker_ = nullptr;
  StarUse use_ = StarUse::Values;
};

// Where each row of the star list goes on the printed pages: rows counted from 3 on the first
// page and from 0 on the next, a new page above 50 rows on the first and 47 on the others; a
// row with a right ascension moves down a line first.
struct StarListLine {
  int page = 0;  // from 0
  int y = 0;
};
std::vector<StarListLine> StarListLayout(const std::vector<bool>& rowHasRa, int lineHeight);

}  // namespace veltrane
