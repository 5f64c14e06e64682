#include "coastal/navigate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "coastal/nav_utl.h"

namespace veltrane {
namespace {

// The example compass table shipped as "Kurssi.cmp".
constexpr const char* kKurssi =
    "0 3\n15 4\n30 4\n45 4\n60 3\n75 2\n90 0\n105 -2\n120 -3\n135 -4\n150 -4\n165 -4\n"
    "180 -3\n195 -2\n210 -1\n225 -1\n240 0\n255 0\n270 0\n285 0\n300 0\n315 1\n330 1\n345 2\n";

const CompassTable kIdeal{};
const CompassTable kLost{std::nullopt, "File Lost.cmp not found."};

CompassTable Kurssi() { return {ParseDeviationTable(kKurssi), ""}; }

PositionRecord At(double lat, double lon) { return {0.0, lat, lon}; }

NavResult SolveSheet(NavTask task, const NavSheet& sheet, const CompassTable& compass = kIdeal) {
  NavInput in;
  in.sheet = sheet;
  in.startTyped = sheet.start.has_value();
  in.endTyped = sheet.end.has_value();
  return Solve(task, in, compass);
}

void ExpectNear(const std::optional<double>& v, double expected, double tolerance, const char* what) {
  ASSERT_TRUE(v) << what;
  EXPECT_NEAR(*v, expected, tolerance) << what;
}

TEST(Navigate, DeadReckoningRunsTheHeadingChainAndTheCurrentTriangle) {
  struct Case {
    const char* name;
    NavSheet sheet;
    bool kurssi;
    double magnetic, trueHeading, waterTrack, track, sog, log, distance, time;
  };
  auto sheet = [](std::optional<double> compass, std::optional<double> magnetic, double variation,
                  std::optional<double> leeway, std::optional<double> set, std::optional<double> drift,
                  std::optional<double> boat, std::optional<double> log, std::optional<double> time) {
    NavSheet s;
    s.compassHeading = compass, s.magneticHeading = magnetic, s.variation = variation, s.leeway = leeway;
    s.set = set, s.drift = drift, s.boatSpeed = boat, s.logDistance = log, s.time = time;
    return s;
  };
  const double sog = std::sqrt(50.0);
  const Case cases[] = {
      {"due east", sheet(90, {}, 0, {}, {}, {}, 10, {}, 6), false, 90, 90, 90, 90, 10, 60, 60, 6},
      {"variation west wraps", sheet(1, {}, -3, {}, {}, {}, 6, {}, 2.5), false, 1, 358, 358, 358, 6, 15, 15, 2.5},
      {"leeway to port", sheet({}, 10, 0, -3, {}, {}, 5, 10, {}), false, 10, 10, 7, 7, 5, 10, 10, 2},
      {"leeway to starboard", sheet({}, 359, 0, 3, {}, {}, 5, 10, {}), false, 359, 359, 2, 2, 5, 10, 10, 2},
      {"current abeam", sheet(0, {}, 0, {}, 90, 5, 5, {}, 2), false, 0, 0, 0, 45, sog, 10, 2 * sog, 2},
      {"Kurssi deviation +4", sheet(45, {}, 0, {}, {}, {}, 5, {}, 1), true, 49, 49, 49, 49, 5, 5, 5, 1},
      {"Kurssi between rows", sheet(100, {}, 2, {}, {}, {}, 4, 8, {}), true, 99, 101, 101, 101, 4, 8, 8, 2},
      {"speed from log and time", sheet({}, 180, 0, {}, {}, {}, {}, 12, 3), false, 180, 180, 180, 180, 4, 12, 12, 3},
  };
  for (const Case& c : cases) {
    const NavResult r = SolveSheet(NavTask::TrackSpeed, c.sheet, c.kurssi ? Kurssi() : kIdeal);
    EXPECT_TRUE(r.messages.empty()) << c.name << ": " << r.messages.front();
    ExpectNear(r.sheet.magneticHeading, c.magnetic, 0.05, c.name);
    ExpectNear(r.sheet.trueHeading, c.trueHeading, 0.05, c.name);
    ExpectNear(r.sheet.waterTrack, c.waterTrack, 1e-9, c.name);
    ExpectNear(r.sheet.track, c.track, 1e-9, c.name);
    ExpectNear(r.sheet.groundSpeed, c.sog, 1e-9, c.name);
    ExpectNear(r.sheet.logDistance, c.log, 1e-9, c.name);
    ExpectNear(r.sheet.groundDistance, c.distance, 1e-9, c.name);
    ExpectNear(r.sheet.time, c.time, 1e-9, c.name);
    EXPECT_FALSE(r.sheet.end) << c.name;  // TrackSpeed has no positions
  }
}

TEST(Navigate, PositionLaysOffTheRunFromTheStart) {
  struct Case {
    const char* name;
    PositionRecord start;
    double magnetic, boat, time;
    Sailing sailing;
    double lat, lon;
  };
  const Case cases[] = {
      {"easterly course decreases the longitude", At(0, 0), 90, 10, 6, Sailing::Mercator, 0, -1},
      {"due north", At(60, 10), 0, 6, 10, Sailing::Mercator, 61, 10},
      {"over the date line the longitude carries on", At(0, 179.5), 270, 6, 10, Sailing::Mercator, 0, -179.5},
      {"mid-latitude", At(60, 0), 270, 6, 10, Sailing::MidLatitude, 60, 2},
  };
  for (const Case& c : cases) {
    NavInput in;
    in.sheet.start = c.start;
    in.startTyped = true;
    in.sheet.magneticHeading = c.magnetic;
    in.sheet.boatSpeed = c.boat;
    in.sheet.time = c.time;
    in.sailing = c.sailing;
    const NavResult r = Solve(NavTask::Position, in, kIdeal);
    EXPECT_TRUE(r.messages.empty()) << c.name;
    ASSERT_TRUE(r.sheet.end) << c.name;
    EXPECT_NEAR(r.sheet.end->Lat, c.lat, 1e-9) << c.name;
    EXPECT_NEAR(r.sheet.end->Lon, c.lon, 1e-9) << c.name;
  }

  // No run: the end is not shown at all.
  NavSheet still;
  still.start = At(10, 10);
  still.magneticHeading = 45;
  const NavResult r = SolveSheet(NavTask::Position, still);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_FALSE(r.sheet.end);
}

TEST(Navigate, DistHeadFindsTheCourseToSteer) {
  // The short way over the date line; leeway, variation and deviation back to the compass.
  NavSheet s;
  s.start = At(0, 179);
  s.end = At(0, -179);
  s.leeway = 5, s.variation = -2;
  NavResult r = SolveSheet(NavTask::DistHead, s, Kurssi());
  ExpectNear(r.sheet.track, 270, 0, "track");
  ExpectNear(r.sheet.groundDistance, 120, 1e-9, "distance");
  ExpectNear(r.sheet.trueHeading, 265, 1e-9, "true");
  ExpectNear(r.sheet.magneticHeading, 267, 1e-9, "magnetic");
  ExpectNear(r.sheet.compassHeading, 267, 1e-9, "compass");  // Kurssi has no deviation at 267
  EXPECT_FALSE(r.sheet.boatSpeed);  // no speed given: nothing to fill

  // Due north by Kurssi: compass 357 deviates 3 east.
  s = {};
  s.start = At(0, 10);
  s.end = At(1, 10);
  r = SolveSheet(NavTask::DistHead, s, Kurssi());
  ExpectNear(r.sheet.magneticHeading, 0, 0, "magnetic");
  ExpectNear(r.sheet.compassHeading, 357, 0, "compass");

  // With a current, every speed, distance and time belongs to one and the same passage,
  // whichever two of them were given.
  struct Given {
    std::optional<double> boat, time, sog;
  };
  for (const Given& g : {Given{6, 10, {}}, Given{6, {}, 5}, Given{6, {}, {}}, Given{{}, {}, 5}}) {
    NavSheet c;
    c.start = At(10, 10);
    c.end = At(11, 10);
    c.set = 90, c.drift = 2;
    c.boatSpeed = g.boat, c.time = g.time, c.groundSpeed = g.sog;
    const NavResult p = SolveSheet(NavTask::DistHead, c);
    ASSERT_TRUE(p.messages.empty()) << p.messages.front();
    const NavSheet& o = p.sheet;
    ASSERT_TRUE(o.time && o.groundSpeed && o.boatSpeed && o.logDistance);
    EXPECT_NEAR(*o.groundSpeed * *o.time, 60, 1e-9);
    EXPECT_NEAR(*o.boatSpeed * *o.time, *o.logDistance, 1e-9);
    // The water vector plus the current makes good due north.
    EXPECT_NEAR(CurrentAngle(90, *o.waterTrack, 2, *o.boatSpeed) + *o.waterTrack, 360, 1e-9);
    EXPECT_NEAR(GroundSpeed(90, *o.waterTrack, 2, *o.boatSpeed), *o.groundSpeed, 1e-9);
  }
}

// SpeedComp runs the chain backwards: track 045 at 7.07 kn made good in a current setting 090 at
// 5 kn is 000 through the water at 5 kn, true 003 with leeway 3 to port, magnetic 005 for 2 W.
TEST(Navigate, SpeedCompSteersForTheTrackAndSpeedMadeGood) {
  NavSheet s;
  s.track = 45, s.groundSpeed = std::sqrt(50.0), s.set = 90, s.drift = 5, s.leeway = -3, s.variation = -2;
  const NavResult r = SolveSheet(NavTask::SpeedComp, s);
  EXPECT_TRUE(r.messages.empty());
  ExpectNear(r.sheet.waterTrack, 0, 1e-9, "water track");
  ExpectNear(r.sheet.boatSpeed, 5, 1e-9, "boat speed");
  ExpectNear(r.sheet.trueHeading, 3, 1e-9, "true");
  ExpectNear(r.sheet.magneticHeading, 5, 1e-9, "magnetic");
  ExpectNear(r.sheet.compassHeading, 5, 1e-9, "compass");
}

TEST(Navigate, LeewayAndCurrentFromTwoPositions) {
  struct LeewayCase {
    double course, magnetic, leeway;  // leeway to starboard positive
  };
  for (const LeewayCase& c : {LeewayCase{95, 100, -5}, LeewayCase{2, 359, 3}, LeewayCase{90, 90, 0}}) {
    NavSheet s;
    s.start = At(0, 0);
    s.end = MercatorPosition(At(0, 0), 30, c.course);
    s.magneticHeading = c.magnetic;
    s.boatSpeed = 6;
    const NavResult r = SolveSheet(NavTask::Leeway, s);
    EXPECT_TRUE(r.messages.empty());
    ExpectNear(r.sheet.leeway, c.leeway, 1e-9, "leeway");
    ExpectNear(r.sheet.waterTrack, c.course, 1e-9, "water track");
  }

  struct CurrentCase {
    const char* name;
    PositionRecord end;
    double magnetic, boat, log;
    double set, drift;
  };
  const CurrentCase currents[] = {
      {"abeam", *MercatorPosition(At(0, 0), std::sqrt(50.0) * 2, 45), 0, 5, 10, 90, 5},
      {"too weak to have a set", *MercatorPosition(At(0, 0), 60, 270.4), 270, 6, 60, 0, 0.0419},
      {"cancelled the whole run", At(0, 0), 45, 6, 12, 225, 6},
  };
  for (const CurrentCase& c : currents) {
    NavSheet s;
    s.start = At(0, 0);
    s.end = c.end;
    s.magneticHeading = c.magnetic;
    s.boatSpeed = c.boat;
    s.logDistance = c.log;
    const NavResult r = SolveSheet(NavTask::Current, s);
    EXPECT_TRUE(r.messages.empty()) << c.name;
    ExpectNear(r.sheet.set, c.set, 1e-6, c.name);
    ExpectNear(r.sheet.drift, c.drift, 1e-4, c.name);
  }

  // The run over ground as given, not from positions (the command line's current); a boat
  // without way on drifts with the whole current.
  struct VectorCase {
    double boat, set, drift;
  };
  for (const VectorCase& c : {VectorCase{5, 90, 5}, VectorCase{0, 45, std::sqrt(50.0)}}) {
    NavInput in;
    in.runFromPositions = false;
    in.sheet.magneticHeading = 0;
    in.sheet.boatSpeed = c.boat;
    in.sheet.track = 45;
    in.sheet.groundSpeed = std::sqrt(50.0);
    NavResult r = Solve(NavTask::Current, in, kIdeal);
    EXPECT_TRUE(r.messages.empty());
    ExpectNear(r.sheet.set, c.set, 1e-9, "set");
    ExpectNear(r.sheet.drift, c.drift, 1e-9, "drift");
    in.sheet.groundSpeed.reset();
    r = Solve(NavTask::Current, in, kIdeal);
    EXPECT_EQ(r.messages, std::vector<std::string>{"Enter boatspeed and log distance or time"});
  }
}

TEST(Navigate, TasksThatCannotRunSayWhyAndKeepWhatTheyWorkedOut) {
  struct Case {
    const char* name;
    NavTask task;
    std::function<void(NavInput&)> fill;
    std::vector<std::string> messages;
  };
  // Start and end a mile apart, both typed.
  auto apart = [](NavInput& in) {
    in.sheet.start = At(0, 0), in.sheet.end = At(1, 0), in.startTyped = in.endTyped = true;
  };
  const std::string kEnds = "Give proper start and end point values", kCourse = "Course missing",
                    kRun = "Enter boatspeed and log distance or time", kWrong = "Missing or erroneous value",
                    kStrong = "The current is too strong to make good this track", kNoTable = "File Lost.cmp not found.";
  const Case cases[] = {
      {"no heading", NavTask::Position, [](NavInput& in) { in.sheet.start = At(0, 0); }, {kCourse}},
      {"start off the globe", NavTask::Position,
       [](NavInput& in) { in.startTyped = true, in.sheet.magneticHeading = 5; }, {"Give proper start values"}},
      {"no end", NavTask::DistHead, [](NavInput& in) { in.sheet.start = At(0, 0); }, {kEnds}},
      {"one point twice", NavTask::DistHead, [](NavInput& in) { in.sheet.start = in.sheet.end = At(10, 10); }, {kEnds}},
      {"the pole twice", NavTask::Leeway,
       [](NavInput& in) { in.sheet.start = At(90, 10), in.sheet.end = At(90, 20), in.sheet.magneticHeading = 10; },
       {kEnds}},
      {"end off the globe", NavTask::SpeedComp, [](NavInput& in) { in.endTyped = true; },
       {"Give proper end point values"}},
      {"no track to make good", NavTask::SpeedComp, [](NavInput& in) { in.sheet.groundSpeed = 5; }, {kCourse}},
      {"leeway without heading", NavTask::Leeway, apart, {kCourse}},
      {"current without heading", NavTask::Current, apart, {kCourse}},
      {"current without run", NavTask::Current,
       [&](NavInput& in) { apart(in), in.sheet.magneticHeading = 10, in.sheet.boatSpeed = 5; }, {kRun}},
      {"steering without speeds", NavTask::DistHead,
       [&](NavInput& in) { apart(in), in.sheet.set = 90, in.sheet.drift = 2; }, {kRun}},
      {"cross-current stronger than the boat", NavTask::DistHead,
       [](NavInput& in) {
         in.sheet.start = At(0, 0), in.sheet.end = At(0, -1);
         in.sheet.set = 0, in.sheet.drift = 8, in.sheet.boatSpeed = 4;
       },
       {kStrong}},
      {"head current as strong as the boat", NavTask::SpeedComp,
       [](NavInput& in) { in.sheet.track = 90, in.sheet.set = 270, in.sheet.drift = 5, in.sheet.boatSpeed = 5; },
       {kStrong}},
      {"past the pole", NavTask::Position,
       [](NavInput& in) {
         in.sheet.start = At(89 + 50 / 60.0, 0);
         in.sheet.magneticHeading = 10, in.sheet.boatSpeed = 10, in.sheet.time = 2;
       },
       {"The run reaches a pole: no end position"}},
      {"erroneous boat speed", NavTask::TrackSpeed,
       [](NavInput& in) { in.sheet.magneticHeading = 5, in.erroneous.insert(NavField::BoatSpeed); }, {kWrong}},
      {"erroneous compass heading", NavTask::Position,
       [](NavInput& in) { in.sheet.start = At(0, 0), in.erroneous.insert(NavField::CompassHeading); }, {kWrong}},
      {"erroneous magnetic under a compass heading is not read", NavTask::TrackSpeed,
       [](NavInput& in) { in.sheet.compassHeading = 5, in.erroneous.insert(NavField::MagneticHeading); }, {kNoTable}},
      {"erroneous end is no part of Position", NavTask::Position,
       [](NavInput& in) { in.sheet.magneticHeading = 5, in.erroneous.insert(NavField::End); }, {}},
      {"erroneous set is what Current finds", NavTask::Current,
       [&](NavInput& in) {
         apart(in);
         in.sheet.magneticHeading = 0, in.sheet.boatSpeed = 6, in.sheet.logDistance = 6;
         in.erroneous.insert(NavField::Set);
       },
       {}},
      {"erroneous start", NavTask::DistHead, [&](NavInput& in) { apart(in), in.erroneous.insert(NavField::Start); },
       {kWrong}},
      {"missing table, needed", NavTask::TrackSpeed, [](NavInput& in) { in.sheet.compassHeading = 45; }, {kNoTable}},
      {"missing table, told twice over", NavTask::Current,
       [&](NavInput& in) { apart(in), in.sheet.compassHeading = 45; }, {kNoTable, kRun}},
      {"missing table, not needed", NavTask::TrackSpeed, [](NavInput& in) { in.sheet.magneticHeading = 45; }, {}},
  };
  for (const Case& c : cases) {
    NavInput in;
    c.fill(in);
    const NavResult r = Solve(c.task, in, kLost);
    EXPECT_EQ(r.messages, c.messages) << c.name;
  }

  // What a task worked out before it stopped stays on the sheet; a bad value leaves it as it was.
  NavInput in;
  apart(in);
  in.sheet.boatSpeed = 6;
  NavResult r = Solve(NavTask::Leeway, in, kIdeal);
  ASSERT_EQ(r.messages, std::vector<std::string>{kCourse});
  ExpectNear(r.sheet.track, 360, 0, "track");
  ExpectNear(r.sheet.waterTrack, 360, 0, "water track");
  ExpectNear(r.sheet.time, 10, 1e-9, "time");
  in.erroneous.insert(NavField::Time);
  r = Solve(NavTask::Leeway, in, kIdeal);
  EXPECT_FALSE(r.sheet.track);
  EXPECT_FALSE(r.sheet.time);
}

}  // namespace
}  // namespace veltrane
