#include "astronomy_ui/miravel_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "astronomy_ui/almanac_window.h"
#include "astronomy_ui/body_window.h"
#include "foundation/calendar.h"
#include "foundation/checks.h"
#include "foundation/numbers.h"
#include "foundation/text_file.h"
#include "foundation/ui/clock.h"
#include "foundation/ui/named_widgets.h"
#include "foundation/ui/settings.h"
#include "greatcircle/position_file.h"

namespace veltrane {
namespace {

constexpr const char* kSection = "MiravelForm";
constexpr const char* kLocationMessage =
    "Give the location in degrees and minutes; height, pressure and temperature in integers";
// "Delta" is offered from this year on: older years have the program's own Delta T.
constexpr int kFirstDeltaYear = 2011;
constexpr int kLastYear = 4000;
constexpr int kFirstYearBC = 2001;  // the year -2000 of the astronomers

struct BodyButton {
  const char* name;
  const char* label;
};
constexpr BodyButton kBodyButtons[] = {
    {"Sun", "SUN"},         {"Moon", "MOON"},     {"Mercury", "MERCURY"}, {"Venus", "VENUS"},   {"Mars", "MARS"},
    {"Jupiter", "JUPITER"}, {"Saturn", "SATURN"}, {"Uranus", "URANUS"},   {"Neptune", "NEPTUNE"},
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A leading "0" of a place file's degrees or minutes is dropped ("05" shows as "5").
std::string WithoutLeadingZero(const std::string& text) {
  return text.size() > 1 && text[0] == '0' && text[1] != '.' ? text.substr(1) : text;
}

QLineEdit* Field(QWidget* parent, const char* name, int width, const char* hint = nullptr) {
  QLineEdit* e = NamedEdit(parent, name, width);
  if (hint) e->setToolTip(hint);
  return e;
}

}  // namespace

TMiravelForm::TMiravelForm(AppContext& ctx) : FormBase(ctx, "MiravelForm", "Miravel", "fMiravel") {
  // The clock runs from the start, shown or not: the celestial navigation window shows it too.
  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(1000);
  connect(timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
  timer1_->start();
  CreateContents();
}

void TMiravelForm::BuildContents() {
  BuildControls();
  Platform& p = ctx_.platform;
  edtTime_->setText(p.NowUtc().toString("hh:mm:ss"));
  edLocTime_->setText(p.NowLocal().toString("hh:mm:ss"));
  edit5_->setText(Q(ZoneDifferenceText(p)));
  LoadSettings();
  dateTimePicker1_->setDate(p.NowUtc().date());
  DateChanged();
  LoadPlaceNames(false);
  Timer1Timer();
}

TMiravelForm::~TMiravelForm() { timer1_->stop(); }

void TMiravelForm::BuildControls() {
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("About1", "&About", [this] {
    if (links_.showAbout) links_.showAbout();
  });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);

  auto* location = new QGroupBox("Location", central);
  layout->addWidget(location);
  auto* loc = new QHBoxLayout(location);
  cbxPlace_ = new QComboBox(location);
  cbxPlace_->setObjectName("cbxPlace");
  cbxPlace_->setEditable(true);
  cbxPlace_->setInsertPolicy(QComboBox::NoInsert);
  cbxPlace_->lineEdit()->setMaxLength(20);
  cbxPlace_->setMaxVisibleItems(16);
  cbxPlace_->setMinimumWidth(170);
  cbxPlace_->setToolTip("Select from drop-down list. Countries are in alphabetical order according to ARRL");
  // A place picked from the list (again, too) is applied; typing a name is not picking it.
  auto apply = [this] {
    const QString text = cbxPlace_->currentText();
    if (!text.isEmpty()) ApplyPlace(text.toStdString());
  };
  connect(cbxPlace_, &QComboBox::currentIndexChanged, this, apply);
  connect(cbxPlace_, &QComboBox::activated, this, apply);
  auto* save = NamedButton(location, "BitBtn1", "S");
  save->setToolTip("Save to file");
  connect(save, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  loc->addWidget(cbxPlace_);
  loc->addWidget(save);
  loc->addStretch();

  auto* place = new QGroupBox("Position", central);
  layout->addWidget(place);
  auto* grid = new QGridLayout(place);
  position_ = PositionFields::Create(place, {{"Edit1", "Edit2", "RadioButton1", "RadioButton2"},
                                             {"Edit3", "Edit4", "RadioButton3", "RadioButton4"}});
  position_.Place(grid, 0);
  WatchEntries(position_.EntryChecks(ctx_.platform));

  auto* when = new QGroupBox("Date and time", central);
  layout->addWidget(when);
  auto* w = new QGridLayout(when);
  dateTimePicker1_ = new QDateEdit(when);
  dateTimePicker1_->setObjectName("DateTimePicker1");
  dateTimePicker1_->setDisplayFormat("yyyy-MM-dd");
  dateTimePicker1_->setCalendarPopup(true);
  dateTimePicker1_->setDateRange(QDate(1, 1, 1), QDate(kLastYear, 12, 31));
  connect(dateTimePicker1_, &QDateEdit::dateChanged, this, [this] { DateChanged(); });
  lbWeekday_ = NamedLabel(when, "lbWeekday", "");
  chBChr_ = new QCheckBox("B.C.", when);
  chBChr_->setObjectName("chBChr");
  connect(chBChr_, &QCheckBox::toggled, this, [this] { DateChanged(); });
  w->addWidget(new QLabel("Date ", when), 0, 0);
  w->addWidget(dateTimePicker1_, 0, 1);
  w->addWidget(lbWeekday_, 0, 2);
  w->addWidget(chBChr_, 0, 3);
  edtTime_ = Field(when, "edtTime", 80);
  edtTime_->setInputMask("99:99:99");
  connect(edtTime_, &QLineEdit::textChanged, this, [this] {
    UpdateLocalTime();
    CloseJupiter();
  });
  btClock1_ = NamedButton(when, "btClock1", "00:00:00");
  btClock1_->setToolTip("Now, in UTC");
  connect(btClock1_, &QPushButton::clicked, this, [this] { btClock1Click(); });
  rbPcTime_ = new QRadioButton("PC Time", when);
  rbPcTime_->setObjectName("rbPcTime");
  rbOthTime_ = new QRadioButton("Other Time", when);
  rbOthTime_->setObjectName("rbOthTime");
  rbPcTime_->setChecked(true);
  connect(rbPcTime_, &QRadioButton::clicked, this, [this] { rbPcTimeClick(); });
  connect(rbOthTime_, &QRadioButton::clicked, this, [this] { rbOthTimeClick(); });
  w->addWidget(new QLabel("Time Utc", when), 1, 0);
  w->addWidget(edtTime_, 1, 1);
  w->addWidget(btClock1_, 1, 2);
  w->addWidget(rbPcTime_, 1, 3);
  w->addWidget(rbOthTime_, 1, 4);
  edLocTime_ = Field(when, "edLocTime", 80);
  edLocTime_->setReadOnly(true);
  edLocTime_->setStyleSheet("background: #d4d0c8");
  w->addWidget(new QLabel("Local Time", when), 2, 0);
  w->addWidget(edLocTime_, 2, 1);
  edit5_ = Field(when, "Edit5", 50, "Difference in hours");
  connect(edit5_, &QLineEdit::textChanged, this, [this] { UpdateLocalTime(); });
  w->addWidget(new QLabel("Utc - Local Time", when), 3, 0);
  w->addWidget(edit5_, 3, 1);
  w->addWidget(new QLabel("hours", when), 3, 2);

  auto* air = new QGroupBox("Observer", central);
  layout->addWidget(air);
  auto* a = new QGridLayout(air);
  edtHeight_ = Field(air, "edtHeight", 60);
  edtPressure_ = Field(air, "edtPressure", 60, "Integer millibars");
  edtTemperature_ = Field(air, "edtTemperature", 60, "Integer degrees");
  AddFieldRow(a, 0, "Obs Height", edtHeight_, "meters");
  AddFieldRow(a, 1, "Pressure", edtPressure_, "mb");
  AddFieldRow(a, 2, "Temperature", edtTemperature_, "C");
  WatchEntry(edtHeight_, [this](const std::string& t) { return CheckRealRange(t, 8900, ctx_.platform); });
  edDelta_ = Field(air, "edDelta", 60, "Latest value may be given");
  deltaPanel_ = NamedPanel(air, "pnDelta", "Delta", {edDelta_, new QLabel("s", air)});
  a->addWidget(deltaPanel_, 3, 0, 1, 3);

  auto* buttons = new QGridLayout;
  layout->addLayout(buttons);
  int i = 0;
  for (const BodyButton& b : kBodyButtons) {
    QPushButton* btn = NamedButton(central, b.name, b.name);
    const std::string label = b.label;
    connect(btn, &QPushButton::clicked, this, [this, label] { BodyClick(label); });
    buttons->addWidget(btn, i / 4, i % 4);
    ++i;
  }
  findChild<QPushButton*>("Moon")->setToolTip("Click two times");
  const struct {
    const char* name;
    void (TMiravelForm::*handler)();
  } commands[] = {{"Stars", &TMiravelForm::StarsClick},
                  {"Identify", &TMiravelForm::IdentifyClick},
                  {"Almanac", &TMiravelForm::AlmanacClick}};
  for (const auto& c : commands) {
    QPushButton* btn = NamedButton(central, c.name, c.name);
    connect(btn, &QPushButton::clicked, this, [this, h = c.handler] { (this->*h)(); });
    buttons->addWidget(btn, i / 4, i % 4);
    ++i;
  }
  label9_ = NamedLabel(central, "Label9", "");
  label9_->hide();
}

void TMiravelForm::LoadSettings() {
  Settings s(ctx_);
  auto value = [&s](const char* key) { return s.Read(kSection, key, std::string()); };
  // A value is applied only when it is there; "-1" is a temperature like any other.
  auto apply = [&value](QLineEdit* edit, const char* key) {
    const std::string v = value(key);
    if (!v.empty()) edit->setText(Q(v));
  };
  if (value("LatDeg").empty()) {
    position_.lat.SetText({"60", "9.7", false});
    position_.lon.SetText({"24", "57.3", true});
    edtHeight_->setText("0");
    edtPressure_->setText("1010");
    edtTemperature_->setText("10");
    cbxPlace_->setEditText("Helsinki");
    return;
  }
  position_.lat.SetText({value("LatDeg"), value("LatMin"), value("LatPos") == "S"});
  position_.lon.SetText({value("LonDeg"), value("LonMin"), value("LonPos") == "E"});
  apply(edtHeight_, "Height");
  apply(edtTemperature_, "Temp");
  apply(edtPressure_, "Pressure");
  apply(edDelta_, "Delta");
  const std::string place = value("Place");
  if (!place.empty()) cbxPlace_->setEditText(Q(place));
}

void TMiravelForm::SaveSettings() {
  Settings s(ctx_);
  WritePositionKeys(s, kSection, {position_.lat.Text(), position_.lon.Text()});
  s.Write(kSection, "Height", TextOf(edtHeight_));
  s.Write(kSection, "Temp", TextOf(edtTemperature_));
  s.Write(kSection, "Pressure", TextOf(edtPressure_));
  s.Write(kSection, "Place", cbxPlace_->currentText().toStdString());
  s.Write(kSection, "Delta", TextOf(edDelta_));
}

void TMiravelForm::FormClose() { SaveSettings(); }

void TMiravelForm::showEvent(QShowEvent* event) {
  FormBase::showEvent(event);
  if (!namesReported_) LoadPlaceNames(true);
}

std::string TMiravelForm::PlaceFile() const { return ctx_.DataFolder() + kPositionFileName; }

void TMiravelForm::LoadPlaceNames(bool reportMissing) {
  const std::optional<std::vector<std::string>> lines = ReadTextLines(PlaceFile());
  if (!lines) {
    if (reportMissing) {
      namesReported_ = true;
      ctx_.platform.Message(std::string(" File missing or cannot be opened ") + kPositionFileName);
    }
    return;
  }
  if (reportMissing) namesReported_ = true;
  const QString typed = cbxPlace_->currentText();
  const QSignalBlocker quiet(cbxPlace_);
  cbxPlace_->clear();
  for (const std::string& name : PlaceNames(*lines)) cbxPlace_->addItem(Q(name));
  cbxPlace_->setEditText(typed);
}

void TMiravelForm::PlaceFileChanged() {
  if (ContentsBuilt()) LoadPlaceNames(false);  // else the list is read when the window is built
}

void TMiravelForm::ApplyPlace(const std::string& name) {
  const std::optional<std::vector<std::string>> lines = ReadTextLines(PlaceFile());
  if (!lines) return;
  const std::optional<NamedPosition> place = FindPlace(*lines, name);
  if (!place) return;
  position_.lat.SetText({WithoutLeadingZero(place->latDeg), WithoutLeadingZero(place->latMin), !place->north});
  position_.lon.SetText({WithoutLeadingZero(place->lonDeg), WithoutLeadingZero(place->lonMin), !place->west});
  if (!place->zone.empty()) edit5_->setText(Q(place->zone));
  edtTime_->setText(btClock1_->text());
  UpdateLocalTime();
}

void TMiravelForm::BitBtn1Click() {
  const std::string name = TrimBlanks(cbxPlace_->currentText().toStdString());
  if (position_.lat.IsEmpty() || position_.lon.IsEmpty() || name.empty()) {
    ctx_.platform.Message("Coordinates missing");
    return;
  }
  if (!IsPlaceName(name)) {
    ctx_.platform.Message("A place name cannot hold \"=\" or a line break");
    return;
  }
  position_.lat.FillBlankMinutes();
  position_.lon.FillBlankMinutes();
  const AngleText lat = position_.lat.Text();
  const AngleText lon = position_.lon.Text();
  const NamedPosition place{name, lat.deg, lat.min, !lat.minus, lon.deg, lon.min, !lon.minus,
                            GetField(TrimBlanks(TextOf(edit5_)), ' ', 0)};
  switch (AppendPlace(PlaceFile(), place)) {
    case AppendResult::Appended:
      ctx_.platform.Message(std::string("Position saved in ") + kPositionFileName);
      LoadPlaceNames(false);
      for (PlaceFileListener* listener : links_.placeListeners) listener->PlaceFileChanged();
      break;
    case AppendResult::Exists:
      ctx_.platform.Message(name + " is already in " + kPositionFileName);
      break;
    case AppendResult::Failed:
      ctx_.platform.Message("Position could not be saved to " + PlaceFile());
      break;
  }
}

void TMiravelForm::UpdateLocalTime() {
  const std::optional<double> zone = ZoneHours();
  edLocTime_->setText(zone ? Q(ShiftTimeText(TextOf(edtTime_), *zone)) : QString());
}

std::optional<double> TMiravelForm::ZoneHours() {
  EnsureBuilt();
  const std::optional<double> zone = ParseReal(TrimBlanks(TextOf(edit5_)));
  if (!zone || *zone < -14.0 || *zone > 14.0) return std::nullopt;
  return zone;
}

void TMiravelForm::DateChanged() {
  const QDate date = dateTimePicker1_->date();
  const bool bc = chBChr_->isChecked();
  deltaPanel_->setVisible(date.year() >= kFirstDeltaYear && !bc);
  // The weekday of the program's calendar (Julian before 1582), counted from the Julian day.
  const double jd0 = JulianDay(DateRecFromDate(date), 0.0, bc).jd0;
  const long days = static_cast<long>(std::floor(jd0 + 1.5));
  lbWeekday_->setText(Q(WeekdayName(static_cast<int>((days % 7 + 7) % 7) + 1)));
  CloseJupiter();
}

void TMiravelForm::CloseJupiter() {
  if (links_.jupiter && links_.jupiter->isVisible()) links_.jupiter->close();
}

void TMiravelForm::btClock1Click() {
  const QDateTime now = ctx_.platform.NowUtc();
  dateTimePicker1_->setDate(now.date());
  edtTime_->setText(now.toString("hh:mm:ss"));
  UpdateLocalTime();
}

void TMiravelForm::rbPcTimeClick() {
  Platform& p = ctx_.platform;
  edit5_->setText(Q(ZoneDifferenceText(p)));
  edtTime_->setText(p.NowUtc().toString("hh:mm:ss"));
  edLocTime_->setText(p.NowLocal().toString("hh:mm:ss"));
}

void TMiravelForm::rbOthTimeClick() {
  const std::string name = cbxPlace_->currentText().toStdString();
  if (!TrimBlanks(name).empty()) ApplyPlace(name);
}

void TMiravelForm::Timer1Timer() {
  const std::string now = ctx_.platform.NowUtc().toString("hh:mm:ss").toStdString();
  if (ContentsBuilt()) btClock1_->setText(Q(now));
  if (links_.clock) links_.clock->ShowUtc(now);
}

std::optional<ObserverReading> TMiravelForm::ReadObserver() {
  EnsureBuilt();
  ObserverReading r;
  const PositionReading place = position_.Read();
  const std::optional<double> height = ParseReal(TextOf(edtHeight_));
  const std::optional<double> pressure = ParseReal(TextOf(edtPressure_));
  const std::optional<double> temperature = ParseReal(TextOf(edtTemperature_));
  if (!place.value || !height || *height < 0.0 || *height > 8900.0 || !pressure || *pressure < 0.0 ||
      *pressure > 1200.0 || !temperature || *temperature < -90.0 || *temperature > 60.0) {
    ctx_.platform.Message(kLocationMessage);
    return std::nullopt;
  }
  r.observer = {place.value->Lat, place.value->Lon, *height, *pressure, *temperature};

  r.date = dateTimePicker1_->date();
  r.beforeChrist = chBChr_->isChecked();
  TDateRec date = DateRecFromDate(r.date);
  const int year = r.beforeChrist ? 1 - date.Year : date.Year;
  if (!r.date.isValid() || (r.beforeChrist && date.Year > kFirstYearBC) ||
      !IsCalendarDay(year, date.Month, date.Day)) {
    ctx_.platform.Message("Date error");
    return std::nullopt;
  }
  r.utText = TextOf(edtTime_);
  const std::optional<TTimeRec> time = ParseTimeText(r.utText);
  const double hours = time ? time->Hour + time->Minute / 60.0 + time->Second / 3600.0 : 0.0;
  if (!time || hours >= 24.0) {
    ctx_.platform.Message("Give the time as hh:mm:ss");
    return std::nullopt;
  }
  const std::optional<double> zone = ZoneHours();
  if (!zone) {
    ctx_.platform.Message("Give the difference Utc - Local Time in hours, -14 to 14");
    return std::nullopt;
  }
  r.zoneHours = *zone;
  const JulianCenturiesResult jc = JulianCenturies(date, hours, r.beforeChrist);
  r.instant.jd0 = jc.jd0;
  r.instant.hours = hours;
  r.instant.deltaT = DeltaT(jc.t);
  // A Delta typed where it is offered replaces the program's own.
  const std::string delta = TrimBlanks(TextOf(edDelta_));
  if (!deltaPanel_->isHidden() && !delta.empty()) {
    const std::optional<double> typed = ParseReal(delta);
    if (!typed || *typed < -1000.0 || *typed > 1000.0) {
      ctx_.platform.Message("Give Delta in seconds, TD - UT");
      return std::nullopt;
    }
    r.instant.deltaT = *typed;
  }
  r.localText = TextOf(edLocTime_);
  r.weekday = lbWeekday_->text().toStdString();
  return r;
}

void TMiravelForm::BodyClick(const std::string& label) {
  label9_->setText(Q(label));
  if (links_.body) links_.body->ShowBody(label);
}

void TMiravelForm::StarsClick() {
  label9_->setText("STAR");
  if (links_.stars) links_.stars->PickStar(StarUse::Values, links_.body);
}

void TMiravelForm::IdentifyClick() {
  if (links_.identify) links_.identify->ShowForm();
}

void TMiravelForm::AlmanacClick() {
  if (!links_.almanac) return;
  links_.almanac->SetYear(dateTimePicker1_->date().year(), chBChr_->isChecked());
  links_.almanac->ShowForm();
}

}  // namespace veltrane
