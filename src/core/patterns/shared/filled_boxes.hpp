#pragma once
// Boxes filled with one colour and no visible outline.

#include <span>

#include "core/platform/surface.hpp"

namespace veltrim {

// Fills the boxes with `colour`: a pen one unit wide and a solid brush of
// the same colour, so no outline shows, made once for all of them. Empty
// boxes are left out (a box of no width would still stroke a line on some
// surfaces); when every box is empty no object is made at all.
void FillBoxes(Surface& dc, ColorRef colour, std::span<const Rect> boxes);
void FillBox(Surface& dc, ColorRef colour, const Rect& box);

}  // namespace veltrim
