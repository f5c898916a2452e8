// The cairo surface against GDI's rules: objects, shapes and bitmaps read back at the pixels GDI predicts (a sentinel
// just outside every edge), and text as LOGFONT metrics, mapped faces and ink where the cell and styles put it.
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
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
     {{16, 16, kBlue}, {17, 17, kYellow}, {24, 20, kBlue}, {20, 24, kBlue}, {20, 20, kYellow}, {48, 20, kWhite}}},
    {"HatchOnTransparentBackground",
     [](Surface& s) { GreenField(s, 10, 10, 60, 60); s.SetBkMode(kTransparent); Hatch(s); },
     {{16, 16, kBlue}, {17, 17, kGreen}, {24, 20, kBlue}}},
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

// The bounding box, in device units, of the pixels that are not white; empty when right < left.
struct InkBox { int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1; };

InkBox FindInk(const RasterImage& image, int offsetX, int offsetY) {
  InkBox box;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (image.Pixel(x, y) != kWhite)
        box = {std::min(box.left, x - offsetX), std::min(box.top, y - offsetY), std::max(box.right, x - offsetX),
               std::max(box.bottom, y - offsetY)};
  return box;
}

LogFont Font(const char* face, int height, int weight = 400, bool italic = false) {
  LogFont font;
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfItalic = italic ? 1 : 0;
  std::strncpy(font.lfFaceName, face, kLfFaceSize - 1);
  return font;
}

TextMetrics MetricsOf(Surface& s, const LogFont& font) {
  ScopedObject selected = ScopedFont(s, font);
  TextMetrics tm;
  EXPECT_TRUE(s.GetTextMetricsA(tm));
  return tm;
}

int Extent(Surface& s, const char* text) {
  Size size;
  EXPECT_TRUE(s.GetTextExtentPoint32A(text, size));
  return size.cx;
}

int ExtentIn(Surface& s, const LogFont& font, const char* text) {
  ScopedObject selected = ScopedFont(s, font);
  return Extent(s, text);
}

// A negative height is the character height, a positive one the cell; the face's own proportions are ascent
// 0.905 em and descent 0.212 em. A width stretches the average character; advances add up without kerning, as in
// TextOut; the fixed faces are fixed.
TEST(CairoText, MetricsFollowTheLogFont) {
  CairoSurface s(SmallCaps());
  const TextMetrics character = MetricsOf(s, Font("Arial", -100)), cell = MetricsOf(s, Font("Arial", 100));
  EXPECT_EQ(std::tuple(character.tmHeight - character.tmInternalLeading, character.tmAscent, character.tmDescent),
            std::tuple(100, 91, 21));
  EXPECT_EQ(cell.tmHeight, 100);
  EXPECT_GT(cell.tmInternalLeading, 0);
  EXPECT_EQ(cell.tmHeight, cell.tmAscent + cell.tmDescent);

  LogFont wide = Font("Arial", -50);
  const TextMetrics natural = MetricsOf(s, wide);
  const int naturalExtent = ExtentIn(s, wide, "Stretch me");
  {
    ScopedObject font = ScopedFont(s, wide);
    EXPECT_EQ(Extent(s, "AV"), Extent(s, "A") + Extent(s, "V"));
    Size empty;
    ASSERT_TRUE(s.GetTextExtentPoint32A("", empty));
    EXPECT_EQ(empty, (Size{0, natural.tmHeight}));
  }
  wide.lfWidth = natural.tmAveCharWidth * 2;
  const TextMetrics stretched = MetricsOf(s, wide);
  EXPECT_EQ(stretched.tmAveCharWidth, wide.lfWidth);
  EXPECT_EQ(stretched.tmHeight, natural.tmHeight);
  EXPECT_NEAR(ExtentIn(s, wide, "Stretch me"), 2 * naturalExtent, 10);
  EXPECT_EQ(ExtentIn(s, Font("Lucida Console", -50), "iiii"), ExtentIn(s, Font("Lucida Console", -50), "WWWW"));
}

// The default font before any page: a monospaced 12-point face, and no file is made before StartDoc.
TEST(CairoText, DefaultFontIsAMonospacedTwelvePointFaceReadableBeforeAnyPage) {
  TempDir dir;
  CairoPrintDevice device(FileFormat::Pdf, dir.Path() / "x.pdf", SmallCaps());
  Surface& s = device.Page();
  TextMetrics tm;
  ASSERT_TRUE(s.GetTextMetricsA(tm));
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 42);  // 12 pt at 254 dpi
  EXPECT_EQ(tm.tmWeight, 400);
  EXPECT_EQ(Extent(s, "iiii"), 4 * tm.tmAveCharWidth);
  EXPECT_EQ(Extent(s, "WWWW"), 4 * tm.tmAveCharWidth);
  EXPECT_EQ(device.Canvas().FontFaceName(s.GetStockObject(StockObject::DeviceDefaultFont)), "Liberation Mono Regular");
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "x.pdf"));
}

TEST(CairoText, FacesMapToMetricCompatibleFreeFonts) {
  // Pitch and family 0x31 are fixed and modern, 0x12 variable and roman.
  struct Mapping { const char* face; int weight; bool italic; std::uint8_t pitchAndFamily; const char* expected; };
  const Mapping mappings[] = {
      {"Times New Roman", 400, false, 0, "Liberation Serif Regular"},
      {"Arial", 400, false, 0, "Liberation Sans Regular"}, {"Arial", 700, false, 0, "Liberation Sans Bold"},
      {"Arial", 400, true, 0, "Liberation Sans Italic"},
      {"Courier New", 400, false, 0, "Liberation Mono Regular"},
      {"Courier", 700, true, 0, "Liberation Mono Bold Italic"},
      {"Lucida Console", 400, false, 0, "DejaVu Sans Mono Book"},
      {"lucida console", 400, false, 0, "DejaVu Sans Mono Book"},
      {"MS Sans Serif", 400, false, 0, "Liberation Sans Regular"},
      {"No Such Face", 400, false, 0, "Liberation Sans Regular"},
      {"No Such Face", 400, false, 0x31, "Liberation Mono Regular"},
      {"", 400, false, 0x12, "Liberation Serif Regular"}, {"", 0, false, 0, "Liberation Sans Regular"},
  };

  CairoSurface s(SmallCaps());
  for (const Mapping& m : mappings) {
    LogFont logFont = Font(m.face, -50, m.weight, m.italic);
    logFont.lfPitchAndFamily = m.pitchAndFamily;
    const ObjectHandle font = s.CreateFontIndirectA(logFont);
    EXPECT_EQ(s.FontFaceName(font), m.expected) << "face \"" << m.face << "\"";
    EXPECT_TRUE(s.DeleteObject(font));
  }
}

// TextOut puts the cell's top-left at the point: the letters stand on the baseline (top + ascent) in the text
// colour, capitals 0.688 em tall; an opaque background fills exactly the cell, a transparent one nothing. The state
// setters answer the previous value and refuse a background mode that is neither.
TEST(CairoText, TextOutFillsItsCellInTheTextAndBackgroundColours) {
  for (const int mode : {kOpaque, kTransparent}) {
    SCOPED_TRACE(mode == kOpaque ? "opaque" : "transparent");
    PngPage page;
    Surface& s = page.S();
    const TextMetrics tm = MetricsOf(s, Font("Arial", -60));
    ScopedObject font = ScopedFont(s, Font("Arial", -60));
    const int width = Extent(s, "HHH");
    EXPECT_EQ(s.SetTextColor(Rgb(255, 0, 0)), Rgb(0, 0, 0));
    EXPECT_EQ(s.SetBkColor(Rgb(0, 0, 255)), Rgb(255, 255, 255));
    EXPECT_EQ(s.SetBkMode(0), 0);
    EXPECT_EQ(s.SetBkMode(3), 0);
    EXPECT_EQ(s.SetBkMode(mode), kOpaque);  // a new context is opaque
    ASSERT_TRUE(s.TextOutA(100, 100, "HHH"));
    EXPECT_EQ(s.SetTextColor(Rgb(4, 5, 6)), Rgb(255, 0, 0));
    EXPECT_EQ(s.SetBkMode(kOpaque), mode);
    const RasterImage image = page.Finish();
    const std::uint32_t background = mode == kOpaque ? kBlue : kWhite;
    const int cellRight = 100 + width, cellBottom = 100 + tm.tmHeight;
    page.ExpectPixels(image, std::vector<Probe>{{100, 100, background}, {cellRight - 1, cellBottom - 1, background},
                                                {99, 100, kWhite}, {100, 99, kWhite}, {cellRight, 100, kWhite},
                                                {100, cellBottom, kWhite}});
    int red = 0, top = 1000, bottom = -1;
    for (int y = 100; y < 100 + tm.tmHeight; ++y)
      for (int x = 100; x < 100 + width; ++x)
        if (ColourNear(page.At(image, x, y), kRed, 8)) {
          ++red;
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    EXPECT_GT(red, 500);
    EXPECT_NEAR(bottom, 100 + tm.tmAscent - 1, 1);
    EXPECT_NEAR(bottom - top + 1, 0.688 * 60, 2);
  }
}

// Ink in the column through the middle of the spaces of "H   H": one run below the baseline for the underline, one
// above it for the strike-out.
TEST(CairoText, UnderlineRunsBelowTheBaselineAndStrikeOutThroughTheLetters) {
  for (const int style : {0, 1, 2, 3}) {
    SCOPED_TRACE(style);
    PngPage page;
    Surface& s = page.S();
    LogFont logFont = Font("Arial", -60);
    logFont.lfUnderline = style & 1;
    logFont.lfStrikeOut = (style & 2) >> 1;
    const TextMetrics tm = MetricsOf(s, logFont);
    ScopedObject font = ScopedFont(s, logFont);
    const int column = 50 + Extent(s, "H") + Extent(s, "   ") / 2;
    s.TextOutA(50, 50, "H   H");
    const RasterImage image = page.Finish();
    int below = 0, above = 0;
    bool inRun = false;
    for (int y = 50; y < 50 + tm.tmHeight; ++y) {
      const bool inked = page.At(image, column, y) != kWhite;
      if (inked && !inRun) ++(y >= 50 + tm.tmAscent ? below : above);
      inRun = inked;
    }
    EXPECT_EQ(below, style & 1);
    EXPECT_EQ(above, (style & 2) >> 1);
  }
}

// Ink boxes of text drawn at (200, 300): turned counter-clockwise by the escapement, smaller letters for the same
// height as a cell, centred by DrawText through the shared layout routine.
TEST(CairoText, EscapementHeightSignAndDrawTextPlaceTheInk) {
  struct Case {
    const char* what;
    LogFont font;
    std::function<void(Surface&)> draw;
    std::function<void(const InkBox&, const TextMetrics&, int extent)> check;
  };
  const auto escaped = [](int escapement) {
    LogFont font = Font("Arial", -40);
    font.lfEscapement = escapement;
    return font;
  };
  const auto text = [](Surface& s) { s.TextOutA(200, 300, "HHHH"); };
  const Case cases[] = {
      {"900: up the page, the body to the right", escaped(900), text,
       [](const InkBox& ink, const TextMetrics& tm, int extent) {
         EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
         EXPECT_TRUE(ink.left >= 200 && ink.right < 200 + tm.tmHeight) << ink.left << ".." << ink.right;
         EXPECT_TRUE(ink.top > 300 - extent - 1 && ink.bottom <= 300) << ink.top << ".." << ink.bottom;
       }},
      {"2700: down the page, the body to the left", escaped(2700), text,
       [](const InkBox& ink, const TextMetrics& tm, int extent) {
         EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
         EXPECT_TRUE(ink.left > 200 - tm.tmHeight && ink.right <= 200) << ink.left << ".." << ink.right;
         EXPECT_TRUE(ink.top >= 300 && ink.bottom < 300 + extent + 1) << ink.top << ".." << ink.bottom;
       }},
      {"height 100: the cell, so 100 / 112 of 0.688 em", Font("Arial", 100),
       [](Surface& s) { s.TextOutA(50, 50, "H"); },
       [](const InkBox& ink, const TextMetrics&, int) { EXPECT_NEAR(ink.bottom - ink.top + 1, 69 * 100 / 112, 2); }},
      {"DrawText centred on one line", Font("Arial", -30),
       [](Surface& s) {
         Rect rect{100, 100, 400, 200};
         TextMetrics tm;
         s.GetTextMetricsA(tm);
         EXPECT_EQ(s.DrawTextA("HHHH", rect, kDtCenter | kDtSingleLine | kDtNoPrefix), tm.tmHeight);
       },
       [](const InkBox& ink, const TextMetrics& tm, int extent) {
         const int cellLeft = 100 + (300 - extent) / 2;
         EXPECT_TRUE(ink.left >= cellLeft - 1 && ink.right <= cellLeft + extent) << ink.left << ".." << ink.right;
         EXPECT_TRUE(ink.top >= 100 && ink.bottom < 100 + tm.tmHeight) << ink.top << ".." << ink.bottom;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PngPage page;
    const TextMetrics tm = MetricsOf(page.S(), c.font);
    ScopedObject font = ScopedFont(page.S(), c.font);
    const int extent = Extent(page.S(), "HHHH");
    page.S().SetBkMode(kTransparent);
    c.draw(page.S());
    const InkBox ink = FindInk(page.Finish(), 10, 10);
    ASSERT_GE(ink.right, ink.left) << "no ink";
    c.check(ink, tm, extent);
  }
}

}  // namespace
}  // namespace veltrim::test
