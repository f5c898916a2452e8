// The colour calibration page on the recording surface: its ruler, the
// strips of the ticked inks and their spacing on the example printers.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "pattern_page.hpp"
#include "patterns/calibration_page.hpp"

namespace veltrim::test {
namespace {

constexpr ColorRef kPure[kCalibrationInks] = {Rgb(0, 0, 0),   Rgb(0, 255, 255), Rgb(255, 0, 255), Rgb(255, 255, 0),
                                              Rgb(255, 0, 0), Rgb(0, 255, 0),   Rgb(0, 0, 255)};

std::unique_ptr<PatternPage> CalibrationPage(const RecordingDevice& device, const std::vector<int>& inks) {
  auto page = std::make_unique<PatternPage>(device);
  page->selection.currentTab = static_cast<int>(Tab::Calibration);
  for (const int ink : inks) page->selection.calibrationTests[ink] = 1;
  page->Draw();
  return page;
}

// The top of each ticked ink's strip: its first cell in the pure colour (a
// checkerboard cell; the ramps come after it).
std::map<int, int> StripTops(const RecordingSurface& surface, const std::vector<int>& inks) {
  std::map<int, int> tops;
  for (const PaintedBox& b : PaintedBoxes(surface))
    for (const int ink : inks)
      if (b.brush == kPure[ink] && !tops.contains(ink)) tops[ink] = b.box.top;
  return tops;
}

struct RulerCase {
  const char* name;
  RecordingDevice device;
  int top;                  // a line of the default font below the page top
  int step;                 // W / 100
  std::vector<int> ends;    // of the minor, medium and major ticks
  int labelDx, labelY;
  std::map<int, int> stripTops;  // every ink ticked
};

class CalibrationRuler : public ::testing::TestWithParam<RulerCase> {};

TEST_P(CalibrationRuler, TicksEveryPercentAndStripsBelowIt) {
  const RulerCase& c = GetParam();
  const std::vector<int> all = {0, 1, 2, 3, 4, 5, 6};
  const auto page = CalibrationPage(c.device, all);
  const auto lines = DrawnLines(page->surface);
  ASSERT_EQ(lines.size(), 101u + 21u + 11u);
  // The last tick of each kind: 100 %, where the float sums land exactly.
  for (const auto& [index, end] : std::map<std::size_t, int>{{100, c.ends[0]}, {121, c.ends[1]}, {132, c.ends[2]}}) {
    EXPECT_EQ(lines[index].from, (Point{100 * c.step, c.top})) << index;
    EXPECT_EQ(lines[index].to, (Point{100 * c.step, end})) << index;
  }
  EXPECT_EQ(lines[1].from.x, c.step);
  const auto texts = page->surface.RecordsOf("TextOutA");
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[0].text, "QORVEL Veltrim version 2 / Printer: Queue 7    ");
  EXPECT_EQ(texts[11].text, "100  ");
  EXPECT_EQ(texts[11].args, (std::vector<std::int64_t>{100 * c.step + c.labelDx, c.labelY}));
  EXPECT_EQ(StripTops(page->surface, all), c.stripTops);
}

// A4 at 600 dpi: 23 units a millimetre, a line of 52. Letter at 300 dpi: 11
// and 27. Strips start 10 mm below the ruler's top; BLACK's is 25 mm high,
// the others 41 mm.
INSTANTIATE_TEST_SUITE_P(
    Devices, CalibrationRuler,
    ::testing::Values(RulerCase{"A4At600Dpi", RecordingDevice::A4At600Dpi(), 52, 48, {121, 167, 236}, 24, 167,
                                {{0, 282}, {1, 857}, {2, 1800}, {3, 2743}, {4, 3686}, {5, 4629}, {6, 5572}}},
                      RulerCase{"LetterAt300Dpi", RecordingDevice::LetterAt300Dpi(), 27, 24, {60, 82, 115}, 12, 82,
                                {{0, 137}, {1, 412}, {2, 863}, {3, 1314}, {4, 1765}, {5, 2216}, {6, 2667}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CalibrationPage, BlackAndBlueOnlyPutBlue25MillimetresLower) {
  const auto page = CalibrationPage(RecordingDevice::A4At600Dpi(), {0, 6});
  EXPECT_EQ(StripTops(page->surface, {0, 6}), (std::map<int, int>{{0, 282}, {6, 282 + 25 * 23}}));
}

TEST(CalibrationPage, CheckerboardCellsAndGreyRamp) {
  const auto page = CalibrationPage(RecordingDevice::A4At600Dpi(), {0});
  const auto boxes = PaintedBoxes(page->surface);
  // Cells of 0.4 x 23 = 9.2 units, columns 18.4 apart, 261 to a row; the
  // second row starts half a period in.
  ASSERT_GT(boxes.size(), 300u);
  EXPECT_EQ(boxes[0].box, (Rect{0, 282, 9, 291}));
  EXPECT_EQ(boxes[1].box, (Rect{18, 282, 27, 291}));
  EXPECT_EQ(boxes[261].box, (Rect{9, 291, 18, 300}));
  // The ramp, 8 to 16 mm down: grey i in cell i, 18.75 units each.
  std::vector<PaintedBox> ramp;
  for (const PaintedBox& b : boxes)
    if (b.box.top == 282 + 8 * 23) ramp.push_back(b);
  ASSERT_EQ(ramp.size(), 256u);
  EXPECT_EQ(ramp[1].box, (Rect{18, 466, 36, 650}));
  EXPECT_EQ(ramp[255].box, (Rect{4781, 466, 4799, 650}));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(ramp[i].brush, Rgb(i, i, i)) << "ramp cell " << i;
}

}  // namespace
}  // namespace veltrim::test
