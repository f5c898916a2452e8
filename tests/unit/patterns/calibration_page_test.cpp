// The colour calibration page on the 600 x 300 dpi printer (4800 units wide, 23 a horizontal and 11 a vertical
// millimetre, lines of 27): its ruler, the strips of the ticked inks and their spacing.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pattern_page.hpp"
#include "patterns/calibration_page.hpp"

namespace veltrim::test {
namespace {

constexpr ColorRef kPure[kCalibrationInks] = {Rgb(0, 0, 0),   Rgb(0, 255, 255), Rgb(255, 0, 255), Rgb(255, 255, 0),
                                              Rgb(255, 0, 0), Rgb(0, 255, 0),   Rgb(0, 0, 255)};

// The first box whose top is `top`.
Rect FirstAt(const Page& page, int top) {
  for (const PaintedBox& b : page.Boxes())
    if (b.box.top == top) return b.box;
  return {};
}

TEST(CalibrationPage, WithNoInkTheTitleAndAPercentRulerOnly) {
  const Page page(Tab::Calibration, {});
  EXPECT_TRUE(page.Boxes().empty());
  // Ticks from t = 27 every 48 units (1 %), 240 (5 %) and 480 (10 %), 3, 5 and 8 horizontal mm long, with pens of
  // 0.2 and 0.4 vertical mm.
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 101u + 21u + 11u);
  const struct { std::size_t index; int x, bottom, width; } ticks[] = {
      {0, 0, 96, 2},       {1, 48, 96, 2},  {100, 4800, 96, 2}, {101, 0, 142, 2},   {102, 240, 142, 2},
      {121, 4800, 142, 2}, {122, 0, 211, 4}, {123, 480, 211, 4}, {132, 4800, 211, 4}};
  for (const auto& t : ticks) EXPECT_EQ(lines[t.index], (DrawnLine{{t.x, 27}, {t.x, t.bottom}, t.width})) << t.index;
  const auto texts = page.dc.RecordsOf("TextOutA");
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[0], (Record{"TextOutA", {0, 0}, "QORVEL Veltrim version 2 / Printer: Queue 7    ", 1}));
  // Labels W / 200 past their tick, 5 horizontal mm down.
  EXPECT_EQ(texts[1], (Record{"TextOutA", {24, 142}, "0  ", 1}));
  EXPECT_EQ(texts[11], (Record{"TextOutA", {4824, 142}, "100  ", 1}));
}

TEST(CalibrationPage, StripsTenMillimetresBelowTheRulerEachAfterTheLast) {
  // BLACK's strip is 25 horizontal mm high, the others 41; BLACK and BLUE alone put BLUE 25 mm lower.
  const std::pair<std::vector<int>, std::map<int, int>> cases[] = {
      {{0, 1, 2, 3, 4, 5, 6}, {{0, 257}, {1, 832}, {2, 1775}, {3, 2718}, {4, 3661}, {5, 4604}, {6, 5547}}},
      {{0, 6}, {{0, 257}, {6, 257 + 25 * 23}}},
      {{3}, {{3, 257}}},
  };
  for (const auto& [inks, expected] : cases) {
    Page page;
    for (const int ink : inks) page.selection.calibrationTests[ink] = 1;
    page.Tick(Tab::Calibration).Draw();
    std::map<int, int> tops;  // each ink's first cell in its pure colour
    for (const PaintedBox& b : page.Boxes())
      for (const int ink : inks)
        if (b.brush == kPure[ink] && !tops.contains(ink)) tops[ink] = b.box.top;
    EXPECT_EQ(tops, expected);
  }
}

TEST(CalibrationPage, CheckerboardCellsAndGreyRamp) {
  const Page page(Tab::Calibration, {0});
  const auto boxes = page.Boxes();
  // Cells 0.4 vertical mm (4.4) wide and a step of rows, 0.4 horizontal mm (9.2) high; columns 8.8 apart, 546 to a
  // row; the second row starts half a period in.
  ASSERT_GT(boxes.size(), 600u);
  EXPECT_EQ(boxes[0].box, (Rect{0, 257, 4, 266}));
  EXPECT_EQ(boxes[1].box, (Rect{8, 257, 13, 266}));
  EXPECT_EQ(boxes[545].box.left, 4796);
  EXPECT_EQ(boxes[546].box, (Rect{4, 261, 8, 270}));
  // The ramp, 8 to 16 mm down: grey i in cell i, 18.75 units each.
  std::vector<PaintedBox> ramp;
  for (const PaintedBox& b : boxes)
    if (b.box.top == 257 + 8 * 23) ramp.push_back(b);
  ASSERT_EQ(ramp.size(), 256u);
  EXPECT_EQ(ramp[1].box, (Rect{18, 441, 36, 625}));
  EXPECT_EQ(ramp[255].box, (Rect{4781, 441, 4799, 625}));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(ramp[i].brush, Rgb(i, i, i)) << "ramp cell " << i;
}

TEST(CalibrationPage, RowPhaseCarriesFromBandToBand) {
  // A band is 8 horizontal mm (184) of rows 0.4 vertical mm apart: 42 rows at 11 units a mm, 39 at 12. After an odd
  // count the next band of the strip starts half a period in; after the next, back at 0.
  const struct {
    RecordingDevice device;
    Rect second, third;  // the first cells of the bands at 16 and 32 mm
  } cases[] = {
      {Skewed(), {0, 625, 4, 634}, {0, 993, 4, 1002}},
      {Skewed().With(DeviceCap::VertRes, 3200), {4, 625, 9, 634}, {0, 993, 4, 1002}},
  };
  for (const auto& c : cases) {
    const Page page(Tab::Calibration, {1}, c.device);
    EXPECT_EQ(FirstAt(page, 257 + 16 * 23), c.second);
    EXPECT_EQ(FirstAt(page, 257 + 32 * 23), c.third);
  }
}

}  // namespace
}  // namespace veltrim::test
