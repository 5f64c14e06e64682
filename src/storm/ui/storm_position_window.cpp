#include "storm/ui/storm_position_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "foundation/ui/named_widgets.h"
#include "storm/position_texts.h"
#include "storm/storm_rules.h"
#include "storm/ui/storm_fields.h"

namespace veltrane {
namespace {
constexpr const char* kInvalid = "Use whole number degrees, minutes allowed with decimals";
}

TPositionForm::TPositionForm(AppContext& ctx)
    : FormBase(ctx, "PositionForm", "Count Positions Distances and Courses") {
  CreateContents();
}

void TPositionForm::BuildContents() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  auto* startBox = new QGroupBox("Start Position", central);
  start_ = PositionFields::Create(startBox, {{"Edit1", "Edit2", "RadioButton1", "RadioButton2"},
                                            {"Edit3", "Edit4", "RadioButton3", "RadioButton4"}});
  start_.Place(new QGridLayout(startBox), 0);
  grid->addWidget(startBox, 0, 0, 1, 3);

  edit9_ = AddFieldRow(central, grid, 1, 0, "Edit9", "Distance", "NM");
  edit10_ = AddFieldRow(central, grid, 2, 0, "Edit10", "Heading");
  auto* reference = new QWidget(central);
  auto* rl = new QHBoxLayout(reference);
  auto* rg = new QButtonGroup(reference);
  QRadioButton* rbTrue = NamedChoice(reference, rg, "RadioButton9", "True");
  QRadioButton* rbMagnetic = NamedChoice(reference, rg, "RadioButton10", "Magnetic");
  rl->addWidget(rbTrue);
  rl->addWidget(rbMagnetic);
  rbTrue->setChecked(true);
  grid->addWidget(reference, 2, 3);

  auto* endBox = new QGroupBox("End Position", central);
  end_ = PositionFields::Create(endBox, {{"Edit5", "Edit6", "RadioButton5", "RadioButton6"},
                                        {"Edit7", "Edit8", "RadioButton7", "RadioButton8"}});
  end_.Place(new QGridLayout(endBox), 0);
  for (QLineEdit* e : {end_.lat.deg, end_.lat.min, end_.lon.deg, end_.lon.min}) e->setReadOnly(true);
  grid->addWidget(endBox, 3, 0, 1, 3);

  QPushButton* countPosition = NamedButton(central, "CountPosition", "Count End Position");
  QPushButton* countCourse = NamedButton(central, "CountCourse", "Count Heading");
  grid->addWidget(countPosition, 4, 0);
  grid->addWidget(countCourse, 4, 1);
  setCentralWidget(central);

  connect(countPosition, &QPushButton::clicked, this, [this] { CountPositionClick(); });
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [] {});
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  KeepTypedValues();
  CloseOnEscape();
}

void TPositionForm::CountPositionClick() {
  const std::optional<PositionRecord> start = start_.Read().value;
  const std::optional<double> distance = ReadNonNegative(TextOf(edit9_));
  const std::optional<int> heading = ReadDirection(TextOf(edit10_));
  if (!start || !distance || !heading) {
    // The typed values stay, so the user can mend the one at fault.
    ctx_.platform.Message(kInvalid);
    return;
  }
  const std::optional<PositionRecord> end = DeadReckon(*start, *distance, *heading);
  if (!end) {
    ctx_.platform.Message(kBeyondPoleMessage);
    return;
  }
  end_.Show(*end);
}

}  // namespace veltrane
