#include "core/app/tab_switch.hpp"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "core/app/main_window_layout.hpp"
#include "core/job/test_selection.hpp"

namespace veltrim {

namespace {

// A group of consecutive ids and the tabs that show it, as a bit per tab.
struct Group {
  IdRange ids;
  unsigned tabs;
};

constexpr unsigned On(std::initializer_list<Tab> tabs) {
  unsigned mask = 0;
  for (const Tab t : tabs) mask |= 1u << TabIndex(t);
  return mask;
}

constexpr Group kGroups[] = {
    {{1191, 1200}, On({Tab::BlackWhite})},
    {{1201, 1213}, On({Tab::Color})},
    {{1214, 1228}, On({Tab::Advanced})},
    {{1229, 1236}, On({Tab::Calibration})},
    {{1237, 1242}, On({Tab::Custom})},
    {{1243, 1245}, On({Tab::Calibration})},
    {{1246, 1270}, On({Tab::Custom})},
    {{kSelectionMenuButton, kSelectionMenuButton}, On({Tab::BlackWhite, Tab::Color, Tab::Calibration})},  // selection menu: no ticks on tabs 2 and 4
    {{1177, 1177}, On({Tab::Advanced})},
    {{1178, 1178}, On({Tab::Calibration})},
    {{1179, 1179}, On({Tab::Custom})},
    {{1271, 1271}, On({Tab::Calibration})},
    {{kFirstLayoutOption, kFirstLayoutOption + kGradientLayouts - 1}, On({Tab::Custom})},
};

}  // namespace

Tab NextTab(Tab tab) { return IsTab(tab) ? static_cast<Tab>((TabIndex(tab) + 1) % kTabCount) : Tab::BlackWhite; }

Tab PreviousTab(Tab tab) {
  return IsTab(tab) ? static_cast<Tab>((TabIndex(tab) + kTabCount - 1) % kTabCount) : Tab::BlackWhite;
}

IdRange TabItemIds(Tab tab) {
  static constexpr std::array<IdRange, kTabCount> kItems{{
      {1191, 1200}, {1201, 1213}, {1214, 1228}, {1229, 1236}, {1237, 1242}}};
  return IsTab(tab) ? kItems[static_cast<std::size_t>(TabIndex(tab))] : IdRange{0, -1};
}

std::vector<ControlShow> TabControlVisibility(Tab tab) {
  std::vector<ControlShow> controls;
  for (const Group& group : kGroups) {
    const bool shown = IsTab(tab) && (group.tabs & (1u << TabIndex(tab))) != 0;
    for (int id = group.ids.first; id <= group.ids.last; ++id) controls.push_back({id, shown});
  }
  return controls;
}

}  // namespace veltrim
