#include "astro/parallax.h"

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace veltrane {

double ParallaxFromDistance(double distanceAu) {
  return ArcSinD(SinD(8.794 / 3600.0) / distanceAu);
}

double SemidiameterAt(double s0, double distance) { return RoundToScale(s0 / distance, 10.0); }

}  // namespace veltrane
