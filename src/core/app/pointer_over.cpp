#include "core/app/pointer_over.hpp"

#include <algorithm>

namespace veltrim {

std::vector<int> UpdateHover(std::span<const HoverButton> buttons, ScreenPoint pointer,
                             std::span<std::uint8_t> flags, int firstId) {
  std::vector<int> redraw;
  const std::size_t count = std::min(buttons.size(), flags.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (!buttons[i].visible) continue;
    const std::uint8_t over = buttons[i].rect.Contains(pointer) ? 1 : 0;
    if (flags[i] != over) {
      flags[i] = over;
      redraw.push_back(firstId + static_cast<int>(i));
    }
  }
  return redraw;
}

}  // namespace veltrim
