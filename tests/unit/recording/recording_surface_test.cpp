// The recording surface: every call recorded with its arguments and result and its effect on the state, bitmap files
// decoded, blitted, selected and deleted, and object hygiene with the scoped helpers that keep it.
#include "backends/recording/recording_surface.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <optional>

#include "../support/scratch_dir.hpp"
#include "core/platform/scoped_object.hpp"
#include "test_bitmap.hpp"

namespace veltrim {
namespace {

LogFont Font(int height, int width = 0, int weight = 0, const char* face = "Times New Roman") {
  LogFont font;
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfWeight = weight;
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", face);
  return font;
}

std::string N(ObjectHandle handle) { return std::to_string(handle.value); }

TEST(RecordingSurface, RecordsEveryCallAndKeepsTheStateGdiWould) {
  RecordingSurface s;  // 600 dpi A4: the default font is 50 high
  Size size;
  Point previous{-1, -1};
  const std::array<Point, 4> curve{{{0, 0}, {1, 2}, {3, 4}, {5, 6}}};
  std::vector<Point> positions;
  const auto arcTo = [&](int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    s.ArcTo(l, t, r, b, xs, ys, xe, ye);
    positions.push_back(s.CurrentPosition());
  };
  const std::pair<std::function<void()>, const char*> script[] = {
      {[&] { s.GetTextExtentPoint32A("a &\r\n", size); }, "GetTextExtentPoint32A(\"a &\\r\\n\") -> 1"},
      {[&] { s.CreatePen(PenStyle::Dash, 3, Rgb(255, 0, 0)); }, "CreatePen(1, 3, 0x0000FF) -> 1"},
      {[&] { s.CreateBrushIndirect({kBsHatched, Rgb(0, 0, 255), 3}); }, "CreateBrushIndirect(2, 0xFF0000, 3) -> 2"},
      {[&] { s.CreateBrushIndirect({3, 0, 0}); }, "CreateBrushIndirect(3, 0x000000, 0) -> 0"},  // pattern brush
      {[&] { s.GetStockObject(StockObject::BlackPen); }, "GetStockObject(7) -> 1000007"},
      {[&] { s.SelectObject(ObjectHandle{1}); }, "SelectObject(1) -> 1000007"},
      {[&] { s.MoveToEx(10, 20, &previous); }, "MoveToEx(10, 20) -> 1"},
      {[&] { s.LineTo(100, 200); }, "LineTo(100, 200) -> 1"},
      {[&] { s.Rectangle(1, 2, 3, 4); }, "Rectangle(1, 2, 3, 4) -> 1"},
      {[&] { s.Ellipse(5, 6, 7, 8); }, "Ellipse(5, 6, 7, 8) -> 1"},
      {[&] { s.Arc(1, 2, 3, 4, 5, 6, 7, 8); }, "Arc(1, 2, 3, 4, 5, 6, 7, 8) -> 1"},
      {[&] { s.Chord(8, 7, 6, 5, 4, 3, 2, 1); }, "Chord(8, 7, 6, 5, 4, 3, 2, 1) -> 1"},
      {[&] { s.PolyBezier(curve); }, "PolyBezier(0, 0, 1, 2, 3, 4, 5, 6) -> 1"},
      {[&] { s.PolyBezier(std::span(curve).first(3)); }, "PolyBezier(0, 0, 1, 2, 3, 4) -> 0"},
      {[&] { s.TextOutA(12, 34, "Hi \"x\"\r\n"); }, "TextOutA(12, 34, \"Hi \\\"x\\\"\\r\\n\") -> 1"},
      // ArcTo on a degenerate ellipse ends on the end point itself (the usual end: the conformance table).
      {[&] { arcTo(10, 10, 10, 50, 0, 0, 33, 44); }, "ArcTo(10, 10, 10, 50, 0, 0, 33, 44) -> 1"},
      {[&] { s.SetArcDirection(kAdClockwise); }, "SetArcDirection(2) -> 1"},
      {[&] { s.SetPixelV(4799, 6813, 0xABCDEF); }, "SetPixelV(4799, 6813, 0xABCDEF) -> 1"},
      {[&] { s.SetPixel(0, 0, 0xFF000000); }, "SetPixel(0, 0, 0xFF000000) -> 0x000000"},  // the colour bits only
      {[&] { s.SetTextColor(Rgb(70, 70, 70)); }, "SetTextColor(0x464646) -> 0x000000"},
      {[&] { s.SetBkColor(0x00FF00); }, "SetBkColor(0x00FF00) -> 0xFFFFFF"},
      {[&] { s.SetBkMode(kTransparent); }, "SetBkMode(1) -> 2"},
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
  EXPECT_EQ(positions, (std::vector<Point>{{33, 44}}));
  EXPECT_EQ(std::pair(s.Object(ObjectHandle{1})->penStyle, s.Object(ObjectHandle{2})->brush.lbHatch),
            std::pair(PenStyle::Dash, std::uintptr_t{3}));
  EXPECT_EQ(std::tuple(s.ArcDirection(), s.PixelsSet(), s.GetPixel(4799, 6813)),
            std::tuple(kAdClockwise, 2u, 0xABCDEFu));
  EXPECT_EQ(std::tuple(s.TextColour(), s.BkColour(), s.BkMode()), std::tuple(Rgb(70, 70, 70), 0x00FF00u, kTransparent));
  EXPECT_EQ(s.RecordsOf("ArcTo").size(), 1u);
  s.ClearRecords();
  EXPECT_TRUE(s.Records().empty());
  EXPECT_EQ(s.CurrentPosition(), (Point{33, 44})) << "clearing the records keeps the state";
  s.SelectObject(RecordingSurface::StockHandle(StockObject::BlackPen));
  EXPECT_TRUE(s.DeleteObject(ObjectHandle{1}) && s.DeleteObject(ObjectHandle{2}));
  EXPECT_EQ(s.HygieneReport(), "");
  // The first selections and colours show in the script and the hygiene reports; the stock objects' own here.
  const auto stock = [&](StockObject which) { return s.Object(s.GetStockObject(which)); };
  EXPECT_EQ(std::pair(stock(StockObject::NullBrush)->brush.lbStyle, stock(StockObject::GrayBrush)->brush.lbColor),
            std::pair(kBsNull, 0x808080u));
  EXPECT_EQ(std::pair(stock(StockObject::NullPen)->penStyle, stock(StockObject::DefaultGuiFont)->kind),
            std::pair(PenStyle::Null, ObjectKind::Font));
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

std::string Bitmap24(int width, int height, bool topDown = false) {
  std::vector<std::uint32_t> rgb(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint32_t>(i * 0x0D0701) & 0xFFFFFF;
  const std::vector<std::uint8_t> bytes = test::BmpBytes(width, height, rgb, topDown);
  return std::string(bytes.begin(), bytes.end());
}

// The files go to a scratch folder, so the tests run the same natively and under Wine.
class BitmapFile : public ::testing::Test {
 protected:
  const test::ScratchDir dir_;
  RecordingSurface surface_;
};

TEST_F(BitmapFile, LoadsAndSizesABitmapBottomUpOrTopDown) {
  for (const bool topDown : {false, true}) {
    const std::string path = dir_.Write("picture.bmp", Bitmap24(37, 21, topDown));
    const ObjectHandle bitmap = surface_.LoadBitmapFile(path.c_str());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(surface_.Records().back(), (Record{"LoadBitmapFile", {}, path, static_cast<std::int64_t>(bitmap.value)}));
    Size size;
    ASSERT_TRUE(surface_.GetBitmapSize(bitmap, size));
    EXPECT_EQ(std::tuple(size.cx, size.cy, surface_.Object(bitmap)->kind, surface_.Object(bitmap)->path),
              std::tuple(37, 21, ObjectKind::Bitmap, path));
    // A loaded bitmap is an object to delete; of its quoted path (backslashes doubled) only the name is checked.
    const std::string report = surface_.HygieneReport();
    EXPECT_TRUE(report.starts_with("bitmap " + N(bitmap) + " from LoadBitmapFile(\"") &&
                report.ends_with("picture.bmp\") was never deleted\n")) << report;
    EXPECT_TRUE(surface_.DeleteObject(bitmap));
    EXPECT_FALSE(surface_.GetBitmapSize(bitmap, size)) << "deleted";
    EXPECT_EQ(surface_.HygieneReport(), "");
  }
}

TEST_F(BitmapFile, MissingOrBadFilesGiveNone) {
  // A PNG signature too: stb_image is built for BMP only, as LoadImageA reads BMP only.
  for (const std::string& path : {dir_.Path("missing.bmp"), dir_.Write("empty.bmp", ""),
                                  dir_.Write("text.bmp", "this is no bitmap at all, only words"),
                                  dir_.Write("cut.bmp", Bitmap24(8, 8).substr(0, 20)),
                                  dir_.Write("image.png", "\x89PNG\r\n\x1a\n0000000000000000")})
    EXPECT_FALSE(surface_.LoadBitmapFile(path.c_str())) << path;
  EXPECT_FALSE(surface_.LoadBitmapFile(nullptr));
  for (const Record& record : surface_.RecordsOf("LoadBitmapFile")) EXPECT_EQ(record.result, 0) << record;
  EXPECT_EQ(surface_.HygieneReport(), "");
}

TEST_F(BitmapFile, BlitsRecordTheirArgumentsAndASelectedBitmapReplacesTheDefault) {
  const ObjectHandle bitmap = surface_.LoadBitmapFile(dir_.Write("blit.bmp", Bitmap24(10, 10)).c_str());
  ASSERT_TRUE(bitmap);
  const auto b = static_cast<std::int64_t>(bitmap.value);
  surface_.ClearRecords();
  EXPECT_TRUE(surface_.BitBlt(100, 200, 10, 10, bitmap, 0, 0));
  EXPECT_TRUE(surface_.StretchBlt(0, 0, 4800, 4800, bitmap, 1, 2, 8, 7));
  EXPECT_FALSE(surface_.BitBlt(0, 0, 1, 1, ObjectHandle{999}, 0, 0)) << "unknown bitmap";
  const ObjectHandle pen = surface_.GetStockObject(StockObject::BlackPen);
  EXPECT_FALSE(surface_.StretchBlt(0, 0, 1, 1, pen, 0, 0, 1, 1)) << "not a bitmap";
  const std::vector<Record> expected{
      {"BitBlt", {100, 200, 10, 10, b, 0, 0}, "", 1}, {"StretchBlt", {0, 0, 4800, 4800, b, 1, 2, 8, 7}, "", 1},
      {"BitBlt", {0, 0, 1, 1, 999, 0, 0}, "", 0}, {"GetStockObject", {7}, "", static_cast<std::int64_t>(pen.value)},
      {"StretchBlt", {0, 0, 1, 1, static_cast<std::int64_t>(pen.value), 0, 0, 1, 1}, "", 0},
  };
  EXPECT_EQ(surface_.Records(), expected) << surface_.Dump();
  // Selected, a bitmap replaces the default bitmap.
  const ObjectHandle old = surface_.SelectObject(bitmap);
  EXPECT_EQ(old, RecordingSurface::DefaultBitmapHandle());
  EXPECT_EQ(surface_.Selected(ObjectKind::Bitmap), bitmap);
  EXPECT_EQ(surface_.Selected(ObjectKind::Pen), RecordingSurface::StockHandle(StockObject::BlackPen));
  EXPECT_FALSE(surface_.DeleteObject(bitmap)) << "selected";
  surface_.SelectObject(old);
  EXPECT_TRUE(surface_.DeleteObject(bitmap));
  ASSERT_EQ(surface_.Problems().size(), 1u);
  EXPECT_NE(surface_.Problems()[0].find("deleted while selected"), std::string::npos);
  EXPECT_FALSE(surface_.BitBlt(0, 0, 1, 1, bitmap, 0, 0)) << "deleted bitmap";
}

TEST(Hygiene, ReportsEachFaultInOrderOfKind) {
  // Each case acts on a fresh surface and answers the report it expects.
  const std::pair<const char*, std::function<std::string(RecordingSurface&)>> cases[] = {
      {"nothing happens", [](RecordingSurface&) { return ""; }},
      {"create, select, restore, delete", [](RecordingSurface& s) {
        const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 2, Rgb(255, 0, 0));
        const ObjectHandle old = s.SelectObject(pen);
        s.LineTo(10, 10);
        s.SelectObject(old);
        EXPECT_TRUE(s.DeleteObject(pen));
        EXPECT_TRUE(s.Object(pen)->deleted);
        return "";
      }},
      {"never deleted", [](RecordingSurface& s) {
        const ObjectHandle pen = s.CreatePen(PenStyle::Dash, 2, Rgb(255, 0, 0));
        const ObjectHandle brush = s.CreateBrushIndirect(LogBrush{kBsSolid, 0x00FF00, 0});
        const ObjectHandle created = s.CreateFontIndirectA(Font(-40, 0, 0, "Arial"));
        return "pen " + N(pen) + " from CreatePen(dash, 2, 0x0000FF) was never deleted\n" + "brush " + N(brush) +
               " from CreateBrushIndirect(0, 0x00FF00, 0) was never deleted\n" + "font " + N(created) +
               " from CreateFontIndirectA(height -40, width 0, weight 0, \"Arial\") was never deleted\n";
      }},
      {"selection not restored", [](RecordingSurface& s) {
        s.SelectObject(s.GetStockObject(StockObject::NullPen));
        s.SelectObject(s.GetStockObject(StockObject::GrayBrush));
        return "the pen selection was not restored: stock NULL_PEN is selected, stock BLACK_PEN was at the start\n"
               "the brush selection was not restored: stock GRAY_BRUSH is selected, stock WHITE_BRUSH was at the "
               "start\n";
      }},
      {"restored and put back", [](RecordingSurface& s) {
        s.SelectObject(s.GetStockObject(StockObject::NullPen));
        s.SelectObject(RecordingSurface::StockHandle(StockObject::BlackPen));
        return "";
      }},
      {"created object left selected", [](RecordingSurface& s) {
        const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 1, 0);
        s.SelectObject(pen);
        return "pen " + N(pen) + " from CreatePen(solid, 1, 0x000000) was never deleted (still selected)\n" +
               "the pen selection was not restored: pen " + N(pen) +
               " is selected, stock BLACK_PEN was at the start\n";
      }},
      {"deleted while selected, then properly", [](RecordingSurface& s) {
        const ObjectHandle brush = s.CreateBrushIndirect(LogBrush{kBsSolid, 0, 0});
        const ObjectHandle old = s.SelectObject(brush);
        EXPECT_FALSE(s.DeleteObject(brush)) << "GDI refuses to delete a selected object";
        EXPECT_FALSE(s.Object(brush)->deleted);
        s.SelectObject(old);
        EXPECT_TRUE(s.DeleteObject(brush));
        return "DeleteObject(" + N(brush) + "): brush " + N(brush) +
               " from CreateBrushIndirect(0, 0x000000, 0) is still selected; not deleted (deleted while selected)\n";
      }},
      {"double delete", [](RecordingSurface& s) {
        const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 1, 0);
        EXPECT_TRUE(s.DeleteObject(pen));
        EXPECT_FALSE(s.DeleteObject(pen));
        return "DeleteObject(" + N(pen) + "): pen " + N(pen) + " was already deleted (double delete)\n";
      }},
      {"unknown handles", [](RecordingSurface& s) {
        EXPECT_FALSE(s.DeleteObject(ObjectHandle{777}));
        EXPECT_FALSE(s.DeleteObject(ObjectHandle{}));
        return "DeleteObject(777): unknown handle\nDeleteObject(0): no object (handle 0)\n";
      }},
      {"stock objects deleted", [](RecordingSurface& s) {
        for (const StockObject which : {StockObject::WhiteBrush, StockObject::BlackPen, StockObject::SystemFont})
          EXPECT_TRUE(s.DeleteObject(s.GetStockObject(which)));
        EXPECT_TRUE(s.DeleteObject(RecordingSurface::DefaultBitmapHandle()));
        EXPECT_FALSE(s.Object(RecordingSurface::StockHandle(StockObject::BlackPen))->deleted);
        EXPECT_EQ(s.SelectObject(s.GetStockObject(StockObject::NullPen)),
                  RecordingSurface::StockHandle(StockObject::BlackPen))
            << "a deleted stock object is still usable";
        s.SelectObject(RecordingSurface::StockHandle(StockObject::BlackPen));
        return "";
      }},
      {"every kind at once", [](RecordingSurface& s) {
        const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 1, 0);
        s.SelectObject(pen);
        s.DeleteObject(pen);
        s.DeleteObject(ObjectHandle{9});
        return "DeleteObject(" + N(pen) + "): pen " + N(pen) +
               " from CreatePen(solid, 1, 0x000000) is still selected; not deleted (deleted while selected)\n"
               "DeleteObject(9): unknown handle\npen " + N(pen) +
               " from CreatePen(solid, 1, 0x000000) was never deleted (still selected)\nthe pen selection was not "
               "restored: pen " + N(pen) + " is selected, stock BLACK_PEN was at the start\n";
      }},
  };
  for (const auto& [name, act] : cases) {
    RecordingSurface surface;
    const std::string expected = act(surface);
    EXPECT_EQ(surface.HygieneReport(), expected) << name;
    EXPECT_EQ(surface.Problems().size(), static_cast<std::size_t>(std::count(expected.begin(), expected.end(), '\n')));
  }
}

TEST(ScopedObject, PenSelectedRestoredDeletedOnceAndAFailedCreationDoesNothing) {
  RecordingSurface surface;
  const auto black = static_cast<std::int64_t>(RecordingSurface::StockHandle(StockObject::BlackPen).value);
  std::int64_t pen = 0;
  {
    ScopedObject first = ScopedPen(surface, PenStyle::Solid, 3, Rgb(0, 0, 255));
    const ScopedObject scoped(std::move(first));
    pen = static_cast<std::int64_t>(scoped.Get().value);
    surface.LineTo(5, 5);
  }
  EXPECT_EQ(surface.Records(), (std::vector<Record>{{"CreatePen", {0, 3, 0xFF0000}, "", pen},
                                                    {"SelectObject", {pen}, "", black}, {"LineTo", {5, 5}, "", 1},
                                                    {"SelectObject", {black}, "", pen},
                                                    {"DeleteObject", {pen}, "", 1}}));
  surface.ClearRecords();
  surface.FailNext("CreatePen");
  EXPECT_FALSE(ScopedPen(surface, PenStyle::Solid, 1, 0).Get());
  EXPECT_EQ(surface.Selected(ObjectKind::Pen), RecordingSurface::StockHandle(StockObject::BlackPen));
  EXPECT_TRUE(surface.RecordsOf("DeleteObject").empty());
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(ScopedSelection, StockObjectIsSelectedAndTheOldOneRestored) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Solid, 1, 0);
  const ObjectHandle original = surface.SelectObject(pen);
  {
    const ScopedSelection nullPen(surface, surface.GetStockObject(StockObject::NullPen));
    EXPECT_EQ(surface.Selected(ObjectKind::Pen), RecordingSurface::StockHandle(StockObject::NullPen));
  }
  EXPECT_EQ(surface.Selected(ObjectKind::Pen), pen) << "the old object comes back";
  surface.SelectObject(original);
  surface.DeleteObject(pen);
  EXPECT_EQ(surface.HygieneReport(), "");
}

}  // namespace
}  // namespace veltrim
