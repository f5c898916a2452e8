#include "core/measure/annotation.hpp"

#include <cmath>
#include <string>

#include "core/platform/scoped_object.hpp"
#include "core/support/number_text.hpp"

namespace veltrim {
namespace {

// 0x00BBGGRR.
constexpr ColorRef kPaperColour = 0xFF8000;   // blue
constexpr ColorRef kPrintedColour = 0x0000FF;  // red
constexpr ColorRef kMarkColour = 0x00A000;     // green
constexpr ColorRef kMarginColour = 0x0080FF;   // orange

Point At(ScanPoint p) {
  return {static_cast<std::int32_t>(std::lround(p.x * kAnnotationPxPerMm)),
          static_cast<std::int32_t>(std::lround(p.y * kAnnotationPxPerMm))};
}

void Outline(Surface& dc, const std::array<ScanPoint, 4>& corners, ColorRef colour) {
  const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 2, colour);
  dc.MoveToEx(At(corners[3]).x, At(corners[3]).y, nullptr);
  for (const ScanPoint& c : corners) dc.LineTo(At(c).x, At(c).y);
}

std::string Mm(double value) { return FloatToText(std::round(value * 100) / 100, 6); }

}  // namespace

AnnotationSize AnnotationSizeOf(const GreyImage& scan) {
  return {std::max(1, static_cast<int>(scan.WidthMm() * kAnnotationPxPerMm)),
          std::max(1, static_cast<int>(scan.HeightMm() * kAnnotationPxPerMm))};
}

void DrawScanAnnotation(const PixelCanvas& canvas, const GreyImage& scan, const ScanMeasurement& measured) {
  Surface& dc = canvas.surface;
  for (int j = 0; j < canvas.height; ++j)
    for (int i = 0; i < canvas.width; ++i) {
      const double v = scan.Sample({(i + 0.5) / kAnnotationPxPerMm, (j + 0.5) / kAnnotationPxPerMm});
      const auto g = static_cast<ColorRef>(std::lround(std::max(v, 0.0)));
      canvas.Put(i, j, g | g << 8 | g << 16);
    }
  const ScanOverlay& o = measured.overlay;
  Outline(dc, o.paper, kPaperColour);
  Outline(dc, o.printed, kPrintedColour);
  dc.SetBkMode(kTransparent);
  {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 2, kMarkColour);
    const ScopedSelection hollow(dc, dc.GetStockObject(StockObject::NullBrush));
    const int r = static_cast<int>(4 * kAnnotationPxPerMm);
    dc.SetTextColor(kMarkColour);
    for (std::size_t k = 0; k < o.marks.size(); ++k) {
      const Point c = At(o.marks[k]);
      dc.Ellipse(c.x - r, c.y - r, c.x + r + 1, c.y + r + 1);
    }
  }
  const PaperMargins& m = measured.figures.marginsMm;
  const double margins[4] = {m.left, m.top, m.right, m.bottom};
  const char* names[4] = {"left ", "top ", "right ", "bottom "};
  {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 3, kMarginColour);
    dc.SetTextColor(kMarginColour);
    for (std::size_t side = 0; side < 4; ++side) {
      const Point from = At(o.marginEdge[side]), to = At(o.marginInk[side]);
      dc.MoveToEx(from.x, from.y, nullptr);
      dc.LineTo(to.x, to.y);
      // Inside the paper beside the tick, whole on the picture.
      const std::string text = names[side] + Mm(margins[side]) + " mm";
      Size size{};
      dc.GetTextExtentPoint32A(text, size);
      dc.TextOutA(side == 2 ? to.x - 8 - size.cx : to.x + 8, side == 3 ? to.y - 6 - size.cy : to.y + 6, text);
    }
  }
  const ScanFigures& f = measured.figures;
  dc.SetTextColor(kPrintedColour);
  // The figures in the page's empty middle, clear of the marks and the legend.
  const Point top = At(o.printed[0]), bottom = At(o.printed[3]);
  const std::string lines[] = {
      "offset " + Mm(f.offsetXMm) + ", " + Mm(f.offsetYMm) + " mm",
      "scale " + FloatToText(f.scaleX, 6) + ", " + FloatToText(f.scaleY, 6),
      "skew " + FloatToText(std::round(f.skewDeg * 1000) / 1000, 6) + " deg",
  };
  Size size{};
  dc.GetTextExtentPoint32A(lines[0], size);
  int y = (top.y + bottom.y) / 2 - 2 * size.cy;
  for (const std::string& line : lines) {
    dc.TextOutA((top.x + bottom.x) / 2 + 40, y, line);
    y += size.cy + size.cy / 2;
  }
}

}  // namespace veltrim
