// The Color page's bars, gradients and crossover squares on recording
// surfaces: where each box lands, in which colour, how far each block moves
// the cursor, and that every pen and brush is put back and deleted.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "print/page_dispatch.hpp"
#include "print/print_engine.hpp"
#include "recording_surface.hpp"
#include "test_print_host.hpp"

namespace veltrim {
namespace {

// A Rectangle as it was painted: its corners and the colours of the pen and
// brush selected at the time.
struct Box {
  Rect rect;
  ColorRef pen = 0;
  ColorRef brush = 0;
};

// A Color page on a recording surface with the given items ticked.
struct ColourPage {
  RecordingSurface dc;
  PageGeometry geometry;
  TestSelection selection;
  std::string printerName = "Queue 7";
  test::TestHost host;

  explicit ColourPage(RecordingDevice device) : dc(std::move(device)), geometry(ReadPageGeometry(dc)) {
    selection.currentTab = 1;
  }

  // Draws the page; the blocks start one line below the title at y = 0.
  void Draw(std::initializer_list<int> items) {
    for (const int item : items) selection.colorTests[item] = 1;
    dc.ClearRecords();
    PageContext page{dc, geometry, selection, printerName, host};
    DrawPage(page);
  }
  int Y0() const { return geometry.lineHeight; }

  // Replays the selections to learn what each Rectangle was painted with.
  std::vector<Box> Boxes() const {
    std::vector<Box> boxes;
    ColorRef pen = 0, brush = 0xFFFFFF;
    for (const Record& record : dc.Records()) {
      if (record.op == "SelectObject") {
        const RecordedObject* object = dc.Object(ObjectHandle{static_cast<std::uintptr_t>(record.args.at(0))});
        if (object && object->kind == ObjectKind::Pen) pen = object->penColour;
        if (object && object->kind == ObjectKind::Brush) brush = object->brush.lbColor;
      } else if (record.op == "Rectangle") {
        const auto& a = record.args;
        boxes.push_back({Rect{static_cast<int>(a[0]), static_cast<int>(a[1]), static_cast<int>(a[2]),
                              static_cast<int>(a[3])},
                         pen, brush});
      }
    }
    return boxes;
  }
};

// The colour of the box that covers point (x, y), or -1 when none does;
// more than one box there is a failure of its own.
std::int64_t ColourAt(const std::vector<Box>& boxes, int x, int y) {
  std::int64_t found = -1;
  for (const Box& box : boxes) {
    if (x < box.rect.left || x >= box.rect.right || y < box.rect.top || y >= box.rect.bottom) continue;
    EXPECT_EQ(found, -1) << "boxes overlap at " << x << "," << y;
    found = box.brush;
  }
  return found;
}

constexpr std::int64_t C = 0xFFFF00, M = 0xFF00FF, Y = 0x00FFFF;
constexpr std::int64_t R = 0x0000FF, G = 0x00FF00, B = 0xFF0000, _ = -1;

struct BlockCase {
  const char* name;
  int item;
  int rectangles;  // on A4 at 600 dpi: u = 6814 * 10 / 288 = 236, W = 4800
  int cursorStep;
};

void PrintTo(const BlockCase& c, std::ostream* out) { *out << c.name; }

class ColourBlock : public ::testing::TestWithParam<BlockCase> {};

TEST_P(ColourBlock, MovesTheCursorPaintsWithoutOutlineAndCleansUp) {
  const BlockCase& c = GetParam();
  ColourPage page(RecordingDevice::A4At600Dpi());
  page.Draw({c.item});
  EXPECT_EQ(page.geometry.cursorY - page.Y0(), c.cursorStep);
  const auto boxes = page.Boxes();
  EXPECT_EQ(static_cast<int>(boxes.size()), c.rectangles);
  for (const Box& box : boxes) ASSERT_EQ(box.pen, box.brush) << "an outline of another colour";
  for (const Record& pen : page.dc.RecordsOf("CreatePen")) {
    EXPECT_EQ(pen.args[0], static_cast<int>(PenStyle::Solid));
    EXPECT_EQ(pen.args[1], 1) << "one unit wide";
  }
  EXPECT_EQ(page.dc.HygieneReport(), "");
}

INSTANTIATE_TEST_SUITE_P(
    A4At600Dpi, ColourBlock,
    ::testing::Values(BlockCase{"CmyBars", 0, 3, 3 * 236 + 5}, BlockCase{"RgbBars", 1, 3, 3 * 236 + 5},
                      BlockCase{"CmyGradients", 2, 3 * 512, 3 * 236 + 5},
                      BlockCase{"RgbGradients", 3, 3 * 512, 3 * 236 + 5},
                      BlockCase{"BlackBarHasNoGap", 4, 1, 236}, BlockCase{"BlackGradient", 5, 256, 236 + 5},
                      BlockCase{"CmyCrossoverAlone", 6, 19, 7 * 236 + 5},
                      BlockCase{"RgbCrossover", 7, 19, 7 * 236 + 5}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ColourBars, FullWidthInTheirOrder) {
  for (const auto& [item, colours] :
       {std::pair{0, std::array<ColorRef, 3>{0xFFFF00, 0xFF00FF, 0x00FFFF}},
        std::pair{1, std::array<ColorRef, 3>{0x0000FF, 0x00FF00, 0xFF0000}}}) {
    ColourPage page(RecordingDevice::A4At600Dpi());
    page.Draw({item});
    const auto boxes = page.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(boxes[i].rect, (Rect{0, page.Y0() + i * 236, 4800, page.Y0() + (i + 1) * 236})) << item;
      EXPECT_EQ(boxes[i].brush, colours[i]) << item << " bar " << i;
    }
  }
}

struct GradientCase {
  const char* name;
  RecordingDevice device;
  int item;
  int boxWidth, rowEnd;
  std::vector<std::pair<int, ColorRef>> samples;  // box index in the first row, its colour
};

void PrintTo(const GradientCase& c, std::ostream* out) { *out << c.name; }

class Gradient : public ::testing::TestWithParam<GradientCase> {};

TEST_P(Gradient, BoxWidthsRowEndsAndColours) {
  const GradientCase& c = GetParam();
  ColourPage page(c.device);
  page.Draw({c.item});
  const auto boxes = page.Boxes();
  ASSERT_FALSE(boxes.empty());
  for (std::size_t n = 0; n < boxes.size(); ++n)
    ASSERT_EQ(boxes[n].rect.right - boxes[n].rect.left, c.boxWidth) << "box " << n;
  EXPECT_EQ(boxes.back().rect.right, c.rowEnd) << "the row ends short of the right edge";
  for (const auto& [index, colour] : c.samples) {
    EXPECT_EQ(boxes[index].brush, colour) << "box " << index;
    EXPECT_EQ(boxes[index].rect.left, index % (boxes.size() > 256 ? 512 : 256) * c.boxWidth) << "box " << index;
  }
}

// W = 4800: 4800 / 512 = 9 and 4800 / 256 = 18, rows ending at 4608;
// W = 2400: 2400 / 256 = 9, ending at 2304.
INSTANTIATE_TEST_SUITE_P(
    Devices, Gradient,
    ::testing::Values(GradientCase{"CmyA4", RecordingDevice::A4At600Dpi(), 2, 9, 4608,
                                   {{0, 0x000000}, {255, 0xFFFF00}, {300, 0xFFFF2C}, {512 + 300, 0xFF2CFF},
                                    {1024 + 100, 0x006464}, {1535, 0xFFFFFF}}},
                      GradientCase{"RgbA4", RecordingDevice::A4At600Dpi(), 3, 9, 4608,
                                   {{100, 0x000064}, {300, 0x2C2CFF}, {512 + 300, 0x2CFF2C}, {1024 + 100, 0x640000}}},
                      GradientCase{"BlackA4", RecordingDevice::A4At600Dpi(), 5, 18, 4608,
                                   {{0, 0x000000}, {128, 0x808080}, {255, 0xFFFFFF}}},
                      GradientCase{"BlackLetter", RecordingDevice::LetterAt300Dpi(), 5, 9, 2304, {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Gradient, PagesTooNarrowDrawNothingButStillMoveTheCursor) {
  struct Case {
    int width, item, step;
  };
  // u is 236 on these devices; a box of no width is not drawn at all.
  for (const Case& c : {Case{511, 2, 713}, Case{300, 3, 713}, Case{255, 5, 241}}) {
    ColourPage page(RecordingDevice::A4At600Dpi().With(DeviceCap::HorzRes, c.width));
    page.Draw({c.item});
    EXPECT_TRUE(page.Boxes().empty()) << c.width;
    EXPECT_TRUE(page.dc.RecordsOf("CreatePen").empty()) << c.width;
    EXPECT_EQ(page.geometry.cursorY - page.Y0(), c.step) << c.width;
  }
}

using CellColours = std::array<std::array<std::int64_t, 7>, 7>;

// The cells of a 7 by 7 square of 236-unit cells whose left edge is `left`.
CellColours CellMap(const std::vector<Box>& boxes, int left, int top) {
  CellColours map{};
  for (int r = 0; r < 7; ++r)
    for (int c = 0; c < 7; ++c) map[r][c] = ColourAt(boxes, left + c * 236 + 118, top + r * 236 + 118);
  return map;
}

struct CrossoverCase {
  const char* name;
  int item;
  int left;  // the square is 7 x 236 = 1652 units wide
  CellColours cells;
  std::vector<ColorRef> order;  // the colours in drawing order
};

void PrintTo(const CrossoverCase& c, std::ostream* out) { *out << c.name; }

class Crossover : public ::testing::TestWithParam<CrossoverCase> {};

TEST_P(Crossover, CellsOnA236UnitGridInTheirColours) {
  const CrossoverCase& c = GetParam();
  ColourPage page(RecordingDevice::A4At600Dpi());
  page.Draw({c.item});
  const auto boxes = page.Boxes();
  EXPECT_EQ(CellMap(boxes, c.left, page.Y0()), c.cells);
  Rect extent{c.left + 1652, page.Y0() + 1652, c.left, page.Y0()};
  for (const Box& box : boxes) {
    EXPECT_EQ((box.rect.left - c.left) % 236, 0);
    EXPECT_EQ((box.rect.bottom - page.Y0()) % 236, 0);
    extent = {std::min(extent.left, box.rect.left), std::min(extent.top, box.rect.top),
              std::max(extent.right, box.rect.right), std::max(extent.bottom, box.rect.bottom)};
  }
  EXPECT_EQ(extent, (Rect{c.left, page.Y0(), c.left + 1652, page.Y0() + 1652}));
  std::vector<ColorRef> order;
  for (const Box& box : boxes)
    if (order.empty() || order.back() != box.brush) order.push_back(box.brush);
  EXPECT_EQ(order, c.order);
}

// Bands across rows 2-4 and down columns 2-4; where two cross, their mix.
INSTANTIATE_TEST_SUITE_P(
    A4At600Dpi, Crossover,
    ::testing::Values(CrossoverCase{"CyanMagentaYellowAtTheLeftEdge", 6, 0,
                                    CellColours{{{_, _, C, M, Y, _, _},
                                                 {_, _, C, M, Y, _, _},
                                                 {C, C, C, B, G, C, C},
                                                 {M, M, B, M, R, M, M},
                                                 {Y, Y, G, R, Y, Y, Y},
                                                 {_, _, C, M, Y, _, _},
                                                 {_, _, C, M, Y, _, _}}},
                                    {0xFFFF00, 0xFF00FF, 0x00FFFF, 0x0000FF, 0x00FF00, 0xFF0000}},
                      CrossoverCase{"RedGreenBlueFlushWithTheRightEdge", 7, 4800 - 1652,
                                    CellColours{{{_, _, R, G, B, _, _},
                                                 {_, _, R, G, B, _, _},
                                                 {R, R, R, Y, M, R, R},
                                                 {G, G, Y, G, C, G, G},
                                                 {B, B, M, C, B, B, B},
                                                 {_, _, R, G, B, _, _},
                                                 {_, _, R, G, B, _, _}}},
                                    {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0xFF00FF, 0x00FFFF}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Crossovers, BothSquaresShareOneBandAndTheNextBlockStartsBelow) {
  ColourPage page(RecordingDevice::A4At600Dpi());
  page.Draw({6, 7});
  const auto boxes = page.Boxes();
  ASSERT_EQ(boxes.size(), 38u);
  EXPECT_EQ(boxes[0].rect.top, page.Y0() + 2 * 236) << "the left square's first box, row 2";
  EXPECT_EQ(boxes[19].rect, (Rect{3148, page.Y0() + 2 * 236, 3148 + 3 * 236, page.Y0() + 3 * 236}))
      << "the right square starts on the same band";
  EXPECT_EQ(page.geometry.cursorY, page.Y0() + 7 * 236 + 5) << "the next block starts below both squares";
  EXPECT_EQ(page.dc.HygieneReport(), "");
}

TEST(ColourBlocks, DeviceWithoutAHeightInMillimetresDrawsNothingAndDoesNotDivideByZero) {
  ColourPage page(RecordingDevice::A4At600Dpi().With(DeviceCap::VertSize, 0));
  page.Draw({0, 1, 2, 3, 4, 5, 6, 7});
  EXPECT_TRUE(page.Boxes().empty());
  // Only the gaps remain: six blocks with a gap (the crossover shares its band).
  EXPECT_EQ(page.geometry.cursorY - page.Y0(), 6 * 5);
  EXPECT_EQ(page.dc.HygieneReport(), "");
}

}  // namespace
}  // namespace veltrim
