// The main window's rules without a window: start-up state, ticking and the selection menu, tabs, commands,
// colours, large previews, pointer-over, number boxes and which image each owner-drawn control shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "app/app_state.hpp"
#include "app/control_images.hpp"
#include "app/main_commands.hpp"
#include "app/main_window_layout.hpp"
#include "app/number_boxes.hpp"
#include "app/pointer_over.hpp"
#include "app/tab_switch.hpp"
#include "app/test_selection.hpp"

namespace veltrim {
namespace {

using namespace std::literals;

bool AllZero(const auto& values) {
  return std::all_of(std::begin(values), std::end(values), [](auto v) { return v == 0; });
}

TEST(AppState, StartsCleared) {
  const auto state = std::make_unique<AppState>();  // large: keep it off the stack
  const TestSelection& s = state->selection;
  EXPECT_TRUE(AllZero(s.bwTests) && AllZero(s.colorTests) && AllZero(s.calibrationTests) && AllZero(s.customTests));
  EXPECT_EQ(std::tuple(s.currentTab, s.advancedOption, s.gradientLayout, state->largePreviewKind),
            std::tuple(0, 0, 0, 0));
  for (const ColourTriple& c : s.customColours) EXPECT_EQ(c, (ColourTriple{79, 84, 87}));
  EXPECT_TRUE(AllZero(state->calibration) && AllZero(state->hoverFlags));
  EXPECT_EQ(state->sharedText.Length(), 0);
  for (const WorkBuffer* buffer : {&state->textBuffer, &state->printerName, &state->printerPort})
    EXPECT_TRUE(buffer->size() == 30001u && AllZero(*buffer));
}

std::string Ticks(std::span<const std::uint8_t> flags) {
  std::string text;
  for (const auto flag : flags) text += flag ? '1' : '0';
  return text;
}

// Selection-menu commands among the clicks; a click is an item index.
constexpr int kAll = -1, kNone = -2, kInverse = -3, kCommon = -4;

TEST(TestSelection, ClicksAndMenuCommandsFollowTheTabsRules) {
  struct Case { int tab; const char* before; std::vector<int> clicks; const char* after; };
  const Case cases[] = {
      {0, "0000000000", {2, 4, 2}, "0000100000"},
      // Simple Text clears every other item, and any other item clears it; unticking it leaves them cleared.
      {0, "0000000000", {0, 1, 8, 9}, "0000000001"}, {0, "0000000000", {9, 3}, "0001000000"},
      {0, "1000000000", {9, 9}, "0000000000"},
      {1, "0000000000000", {0, 11, 12}, "0000000000001"}, {1, "0000000000000", {0, 11}, "1000000000010"},
      {3, "00000000", {4, 5, 7}, "00000001"}, {3, "00000000", {7, 6}, "00000010"},
      // The menu never ticks the exclusive item and clears it.
      {0, "0000000001", {kAll}, "1111111110"}, {0, "1111111110", {kNone}, "0000000000"},
      {0, "1010000001", {kInverse}, "0101111110"}, {0, "0000100001", {kCommon}, "1111011110"},
      {1, "0000000000001", {kAll}, "1111111111110"}, {1, "0000000000001", {kNone}, "0000000000000"},
      {1, "1100000000000", {kInverse}, "0011111111110"}, {1, "0101100110001", {kCommon}, "1010011001110"},
      {3, "00000001", {kAll}, "11111110"}, {3, "10000001", {kNone}, "00000000"},
      {3, "10000000", {kInverse}, "01111110"}, {3, "11100001", {kCommon}, "00001110"},
      // Custom: at most one item, clicking the ticked one clears it; the menu leaves it alone.
      {4, "000000", {1}, "010000"}, {4, "010000", {4}, "000010"}, {4, "000010", {4}, "000000"},
      {4, "001000", {kAll, kNone, kInverse, kCommon}, "001000"},
  };
  const SelectCommand menu[] = {SelectCommand::All, SelectCommand::None, SelectCommand::Inverse,
                                SelectCommand::MostCommon};
  for (const Case& c : cases) {
    TestSelection s;
    s.currentTab = c.tab;
    const std::span<std::uint8_t> flags = c.tab == 4 ? std::span<std::uint8_t>(s.customTests) : s.FlagsOf(c.tab);
    ASSERT_EQ(flags.size(), std::string(c.before).size());
    for (std::size_t i = 0; i < flags.size(); ++i) flags[i] = c.before[i] == '1';
    for (const int click : c.clicks) {
      if (click < 0)
        ApplySelectCommand(s, menu[-click - 1]);
      else
        ASSERT_TRUE(c.tab == 4 ? ClickCustomItem(s, click) : ToggleItem(s, c.tab, click));
    }
    EXPECT_EQ(Ticks(flags), c.after) << "tab " << c.tab << " from " << c.before;
  }
}

TEST(TestSelection, OtherTabsAndBadIndexesChangeNothing) {
  TestSelection s;
  for (const auto& [tab, index] : {std::pair{2, 0}, {4, 0}, {0, 10}, {0, -1}, {1, 13}})
    EXPECT_FALSE(ToggleItem(s, tab, index)) << tab << " " << index;
  EXPECT_FALSE(ClickCustomItem(s, 6));
  s.bwTests[0] = 1;
  s.advancedOption = 7;
  s.currentTab = 2;
  ApplySelectCommand(s, SelectCommand::None);
  EXPECT_EQ(std::pair(Ticks(s.bwTests) + Ticks(s.customTests), s.advancedOption), std::pair("1000000000000000"s, 7));
}

TEST(TabSwitch, F6AndF5WrapAroundAndEachTabHasItsCommandAndBanner) {
  for (const auto& [tab, next, previous] : {std::tuple{0, 1, 4}, {3, 4, 2}, {4, 0, 3}, {-1, 0, 0}, {5, 0, 0}})
    EXPECT_EQ(std::pair(NextTab(tab), PreviousTab(tab)), std::pair(next, previous)) << tab;
  for (int tab = 0; tab < kTabCount; ++tab)
    EXPECT_EQ(std::pair(TabCommand(tab), BannerBitmap(tab)), std::pair(1166 + tab, 4536 + tab));
}

TEST(Commands, IdsMapToTheirActionsOnClicksAndAcceleratorsOnly) {
  using K = CommandKind;
  const std::pair<int, Command> cases[] = {
      {10, {K::Quit}}, {1165, {K::Quit}}, {17, {K::About}}, {1175, {K::About}}, {1163, {K::NextTab}},
      {1164, {K::PreviousTab}}, {1166, {K::SwitchTab, -1, 0}}, {1170, {K::SwitchTab, -1, 4}}, {1171, {K::Preview}},
      {1172, {K::Print}}, {1173, {K::PrinterInfo}}, {1174, {K::Help}}, {1176, {K::SelectionMenu}},
      {1177, {K::LargePreview, -1, 1177}}, {1178, {K::LargePreview, -1, 1178}}, {1179, {K::LargePreview, -1, 1179}},
      {1191, {K::TestItem, 0, 0}}, {1200, {K::TestItem, 0, 9}}, {1213, {K::TestItem, 1, 12}},
      {1229, {K::TestItem, 3, 0}}, {1236, {K::TestItem, 3, 7}}, {1214, {K::AdvancedOption, -1, 0}},
      {1228, {K::AdvancedOption, -1, 14}}, {1237, {K::CustomItem, -1, 0}}, {1242, {K::CustomItem, -1, 5}},
      {1272, {K::LayoutOption, -1, 0}}, {1274, {K::LayoutOption, -1, 2}}, {5000, {K::SelectMenu, -1, 5000}},
      {5003, {K::SelectMenu, -1, 5003}},
      // Swatches, labels, number boxes and the neighbours of each range do nothing.
      {1244, {}}, {1246, {}}, {1268, {}}, {1180, {}}, {1190, {}}, {1162, {}}, {1275, {}}, {4999, {}}, {5004, {}},
      {0, {}}};
  for (const auto& [id, expected] : cases) {
    EXPECT_EQ(ClassifyCommand(id, 0), expected) << id;
    EXPECT_EQ(ClassifyCommand(id, 1), expected) << id;
    for (const int code : {2, 5, 0x300, -1}) EXPECT_EQ(ClassifyCommand(id, code).kind, K::Ignored) << id;
  }
  // Each colour slot's swatch and colour button.
  const std::pair<int, int> swatchAndButton[kColourSlots] = {{1266, 1267}, {1264, 1265}, {1259, 1260}, {1262, 1263},
                                                             {1257, 1258}, {1254, 1255}, {1252, 1253}, {1249, 1250},
                                                             {1246, 1247}, {1244, 1245}};
  for (int slot = 0; slot < kColourSlots; ++slot) {
    EXPECT_EQ(kColourSwatches[slot], swatchAndButton[slot].first) << slot;
    EXPECT_EQ(kColourButtons[slot], swatchAndButton[slot].second) << slot;
    EXPECT_EQ(ColourSlotOfButton(swatchAndButton[slot].second), slot);
    EXPECT_EQ(ClassifyCommand(swatchAndButton[slot].second, 0), (Command{K::ColourButton, -1, slot}));
  }
}

TEST(Colours, PackRedLowBlueHighEachInItsByte) {
  EXPECT_EQ(ToColourRef({79, 84, 87}), 0x0057544Fu);
  EXPECT_EQ(ToColourRef({255, 0, 0}), 0x000000FFu);
  EXPECT_EQ(ToColourRef({500, -3, 256}), 0x00FF00FFu);
  EXPECT_EQ(FromColourRef(0x00123456u), (ColourTriple{0x56, 0x34, 0x12}));
}

TEST(LargePreview, KindsAndRefusals) {
  const std::string_view advanced =
      "Previewing cannot be requested in this tab for something else than \"CMYK 4 Sided Gradient\" option !";
  const std::string_view custom = "Previewing cannot be requested in this tab for something else than \"Custom "
                                  "Gradient\" or \"Custom 4 Sided Gradient\" options !";
  TestSelection s;
  EXPECT_EQ(std::pair(DecideLargePreview(1177, s).kind, DecideLargePreview(1177, s).refusal), std::pair(0, advanced));
  s.advancedOption = 13;
  EXPECT_EQ(std::pair(DecideLargePreview(1177, s).kind, DecideLargePreview(1177, s).refusal), std::pair(1, ""sv));
  EXPECT_EQ(DecideLargePreview(1178, s).kind, 2);
  s.calibrationTests[7] = 1;
  EXPECT_EQ(DecideLargePreview(1178, s).kind, 3);
  EXPECT_EQ(DecideLargePreview(1179, s).refusal, custom) << "nothing ticked";
  const int kinds[kCustomItems] = {0, 4, 0, 0, 5, 0};
  for (int item = 0; item < kCustomItems; ++item) {
    s.customTests = {};
    s.customTests[item] = 1;
    const LargePreview p = DecideLargePreview(1179, s);
    EXPECT_EQ(std::pair(p.kind, p.refusal), std::pair(kinds[item], kinds[item] ? ""sv : custom)) << item;
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

TEST(NumberBoxes, RangesStartsAndDigitsOnly) {
  const NumberBox expected[] = {{1180, 1181, 1, 100, 1}, {1182, 1183, 1, 100, 1}, {1184, 1185, 1, 100, 100},
                            {1186, 1187, -1000, 1000, 0}, {1268, 1269, 1, 100, 1}};
  ASSERT_EQ(std::size(kNumberBoxes), std::size(expected));
  for (const NumberBox& e : expected) {
    const auto tuple = [](const NumberBox& b) { return std::tuple(b.boxId, b.spinId, b.lower, b.upper, b.start); };
    for (const int id : {e.boxId, e.spinId}) EXPECT_EQ(tuple(FindNumberBox(id).value()), tuple(e)) << id;
  }
  EXPECT_EQ(SpinRangeParam(*FindNumberBox(1187)), 0xFC1803E8u) << "upper limit low, lower limit high";
  EXPECT_FALSE(FindNumberBox(1188));
  for (const char c : {'0', '9', '-', '+', ' ', 'a', '.'}) EXPECT_EQ(AcceptsTypedCharacter(c), c == '0' || c == '9');
}

TEST(ControlImages, PressedThenPointerOverThenCurrentTabThenTicks) {
  auto state = std::make_unique<AppState>();
  TestSelection& s = state->selection;
  s.currentTab = 2;
  for (const int id : {1172, 1169, 1168}) state->hoverFlags[id - 1165] = 1;  // 1168: the current tab
  s.bwTests[9] = s.colorTests[0] = s.calibrationTests[7] = s.customTests[5] = 1;
  s.advancedOption = 14;
  s.gradientLayout = 2;
  struct Case { int id; bool pressed; int image; };
  for (const Case& c : {Case{1165, false, 4500}, {1165, true, 4502}, {1172, false, 4522}, {1172, true, 4523},
                        {1166, false, 4503}, {1169, false, 4513}, {1168, false, 4510}, {1170, true, 4517},
                        {1179, false, 4547}, {1245, false, 4667}, {1245, true, 4666},
                        // Items show their tick, pressed or not.
                        {1191, true, 4551}, {1200, false, 4568}, {1201, false, 4570}, {1213, false, 4595},
                        {1214, false, 4597}, {1228, false, 4624}, {1236, false, 4640}, {1229, false, 4627},
                        {1242, false, 4652}, {1237, false, 4643}, {1274, false, 4658}, {1272, true, 4655},
                        // Not owner-drawn: a number box, an image static, no such control.
                        {1180, false, 0}, {1190, false, 0}, {4242, false, 0}})
    EXPECT_EQ(ImageFor(c.id, c.pressed, *state), c.image) << c.id << (c.pressed ? " pressed" : "");
  state->hoverFlags[1168 - 1165] = 0;
  EXPECT_EQ(ImageFor(1168, false, *state), 4511) << "the current tab looks held down";
}

TEST(ControlImages, StartUpLoadsTheMainWindowsImagesThenTheAboutBoxsInAscendingOrder) {
  std::vector<int> expected(169 + 21);
  std::iota(expected.begin(), expected.begin() + 169, 4500);
  std::iota(expected.begin() + 169, expected.end(), 4400);
  EXPECT_EQ(StartUpBitmaps(), expected);
}

}  // namespace
}  // namespace veltrim
