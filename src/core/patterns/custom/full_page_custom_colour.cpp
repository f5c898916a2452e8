#include <cstdint>

#include "core/patterns/custom/custom_patterns.hpp"
#include "core/patterns/shared/solid_fill.hpp"
#include "core/support/saturating.hpp"

namespace veltrim {

void DrawFullPageCustomColor(PageContext& page) {
  // 64-bit, so that any typed percentage computes; a result outside a byte
  // (a percentage above 100 darkens, a negative one lightens) is held to
  // 0..255 instead of spilling into the next component.
  const std::int64_t percent = page.job.coverage;
  const auto lighten = [percent](int component) {
    return SaturatedInt(component + (255 - component) * (100 - percent) / 100, 0, 255);
  };
  Surface& dc = page.dc;
  const int width = dc.GetDeviceCaps(DeviceCap::HorzRes);
  const int height = dc.GetDeviceCaps(DeviceCap::VertRes);
  const ColorRef chosen = ToColorRef(page.selection.customColours[kFullPageColourSlot]);
  FillCell(dc, Rgb(lighten(RedOf(chosen)), lighten(GreenOf(chosen)), lighten(BlueOf(chosen))), 0, 0, width, height);
}

}  // namespace veltrim
