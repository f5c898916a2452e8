#include "patterns/filled_boxes.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/scoped_object.hpp"

namespace veltrim {
namespace {

bool IsEmpty(const Rect& box) { return box.right <= box.left || box.bottom <= box.top; }

}  // namespace

int CentimetreUnit(Surface& dc) {
  const std::int64_t vertRes = dc.GetDeviceCaps(DeviceCap::VertRes);
  const std::int64_t vertSize = dc.GetDeviceCaps(DeviceCap::VertSize);
  if (vertSize <= 0) return 0;
  // Widened so that a huge resolution cannot overflow the product.
  return static_cast<int>(std::clamp<std::int64_t>(vertRes * 10 / vertSize, 0, std::numeric_limits<int>::max()));
}

void FillBoxes(Surface& dc, ColorRef colour, std::span<const Rect> boxes) {
  if (std::all_of(boxes.begin(), boxes.end(), IsEmpty)) return;
  const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, colour);
  const ScopedObject brush = ScopedBrush(dc, colour);
  for (const Rect& box : boxes)
    if (!IsEmpty(box)) dc.Rectangle(box.left, box.top, box.right, box.bottom);
}

void FillBox(Surface& dc, ColorRef colour, const Rect& box) { FillBoxes(dc, colour, std::span(&box, 1)); }

}  // namespace veltrim
