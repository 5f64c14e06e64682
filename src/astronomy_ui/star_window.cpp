#include "astronomy_ui/star_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "astro/star_record.h"
#include "foundation/text_file.h"
#include "foundation/ui/named_widgets.h"

namespace veltrane {
namespace {

constexpr int kColumns = 7;
constexpr int kColumnWidth = 75;
constexpr int kRowHeight = 18;
constexpr const char* kStarFile = "Mstars.dat";
constexpr const char* kMsgChooseStar = "A star must be chosen";
// Longest text each box takes: name, RA, Dec, two proper motions, SAO, magnitude.
constexpr int kBoxLength[kColumns] = {15, 12, 12, 8, 8, 6, 4};

std::vector<std::string> Cells(const StarRecord& s) {
  return {s.name, s.ra, s.dec, s.prpA, s.prpD, s.sao, s.vmagn};
}

}  // namespace

std::vector<StarListLine> StarListLayout(const std::vector<bool>& rowHasRa, int lineHeight) {
  std::vector<StarListLine> lines;
  int counter = 3, page = 0, y = 200;
  for (bool hasRa : rowHasRa) {
    ++counter;
    if (counter > (page == 0 ? 50 : 47)) {
      counter = 0;
      ++page;
      y = 120;
    }
    if (hasRa) y += lineHeight + 10;
    lines.push_back({page, y});
  }
  return lines;
}

TStarForm::TStarForm(AppContext& ctx) : FormBase(ctx, "StarForm", "Star", "fStar") { CreateContents(); }

void TStarForm::BuildContents() {
  BuildControls();
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("PrintForm1", "&Print Form", [this] { PrintForm(); });
  AddMenuAction("PrintStarlist1", "Print &Starlist", [this] { PrintStarlist(); });
}

void TStarForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  auto* boxes = new QGridLayout;
  struct Box {
    const char* name;
    const char* caption;
    const char* hint;
  };
  const Box rows[kColumns] = {
      {"Edit1", "Star", ""},
      {"Edit2", "Right Ascension", "Epoch 2000"},
      {"Edit3", "Declination", "Epoch 2000"},
      {"Edit4", "PrpA", "Proper motion in Right Ascension"},
      {"Edit5", "PrpD", "Proper motion in Declination"},
      {"Edit6", "SAO", "Smithsonian Astrophysical Observatory catalogue number"},
      {"Edit7", "Vmagn", "Apparent visual magnitude"},
  };
  int r = 0;
  for (const Box& b : rows) {
    QLineEdit* edit = NamedEdit(central, b.name, 110);
    edit->setToolTip(b.hint);
    AddFieldRow(boxes, r++, b.caption, edit, {});
    boxes_.push_back(edit);
  }
  btnValues_ = NamedButton(central, "btnValues", "Star Values");
  btnValues_->setToolTip("Count the values of the star in left side boxes");
  starFix_ = NamedButton(central, "StarFix", "Star Fix");
  boxes->addWidget(btnValues_, r++, 0, 1, 2);
  boxes->addWidget(starFix_, r++, 0, 1, 2);
  boxes->setRowStretch(r, 1);
  row->addLayout(boxes);
  connect(btnValues_, &QPushButton::clicked, this, [this] { Take(StarUse::Values); });
  connect(starFix_, &QPushButton::clicked, this, [this] { Take(StarUse::Fix); });

  auto* list = new QVBoxLayout;
  auto* headings = new QHBoxLayout;
  headings->setSpacing(0);
  for (const char* h : {"Name", "RAscension", "Declination", "PrpA", "PrpD", "SAO", "Vmagn"}) {
    auto* label = new QLabel(h, central);
    label->setFixedWidth(kColumnWidth);
    headings->addWidget(label);
  }
  headings->addStretch();
  list->addLayout(headings);
  grid_ = new QTableWidget(0, kColumns, central);
  grid_->setObjectName("StringGrid1");
  grid_->setToolTip("Click the star");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
  grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setMinimumSize(kColumns * kColumnWidth + 20, 20 * kRowHeight);
  connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { RowClick(row); });
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) { RowClick(row); });
  list->addWidget(grid_);
  lblNumberStars_ = NamedLabel(central, "lblNumberStars", {});
  list->addWidget(lblNumberStars_);
  row->addLayout(list);
  setCentralWidget(central);
}

void TStarForm::PickStar(StarUse use, StarTaker* taker) {
  EnsureBuilt();
  use_ = use;
  taker_ = taker;
  ShowForm();
}

void TStarForm::showEvent(QShowEvent* event) {
  FormBase::showEvent(event);
  LoadList();
  btnValues_->setVisible(use_ == StarUse::Values);
  starFix_->setVisible(use_ == StarUse::Fix);
}

void TStarForm::LoadList() {
  for (QLineEdit* box : boxes_) box->clear();
  const std::string path = ctx_.settingsFolder + kStarFile;
  if (!FileExists(path)) {
    ctx_.platform.Message(" File " + path + " is missing.");
    return;
  }
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) {
    ctx_.platform.Message(" File " + path + " cannot be read.");
    return;
  }
  const std::vector<StarRecord> stars = DecodeStarFile(*bytes);
  const QSignalBlocker quiet(grid_);
  grid_->clearContents();
  grid_->setRowCount(static_cast<int>(stars.size()));
  for (size_t k = 0; k < stars.size(); ++k) {
    const std::vector<std::string> cells = Cells(stars[k]);
    for (int c = 0; c < kColumns; ++c)
      grid_->setItem(static_cast<int>(k), c, new QTableWidgetItem(QString::fromStdString(cells[c])));
  }
  // The first record is counted as the list's title.
  const int count = stars.empty() ? 0 : static_cast<int>(stars.size()) - 1;
  lblNumberStars_->setText(QString("The number of stars in the file: %1").arg(count));
  if (bytes->empty() || bytes->size() % kStarRecordSize != 0)
    ctx_.platform.Message(" File " + path + " is damaged: " + std::to_string(stars.size()) + " stars read.");
}

void TStarForm::RowClick(int row) {
  if (row < 0 || row >= grid_->rowCount()) return;
  for (int c = 0; c < kColumns; ++c) {
    const QTableWidgetItem* item = grid_->item(row, c);
    boxes_[c]->setText(item ? item->text().left(kBoxLength[c]) : QString());
  }
}

ChosenStar TStarForm::Boxes() const {
  return {TextOf(boxes_[0]), TextOf(boxes_[1]), TextOf(boxes_[2]), TextOf(boxes_[3]),
          TextOf(boxes_[4]), TextOf(boxes_[5]), TextOf(boxes_[6])};
}

void TStarForm::Take(StarUse use) {
  if (boxes_[0]->text().isEmpty()) {
    ctx_.platform.Message(kMsgChooseStar);
    return;
  }
  if (use == StarUse::Fix) hide();
  if (taker_) taker_->TakeStar(Boxes());
}

void TStarForm::PrintStarlist() {
  auto printer = ctx_.platform.BeginPrint(this);
  if (!printer) return;
  QPainter painter(printer.get());
  const int lineHeight = painter.viewport().height() / 60;
  QFont font = painter.font();
  font.setPointSize(16);
  painter.setFont(font);
  painter.drawText(860, 50, "List of Stars for Navigation");
  font.setPointSize(10);
  painter.setFont(font);
  std::vector<bool> hasRa;
  for (int r = 0; r < grid_->rowCount(); ++r) {
    const QTableWidgetItem* ra = grid_->item(r, 1);
    hasRa.push_back(ra && !ra->text().isEmpty());
  }
  const std::vector<StarListLine> lines = StarListLayout(hasRa, lineHeight);
  int page = 0, y = 200;
  for (size_t r = 0; r < lines.size(); ++r) {
    if (lines[r].page != page) {
      printer->newPage();
      page = lines[r].page;
      painter.drawText(1200, 50, QString::number(page + 1));
    }
    y = lines[r].y;
    for (int c = 0; c < kColumns; ++c) {
      const QTableWidgetItem* item = grid_->item(static_cast<int>(r), c);
      if (item) painter.drawText(300 + 310 * c, y, item->text());
    }
  }
  painter.drawText(300, y + 100, lblNumberStars_->text());
}

}  // namespace veltrane
