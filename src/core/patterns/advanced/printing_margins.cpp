#include "core/patterns/advanced/printing_margins.hpp"

#include <algorithm>
#include <string>

#include "core/page/title_line.hpp"
#include "core/patterns/shared/vertical_mm.hpp"
#include "core/platform/scoped_object.hpp"
#include "core/support/number_text.hpp"

namespace veltrim {
namespace {

constexpr ColorRef kGridColour = 0x464646;

void DrawGrid(Surface& dc, int pitch, int width, int height) {
  for (int y = 0; y < height; y += pitch) {
    dc.MoveToEx(0, y, nullptr);
    dc.LineTo(width, y);
  }
  for (int x = 0; x < width; x += pitch) {
    dc.MoveToEx(x, 0, nullptr);
    dc.LineTo(x, height);
  }
}

}  // namespace

int MarginMm(int offset, int physical, int sizeMm) {
  const int perMm = sizeMm > 0 ? physical / sizeMm : 0;
  return perMm > 0 ? offset / perMm : 0;
}

void DrawPagePrintingMargins(PageContext& page) {
  Surface& dc = page.dc;
  const PageGeometry& g = page.geometry;
  const int u = VerticalMm(dc, 10);
  // A pitch of at least one unit, so a tiny device still ends its grid.
  const int pitch = std::max(1, u / 2);
  const int width = dc.GetDeviceCaps(DeviceCap::HorzRes);
  const int height = dc.GetDeviceCaps(DeviceCap::VertRes);
  const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, u / 50, kGridColour);
  const ScopedObject brush = ScopedBrush(dc, kGridColour);
  DrawGrid(dc, pitch, width, height);

  // The texts stand on their own opaque background, hiding the grid.
  const int x = static_cast<int>(10 * g.pxPerMmY);
  const auto row = [&](int lines) { return static_cast<int>(10 * g.pxPerMmX + lines * g.lineHeight); };
  dc.TextOutA(x, row(0), std::string(kTitleV2) + page.printerName + "      ");

  const int horzSize = dc.GetDeviceCaps(DeviceCap::HorzSize);
  const int vertSize = dc.GetDeviceCaps(DeviceCap::VertSize);
  dc.TextOutA(x, row(2), "Total printable area: " + IntToText(horzSize) + " mm x " + IntToText(vertSize) + " mm     ");

  const int offsetX = dc.GetDeviceCaps(DeviceCap::PhysicalOffsetX);
  const int physicalWidth = dc.GetDeviceCaps(DeviceCap::PhysicalWidth);
  const int left = MarginMm(offsetX, physicalWidth, dc.GetDeviceCaps(DeviceCap::HorzSize));
  dc.TextOutA(x, row(3), "Left margin: " + IntToText(left) + " mm     ");

  const int offsetY = dc.GetDeviceCaps(DeviceCap::PhysicalOffsetY);
  const int physicalHeight = dc.GetDeviceCaps(DeviceCap::PhysicalHeight);
  const int top = MarginMm(offsetY, physicalHeight, dc.GetDeviceCaps(DeviceCap::VertSize));
  dc.TextOutA(x, row(4), "Top margin: " + IntToText(top) + " mm     ");

  dc.TextOutA(x, row(6), "This printer is able to print only inside this checkerboard but never outside it !     ");
}

}  // namespace veltrim
