// The colour calibration page on the recording surface: its ruler, the
// strips of the ticked inks and their spacing on the example printers.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "pattern_page.hpp"
#include "patterns/calibration_page.hpp"

namespace veltrim::test {
namespace {

constexpr ColorRef kPure[kCalibrationInks] = {Rgb(0, 0, 0),   Rgb(0, 255, 255), Rgb(255, 0, 255), Rgb(255, 255, 0),
                                              Rgb(255, 0, 0), Rgb(0, 255, 0),   Rgb(0, 0, 255)};

std::unique_ptr<PatternPage> CalibrationPage(const RecordingDevice& device, std::vector<int> inks) {
  auto page = std::make_unique<PatternPage>(device);
  page->selection.currentTab = static_cast<int>(Tab::Calibration);
  for (const int ink : inks) page->selection.calibrationTests[ink] = 1;
  page->Draw();
  return page;
}

// The top of each strip: its first cell in the ink's pure colour (a
// checkerboard cell; the ramps come after it).
std::map<int, int> StripTops(const RecordingSurface& surface) {
  std::map<int, int> tops;
  for (const PaintedBox& b : PaintedBoxes(surface))
    for (int ink = 0; ink < kCalibrationInks; ++ink)
      if (b.brush == kPure[ink] && !tops.contains(ink)) tops[ink] = b.box.top;
  return tops;
}

struct RulerCase {
  const char* name;
  RecordingDevice device;
  int top;                     // the title's line height below the page top
  int minorEnd, mediumEnd, majorEnd;
  int minorStep;               // W / 100
  int thinPen, thickPen;
  int labelDx, labelY;
  std::map<int, int> stripTops;  // every ink ticked
};

void PrintTo(const RulerCase& c, std::ostream* out) { *out << c.name; }

class CalibrationRuler : public ::testing::TestWithParam<RulerCase> {};

TEST_P(CalibrationRuler, TicksEveryPercentAndStripsBelowIt) {
  const RulerCase& c = GetParam();
  const auto page = CalibrationPage(c.device, {0, 1, 2, 3, 4, 5, 6});
  const auto lines = DrawnLines(page->surface);
  ASSERT_EQ(lines.size(), 101u + 21u + 11u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool minor = i < 101, medium = !minor && i < 122;
    const int step = minor ? c.minorStep : medium ? c.minorStep * 5 : c.minorStep * 10;
    const int x = static_cast<int>(minor ? i : medium ? i - 101 : i - 122) * step;
    const int end = minor ? c.minorEnd : medium ? c.mediumEnd : c.majorEnd;
    ASSERT_EQ(lines[i].from, (Point{x, c.top})) << "tick " << i;
    ASSERT_EQ(lines[i].to, (Point{x, end})) << "tick " << i;
    ASSERT_EQ(lines[i].width, minor || medium ? c.thinPen : c.thickPen) << "tick " << i;
  }
  const auto texts = page->surface.RecordsOf("TextOutA");
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[0].text, "QORVEL Veltrim version 2 / Printer: Queue 7    ");
  EXPECT_EQ(texts[0].args, (std::vector<std::int64_t>{0, 0}));
  for (int n = 0; n <= 10; ++n) {
    EXPECT_EQ(texts[n + 1].text, std::to_string(n * 10) + "  ");
    EXPECT_EQ(texts[n + 1].args, (std::vector<std::int64_t>{n * 10 * c.minorStep + c.labelDx, c.labelY}));
  }
  EXPECT_EQ(StripTops(page->surface), c.stripTops);
  EXPECT_EQ(page->surface.HygieneReport(), "");
}

// A4 at 600 dpi: 23 units a millimetre, a line of 52. Letter at 300 dpi: 11
// units a millimetre, a line of 27. Strips start 10 mm below the ruler's
// top; BLACK's is 25 mm high, the others 41 mm.
INSTANTIATE_TEST_SUITE_P(
    Devices, CalibrationRuler,
    ::testing::Values(RulerCase{"A4At600Dpi", RecordingDevice::A4At600Dpi(), 52, 121, 167, 236, 48, 4, 9, 24, 167,
                                {{0, 282}, {1, 857}, {2, 1800}, {3, 2743}, {4, 3686}, {5, 4629}, {6, 5572}}},
                      RulerCase{"LetterAt300Dpi", RecordingDevice::LetterAt300Dpi(), 27, 60, 82, 115, 24, 2, 4, 12, 82,
                                {{0, 137}, {1, 412}, {2, 863}, {3, 1314}, {4, 1765}, {5, 2216}, {6, 2667}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CalibrationPage, NoInkTickedLeavesTitleAndRulerOnly) {
  const auto page = CalibrationPage(RecordingDevice::A4At600Dpi(), {});
  EXPECT_TRUE(PaintedBoxes(page->surface).empty());
  EXPECT_EQ(DrawnLines(page->surface).size(), 133u);
}

TEST(CalibrationPage, BlackAndBlueOnlyPutBlue25MillimetresLower) {
  const auto page = CalibrationPage(RecordingDevice::A4At600Dpi(), {0, 6});
  EXPECT_EQ(StripTops(page->surface), (std::map<int, int>{{0, 282}, {6, 282 + 25 * 23}}));
}

TEST(CalibrationPage, TitleAndStripsFollowTheOffset) {
  PatternPage page(RecordingDevice::A4At600Dpi());
  page.selection.currentTab = static_cast<int>(Tab::Calibration);
  page.selection.calibrationTests[1] = 1;
  page.geometry.offsetMm = 10;
  page.Draw();
  EXPECT_EQ(page.surface.RecordsOf("TextOutA").at(0).args, (std::vector<std::int64_t>{0, 230}));
  EXPECT_EQ(StripTops(page.surface).at(1), 512);
}

TEST(CalibrationPage, CheckerboardCellsAndRampOfTheBlackStrip) {
  const auto page = CalibrationPage(RecordingDevice::A4At600Dpi(), {0});
  const auto boxes = PaintedBoxes(page->surface);
  // Cells are 0.4 x 23 = 9.2 units, columns 18.4 apart; the second row
  // starts half a period in.
  ASSERT_GT(boxes.size(), 300u);
  EXPECT_EQ(boxes[0].box, (Rect{0, 282, 9, 291}));
  EXPECT_EQ(boxes[1].box, (Rect{18, 282, 27, 291}));
  std::size_t firstOfRow1 = 0;
  while (boxes[firstOfRow1].box.top == 282) ++firstOfRow1;
  EXPECT_EQ(firstOfRow1, 261u);  // 4800 / 18.4
  EXPECT_EQ(boxes[firstOfRow1].box, (Rect{9, 291, 18, 300}));

  // The ramp (8 to 16 mm) follows the first band: grey i in cell i, 18.75 units each.
  std::vector<PaintedBox> ramp, secondBand;
  std::set<int> firstBandRows;
  for (const PaintedBox& b : boxes) {
    if (b.box.top == 282 + 184) ramp.push_back(b);
    else if (b.box.top < 282 + 184) firstBandRows.insert(b.box.top);
    else if (b.box.top >= 282 + 16 * 23 && b.box.top < 282 + 24 * 23) secondBand.push_back(b);
  }
  ASSERT_EQ(ramp.size(), 256u);
  EXPECT_EQ(ramp[0].box, (Rect{0, 466, 18, 650}));
  EXPECT_EQ(ramp[1].box, (Rect{18, 466, 36, 650}));
  EXPECT_EQ(ramp[255].box, (Rect{4781, 466, 4799, 650}));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(ramp[i].brush, Rgb(i, i, i)) << "ramp cell " << i;
  // The row phase carries on from the first band into the second.
  ASSERT_FALSE(secondBand.empty());
  EXPECT_EQ(secondBand[0].box.top, 650);
  EXPECT_EQ(secondBand[0].box.left, firstBandRows.size() % 2 == 0 ? 0 : 9) << firstBandRows.size() << " rows";
  // BLACK has no second ramp: nothing below its second checkerboard.
  EXPECT_LT(boxes.back().box.bottom, 282 + 25 * 23);
}

}  // namespace
}  // namespace veltrim::test
