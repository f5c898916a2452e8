// The Advanced and Custom pages' patterns and the data-file pages on recording surfaces, read back as boxes and texts.
#include <gtest/gtest.h>

#include "../support/scratch_dir.hpp"
#include "core/patterns/black_white/simple_text_page.hpp"
#include "core/patterns/colour/bitmapped_image_page.hpp"
#include "core/patterns/custom/custom_patterns.hpp"
#include "pattern_page.hpp"
#include "test_bitmap.hpp"

namespace veltrim::test {
namespace {

// A 4960 x 7014 page whose ten millimetres are 7014 x 10 / 297 = 236 units.
RecordingDevice A4Page(int width = 4960) { return RecordingDevice::Printer(600, 600, width, 7014, 210, 297, 0, 0); }

TEST(RepetitiveBars, EachColourDownThePageBeforeTheNextOne) {
  // Four colours on 7014 units repeat every 944: 8, 8, 7 and 7 bands (yellow's at 6608 + 472 = 7080 would start below
  // the page); three repeat every 708, 10 each. The offset does not move them.
  const auto four = Page(Tab::Advanced, {1}, A4Page(), 10).Boxes();
  const auto three = Page(Tab::Advanced, {0}, A4Page(), 10).Boxes();
  ASSERT_EQ(std::pair(four.size(), three.size()), std::pair(std::size_t{30}, std::size_t{30}));
  const auto bar = [](int top, ColorRef c) { return PaintedBox{{0, top, 4960, top + 236}, c, c, 1}; };
  EXPECT_EQ((std::vector{four[0], four[7], four[8], four[16], four[22], four[23], four[29]}),
            (std::vector{bar(0, kCyan), bar(6608, kCyan), bar(236, kMagenta), bar(472, kYellow), bar(6136, kYellow),
                         bar(708, kBlack), bar(6372, kBlack)}));
  EXPECT_EQ((std::vector{three[9], three[10], three[29]}),
            (std::vector{bar(6372, kCyan), bar(236, kMagenta), bar(6844, kYellow)}));
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

TEST(PagePrintingMargins, GridEveryFiveMmWithAGreyPenAndTextsOneCmIn) {
  // 3150 units over 266 mm: u = 118, pitch 59, pen 2; 4838 units wide (82 pitches exactly, so no line stands on the
  // right edge) over 203 mm: 23 units a horizontal mm, 11 a vertical one. The offset does not apply.
  const Page page(Tab::Advanced, {4}, Skewed().With(DeviceCap::HorzRes, 4838).With(DeviceCap::PhysicalOffsetY, 100),
                  10);
  EXPECT_EQ(page.ArgsOf("CreatePen"), (std::vector<Args>{{0, 2, 0x464646}}));
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

TEST(CmykFourSidedGradient, PortraitSquareOf262By262CellsCaptionBelow) {
  const Page page(Tab::Advanced, {13}, A4Page(), 10);  // the offset does not apply
  const auto boxes = page.Boxes();
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
  // The caption 10 horizontal mm (4960 / 210 = 23 a mm) below the square.
  EXPECT_EQ(page.ArgsOf("DrawTextA"), (std::vector<Args>{{0, 4960 + 230, 4960, 7014, 0x2810}}));
}

TEST(FourSidedGradient, LandscapeSquareOnTheShorterSideCaptionBeside) {
  // 4800 x 3150: cells 3150 / 255 = 12, the last from 3144; the caption 10 horizontal mm (230) right of the square.
  const Page page(Tab::Advanced, {13});
  EXPECT_EQ(page.Boxes().back().box, (Rect{3144, 3144, 3156, 3156}));
  EXPECT_EQ(page.ArgsOf("DrawTextA"), (std::vector<Args>{{3150 + 230, 0, 4800, 3150, 0x2810}}));
  EXPECT_EQ(page.TextsOf("DrawTextA"), std::vector<std::string>{"QORVEL Veltrim version 2 / Printer: Queue 7"});
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

// 4960 units wide, ten millimetres = 7014 x 10 / 701 = 100 units; the recording surface gives every layer's font an
// average width of 100, so n = 49 for each: pieces of n + 1, then n - 1, as the blanks inserted count.
TEST(FullPageText, FourLayersOfTheSampleLineEachBrokenAfresh) {
  const Page page(Tab::Advanced, {14}, RecordingDevice::Printer(600, 600, 4960, 7014, 210, 701, 0, 0), 10);
  std::string unbroken;
  for (int i = 0; i < 41; ++i)
    unbroken += "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,./<>?;':\"[]\\{}|~`-=!@#$%^&*()_+";
  EXPECT_EQ(page.TextsOf("CreateFontIndirectA"),
            (std::vector<std::string>{"Times New Roman", "Courier", "Arial", "Lucida Console"}));
  // Height, width, escapement, orientation, weight, italic, underline, strike-out, charset, precisions, quality, pitch.
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(page.ArgsOf("CreateFontIndirectA").at(i), (Args{(4 - i) * 100, 100, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0}));
  const std::vector<Record> layers = page.dc.RecordsOf("DrawTextA");
  ASSERT_EQ(layers.size(), 4u);
  // No blank of an earlier layer left over: the same breaks every time, 50 letters then 48 a piece.
  for (const Record& layer : layers)
    EXPECT_EQ(std::pair(layer.args, layer.text), std::pair(Args{0, 0, 4960, 7014, 0x10}, layers[0].text));
  EXPECT_EQ(layers[0].text.substr(0, 100), unbroken.substr(0, 50) + " " + unbroken.substr(50, 48) + " ");
  std::string letters = layers[0].text;
  std::erase(letters, ' ');
  EXPECT_EQ(letters, unbroken);
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
  // One page of `tab` with `item` ticked and the paper offset at 10 mm, `fail` failing, which it leaves clean;
  // answers the error box it shows, if any, then the top-level calls.
  std::vector<std::string> Print(Tab tab, int item, std::string_view fail = "") {
    Page page(RecordingDevice::A4At600Dpi());
    page.host.programPath = dir_.Path("veltrim");
    if (!fail.empty()) page.dc.FailNext(fail);
    page.Tick(tab, {item}).Draw(10);
    EXPECT_EQ(page.dc.HygieneReport(), "");
    records_ = page.dc.TopLevelRecords();
    std::vector<std::string> ops;
    for (const auto& m : page.host.messages) ops.push_back(m.caption + ": " + m.text);
    for (const auto& m : page.host.messages) EXPECT_EQ(m.icon, MessageIcon::Stop);
    for (const Record& record : records_) ops.push_back(record.op);
    return ops;
  }
  const ScratchDir dir_;
  std::vector<Record> records_;
};

TEST_F(DataFilePage, TextPrintsAloneFromTheTopLeftInTimesNewRoman) {
  dir_.Write("fperc.qrv", "abc & more");
  EXPECT_EQ(Print(Tab::BlackWhite, 9),
            (std::vector<std::string>{"CreateFontIndirectA", "SelectObject", "DrawTextA", "SelectObject",
                                      "DeleteObject"}));
  // Height 23 units a millimetre x 3999 / -900, weight 400.
  EXPECT_EQ(std::tuple(records_[0].args.at(0), records_[0].args.at(4), records_[0].text),
            std::tuple(-102, 400, "Times New Roman"));
  // At y = 0 whatever the paper offset; the ampersand is not a prefix.
  EXPECT_EQ(records_[2], (Record{"DrawTextA", {0, 0, 4800, 6814, 0x2810}, "abc & more", records_[2].result}));
}

TEST_F(DataFilePage, PictureIsStretchedOverThePageUnderItsTitle) {
  ASSERT_TRUE(WriteBmp24(dir_.Path("myimg.qrv"), 4, 2, std::vector<std::uint32_t>(4 * 2, 0x336699)));
  EXPECT_EQ(Print(Tab::Color, 12), (std::vector<std::string>{"LoadBitmapFile", "StretchBlt", "SetBkMode", "DrawTextA",
                                                             "SetBkMode", "DeleteObject"}));
  EXPECT_EQ(records_[0].text, dir_.Path("myimg.qrv"));
  // The offset does not apply; the source is the picture's 1240 x 1754; the title over it, transparent.
  EXPECT_EQ(records_[1].args, (Args{0, 0, 4800, 6814, records_[0].result, 0, 0, 1240, 1754}));
  EXPECT_EQ(std::pair(records_[2].args, records_[4].args), std::pair(Args{kTransparent}, Args{kOpaque}));
  EXPECT_EQ(std::pair(records_[3].text, records_[3].args),
            std::pair(std::string("QORVEL Veltrim version 2 / Printer: Queue 7"), Args{0, 0, 4800, 6814, 0x2810}));
}

TEST_F(DataFilePage, FileFaultsShowTheirMessageAndLeaveThePageBlank) {
  const std::string error = "Application ERROR: ";
  EXPECT_EQ(Print(Tab::BlackWhite, 9), std::vector{error + kTextLoadFailedText}) << "no file";
  dir_.Write("fperc.qrv", "");
  EXPECT_EQ(Print(Tab::BlackWhite, 9), std::vector{error + kTextCorruptText}) << "empty";
  dir_.Write("fperc.qrv", std::string(kSimpleTextBufferBytes + 1, 'x'));
  EXPECT_EQ(Print(Tab::BlackWhite, 9), std::vector{error + kTextLoadFailedText}) << "one byte over the buffer";
  dir_.Write("fperc.qrv", std::string(kSimpleTextBufferBytes, 'x'));
  Print(Tab::BlackWhite, 9);
  EXPECT_EQ(records_.at(2).text.size(), kSimpleTextBufferBytes) << "exactly the buffer, drawn whole";
  EXPECT_EQ(Print(Tab::Color, 12), (std::vector{error + kBitmapLoadFailedText, std::string("LoadBitmapFile")}));
  ASSERT_TRUE(WriteBmp24(dir_.Path("myimg.qrv"), 1, 1, std::vector<std::uint32_t>{0xFFFFFF}));
  EXPECT_EQ(Print(Tab::Color, 12, "StretchBlt"),
            (std::vector<std::string>{error + kBitmapCopyFailedText, "LoadBitmapFile", "StretchBlt", "DeleteObject"}));
}

}  // namespace
}  // namespace veltrim::test
