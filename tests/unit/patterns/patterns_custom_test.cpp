// The Advanced and Custom pages' patterns and the data-file pages on recording surfaces, read back as boxes and texts.
#include <gtest/gtest.h>

#include "../support/scratch_dir.hpp"
#include "core/patterns/advanced/full_page_text.hpp"
#include "core/patterns/black_white/simple_text_page.hpp"
#include "core/patterns/colour/bitmapped_image_page.hpp"
#include "core/patterns/custom/custom_patterns.hpp"
#include "pattern_page.hpp"
#include "test_bitmap.hpp"

namespace veltrim::test {
namespace {

// Advanced: bars and stripes (0-3), margins (4), fills (5-12, Custom 0), four-sided squares (13, Custom 4), text (14).

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

TEST(PagePrintingMargins, GridEveryFiveMmWithAGreyPenAndTextsOneCmIn) {
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
}

TEST(FullPageFills, WholePrintableAreaInTheColourOfTheCoverage) {
  const struct {
    Tab tab;
    int item;
    int coverage;  // the Coverage (%) number, as the window read it
    ColorRef colour;
    ColourTriple custom = {};  // the colour of Custom's Full Page Custom Color
  } cases[] = {
      {Tab::Advanced, 5, 100, Rgb(0, 255, 255)},  // cyan at full strength is 0xFFFF00
      {Tab::Advanced, 8, 100, Rgb(0, 0, 0)},
      {Tab::Advanced, 9, 50, Rgb(255, 127, 127)},  // k = 50 x 255 / 100 = 127
      {Tab::Advanced, 6, 50, Rgb(255, 127, 255)},
      {Tab::Advanced, 7, 1, Rgb(255, 255, 252)},  // 99 x 255 / 100 = 252: almost white
      {Tab::Advanced, 10, 75, Rgb(63, 255, 63)}, {Tab::Advanced, 11, 25, Rgb(191, 191, 255)},
      // Typed past the spin's range: held to 1..100, so the tint stays a colour component.
      {Tab::Advanced, 9, 0, Rgb(255, 252, 252)}, {Tab::Advanced, 8, 500, Rgb(0, 0, 0)},
      {Tab::Advanced, 12, 50, Rgb(255, 255, 255)},    // white does not read the box
      // Custom's colour lightened by the coverage, 0 giving white.
      {Tab::Custom, 0, 50, Rgb(255, 127, 127), {255, 0, 0}}, {Tab::Custom, 0, 0, Rgb(255, 255, 255), {255, 0, 0}},
      // Above 100 darkens; below 0 a component stops at 0 instead of borrowing from the next byte.
      {Tab::Custom, 0, 150, Rgb(23, 173, 0), {100, 200, 50}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "item " << c.item << " at " << c.coverage);
    Page page;
    if (c.tab == Tab::Custom) page.Colour(kFullPageColourSlot, c.custom);
    page.Set(JobNumber::Coverage, c.coverage).Tick(c.tab, {c.item}).Draw(10);  // the offset does not apply
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
      {RecordingDevice::Printer(300, 600, 3150, 4800, 266, 203, 75, 150), "", {0, 3150 + 110, 3150, 4800}}};
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

TEST(FullPageText, SampleLineAndBreakingThatCountsTheBlanksAlreadyInserted) {
  EXPECT_EQ(kSampleLine,
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,./<>?;':\"[]\\{}|~`-=!@#$%^&*()_+");
  const struct { const char *text, *broken; int n; } cases[] = {
      {"abcdefgh", "abcd ef gh ", 3},  // n + 1, then n - 1 a piece
      {"abcdefgh", "abcdefgh", 8},     // fits: nothing inserted
      // Under two a line the text would grow as fast as the position: two.
      {"abcdef", "abc d e f ", 0}};
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
    std::vector<std::size_t> pieces{0};  // the lengths between blanks
    for (const char c : layer.text) {
      if (c == ' ')
        pieces.push_back(0);
      else
        ++pieces.back();
    }
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
  // The title, last, on its white box: x by the vertical factor (7014 / 701 = 10), y the horizontal (4960 / 210 = 23).
  EXPECT_EQ(page.dc.TopLevelRecords().back(),
            (Record{"TextOutA", {20, 46}, "QORVEL Veltrim Program - version 2 / Printer: Queue 7", 1}));
  EXPECT_EQ(page.dc.BkMode(), kOpaque);
}

// Custom, on the 600 x 300 dpi printer (23 units a horizontal mm, 11 a vertical one), and values typed by hand.

TEST(CustomGradient, FiveHundredTwelveSlicesInEachLayout) {
  // From slot 7 toward slot 6: slice 256 is halfway (127.5 truncated), the last a step short of slot 6. Sizes
  // 4800 / 512 = 9.375 across and 3150 / 512 = 6.15 down; the bar is 3150 x 10 / 266 = 118 high at the offset
  // (10 mm = 230).
  const struct { int layout; Rect first, middle, last; } cases[] = {
      {kSingleBar, {0, 230, 9, 348}, {2400, 230, 2409, 348}, {4790, 230, 4800, 348}},
      {kFullPageVertical, {0, 0, 4800, 6}, {0, 1575, 4800, 1581}, {0, 3143, 4800, 3150}},
      {kFullPageHorizontal, {0, 0, 9, 3150}, {2400, 0, 2409, 3150}, {4790, 0, 4800, 3150}}};
  for (const auto& c : cases) {
    Page page;
    page.selection.gradientLayout = c.layout;
    const auto boxes = page.Colour(kGradientStartSlot, {200, 0, 100}).Colour(kGradientEndSlot, {0, 255, 100})
                           .Tick(Tab::Custom, {1}).Draw(10).Boxes();
    ASSERT_EQ(boxes.size(), 512u) << c.layout;
    EXPECT_EQ(boxes[0], (PaintedBox{c.first, Rgb(200, 0, 100), Rgb(200, 0, 100), 1})) << c.layout;
    EXPECT_EQ(boxes[256], (PaintedBox{c.middle, Rgb(100, 127, 100), Rgb(100, 127, 100), 1})) << c.layout;
    EXPECT_EQ(boxes[511], (PaintedBox{c.last, Rgb(0, 254, 100), Rgb(0, 254, 100), 1})) << c.layout;
  }
}

TEST(DrawXOnWholePaper, BothDiagonalsWithAPenOfSevenTenthsOfAVerticalMillimetre) {
  const Page page(Tab::Custom, {2}, Skewed(), 10);
  EXPECT_EQ(page.ArgsOf("CreatePen"), (std::vector<Args>{{0, 7, 0}})) << "0.7 x 11, truncated";
  EXPECT_EQ(page.Lines(), (std::vector<DrawnLine>{{{0, 0}, {4800, 3150}, 7, 0}, {{4800, 0}, {0, 3150}, 7, 0}}));
}

TEST(MillimetricPaper, FineThenCoarseLinesBothWaysByTheVerticalMillimetre) {
  const auto lines = Page().Colour(kGridColourSlot, {10, 20, 30}).Tick(Tab::Custom, {3}).Draw(10).Lines();
  // Every 11 units, pen 11 / 10 = 1: 287 across (to 3146), 437 down (to 4796); then every 55, pen 0.3 x 11 = 3: 58, 88.
  ASSERT_EQ(lines.size(), 287u + 437u + 58u + 88u);
  const struct { std::size_t index; Point from, to; int width; } expected[] = {
      {0, {0, 0}, {4800, 0}, 1},         {286, {0, 3146}, {4800, 3146}, 1}, {287, {0, 0}, {0, 3150}, 1},
      {723, {4796, 0}, {4796, 3150}, 1}, {724, {0, 0}, {4800, 0}, 3},       {725, {0, 55}, {4800, 55}, 3},
      {782, {0, 0}, {0, 3150}, 3},       {869, {4785, 0}, {4785, 3150}, 3}};
  for (const auto& e : expected) EXPECT_EQ(lines[e.index], (DrawnLine{e.from, e.to, e.width, Rgb(10, 20, 30)}));
}

// Color Coverage: cells 0.25 x 11 = 2.75 wide, 0.25 x 23 = 5.75 high, 1745 x 547 = 954515; row 1 starts at cell 1745.
TEST(ColorCoverage, InksEveryStepthCellOrLeavesItWhite) {
  const struct {
    int percent;
    std::size_t inked, white;  // cells, plus the full page above 50 %
    std::size_t second;        // the index of the first cell in row 1
    Rect secondCell, rowCell;
  } cases[] = {
      {30, 318172, 0, 582, {8, 0, 11, 5}, {2, 5, 5, 11}},   // 100 / 30 = 3: about 33 %
      {50, 477258, 0, 873, {5, 0, 8, 5}, {2, 5, 5, 11}},    // still dots
      {80, 1, 190903, 349, {13, 0, 16, 5}, {0, 5, 2, 11}},  // every 5th white
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percent);
    const auto boxes = Page().Colour(kCoverageColourSlot, {0, 90, 180}).Set(JobNumber::DotCoverage, c.percent)
                           .Tick(Tab::Custom, {5}).Draw(10).Boxes();
    const auto inked = static_cast<std::size_t>(
        std::count_if(boxes.begin(), boxes.end(), [](const PaintedBox& b) { return b.brush == Rgb(0, 90, 180); }));
    ASSERT_EQ(std::pair(inked, boxes.size() - inked), std::pair(c.inked, c.white));
    const std::size_t first = c.white ? 1 : 0;  // after the full page
    if (first) { EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 3150})); }
    EXPECT_EQ(std::tuple(boxes[first].box, boxes[first + 1].box, boxes[first + c.second].box),
              std::tuple(Rect{0, 0, 2, 5}, c.secondCell, c.rowCell));
  }
}

// Simple Text and Bitmapped Image print a data file beside the program (a scratch folder), 600 dpi A4 (23 a mm).

class DataFilePage : public ::testing::Test {
 protected:
  DataFilePage() { page_.host.programPath = dir_.Path("veltrim"); }

  // One page of `tab` with `items` ticked, the paper offset at 10 mm; the surface is left clean.
  void Print(Tab tab, std::initializer_list<int> items) {
    page_.dc.ClearRecords();
    page_.host.messages.clear();
    page_.Tick(tab, items).Draw(10);
    EXPECT_EQ(surface_.HygieneReport(), "");
  }
  std::vector<std::string> Ops() const {
    std::vector<std::string> ops;
    for (const Record& record : surface_.TopLevelRecords()) ops.push_back(record.op);
    return ops;
  }
  // The error box the page shows, or "" when it shows none.
  std::string Message() const {
    EXPECT_LE(page_.host.messages.size(), 1u);
    if (page_.host.messages.empty()) return "";
    const TestHost::Message& m = page_.host.messages[0];
    EXPECT_EQ(std::pair(m.caption, m.icon), std::pair(std::string("Application ERROR"), MessageIcon::Stop));
    return m.text;
  }

  const ScratchDir dir_;
  Page page_{RecordingDevice::A4At600Dpi()};
  RecordingSurface& surface_ = page_.dc;
};

TEST_F(DataFilePage, TextPrintsAloneFromTheTopLeftInTimesNewRoman) {
  dir_.Write("fperc.qrv", "abc & more");
  Print(Tab::BlackWhite, {0, 9});
  EXPECT_EQ(Message(), "");
  EXPECT_EQ(Ops(), (std::vector<std::string>{"CreateFontIndirectA", "SelectObject", "DrawTextA", "SelectObject",
                                             "DeleteObject"}))
      << "nothing else of the category is drawn:\n" << surface_.Dump();
  const Record font = surface_.RecordsOf("CreateFontIndirectA").at(0);
  // Height 23 units a millimetre x 3999 / -900, weight 400.
  EXPECT_EQ(std::tuple(font.args.at(0), font.args.at(4), font.text), std::tuple(-102, 400, "Times New Roman"));
  // At y = 0 whatever the paper offset; the ampersand is not a prefix.
  const Record text = surface_.RecordsOf("DrawTextA").at(0);
  EXPECT_EQ(std::pair(text.text, text.args), std::pair(std::string("abc & more"), Args{0, 0, 4800, 6814, 0x2810}));
}

TEST_F(DataFilePage, PictureIsStretchedOverThePageUnderItsTitle) {
  const std::vector<std::uint32_t> pixels(4 * 2, 0x336699);
  ASSERT_TRUE(WriteBmp24(dir_.Path("myimg.qrv"), 4, 2, pixels));
  Print(Tab::Color, {0, 12});
  EXPECT_EQ(Message(), "");
  EXPECT_EQ(Ops(), (std::vector<std::string>{"LoadBitmapFile", "StretchBlt", "SetBkMode", "DrawTextA", "SetBkMode",
                                             "DeleteObject"}))
      << "no title line of the category, no other block:\n" << surface_.Dump();
  const Record load = surface_.RecordsOf("LoadBitmapFile").at(0);
  EXPECT_EQ(load.text, dir_.Path("myimg.qrv"));
  EXPECT_EQ(surface_.RecordsOf("StretchBlt").at(0).args, (Args{0, 0, 4800, 6814, load.result, 0, 0, 1240, 1754}))
      << "the offset does not apply; the source is the picture's 1240 x 1754";
  EXPECT_EQ(surface_.RecordsOf("SetBkMode").at(0).args.at(0), kTransparent);
  const Record title = surface_.RecordsOf("DrawTextA").at(0);
  EXPECT_EQ(std::pair(title.text, title.args),
            std::pair(std::string("QORVEL Veltrim version 2 / Printer: Queue 7"), Args{0, 0, 4800, 6814, 0x2810}));
  EXPECT_EQ(surface_.BkMode(), kOpaque) << "the background mode is put back";
}


TEST_F(DataFilePage, FileFaultsShowTheirMessageAndLeaveThePageBlank) {
  enum class File { None, Text, Bitmap };
  const struct {
    const char* name;
    Tab tab;  // Black&White prints fperc.qrv, Color myimg.qrv
    File file;
    std::size_t bytes;  // of the text file
    bool failCopy;
    const char* message;  // "": the text is drawn whole
  } cases[] = {
      {"no text", Tab::BlackWhite, File::None, 0, false, kTextLoadFailedText},
      {"empty text", Tab::BlackWhite, File::Text, 0, false, kTextCorruptText},
      {"text one byte over the buffer", Tab::BlackWhite, File::Text, kSimpleTextBufferBytes + 1, false,
       kTextLoadFailedText},
      {"text exactly the buffer", Tab::BlackWhite, File::Text, kSimpleTextBufferBytes, false, ""},
      {"no picture", Tab::Color, File::None, 0, false, kBitmapLoadFailedText},
      {"picture copy fails", Tab::Color, File::Bitmap, 0, true, kBitmapCopyFailedText}};
  const std::vector<std::uint32_t> pixel(1, 0xFFFFFF);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const bool text = c.tab == Tab::BlackWhite;
    const std::string name = text ? "fperc.qrv" : "myimg.qrv";
    std::filesystem::remove(dir_.Path(name));
    if (c.file == File::Text) dir_.Write(name, std::string(c.bytes, 'x'));
    if (c.file == File::Bitmap) {
      ASSERT_TRUE(WriteBmp24(dir_.Path(name), 1, 1, pixel));
    }
    if (c.failCopy) surface_.FailNext("StretchBlt");
    Print(c.tab, {text ? 9 : 12});
    EXPECT_EQ(Message(), c.message);
    const auto drawn = surface_.RecordsOf("DrawTextA");
    if (!*c.message) {
      ASSERT_EQ(drawn.size(), 1u);
      EXPECT_EQ(drawn[0].text.size(), c.bytes);
    } else {
      EXPECT_TRUE(text ? Ops().empty() : drawn.empty()) << "a blank page, no title:\n" << surface_.Dump();
    }
  }
}

}  // namespace
}  // namespace veltrim::test
