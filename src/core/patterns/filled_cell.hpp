#pragma once
// Filled cells: a Rectangle whose outline and interior are one colour, drawn
// with a solid one-unit pen and a solid brush that are deselected and
// deleted after use.

#include "platform/scoped_object.hpp"

namespace veltrim {

// The pen and brush of one colour, selected together for as long as it
// lives; for runs of cells that share a colour.
class ScopedFill {
 public:
  ScopedFill(Surface& dc, ColorRef colour)
      : pen_(ScopedPen(dc, PenStyle::Solid, 1, colour)), brush_(ScopedBrush(dc, colour)) {}

 private:
  ScopedObject pen_;
  ScopedObject brush_;
};

// One cell with a pen and brush of its own.
inline void FillCell(Surface& dc, ColorRef colour, int left, int top, int right, int bottom) {
  const ScopedFill fill(dc, colour);
  dc.Rectangle(left, top, right, bottom);
}

}  // namespace veltrim
