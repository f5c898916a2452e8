// The saturation - lightness graph page: the centre readouts, the rulers, where the chart and text stand, and the
// clamped halves. On the 600 x 300 dpi printer (4800 x 3150, landscape) the chart spans x 110..3150 and y 230..3150
// (3040 x 2920 units), its centre at (1630, 1690).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pattern_page.hpp"
#include "patterns/saturation_lightness_page.hpp"

namespace veltrim::test {
namespace {

struct GraphPage : Page {
  explicit GraphPage(ColourTriple centre, const RecordingDevice& device = Skewed()) : Page(device) {
    selection.customColours[kCentreColourSlot] = centre;
    Tick(Tab::Calibration, {7}).Draw(10);  // the offset does not apply
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
    EXPECT_EQ(page.TextsOf("DrawTextA"), std::vector<std::string>{"QORVEL Veltrim version 2 / Printer: Queue 7" +
                                                                  std::string(lines)});
    EXPECT_TRUE(page.dc.RecordsOf("CreateFontIndirectA").empty()) << "the context's own font";
  }
}

TEST(GraphPage, ChartFrameAndTextByThePageShape) {
  const struct { RecordingDevice device; Rect frame; Args text; } cases[] = {
      // Landscape: the chart H wide less 10 vertical mm, the text 4 horizontal mm right of it.
      {Skewed(), {110, 230, 3150, 3150}, {3150 + 92, 230, 4800, 3150, 0x2810}},
      // Portrait (the same turned, 11 units a horizontal mm and 23 a
      // vertical one): the chart W wide less the margin, the text below it.
      {RecordingDevice::Printer(300, 600, 3150, 4800, 266, 203, 75, 150), {230, 110, 3150, 3150},
       {230, 3150 + 110, 3150, 4800, 0x2810}},
  };
  for (const auto& c : cases) {
    const GraphPage page({255, 0, 0}, c.device);
    const auto boxes = page.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().box, c.frame);
    EXPECT_EQ(boxes.back().brushStyle, kBsNull);
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
      {0, {110, 0}, {110, 69}, 2},     {1, {140, 0}, {140, 69}, 2},     {100, {3149, 0}, {3149, 69}, 2},
      {101, {0, 230}, {69, 230}, 2},   {102, {0, 259}, {69, 259}, 2},   {201, {0, 3149}, {69, 3149}, 2},
      {203, {262, 0}, {262, 115}, 2},  {222, {3150, 0}, {3150, 115}, 2}, {224, {0, 376}, {115, 376}, 2},
      {243, {0, 3150}, {115, 3150}, 2}, {245, {414, 0}, {414, 184}, 4}, {254, {3150, 0}, {3150, 184}, 4},
      {256, {0, 522}, {184, 522}, 4},  {265, {0, 3150}, {184, 3150}, 4},
  };
  for (const auto& t : ticks) EXPECT_EQ(lines[t.index], (DrawnLine{t.from, t.to, t.width})) << t.index;
  // Labels gw / 200 and gh / 200 past their ticks, 5 horizontal and 4 vertical mm from the edge.
  const std::vector<Record> labels = page.TopLevel("TextOutA");  // not the lines of the text block
  ASSERT_EQ(labels.size(), 22u);
  EXPECT_EQ(labels[0], (Record{"TextOutA", {125, 115}, "0  ", 1}));
  EXPECT_EQ(labels[10], (Record{"TextOutA", {3165, 115}, "100  ", 1}));
  EXPECT_EQ(labels[11], (Record{"TextOutA", {44, 244}, "0  ", 1}));
  EXPECT_EQ(labels[21], (Record{"TextOutA", {44, 3164}, "100  ", 1}));
}

TEST(GraphChart, RedCentreHoldsTheRightHalfAtFullSaturation) {
  const GraphPage page({255, 0, 0});
  const auto cells = page.Cells();
  // The first up-right cell has its corner at the centre: the centre
  // colour's HSL painted back (254, 0, 0: lightness 50 % is 127 of 255).
  const auto first = std::find_if(cells.begin(), cells.end(), [](const PaintedBox& c) { return c.box.left == 1630; });
  ASSERT_NE(first, cells.end());
  EXPECT_EQ(first->box, (Rect{1630, 1660, 1660, 1690}));
  EXPECT_EQ(first->brush, Rgb(254, 0, 0));
  // Right of the centre every row is one colour.
  std::map<int, ColorRef> rowColour;
  for (const PaintedBox& c : cells) {
    if (c.box.left < 1630) continue;
    const auto [it, added] = rowColour.emplace(c.box.top, c.brush);
    ASSERT_EQ(it->second, c.brush) << "row " << c.box.top;
  }
  EXPECT_GE(rowColour.size(), 100u);
  // Lightness falls from the top (near white) to the bottom (near black).
  ColorRef above = rowColour.begin()->second;
  EXPECT_GE(GreenOf(above), 240);
  for (const auto& [top, colour] : rowColour) {
    EXPECT_LE(RedOf(colour), RedOf(above)) << "row " << top;
    EXPECT_LE(GreenOf(colour), GreenOf(above)) << "row " << top;
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
