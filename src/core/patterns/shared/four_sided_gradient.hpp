#pragma once
// A square whose four corners have four colours, every cell between them
// the bilinear blend: Advanced option 13 (cyan, magenta, black, yellow) and
// Custom item 4 (four of the custom colour slots). The caption stands below
// the square in portrait and beside it in landscape.

#include "core/job/test_selection.hpp"
#include "core/page/page_context.hpp"

namespace veltrim {

struct FourCorners {
  ColourTriple topLeft, topRight, bottomLeft, bottomRight;
};

// Advanced option 13's corners: cyan, magenta, black, yellow.
inline constexpr FourCorners kCmykCorners{{0, 255, 255}, {255, 0, 255}, {0, 0, 0}, {255, 255, 0}};
// The Custom corners: colour slots 4 (top left), 3, 2 and 1 (bottom right).
constexpr FourCorners CustomCorners(const TestSelection& selection) {
  const auto& slots = selection.customColours;
  return {slots[4], slots[3], slots[2], slots[1]};
}

// The colour `numerator` / `denominator` of the way from `from` to `to`,
// per component in integers (the product before the division, truncating
// toward zero); components outside 0..255 are held to that range first.
ColourTriple Blend(ColourTriple from, ColourTriple to, int numerator, int denominator);

void DrawFourSidedGradient(PageContext& page, const FourCorners& corners);
void DrawCmykFourSidedGradient(PageContext& page);
void DrawCustomFourSidedGradient(PageContext& page);

}  // namespace veltrim
