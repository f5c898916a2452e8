#pragma once
// Draws one page of the current category: the ticked patterns in their
// fixed order, or the one pattern that stands alone.

#include "core/page/page_context.hpp"

namespace veltrim {

void DrawPage(PageContext& page);

}  // namespace veltrim
