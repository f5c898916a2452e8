#include "core/app/tab_switch.hpp"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "core/app/main_window_layout.hpp"
#include "core/job/test_selection.hpp"

namespace veltrim {

namespace {

bool IsTab(int tab) { return tab >= 0 && tab < kTabCount; }

// A group of consecutive ids and the tabs that show it, as a bit per tab.
struct Group {
  IdRange ids;
  unsigned tabs;
};

constexpr unsigned On(std::initializer_list<int> tabs) {
  unsigned mask = 0;
  for (const int t : tabs) mask |= 1u << t;
  return mask;
}

constexpr Group kGroups[] = {
    {{1191, 1200}, On({0})},
    {{1201, 1213}, On({1})},
    {{1214, 1228}, On({2})},
    {{1229, 1236}, On({3})},
    {{1237, 1242}, On({4})},
    {{1243, 1245}, On({3})},
    {{1246, 1270}, On({4})},
    {{kSelectionMenuButton, kSelectionMenuButton}, On({0, 1, 3})},  // selection menu: no ticks on tabs 2 and 4
    {{1177, 1177}, On({2})},
    {{1178, 1178}, On({3})},
    {{1179, 1179}, On({4})},
    {{1271, 1271}, On({3})},
    {{kFirstLayoutOption, kFirstLayoutOption + kGradientLayouts - 1}, On({4})},
};

}  // namespace

int NextTab(int tab) { return IsTab(tab) ? (tab + 1) % kTabCount : 0; }

int PreviousTab(int tab) { return IsTab(tab) ? (tab + kTabCount - 1) % kTabCount : 0; }

IdRange TabItemIds(int tab) {
  static constexpr std::array<IdRange, kTabCount> kItems{{
      {1191, 1200}, {1201, 1213}, {1214, 1228}, {1229, 1236}, {1237, 1242}}};
  return IsTab(tab) ? kItems[tab] : IdRange{0, -1};
}

std::vector<ControlShow> TabControlVisibility(int tab) {
  std::vector<ControlShow> controls;
  for (const Group& group : kGroups) {
    const bool shown = IsTab(tab) && (group.tabs & (1u << tab)) != 0;
    for (int id = group.ids.first; id <= group.ids.last; ++id) controls.push_back({id, shown});
  }
  return controls;
}

}  // namespace veltrim
