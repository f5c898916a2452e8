// The Color, Color Calibration and graph pages' patterns on recording surfaces, read back as boxes and texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "core/patterns/calibration/calibration_page.hpp"
#include "core/patterns/calibration/saturation_lightness_page.hpp"
#include "core/patterns/shared/line_blocks.hpp"
#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

// Color, on the 600 dpi A4 printer (u = 6814 x 10 / 288 = 236, W = 4800), the blocks one line below the title.
struct ColourPage : Page {
  explicit ColourPage(std::initializer_list<int> items, const RecordingDevice& device = RecordingDevice::A4At600Dpi())
      : Page(device) {
    Tick(Tab::Color, items).Draw();
  }
  int Y0() const { return geometry.lineHeight; }
  int Step() const { return geometry.cursorY - Y0(); }
};

TEST(ColourBlock, MovesTheCursorAndPaintsWithoutOutline) {
  const struct { int item, boxes, step; std::vector<ColorRef> bars = {}; } cases[] = {
      {0, 3, 3 * 236 + 5, {kCyan, kMagenta, kYellow}}, {1, 3, 3 * 236 + 5, {kRed, kGreen, kBlue}},
      {2, 3 * 512, 3 * 236 + 5}, {3, 3 * 512, 3 * 236 + 5},
      {4, 1, 236},  // the Black Bar has no gap
      {5, 256, 236 + 5}, {6, 19, 7 * 236 + 5}, {7, 19, 7 * 236 + 5}};
  for (const auto& c : cases) {
    const ColourPage page({c.item});
    const auto boxes = page.Boxes();
    ASSERT_EQ(std::pair(page.Step(), static_cast<int>(boxes.size())), std::pair(c.step, c.boxes)) << c.item;
    for (const PaintedBox& box : boxes)
      ASSERT_EQ(std::pair(box.pen, box.penWidth), std::pair(box.brush, 1)) << "an outline, item " << c.item;
    for (int i = 0; i < std::ssize(c.bars); ++i)  // full width, in their order
      EXPECT_EQ(std::pair(boxes[i].box, boxes[i].brush),
                std::pair(Rect{0, page.Y0() + i * 236, 4800, page.Y0() + (i + 1) * 236}, c.bars[i]))
          << c.item << " bar " << i;
  }
}

TEST(Gradient, BoxWidthsRowEndsAndColours) {
  // W = 4800: 4800 / 512 = 9 and 4800 / 256 = 18, so every row ends short of the right edge, at 4608.
  const struct {
    int item, boxWidth;
    std::vector<std::pair<int, ColorRef>> samples;  // box index, its colour
  } cases[] = {
      {2, 9, {{0, 0x000000}, {255, 0xFFFF00}, {300, 0xFFFF2C}, {512 + 300, 0xFF2CFF}, {1024 + 100, 0x006464}}},
      {3, 9, {{100, 0x000064}, {300, 0x2C2CFF}, {512 + 300, 0x2CFF2C}, {1024 + 100, 0x640000}}},
      {5, 18, {{0, 0x000000}, {128, 0x808080}, {255, 0xFFFFFF}}}};
  for (const auto& c : cases) {
    const auto boxes = ColourPage({c.item}).Boxes();
    ASSERT_EQ(boxes.size(), c.boxWidth == 9 ? 3 * 512u : 256u);
    EXPECT_EQ(boxes.back().box.right, 4608);
    for (const auto& [index, colour] : c.samples) {
      const int left = index % (boxes.size() > 256 ? 512 : 256) * c.boxWidth;
      EXPECT_EQ(std::pair(boxes[index].brush, boxes[index].box.left), std::pair(colour, left)) << "box " << index;
    }
  }
}

constexpr std::int64_t C = kCyan, M = kMagenta, Y = kYellow, R = kRed, G = kGreen, B = kBlue, _ = -1;
using CellColours = std::array<std::array<std::int64_t, 7>, 7>;

TEST(Crossovers, CellsOnA236UnitGridBothSquaresOnOneBand) {
  // Bands across rows 2-4 and down columns 2-4; where two cross, their mix. The squares are 7 x 236 = 1652 wide, the
  // RGB one flush with the right edge; the next block starts below both.
  const ColourPage page({6, 7});
  const auto boxes = page.Boxes();
  const auto cells = [&](int left) {
    CellColours map{};
    for (int r = 0; r < 7; ++r)
      for (int col = 0; col < 7; ++col) {
        const int x = left + col * 236 + 118, y = page.Y0() + r * 236 + 118;
        map[r][col] = _;
        for (const PaintedBox& b : boxes) {
          if (x < b.box.left || x >= b.box.right || y < b.box.top || y >= b.box.bottom) continue;
          EXPECT_EQ(map[r][col], _) << "boxes overlap at " << x << "," << y;
          map[r][col] = b.brush;
        }
      }
    return map;
  };
  EXPECT_EQ(cells(0), (CellColours{{{_, _, C, M, Y, _, _}, {_, _, C, M, Y, _, _}, {C, C, C, B, G, C, C},
                                    {M, M, B, M, R, M, M}, {Y, Y, G, R, Y, Y, Y}, {_, _, C, M, Y, _, _},
                                    {_, _, C, M, Y, _, _}}}));
  EXPECT_EQ(cells(4800 - 1652), (CellColours{{{_, _, R, G, B, _, _}, {_, _, R, G, B, _, _}, {R, R, R, Y, M, R, R},
                                              {G, G, Y, G, C, G, G}, {B, B, M, C, B, B, B}, {_, _, R, G, B, _, _},
                                              {_, _, R, G, B, _, _}}}));
  EXPECT_EQ(page.Step(), 7 * 236 + 5);
}

TEST(InclinedLines, TwentyLinesFiveOfEachColour) {
  // 10 mm are 236 units; a pen of 4; 20 dots a horizontal millimetre for the step after the block.
  Page page(RecordingDevice::A4At600Dpi().With(DeviceCap::HorzSize, 240));
  EXPECT_EQ(page.Run(DrawThinInclinedLines, kY0), kY0 + 236 + 20 * 11 + 4 * 20);
  const ColorRef colours[] = {kBlack, kCyan, kMagenta, kYellow};
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 20u);
  for (int i = 0; i < 20; ++i) {
    const int y = kY0 + 236 + i * 11;
    EXPECT_EQ(lines[i], (DrawnLine{{0, y}, {4800, y + 47}, 4, colours[i / 5]})) << i;
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

// Calibration: the ruler, ink strips and spacing; the graph's chart spans x 110..3150, y 230..3150 around (1630, 1690).

TEST(CalibrationPage, WithNoInkTheTitleAndAPercentRulerOnly) {
  const Page page(Tab::Calibration, {});
  EXPECT_TRUE(page.Boxes().empty());
  // Ticks from t = 27 every 48 units (1 %), 240 (5 %) and 480 (10 %), 3, 5 and 8 horizontal mm long, with pens of
  // 0.2 and 0.4 vertical mm.
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 101u + 21u + 11u);
  const struct { std::size_t index; int x, bottom, width; } ticks[] = {
      {1, 48, 96, 2}, {100, 4800, 96, 2}, {102, 240, 142, 2}, {123, 480, 211, 4}, {132, 4800, 211, 4}};
  for (const auto& t : ticks) EXPECT_EQ(lines[t.index], (DrawnLine{{t.x, 27}, {t.x, t.bottom}, t.width})) << t.index;
  const auto texts = page.dc.RecordsOf("TextOutA");
  ASSERT_EQ(texts.size(), 12u);
  // Labels W / 200 past their tick, 5 horizontal mm down.
  EXPECT_EQ(std::vector(texts.begin(), texts.begin() + 2),
            (std::vector<Record>{{"TextOutA", {0, 0}, "QORVEL Veltrim version 2 / Printer: Queue 7    ", 1},
                                 {"TextOutA", {24, 142}, "0  ", 1}}));
  EXPECT_EQ(texts[11], (Record{"TextOutA", {4824, 142}, "100  ", 1}));
}

TEST(CalibrationPage, StripsTenMillimetresBelowTheRulerEachAfterTheLastTicked) {
  // BLACK's strip is 25 horizontal mm high, the others 41: BLACK, MAGENTA and BLUE at 257, 257 + 25 x 23, + 41 x 23.
  std::map<ColorRef, int> tops;  // each ink's first cell in its pure colour
  for (const PaintedBox& b : Page(Tab::Calibration, {0, 2, 6}).Boxes())
    if (b.brush == kBlack || b.brush == kMagenta || b.brush == kBlue) tops.emplace(b.brush, b.box.top);
  EXPECT_EQ(tops, (std::map<ColorRef, int>{{kBlack, 257}, {kMagenta, 832}, {kBlue, 1775}}));
}

TEST(CalibrationPage, CheckerboardCellsAndGreyRamp) {
  const auto boxes = Page(Tab::Calibration, {0}).Boxes();
  // Cells 0.4 vertical mm (4.4) wide and a step of rows, 0.4 horizontal mm (9.2) high; columns 8.8 apart, 546 to a
  // row; the second row starts half a period in.
  ASSERT_GT(boxes.size(), 600u);
  EXPECT_EQ(std::tuple(boxes[0].box, boxes[1].box, boxes[545].box.left, boxes[546].box),
            std::tuple(Rect{0, 257, 4, 266}, Rect{8, 257, 13, 266}, 4796, Rect{4, 261, 8, 270}));
  // The ramp, 8 to 16 mm down: grey i in cell i, 18.75 units each.
  std::vector<PaintedBox> ramp;
  for (const PaintedBox& b : boxes)
    if (b.box.top == 257 + 8 * 23) ramp.push_back(b);
  ASSERT_EQ(ramp.size(), 256u);
  EXPECT_EQ(std::pair(ramp[1].box, ramp[255].box), std::pair(Rect{18, 441, 36, 625}, Rect{4781, 441, 4799, 625}));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(ramp[i].brush, Rgb(i, i, i)) << "ramp cell " << i;
}

struct GraphPage : Page {
  explicit GraphPage(ColourTriple centre, const RecordingDevice& device = Skewed()) : Page(device) {
    Colour(kCentreColourSlot, centre).Tick(Tab::Calibration, {7}).Draw(10);  // the offset does not apply
  }
};

TEST(GraphPage, ChartFrameAndReadoutByThePageShape) {
  const struct {
    RecordingDevice device;
    ColourTriple centre;
    Rect frame;
    Args text;
    std::string rgb, hsl, cmyk;
  } cases[] = {
      // Landscape: the chart H wide less 10 vertical mm, the text 4 horizontal mm right of it.
      {Skewed(), {128, 128, 128}, {110, 230, 3150, 3150}, {3150 + 92, 230, 4800, 3150, 0x2810}, "128, 128, 128",
       "240, 0, 50", "0, 0, 0, 49"},
      // Portrait (the same turned, 11 units a horizontal mm and 23 a vertical one): the chart W wide less the margin,
      // the text below it. Components outside a byte are held to it, and the readout says what was printed.
      {RecordingDevice::Printer(300, 600, 3150, 4800, 266, 203, 75, 150), {500, -3, 0}, {230, 110, 3150, 3150},
       {230, 3150 + 110, 3150, 4800, 0x2810}, "255, 0, 0", "0, 100, 50", "0, 100, 100, 0"}};
  for (const auto& c : cases) {
    const GraphPage page(c.centre, c.device);
    const auto boxes = page.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(std::pair(boxes.back().box, boxes.back().brushStyle), std::pair(c.frame, kBsNull));
    EXPECT_EQ(page.ArgsOf("DrawTextA"), std::vector<Args>{c.text});
    EXPECT_EQ(page.TextsOf("DrawTextA"), std::vector<std::string>{"QORVEL Veltrim version 2 / Printer: Queue 7\r\n"
        "Center Colour (RGB): " + c.rgb + "\r\nCenter Colour (HSL): " + c.hsl + "\r\nCenter Colour (CMYK): " + c.cmyk});
    EXPECT_TRUE(page.dc.RecordsOf("CreateFontIndirectA").empty()) << "the context's own font";
  }
}

TEST(GraphPage, RulersAlongTheTopAndTheLeftEdge) {
  const GraphPage page({255, 0, 0});
  const auto lines = page.Lines();
  // Minor ticks every 30.4 across and 29.2 down (the float sums stop just short of 3150), medium every 152 and 146,
  // major every 304 and 292; 3, 5 and 8 horizontal mm long, pens of 0.2 and 0.4 vertical mm.
  ASSERT_EQ(lines.size(), 2u * (101 + 21 + 11));
  const struct { std::size_t index; Point from, to; int width; } ticks[] = {
      {1, {140, 0}, {140, 69}, 2},      {100, {3149, 0}, {3149, 69}, 2}, {102, {0, 259}, {69, 259}, 2},
      {224, {0, 376}, {115, 376}, 2}, {245, {414, 0}, {414, 184}, 4},  {265, {0, 3150}, {184, 3150}, 4}};
  for (const auto& t : ticks) EXPECT_EQ(lines[t.index], (DrawnLine{t.from, t.to, t.width})) << t.index;
  // Labels gw / 200 and gh / 200 past their ticks, 5 horizontal and 4 vertical mm from the edge.
  std::vector<Record> labels = page.dc.RecordsOf("TextOutA");
  std::erase_if(labels, [](const Record& r) { return r.nested; });  // not the lines of the text block
  ASSERT_EQ(labels.size(), 22u);
  EXPECT_EQ((std::vector{labels[10], labels[11]}),
            (std::vector<Record>{{"TextOutA", {3165, 115}, "100  ", 1}, {"TextOutA", {44, 244}, "0  ", 1}}));
}

TEST(GraphChart, RedCentreHoldsTheRightHalfAtFullSaturation) {
  const auto cells = GraphPage({255, 0, 0}).Boxes();
  // The first up-right cell's corner is the centre: its HSL painted back (254, 0, 0: lightness 50 % is 127 of 255).
  const auto first = std::find_if(cells.begin(), cells.end(), [](const PaintedBox& c) { return c.box.left == 1630; });
  ASSERT_NE(first, cells.end());
  EXPECT_EQ(std::pair(first->box, first->brush), std::pair(Rect{1630, 1660, 1660, 1690}, Rgb(254, 0, 0)));
  std::map<int, ColorRef> rowColour;  // right of the centre every row is one colour
  for (const PaintedBox& c : cells)
    if (c.box.left >= 1630) { ASSERT_EQ(rowColour.emplace(c.box.top, c.brush).first->second, c.brush) << c.box.top; }
  EXPECT_GE(rowColour.size(), 100u);
  // Lightness falls from the top (near white) to the bottom (near black).
  ColorRef above = rowColour.begin()->second;
  EXPECT_GE(GreenOf(above), 240);
  for (const auto& [top, colour] : rowColour) {
    EXPECT_TRUE(RedOf(colour) <= RedOf(above) && GreenOf(colour) <= GreenOf(above)) << "row " << top;
    above = colour;
  }
  EXPECT_LE(RedOf(above), 15);
}

}  // namespace
}  // namespace veltrim::test
