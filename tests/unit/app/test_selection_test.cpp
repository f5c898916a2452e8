#include "app/test_selection.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace veltrim {
namespace {

std::string Ticks(std::span<const std::uint8_t> flags) {
  std::string text;
  for (const auto flag : flags) text += flag ? '1' : '0';
  return text;
}

struct ToggleCase {
  const char* name;
  int tab;
  std::vector<int> clicks;
  const char* expected;
};

// Test names and failure messages show the case by its name.
void PrintTo(const ToggleCase& c, std::ostream* out) { *out << c.name; }

class ToggleRules : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(ToggleRules, ClicksInOrder) {
  const ToggleCase& c = GetParam();
  TestSelection selection;
  for (const int index : c.clicks) ASSERT_TRUE(ToggleItem(selection, c.tab, index));
  EXPECT_EQ(Ticks(selection.FlagsOf(c.tab)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, ToggleRules,
    ::testing::Values(
        ToggleCase{"TickAndUntick", 0, {2, 4, 2}, "0000100000"},
        // Simple Text clears every other item, and any other item clears it.
        ToggleCase{"ExclusiveClearsOthers", 0, {0, 1, 8, 9}, "0000000001"},
        ToggleCase{"OtherClearsExclusive", 0, {9, 3}, "0001000000"},
        ToggleCase{"UntickingExclusiveLeavesOthersCleared", 0, {0, 9, 9}, "0000000000"},
        ToggleCase{"ColorBitmapAlone", 1, {0, 11, 12}, "0000000000001"},
        ToggleCase{"ColorLastStackedKeepsOthers", 1, {0, 11}, "1000000000010"},
        ToggleCase{"CalibrationGraphAlone", 3, {4, 5, 7}, "00000001"},
        ToggleCase{"CalibrationColourClearsGraph", 3, {7, 6}, "00000010"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ToggleRules, OtherTabsAndBadIndexesChangeNothing) {
  TestSelection selection;
  EXPECT_FALSE(ToggleItem(selection, 2, 0));
  EXPECT_FALSE(ToggleItem(selection, 4, 0));
  EXPECT_FALSE(ToggleItem(selection, 0, 10));
  EXPECT_FALSE(ToggleItem(selection, 0, -1));
  EXPECT_FALSE(ToggleItem(selection, 1, 13));
  EXPECT_EQ(Ticks(selection.bwTests), "0000000000");
  EXPECT_EQ(Ticks(selection.colorTests), "0000000000000");
}

TEST(CustomRule, AtMostOneItemAndClickingItClears) {
  TestSelection selection;
  ASSERT_TRUE(ClickCustomItem(selection, 1));
  EXPECT_EQ(Ticks(selection.customTests), "010000");
  ASSERT_TRUE(ClickCustomItem(selection, 4));
  EXPECT_EQ(Ticks(selection.customTests), "000010");
  ASSERT_TRUE(ClickCustomItem(selection, 4));
  EXPECT_EQ(Ticks(selection.customTests), "000000");
  EXPECT_FALSE(ClickCustomItem(selection, 6));
}

struct MenuCase {
  int tab;
  const char* before;
  SelectCommand command;
  const char* expected;
};

class SelectionMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(SelectionMenu, CommandOnTab) {
  const MenuCase& c = GetParam();
  TestSelection selection;
  selection.currentTab = c.tab;
  auto flags = selection.FlagsOf(c.tab);
  ASSERT_EQ(flags.size(), std::string(c.before).size());
  for (std::size_t i = 0; i < flags.size(); ++i) flags[i] = c.before[i] == '1';
  ApplySelectCommand(selection, c.command);
  EXPECT_EQ(Ticks(selection.FlagsOf(c.tab)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tabs013, SelectionMenu,
    ::testing::Values(
        MenuCase{0, "0000000001", SelectCommand::All, "1111111110"},
        MenuCase{0, "1111111110", SelectCommand::None, "0000000000"},
        MenuCase{0, "1010000001", SelectCommand::Inverse, "0101111110"},
        MenuCase{0, "0000100001", SelectCommand::MostCommon, "1111011110"},
        MenuCase{1, "0000000000001", SelectCommand::All, "1111111111110"},
        MenuCase{1, "0000000000001", SelectCommand::None, "0000000000000"},
        MenuCase{1, "1100000000000", SelectCommand::Inverse, "0011111111110"},
        MenuCase{1, "0101100110001", SelectCommand::MostCommon, "1010011001110"},
        MenuCase{3, "00000001", SelectCommand::All, "11111110"},
        MenuCase{3, "10000001", SelectCommand::None, "00000000"},
        MenuCase{3, "10000000", SelectCommand::Inverse, "01111110"},
        MenuCase{3, "11100001", SelectCommand::MostCommon, "00001110"}));

TEST(SelectionMenu, AdvancedAndCustomTabsAreLeftAsTheyAre) {
  TestSelection selection;
  selection.bwTests[0] = 1;
  selection.customTests[2] = 1;
  selection.advancedOption = 7;
  for (const int tab : {2, 4}) {
    selection.currentTab = tab;
    ApplySelectCommand(selection, SelectCommand::All);
    ApplySelectCommand(selection, SelectCommand::None);
  }
  EXPECT_EQ(Ticks(selection.bwTests), "1000000000");
  EXPECT_EQ(Ticks(selection.customTests), "001000");
  EXPECT_EQ(selection.advancedOption, 7);
}

}  // namespace
}  // namespace veltrim
