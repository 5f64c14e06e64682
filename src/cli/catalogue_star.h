#pragma once
// A star of the star file named on the command line, for the commands that take --name or --star.
#include <optional>
#include <string>

#include "astro/star_record.h"

namespace veltrane::cli {

struct CatalogueStar {
  std::string name;
  StarCatalogueData data;
};

// The user's copy of "Mstars.dat" in the settings folder, else the one shipped beside the tool.
std::string DefaultCatalogue();

// From the catalogue given, else "Mstars.dat" of the settings folder, else the one beside the
// program; nothing, with the reason in error, when the file or the star is missing.
std::optional<CatalogueStar> ReadCatalogueStar(const std::string& name, const std::optional<std::string>& catalogue,
                                               std::string& error);

}  // namespace veltrane::cli
