#pragma once
// The Moon's phase: elongation from the Sun and the illuminated part of the disk.
#include <string>

#include "astro/moon.h"

namespace veltrane {

// Moon minus Sun in ecliptic longitude, degrees 0..360; below 180 the Moon is waxing.
double MoonElongation(double moonLongitude, double sunLongitude);
// Illuminated fraction of the disk in percent, to 0.1, from the phase angle of the mean
// arguments.
double MoonIlluminatedPercent(const MoonArguments& a);
// The percent as the phase field shows it: one decimal.
std::string MoonPercentText(double percent);

}  // namespace veltrane
