#pragma once
// Pointer-over highlighting of a run of buttons (the main window's 1165..1179,
// the about box's 4000..4004), polled by a 50 ms timer: a visible button whose
// state changed is flagged and redrawn; a hidden button keeps its flag until
// it is shown again.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/app/app_state.hpp"

namespace veltrim {

inline constexpr int kHoverTimerId = 14;
inline constexpr int kHoverPeriodMs = 50;
inline constexpr int kFirstHoverButton = 1165;  // flag i is button 1165 + i

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// Screen rectangle; a point is inside when left <= x < right and
// top <= y < bottom, as the platform's point-in-rectangle test counts it.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Contains(ScreenPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

struct HoverButton {
  bool visible = false;
  ScreenRect rect;
};

// Updates `flags` (flag i for button firstId + i) for the pointer at
// `pointer` and returns the ids of the buttons to redraw, in ascending order.
std::vector<int> UpdateHover(std::span<const HoverButton> buttons, ScreenPoint pointer,
                             std::span<std::uint8_t> flags, int firstId = kFirstHoverButton);

}  // namespace veltrim
