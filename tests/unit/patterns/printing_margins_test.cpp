// Advanced option 4, Page Printing Margins: the 5 mm grid and the margin texts.
#include "patterns/printing_margins.hpp"

#include <gtest/gtest.h>

#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

// 3150 units over 266 mm: u = 118, pitch 59, pen 2; 4838 units wide (82 pitches exactly, so no line stands on the right
// edge) over 203 mm: 23 units a horizontal mm, 11 a vertical one.
RecordingDevice MarginsDevice() {
  return Skewed().With(DeviceCap::HorzRes, 4838).With(DeviceCap::PhysicalOffsetY, 100);
}

TEST(PagePrintingMargins, GridEveryFiveMillimetresWithAGreyPen) {
  Page page(MarginsDevice());
  page.Tick(Tab::Advanced, {4}).Draw(10);
  EXPECT_EQ(page.ArgsOf("CreatePen"), (std::vector<Args>{{0, 2, 0x464646}}));
  EXPECT_EQ(page.ArgsOf("CreateBrushIndirect"), (std::vector<Args>{{0, 0x464646, 0}}));
  const auto lines = page.Lines();
  // Horizontal: y = 0, 59, ... 3127 (54 lines); vertical: x = 0 ... 4779 (82 lines), none at x = 4838.
  ASSERT_EQ(lines.size(), 54u + 82u);
  EXPECT_EQ(lines[1].from, (Point{0, 59}));
  EXPECT_EQ(lines[1].to, (Point{4838, 59}));
  EXPECT_EQ(lines[53].from, (Point{0, 3127}));
  EXPECT_EQ(lines[54].from, (Point{0, 0}));
  EXPECT_EQ(lines[54].to, (Point{0, 3150}));
  EXPECT_EQ(lines.back().from, (Point{4779, 0}));
  EXPECT_TRUE(page.ArgsOf("Rectangle").empty()) << "nothing is filled";
}

TEST(PagePrintingMargins, TextsOneCentimetreInWithTheMargins) {
  Page page(MarginsDevice());
  page.Tick(Tab::Advanced, {4}).Draw();
  // The column by the vertical factor (110), the rows by the horizontal one
  // (230) and lines of 27 (default font 25 + 2).
  EXPECT_EQ(page.ArgsOf("TextOutA"), (std::vector<Args>{{110, 230}, {110, 284}, {110, 311}, {110, 338}, {110, 392}}));
  EXPECT_EQ(page.TextsOf(), (std::vector<std::string>{
      "QORVEL Veltrim v2 / Printer: Queue 7      ",
      "Total printable area: 203 mm x 266 mm     ",
      "Left margin: 6 mm     ",  // 150 / (5100 / 203 = 25)
      "Top margin: 8 mm     ",   // 100 / (3300 / 266 = 12)
      "This printer is able to print only inside this checkerboard but never outside it !     ",
  }));
  EXPECT_TRUE(page.dc.RecordsOf("SetBkMode").empty()) << "opaque, as the context starts";
  // VERTRES, VERTSIZE, HORZRES, VERTRES for the grid; then in the texts' order.
  EXPECT_EQ(page.ArgsOf("GetDeviceCaps"),
            (std::vector<Args>{{10}, {6}, {8}, {10}, {4}, {6}, {112}, {110}, {4}, {113}, {111}, {6}}));
}

TEST(PagePrintingMargins, MarginWithoutADivisorIsZero) {
  const struct { int offset, physical, sizeMm; } cases[] = {
      {100, 150, 203},  // narrower in pixels than in millimetres
      {100, 5100, 0},   // no size in millimetres
      {100, 0, 203},    // no physical page
  };
  for (const auto& c : cases) EXPECT_EQ(MarginMm(c.offset, c.physical, c.sizeMm), 0) << c.physical << " " << c.sizeMm;
  Page page(MarginsDevice().With(DeviceCap::PhysicalWidth, 150));
  page.Tick(Tab::Advanced, {4}).Draw();
  EXPECT_EQ(page.TextsOf().at(2), "Left margin: 0 mm     ");
}

}  // namespace
}  // namespace veltrim::test
