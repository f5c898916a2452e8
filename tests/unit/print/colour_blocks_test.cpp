// The Color page's bars, gradients and crossover squares on the 600 dpi A4 printer (u = 6814 x 10 / 288 = 236,
// W = 4800): where each box lands, in which colour, and how far each block moves the cursor. The blocks start one
// line below the title at y = 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "pattern_page.hpp"

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
      {5, 256, 236 + 5},   {6, 19, 7 * 236 + 5}, {7, 19, 7 * 236 + 5}};
  for (const auto& c : cases) {
    const ColourPage page({c.item});
    EXPECT_EQ(page.Step(), c.step) << c.item;
    const auto boxes = page.Boxes();
    EXPECT_EQ(static_cast<int>(boxes.size()), c.boxes) << c.item;
    for (const PaintedBox& box : boxes) {
      ASSERT_EQ(box.pen, box.brush) << "an outline of another colour, item " << c.item;
      ASSERT_EQ(box.penWidth, 1) << c.item;
    }
  }
}

TEST(ColourBars, FullWidthInTheirOrder) {
  for (const auto& [item, colours] : {std::pair{0, std::array<ColorRef, 3>{0xFFFF00, 0xFF00FF, 0x00FFFF}},
                                      std::pair{1, std::array<ColorRef, 3>{0x0000FF, 0x00FF00, 0xFF0000}}}) {
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
    const ColourPage page({c.item}, c.device);
    const auto boxes = page.Boxes();
    ASSERT_FALSE(boxes.empty());
    for (std::size_t n = 0; n < boxes.size(); ++n)
      ASSERT_EQ(boxes[n].box.right - boxes[n].box.left, c.boxWidth) << "box " << n;
    EXPECT_EQ(boxes.back().box.right, c.rowEnd) << "the row ends short of the right edge";
    for (const auto& [index, colour] : c.samples) {
      EXPECT_EQ(boxes[index].brush, colour) << "box " << index;
      EXPECT_EQ(boxes[index].box.left, index % (boxes.size() > 256 ? 512 : 256) * c.boxWidth) << "box " << index;
    }
  }
  // Too narrow a page draws no box (of no width) but still moves the cursor.
  for (const auto& [width, item, step] : {std::tuple{511, 2, 713}, {300, 3, 713}, {255, 5, 241}}) {
    const ColourPage page({item}, RecordingDevice::A4At600Dpi().With(DeviceCap::HorzRes, width));
    EXPECT_TRUE(page.Boxes().empty() && page.dc.RecordsOf("CreatePen").empty()) << page.dc.Dump();
    EXPECT_EQ(page.Step(), step) << width;
  }
}

constexpr std::int64_t C = 0xFFFF00, M = 0xFF00FF, Y = 0x00FFFF;
constexpr std::int64_t R = 0x0000FF, G = 0x00FF00, B = 0xFF0000, _ = -1;
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
       {0xFFFF00, 0xFF00FF, 0x00FFFF, 0x0000FF, 0x00FF00, 0xFF0000}},
      {7, 4800 - 1652,  // flush with the right edge
       {{{_, _, R, G, B, _, _}, {_, _, R, G, B, _, _}, {R, R, R, Y, M, R, R}, {G, G, Y, G, C, G, G},
         {B, B, M, C, B, B, B}, {_, _, R, G, B, _, _}, {_, _, R, G, B, _, _}}},
       {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0xFF00FF, 0x00FFFF}},
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
    for (const PaintedBox& b : boxes) {
      EXPECT_EQ((b.box.left - c.left) % 236, 0);
      EXPECT_EQ((b.box.bottom - page.Y0()) % 236, 0);
      EXPECT_TRUE(b.box.left >= c.left && b.box.right <= c.left + 1652 && b.box.top >= page.Y0() &&
                  b.box.bottom <= page.Y0() + 1652);
    }
    std::vector<ColorRef> order;
    for (const PaintedBox& b : boxes)
      if (order.empty() || order.back() != b.brush) order.push_back(b.brush);
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
  // Only the gaps remain: six blocks with a gap (the crossover shares its band).
  EXPECT_EQ(page.Step(), 6 * 5);
}

}  // namespace
}  // namespace veltrim::test
