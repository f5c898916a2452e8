#pragma once
// Black&White items 1 to 6: hairlines, curves and solid or grey areas, each
// a band at the running cursor that moves the cursor below it.

#include "core/page/page_context.hpp"

namespace veltrim {

void DrawLines(PageContext& page);              // item 1
void DrawEllipses(PageContext& page);           // item 2
void DrawSmallBlackRectangle(PageContext& page);  // item 3
void DrawLargeBlackRectangle(PageContext& page);  // item 4
void DrawGrayscaleRectangles(PageContext& page);  // item 5
void DrawChords(PageContext& page);             // item 6

}  // namespace veltrim
