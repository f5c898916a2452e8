// The Advanced pages: bars and stripes (0 to 3), printing margins (4), full-page fills (5 to 12, and Custom item 0),
// four-sided gradient squares (13, and Custom item 4) and the full page of text (14).
#include <gtest/gtest.h>

#include <algorithm>

#include "pattern_page.hpp"
#include "patterns/custom_patterns.hpp"
#include "patterns/full_page_text.hpp"
#include "patterns/printing_margins.hpp"

namespace veltrim::test {
namespace {

// A 4960 x 7014 page whose ten millimetres are 7014 x 10 / 297 = 236 units.
RecordingDevice A4Page(int width = 4960) { return RecordingDevice::Printer(600, 600, width, 7014, 210, 297, 0, 0); }

// The band tops of each colour in drawing order, every band a solid fill.
std::vector<std::pair<ColorRef, std::vector<int>>> BandTops(const Page& page, int height) {
  std::vector<std::pair<ColorRef, std::vector<int>>> tops;
  for (const PaintedBox& b : page.Boxes()) {
    EXPECT_EQ(std::pair(b.box.bottom - b.box.top, b.pen), std::pair(height, b.brush));
    if (tops.empty() || tops.back().first != b.brush) tops.push_back({b.brush, {}});
    tops.back().second.push_back(b.box.top);
  }
  return tops;
}

std::vector<int> Every(int from, int step, int count) {
  std::vector<int> values;
  for (int i = 0; i < count; ++i) values.push_back(from + i * step);
  return values;
}

TEST(RepetitiveBars, EachColourDownThePageBeforeTheNextOne) {
  // Four colours on 7014 units: 8, 8, 7 and 7 bands (yellow's at 6608 + 472 = 7080 would start below the page);
  // three repeat every 708. The offset does not move them.
  const Page four(Tab::Advanced, {1}, A4Page(), 10), three(Tab::Advanced, {0}, A4Page(), 10);
  EXPECT_EQ(BandTops(four, 236), (std::vector<std::pair<ColorRef, std::vector<int>>>{
                                     {kCyan, Every(0, 944, 8)}, {kMagenta, Every(236, 944, 8)},
                                     {kYellow, Every(472, 944, 7)}, {kBlack, Every(708, 944, 7)}}));
  EXPECT_EQ(BandTops(three, 236), (std::vector<std::pair<ColorRef, std::vector<int>>>{
                                      {kCyan, Every(0, 708, 10)}, {kMagenta, Every(236, 708, 10)},
                                      {kYellow, Every(472, 708, 10)}}));
  EXPECT_EQ(four.Boxes()[0].box, (Rect{0, 0, 4960, 236}));
  // VERTSIZE 0: no ten millimetres to measure; bars one unit high, none lost.
  const Page sizeless(Tab::Advanced, {1}, RecordingDevice::Printer(600, 600, 40, 30, 10, 0, 0, 0));
  EXPECT_EQ(BandTops(sizeless, 1).size(), 4u);
  EXPECT_EQ(sizeless.Boxes().size(), 30u);
}

TEST(VerticalStripes, LastStripeTakesTheRemainderAndMeetsTheRightEdge) {
  const struct { int option, width; std::vector<int> edges; } cases[] = {
      {2, 4961, {0, 1653, 3306, 4961}}, {3, 4963, {0, 1240, 2480, 3720, 4963}}};
  const ColorRef colours[] = {kCyan, kMagenta, kYellow, kBlack};
  for (const auto& c : cases) {
    const auto boxes = Page(Tab::Advanced, {c.option}, A4Page(c.width), 10).Boxes();
    ASSERT_EQ(boxes.size() + 1, c.edges.size());
    for (std::size_t i = 0; i < boxes.size(); ++i)
      EXPECT_EQ(boxes[i], (PaintedBox{{c.edges[i], 0, c.edges[i + 1], 7014}, colours[i], colours[i], 1})) << c.option;
  }
}

// 3150 units over 266 mm: u = 118, pitch 59, pen 2; 4838 units wide (82 pitches exactly, so no line stands on the
// right edge) over 203 mm: 23 units a horizontal mm, 11 a vertical one.
RecordingDevice MarginsDevice() {
  return Skewed().With(DeviceCap::HorzRes, 4838).With(DeviceCap::PhysicalOffsetY, 100);
}

TEST(PagePrintingMargins, GridEveryFiveMillimetresWithAGreyPenAndTextsOneCentimetreIn) {
  const Page page(Tab::Advanced, {4}, MarginsDevice(), 10);  // the offset does not apply
  EXPECT_EQ(page.ArgsOf("CreatePen"), (std::vector<Args>{{0, 2, 0x464646}}));
  EXPECT_EQ(page.ArgsOf("CreateBrushIndirect"), (std::vector<Args>{{0, 0x464646, 0}}));
  const auto lines = page.Lines();
  // Horizontal: y = 0, 59, ... 3127 (54 lines); vertical: x = 0 ... 4779 (82 lines), none at x = 4838.
  ASSERT_EQ(lines.size(), 54u + 82u);
  EXPECT_EQ(lines[1], (DrawnLine{{0, 59}, {4838, 59}, 2, 0x464646}));
  EXPECT_EQ(lines[53].from, (Point{0, 3127}));
  EXPECT_EQ(lines[54], (DrawnLine{{0, 0}, {0, 3150}, 2, 0x464646}));
  EXPECT_EQ(lines.back().from, (Point{4779, 0}));
  EXPECT_TRUE(page.ArgsOf("Rectangle").empty()) << "nothing is filled";
  // The column by the vertical factor (110), the rows by the horizontal one (230) and lines of 27 (font 25 + 2).
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
  // Narrower in pixels than in millimetres, no size in millimetres, no physical page.
  for (const auto& [physical, sizeMm] : {std::pair{150, 203}, {5100, 0}, {0, 203}})
    EXPECT_EQ(MarginMm(100, physical, sizeMm), 0) << physical << " " << sizeMm;
  EXPECT_EQ(Page(Tab::Advanced, {4}, MarginsDevice().With(DeviceCap::PhysicalWidth, 150)).TextsOf().at(2),
            "Left margin: 0 mm     ");
}

TEST(FullPageFills, WholePrintableAreaInTheColourOfTheCoverage) {
  const struct {
    Tab tab;
    int item;
    const char* coverage;  // the box's text as typed
    ColorRef colour;
    ColourTriple custom = {};  // the colour of Custom's Full Page Custom Color
  } cases[] = {
      {Tab::Advanced, 5, "100", Rgb(0, 255, 255)},  // cyan at full strength is 0xFFFF00
      {Tab::Advanced, 8, "100", Rgb(0, 0, 0)},
      {Tab::Advanced, 9, "50", Rgb(255, 127, 127)},  // k = 50 x 255 / 100 = 127
      {Tab::Advanced, 6, "50", Rgb(255, 127, 255)},
      {Tab::Advanced, 7, "1", Rgb(255, 255, 252)},  // 99 x 255 / 100 = 252: almost white
      {Tab::Advanced, 10, "75", Rgb(63, 255, 63)}, {Tab::Advanced, 11, "25", Rgb(191, 191, 255)},
      // Typed past the spin's range: held to 1..100, so the tint stays a colour component.
      {Tab::Advanced, 9, "0", Rgb(255, 252, 252)}, {Tab::Advanced, 8, "500", Rgb(0, 0, 0)},
      {Tab::Advanced, 5, "-40", Rgb(252, 255, 255)},
      {Tab::Advanced, 11, "many", Rgb(252, 252, 255)},  // not a number reads 0
      {Tab::Advanced, 12, "50", Rgb(255, 255, 255)},    // white does not read the box
      // Custom's colour lightened by the coverage, an empty box giving white.
      {Tab::Custom, 0, "50", Rgb(255, 127, 127), {255, 0, 0}}, {Tab::Custom, 0, "", Rgb(255, 255, 255), {255, 0, 0}},
      {Tab::Custom, 0, "100", Rgb(0, 128, 255), {0, 128, 255}},
      // Above 100 darkens; below 0 a component stops at 0 instead of borrowing from the next byte.
      {Tab::Custom, 0, "150", Rgb(23, 173, 0), {100, 200, 50}},
      // The typed number saturates at 2^31 - 1: (100 - p) x 255 must not overflow.
      {Tab::Custom, 0, "99999999999", Rgb(255, 0, 0), {255, 0, 0}},
      {Tab::Custom, 0, "100", Rgb(255, 0, 0), {500, -3, 0}},  // components outside a byte are held
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "item " << c.item << " at \"" << c.coverage << "\"");
    Page page;
    if (c.tab == Tab::Custom) page.Colour(kFullPageColourSlot, c.custom);
    page.Box(kIdCoverage, c.coverage).Tick(c.tab, {c.item}).Draw(10);  // the offset does not apply
    EXPECT_EQ(page.host.reads, c.item == 12 ? std::vector<int>{} : std::vector<int>{kIdCoverage});
    EXPECT_EQ(page.Boxes(), (std::vector<PaintedBox>{{{0, 0, 4800, 3150}, c.colour, c.colour, 1}}));
  }
}

TEST(CmykFourSidedGradient, PortraitSquareOf262By262Cells) {
  const auto boxes = Page(Tab::Advanced, {13}, A4Page(), 10).Boxes();  // the offset does not apply
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
  const struct { RecordingDevice device; const char* printer; Rect caption; } cases[] = {
      // 4800 x 3150, 23 units a horizontal mm: landscape, the caption to the right.
      {Skewed(), "Queue 7", {3150 + 230, 0, 4800, 3150}},
      // The same turned: 3150 x 4800, 3150 / 266 = 11 a horizontal mm; below.
      {RecordingDevice::Printer(300, 600, 3150, 4800, 266, 203, 75, 150), "", {0, 3150 + 110, 3150, 4800}},
  };
  for (const auto& c : cases) {
    Page page(c.device);
    page.printerName = c.printer;
    page.Tick(Tab::Advanced, {13}).Draw();
    const auto captions = page.dc.RecordsOf("DrawTextA");
    ASSERT_EQ(captions.size(), 1u);
    const Rect& r = c.caption;
    EXPECT_EQ(std::pair(captions[0].args, captions[0].text),
              std::pair(Args{r.left, r.top, r.right, r.bottom, 0x2810},
                        "QORVEL Veltrim version 2 / Printer: " + std::string(c.printer)));
    EXPECT_EQ(page.Boxes().back().box, (Rect{3144, 3144, 3156, 3156})) << "the square stays on the shorter side";
  }
}

TEST(CustomFourSidedGradient, CornersFromSlotsFourThreeTwoOneHeldToTheByte) {
  Page page(RecordingDevice::Printer(300, 300, 510, 600, 43, 50, 0, 0));
  // Slot 4 typed past the byte: (255, 0, 0), not 500 & 0xFF.
  page.Colour(4, {500, -20, 0}).Colour(3, {0, 200, 0}).Colour(2, {0, 0, 0}).Colour(1, {100, 100, 100});
  const auto boxes = page.Tick(Tab::Custom, {4}).Draw().Boxes();
  // m = 510, cell = 2: starts 0 ... 510, 256 a side.
  ASSERT_EQ(boxes.size(), 256u * 256u);
  EXPECT_EQ(std::pair(boxes.front().brush, boxes[255].brush), std::pair(Rgb(255, 0, 0), Rgb(0, 200, 0)));
  EXPECT_EQ(boxes[128 * 256].brush, Rgb(127, 0, 0)) << "y = 256: 255 - 255 x 256 / 510";
  EXPECT_EQ(boxes.back(), (PaintedBox{{510, 510, 512, 512}, Rgb(100, 100, 100), Rgb(100, 100, 100), 1}));
}

TEST(FourSidedGradient, SmallDeviceGetsOneUnitCells) {
  // 200 x 100 units: 100 / 255 = 0, taken as one unit; 101 cells a side.
  const auto boxes = Page(Tab::Advanced, {13}, RecordingDevice::Printer(96, 96, 200, 100, 52, 26, 0, 0)).Boxes();
  ASSERT_EQ(boxes.size(), 101u * 101u);
  EXPECT_EQ(boxes.back(), (PaintedBox{{100, 100, 101, 101}, kYellow, kYellow, 1}));
}

std::vector<std::size_t> PieceLengths(const std::string& text) {
  std::vector<std::size_t> lengths;
  std::size_t start = 0;
  for (std::size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', start)) {
    lengths.push_back(blank - start);
    start = blank + 1;
  }
  lengths.push_back(text.size() - start);
  return lengths;
}

TEST(FullPageText, SampleLineAndBreakingThatCountsTheBlanksAlreadyInserted) {
  EXPECT_EQ(kSampleLine,
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,./<>?;':\"[]\\{}|~`-=!@#$%^&*()_+");
  const struct { const char *text, *broken; int n; } cases[] = {
      {"abcdefgh", "abcd ef gh ", 3},  // n + 1, then n - 1 a piece
      {"abcdefgh", "abcdefgh", 8},     // fits: nothing inserted
      {"abcdefgh", "abcdefgh ", 7},
      // Under two a line the text would grow as fast as the position: two.
      {"abcdef", "abc d e f ", 1}, {"abcdef", "abc d e f ", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(BreakIntoLines(c.text, c.n), c.broken) << c.text << " by " << c.n;
}

// 4960 units wide, ten millimetres = 7014 x 10 / 701 = 100 units; the recording surface gives every layer's font an
// average width of 100, so n = 49 for each.
TEST(FullPageText, FourLayersEachBrokenAfresh) {
  const Page page(Tab::Advanced, {14}, RecordingDevice::Printer(600, 600, 4960, 7014, 210, 701, 0, 0), 10);
  std::string unbroken;
  for (int i = 0; i < 41; ++i) unbroken += kSampleLine;
  ASSERT_EQ(unbroken.size(), 3854u);
  EXPECT_EQ(page.TextsOf("CreateFontIndirectA"),
            (std::vector<std::string>{"Times New Roman", "Courier", "Arial", "Lucida Console"}));
  // Height, width, escapement, orientation, weight, italic, underline, strike-out, charset, precisions, quality, pitch.
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(page.ArgsOf("CreateFontIndirectA").at(i), (Args{(4 - i) * 100, 100, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0}));
  const std::vector<Record> layers = page.TopLevel("DrawTextA");
  ASSERT_EQ(layers.size(), 4u);
  for (const Record& layer : layers) {
    EXPECT_EQ(layer.args, (Args{0, 0, 4960, 7014, 0x10}));
    const std::vector<std::size_t> pieces = PieceLengths(layer.text);
    ASSERT_GT(pieces.size(), 3u);
    EXPECT_EQ(std::tuple(pieces[0], pieces[1], pieces[pieces.size() - 2]), std::tuple(50u, 48u, 48u));
    // No blank of an earlier layer left over: the same breaks every time.
    EXPECT_EQ(layer.text, layers[0].text);
    std::string letters = layer.text;
    std::erase(letters, ' ');
    EXPECT_EQ(letters, unbroken);
  }
  EXPECT_EQ(page.ArgsOf("SetTextColor"), (std::vector<Args>{{0xC0C0C0}, {0x808080}, {0x404040}, {0}, {0}}));
  EXPECT_EQ(page.ArgsOf("SetBkMode"), (std::vector<Args>{{1}, {1}, {1}, {1}, {2}}));
  // The title is the last thing drawn, on its white box: x by the vertical factor (7014 / 701 = 10), y by the
  // horizontal one (4960 / 210 = 23).
  EXPECT_EQ(page.dc.TopLevelRecords().back(),
            (Record{"TextOutA", {20, 46}, "QORVEL Veltrim Program - version 2 / Printer: Queue 7", 1}));
  EXPECT_EQ(page.dc.BkMode(), kOpaque);
}

}  // namespace
}  // namespace veltrim::test
