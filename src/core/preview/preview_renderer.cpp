#include "core/preview/preview_renderer.hpp"

#include <array>
#include <cmath>
#include <span>
#include <string>

#include "core/patterns/colour/colour_patterns.hpp"
#include "core/patterns/custom/custom_patterns.hpp"
#include "core/patterns/shared/filled_boxes.hpp"
#include "core/platform/drawing.hpp"
#include "core/platform/scoped_object.hpp"
#include "core/support/saturating.hpp"

namespace veltrim {
namespace {

constexpr double kPxPerMm = 0.8047;
constexpr float kPxPerMmSingle = 0.8047f;
constexpr std::uint32_t kTextFlags = kDtWordBreak | kDtEditControl;
constexpr ColorRef kWhite = 0xFFFFFF;

// Every float-to-pixel conversion truncates toward zero.
int T(double value) { return static_cast<int>(value); }

void DrawPicture(Surface& dc, PreviewPictures& pictures, int id, int x, int y) {
  const ObjectHandle bitmap = pictures.Load(dc, id);
  if (!bitmap) return;
  Size size;
  if (dc.GetBitmapSize(bitmap, size)) dc.BitBlt(x, y, size.cx, size.cy, bitmap, 0, 0);
  dc.DeleteObject(bitmap);
}

// Columns of equal width w / n across [top, bottom), one colour each, the
// last one reaching the right edge.
void Columns(Surface& dc, std::span<const ColorRef> colours, int width, int top, int bottom) {
  const int n = static_cast<int>(colours.size()), step = width / n;
  for (int i = 0; i < n; ++i)
    FillBox(dc, colours[static_cast<std::size_t>(i)], Rect{i * step, top, i == n - 1 ? width : (i + 1) * step, bottom});
}

// Black text wrapped in `rect`.
void Paragraph(Surface& dc, std::string_view text, Rect rect) { TransparentText(dc, text, rect, kBlack, kTextFlags); }

// Vertical lines every 5 pixels from y0 to y1, the k-th t(1 + 0.2 k) wide,
// the width summed in single precision as it grows.
void WeightComb(Surface& dc, ColorRef colour, int width, int y0, int y1) {
  float lineWidth = 1.0f;
  for (int x = 0; x < width; x += 5, lineWidth += 0.2f) {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, static_cast<int>(lineWidth), colour);
    Line(dc, x, y0, x, y1);
  }
}

void Bands(Surface& dc, int width, int height, std::span<const ColorRef> cycle) {
  const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, kWhite);
  std::size_t next = 0;
  for (int y = 0; y < height; next = (next + 1) % cycle.size()) {
    const int bottom = T(y + 8.047);
    const ScopedObject brush = ScopedBrush(dc, cycle[next]);
    dc.Rectangle(0, y, width, bottom);
    y = bottom;
  }
}

void Grid(Surface& dc, ColorRef colour, int width, int height, int step) {
  const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, colour);
  for (int y = 0; y < height; y += step) Line(dc, 0, y, width, y);
  for (int x = 0; x < width; x += step) Line(dc, x, 0, x, height);
}

void BlackWhite(const PixelCanvas& canvas, const TestSelection& selection, int n) {
  Surface& dc = canvas.surface;
  const int w = canvas.width, h = canvas.height;
  const auto& ticked = selection.bwTests;
  if (ticked[9]) {
    Paragraph(dc, PreviewSimpleText(), Rect{0, 0, w, h});
    return;
  }
  const double o = n * kPxPerMm;
  int c = 0;
  if (ticked[0]) {
    Paragraph(dc,
              "QORVEL Software - Veltrim Program - version 2 - Some info about your printer will be displayed here !",
              Rect{0, T(o), w, h});
    c = 80;
  }
  if (ticked[1]) {
    const int y = T(o + c);
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, kBlack);
    Line(dc, 0, y, w, y);
    Line(dc, 0, y + 2, w, y + 2);
    for (int x = 0; x < w; x += 5) Line(dc, x, y + 3, x, T(y + 2 + 8.047));
    c = T(c + 11.047);
  }
  if (ticked[2]) {
    const double d = o + c;
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, kBlack);
    dc.Arc(0, T(d), 2 * (w / 3), T(d + 16.094), 0, 0, 0, 0);
    c = T(c + 17.094);
  }
  if (ticked[3]) {
    FillBox(dc, kBlack, Rect{0, T(o + c), w, T(o + c + 1.6094)});
    c = T(c + 2.6094);
  }
  if (ticked[4]) {
    FillBox(dc, kBlack, Rect{0, T(o + c), w, T(o + c + 8.047)});
    c = T(c + 9.047);
  }
  if (ticked[5]) {
    static constexpr ColorRef kGreys[] = {Rgb(204, 204, 204), Rgb(153, 153, 153), Rgb(102, 102, 102), Rgb(51, 51, 51)};
    Columns(dc, kGreys, w, T(o + c), T(o + c + 8.047));
    c = T(c + 9.047);
  }
  if (ticked[6]) {
    const double d = o + c;
    const int y1 = T(d), y2 = T(d + 28.1645);
    const int a = (w / 2) / 2, m = (y1 + y2) / 2;
    const auto radial = [&](float theta) {
      return Point{T(a + a * std::cos(theta)), T(m - m * std::sin(theta))};
    };
    const Point start = radial(4.0707965f), end = radial(0.4596852f);
    const int direction = dc.SetArcDirection(kAdClockwise);
    {
      const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, kBlack);
      const ScopedObject brush = ScopedBrush(dc, kWhite);
      dc.Chord(0, y1, w / 2, y2, start.x, start.y, end.x, end.y);
    }
    if (direction != 0) dc.SetArcDirection(direction);
    c = T(c + 29.1645);
  }
  if (ticked[7]) {
    const int top = T(n * kPxPerMm + c), bottom = T((n + 40) * kPxPerMm + c);
    std::array<Point, 7> points;
    for (int i = 0; i < 7; ++i) points[i] = Point{20 * i, i % 2 == 0 ? top : bottom};
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, kBlack);
    dc.PolyBezier(points);
    c = T(c + 33.188);
  }
  if (ticked[8]) WeightComb(dc, kBlack, w, T(o + c + 1), T(o + c + 8.047));
}

void Colour(const PixelCanvas& canvas, const TestSelection& selection, int n, PreviewPictures& pictures) {
  Surface& dc = canvas.surface;
  const int w = canvas.width;
  const auto& ticked = selection.colorTests;
  const double o = n * kPxPerMm;
  int c = 0;
  const auto bar = [&](ColorRef colour, int top) { FillBox(dc, colour, Rect{0, T(o + top), w, T(o + top + 8.047)}); };
  const auto picture = [&](int id, int x, int advance) {
    DrawPicture(dc, pictures, id, x, T(c + o));
    c += advance;
  };
  if (ticked[0]) {
    bar(kCyan, 0);
    bar(kMagenta, 8);
    bar(kYellow, 16);
    c = 24;
  }
  if (ticked[1]) {
    bar(kRed, c);
    const int c1 = T(c + 8.047);
    bar(kGreen, c1);
    const int c2 = T(c1 + 8.047);
    bar(kBlue, c2);
    c = T(c2 + 8.047);
  }
  if (ticked[2]) picture(kPreviewCmyGradients, 0, 25);
  if (ticked[3]) picture(kPreviewRgbGradients, 0, 25);
  if (ticked[4]) {
    bar(kBlack, c);
    c = T(c + 8.047);
  }
  if (ticked[5]) picture(kPreviewBlackGradient, 0, 8);
  if (ticked[6]) picture(kPreviewCmyCrossover, 0, 60);
  if (ticked[7]) {
    if (ticked[6]) c -= 60;  // both squares share one row
    picture(kPreviewRgbCrossover, w - 60, 60);
  }
  if (ticked[8]) {
    const int y0 = c + 2, a = T(o + y0), b = T(o + y0 + 4);
    int k = 0;
    for (const ColorRef colour : {kCyan, kMagenta, kYellow, kBlack}) {
      const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, colour);
      Line(dc, 0, a + k, w, b + k);
      ++k;
    }
    c += 11;
  }
  if (ticked[9]) {
    const double d = o + c + 3;
    WeightComb(dc, kCyan, w, T(d + 1), T(d + 8.047));
    c = T(c + 3 + 10.047);
  }
  if (ticked[10]) {
    WeightComb(dc, kMagenta, w, T(o + c + 1), T(o + c + 8.047));
    c = T(c + 10.047);
  }
  if (ticked[11]) WeightComb(dc, kYellow, w, T(o + c + 1), T(o + c + 8.047));
  if (ticked[12]) DrawPicture(dc, pictures, kPreviewBitmapImage, 0, 0);
}

void Advanced(const PixelCanvas& canvas, int option, PreviewPictures& pictures) {
  Surface& dc = canvas.surface;
  const int w = canvas.width, h = canvas.height;
  static constexpr ColorRef kCmy[] = {kCyan, kMagenta, kYellow};
  static constexpr ColorRef kCmyk[] = {kCyan, kMagenta, kYellow, kBlack};
  static constexpr ColorRef kFills[] = {kCyan, kMagenta, kYellow, kBlack, kRed, kGreen, kBlue, kWhite};
  switch (option) {
    case 0: Bands(dc, w, h, kCmy); break;
    case 1: Bands(dc, w, h, kCmyk); break;
    case 2: Columns(dc, kCmy, w, 0, h); break;
    case 3: Columns(dc, kCmyk, w, 0, h); break;
    case 4: Grid(dc, kBlack, w, h, 8); break;
    case 13: DrawPicture(dc, pictures, kPreviewCmykSquare, 0, 0); break;
    case 14: DrawPicture(dc, pictures, kPreviewTextOnly, 0, 0); break;
    default:
      if (option >= 5 && option <= 12) FillBox(dc, kFills[option - 5], Rect{0, 0, w, h});
      break;
  }
}

void Calibration(const PixelCanvas& canvas, const TestSelection& selection, int n, PreviewPictures& pictures) {
  Surface& dc = canvas.surface;
  const auto& ticked = selection.calibrationTests;
  if (ticked[7]) {
    DrawPicture(dc, pictures, kPreviewGraph, 0, 0);
    return;
  }
  const float o = static_cast<float>(n) * kPxPerMmSingle;
  DrawPicture(dc, pictures, kPreviewCalibrationTitle, 0, T(o));
  int c = 12;
  // Black, cyan, magenta, yellow, red, green, blue: picture and the cursor
  // after it (black puts it at 32, the others move it on).
  struct Strip {
    int picture;
    int advance;
  };
  static constexpr Strip kStrips[] = {{32, 0}, {29, 35}, {30, 34}, {31, 35}, {33, 34}, {34, 34}, {35, 0}};
  for (int i = 0; i < 7; ++i) {
    if (!ticked[i]) continue;
    DrawPicture(dc, pictures, kStrips[i].picture, 0, T(static_cast<float>(c) + o));
    c = i == 0 ? 32 : c + kStrips[i].advance;
  }
}

void Custom(const PixelCanvas& canvas, const TestSelection& selection, int n, PreviewPictures& pictures) {
  Surface& dc = canvas.surface;
  const int w = canvas.width, h = canvas.height;
  const auto& ticked = selection.customTests;
  const auto slot = [&](int index) { return ToColorRef(selection.customColours[index]); };
  if (ticked[0]) FillBox(dc, slot(kFullPageColourSlot), Rect{0, 0, w, h});
  if (ticked[1] && selection.gradientLayout >= 0 && selection.gradientLayout <= 2) {
    const bool strip = selection.gradientLayout == 0;
    const int top = strip ? T(n * kPxPerMm) : 0;
    const int bottom = strip ? T((n + 10) * kPxPerMm) : h;
    {
      const ScopedObject pen =
          ScopedPen(dc, PenStyle::Solid, selection.gradientLayout == 1 ? 62 : 6, slot(kGradientStartSlot));
      dc.MoveToEx(0, top, nullptr);
      dc.LineTo(w, top);
      dc.LineTo(w, bottom);
      dc.LineTo(0, bottom);
      dc.LineTo(0, top);
    }
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 6, slot(kGradientEndSlot));
    Line(dc, 0, bottom, w, top);
  }
  if (ticked[2]) {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 2, kBlack);
    Line(dc, 0, 0, w, h);
    Line(dc, 0, h, w, 0);
  }
  if (ticked[3]) Grid(dc, slot(kGridColourSlot), w, h, 5);
  if (ticked[4]) DrawPicture(dc, pictures, kPreviewCustomSquare, 0, 0);
  if (ticked[5]) {
    const ColorRef dot = slot(kCoverageColourSlot);
    for (int x = 0; x < w; ++x)
      for (int y = 0; y < h; ++y) {
        if ((static_cast<long long>(w) * y + x) % 5 != 0) continue;
        canvas.Put(x, y, dot);
      }
  }
}

}  // namespace

std::string_view PreviewSimpleText() {
  static const std::string text = [] {
    std::string paragraph =
        "QORVEL Software - Veltrim Program - version 2 - This page sets the text file beside the program over "
        "the whole printable area, in the printer's own font, to show how evenly it lays down text. ";
    static constexpr const char* kWords[] = {"paper", "toner", "line",   "margin", "ink",   "page",
                                             "glyph", "spool", "dot",    "tray",   "sheet", "density",
                                             "grey",  "serif", "column", "feed",   "drum",  "pixel"};
    std::uint32_t state = 20061;  // a fixed seed: the same words every time
    for (int i = 0; i < 220; ++i) {
      state = state * 1103515245u + 12345u;
      paragraph += kWords[(state >> 16) % std::size(kWords)];
      paragraph += ' ';
    }
    return paragraph;
  }();
  return text;
}

bool DrawPreview(const PixelCanvas& canvas, const TestSelection& selection, int offsetMm,
                 PreviewPictures& pictures) {
  // Any typed offset: held where what it moves is off the canvas already, so
  // the sums it enters (n + 40, the chord's middle, ...) stay within int.
  offsetMm = SaturatedInt(offsetMm, -kFarOffPage, kFarOffPage);
  switch (selection.currentTab) {
    case Tab::BlackWhite: BlackWhite(canvas, selection, offsetMm); return true;
    case Tab::Color: Colour(canvas, selection, offsetMm, pictures); return true;
    case Tab::Advanced: Advanced(canvas, selection.advancedOption, pictures); return true;
    case Tab::Calibration: Calibration(canvas, selection, offsetMm, pictures); return true;
    case Tab::Custom: Custom(canvas, selection, offsetMm, pictures); return true;
    default: return false;
  }
}

}  // namespace veltrim
