// The recipes: one row per control, in the order of its bitmap ids. A row
// expands into the control's images, in the order the window picks them.
#include <algorithm>
#include <array>

#include "art.hpp"

namespace veltrim::art {
namespace {

struct Control {
  int firstId;
  int width;
  int height;
  Kind kind;
  std::string_view label;
};

// clang-format off
constexpr std::array kControls = {
  Control{200, 501, 341, Kind::AboutBackground, "About QORVEL Veltrim - v.2"},
  Control{300, 789, 397, Kind::Background, "QORVEL Veltrim - v.2"},
  // The about box
  Control{4400, 22, 21, Kind::CloseButton, ""},
  Control{4403, 43, 16, Kind::Command, "Licence \xBB"},
  Control{4406, 45, 16, Kind::Command, "History \xBB"},
  Control{4409, 54, 16, Kind::Command, "Shortcuts \xBB"},
  Control{4412, 46, 16, Kind::Command, "Advanced"},
  Control{4415, 41, 15, Kind::ActionButton, "Website"},
  Control{4417, 41, 16, Kind::ActionButton, "E-mail"},
  Control{4419, 41, 17, Kind::ActionButton, "Updates"},
  // The main window
  Control{4500, 20, 20, Kind::CloseButton, ""},
  Control{4503, 115, 38, Kind::Tab, "Black&White"},
  Control{4506, 118, 38, Kind::Tab, "Color"},
  Control{4509, 117, 38, Kind::Tab, "Advanced"},
  Control{4512, 118, 38, Kind::Tab, "Color Calibration"},
  Control{4515, 117, 38, Kind::Tab, "Custom"},
  Control{4518, 155, 38, Kind::Command, "Generate preview"},
  Control{4521, 155, 40, Kind::Command, "START PRINTING"},
  Control{4524, 155, 40, Kind::Command, "Get Printer Info"},
  Control{4527, 155, 41, Kind::Command, "HELP"},
  Control{4530, 155, 39, Kind::Command, "About"},
  Control{4533, 20, 21, Kind::MenuButton, ""},
  Control{4536, 370, 26, Kind::Banner, "Black&White tests"},
  Control{4537, 370, 26, Kind::Banner, "Color tests"},
  Control{4538, 370, 26, Kind::Banner, "Advanced tests"},
  Control{4539, 370, 26, Kind::Banner, "Simple Color Calibration Tests"},
  Control{4540, 370, 26, Kind::Banner, "Custom Tests & Other Stuff"},
  Control{4541, 165, 29, Kind::Command, "Show Large Preview Window"},
  Control{4544, 164, 28, Kind::Command, "Plot Color Calibration Curves"},
  Control{4547, 51, 74, Kind::Command, "Show Large Preview Window"},
  // Black&White
  Control{4550, 370, 16, Kind::CheckItem, "Info text"},
  Control{4552, 370, 17, Kind::CheckItem, "Lines"},
  Control{4554, 370, 18, Kind::CheckItem, "Ellipses"},
  Control{4556, 370, 17, Kind::CheckItem, "Small Black Rectangle"},
  Control{4558, 370, 17, Kind::CheckItem, "Large Black Rectangle"},
  Control{4560, 370, 17, Kind::CheckItem, "Grayscale Rectangles"},
  Control{4562, 370, 18, Kind::CheckItem, "Chords"},
  Control{4564, 370, 17, Kind::CheckItem, "Bezier Curves"},
  Control{4566, 370, 17, Kind::CheckItem, "Multiple Thickness Lines - Black"},
  Control{4568, 370, 18, Kind::CheckItem, "Simple Text Full Page (5% coverage)"},
  // Color
  Control{4570, 199, 18, Kind::CheckItem, "Cyan-Magenta-Yellow Bars"},
  Control{4572, 199, 17, Kind::CheckItem, "Red-Green-Blue Bars"},
  Control{4574, 199, 17, Kind::CheckItem, "Cyan-Magenta-Yellow Gradients"},
  Control{4576, 199, 17, Kind::CheckItem, "Red-Green-Blue Gradients"},
  Control{4578, 199, 18, Kind::CheckItem, "Black Bar"},
  Control{4580, 199, 17, Kind::CheckItem, "Black Gradient"},
  Control{4582, 199, 18, Kind::CheckItem, "Cyan-Magenta-Yellow Crossover"},
  Control{4584, 199, 17, Kind::CheckItem, "Red-Green-Bluer Crossover"},
  Control{4586, 199, 17, Kind::CheckItem, "Thin Inclined Lines"},
  Control{4588, 136, 35, Kind::CheckItem, "Multiple Thickness Lines - CYAN"},
  Control{4590, 136, 35, Kind::CheckItem, "Multiple Thickness Lines - MAGENTA"},
  Control{4592, 136, 35, Kind::CheckItem, "Multiple Thickness Lines - YELLOW"},
  Control{4594, 199, 18, Kind::CheckItem, "Bitmapped Image"},
  // Advanced
  Control{4596, 318, 17, Kind::RadioItem, "Repetitive Cyan-Magenta-Yellow (Horizontal)"},
  Control{4598, 318, 17, Kind::RadioItem, "Repetitive Cyan-Magenta-Yellow-Black (Horizontal)"},
  Control{4600, 318, 17, Kind::RadioItem, "Full Page Cyan-Magenta-Yellow (Vertical)"},
  Control{4602, 318, 18, Kind::RadioItem, "Full Page Cyan-Magenta-Yellow-Black (Vertical)"},
  Control{4604, 202, 17, Kind::RadioItem, "Page Printing Margins"},
  Control{4606, 133, 17, Kind::RadioItem, "Full Page CYAN"},
  Control{4608, 116, 17, Kind::RadioItem, "Full Page MAGENTA"},
  Control{4610, 133, 18, Kind::RadioItem, "Full Page YELLOW"},
  Control{4612, 116, 18, Kind::RadioItem, "Full Page BLACK"},
  Control{4614, 133, 17, Kind::RadioItem, "Full Page RED"},
  Control{4616, 116, 17, Kind::RadioItem, "Full Page GREEN"},
  Control{4618, 133, 17, Kind::RadioItem, "Full Page BLUE"},
  Control{4620, 116, 17, Kind::RadioItem, "Full Page WHITE"},
  Control{4622, 133, 17, Kind::RadioItem, "CMYK 4 Sided Gradient"},
  Control{4624, 133, 18, Kind::RadioItem, "Full Page Text Only"},
  // Color Calibration
  Control{4626, 49, 17, Kind::CheckItem, "BLACK"},
  Control{4628, 68, 17, Kind::CheckItem, "CYAN"},
  Control{4630, 68, 18, Kind::CheckItem, "MAGENTA"},
  Control{4632, 68, 13, Kind::CheckItem, "YELLOW"},
  Control{4634, 51, 17, Kind::CheckItem, "RED"},
  Control{4636, 51, 18, Kind::CheckItem, "GREEN"},
  Control{4638, 51, 13, Kind::CheckItem, "BLUE"},
  Control{4640, 265, 18, Kind::CheckItem, "Saturation - Lightness Graph Color Finding Method"},
  // Custom
  Control{4642, 134, 17, Kind::CheckItem, "Full Page Custom Color:"},
  Control{4644, 134, 17, Kind::CheckItem, "Custom Gradient:"},
  Control{4646, 139, 16, Kind::CheckItem, "Draw X on Whole Paper"},
  Control{4648, 194, 19, Kind::CheckItem, "Make Millimetric Paper With Color:"},
  Control{4650, 171, 17, Kind::CheckItem, "Custom 4 Sided Gradient:"},
  Control{4652, 96, 22, Kind::CheckItem, "Color Coverage:"},
  Control{4654, 81, 22, Kind::RadioItem, "Single Bar"},
  Control{4656, 111, 22, Kind::RadioItem, "Full Page Vertical"},
  Control{4658, 117, 22, Kind::RadioItem, "Full Page Orizontal"},
  // Labels on the background of tabs 3 and 4
  Control{4660, 78, 15, Kind::Label, "Center Color"},
  Control{4661, 16, 38, Kind::Label, "1:\n3:"},
  Control{4662, 17, 38, Kind::Label, "2:\n4:"},
  Control{4663, 29, 20, Kind::Label, "Left:"},
  Control{4664, 16, 22, Kind::Label, "%"},
  Control{4665, 36, 20, Kind::Label, "Right:"},
  Control{4666, 29, 19, Kind::ColourButton, "..."},
  Control{4668, 354, 2, Kind::Separator, ""},
};
// clang-format on

// The images of one control, in id order.
std::vector<State> StatesOf(Kind kind) {
  switch (kind) {
    case Kind::CloseButton:
    case Kind::Command:
    case Kind::MenuButton:
      return {State::Normal, State::Hover, State::Pressed};
    case Kind::Tab:
      return {State::Normal, State::Hover, State::Current};
    case Kind::CheckItem:
    case Kind::RadioItem:
      return {State::Ticked, State::Unticked};
    case Kind::ColourButton:
      return {State::Pressed, State::Normal};
    case Kind::ActionButton:
      return {State::Normal, State::Pressed};
    default:
      return {State::Plain};
  }
}

std::vector<Recipe> Expand() {
  std::vector<Recipe> recipes;
  for (const Control& control : kControls) {
    int id = control.firstId;
    for (State state : StatesOf(control.kind))
      recipes.push_back({id++, control.width, control.height, control.kind, control.label, state});
  }
  return recipes;
}

// The groups whose labels share one size: the about box's labels, the tabs,
// the command buttons, the banners, and each tab's list, by the first bitmap
// of each group. The widest label of a group decides the size of them all.
constexpr int kGroupStarts[] = {4400, 4415, 4500, 4503, 4518, 4536, 4541, 4550, 4570, 4596, 4626, 4642, 4660};

int GroupOf(int id) {
  int group = 0;
  for (const int start : kGroupStarts) group += id >= start ? 1 : 0;
  return group;
}

void ShareLabelSizes(std::vector<Recipe>& recipes) {
  DeviceCaps caps;
  caps.dpiX = caps.dpiY = 96;
  caps.physicalWidth = caps.horzRes = caps.physicalHeight = caps.vertRes = 8;
  std::vector<int> fitted(recipes.size());
  RenderOn(caps, [&](Surface& s) {
    for (std::size_t i = 0; i < recipes.size(); ++i) fitted[i] = FittedLabelPixels(s, recipes[i]);
  });
  for (std::size_t i = 0; i < recipes.size(); ++i) {
    int shared = fitted[i];
    for (std::size_t j = 0; j < recipes.size(); ++j)
      if (fitted[j] > 0 && recipes[j].kind == recipes[i].kind && GroupOf(recipes[j].id) == GroupOf(recipes[i].id))
        shared = std::min(shared, fitted[j]);
    recipes[i].labelPixels = shared;
  }
}

}  // namespace

const std::vector<Recipe>& Recipes() {
  static const std::vector<Recipe> recipes = [] {
    std::vector<Recipe> expanded = Expand();
    ShareLabelSizes(expanded);
    return expanded;
  }();
  return recipes;
}

}  // namespace veltrim::art
