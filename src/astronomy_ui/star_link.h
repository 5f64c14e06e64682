#pragma once
// What the star window offers other windows: a star chosen from the list. The planet window
// takes it for "Star Values", the celestial navigation window for "Star Fix".
#include <string>

namespace veltrane {

// The star window's boxes as the user sees them: catalogue texts of epoch 2000.
struct ChosenStar {
  std::string name, ra, dec, prpA, prpD, sao, vmagn;
};

class StarTaker {
 public:
  virtual ~StarTaker() = default;
  virtual void TakeStar(const ChosenStar& star) = 0;
};

enum class StarUse { Values, Fix };

class StarPicker {
 public:
  virtual ~StarPicker() = default;
  // Opens the list with the one button of that use; the chosen star goes to the taker.
  virtual void PickStar(StarUse use, StarTaker* taker) = 0;
};

}  // namespace veltrane
