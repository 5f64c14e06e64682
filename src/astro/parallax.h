#pragma once
// Horizontal parallax and semidiameter from a body's distance.

namespace veltrane {

// Equatorial horizontal parallax in degrees of a body distanceAu astronomical units away.
double ParallaxFromDistance(double distanceAu);
// Semidiameter in seconds of arc, s0 being the semidiameter at unit distance; rounded to 0.1.
double SemidiameterAt(double s0, double distance);

}  // namespace veltrane
