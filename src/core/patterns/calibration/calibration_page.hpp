#pragma once
// The Color Calibration category's page: the title, a percentage ruler
// across the page and, for every ticked ink, a strip of 50 % checkerboards
// in the pure colour beside 256-step ramps of it.

#include "core/page/page_context.hpp"

namespace veltrim {

// The inks in their page order: BLACK, CYAN, MAGENTA, YELLOW, RED, GREEN,
// BLUE (tick indexes 0 to 6).
inline constexpr int kCalibrationInks = 7;

void DrawCalibrationPage(PageContext& page);

}  // namespace veltrim
