#pragma once
// The stacked blocks of the Color page that show how the printer lays down
// its inks and their mixtures: bars, gradients and the two crossover
// squares. Each starts at the page's cursorY and moves it down.

#include "core/page/page_context.hpp"
#include "core/platform/surface.hpp"

namespace veltrim {

inline constexpr ColorRef kCyan = 0xFFFF00;
inline constexpr ColorRef kMagenta = 0xFF00FF;
inline constexpr ColorRef kYellow = 0x00FFFF;
inline constexpr ColorRef kRed = 0x0000FF;
inline constexpr ColorRef kGreen = 0x00FF00;
inline constexpr ColorRef kBlue = 0xFF0000;
inline constexpr ColorRef kBlack = 0x000000;

// The space a block leaves below itself.
inline constexpr int kBlockGap = 5;

// Color items 0, 1 and 4.
void DrawCmyBars(PageContext& page);
void DrawRgbBars(PageContext& page);
void DrawBlackBar(PageContext& page);  // no gap: the next block touches it

// Color items 2, 3 and 5.
void DrawCmyGradients(PageContext& page);
void DrawRgbGradients(PageContext& page);
void DrawBlackGradient(PageContext& page);

// Color items 6 and 7: the cyan-magenta-yellow square at the left edge and
// the red-green-blue one at the right edge, sharing one band when both are
// ticked.
void DrawCmyCrossover(PageContext& page);
void DrawRgbCrossover(PageContext& page);

}  // namespace veltrim
