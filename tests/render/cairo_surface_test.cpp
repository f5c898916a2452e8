// The cairo surface against GDI's rules: objects, shapes and bitmaps read back at the pixels GDI predicts (a sentinel
// just outside every edge). Text is in cairo_text_test.cpp.
#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/scoped_object.hpp"
#include "render_support.hpp"
#include "test_bitmap.hpp"

namespace veltrim::test {
namespace {

TEST(CairoObjects, APrinterContextStartsWithBlackPenWhiteBrushAndDeviceFont) {
  CairoSurface s(SmallCaps());
  const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 3, Rgb(1, 2, 3));
  const ObjectHandle brush = s.CreateBrushIndirect(LogBrush{kBsSolid, Rgb(4, 5, 6), 0});
  const ObjectHandle font = s.CreateFontIndirectA(LogFont{});
  ASSERT_TRUE(pen && brush && font);
  const std::pair<ObjectHandle, StockObject> defaults[] = {
      {pen, StockObject::BlackPen}, {brush, StockObject::WhiteBrush}, {font, StockObject::DeviceDefaultFont}};
  for (const auto& [created, stock] : defaults) {
    EXPECT_EQ(s.SelectObject(created), s.GetStockObject(stock));
    EXPECT_EQ(s.SelectObject(created), created) << "selecting again answers the object itself";
    EXPECT_FALSE(s.DeleteObject(created)) << "still selected: kept";
    EXPECT_EQ(s.SelectObject(s.GetStockObject(stock)), created);
    EXPECT_TRUE(s.DeleteObject(created));
    EXPECT_FALSE(s.DeleteObject(created)) << "already deleted";
    EXPECT_FALSE(s.SelectObject(created)) << "gone";
  }
  EXPECT_FALSE(s.DeleteObject(ObjectHandle{}));
  EXPECT_FALSE(s.SelectObject(ObjectHandle{987654}));
  EXPECT_FALSE(s.CreatePen(static_cast<PenStyle>(42), 1, 0));
  EXPECT_FALSE(s.CreateBrushIndirect(LogBrush{kBsHatched, 0, 99}));
}

TEST(CairoObjects, StockObjectsAreStableDistinctAndNeverDeleted) {
  CairoSurface s(SmallCaps());
  using enum StockObject;
  const StockObject all[] = {WhiteBrush, LtGrayBrush, GrayBrush, DkGrayBrush, BlackBrush, NullBrush, WhitePen,
                             BlackPen, NullPen, OemFixedFont, AnsiFixedFont, AnsiVarFont, SystemFont, DeviceDefaultFont,
                             SystemFixedFont, DefaultGuiFont};
  std::vector<ObjectHandle> seen;
  for (const StockObject which : all) {
    const ObjectHandle handle = s.GetStockObject(which);
    ASSERT_TRUE(handle) << static_cast<int>(which);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), handle), 0);
    seen.push_back(handle);
    EXPECT_TRUE(s.DeleteObject(handle));  // allowed, and does nothing
    EXPECT_EQ(s.GetStockObject(which), handle);
  }
  EXPECT_FALSE(s.GetStockObject(static_cast<StockObject>(9)));
}

// 2 x 2: red, green on the top row; blue, yellow below; copied whole, stretched, mirrored and from inside; a printer
// context takes no bitmap. A file replaced while the page is open loads anew, an unchanged one is shared, and what
// the page drew keeps the first picture, on a PDF page too, where pictures are read only when the page is written.
class LoadedBitmaps : public ::testing::TestWithParam<FileFormat> {};

TEST_P(LoadedBitmaps, StretchAndBitBltCopyThePictureTheFileHeldWhenLoaded) {
  PngPage page(SmallCaps(), GetParam());
  const std::uint32_t rgb[] = {kRed, kGreen, kBlue, kYellow};
  const std::filesystem::path file = page.Dir() / "quad.bmp";
  ASSERT_TRUE(WriteBmp24(file, 2, 2, rgb));
  Surface& s = page.S();
  const ObjectHandle bitmap = s.LoadBitmapFile(file.c_str());
  ASSERT_TRUE(bitmap);
  Size size;
  ASSERT_TRUE(s.GetBitmapSize(bitmap, size));
  EXPECT_EQ(size, (Size{2, 2}));
  EXPECT_FALSE(s.SelectObject(bitmap));
  EXPECT_TRUE(s.StretchBlt(10, 10, 40, 40, bitmap, 0, 0, 2, 2));
  EXPECT_TRUE(s.BitBlt(100, 100, 2, 2, bitmap, 0, 0));
  EXPECT_TRUE(s.BitBlt(200, 200, 1, 1, bitmap, 1, 1));
  EXPECT_TRUE(s.StretchBlt(300, 10, -40, 20, bitmap, 0, 0, 2, 2));
  EXPECT_FALSE(s.StretchBlt(10, 10, 4, 4, bitmap, 0, 0, 0, 2));
  EXPECT_TRUE(s.DeleteObject(bitmap));
  EXPECT_FALSE(s.BitBlt(0, 0, 2, 2, bitmap, 0, 0));
  EXPECT_FALSE(s.LoadBitmapFile((page.Dir() / "missing.bmp").c_str()));

  const std::uint32_t blues[] = {kBlue, kBlack, kBlue};
  ASSERT_TRUE(WriteBmp24(file, 3, 1, blues));
  const ObjectHandle replaced = s.LoadBitmapFile(file.c_str()), again = s.LoadBitmapFile(file.c_str());
  ASSERT_TRUE(replaced && again);
  ASSERT_TRUE(s.GetBitmapSize(again, size));
  EXPECT_EQ(size, (Size{3, 1}));
  EXPECT_TRUE(s.DeleteObject(replaced));
  EXPECT_TRUE(s.StretchBlt(400, 10, 30, 10, again, 0, 0, 3, 1));
  EXPECT_TRUE(s.DeleteObject(again));
  const Probe probes[] = {
      {10, 10, kRed},     {29, 29, kRed},      {30, 10, kGreen},   {49, 29, kGreen},     {10, 30, kBlue},
      {49, 49, kYellow},  {9, 20, kWhite},     {50, 20, kWhite},   {20, 50, kWhite},     {20, 9, kWhite},
      {100, 100, kRed},   {101, 100, kGreen},  {100, 101, kBlue},  {101, 101, kYellow},  {102, 100, kWhite},
      {200, 200, kYellow}, {201, 200, kWhite}, {200, 201, kWhite}, {260, 10, kGreen},    {299, 10, kRed},
      {300, 10, kWhite},  {259, 10, kWhite},   {400, 10, kBlue},   {415, 19, kBlack},    {429, 15, kBlue},
      {430, 15, kWhite},  {415, 20, kWhite},
  };
  page.ExpectPixels(page.Finish(), probes);
}

INSTANTIATE_TEST_SUITE_P(Cairo, LoadedBitmaps, ::testing::Values(FileFormat::Png, FileFormat::Pdf),
                         [](const auto& format) { return format.param == FileFormat::Png ? "Png" : "Pdf"; });

struct ShapeCase {
  const char* name;
  std::function<void(Surface&)> draw;
  std::vector<Probe> probes;
};

void PrintTo(const ShapeCase& shape, std::ostream* out) { *out << shape.name; }

const ColorRef kRedRef = Rgb(255, 0, 0), kGreenRef = Rgb(0, 255, 0), kBlueRef = Rgb(0, 0, 255);

// A green field without outline, so "nothing drawn here" is told apart from "white drawn here".
void GreenField(Surface& s, int left, int top, int right, int bottom) {
  ScopedObject pen(s, s.CreatePen(PenStyle::Null, 1, 0));
  ScopedObject brush = ScopedBrush(s, kGreenRef);
  s.Rectangle(left, top, right + 1, bottom + 1);
}

// A 100 x 50 box at (100, 100) with a 5-unit pen of `style` over a green fill.
void WidePenBox(Surface& s, PenStyle style) {
  ScopedObject pen = ScopedPen(s, style, 5, Rgb(0, 0, 0));
  ScopedObject brush = ScopedBrush(s, kGreenRef);
  s.Rectangle(100, 100, 200, 150);
}

void Line(Surface& s, int x0, int y0, int x1, int y1) {
  s.MoveToEx(x0, y0, nullptr);
  s.LineTo(x1, y1);
}

// A circle of radius 50 about pixel (60, 350); (90, 310) lies on it up and right, (90, 390) down and right.
void CircleArc(Surface& s) { s.Arc(10, 300, 111, 401, 200, 350, 60, 200); }

// GDI's cross hatch: in each 8 x 8 tile from the page's origin, column 4 and row 3 (x = 20, 28, ...; y = 19, 27, ...).
void Hatch(Surface& s) {
  ScopedObject pen(s, s.CreatePen(PenStyle::Null, 1, 0));
  ScopedObject hatch(s, s.CreateBrushIndirect(LogBrush{kBsHatched, kBlueRef, 4 /* cross */}));
  s.Rectangle(16, 16, 49, 49);
}

const ShapeCase kShapes[] = {
    {"RectangleOneUnitPen",
     [](Surface& s) { ScopedObject brush = ScopedBrush(s, kRedRef); s.Rectangle(10, 10, 50, 30); },
     {{10, 10, kBlack}, {49, 10, kBlack}, {10, 29, kBlack}, {49, 29, kBlack}, {30, 10, kBlack}, {30, 29, kBlack},
      {11, 11, kRed}, {48, 28, kRed}, {30, 20, kRed}, {50, 20, kWhite}, {30, 30, kWhite}, {9, 20, kWhite},
      {30, 9, kWhite}}},
    {"RectangleNullPenFillsOneLessAndLinesVanish",
     [](Surface& s) {
       ScopedObject pen(s, s.CreatePen(PenStyle::Null, 1, 0));
       ScopedObject brush = ScopedBrush(s, kBlueRef);
       s.Rectangle(10, 10, 50, 30);
       Line(s, 10, 40, 60, 40);
     },
     {{10, 10, kBlue}, {48, 28, kBlue}, {49, 20, kWhite}, {30, 29, kWhite}, {9, 20, kWhite}, {30, 40, kWhite}}},
    {"RectangleNullBrushKeepsWhatIsUnder",
     [](Surface& s) {
       GreenField(s, 0, 0, 100, 100);
       ScopedSelection brush(s, s.GetStockObject(StockObject::NullBrush));
       s.Rectangle(10, 10, 50, 30);
     },
     {{30, 20, kGreen}, {10, 20, kBlack}, {49, 20, kBlack}, {30, 10, kBlack}, {30, 29, kBlack}, {50, 20, kGreen}}},
    {"RectangleWidePenCentredOnOutline", [](Surface& s) { WidePenBox(s, PenStyle::Solid); },
     {{98, 125, kBlack}, {97, 125, kWhite}, {102, 125, kBlack}, {103, 125, kGreen}, {201, 125, kBlack},
      {202, 125, kWhite}, {197, 125, kBlack}, {196, 125, kGreen}, {150, 98, kBlack}, {150, 97, kWhite},
      {150, 151, kBlack}, {150, 152, kWhite}}},
    {"RectangleInsideFramePenStaysInTheBox", [](Surface& s) { WidePenBox(s, PenStyle::InsideFrame); },
     {{100, 125, kBlack}, {99, 125, kWhite}, {104, 125, kBlack}, {105, 125, kGreen}, {199, 125, kBlack},
      {200, 125, kWhite}, {195, 125, kBlack}, {194, 125, kGreen}, {150, 149, kBlack}, {150, 150, kWhite}}},
    {"LineToLeavesOutTheEndPixel",
     [](Surface& s) { Line(s, 10, 200, 60, 200); Line(s, 60, 210, 10, 210); Line(s, 80, 200, 80, 240); },
     {{10, 200, kBlack}, {59, 200, kBlack}, {60, 200, kWhite}, {9, 200, kWhite}, {30, 199, kWhite}, {30, 201, kWhite},
      {60, 210, kBlack}, {11, 210, kBlack}, {10, 210, kWhite}, {80, 200, kBlack}, {80, 239, kBlack},
      {80, 240, kWhite}, {79, 220, kWhite}, {81, 220, kWhite}}},
    {"LineToWidePenHasRoundEnds",
     [](Surface& s) { ScopedObject pen = ScopedPen(s, PenStyle::Solid, 5, kRedRef); Line(s, 10, 260, 60, 260); },
     {{30, 258, kRed}, {30, 262, kRed}, {30, 257, kWhite}, {30, 263, kWhite}, {62, 260, kRed}, {63, 260, kWhite},
      {8, 260, kRed}, {7, 260, kWhite}}},
    {"EllipseInItsBox",
     [](Surface& s) { ScopedObject brush = ScopedBrush(s, kRedRef); s.Ellipse(300, 10, 401, 71); },
     {{300, 40, kBlack}, {299, 40, kWhite}, {400, 40, kBlack}, {401, 40, kWhite}, {350, 10, kBlack}, {350, 9, kWhite},
      {350, 70, kBlack}, {350, 71, kWhite}, {350, 40, kRed}, {302, 12, kWhite}}},
    {"ArcCounterClockwiseByDefault", CircleArc,
     {{90, 310, kBlack}, {90, 390, kWhite}, {30, 310, kWhite}, {30, 390, kWhite}, {60, 350, kWhite}}},
    {"ArcClockwiseWhenAsked", [](Surface& s) { s.SetArcDirection(kAdClockwise); CircleArc(s); },
     {{90, 310, kWhite}, {90, 390, kBlack}, {30, 310, kBlack}, {30, 390, kBlack}}},
    {"ArcWithEqualRadialPointsIsWhole", [](Surface& s) { s.Arc(10, 300, 111, 401, 200, 350, 200, 350); },
     {{90, 310, kBlack}, {90, 390, kBlack}, {30, 310, kBlack}, {30, 390, kBlack}, {60, 350, kWhite},
      {60, 299, kWhite}}},
    {"ArcToDrawsTheLineToItsStart",
     [](Surface& s) { s.MoveToEx(130, 350, nullptr); s.ArcTo(200, 300, 301, 401, 400, 350, 250, 200); },
     {{150, 350, kBlack}, {250, 350, kBlack}, {150, 348, kWhite}, {150, 352, kWhite}, {129, 350, kWhite},
      {280, 310, kBlack}, {280, 390, kWhite}}},
    {"ChordFillsTheSegment",
     [](Surface& s) {
       ScopedObject brush = ScopedBrush(s, kRedRef);
       s.Chord(350, 300, 451, 401, 500, 350, 400, 200);
     },
     {{430, 310, kBlack}, {435, 325, kRed}, {425, 325, kBlack}, {415, 340, kWhite}, {430, 390, kWhite}}},
    {"PolyBezierFollowsItsCurve",
     [](Surface& s) {
       s.PolyBezier(std::array<Point, 4>{{{10, 450}, {30, 450}, {50, 450}, {70, 450}}});
       s.PolyBezier(std::array<Point, 4>{{{100, 430}, {100, 478}, {200, 478}, {200, 430}}});
     },
     {{40, 450, kBlack}, {40, 449, kWhite}, {40, 451, kWhite}, {150, 466, kBlack}, {150, 463, kWhite},
      {150, 469, kWhite}}},
    {"HatchOnOpaqueBackground",
     [](Surface& s) { s.SetBkColor(Rgb(255, 255, 0)); Hatch(s); },
     {{20, 16, kBlue}, {17, 17, kYellow}, {16, 19, kBlue}, {28, 30, kBlue}, {24, 24, kYellow}, {48, 20, kWhite}}},
    {"HatchOnTransparentBackground",
     [](Surface& s) { GreenField(s, 10, 10, 60, 60); s.SetBkMode(kTransparent); Hatch(s); },
     {{20, 16, kBlue}, {17, 17, kGreen}, {16, 27, kBlue}}},
    // Dashes of 18 with gaps of 6 from the start of the line.
    {"DashedPenGapsTakeTheBackground",
     [](Surface& s) {
       ScopedObject pen = ScopedPen(s, PenStyle::Dash, 1, kRedRef);
       s.SetBkColor(kBlueRef);
       Line(s, 100, 470, 200, 470);
     },
     {{100, 470, kRed}, {117, 470, kRed}, {118, 470, kBlue}, {123, 470, kBlue}, {124, 470, kRed}, {200, 470, kWhite}}},
    {"SetPixelSetsOnePixel", [](Surface& s) { s.SetPixel(500, 400, kRedRef); s.SetPixelV(501, 400, kBlueRef); },
     {{500, 400, kRed}, {501, 400, kBlue}, {502, 400, kWhite}, {499, 400, kWhite}, {500, 401, kWhite}}},
    {"DrawingIsClippedToThePrintableArea",
     [](Surface& s) {
       ScopedSelection brush(s, s.GetStockObject(StockObject::BlackBrush));
       s.Rectangle(-20, -20, 20, 20);
       s.Rectangle(570, 470, 600, 500);
     },
     {{-5, -5, kWhite}, {0, 0, kBlack}, {5, 5, kBlack}, {579, 479, kBlack}, {580, 479, kWhite}, {579, 480, kWhite}}},
    // Cells as the dense pages draw them: a one-unit pen of the brush's colour covers exactly its box, however thin.
    {"ThinCellsCoverExactlyTheirBoxes",
     [](Surface& s) {
       const ScopedObject pen = ScopedPen(s, PenStyle::Solid, 1, kRedRef);
       const ScopedObject brush = ScopedBrush(s, kRedRef);
       s.Rectangle(10, 10, 11, 13);
       s.Rectangle(20, 10, 23, 11);
       s.Rectangle(30, 10, 32, 12);
       s.Rectangle(40, 10, 45, 14);
       ScopedObject green = ScopedBrush(s, kGreenRef);
       s.Rectangle(100, 100, 110, 110);  // a red pen round a green brush: not a cell
     },
     {{10, 10, kRed}, {10, 12, kRed}, {10, 13, kWhite}, {11, 11, kWhite}, {20, 10, kRed}, {22, 10, kRed},
      {23, 10, kWhite}, {20, 11, kWhite}, {31, 11, kRed}, {32, 11, kWhite}, {31, 12, kWhite}, {44, 13, kRed},
      {45, 13, kWhite}, {44, 14, kWhite}, {39, 10, kWhite}, {40, 9, kWhite}, {100, 100, kRed}, {109, 109, kRed},
      {105, 105, kGreen}, {110, 105, kWhite}}},
};

// A checkerboard of `count` cells, painted as one run: on a PDF page, from 64 cells on, as one stencil.
void Cells(Surface& s, int count, int size, ColorRef colour) {
  const ScopedObject pen = ScopedPen(s, PenStyle::Solid, 1, colour);
  const ScopedObject brush = ScopedBrush(s, colour);
  for (int k = 0; k < count; ++k) {
    const int x = 200 + (k % 10) * size, y = 20 + (k / 10) * size;
    if ((k % 10 + k / 10) % 2 == 0) s.Rectangle(x, y, x + size, y + size);  // a checkerboard, touching at corners
  }
}

class ShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeTest, PixelsWhereGdiPutsThem) {
  PngPage page;
  GetParam().draw(page.S());
  page.ExpectPixels(page.Finish(), GetParam().probes);
}

INSTANTIATE_TEST_SUITE_P(Cairo, ShapeTest, ::testing::ValuesIn(kShapes),
                         [](const auto& param) { return std::string(param.param.name); });

// A PDF page of many cells, rendered back at the device's resolution, holds the very pixels of the PNG page:
// their stencil leaves no edge to a renderer's rules.
TEST(CairoCells, ManyCellsThenAnotherColourOnPngAndPdfPages) {
  const auto draw = [](Surface& s) {
    Cells(s, 200, 3, kBlueRef);
    Cells(s, 200, 2, kRedRef);  // over the top, after all of blue
  };
  const Probe probes[] = {
      {200, 20, kRed},  {202, 20, kBlue}, {202, 22, kRed},   {204, 20, kRed},  {206, 21, kBlue},
      {204, 24, kRed},  {219, 59, kRed},  {220, 60, kWhite}, {227, 77, kBlue}, {229, 77, kBlue},
      {230, 77, kWhite}, {227, 80, kWhite}, {226, 79, kWhite}, {228, 79, kBlue}};
  PngPage png, pdf(SmallCaps(), FileFormat::Pdf);
  draw(png.S());
  draw(pdf.S());
  const RasterImage expected = png.Finish(), rendered = pdf.Finish();
  png.ExpectPixels(expected, probes);
  ASSERT_EQ(std::pair(rendered.Width(), rendered.Height()), std::pair(expected.Width(), expected.Height()));
  int differing = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) differing += expected.Pixel(x, y) != rendered.Pixel(x, y);
  EXPECT_EQ(differing, 0);
}

// The current position after each path call, as GDI leaves it; an arc direction or a Bezier count GDI refuses
// draws nothing.
TEST(CairoShapes, CurrentPositionArcDirectionAndBezierCounts) {
  PngPage page;
  Surface& s = page.S();
  Point current;
  s.MoveToEx(130, 350, nullptr);
  ASSERT_TRUE(s.ArcTo(200, 300, 301, 401, 400, 350, 250, 200));
  s.MoveToEx(5, 6, &current);
  EXPECT_EQ(current, (Point{250, 300})) << "ArcTo ends at the arc's end";
  ASSERT_TRUE(s.LineTo(40, 7));
  ASSERT_TRUE(s.PolyBezier(std::array<Point, 4>{{{10, 10}, {20, 30}, {30, 30}, {40, 10}}}));
  s.MoveToEx(0, 0, &current);
  EXPECT_EQ(current, (Point{40, 7})) << "LineTo moves it, PolyBezier does not";

  EXPECT_EQ(s.SetArcDirection(kAdClockwise), kAdCounterClockwise);
  EXPECT_EQ(s.SetArcDirection(3), 0);
  EXPECT_EQ(s.SetArcDirection(0), 0);
  EXPECT_EQ(s.SetArcDirection(kAdCounterClockwise), kAdClockwise);
  EXPECT_FALSE(s.PolyBezier(std::array<Point, 5>{{{10, 100}, {20, 100}, {30, 100}, {40, 100}, {50, 100}}}));
  EXPECT_FALSE(s.PolyBezier({}));
  EXPECT_EQ(page.At(page.Finish(), 20, 100), kWhite);
}

// Pixels are read back from an image page within the printable area only.
TEST(CairoShapes, PixelsAreReadFromImagePagesWithinThePrintableArea) {
  PngPage page;
  Surface& s = page.S();
  EXPECT_EQ(s.SetPixel(500, 400, kRedRef), kRedRef);
  {
    ScopedObject brush = ScopedBrush(s, Rgb(10, 20, 30));
    ScopedObject pen(s, s.CreatePen(PenStyle::Null, 1, 0));
    s.Rectangle(100, 100, 120, 120);
  }
  const std::pair<Point, ColorRef> reads[] = {{{500, 400}, kRedRef},           {{110, 110}, Rgb(10, 20, 30)},
                                              {{501, 400}, Rgb(255, 255, 255)}, {{-1, 0}, kInvalidColour},
                                              {{580, 0}, kInvalidColour},       {{0, 480}, kInvalidColour}};
  for (const auto& [at, colour] : reads) EXPECT_EQ(s.GetPixel(at.x, at.y), colour) << at.x << "," << at.y;
  EXPECT_EQ(s.SetPixel(-1, 0, Rgb(0, 0, 0)), kInvalidColour);
  EXPECT_FALSE(s.SetPixelV(580, 0, Rgb(0, 0, 0)));
}

}  // namespace
}  // namespace veltrim::test
