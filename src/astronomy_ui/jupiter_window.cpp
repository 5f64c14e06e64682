#include "astronomy_ui/jupiter_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "astronomy_ui/observer_source.h"
#include "foundation/numbers.h"
#include "foundation/ui/click_label.h"
#include "foundation/ui/named_widgets.h"

namespace veltrane {

// Jupiter and the satellites' numbers; north up and west right unless inverted.
class JupiterPicture : public QWidget {
 public:
  explicit JupiterPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("PaintBox1");
    setFixedSize(400, 300);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
  }
  void Set(std::optional<JupiterMoons> moons, bool inverted) {
    moons_ = moons;
    inverted_ = inverted;
    update();
  }
  std::array<PicturePoint, 4> Places() const {
    return moons_ ? JupiterLabelPlaces(*moons_, width(), inverted_) : std::array<PicturePoint, 4>{};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!moons_) return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(255, 0, 255), 2));
    const PictureBox disc = JupiterDisc(width());
    painter.drawEllipse(QRect(QPoint(disc.left, disc.top), QPoint(disc.right, disc.bottom)));
    const auto places = Places();
    for (size_t i = 0; i < places.size(); ++i)
      painter.drawText(places[i].x, places[i].y, QString::number(i + 1));
  }

 private:
  std::optional<JupiterMoons> moons_;
  bool inverted_ = false;
};

TJupiterForm::TJupiterForm(AppContext& ctx)
    : FormBase(ctx, "JupiterForm", "The 4 Satellites of Jupiter", "fJupiter") {
  CreateContents();
}

void TJupiterForm::BuildContents() {
  AddMenuAction("Close1", "&Close", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  AddMenuAction("Help1", "&Help", [this] { OpenHelp(); });
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* columns = new QHBoxLayout(central);

  auto* fields = new QGridLayout;
  columns->addLayout(fields);
  fields->addWidget(new QLabel("Kuu nr", central), 0, 0);
  const char* heads[] = {"X", "Y", "px", "py"};
  for (int c = 0; c < 4; ++c) fields->addWidget(new QLabel(heads[c], central), 0, c + 1);
  for (int i = 0; i < 4; ++i) {
    const std::string n = std::to_string(i + 1);
    fields->addWidget(new QLabel(QString::fromStdString(n), central), i + 1, 0);
    QLineEdit** columnsOfRow[] = {&edX_[i], &edY_[i], &edPx_[i], &edPy_[i]};
    const char* prefixes[] = {"edX", "edY", "edPx", "edPy"};
    for (int c = 0; c < 4; ++c) {
      QLineEdit* e = NamedEdit(central, (prefixes[c] + n).c_str(), 60);
      e->setReadOnly(true);
      if (c < 2) e->setToolTip("Apparent rectangular coordinate");
      fields->addWidget(e, i + 1, c + 1);
      *columnsOfRow[c] = e;
    }
  }
  label14_ = new ClickLabel("Label14", "Date", central);
  lbLocal_ = new ClickLabel("lbLocal", "Local time", central);
  lbWeekday_ = NamedLabel(central, "lbWeekday", "");
  connect(label14_, &ClickLabel::clicked, this, [this] { RefreshTimeLabels(); });
  connect(lbLocal_, &ClickLabel::clicked, this, [this] { RefreshTimeLabels(); });
  fields->addWidget(label14_, 5, 0, 1, 3);
  fields->addWidget(lbWeekday_, 5, 3, 1, 2);
  fields->addWidget(lbLocal_, 6, 0, 1, 5);
  cbTelescope_ = new QCheckBox("Inverted view", central);
  cbTelescope_->setObjectName("cbTelescope");
  connect(cbTelescope_, &QCheckBox::clicked, this, [this] { cbTelescopeClick(); });
  fields->addWidget(cbTelescope_, 7, 0, 1, 5);
  memo_ = new QPlainTextEdit(central);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  fields->addWidget(memo_, 8, 0, 1, 5);

  auto* sky = new QGridLayout;
  columns->addLayout(sky);
  picture_ = new JupiterPicture(central);
  sky->addWidget(new QLabel("N", central), 0, 1, Qt::AlignHCenter);
  sky->addWidget(new QLabel("E", central), 1, 0);
  sky->addWidget(picture_, 1, 1);
  sky->addWidget(new QLabel("W", central), 1, 2);
  sky->addWidget(new QLabel("S", central), 2, 1, Qt::AlignHCenter);
}

void TJupiterForm::ShowSatellites(double jd0, double hours) {
  EnsureBuilt();
  moons_ = JupiterSatellites(jd0, hours);
  QStringList legend;
  for (const char* line : kJupiterLegend) legend << QString::fromUtf8(line);
  memo_->setPlainText(legend.join('\n'));
  for (int i = 0; i < 4; ++i) {
    edX_[i]->setText(QString::fromStdString(Str(RoundToScale((*moons_)[i].x, 100.0), 2)));
    edY_[i]->setText(QString::fromStdString(Str(RoundToScale((*moons_)[i].y, 100.0), 2)));
  }
  cbTelescopeClick();
  RefreshTimeLabels();
  ShowForm();
}

void TJupiterForm::cbTelescopeClick() {
  picture_->Set(moons_, cbTelescope_->isChecked());
  const auto places = picture_->Places();
  for (int i = 0; i < 4; ++i) {
    edPx_[i]->setText(moons_ ? QString::number(places[i].x) : QString());
    edPy_[i]->setText(moons_ ? QString::number(places[i].y) : QString());
  }
}

void TJupiterForm::RefreshTimeLabels() {
  if (!observer_) return;
  const std::optional<ObserverReading> at = observer_->ReadObserver();
  if (!at) return;
  label14_->setText("Date " + at->date.toString("yyyy-MM-dd") + (at->beforeChrist ? " B.C." : "") + "  UT " +
                    QString::fromStdString(at->utText));
  lbLocal_->setText("Local time " + QString::fromStdString(at->localText));
  lbWeekday_->setText(QString::fromStdString(at->weekday));
}

}  // namespace veltrane
