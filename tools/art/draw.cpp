// One skin for every image of the main window: a dark slate background with
// a light cyan accent. States differ in fill, border and mark, so a ticked
// item or the current tab reads at a glance, not only by a shade.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "art.hpp"
#include "core/platform/scoped_object.hpp"

namespace veltrim::art {
namespace {

constexpr ColorRef kBackground = Rgb(0x1B, 0x22, 0x2C);
constexpr ColorRef kPanel = Rgb(0x25, 0x2F, 0x3B);
constexpr ColorRef kHover = Rgb(0x33, 0x44, 0x56);
constexpr ColorRef kBorder = Rgb(0x3E, 0x4D, 0x5E);
constexpr ColorRef kAccent = Rgb(0x4F, 0xC3, 0xF7);
constexpr ColorRef kAccentDeep = Rgb(0x1D, 0x4E, 0x68);
constexpr ColorRef kTickedRow = Rgb(0x1E, 0x3A, 0x4C);
constexpr ColorRef kText = Rgb(0xEC, 0xF1, 0xF6);
constexpr ColorRef kDimText = Rgb(0x9C, 0xAA, 0xB8);
constexpr ColorRef kInk = Rgb(0x0E, 0x16, 0x1E);
constexpr ColorRef kPaper = Rgb(0xFF, 0xFF, 0xFF);

constexpr int kLabelPixels = 11;  // 8 point at 96 dpi
constexpr int kSmallestPixels = 7;

LogFont Font(int pixels, bool bold) {
  LogFont font;
  font.lfHeight = -pixels;
  font.lfWeight = bold ? 700 : 400;
  std::strncpy(font.lfFaceName, "Arial", sizeof font.lfFaceName - 1);
  return font;
}

// Box with a 1-pixel border; fills the whole of [left, right) x [top, bottom).
void Box(Surface& s, int left, int top, int right, int bottom, ColorRef fill, ColorRef border) {
  auto pen = ScopedPen(s, PenStyle::Solid, 1, border);
  auto brush = ScopedBrush(s, fill);
  s.Rectangle(left, top, right, bottom);
}

void Line(Surface& s, int x0, int y0, int x1, int y1, ColorRef colour, int width = 1) {
  auto pen = ScopedPen(s, PenStyle::Solid, width, colour);
  s.MoveToEx(x0, y0, nullptr);
  s.LineTo(x1, y1);
}

enum class Align { Left, Centre };

// The largest size up to `pixels` at which `text` fits `area` word-wrapped,
// and the height it then takes; kSmallestPixels when nothing fits.
std::pair<int, int> FitText(Surface& s, std::string_view text, Rect area, int pixels, bool bold, std::uint32_t format) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  for (int size = pixels;; --size) {
    auto font = ScopedFont(s, Font(size, bold));
    Rect measured{0, 0, width, 0};
    const int drawnHeight = s.DrawTextA(text, measured, format | kDtCalcRect);
    const bool fits = drawnHeight <= height && measured.right - measured.left <= width;
    if (fits || size <= kSmallestPixels) return {size, drawnHeight};
  }
}

// Draws `text` inside `area`, word-wrapped, vertically centred, in the
// largest size up to `pixels` that fits; a label never spills out of its
// control, however narrow.
void Text(Surface& s, std::string_view text, Rect area, ColorRef colour, int pixels, bool bold, Align align) {
  const std::uint32_t format = kDtWordBreak | kDtNoPrefix | (align == Align::Centre ? kDtCenter : kDtLeft);
  const auto [size, drawnHeight] = FitText(s, text, area, pixels, bold, format);
  auto font = ScopedFont(s, Font(size, bold));
  s.SetBkMode(kTransparent);
  s.SetTextColor(colour);
  Rect place = area;
  place.top += std::max(0, (area.bottom - area.top - drawnHeight) / 2);
  s.DrawTextA(text, place, format);
}

// Every row of a '\n'-separated label gets an equal band of the height.
void RowsText(Surface& s, std::string_view text, int width, int height, ColorRef colour) {
  const int rows = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  const int band = height / rows;
  int top = 0;
  while (true) {
    const std::size_t end = text.find('\n');
    Text(s, text.substr(0, end), Rect{0, top, width, top + band}, colour, kLabelPixels, false, Align::Left);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
    top += band;
  }
}

struct Look {
  ColorRef fill;
  ColorRef border;
  ColorRef text;
  int shift;  // a pressed face moves a pixel down and right
};

Look ButtonLook(State state) {
  switch (state) {
    case State::Hover:
      return {kHover, kAccent, kText, 0};
    case State::Pressed:
      return {kAccent, kAccent, kInk, 1};
    default:
      return {kPanel, kBorder, kText, 0};
  }
}

// Where a control's one-line label goes, and the largest size it may take;
// nothing for the kinds without one. `shift` moves a pressed face's label.
struct LabelSpec {
  Rect area;
  int pixels;
  bool bold;
  Align align;
};

std::optional<LabelSpec> LabelOf(const Recipe& r, int shift = 0) {
  const int d = shift;
  switch (r.kind) {
    case Kind::Command:
    case Kind::ActionButton:
      return LabelSpec{{5 + d, 3 + d, r.width - 5 + d, r.height - 3 + d}, r.height >= 36 ? 13 : 12, true, Align::Centre};
    case Kind::Tab:
      return LabelSpec{{4, 3, r.width - 4, r.height - 5}, 13, true, Align::Centre};
    case Kind::CheckItem:
    case Kind::RadioItem: {
      const int mark = std::clamp(r.height - 6, 7, 11);
      return LabelSpec{{3 + mark + 5, 0, r.width - 1, r.height}, kLabelPixels, false, Align::Left};
    }
    case Kind::Banner:
      return LabelSpec{{12, 1, r.width - 4, r.height - 2}, 15, true, Align::Left};
    default:
      return std::nullopt;
  }
}

// The size a label is drawn at: its own largest, or its group's when smaller.
int LabelPixels(const Recipe& r, const LabelSpec& label) {
  return r.labelPixels > 0 ? std::min(r.labelPixels, label.pixels) : label.pixels;
}

void DrawButton(Surface& s, const Recipe& r) {
  const Look look = ButtonLook(r.state);
  Box(s, 0, 0, r.width, r.height, kBackground, kBackground);
  Box(s, 1, 1, r.width - 1, r.height - 1, look.fill, look.border);
  const int d = look.shift;
  const int cx = r.width / 2 + d;
  const int cy = r.height / 2 + d;
  switch (r.kind) {
    case Kind::CloseButton: {
      const int arm = std::min(r.width, r.height) / 4;
      Line(s, cx - arm, cy - arm, cx + arm, cy + arm, look.text, 2);
      Line(s, cx + arm, cy - arm, cx - arm, cy + arm, look.text, 2);
      break;
    }
    case Kind::MenuButton:
      // A down-pointing arrow, one row shorter on each side per line.
      for (int row = 0; row < 4; ++row) Line(s, cx - 3 + row, cy - 2 + row, cx + 4 - row, cy - 2 + row, look.text);
      break;
    case Kind::ColourButton:
      Text(s, r.label, Rect{2 + d, 2 + d, r.width - 2 + d, r.height - 2 + d}, look.text, kLabelPixels, true,
           Align::Centre);
      break;
    default: {
      const LabelSpec label = *LabelOf(r, d);
      Text(s, r.label, label.area, look.text, LabelPixels(r, label), label.bold, label.align);
      break;
    }
  }
}

void DrawTab(Surface& s, const Recipe& r) {
  const bool current = r.state == State::Current;
  const bool hover = r.state == State::Hover;
  const ColorRef fill = current ? kAccentDeep : hover ? kHover : kPanel;
  const ColorRef border = current || hover ? kAccent : kBorder;
  Box(s, 0, 0, r.width, r.height, fill, border);
  if (current) Box(s, 1, r.height - 4, r.width - 1, r.height - 1, kAccent, kAccent);
  const LabelSpec label = *LabelOf(r);
  Text(s, r.label, label.area, current || hover ? kText : kDimText, LabelPixels(r, label), current, label.align);
}

void DrawItem(Surface& s, const Recipe& r) {
  const bool ticked = r.state == State::Ticked;
  Box(s, 0, 0, r.width, r.height, ticked ? kTickedRow : kBackground, ticked ? kTickedRow : kBackground);
  const int mark = std::clamp(r.height - 6, 7, 11);
  const int x = 3;
  const int y = (r.height - mark) / 2;
  const ColorRef edge = ticked ? kAccent : kDimText;
  const ColorRef inside = ticked ? kAccent : kBackground;
  if (r.kind == Kind::RadioItem) {
    {
      auto pen = ScopedPen(s, PenStyle::Solid, 1, edge);
      auto brush = ScopedBrush(s, inside);
      s.Ellipse(x, y, x + mark + 1, y + mark + 1);
    }
    if (ticked) {
      auto pen = ScopedPen(s, PenStyle::Solid, 1, kInk);
      auto brush = ScopedBrush(s, kInk);
      const int inset = mark / 3;
      s.Ellipse(x + inset, y + inset, x + mark + 1 - inset, y + mark + 1 - inset);
    }
  } else {
    Box(s, x, y, x + mark + 1, y + mark + 1, inside, edge);
    if (ticked) {
      Line(s, x + 2, y + mark / 2, x + mark / 2 - 1, y + mark - 2, kInk, 2);
      Line(s, x + mark / 2 - 1, y + mark - 2, x + mark - 2, y + 2, kInk, 2);
    }
  }
  const LabelSpec label = *LabelOf(r);
  Text(s, r.label, label.area, ticked ? kText : kDimText, LabelPixels(r, label), label.bold, label.align);
}

void DrawBanner(Surface& s, const Recipe& r) {
  Box(s, 0, 0, r.width, r.height, kBackground, kBackground);
  Box(s, 0, 2, 4, r.height - 2, kAccent, kAccent);
  Line(s, 10, r.height - 1, r.width, r.height - 1, kBorder);
  const LabelSpec label = *LabelOf(r);
  Text(s, r.label, label.area, kText, LabelPixels(r, label), label.bold, label.align);
}

// Number boxes along the bottom: place and label.
struct NumberBox {
  int x, y, width, height;
  std::string_view label;
};
constexpr NumberBox kNumberBoxes[] = {
    {33, 366, 54, 16, "No of docs"},
    {113, 366, 55, 16, "Pages/doc"},
    {186, 366, 71, 16, "Coverage (%)"},
    {277, 366, 102, 16, "Y Paper offset (mm)"},
};

void DrawBackground(Surface& s, const Recipe& r) {
  const int w = r.width;
  const int h = r.height;
  Box(s, 0, 0, w, h, kBackground, kBackground);
  Box(s, 0, 0, w, 29, kPanel, kPanel);
  Line(s, 0, 29, w, 29, kBorder);
  Box(s, 14, 9, 18, 22, kAccent, kAccent);
  Text(s, r.label, Rect{24, 4, 190, 27}, kText, 14, true, Align::Left);
  // The window's outline is an octagon with 10-pixel corners.
  const Point outline[] = {{10, 0}, {w - 11, 0}, {w - 1, 10}, {w - 1, h - 11}, {w - 11, h - 1},
                           {10, h - 1}, {0, h - 11}, {0, 10}, {10, 0}};
  for (std::size_t i = 1; i < std::size(outline); ++i)
    Line(s, outline[i - 1].x, outline[i - 1].y, outline[i].x, outline[i].y, kAccentDeep);
  // Panels behind the test list, the preview and report, and the commands.
  Box(s, 14, 90, 398, 330, kBackground, kBorder);
  Box(s, 411, 81, 587, 329, kPanel, kBorder);
  Box(s, 411, 333, 591, 390, kPanel, kBorder);
  Box(s, 603, 85, 771, 215, kPanel, kBorder);
  Box(s, 603, 295, 771, 387, kPanel, kBorder);
  Box(s, 14, 340, 398, 390, kPanel, kBorder);
  for (const NumberBox& box : kNumberBoxes) {
    Text(s, box.label, Rect{box.x, 345, box.x + box.width + 12, 363}, kText, kLabelPixels, false, Align::Left);
    Box(s, box.x - 1, box.y - 1, box.x + box.width + 1, box.y + box.height + 1, kPanel, kAccentDeep);
  }
}

// The about box: a title bar like the main window's, the product's name and
// the maker's line, a frame round the text box (21, 134, 369 x 186) with the
// tabs' row above it, and a panel behind the three actions.
void DrawAboutBackground(Surface& s, const Recipe& r) {
  const int w = r.width;
  const int h = r.height;
  Box(s, 0, 0, w, h, kBackground, kAccentDeep);
  Box(s, 1, 1, w - 1, 29, kPanel, kPanel);
  Line(s, 1, 29, w - 1, 29, kBorder);
  Box(s, 14, 9, 18, 22, kAccent, kAccent);
  Text(s, r.label, Rect{24, 4, 400, 27}, kText, 14, true, Align::Left);
  Text(s, "QORVEL Veltrim v2", Rect{33, 40, 420, 70}, kAccent, 24, true, Align::Left);
  Text(s, "The printer test utility - QORVEL Software, 2007", Rect{33, 72, 420, 92}, kDimText, kLabelPixels, false,
       Align::Left);
  Box(s, 19, 101, 392, 120, kPanel, kBorder);
  Box(s, 19, 132, 392, 322, kPaper, kAccentDeep);
  Box(s, 430, 270, 483, 330, kPanel, kBorder);
  Text(s, "Internet", Rect{404, 250, 490, 268}, kDimText, kLabelPixels, false, Align::Centre);
}

}  // namespace

int FittedLabelPixels(Surface& s, const Recipe& r) {
  const auto label = LabelOf(r);
  if (!label || r.label.empty()) return 0;
  const std::uint32_t format = kDtWordBreak | kDtNoPrefix | (label->align == Align::Centre ? kDtCenter : kDtLeft);
  return FitText(s, r.label, label->area, label->pixels, label->bold, format).first;
}

void Draw(Surface& s, const Recipe& r) {
  switch (r.kind) {
    case Kind::Background:
      DrawBackground(s, r);
      break;
    case Kind::AboutBackground:
      DrawAboutBackground(s, r);
      break;
    case Kind::CloseButton:
    case Kind::Command:
    case Kind::ActionButton:
    case Kind::MenuButton:
    case Kind::ColourButton:
      DrawButton(s, r);
      break;
    case Kind::Tab:
      DrawTab(s, r);
      break;
    case Kind::Banner:
      DrawBanner(s, r);
      break;
    case Kind::CheckItem:
    case Kind::RadioItem:
      DrawItem(s, r);
      break;
    case Kind::Label:
      Box(s, 0, 0, r.width, r.height, kBackground, kBackground);
      RowsText(s, r.label, r.width, r.height, kText);
      break;
    case Kind::Separator:
      Box(s, 0, 0, r.width, r.height, kBorder, kBorder);
      Line(s, 0, 0, r.width, 0, kAccentDeep);
      break;
  }
}

void DrawIcon(Surface& s, int size) {
  const auto at = [size](int percent) { return size * percent / 100; };
  Box(s, 0, 0, size, size, kBackground, kBackground);
  Box(s, at(28), at(8), at(72), at(42), kPaper, kBorder);                     // sheet going in
  Box(s, at(8), at(36), at(92), at(74), kAccent, kAccentDeep);               // body
  Box(s, at(24), at(62), at(76), at(94), kPaper, kBorder);                   // sheet coming out
  Line(s, at(32), at(72), at(68), at(72), kAccentDeep, std::max(1, size / 24));  // a printed line
  Line(s, at(32), at(82), at(60), at(82), kAccentDeep, std::max(1, size / 24));
}

}  // namespace veltrim::art
