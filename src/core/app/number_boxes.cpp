#include "core/app/number_boxes.hpp"

namespace veltrim {

std::optional<NumberBox> FindNumberBox(int id) {
  for (const NumberBox& box : kNumberBoxes) {
    if (box.boxId == id || box.spinId == id) return box;
  }
  return std::nullopt;
}

bool AcceptsTypedCharacter(char c) { return c >= '0' && c <= '9'; }

}  // namespace veltrim
