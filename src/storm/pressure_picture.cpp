#include "storm/pressure_picture.h"

namespace veltrane {
namespace {

constexpr int kArrowRing = 70;    // distance of the arrows from the centre
constexpr int kShaft = 30;
constexpr int kHeadStroke = 8;
constexpr int kHeadAngle = 20;
constexpr int kInflow = 30;       // how far the wind turns in towards a low (out of a high)
constexpr int kStopShort = 20;    // a boat heading in stops short of the centre
constexpr int kLeaveFrom = 12;    // a leaving boat starts near the centre, ends inside the picture
constexpr int kPassingOffset = 30;

int Wrap(int d) { return ((d % 360) + 360) % 360; }

// Where the wind blows to at a point in direction `at` from the centre.
int WindTowards(int at, bool high, bool north) {
  // Anticlockwise round a northern low, clockwise round a high; the south is the mirror.
  const bool clockwise = high == north;
  const int tangent = clockwise ? at + 90 : at - 90;
  const int turn = high ? kInflow : -kInflow;  // out of a high, into a low
  return Wrap(clockwise ? tangent - turn : tangent + turn);
}

}  // namespace

std::vector<Segment> WindArrows(bool high, bool north) {
  std::vector<Segment> arrows;
  for (const int at : {0, 90, 180, 270}) {
    const PixelPoint mid = PlotVectorEnd(at, kIsobarCentre.x, kIsobarCentre.y, kArrowRing);
    const int to = WindTowards(at, high, north);
    const PixelPoint tail = PlotVectorEnd(Wrap(to + 180), mid.x, mid.y, kShaft / 2.0);
    const PixelPoint head = PlotVectorEnd(to, mid.x, mid.y, kShaft / 2.0);
    arrows.push_back({tail, head});
    for (const int side : {-kHeadAngle, kHeadAngle})
      arrows.push_back({head, PlotVectorEnd(Wrap(to + 180 + side), head.x, head.y, kHeadStroke)});
  }
  return arrows;
}

BoatRun PlanBoatRun(const std::string& status, double course, int width) {
  BoatRun run;
  const std::string point = CompassPoint4(course);
  if (point == "N") run.dy = -1;
  if (point == "E") run.dx = 1;
  if (point == "S") run.dy = 1;
  if (point == "W") run.dx = -1;
  run.steps = width / 2 - 30;
  const bool leaving = status.size() > 1;
  const char letter = status.empty() ? 'C' : status[0];
  // Abeam of the centre the boat lies to port of it (centre on starboard, "L") or to starboard.
  int offX = 0, offY = 0;
  if (letter == 'L') {
    offX = run.dy * kPassingOffset;
    offY = -run.dx * kPassingOffset;
  } else if (letter == 'R') {
    offX = -run.dy * kPassingOffset;
    offY = run.dx * kPassingOffset;
  }
  int along;  // signed distance of the start from the centre along the course
  if (letter == 'C')
    along = leaving ? kLeaveFrom : -(run.steps + kStopShort);
  else
    along = leaving ? 0 : -run.steps;
  run.start = {kIsobarCentre.x + offX + along * run.dx, kIsobarCentre.y + offY + along * run.dy};
  return run;
}

}  // namespace veltrane
