// The phase picture: which parts of the disk come out dark.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "astro/ui/moon_disk_picture.h"

namespace veltrane {
namespace {

QImage Picture(const std::string& percent, const std::string& elongation) {
  QImage image(100, 100, QImage::Format_RGB32);
  image.fill(Qt::gray);
  QPainter painter(&image);
  DrawMoonPhase(painter, 100, 100, percent, elongation);
  return image;
}

bool Dark(const QImage& image, int x) { return qGray(image.pixel(x, 50)) < 64; }
bool Lit(const QImage& image, int x) { return qGray(image.pixel(x, 50)) > 192; }

TEST(MoonDiskPicture, DarkAndLitParts) {
  struct Case {
    const char *percent, *elongation;
    std::vector<int> dark, lit;
  };
  const Case cases[] = {
      {"0.0", "0", {10, 50, 90}, {}},
      {"100.0", "180", {}, {10, 50, 90}},
      {"99.2", "170", {}, {10, 50, 90}},      // nearly full: no fill
      {"50.0", "90", {10, 40}, {60, 90}},     // first quarter: lit on the right
      {"50.0", "270", {60, 90}, {10, 40}},    // last quarter: lit on the left
      {"25.0", "60", {10, 40, 65}, {85}},     // waxing crescent
      {"75.0", "120", {10}, {35, 60, 90}},    // waxing gibbous
      {"25.0", "300", {35, 60, 90}, {15}},    // waning crescent
      {"75.0", "240", {90}, {15, 40, 65}},    // waning gibbous
      {"95.0", "165", {7}, {30, 90}},         // just before full, still waxing
      {"x", "90", {}, {10, 50, 90}},          // unreadable: the empty disk
  };
  for (const Case& c : cases) {
    const QImage image = Picture(c.percent, c.elongation);
    for (int x : c.dark) EXPECT_TRUE(Dark(image, x)) << c.percent << " " << c.elongation << " x=" << x;
    for (int x : c.lit) EXPECT_TRUE(Lit(image, x)) << c.percent << " " << c.elongation << " x=" << x;
  }
}

TEST(MoonDiskPicture, TinyBoxDrawsNothingHarmful) {
  for (int size : {0, 1, 4, 7}) {
    QImage image(std::max(size, 1), std::max(size, 1), QImage::Format_RGB32);
    QPainter painter(&image);
    DrawMoonPhase(painter, size, size, "40.0", "100");
    EXPECT_FALSE(painter.isActive() && image.isNull()) << size;
  }
}

}  // namespace
}  // namespace veltrane
