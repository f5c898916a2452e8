#pragma once
// The measurement target page: the marks, the margin bands and the legend of
// target_layout.hpp, drawn at their places on the paper.

#include "core/page/page_context.hpp"

namespace veltrim {

void DrawMeasurePage(PageContext& page);

}  // namespace veltrim
