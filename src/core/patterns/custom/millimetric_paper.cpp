#include "core/patterns/custom/custom_patterns.hpp"
#include "core/platform/scoped_object.hpp"

namespace veltrim {
namespace {

// Horizontal lines every `step` units down the page, then vertical ones
// across it. Both directions step by the vertical millimetre, as the grid
// always has. A step below one unit (a device without a millimetre size)
// draws nothing rather than never ending.
void GridLines(Surface& dc, int width, int height, float step, int penWidth, ColorRef colour) {
  if (static_cast<int>(step) < 1) return;
  const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, penWidth, colour);
  for (int y = 0; y < height; y = static_cast<int>(static_cast<float>(y) + step)) {
    dc.MoveToEx(0, y, nullptr);
    dc.LineTo(width, y);
  }
  for (int x = 0; x < width; x = static_cast<int>(static_cast<float>(x) + step)) {
    dc.MoveToEx(x, 0, nullptr);
    dc.LineTo(x, height);
  }
}

}  // namespace

void DrawMillimetricPaper(PageContext& page) {
  Surface& dc = page.dc;
  const float mm = page.geometry.pxPerMmY;
  const ColorRef colour = ToColorRef(page.selection.customColours[kGridColourSlot]);
  const int width = dc.GetDeviceCaps(DeviceCap::HorzRes);
  const int height = dc.GetDeviceCaps(DeviceCap::VertRes);
  // The 5 mm lines come second so that they lie on top of the 1 mm ones.
  GridLines(dc, width, height, mm, static_cast<int>(mm / 10), colour);
  GridLines(dc, width, height, 5 * mm, static_cast<int>(0.3f * mm), colour);
}

}  // namespace veltrim
