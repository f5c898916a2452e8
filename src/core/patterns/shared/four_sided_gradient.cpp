#include "core/patterns/shared/four_sided_gradient.hpp"

#include <algorithm>
#include <string>

#include "core/page/title_line.hpp"
#include "core/patterns/shared/solid_fill.hpp"

namespace veltrim {
namespace {

std::int16_t Channel(int value) { return static_cast<std::int16_t>(std::clamp(value, 0, 255)); }

ColourTriple Held(ColourTriple c) { return {Channel(c.red), Channel(c.green), Channel(c.blue)}; }

int Between(int from, int to, int numerator, int denominator) {
  return from + (to - from) * numerator / denominator;
}

// Ten millimetres below the square in portrait, beside it in landscape.
Rect CaptionRect(const PageGeometry& g) {
  const float gap = 10 * g.pxPerMmX;
  if (g.pageWidth <= g.pageHeight) return {0, static_cast<int>(g.pageWidth + gap), g.pageWidth, g.pageHeight};
  return {static_cast<int>(g.pageHeight + gap), 0, g.pageWidth, g.pageHeight};
}

}  // namespace

ColourTriple Blend(ColourTriple from, ColourTriple to, int numerator, int denominator) {
  from = Held(from);
  to = Held(to);
  return {Channel(Between(from.red, to.red, numerator, denominator)),
          Channel(Between(from.green, to.green, numerator, denominator)),
          Channel(Between(from.blue, to.blue, numerator, denominator))};
}

void DrawFourSidedGradient(PageContext& page, const FourCorners& corners) {
  const PageGeometry& g = page.geometry;
  const int m = std::min(g.pageWidth, g.pageHeight);
  // Cells of at least one unit, also on a device under 255 units a side.
  const int cell = std::max(1, m / 255);
  // A page without area has no square to blend across (and m divides).
  if (m > 0) {
    for (int y = 0; y <= m; y += cell) {
      const ColourTriple left = Blend(corners.topLeft, corners.bottomLeft, y, m);
      const ColourTriple right = Blend(corners.topRight, corners.bottomRight, y, m);
      for (int x = 0; x <= m; x += cell) {
        const ColourTriple c = Blend(left, right, x, m);
        const SolidFill fill(page.dc, Rgb(c.red, c.green, c.blue));
        page.dc.Rectangle(x, y, x + cell, y + cell);
      }
    }
  }
  Rect caption = CaptionRect(g);
  page.dc.DrawTextA(std::string(kTitleVersion2) + page.printerName, caption,
                    kDtWordBreak | kDtNoPrefix | kDtEditControl);
}

void DrawCmykFourSidedGradient(PageContext& page) {
  DrawFourSidedGradient(page, kCmykCorners);
}

void DrawCustomFourSidedGradient(PageContext& page) {
  DrawFourSidedGradient(page, CustomCorners(page.selection));
}

}  // namespace veltrim
