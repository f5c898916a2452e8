// The desktop program's rules without a window: the main window's controls, clicks and images; config.qrv; paths.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <memory>
#include <numeric>
#include <set>

#include "../support/scratch_dir.hpp"
#include "core/app/app_state.hpp"
#include "core/app/config_file.hpp"
#include "core/app/control_images.hpp"
#include "core/app/main_commands.hpp"
#include "core/app/main_window_layout.hpp"
#include "core/app/number_boxes.hpp"
#include "core/app/pointer_over.hpp"
#include "core/app/tab_switch.hpp"
#include "core/job/test_selection.hpp"
#include "core/support/program_paths.hpp"
#include "tab_no.hpp"

namespace veltrim {
namespace {

using namespace std::literals;

constexpr ControlKind B = ControlKind::ImageButton, N = ControlKind::NumberBox, S = ControlKind::Spin,
                      R = ControlKind::ReportBox, I = ControlKind::ImageStatic, W = ControlKind::SwatchStatic;

// A few controls where the user sees them: the close button, the first tab button, the first item, the report box.
TEST(MainWindowLayout, WorkedRowsAndInvariantsOfEveryControl) {
  struct Row { int id; ControlKind kind; int x, y, w, h; TabMask tabs; int firstBitmap; };
  for (const Row& r : {Row{1165, B, 758, 5, 20, 20, kAllTabs, 4500}, Row{1166, B, 193, 34, 115, 38, kAllTabs, 4503},
                       Row{1191, B, 21, 131, 370, 16, TabBit(Tab::BlackWhite), 4550}, Row{1188, R, 415, 337, 172, 49, kAllTabs, 0}}) {
    const MainControl* c = FindControl(r.id);
    ASSERT_NE(c, nullptr) << r.id;
    EXPECT_EQ(std::tuple(c->kind, c->x, c->y, c->width, c->height, c->tabs, c->firstBitmap),
              std::tuple(r.kind, r.x, r.y, r.w, r.h, r.tabs, r.firstBitmap)) << r.id;
  }
  std::map<int, int> bitmapOwners;
  std::set<int> ids;
  for (std::size_t i = 0; i < std::size(kMainControls); ++i) {
    const MainControl& c = kMainControls[i];
    SCOPED_TRACE("control " + std::to_string(c.id));
    EXPECT_TRUE(ids.insert(c.id).second) << "ids are unique";
    EXPECT_EQ(FindControl(c.id), &c);
    EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.width <= kMainWindowWidth && c.y + c.height <= kMainWindowHeight);
    EXPECT_EQ(c.shown, c.OnTab(Tab::BlackWhite)) << "start-up shows tab 0";
    EXPECT_EQ(c.BitmapCount() > 0, c.kind == B || c.kind == I);
    if (c.kind == S) {
      EXPECT_EQ(std::pair(kMainControls[i - 1].kind, kMainControls[i - 1].x), std::pair(N, c.x)) << "its box's place";
    }
    for (int b = c.firstBitmap; b < c.firstBitmap + c.BitmapCount(); ++b) ++bitmapOwners[b];
  }
  // Each tab's test items: ten black and white, thirteen colour, eight calibration, six custom.
  for (const auto& [tab, first, count] : {std::tuple{0, 1191, 10}, {1, 1201, 13}, {3, 1229, 8}, {4, 1237, 6}})
    for (int id = first; id < first + count; ++id) EXPECT_EQ(FindControl(id)->tabs, TabBit(TabNo(tab))) << id;
  // Each image 4500..4668 belongs to one control, but the colour buttons share 4666 and 4667.
  ASSERT_EQ(bitmapOwners.size(), 169u);
  EXPECT_EQ(bitmapOwners.begin()->first, 4500);
  for (const auto& [bitmap, owners] : bitmapOwners) EXPECT_EQ(owners, bitmap / 2 == 4666 / 2 ? 10 : 1) << bitmap;
  EXPECT_EQ(FindControl(IDC_MAIN_BACKGROUND), nullptr);
}

TEST(MainWindowLayout, ClassesAndStylesOfTheKinds) {
  struct Kind { ControlKind kind; const char* name; std::uint32_t shown, hidden; };
  // The report box is created hidden, then shown by ShowWindow.
  for (const Kind& k : {Kind{B, "BUTTON", 0x5001000B, 0x4001000B}, Kind{N, "EDIT", 0x50012081, 0x40012081},
                        Kind{S, "msctls_updown32", 0x50000136, 0x40000136}, Kind{R, "RichEdit", 0x40212C04, 0x40212C04},
                        Kind{I, "STATIC", 0x5000000E, 0x4000000E}, Kind{W, "STATIC", 0x50000000, 0x40000000}}) {
    EXPECT_EQ(ClassOf(k.kind).name, k.name);
    for (const bool shown : {true, false})
      EXPECT_EQ(CreationStyle({0, k.kind, 0, 0, 1, 1, shown, kAllTabs, ""}), shown ? k.shown : k.hidden) << k.name;
  }
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
      {1, "0000000000000", {0, 11, 12}, "0000000000001"}, {3, "00000000", {4, 5, 7}, "00000001"},
      // The menu never ticks the exclusive item and clears it.
      {0, "0000000001", {kAll}, "1111111110"}, {0, "1111111110", {kNone}, "0000000000"},
      {0, "1010000001", {kInverse}, "0101111110"}, {0, "0000100001", {kCommon}, "1111011110"},
      {1, "0101100110001", {kCommon}, "1010011001110"}, {3, "11100001", {kCommon}, "00001110"},
      // Custom: at most one item, clicking the ticked one clears it; the menu leaves it alone.
      {4, "000000", {1}, "010000"}, {4, "010000", {4}, "000010"}, {4, "000010", {4}, "000000"},
      {4, "001000", {kAll, kNone, kInverse, kCommon}, "001000"},
  };
  const SelectCommand menu[] = {SelectCommand::All, SelectCommand::None, SelectCommand::Inverse,
                                SelectCommand::MostCommon};
  for (const Case& c : cases) {
    TestSelection s;
    s.currentTab = TabNo(c.tab);
    const std::span<std::uint8_t> flags = c.tab == 4 ? std::span<std::uint8_t>(s.customTests) : s.FlagsOf(TabNo(c.tab));
    ASSERT_EQ(flags.size(), std::string(c.before).size());
    for (std::size_t i = 0; i < flags.size(); ++i) flags[i] = c.before[i] == '1';
    for (const int click : c.clicks) {
      if (click < 0)
        ApplySelectCommand(s, menu[-click - 1]);
      else
        ASSERT_TRUE(c.tab == 4 ? ClickCustomItem(s, click) : ToggleItem(s, TabNo(c.tab), click));
    }
    EXPECT_EQ(Ticks(flags), c.after) << "tab " << c.tab << " from " << c.before;
  }
}

TEST(TestSelection, OtherTabsAndBadIndexesChangeNothing) {
  TestSelection s;
  for (const auto& [tab, index] : {std::pair{2, 0}, {4, 0}, {0, 10}, {0, -1}, {1, 13}})
    EXPECT_FALSE(ToggleItem(s, TabNo(tab), index)) << tab << " " << index;
  EXPECT_FALSE(ClickCustomItem(s, 6));
  s.bwTests[0] = 1;
  s.advancedOption = 7;
  s.currentTab = Tab::Advanced;
  ApplySelectCommand(s, SelectCommand::None);
  EXPECT_EQ(std::pair(Ticks(s.bwTests) + Ticks(s.customTests), s.advancedOption), std::pair("1000000000000000"s, 7));
}

TEST(TabSwitch, F6AndF5WrapAroundAndEachTabHasItsCommandAndBanner) {
  for (const auto& [tab, next, previous] : {std::tuple{0, 1, 4}, {3, 4, 2}, {4, 0, 3}, {-1, 0, 0}, {5, 0, 0}})
    EXPECT_EQ(std::pair(NextTab(TabNo(tab)), PreviousTab(TabNo(tab))), std::pair(TabNo(next), TabNo(previous))) << tab;
  for (int tab = 0; tab < kTabCount; ++tab)
    EXPECT_EQ(std::pair(TabCommand(TabNo(tab)), BannerBitmap(TabNo(tab))), std::pair(1166 + tab, 4536 + tab));
}

TEST(Commands, IdsMapToActionsOnClicksAndAcceleratorsOnly) {
  using K = CommandKind;
  const std::pair<int, Command> cases[] = {
      {10, {K::Quit}}, {1165, {K::Quit}}, {17, {K::About}}, {1175, {K::About}}, {1163, {K::NextTab}},
      {1164, {K::PreviousTab}}, {1170, {K::SwitchTab, Tab::Custom}}, {1171, {K::Preview}}, {1172, {K::Print}},
      {1173, {K::PrinterInfo}}, {1174, {K::Help}}, {1176, {K::SelectionMenu}}, {1179, {K::LargePreview, Tab::None, 1179}},
      {1200, {K::TestItem, TabNo(0), 9}}, {1213, {K::TestItem, TabNo(1), 12}}, {1229, {K::TestItem, TabNo(3), 0}},
      {1228, {K::AdvancedOption, Tab::None, 14}}, {1242, {K::CustomItem, Tab::None, 5}},
      {1272, {K::LayoutOption, Tab::None, 0}}, {5003, {K::SelectMenu, Tab::None, 5003}},
      // Swatches, labels, number boxes and the neighbours of each range do nothing.
      {1244, {}}, {1268, {}}, {1180, {}}, {1190, {}}, {1162, {}}, {1275, {}}, {4999, {}}, {5004, {}}};
  for (const auto& [id, expected] : cases) {
    EXPECT_EQ(std::pair(ClassifyCommand(id, 0), ClassifyCommand(id, 1)), std::pair(expected, expected)) << id;
    EXPECT_EQ(ClassifyCommand(id, 0x300).kind, K::Ignored) << id << ": a notification other than a click";
  }
  // Each colour slot's swatch and colour button.
  for (const auto& [slot, swatch, button] : {std::tuple{0, 1266, 1267}, {3, 1262, 1263}, {9, 1244, 1245}}) {
    EXPECT_EQ(std::tuple(kColourSwatches[slot], kColourButtons[slot], ColourSlotOfButton(button)),
              std::tuple(swatch, button, slot));
    EXPECT_EQ(ClassifyCommand(button, 0), (Command{K::ColourButton, Tab::None, slot}));
  }
}

TEST(Colours, PackRedLowBlueHighEachInItsByte) {
  EXPECT_EQ(ToColorRef({79, 84, 87}), 0x0057544Fu);
  EXPECT_EQ(ToColorRef({500, -3, 256}), 0x00FF00FFu);
  EXPECT_EQ(FromColorRef(0x00123456u), (ColourTriple{0x56, 0x34, 0x12}));
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
  EXPECT_EQ(std::tuple(flags[0] + flags[6], flags[12]), std::tuple(0, 1)) << "a hidden button's flag is kept as it was";
}

TEST(NumberBoxes, RangesStartsAndDigitsOnly) {
  // A box or its spin finds the job number's range and start: No of docs, Pages/doc, Coverage (%), Y Paper offset (mm)
  // and the Custom tab's coverage percent.
  const struct { int id, lower, upper, start; } rows[] = {
      {1180, 1, 100, 1}, {1183, 1, 100, 1}, {1185, 1, 100, 100}, {1186, -1000, 1000, 0}, {1269, 1, 100, 1}};
  for (const auto& row : rows) {
    const JobRange& range = FindNumberBox(row.id).value().Range();
    EXPECT_EQ(std::tuple(range.lower, range.upper, range.start), std::tuple(row.lower, row.upper, row.start)) << row.id;
  }
  EXPECT_EQ(SpinRangeParam(*FindNumberBox(1187)), 0xFC1803E8u) << "upper limit low, lower limit high";
  EXPECT_FALSE(FindNumberBox(1188));
  for (const char c : {'0', '9', '-', '+', ' ', 'a', '.'}) EXPECT_EQ(AcceptsTypedCharacter(c), c == '0' || c == '9');
}

TEST(ControlImages, PressedThenPointerOverThenCurrentTabThenTicks) {
  auto state = std::make_unique<AppState>();
  TestSelection& s = state->selection;
  s.currentTab = Tab::Advanced;
  for (const int id : {1172, 1169, 1168}) state->hoverFlags[id - 1165] = 1;  // 1168: the current tab
  s.bwTests[9] = s.colorTests[0] = s.calibrationTests[7] = s.customTests[5] = 1;
  s.advancedOption = 14;
  s.gradientLayout = 2;
  struct Case { int id; bool pressed; int image; };
  for (const Case& c : {Case{1165, false, 4500}, {1165, true, 4502}, {1172, false, 4522}, {1172, true, 4523},
                        {1169, false, 4513}, {1168, false, 4510}, {1170, true, 4517}, {1245, false, 4667},
                        {1245, true, 4666},
                        // Items show their tick, pressed or not.
                        {1191, true, 4551}, {1200, false, 4568}, {1213, false, 4595}, {1228, false, 4624},
                        {1236, false, 4640}, {1242, false, 4652}, {1237, false, 4643}, {1274, false, 4658},
                        // Not owner-drawn: a number box, no such control.
                        {1180, false, 0}, {4242, false, 0}})
    EXPECT_EQ(ImageFor(c.id, c.pressed, *state), c.image) << c.id << (c.pressed ? " pressed" : "");
  state->hoverFlags[1168 - 1165] = 0;
  EXPECT_EQ(ImageFor(1168, false, *state), 4511) << "the current tab looks held down";
}

TEST(ControlImages, StartUpLoadsTheMainImagesThenTheAboutBoxsAscending) {
  std::vector<int> expected(169 + 21);
  std::iota(expected.begin(), expected.begin() + 169, 4500);
  std::iota(expected.begin() + 169, expected.end(), 4400);
  EXPECT_EQ(StartUpBitmaps(), expected);
}

// Not zero, so that "left unchanged" and "set to 0" are told apart.
constexpr CalibrationValues kUntouched{-9, -9, -9, -9, -9, -9, -9};

TEST(ParseCalibration, SetsTheFieldsPresentAndLeavesTheRest) {
  struct Case { std::string text; CalibrationValues expected; int set; };
  const Case cases[] = {
      {"1/2/3/4/5/6/7/8/9/", {1, 2, 3, 4, 5, 6, 7}, 7},  // fields after the seventh ignored
      {" 5/-3/", {5, -3, -9, -9, -9, -9, -9}, 2}, {"12345", kUntouched, 0},
      {"//abc/7x/+8/", {0, 0, 0, 7, 8, -9, -9}, 5},  // no digits gives 0
  };
  for (const Case& c : cases) {
    CalibrationValues values = kUntouched;
    EXPECT_EQ(ParseCalibration(c.text, values), c.set) << c.text.substr(0, 30);
    EXPECT_EQ(values, c.expected) << c.text.substr(0, 30);
  }
}

TEST(ProgramPaths, CutAfterTheLastSeparator) {
  struct Case { const char *program, *config, *help; };
  const Case cases[] = {
      {"C:\\Program Files\\Veltrim\\Veltrim.exe", "C:\\Program Files\\Veltrim\\config.qrv",
       "C:\\Program Files\\Veltrim\\qprintdoc.pdf"},
      // POSIX paths from the Linux CLI, and forward slashes on Windows.
      {"/usr/lib/veltrim/veltrim", "/usr/lib/veltrim/config.qrv", "/usr/lib/veltrim/qprintdoc.pdf"},
      {"C:/Tools\\Veltrim.exe", "C:/Tools\\config.qrv", "C:/Tools\\qprintdoc.pdf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ConfigPath(c.program), c.config) << c.program;
    EXPECT_EQ(HelpDocumentPath(c.program), c.help) << c.program;
  }
  EXPECT_EQ(PathBesideProgram("D:\\V\\v.exe", kTextDataFileName), "D:\\V\\fperc.qrv");
  EXPECT_EQ(PathBesideProgram("D:\\V\\v.exe", kBitmapDataFileName), "D:\\V\\myimg.qrv");
}

TEST(ConfigFile, WrittenWholeAndReadBackOrLeftAlone) {
  const test::ScratchDir dir;
  const std::string path = ConfigPath(dir.Path("Veltrim.exe"));
  CalibrationValues values = kUntouched;
  EXPECT_FALSE(ReadConfigFile(path, values)) << "no file";
  EXPECT_EQ(values, kUntouched);
  const CalibrationValues written{12, -7, 0, 255, INT_MIN, 3, INT_MAX};  // decimal, each closed by "/"
  ASSERT_TRUE(WriteConfigFile(path, written));
  EXPECT_EQ(test::FileText(dir.Path("config.qrv")), "12/-7/0/255/-2147483648/3/2147483647/");
  ASSERT_TRUE(ReadConfigFile(path, values));
  EXPECT_EQ(values, written);
  ASSERT_TRUE(WriteConfigFile(path, {1, 2, 3, 4, 5, 6, 7}));  // shorter text, whole file replaced
  EXPECT_EQ(test::FileText(path), "1/2/3/4/5/6/7/");
}

}  // namespace
}  // namespace veltrim
