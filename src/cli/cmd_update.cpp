#include <QCoreApplication>
#include <memory>

#include "cli/commands.h"
#include "foundation/paths.h"
#include "foundation/ui/url_download.h"
#include "update/update_answer.h"
#include "update/update_servers.h"
#include "update/version.h"

namespace veltrane::cli {
namespace {

struct CheckUpdateOptions {
  std::optional<std::string> base;
};

Result CheckUpdate(const CheckUpdateOptions& o) {
  const std::string base =
      o.base.value_or(ConfiguredUpdateServers(SettingsFolderFromEnvironment() + "Settings.ini")[0].base);
  if (!IsWebAddress(base)) throw UsageError("--base: not an http:// or https:// address: " + base);
  // Qt Network runs on an event loop, which needs an application object.
  int argc = 1;
  char name[] = "veltrane-cli";
  char* argv[] = {name, nullptr};
  std::unique_ptr<QCoreApplication> app;
  if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
  const UpdateVerdict verdict = JudgeUpdate(FetchUrl(VersionFileAddress(base), DownloadLimits{}), ThisVersion());
  if (verdict.outcome == UpdateOutcome::NoContact) return ErrorResult("Contact not established");
  return {Json::Object()
              .Set("this_version", VersionString(ThisVersion()))
              .Set("remote_version", verdict.announced ? Json::String(verdict.announced->text) : Json::Null())
              .Set("newer", Json::Bool(verdict.outcome == UpdateOutcome::Available))};
}

}  // namespace

void RegisterUpdateCommands(CommandSet& commands) {
  auto o = std::make_shared<CheckUpdateOptions>();
  CLI::App* c = commands.Add("check-update", "Whether the download server announces a newer version",
                             [o] { return CheckUpdate(*o); });
  AddText(c, "--base", o->base, "base address of the server's Veltrane.ini (default: the first server's)");
}

}  // namespace veltrane::cli
