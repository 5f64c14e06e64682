#include "astronomy_ui/almanac_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <cstdio>

#include "astro/almanac_calendar.h"
#include "astro/almanac_text.h"
#include "astro/daily_pages.h"
#include "astro/ui/daily_pages_pdf.h"
#include "astronomy_ui/observer_source.h"
#include "foundation/numbers.h"
#include "foundation/text_file.h"
#include "foundation/ui/named_widgets.h"

namespace veltrane {
namespace {

constexpr int kFirstYear = -2000;
constexpr int kLastYear = 4000;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// "2026-03-20T14:46" as date and time columns.
QStringList DateAndTime(double jd) {
  const QString text = Q(MinuteText(jd));
  const int t = text.indexOf('T');
  return {text.left(t), text.mid(t + 1)};
}

}  // namespace

TAlmanacForm::TAlmanacForm(AppContext& ctx) : FormBase(ctx, "AlmanacForm", "Almanac", "fAlmanac") { CreateContents(); }

void TAlmanacForm::BuildContents() {
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  auto* top = new QHBoxLayout;
  layout->addLayout(top);
  top->addWidget(new QLabel("Year", central));
  edYear_ = NamedEdit(central, "edYear", 60);
  top->addWidget(edYear_);
  panel3_ = new QFrame(central);
  panel3_->setObjectName("Panel3");
  panel3_->setFrameShape(QFrame::Panel);
  auto* bc = new QHBoxLayout(panel3_);
  bc->setContentsMargins(4, 0, 4, 0);
  lbBChr_ = NamedLabel(panel3_, "lbBChr", "B.C.");
  bc->addWidget(lbBChr_);
  top->addWidget(panel3_);
  auto* count = NamedButton(central, "btnCount", "Count");
  connect(count, &QPushButton::clicked, this, [this] { btnCountClick(); });
  top->addWidget(count);
  rbPartial_ = new QRadioButton("partial", central);
  rbPartial_->setObjectName("rbPartial");
  rbTotal_ = new QRadioButton("total", central);
  rbTotal_->setObjectName("rbTotal");
  for (QRadioButton* rb : {rbPartial_, rbTotal_}) {
    rb->setToolTip("Planet proximities shown ");
    top->addWidget(rb);
  }
  rbPartial_->setChecked(true);
  auto* save = NamedButton(central, "btnSaveCsv", "Save as CSV");
  connect(save, &QPushButton::clicked, this, [this] { SaveCsvClick(); });
  top->addWidget(save);
  top->addStretch();
  auto* pages = new QHBoxLayout;
  layout->addLayout(pages);
  pages->addWidget(new QLabel("First day", central));
  edFirstDay_ = NamedEdit(central, "edFirstDay", 90);
  edFirstDay_->setToolTip("yyyy-mm-dd");
  edFirstDay_->setText(ctx_.platform.NowUtc().date().toString("yyyy-MM-dd"));
  pages->addWidget(edFirstDay_);
  pages->addWidget(new QLabel("Days", central));
  edDays_ = NamedEdit(central, "edDays", 50);
  edDays_->setToolTip("1 to 366");
  edDays_->setText("30");
  pages->addWidget(edDays_);
  auto* dailyPages = NamedButton(central, "btnDailyPages", "Daily pages");
  dailyPages->setToolTip("A nautical almanac's daily pages as a PDF file");
  connect(dailyPages, &QPushButton::clicked, this, [this] { btnDailyPagesClick(); });
  pages->addWidget(dailyPages);
  pages->addStretch();
  lbZone_ = NamedLabel(central, "lbZone", "");
  layout->addWidget(lbZone_);
  grid_ = new QTableWidget(0, 6, central);
  grid_->setObjectName("grdEvents");
  grid_->setHorizontalHeaderLabels({"Date UT", "UT", "Local date", "Local time", "Event", "Details"});
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setMinimumSize(760, 420);
  layout->addWidget(grid_);
  SetYear(QDate::currentDate().year(), false);
}

void TAlmanacForm::SetYear(int year, bool beforeChrist) {
  EnsureBuilt();
  edYear_->setText(QString::number(year));
  beforeChrist_ = beforeChrist;
  lbBChr_->setVisible(beforeChrist);
  panel3_->setVisible(beforeChrist);
}

double TAlmanacForm::Zone() const {
  if (!observer_) return 0.0;
  return observer_->ZoneHours().value_or(0.0);
}

void TAlmanacForm::btnCountClick() {
  const std::optional<int> typed = ParseInt(TextOf(edYear_));
  // Years B.C. count back from 1 B.C., the year 0 of the astronomers.
  const std::optional<int> year =
      typed ? std::optional<int>(beforeChrist_ ? 1 - *typed : *typed) : std::nullopt;
  if (!year || *year < kFirstYear || *year > kLastYear || (beforeChrist_ && *typed < 1)) {
    ctx_.platform.Message("Give the year as a whole number from 2001 B.C. to 4000");
    return;
  }
  zone_ = Zone();
  year_ = *year;
  events_.clear();
  for (const AlmanacEvent& e : YearEvents(*year, 0))
    if (rbTotal_->isChecked() || !IsFaintPlanetEvent(e)) events_.push_back(e);
  const double shift = -zone_;
  lbZone_->setText(QString("Local time = UT %1 %2 h").arg(shift < 0 ? "-" : "+").arg(Q(Str(std::abs(shift), 1))));
  grid_->setRowCount(static_cast<int>(events_.size()));
  int row = 0;
  for (const AlmanacEvent& e : events_) {
    const QStringList cells = DateAndTime(e.jdUt) + DateAndTime(e.jdUt - zone_ / 24.0) +
                              QStringList{Q(AlmanacEventTitle(e)), Q(AlmanacEventDetails(e))};
    for (int c = 0; c < cells.size(); ++c) grid_->setItem(row, c, new QTableWidgetItem(cells[c]));
    ++row;
  }
  grid_->resizeColumnsToContents();
}

void TAlmanacForm::SaveCsvClick() {
  if (events_.empty()) {
    ctx_.platform.Message("Count the year first");
    return;
  }
  const std::string preset = "Almanac " + std::to_string(year_) + ".csv";
  const std::optional<std::string> path = ctx_.platform.SaveFileName(ctx_.settingsFolder, preset, "CSV files (*.csv)");
  if (!path) return;
  if (!WriteFileAtomically(*path, AlmanacCsv(events_, zone_)))
    ctx_.platform.Message("Could not save " + *path);
}

void TAlmanacForm::btnDailyPagesClick() {
  // "yyyy-mm-dd"; a leading minus is a year before 1, counted the astronomers' way.
  int year = 0, month = 0, day = 0;
  char extra = 0;
  const bool dateRead = std::sscanf(TextOf(edFirstDay_).c_str(), "%d-%d-%d%c", &year, &month, &day, &extra) == 3;
  const std::optional<int> days = ParseInt(TextOf(edDays_));
  if (!dateRead || !days) {
    ctx_.platform.Message("Give the first day as yyyy-mm-dd and the number of days as a whole number");
    return;
  }
  const std::string refused = DailyPagesRequestError(year, month, day, *days);
  if (!refused.empty()) {
    ctx_.platform.Message(refused);
    return;
  }
  const std::string preset = "Daily pages " + TextOf(edFirstDay_) + ".pdf";
  const std::optional<std::string> path = ctx_.platform.SaveFileName(ctx_.settingsFolder, preset, "PDF files (*.pdf)");
  if (!path) return;
  const DailyPagesPdfResult written = WriteDailyPagesPdf(DailyPages(year, month, day, *days).days, *path);
  if (!written.message.empty()) {
    ctx_.platform.Message(written.message);
    return;
  }
  ctx_.platform.OpenUrl(QUrl::fromLocalFile(QString::fromStdString(*path)).toString().toStdString());
}

}  // namespace veltrane
