#pragma once
// Pointer-over highlighting of the buttons 1165..1179, polled by a 50 ms
// timer: a visible button whose state changed is flagged and redrawn; a
// hidden button keeps its flag until it is shown again.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "app/app_state.hpp"

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

// Updates `flags` for the pointer at `pointer` and returns the ids of the
// buttons to redraw, in ascending order.
std::vector<int> UpdateHover(std::span<const HoverButton, kHoverButtons> buttons, ScreenPoint pointer,
                             std::array<std::uint8_t, kHoverButtons>& flags);

}  // namespace veltrim
