#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "app/app_state.hpp"
#include "app/main_commands.hpp"
#include "app/number_boxes.hpp"
#include "app/pointer_over.hpp"
#include "app/tab_switch.hpp"

namespace veltrim {
namespace {

TEST(AppState, StartsCleared) {
  const auto state = std::make_unique<AppState>();  // large: keep it off the stack
  const TestSelection& s = state->selection;
  EXPECT_EQ(s.currentTab, 0);
  for (const int tab : {0, 1, 3}) {
    const auto flags = s.FlagsOf(tab);
    EXPECT_TRUE(std::all_of(flags.begin(), flags.end(), [](auto f) { return f == 0; })) << tab;
  }
  EXPECT_EQ(s.customTests, (std::array<std::uint8_t, kCustomItems>{}));
  EXPECT_EQ(s.advancedOption, 0);
  EXPECT_EQ(s.gradientLayout, 0);
  for (const ColourTriple& c : s.customColours) EXPECT_EQ(c, (ColourTriple{79, 84, 87}));
  EXPECT_EQ(state->calibration, (CalibrationValues{}));
  EXPECT_EQ(state->hoverFlags, (std::array<std::uint8_t, kHoverButtons>{}));
  EXPECT_EQ(state->largePreviewKind, 0);
  EXPECT_EQ(state->sharedText.Length(), 0);
  for (const WorkBuffer* buffer : {&state->textBuffer, &state->printerName, &state->printerPort}) {
    EXPECT_EQ(buffer->size(), 30001u);
    EXPECT_TRUE(std::all_of(buffer->begin(), buffer->end(), [](char c) { return c == 0; }));
  }
}

TEST(TabSwitch, F6AndF5WrapAround) {
  int tab = 0;
  std::vector<int> visited;
  for (int i = 0; i < 5; ++i) visited.push_back(tab = NextTab(tab));
  EXPECT_EQ(visited, (std::vector<int>{1, 2, 3, 4, 0}));
  EXPECT_EQ(PreviousTab(0), 4);
  EXPECT_EQ(PreviousTab(3), 2);
  EXPECT_EQ(TabCommand(NextTab(4)), 1166);
  EXPECT_EQ(TabCommand(PreviousTab(0)), 1170);
  EXPECT_EQ(BannerBitmap(3), 4539);
}

std::set<int> ShownOn(int tab) {
  std::set<int> shown;
  for (const ControlShow& c : TabControlVisibility(tab))
    if (c.shown) shown.insert(c.id);
  return shown;
}

std::set<int> Ids(std::initializer_list<IdRange> ranges) {
  std::set<int> ids;
  for (const IdRange r : ranges)
    for (int id = r.first; id <= r.last; ++id) ids.insert(id);
  return ids;
}

TEST(TabSwitch, EachTabShowsItsOwnControls) {
  EXPECT_EQ(ShownOn(0), Ids({{1191, 1200}, {1176, 1176}}));
  EXPECT_EQ(ShownOn(1), Ids({{1201, 1213}, {1176, 1176}}));
  EXPECT_EQ(ShownOn(2), Ids({{1214, 1228}, {1177, 1177}}));
  EXPECT_EQ(ShownOn(3), Ids({{1229, 1236}, {1243, 1245}, {1271, 1271}, {1176, 1176}, {1178, 1178}}));
  EXPECT_EQ(ShownOn(4), Ids({{1237, 1242}, {1246, 1270}, {1272, 1274}, {1179, 1179}}));
}

TEST(TabSwitch, EveryTabTouchesTheSameControlsInTheSameOrder) {
  std::vector<int> order;
  for (const ControlShow& c : TabControlVisibility(0)) order.push_back(c.id);
  EXPECT_EQ(order.size(), std::set<int>(order.begin(), order.end()).size());  // no id twice
  EXPECT_EQ(order.front(), 1191);
  // The single buttons follow the groups, then the separator and layout options.
  const auto at = std::find(order.begin(), order.end(), 1176);
  ASSERT_NE(at, order.end());
  EXPECT_EQ((std::vector<int>(at, order.end())),
            (std::vector<int>{1176, 1177, 1178, 1179, 1271, 1272, 1273, 1274}));
  for (int tab = 1; tab < kTabCount; ++tab) {
    std::vector<int> other;
    for (const ControlShow& c : TabControlVisibility(tab)) other.push_back(c.id);
    EXPECT_EQ(other, order) << tab;
  }
}

TEST(Commands, OnlyClicksAndAcceleratorsAreActedOn) {
  EXPECT_EQ(ClassifyCommand(1172, 0).kind, CommandKind::Print);
  EXPECT_EQ(ClassifyCommand(1172, 1).kind, CommandKind::Print);
  for (const int code : {2, 5, 0x300, -1}) EXPECT_EQ(ClassifyCommand(1172, code).kind, CommandKind::Ignored);
}

TEST(Commands, IdsMapToTheirActions) {
  using K = CommandKind;
  const std::pair<int, Command> cases[] = {
      {10, {K::Quit}},           {1165, {K::Quit}},         {17, {K::About}},
      {1175, {K::About}},        {1163, {K::NextTab}},      {1164, {K::PreviousTab}},
      {1166, {K::SwitchTab, -1, 0}}, {1170, {K::SwitchTab, -1, 4}},
      {1171, {K::Preview}},      {1173, {K::PrinterInfo}},  {1174, {K::Help}},
      {1176, {K::SelectionMenu}}, {1178, {K::LargePreview, -1, 1178}},
      {1191, {K::TestItem, 0, 0}}, {1200, {K::TestItem, 0, 9}}, {1213, {K::TestItem, 1, 12}},
      {1229, {K::TestItem, 3, 0}}, {1236, {K::TestItem, 3, 7}},
      {1214, {K::AdvancedOption, -1, 0}}, {1228, {K::AdvancedOption, -1, 14}},
      {1237, {K::CustomItem, -1, 0}}, {1242, {K::CustomItem, -1, 5}},
      {1272, {K::LayoutOption, -1, 0}}, {1274, {K::LayoutOption, -1, 2}},
      {1267, {K::ColourButton, -1, 0}}, {1245, {K::ColourButton, -1, 9}},
      {1258, {K::ColourButton, -1, 4}}, {1260, {K::ColourButton, -1, 2}},
      {5000, {K::SelectMenu, -1, 5000}}, {5003, {K::SelectMenu, -1, 5003}},
      // Swatches, labels, number boxes and the neighbours of each range do nothing.
      {1244, {}}, {1246, {}}, {1268, {}}, {1180, {}}, {1190, {}}, {1162, {}},
      {1275, {}}, {4999, {}}, {5004, {}}, {0, {}}};
  for (const auto& [id, expected] : cases) EXPECT_EQ(ClassifyCommand(id, 0), expected) << id;
}

TEST(Commands, ColourSlotsMatchTheirSwatches) {
  // Every colour button sits right after its swatch except the corner pairs,
  // where both swatches come first.
  const std::pair<int, int> buttonAndSwatch[] = {{1267, 1266}, {1265, 1264}, {1260, 1259}, {1263, 1262},
                                                 {1258, 1257}, {1255, 1254}, {1253, 1252}, {1250, 1249},
                                                 {1247, 1246}, {1245, 1244}};
  for (int slot = 0; slot < kColourSlots; ++slot) {
    EXPECT_EQ(ColourSlotOfButton(buttonAndSwatch[slot].first), slot);
    EXPECT_EQ(kColourSwatches[slot], buttonAndSwatch[slot].second);
  }
}

TEST(Colours, PackRedLowBlueHigh) {
  EXPECT_EQ(ToColourRef({79, 84, 87}), 0x0057544Fu);
  EXPECT_EQ(ToColourRef({255, 0, 0}), 0x000000FFu);
  EXPECT_EQ(ToColourRef({0, 0, 255}), 0x00FF0000u);
  EXPECT_EQ(FromColourRef(0x00123456u), (ColourTriple{0x56, 0x34, 0x12}));
  EXPECT_EQ(FromColourRef(ToColourRef({1, 2, 3})), (ColourTriple{1, 2, 3}));
  // A component outside a byte stays in its own byte.
  EXPECT_EQ(ToColourRef({500, -3, 256}), 0x00FF00FFu);
}

TEST(LargePreview, KindsAndRefusals) {
  TestSelection s;
  EXPECT_EQ(DecideLargePreview(1177, s).kind, 0);
  EXPECT_EQ(DecideLargePreview(1177, s).refusal,
            "Previewing cannot be requested in this tab for something else than \"CMYK 4 Sided Gradient\" option !");
  s.advancedOption = 13;
  EXPECT_EQ(DecideLargePreview(1177, s).kind, 1);
  EXPECT_TRUE(DecideLargePreview(1177, s).refusal.empty());

  EXPECT_EQ(DecideLargePreview(1178, s).kind, 2);
  ToggleItem(s, 3, 7);
  EXPECT_EQ(DecideLargePreview(1178, s).kind, 3);

  const char* customRefusal =
      "Previewing cannot be requested in this tab for something else than \"Custom Gradient\" or \"Custom 4 "
      "Sided Gradient\" options !";
  EXPECT_EQ(DecideLargePreview(1179, s).refusal, customRefusal);  // nothing ticked
  const int expectedKind[kCustomItems] = {0, 4, 0, 0, 5, 0};
  for (int item = 0; item < kCustomItems; ++item) {
    ClickCustomItem(s, item);
    const LargePreview p = DecideLargePreview(1179, s);
    EXPECT_EQ(p.kind, expectedKind[item]) << item;
    EXPECT_EQ(p.refusal.empty(), expectedKind[item] != 0) << item;
  }
  EXPECT_EQ(kRefusalCaption, "No, no, no");
}

TEST(PointerOver, OnlyVisibleChangedButtonsAreRedrawn) {
  std::array<HoverButton, kHoverButtons> buttons{};
  buttons[0] = {true, {100, 100, 120, 120}};  // 1165
  buttons[6] = {true, {200, 100, 355, 138}};  // 1171
  buttons[12] = {false, {0, 0, 1000, 1000}};  // 1177, hidden on this tab
  std::array<std::uint8_t, kHoverButtons> flags{};
  flags[12] = 1;  // left set when its tab was switched away

  EXPECT_EQ(UpdateHover(buttons, {105, 110}, flags), std::vector<int>{1165});
  EXPECT_EQ(UpdateHover(buttons, {105, 110}, flags), std::vector<int>{});  // no change, no redraw
  // Moving across: one goes off, the other on; the right/bottom edge is outside.
  EXPECT_EQ(UpdateHover(buttons, {200, 137}, flags), (std::vector<int>{1165, 1171}));
  EXPECT_EQ(UpdateHover(buttons, {355, 137}, flags), std::vector<int>{1171});
  EXPECT_EQ(flags[0] + flags[6], 0);
  EXPECT_EQ(flags[12], 1);  // hidden: kept as it was
}

TEST(NumberBoxes, RangesStartsAndClamping) {
  struct Expect {
    int id, lower, upper, start;
  };
  const Expect expected[] = {{1180, 1, 100, 1},        {1183, 1, 100, 1}, {1184, 1, 100, 100},
                             {1187, -1000, 1000, 0}, {1268, 1, 100, 1}};
  for (const Expect& e : expected) {
    const auto box = FindNumberBox(e.id);
    ASSERT_TRUE(box) << e.id;
    EXPECT_EQ(ClampToRange(*box, e.start), e.start) << e.id;
    EXPECT_EQ(ClampToRange(*box, e.lower - 1), e.lower) << e.id;
    EXPECT_EQ(ClampToRange(*box, e.upper + 1), e.upper) << e.id;
    EXPECT_EQ(box->start, e.start) << e.id;
  }
  EXPECT_FALSE(FindNumberBox(1188));
  EXPECT_TRUE(AcceptsTypedCharacter('0') && AcceptsTypedCharacter('9'));
  for (const char c : {'-', '+', ' ', 'a', '.'}) EXPECT_FALSE(AcceptsTypedCharacter(c)) << c;
}

}  // namespace
}  // namespace veltrim
