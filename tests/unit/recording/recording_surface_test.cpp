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

// The records as the unit tests read them: colours as 0x00BBGGRR, texts quoted, failures injected without effect on
// the state. (The state kept as GDI keeps it: the conformance table.)
TEST(RecordingSurface, RecordsEveryCallAndKeepsTheStateGdiWould) {
  RecordingSurface s;  // 600 dpi A4: the default font is 50 high
  Size size;
  const std::array<Point, 4> curve{{{0, 0}, {1, 2}, {3, 4}, {5, 6}}};
  const std::pair<std::function<void()>, const char*> script[] = {
      {[&] { s.GetTextExtentPoint32A("a &\r\n", size); }, "GetTextExtentPoint32A(\"a &\\r\\n\") -> 1"},
      {[&] { s.CreatePen(PenStyle::Dash, 3, Rgb(255, 0, 0)); }, "CreatePen(1, 3, 0x0000FF) -> 1"},
      {[&] { s.CreateBrushIndirect({kBsHatched, Rgb(0, 0, 255), 3}); }, "CreateBrushIndirect(2, 0xFF0000, 3) -> 2"},
      {[&] { s.CreateBrushIndirect({3, 0, 0}); }, "CreateBrushIndirect(3, 0x000000, 0) -> 0"},  // pattern brush
      {[&] { s.SelectObject(ObjectHandle{1}); }, "SelectObject(1) -> 1000007"},
      {[&] { s.Chord(8, 7, 6, 5, 4, 3, 2, 1); }, "Chord(8, 7, 6, 5, 4, 3, 2, 1) -> 1"},
      {[&] { s.PolyBezier(curve); }, "PolyBezier(0, 0, 1, 2, 3, 4, 5, 6) -> 1"},
      {[&] { s.TextOutA(12, 34, "Hi \"x\"\r\n"); }, "TextOutA(12, 34, \"Hi \\\"x\\\"\\r\\n\") -> 1"},
      // ArcTo on a degenerate ellipse ends on the end point itself (the usual end: the conformance table).
      {[&] { s.ArcTo(10, 10, 10, 50, 0, 0, 33, 44); }, "ArcTo(10, 10, 10, 50, 0, 0, 33, 44) -> 1"},
      {[&] { s.SetPixel(0, 0, 0xFF000000); }, "SetPixel(0, 0, 0xFF000000) -> 0x000000"},  // the colour bits only
      {[&] { s.SetTextColor(Rgb(70, 70, 70)); }, "SetTextColor(0x464646) -> 0x000000"},
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
  EXPECT_EQ(std::tuple(s.CurrentPosition(), s.TextColour()), std::tuple(Point{33, 44}, Rgb(70, 70, 70)));
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
    if (!c.font) continue;
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
}

// A loaded bitmap is a created object: sized, blitted and recorded, refused where it is not a bitmap, and reported
// until deleted. (Decoding: tests/unit/support; copies at their pixels: the conformance table.)
TEST(RecordingSurface, LoadedBitmapsAreBlittedRecordedAndMustBeDeleted) {
  const test::ScratchDir dir;
  RecordingSurface s;
  const std::vector<std::uint32_t> rgb(37 * 21, 0x123456);
  const std::vector<std::uint8_t> bytes = test::BmpBytes(37, 21, rgb, true);
  const std::string path = dir.Write("picture.bmp", std::string(bytes.begin(), bytes.end()));
  const ObjectHandle bitmap = s.LoadBitmapFile(path.c_str());
  ASSERT_TRUE(bitmap);
  const auto b = static_cast<std::int64_t>(bitmap.value);
  Size size;
  ASSERT_TRUE(s.GetBitmapSize(bitmap, size));
  EXPECT_EQ(size, (Size{37, 21}));
  // Of the quoted path (backslashes doubled) only the name is checked.
  const std::string report = s.HygieneReport();
  EXPECT_TRUE(report.starts_with("bitmap " + N(bitmap) + " from LoadBitmapFile(\"") &&
              report.ends_with("picture.bmp\") was never deleted\n")) << report;
  s.ClearRecords();
  EXPECT_TRUE(s.StretchBlt(0, 0, 4800, 4800, bitmap, 1, 2, 8, 7));
  const ObjectHandle pen = s.GetStockObject(StockObject::BlackPen);
  EXPECT_FALSE(s.BitBlt(0, 0, 1, 1, pen, 0, 0)) << "not a bitmap";
  const auto p = static_cast<std::int64_t>(pen.value);
  EXPECT_EQ(s.Records(), (std::vector<Record>{{"StretchBlt", {0, 0, 4800, 4800, b, 1, 2, 8, 7}, "", 1},
                                              {"GetStockObject", {7}, "", p},
                                              {"BitBlt", {0, 0, 1, 1, p, 0, 0}, "", 0}}));
  EXPECT_EQ(s.SelectObject(bitmap), RecordingSurface::DefaultBitmapHandle());
  EXPECT_EQ(s.Selected(ObjectKind::Pen), RecordingSurface::StockHandle(StockObject::BlackPen));
  s.SelectObject(RecordingSurface::DefaultBitmapHandle());
  EXPECT_TRUE(s.DeleteObject(bitmap));
  EXPECT_EQ(s.HygieneReport(), "");
}

TEST(Hygiene, ReportsEachFaultInOrderOfKind) {
  // Each case acts on a fresh surface and answers the report it expects.
  const std::pair<const char*, std::function<std::string(RecordingSurface&)>> cases[] = {
      {"never deleted", [](RecordingSurface& s) {
        const ObjectHandle pen = s.CreatePen(PenStyle::Dash, 2, Rgb(255, 0, 0));
        const ObjectHandle brush = s.CreateBrushIndirect(LogBrush{kBsSolid, 0x00FF00, 0});
        const ObjectHandle created = s.CreateFontIndirectA(Font(-40, 0, 0, "Arial"));
        return "pen " + N(pen) + " from CreatePen(dash, 2, 0x0000FF) was never deleted\n" + "brush " + N(brush) +
               " from CreateBrushIndirect(0, 0x00FF00, 0) was never deleted\n" + "font " + N(created) +
               " from CreateFontIndirectA(height -40, width 0, weight 0, \"Arial\") was never deleted\n";
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

TEST(ScopedObject, PenRestoredAndDeletedOnceAFailedCreationDoesNothing) {
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
}

}  // namespace
}  // namespace veltrim
