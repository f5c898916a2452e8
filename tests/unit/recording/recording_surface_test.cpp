// Every Surface operation on the recording backend: recorded with its
// arguments and result, and its effect on the state.
#include "recording_surface.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <optional>
#include <vector>

namespace veltrim {
namespace {

LogFont Font(int height, int width = 0, int weight = 0) {
  LogFont font;
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfWeight = weight;
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", "Times New Roman");
  return font;
}

TEST(RecordingSurface, RecordsEveryCallAndKeepsTheStateGdiWould) {
  RecordingSurface s;  // 600 dpi A4: the default font is 50 high
  Size size;
  Point previous{-1, -1};
  const std::array<Point, 4> curve{{{0, 0}, {1, 2}, {3, 4}, {5, 6}}};
  const std::array<Point, 5> notOnePlusThree{};
  std::vector<Point> positions;
  EXPECT_TRUE(s.GetTextExtentPoint32A("a &\r\n", size));
  EXPECT_EQ(size, (Size{125, 50})) << "every byte alike";
  const ObjectHandle pen = s.CreatePen(PenStyle::Dash, 3, Rgb(255, 0, 0));
  s.CreatePen(static_cast<PenStyle>(42), 1, 0);                          // unknown style
  const ObjectHandle brush = s.CreateBrushIndirect({kBsHatched, Rgb(0, 0, 255), 3});
  s.CreateBrushIndirect({3, 0, 0});                                      // pattern brushes are not made
  s.CreateBrushIndirect({kBsHatched, 0, 6});                             // unknown hatch
  s.GetStockObject(StockObject::BlackPen);
  s.GetStockObject(static_cast<StockObject>(9));                         // there is no stock object 9
  s.SelectObject(pen);
  s.SelectObject(ObjectHandle{4242});
  s.MoveToEx(10, 20, &previous);
  s.LineTo(100, 200);
  s.Rectangle(1, 2, 3, 4);
  s.Ellipse(5, 6, 7, 8);
  s.Arc(1, 2, 3, 4, 5, 6, 7, 8);
  s.Chord(8, 7, 6, 5, 4, 3, 2, 1);
  s.PolyBezier(curve);
  s.PolyBezier(std::span(curve).first(3));
  s.PolyBezier(notOnePlusThree);
  s.TextOutA(12, 34, "Hi \"x\"\r\n");
  positions.push_back(s.CurrentPosition());
  // ArcTo ends where the ray towards the end point meets the ellipse: the
  // top of a circle; (100, 50) + (200, 100) / sqrt(8) = (170.7, 85.4); on
  // a degenerate ellipse, the end point itself.
  for (const std::array<int, 8>& a : {std::array<int, 8>{0, 0, 100, 100, 100, 50, 50, -100},
                                      {0, 0, 200, 100, 0, 50, 300, 150}, {10, 10, 10, 50, 0, 0, 33, 44}}) {
    s.ArcTo(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
    positions.push_back(s.CurrentPosition());
  }
  s.SetArcDirection(kAdClockwise);
  s.SetArcDirection(7);
  s.SetPixel(10, 10, Rgb(1, 2, 3));
  s.SetPixelV(4799, 6813, 0xABCDEF);
  s.SetPixel(0, 0, 0xFF000000);  // only the colour bits are kept
  s.GetPixel(10, 10);
  s.GetPixel(11, 11);  // a page pixel never set is white
  s.GetPixel(4800, 0);
  s.SetPixel(0, 6814, 0);
  s.SetPixelV(-1, 0, 0);
  s.SetTextColor(Rgb(70, 70, 70));
  s.SetBkColor(0x00FF00);
  s.SetBkMode(kTransparent);
  s.SetBkMode(3);
  s.FailNext("LineTo");
  s.LineTo(5, 5);  // a failed call has no effect
  s.FailNext("SetTextColor");
  s.SetTextColor(0x123456);
  s.FailNext("CreatePen", 2);
  s.CreatePen(PenStyle::Solid, 1, 0);
  s.CreatePen(PenStyle::Solid, 1, 0);
  EXPECT_EQ(s.Dump(),
            "GetTextExtentPoint32A(\"a &\\r\\n\") -> 1\n"
            "CreatePen(1, 3, 0x0000FF) -> 1\n"
            "CreatePen(42, 1, 0x000000) -> 0\n"
            "CreateBrushIndirect(2, 0xFF0000, 3) -> 2\n"
            "CreateBrushIndirect(3, 0x000000, 0) -> 0\n"
            "CreateBrushIndirect(2, 0x000000, 6) -> 0\n"
            "GetStockObject(7) -> 1000007\n"
            "GetStockObject(9) -> 0\n"
            "SelectObject(1) -> 1000007\n"
            "SelectObject(4242) -> 0\n"
            "MoveToEx(10, 20) -> 1\n"
            "LineTo(100, 200) -> 1\n"
            "Rectangle(1, 2, 3, 4) -> 1\n"
            "Ellipse(5, 6, 7, 8) -> 1\n"
            "Arc(1, 2, 3, 4, 5, 6, 7, 8) -> 1\n"
            "Chord(8, 7, 6, 5, 4, 3, 2, 1) -> 1\n"
            "PolyBezier(0, 0, 1, 2, 3, 4, 5, 6) -> 1\n"
            "PolyBezier(0, 0, 1, 2, 3, 4) -> 0\n"
            "PolyBezier(0, 0, 0, 0, 0, 0, 0, 0, 0, 0) -> 0\n"
            "TextOutA(12, 34, \"Hi \\\"x\\\"\\r\\n\") -> 1\n"
            "ArcTo(0, 0, 100, 100, 100, 50, 50, -100) -> 1\n"
            "ArcTo(0, 0, 200, 100, 0, 50, 300, 150) -> 1\n"
            "ArcTo(10, 10, 10, 50, 0, 0, 33, 44) -> 1\n"
            "SetArcDirection(2) -> 1\n"
            "SetArcDirection(7) -> 0\n"
            "SetPixel(10, 10, 0x030201) -> 0x030201\n"
            "SetPixelV(4799, 6813, 0xABCDEF) -> 1\n"
            "SetPixel(0, 0, 0xFF000000) -> 0x000000\n"
            "GetPixel(10, 10) -> 0x030201\n"
            "GetPixel(11, 11) -> 0xFFFFFF\n"
            "GetPixel(4800, 0) -> 0xFFFFFFFF\n"
            "SetPixel(0, 6814, 0x000000) -> 0xFFFFFFFF\n"
            "SetPixelV(-1, 0, 0x000000) -> 0\n"
            "SetTextColor(0x464646) -> 0x000000\n"
            "SetBkColor(0x00FF00) -> 0xFFFFFF\n"
            "SetBkMode(1) -> 2\n"
            "SetBkMode(3) -> 0\n"
            "LineTo(5, 5) -> 0\n"
            "SetTextColor(0x123456) -> 0xFFFFFFFF\n"
            "CreatePen(0, 1, 0x000000) -> 0\n"
            "CreatePen(0, 1, 0x000000) -> 0\n");
  EXPECT_EQ(previous, (Point{0, 0}));
  EXPECT_EQ(positions, (std::vector<Point>{{100, 200}, {50, 0}, {171, 85}, {33, 44}})) << "shapes and text stay put";
  EXPECT_EQ(s.CurrentPosition(), (Point{33, 44}));
  EXPECT_EQ(s.Selected(ObjectKind::Pen), pen);
  EXPECT_EQ(s.Object(pen)->penStyle, PenStyle::Dash);
  EXPECT_EQ(s.Object(brush)->brush.lbHatch, 3u);
  EXPECT_EQ(s.ArcDirection(), kAdClockwise);
  EXPECT_EQ(s.PixelsSet(), 3u);
  EXPECT_EQ(s.GetPixel(4799, 6813), 0xABCDEFu);
  EXPECT_EQ(s.TextColour(), Rgb(70, 70, 70));
  EXPECT_EQ(s.BkColour(), 0x00FF00u);
  EXPECT_EQ(s.BkMode(), kTransparent);
  EXPECT_EQ(s.RecordsOf("ArcTo").size(), 3u);
  s.ClearRecords();
  EXPECT_TRUE(s.Records().empty());
  EXPECT_EQ(s.CurrentPosition(), (Point{33, 44})) << "clearing the records keeps the state";
  s.SelectObject(RecordingSurface::StockHandle(StockObject::BlackPen));
  EXPECT_TRUE(s.DeleteObject(pen) && s.DeleteObject(brush));
  EXPECT_EQ(s.HygieneReport(), "");
}

TEST(RecordingSurface, FontMetricsFollowTheRule) {
  RecordingDevice thirty;
  thirty.defaultFontHeight = 30;
  // Height, ascent, descent, internal and external leading, average and
  // widest character, weight.
  using Metrics = std::array<std::int32_t, 8>;
  const auto fields = [](const TextMetrics& t) {
    return Metrics{t.tmHeight,          t.tmAscent,       t.tmDescent,      t.tmInternalLeading,
                   t.tmExternalLeading, t.tmAveCharWidth, t.tmMaxCharWidth, t.tmWeight};
  };
  const struct {
    RecordingDevice device;
    std::optional<LogFont> font;  // none: the default font
    Metrics expected;
  } cases[] = {
      {RecordingDevice(), {}, {50, 40, 10, 5, 0, 25, 50, 400}},  // 600 / 12
      {thirty, {}, {30, 24, 6, 3, 0, 15, 30, 400}},
      {RecordingDevice(), Font(-102, 0, 700), {102, 82, 20, 10, 0, 51, 102, 700}},
      {RecordingDevice(), Font(40, -12), {40, 32, 8, 4, 0, 12, 24, 400}},
      {RecordingDevice(), Font(0), {50, 40, 10, 5, 0, 25, 50, 400}},  // lfHeight 0: the default height
  };
  for (const auto& c : cases) {
    RecordingSurface surface(c.device);
    const ObjectHandle font = c.font ? surface.CreateFontIndirectA(*c.font) : ObjectHandle{};
    const ObjectHandle old = c.font ? surface.SelectObject(font) : ObjectHandle{};
    TextMetrics m;
    ASSERT_TRUE(surface.GetTextMetricsA(m));
    EXPECT_EQ(fields(m), c.expected);
    Size size;
    ASSERT_TRUE(surface.GetTextExtentPoint32A("abcd", size));
    EXPECT_EQ(size, (Size{4 * c.expected[5], c.expected[0]}));
    if (!c.font) continue;
    EXPECT_EQ(surface.Records().front(),
              (Record{"CreateFontIndirectA",
                      {c.font->lfHeight, c.font->lfWidth, 0, 0, c.font->lfWeight, 0, 0, 0, 0, 0, 0, 0, 0},
                      "Times New Roman", static_cast<std::int64_t>(font.value)}));
    surface.SelectObject(old);
    surface.DeleteObject(font);
  }
}

TEST(RecordingSurface, StockObjectsAndTheFirstSelections) {
  RecordingSurface s;
  EXPECT_EQ(s.Selected(ObjectKind::Pen), RecordingSurface::StockHandle(StockObject::BlackPen));
  EXPECT_EQ(s.Selected(ObjectKind::Brush), RecordingSurface::StockHandle(StockObject::WhiteBrush));
  EXPECT_EQ(s.Selected(ObjectKind::Font), RecordingSurface::StockHandle(StockObject::SystemFont));
  EXPECT_EQ(s.Selected(ObjectKind::Bitmap), RecordingSurface::DefaultBitmapHandle());
  EXPECT_EQ(s.Object(s.GetStockObject(StockObject::NullBrush))->brush.lbStyle, kBsNull);
  EXPECT_EQ(s.Object(s.GetStockObject(StockObject::GrayBrush))->brush.lbColor, 0x808080u);
  EXPECT_EQ(s.Object(s.GetStockObject(StockObject::NullPen))->penStyle, PenStyle::Null);
  EXPECT_EQ(s.Object(s.GetStockObject(StockObject::DefaultGuiFont))->kind, ObjectKind::Font);
  EXPECT_EQ(s.TextColour(), 0u);
  EXPECT_EQ(s.BkColour(), 0xFFFFFFu);
  EXPECT_EQ(s.BkMode(), kOpaque);
  EXPECT_EQ(s.ArcDirection(), kAdCounterClockwise);
}

TEST(RecordingSurface, DrawTextIsRecordedBeforeTheLinesItMakes) {
  RecordingSurface s;  // default font: 50 high, 25 wide
  Rect rect{0, 0, 250, 1000};
  EXPECT_EQ(s.DrawTextA("0123456789 abc", rect, 0x2810), 100);
  EXPECT_EQ(s.Dump(),
            "DrawTextA(0, 0, 250, 1000, 10256, \"0123456789 abc\") -> 100\n"
            "  TextOutA(0, 0, \"0123456789\") -> 1\n"
            "  TextOutA(0, 50, \"abc\") -> 1\n");
  EXPECT_EQ(s.TopLevelRecords(), std::vector<Record>{s.Records().front()});
  EXPECT_TRUE(s.Records().back().nested);
  Rect measure{0, 0, 250, 0};
  EXPECT_EQ(s.DrawTextA("abc", measure, kDtSingleLine | kDtCalcRect), 50);
  EXPECT_EQ(measure, (Rect{0, 0, 75, 50}));
  s.FailNext("DrawTextA");
  EXPECT_EQ(s.DrawTextA("abc", rect, 0), 0);
  EXPECT_EQ(s.Records().back(), (Record{"DrawTextA", {0, 0, 250, 1000, 0}, "abc", 0}));
}

}  // namespace
}  // namespace veltrim
