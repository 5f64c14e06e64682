// The daily pages' PDF: one spread of two pages per three days, the figures' texts, and a file
// that cannot be written leaving nothing behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "astro/ui/daily_pages_pdf.h"
#include "support/temp_folder.h"

namespace veltrane {
namespace {

// Page objects, not the page tree ("/Type /Pages").
int PageObjects(const std::string& pdf) {
  int n = 0;
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
    if (pdf.compare(at, 12, "/Type /Pages") != 0) ++n;
  return n;
}

TEST(DailyPagesPdf, TwoPagesForEveryThreeDays) {
  const test::TempFolder folder;
  const std::pair<int, int> cases[] = {{1, 2}, {3, 2}, {4, 4}, {7, 6}};
  for (const auto& [days, pages] : cases) {
    SCOPED_TRACE(days);
    const DailyPagesRun run = DailyPages(2026, 12, 6, days);
    const std::string path = folder.File("pages.pdf");
    const DailyPagesPdfResult r = WriteDailyPagesPdf(run.days, path);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.pages, pages);
    const std::string pdf = folder.Read("pages.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_EQ(PageObjects(pdf), pages);
  }
}

TEST(DailyPagesPdf, UnwritablePlaceLeavesNothing) {
  const test::TempFolder folder;
  const DailyPagesRun run = DailyPages(2026, 12, 6, 1);
  const std::string path = folder.File("missing/pages.pdf");
  const DailyPagesPdfResult r = WriteDailyPagesPdf(run.days, path);
  EXPECT_EQ(r.pages, 0);
  EXPECT_EQ(r.message, "Cannot write " + path);
  EXPECT_EQ(QDir(QString::fromStdString(folder.Path())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
  EXPECT_EQ(WriteDailyPagesPdf({}, folder.File("empty.pdf")).message, "There are no days to print");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.File("empty.pdf"))));
}

TEST(DailyPagesPdf, FiguresToATenthOfAMinute) {
  const std::pair<double, const char*> angles[] = {
      {0.0, "  0 00.0"}, {182.30032, "182 18.0"}, {359.99999, "  0 00.0"}, {359.9990, "359 59.9"},
      {-0.5, "359 30.0"}, {47.6015, " 47 36.1"},  {12.99166, " 12 59.5"}};
  for (const auto& [deg, text] : angles) EXPECT_EQ(PageAngleText(deg), text) << deg;
  const std::pair<double, const char*> decs[] = {
      {-22.462724, "S22 27.8"}, {21.565814, "N21 33.9"}, {0.0, "  0 00.0"}, {-0.0001, "  0 00.0"},
      {0.002, "N 0 00.1"},      {-16.75187, "S16 45.1"}, {89.99999, "N90 00.0"}};
  for (const auto& [deg, text] : decs) EXPECT_EQ(PageDeclinationText(deg), text) << deg;
}

}  // namespace
}  // namespace veltrane
