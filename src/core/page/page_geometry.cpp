#include "core/page/page_geometry.hpp"

#include "core/support/saturating.hpp"

namespace veltrim {
namespace {

// An integer quotient of two capabilities as a float; a device that reports
// a size of 0 mm gets 0 rather than a division by zero.
float PixelsPerMm(int resolution, int sizeMm) {
  return sizeMm > 0 ? static_cast<float>(resolution / sizeMm) : 0.0f;
}

}  // namespace

PageGeometry ReadPageGeometry(Surface& dc) {
  PageGeometry geometry;
  TextMetrics metrics;
  dc.GetTextMetricsA(metrics);
  geometry.lineHeight = metrics.tmHeight + metrics.tmExternalLeading + 2;
  geometry.pageWidth = dc.GetDeviceCaps(DeviceCap::HorzRes);
  geometry.pageHeight = dc.GetDeviceCaps(DeviceCap::VertRes);
  const int vertRes = dc.GetDeviceCaps(DeviceCap::VertRes);
  geometry.pxPerMmY = PixelsPerMm(vertRes, dc.GetDeviceCaps(DeviceCap::VertSize));
  const int horzRes = dc.GetDeviceCaps(DeviceCap::HorzRes);
  geometry.pxPerMmX = PixelsPerMm(horzRes, dc.GetDeviceCaps(DeviceCap::HorzSize));
  return geometry;
}

int OffsetInDeviceUnits(int offsetMm, float pxPerMmX) {
  // Held where every block it moves is off the page already, so that the
  // blocks' positions below it stay within int and every surface draws them.
  return SaturatedInt(static_cast<float>(offsetMm) * pxPerMmX, -kFarOffPage, kFarOffPage);
}

}  // namespace veltrim
