#include "core/patterns/custom/custom_patterns.hpp"
#include "core/platform/scoped_object.hpp"

namespace veltrim {

void DrawXOnWholePaper(PageContext& page) {
  const PageGeometry& g = page.geometry;
  Surface& dc = page.dc;
  const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, static_cast<int>(0.7f * g.pxPerMmY), Rgb(0, 0, 0));
  dc.MoveToEx(0, 0, nullptr);
  dc.LineTo(g.pageWidth, g.pageHeight);
  dc.MoveToEx(g.pageWidth, 0, nullptr);
  dc.LineTo(0, g.pageHeight);
}

}  // namespace veltrim
