// Every Surface operation on the recording backend: recorded with its
// arguments and result, and its effect on the state.
#include "recording_surface.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <string>
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
  const auto arcTo = [&](int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    s.ArcTo(l, t, r, b, xs, ys, xe, ye);
    positions.push_back(s.CurrentPosition());
  };
  const std::pair<std::function<void()>, const char*> script[] = {
      {[&] { s.GetTextExtentPoint32A("a &\r\n", size); }, "GetTextExtentPoint32A(\"a &\\r\\n\") -> 1"},
      {[&] { s.CreatePen(PenStyle::Dash, 3, Rgb(255, 0, 0)); }, "CreatePen(1, 3, 0x0000FF) -> 1"},
      {[&] { s.CreatePen(static_cast<PenStyle>(42), 1, 0); }, "CreatePen(42, 1, 0x000000) -> 0"},  // no such style
      {[&] { s.CreateBrushIndirect({kBsHatched, Rgb(0, 0, 255), 3}); }, "CreateBrushIndirect(2, 0xFF0000, 3) -> 2"},
      {[&] { s.CreateBrushIndirect({3, 0, 0}); }, "CreateBrushIndirect(3, 0x000000, 0) -> 0"},  // pattern brush
      {[&] { s.CreateBrushIndirect({kBsHatched, 0, 6}); }, "CreateBrushIndirect(2, 0x000000, 6) -> 0"},  // no hatch 6
      {[&] { s.GetStockObject(StockObject::BlackPen); }, "GetStockObject(7) -> 1000007"},
      {[&] { s.GetStockObject(static_cast<StockObject>(9)); }, "GetStockObject(9) -> 0"},
      {[&] { s.SelectObject(ObjectHandle{1}); }, "SelectObject(1) -> 1000007"},
      {[&] { s.SelectObject(ObjectHandle{4242}); }, "SelectObject(4242) -> 0"},
      {[&] { s.MoveToEx(10, 20, &previous); }, "MoveToEx(10, 20) -> 1"},
      {[&] { s.LineTo(100, 200); }, "LineTo(100, 200) -> 1"},
      {[&] { s.Rectangle(1, 2, 3, 4); }, "Rectangle(1, 2, 3, 4) -> 1"},
      {[&] { s.Ellipse(5, 6, 7, 8); }, "Ellipse(5, 6, 7, 8) -> 1"},
      {[&] { s.Arc(1, 2, 3, 4, 5, 6, 7, 8); }, "Arc(1, 2, 3, 4, 5, 6, 7, 8) -> 1"},
      {[&] { s.Chord(8, 7, 6, 5, 4, 3, 2, 1); }, "Chord(8, 7, 6, 5, 4, 3, 2, 1) -> 1"},
      {[&] { s.PolyBezier(curve); }, "PolyBezier(0, 0, 1, 2, 3, 4, 5, 6) -> 1"},
      {[&] { s.PolyBezier(std::span(curve).first(3)); }, "PolyBezier(0, 0, 1, 2, 3, 4) -> 0"},
      {[&] { s.PolyBezier(notOnePlusThree); }, "PolyBezier(0, 0, 0, 0, 0, 0, 0, 0, 0, 0) -> 0"},
      {[&] { s.TextOutA(12, 34, "Hi \"x\"\r\n"); positions.push_back(s.CurrentPosition()); },
       "TextOutA(12, 34, \"Hi \\\"x\\\"\\r\\n\") -> 1"},
      // ArcTo ends where the ray towards the end point meets the ellipse: the top of a circle;
      // (100, 50) + (200, 100) / sqrt(8) = (170.7, 85.4); on a degenerate ellipse, the end point itself.
      {[&] { arcTo(0, 0, 100, 100, 100, 50, 50, -100); }, "ArcTo(0, 0, 100, 100, 100, 50, 50, -100) -> 1"},
      {[&] { arcTo(0, 0, 200, 100, 0, 50, 300, 150); }, "ArcTo(0, 0, 200, 100, 0, 50, 300, 150) -> 1"},
      {[&] { arcTo(10, 10, 10, 50, 0, 0, 33, 44); }, "ArcTo(10, 10, 10, 50, 0, 0, 33, 44) -> 1"},
      {[&] { s.SetArcDirection(kAdClockwise); }, "SetArcDirection(2) -> 1"},
      {[&] { s.SetArcDirection(7); }, "SetArcDirection(7) -> 0"},
      {[&] { s.SetPixel(10, 10, Rgb(1, 2, 3)); }, "SetPixel(10, 10, 0x030201) -> 0x030201"},
      {[&] { s.SetPixelV(4799, 6813, 0xABCDEF); }, "SetPixelV(4799, 6813, 0xABCDEF) -> 1"},
      {[&] { s.SetPixel(0, 0, 0xFF000000); }, "SetPixel(0, 0, 0xFF000000) -> 0x000000"},  // the colour bits only
      {[&] { s.GetPixel(10, 10); }, "GetPixel(10, 10) -> 0x030201"},
      {[&] { s.GetPixel(11, 11); }, "GetPixel(11, 11) -> 0xFFFFFF"},  // never set: white
      {[&] { s.GetPixel(4800, 0); }, "GetPixel(4800, 0) -> 0xFFFFFFFF"},
      {[&] { s.SetPixel(0, 6814, 0); }, "SetPixel(0, 6814, 0x000000) -> 0xFFFFFFFF"},
      {[&] { s.SetPixelV(-1, 0, 0); }, "SetPixelV(-1, 0, 0x000000) -> 0"},
      {[&] { s.SetTextColor(Rgb(70, 70, 70)); }, "SetTextColor(0x464646) -> 0x000000"},
      {[&] { s.SetBkColor(0x00FF00); }, "SetBkColor(0x00FF00) -> 0xFFFFFF"},
      {[&] { s.SetBkMode(kTransparent); }, "SetBkMode(1) -> 2"},
      {[&] { s.SetBkMode(3); }, "SetBkMode(3) -> 0"},
      // Failures injected: no effect on the state.
      {[&] { s.FailNext("LineTo"); s.LineTo(5, 5); }, "LineTo(5, 5) -> 0"},
      {[&] { s.FailNext("SetTextColor"); s.SetTextColor(0x123456); }, "SetTextColor(0x123456) -> 0xFFFFFFFF"},
      {[&] { s.FailNext("CreatePen", 2); s.CreatePen(PenStyle::Solid, 1, 0); }, "CreatePen(0, 1, 0x000000) -> 0"},
      {[&] { s.CreatePen(PenStyle::Solid, 1, 0); }, "CreatePen(0, 1, 0x000000) -> 0"},
  };
  std::string expected;
  for (const auto& [call, line] : script) {
    call();
    expected += std::string(line) + "\n";
  }
  EXPECT_EQ(s.Dump(), expected);
  EXPECT_EQ(size, (Size{125, 50})) << "every byte alike";
  EXPECT_EQ(previous, (Point{0, 0}));
  EXPECT_EQ(positions, (std::vector<Point>{{100, 200}, {50, 0}, {171, 85}, {33, 44}})) << "shapes and text stay put";
  EXPECT_EQ(s.Object(ObjectHandle{1})->penStyle, PenStyle::Dash);
  EXPECT_EQ(s.Object(ObjectHandle{2})->brush.lbHatch, 3u);
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
  EXPECT_TRUE(s.DeleteObject(ObjectHandle{1}) && s.DeleteObject(ObjectHandle{2}));
  EXPECT_EQ(s.HygieneReport(), "");
}

TEST(RecordingSurface, FontMetricsFollowTheRule) {
  RecordingDevice thirty;
  thirty.defaultFontHeight = 30;
  // Height, ascent, descent, internal and external leading, average and widest character, weight.
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

// The first selections and colours show in the results of the script above
// and of the hygiene reports; the stock objects' own attributes here.
TEST(RecordingSurface, StockObjectsAreWhatTheirNamesSay) {
  RecordingSurface s;
  EXPECT_EQ(s.Object(s.GetStockObject(StockObject::NullBrush))->brush.lbStyle, kBsNull);
  EXPECT_EQ(s.Object(s.GetStockObject(StockObject::GrayBrush))->brush.lbColor, 0x808080u);
  EXPECT_EQ(s.Object(s.GetStockObject(StockObject::NullPen))->penStyle, PenStyle::Null);
  EXPECT_EQ(s.Object(s.GetStockObject(StockObject::DefaultGuiFont))->kind, ObjectKind::Font);
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
  s.FailNext("DrawTextA");
  EXPECT_EQ(s.DrawTextA("abc", rect, 0), 0);
  EXPECT_EQ(s.Records().back(), (Record{"DrawTextA", {0, 0, 250, 1000, 0}, "abc", 0}));
}

}  // namespace
}  // namespace veltrim
