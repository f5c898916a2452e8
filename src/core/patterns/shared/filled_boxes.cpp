#include "core/patterns/shared/filled_boxes.hpp"

#include <algorithm>

#include "core/patterns/shared/solid_fill.hpp"

namespace veltrim {
namespace {

bool IsEmpty(const Rect& box) { return box.right <= box.left || box.bottom <= box.top; }

}  // namespace

void FillBoxes(Surface& dc, ColorRef colour, std::span<const Rect> boxes) {
  if (std::all_of(boxes.begin(), boxes.end(), IsEmpty)) return;
  const SolidFill fill(dc, colour);
  for (const Rect& box : boxes)
    if (!IsEmpty(box)) dc.Rectangle(box.left, box.top, box.right, box.bottom);
}

void FillBox(Surface& dc, ColorRef colour, const Rect& box) { FillBoxes(dc, colour, std::span(&box, 1)); }

}  // namespace veltrim
