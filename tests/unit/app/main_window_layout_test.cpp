#include "app/main_window_layout.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>
#include <set>
#include <vector>

#include "app/main_commands.hpp"
#include "app/number_boxes.hpp"
#include "app/tab_switch.hpp"

namespace veltrim {
namespace {

std::set<int> Ids(std::initializer_list<IdRange> ranges) {
  std::set<int> ids;
  for (const IdRange& r : ranges)
    for (int id = r.first; id <= r.last; ++id) ids.insert(id);
  return ids;
}

// A point of the closed outline or inside it (the outline is convex).
bool InsideRegion(long x, long y) {
  bool anyLeft = false;
  bool anyRight = false;
  for (std::size_t i = 0; i < kWindowRegion.size(); ++i) {
    const WindowPoint a = kWindowRegion[i];
    const WindowPoint b = kWindowRegion[(i + 1) % kWindowRegion.size()];
    const long cross = long{b.x - a.x} * (y - a.y) - long{b.y - a.y} * (x - a.x);
    anyLeft = anyLeft || cross > 0;
    anyRight = anyRight || cross < 0;
  }
  return !(anyLeft && anyRight);
}

TEST(MainWindowLayout, StartUpShowsTabZeroAndTheFixedControls) {
  std::set<int> shown;
  for (const MainControl& c : kMainControls) {
    if (c.shown) shown.insert(c.id);
    EXPECT_EQ(c.shown, c.OnTab(0)) << c.id;  // the window starts on tab 0
  }
  std::set<int> expected = Ids({TabItemIds(0), {TabCommand(0), TabCommand(4)}, {1171, 1175}, {1176, 1176},
                                {kReportBoxControl, kPreviewControl}, {kBannerControl, kBannerControl}});
  for (const NumberBox& box : kNumberBoxes) {
    if (box.boxId == 1268) continue;  // the Custom tab's box
    expected.insert({box.boxId, box.spinId});
  }
  expected.insert(1165);  // the close button is always there too
  EXPECT_EQ(shown, expected);
}

TEST(MainWindowLayout, IdsAreUniqueAndEachSpinFollowsItsBox) {
  std::set<int> ids;
  for (const MainControl& c : kMainControls) EXPECT_TRUE(ids.insert(c.id).second) << c.id;
  EXPECT_FALSE(ids.contains(kBackgroundStatic));

  int spins = 0;
  for (std::size_t i = 0; i < kMainControls.size(); ++i) {
    const MainControl& c = kMainControls[i];
    if (c.kind != ControlKind::NumberBox) continue;
    const auto box = FindNumberBox(c.id);
    ASSERT_TRUE(box.has_value()) << c.id;
    ASSERT_LT(i + 1, kMainControls.size());
    EXPECT_EQ(kMainControls[i + 1].id, box->spinId);
    EXPECT_EQ(kMainControls[i + 1].kind, ControlKind::Spin);
    EXPECT_EQ(kMainControls[i + 1].tabs, c.tabs);
    ++spins;
  }
  EXPECT_EQ(spins, static_cast<int>(std::size(kNumberBoxes)));
  EXPECT_EQ(std::count_if(kMainControls.begin(), kMainControls.end(),
                          [](const MainControl& c) { return c.kind == ControlKind::Spin; }),
            spins);
}

TEST(MainWindowLayout, NoControlLeavesTheOctagon) {
  for (const WindowPoint& p : kWindowRegion) {
    EXPECT_TRUE(p.x >= 0 && p.x <= kMainWindowWidth && p.y >= 0 && p.y <= kMainWindowHeight);
  }
  // A click 3 pixels in from a corner along both edges misses the window.
  const int w = kMainWindowWidth - 1;
  const int h = kMainWindowHeight - 1;
  for (const auto& [x, y] : {std::pair{3, 3}, {w - 3, 3}, {3, h - 3}, {w - 3, h - 3}}) {
    EXPECT_FALSE(InsideRegion(x, y)) << x << "," << y;
  }
  EXPECT_TRUE(InsideRegion(10, 10));
  EXPECT_TRUE(InsideRegion(w - 10, h - 10));

  // Convex outline: a rectangle is inside when its four corners are.
  for (const MainControl& c : kMainControls) {
    EXPECT_GT(c.width, 0);
    EXPECT_GT(c.height, 0);
    const int right = c.x + c.width;
    const int bottom = c.y + c.height;
    EXPECT_TRUE(c.x >= 0 && c.y >= 0 && right <= kMainWindowWidth && bottom <= kMainWindowHeight) << c.id;
    EXPECT_TRUE(InsideRegion(c.x, c.y) && InsideRegion(right, c.y) && InsideRegion(c.x, bottom) &&
                InsideRegion(right, bottom))
        << c.id;
  }
}

TEST(MainWindowLayout, CreationStyles) {
  struct Case {
    int id;
    std::string_view className;
    std::uint32_t style;
  };
  for (const Case& k : {Case{1165, "BUTTON", 0x5001000B}, Case{1177, "BUTTON", 0x4001000B},
                        Case{1191, "BUTTON", 0x5001000B}, Case{1245, "BUTTON", 0x4001000B},
                        Case{1180, "EDIT", 0x50012081}, Case{1268, "EDIT", 0x40012081},
                        Case{1181, "msctls_updown32", 0x50000136}, Case{1269, "msctls_updown32", 0x40000136},
                        // Shown, but by ShowWindow after its settings are in place.
                        Case{1188, "RichEdit", 0x40212C04},
                        Case{1190, "STATIC", 0x5000000E}, Case{1271, "STATIC", 0x4000000E},
                        Case{1189, "STATIC", 0x50000000}, Case{1244, "STATIC", 0x40000000}}) {
    const MainControl* c = FindControl(k.id);
    ASSERT_NE(c, nullptr) << k.id;
    EXPECT_EQ(ClassOf(c->kind).name, k.className) << k.id;
    EXPECT_EQ(CreationStyle(*c), k.style) << k.id;
  }
  EXPECT_EQ(FindControl(kBackgroundStatic), nullptr);
}

TEST(MainWindowLayout, EachBitmapBelongsToExactlyItsControls) {
  struct Group {
    int firstBitmap;
    std::vector<int> controls;
    int perControl;
    bool shared;
  };
  auto span = [](int first, int last) {
    std::vector<int> v;
    for (int id = first; id <= last; ++id) v.push_back(id);
    return v;
  };
  const std::vector<int> colourButtons(std::begin(kColourButtons), std::end(kColourButtons));
  const Group groups[] = {
      {4500, {1165}, 3, false},           {4503, span(1166, 1170), 3, false},
      {4518, span(1171, 1175), 3, false}, {4533, {1176}, 3, false},
      {4536, {1190}, 5, false},           {4541, span(1177, 1179), 3, false},
      {4550, span(1191, 1200), 2, false}, {4570, span(1201, 1213), 2, false},
      {4596, span(1214, 1228), 2, false}, {4626, span(1229, 1236), 2, false},
      {4642, span(1237, 1242), 2, false}, {4654, span(1272, 1274), 2, false},
      {4660, {1243, 1256, 1261, 1248, 1270, 1251}, 1, false},
      {4666, colourButtons, 2, true},     {4668, {1271}, 1, false},
  };
  std::map<int, std::set<int>> expected;
  for (const Group& g : groups) {
    for (std::size_t i = 0; i < g.controls.size(); ++i) {
      const int first = g.firstBitmap + (g.shared ? 0 : static_cast<int>(i) * g.perControl);
      for (int b = first; b < first + g.perControl; ++b) expected[b].insert(g.controls[i]);
    }
  }
  ASSERT_EQ(expected.size(), 169u);
  EXPECT_EQ(expected.begin()->first, 4500);
  EXPECT_EQ(expected.rbegin()->first, 4668);

  std::map<int, std::set<int>> actual;
  for (const MainControl& c : kMainControls) {
    const bool imageKind = c.kind == ControlKind::ImageButton || c.kind == ControlKind::ImageStatic;
    EXPECT_EQ(imageKind, c.BitmapCount() > 0) << c.id;
    for (int b = c.firstBitmap; b < c.firstBitmap + c.BitmapCount(); ++b) actual[b].insert(c.id);
  }
  EXPECT_EQ(actual, expected);
  for (int tab = 0; tab < kTabCount; ++tab) EXPECT_TRUE(actual[BannerBitmap(tab)].contains(kBannerControl));
}

TEST(MainWindowLayout, BitmapForState) {
  struct Case {
    int id;
    ImageState state;
    int bitmap;
  };
  for (const Case& k : {Case{1165, ImageState::Pressed, 4502}, Case{1170, ImageState::PointerOver, 4516},
                        Case{1179, ImageState::Normal, 4547}, Case{1200, ImageState::Ticked, 4568},
                        Case{1200, ImageState::Unticked, 4569}, Case{1274, ImageState::Unticked, 4659},
                        Case{1267, ImageState::Pressed, 4666}, Case{1245, ImageState::Normal, 4667},
                        Case{1270, ImageState::Normal, 4664}, Case{kBannerControl, ImageState::Normal, 4536},
                        // No such image: a state the control does not have, or no images at all.
                        Case{1191, ImageState::Normal, 0}, Case{1166, ImageState::Ticked, 0},
                        Case{1188, ImageState::Normal, 0}, Case{9999, ImageState::Normal, 0}}) {
    EXPECT_EQ(BitmapFor(k.id, k.state), k.bitmap) << k.id;
  }
}

TEST(MainWindowLayout, MatchesTheTabSwitchTable) {
  std::set<int> switched;
  for (const ControlShow& c : TabControlVisibility(0)) switched.insert(c.id);
  std::set<int> tabDependent;
  for (const MainControl& c : kMainControls)
    if (c.tabs != kAllTabs) tabDependent.insert(c.id);
  EXPECT_EQ(switched, tabDependent);

  for (int tab = 0; tab < kTabCount; ++tab) {
    std::set<int> shown;
    for (const ControlShow& c : TabControlVisibility(tab))
      if (c.shown) shown.insert(c.id);
    std::set<int> marked;
    for (const MainControl& c : kMainControls)
      if (c.tabs != kAllTabs && c.OnTab(tab)) marked.insert(c.id);
    EXPECT_EQ(shown, marked) << "tab " << tab;
  }
}

TEST(MainWindowLayout, InitialisationSettings) {
  // Upper limit in the low word, lower limit in the high word.
  EXPECT_EQ(SpinRangeParam(*FindNumberBox(1187)), 0xFC1803E8u);  // -1000..1000
  EXPECT_EQ(SpinRangeParam(*FindNumberBox(1269)), 0x00010064u);  // 1..100

  // Every swatch canvas is attached once, to a swatch static.
  std::set<int> slots(kSwatchAttachSlots.begin(), kSwatchAttachSlots.end());
  EXPECT_EQ(slots.size(), static_cast<std::size_t>(kColourSlots));
  for (const int slot : kSwatchAttachSlots) {
    ASSERT_TRUE(slot >= 0 && slot < kColourSlots);
    const MainControl* swatch = FindControl(kColourSwatches[slot]);
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->kind, ControlKind::SwatchStatic);
  }
  EXPECT_EQ(FindControl(kPreviewControl)->kind, ControlKind::SwatchStatic);
}

}  // namespace
}  // namespace veltrim
