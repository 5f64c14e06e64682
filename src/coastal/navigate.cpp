#include "coastal/navigate.h"

#include <cmath>

#include "coastal/nav_utl.h"
#include "foundation/angles.h"

namespace veltrane {

namespace {

constexpr const char* kMissingValue = "Missing or erroneous value";
constexpr const char* kNoStart = "Give proper start values";
constexpr const char* kNoEnd = "Give proper end point values";
constexpr const char* kNoStartEnd = "Give proper start and end point values";
constexpr const char* kCourseMissing = "Course missing";
constexpr const char* kNeedSpeed = "Enter boatspeed and log distance or time";
constexpr const char* kTooStrong = "The current is too strong to make good this track";
constexpr const char* kPastPole = "The run reaches a pole: no end position";
// Below this the current is too weak for its set to mean anything.
constexpr double kLeastDrift = 0.05;

// One task's work on the sheet.
struct Work {
  NavSheet sheet;
  const CompassTable& compass;
  std::vector<std::string> messages;

  void Say(const char* text) { messages.emplace_back(text); }
};

double Or0(const std::optional<double>& v) { return v.value_or(0.0); }

// A value shown only when above 0; otherwise the field is left empty.
std::optional<double> IfPositive(double v) { return v > 0.0 ? std::optional<double>(v) : std::nullopt; }

// Between one point and itself there is no course to make good.
bool SamePoint(const PositionRecord& a, const PositionRecord& b) {
  return a.Lat == b.Lat && (a.Lon == b.Lon || std::fabs(a.Lat) == 90.0);
}

bool HasHeading(const NavSheet& s) { return s.compassHeading || s.magneticHeading; }

std::set<NavField> FieldsRead(NavTask task, const NavInput& in) {
  using F = NavField;
  const std::set<F> run{F::BoatSpeed, F::LogDistance, F::Time};
  std::set<F> fields;
  switch (task) {
    case NavTask::Position: fields = {F::Start, F::CompassHeading, F::Variation, F::Leeway, F::Set, F::Drift}; break;
    case NavTask::TrackSpeed: fields = {F::CompassHeading, F::Variation, F::Leeway, F::Set, F::Drift}; break;
    case NavTask::DistHead: fields = {F::Start, F::End, F::Variation, F::Leeway, F::Set, F::Drift, F::GroundSpeed}; break;
    case NavTask::Leeway:
      fields = {F::Start, F::End, F::CompassHeading, F::Variation, F::Set, F::Drift, F::GroundSpeed};
      break;
    case NavTask::Current:
      fields = {F::CompassHeading, F::Variation, F::Leeway, F::GroundSpeed};
      if (in.runFromPositions)
        fields.insert({F::Start, F::End});
      else
        fields.insert({F::Track, F::GroundDistance});
      break;
    case NavTask::SpeedComp:
      fields = {F::Variation, F::Leeway, F::Set, F::Drift, F::GroundDistance, F::Track, F::GroundSpeed};
      if (in.endTyped) fields.insert(F::End);
      break;
  }
  fields.insert(run.begin(), run.end());
  // A typed compass heading is turned into the magnetic one, which is then not read.
  const bool compassFirst = task != NavTask::DistHead && task != NavTask::SpeedComp;
  if (compassFirst && !in.sheet.compassHeading && !in.erroneous.contains(F::CompassHeading))
    fields.insert(F::MagneticHeading);
  return fields;
}

bool ReadsErroneous(NavTask task, const NavInput& in) {
  for (NavField f : FieldsRead(task, in))
    if (in.erroneous.contains(f)) return true;
  return false;
}

enum class Leg { Water, Ground };

// Completes time, speed and distance of the run through the water or over ground: one from the
// other two. Only empty values are filled, and only with values above 0; both runs share the
// time.
void CompleteRun(NavSheet& s, Leg leg) {
  std::optional<double>& speed = leg == Leg::Water ? s.boatSpeed : s.groundSpeed;
  std::optional<double>& distance = leg == Leg::Water ? s.logDistance : s.groundDistance;
  double t = Or0(s.time), v = Or0(speed), d = Or0(distance);
  if (t == 0.0 && d > 0.0 && v > 0.0) t = d / v;
  if (d == 0.0 && t > 0.0 && v > 0.0) d = t * v;
  if (v == 0.0 && t > 0.0 && d > 0.0) v = d / t;
  if (!s.time) s.time = IfPositive(t);
  if (!speed) speed = IfPositive(v);
  if (!distance) distance = IfPositive(d);
}

void CompleteBothRuns(NavSheet& s) {
  CompleteRun(s, Leg::Water);
  CompleteRun(s, Leg::Ground);
}

int Deviation(Work& w, double heading, HeadingKind kind) {
  if (!w.compass.table) {
    if (!w.compass.message.empty()) w.messages.push_back(w.compass.message);
    return 0;
  }
  return DeviationAtHeading(*w.compass.table, heading, kind);
}

// A typed compass heading gives the magnetic one; else the magnetic heading is the one typed.
double MagneticHeading(Work& w) {
  NavSheet& s = w.sheet;
  if (s.compassHeading)
    s.magneticHeading = AddAngleWrap(*s.compassHeading, Deviation(w, *s.compassHeading, HeadingKind::Compass));
  return Or0(s.magneticHeading);
}

double TrueHeading(Work& w) {
  const double trueHeading = AddAngleWrap(MagneticHeading(w), w.sheet.variation);
  w.sheet.trueHeading = trueHeading;
  return trueHeading;
}

double WaterTrackFromHeading(Work& w) {
  const double waterTrack = AddAngleWrap(TrueHeading(w), Or0(w.sheet.leeway));
  w.sheet.waterTrack = waterTrack;
  return waterTrack;
}

// The backward chain from the water track down to the compass heading.
void HeadingsFrom(Work& w, double waterTrack) {
  NavSheet& s = w.sheet;
  s.waterTrack = waterTrack;
  s.trueHeading = AddAngleWrap(waterTrack, -Or0(s.leeway));
  s.magneticHeading = AddAngleWrap(*s.trueHeading, -s.variation);
  s.compassHeading = AddAngleWrap(*s.magneticHeading, -Deviation(w, *s.magneticHeading, HeadingKind::Magnetic));
}

struct Steered {
  double waterTrack = 0.0;
  double boat = 0.0;
  double sog = 0.0;
};

// Water track for a wanted track in a current, completing the unknown one of boat speed and
// ground speed; a known ground speed decides, as it fixes the time. Nothing, after its
// message, when neither is known or the current is too strong.
std::optional<Steered> SteerInCurrent(Work& w, double set, double track, double drift, double boat, double sog) {
  if (boat > 0.0 && sog <= 0.0) {
    const SteerResult r = CourseToSteer(set, track, drift, boat);
    if (!r.possible) {
      w.Say(kTooStrong);
      return std::nullopt;
    }
    return Steered{r.waterTrack, boat, r.speed};
  }
  if (sog > 0.0) {
    const SteerResult r = SpeedAndHeading(set, track, drift, sog);
    return Steered{r.waterTrack, r.speed, sog};
  }
  w.Say(kNeedSpeed);
  return std::nullopt;
}

std::optional<std::pair<PositionRecord, PositionRecord>> StartAndEnd(Work& w, bool apart) {
  const NavSheet& s = w.sheet;
  if (!s.start || !s.end || (apart && SamePoint(*s.start, *s.end))) {
    w.Say(kNoStartEnd);
    return std::nullopt;
  }
  return std::pair{*s.start, *s.end};
}

void CourseAndDistance(NavSheet& s) {
  const CourseDistance cd = MercatorCourseDistance(*s.start, *s.end);
  s.track = cd.course;
  s.groundDistance = cd.distance;
}

// Position and TrackSpeed.
void DeadReckoning(Work& w, const NavInput& in, bool withPosition) {
  NavSheet& s = w.sheet;
  if (withPosition && in.startTyped && !s.start) return w.Say(kNoStart);
  if (!HasHeading(s)) return w.Say(kCourseMissing);
  const double waterTrack = WaterTrackFromHeading(w);

  CompleteRun(s, Leg::Water);
  const double set = Or0(s.set), drift = Or0(s.drift), boat = Or0(s.boatSpeed);
  double sog = boat, track = waterTrack;
  if (drift != 0.0) {
    sog = GroundSpeed(set, waterTrack, drift, boat);
    track = AddAngleWrap(waterTrack, CurrentAngle(set, waterTrack, drift, boat));
  }
  const double log = Or0(s.logDistance);
  const double distance = boat > 0.0 && log > 0.0 ? log * sog / boat : log;
  s.track = track;
  s.groundDistance = IfPositive(distance);
  s.groundSpeed = IfPositive(sog);
  CompleteRun(s, Leg::Ground);

  if (!withPosition || !s.start) return;
  const double run = distance > 0.0 ? distance : Or0(s.groundDistance);
  const auto end = in.sailing == Sailing::MidLatitude ? MidLatitudePosition(*s.start, run, track)
                                                      : MercatorPosition(*s.start, run, track);
  if (!end) return w.Say(kPastPole);
  if (end->Lat == s.start->Lat && end->Lon == s.start->Lon) return;  // no run: no end to show
  s.end = PositionRecord{0.0, end->Lat, Wrap180(end->Lon)};  // over the date line the longitude carries on from 180
}

// Course and distance from start to end, then the water track and the run through the water
// that make them good (DistHead and Leeway). Nothing when SteerInCurrent finds none.
std::optional<double> MakeGood(Work& w) {
  NavSheet& s = w.sheet;
  CourseAndDistance(s);
  const double course = *s.track, distance = *s.groundDistance;
  CompleteBothRuns(s);
  const double set = Or0(s.set), drift = Or0(s.drift);
  double boat = Or0(s.boatSpeed), sog = Or0(s.groundSpeed);
  double waterTrack = course, log = Or0(s.logDistance);
  if (drift == 0.0) {
    // Without current the two speeds and distances are the same: whichever is known fills the other.
    if (sog <= 0.0) sog = boat;
    boat = sog;
    log = distance;
  } else {
    const auto steered = SteerInCurrent(w, set, course, drift, boat, sog);
    if (!steered) return std::nullopt;
    waterTrack = steered->waterTrack;
    boat = steered->boat;
    sog = steered->sog;
    if (boat > 0.0) log = distance * boat / sog;
  }
  s.boatSpeed = IfPositive(boat);
  s.groundSpeed = IfPositive(sog);
  s.logDistance = IfPositive(log);
  CompleteBothRuns(s);
  return waterTrack;
}

void DistHead(Work& w) {
  if (!StartAndEnd(w, true)) return;
  if (const auto waterTrack = MakeGood(w)) HeadingsFrom(w, *waterTrack);
}

void LeewayTask(Work& w) {
  NavSheet& s = w.sheet;
  if (!StartAndEnd(w, true)) return;
  const auto waterTrack = MakeGood(w);
  if (!waterTrack) return;
  s.waterTrack = *waterTrack;
  if (!HasHeading(s)) return w.Say(kCourseMissing);
  // A water track to the right of the heading is leeway to starboard.
  s.leeway = -Norm180(TrueHeading(w) - *waterTrack);
}

void CurrentTask(Work& w, const NavInput& in) {
  NavSheet& s = w.sheet;
  if (in.runFromPositions) {
    if (!StartAndEnd(w, false)) return;
    CourseAndDistance(s);
  }
  CompleteBothRuns(s);
  const double course = Or0(s.track), distance = Or0(s.groundDistance);
  const double boat = Or0(s.boatSpeed), sog = Or0(s.groundSpeed);
  if (Or0(s.logDistance) == 0.0) s.logDistance.reset();
  if (!HasHeading(s)) return w.Say(kCourseMissing);
  const double waterTrack = WaterTrackFromHeading(w);
  // From positions the ground speed needs the time, which boat speed and log distance give; a
  // boat that stayed put over ground (ground speed 0) is a current that cancelled her run. A
  // run over ground given as track and speed needs no time, and a boat speed of 0 is a drift.
  const bool vectorsKnown = in.runFromPositions
                                ? s.boatSpeed && s.logDistance && boat > 0.0 && !(sog <= 0.0 && distance > 0.0)
                                : s.boatSpeed && s.groundSpeed;
  if (!vectorsKnown) return w.Say(kNeedSpeed);
  CurrentResult current = CurrentFromTracks(waterTrack, course, boat, sog);
  if (current.drift < kLeastDrift) current.set = 0.0;
  s.set = current.set;
  s.drift = current.drift;
}

void SpeedComp(Work& w, const NavInput& in) {
  NavSheet& s = w.sheet;
  if (in.endTyped && !s.end) return w.Say(kNoEnd);
  if (!s.track) return w.Say(kCourseMissing);  // the track to make good is this task's question
  CompleteRun(s, Leg::Ground);
  CompleteRun(s, Leg::Water);
  double sog = Or0(s.groundSpeed), boat = Or0(s.boatSpeed);
  const double track = *s.track, set = Or0(s.set), drift = Or0(s.drift);
  double waterTrack = track;
  if (drift <= 0.0) {
    if (sog <= 0.0)
      sog = boat;
    else
      boat = sog;
  } else {
    const auto steered = SteerInCurrent(w, set, track, drift, boat, sog);
    if (!steered) return;
    waterTrack = steered->waterTrack;
    boat = steered->boat;
    sog = steered->sog;
  }
  if (!s.groundSpeed) s.groundSpeed = IfPositive(sog);
  if (!s.boatSpeed) s.boatSpeed = IfPositive(boat);
  CompleteRun(s, Leg::Ground);
  CompleteRun(s, Leg::Water);
  HeadingsFrom(w, waterTrack);
}

}  // namespace

NavResult Solve(NavTask task, const NavInput& input, const CompassTable& compass) {
  if (ReadsErroneous(task, input)) return {input.sheet, {kMissingValue}};
  Work w{input.sheet, compass, {}};
  switch (task) {
    case NavTask::Position: DeadReckoning(w, input, true); break;
    case NavTask::TrackSpeed: DeadReckoning(w, input, false); break;
    case NavTask::DistHead: DistHead(w); break;
    case NavTask::Leeway: LeewayTask(w); break;
    case NavTask::Current: CurrentTask(w, input); break;
    case NavTask::SpeedComp: SpeedComp(w, input); break;
  }
  return {w.sheet, w.messages};
}

}  // namespace veltrane
