#pragma once
// Switching the main window's tab: the tab buttons' command ids, F6/F5 wrap
// around, the banner image of each tab and which controls each tab shows.

#include <vector>

#include "core/job/test_selection.hpp"
#include "core/platform/resource_ids.h"

namespace veltrim {

inline constexpr int kFirstTabCommand = 1166;  // tab t is command 1166 + t
inline constexpr int kBannerControl = 1190;

// The tab after / before `tab`, wrapping 4 -> 0 and 0 -> 4. A tab outside
// 0..4 (no category chosen) moves to tab 0 either way.
Tab NextTab(Tab tab);
Tab PreviousTab(Tab tab);

inline constexpr int TabCommand(Tab tab) { return kFirstTabCommand + TabIndex(tab); }
// One banner a tab.
inline constexpr int BannerBitmap(Tab tab) { return IDB_TAB_BANNERS + TabIndex(tab); }

// The first and last control id of the items of a tab (inclusive): the ones
// redrawn after a selection change. Tab 4 gives the six Custom items.
struct IdRange {
  int first;
  int last;
  constexpr bool Contains(int id) const { return id >= first && id <= last; }
};
IdRange TabItemIds(Tab tab);

struct ControlShow {
  int id;
  bool shown;
};

// Every control that depends on the tab, in the order it is shown or hidden
// (the items of tabs 0..3, the Custom items, the tab 3 colour controls, the
// tab 4 controls, then 1176, 1177, 1178, 1179, 1271 and the layout options),
// each with whether `tab` shows it. An unknown tab hides them all.
std::vector<ControlShow> TabControlVisibility(Tab tab);

}  // namespace veltrim
