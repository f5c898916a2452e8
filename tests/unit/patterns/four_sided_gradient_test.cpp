// The four-sided gradient squares: CMYK (Advanced 13) and Custom item 4.
#include <gtest/gtest.h>

#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

TEST(CmykFourSidedGradient, PortraitSquareOf262By262Cells) {
  Page page(RecordingDevice::Printer(600, 600, 4960, 7014, 210, 297, 0, 0));
  page.Tick(Tab::Advanced, {13}).Draw(10);  // the offset does not apply
  const auto boxes = page.Boxes();
  // m = 4960, cell = 4960 / 255 = 19: starts 0, 19, ... 4959 in each direction.
  ASSERT_EQ(boxes.size(), 262u * 262u);
  EXPECT_EQ(boxes[262].box, (Rect{0, 19, 19, 38}));
  // The corners; 4959 / 4960 of the way to yellow in both directions, truncated.
  const std::pair<std::size_t, PaintedBox> corners[] = {
      {0, {{0, 0, 19, 19}, Rgb(0, 255, 255), Rgb(0, 255, 255), 1}},
      {261, {{4959, 0, 4978, 19}, Rgb(254, 1, 255), Rgb(254, 1, 255), 1}},
      {261 * 262, {{0, 4959, 19, 4978}, Rgb(0, 1, 1), Rgb(0, 1, 1), 1}},
      {262 * 262 - 1, {{4959, 4959, 4978, 4978}, Rgb(254, 253, 1), Rgb(254, 253, 1), 1}}};
  for (const auto& [index, corner] : corners) EXPECT_EQ(boxes[index], corner) << index;
}

TEST(FourSidedGradient, CaptionTenHorizontalMillimetresBelowOrBesideTheSquare) {
  const struct { RecordingDevice device; const char* printer; Rect caption; Rect lastCell; } cases[] = {
      // 4800 x 3150, 23 units a horizontal mm: landscape, the caption to the right.
      {Skewed(), "Queue 7", {3150 + 230, 0, 4800, 3150}, {3144, 3144, 3156, 3156}},
      // The same turned: 3150 x 4800, 3150 / 266 = 11 a horizontal mm; below.
      {RecordingDevice::Printer(300, 600, 3150, 4800, 266, 203, 75, 150), "", {0, 3150 + 110, 3150, 4800},
       {3144, 3144, 3156, 3156}},
  };
  for (const auto& c : cases) {
    Page page(c.device);
    page.printerName = c.printer;
    page.Tick(Tab::Advanced, {13}).Draw();
    const auto captions = page.dc.RecordsOf("DrawTextA");
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0].args, (Args{c.caption.left, c.caption.top, c.caption.right, c.caption.bottom, 0x2810}));
    EXPECT_EQ(captions[0].text, std::string("QORVEL Veltrim version 2 / Printer: ") + c.printer);
    EXPECT_EQ(page.Boxes().back().box, c.lastCell) << "the square stays on the shorter side";
  }
}

TEST(CustomFourSidedGradient, CornersFromSlotsFourThreeTwoOneHeldToTheByte) {
  Page page(RecordingDevice::Printer(300, 300, 510, 600, 43, 50, 0, 0));
  page.selection.customColours[4] = {500, -20, 0};  // typed past the byte: (255, 0, 0), not 500 & 0xFF
  page.selection.customColours[3] = {0, 200, 0};
  page.selection.customColours[2] = {0, 0, 0};
  page.selection.customColours[1] = {100, 100, 100};
  page.Tick(Tab::Custom, {4}).Draw();
  const auto boxes = page.Boxes();
  // m = 510, cell = 2: starts 0 ... 510, 256 a side.
  ASSERT_EQ(boxes.size(), 256u * 256u);
  EXPECT_EQ(boxes.front().brush, Rgb(255, 0, 0));
  EXPECT_EQ(boxes[255].brush, Rgb(0, 200, 0));
  EXPECT_EQ(boxes[128 * 256].brush, Rgb(127, 0, 0)) << "y = 256: 255 - 255 x 256 / 510";
  EXPECT_EQ(boxes.back().box, (Rect{510, 510, 512, 512}));
  EXPECT_EQ(boxes.back().brush, Rgb(100, 100, 100));
}

TEST(FourSidedGradient, SmallDeviceGetsOneUnitCells) {
  // 200 x 100 units: 100 / 255 = 0, taken as one unit; 101 cells a side.
  Page page(RecordingDevice::Printer(96, 96, 200, 100, 52, 26, 0, 0));
  page.Tick(Tab::Advanced, {13}).Draw();
  const auto boxes = page.Boxes();
  ASSERT_EQ(boxes.size(), 101u * 101u);
  EXPECT_EQ(boxes.back().box, (Rect{100, 100, 101, 101}));
  EXPECT_EQ(boxes.back().brush, Rgb(255, 255, 0));
}

}  // namespace
}  // namespace veltrim::test
