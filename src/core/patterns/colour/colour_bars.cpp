#include "core/patterns/colour/colour_patterns.hpp"
#include "core/patterns/shared/filled_boxes.hpp"
#include "core/patterns/shared/vertical_mm.hpp"

namespace veltrim {
namespace {

// Three full-width bars one centimetre high, one below the other.
void DrawThreeBars(PageContext& page, ColorRef first, ColorRef second, ColorRef third) {
  const int u = VerticalMm(page.dc, 10);
  const int y0 = page.geometry.cursorY;
  const int width = page.geometry.pageWidth;
  int top = y0;
  for (const ColorRef colour : {first, second, third}) {
    FillBox(page.dc, colour, Rect{0, top, width, top + u});
    top += u;
  }
  page.geometry.cursorY = y0 + 3 * u + kBlockGap;
}

}  // namespace

void DrawCmyBars(PageContext& page) { DrawThreeBars(page, kCyan, kMagenta, kYellow); }

void DrawRgbBars(PageContext& page) { DrawThreeBars(page, kRed, kGreen, kBlue); }

void DrawBlackBar(PageContext& page) {
  const int u = VerticalMm(page.dc, 10);
  const int y0 = page.geometry.cursorY;
  FillBox(page.dc, kBlack, Rect{0, y0, page.geometry.pageWidth, y0 + u});
  page.geometry.cursorY = y0 + u;
}

}  // namespace veltrim
