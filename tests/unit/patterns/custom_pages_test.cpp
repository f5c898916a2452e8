// The Custom pages on the recording surface: what each paints on the 600
// dpi A4 printer (4800 x 6814 units, 23 a millimetre), and how each treats
// values typed by hand that its boxes do not offer.
#include <gtest/gtest.h>

#include <string>

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

TEST_P(FullPageCustomColor, FillsThePageLightenedByTheCoverage) {
  const FullPageCase& c = GetParam();
  PatternPage page;
  page.Custom(0).Colour(kFullPageColourSlot, c.colour.red, c.colour.green, c.colour.blue);
  page.host.boxes[kIdCoverage] = c.coverage;
  page.Draw();
  const auto boxes = PaintedBoxes(page.surface);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 6814}));
  EXPECT_EQ(boxes[0].brush, c.expected) << std::hex << boxes[0].brush;
}

INSTANTIATE_TEST_SUITE_P(
    Coverage, FullPageCustomColor,
    ::testing::Values(FullPageCase{"RedAtHalf", {255, 0, 0}, "50", Rgb(255, 127, 127)},
                      FullPageCase{"EmptyBoxGivesWhite", {255, 0, 0}, "", Rgb(255, 255, 255)},
                      FullPageCase{"FullCoverageKeepsTheColour", {0, 128, 255}, "100", Rgb(0, 128, 255)},
                      // Above 100 darkens; below 0 a component stops at 0 instead of borrowing from the next byte.
                      FullPageCase{"AboveHundredStopsAtTheByte", {100, 200, 50}, "150", Rgb(23, 173, 0)},
                      // The typed number saturates at 2^31 - 1: (100 - p) x 255 must not overflow.
                      FullPageCase{"HugeNumberDoesNotOverflow", {255, 0, 0}, "99999999999", Rgb(255, 0, 0)},
                      FullPageCase{"ComponentsOutsideAByteAreHeld", {500, -3, 0}, "100", Rgb(255, 0, 0)}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CustomGradient, SingleBarTenMillimetresHighAtTheOffset) {
  PatternPage page;
  page.Custom(1).Colour(kGradientStartSlot, 200, 0, 100).Colour(kGradientEndSlot, 0, 255, 100);
  page.geometry.offsetMm = 10;  // 230 units
  page.Draw();
  const auto boxes = PaintedBoxes(page.surface);
  // 512 slices of 9.375 units, 6814 x 10 / 288 = 236 high; slice 256 is
  // halfway (127.5 truncated), the last a step short of slot 6.
  ASSERT_EQ(boxes.size(), 512u);
  EXPECT_EQ(boxes[0].box, (Rect{0, 230, 9, 466}));
  EXPECT_EQ(boxes[0].brush, Rgb(200, 0, 100));
  EXPECT_EQ(boxes[256].box, (Rect{2400, 230, 2409, 466}));
  EXPECT_EQ(boxes[256].brush, Rgb(100, 127, 100));
  EXPECT_EQ(boxes[511].box, (Rect{4790, 230, 4800, 466}));
  EXPECT_EQ(boxes[511].brush, Rgb(0, 254, 100));
}

TEST(MillimetricPaper, DeviceWithoutMillimetreSizeDrawsNoGridAndEnds) {
  PatternPage page(RecordingDevice::A4At600Dpi().With(DeviceCap::VertSize, 0));
  page.Custom(3).Draw();
  EXPECT_TRUE(DrawnLines(page.surface).empty());
}

// Color Coverage: cells of 0.25 x 23 = 5.75 units, 834 x 1185 = 988290.
struct CoverageCase {
  const char* percent;
  std::size_t inked, white;  // cells, plus the full page above 50 %
  Rect secondCell;           // the cell one step after cell 0
};

class ColorCoverage : public ::testing::TestWithParam<CoverageCase> {};

TEST_P(ColorCoverage, InksEveryStepthCellOrLeavesItWhite) {
  const CoverageCase& c = GetParam();
  PatternPage page;
  page.Custom(5).Colour(kCoverageColourSlot, 0, 90, 180).host.boxes[kIdDotCoverage] = c.percent;
  page.Draw();
  const auto boxes = PaintedBoxes(page.surface);
  std::size_t inked = 0;
  for (const PaintedBox& b : boxes) inked += b.brush == Rgb(0, 90, 180) ? 1 : 0;
  EXPECT_EQ(inked, c.inked);
  EXPECT_EQ(boxes.size() - inked, c.white);
  const std::size_t first = c.white ? 1 : 0;  // after the full page
  if (first) {
    EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 6814}));
  }
  EXPECT_EQ(boxes[first].box, (Rect{0, 0, 5, 5}));
  EXPECT_EQ(boxes[first + 1].box, c.secondCell);
}

INSTANTIATE_TEST_SUITE_P(Percentages, ColorCoverage,
                         ::testing::Values(CoverageCase{"5", 49415, 0, {115, 0, 120, 5}},  // every 20th cell
                                           CoverageCase{"30", 329430, 0, {17, 0, 23, 5}},  // 100 / 30 = 3: about 33 %
                                           CoverageCase{"50", 494145, 0, {11, 0, 17, 5}},  // still dots
                                           CoverageCase{"80", 1, 197658, {28, 0, 34, 5}}),  // every 5th white
                         [](const auto& param) { return std::string("Percent") + param.param.percent; });

TEST(ColorCoverage, TypedPercentagesOutsideTheBoxRange) {
  for (const char* nothing : {"0", "", "-7"}) {
    PatternPage page;
    page.Custom(5).host.boxes[kIdDotCoverage] = nothing;
    page.Draw();
    EXPECT_TRUE(PaintedBoxes(page.surface).empty()) << "\"" << nothing << "\" inks nothing";
  }
  // 100 and above cover the page with no white cell: 100 - s is never a divisor of 0.
  for (const char* full : {"100", "150"}) {
    PatternPage page;
    page.Custom(5).host.boxes[kIdDotCoverage] = full;
    page.Draw();
    const auto boxes = PaintedBoxes(page.surface);
    ASSERT_EQ(boxes.size(), 1u) << full;
    EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 6814})) << full;
  }
}

TEST(ColorCoverage, CellsAreAtLeastOneUnitOnCoarseOrSizelessDevices) {
  // 2 units a millimetre would give half-unit cells, every second one
  // truncated to nothing; no millimetre size would give cells of size 0.
  for (const RecordingDevice& device :
       {RecordingDevice::Printer(72, 72, 40, 30, 20, 15, 0, 0), RecordingDevice::Printer(600, 600, 40, 30, 0, 0, 0, 0)}) {
    PatternPage page(device);
    page.Custom(5).host.boxes[kIdDotCoverage] = "50";
    page.Draw();
    const auto boxes = PaintedBoxes(page.surface);
    EXPECT_EQ(boxes.size(), 600u);  // half of 40 x 30 one-unit cells
    for (const PaintedBox& b : boxes) ASSERT_EQ(b.box.right - b.box.left + b.box.bottom - b.box.top, 2);
  }
}

}  // namespace
}  // namespace veltrim::test
