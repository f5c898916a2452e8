#include "core/patterns/calibration/saturation_lightness_page.hpp"

#include <algorithm>

#include "core/colour/colour_models.hpp"
#include "core/page/title_line.hpp"
#include "core/patterns/shared/float_steps.hpp"
#include "core/patterns/shared/percent_ruler.hpp"
#include "core/patterns/shared/solid_fill.hpp"
#include "core/support/dyn_string.hpp"

namespace veltrim {
namespace {

struct Chart {
  int left = 0, top = 0, right = 0, bottom = 0;
  float gw = 0, gh = 0;
  float stepX = 0, stepY = 0;
  float centreX = 0, centreY = 0;
};

// One of the four walks from the centre outwards, a cell per step: columns
// in the outer loop, rows (from the centre row afresh) in the inner one.
struct Walk {
  int dx;
  int dy;
};
constexpr Walk kWalks[] = {{-1, -1}, {+1, -1}, {-1, +1}, {+1, +1}};  // up-left, up-right, down-left, down-right

// The cell's span along one axis: from the truncated corner one step back
// or forward.
void Span(float corner, float step, int direction, int& low, int& high) {
  const int at = static_cast<int>(corner);
  const int other = static_cast<int>(direction < 0 ? static_cast<float>(at) - step : static_cast<float>(at) + step);
  low = direction < 0 ? other : at;
  high = direction < 0 ? at : other;
}

// Saturation or lightness at `fromEdge` along a chart side of `size`: the
// centre value at the middle, 50 points less (sign -1) or more (+1) at the
// near edge, truncated and held to 0..100.
int Shade(int centreValue, float size, float fromEdge, int sign) {
  const double half = 0.5 * size;
  const auto value = static_cast<float>(centreValue + sign * 50 * (half - fromEdge) / half);
  return std::clamp(static_cast<int>(value), 0, 100);
}

void DrawChart(Surface& dc, const Chart& c, const Hsl& centre) {
  // A chart with no room (a page narrower than its margin) has no cells;
  // the shades would divide by its zero width.
  if (c.gw <= 0 || c.gh <= 0) return;
  for (const Walk& walk : kWalks) {
    const auto columnLeft = [&](float cx) {
      return walk.dx < 0 ? cx >= static_cast<float>(c.left) : cx < static_cast<float>(c.left) + c.gw;
    };
    const auto rowLeft = [&](float cy) {
      return walk.dy < 0 ? cy >= static_cast<float>(c.top) : cy < static_cast<float>(c.top) + c.gh;
    };
    StepAlong(c.centreX, static_cast<float>(walk.dx) * c.stepX, columnLeft, [&](float cx) {
      const int saturation = Shade(centre.saturation, c.gw, cx - static_cast<float>(c.left), -1);
      StepAlong(c.centreY, static_cast<float>(walk.dy) * c.stepY, rowLeft, [&](float cy) {
        const int lightness = Shade(centre.lightness, c.gh, cy - static_cast<float>(c.top), +1);
        const Rgb8 rgb = HslToRgb(centre.hue, saturation, lightness);
        int left = 0, right = 0, top = 0, bottom = 0;
        Span(cx, c.stepX, walk.dx, left, right);
        Span(cy, c.stepY, walk.dy, top, bottom);
        FillCell(dc, Rgb(rgb.red, rgb.green, rgb.blue), left, top, right, bottom);
      });
    });
  }
}

}  // namespace

void DrawSaturationLightnessGraph(Surface& dc, int width, int height, float pxPerMmX, float pxPerMmY,
                                  const ColourTriple& centre, std::string_view printerName) {
  // The chart is a square as wide as the page's shorter side allows, less a
  // 10 mm margin for the rulers; the text goes below it (portrait) or to its
  // right (landscape).
  const bool portrait = width <= height;
  const int side = portrait ? width : height;
  Chart c;
  c.left = static_cast<int>(10 * pxPerMmY);
  c.top = static_cast<int>(10 * pxPerMmX);
  c.right = side;
  c.bottom = side;
  c.gw = static_cast<float>(c.right - c.left);
  c.gh = static_cast<float>(c.bottom - c.top);
  c.stepX = c.gw / 100;
  c.stepY = c.gh / 100;
  c.centreX = static_cast<float>(c.left + 0.5 * c.gw);
  c.centreY = static_cast<float>(c.top + 0.5 * c.gh);
  Rect textBox = portrait ? Rect{c.left, static_cast<int>(static_cast<float>(width) + 10 * pxPerMmX), width, height}
                          : Rect{static_cast<int>(static_cast<float>(height) + 4 * pxPerMmX), c.top, width, height};

  const ColorRef colour = ToColorRef(centre);
  const int red = RedOf(colour), green = GreenOf(colour), blue = BlueOf(colour);
  const Hsl hsl = RgbToHsl(red, green, blue);
  const Cmyk cmyk = RgbToCmyk(red, green, blue);

  const RulerEdge top{false, 0, static_cast<float>(c.left), c.gw, 5 * pxPerMmX};
  const RulerEdge left{true, 0, static_cast<float>(c.top), c.gh, 4 * pxPerMmY};
  const auto right = static_cast<float>(c.right), bottom = static_cast<float>(c.bottom);
  {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, static_cast<int>(0.2f * pxPerMmY), Rgb(0, 0, 0));
    DrawTicks(dc, top, 100, right, static_cast<int>(3 * pxPerMmX));
    DrawTicks(dc, left, 100, bottom, static_cast<int>(3 * pxPerMmX));
    DrawTicks(dc, top, 20, right, static_cast<int>(5 * pxPerMmX));
    DrawTicks(dc, left, 20, bottom, static_cast<int>(5 * pxPerMmX));
  }
  {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, static_cast<int>(0.4f * pxPerMmY), Rgb(0, 0, 0));
    DrawLabelledTicks(dc, top, right + 1, static_cast<int>(8 * pxPerMmX));
    DrawLabelledTicks(dc, left, bottom + 1, static_cast<int>(8 * pxPerMmX));
  }

  DrawChart(dc, c, hsl);

  {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, Rgb(0, 0, 0));
    const ScopedObject hollow(dc, dc.CreateBrushIndirect(LogBrush{kBsNull, 0, 0}));
    dc.Rectangle(c.left, c.top, c.right, c.bottom);
  }

  DynString text;
  text.Append(kTitleVersion2).Append(printerName);
  text.Append("\r\nCenter Colour (RGB): ").AppendNumber(red).Append(", ").AppendNumber(green).Append(", ");
  text.AppendNumber(blue);
  text.Append("\r\nCenter Colour (HSL): ").AppendNumber(hsl.hue).Append(", ").AppendNumber(hsl.saturation);
  text.Append(", ").AppendNumber(hsl.lightness);
  text.Append("\r\nCenter Colour (CMYK): ").AppendNumber(cmyk.cyan).Append(", ").AppendNumber(cmyk.magenta);
  text.Append(", ").AppendNumber(cmyk.yellow).Append(", ").AppendNumber(cmyk.black);
  dc.DrawTextA(text.View(), textBox, kDtWordBreak | kDtNoPrefix | kDtEditControl);
}

void DrawSaturationLightnessPage(PageContext& page) {
  const PageGeometry& g = page.geometry;
  DrawSaturationLightnessGraph(page.dc, g.pageWidth, g.pageHeight, g.pxPerMmX, g.pxPerMmY,
                               page.selection.customColours[kCentreColourSlot], page.printerName);
}

}  // namespace veltrim
