#pragma once
// Two small drawing steps the screen pictures share: a line between two
// points, and a text wrapped in a box on a transparent background, with the
// surface's text colour and mode put back afterwards.

#include <string_view>

#include "core/platform/surface.hpp"

namespace veltrim {

inline void Line(Surface& dc, int x0, int y0, int x1, int y1) {
  dc.MoveToEx(x0, y0, nullptr);
  dc.LineTo(x1, y1);
}

inline void TransparentText(Surface& dc, std::string_view text, Rect rect, ColorRef colour, std::uint32_t format) {
  const ColorRef oldColour = dc.SetTextColor(colour);
  const int oldMode = dc.SetBkMode(kTransparent);
  dc.DrawTextA(text, rect, format);
  dc.SetBkMode(oldMode);
  dc.SetTextColor(oldColour);
}

}  // namespace veltrim
