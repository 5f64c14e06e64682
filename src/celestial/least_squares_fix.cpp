#include "celestial/least_squares_fix.h"

#include <algorithm>
#include <cmath>

#include "coastal/nav_utl.h"
#include "foundation/angles.h"

namespace veltrane {
namespace {

// The weakest geometry accepted: two lines one degree from parallel, as the window's crossing.
const double kMinDeterminant = std::pow(std::sin(1.0 * kDegToRad), 2.0);

// The position moved along a course; nothing past a pole.
std::optional<PositionRecord> Run(const PositionRecord& from, double course, double miles) {
  if (miles == 0.0) return from;
  if (miles < 0.0) return Run(from, Mod360(course + 180.0), -miles);
  std::optional<PositionRecord> to = MidLatitudePosition(from, miles, course);
  if (to) to->Lon = Norm180(to->Lon);
  return to;
}

// Normal equations of intercepts towards the body, unknowns miles east and north.
struct Normal {
  double ee = 0.0, en = 0.0, nn = 0.0, be = 0.0, bn = 0.0;
  void Add(double zn, double towards) {
    const double s = SinD(zn), c = CosD(zn);
    ee += s * s, en += s * c, nn += c * c, be += towards * s, bn += towards * c;
  }
  double Determinant() const { return ee * nn - en * en; }
};

struct Pass {
  std::vector<SightReduction> reductions;
  Normal normal;
};

struct Solution {
  std::optional<PositionRecord> position;
  std::string message;
  int iterations = 0;
  Normal normal;
  std::vector<SightReduction> first, last;
};

class Solver {
 public:
  Solver(const FixRequest& request, std::vector<size_t> used) : request_(request), used_(std::move(used)) {}

  Solution Solve() const {
    Solution s;
    if (used_.size() < 2) return Fail(s, kMsgTooFewSights);
    PositionRecord at = request_.dr;
    for (s.iterations = 1; s.iterations <= kMaxFixIterations; ++s.iterations) {
      std::optional<Pass> pass = Reduce(at);
      if (!pass) return Fail(s, kMsgFixUnsettled);
      if (s.iterations == 1) s.first = pass->reductions;
      const Normal& n = pass->normal;
      const double det = n.Determinant();
      if (det < kMinDeterminant) return Fail(s, kMsgParallelSights);
      const double east = (n.nn * n.be - n.en * n.bn) / det;
      const double north = (n.ee * n.bn - n.en * n.be) / det;
      const double move = std::hypot(east, north);
      const std::optional<PositionRecord> next = Run(at, Mod360(std::atan2(east, north) * kRadToDeg), move);
      if (!next) return Fail(s, kMsgFixUnsettled);
      at = *next;
      if (move < kSettledMiles) {
        std::optional<Pass> final = Reduce(at);
        if (!final) return Fail(s, kMsgFixUnsettled);
        s.position = PositionRecord{0.0, at.Lat, at.Lon};
        s.normal = final->normal;
        s.last = final->reductions;
        return s;
      }
    }
    return Fail(s, kMsgFixUnsettled);
  }

 private:
  static Solution Fail(Solution s, const char* message) {
    s.position.reset();
    s.message = message;
    return s;
  }

  // Each sight reduced from where the vessel was at its time when it is at `at` at the fix time.
  std::optional<Pass> Reduce(const PositionRecord& at) const {
    Pass p;
    for (size_t i : used_) {
      const PreparedSight& sight = request_.sights[i];
      const std::optional<PositionRecord> then = CarriedTo(at, request_.fixTime, sight.utc, request_.motion);
      if (!then) return std::nullopt;
      p.reductions.push_back(ReduceSight(sight, *then));
      p.normal.Add(p.reductions.back().place.zn, -p.reductions.back().intercept.miles);
    }
    return p;
  }

  const FixRequest& request_;
  std::vector<size_t> used_;
};

ErrorEllipse EllipseOf(const Normal& n, double sigma) {
  // Covariance sigma^2 N^-1 of the east and north errors.
  const double det = n.Determinant();
  const double ee = sigma * sigma * n.nn / det, nn = sigma * sigma * n.ee / det, en = -sigma * sigma * n.en / det;
  const double mean = (ee + nn) / 2.0, half = std::hypot((ee - nn) / 2.0, en);
  ErrorEllipse e;
  e.semiMajor = kEllipse95Scale * std::sqrt(mean + half);
  e.semiMinor = kEllipse95Scale * std::sqrt(std::max(mean - half, 0.0));
  // Angle of the major axis from east towards north, turned into a direction from north.
  const double fromEast = 0.5 * std::atan2(2.0 * en, ee - nn) * kRadToDeg;
  e.orientation = std::fmod(Mod360(90.0 - fromEast), 180.0);
  return e;
}

std::vector<size_t> AllBut(size_t count, std::optional<size_t> left) {
  std::vector<size_t> used;
  for (size_t i = 0; i < count; ++i)
    if (i != left) used.push_back(i);
  return used;
}

}  // namespace

double HoursBetween(const SightInstant& from, const SightInstant& to) {
  const double a = JulianCenturies(from.date, 0.0).jd0, b = JulianCenturies(to.date, 0.0).jd0;
  return (b - a) * 24.0 + to.ut - from.ut;
}

std::optional<PositionRecord> CarriedTo(const PositionRecord& atFix, const SightInstant& fixTime,
                                        const SightInstant& sightTime, const std::optional<VesselMotion>& motion) {
  if (!motion) return atFix;
  return Run(atFix, motion->course, motion->speed * HoursBetween(fixTime, sightTime));
}

SightInstant LatestSightTime(const std::vector<PreparedSight>& sights) {
  SightInstant latest = sights.front().utc;
  for (const PreparedSight& s : sights)
    if (HoursBetween(latest, s.utc) > 0.0) latest = s.utc;
  return latest;
}

LeastSquaresFix SolveFix(const FixRequest& request) {
  LeastSquaresFix fix;
  const size_t count = request.sights.size();
  const Solution s = Solver(request, AllBut(count, std::nullopt)).Solve();
  fix.iterations = s.iterations;
  fix.message = s.message;
  for (const SightReduction& r : s.first) fix.sights.push_back({r.intercept.miles, r.place.zn, 0.0, false});
  if (!s.position) return fix;
  fix.position = s.position;
  fix.ellipse = EllipseOf(s.normal, request.sigmaArcmin);
  std::optional<size_t> worst;
  for (size_t i = 0; i < count; ++i) {
    fix.sights[i].residual = s.last[i].intercept.miles;
    fix.sights[i].fixZn = s.last[i].place.zn;
    if (!worst || std::fabs(fix.sights[i].residual) > std::fabs(fix.sights[*worst].residual)) worst = i;
  }
  // With two sights both lines pass through the fix: nothing to tell a blunder by.
  if (count >= 3 && std::fabs(fix.sights[*worst].residual) > kBlunderSigmas * request.sigmaArcmin) {
    fix.sights[*worst].blunder = true;
    fix.withoutBlunder = Solver(request, AllBut(count, worst)).Solve().position;
  }
  return fix;
}

}  // namespace veltrane
