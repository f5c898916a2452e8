#pragma once
// Boxes filled with one colour and no visible outline, and the unit the
// colour blocks of a page are measured in.

#include <span>

#include "platform/surface.hpp"

namespace veltrim {

// One vertical centimetre in device units, VERTRES * 10 / VERTSIZE as an
// integer quotient, asked of the surface afresh; 0 for a device that
// reports no height in millimetres.
int CentimetreUnit(Surface& dc);

// Fills the boxes with `colour`: a pen one unit wide and a solid brush of
// the same colour, so no outline shows, made once for all of them. Empty
// boxes are left out (a box of no width would still stroke a line on some
// surfaces); when every box is empty no object is made at all.
void FillBoxes(Surface& dc, ColorRef colour, std::span<const Rect> boxes);
void FillBox(Surface& dc, ColorRef colour, const Rect& box);

}  // namespace veltrim
