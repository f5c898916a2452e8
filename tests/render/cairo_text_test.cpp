// The cairo surface's text against GDI's rules: LOGFONT metrics, mapped faces and ink where the cell and styles put
// it.
#include <algorithm>
#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

#include "core/platform/scoped_object.hpp"
#include "render_support.hpp"

namespace veltrim::test {
namespace {

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
// TextOut.
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
}

TEST(CairoText, FacesMapToMetricCompatibleFreeFonts) {
  // Pitch and family 0x31 are fixed and modern, 0x12 variable and roman.
  struct Mapping { const char* face; int weight; bool italic; std::uint8_t pitchAndFamily; const char* expected; };
  const Mapping mappings[] = {
      {"Times New Roman", 400, false, 0, "Liberation Serif Regular"}, {"Arial", 700, false, 0, "Liberation Sans Bold"},
      {"Courier", 700, true, 0, "Liberation Mono Bold Italic"},
      {"lucida console", 400, false, 0, "DejaVu Sans Mono Book"},
      {"MS Sans Serif", 400, false, 0, "Liberation Sans Regular"},
      {"No Such Face", 400, false, 0x31, "Liberation Mono Regular"},
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

// Ink boxes of text: on the baseline, smaller letters for the same height as a cell, centred by DrawText through the
// shared layout routine. (The underline: the conformance table.)
TEST(CairoText, BaselineCellHeightAndDrawTextPlaceTheInk) {
  struct Case {
    const char* what;
    LogFont font;
    std::function<void(Surface&)> draw;
    std::function<void(const InkBox&, const TextMetrics&, int extent)> check;
  };
  const Case cases[] = {
      // TextOut puts the cell's top-left at the point: the letters stand on the baseline (top + ascent).
      {"capitals of 0.688 em on the baseline", Font("Arial", -60), [](Surface& s) { s.TextOutA(100, 100, "HHH"); },
       [](const InkBox& ink, const TextMetrics& tm, int) {
         EXPECT_NEAR(ink.bottom, 100 + tm.tmAscent - 1, 1);
         EXPECT_NEAR(ink.bottom - ink.top + 1, 0.688 * 60, 2);
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
