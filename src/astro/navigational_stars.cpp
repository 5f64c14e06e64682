#include "astro/navigational_stars.h"

#include <algorithm>

namespace veltrane {

const std::vector<NavigationalStar>& NavigationalStars() {
  static const std::vector<NavigationalStar> stars = [] {
    std::vector<NavigationalStar> list;
    for (const NavigationalStarRow& row : NavigationalStarRows())
      list.push_back({row.name, ReadStarCatalogueData(row.ra, row.dec, row.pmRa, row.pmDec)});
    std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return list;
  }();
  return stars;
}

bool IsNavigationalStar(const std::string& name) {
  const std::vector<NavigationalStar>& stars = NavigationalStars();
  return std::any_of(stars.begin(), stars.end(), [&name](const NavigationalStar& s) { return s.name == name; });
}

}  // namespace veltrane
