#include "core/patterns/black_white/bw_shapes.hpp"

#include "core/patterns/shared/vertical_mm.hpp"
#include "core/platform/scoped_object.hpp"

namespace veltrim {
namespace {

// Float positions become device coordinates by truncation toward zero.
int Trunc(double value) { return static_cast<int>(value); }

void HorizontalLine(Surface& dc, int left, int right, int y) {
  dc.MoveToEx(left, y, nullptr);
  dc.LineTo(right, y);
}

void VerticalLine(Surface& dc, int x, int top, int bottom) {
  dc.MoveToEx(x, top, nullptr);
  dc.LineTo(x, bottom);
}

}  // namespace

void DrawLines(PageContext& page) {
  Surface& dc = page.dc;
  const int w = page.geometry.pageWidth;
  const int y0 = page.geometry.cursorY;
  const int cm1 = VerticalMm(dc, 10);
  for (const int dy : {0, 4, 8, 16}) HorizontalLine(dc, 0, w - 1, y0 + dy);
  // Gaps of 1, 1, then 3, 3, 3, then 5, 5, 5, ...: the comb shows where
  // neighbouring hairlines start to merge.
  int x = 0;
  for (int i = 1; x < w - 1; ++i) {
    VerticalLine(dc, x, y0 + 17, y0 + 17 + cm1);
    x += 2 * (i / 3) + 1;
  }
  page.geometry.cursorY = y0 + 17 + cm1 + 4;
}

void DrawEllipses(PageContext& page) {
  Surface& dc = page.dc;
  const int w = page.geometry.pageWidth;
  const int y0 = page.geometry.cursorY;
  const int d = VerticalMm(dc, 20);
  // Equal radial points make Arc draw the whole outline.
  dc.Arc(0, y0, d, y0 + d, 0, 0, 0, 0);
  dc.Arc(d, y0, 3 * d, y0 + d, 0, 0, 0, 0);
  dc.Ellipse(2 * d, y0, 5 * d, y0 + d);
  dc.SetBkMode(kTransparent);
  // A fan of outlines, each one horizontal centimetre wider than the last.
  // The first may end exactly at the right edge; the others stop before it.
  const int left = Trunc(2.5 * d);
  for (int k = 1; 5 * d < w;) {
    dc.Arc(left, y0, 5 * d + k, y0 + d, 0, 0, 0, 0);
    const int next = Trunc(static_cast<float>(k) + 10 * page.geometry.pxPerMmX);
    // A device without a width in millimetres would never reach the edge.
    if (next <= k || 5 * d + next >= w) break;
    k = next;
  }
  page.geometry.cursorY = y0 + d + 4;
}

void DrawSmallBlackRectangle(PageContext& page) {
  Surface& dc = page.dc;
  const int y0 = page.geometry.cursorY;
  const float height = 2 * page.geometry.pxPerMmX;
  for (int i = 0; static_cast<float>(i) < height; ++i) HorizontalLine(dc, 0, page.geometry.pageWidth, y0 + i);
  page.geometry.cursorY = Trunc(static_cast<double>(static_cast<float>(y0) + height) + 4.0);
}

void DrawLargeBlackRectangle(PageContext& page) {
  Surface& dc = page.dc;
  const int w = page.geometry.pageWidth;
  const int y0 = page.geometry.cursorY;
  const int d = VerticalMm(dc, 20);
  dc.Rectangle(0, y0, w - 1, y0 + d);
  const float bottom = static_cast<float>(y0 + 0.75 * d);
  for (int y = Trunc(y0 + 0.25 * d); static_cast<float>(y) < bottom; ++y) HorizontalLine(dc, 10, w - 10, y);
  page.geometry.cursorY = y0 + d + 4;
}

void DrawGrayscaleRectangles(PageContext& page) {
  Surface& dc = page.dc;
  const int w = page.geometry.pageWidth;
  const float mm = page.geometry.pxPerMmX;
  const int q = w / 4;
  const int h = w / 2;
  // 3q, not 3w/4: the last column takes what the quotients leave over.
  const int edges[] = {0, q, h, 3 * q, w};
  const int t1 = Trunc(static_cast<float>(page.geometry.cursorY) + mm);
  const int b1 = Trunc(static_cast<float>(t1) + 10 * mm);
  const int b2 = Trunc(static_cast<float>(b1) + 10 * mm);
  struct Row {
    int top, bottom;
    ColorRef colours[4];
  };
  const Row rows[] = {{t1, b1, {0xCCCCCC, 0x999999, 0x666666, 0x333333}},
                      {b1, b2, {0xD6D6D6, 0xE0E0E0, 0xEBEBEB, 0xF5F5F5}}};
  for (const Row& row : rows) {
    for (int column = 0; column < 4; ++column) {
      const ColorRef colour = row.colours[column];
      const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, colour);
      const ScopedObject brush = ScopedBrush(dc, colour);
      dc.Rectangle(edges[column], row.top, edges[column + 1], row.bottom);
    }
  }
  page.geometry.cursorY = Trunc(static_cast<float>(b1) + 11 * mm);
}

void DrawChords(PageContext& page) {
  Surface& dc = page.dc;
  const int w = page.geometry.pageWidth;
  const int y0 = page.geometry.cursorY;
  const float mmY = page.geometry.pxPerMmY;
  const float s = 10 * mmY;
  const int cm4 = VerticalMm(dc, 40);
  dc.Chord(0, y0, 2 * cm4, y0 + cm4, 2 * cm4, y0, 0, y0 + cm4);
  dc.SetBkMode(kTransparent);
  const int h = Trunc(static_cast<float>(cm4) - 5 * page.geometry.pxPerMmX);
  dc.MoveToEx(Trunc(10 * mmY + 3 * mmY), y0, nullptr);
  // One connected stroke of arcs, running past the right edge where the
  // device clips it.
  for (int x = Trunc(30 * mmY); x < 1.2 * w;) {
    dc.ArcTo(Trunc(static_cast<float>(x / 10) + s), y0, x, y0 + h, Trunc(s), y0, x, y0 + h);
    const int next = Trunc(static_cast<float>(x) + s);
    if (next <= x) break;  // no height in millimetres: the row would never end
    x = next;
  }
  page.geometry.cursorY = y0 + h + 4;
}

}  // namespace veltrim
