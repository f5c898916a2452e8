// The line blocks: the weight combs, the inclined lines and the Bezier band.
#include "patterns/line_blocks.hpp"

#include <gtest/gtest.h>

#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

constexpr int kY0 = 100;

TEST(ThicknessLines, CombOfFiftyFourStrokesEachOneUnitWider) {
  // 4960 wide, 23 dots a vertical millimetre: a stroke every 92 dots; the gap and the length go by the horizontal 20.
  Page page(RecordingDevice::A4At600Dpi().With(DeviceCap::HorzRes, 4960).With(DeviceCap::HorzSize, 248));
  EXPECT_EQ(page.Run(DrawBlackThicknessLines, kY0), kY0) << "the last block of its page leaves the cursor";
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 54u);
  const int top = kY0 + 3 * 20, bottom = top + 25 * 20;
  for (int i = 0; i < 54; ++i) EXPECT_EQ(lines[i], (DrawnLine{{92 * i, top}, {92 * i, bottom}, i + 1})) << i;
}

TEST(ThicknessLines, ColourCombsStackElevenMillimetresApart) {
  // The Color page with the cyan and yellow combs only; strokes every 4
  // vertical mm (44) to 4796, 23 units a horizontal mm down the page.
  const Page page(Tab::Color, {9, 11});
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 2u * 110u);
  const int cyanTop = page.geometry.lineHeight + 23;
  EXPECT_EQ(lines.front().from, (Point{0, cyanTop}));
  EXPECT_EQ(lines.front().to, (Point{0, cyanTop + 230}));
  EXPECT_EQ(lines.front().colour, ColorRef{0xFFFF00});
  EXPECT_EQ(lines[110].from, (Point{0, cyanTop + 12 * 23})) << "11 mm of cursor step and 1 mm of gap";
  EXPECT_EQ(lines[110].colour, ColorRef{0x00FFFF});
  EXPECT_EQ(lines[110].width, 1);
  EXPECT_EQ(page.geometry.cursorY, cyanTop + 11 * 23) << "yellow ends the page: the cursor stays";
}

TEST(InclinedLines, TwentyLinesFiveOfEachColour) {
  // band10 below 50 gives the thinnest pen, width 0; 20 dots a horizontal millimetre for the step after the block.
  for (const auto& [vertRes, vertSize, band10, penWidth] : {std::tuple{6814, 288, 236, 4}, {490, 100, 49, 0}}) {
    Page page(RecordingDevice::A4At600Dpi()
                  .With(DeviceCap::VertRes, vertRes)
                  .With(DeviceCap::VertSize, vertSize)
                  .With(DeviceCap::HorzSize, 240));
    EXPECT_EQ(page.Run(DrawThinInclinedLines, kY0), kY0 + band10 + 20 * (band10 / 20) + 4 * 20);
    const ColorRef colours[] = {0x000000, 0xFFFF00, 0xFF00FF, 0x00FFFF};
    ASSERT_EQ(page.ArgsOf("CreateBrushIndirect").size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(page.ArgsOf("CreateBrushIndirect")[i], (Args{kBsSolid, colours[i], 0}));
    const auto lines = page.Lines();
    ASSERT_EQ(lines.size(), 20u);
    for (int i = 0; i < 20; ++i) {
      const int y = kY0 + band10 + i * (band10 / 20);
      EXPECT_EQ(lines[i], (DrawnLine{{0, y}, {4800, y + band10 / 5}, penWidth, colours[i / 5]})) << i;
    }
  }
}

TEST(BezierCurves, TriangularPointsPaddedWithTheLastToThreeSegmentsPlusOne) {
  // Points while k(k+1)/2 < W - 1: 4754 gives 97 (already 3 x 32 + 1), 4755
  // gives 98 (two repeats), 4853 gives 99 (one), 2 gives the single point 0.
  for (const auto& [width, computed, points] :
       {std::tuple{4754, 97, 97}, {4755, 98, 100}, {4853, 99, 100}, {2, 1, 1}}) {
    Page page(RecordingDevice::A4At600Dpi().With(DeviceCap::HorzRes, width));
    const int h = 946;
    EXPECT_EQ(page.Run(DrawBezierCurves, kY0), kY0 + h + 4);
    EXPECT_TRUE(page.ArgsOf("CreatePen").empty()) << "drawn with the context's own pen";
    const auto curves = page.ArgsOf("PolyBezier");
    ASSERT_EQ(curves.size(), 1u);
    ASSERT_EQ(curves[0].size(), 2u * points) << width;
    const int cycle[] = {0, h / 3, 0, h, 0, 3 * (h / 4), 0, h};
    for (int k = 0; k < points; ++k) {
      const int source = std::min(k, computed - 1);
      EXPECT_EQ(curves[0][2 * k], source * (source + 1) / 2) << k;
      EXPECT_EQ(curves[0][2 * k + 1], kY0 + cycle[source % 8]) << k;
    }
  }
}

}  // namespace
}  // namespace veltrim::test
