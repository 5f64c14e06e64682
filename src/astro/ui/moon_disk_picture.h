#pragma once
// The Moon's phase picture: a white disk with its dark part filled in black.
#include <string>

class QPainter;

namespace veltrane {

// Draws into a picture box of width x height pixels from the illuminated-percent text and
// the elongation text (whole degrees, 0..360; below 180 the Moon is waxing and its dark part
// lies on the left). Texts that do not read leave the disk empty.
void DrawMoonPhase(QPainter& painter, int width, int height, const std::string& percentText,
                   const std::string& elongationText);

}  // namespace veltrane
