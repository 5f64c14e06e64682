#include "app/program_start.h"

#include "app/batch_platform.h"
#include "app/launcher.h"
#include "app/readme_window.h"
#include "foundation/paths.h"
#include "foundation/ui/veltrane_application.h"
#include "update/ui/about_box.h"
#include "update/ui/update_window.h"
// Window headers of the sub-programs (keep in creation order).
#include "astronomy_ui/miravel_window.h"
#include "astronomy_ui/almanac_window.h"
#include "astronomy_ui/body_window.h"
#include "astronomy_ui/identify_window.h"
#include "astronomy_ui/star_window.h"
#include "coastal/ui/bearings_window.h"
#include "coastal/ui/meeting_course_window.h"
#include "coastal/ui/cross_bearings_window.h"
#include "coastal/ui/distance_off_window.h"
#include "coastal/ui/navigation_window.h"
#include "coastal/ui/sailing_window.h"
#include "coastal/ui/tides_window.h"
#include "coastal/ui/wind_window.h"
#include "storm/ui/pressure_window.h"
#include "storm/ui/storm_centre_window.h"
#include "storm/ui/storm_window.h"
#include "storm/ui/storm_position_window.h"
#include "celestial/ui/celestial_window.h"
#include "celestial/ui/sight_log_window.h"
#include "greatcircle/ui/great_circle_window.h"
#include "convert/ui/conversions_window.h"
#include "greatcircle/ui/position_editor_window.h"
#include "greatcircle/ui/confirmation_dialog.h"
#include "storm/ui/indications_window.h"
#include "storm/ui/avoidance_window.h"
#include "storm/ui/avoidance_plot_window.h"
#include "astronomy_ui/jupiter_window.h"

namespace veltrane {

template <class T, class... Links>
T* Program::Create(Links... links) {
  auto window = std::make_unique<T>(ctx_, links...);
  T* raw = window.get();
  windows_.push_back(std::move(window));
  return raw;
}

Program::Program(Platform& platform, std::string settingsFolder, std::string programFolder)
    : ctx_{platform, std::move(settingsFolder), std::move(programFolder)} {
  // A quick start: each window is created and placed now, and built when it is first shown.
  ctx_.buildOnFirstShow = true;
  launcher_ = Create<TVeltraneForm>();
  LauncherTargets t;
  // The rest in the program's order, each wired to the windows it reaches once both exist; a
  // sub-program's windows join here as they are built:
  // astronomy main, pressure, great circle, almanac, planet, identification, star, bearing,
  // course, cross bearing, distance off, navigation, sailing, tide, wind, about box,
  // storm centre, storm, storm position, celestial navigation, conversions, indications,
  // avoidance, avoidance plot, readme, second about box, position editor, confirmation, Jupiter.
  auto* miravel = Create<TMiravelForm>();
  t.miravel = miravel;
  t.withSettings.push_back(miravel);
  auto* pressure = Create<TPressureForm>();
  t.others.push_back(pressure);
  auto* great = Create<TGreatForm>();
  t.great = great;
  t.others.push_back(great);
  auto* almanac = Create<TAlmanacForm>();
  t.others.push_back(almanac);
  auto* body = Create<TPlanetForm>();
  t.others.push_back(body);
  auto* identify = Create<TIdentifyForm>();
  t.others.push_back(identify);
  auto* stars = Create<TStarForm>();
  t.others.push_back(stars);
  NavigateCalculators calculators;
  calculators.bearings = Create<TNavBearForm>();
  calculators.courses = Create<TNavCourseForm>();
  calculators.crossBearing = Create<TCrossForm>();
  calculators.distances = Create<TNavDisForm>();
  auto* navigate = Create<TNaviForm>();
  t.navigate = navigate;
  t.withSettings.push_back(navigate);
  calculators.sailing = Create<TNavSailForm>();
  calculators.tides = Create<TNavTideForm>();
  calculators.winds = Create<TNavWindForm>();
  navigate->SetCalculators(calculators);
  for (FormBase* w : {calculators.bearings, calculators.courses, calculators.crossBearing, calculators.distances,
                      calculators.sailing, calculators.tides, calculators.winds})
    t.others.push_back(w);
  auto* centre = Create<TStorm_CenterForm>();
  t.withSettings.push_back(centre);
  auto* storm = Create<TStormForm>();
  t.storm = storm;
  t.others.push_back(storm);
  t.others.push_back(Create<TPositionForm>());
  auto* brellin = Create<TBrellinForm>(static_cast<NavigateLink*>(navigate), static_cast<StarPicker*>(stars));
  t.brellin = brellin;
  t.withSettings.push_back(brellin);
  auto* sightLog = Create<TSightLogForm>(static_cast<NavigateLink*>(navigate));
  t.withSettings.push_back(sightLog);
  brellin->SetSightLogWindow(sightLog);
  t.conversions = Create<TConvForm>();
  t.others.push_back(t.conversions);
  auto* indications = Create<TIndicationsForm>();
  t.others.push_back(indications);
  auto* avoidance = Create<TAvoidanceForm>();
  t.others.push_back(avoidance);
  auto* plot = Create<TAvoidgrafForm>();
  t.others.push_back(plot);
  storm->SetTools({indications, pressure, centre, avoidance});
  centre->SetAvoidance(avoidance);
  avoidance->SetLinks(centre, plot);
  t.readme = Create<TReadmeForm>();
  t.others.push_back(t.readme);
  auto* editor = Create<TEdiForm>();
  t.others.push_back(editor);
  auto* dialog = Create<TDlgForm2>();
  t.others.push_back(dialog);
  great->SetEditor(editor);
  editor->AddPlaceFileListener(great);
  editor->AddPlaceFileListener(miravel);
  editor->SetConfirmationDialog(dialog);
  auto* jupiter = Create<TJupiterForm>();
  t.others.push_back(jupiter);
  // The about box has nothing to read at start: it is made when first asked for.
  t.showAbout = [this] {
    if (!about_) about_ = std::make_unique<TAboutBox>(ctx_);
    about_->exec();
  };
  t.showUpdate = [this] {
    if (!update_) update_ = new TVerForm(ctx_);
    update_->ShowForm();
  };
  // The astronomy windows read Miravel's place and time.
  body->SetObserverSource(miravel);
  identify->SetObserverSource(miravel);
  almanac->SetObserverSource(miravel);
  jupiter->SetObserverSource(miravel);
  body->SetJupiterWindow(jupiter);
  miravel->SetLinks({body, identify, almanac, jupiter, stars, brellin, t.showAbout, {great}});
  launcher_->SetTargets(std::move(t));
}

Program::~Program() {
  delete update_;
  while (!windows_.empty()) windows_.pop_back();
}

int RunProgram(VeltraneApplication& app) {
  QApplication::setApplicationName("Veltrane");
  const bool smoke = app.arguments().contains("--smoke");
  const std::string programFolder = ProgramFolderFor(ExecutableFolder());
  // An unattended start never waits on a dialog; anything it had to say fails it.
  std::unique_ptr<QtPlatform> platform;
  BatchPlatform* batch = nullptr;
  if (smoke) {
    auto unattended = std::make_unique<BatchPlatform>(programFolder + "help/");
    batch = unattended.get();
    platform = std::move(unattended);
  } else {
    platform = std::make_unique<QtPlatform>(programFolder + "help/");
  }
  app.SetErrorDisplay([&platform](const std::string& text) { platform->Message(text); });
  Program program(*platform, SettingsFolderFromEnvironment(), programFolder);
  program.Launcher().show();
  if (batch) {
    QCoreApplication::processEvents();
    return batch->MessageCount() == 0 ? 0 : 1;
  }
  return app.exec();
}

}  // namespace veltrane
