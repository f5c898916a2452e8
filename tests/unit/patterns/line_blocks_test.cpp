// The line blocks: the weight combs, the inclined lines and the Bezier band.
#include "patterns/line_blocks.hpp"

#include <gtest/gtest.h>

#include "page_run.hpp"
#include "print/page_dispatch.hpp"

namespace veltrim {
namespace {

using test::PageRun;
using Args = std::vector<std::int64_t>;

constexpr int kY0 = 100;

TEST(ThicknessLines, CombOfFiftyFourStrokesEachOneUnitWider) {
  // 4960 wide, 23 dots a vertical millimetre: a stroke every 92 dots; the
  // gap and the length go by the horizontal 20.
  PageRun run(RecordingDevice::A4At600Dpi().With(DeviceCap::HorzRes, 4960).With(DeviceCap::HorzSize, 248), kY0);
  EXPECT_EQ(run.Draw(DrawBlackThicknessLines), kY0) << "the last block of its page leaves the cursor";
  const auto pens = run.ArgsOf("CreatePen");
  const auto moves = run.ArgsOf("MoveToEx");
  const auto lines = run.ArgsOf("LineTo");
  ASSERT_EQ(pens.size(), 54u);
  ASSERT_EQ(moves.size(), 54u);
  const int top = kY0 + 3 * 20, bottom = top + 25 * 20;
  for (int i = 0; i < 54; ++i) {
    EXPECT_EQ(pens[i], (Args{0, i + 1, 0x000000})) << i;
    EXPECT_EQ(moves[i], (Args{92 * i, top})) << i;
    EXPECT_EQ(lines[i], (Args{92 * i, bottom})) << i;
  }
}

TEST(ThicknessLines, ColourCombsStackElevenMillimetresApart) {
  // The Color page with the cyan and yellow combs only, from the dispatch.
  PageRun run(RecordingDevice::A4At600Dpi());
  run.selection.currentTab = 1;
  run.selection.colorTests[9] = 1;
  run.selection.colorTests[11] = 1;
  PageContext page = run.Context();
  DrawPage(page);
  const auto pens = run.ArgsOf("CreatePen");
  const auto moves = run.ArgsOf("MoveToEx");
  ASSERT_EQ(pens.size(), 2u * 53u) << "4800 wide: strokes at 0 .. 4784";
  const int cyanTop = run.geometry.lineHeight + 23;
  EXPECT_EQ(moves.front(), (Args{0, cyanTop}));
  EXPECT_EQ(pens.front()[2], 0xFFFF00);
  EXPECT_EQ(run.ArgsOf("LineTo").front(), (Args{0, cyanTop + 230}));
  EXPECT_EQ(moves[53], (Args{0, cyanTop + 12 * 23})) << "11 mm of cursor step and 1 mm of gap";
  EXPECT_EQ(pens[53], (Args{0, 1, 0x00FFFF}));
  EXPECT_EQ(run.geometry.cursorY, cyanTop + 11 * 23) << "yellow ends the page: the cursor stays";
}

TEST(InclinedLines, TwentyLinesFiveOfEachColour) {
  struct Case {
    int vertRes, vertSize, band10, penWidth;
  };
  // band10 below 50 gives the thinnest pen, width 0.
  for (const Case c : {Case{6814, 288, 236, 4}, Case{490, 100, 49, 0}}) {
    // 20 dots a horizontal millimetre for the step after the block.
    PageRun run(RecordingDevice::A4At600Dpi()
                    .With(DeviceCap::VertRes, c.vertRes)
                    .With(DeviceCap::VertSize, c.vertSize)
                    .With(DeviceCap::HorzSize, 240),
                kY0);
    const int end = run.Draw(DrawThinInclinedLines);
    const ColorRef colours[] = {0x000000, 0xFFFF00, 0xFF00FF, 0x00FFFF};
    const auto pens = run.ArgsOf("CreatePen");
    const auto brushes = run.ArgsOf("CreateBrushIndirect");
    ASSERT_EQ(pens.size(), 4u);
    ASSERT_EQ(brushes.size(), 4u);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(pens[i], (Args{0, c.penWidth, colours[i]})) << c.band10;
      EXPECT_EQ(brushes[i], (Args{kBsSolid, colours[i], 0})) << c.band10;
    }
    const auto moves = run.ArgsOf("MoveToEx");
    const auto lines = run.ArgsOf("LineTo");
    ASSERT_EQ(moves.size(), 20u);
    for (int i = 0; i < 20; ++i) {
      const int y = kY0 + c.band10 + i * (c.band10 / 20);
      EXPECT_EQ(moves[i], (Args{0, y}));
      EXPECT_EQ(lines[i], (Args{4800, y + c.band10 / 5}));
    }
    EXPECT_EQ(end, kY0 + c.band10 + 20 * (c.band10 / 20) + 4 * 20);
  }
}

TEST(BezierCurves, TriangularPointsPaddedWithTheLastToThreeSegmentsPlusOne) {
  // Points while k(k+1)/2 < W - 1: 4754 gives 97 (already 3 x 32 + 1), 4755
  // gives 98 (two repeats), 4853 gives 99 (one), 2 gives the single point 0.
  for (const auto& [width, computed, points] :
       {std::tuple{4754, 97, 97}, {4755, 98, 100}, {4853, 99, 100}, {2, 1, 1}}) {
    PageRun run(RecordingDevice::A4At600Dpi().With(DeviceCap::HorzRes, width), kY0);
    const int h = 946;
    EXPECT_EQ(run.Draw(DrawBezierCurves), kY0 + h + 4);
    EXPECT_TRUE(run.ArgsOf("CreatePen").empty()) << "drawn with the context's own pen";
    const auto curves = run.ArgsOf("PolyBezier");
    ASSERT_EQ(curves.size(), 1u);
    const Args& xy = curves[0];
    ASSERT_EQ(xy.size(), 2u * points) << width;
    const int cycle[] = {0, h / 3, 0, h, 0, 3 * (h / 4), 0, h};
    for (int k = 0; k < points; ++k) {
      const int source = std::min(k, computed - 1);
      EXPECT_EQ(xy[2 * k], source * (source + 1) / 2) << k;
      EXPECT_EQ(xy[2 * k + 1], kY0 + cycle[source % 8]) << k;
    }
  }
}

}  // namespace
}  // namespace veltrim
