// The Color page's blocks on the 600 dpi A4 printer (u = 6814 x 10 / 288 = 236, W = 4800): where each box lands, in
// which colour, and how far each block moves the cursor; the blocks start one line below the title at y = 0.
#include <gtest/gtest.h>

#include <array>

#include "pattern_page.hpp"
#include "patterns/line_blocks.hpp"

namespace veltrim::test {
namespace {

struct ColourPage : Page {
  explicit ColourPage(std::initializer_list<int> items, const RecordingDevice& device = RecordingDevice::A4At600Dpi())
      : Page(device) {
    Tick(Tab::Color, items).Draw();
  }
  int Y0() const { return geometry.lineHeight; }
  int Step() const { return geometry.cursorY - Y0(); }
};

TEST(ColourBlock, MovesTheCursorAndPaintsWithoutOutline) {
  const struct { int item, boxes, step; } cases[] = {
      {0, 3, 3 * 236 + 5}, {1, 3, 3 * 236 + 5}, {2, 3 * 512, 3 * 236 + 5}, {3, 3 * 512, 3 * 236 + 5},
      {4, 1, 236},  // the Black Bar has no gap
      {5, 256, 236 + 5}, {6, 19, 7 * 236 + 5}, {7, 19, 7 * 236 + 5}};
  for (const auto& c : cases) {
    const ColourPage page({c.item});
    const auto boxes = page.Boxes();
    EXPECT_EQ(std::pair(page.Step(), static_cast<int>(boxes.size())), std::pair(c.step, c.boxes)) << c.item;
    for (const PaintedBox& box : boxes)
      ASSERT_EQ(std::pair(box.pen, box.penWidth), std::pair(box.brush, 1)) << "an outline, item " << c.item;
  }
}

TEST(ColourBars, FullWidthInTheirOrder) {
  for (const auto& [item, colours] : {std::pair{0, std::array<ColorRef, 3>{kCyan, kMagenta, kYellow}},
                                      std::pair{1, std::array<ColorRef, 3>{kRed, kGreen, kBlue}}}) {
    const ColourPage page({item});
    const auto boxes = page.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    for (int i = 0; i < 3; ++i) {
      const Rect bar{0, page.Y0() + i * 236, 4800, page.Y0() + (i + 1) * 236};
      EXPECT_EQ(boxes[i], (PaintedBox{bar, colours[i], colours[i], 1})) << item << " bar " << i;
    }
  }
}

TEST(Gradient, BoxWidthsRowEndsAndColours) {
  // W = 4800: 4800 / 512 = 9 and 4800 / 256 = 18, rows ending at 4608; W = 2400: 2400 / 256 = 9, ending at 2304.
  const struct {
    RecordingDevice device;
    int item, boxWidth, rowEnd;
    std::vector<std::pair<int, ColorRef>> samples;  // box index, its colour
  } cases[] = {
      {RecordingDevice::A4At600Dpi(), 2, 9, 4608,
       {{0, 0x000000}, {255, 0xFFFF00}, {300, 0xFFFF2C}, {512 + 300, 0xFF2CFF}, {1024 + 100, 0x006464},
        {1535, 0xFFFFFF}}},
      {RecordingDevice::A4At600Dpi(), 3, 9, 4608,
       {{100, 0x000064}, {300, 0x2C2CFF}, {512 + 300, 0x2CFF2C}, {1024 + 100, 0x640000}}},
      {RecordingDevice::A4At600Dpi(), 5, 18, 4608, {{0, 0x000000}, {128, 0x808080}, {255, 0xFFFFFF}}},
      {RecordingDevice::LetterAt300Dpi(), 5, 9, 2304, {}},
  };
  for (const auto& c : cases) {
    const auto boxes = ColourPage({c.item}, c.device).Boxes();
    ASSERT_FALSE(boxes.empty());
    for (std::size_t n = 0; n < boxes.size(); ++n)
      ASSERT_EQ(boxes[n].box.right - boxes[n].box.left, c.boxWidth) << "box " << n;
    EXPECT_EQ(boxes.back().box.right, c.rowEnd) << "the row ends short of the right edge";
    for (const auto& [index, colour] : c.samples) {
      const int left = index % (boxes.size() > 256 ? 512 : 256) * c.boxWidth;
      EXPECT_EQ(std::pair(boxes[index].brush, boxes[index].box.left), std::pair(colour, left)) << "box " << index;
    }
  }
  // Too narrow a page draws no box (of no width) but still moves the cursor.
  for (const auto& [width, item, step] : {std::tuple{511, 2, 713}, {300, 3, 713}, {255, 5, 241}}) {
    const ColourPage page({item}, RecordingDevice::A4At600Dpi().With(DeviceCap::HorzRes, width));
    EXPECT_TRUE(page.Boxes().empty() && page.dc.RecordsOf("CreatePen").empty()) << page.dc.Dump();
    EXPECT_EQ(page.Step(), step) << width;
  }
}

constexpr std::int64_t C = kCyan, M = kMagenta, Y = kYellow, R = kRed, G = kGreen, B = kBlue, _ = -1;
using CellColours = std::array<std::array<std::int64_t, 7>, 7>;

TEST(Crossover, CellsOnA236UnitGridInTheirColours) {
  // Bands across rows 2-4 and down columns 2-4; where two cross, their mix.
  const struct {
    int item;
    int left;  // the square is 7 x 236 = 1652 units wide
    CellColours cells;
    std::vector<ColorRef> order;  // the colours in drawing order
  } cases[] = {
      {6, 0,
       {{{_, _, C, M, Y, _, _}, {_, _, C, M, Y, _, _}, {C, C, C, B, G, C, C}, {M, M, B, M, R, M, M},
         {Y, Y, G, R, Y, Y, Y}, {_, _, C, M, Y, _, _}, {_, _, C, M, Y, _, _}}},
       {kCyan, kMagenta, kYellow, kRed, kGreen, kBlue}},
      {7, 4800 - 1652,  // flush with the right edge
       {{{_, _, R, G, B, _, _}, {_, _, R, G, B, _, _}, {R, R, R, Y, M, R, R}, {G, G, Y, G, C, G, G},
         {B, B, M, C, B, B, B}, {_, _, R, G, B, _, _}, {_, _, R, G, B, _, _}}},
       {kRed, kGreen, kBlue, kCyan, kMagenta, kYellow}},
  };
  for (const auto& c : cases) {
    const ColourPage page({c.item});
    const auto boxes = page.Boxes();
    CellColours map{};
    for (int r = 0; r < 7; ++r)
      for (int col = 0; col < 7; ++col) {
        const int x = c.left + col * 236 + 118, y = page.Y0() + r * 236 + 118;
        map[r][col] = _;
        for (const PaintedBox& b : boxes) {
          if (x < b.box.left || x >= b.box.right || y < b.box.top || y >= b.box.bottom) continue;
          EXPECT_EQ(map[r][col], _) << "boxes overlap at " << x << "," << y;
          map[r][col] = b.brush;
        }
      }
    EXPECT_EQ(map, c.cells) << c.item;
    std::vector<ColorRef> order;
    for (const PaintedBox& b : boxes) {
      EXPECT_EQ(std::pair((b.box.left - c.left) % 236, (b.box.bottom - page.Y0()) % 236), std::pair(0, 0));
      EXPECT_TRUE(b.box.left >= c.left && b.box.right <= c.left + 1652 && b.box.top >= page.Y0() &&
                  b.box.bottom <= page.Y0() + 1652);
      if (order.empty() || order.back() != b.brush) order.push_back(b.brush);
    }
    EXPECT_EQ(order, c.order);
  }
}

TEST(Crossovers, BothSquaresShareOneBandAndTheNextBlockStartsBelow) {
  const ColourPage page({6, 7});
  const auto boxes = page.Boxes();
  ASSERT_EQ(boxes.size(), 38u);
  EXPECT_EQ(boxes[0].box.top, page.Y0() + 2 * 236) << "the left square's first box, row 2";
  EXPECT_EQ(boxes[19].box, (Rect{3148, page.Y0() + 2 * 236, 3148 + 3 * 236, page.Y0() + 3 * 236}))
      << "the right square starts on the same band";
  EXPECT_EQ(page.Step(), 7 * 236 + 5) << "the next block starts below both squares";
}

TEST(ColourBlocks, DeviceWithoutAHeightInMillimetresDrawsNothingAndDoesNotDivideByZero) {
  const ColourPage page({0, 1, 2, 3, 4, 5, 6, 7}, RecordingDevice::A4At600Dpi().With(DeviceCap::VertSize, 0));
  EXPECT_TRUE(page.Boxes().empty());
  EXPECT_EQ(page.Step(), 6 * 5) << "only the gaps of the six blocks that have one (the crossovers share theirs)";
}

TEST(InclinedLines, TwentyLinesFiveOfEachColour) {
  // band10 below 50 gives the thinnest pen, width 0; 20 dots a horizontal millimetre for the step after the block.
  for (const auto& [vertRes, vertSize, band10, penWidth] : {std::tuple{6814, 288, 236, 4}, {490, 100, 49, 0}}) {
    Page page(RecordingDevice::A4At600Dpi()
                  .With(DeviceCap::VertRes, vertRes)
                  .With(DeviceCap::VertSize, vertSize)
                  .With(DeviceCap::HorzSize, 240));
    EXPECT_EQ(page.Run(DrawThinInclinedLines, kY0), kY0 + band10 + 20 * (band10 / 20) + 4 * 20);
    const ColorRef colours[] = {kBlack, kCyan, kMagenta, kYellow};
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

TEST(ThicknessLines, ColourCombsStackElevenMillimetresApart) {
  // The Color page with the cyan and yellow combs only (on the 600 x 300 dpi printer); strokes every 4 vertical mm
  // (44) to 4796, 23 units a horizontal mm down the page.
  const Page page(Tab::Color, {9, 11});
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 2u * 110u);
  const int cyanTop = page.geometry.lineHeight + 23;
  EXPECT_EQ(lines.front(), (DrawnLine{{0, cyanTop}, {0, cyanTop + 230}, 1, kCyan}));
  EXPECT_EQ(lines[110], (DrawnLine{{0, cyanTop + 12 * 23}, {0, cyanTop + 12 * 23 + 230}, 1, kYellow}))
      << "11 mm of cursor step and 1 mm of gap";
  EXPECT_EQ(page.geometry.cursorY, cyanTop + 11 * 23) << "yellow ends the page: the cursor stays";
}

}  // namespace
}  // namespace veltrim::test
