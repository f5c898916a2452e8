#include "core/patterns/custom/custom_patterns.hpp"
#include "core/patterns/shared/solid_fill.hpp"

namespace veltrim {

void DrawCustomGradient(PageContext& page) {
  const PageGeometry& g = page.geometry;
  Surface& dc = page.dc;
  const int layout = page.selection.gradientLayout;
  if (layout != kSingleBar && layout != kFullPageVertical && layout != kFullPageHorizontal) return;

  const ColorRef from = ToColorRef(page.selection.customColours[kGradientStartSlot]);
  const ColorRef to = ToColorRef(page.selection.customColours[kGradientEndSlot]);
  const auto blend = [](int start, int end, int slice) {
    return static_cast<int>(start + static_cast<float>(end - start) * static_cast<float>(slice) / kGradientSlices);
  };
  // The single bar is ten millimetres high; a device without a millimetre
  // size gives no bar rather than a division by zero.
  const int vertSize = layout == kSingleBar ? dc.GetDeviceCaps(DeviceCap::VertSize) : 0;
  const int band10 = vertSize > 0 ? g.pageHeight * 10 / vertSize : 0;
  const int across = layout == kFullPageVertical ? g.pageHeight : g.pageWidth;
  const float size = static_cast<float>(across) / kGradientSlices;

  float p = 0;
  for (int i = 0; i < kGradientSlices; ++i, p += size) {
    const ColorRef colour = Rgb(blend(RedOf(from), RedOf(to), i), blend(GreenOf(from), GreenOf(to), i),
                                blend(BlueOf(from), BlueOf(to), i));
    const int near = static_cast<int>(p), far = static_cast<int>(p + size);
    switch (layout) {
      case kSingleBar: FillCell(dc, colour, near, g.offsetY, far, g.offsetY + band10); break;
      case kFullPageVertical: FillCell(dc, colour, 0, near, g.pageWidth, far); break;
      default: FillCell(dc, colour, near, 0, far, g.pageHeight); break;
    }
  }
}

}  // namespace veltrim
