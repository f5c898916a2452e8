#include "app/pointer_over.hpp"

namespace veltrim {

std::vector<int> UpdateHover(std::span<const HoverButton, kHoverButtons> buttons, ScreenPoint pointer,
                             std::array<std::uint8_t, kHoverButtons>& flags) {
  std::vector<int> redraw;
  for (int i = 0; i < kHoverButtons; ++i) {
    if (!buttons[i].visible) continue;
    const std::uint8_t over = buttons[i].rect.Contains(pointer) ? 1 : 0;
    if (flags[i] != over) {
      flags[i] = over;
      redraw.push_back(kFirstHoverButton + i);
    }
  }
  return redraw;
}

}  // namespace veltrim
