// The Custom pages on the 600 x 300 dpi printer (23 units a horizontal and 11 a vertical millimetre): what each paints,
// and how each treats values typed by hand that its boxes do not offer. Items 0 and 4: with the Advanced pages.
#include <gtest/gtest.h>

#include "pattern_page.hpp"
#include "patterns/custom_patterns.hpp"

namespace veltrim::test {
namespace {

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
    page.selection.gradientLayout = c.layout;
    const auto boxes = page.Colour(kGradientStartSlot, {200, 0, 100}).Colour(kGradientEndSlot, {0, 255, 100})
                           .Tick(Tab::Custom, {1}).Draw(10).Boxes();
    ASSERT_EQ(boxes.size(), 512u) << c.layout;
    EXPECT_EQ(boxes[0], (PaintedBox{c.first, Rgb(200, 0, 100), Rgb(200, 0, 100), 1})) << c.layout;
    EXPECT_EQ(boxes[256], (PaintedBox{c.middle, Rgb(100, 127, 100), Rgb(100, 127, 100), 1})) << c.layout;
    EXPECT_EQ(boxes[511], (PaintedBox{c.last, Rgb(0, 254, 100), Rgb(0, 254, 100), 1})) << c.layout;
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
  EXPECT_EQ(page.Lines(), (std::vector<DrawnLine>{{{0, 0}, {4800, 3150}, 7, 0}, {{4800, 0}, {0, 3150}, 7, 0}}));
}

TEST(MillimetricPaper, FineThenCoarseLinesBothWaysByTheVerticalMillimetre) {
  const auto lines = Page().Colour(kGridColourSlot, {10, 20, 30}).Tick(Tab::Custom, {3}).Draw(10).Lines();
  // Every 11 units with a pen of 11 / 10 = 1: 287 across (to 3146), 437 down (to 4796); then every 55 with
  // 0.3 x 11 = 3: 58 across, 88 down.
  ASSERT_EQ(lines.size(), 287u + 437u + 58u + 88u);
  const struct { std::size_t index; Point from, to; int width; } expected[] = {
      {0, {0, 0}, {4800, 0}, 1},         {286, {0, 3146}, {4800, 3146}, 1}, {287, {0, 0}, {0, 3150}, 1},
      {723, {4796, 0}, {4796, 3150}, 1}, {724, {0, 0}, {4800, 0}, 3},       {725, {0, 55}, {4800, 55}, 3},
      {782, {0, 0}, {0, 3150}, 3},       {869, {4785, 0}, {4785, 3150}, 3},
  };
  for (const auto& e : expected) EXPECT_EQ(lines[e.index], (DrawnLine{e.from, e.to, e.width, Rgb(10, 20, 30)}));
  EXPECT_TRUE(Page(Tab::Custom, {3}, Skewed().With(DeviceCap::VertSize, 0)).Lines().empty())
      << "no millimetre to step by: no grid, and the page ends";
}

// Color Coverage: cells 0.25 x 11 = 2.75 wide and 0.25 x 23 = 5.75 high, 1745 x 547 = 954515 of them; row 1 starts
// at cell 1745.
TEST(ColorCoverage, InksEveryStepthCellOrLeavesItWhite) {
  const struct {
    const char* percent;
    std::size_t inked, white;  // cells, plus the full page above 50 %
    std::size_t second;        // the index of the first cell in row 1
    Rect secondCell, rowCell;
  } cases[] = {
      {"5", 47726, 0, 88, {55, 0, 57, 5}, {41, 5, 44, 11}},   // every 20th cell
      {"30", 318172, 0, 582, {8, 0, 11, 5}, {2, 5, 5, 11}},   // 100 / 30 = 3: about 33 %
      {"50", 477258, 0, 873, {5, 0, 8, 5}, {2, 5, 5, 11}},    // still dots
      {"80", 1, 190903, 349, {13, 0, 16, 5}, {0, 5, 2, 11}},  // every 5th white
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percent);
    const auto boxes =
        Page().Colour(kCoverageColourSlot, {0, 90, 180}).Box(kIdDotCoverage, c.percent).Tick(Tab::Custom, {5}).Draw(10)
            .Boxes();
    const auto inked = std::count_if(boxes.begin(), boxes.end(), [](const PaintedBox& b) {
      return b.brush == Rgb(0, 90, 180);
    });
    EXPECT_EQ(static_cast<std::size_t>(inked), c.inked);
    ASSERT_EQ(boxes.size() - static_cast<std::size_t>(inked), c.white);
    const std::size_t first = c.white ? 1 : 0;  // after the full page
    if (first) {
      EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 3150}));
    }
    EXPECT_EQ(std::tuple(boxes[first].box, boxes[first + 1].box, boxes[first + c.second].box),
              std::tuple(Rect{0, 0, 2, 5}, c.secondCell, c.rowCell));
  }
}

TEST(ColorCoverage, TypedPercentagesOutsideTheBoxRange) {
  // 0 and below ink nothing; 100 and above cover the page with no white cell: 100 - s is never a divisor of 0.
  for (const auto& [typed, whole] : {std::pair{"0", false}, {"", false}, {"-7", false}, {"100", true}, {"150", true}}) {
    const auto boxes = Page().Box(kIdDotCoverage, typed).Tick(Tab::Custom, {5}).Draw().Boxes();
    ASSERT_EQ(boxes.size(), whole ? 1u : 0u) << "\"" << typed << "\"";
    if (whole) {
      EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 3150})) << typed;
    }
  }
}

TEST(ColorCoverage, CellsAreAtLeastOneUnitOnCoarseOrSizelessDevices) {
  // 2 units a millimetre would give half-unit cells, every second one truncated to nothing; no millimetre size would
  // give cells of size 0.
  for (const RecordingDevice& device : {RecordingDevice::Printer(72, 72, 40, 30, 20, 15, 0, 0),
                                        RecordingDevice::Printer(600, 600, 40, 30, 0, 0, 0, 0)}) {
    const auto boxes = Page(device).Box(kIdDotCoverage, "50").Tick(Tab::Custom, {5}).Draw().Boxes();
    EXPECT_EQ(boxes.size(), 600u);  // half of 40 x 30 one-unit cells
    for (const PaintedBox& b : boxes) ASSERT_EQ(b.box.right - b.box.left + b.box.bottom - b.box.top, 2);
  }
}

}  // namespace
}  // namespace veltrim::test
