#pragma once
// Advanced options 5 to 12: the whole printable area in one flat colour, the
// first seven at the intensity of the Coverage (%) box.

#include "core/page/page_context.hpp"

namespace veltrim {

enum class FullPageFill { Cyan, Magenta, Yellow, Black, Red, Green, Blue, White };

// The fill's colour at `percent` coverage. The tint is (100 - percent) x 255
// / 100; a percentage outside the box's range 1..100 is held to it first,
// so every colour stays a colour. White ignores the percentage.
ColorRef FullPageFillColour(FullPageFill fill, int percent);

void DrawFullPageFill(PageContext& page, FullPageFill fill);

template <FullPageFill fill>
void DrawFullPageFillOf(PageContext& page) {
  DrawFullPageFill(page, fill);
}

}  // namespace veltrim
