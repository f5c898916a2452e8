#pragma once
// A flat area's drawing objects: a solid pen one unit wide and a solid brush
// of the same colour, selected together and both restored and deleted when
// the fill goes.

#include "core/platform/scoped_object.hpp"

namespace veltrim {

struct SolidFill {
  SolidFill(Surface& dc, ColorRef colour)
      : pen(ScopedPen(dc, PenStyle::Solid, 1, colour)), brush(ScopedBrush(dc, colour)) {}
  ScopedObject pen;
  ScopedObject brush;
};

// One cell with a pen and brush of its own.
inline void FillCell(Surface& dc, ColorRef colour, int left, int top, int right, int bottom) {
  const SolidFill fill(dc, colour);
  dc.Rectangle(left, top, right, bottom);
}

}  // namespace veltrim
