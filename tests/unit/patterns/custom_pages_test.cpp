// The Custom pages on the recording surface of the 600 x 300 dpi printer (4800 x 3150 units, 23 a horizontal and 11 a
// vertical millimetre): what each paints, and how each treats values typed by hand that its boxes do not offer.
#include <gtest/gtest.h>

#include <string>

#include "pattern_page.hpp"
#include "patterns/custom_patterns.hpp"

namespace veltrim::test {
namespace {

TEST(FullPageCustomColor, FillsThePageLightenedByTheCoverage) {
  const struct { ColourTriple colour; const char* coverage; ColorRef expected; } cases[] = {
      {{255, 0, 0}, "50", Rgb(255, 127, 127)},
      {{255, 0, 0}, "", Rgb(255, 255, 255)},  // an empty box gives white
      {{0, 128, 255}, "100", Rgb(0, 128, 255)},
      // Above 100 darkens; below 0 a component stops at 0 instead of borrowing from the next byte.
      {{100, 200, 50}, "150", Rgb(23, 173, 0)},
      // The typed number saturates at 2^31 - 1: (100 - p) x 255 must not overflow.
      {{255, 0, 0}, "99999999999", Rgb(255, 0, 0)},
      {{500, -3, 0}, "100", Rgb(255, 0, 0)},  // components outside a byte are held
  };
  for (const auto& c : cases) {
    Page page;
    page.selection.customColours[kFullPageColourSlot] = c.colour;
    page.Box(kIdCoverage, c.coverage).Tick(Tab::Custom, {0}).Draw(10);
    EXPECT_EQ(page.Boxes(), (std::vector<PaintedBox>{{{0, 0, 4800, 3150}, c.expected, c.expected, 1}})) << c.coverage;
  }
}

TEST(CustomGradient, FiveHundredTwelveSlicesInEachLayout) {
  // From slot 7 toward slot 6: slice 256 is halfway (127.5 truncated), the last a step short of slot 6. Sizes
  // 4800 / 512 = 9.375 across and 3150 / 512 = 6.15 down; the bar is 3150 x 10 / 266 = 118 high at the offset
  // (10 mm = 230).
  const struct { int layout; Rect first, middle, last; } cases[] = {
      {kSingleBar, {0, 230, 9, 348}, {2400, 230, 2409, 348}, {4790, 230, 4800, 348}},
      {kFullPageVertical, {0, 0, 4800, 6}, {0, 1575, 4800, 1581}, {0, 3143, 4800, 3150}},
      {kFullPageHorizontal, {0, 0, 9, 3150}, {2400, 0, 2409, 3150}, {4790, 0, 4800, 3150}},
  };
  for (const auto& c : cases) {
    Page page;
    page.selection.customColours[kGradientStartSlot] = {200, 0, 100};
    page.selection.customColours[kGradientEndSlot] = {0, 255, 100};
    page.selection.gradientLayout = c.layout;
    page.Tick(Tab::Custom, {1}).Draw(10);
    const auto boxes = page.Boxes();
    ASSERT_EQ(boxes.size(), 512u) << c.layout;
    EXPECT_EQ(boxes[0].box, c.first) << c.layout;
    EXPECT_EQ(boxes[256].box, c.middle) << c.layout;
    EXPECT_EQ(boxes[511].box, c.last) << c.layout;
    EXPECT_EQ(boxes[0].brush, Rgb(200, 0, 100));
    EXPECT_EQ(boxes[256].brush, Rgb(100, 127, 100));
    EXPECT_EQ(boxes[511].brush, Rgb(0, 254, 100));
  }
  for (const int layout : {3, -1}) {
    Page page;
    page.selection.gradientLayout = layout;
    EXPECT_TRUE(page.Tick(Tab::Custom, {1}).Draw().dc.Records().empty()) << "layout " << layout << " draws nothing";
  }
}

TEST(DrawXOnWholePaper, BothDiagonalsWithAPenOfSevenTenthsOfAVerticalMillimetre) {
  const Page page(Tab::Custom, {2}, Skewed(), 10);
  EXPECT_EQ(page.ArgsOf("CreatePen"), (std::vector<Args>{{0, 7, 0}})) << "0.7 x 11, truncated";
  EXPECT_EQ(page.ArgsOf("MoveToEx"), (std::vector<Args>{{0, 0}, {4800, 0}}));
  EXPECT_EQ(page.ArgsOf("LineTo"), (std::vector<Args>{{4800, 3150}, {0, 3150}}));
}

TEST(MillimetricPaper, FineThenCoarseLinesBothWaysByTheVerticalMillimetre) {
  Page page;
  page.selection.customColours[kGridColourSlot] = {10, 20, 30};
  page.Tick(Tab::Custom, {3}).Draw(10);
  const auto lines = page.Lines();
  // Every 11 units with a pen of 11 / 10 = 1: 287 across (to 3146), 437
  // down (to 4796); then every 55 with 0.3 x 11 = 3: 58 across, 88 down.
  ASSERT_EQ(lines.size(), 287u + 437u + 58u + 88u);
  const struct { std::size_t index; Point from, to; int width; } expected[] = {
      {0, {0, 0}, {4800, 0}, 1},      {286, {0, 3146}, {4800, 3146}, 1}, {287, {0, 0}, {0, 3150}, 1},
      {723, {4796, 0}, {4796, 3150}, 1}, {724, {0, 0}, {4800, 0}, 3},     {725, {0, 55}, {4800, 55}, 3},
      {782, {0, 0}, {0, 3150}, 3},    {869, {4785, 0}, {4785, 3150}, 3},
  };
  for (const auto& e : expected) EXPECT_EQ(lines[e.index], (DrawnLine{e.from, e.to, e.width, Rgb(10, 20, 30)}));
  EXPECT_TRUE(Page(Tab::Custom, {3}, Skewed().With(DeviceCap::VertSize, 0)).Lines().empty())
      << "no millimetre to step by: no grid, and the page ends";
}

// Color Coverage: cells 0.25 x 11 = 2.75 wide and 0.25 x 23 = 5.75 high,
// 1745 x 547 = 954515 of them; row 1 starts at cell 1745.
TEST(ColorCoverage, InksEveryStepthCellOrLeavesItWhite) {
  const struct {
    const char* percent;
    std::size_t inked, white;  // cells, plus the full page above 50 %
    std::size_t second;        // the index of the first cell in row 1
    Rect secondCell, rowCell;
  } cases[] = {
      {"5", 47726, 0, 88, {55, 0, 57, 5}, {41, 5, 44, 11}},      // every 20th cell
      {"30", 318172, 0, 582, {8, 0, 11, 5}, {2, 5, 5, 11}},      // 100 / 30 = 3: about 33 %
      {"50", 477258, 0, 873, {5, 0, 8, 5}, {2, 5, 5, 11}},       // still dots
      {"80", 1, 190903, 349, {13, 0, 16, 5}, {0, 5, 2, 11}},     // every 5th white
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percent);
    Page page;
    page.selection.customColours[kCoverageColourSlot] = {0, 90, 180};
    page.Box(kIdDotCoverage, c.percent).Tick(Tab::Custom, {5}).Draw(10);
    const auto boxes = page.Boxes();
    std::size_t inked = 0;
    for (const PaintedBox& b : boxes) inked += b.brush == Rgb(0, 90, 180) ? 1 : 0;
    EXPECT_EQ(inked, c.inked);
    ASSERT_EQ(boxes.size() - inked, c.white);
    const std::size_t first = c.white ? 1 : 0;  // after the full page
    if (first) {
      EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 3150}));
    }
    EXPECT_EQ(boxes[first].box, (Rect{0, 0, 2, 5}));
    EXPECT_EQ(boxes[first + 1].box, c.secondCell);
    EXPECT_EQ(boxes[first + c.second].box, c.rowCell);
  }
}

TEST(ColorCoverage, TypedPercentagesOutsideTheBoxRange) {
  // 0 and below ink nothing; 100 and above cover the page with no white cell: 100 - s is never a divisor of 0.
  for (const auto& [typed, boxes] : {std::pair{"0", 0u}, {"", 0u}, {"-7", 0u}, {"100", 1u}, {"150", 1u}}) {
    Page page;
    page.Box(kIdDotCoverage, typed).Tick(Tab::Custom, {5}).Draw();
    ASSERT_EQ(page.Boxes().size(), boxes) << "\"" << typed << "\"";
    if (boxes) {
      EXPECT_EQ(page.Boxes()[0].box, (Rect{0, 0, 4800, 3150})) << typed;
    }
  }
}

TEST(ColorCoverage, CellsAreAtLeastOneUnitOnCoarseOrSizelessDevices) {
  // 2 units a millimetre would give half-unit cells, every second one
  // truncated to nothing; no millimetre size would give cells of size 0.
  for (const RecordingDevice& device : {RecordingDevice::Printer(72, 72, 40, 30, 20, 15, 0, 0),
                                        RecordingDevice::Printer(600, 600, 40, 30, 0, 0, 0, 0)}) {
    Page page(device);
    page.Box(kIdDotCoverage, "50").Tick(Tab::Custom, {5}).Draw();
    const auto boxes = page.Boxes();
    EXPECT_EQ(boxes.size(), 600u);  // half of 40 x 30 one-unit cells
    for (const PaintedBox& b : boxes) ASSERT_EQ(b.box.right - b.box.left + b.box.bottom - b.box.top, 2);
  }
}

}  // namespace
}  // namespace veltrim::test
