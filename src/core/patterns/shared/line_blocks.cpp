#include "core/patterns/shared/line_blocks.hpp"

#include <vector>

#include "core/patterns/shared/vertical_mm.hpp"
#include "core/platform/scoped_object.hpp"

namespace veltrim {
namespace {

int Trunc(float value) { return static_cast<int>(value); }

struct Comb {
  ColorRef colour;
  int topGapMm;
  int lengthMm;
  bool lastOfPage;  // nothing follows it, so the cursor stays
};

// Strokes every four millimetres, each one device unit thicker than the one
// to its left. The step is measured vertically, the gap and the length
// horizontally.
void DrawComb(PageContext& page, const Comb& comb) {
  Surface& dc = page.dc;
  const PageGeometry& g = page.geometry;
  const int top = Trunc(static_cast<float>(g.cursorY) + static_cast<float>(comb.topGapMm) * g.pxPerMmX);
  const int bottom = Trunc(static_cast<float>(top) + static_cast<float>(comb.lengthMm) * g.pxPerMmX);
  int width = 1;
  for (int x = 0; x < g.pageWidth;) {
    {
      const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, width++, comb.colour);
      dc.MoveToEx(x, top, nullptr);
      dc.LineTo(x, bottom);
    }
    const int next = Trunc(static_cast<float>(x) + 4 * g.pxPerMmY);
    if (next <= x) break;  // no height in millimetres: the row would never end
    x = next;
  }
  if (!comb.lastOfPage) page.geometry.cursorY = Trunc(static_cast<float>(top) + 11 * g.pxPerMmX);
}

// Bezier points: x the triangular numbers below the page width, y an
// eight-step cycle of heights within the band.
Point BezierPoint(int k, int top, int h) {
  const int cycle[8] = {0, h / 3, 0, h, 0, 3 * (h / 4), 0, h};
  return {k * (k + 1) / 2, top + cycle[k % 8]};
}

}  // namespace

void DrawBezierCurves(PageContext& page) {
  Surface& dc = page.dc;
  const int top = page.geometry.cursorY;
  const int h = VerticalMm(dc, 40);
  std::vector<Point> points;
  for (int k = 0; k * (k + 1) / 2 < page.geometry.pageWidth - 1; ++k) points.push_back(BezierPoint(k, top, h));
  // A Bezier run needs 3 x k + 1 points. The computed ones are kept as they
  // are and the last is repeated until the count has that form: the final
  // segment then ends on the last computed point, and the curve never leaves
  // the band or the triangular positions.
  if (!points.empty()) {
    while (points.size() % 3 != 1) points.push_back(points.back());
    dc.MoveToEx(0, 0, nullptr);
    dc.PolyBezier(points);  // the context's own pen: one unit, black
  }
  page.geometry.cursorY = top + h + 4;
}

void DrawBlackThicknessLines(PageContext& page) { DrawComb(page, {0x000000, 3, 25, true}); }
void DrawCyanThicknessLines(PageContext& page) { DrawComb(page, {0xFFFF00, 1, 10, false}); }
void DrawMagentaThicknessLines(PageContext& page) { DrawComb(page, {0xFF00FF, 1, 10, false}); }
void DrawYellowThicknessLines(PageContext& page) { DrawComb(page, {0x00FFFF, 1, 10, true}); }

void DrawThinInclinedLines(PageContext& page) {
  Surface& dc = page.dc;
  const int band10 = VerticalMm(dc, 10);
  int y = page.geometry.cursorY + band10;
  // Width 0 is the device's thinnest pen.
  const int penWidth = band10 / 50;
  for (const ColorRef colour : {ColorRef{0x000000}, ColorRef{0xFFFF00}, ColorRef{0xFF00FF}, ColorRef{0x00FFFF}}) {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, penWidth, colour);
    const ScopedObject brush = ScopedBrush(dc, colour);
    for (int line = 0; line < 5; ++line) {
      dc.MoveToEx(0, y, nullptr);
      dc.LineTo(page.geometry.pageWidth, y + band10 / 5);
      y += band10 / 20;
    }
  }
  page.geometry.cursorY = Trunc(static_cast<float>(y) + 4 * page.geometry.pxPerMmX);
}

}  // namespace veltrim
