// Shapes on the cairo backend, drawn to a PNG page and checked at the pixels
// GDI's rules predict, with a sentinel just outside every edge.

#include <array>
#include <functional>
#include <vector>

#include "platform/scoped_object.hpp"
#include "render_support.hpp"

namespace veltrim::test {
namespace {

struct ShapeCase {
  const char* name;
  std::function<void(Surface&)> draw;
  std::vector<Probe> probes;
};

void PrintTo(const ShapeCase& shape, std::ostream* out) { *out << shape.name; }

const ColorRef kRedRef = Rgb(255, 0, 0), kGreenRef = Rgb(0, 255, 0), kBlueRef = Rgb(0, 0, 255);

// A green field without outline, so "nothing drawn here" is told apart
// from "white drawn here".
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

// A circle of radius 50 about pixel (60, 350); (90, 310) lies on it up and
// right, (90, 390) down and right.
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
};

class ShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeTest, PixelsWhereGdiPutsThem) {
  PngPage page;
  ASSERT_TRUE(page.Started());
  GetParam().draw(page.S());
  page.ExpectPixels(page.Finish(), GetParam().probes);
}

INSTANTIATE_TEST_SUITE_P(Cairo, ShapeTest, ::testing::ValuesIn(kShapes),
                         [](const auto& param) { return std::string(param.param.name); });

// The current position after each path call, as GDI leaves it; an arc
// direction or a Bezier count GDI refuses draws nothing.
TEST(CairoShapes, CurrentPositionArcDirectionAndBezierCounts) {
  PngPage page;
  ASSERT_TRUE(page.Started());
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

// Pixels are read back from an image page within the printable area only;
// a vector page keeps none, and without a page nothing draws.
TEST(CairoShapes, PixelsAreReadFromImagePagesWithinThePrintableArea) {
  PngPage page;
  ASSERT_TRUE(page.Started());
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

  TempDir dir;
  CairoPrintDevice pdf(FileFormat::Pdf, dir.Path() / "p.pdf", SmallCaps());
  EXPECT_FALSE(pdf.Page().LineTo(10, 10)) << "no page yet";
  EXPECT_FALSE(pdf.Page().Rectangle(0, 0, 10, 10));
  EXPECT_FALSE(pdf.Page().TextOutA(0, 0, "x"));
  ASSERT_GT(pdf.StartDocA("pixels"), 0);
  ASSERT_GT(pdf.StartPage(), 0);
  EXPECT_EQ(pdf.Page().SetPixel(5, 5, kRedRef), kRedRef);
  EXPECT_EQ(pdf.Page().GetPixel(5, 5), kInvalidColour);
}

}  // namespace
}  // namespace veltrim::test
