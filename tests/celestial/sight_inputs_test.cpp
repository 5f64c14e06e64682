#include "celestial/sight_inputs.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

SightFieldTexts Mustang() {
  SightFieldTexts t;
  t.latDeg = "39", t.latMin = "46", t.lonDeg = "52", t.lonMin = "24";
  t.eyeHeight = "2", t.pressure = "1010", t.temperature = "+10";
  t.date = "1977-03-31", t.time = "13:53:24";
  return t;
}

TEST(SightInputs, ReadsTheAssumedPositionWestPositive) {
  SightFieldTexts t = Mustang();
  SightInputsReading r = ReadSightInputs(t);
  ASSERT_TRUE(r.inputs) << r.message;
  EXPECT_NEAR(r.inputs->assumed.Lat, 39.0 + 46.0 / 60.0, 1e-12);
  EXPECT_NEAR(r.inputs->assumed.Lon, 52.4, 1e-12);
  EXPECT_EQ(r.inputs->date.Year, 1977);
  EXPECT_EQ(r.inputs->date.Month, 3);
  EXPECT_EQ(r.inputs->date.Day, 31);
  EXPECT_NEAR(r.inputs->ut, 13.89, 1e-12);
  t.south = true, t.east = true, t.latMin = "", t.lonMin = "";
  r = ReadSightInputs(t);
  ASSERT_TRUE(r.inputs);
  EXPECT_EQ(r.inputs->assumed.Lat, -39.0);
  EXPECT_EQ(r.inputs->assumed.Lon, -52.0);
}

TEST(SightInputs, EveryFaultHasItsMessage) {
  struct Case {
    void (*spoil)(SightFieldTexts&);
    const char* message;
  };
  const Case cases[] = {
      {[](SightFieldTexts& t) { t.latDeg = ""; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.lonDeg = ""; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.latMin = "4x"; }, kMsgSightInputs},  // never a latitude of -999
      {[](SightFieldTexts& t) { t.latDeg = "91"; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.lonDeg = "200"; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.lonDeg = "180"; t.lonMin = "0.1"; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.eyeHeight = "x"; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.eyeHeight = "-1"; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.pressure = "949.9"; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.pressure = "1080.1"; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.temperature = "-70.1"; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.temperature = "60.1"; }, kMsgSightInputs},
      {[](SightFieldTexts& t) { t.date = "1977-02-30"; }, kMsgSightDate},
      {[](SightFieldTexts& t) { t.time = "25:00:00"; }, kMsgSightTime},
      {[](SightFieldTexts& t) { t.time = "12:61:00"; }, kMsgSightTime},
  };
  for (const Case& c : cases) {
    SightFieldTexts t = Mustang();
    c.spoil(t);
    const SightInputsReading r = ReadSightInputs(t);
    EXPECT_FALSE(r.inputs);
    EXPECT_EQ(r.message, c.message);
  }
  SightFieldTexts t = Mustang();
  t.pressure = "950", t.temperature = "-70";
  EXPECT_TRUE(ReadSightInputs(t).inputs);
  t.pressure = "1080", t.temperature = "60", t.latDeg = "90", t.latMin = "0";
  EXPECT_TRUE(ReadSightInputs(t).inputs);
}

TEST(SightInputs, SextantFieldsAndTheShoreAtNoDistance) {
  SextantTexts t{"-", "2", "", "1010", "+10", Limb::Upper};
  SextantReading r = ReadSextant(t);
  ASSERT_TRUE(r.data);
  EXPECT_EQ(r.data->indexError, 0.0);
  EXPECT_FALSE(r.data->obstruction);
  EXPECT_EQ(r.data->limb, Limb::Upper);
  t.indexError = "-10", t.obstruction = "0.5";
  r = ReadSextant(t);
  ASSERT_TRUE(r.data);
  EXPECT_EQ(r.data->indexError, -10.0);
  EXPECT_EQ(*r.data->obstruction, 0.5);

  struct Case {
    SextantTexts texts;
    const char* message;
  };
  const Case cases[] = {
      {{"10.1", "2", "", "1010", "10", Limb::Lower}, "-10.0 .. 10.0"},
      {{"x", "2", "", "1010", "10", Limb::Lower}, "-10.0 .. 10.0"},
      {{"0", "8900.1", "", "1010", "10", Limb::Lower}, kMsgSightInputs},
      {{"0", "2", "0", "1010", "10", Limb::Lower}, kMsgObstruction},
      {{"0", "2", "-1", "1010", "10", Limb::Lower}, kMsgObstruction},
      {{"0", "2", "9999.1", "1010", "10", Limb::Lower}, kMsgObstruction},
  };
  for (const Case& c : cases) {
    r = ReadSextant(c.texts);
    EXPECT_FALSE(r.data) << c.message;
    EXPECT_EQ(r.message, c.message);
  }
  EXPECT_TRUE(ObstructionAcceptable("9999"));
  EXPECT_FALSE(ObstructionAcceptable("0"));
}

}  // namespace
}  // namespace veltrane
