#include "core/patterns/advanced/colour_bands.hpp"

#include <algorithm>

#include "core/patterns/shared/solid_fill.hpp"
#include "core/patterns/shared/vertical_mm.hpp"

namespace veltrim {
namespace {

constexpr ColorRef kProcessColours[] = {0xFFFF00, 0xFF00FF, 0x00FFFF, 0x000000};  // cyan, magenta, yellow, black

int ColourCount(int colours) { return std::clamp(colours, 3, 4); }

}  // namespace

void DrawRepetitiveBars(PageContext& page, int colours) {
  const int n = ColourCount(colours);
  // A device without a size in millimetres still gets bars (one unit high)
  // rather than a loop that never moves down the page.
  const int u = std::max(1, VerticalMm(page.dc, 10));
  const int pageWidth = page.dc.GetDeviceCaps(DeviceCap::HorzRes);
  const int pageHeight = page.dc.GetDeviceCaps(DeviceCap::VertRes);
  for (int i = 0; i < n; ++i) {
    const SolidFill fill(page.dc, kProcessColours[i]);
    for (int y = i * u; y < pageHeight; y += n * u) page.dc.Rectangle(0, y, pageWidth, y + u);
  }
}

void DrawVerticalStripes(PageContext& page, int colours) {
  const int n = ColourCount(colours);
  const int w = page.geometry.pageWidth / n;
  for (int i = 0; i < n; ++i) {
    const SolidFill fill(page.dc, kProcessColours[i]);
    const int right = i == n - 1 ? page.geometry.pageWidth : (i + 1) * w;
    page.dc.Rectangle(i * w, 0, right, page.geometry.pageHeight);
  }
}

}  // namespace veltrim
