#pragma once
// The Custom category's pages, each drawn alone: Full Page Custom Color
// (item 0), Custom Gradient (1), Draw X on Whole Paper (2), Make Millimetric
// Paper With Color (3) and Color Coverage (5).

#include "core/page/page_context.hpp"

namespace veltrim {

// The colour slots these pages paint with.
inline constexpr int kCoverageColourSlot = 0;
inline constexpr int kGridColourSlot = 5;
inline constexpr int kGradientEndSlot = 6;
inline constexpr int kGradientStartSlot = 7;
inline constexpr int kFullPageColourSlot = 8;

// Gradient layouts (the Custom tab's three choices).
inline constexpr int kSingleBar = 0;
inline constexpr int kFullPageVertical = 1;
inline constexpr int kFullPageHorizontal = 2;
inline constexpr int kGradientSlices = 512;

// The printable area in slot 8's colour, lightened toward white by what the
// Coverage (%) box leaves uncovered.
void DrawFullPageCustomColor(PageContext& page);
// 512 slices from slot 7's colour toward slot 6's, in the chosen layout.
void DrawCustomGradient(PageContext& page);
// The two diagonals of the printable area.
void DrawXOnWholePaper(PageContext& page);
// 1 mm and 5 mm grid lines in slot 5's colour.
void DrawMillimetricPaper(PageContext& page);
// Slot 0's colour over the percentage of the page the coverage box asks,
// in quarter-millimetre cells.
void DrawColorCoverage(PageContext& page);

}  // namespace veltrim
