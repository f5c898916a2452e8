#pragma once
// The Saturation - Lightness graph: a square chart of the centre colour's
// hue, saturation growing to the right and lightness upwards by 50 points
// either side of the centre colour, with percentage rulers on the top and
// left edges and the centre colour in RGB, HSL and CMYK beside it.

#include <string_view>

#include "core/job/test_selection.hpp"
#include "core/page/page_context.hpp"

namespace veltrim {

inline constexpr int kCentreColourSlot = 9;

// The picture on any surface of width x height units with these millimetre
// factors; the centre colour's components are held to 0..255.
void DrawSaturationLightnessGraph(Surface& dc, int width, int height, float pxPerMmX, float pxPerMmY,
                                  const ColourTriple& centre, std::string_view printerName);

// The printed page, with slot 9 as the centre colour.
void DrawSaturationLightnessPage(PageContext& page);

}  // namespace veltrim
