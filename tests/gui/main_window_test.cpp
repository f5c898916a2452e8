// The desktop program's main window, run in this process as Veltrim.exe runs
// it and driven by messages: what start-up shows, tab switching, ticking, the
// selection menu's commands, the number boxes, the outline and the ways out.
#include <gtest/gtest.h>

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "app/config_file.hpp"
#include "app/control_images.hpp"
#include "app/main_commands.hpp"
#include "app/main_window_layout.hpp"
#include "app/number_boxes.hpp"
#include "app/tab_switch.hpp"
#include "dialog_driver.hpp"
#include "gdi_object_count.hpp"
#include "main_window_driver.hpp"
#include "win_handles.hpp"

namespace veltrim::test {
namespace {

constexpr ColourTriple kStartColour{79, 84, 87};

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ui_.Started()) << "the main window was not created"; }

  // Every tab-dependent control shows exactly when the layout says it does
  // on `tab`; the others are always shown.
  void ExpectTabShown(int tab) {
    for (const MainControl& control : kMainControls) {
      const bool expected = control.tabs == kAllTabs || control.OnTab(tab);
      EXPECT_EQ(ui_.Visible(control.id), expected) << "tab " << tab << ", control " << control.id;
    }
    const HBITMAP banner = reinterpret_cast<HBITMAP>(
        ::SendMessageA(ui_.Control(kBannerControl), STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_EQ(banner, ui_.State().Bitmap(BannerBitmap(tab))) << "banner of tab " << tab;
  }

  bool ShowsItsImage(int id) {
    DesktopState& state = ui_.State();
    return MainWindowDriver::Shows(ui_.Control(id), state.Bitmap(ImageFor(id, false, state)));
  }

  MainWindowDriver ui_;
};

// Only tab 0's items, the tab and command buttons, the menu button, the
// number boxes with their spins, the report box, the preview and the banner,
// each where the layout puts it (a spin moves beside its box).
TEST_F(MainWindow, StartUpShowsTabZeroWithEverythingCleared) {
  ExpectTabShown(0);
  for (const MainControl& control : kMainControls) {
    EXPECT_EQ(ui_.Visible(control.id), control.shown) << control.id;
    if (control.kind == ControlKind::Spin) continue;
    RECT rect{};
    ::GetWindowRect(ui_.Control(control.id), &rect);
    ::MapWindowPoints(nullptr, ui_.Window(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, control.x) << control.id;
    EXPECT_EQ(rect.top, control.y) << control.id;
    EXPECT_EQ(rect.bottom - rect.top, control.height) << control.id;
  }
  RECT window{};
  ::GetWindowRect(ui_.Window(), &window);
  EXPECT_EQ(window.right - window.left, 789);
  EXPECT_EQ(window.bottom - window.top, 397);
  char title[64] = {};
  ::GetWindowTextA(ui_.Window(), title, sizeof title);
  EXPECT_STREQ(title, "QORVEL Veltrim - v.2");

  const DesktopState& state = ui_.State();
  const TestSelection& s = state.selection;
  EXPECT_EQ(s.currentTab, 0);
  for (const int tab : {0, 1, 3, 4}) {
    const auto flags = s.FlagsOf(tab);
    EXPECT_EQ(std::count(flags.begin(), flags.end(), 0), static_cast<std::ptrdiff_t>(flags.size())) << "tab " << tab;
  }
  EXPECT_EQ(s.advancedOption, 0);
  EXPECT_EQ(s.gradientLayout, 0);
  for (const ColourTriple& colour : s.customColours) EXPECT_EQ(colour, kStartColour);
  EXPECT_EQ(state.calibration, CalibrationValues{}) << "no configuration file beside the program";
  EXPECT_EQ(state.sharedText.Length(), 0);
  for (const NumberBox& box : kNumberBoxes)
    EXPECT_EQ(ui_.Text(box.boxId), std::to_string(box.start)) << "number box " << box.boxId;

  // Every visible image button painted with its own image (1176 is left
  // out: item 1200 overlaps its top rows).
  for (const int id : {1165, 1166, 1167, 1172, 1175, 1191, 1200}) EXPECT_TRUE(ShowsItsImage(id)) << id;
  EXPECT_TRUE(MainWindowDriver::Shows(ui_.Control(1166), state.Bitmap(4505))) << "tab 0 shows as current";
}

TEST_F(MainWindow, TabsShowTheirGroupsAndFunctionKeysWrapAround) {
  for (int tab : {1, 2, 3, 4, 0}) {
    ui_.Command(TabCommand(tab));
    EXPECT_EQ(ui_.State().selection.currentTab, tab);
    ExpectTabShown(tab);
  }
  for (int press = 1; press <= 5; ++press) {
    ui_.Key(VK_F6);
    EXPECT_EQ(ui_.State().selection.currentTab, press % 5) << "F6 press " << press;
  }
  ui_.Key(VK_F5);
  EXPECT_EQ(ui_.State().selection.currentTab, 4) << "F5 from tab 0";
  ExpectTabShown(4);
  ui_.Key(VK_F5);
  EXPECT_EQ(ui_.State().selection.currentTab, 3);
}

TEST_F(MainWindow, TickingFollowsTheExclusiveAndCustomRulesAndRepaints) {
  TestSelection& s = ui_.State().selection;
  ui_.Command(1191);
  ui_.Command(1192);
  EXPECT_EQ(s.bwTests[0], 1);
  EXPECT_EQ(s.bwTests[1], 1);
  EXPECT_TRUE(ShowsItsImage(1191));
  EXPECT_TRUE(MainWindowDriver::Shows(ui_.Control(1191), ui_.State().Bitmap(4550))) << "ticked image";

  ui_.Command(1200);  // Simple Text Full Page clears the others
  EXPECT_EQ(s.bwTests[9], 1);
  EXPECT_EQ(s.bwTests[0], 0);
  EXPECT_EQ(s.bwTests[1], 0);
  EXPECT_TRUE(MainWindowDriver::Shows(ui_.Control(1191), ui_.State().Bitmap(4551))) << "unticked again";
  ui_.Command(1193);  // and any other item clears it
  EXPECT_EQ(s.bwTests[9], 0);
  EXPECT_EQ(s.bwTests[2], 1);

  ui_.Command(TabCommand(1));
  ui_.Command(1213);
  ui_.Command(1201);
  EXPECT_EQ(s.colorTests[12], 0);
  EXPECT_EQ(s.colorTests[0], 1);
  EXPECT_EQ(s.bwTests[2], 1) << "tab 0 keeps its ticks";

  ui_.Command(TabCommand(2));
  ui_.Command(1227);
  EXPECT_EQ(s.advancedOption, 13);
  EXPECT_TRUE(MainWindowDriver::Shows(ui_.Control(1227), ui_.State().Bitmap(4622))) << "chosen image";
  EXPECT_TRUE(MainWindowDriver::Shows(ui_.Control(1214), ui_.State().Bitmap(4597))) << "option 0 not chosen";

  ui_.Command(TabCommand(4));
  ui_.Command(1238);
  ui_.Command(1241);
  EXPECT_EQ(s.customTests, (std::array<std::uint8_t, kCustomItems>{0, 0, 0, 0, 1, 0})) << "the tick moves";
  ui_.Command(1241);
  EXPECT_EQ(s.customTests, (std::array<std::uint8_t, kCustomItems>{})) << "clicking the ticked item clears it";
  ui_.Command(1274);
  EXPECT_EQ(s.gradientLayout, 2);
  EXPECT_TRUE(ShowsItsImage(1274));
}

// The menu's rules are the core's (tests/unit/app); here each command
// reaches the current tab's items, and tabs 2 and 4 keep their choices.
TEST_F(MainWindow, SelectionMenuCommandsActOnTheCurrentTab) {
  TestSelection& s = ui_.State().selection;
  struct Case {
    int tab;
    int command;
    std::vector<int> ticked;
  };
  const Case cases[] = {
      {0, 5000, {0, 1, 2, 3, 4, 5, 6, 7, 8}}, {0, 5002, {}}, {1, 5003, {0, 2, 5, 6, 9, 10, 11}},
      {1, 5002, {1, 3, 4, 7, 8}},             {3, 5000, {0, 1, 2, 3, 4, 5, 6}}, {3, 5001, {}},
  };
  for (const Case& c : cases) {
    ui_.Command(TabCommand(c.tab));
    ui_.Command(c.command);
    const auto flags = s.FlagsOf(c.tab);
    std::vector<int> ticked;
    for (std::size_t i = 0; i < flags.size(); ++i)
      if (flags[i]) ticked.push_back(static_cast<int>(i));
    EXPECT_EQ(ticked, c.ticked) << "tab " << c.tab << ", command " << c.command;
  }
  ui_.Command(TabCommand(4));
  ui_.Command(1240);
  ui_.Command(5000);
  ui_.Command(5001);
  EXPECT_EQ(s.customTests[3], 1);
  ui_.Command(TabCommand(2));
  ui_.Command(1219);
  ui_.Command(5002);
  EXPECT_EQ(s.advancedOption, 5);
}

TEST_F(MainWindow, NumberBoxesTakeDigitsOnlyAndSpinsClamp) {
  const HWND docs = ui_.Control(1180);
  ::SetFocus(docs);
  ::SendMessageA(docs, EM_SETSEL, 0, -1);
  for (const char c : std::string("a-4x2"))
    ::SendMessageA(docs, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
  EXPECT_EQ(ui_.Text(1180), "42");

  struct Case {
    int box;
    const char* start;
    UINT key;
    const char* expected;
  };
  const Case cases[] = {
      {1180, "1", VK_DOWN, "1"},       {1180, "100", VK_UP, "100"}, {1180, "99", VK_UP, "100"},
      {1182, "1", VK_DOWN, "1"},       {1184, "100", VK_UP, "100"}, {1186, "0", VK_DOWN, "-1"},
      {1186, "1000", VK_UP, "1000"},   {1268, "1", VK_DOWN, "1"},   {1268, "100", VK_UP, "100"},
  };
  for (const Case& c : cases) {
    ui_.SetText(c.box, c.start);
    ::SendMessageA(ui_.Control(c.box), WM_KEYDOWN, c.key, 1);
    EXPECT_EQ(ui_.Text(c.box), c.expected) << c.box << " from " << c.start;
  }
  for (const NumberBox& box : kNumberBoxes)
    EXPECT_EQ(::SendMessageA(ui_.Control(box.spinId), UDM_GETBASE, 0, 0), 10) << box.spinId;
  const auto range = ::SendMessageA(ui_.Control(1187), UDM_GETRANGE, 0, 0);
  EXPECT_EQ(static_cast<short>(LOWORD(range)), 1000);
  EXPECT_EQ(static_cast<short>(HIWORD(range)), -1000);
}

TEST_F(MainWindow, NothingOfTheWindowLiesOutsideTheOctagon) {
  const win::OwnedGdiObject<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(::GetWindowRgn(ui_.Window(), region.Get()), COMPLEXREGION);
  // Three pixels from each corner along both edges is cut away; the middle
  // of each edge and a point just inside each cut are kept.
  const POINT outside[] = {{3, 3}, {785, 3}, {785, 393}, {3, 393}};
  const POINT inside[] = {{6, 6}, {782, 6}, {782, 390}, {6, 390}, {394, 0}, {0, 198}, {788, 198}, {394, 396}};
  RECT window{};
  ::GetWindowRect(ui_.Window(), &window);
  for (const POINT p : outside) {
    EXPECT_FALSE(::PtInRegion(region.Get(), p.x, p.y)) << p.x << "," << p.y;
    const HWND hit = ::WindowFromPoint({window.left + p.x, window.top + p.y});
    EXPECT_TRUE(hit != ui_.Window() && !::IsChild(ui_.Window(), hit)) << "a click at " << p.x << "," << p.y;
  }
  for (const POINT p : inside) EXPECT_TRUE(::PtInRegion(region.Get(), p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(MainWindow, ColourDialogCancelledKeepsTheSlotAndItsSwatch) {
  ui_.Command(TabCommand(4));
  std::thread cancel([thread = ::GetCurrentThreadId()] {
    // The colour dialog is the one with a Cancel button; the main window has none.
    if (const HWND dialog = WaitForDialog(thread, IDCANCEL, std::chrono::seconds(20)))
      PressDialogButton(dialog, IDCANCEL);
  });
  ui_.Command(1247);  // slot 8
  cancel.join();
  DesktopState& state = ui_.State();
  EXPECT_EQ(state.selection.customColours[8], kStartColour);
  const COLORREF swatch = ::GetPixel(state.swatches[SwatchCanvas(8)].MemoryDc(), 5, 5);
  EXPECT_EQ(swatch, RGB(79, 84, 87));
}

TEST_F(MainWindow, SelectionMenuButtonOpensTheMenuBesideIt) {
  // Arrow down onto the first item and choose it, as a user would.
  std::thread choose([window = ui_.Window()] {
    for (int i = 0; i < 500 && !::FindWindowA("#32768", nullptr); ++i) ::Sleep(20);
    ::PostMessageA(window, WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
  });
  ui_.Command(1176);
  choose.join();
  ui_.Pump();
  const auto flags = ui_.State().selection.FlagsOf(0);
  EXPECT_EQ(std::count(flags.begin(), flags.end(), 1), 9) << "Select All ticks items 0 to 8";
  EXPECT_EQ(flags[9], 0);
}

TEST_F(MainWindow, PointerOverLightsAButtonAndLeavingPutsItBack) {
  RECT button{};
  ::GetWindowRect(ui_.Control(1172), &button);
  const auto pumpFor = [this](int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
      ui_.Pump();
      ::Sleep(10);
    }
  };
  ::SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  pumpFor(300);
  EXPECT_EQ(ui_.State().hoverFlags[1172 - 1165], 1);
  EXPECT_TRUE(MainWindowDriver::Shows(ui_.Control(1172), ui_.State().Bitmap(4522))) << "pointer-over image";
  ::SetCursorPos(button.left - 100, button.bottom + 300);
  pumpFor(300);
  EXPECT_EQ(ui_.State().hoverFlags[1172 - 1165], 0);
  EXPECT_TRUE(MainWindowDriver::Shows(ui_.Control(1172), ui_.State().Bitmap(4521))) << "normal image again";
}

TEST_F(MainWindow, LargePreviewIsRefusedWithAMessageOrRemembersItsKind) {
  std::string caption;
  std::thread answer([thread = ::GetCurrentThreadId(), &caption] {
    if (const HWND box = WaitForDialog(thread, IDOK, std::chrono::seconds(20))) {
      char text[64] = {};
      ::GetWindowTextA(box, text, sizeof text);
      caption = text;
      PressDialogButton(box, IDOK);
    }
  });
  ui_.Command(TabCommand(2));
  ui_.Command(1177);  // option 0 is chosen, not CMYK 4 Sided Gradient
  answer.join();
  EXPECT_EQ(caption, "No, no, no");
  EXPECT_EQ(ui_.State().largePreviewKind, 0);

  ui_.Command(1227);
  ui_.Command(1177);
  EXPECT_EQ(ui_.State().largePreviewKind, 1);
  ui_.Command(TabCommand(3));
  ui_.Command(1178);
  EXPECT_EQ(ui_.State().largePreviewKind, 2);
  ui_.Command(1236);
  ui_.Command(1178);
  EXPECT_EQ(ui_.State().largePreviewKind, 3);
}

struct Ending {
  const char* how;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class MainWindowEnding : public ::testing::TestWithParam<Ending> {};

TEST_P(MainWindowEnding, EndsWithZeroAndGivesBackEveryGdiObject) {
  // The program frees the rich-edit libraries when its loop ends, and the
  // process's end then destroys the window. Here the window is destroyed
  // in a living process, so the libraries are held until then, as a rich
  // edit box destroyed without its library leaves objects behind.
  const HMODULE richEdit1 = ::LoadLibraryA("riched32.dll");
  const HMODULE richEdit2 = ::LoadLibraryA("riched20.dll");
  // A first run makes whatever the system creates once per process.
  { MainWindowDriver warmUp; }
  const int before = LiveGdiObjects();
  int exitValue = -1;
  {
    MainWindowDriver ui;
    ASSERT_TRUE(ui.Started());
    ASSERT_GT(LiveGdiObjects(), before + 150) << "the bitmaps were not loaded";
    exitValue = ui.EndWith(GetParam().message, GetParam().wParam, GetParam().lParam, [&ui] {
      // Wine's background static does not delete the image it loaded from
      // the template itself; that one is not the program's.
      ::DeleteObject(reinterpret_cast<HGDIOBJ>(
          ::SendDlgItemMessageA(ui.Window(), kBackgroundStatic, STM_GETIMAGE, IMAGE_BITMAP, 0)));
    });
    EXPECT_EQ(ui.State().Bitmap(4500), nullptr) << "bitmaps deleted by the clean-up";
    EXPECT_FALSE(ui.State().whiteBrush);
    for (const OffscreenCanvas& canvas : ui.State().swatches) EXPECT_FALSE(canvas.Attached());
  }
  EXPECT_EQ(exitValue, 0);
  EXPECT_EQ(LiveGdiObjects(), before) << GetParam().how;
  ::FreeLibrary(richEdit2);
  ::FreeLibrary(richEdit1);
}

INSTANTIATE_TEST_SUITE_P(Ways, MainWindowEnding,
                         ::testing::Values(Ending{"Esc", WM_KEYDOWN, VK_ESCAPE, 1},
                                           Ending{"CloseButton", WM_COMMAND, 1165, 0},
                                           Ending{"WmClose", WM_CLOSE, 0, 0}),
                         [](const auto& test) { return std::string(test.param.how); });

// The configuration file beside the program is read at start-up.
class MainWindowConfig : public ::testing::Test {
 protected:
  void Write(const std::string& text) {
    std::ofstream(path_, std::ios::binary) << text;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  const std::string path_ = ConfigPath(ProgramPath(::GetModuleHandleA(nullptr)));
};

// A field longer than the work area is read whole.
TEST_F(MainWindowConfig, CalibrationComesFromTheFile) {
  const std::pair<std::string, CalibrationValues> files[] = {
      {"10/20/30/40/50/60/70/", {10, 20, 30, 40, 50, 60, 70}},
      {std::string(5000, '0') + "5/" + std::string(300, ' ') + "-3/", {5, -3, 0, 0, 0, 0, 0}}};
  for (const auto& [text, values] : files) {
    Write(text);
    MainWindowDriver ui;
    ASSERT_TRUE(ui.Started());
    EXPECT_EQ(ui.State().calibration, values) << text.size();
  }
}

}  // namespace
}  // namespace veltrim::test
