// The Custom category's pages on the recording surface: the colours, boxes
// and lines each one draws on the example printers, and how each treats
// values typed by hand that its boxes do not offer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "pattern_page.hpp"
#include "patterns/custom_patterns.hpp"

namespace veltrim::test {
namespace {

struct FullPageCase {
  const char* name;
  ColourTriple colour;
  const char* coverage;
  ColorRef expected;
};

class FullPageCustomColor : public ::testing::TestWithParam<FullPageCase> {};

TEST_P(FullPageCustomColor, FillsThePrintableAreaLightenedByTheCoverage) {
  const FullPageCase& c = GetParam();
  PatternPage page;
  page.Custom(0).Colour(kFullPageColourSlot, c.colour.red, c.colour.green, c.colour.blue);
  page.host.boxes[kIdCoverage] = c.coverage;
  page.Draw();
  const auto boxes = PaintedBoxes(page.surface);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 6814}));
  EXPECT_EQ(boxes[0].brush, c.expected) << std::hex << boxes[0].brush;
  EXPECT_EQ(boxes[0].pen, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Coverage, FullPageCustomColor,
    ::testing::Values(FullPageCase{"RedAtHalf", {255, 0, 0}, "50", Rgb(255, 127, 127)},
                      FullPageCase{"EmptyBoxGivesWhite", {255, 0, 0}, "", Rgb(255, 255, 255)},
                      FullPageCase{"FullCoverageKeepsTheColour", {0, 128, 255}, "100", Rgb(0, 128, 255)},
                      // Above 100 darkens; a component below 0 stops at 0 instead of borrowing from the next byte.
                      FullPageCase{"AboveHundredStopsAtTheByte", {100, 200, 50}, "150", Rgb(23, 173, 0)},
                      // The typed number saturates at 2^31 - 1; (100 - p) x 255 must not overflow.
                      FullPageCase{"HugeNumberDoesNotOverflow", {255, 0, 0}, "99999999999", Rgb(255, 0, 0)},
                      FullPageCase{"NegativeGivesWhite", {0, 0, 0}, "-20", Rgb(255, 255, 255)},
                      FullPageCase{"ComponentsOutsideAByteAreHeld", {500, -3, 0}, "100", Rgb(255, 0, 0)}),
    [](const auto& param) { return std::string(param.param.name); });

struct GradientSlice {
  int index;
  Rect box;
  ColorRef colour;
};

struct GradientCase {
  const char* name;
  int layout;
  std::vector<GradientSlice> slices;
};

class CustomGradient : public ::testing::TestWithParam<GradientCase> {};

TEST_P(CustomGradient, SlicesRunFromSlotSevenTowardSlotSix) {
  const GradientCase& c = GetParam();
  PatternPage page;
  page.Custom(1).Colour(kGradientStartSlot, 200, 0, 100).Colour(kGradientEndSlot, 0, 255, 100);
  page.selection.gradientLayout = c.layout;
  page.geometry.offsetMm = 10;  // only the single bar follows it: 230 units
  page.Draw();
  const auto boxes = PaintedBoxes(page.surface);
  ASSERT_EQ(boxes.size(), c.slices.empty() ? 0u : 512u);
  for (const GradientSlice& slice : c.slices) {
    EXPECT_EQ(boxes[slice.index].box, slice.box) << "slice " << slice.index;
    EXPECT_EQ(boxes[slice.index].brush, slice.colour) << "slice " << slice.index;
  }
  EXPECT_EQ(page.surface.HygieneReport(), "");
}

// Slices are 4800 / 512 = 9.375 or 6814 / 512 units; the single bar is
// 6814 x 10 / 288 = 236 units high. Slice 256 is halfway (127.5 truncated),
// the last one a step short of slot 6's colour.
INSTANTIATE_TEST_SUITE_P(
    Layouts, CustomGradient,
    ::testing::Values(GradientCase{"SingleBarAtTheOffset",
                                   kSingleBar,
                                   {{0, {0, 230, 9, 466}, Rgb(200, 0, 100)},
                                    {256, {2400, 230, 2409, 466}, Rgb(100, 127, 100)},
                                    {511, {4790, 230, 4800, 466}, Rgb(0, 254, 100)}}},
                      GradientCase{"FullPageVertical",
                                   kFullPageVertical,
                                   {{0, {0, 0, 4800, 13}, Rgb(200, 0, 100)},
                                    {1, {0, 13, 4800, 26}, Rgb(199, 0, 100)},
                                    {511, {0, 6800, 4800, 6814}, Rgb(0, 254, 100)}}},
                      GradientCase{"FullPageHorizontal",
                                   kFullPageHorizontal,
                                   {{0, {0, 0, 9, 6814}, Rgb(200, 0, 100)}, {511, {4790, 0, 4800, 6814}, Rgb(0, 254, 100)}}},
                      GradientCase{"UnknownLayoutDrawsNothing", 3, {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(WholePaperCross, TwoDiagonalsWithASevenTenthsMillimetrePen) {
  PatternPage page;
  page.Custom(2).Draw();
  const auto lines = DrawnLines(page.surface);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].from, (Point{0, 0}));
  EXPECT_EQ(lines[0].to, (Point{4800, 6814}));
  EXPECT_EQ(lines[1].from, (Point{4800, 0}));
  EXPECT_EQ(lines[1].to, (Point{0, 6814}));
  for (const DrawnLine& line : lines) {
    EXPECT_EQ(line.width, 16);  // 0.7 x 23 = 16.1
    EXPECT_EQ(line.colour, Rgb(0, 0, 0));
  }
}

TEST(MillimetricPaper, FineLinesThenCoarseLinesOnTop) {
  PatternPage page;
  page.Custom(3).Colour(kGridColourSlot, 0, 0, 255).Draw();
  const auto lines = DrawnLines(page.surface);
  // 1 mm = 23 units: 297 rows (0 .. 6808) and 209 columns; 5 mm = 115
  // units: 60 rows (0 .. 6785) and 42 columns.
  ASSERT_EQ(lines.size(), 297u + 209u + 60u + 42u);
  const auto at = [&](std::size_t i) { return std::vector<int>{lines[i].from.x, lines[i].from.y, lines[i].to.x, lines[i].to.y, lines[i].width}; };
  EXPECT_EQ(at(1), (std::vector<int>{0, 23, 4800, 23, 2}));
  EXPECT_EQ(at(296), (std::vector<int>{0, 6808, 4800, 6808, 2}));
  EXPECT_EQ(at(297), (std::vector<int>{0, 0, 0, 6814, 2}));
  EXPECT_EQ(at(505), (std::vector<int>{4784, 0, 4784, 6814, 2}));
  EXPECT_EQ(at(506), (std::vector<int>{0, 0, 4800, 0, 6}));
  EXPECT_EQ(at(565), (std::vector<int>{0, 6785, 4800, 6785, 6}));
  EXPECT_EQ(at(607), (std::vector<int>{4715, 0, 4715, 6814, 6}));
  for (const DrawnLine& line : lines) EXPECT_EQ(line.colour, Rgb(0, 0, 255));
}

TEST(MillimetricPaper, DeviceWithoutMillimetreSizeDrawsNoGridAndEnds) {
  PatternPage page(RecordingDevice::A4At600Dpi().With(DeviceCap::VertSize, 0));
  page.Custom(3).Draw();
  EXPECT_TRUE(DrawnLines(page.surface).empty());
  EXPECT_EQ(page.surface.HygieneReport(), "");
}

// Color Coverage on the 600 dpi A4 printer: cells of 0.25 x 23 = 5.75
// units, 834 columns and 1185 rows, 988290 cells.
struct CoverageCase {
  const char* percent;
  std::size_t dots;      // cells filled in slot 0's colour (below 51 %)
  std::size_t holes;     // white cells in a full page (above 50 %)
  Rect secondCell;       // the cell one step after cell 0
};

class ColorCoverage : public ::testing::TestWithParam<CoverageCase> {};

TEST_P(ColorCoverage, InksEveryStepthCellOrLeavesItWhite) {
  const CoverageCase& c = GetParam();
  PatternPage page;
  page.Custom(5).Colour(kCoverageColourSlot, 0, 90, 180);
  page.host.boxes[kIdDotCoverage] = c.percent;
  page.Draw();
  const auto boxes = PaintedBoxes(page.surface);
  const ColorRef ink = Rgb(0, 90, 180);
  std::size_t inked = 0, white = 0;
  for (const PaintedBox& b : boxes) {
    ASSERT_TRUE(b.brush == ink || b.brush == Rgb(255, 255, 255)) << std::hex << b.brush;
    (b.brush == ink ? inked : white)++;
  }
  if (c.holes == 0) {
    EXPECT_EQ(inked, c.dots);
    EXPECT_EQ(white, 0u);
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].box, (Rect{0, 0, 5, 5}));
    EXPECT_EQ(boxes[1].box, c.secondCell);
  } else {
    EXPECT_EQ(inked, 1u);
    EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 6814}));
    EXPECT_EQ(white, c.holes);
    EXPECT_EQ(boxes[1].box, (Rect{0, 0, 5, 5}));
    EXPECT_EQ(boxes[2].box, c.secondCell);
  }
  EXPECT_EQ(page.surface.HygieneReport(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Percentages, ColorCoverage,
    ::testing::Values(CoverageCase{"5", 49415, 0, {115, 0, 120, 5}},    // every 20th cell
                      CoverageCase{"30", 329430, 0, {17, 0, 23, 5}},     // 100 / 30 = 3: every 3rd, about 33 %
                      CoverageCase{"50", 494145, 0, {11, 0, 17, 5}},     // still dots, every 2nd
                      CoverageCase{"80", 0, 197658, {28, 0, 34, 5}}),    // every 5th cell left white
    [](const auto& param) { return std::string("Percent") + param.param.percent; });

TEST(ColorCoverage, DotsWrapToTheNextRowAtTheGridWidth) {
  PatternPage page;
  page.Custom(5).host.boxes[kIdDotCoverage] = "5";
  page.Draw();
  const auto boxes = PaintedBoxes(page.surface);
  // Cell 840 is the first of row 1 (834 columns): column 6.
  ASSERT_GT(boxes.size(), 42u);
  EXPECT_EQ(boxes[41].box, (Rect{4715, 0, 4720, 5}));
  EXPECT_EQ(boxes[42].box, (Rect{34, 5, 40, 11}));
}

TEST(ColorCoverage, TypedPercentagesOutsideTheBoxRange) {
  for (const char* nothing : {"0", "", "-7", "abc"}) {
    PatternPage page;
    page.Custom(5).host.boxes[kIdDotCoverage] = nothing;
    page.Draw();
    EXPECT_TRUE(PaintedBoxes(page.surface).empty()) << "\"" << nothing << "\" inks nothing";
  }
  // 100 and above cover the whole page with no white cell (100 - s is never a divisor of 0).
  for (const char* full : {"100", "150", "99999999999"}) {
    PatternPage page;
    page.Custom(5).Colour(kCoverageColourSlot, 10, 20, 30).host.boxes[kIdDotCoverage] = full;
    page.Draw();
    const auto boxes = PaintedBoxes(page.surface);
    ASSERT_EQ(boxes.size(), 1u) << full;
    EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 6814})) << full;
    EXPECT_EQ(boxes[0].brush, Rgb(10, 20, 30)) << full;
  }
}

TEST(ColorCoverage, CellsAreAtLeastOneUnitOnCoarseOrSizelessDevices) {
  // 2 units a millimetre would give half-unit cells, of which every second
  // one truncates to nothing; no millimetre size gives cells of size 0.
  for (const RecordingDevice& device :
       {RecordingDevice::Printer(72, 72, 40, 30, 20, 15, 0, 0), RecordingDevice::Printer(600, 600, 40, 30, 0, 0, 0, 0)}) {
    PatternPage page(device);
    page.Custom(5).host.boxes[kIdDotCoverage] = "50";
    page.Draw();
    const auto boxes = PaintedBoxes(page.surface);
    EXPECT_EQ(boxes.size(), 600u);  // half of 40 x 30 one-unit cells
    for (const PaintedBox& b : boxes) {
      ASSERT_EQ(b.box.right - b.box.left, 1);
      ASSERT_EQ(b.box.bottom - b.box.top, 1);
    }
  }
}

}  // namespace
}  // namespace veltrim::test
