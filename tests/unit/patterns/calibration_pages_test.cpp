// The calibration page (ruler, ink strips, spacing) and the saturation - lightness graph page, whose chart spans
// x 110..3150 and y 230..3150 around (1630, 1690), on the 600 x 300 dpi printer.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "pattern_page.hpp"
#include "patterns/calibration_page.hpp"
#include "patterns/saturation_lightness_page.hpp"

namespace veltrim::test {
namespace {

Rect FirstAt(const Page& page, int top) {
  for (const PaintedBox& b : page.Boxes())
    if (b.box.top == top) return b.box;
  return {};
}

TEST(CalibrationPage, WithNoInkTheTitleAndAPercentRulerOnly) {
  const Page page(Tab::Calibration, {});
  EXPECT_TRUE(page.Boxes().empty());
  // Ticks from t = 27 every 48 units (1 %), 240 (5 %) and 480 (10 %), 3, 5 and 8 horizontal mm long, with pens of
  // 0.2 and 0.4 vertical mm.
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 101u + 21u + 11u);
  const struct { std::size_t index; int x, bottom, width; } ticks[] = {
      {0, 0, 96, 2},       {1, 48, 96, 2},   {100, 4800, 96, 2}, {101, 0, 142, 2},   {102, 240, 142, 2},
      {121, 4800, 142, 2}, {122, 0, 211, 4}, {123, 480, 211, 4}, {132, 4800, 211, 4}};
  for (const auto& t : ticks) EXPECT_EQ(lines[t.index], (DrawnLine{{t.x, 27}, {t.x, t.bottom}, t.width})) << t.index;
  const auto texts = page.dc.RecordsOf("TextOutA");
  ASSERT_EQ(texts.size(), 12u);
  // Labels W / 200 past their tick, 5 horizontal mm down.
  EXPECT_EQ(std::vector(texts.begin(), texts.begin() + 2),
            (std::vector<Record>{{"TextOutA", {0, 0}, "QORVEL Veltrim version 2 / Printer: Queue 7    ", 1},
                                 {"TextOutA", {24, 142}, "0  ", 1}}));
  EXPECT_EQ(texts[11], (Record{"TextOutA", {4824, 142}, "100  ", 1}));
}

TEST(CalibrationPage, StripsTenMillimetresBelowTheRulerEachAfterTheLast) {
  constexpr ColorRef kPure[kCalibrationInks] = {kBlack, kCyan, kMagenta, kYellow, kRed, kGreen, kBlue};
  // BLACK's strip is 25 horizontal mm high, the others 41; BLACK and BLUE alone put BLUE 25 mm lower.
  const std::pair<std::vector<int>, std::map<int, int>> cases[] = {
      {{0, 1, 2, 3, 4, 5, 6}, {{0, 257}, {1, 832}, {2, 1775}, {3, 2718}, {4, 3661}, {5, 4604}, {6, 5547}}},
      {{0, 6}, {{0, 257}, {6, 257 + 25 * 23}}}, {{3}, {{3, 257}}},
  };
  for (const auto& [inks, expected] : cases) {
    Page page;
    for (const int ink : inks) page.selection.calibrationTests[ink] = 1;
    std::map<int, int> tops;  // each ink's first cell in its pure colour
    for (const PaintedBox& b : page.Tick(Tab::Calibration).Draw().Boxes())
      for (const int ink : inks)
        if (b.brush == kPure[ink] && !tops.contains(ink)) tops[ink] = b.box.top;
    EXPECT_EQ(tops, expected);
  }
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

TEST(CalibrationPage, RowPhaseCarriesFromBandToBand) {
  // A band is 8 horizontal mm (184) of rows 0.4 vertical mm apart: 42 rows at 11 units a mm, 39 at 12. After an odd
  // count the next band of the strip starts half a period in; after the next, back at 0.
  const struct {
    RecordingDevice device;
    Rect second, third;  // the first cells of the bands at 16 and 32 mm
  } cases[] = {
      {Skewed(), {0, 625, 4, 634}, {0, 993, 4, 1002}},
      {Skewed().With(DeviceCap::VertRes, 3200), {4, 625, 9, 634}, {0, 993, 4, 1002}},
  };
  for (const auto& c : cases) {
    const Page page(Tab::Calibration, {1}, c.device);
    EXPECT_EQ(std::pair(FirstAt(page, 257 + 16 * 23), FirstAt(page, 257 + 32 * 23)), std::pair(c.second, c.third));
  }
}

struct GraphPage : Page {
  explicit GraphPage(ColourTriple centre, const RecordingDevice& device = Skewed()) : Page(device) {
    Colour(kCentreColourSlot, centre).Tick(Tab::Calibration, {7}).Draw(10);  // the offset does not apply
  }
  std::vector<PaintedBox> Cells() const {
    std::vector<PaintedBox> cells;
    for (const PaintedBox& b : Boxes())
      if (b.brushStyle == kBsSolid) cells.push_back(b);
    return cells;
  }
};

TEST(GraphReadouts, CentreColourInRgbHslAndCmyk) {
  const std::pair<ColourTriple, const char*> cases[] = {
      {{128, 128, 128}, "\r\nCenter Colour (RGB): 128, 128, 128\r\nCenter Colour (HSL): 240, 0, 50"
                        "\r\nCenter Colour (CMYK): 0, 0, 0, 49"},
      {{255, 0, 0}, "\r\nCenter Colour (RGB): 255, 0, 0\r\nCenter Colour (HSL): 0, 100, 50"
                    "\r\nCenter Colour (CMYK): 0, 100, 100, 0"},
      // Components outside a byte are held to it, and the readout says what was printed.
      {{500, -3, 0}, "\r\nCenter Colour (RGB): 255, 0, 0\r\nCenter Colour (HSL): 0, 100, 50"
                     "\r\nCenter Colour (CMYK): 0, 100, 100, 0"},
  };
  for (const auto& [centre, lines] : cases) {
    const GraphPage page(centre);
    EXPECT_EQ(page.TextsOf("DrawTextA"),
              std::vector<std::string>{"QORVEL Veltrim version 2 / Printer: Queue 7" + std::string(lines)});
    EXPECT_TRUE(page.dc.RecordsOf("CreateFontIndirectA").empty()) << "the context's own font";
  }
}

TEST(GraphPage, ChartFrameAndTextByThePageShape) {
  const struct { RecordingDevice device; Rect frame; Args text; } cases[] = {
      // Landscape: the chart H wide less 10 vertical mm, the text 4 horizontal mm right of it.
      {Skewed(), {110, 230, 3150, 3150}, {3150 + 92, 230, 4800, 3150, 0x2810}},
      // Portrait (the same turned, 11 units a horizontal mm and 23 a vertical one): the chart W wide less the margin,
      // the text below it.
      {RecordingDevice::Printer(300, 600, 3150, 4800, 266, 203, 75, 150), {230, 110, 3150, 3150},
       {230, 3150 + 110, 3150, 4800, 0x2810}},
  };
  for (const auto& c : cases) {
    const GraphPage page({255, 0, 0}, c.device);
    const auto boxes = page.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(std::pair(boxes.back().box, boxes.back().brushStyle), std::pair(c.frame, kBsNull));
    EXPECT_EQ(page.ArgsOf("DrawTextA"), std::vector<Args>{c.text});
  }
}

TEST(GraphPage, RulersAlongTheTopAndTheLeftEdge) {
  const GraphPage page({255, 0, 0});
  const auto lines = page.Lines();
  // Minor ticks every 30.4 across and 29.2 down (the float sums stop just short of 3150), medium every 152 and 146,
  // major every 304 and 292; 3, 5 and 8 horizontal mm long, pens of 0.2 and 0.4 vertical mm.
  ASSERT_EQ(lines.size(), 2u * (101 + 21 + 11));
  const struct { std::size_t index; Point from, to; int width; } ticks[] = {
      {0, {110, 0}, {110, 69}, 2},      {1, {140, 0}, {140, 69}, 2},       {100, {3149, 0}, {3149, 69}, 2},
      {101, {0, 230}, {69, 230}, 2},    {102, {0, 259}, {69, 259}, 2},     {201, {0, 3149}, {69, 3149}, 2},
      {203, {262, 0}, {262, 115}, 2},   {222, {3150, 0}, {3150, 115}, 2},  {224, {0, 376}, {115, 376}, 2},
      {243, {0, 3150}, {115, 3150}, 2}, {245, {414, 0}, {414, 184}, 4},    {254, {3150, 0}, {3150, 184}, 4},
      {256, {0, 522}, {184, 522}, 4},   {265, {0, 3150}, {184, 3150}, 4},
  };
  for (const auto& t : ticks) EXPECT_EQ(lines[t.index], (DrawnLine{t.from, t.to, t.width})) << t.index;
  // Labels gw / 200 and gh / 200 past their ticks, 5 horizontal and 4 vertical mm from the edge.
  const std::vector<Record> labels = page.TopLevel("TextOutA");  // not the lines of the text block
  ASSERT_EQ(labels.size(), 22u);
  EXPECT_EQ((std::vector{labels[0], labels[10], labels[11], labels[21]}),
            (std::vector<Record>{{"TextOutA", {125, 115}, "0  ", 1}, {"TextOutA", {3165, 115}, "100  ", 1},
                                 {"TextOutA", {44, 244}, "0  ", 1}, {"TextOutA", {44, 3164}, "100  ", 1}}));
}

TEST(GraphChart, RedCentreHoldsTheRightHalfAtFullSaturation) {
  const auto cells = GraphPage({255, 0, 0}).Cells();
  // The first up-right cell has its corner at the centre: the centre colour's HSL painted back (254, 0, 0: lightness
  // 50 % is 127 of 255).
  const auto first = std::find_if(cells.begin(), cells.end(), [](const PaintedBox& c) { return c.box.left == 1630; });
  ASSERT_NE(first, cells.end());
  EXPECT_EQ(std::pair(first->box, first->brush), std::pair(Rect{1630, 1660, 1660, 1690}, Rgb(254, 0, 0)));
  // Right of the centre every row is one colour.
  std::map<int, ColorRef> rowColour;
  for (const PaintedBox& c : cells) {
    if (c.box.left >= 1630) {
      ASSERT_EQ(rowColour.emplace(c.box.top, c.brush).first->second, c.brush) << "row " << c.box.top;
    }
  }
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

TEST(GraphChart, PageNarrowerThanTheMarginHasNoCells) {
  // 10 mm is 250 units here, more than the page is wide.
  const GraphPage page({255, 0, 0}, RecordingDevice::Printer(600, 600, 200, 300, 8, 12, 0, 0));
  EXPECT_TRUE(page.Cells().empty());
  EXPECT_EQ(page.dc.RecordsOf("DrawTextA").size(), 1u);
}

}  // namespace
}  // namespace veltrim::test
