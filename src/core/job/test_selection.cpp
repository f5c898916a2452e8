#include "core/job/test_selection.hpp"

#include <algorithm>

namespace veltrim {

std::span<std::uint8_t> TestSelection::FlagsOf(Tab tab) {
  switch (tab) {
    case Tab::BlackWhite: return bwTests;
    case Tab::Color: return colorTests;
    case Tab::Calibration: return calibrationTests;
    default: return {};
  }
}

std::span<const std::uint8_t> TestSelection::FlagsOf(Tab tab) const {
  return const_cast<TestSelection&>(*this).FlagsOf(tab);
}

bool ToggleItem(TestSelection& selection, Tab tab, int index) {
  const auto flags = selection.FlagsOf(tab);
  const int n = static_cast<int>(flags.size());
  if (index < 0 || index >= n) return false;
  flags[index] = static_cast<std::uint8_t>(1 - flags[index]);
  const int exclusive = n - 1;
  if (index == exclusive) {
    if (flags[index] == 1) std::fill(flags.begin(), flags.end() - 1, 0);
  } else {
    flags[exclusive] = 0;
  }
  return true;
}

bool ClickCustomItem(TestSelection& selection, int index) {
  if (index < 0 || index >= kCustomItems) return false;
  const std::uint8_t was = selection.customTests[index];
  selection.customTests.fill(0);
  selection.customTests[index] = static_cast<std::uint8_t>(1 - was);
  return true;
}

namespace {

// The items "Select Most Common Used" ticks on each tab.
std::span<const int> MostCommonItems(Tab tab) {
  static constexpr int kBw[] = {0, 1, 2, 3, 5, 6, 7, 8};
  static constexpr int kColor[] = {0, 2, 5, 6, 9, 10, 11};
  static constexpr int kCalibration[] = {4, 5, 6};
  switch (tab) {
    case Tab::BlackWhite: return kBw;
    case Tab::Color: return kColor;
    default: return kCalibration;
  }
}

}  // namespace

void ApplySelectCommand(TestSelection& selection, SelectCommand command) {
  const Tab tab = selection.currentTab;
  const auto flags = selection.FlagsOf(tab);
  if (flags.empty()) return;
  const auto exclusive = flags.end() - 1;
  switch (command) {
    case SelectCommand::All:
      std::fill(flags.begin(), exclusive, 1);
      break;
    case SelectCommand::None:
      std::fill(flags.begin(), flags.end(), 0);
      break;
    case SelectCommand::Inverse:
      for (auto it = flags.begin(); it != exclusive; ++it) *it = static_cast<std::uint8_t>(1 - *it);
      break;
    case SelectCommand::MostCommon:
      std::fill(flags.begin(), flags.end(), 0);
      for (const int item : MostCommonItems(tab)) flags[item] = 1;
      break;
  }
  *exclusive = 0;
}

}  // namespace veltrim
