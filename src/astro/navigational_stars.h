#pragma once
// The navigational stars of the daily pages, as marked in the program's star list.
#include <string>
#include <vector>

#include "astro/star_record.h"

namespace veltrane {

// The catalogue texts of one star, as the star list holds them.
struct NavigationalStarRow {
  const char* name;
  const char* ra;
  const char* dec;
  const char* pmRa;
  const char* pmDec;
};
std::vector<NavigationalStarRow> NavigationalStarRows();

struct NavigationalStar {
  std::string name;
  StarCatalogueData place;
};
// In the order of their names, as the pages list them.
const std::vector<NavigationalStar>& NavigationalStars();
bool IsNavigationalStar(const std::string& name);

}  // namespace veltrane
