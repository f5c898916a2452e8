// Every page's patterns on recording surfaces, through the page dispatch or one alone, read back as boxes and texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "../support/scratch_dir.hpp"
#include "pattern_page.hpp"
#include "patterns/bitmapped_image_page.hpp"
#include "patterns/bw_shapes.hpp"
#include "patterns/calibration_page.hpp"
#include "patterns/custom_patterns.hpp"
#include "patterns/full_page_text.hpp"
#include "patterns/info_block.hpp"
#include "patterns/line_blocks.hpp"
#include "patterns/printing_margins.hpp"
#include "patterns/saturation_lightness_page.hpp"
#include "patterns/simple_text_page.hpp"
#include "test_bitmap.hpp"

namespace veltrim::test {
namespace {

// Black&White: the information block word for word, where the strokes land and how far each band moves the cursor.

// Unequal resolutions, so a line showing the wrong index stands out.
RecordingDevice InfoDevice() {
  return RecordingDevice::Printer(600, 1200, 4800, 13628, 203, 288, 80, 100).With(DeviceCap::SizePalette, 256)
      .With(DeviceCap::ColorRes, 24);
}

TEST(InfoBlock, TwentySixExactLinesOneLineHeightApart) {
  Page page(InfoDevice());
  const int lineHeight = page.geometry.lineHeight;
  EXPECT_EQ(page.Run(DrawInfoBlock, 230), 230 + 26 * lineHeight);
  EXPECT_EQ(page.TextsOf(), (std::vector<std::string>{
      "QORVEL Veltrim Program - version 2 - www.qorvel.com    ", "Current Date And Time: [5] 5/3/2010  9:7:3 (45)     ",
      "Printer Name (Port Used): Queue 7 (CUPS:Queue 7)     ", "Computer Name/User Name: BENCH-PC / tester     ",
      "Device Capabilities:     ", "|_Device driver version: 1024     ", "|_Device technology: Raster printer     ",
      "|_Width, in millimeters, of the physical area: 203     ",
      "|_Height, in millimeters, of the physical area: 288     ", "|_Width, in pixels, of the area: 4800     ",
      "|_Height, in pixels, of the area: 13628     ", "|_Number of pixels per logical inch along the width: 600     ",
      "|_Number of pixels per logical inch along the height: 1200     ",
      "|_Number of color bits for each pixel: 24     ", "|_Number of color planes: 1     ",
      "|_Number of device-specific fonts: 0     ", "|_Relative width of a device pixel used for line drawing: 600     ",
      "|_Relative height of a device pixel used for line drawing: 1200     ",
      "|_Diagonal width of the device pixel used for line drawing: 1342     ",
      "|_Clipping capabilities of the device: TRUE     ", "|_Number of entries in the system palette: 256     ",
      "|_Actual color resolution of the device, in bits per pixel: 24     ",
      "|_The width of the physical page, in device units: 4960     ",
      "|_The height of the physical page, in device units: 13828     ",
      "|_Distance from left edge physical page -> printable area (dev. units): 80     ",
      "|_Distance from top edge physical page -> printable area (dev. units): 100     "}));
  const auto places = page.ArgsOf("TextOutA");
  ASSERT_EQ(places.size(), 26u);
  for (int k = 0; k < 26; ++k) EXPECT_EQ(places[k], (Args{0, 230 + k * lineHeight})) << k;
  // Text only: the context's font and objects stay as they were.
  for (const Record& record : page.dc.Records())
    EXPECT_TRUE(record.op == "TextOutA" || record.op == "GetDeviceCaps") << record;
}

TEST(InfoBlock, OddValuesMidnightAndMissingNames) {
  Page page(InfoDevice().With(DeviceCap::Technology, 7).With(DeviceCap::ClipCaps, 2));
  page.host.facts = {{2011, 1, 6, 1, 0, 0, 0, 0}, "", ""};
  page.printerName.clear();
  page.printerPort.clear();
  page.Run(DrawInfoBlock);
  const auto texts = page.TextsOf();
  ASSERT_EQ(texts.size(), 26u);
  EXPECT_EQ(std::vector(texts.begin() + 1, texts.begin() + 4),
            (std::vector<std::string>{"Current Date And Time: [6] 1/1/2011  0:0:0 (0)     ",
                                      "Printer Name (Port Used):  ()     ", "Computer Name/User Name:  /      "}));
  EXPECT_EQ(texts[6], "|_Device technology:      ") << "7 names no technology";
  EXPECT_EQ(texts[19], "|_Clipping capabilities of the device: FALSE     ") << "only 1 is TRUE";
}

TEST(Lines, RulesThenACombThatStopsBeforeTheLastColumn) {
  Page page(LetterAt600Dpi());
  EXPECT_EQ(page.Run(DrawLines, kY0), kY0 + 257) << "17 + cm1 (236) + 4";
  const auto moves = page.ArgsOf("MoveToEx");
  EXPECT_EQ(page.ArgsOf("LineTo")[3], (Args{4799, kY0 + 16}));
  const std::int64_t comb[] = {0, 1, 2, 5, 8, 11, 16, 21, 26, 33, 40, 47};
  for (std::size_t i = 0; i < std::size(comb); ++i) EXPECT_EQ(moves.at(4 + i), (Args{comb[i], kY0 + 17})) << i;
  // 47 is a comb position: the last column of a 48-wide page, left out.
  for (const auto& [width, strokes] : {std::pair{48, 11u}, {49, 12u}}) {
    Page narrow(LetterAt600Dpi().With(DeviceCap::HorzRes, width));
    narrow.Run(DrawLines, kY0);
    EXPECT_EQ(narrow.ArgsOf("MoveToEx").size(), 4 + strokes) << width;
  }
}

TEST(Ellipses, FanOfOutlinesOneCentimetreWiderEach) {
  // 5d = 2365: no fan on a page no wider; the first may end on the edge; k = 1, 231, ..., 2301 on the 4800-wide page.
  for (const auto& [width, fan] : {std::pair{4800, 11}, {2365, 0}, {2366, 1}, {2596, 1}, {2597, 2}}) {
    Page page(LetterAt600Dpi().With(DeviceCap::HorzRes, width).With(DeviceCap::HorzSize, width / 23));
    EXPECT_EQ(page.Run(DrawEllipses, kY0), kY0 + 473 + 4);
    const auto arcs = page.ArgsOf("Arc");
    ASSERT_EQ(arcs.size(), 2u + fan) << width;
    EXPECT_EQ(arcs[1], (Args{473, kY0, 1419, kY0 + 473, 0, 0, 0, 0}));
    EXPECT_EQ(page.ArgsOf("Ellipse"), (std::vector<Args>{{946, kY0, 2365, kY0 + 473}}));
    for (int j = 0; j < fan; ++j) EXPECT_EQ(arcs[2 + j], (Args{1182, kY0, 2366 + 230 * j, kY0 + 473, 0, 0, 0, 0}));
  }
  // A device without a width in millimetres would step by nothing.
  Page stuck(LetterAt600Dpi().With(DeviceCap::HorzSize, 0));
  stuck.Run(DrawEllipses, kY0);
  EXPECT_EQ(stuck.ArgsOf("Arc").size(), 3u);
}

TEST(BlackRectangles, SmallBandAndLargeFrame) {
  Page small(LetterAt600Dpi()), large(LetterAt600Dpi());
  EXPECT_EQ(small.Run(DrawSmallBlackRectangle, kY0), kY0 + 46 + 4);
  EXPECT_EQ(small.ArgsOf("LineTo").size(), 46u) << "2 x 23 one-dot lines";
  EXPECT_EQ(large.Run(DrawLargeBlackRectangle, kY0), kY0 + 473 + 4);
  EXPECT_EQ(large.ArgsOf("Rectangle"), (std::vector<Args>{{0, kY0, 4799, kY0 + 473}}));
  // From y0 + 118.25, truncated, while below y0 + 354.75.
  const auto moves = large.ArgsOf("MoveToEx");
  ASSERT_EQ(moves.size(), 237u);
  EXPECT_EQ(moves.front(), (Args{10, kY0 + 118}));
}

TEST(GrayscaleRectangles, ColumnsAreQuotientsOfTheWidth) {
  struct Case { int width, pxPerMm; std::vector<int> edges; };
  for (const Case& c : {Case{4800, 23, {0, 1200, 2400, 3600, 4800}}, Case{7, 7, {0, 1, 3, 3, 7}}}) {
    Page page(LetterAt600Dpi().With(DeviceCap::HorzRes, c.width).With(DeviceCap::HorzSize, c.width / c.pxPerMm));
    const int p = c.pxPerMm, t1 = kY0 + p, b1 = t1 + 10 * p, b2 = b1 + 10 * p;
    EXPECT_EQ(page.Run(DrawGrayscaleRectangles, kY0), b1 + 11 * p);
    const ColorRef greys[] = {0xCCCCCC, 0x999999, 0x666666, 0x333333, 0xD6D6D6, 0xE0E0E0, 0xEBEBEB, 0xF5F5F5};
    const auto boxes = page.Boxes();
    ASSERT_EQ(boxes.size(), 8u);
    for (int i = 0; i < 8; ++i) {
      const Rect box{c.edges[i % 4], i < 4 ? t1 : b1, c.edges[i % 4 + 1], i < 4 ? b1 : b2};
      EXPECT_EQ(std::tuple(boxes[i].box, page.ArgsOf("CreatePen").at(i), page.ArgsOf("CreateBrushIndirect").at(i)),
                std::tuple(box, Args{0, 1, greys[i]}, Args{kBsSolid, greys[i], 0})) << i;
    }
  }
}

TEST(Chords, ChordThenAConnectedRowOfArcs) {
  // 20 dots a horizontal mm, 23 a vertical one: the arcs step by vertical cm, the row's height loses 5 horizontal mm.
  Page page(LetterAt600Dpi().With(DeviceCap::HorzSize, 240));
  const int h = 946 - 5 * 20;
  EXPECT_EQ(page.Run(DrawChords, kY0), kY0 + h + 4);
  EXPECT_EQ(page.ArgsOf("Chord"), (std::vector<Args>{{0, kY0, 1892, kY0 + 946, 1892, kY0, 0, kY0 + 946}}));
  EXPECT_EQ(page.ArgsOf("MoveToEx"), (std::vector<Args>{{299, kY0}}));
  const auto arcs = page.ArgsOf("ArcTo");
  ASSERT_EQ(arcs.size(), 23u) << "x from 690 by 230 while below 1.2 x 4800";
  EXPECT_EQ(arcs.back(), (Args{575 + 230, kY0, 5750, kY0 + h, 230, kY0, 5750, kY0 + h}));
  EXPECT_EQ(page.dc.BkMode(), kTransparent);
  // A device without a height in millimetres would step by nothing.
  Page stuck(LetterAt600Dpi().With(DeviceCap::VertSize, 0));
  stuck.Run(DrawChords, kY0);
  EXPECT_EQ(stuck.ArgsOf("ArcTo").size(), 1u);
}

TEST(BezierCurves, TriangularPointsPaddedWithTheLastToThreeSegmentsPlusOne) {
  // Points while k(k+1)/2 < W - 1: 4754 gives 97 (3 x 32 + 1), 4755 98 (two repeats), 4853 99 (one), 2 the point 0.
  for (const auto& [width, computed, points] :
       {std::tuple{4754, 97, 97}, {4755, 98, 100}, {4853, 99, 100}, {2, 1, 1}}) {
    Page page(RecordingDevice::A4At600Dpi().With(DeviceCap::HorzRes, width));
    const int h = 946;
    EXPECT_EQ(page.Run(DrawBezierCurves, kY0), kY0 + h + 4);
    EXPECT_TRUE(page.ArgsOf("CreatePen").empty()) << "drawn with the context's own pen";
    const auto curves = page.ArgsOf("PolyBezier");
    ASSERT_EQ(curves.size(), 1u);
    ASSERT_EQ(curves[0].size(), 2u * points) << width;
    const int cycle[] = {0, h / 3, 0, h, 0, 3 * (h / 4), 0, h};
    for (int k = 0; k < points; ++k) {
      const int source = std::min(k, computed - 1);
      EXPECT_EQ(curves[0][2 * k], source * (source + 1) / 2) << k;
      EXPECT_EQ(curves[0][2 * k + 1], kY0 + cycle[source % 8]) << k;
    }
  }
}

TEST(ThicknessLines, CombOfFiftyFourStrokesEachOneUnitWider) {
  // 4960 wide, 23 dots a vertical millimetre: a stroke every 92 dots; the gap and the length go by the horizontal 20.
  Page page(RecordingDevice::A4At600Dpi().With(DeviceCap::HorzRes, 4960).With(DeviceCap::HorzSize, 248));
  EXPECT_EQ(page.Run(DrawBlackThicknessLines, kY0), kY0) << "the last block of its page leaves the cursor";
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 54u);
  const int top = kY0 + 3 * 20, bottom = top + 25 * 20;
  for (int i = 0; i < 54; ++i) EXPECT_EQ(lines[i], (DrawnLine{{92 * i, top}, {92 * i, bottom}, i + 1})) << i;
}

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
      {RecordingDevice::LetterAt300Dpi(), 5, 9, 2304, {}}};
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
       {kRed, kGreen, kBlue, kCyan, kMagenta, kYellow}}};
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
    Page page(RecordingDevice::A4At600Dpi().With(DeviceCap::VertRes, vertRes).With(DeviceCap::VertSize, vertSize)
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

// Calibration: the ruler, ink strips and spacing; the graph's chart spans x 110..3150, y 230..3150 around (1630, 1690).

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
      {{0, 6}, {{0, 257}, {6, 257 + 25 * 23}}}, {{3}, {{3, 257}}}};
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
      {Skewed().With(DeviceCap::VertRes, 3200), {4, 625, 9, 634}, {0, 993, 4, 1002}}};
  for (const auto& c : cases) {
    std::map<int, Rect> first;  // each row's first cell
    for (const PaintedBox& b : Page(Tab::Calibration, {1}, c.device).Boxes()) first.emplace(b.box.top, b.box);
    EXPECT_EQ(std::pair(first[257 + 16 * 23], first[257 + 32 * 23]), std::pair(c.second, c.third));
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
  const struct { ColourTriple centre; std::string rgb, hsl, cmyk; } cases[] = {
      {{128, 128, 128}, "128, 128, 128", "240, 0, 50", "0, 0, 0, 49"},
      {{255, 0, 0}, "255, 0, 0", "0, 100, 50", "0, 100, 100, 0"},
      // Components outside a byte are held to it, and the readout says what was printed.
      {{500, -3, 0}, "255, 0, 0", "0, 100, 50", "0, 100, 100, 0"}};
  for (const auto& c : cases) {
    const GraphPage page(c.centre);
    const std::string text = "QORVEL Veltrim version 2 / Printer: Queue 7\r\nCenter Colour (RGB): " + c.rgb +
                             "\r\nCenter Colour (HSL): " + c.hsl + "\r\nCenter Colour (CMYK): " + c.cmyk;
    EXPECT_EQ(page.TextsOf("DrawTextA"), std::vector<std::string>{text});
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
       {230, 3150 + 110, 3150, 4800, 0x2810}}};
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
      {256, {0, 522}, {184, 522}, 4},   {265, {0, 3150}, {184, 3150}, 4}};
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
  // The first up-right cell's corner is the centre: its HSL painted back (254, 0, 0: lightness 50 % is 127 of 255).
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

TEST(FourSidedGradient, SmallDeviceGetsOneUnitCells) {
  // 200 x 100 units: 100 / 255 = 0, taken as one unit; 101 cells a side.
  const auto boxes = Page(Tab::Advanced, {13}, RecordingDevice::Printer(96, 96, 200, 100, 52, 26, 0, 0)).Boxes();
  ASSERT_EQ(boxes.size(), 101u * 101u);
  EXPECT_EQ(boxes.back(), (PaintedBox{{100, 100, 101, 101}, kYellow, kYellow, 1}));
}

TEST(FullPageText, SampleLineAndBreakingThatCountsTheBlanksAlreadyInserted) {
  EXPECT_EQ(kSampleLine,
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,./<>?;':\"[]\\{}|~`-=!@#$%^&*()_+");
  const struct { const char *text, *broken; int n; } cases[] = {
      {"abcdefgh", "abcd ef gh ", 3},  // n + 1, then n - 1 a piece
      {"abcdefgh", "abcdefgh", 8},     // fits: nothing inserted
      {"abcdefgh", "abcdefgh ", 7},
      // Under two a line the text would grow as fast as the position: two.
      {"abcdef", "abc d e f ", 1}, {"abcdef", "abc d e f ", 0}};
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
  for (const int layout : {3, -1}) {
    Page page;
    page.selection.gradientLayout = layout;
    EXPECT_TRUE(page.Tick(Tab::Custom, {1}).Draw().dc.Records().empty()) << "layout " << layout << " draws nothing";
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
  EXPECT_TRUE(Page(Tab::Custom, {3}, Skewed().With(DeviceCap::VertSize, 0)).Lines().empty())
      << "no millimetre to step by: no grid, and the page ends";
}

// Color Coverage: cells 0.25 x 11 = 2.75 wide, 0.25 x 23 = 5.75 high, 1745 x 547 = 954515; row 1 starts at cell 1745.
TEST(ColorCoverage, InksEveryStepthCellOrLeavesItWhite) {
  const struct {
    const char* percent;
    std::size_t inked, white;  // cells, plus the full page above 50 %
    std::size_t second;        // the index of the first cell in row 1
    Rect secondCell, rowCell;
  } cases[] = {
      {"5", 47726, 0, 88, {55, 0, 57, 5}, {41, 5, 44, 11}},   // every 20th cell
      {"30", 318172, 0, 582, {8, 0, 11, 5}, {2, 5, 5, 11}},   // 100 / 30 = 3: about 33 %
      {"50", 477258, 0, 873, {5, 0, 8, 5}, {2, 5, 5, 11}},    // still dots
      {"80", 1, 190903, 349, {13, 0, 16, 5}, {0, 5, 2, 11}},  // every 5th white
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percent);
    const auto boxes =
        Page().Colour(kCoverageColourSlot, {0, 90, 180}).Box(kIdDotCoverage, c.percent).Tick(Tab::Custom, {5}).Draw(10)
            .Boxes();
    const auto inked = std::count_if(boxes.begin(), boxes.end(), [](const PaintedBox& b) {
      return b.brush == Rgb(0, 90, 180);
    });
    EXPECT_EQ(static_cast<std::size_t>(inked), c.inked);
    ASSERT_EQ(boxes.size() - static_cast<std::size_t>(inked), c.white);
    const std::size_t first = c.white ? 1 : 0;  // after the full page
    if (first) {
      EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 3150}));
    }
    EXPECT_EQ(std::tuple(boxes[first].box, boxes[first + 1].box, boxes[first + c.second].box),
              std::tuple(Rect{0, 0, 2, 5}, c.secondCell, c.rowCell));
  }
}

TEST(ColorCoverage, TypedPercentagesOutsideTheBoxRange) {
  // 0 and below ink nothing; 100 and above cover the page with no white cell: 100 - s is never a divisor of 0.
  for (const auto& [typed, whole] : {std::pair{"0", false}, {"", false}, {"-7", false}, {"100", true}, {"150", true}}) {
    const auto boxes = Page().Box(kIdDotCoverage, typed).Tick(Tab::Custom, {5}).Draw().Boxes();
    ASSERT_EQ(boxes.size(), whole ? 1u : 0u) << "\"" << typed << "\"";
    if (whole) {
      EXPECT_EQ(boxes[0].box, (Rect{0, 0, 4800, 3150})) << typed;
    }
  }
}

TEST(ColorCoverage, CellsAreAtLeastOneUnitOnCoarseOrSizelessDevices) {
  // 2 units a millimetre would give half-unit cells, every second one truncated to nothing; no millimetre size would
  // give cells of size 0.
  for (const RecordingDevice& device : {RecordingDevice::Printer(72, 72, 40, 30, 20, 15, 0, 0),
                                        RecordingDevice::Printer(600, 600, 40, 30, 0, 0, 0, 0)}) {
    const auto boxes = Page(device).Box(kIdDotCoverage, "50").Tick(Tab::Custom, {5}).Draw().Boxes();
    EXPECT_EQ(boxes.size(), 600u);  // half of 40 x 30 one-unit cells
    for (const PaintedBox& b : boxes) ASSERT_EQ(b.box.right - b.box.left + b.box.bottom - b.box.top, 2);
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
      {"picture not a bitmap", Tab::Color, File::Text, 14, false, kBitmapLoadFailedText},
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
