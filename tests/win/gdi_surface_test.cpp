// GdiSurface on a memory DC over a 24-bit DIB section: every operation is
// drawn for real and read back from the DIB's bits at the pixels GDI's rules
// predict, with a point just outside each shape.
#include "gdi_surface.hpp"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gdi_object_count.hpp"
#include "platform/scoped_object.hpp"
#include "test_bitmap.hpp"
#include "win_handles.hpp"

namespace veltrim {
namespace {

constexpr ColorRef kSentinel = Rgb(0xCC, 0xCC, 0xCC);
constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kGreen = Rgb(0, 255, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);
constexpr ColorRef kYellow = Rgb(255, 255, 0);
constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kWhite = Rgb(255, 255, 255);

std::string Hex(ColorRef colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(colour), GreenOf(colour), BlueOf(colour));
  return text;
}

// A memory DC drawing into a top-down 24-bit DIB section filled with the
// sentinel, so anything drawn where it should not be shows at once.
class DibCanvas {
 public:
  DibCanvas(int width, int height) : width_(width), height_(height), dc_(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const std::uint8_t*>(bits);
    selection_.emplace(dc_.Get(), bitmap_.Get());
    Fill(kSentinel);
  }

  bool Ready() const { return dc_ && bitmap_ && bits_ && *selection_; }
  HDC Dc() const { return dc_.Get(); }
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Fill(ColorRef colour) {
    const win::OwnedBrush brush(::CreateSolidBrush(colour));
    const RECT all{0, 0, width_, height_};
    ::FillRect(dc_.Get(), &all, brush.Get());
  }

  // Read from the bits, not through GDI, so GetPixel is checked too.
  ColorRef At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kInvalidColour;
    ::GdiFlush();
    const std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) & ~std::size_t{3};
    const std::uint8_t* p = bits_ + stride * y + 3 * static_cast<std::size_t>(x);
    return Rgb(p[2], p[1], p[0]);
  }

  int Count(const Rect& area, const std::function<bool(ColorRef)>& match) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) count += match(At(x, y)) ? 1 : 0;
    return count;
  }

 private:
  int width_;
  int height_;
  win::OwnedDc dc_;
  win::OwnedBitmap bitmap_;
  const std::uint8_t* bits_ = nullptr;
  std::optional<win::SelectGuard> selection_;  // goes first, so the bitmap is free to be deleted
};

bool IsDark(ColorRef c) { return RedOf(c) < 96 && GreenOf(c) < 96 && BlueOf(c) < 96; }

// ---------------------------------------------------------------------------
// Shapes

struct Probe {
  Point at;
  ColorRef colour;
};

struct ShapeCase {
  const char* name;
  std::function<bool(Surface&)> draw;
  std::vector<Probe> probes;
};

// Blue outlines, red interiors, unless a case says otherwise.
bool WithPenAndBrush(Surface& s, int penWidth, const std::function<bool(Surface&)>& draw) {
  const auto pen = ScopedPen(s, PenStyle::Solid, penWidth, kBlue);
  const auto brush = ScopedBrush(s, kRed);
  return draw(s);
}

// clang-format off
const std::vector<ShapeCase>& ShapeCases() {
  static const std::vector<ShapeCase> cases{
      {"RectangleOutlineAndExclusiveEdges",
       [](Surface& s) { return WithPenAndBrush(s, 1, [](Surface& t) { return t.Rectangle(10, 10, 50, 30); }); },
       {{{10, 10}, kBlue}, {{49, 29}, kBlue}, {{10, 20}, kBlue}, {{30, 29}, kBlue},
        {{11, 11}, kRed}, {{48, 28}, kRed}, {{30, 20}, kRed}, {{50, 20}, kSentinel},
        {{30, 30}, kSentinel}, {{9, 20}, kSentinel}, {{30, 9}, kSentinel}}},
      // Without a pen GDI fills one pixel less to the right and bottom.
      {"RectangleWithNullPen",
       [](Surface& s) {
         const ScopedSelection noPen(s, s.GetStockObject(StockObject::NullPen));
         const auto brush = ScopedBrush(s, kRed);
         return s.Rectangle(10, 10, 50, 30);
       },
       {{{10, 10}, kRed}, {{48, 28}, kRed}, {{49, 20}, kSentinel}, {{30, 29}, kSentinel}, {{9, 10}, kSentinel}}},
      {"Ellipse",
       [](Surface& s) { return WithPenAndBrush(s, 1, [](Surface& t) { return t.Ellipse(10, 10, 70, 50); }); },
       {{{40, 30}, kRed}, {{40, 13}, kRed}, {{40, 10}, kBlue}, {{12, 12}, kSentinel},
        {{67, 47}, kSentinel}, {{40, 9}, kSentinel}, {{40, 50}, kSentinel}}},
      // The last pixel of a line is not drawn.
      {"LineExcludesItsEnd",
       [](Surface& s) {
         return WithPenAndBrush(s, 1, [](Surface& t) { return t.MoveToEx(5, 40, nullptr) && t.LineTo(60, 40); });
       },
       {{{5, 40}, kBlue}, {{59, 40}, kBlue}, {{60, 40}, kSentinel}, {{4, 40}, kSentinel},
        {{30, 39}, kSentinel}, {{30, 41}, kSentinel}}},
      {"WidePenIsCentred",
       [](Surface& s) {
         return WithPenAndBrush(s, 7, [](Surface& t) { return t.MoveToEx(30, 5, nullptr) && t.LineTo(30, 100); });
       },
       {{{27, 50}, kBlue}, {{33, 50}, kBlue}, {{25, 50}, kSentinel}, {{35, 50}, kSentinel}}},
      {"NullPenDrawsNoLine",
       [](Surface& s) {
         const auto pen = ScopedPen(s, PenStyle::Null, 1, kBlue);
         return s.MoveToEx(5, 40, nullptr) && s.LineTo(60, 40);
       },
       {{{5, 40}, kSentinel}, {{30, 40}, kSentinel}}},
      // Counter-clockwise by default: from 0 to 90 degrees, the upper right
      // quarter of the circle around (60,60) with radius 50.
      {"ArcCounterClockwise",
       [](Surface& s) {
         return WithPenAndBrush(s, 5, [](Surface& t) { return t.Arc(10, 10, 110, 110, 110, 60, 60, 10); });
       },
       {{{95, 25}, kBlue}, {{25, 95}, kSentinel}, {{25, 25}, kSentinel}, {{60, 60}, kSentinel}}},
      {"ArcClockwise",
       [](Surface& s) {
         const int previous = s.SetArcDirection(kAdClockwise);
         const bool drawn = WithPenAndBrush(s, 5, [](Surface& t) { return t.Arc(10, 10, 110, 110, 110, 60, 60, 10); });
         s.SetArcDirection(previous);
         return drawn;
       },
       {{{95, 25}, kSentinel}, {{25, 95}, kBlue}, {{25, 25}, kBlue}, {{60, 60}, kSentinel}}},
      // From the right to the left end counter-clockwise: the upper half.
      {"ChordFillsItsSegment",
       [](Surface& s) {
         return WithPenAndBrush(s, 1, [](Surface& t) { return t.Chord(10, 10, 110, 110, 110, 60, 10, 60); });
       },
       {{{60, 35}, kRed}, {{60, 85}, kSentinel}, {{60, 10}, kBlue}, {{60, 9}, kSentinel}}},
      // An arch whose top at t = 1/2 is at y = 40; its control points stay
      // unpainted, so it is a curve and not a polyline.
      {"PolyBezier",
       [](Surface& s) {
         const std::array<Point, 4> points{{{10, 100}, {10, 20}, {110, 20}, {110, 100}}};
         return WithPenAndBrush(s, 3, [&](Surface& t) { return t.PolyBezier(points); });
       },
       {{{60, 40}, kBlue}, {{60, 44}, kSentinel}, {{10, 20}, kSentinel}, {{110, 20}, kSentinel}, {{10, 100}, kBlue}}},
      {"SetPixelV",
       [](Surface& s) { return s.SetPixelV(3, 4, kGreen); },
       {{{3, 4}, kGreen}, {{4, 4}, kSentinel}, {{3, 5}, kSentinel}}},
  };
  return cases;
}
// clang-format on

class GdiShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(GdiShapes, PixelsWhereGdiPutsThem) {
  DibCanvas canvas(160, 120);
  ASSERT_TRUE(canvas.Ready());
  GdiSurface surface(canvas.Dc());
  ASSERT_TRUE(GetParam().draw(surface));
  for (const Probe& probe : GetParam().probes) {
    EXPECT_EQ(Hex(canvas.At(probe.at.x, probe.at.y)), Hex(probe.colour))
        << "at (" << probe.at.x << "," << probe.at.y << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(Surface, GdiShapes, ::testing::ValuesIn(ShapeCases()),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(GdiSurface, MoveToExReportsThePreviousPosition) {
  DibCanvas canvas(32, 32);
  GdiSurface surface(canvas.Dc());
  Point previous{-1, -1};
  ASSERT_TRUE(surface.MoveToEx(7, 9, nullptr));
  ASSERT_TRUE(surface.MoveToEx(1, 2, &previous));
  EXPECT_EQ(previous, (Point{7, 9}));
  ASSERT_TRUE(surface.LineTo(20, 2));
  ASSERT_TRUE(surface.MoveToEx(0, 0, &previous));
  EXPECT_EQ(previous, (Point{20, 2}));
}

// ArcTo draws a line from the current position to the arc's start and
// leaves the position at the arc's end.
TEST(GdiSurface, ArcToJoinsAndMovesThePosition) {
  DibCanvas canvas(160, 120);
  GdiSurface surface(canvas.Dc());
  const auto pen = ScopedPen(surface, PenStyle::Solid, 1, kBlue);
  ASSERT_TRUE(surface.MoveToEx(140, 60, nullptr));
  ASSERT_TRUE(surface.ArcTo(10, 10, 110, 110, 110, 60, 60, 10));
  EXPECT_EQ(Hex(canvas.At(125, 60)), Hex(kBlue));
  EXPECT_EQ(Hex(canvas.At(125, 61)), Hex(kSentinel));
  Point position{};
  ASSERT_TRUE(surface.MoveToEx(0, 0, &position));
  EXPECT_NEAR(position.x, 60, 1);
  EXPECT_NEAR(position.y, 10, 1);
}

TEST(GdiSurface, SetArcDirectionAnswersThePreviousOne) {
  DibCanvas canvas(8, 8);
  GdiSurface surface(canvas.Dc());
  EXPECT_EQ(surface.SetArcDirection(kAdClockwise), kAdCounterClockwise);
  EXPECT_EQ(surface.SetArcDirection(kAdCounterClockwise), kAdClockwise);
  EXPECT_EQ(surface.SetArcDirection(7), 0);  // not a direction
}

TEST(GdiSurface, PolyBezierRefusesAnIncompleteSegment) {
  DibCanvas canvas(32, 32);
  GdiSurface surface(canvas.Dc());
  const std::array<Point, 3> points{{{1, 1}, {10, 10}, {20, 20}}};
  EXPECT_FALSE(surface.PolyBezier(points));
  EXPECT_EQ(canvas.Count({0, 0, 32, 32}, [](ColorRef c) { return c != kSentinel; }), 0);
}

TEST(GdiSurface, DashedPenLeavesGaps) {
  DibCanvas canvas(120, 8);
  GdiSurface surface(canvas.Dc());
  const auto pen = ScopedPen(surface, PenStyle::Dash, 1, kBlue);
  ASSERT_TRUE(surface.MoveToEx(0, 4, nullptr));
  ASSERT_TRUE(surface.LineTo(120, 4));
  const int painted = canvas.Count({0, 4, 120, 5}, [](ColorRef c) { return c == kBlue; });
  EXPECT_GT(painted, 30);
  EXPECT_LT(painted, 110);
}

TEST(GdiSurface, HatchedBrushTakesItsHatch) {
  DibCanvas canvas(64, 64);
  GdiSurface surface(canvas.Dc());
  const ScopedSelection noPen(surface, surface.GetStockObject(StockObject::NullPen));
  const ScopedObject brush(surface, surface.CreateBrushIndirect(LogBrush{kBsHatched, kRed, HS_HORIZONTAL}));
  surface.SetBkMode(kOpaque);
  surface.SetBkColor(kWhite);
  ASSERT_TRUE(surface.Rectangle(0, 0, 33, 33));
  // Horizontal hatch: whole rows of the colour every 8 pixels, background
  // between them.
  int redRows = 0, whiteRows = 0;
  for (int y = 0; y < 32; ++y) {
    const int red = canvas.Count({0, y, 32, y + 1}, [](ColorRef c) { return c == kRed; });
    const int white = canvas.Count({0, y, 32, y + 1}, [](ColorRef c) { return c == kWhite; });
    redRows += red == 32 ? 1 : 0;
    whiteRows += white == 32 ? 1 : 0;
  }
  EXPECT_EQ(redRows, 4);
  EXPECT_EQ(whiteRows, 28);
}

TEST(GdiSurface, PixelsSetAndRead) {
  DibCanvas canvas(16, 16);
  GdiSurface surface(canvas.Dc());
  EXPECT_EQ(Hex(surface.SetPixel(2, 3, Rgb(0x12, 0x34, 0x56))), Hex(Rgb(0x12, 0x34, 0x56)));
  EXPECT_EQ(Hex(canvas.At(2, 3)), Hex(Rgb(0x12, 0x34, 0x56)));
  EXPECT_EQ(Hex(surface.GetPixel(2, 3)), Hex(Rgb(0x12, 0x34, 0x56)));
  EXPECT_EQ(Hex(surface.GetPixel(3, 3)), Hex(kSentinel));
  EXPECT_EQ(surface.GetPixel(16, 0), kInvalidColour);
  EXPECT_EQ(surface.GetPixel(-1, 0), kInvalidColour);
}

// ---------------------------------------------------------------------------
// Text

LogFont FontOfHeight(int height, int weight) {
  LogFont font;
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = ANSI_CHARSET;
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", "Arial");
  return font;
}

TEST(GdiSurfaceText, MetricsOfAFontCarryItsRequest) {
  DibCanvas canvas(8, 8);
  GdiSurface surface(canvas.Dc());
  struct Case {
    int height;
    int weight;
  };
  for (const Case c : {Case{-20, FW_NORMAL}, Case{-33, FW_BOLD}}) {
    const auto font = ScopedFont(surface, FontOfHeight(c.height, c.weight));
    ASSERT_TRUE(font.Get());
    TextMetrics tm;
    ASSERT_TRUE(surface.GetTextMetricsA(tm));
    // A negative height asks for the character height: the cell without
    // its internal leading.
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, -c.height);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    EXPECT_EQ(tm.tmWeight, c.weight);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    EXPECT_GE(tm.tmExternalLeading, 0);
  }
}

TEST(GdiSurfaceText, FaceNameFillingTheWholeFieldIsCut) {
  DibCanvas canvas(8, 8);
  GdiSurface surface(canvas.Dc());
  LogFont font = FontOfHeight(-12, FW_NORMAL);
  std::fill(std::begin(font.lfFaceName), std::end(font.lfFaceName), 'A');  // no NUL anywhere
  const ScopedObject created(surface, surface.CreateFontIndirectA(font));
  ASSERT_TRUE(created.Get());
  LOGFONTA back{};
  ASSERT_EQ(::GetObjectA(ToGdi(created.Get()), sizeof back, &back), static_cast<int>(sizeof back));
  EXPECT_EQ(std::string(back.lfFaceName), std::string(kLfFaceSize - 1, 'A'));
  EXPECT_EQ(back.lfHeight, -12);
}

TEST(GdiSurfaceText, ExtentIsTheSumOfTheAdvances) {
  DibCanvas canvas(8, 8);
  GdiSurface surface(canvas.Dc());
  const auto font = ScopedFont(surface, FontOfHeight(-20, FW_NORMAL));
  TextMetrics tm;
  ASSERT_TRUE(surface.GetTextMetricsA(tm));
  Size one, four, none{-1, -1};
  ASSERT_TRUE(surface.GetTextExtentPoint32A("W", one));
  ASSERT_TRUE(surface.GetTextExtentPoint32A("WWWW", four));
  ASSERT_TRUE(surface.GetTextExtentPoint32A("", none));
  EXPECT_GT(one.cx, 0);
  EXPECT_EQ(four.cx, 4 * one.cx);
  EXPECT_EQ(one.cy, tm.tmHeight);
  EXPECT_EQ(none.cx, 0);
  // Only the view's characters count, not what follows them in memory.
  ASSERT_TRUE(surface.GetTextExtentPoint32A(std::string_view("WWWW").substr(0, 2), four));
  EXPECT_EQ(four.cx, 2 * one.cx);
}

// TextOutA puts the top-left of the text cell at the point; an opaque
// background fills the cell, a transparent one leaves it alone.
TEST(GdiSurfaceText, TextOutFillsItsCell) {
  for (const int mode : {kTransparent, kOpaque}) {
    DibCanvas canvas(200, 60);
    GdiSurface surface(canvas.Dc());
    const auto font = ScopedFont(surface, FontOfHeight(-24, FW_NORMAL));
    surface.SetTextColor(kBlack);
    surface.SetBkColor(kYellow);
    surface.SetBkMode(mode);
    Size extent;
    ASSERT_TRUE(surface.GetTextExtentPoint32A("Wave", extent));
    ASSERT_TRUE(surface.TextOutA(20, 10, "Wave"));
    const Rect cell{20, 10, 20 + extent.cx, 10 + extent.cy};
    EXPECT_GT(canvas.Count(cell, IsDark), 20) << mode;
    // Nothing outside the cell.
    EXPECT_EQ(canvas.Count({0, 0, 200, 10}, [](ColorRef c) { return c != kSentinel; }), 0) << mode;
    EXPECT_EQ(canvas.Count({cell.right, 0, 200, 60}, [](ColorRef c) { return c != kSentinel; }), 0) << mode;
    EXPECT_EQ(canvas.Count({0, cell.bottom, 200, 60}, [](ColorRef c) { return c != kSentinel; }), 0) << mode;
    const int yellow = canvas.Count(cell, [](ColorRef c) { return c == kYellow; });
    if (mode == kOpaque) {
      EXPECT_GT(yellow, extent.cx * extent.cy / 3);
      EXPECT_EQ(canvas.Count(cell, [](ColorRef c) { return c == kSentinel; }), 0);
    } else {
      EXPECT_EQ(yellow, 0);
    }
  }
}

TEST(GdiSurfaceText, ColoursAndModeAnswerThePreviousOnes) {
  DibCanvas canvas(8, 8);
  GdiSurface surface(canvas.Dc());
  EXPECT_EQ(Hex(surface.SetTextColor(kRed)), Hex(kBlack));
  EXPECT_EQ(Hex(surface.SetTextColor(kBlue)), Hex(kRed));
  EXPECT_EQ(Hex(surface.SetBkColor(kGreen)), Hex(kWhite));
  EXPECT_EQ(Hex(surface.SetBkColor(kWhite)), Hex(kGreen));
  EXPECT_EQ(surface.SetBkMode(kTransparent), kOpaque);
  EXPECT_EQ(surface.SetBkMode(kOpaque), kTransparent);
}

TEST(GdiSurfaceText, DrawTextMeasuresAndAligns) {
  DibCanvas canvas(300, 120);
  GdiSurface surface(canvas.Dc());
  const auto font = ScopedFont(surface, FontOfHeight(-20, FW_NORMAL));
  surface.SetBkMode(kTransparent);
  TextMetrics tm;
  ASSERT_TRUE(surface.GetTextMetricsA(tm));
  Size extent;
  ASSERT_TRUE(surface.GetTextExtentPoint32A("Hello", extent));

  Rect measured{10, 10, 10, 10};
  EXPECT_EQ(surface.DrawTextA("Hello", measured, kDtCalcRect | kDtSingleLine | kDtNoPrefix), tm.tmHeight);
  EXPECT_EQ(measured, (Rect{10, 10, 10 + extent.cx, 10 + tm.tmHeight}));
  EXPECT_EQ(canvas.Count({0, 0, 300, 120}, [](ColorRef c) { return c != kSentinel; }), 0) << "measuring drew";

  // Two words that cannot share a line.
  Rect narrow{0, 0, extent.cx + 2, 0};
  EXPECT_EQ(surface.DrawTextA("Hello Hello", narrow, kDtCalcRect | kDtWordBreak), 2 * tm.tmHeight);

  Rect right{0, 40, 300, 40 + tm.tmHeight};
  EXPECT_EQ(surface.DrawTextA("Hello", right, kDtRight | kDtSingleLine), tm.tmHeight);
  EXPECT_GT(canvas.Count({300 - extent.cx, 40, 300, 40 + tm.tmHeight}, IsDark), 20);
  EXPECT_EQ(canvas.Count({0, 40, 300 - extent.cx, 40 + tm.tmHeight}, IsDark), 0);
}

// ---------------------------------------------------------------------------
// Bitmaps

class GdiSurfaceBitmap : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(::GetTempPathA(MAX_PATH, temp), 0u);
    folder_ = std::filesystem::path(temp) / ("veltrim_gdi_" + std::to_string(::GetCurrentProcessId()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::string File(const char* name) const { return (folder_ / name).string(); }

  std::filesystem::path folder_;
};

// Three columns and two rows, every pixel its own colour: a swapped axis,
// a reversed row order or a wrong row padding shows up.
constexpr std::array<std::uint32_t, 6> kPicture{0xFF0000, 0x00FF00, 0x0000FF,   // top row
                                                0xFFFF00, 0x00FFFF, 0xFF00FF};  // bottom row
constexpr ColorRef PictureAt(int column, int row) {
  const std::uint32_t rgb = kPicture[static_cast<std::size_t>(row) * 3 + column];
  return Rgb(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
}

TEST_F(GdiSurfaceBitmap, LoadedFileIsCopiedAndStretched) {
  ASSERT_TRUE(test::WriteBmp24(File("picture.bmp"), 3, 2, kPicture));
  DibCanvas canvas(120, 80);
  GdiSurface surface(canvas.Dc());
  const ObjectHandle bitmap = surface.LoadBitmapFile(File("picture.bmp").c_str());
  ASSERT_TRUE(bitmap);
  Size size;
  ASSERT_TRUE(surface.GetBitmapSize(bitmap, size));
  EXPECT_EQ(size, (Size{3, 2}));

  ASSERT_TRUE(surface.BitBlt(5, 6, 3, 2, bitmap, 0, 0));
  ASSERT_TRUE(surface.StretchBlt(40, 20, 30, 20, bitmap, 0, 0, 3, 2));
  // A source offset copies from inside the bitmap.
  ASSERT_TRUE(surface.BitBlt(100, 6, 1, 1, bitmap, 2, 1));
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(Hex(canvas.At(5 + column, 6 + row)), Hex(PictureAt(column, row))) << column << "," << row;
      EXPECT_EQ(Hex(canvas.At(45 + 10 * column, 25 + 10 * row)), Hex(PictureAt(column, row))) << column << "," << row;
    }
  }
  EXPECT_EQ(Hex(canvas.At(100, 6)), Hex(PictureAt(2, 1)));
  EXPECT_EQ(Hex(canvas.At(8, 6)), Hex(kSentinel));
  EXPECT_EQ(Hex(canvas.At(70, 25)), Hex(kSentinel));
  EXPECT_EQ(Hex(canvas.At(45, 40)), Hex(kSentinel));
  EXPECT_EQ(Hex(canvas.At(101, 6)), Hex(kSentinel));

  // The copies left the bitmap free: it is selected nowhere and deletes.
  EXPECT_TRUE(surface.DeleteObject(bitmap));
  EXPECT_EQ(::GetObjectType(ToGdi(bitmap)), 0u);
}

TEST_F(GdiSurfaceBitmap, WhatIsNotABitmapIsRefused) {
  std::ofstream(File("text.bmp")) << "not a bitmap at all";
  DibCanvas canvas(16, 16);
  GdiSurface surface(canvas.Dc());
  EXPECT_FALSE(surface.LoadBitmapFile(File("missing.bmp").c_str()));
  EXPECT_FALSE(surface.LoadBitmapFile(File("text.bmp").c_str()));
  EXPECT_FALSE(surface.LoadBitmapFile(nullptr));
  EXPECT_FALSE(surface.BitBlt(0, 0, 4, 4, ObjectHandle{}, 0, 0));
  Size size{7, 7};
  EXPECT_FALSE(surface.GetBitmapSize(surface.GetStockObject(StockObject::BlackBrush), size));
  EXPECT_EQ(size, (Size{7, 7}));
  EXPECT_EQ(canvas.Count({0, 0, 16, 16}, [](ColorRef c) { return c != kSentinel; }), 0);
}

// A bitmap already selected into another DC cannot be copied from; the
// surface says so and its memory DC does not outlive the call.
TEST_F(GdiSurfaceBitmap, BitmapHeldByAnotherDcIsRefused) {
  DibCanvas source(4, 4);
  DibCanvas target(4, 4);
  GdiSurface surface(target.Dc());
  EXPECT_FALSE(surface.BitBlt(0, 0, 4, 4, FromGdi(source.Bitmap()), 0, 0));
  EXPECT_FALSE(surface.StretchBlt(0, 0, 4, 4, FromGdi(source.Bitmap()), 0, 0, 4, 4));
  EXPECT_EQ(Hex(target.At(1, 1)), Hex(kSentinel));
}

// ---------------------------------------------------------------------------
// Object hygiene

struct ScopedCase {
  const char* name;
  DWORD kind;
  std::function<ScopedObject(Surface&)> make;
};

class GdiScopedObjects : public ::testing::TestWithParam<ScopedCase> {};

TEST_P(GdiScopedObjects, RestoreTheOldObjectAndDeleteTheirOwn) {
  DibCanvas canvas(8, 8);
  GdiSurface surface(canvas.Dc());
  const DWORD kind = GetParam().kind;
  const HGDIOBJ before = ::GetCurrentObject(canvas.Dc(), kind);
  ASSERT_TRUE(before);
  HGDIOBJ outer = nullptr, inner = nullptr;
  {
    const ScopedObject first = GetParam().make(surface);
    outer = ToGdi(first.Get());
    ASSERT_TRUE(outer);
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), kind), outer);
    {
      const ScopedObject second = GetParam().make(surface);
      inner = ToGdi(second.Get());
      EXPECT_EQ(::GetCurrentObject(canvas.Dc(), kind), inner);
    }
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), kind), outer);
    EXPECT_EQ(::GetObjectType(inner), 0u) << "inner object not deleted";
  }
  EXPECT_EQ(::GetCurrentObject(canvas.Dc(), kind), before);
  EXPECT_EQ(::GetObjectType(outer), 0u) << "outer object not deleted";
}

INSTANTIATE_TEST_SUITE_P(
    Surface, GdiScopedObjects,
    ::testing::Values(ScopedCase{"Pen", OBJ_PEN, [](Surface& s) { return ScopedPen(s, PenStyle::Dot, 1, kRed); }},
                      ScopedCase{"Brush", OBJ_BRUSH, [](Surface& s) { return ScopedBrush(s, kGreen); }},
                      ScopedCase{"Font", OBJ_FONT,
                                 [](Surface& s) { return ScopedFont(s, FontOfHeight(-15, FW_BOLD)); }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(GdiSurface, StockObjectSelectedBackAndForth) {
  DibCanvas canvas(8, 8);
  GdiSurface surface(canvas.Dc());
  const HGDIOBJ before = ::GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
  {
    const ScopedSelection selection(surface, surface.GetStockObject(StockObject::BlackBrush));
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_BRUSH), ::GetStockObject(BLACK_BRUSH));
  }
  EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_BRUSH), before);
  // Selecting nothing fails and answers none.
  EXPECT_FALSE(surface.SelectObject(ObjectHandle{}));
  EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_BRUSH), before);
}

void RunEveryOperation(Surface& surface, const std::string& bitmapFile, int round) {
  const std::array<Point, 4> curve{{{10, 100}, {10, 20}, {110, 20}, {110, 100}}};
  const auto pen = ScopedPen(surface, PenStyle::Solid, 1 + round % 4, kBlue);
  const auto brush = ScopedBrush(surface, Rgb(round, 0, 0));
  const auto font = ScopedFont(surface, FontOfHeight(-10 - round, FW_NORMAL));
  const ScopedSelection stock(surface, surface.GetStockObject(StockObject::LtGrayBrush));
  surface.Rectangle(1, 1, 50, 50);
  surface.Ellipse(1, 1, 50, 50);
  surface.Chord(1, 1, 50, 50, 50, 25, 1, 25);
  surface.Arc(1, 1, 50, 50, 50, 25, 1, 25);
  surface.ArcTo(1, 1, 50, 50, 50, 25, 1, 25);
  surface.PolyBezier(curve);
  surface.SetPixel(3, 3, kRed);
  surface.TextOutA(2, 60, "Text");
  Rect rect{0, 80, 120, 120};
  surface.DrawTextA("Some words to wrap", rect, kDtWordBreak);
  TextMetrics tm;
  surface.GetTextMetricsA(tm);
  const ObjectHandle bitmap = surface.LoadBitmapFile(bitmapFile.c_str());
  surface.BitBlt(0, 0, 3, 2, bitmap, 0, 0);
  surface.StretchBlt(0, 0, 30, 20, bitmap, 0, 0, 3, 2);
  surface.DeleteObject(bitmap);
}

// Every operation of the surface, many times: the process's GDI object
// count ends where it started.
TEST_F(GdiSurfaceBitmap, ARunOfOperationsLeavesNoObjectBehind) {
  ASSERT_TRUE(test::WriteBmp24(File("picture.bmp"), 3, 2, kPicture));
  DibCanvas canvas(120, 120);
  GdiSurface surface(canvas.Dc());
  // The first run lets the system make what it caches on first use (fonts).
  RunEveryOperation(surface, File("picture.bmp"), 0);
  const int start = test::LiveGdiObjects();
  ASSERT_GT(start, 0);
  for (int round = 1; round <= 20; ++round) RunEveryOperation(surface, File("picture.bmp"), round);
  EXPECT_EQ(test::LiveGdiObjects(), start);

  // The count does see a leak.
  const win::OwnedBrush kept(::CreateSolidBrush(kGreen));
  EXPECT_EQ(test::LiveGdiObjects(), start + 1);
}

}  // namespace
}  // namespace veltrim
