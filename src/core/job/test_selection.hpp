#pragma once
// The test selection of the main window and its rules: which items of each
// tab are ticked, the one exclusive item of tabs 0, 1 and 3, the Custom
// tab's at-most-one rule and the selection menu's four commands.

#include <array>
#include <cstdint>
#include <span>

#include "core/colour/colour_ref.hpp"
#include "core/platform/resource_ids.h"

namespace veltrim {

// The five categories, in the order of their tab buttons; None when no
// category is chosen.
enum class Tab : int { None = -1, BlackWhite = 0, Color = 1, Advanced = 2, Calibration = 3, Custom = 4 };

inline constexpr int kTabCount = 5;
constexpr int TabIndex(Tab tab) { return static_cast<int>(tab); }
constexpr bool IsTab(Tab tab) { return tab >= Tab::BlackWhite && tab <= Tab::Custom; }
inline constexpr int kBwItems = 10;
inline constexpr int kColorItems = 13;
inline constexpr int kAdvancedOptions = 15;
inline constexpr int kCalibrationItems = 8;
inline constexpr int kCustomItems = 6;
inline constexpr int kGradientLayouts = 3;
inline constexpr int kColourSlots = 10;

// Selection menu commands.
enum class SelectCommand : int {
  All = IDM_SELECT_ALL,
  None = IDM_SELECT_NONE,
  Inverse = IDM_SELECT_INVERSE,
  MostCommon = IDM_SELECT_MOST_COMMON
};

struct TestSelection {
  Tab currentTab = Tab::BlackWhite;
  std::array<std::uint8_t, kBwItems> bwTests{};
  std::array<std::uint8_t, kColorItems> colorTests{};
  int advancedOption = 0;
  std::array<std::uint8_t, kCalibrationItems> calibrationTests{};
  std::array<std::uint8_t, kCustomItems> customTests{};
  int gradientLayout = 0;
  std::array<ColourTriple, kColourSlots> customColours{};

  // The tick flags of Black&White, Color or Color Calibration; empty for
  // the others.
  std::span<std::uint8_t> FlagsOf(Tab tab);
  std::span<const std::uint8_t> FlagsOf(Tab tab) const;
};

// A click on item `index` of tab 0, 1 or 3: the item flips; ticking the
// exclusive (last) item clears the others, ticking any other clears it.
// Returns false (nothing changed) for another tab or an index out of range.
bool ToggleItem(TestSelection& selection, Tab tab, int index);

// A click on Custom item `index`: it flips and every other item clears.
bool ClickCustomItem(TestSelection& selection, int index);

// A selection-menu command on the current tab; tabs 2 and 4 are left as
// they are.
void ApplySelectCommand(TestSelection& selection, SelectCommand command);

}  // namespace veltrim
