#pragma once
// The measurement target page: the marks, the margin bands and the legend of
// target_layout.hpp, drawn at their places on the paper.

#include <string>

#include "core/page/page_context.hpp"

namespace veltrim {

void DrawMeasurePage(PageContext& page);

// Empty when the device's paper and printable area hold every mark of the
// target; else one sentence saying what is too small. A target missing marks
// could not be measured, so it is not printed at all.
std::string MeasurePageRefusal(Surface& dc);

}  // namespace veltrim
