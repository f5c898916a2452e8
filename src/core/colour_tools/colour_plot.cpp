#include "core/colour_tools/colour_plot.hpp"

#include <algorithm>
#include <cstdint>

#include "core/colour/colour_models.hpp"
#include "core/patterns/calibration/saturation_lightness_page.hpp"
#include "core/patterns/custom/custom_patterns.hpp"
#include "core/patterns/shared/four_sided_gradient.hpp"
#include "core/platform/drawing.hpp"
#include "core/platform/scoped_object.hpp"
#include "core/support/number_text.hpp"
#include "core/support/saturating.hpp"

namespace veltrim {
namespace {

ColorRef Ref(const ColourTriple& c) { return Rgb(c.red, c.green, c.blue); }

// Every corner blended row by row, both ends of each row included.
void CornerGradient(const PixelCanvas& canvas, const FourCorners& corners) {
  const int w = canvas.width, h = canvas.height;
  if (w <= 0 || h <= 0) return;
  for (int y = 0; y <= h; ++y) {
    const ColourTriple left = Blend(corners.topLeft, corners.bottomLeft, y, h);
    const ColourTriple right = Blend(corners.topRight, corners.bottomRight, y, h);
    for (int x = 0; x <= w; ++x) canvas.Put(x, y, Ref(Blend(left, right, x, w)));
  }
}

// From the centre outwards, quadrant by quadrant (top left, top right,
// bottom left, bottom right): saturation 50 points up to the right edge and
// down to the left one, lightness 50 points up to the top and down to the
// bottom, each held to 0..100.
void SaturationLightness(const PixelCanvas& canvas, const ColourTriple& centre) {
  const int w = canvas.width, h = canvas.height;
  if (w <= 0 || h <= 0) return;
  const Hsl c = RgbToHsl(centre.red, centre.green, centre.blue);
  canvas.Put(w / 2, h / 2, ToColorRef(centre));
  const float halfW = static_cast<float>(w) / 2.0f, halfH = static_cast<float>(h) / 2.0f;
  const auto paint = [&](float x, float y) {
    const int s = std::clamp(static_cast<int>(c.saturation - ((halfW - x) * 50.0f) / halfW), 0, 100);
    const int l = std::clamp(static_cast<int>(((halfH - y) * 50.0f) / halfH + c.lightness), 0, 100);
    const Rgb8 rgb = HslToRgb(c.hue, s, l);
    canvas.Put(static_cast<int>(x), static_cast<int>(y), Rgb(rgb.red, rgb.green, rgb.blue));
  };
  for (const int dy : {-1, 1})
    for (const int dx : {-1, 1})
      for (float y = halfH; dy < 0 ? y >= 0 : y < static_cast<float>(h); y += static_cast<float>(dy))
        for (float x = halfW; dx < 0 ? x >= 0 : x < static_cast<float>(w); x += static_cast<float>(dx)) paint(x, y);
}

// 512 outlined stripes from the start colour to the end colour: across the
// width for layouts 0 and 2, down the height for layout 1.
void TwoColourGradient(const PixelCanvas& canvas, const TestSelection& selection) {
  Surface& dc = canvas.surface;
  const int w = canvas.width, h = canvas.height;
  const bool horizontal = selection.gradientLayout == kFullPageVertical;
  const ColourTriple start = selection.customColours[kGradientStartSlot];
  const ColourTriple end = selection.customColours[kGradientEndSlot];
  const float step = static_cast<float>(horizontal ? h : w) / kGradientStripes;
  float p = 0.0f;
  for (int k = 0; k < kGradientStripes; ++k, p += step) {
    const int from = static_cast<int>(p), to = static_cast<int>(p + step);
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, Ref(Blend(start, end, k, kGradientStripes)));
    const std::array<Point, 4> corners = horizontal
                                             ? std::array<Point, 4>{{{0, from}, {w, from}, {w, to}, {0, to}}}
                                             : std::array<Point, 4>{{{from, 0}, {to, 0}, {to, h}, {from, h}}};
    dc.MoveToEx(corners[0].x, corners[0].y, nullptr);
    for (int i = 1; i <= 4; ++i) dc.LineTo(corners[i % 4].x, corners[i % 4].y);
  }
}

}  // namespace

bool DrawPlotPicture(const PixelCanvas& canvas, int kind, const TestSelection& selection) {
  switch (kind) {
    case kPlotCmykCorners: CornerGradient(canvas, kCmykCorners); return true;
    case kPlotCurvesOnly: return true;
    case kPlotSaturationLightness: SaturationLightness(canvas, selection.customColours[kCentreColourSlot]); return true;
    case kPlotTwoColourGradient: TwoColourGradient(canvas, selection); return true;
    case kPlotCustomCorners: CornerGradient(canvas, CustomCorners(selection)); return true;
    default: return false;
  }
}

int CurveMiddle(int printerValue, int screenValue, int height) {
  // config.qrv's values saturate at the 32-bit limits, so their difference
  // is taken in 64 bits and the middle held before it becomes an int.
  const float difference = static_cast<float>(std::int64_t{printerValue} - screenValue);
  const float middle = ((50.0f - difference) * static_cast<float>(height)) / 200.0f;
  return SaturatedInt(middle, -kFarOffPage, kFarOffPage);
}

std::array<Point, 4> CurvePoints(int printerValue, int screenValue, int width, int height) {
  const int m = CurveMiddle(printerValue, screenValue, height);
  const int x = static_cast<int>(width * 3 * 0.25);
  return {{{0, height}, {x, m}, {x, m}, {width, 0}}};
}

void DrawCurves(Surface& dc, int width, int height, const CalibrationValues& printer, const CalibrationValues& screen) {
  {
    const ScopedObject grey = ScopedPen(dc, PenStyle::Solid, 1, Rgb(128, 128, 128));
    Line(dc, 0, height, width, 0);
    for (const int y : {height / 4, height / 2, 3 * height / 4}) Line(dc, 0, y, width, y);
    for (const int x : {width / 4, width / 2, 3 * width / 4}) Line(dc, x, 0, x, height);
  }
  static constexpr ColorRef kInks[kCalibrationValues] = {Rgb(0, 255, 255), Rgb(255, 0, 255), Rgb(255, 255, 0),
                                                         Rgb(0, 0, 0),     Rgb(255, 0, 0),   Rgb(0, 255, 0),
                                                         Rgb(0, 0, 255)};
  for (int i = 0; i < kCalibrationValues; ++i) {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 2, kInks[i]);
    const std::array<Point, 4> points = CurvePoints(printer[i], screen[i], width, height);
    dc.PolyBezier(points);
  }
}

std::string ColourReadout(int x, int y, int width, int height, ColorRef pixel) {
  const int r = static_cast<int>(pixel & 0xFF), g = static_cast<int>((pixel >> 8) & 0xFF),
            b = static_cast<int>((pixel >> 16) & 0xFF);
  const Hsl hsl = RgbToHsl(r, g, b);
  const Cmyk cmyk = RgbToCmyk(r, g, b);
  const auto percent = [](int at, int size) { return FloatToText(at * 100.0 / size, 100); };
  const auto list = [](std::initializer_list<int> values) {
    std::string text;
    for (const int value : values) text += (text.empty() ? "" : ", ") + IntToText(value);
    return text;
  };
  return "Position X: " + percent(x, width) + "\r\nPosition Y: " + percent(y, height) + "\r\n\r\nRGB: " +
         list({r, g, b}) + "\r\nHSL: " + list({hsl.hue, hsl.saturation, hsl.lightness}) + "\r\nCMYK: " +
         list({cmyk.cyan, cmyk.magenta, cmyk.yellow, cmyk.black}) + "\r\n\r\nJust hit Ctrl+C to copy this text !";
}

}  // namespace veltrim
