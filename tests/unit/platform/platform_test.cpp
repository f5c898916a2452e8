// DrawTextByWords on deterministic metrics, and the names of page files. The recording surface's default font here is
// 20 high and 10 units a character, so a 100-wide rectangle holds 10 characters.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "../support/scratch_dir.hpp"
#include "backends/recording/recording_surface.hpp"
#include "core/platform/draw_text.hpp"
#include "core/platform/page_files.hpp"
#include "core/platform/raster_files.hpp"

namespace veltrim {
namespace {

// x, y and the text of a TextOutA.
using Line = std::tuple<int, int, std::string>;

// LOGPIXELSY 240 gives the default font 240 / 12 = 20 and an average width of half that.
RecordingDevice TenWide() { return RecordingDevice().With(DeviceCap::LogPixelsY, 240); }
constexpr std::uint32_t kWrap = kDtWordBreak | kDtNoPrefix;
constexpr std::uint32_t kEdit = kDtWordBreak | kDtNoPrefix | kDtEditControl;

// The formats the pages draw with: word breaks, with or without prefixes and the edit control's rules. No page
// aligns, measures or draws a single line, so those cases are left out.
TEST(DrawTextByWords, LaysOutTheExpectedLines) {
  const struct Case {
    const char* name;
    std::string text;
    std::uint32_t format;
    std::vector<Line> lines;
    int height;
    Rect rect = {0, 0, 100, 200};
    std::optional<Rect> measured = {};  // only kDtCalcRect changes the rectangle
    const char* failing = nullptr;      // the surface call made to fail
  } cases[] = {
      {"fits_on_one_line_in_the_rectangle", "hello", kWrap, {{10, 5, "hello"}}, 20, {10, 5, 110, 200}},
      // "hello world" is 11 characters: the break is before "world"; the blank that fits stays on the left-aligned
      // line. Exactly 10 characters fit and the 11th is the blank: it is dropped, but only one of two.
      {"wraps_before_the_word_that_passes", "hello world", kWrap, {{0, 0, "hello "}, {0, 20, "world"}}, 40},
      {"one_leading_blank_dropped", "abcdefghij  klm", kWrap, {{0, 0, "abcdefghij"}, {0, 20, " klm"}}, 40},
      {"long_word_moves_to_its_own_line_first", "ab cdefghijklmno", kEdit,
       {{0, 0, "ab "}, {0, 20, "cdefghijkl"}, {0, 40, "mno"}}, 60},
      {"long_word_kept_whole", "abcdefghijklmnop qr", kWrap, {{0, 0, "abcdefghijklmnop"}, {0, 20, "qr"}}, 40},
      {"cr_lf_lf_and_cr_break_lines", "one\r\ntwo\nthree\rfour", kWrap,
       {{0, 0, "one"}, {0, 20, "two"}, {0, 40, "three"}, {0, 60, "four"}}, 80},
      {"lf_cr_is_one_break", "one\n\rtwo", kWrap, {{0, 0, "one"}, {0, 20, "two"}}, 40},
      {"empty_line_between", "a\r\n\r\nb", kWrap, {{0, 0, "a"}, {0, 40, "b"}}, 60},
      {"trailing_break_adds_no_line", "a\r\n", kWrap, {{0, 0, "a"}}, 20},
      // Height 50 is two and a half lines.
      {"edit_control_drops_partial_last_line", "1\n2\n3\n4", kEdit, {{0, 0, "1"}, {0, 20, "2"}}, 40, {0, 0, 100, 50}},
      {"without_edit_control_partial_line_drawn", "1\n2\n3\n4", kWrap,
       {{0, 0, "1"}, {0, 20, "2"}, {0, 40, "3"}}, 60, {0, 0, 100, 50}},
      {"prefixes_removed_doubled_kept_once", "&F a&&b c&", kDtWordBreak, {{0, 0, "F a&b c&"}}, 20},
      {"no_prefix_keeps_ampersands", "&File && a&", kWrap, {{0, 0, "&File && a&"}}, 20, {0, 0, 200, 200}},
      // Prefixes are taken out before the line is measured: "&a&b&c&d&e&f&g&h&i&j" is 10 characters.
      {"prefixes_do_not_take_room", "&a&b&c&d&e&f&g&h&i&j", kDtWordBreak, {{0, 0, "abcdefghij"}}, 20},
      {"empty_text_draws_nothing", "", kWrap, {}, 20, {0, 0, 100, 100}},
      // A failed surface call ends the layout and answers 0: nothing more is drawn.
      {"text_out_fails", "abc\ndef", kWrap, {{0, 0, "abc"}}, 0, {0, 0, 100, 100}, {}, "TextOutA"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingSurface surface(TenWide());
    if (c.failing) surface.FailNext(c.failing);
    Rect rect = c.rect;
    EXPECT_EQ(DrawTextByWords(surface, c.text, rect, c.format), c.height);
    std::vector<Line> lines;
    for (const Record& r : surface.RecordsOf("TextOutA"))
      lines.push_back({static_cast<int>(r.args.at(0)), static_cast<int>(r.args.at(1)), r.text});
    EXPECT_EQ(lines, c.lines) << surface.Dump();
    EXPECT_EQ(rect, c.measured.value_or(c.rect));
    for (const Record& record : surface.Records())
      EXPECT_TRUE(record.op == "GetTextMetricsA" || record.op == "GetTextExtentPoint32A" || record.op == "TextOutA")
          << record;
  }
}

// Uneven widths: 'i' is 2 wide, 'm' 14, a blank 4, anything else 8; tmAveCharWidth 8, tmHeight 10. Every other hook
// fails, so the layout can only use the three text calls.
class UnevenSurface final : public Surface {
 public:
  std::vector<Line> lines;

  bool GetTextMetricsA(TextMetrics& metrics) override {
    metrics = TextMetrics{.tmHeight = 10, .tmAveCharWidth = 8};
    return true;
  }
  bool GetTextExtentPoint32A(std::string_view text, Size& size) override {
    size = Size{0, 10};
    for (const char c : text) size.cx += c == 'i' ? 2 : c == 'm' ? 14 : c == ' ' ? 4 : 8;
    return true;
  }
  bool TextOutA(int x, int y, std::string_view text) override {
    lines.push_back(Line{x, y, std::string(text)});
    return true;
  }

  int GetDeviceCaps(DeviceCap) override { return 0; }
  ObjectHandle CreatePen(PenStyle, int, ColorRef) override { return {}; }
  ObjectHandle CreateBrushIndirect(const LogBrush&) override { return {}; }
  ObjectHandle CreateFontIndirectA(const LogFont&) override { return {}; }
  ObjectHandle GetStockObject(StockObject) override { return {}; }
  ObjectHandle SelectObject(ObjectHandle) override { return {}; }
  bool DeleteObject(ObjectHandle) override { return false; }
  ObjectHandle LoadBitmapFile(const char*) override { return {}; }
  bool GetBitmapSize(ObjectHandle, Size&) override { return false; }
  bool BitBlt(int, int, int, int, ObjectHandle, int, int) override { return false; }
  bool StretchBlt(int, int, int, int, ObjectHandle, int, int, int, int) override { return false; }
  bool MoveToEx(int, int, Point*) override { return false; }
  bool LineTo(int, int) override { return false; }
  bool Rectangle(int, int, int, int) override { return false; }
  bool Ellipse(int, int, int, int) override { return false; }
  bool Arc(int, int, int, int, int, int, int, int) override { return false; }
  bool ArcTo(int, int, int, int, int, int, int, int) override { return false; }
  bool Chord(int, int, int, int, int, int, int, int) override { return false; }
  int SetArcDirection(int) override { return 0; }
  bool PolyBezier(std::span<const Point>) override { return false; }
  ColorRef SetPixel(int, int, ColorRef) override { return kInvalidColour; }
  bool SetPixelV(int, int, ColorRef) override { return false; }
  ColorRef GetPixel(int, int) override { return kInvalidColour; }
  int DrawTextA(std::string_view, Rect&, std::uint32_t) override { return 0; }
  ColorRef SetTextColor(ColorRef) override { return kInvalidColour; }
  ColorRef SetBkColor(ColorRef) override { return kInvalidColour; }
  int SetBkMode(int) override { return 0; }
};

TEST(DrawTextByWords, MeasuresUnevenWidthsAndFindsTheFitWhenTheGuessIsFarOff) {
  const struct { std::string text; int width; std::uint32_t format; std::vector<Line> lines; int height; } cases[] = {
      // Width 40: "iiii iiii" = 8 + 4 + 8 = 20 fits, "iiii iiii mmm" = 20 + 4 + 42 = 66 does not; "mmm" (42) is wider
      // than the line: broken after "mm"; "m mm" (46) wraps again.
      {"iiii iiii mmm mm", 40, kEdit, {{0, 0, "iiii iiii "}, {0, 10, "mm"}, {0, 20, "m "}, {0, 30, "mm"}}, 40},
      // The guess from the average width is 80 / 8 = 10 characters: 40 'i' (80 wide) fit, 5 'm' (70 wide) only.
      {std::string(41, 'i'), 80, kEdit, {{0, 0, std::string(40, 'i')}, {0, 10, "i"}}, 20},
      {"mmmmmmmmmmmm", 80, kEdit, {{0, 0, "mmmmm"}, {0, 10, "mmmmm"}, {0, 20, "mm"}}, 30},
  };
  for (const auto& c : cases) {
    UnevenSurface surface;
    Rect rect{0, 0, c.width, 100};
    EXPECT_EQ(DrawTextByWords(surface, c.text, rect, c.format), c.height) << c.text;
    EXPECT_EQ(surface.lines, c.lines) << c.text;
  }
}

TEST(PageFiles, FormatByExtensionInAnyCaseAndPngPagesNumberedBeforeIt) {
  const std::pair<const char*, std::optional<FileFormat>> cases[] = {
      {"job.pdf", FileFormat::Pdf}, {"JOB.PS", FileFormat::PostScript}, {"dir.v2/page.Png", FileFormat::Png},
      {"job.txt", std::nullopt},    {"pdf", std::nullopt},              {"job.pdf.gz", std::nullopt}};
  for (const auto& [path, format] : cases) EXPECT_EQ(FileFormatOf(path), format) << path;
  for (const auto& [path, page, png] : {std::tuple{"out.png", 1, "out-1.png"}, {"a.b/Out.PNG", 12, "a.b/Out-12.png"},
                                        {"pages", 2, "pages-2.png"}, {"scan.pdf", 3, "scan.pdf-3.png"}})
    EXPECT_EQ(PngPagePath(path, page), png) << path;
}

// Page files land under the 8-bit name given, byte for byte: on Windows it is in the ANSI code page (0xE9 and 0x80
// are "é" and "€" in 1252), which a detour through std::filesystem would turn into other names.
TEST(PageFiles, WrittenUnderTheEightBitNameGiven) {
  const test::ScratchDir dir;
  const std::string base = dir.Path("") + "caf\xE9-eur\x80o";
  const std::uint8_t pixels[8] = {};
  const RasterPage page{pixels, 2, 1, 8, false};
  ASSERT_TRUE(WritePngFile(PngPagePath(base + ".png", 1), page));
  EXPECT_GT(QueryFileSize((base + "-1.png").c_str()).value_or(0), 0);
  for (const auto& [format, name] : {std::pair(FileFormat::Pdf, ".pdf"), std::pair(FileFormat::PostScript, ".ps")}) {
    const auto writer = MakeRasterDocumentWriter(format, base + name, 72, 36);
    ASSERT_TRUE(writer && writer->AddPage(page) && writer->Finish()) << name;
    EXPECT_GT(QueryFileSize((base + name).c_str()).value_or(0), 0) << name;
  }
}

}  // namespace
}  // namespace veltrim
