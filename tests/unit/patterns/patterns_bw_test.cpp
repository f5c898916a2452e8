// The Black&White page's patterns and the information block on recording surfaces, read back as boxes and texts.
#include <gtest/gtest.h>

#include "core/patterns/black_white/bw_shapes.hpp"
#include "core/patterns/black_white/info_block.hpp"
#include "core/patterns/shared/line_blocks.hpp"
#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

TEST(InfoBlock, TwentySixExactLinesOneLineHeightApart) {
  // Unequal resolutions, so a line showing the wrong index stands out.
  Page page(RecordingDevice::Printer(600, 1200, 4800, 13628, 203, 288, 80, 100).With(DeviceCap::SizePalette, 256)
                .With(DeviceCap::ColorRes, 24));
  const int lineHeight = page.geometry.lineHeight;
  EXPECT_EQ(page.Run(DrawInfoBlock, 230), 230 + 26 * lineHeight);
  EXPECT_EQ(page.TextsOf(), (std::vector<std::string>{
      "QORVEL Veltrim Program - version 2 - www.qorvel.com    ", "Current Date And Time: [5] 5/3/2010  9:7:3 (45)     ",
      "Printer Name (Port Used): Queue 7 (CUPS:Queue 7)     ", "Computer Name/User Name: BENCH-PC / tester     ",
      "Device Capabilities:     ", "|_Device driver version: 1024     ", "|_Device technology: Raster printer     ",
      "|_Width, in millimeters, of the physical area: 203     ",
      "|_Height, in millimeters, of the physical area: 288     ", "|_Width, in pixels, of the area: 4800     ",
      "|_Height, in pixels, of the area: 13628     ", "|_Number of pixels per logical inch along the width: 600     ",
      "|_Number of pixels per logical inch along the height: 1200     ",
      "|_Number of color bits for each pixel: 24     ", "|_Number of color planes: 1     ",
      "|_Number of device-specific fonts: 0     ", "|_Relative width of a device pixel used for line drawing: 600     ",
      "|_Relative height of a device pixel used for line drawing: 1200     ",
      "|_Diagonal width of the device pixel used for line drawing: 1342     ",
      "|_Clipping capabilities of the device: TRUE     ", "|_Number of entries in the system palette: 256     ",
      "|_Actual color resolution of the device, in bits per pixel: 24     ",
      "|_The width of the physical page, in device units: 4960     ",
      "|_The height of the physical page, in device units: 13828     ",
      "|_Distance from left edge physical page -> printable area (dev. units): 80     ",
      "|_Distance from top edge physical page -> printable area (dev. units): 100     "}));
  const auto places = page.ArgsOf("TextOutA");
  ASSERT_EQ(places.size(), 26u);
  for (int k = 0; k < 26; ++k) EXPECT_EQ(places[k], (Args{0, 230 + k * lineHeight})) << k;
}

TEST(Lines, RulesThenAComb) {
  Page page(LetterAt600Dpi());
  EXPECT_EQ(page.Run(DrawLines, kY0), kY0 + 257) << "17 + cm1 (236) + 4";
  EXPECT_EQ(page.ArgsOf("LineTo")[3], (Args{4799, kY0 + 16}));
  const auto moves = page.ArgsOf("MoveToEx");
  const std::int64_t comb[] = {0, 1, 2, 5, 8, 11, 16, 21, 26, 33, 40, 47};
  for (std::size_t i = 0; i < std::size(comb); ++i) EXPECT_EQ(moves.at(4 + i), (Args{comb[i], kY0 + 17})) << i;
}

TEST(Ellipses, FanOfOutlinesOneCentimetreWiderEach) {
  // 5d = 2365: k = 1, 231, ..., 2301 on the 4800-wide page.
  Page page(LetterAt600Dpi());
  EXPECT_EQ(page.Run(DrawEllipses, kY0), kY0 + 473 + 4);
  const auto arcs = page.ArgsOf("Arc");
  ASSERT_EQ(arcs.size(), 13u);
  EXPECT_EQ(arcs[1], (Args{473, kY0, 1419, kY0 + 473, 0, 0, 0, 0}));
  EXPECT_EQ(page.ArgsOf("Ellipse"), (std::vector<Args>{{946, kY0, 2365, kY0 + 473}}));
  for (int j = 0; j < 11; ++j) EXPECT_EQ(arcs[2 + j], (Args{1182, kY0, 2366 + 230 * j, kY0 + 473, 0, 0, 0, 0}));
}

TEST(BlackRectangles, SmallBandAndLargeFrame) {
  Page small(LetterAt600Dpi()), large(LetterAt600Dpi());
  EXPECT_EQ(small.Run(DrawSmallBlackRectangle, kY0), kY0 + 46 + 4);
  EXPECT_EQ(small.ArgsOf("LineTo").size(), 46u) << "2 x 23 one-dot lines";
  EXPECT_EQ(large.Run(DrawLargeBlackRectangle, kY0), kY0 + 473 + 4);
  EXPECT_EQ(large.ArgsOf("Rectangle"), (std::vector<Args>{{0, kY0, 4799, kY0 + 473}}));
  // From y0 + 118.25, truncated, while below y0 + 354.75.
  const auto moves = large.ArgsOf("MoveToEx");
  ASSERT_EQ(moves.size(), 237u);
  EXPECT_EQ(moves.front(), (Args{10, kY0 + 118}));
}

TEST(GrayscaleRectangles, TwoRowsOfFourGreysAcrossTheWidth) {
  Page page(LetterAt600Dpi());
  const int t1 = kY0 + 23, b1 = t1 + 230, b2 = b1 + 230;
  EXPECT_EQ(page.Run(DrawGrayscaleRectangles, kY0), b1 + 11 * 23);
  const ColorRef greys[] = {0xCCCCCC, 0x999999, 0x666666, 0x333333, 0xD6D6D6, 0xE0E0E0, 0xEBEBEB, 0xF5F5F5};
  const auto boxes = page.Boxes();
  ASSERT_EQ(boxes.size(), 8u);
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(boxes[i], (PaintedBox{{i % 4 * 1200, i < 4 ? t1 : b1, i % 4 * 1200 + 1200, i < 4 ? b1 : b2},
                                    greys[i], greys[i], 1})) << i;
}

TEST(Chords, ChordThenAConnectedRowOfArcs) {
  // 20 dots a horizontal mm, 23 a vertical one: the arcs step by vertical cm, the row's height loses 5 horizontal mm.
  Page page(LetterAt600Dpi().With(DeviceCap::HorzSize, 240));
  const int h = 946 - 5 * 20;
  EXPECT_EQ(page.Run(DrawChords, kY0), kY0 + h + 4);
  EXPECT_EQ(page.ArgsOf("Chord"), (std::vector<Args>{{0, kY0, 1892, kY0 + 946, 1892, kY0, 0, kY0 + 946}}));
  EXPECT_EQ(page.ArgsOf("MoveToEx"), (std::vector<Args>{{299, kY0}}));
  const auto arcs = page.ArgsOf("ArcTo");
  ASSERT_EQ(arcs.size(), 23u) << "x from 690 by 230 while below 1.2 x 4800";
  EXPECT_EQ(arcs.back(), (Args{575 + 230, kY0, 5750, kY0 + h, 230, kY0, 5750, kY0 + h}));
  EXPECT_EQ(page.dc.BkMode(), kTransparent);
}

TEST(BezierCurves, TriangularPointsPaddedWithTheLastToThreeSegmentsPlusOne) {
  // Points while k(k+1)/2 < W - 1: on the 4800-wide page 98, the last (k = 97) repeated
  // twice more to make 100.
  Page page(RecordingDevice::A4At600Dpi());
  EXPECT_EQ(page.Run(DrawBezierCurves, kY0), kY0 + 946 + 4);
  EXPECT_TRUE(page.ArgsOf("CreatePen").empty()) << "drawn with the context's own pen";
  const auto curves = page.ArgsOf("PolyBezier");
  ASSERT_EQ(curves.size(), 1u);
  ASSERT_EQ(curves[0].size(), 2u * 100);
  // Worked: x the triangular numbers, y 0, 315, 0, 946, 0, 708, ... into the 946-dot band.
  EXPECT_EQ(Args(curves[0].begin(), curves[0].begin() + 12),
            (Args{0, kY0, 1, kY0 + 315, 3, kY0, 6, kY0 + 946, 10, kY0, 15, kY0 + 708}));
  EXPECT_EQ(Args(curves[0].end() - 8, curves[0].end()),
            (Args{4656, kY0, 4753, kY0 + 315, 4753, kY0 + 315, 4753, kY0 + 315})) << "96, then 97 three times";
}

TEST(ThicknessLines, CombOfFiftyFourStrokesEachOneUnitWider) {
  // 4960 wide, 23 dots a vertical millimetre: a stroke every 92 dots; the gap and the length go by the horizontal 20.
  Page page(RecordingDevice::A4At600Dpi().With(DeviceCap::HorzRes, 4960).With(DeviceCap::HorzSize, 248));
  EXPECT_EQ(page.Run(DrawBlackThicknessLines, kY0), kY0) << "the last block of its page leaves the cursor";
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 54u);
  const int top = kY0 + 3 * 20, bottom = top + 25 * 20;
  for (int i = 0; i < 54; ++i) EXPECT_EQ(lines[i], (DrawnLine{{92 * i, top}, {92 * i, bottom}, i + 1})) << i;
}

}  // namespace
}  // namespace veltrim::test
