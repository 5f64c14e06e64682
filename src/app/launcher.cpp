#include "app/launcher.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/launcher_picture.h"
#include "app/readme_window.h"
#include "foundation/user_files.h"
#include "foundation/ui/settings.h"

namespace veltrane {
namespace {

struct DefaultPosition {
  const char* key;
  const char* large;   // display class 2
  const char* normal;  // display classes 0 and 1
};

constexpr DefaultPosition kDefaultPositions[] = {
    {"fVeltrane", "1,24,136", "1,24,136"}, {"fGreat", "0,2,140", "0,7,119"},
    {"fMiravel", "1,-1,3", "1,-2,475"},    {"fNavi", "0,10,297", "0,10,297"},
    {"fPlanet", "0,5,4", "0,5,4"},         {"fJupiter", "0,2,393", "0,16,351"},
    {"fIdentify", "0,21,342", "0,21,342"}, {"fAlmanac", "0,20,2", "0,20,2"},
};

const char* ResFontsValue(int displayClass) { return displayClass == 2 ? "2" : "1"; }

}  // namespace

int DisplayClass(const ScreenMetrics& screen) {
  if (screen.logicalDpi > 100.0) return 2;
  if (screen.width > 1000) return 1;
  return 0;
}

void WriteDefaultPositions(AppContext& ctx, int displayClass) {
  Settings settings(ctx);
  settings.Write(kLauncherSection, "ResFonts", std::string(ResFontsValue(displayClass)));
  for (const auto& d : kDefaultPositions)
    settings.Write(kLauncherSection, d.key, std::string(displayClass == 2 ? d.large : d.normal));
  // NewSet goes with every rewrite of the defaults, so that the positions a user saves after the
  // first start are not overwritten by the defaults at the second.
  settings.Write(kLauncherSection, "NewSet", std::string("1"));
}

TVeltraneForm::TVeltraneForm(AppContext& ctx) : FormBase(ctx, "VeltraneForm", "Veltrane") {
  const bool firstStart = !QDir(QString::fromStdString(ctx.settingsFolder)).exists();
  // The copies wait on the disk: the window is built meanwhile.
  std::future<InstalledFiles> installing = PrepareSettingsFolder(firstStart);
  RestoreWindowPosition(ctx, this, "fVeltrane");
  ApplyDefaultPositions();
  BuildControls();
  if (installing.valid()) ReportInstalled(installing.get(), firstStart);
}

std::future<InstalledFiles> TVeltraneForm::PrepareSettingsFolder(bool firstStart) {
  if (firstStart && !QDir().mkpath(QString::fromStdString(ctx_.settingsFolder))) {
    std::string shown = ctx_.settingsFolder;
    if (shown.size() > 1 && shown.back() == '/') shown.pop_back();
    ctx_.platform.Message("The settings folder " + shown + " cannot be created");
    return {};
  }
  // On a thread of its own when one can be had.
  return std::async(std::launch::async | std::launch::deferred, InstallProgramFiles,
                    QDir::currentPath().toStdString() + "/", ctx_.programFolder, ctx_.settingsFolder);
}

void TVeltraneForm::ReportInstalled(const InstalledFiles& installed, bool firstStart) {
  if (firstStart && !installed.starFile) ctx_.platform.Message("Star file not in use");
  if (installed.failed.empty()) return;
  std::string names;
  for (const auto& name : installed.failed) names += (names.empty() ? "" : ", ") + name;
  ctx_.platform.Message("Could not copy " + names + " to " + ctx_.settingsFolder);
}

void TVeltraneForm::ApplyDefaultPositions() {
  const int displayClass = DisplayClass(ctx_.platform.Screen());
  std::string resFonts, newSet;
  {
    Settings settings(ctx_);
    resFonts = settings.Read(kLauncherSection, "ResFonts", std::string("-1"));
    newSet = settings.Read(kLauncherSection, "NewSet", std::string("-1"));
  }
  if (resFonts != ResFontsValue(displayClass) || newSet == "-1") WriteDefaultPositions(ctx_, displayClass);
}

void TVeltraneForm::BuildControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* row = new QHBoxLayout;
  auto makeButton = [&](const char* name, const char* caption) {
    auto* b = new QPushButton(caption, central);
    b->setObjectName(name);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setEnabled(false);
    row->addWidget(b);
    return b;
  };
  btnGreat_ = makeButton("btnGreat", "Great Circle");
  btnMiravel_ = makeButton("btnMiravel", "Miravel");
  btnNavigate_ = makeButton("btnNavigate", "Navigate");
  btnStorm_ = makeButton("btnStorm", "Storm");
  btnBrellin_ = makeButton("Brellin", "Brellin");
  layout->addLayout(row);
  auto* picture = new LauncherPicture(central);
  picture->setObjectName("Image1");
  layout->addWidget(picture);
  setCentralWidget(central);

  AddMenuAction("Exit1", "E&xit", [this] { Exit1Click(); });
  conversions1_ = AddMenuAction("Conversions1", "&Conversions", [this] {
    if (targets_.conversions) targets_.conversions->ShowForm();
  });
  conversions1_->setEnabled(false);
  QMenu* help = AddMenu("Help1", "&Help");
  AddMenuAction(help, "Help2", "&Help", [this] { OpenHelp(); });
  AddMenuAction(help, "Readme1", "&Readme", [this] { Readme1Click(); });
  update1_ = AddMenuAction(help, "Update1", "&Update", [this] {
    if (targets_.showUpdate) targets_.showUpdate();
  });
  update1_->setEnabled(false);
  AddMenuAction(help, "Program1", "&About", [this] {
    if (targets_.showAbout) targets_.showAbout();
  });

  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  adjustSize();
  setFixedSize(sizeHint());
}

void TVeltraneForm::SetTargets(LauncherTargets targets) {
  targets_ = std::move(targets);
  const std::pair<QPushButton*, FormBase*> buttons[] = {{btnGreat_, targets_.great},
                                                        {btnMiravel_, targets_.miravel},
                                                        {btnNavigate_, targets_.navigate},
                                                        {btnStorm_, targets_.storm},
                                                        {btnBrellin_, targets_.brellin}};
  for (const auto& [button, window] : buttons) {
    button->setEnabled(window != nullptr);
    disconnect(button, nullptr, this, nullptr);
    if (window) connect(button, &QPushButton::clicked, this, [window] { window->ShowForm(); });
  }
  conversions1_->setEnabled(targets_.conversions != nullptr);
  update1_->setEnabled(static_cast<bool>(targets_.showUpdate));
}

void TVeltraneForm::SaveLauncherPosition() { SaveWindowPosition(ctx_, this, "fVeltrane", "1"); }

void TVeltraneForm::Exit1Click() {
  SaveLauncherPosition();
  for (FormBase* w : targets_.withSettings)
    if (w && w->isVisible()) w->SaveSettings();
  for (QWidget* w : targets_.others)
    if (w && w->isVisible()) w->close();
  QApplication::quit();
}

void TVeltraneForm::Readme1Click() {
  const auto file = ctx_.platform.OpenFileName(ctx_.DataFolder(), "Readme.txt", "Text files (*.txt);;All files (*)");
  if (!file) return;
  auto* readme = static_cast<TReadmeForm*>(targets_.readme);
  if (!readme || !readme->LoadFile(*file)) ctx_.platform.Message("Can not be opened now");
}

void TVeltraneForm::closeEvent(QCloseEvent* event) {
  // The close box saves only the launcher's position; the other windows end without saving.
  SaveLauncherPosition();
  event->accept();
  QApplication::quit();
}

}  // namespace veltrane
