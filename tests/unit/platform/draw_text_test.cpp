// DrawTextByWords on deterministic metrics: a RecordingSurface with a font
// of cell height 20 and 10 units per character (so a 100-wide rectangle
// holds 10 characters), and a small surface with uneven character widths.

#include "platform/draw_text.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "recording_surface.hpp"

namespace veltrim {
namespace {

struct Line {
  int x;
  int y;
  std::string text;
  friend bool operator==(const Line&, const Line&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Line& line) {
    return out << "(" << line.x << ", " << line.y << ", \"" << line.text << "\")";
  }
};

std::vector<Line> LinesOf(const RecordingSurface& surface) {
  std::vector<Line> lines;
  for (const Record& record : surface.RecordsOf("TextOutA")) {
    lines.push_back(Line{static_cast<int>(record.args.at(0)), static_cast<int>(record.args.at(1)), record.text});
  }
  return lines;
}

// A surface whose selected font is 20 high and 10 wide per character.
class TenWide {
 public:
  TenWide() {
    LogFont font;
    font.lfHeight = 20;
    font.lfWidth = 10;
    font_ = surface_.CreateFontIndirectA(font);
    previous_ = surface_.SelectObject(font_);
    surface_.ClearRecords();
  }
  ~TenWide() {
    surface_.SelectObject(previous_);
    surface_.DeleteObject(font_);
  }
  RecordingSurface& surface() { return surface_; }

 private:
  RecordingSurface surface_;
  ObjectHandle font_;
  ObjectHandle previous_;
};

struct Case {
  const char* name;
  std::string text;
  Rect rect;
  std::uint32_t format;
  std::vector<Line> lines;
  int height;
};

constexpr std::uint32_t kWrap = kDtWordBreak | kDtNoPrefix;
constexpr std::uint32_t kEdit = kDtWordBreak | kDtNoPrefix | kDtEditControl;

std::ostream& operator<<(std::ostream& out, const Case& c) { return out << c.name; }

class DrawTextCases : public ::testing::TestWithParam<Case> {};

TEST_P(DrawTextCases, DrawsTheExpectedLines) {
  const Case& c = GetParam();
  TenWide fixture;
  Rect rect = c.rect;
  const int height = DrawTextByWords(fixture.surface(), c.text, rect, c.format);
  EXPECT_EQ(LinesOf(fixture.surface()), c.lines) << fixture.surface().Dump();
  EXPECT_EQ(height, c.height);
  EXPECT_EQ(rect, c.rect) << "only kDtCalcRect changes the rectangle";
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DrawTextCases,
    ::testing::Values(
        Case{"fits_on_one_line", "hello", {0, 0, 100, 200}, kWrap, {{0, 0, "hello"}}, 20},
        Case{"offset_rectangle", "hello", {10, 5, 110, 200}, kWrap, {{10, 5, "hello"}}, 20},
        // "hello world" is 11 characters: the break is before "world"; the
        // blank that fits stays on the left-aligned line.
        Case{"wraps_before_the_word_that_passes", "hello world", {0, 0, 100, 200}, kWrap,
             {{0, 0, "hello "}, {0, 20, "world"}}, 40},
        // Exactly 10 characters fit and the 11th is the blank: it is dropped.
        Case{"blank_at_the_edge_is_dropped", "abcdefghij klm", {0, 0, 100, 200}, kWrap,
             {{0, 0, "abcdefghij"}, {0, 20, "klm"}}, 40},
        // Only one leading blank of a wrapped line is dropped.
        Case{"one_leading_blank_dropped", "abcdefghij  klm", {0, 0, 100, 200}, kWrap,
             {{0, 0, "abcdefghij"}, {0, 20, " klm"}}, 40},
        Case{"several_wraps", "aaa bbb ccc ddd eee", {0, 0, 80, 200}, kWrap,
             {{0, 0, "aaa bbb "}, {0, 20, "ccc ddd "}, {0, 40, "eee"}}, 60},
        Case{"long_word_broken_with_edit_control", "abcdefghijklmnopqrstuvwxy", {0, 0, 100, 200}, kEdit,
             {{0, 0, "abcdefghij"}, {0, 20, "klmnopqrst"}, {0, 40, "uvwxy"}}, 60},
        Case{"long_word_moves_to_its_own_line_first", "ab cdefghijklmno", {0, 0, 100, 200}, kEdit,
             {{0, 0, "ab "}, {0, 20, "cdefghijkl"}, {0, 40, "mno"}}, 60},
        Case{"long_word_whole_without_edit_control", "abcdefghijklmnop qr", {0, 0, 100, 200}, kWrap,
             {{0, 0, "abcdefghijklmnop"}, {0, 20, "qr"}}, 40},
        Case{"narrow_rectangle_one_character_per_line", "abc", {0, 0, 5, 200}, kEdit,
             {{0, 0, "a"}, {0, 20, "b"}, {0, 40, "c"}}, 60},
        Case{"cr_lf_lf_and_cr_break_lines", "one\r\ntwo\nthree\rfour", {0, 0, 100, 200}, kWrap,
             {{0, 0, "one"}, {0, 20, "two"}, {0, 40, "three"}, {0, 60, "four"}}, 80},
        Case{"lf_cr_is_one_break", "one\n\rtwo", {0, 0, 100, 200}, kWrap, {{0, 0, "one"}, {0, 20, "two"}}, 40},
        Case{"empty_line_between", "a\r\n\r\nb", {0, 0, 100, 200}, kWrap, {{0, 0, "a"}, {0, 40, "b"}}, 60},
        Case{"double_lf_is_two_breaks", "a\n\nb", {0, 0, 100, 200}, kWrap, {{0, 0, "a"}, {0, 40, "b"}}, 60},
        Case{"trailing_break_adds_no_line", "a\r\n", {0, 0, 100, 200}, kWrap, {{0, 0, "a"}}, 20},
        Case{"wrapped_paragraphs", "hello world\r\nsecond one", {0, 0, 100, 200}, kWrap,
             {{0, 0, "hello "}, {0, 20, "world"}, {0, 40, "second one"}}, 60},
        Case{"no_word_break_no_wrap", "hello world", {0, 0, 50, 200}, kDtNoPrefix, {{0, 0, "hello world"}}, 20},
        Case{"no_word_break_still_breaks_at_lf", "ab\ncd", {0, 0, 50, 200}, kDtNoPrefix,
             {{0, 0, "ab"}, {0, 20, "cd"}}, 40},
        // Height 50 is two and a half lines.
        Case{"edit_control_drops_partial_last_line", "1\n2\n3\n4", {0, 0, 100, 50}, kEdit,
             {{0, 0, "1"}, {0, 20, "2"}}, 40},
        Case{"edit_control_keeps_line_ending_at_bottom", "1\n2\n3\n4", {0, 0, 100, 60}, kEdit,
             {{0, 0, "1"}, {0, 20, "2"}, {0, 40, "3"}}, 60},
        Case{"without_edit_control_partial_line_drawn", "1\n2\n3\n4", {0, 0, 100, 50}, kWrap,
             {{0, 0, "1"}, {0, 20, "2"}, {0, 40, "3"}}, 60},
        Case{"first_line_always_laid_out", "1\n2", {0, 0, 100, 10}, kEdit, {{0, 0, "1"}}, 20},
        Case{"no_clip_draws_everything", "1\n2\n3\n4", {0, 0, 100, 30}, kEdit | kDtNoClip,
             {{0, 0, "1"}, {0, 20, "2"}, {0, 40, "3"}, {0, 60, "4"}}, 80},
        Case{"prefix_removed", "&File", {0, 0, 100, 200}, kDtWordBreak, {{0, 0, "File"}}, 20},
        Case{"double_prefix_is_ampersand", "a&&b", {0, 0, 100, 200}, kDtWordBreak, {{0, 0, "a&b"}}, 20},
        Case{"trailing_prefix_kept", "a&", {0, 0, 100, 200}, kDtWordBreak, {{0, 0, "a&"}}, 20},
        Case{"no_prefix_keeps_ampersands", "&File && a&", {0, 0, 200, 200}, kWrap, {{0, 0, "&File && a&"}}, 20},
        // Prefixes are taken out before the line is measured: "&a&b&c&d&e&f&g&h&i&j" is 10 characters.
        Case{"prefixes_do_not_take_room", "&a&b&c&d&e&f&g&h&i&j", {0, 0, 100, 200}, kDtWordBreak,
             {{0, 0, "abcdefghij"}}, 20},
        Case{"centred", "abc", {0, 0, 100, 200}, kWrap | kDtCenter, {{35, 0, "abc"}}, 20},
        Case{"right_aligned", "abc", {0, 0, 100, 200}, kWrap | kDtRight, {{70, 0, "abc"}}, 20},
        // Centred and right-aligned lines drop the blank before the break.
        Case{"centred_wrap_drops_trailing_blank", "hello world", {0, 0, 100, 200}, kWrap | kDtCenter,
             {{25, 0, "hello"}, {25, 20, "world"}}, 40},
        Case{"right_wrap_drops_trailing_blank", "hello world", {10, 0, 110, 200}, kWrap | kDtRight,
             {{60, 0, "hello"}, {60, 20, "world"}}, 40},
        Case{"single_line_vcenter", "abc", {0, 0, 100, 100}, kDtSingleLine | kDtVCenter, {{0, 40, "abc"}}, 60},
        Case{"single_line_bottom", "abc", {0, 0, 100, 100}, kDtSingleLine | kDtBottom, {{0, 80, "abc"}}, 100},
        Case{"single_line_centre_both_ways", "abc", {0, 0, 100, 100}, kDtSingleLine | kDtVCenter | kDtCenter,
             {{35, 40, "abc"}}, 60},
        Case{"single_line_ignores_breaks_and_wrap", "hello world\r\nx", {0, 0, 50, 100},
             kDtSingleLine | kDtWordBreak | kDtNoPrefix, {{0, 0, "hello world\r\nx"}}, 20},
        Case{"vcenter_needs_single_line", "abc", {0, 0, 100, 100}, kDtVCenter, {{0, 0, "abc"}}, 20},
        Case{"empty_text_draws_nothing", "", {0, 0, 100, 100}, kWrap, {}, 20}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

TEST(DrawTextByWords, CalcRectMeasuresWithoutDrawing) {
  TenWide fixture;
  Rect rect{10, 5, 110, 15};
  EXPECT_EQ(DrawTextByWords(fixture.surface(), "hello world", rect, kEdit | kDtCalcRect), 40);
  EXPECT_TRUE(fixture.surface().RecordsOf("TextOutA").empty());
  // Bottom: every line, whatever the rectangle's height; right: the widest line ("hello ").
  EXPECT_EQ(rect, (Rect{10, 5, 70, 45}));
}

TEST(DrawTextByWords, CalcRectSingleLine) {
  TenWide fixture;
  Rect rect{0, 0, 10, 10};
  EXPECT_EQ(DrawTextByWords(fixture.surface(), "abc", rect, kDtSingleLine | kDtCalcRect), 20);
  EXPECT_EQ(rect, (Rect{0, 0, 30, 20}));
  EXPECT_TRUE(fixture.surface().RecordsOf("TextOutA").empty());
}

TEST(DrawTextByWords, CalcRectWidensForAnUnbreakableWord) {
  TenWide fixture;
  Rect rect{0, 0, 50, 0};
  EXPECT_EQ(DrawTextByWords(fixture.surface(), "abcdefgh ij", rect, kWrap | kDtCalcRect), 40);
  EXPECT_EQ(rect, (Rect{0, 0, 80, 40}));
}

TEST(DrawTextByWords, CalcRectOfEmptyText) {
  TenWide fixture;
  Rect multi{5, 5, 100, 100};
  EXPECT_EQ(DrawTextByWords(fixture.surface(), "", multi, kWrap | kDtCalcRect), 20);
  EXPECT_EQ(multi, (Rect{5, 5, 5, 5}));
  Rect single{5, 5, 100, 100};
  EXPECT_EQ(DrawTextByWords(fixture.surface(), "", single, kDtSingleLine | kDtCalcRect), 20);
  EXPECT_EQ(single, (Rect{5, 5, 5, 25}));
}

TEST(DrawTextByWords, UsesTheDefaultFontLineHeight) {
  RecordingSurface surface;  // 600 dpi: default font 50 high, 25 wide
  Rect rect{0, 0, 250, 1000};
  EXPECT_EQ(DrawTextByWords(surface, "0123456789 abc", rect, kEdit), 100);
  ASSERT_EQ(surface.RecordsOf("TextOutA").size(), 2u);
  EXPECT_EQ(surface.RecordsOf("TextOutA")[1], (Record{"TextOutA", {0, 50}, "abc", 1}));
}

TEST(DrawTextByWords, ReportsSurfaceFailures) {
  {
    TenWide fixture;
    fixture.surface().FailNext("GetTextMetricsA");
    Rect rect{0, 0, 100, 100};
    EXPECT_EQ(DrawTextByWords(fixture.surface(), "abc", rect, kWrap), 0);
    EXPECT_TRUE(fixture.surface().RecordsOf("TextOutA").empty());
  }
  {
    TenWide fixture;
    fixture.surface().FailNext("TextOutA");
    Rect rect{0, 0, 100, 100};
    EXPECT_EQ(DrawTextByWords(fixture.surface(), "abc\ndef", rect, kWrap), 0);
    EXPECT_EQ(fixture.surface().RecordsOf("TextOutA").size(), 1u) << "stops at the failed line";
  }
  {
    TenWide fixture;
    fixture.surface().FailNext("GetTextExtentPoint32A");
    Rect rect{0, 0, 100, 100};
    EXPECT_EQ(DrawTextByWords(fixture.surface(), "hello world", rect, kWrap), 0);
  }
}

TEST(DrawTextByWords, UsesOnlyTheThreeTextCalls) {
  TenWide fixture;
  Rect rect{0, 0, 100, 100};
  DrawTextByWords(fixture.surface(), "hello world, &and more", rect, kDtWordBreak | kDtCenter);
  for (const Record& record : fixture.surface().Records()) {
    EXPECT_TRUE(record.op == "GetTextMetricsA" || record.op == "GetTextExtentPoint32A" || record.op == "TextOutA")
        << record;
  }
}

// The Full Page Text Only layout: a blank every n characters,
// DT_WORDBREAK alone; the first piece (n + 1 characters) is wider than the
// page and is drawn whole, the others wrap at their blanks.
TEST(DrawTextByWords, FullPageTextPiecesWrapAtTheirBlanks) {
  RecordingSurface surface;
  LogFont font;
  font.lfHeight = 400;
  font.lfWidth = 100;
  const ObjectHandle created = surface.CreateFontIndirectA(font);
  const ObjectHandle previous = surface.SelectObject(created);
  std::string text(3854, 'x');
  const std::size_t n = 4960 / 100;
  for (std::size_t p = n; text.size() > p; p += n) text.insert(p + 1, 1, ' ');
  Rect page{0, 0, 4960, 7014};
  surface.ClearRecords();
  const int height = DrawTextByWords(surface, text, page, kDtWordBreak);
  const std::vector<Record> lines = surface.RecordsOf("TextOutA");
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0].text, std::string(n + 1, 'x'));
  EXPECT_EQ(lines[1].text, std::string(n - 1, 'x') + " ");
  EXPECT_EQ(lines[2].args, (std::vector<std::int64_t>{0, 800}));
  // 7014 / 400: lines at 0, 400, ..., 6800 -- the last partly visible.
  EXPECT_EQ(lines.size(), 18u);
  EXPECT_EQ(height, 18 * 400);
  surface.SelectObject(previous);
  surface.DeleteObject(created);
  EXPECT_EQ(surface.HygieneReport(), "");
}

// A surface with uneven widths: 'i' is 2 wide, 'm' 14, a blank 4, anything
// else 8; tmAveCharWidth 8, tmHeight 10. Every other hook fails, so the
// layout can only use the three text calls.
class UnevenSurface final : public Surface {
 public:
  std::vector<Line> lines;
  int extentCalls = 0;

  bool GetTextMetricsA(TextMetrics& metrics) override {
    metrics = TextMetrics{};
    metrics.tmHeight = 10;
    metrics.tmAveCharWidth = 8;
    return true;
  }
  bool GetTextExtentPoint32A(std::string_view text, Size& size) override {
    ++extentCalls;
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

TEST(DrawTextByWords, MeasuresUnevenWidths) {
  UnevenSurface surface;
  // Width 40: "iiii iiii" = 8 + 4 + 8 = 20 fits, "iiii iiii mmm" = 20 + 4 + 42 = 66 does not.
  Rect rect{0, 0, 40, 100};
  // "mmm" (42) is wider than the line: broken after "mm"; "m mm" (46) wraps again.
  EXPECT_EQ(DrawTextByWords(surface, "iiii iiii mmm mm", rect, kEdit), 40);
  EXPECT_EQ(surface.lines,
            (std::vector<Line>{{0, 0, "iiii iiii "}, {0, 10, "mm"}, {0, 20, "m "}, {0, 30, "mm"}}));
}

TEST(DrawTextByWords, FindsTheFitWhenTheGuessIsFarOff) {
  UnevenSurface surface;
  // Guess from the average width: 80 / 8 = 10 characters; 40 'i' (80 wide) fit.
  Rect rect{0, 0, 80, 100};
  const std::string text = std::string(41, 'i');
  EXPECT_EQ(DrawTextByWords(surface, text, rect, kEdit), 20);
  EXPECT_EQ(surface.lines, (std::vector<Line>{{0, 0, std::string(40, 'i')}, {0, 10, "i"}}));
  surface.lines.clear();
  // Guess 10, but only 5 'm' (70 wide) fit.
  EXPECT_EQ(DrawTextByWords(surface, "mmmmmmmmmmmm", rect, kEdit), 30);
  EXPECT_EQ(surface.lines, (std::vector<Line>{{0, 0, "mmmmm"}, {0, 10, "mmmmm"}, {0, 20, "mm"}}));
}

TEST(DrawTextByWords, CentresOnMeasuredWidth) {
  UnevenSurface surface;
  Rect rect{0, 0, 100, 100};
  DrawTextByWords(surface, "im", rect, kDtSingleLine | kDtCenter);
  EXPECT_EQ(surface.lines, (std::vector<Line>{{42, 0, "im"}}));  // (100 - 16) / 2
}

}  // namespace
}  // namespace veltrim
