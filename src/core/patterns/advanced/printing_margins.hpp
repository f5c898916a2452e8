#pragma once
// Advanced option 4, Page Printing Margins: a 5 mm grid over the whole
// printable area and, near the top left, the printer's name, the size of
// the printable area and the left and top margins the printer cannot reach.

#include "core/page/page_context.hpp"

namespace veltrim {

// offset / (physical / sizeMm) in whole millimetres; 0 when the device
// gives no pixels-per-millimetre to divide by.
int MarginMm(int offset, int physical, int sizeMm);

void DrawPagePrintingMargins(PageContext& page);

}  // namespace veltrim
