// The saturation - lightness graph page on the recording surface: the
// centre readouts, where the chart and text stand, and the clamped halves.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "colour/colour_models.hpp"
#include "pattern_page.hpp"
#include "patterns/saturation_lightness_page.hpp"

namespace veltrim::test {
namespace {

std::unique_ptr<PatternPage> GraphPage(const RecordingDevice& device, ColourTriple centre) {
  auto page = std::make_unique<PatternPage>(device);
  page->selection.currentTab = static_cast<int>(Tab::Calibration);
  page->selection.calibrationTests.fill(1);  // the graph is drawn alone
  page->selection.customColours[kCentreColourSlot] = centre;
  page->Draw();
  return page;
}

struct ReadoutCase {
  const char* name;
  ColourTriple centre;
  const char* lines;  // after the title line
};

class GraphReadouts : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(GraphReadouts, CentreColourInRgbHslAndCmyk) {
  const ReadoutCase& c = GetParam();
  const auto page = GraphPage(RecordingDevice::A4At600Dpi(), c.centre);
  const auto texts = page->surface.RecordsOf("DrawTextA");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, std::string("QORVEL Veltrim version 2 / Printer: Queue 7") + c.lines);
  // Below the chart on a portrait page: 4800 + 10 mm down, to the page's corner.
  EXPECT_EQ(texts[0].args, (std::vector<std::int64_t>{230, 5030, 4800, 6814, 0x2810}));
  EXPECT_TRUE(page->surface.RecordsOf("CreateFontIndirectA").empty()) << "the context's own font";
  EXPECT_EQ(page->surface.HygieneReport(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Centres, GraphReadouts,
    ::testing::Values(ReadoutCase{"Grey", {128, 128, 128},
                                  "\r\nCenter Colour (RGB): 128, 128, 128\r\nCenter Colour (HSL): 240, 0, 50"
                                  "\r\nCenter Colour (CMYK): 0, 0, 0, 49"},
                      ReadoutCase{"Red", {255, 0, 0},
                                  "\r\nCenter Colour (RGB): 255, 0, 0\r\nCenter Colour (HSL): 0, 100, 50"
                                  "\r\nCenter Colour (CMYK): 0, 100, 100, 0"},
                      // Components outside a byte are held to it, and the readout says what was printed.
                      ReadoutCase{"OutOfRangeHeldToRed", {500, -3, 0},
                                  "\r\nCenter Colour (RGB): 255, 0, 0\r\nCenter Colour (HSL): 0, 100, 50"
                                  "\r\nCenter Colour (CMYK): 0, 100, 100, 0"}),
    [](const auto& param) { return std::string(param.param.name); });

// A4 at 600 dpi: the chart spans 230..4800 both ways (4570 units, 45.7 a
// percent), its centre at 2515.
constexpr int kCentre = 2515;

std::vector<PaintedBox> ChartCells(const RecordingSurface& surface) {
  std::vector<PaintedBox> cells;
  for (const PaintedBox& b : PaintedBoxes(surface))
    if (b.brushStyle == kBsSolid) cells.push_back(b);
  return cells;
}

TEST(GraphChart, RedCentreHoldsTheRightHalfAtFullSaturation) {
  const auto page = GraphPage(RecordingDevice::A4At600Dpi(), {255, 0, 0});
  const auto cells = ChartCells(page->surface);
  // The first up-right cell has its corner at the centre: the centre
  // colour's HSL painted back (254, 0, 0: lightness 50 % is 127 of 255).
  const auto first = std::find_if(cells.begin(), cells.end(), [](const PaintedBox& c) { return c.box.left == kCentre; });
  ASSERT_NE(first, cells.end());
  EXPECT_EQ(first->box, (Rect{kCentre, 2469, 2560, kCentre}));
  EXPECT_EQ(first->brush, Rgb(254, 0, 0));
  // Right of the centre every row is one colour.
  std::map<int, ColorRef> rowColour;
  for (const PaintedBox& c : cells) {
    if (c.box.left < kCentre) continue;
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

TEST(GraphChart, LandscapePageSetsTheTextRightOfTheChart) {
  // 6814 x 4800 units, 23 a millimetre both ways.
  const auto page = GraphPage(RecordingDevice::Printer(600, 600, 6814, 4800, 288, 203, 80, 100), {255, 0, 0});
  const auto texts = page->surface.RecordsOf("DrawTextA");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].args, (std::vector<std::int64_t>{4892, 230, 6814, 4800, 0x2810}));
  EXPECT_EQ(PaintedBoxes(page->surface).back().box, (Rect{230, 230, 4800, 4800}));
}

TEST(GraphChart, PageNarrowerThanTheMarginHasNoCells) {
  // 10 mm is 250 units here, more than the page is wide.
  const auto page = GraphPage(RecordingDevice::Printer(600, 600, 200, 300, 8, 12, 0, 0), {255, 0, 0});
  EXPECT_TRUE(ChartCells(page->surface).empty());
  EXPECT_EQ(page->surface.RecordsOf("DrawTextA").size(), 1u);
  EXPECT_EQ(page->surface.HygieneReport(), "");
}

// Every page of this category and of the Custom one leaves the surface as
// it found it: each pen and brush deselected and deleted.
struct HygieneCase {
  const char* name;
  void (*set)(PatternPage&);
};

class PageHygiene : public ::testing::TestWithParam<HygieneCase> {};

TEST_P(PageHygiene, EveryObjectDeselectedAndDeleted) {
  PatternPage page(RecordingDevice::LetterAt300Dpi());
  GetParam().set(page);
  page.Draw();
  EXPECT_GT(page.surface.RecordsOf("CreatePen").size(), 0u);
  EXPECT_EQ(page.surface.HygieneReport(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageHygiene,
    ::testing::Values(
        HygieneCase{"FullPageCustomColor", [](PatternPage& p) { p.Custom(0); }},
        HygieneCase{"CustomGradient", [](PatternPage& p) { p.Custom(1).selection.gradientLayout = 0; }},
        HygieneCase{"DrawX", [](PatternPage& p) { p.Custom(2); }},
        HygieneCase{"MillimetricPaper", [](PatternPage& p) { p.Custom(3); }},
        HygieneCase{"CoverageDots", [](PatternPage& p) { p.Custom(5).host.boxes[kIdDotCoverage] = "5"; }},
        HygieneCase{"CoverageHoles", [](PatternPage& p) { p.Custom(5).host.boxes[kIdDotCoverage] = "95"; }},
        HygieneCase{"CalibrationAllInks",
                    [](PatternPage& p) {
                      p.selection.currentTab = static_cast<int>(Tab::Calibration);
                      p.selection.calibrationTests = {1, 1, 1, 1, 1, 1, 1, 0};
                    }},
        HygieneCase{"Graph",
                    [](PatternPage& p) {
                      p.selection.currentTab = static_cast<int>(Tab::Calibration);
                      p.selection.calibrationTests[7] = 1;
                    }}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
