#include "app/number_boxes.hpp"

#include <algorithm>

namespace veltrim {

std::optional<NumberBox> FindNumberBox(int id) {
  for (const NumberBox& box : kNumberBoxes) {
    if (box.boxId == id || box.spinId == id) return box;
  }
  return std::nullopt;
}

bool AcceptsTypedCharacter(char c) { return c >= '0' && c <= '9'; }

int ClampToRange(const NumberBox& box, int value) { return std::clamp(value, box.lower, box.upper); }

}  // namespace veltrim
