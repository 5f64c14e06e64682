#pragma once
// Where Io, Europa, Ganymede and Callisto stand beside Jupiter, and where the Jupiter window
// draws them.
#include <array>

namespace veltrane {

// Apparent rectangular coordinates in Jupiter's equatorial radii: x positive to the west,
// y positive to the north, as seen from the Earth.
struct SatelliteXY {
  double x = 0.0;
  double y = 0.0;
};
// Io, Europa, Ganymede, Callisto.
using JupiterMoons = std::array<SatelliteXY, 4>;

// jd0: Julian day of 0h UT; hours: UT.
JupiterMoons JupiterSatellites(double jd0, double hours);

struct PicturePoint {
  int x = 0;
  int y = 0;
};

// Jupiter's disc as the bounding box of its ellipse, in a picture `width` pixels wide.
struct PictureBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};
PictureBox JupiterDisc(int width);

// Where each satellite's number is written. Without the inverted (telescope) view north is up
// and west on the right, as in the sky; satellites beyond 25 radii are drawn at 25, and every
// label stays inside the picture.
std::array<PicturePoint, 4> JupiterLabelPlaces(const JupiterMoons& moons, int width, bool inverted);

// The explanation lines the Jupiter window shows beside the picture.
inline constexpr std::array<const char*, 8> kJupiterLegend = {
    "Jos X-koordinaatin itseisarvo >25", "satelliitti on kuvattu ikään kuin",
    "arvo olisi 25, koska muuten satelliitti", "ei mahtuisi kuvaan.",
    "1 = Io", "2 = Europa", "3 = Ganymedes", "4 = Callisto"};

}  // namespace veltrane
