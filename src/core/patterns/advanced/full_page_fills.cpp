#include "core/patterns/advanced/full_page_fills.hpp"

#include "core/job/job_settings.hpp"
#include "core/patterns/shared/solid_fill.hpp"

namespace veltrim {

ColorRef FullPageFillColour(FullPageFill fill, int percent) {
  const int k = (100 - ClampToRange(JobNumber::Coverage, percent)) * 255 / 100;
  switch (fill) {
    case FullPageFill::Cyan: return Rgb(k, 255, 255);
    case FullPageFill::Magenta: return Rgb(255, k, 255);
    case FullPageFill::Yellow: return Rgb(255, 255, k);
    case FullPageFill::Black: return Rgb(k, k, k);
    case FullPageFill::Red: return Rgb(255, k, k);
    case FullPageFill::Green: return Rgb(k, 255, k);
    case FullPageFill::Blue: return Rgb(k, k, 255);
    case FullPageFill::White: break;
  }
  return Rgb(255, 255, 255);
}

void DrawFullPageFill(PageContext& page, FullPageFill fill) {
  // White has no intensity: its box is not read.
  const int percent =
      fill == FullPageFill::White ? 100 : page.job.coverage;
  const int horzRes = page.dc.GetDeviceCaps(DeviceCap::HorzRes);
  const int vertRes = page.dc.GetDeviceCaps(DeviceCap::VertRes);
  const SolidFill solid(page.dc, FullPageFillColour(fill, percent));
  page.dc.Rectangle(0, 0, horzRes, vertRes);
}

}  // namespace veltrim
