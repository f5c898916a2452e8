// The four-sided gradient squares: CMYK (Advanced 13) and Custom item 4.
#include "patterns/four_sided_gradient.hpp"

#include <gtest/gtest.h>

#include "advanced_page.hpp"

namespace veltrim::test {
namespace {

TEST(CmykFourSidedGradient, PortraitSquareOf262By262CellsWithTheCaptionBelow) {
  AdvancedPage page(RecordingDevice::Printer(600, 600, 4960, 7014, 210, 297, 0, 0));
  page.Advanced(13, 10);  // the offset does not apply
  const auto rects = FilledRects(page.dc);
  // m = 4960, cell = 4960 / 255 = 19: starts 0, 19, ... 4959 in each direction.
  ASSERT_EQ(rects.size(), 262u * 262u);
  EXPECT_EQ(rects.front(), (FilledRect{{0, 0, 19, 19}, Rgb(0, 255, 255), Rgb(0, 255, 255), 1}));
  EXPECT_EQ(rects[261].rect, (Rect{4959, 0, 4978, 19}));
  EXPECT_EQ(rects[262].rect, (Rect{0, 19, 19, 38}));
  // 4959 / 4960 of the way to yellow in both directions, truncated.
  EXPECT_EQ(rects.back(), (FilledRect{{4959, 4959, 4978, 4978}, Rgb(254, 253, 1), Rgb(254, 253, 1), 1}));
  EXPECT_EQ(rects[261].brush, Rgb(254, 1, 255)) << "top-right cell, nearly magenta";
  EXPECT_EQ(rects[261 * 262].brush, Rgb(0, 1, 1)) << "bottom-left cell, nearly black";

  const auto captions = page.dc.RecordsOf("DrawTextA");
  ASSERT_EQ(captions.size(), 1u);
  // pxPerMmX = 4960 / 210 = 23: ten millimetres below the square.
  EXPECT_EQ(captions[0].args, (std::vector<std::int64_t>{0, 4960 + 230, 4960, 7014, 0x2810}));
  EXPECT_EQ(captions[0].text, "QORVEL Veltrim version 2 / Printer: Queue 7");
  EXPECT_EQ(page.dc.HygieneReport(), "");
}

TEST(CmykFourSidedGradient, LandscapeCaptionStandsBesideTheSquare) {
  AdvancedPage page(RecordingDevice::Printer(600, 600, 7014, 4960, 297, 210, 0, 0));
  page.printerName.clear();
  page.Advanced(13);
  const auto captions = page.dc.RecordsOf("DrawTextA");
  ASSERT_EQ(captions.size(), 1u);
  // pxPerMmX = 7014 / 297 = 23.
  EXPECT_EQ(captions[0].args, (std::vector<std::int64_t>{4960 + 230, 0, 7014, 4960, 0x2810}));
  EXPECT_EQ(captions[0].text, "QORVEL Veltrim version 2 / Printer: ");
  const auto rects = FilledRects(page.dc);
  EXPECT_EQ(rects.back().rect, (Rect{4959, 4959, 4978, 4978})) << "the square stays on the shorter side";
}

TEST(CustomFourSidedGradient, CornersFromSlotsFourThreeTwoOneHeldToTheByte) {
  AdvancedPage page(RecordingDevice::Printer(300, 300, 510, 600, 43, 50, 0, 0));
  auto& slots = page.selection.customColours;
  slots[4] = {500, -20, 0};  // typed past the byte: (255, 0, 0), not 500 & 0xFF
  slots[3] = {0, 200, 0};
  slots[2] = {0, 0, 0};
  slots[1] = {100, 100, 100};
  page.Draw(4, 4);
  const auto rects = FilledRects(page.dc);
  // m = 510, cell = 2: starts 0 ... 510, 256 a side.
  ASSERT_EQ(rects.size(), 256u * 256u);
  EXPECT_EQ(rects.front().brush, Rgb(255, 0, 0));
  EXPECT_EQ(rects[255].brush, Rgb(0, 200, 0));
  EXPECT_EQ(rects[128 * 256].brush, Rgb(127, 0, 0)) << "y = 256: 255 - 255 x 256 / 510";
  EXPECT_EQ(rects.back(), (FilledRect{{510, 510, 512, 512}, Rgb(100, 100, 100), Rgb(100, 100, 100), 1}));
  EXPECT_EQ(page.dc.HygieneReport(), "");
}

TEST(FourSidedGradient, SmallDeviceGetsOneUnitCells) {
  // 200 x 100 units: 100 / 255 = 0, taken as one unit; 101 cells a side.
  AdvancedPage page(RecordingDevice::Printer(96, 96, 200, 100, 52, 26, 0, 0));
  page.Advanced(13);
  const auto rects = FilledRects(page.dc);
  ASSERT_EQ(rects.size(), 101u * 101u);
  EXPECT_EQ(rects.back().rect, (Rect{100, 100, 101, 101}));
  EXPECT_EQ(rects.back().brush, Rgb(255, 255, 0));
}

}  // namespace
}  // namespace veltrim::test
