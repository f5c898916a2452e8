// Text on the cairo backend: cell placement, colours and background modes,
// LOGFONT heights, styles and escapement, faces mapped by the project's own
// fontconfig aliases, and metrics read before any page exists.

#include <cstring>
#include <string>

#include "platform/scoped_object.hpp"
#include "render_support.hpp"

namespace veltrim::test {
namespace {

LogFont Font(const char* face, int height, int weight = 400, bool italic = false) {
  LogFont font;
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfItalic = italic ? 1 : 0;
  std::strncpy(font.lfFaceName, face, kLfFaceSize - 1);
  return font;
}

TEST(CairoText, TextOutPutsTheCellTopLeftAtThePointInTheTextColour) {
  PngPage page;
  ASSERT_TRUE(page.Started());
  Surface& s = page.S();
  ScopedObject font = ScopedFont(s, Font("Arial", -60));
  TextMetrics tm;
  ASSERT_TRUE(s.GetTextMetricsA(tm));
  Size extent;
  ASSERT_TRUE(s.GetTextExtentPoint32A("HHH", extent));
  s.SetTextColor(Rgb(255, 0, 0));
  s.SetBkMode(kTransparent);
  ASSERT_TRUE(s.TextOutA(100, 100, "HHH"));
  const RasterImage image = page.Finish();

  const InkBox ink = FindInk(image, 10, 10);
  ASSERT_FALSE(ink.Empty());
  // Inside the cell, standing on the baseline (top + ascent), as tall as
  // the face's capitals (0.69 em for this face).
  EXPECT_GE(ink.left, 100);
  EXPECT_LE(ink.left, 100 + 8);
  EXPECT_LT(ink.right, 100 + extent.cx);
  EXPECT_GE(ink.top, 100);
  EXPECT_NEAR(ink.bottom, 100 + tm.tmAscent - 1, 1);
  EXPECT_NEAR(ink.bottom - ink.top + 1, 0.688 * 60, 2);
  int red = 0, dark = 0;
  for (int y = ink.top; y <= ink.bottom; ++y)
    for (int x = ink.left; x <= ink.right; ++x) {
      const auto rgb = page.At(image, x, y);
      red += ColourNear(rgb, kRed, 8) ? 1 : 0;
      dark += ColourNear(rgb, kBlack, 64) ? 1 : 0;
    }
  EXPECT_GT(red, 500);
  EXPECT_EQ(dark, 0);
}

TEST(CairoText, OpaqueModeFillsTheCellWithTheBackgroundColour) {
  for (const int mode : {kOpaque, kTransparent}) {
    SCOPED_TRACE(mode == kOpaque ? "opaque" : "transparent");
    PngPage page;
    ASSERT_TRUE(page.Started());
    Surface& s = page.S();
    ScopedObject font = ScopedFont(s, Font("Arial", -40));
    EXPECT_EQ(s.SetBkColor(Rgb(0, 0, 255)), Rgb(255, 255, 255));
    EXPECT_EQ(s.SetBkMode(mode), kOpaque);  // a new context is opaque
    Size cell;
    ASSERT_TRUE(s.GetTextExtentPoint32A("Hi", cell));
    ASSERT_TRUE(s.TextOutA(100, 200, "Hi"));
    const RasterImage image = page.Finish();
    const std::uint32_t inside = mode == kOpaque ? kBlue : kWhite;
    EXPECT_EQ(page.At(image, 100, 200), inside);
    EXPECT_EQ(page.At(image, 100 + cell.cx - 1, 200 + cell.cy - 1), inside);
    EXPECT_EQ(page.At(image, 99, 200), kWhite);
    EXPECT_EQ(page.At(image, 100, 199), kWhite);
    EXPECT_EQ(page.At(image, 100 + cell.cx, 200), kWhite);
    EXPECT_EQ(page.At(image, 100, 200 + cell.cy), kWhite);
  }
}

TEST(CairoText, NegativeHeightIsTheCharacterHeightPositiveTheCell) {
  CairoSurface s(SmallCaps());
  TextMetrics character, cell;
  {
    ScopedObject font = ScopedFont(s, Font("Arial", -100));
    ASSERT_TRUE(s.GetTextMetricsA(character));
  }
  {
    ScopedObject font = ScopedFont(s, Font("Arial", 100));
    ASSERT_TRUE(s.GetTextMetricsA(cell));
  }
  EXPECT_EQ(character.tmHeight - character.tmInternalLeading, 100);
  EXPECT_GT(character.tmHeight, 100);
  EXPECT_EQ(cell.tmHeight, 100);
  EXPECT_GT(cell.tmInternalLeading, 0);
  EXPECT_EQ(character.tmHeight, character.tmAscent + character.tmDescent);
  EXPECT_EQ(cell.tmHeight, cell.tmAscent + cell.tmDescent);
  // The face's own proportions: ascent 0.905 em and descent 0.212 em.
  EXPECT_EQ(character.tmAscent, 91);
  EXPECT_EQ(character.tmDescent, 21);
}

TEST(CairoText, NegativeHeightDrawsTallerLettersThanTheSamePositiveHeight) {
  int inkHeight[2] = {};
  for (const int sign : {-1, 1}) {
    PngPage page;
    ASSERT_TRUE(page.Started());
    ScopedObject font = ScopedFont(page.S(), Font("Arial", sign * 100));
    page.S().TextOutA(50, 50, "H");
    const InkBox ink = FindInk(page.Finish(), 10, 10);
    ASSERT_FALSE(ink.Empty());
    inkHeight[sign < 0 ? 0 : 1] = ink.bottom - ink.top + 1;
  }
  EXPECT_NEAR(inkHeight[0], 69, 2);  // capitals of 0.688 em at 100
  EXPECT_NEAR(inkHeight[1], 69 * 100 / 112, 2);
}

TEST(CairoText, UnderlineRunsBelowTheBaselineAndStrikeOutThroughTheLetters) {
  struct Style {
    bool underline, strike;
    int runsBelowBaseline, runsAbove;
  };
  for (const Style style : {Style{false, false, 0, 0}, Style{true, false, 1, 0}, Style{false, true, 0, 1},
                            Style{true, true, 1, 1}}) {
    SCOPED_TRACE(std::string("underline ") + (style.underline ? "on" : "off") + ", strike-out " +
                 (style.strike ? "on" : "off"));
    PngPage page;
    ASSERT_TRUE(page.Started());
    Surface& s = page.S();
    LogFont logFont = Font("Arial", -60);
    logFont.lfUnderline = style.underline;
    logFont.lfStrikeOut = style.strike;
    ScopedObject font = ScopedFont(s, logFont);
    TextMetrics tm;
    s.GetTextMetricsA(tm);
    Size h, gap;
    s.GetTextExtentPoint32A("H", h);
    s.GetTextExtentPoint32A("   ", gap);
    s.TextOutA(50, 50, "H   H");
    const RasterImage image = page.Finish();
    // Ink runs in the column through the middle of the spaces.
    const int column = 50 + h.cx + gap.cx / 2;
    int below = 0, above = 0;
    bool inRun = false;
    for (int y = 50; y < 50 + tm.tmHeight; ++y) {
      const bool inked = page.At(image, column, y) != kWhite;
      if (inked && !inRun) ++(y >= 50 + tm.tmAscent ? below : above);
      inRun = inked;
    }
    EXPECT_EQ(below, style.runsBelowBaseline);
    EXPECT_EQ(above, style.runsAbove);
  }
}

TEST(CairoText, EscapementTurnsTextCounterClockwise) {
  struct Turn {
    int escapement;
    bool upwards;
  };
  for (const Turn turn : {Turn{900, true}, Turn{2700, false}}) {
    SCOPED_TRACE(turn.escapement);
    PngPage page;
    ASSERT_TRUE(page.Started());
    Surface& s = page.S();
    LogFont logFont = Font("Arial", -40);
    logFont.lfEscapement = turn.escapement;
    ScopedObject font = ScopedFont(s, logFont);
    TextMetrics tm;
    s.GetTextMetricsA(tm);
    Size extent;
    s.GetTextExtentPoint32A("HHHH", extent);
    s.SetBkMode(kTransparent);
    s.TextOutA(200, 300, "HHHH");
    const InkBox ink = FindInk(page.Finish(), 10, 10);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
    if (turn.upwards) {
      // The cell's top edge now runs up the page from the point; the text
      // body lies to the right of it.
      EXPECT_GE(ink.left, 200);
      EXPECT_LT(ink.right, 200 + tm.tmHeight);
      EXPECT_LE(ink.bottom, 300);
      EXPECT_GT(ink.top, 300 - extent.cx - 1);
    } else {
      EXPECT_LE(ink.right, 200);
      EXPECT_GT(ink.left, 200 - tm.tmHeight);
      EXPECT_GE(ink.top, 300);
      EXPECT_LT(ink.bottom, 300 + extent.cx + 1);
    }
  }
}

TEST(CairoText, FacesMapToMetricCompatibleFreeFonts) {
  struct Mapping {
    const char* face;
    int weight;
    bool italic;
    std::uint8_t pitchAndFamily;
    const char* expected;
  };
  const Mapping mappings[] = {
      {"Times New Roman", 400, false, 0, "Liberation Serif Regular"},
      {"Arial", 400, false, 0, "Liberation Sans Regular"},
      {"Arial", 700, false, 0, "Liberation Sans Bold"},
      {"Arial", 400, true, 0, "Liberation Sans Italic"},
      {"Courier New", 400, false, 0, "Liberation Mono Regular"},
      {"Courier", 700, true, 0, "Liberation Mono Bold Italic"},
      {"Lucida Console", 400, false, 0, "DejaVu Sans Mono Book"},
      {"lucida console", 400, false, 0, "DejaVu Sans Mono Book"},
      {"MS Sans Serif", 400, false, 0, "Liberation Sans Regular"},
      {"No Such Face", 400, false, 0, "Liberation Sans Regular"},
      {"No Such Face", 400, false, 0x31 /* fixed, modern */, "Liberation Mono Regular"},
      {"", 400, false, 0x12 /* variable, roman */, "Liberation Serif Regular"},
      {"", 0, false, 0, "Liberation Sans Regular"},
  };
  CairoSurface s(SmallCaps());
  for (const Mapping& mapping : mappings) {
    LogFont logFont = Font(mapping.face, -50, mapping.weight, mapping.italic);
    logFont.lfPitchAndFamily = mapping.pitchAndFamily;
    const ObjectHandle font = s.CreateFontIndirectA(logFont);
    EXPECT_EQ(s.FontFaceName(font), mapping.expected) << "face \"" << mapping.face << "\"";
    EXPECT_TRUE(s.DeleteObject(font));
  }
}

TEST(CairoText, LucidaConsoleIsMonospaced) {
  CairoSurface s(SmallCaps());
  ScopedObject font = ScopedFont(s, Font("Lucida Console", -50));
  Size narrow, wide;
  ASSERT_TRUE(s.GetTextExtentPoint32A("iiii", narrow));
  ASSERT_TRUE(s.GetTextExtentPoint32A("WWWW", wide));
  EXPECT_EQ(narrow.cx, wide.cx);
}

TEST(CairoText, DefaultFontIsAMonospacedTwelvePointFaceReadableBeforeAnyPage) {
  TempDir dir;
  CairoPrintDevice device(FileFormat::Pdf, dir.Path() / "x.pdf", SmallCaps());
  Surface& s = device.Page();
  TextMetrics tm;
  ASSERT_TRUE(s.GetTextMetricsA(tm));
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 42);  // 12 pt at 254 dpi
  EXPECT_EQ(tm.tmWeight, 400);
  Size narrow, wide;
  ASSERT_TRUE(s.GetTextExtentPoint32A("iiii", narrow));
  ASSERT_TRUE(s.GetTextExtentPoint32A("WWWW", wide));
  EXPECT_EQ(narrow.cx, wide.cx);
  EXPECT_EQ(narrow.cx, 4 * tm.tmAveCharWidth);
  EXPECT_EQ(device.Canvas().FontFaceName(s.GetStockObject(StockObject::DeviceDefaultFont)), "Liberation Mono Regular");
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "x.pdf"));  // nothing is created before StartDoc
}

TEST(CairoText, ExtentsAreWholeUnitAdvancesThatAddUp) {
  CairoSurface s(SmallCaps());
  ScopedObject font = ScopedFont(s, Font("Times New Roman", -37));
  TextMetrics tm;
  s.GetTextMetricsA(tm);
  Size empty, a, v, av;
  ASSERT_TRUE(s.GetTextExtentPoint32A("", empty));
  EXPECT_EQ(empty, (Size{0, tm.tmHeight}));
  s.GetTextExtentPoint32A("A", a);
  s.GetTextExtentPoint32A("V", v);
  s.GetTextExtentPoint32A("AV", av);
  EXPECT_EQ(av.cx, a.cx + v.cx);  // no kerning, as TextOut
  EXPECT_GT(a.cx, 0);
}

TEST(CairoText, WidthStretchesTheAverageCharacter) {
  CairoSurface s(SmallCaps());
  TextMetrics natural, stretched;
  Size naturalExtent, stretchedExtent;
  {
    ScopedObject font = ScopedFont(s, Font("Arial", -50));
    s.GetTextMetricsA(natural);
    s.GetTextExtentPoint32A("Stretch me", naturalExtent);
  }
  LogFont wide = Font("Arial", -50);
  wide.lfWidth = natural.tmAveCharWidth * 2;
  {
    ScopedObject font = ScopedFont(s, wide);
    s.GetTextMetricsA(stretched);
    s.GetTextExtentPoint32A("Stretch me", stretchedExtent);
  }
  EXPECT_EQ(stretched.tmAveCharWidth, wide.lfWidth);
  EXPECT_EQ(stretched.tmHeight, natural.tmHeight);
  EXPECT_NEAR(stretchedExtent.cx, 2 * naturalExtent.cx, 10);
}

TEST(CairoText, DrawTextLaysOutThroughTheSharedRoutine) {
  PngPage page;
  ASSERT_TRUE(page.Started());
  Surface& s = page.S();
  ScopedObject font = ScopedFont(s, Font("Arial", -30));
  TextMetrics tm;
  s.GetTextMetricsA(tm);
  Size extent;
  s.GetTextExtentPoint32A("Centred", extent);
  s.SetBkMode(kTransparent);
  Rect rect{100, 100, 400, 200};
  EXPECT_EQ(s.DrawTextA("Centred", rect, kDtCenter | kDtSingleLine | kDtNoPrefix), tm.tmHeight);
  const InkBox ink = FindInk(page.Finish(), 10, 10);
  ASSERT_FALSE(ink.Empty());
  const int cellLeft = 100 + (300 - extent.cx) / 2;
  EXPECT_GE(ink.left, cellLeft - 1);
  EXPECT_LE(ink.right, cellLeft + extent.cx);
  EXPECT_GE(ink.top, 100);
  EXPECT_LT(ink.bottom, 100 + tm.tmHeight);
}

}  // namespace
}  // namespace veltrim::test
