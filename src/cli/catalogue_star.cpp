#include "cli/catalogue_star.h"

#include <vector>

#include "foundation/paths.h"
#include "foundation/text_file.h"

namespace veltrane::cli {

std::string DefaultCatalogue() {
  const std::string settings = SettingsFolderFromEnvironment() + "Mstars.dat";
  if (FileExists(settings)) return settings;
  return ProgramFolderFor(ExecutableFolder()) + "Mstars.dat";
}

std::optional<CatalogueStar> ReadCatalogueStar(const std::string& name, const std::optional<std::string>& catalogue,
                                               std::string& error) {
  const std::string path = catalogue.value_or(DefaultCatalogue());
  const std::optional<std::vector<StarRecord>> stars = LoadStarFile(path);
  if (!stars) {
    error = "File " + path + " is missing.";
    return std::nullopt;
  }
  const StarRecord* star = FindStar(*stars, name);
  if (!star) {
    error = "No star named '" + name + "' in " + path;
    return std::nullopt;
  }
  return CatalogueStar{star->name, StarCatalogueDataOf(*star)};
}

}  // namespace veltrane::cli
