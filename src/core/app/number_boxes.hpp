#pragma once
// The main window's number boxes and their spins: ranges, start values, and
// what may be typed into a box.

#include <optional>

namespace veltrim {

struct NumberBox {
  int boxId;
  int spinId;
  int lower;
  int upper;
  int start;
};

// No of docs, Pages/doc, Coverage (%), Y Paper offset (mm), and the coverage
// percent of the Custom tab's Color Coverage item.
inline constexpr NumberBox kNumberBoxes[] = {
    {1180, 1181, 1, 100, 1},
    {1182, 1183, 1, 100, 1},
    {1184, 1185, 1, 100, 100},
    {1186, 1187, -1000, 1000, 0},
    {1268, 1269, 1, 100, 1},
};

// The box whose own id or spin id is `id`.
std::optional<NumberBox> FindNumberBox(int id);

// Typing is limited to the digits 0..9; a sign reaches a box only through
// its spin.
bool AcceptsTypedCharacter(char c);

// The value the spin settles on for `value`: held within the box's range.
int ClampToRange(const NumberBox& box, int value);

}  // namespace veltrim
