#pragma once
// Advanced options 0 to 3: the page covered with the process colours, as
// ten-millimetre bars repeating down the page (0 and 1) or as three or
// four stripes side by side (2 and 3).

#include "core/page/page_context.hpp"

namespace veltrim {

// Bars of cyan, magenta, yellow (and black when `colours` is 4) in turn.
void DrawRepetitiveBars(PageContext& page, int colours);
// Cyan, magenta, yellow (and black) stripes; the last takes what the
// integer division leaves, so the stripes always reach the right edge.
void DrawVerticalStripes(PageContext& page, int colours);

template <int colours>
void DrawRepetitiveBarsOf(PageContext& page) {
  DrawRepetitiveBars(page, colours);
}
template <int colours>
void DrawVerticalStripesOf(PageContext& page) {
  DrawVerticalStripes(page, colours);
}

}  // namespace veltrim
