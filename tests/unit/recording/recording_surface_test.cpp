// Every Surface operation on the recording backend: recorded with its
// arguments and result, and its effect on the state.

#include "recording_surface.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <vector>

namespace veltrim {
namespace {

using Args = std::vector<std::int64_t>;

const Record& Last(const RecordingSurface& surface) { return surface.Records().back(); }

TEST(RecordingSurface, DefaultFontMetrics) {
  RecordingSurface surface;
  TextMetrics metrics;
  ASSERT_TRUE(surface.GetTextMetricsA(metrics));
  EXPECT_EQ(metrics.tmHeight, 50);
  EXPECT_EQ(metrics.tmAscent, 40);
  EXPECT_EQ(metrics.tmDescent, 10);
  EXPECT_EQ(metrics.tmInternalLeading, 5);
  EXPECT_EQ(metrics.tmExternalLeading, 0);
  EXPECT_EQ(metrics.tmAveCharWidth, 25);
  EXPECT_EQ(metrics.tmMaxCharWidth, 50);
  EXPECT_EQ(metrics.tmWeight, 400);
  EXPECT_EQ(Last(surface), (Record{"GetTextMetricsA", {}, "", 1}));

  RecordingDevice device;
  device.defaultFontHeight = 30;
  RecordingSurface other(device);
  ASSERT_TRUE(other.GetTextMetricsA(metrics));
  EXPECT_EQ(metrics.tmHeight, 30);
  EXPECT_EQ(metrics.tmAveCharWidth, 15);
}

TEST(RecordingSurface, CreatedFontMetrics) {
  RecordingSurface surface;
  LogFont font;
  font.lfHeight = -102;  // the simple-text page font on a 23 px/mm device
  font.lfWeight = 700;
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", "Times New Roman");
  const ObjectHandle created = surface.CreateFontIndirectA(font);
  ASSERT_TRUE(created);
  EXPECT_EQ(Last(surface), (Record{"CreateFontIndirectA", {-102, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0},
                                   "Times New Roman", static_cast<std::int64_t>(created.value)}));
  const ObjectHandle previous = surface.SelectObject(created);
  TextMetrics metrics;
  ASSERT_TRUE(surface.GetTextMetricsA(metrics));
  EXPECT_EQ(metrics.tmHeight, 102);
  EXPECT_EQ(metrics.tmAveCharWidth, 51);
  EXPECT_EQ(metrics.tmWeight, 700);
  Size size;
  ASSERT_TRUE(surface.GetTextExtentPoint32A("abcd", size));
  EXPECT_EQ(size, (Size{204, 102}));
  EXPECT_EQ(Last(surface), (Record{"GetTextExtentPoint32A", {}, "abcd", 1}));

  font.lfHeight = 40;
  font.lfWidth = -12;
  const ObjectHandle wide = surface.CreateFontIndirectA(font);
  surface.SelectObject(wide);
  ASSERT_TRUE(surface.GetTextMetricsA(metrics));
  EXPECT_EQ(metrics.tmHeight, 40);
  EXPECT_EQ(metrics.tmAveCharWidth, 12);
  EXPECT_EQ(metrics.tmMaxCharWidth, 24);

  font.lfHeight = 0;
  font.lfWidth = 0;
  const ObjectHandle zero = surface.CreateFontIndirectA(font);
  surface.SelectObject(zero);
  ASSERT_TRUE(surface.GetTextMetricsA(metrics));
  EXPECT_EQ(metrics.tmHeight, 50) << "lfHeight 0 takes the default height";

  surface.SelectObject(previous);
  ASSERT_TRUE(surface.GetTextMetricsA(metrics));
  EXPECT_EQ(metrics.tmHeight, 50);
  for (const ObjectHandle handle : {created, wide, zero}) EXPECT_TRUE(surface.DeleteObject(handle));
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(RecordingSurface, TextExtentOfEveryByteAlike) {
  RecordingSurface surface;
  Size size;
  ASSERT_TRUE(surface.GetTextExtentPoint32A("a &\r\n", size));
  EXPECT_EQ(size, (Size{125, 50}));
  ASSERT_TRUE(surface.GetTextExtentPoint32A("", size));
  EXPECT_EQ(size, (Size{0, 50}));
}

TEST(RecordingSurface, CreatesPensAndBrushes) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Dash, 3, Rgb(255, 0, 0));
  ASSERT_TRUE(pen);
  EXPECT_EQ(Last(surface), (Record{"CreatePen", {1, 3, 0x0000FF}, "", static_cast<std::int64_t>(pen.value)}));
  const RecordedObject* penObject = surface.Object(pen);
  ASSERT_NE(penObject, nullptr);
  EXPECT_EQ(penObject->kind, ObjectKind::Pen);
  EXPECT_EQ(penObject->penStyle, PenStyle::Dash);
  EXPECT_EQ(penObject->penWidth, 3);
  EXPECT_EQ(penObject->penColour, 0x0000FFu);

  const ObjectHandle brush = surface.CreateBrushIndirect(LogBrush{kBsHatched, Rgb(0, 0, 255), 3});
  ASSERT_TRUE(brush);
  EXPECT_EQ(Last(surface), (Record{"CreateBrushIndirect", {2, 0xFF0000, 3}, "", static_cast<std::int64_t>(brush.value)}));
  EXPECT_EQ(surface.Object(brush)->brush.lbHatch, 3u);
  EXPECT_NE(pen, brush);
  EXPECT_EQ(brush.value, pen.value + 1) << "handles count up";

  EXPECT_FALSE(surface.CreatePen(static_cast<PenStyle>(42), 1, 0)) << "unknown style";
  EXPECT_EQ(Last(surface).result, 0);
  EXPECT_FALSE(surface.CreateBrushIndirect(LogBrush{3, 0, 0})) << "pattern brushes are not supported";
  EXPECT_FALSE(surface.CreateBrushIndirect(LogBrush{kBsHatched, 0, 6})) << "unknown hatch";
  EXPECT_TRUE(surface.DeleteObject(pen));
  EXPECT_TRUE(surface.DeleteObject(brush));
}

TEST(RecordingSurface, StockObjectsAreStable) {
  RecordingSurface surface;
  const ObjectHandle black = surface.GetStockObject(StockObject::BlackPen);
  EXPECT_EQ(black, RecordingSurface::StockHandle(StockObject::BlackPen));
  EXPECT_EQ(surface.GetStockObject(StockObject::BlackPen), black);
  EXPECT_EQ(Last(surface), (Record{"GetStockObject", {7}, "", static_cast<std::int64_t>(black.value)}));
  EXPECT_FALSE(surface.GetStockObject(static_cast<StockObject>(9))) << "no stock object 9";
  EXPECT_EQ(surface.Object(surface.GetStockObject(StockObject::NullBrush))->brush.lbStyle, kBsNull);
  EXPECT_EQ(surface.Object(surface.GetStockObject(StockObject::GrayBrush))->brush.lbColor, 0x808080u);
  EXPECT_EQ(surface.Object(surface.GetStockObject(StockObject::NullPen))->penStyle, PenStyle::Null);
  EXPECT_EQ(surface.Object(surface.GetStockObject(StockObject::DefaultGuiFont))->kind, ObjectKind::Font);
}

TEST(RecordingSurface, InitialSelections) {
  RecordingSurface surface;
  EXPECT_EQ(surface.Selected(ObjectKind::Pen), RecordingSurface::StockHandle(StockObject::BlackPen));
  EXPECT_EQ(surface.Selected(ObjectKind::Brush), RecordingSurface::StockHandle(StockObject::WhiteBrush));
  EXPECT_EQ(surface.Selected(ObjectKind::Font), RecordingSurface::StockHandle(StockObject::SystemFont));
  EXPECT_EQ(surface.Selected(ObjectKind::Bitmap), RecordingSurface::DefaultBitmapHandle());
  EXPECT_TRUE(surface.Records().empty());
}

TEST(RecordingSurface, SelectObjectReplacesTheSelectionOfItsKind) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Solid, 1, 0);
  const ObjectHandle brush = surface.CreateBrushIndirect(LogBrush{kBsSolid, 0x123456, 0});
  const ObjectHandle blackPen = RecordingSurface::StockHandle(StockObject::BlackPen);
  const ObjectHandle whiteBrush = RecordingSurface::StockHandle(StockObject::WhiteBrush);

  EXPECT_EQ(surface.SelectObject(pen), blackPen);
  EXPECT_EQ(Last(surface), (Record{"SelectObject", {static_cast<std::int64_t>(pen.value)}, "",
                                   static_cast<std::int64_t>(blackPen.value)}));
  EXPECT_EQ(surface.SelectObject(brush), whiteBrush);
  EXPECT_EQ(surface.Selected(ObjectKind::Pen), pen);
  EXPECT_EQ(surface.Selected(ObjectKind::Brush), brush);
  EXPECT_EQ(surface.SelectObject(pen), pen) << "selecting the selected one returns it";

  // Stock objects select like any other.
  const ObjectHandle nullPen = surface.GetStockObject(StockObject::NullPen);
  EXPECT_EQ(surface.SelectObject(nullPen), pen);
  EXPECT_EQ(surface.SelectObject(blackPen), nullPen);
  EXPECT_EQ(surface.SelectObject(whiteBrush), brush);

  // Unknown and deleted handles fail and change nothing.
  EXPECT_FALSE(surface.SelectObject(ObjectHandle{4242}));
  EXPECT_EQ(Last(surface), (Record{"SelectObject", {4242}, "", 0}));
  EXPECT_FALSE(surface.SelectObject(ObjectHandle{}));
  ASSERT_TRUE(surface.DeleteObject(pen));
  EXPECT_FALSE(surface.SelectObject(pen));
  EXPECT_EQ(surface.Selected(ObjectKind::Pen), blackPen);
  ASSERT_TRUE(surface.DeleteObject(brush));
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(RecordingSurface, DeleteObject) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Solid, 1, 0);
  EXPECT_TRUE(surface.DeleteObject(pen));
  EXPECT_EQ(Last(surface), (Record{"DeleteObject", {static_cast<std::int64_t>(pen.value)}, "", 1}));
  EXPECT_TRUE(surface.Object(pen)->deleted);
  EXPECT_TRUE(surface.DeleteObject(surface.GetStockObject(StockObject::BlackBrush))) << "stock: harmless";
  EXPECT_FALSE(surface.Object(RecordingSurface::StockHandle(StockObject::BlackBrush))->deleted);
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(RecordingSurface, CurrentPosition) {
  RecordingSurface surface;
  EXPECT_EQ(surface.CurrentPosition(), (Point{0, 0}));
  Point previous{-1, -1};
  EXPECT_TRUE(surface.MoveToEx(10, 20, &previous));
  EXPECT_EQ(previous, (Point{0, 0}));
  EXPECT_EQ(Last(surface), (Record{"MoveToEx", {10, 20}, "", 1}));
  EXPECT_TRUE(surface.MoveToEx(30, 40, nullptr));
  EXPECT_TRUE(surface.MoveToEx(50, 60, &previous));
  EXPECT_EQ(previous, (Point{30, 40}));
  EXPECT_TRUE(surface.LineTo(100, 200));
  EXPECT_EQ(Last(surface), (Record{"LineTo", {100, 200}, "", 1}));
  EXPECT_EQ(surface.CurrentPosition(), (Point{100, 200}));

  // Shapes that do not move it.
  EXPECT_TRUE(surface.Rectangle(1, 2, 3, 4));
  EXPECT_TRUE(surface.Ellipse(5, 6, 7, 8));
  EXPECT_TRUE(surface.Arc(0, 0, 100, 100, 100, 50, 50, 0));
  EXPECT_TRUE(surface.Chord(0, 0, 100, 100, 100, 50, 50, 0));
  const std::array<Point, 4> curve{{{0, 0}, {10, 10}, {20, 10}, {30, 0}}};
  EXPECT_TRUE(surface.PolyBezier(curve));
  EXPECT_TRUE(surface.TextOutA(7, 7, "x"));
  EXPECT_EQ(surface.CurrentPosition(), (Point{100, 200}));
}

TEST(RecordingSurface, ArcToMovesToTheArcEnd) {
  RecordingSurface surface;
  // Circle centred (50, 50), radius 50; end ray towards (50, -100): the top.
  EXPECT_TRUE(surface.ArcTo(0, 0, 100, 100, 100, 50, 50, -100));
  EXPECT_EQ(Last(surface), (Record{"ArcTo", {0, 0, 100, 100, 100, 50, 50, -100}, "", 1}));
  EXPECT_EQ(surface.CurrentPosition(), (Point{50, 0}));
  // Ellipse centred (100, 50) with radii 100 and 50; the ray towards
  // (300, 150) is (100, 50) + k (200, 100) and meets it at k = 1 / sqrt(8):
  // (170.7, 85.4).
  EXPECT_TRUE(surface.ArcTo(0, 0, 200, 100, 0, 50, 300, 150));
  EXPECT_EQ(surface.CurrentPosition(), (Point{171, 85}));
  // Degenerate ellipse: the end point itself.
  EXPECT_TRUE(surface.ArcTo(10, 10, 10, 50, 0, 0, 33, 44));
  EXPECT_EQ(surface.CurrentPosition(), (Point{33, 44}));
}

TEST(RecordingSurface, ShapesRecordTheirArguments) {
  RecordingSurface surface;
  surface.Rectangle(1, 2, 3, 4);
  surface.Ellipse(5, 6, 7, 8);
  surface.Arc(1, 2, 3, 4, 5, 6, 7, 8);
  surface.Chord(8, 7, 6, 5, 4, 3, 2, 1);
  const std::array<Point, 7> curve{{{0, 0}, {1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}}};
  surface.PolyBezier(curve);
  const std::vector<Record> expected{
      {"Rectangle", {1, 2, 3, 4}, "", 1},
      {"Ellipse", {5, 6, 7, 8}, "", 1},
      {"Arc", {1, 2, 3, 4, 5, 6, 7, 8}, "", 1},
      {"Chord", {8, 7, 6, 5, 4, 3, 2, 1}, "", 1},
      {"PolyBezier", {0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, "", 1},
  };
  EXPECT_EQ(surface.Records(), expected) << surface.Dump();
  const std::array<Point, 3> tooFew{{{0, 0}, {1, 1}, {2, 2}}};
  EXPECT_FALSE(surface.PolyBezier(tooFew));
  const std::array<Point, 5> notOnePlusThree{{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}};
  EXPECT_FALSE(surface.PolyBezier(notOnePlusThree));
}

TEST(RecordingSurface, ArcDirection) {
  RecordingSurface surface;
  EXPECT_EQ(surface.ArcDirection(), kAdCounterClockwise);
  EXPECT_EQ(surface.SetArcDirection(kAdClockwise), kAdCounterClockwise);
  EXPECT_EQ(Last(surface), (Record{"SetArcDirection", {2}, "", 1}));
  EXPECT_EQ(surface.ArcDirection(), kAdClockwise);
  EXPECT_EQ(surface.SetArcDirection(7), 0);
  EXPECT_EQ(surface.ArcDirection(), kAdClockwise);
  EXPECT_EQ(surface.SetArcDirection(kAdCounterClockwise), kAdClockwise);
}

TEST(RecordingSurface, Pixels) {
  RecordingSurface surface;
  EXPECT_EQ(surface.GetPixel(10, 10), 0xFFFFFFu) << "a page pixel never set is white";
  EXPECT_EQ(surface.SetPixel(10, 10, Rgb(1, 2, 3)), Rgb(1, 2, 3));
  EXPECT_EQ(Last(surface), (Record{"SetPixel", {10, 10, 0x030201}, "", 0x030201}));
  EXPECT_EQ(surface.GetPixel(10, 10), Rgb(1, 2, 3));
  EXPECT_EQ(Last(surface), (Record{"GetPixel", {10, 10}, "", 0x030201}));
  EXPECT_TRUE(surface.SetPixelV(4799, 6813, 0x00ABCDEF));
  EXPECT_EQ(surface.GetPixel(4799, 6813), 0x00ABCDEFu);
  EXPECT_EQ(surface.SetPixel(0, 0, 0xFF000000u), 0u) << "only the colour bits are kept";
  EXPECT_EQ(surface.PixelsSet(), 3u);

  EXPECT_EQ(surface.GetPixel(-1, 0), kInvalidColour);
  EXPECT_EQ(surface.GetPixel(4800, 0), kInvalidColour);
  EXPECT_EQ(surface.GetPixel(0, 6814), kInvalidColour);
  EXPECT_EQ(surface.SetPixel(4800, 0, 0), kInvalidColour);
  EXPECT_EQ(Last(surface).result, 4294967295);
  EXPECT_FALSE(surface.SetPixelV(0, -1, 0));
  EXPECT_EQ(surface.PixelsSet(), 3u);
}

TEST(RecordingSurface, TextColoursAndModes) {
  RecordingSurface surface;
  EXPECT_EQ(surface.TextColour(), 0u);
  EXPECT_EQ(surface.BkColour(), 0xFFFFFFu);
  EXPECT_EQ(surface.BkMode(), kOpaque);
  EXPECT_EQ(surface.SetTextColor(Rgb(70, 70, 70)), 0u);
  EXPECT_EQ(Last(surface), (Record{"SetTextColor", {0x464646}, "", 0}));
  EXPECT_EQ(surface.SetTextColor(0), Rgb(70, 70, 70));
  EXPECT_EQ(surface.SetBkColor(0x00FF00), 0xFFFFFFu);
  EXPECT_EQ(surface.BkColour(), 0x00FF00u);
  EXPECT_EQ(surface.SetBkMode(kTransparent), kOpaque);
  EXPECT_EQ(Last(surface), (Record{"SetBkMode", {1}, "", 2}));
  EXPECT_EQ(surface.BkMode(), kTransparent);
  EXPECT_EQ(surface.SetBkMode(3), 0) << "invalid mode";
  EXPECT_EQ(surface.BkMode(), kTransparent);
}

TEST(RecordingSurface, TextOut) {
  RecordingSurface surface;
  EXPECT_TRUE(surface.TextOutA(12, 34, "Hello, \"world\"\r\n"));
  EXPECT_EQ(Last(surface), (Record{"TextOutA", {12, 34}, "Hello, \"world\"\r\n", 1}));
  EXPECT_EQ(Last(surface).ToString(), "TextOutA(12, 34, \"Hello, \\\"world\\\"\\r\\n\") -> 1");
}

TEST(RecordingSurface, DrawTextRecordsTheCallThenItsLines) {
  RecordingSurface surface;  // default font: 50 high, 25 wide
  Rect rect{0, 0, 250, 1000};
  EXPECT_EQ(surface.DrawTextA("0123456789 abc", rect, 0x2810), 100);
  const std::vector<Record> expected{
      {"DrawTextA", {0, 0, 250, 1000, 0x2810}, "0123456789 abc", 100},
      {"TextOutA", {0, 0}, "0123456789", 1, true},
      {"TextOutA", {0, 50}, "abc", 1, true},
  };
  EXPECT_EQ(surface.Records(), expected) << surface.Dump();
  EXPECT_EQ(surface.Dump(),
            "DrawTextA(0, 0, 250, 1000, 10256, \"0123456789 abc\") -> 100\n"
            "  TextOutA(0, 0, \"0123456789\") -> 1\n"
            "  TextOutA(0, 50, \"abc\") -> 1\n");
  EXPECT_EQ(surface.TopLevelRecords(), std::vector<Record>{expected[0]});

  Rect measure{0, 0, 250, 0};
  EXPECT_EQ(surface.DrawTextA("abc", measure, kDtSingleLine | kDtCalcRect), 50);
  EXPECT_EQ(measure, (Rect{0, 0, 75, 50}));
  EXPECT_EQ(Last(surface).op, "DrawTextA");

  surface.FailNext("DrawTextA");
  EXPECT_EQ(surface.DrawTextA("abc", rect, 0), 0);
  EXPECT_EQ(Last(surface), (Record{"DrawTextA", {0, 0, 250, 1000, 0}, "abc", 0}));
}

TEST(RecordingSurface, RecordsOfAndClear) {
  RecordingSurface surface;
  surface.MoveToEx(1, 1, nullptr);
  surface.LineTo(2, 2);
  surface.LineTo(3, 3);
  EXPECT_EQ(surface.RecordsOf("LineTo"),
            (std::vector<Record>{{"LineTo", {2, 2}, "", 1}, {"LineTo", {3, 3}, "", 1}}));
  EXPECT_TRUE(surface.RecordsOf("Ellipse").empty());
  surface.ClearRecords();
  EXPECT_TRUE(surface.Records().empty());
  EXPECT_EQ(surface.CurrentPosition(), (Point{3, 3})) << "clearing the records keeps the state";
}

TEST(RecordingSurface, DumpWritesColoursInHex) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Solid, 2, Rgb(0, 128, 255));
  surface.SetBkColor(0x0000FF);
  surface.GetPixel(-5, 0);
  std::ostringstream out;
  out << surface.Records()[0];
  EXPECT_EQ(out.str(), "CreatePen(0, 2, 0xFF8000) -> " + std::to_string(pen.value));
  EXPECT_EQ(surface.Records()[1].ToString(), "SetBkColor(0x0000FF) -> 0xFFFFFF");
  EXPECT_EQ(surface.Records()[2].ToString(), "GetPixel(-5, 0) -> 0xFFFFFFFF");
  surface.DeleteObject(pen);
}

TEST(RecordingSurface, FailureInjection) {
  RecordingSurface surface;
  surface.FailNext("CreatePen", 2);
  EXPECT_FALSE(surface.CreatePen(PenStyle::Solid, 1, 0));
  EXPECT_FALSE(surface.CreatePen(PenStyle::Solid, 1, 0));
  const ObjectHandle pen = surface.CreatePen(PenStyle::Solid, 1, 0);
  EXPECT_TRUE(pen);
  surface.FailNext("LineTo");
  EXPECT_FALSE(surface.LineTo(5, 5));
  EXPECT_EQ(surface.CurrentPosition(), (Point{0, 0})) << "a failed call has no effect";
  EXPECT_EQ(Last(surface), (Record{"LineTo", {5, 5}, "", 0}));
  surface.FailNext("SetPixel");
  EXPECT_EQ(surface.SetPixel(1, 1, 0), kInvalidColour);
  surface.FailNext("GetTextMetricsA");
  TextMetrics metrics;
  EXPECT_FALSE(surface.GetTextMetricsA(metrics));
  surface.FailNext("SetTextColor");
  EXPECT_EQ(surface.SetTextColor(0x123456), kInvalidColour);
  EXPECT_EQ(surface.TextColour(), 0u);
  EXPECT_TRUE(surface.DeleteObject(pen));
  EXPECT_EQ(surface.HygieneReport(), "");
}

}  // namespace
}  // namespace veltrim
