// The desktop program's main window, run in this process as Veltrim.exe runs it and driven by messages. The rules
// behind each action are the core's (tests/unit/app); here each action reaches the window and shows, the preview
// area as the core draws it. Printing and the printer information dialog are in main_window_print_test.cpp.
#include <gtest/gtest.h>

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "core/app/config_file.hpp"
#include "core/app/control_images.hpp"
#include "core/app/main_commands.hpp"
#include "core/app/main_window_layout.hpp"
#include "core/app/number_boxes.hpp"
#include "core/app/tab_switch.hpp"
#include "main_window_driver.hpp"
#include "preview_pixels.hpp"
#include "report_text.hpp"
#include "tab_no.hpp"
#include "win32/printer_info/printer_info_dialog.hpp"

namespace veltrim::test {
namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ui_.Started()) << "the main window was not created"; }

  // The tab-dependent controls show exactly on their tabs, the others always, and the banner is the tab's.
  void ExpectTabShown(Tab tab) {
    for (const MainControl& control : kMainControls)
      EXPECT_EQ(ui_.Visible(control.id), control.tabs == kAllTabs || control.OnTab(tab)) << TabIndex(tab) << ", " << control.id;
    const auto banner = ::SendMessageA(ui_.Control(kBannerControl), STM_GETIMAGE, IMAGE_BITMAP, 0);
    EXPECT_EQ(reinterpret_cast<HBITMAP>(banner), ui_.State().Bitmap(BannerBitmap(tab))) << "banner of tab " << TabIndex(tab);
  }
  bool Shows(int id, int image) { return MainWindowDriver::Shows(ui_.Control(id), ui_.State().Bitmap(image)); }
  bool ShowsItsImage(int id) { return Shows(id, ImageFor(id, false, ui_.State())); }
  std::span<std::uint8_t> Flags(int tab) { return ui_.State().selection.FlagsOf(TabNo(tab)); }

  MainWindowDriver ui_;
};

// Tab 0 with every control where the layout puts it (a spin moves beside its box), the number boxes at their
// start values, the images painted, and no calibration without a configuration file.
TEST_F(MainWindow, StartUpShowsTabZeroWithEverythingCleared) {
  ExpectTabShown(Tab::BlackWhite);
  for (const MainControl& control : kMainControls) {
    EXPECT_EQ(ui_.Visible(control.id), control.shown) << control.id;
    if (control.kind == ControlKind::Spin) continue;
    RECT rect{};
    ::GetWindowRect(ui_.Control(control.id), &rect);
    ::MapWindowPoints(nullptr, ui_.Window(), reinterpret_cast<POINT*>(&rect), 2);
    const std::tuple<LONG, LONG, LONG> expected(control.x, control.y, control.height);
    EXPECT_EQ(std::tuple(rect.left, rect.top, rect.bottom - rect.top), expected) << control.id;
  }
  RECT window{};
  ::GetWindowRect(ui_.Window(), &window);
  EXPECT_EQ(std::pair(window.right - window.left, window.bottom - window.top), std::pair(789L, 397L));
  char title[64] = {};
  ::GetWindowTextA(ui_.Window(), title, sizeof title);
  EXPECT_STREQ(title, "QORVEL Veltrim - v.2");
  EXPECT_EQ(ui_.State().calibration, CalibrationValues{}) << "no configuration file beside the program";
  for (const auto& [id, start] : {std::pair{1180, "1"}, {1182, "1"}, {1184, "100"}, {1186, "0"}, {1268, "1"}})
    EXPECT_EQ(ui_.Text(id), start) << id;
  // 1176 is left out: item 1200 overlaps its top rows.
  for (const int id : {1165, 1166, 1167, 1172, 1175, 1191, 1200}) EXPECT_TRUE(ShowsItsImage(id)) << id;
  EXPECT_TRUE(Shows(1166, 4505)) << "tab 0 shows as current";
}

// A tab button shows its group; F6 and F5 reach the next and previous tab (their wrapping is the core's).
TEST_F(MainWindow, TabsShowTheirGroupsAndFunctionKeysSwitchThem) {
  ui_.Command(TabCommand(Tab::Calibration));
  EXPECT_EQ(ui_.State().selection.currentTab, Tab::Calibration);
  ExpectTabShown(Tab::Calibration);
  ui_.Key(VK_F6);
  EXPECT_EQ(ui_.State().selection.currentTab, NextTab(Tab::Calibration));
  ExpectTabShown(NextTab(Tab::Calibration));
  ui_.Key(VK_F5);
  EXPECT_EQ(ui_.State().selection.currentTab, Tab::Calibration);
}

// Each kind of item ticks and shows its image.
TEST_F(MainWindow, ClickedItemsTickAndRepaint) {
  TestSelection& s = ui_.State().selection;
  ui_.Command(1191);
  EXPECT_EQ(s.bwTests[0], 1);
  EXPECT_TRUE(Shows(1191, 4550)) << "ticked image";
  ui_.Command(1200);  // Simple Text Full Page clears the others
  EXPECT_TRUE(Shows(1191, 4551)) << "unticked again";
  ui_.Command(TabCommand(TabNo(1)));
  ui_.Command(1201);
  EXPECT_EQ(s.colorTests[0], 1);
  ui_.Command(TabCommand(Tab::Advanced));
  ui_.Command(1227);
  EXPECT_EQ(s.advancedOption, 13);
  EXPECT_TRUE(Shows(1227, 4622)) << "chosen image";
  EXPECT_TRUE(Shows(1214, 4597)) << "option 0 not chosen";
  ui_.Command(TabCommand(TabNo(4)));
  ui_.Command(1241);
  EXPECT_EQ(s.customTests[4], 1);
  ui_.Command(1274);
  EXPECT_EQ(s.gradientLayout, 2);
  EXPECT_TRUE(ShowsItsImage(1274));
}

// Typed characters other than digits are dropped; the spin keys stop at each box's bounds.
TEST_F(MainWindow, NumberBoxesTakeDigitsOnlyAndSpinsClamp) {
  const HWND docs = ui_.Control(1180);
  ::SetFocus(docs);
  ::SendMessageA(docs, EM_SETSEL, 0, -1);
  for (const char c : std::string("a-4x2")) ::SendMessageA(docs, WM_CHAR, static_cast<unsigned char>(c), 1);
  EXPECT_EQ(ui_.Text(1180), "42");
  struct Case { int box; const char* start; UINT key; const char* expected; };
  // The ranges are the core's (tests/unit/app): one box stopped at its bound, one moved below zero.
  for (const Case& c : {Case{1180, "100", VK_UP, "100"}, {1180, "99", VK_UP, "100"}, {1186, "0", VK_DOWN, "-1"}}) {
    ui_.SetText(c.box, c.start);
    ::SendMessageA(ui_.Control(c.box), WM_KEYDOWN, c.key, 1);
    EXPECT_EQ(ui_.Text(c.box), c.expected) << c.box << " from " << c.start;
  }
  for (const NumberBox& box : kNumberBoxes)
    EXPECT_EQ(::SendMessageA(ui_.Control(box.spinId), UDM_GETBASE, 0, 0), 10) << box.spinId;
}

// Three pixels from each corner along both edges are cut away; the middle of each edge and a point just inside
// each cut are kept, and a click on a cut corner misses the window.
TEST_F(MainWindow, NothingOfTheWindowLiesOutsideTheOctagon) {
  const win::OwnedGdiObject<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(::GetWindowRgn(ui_.Window(), region.Get()), COMPLEXREGION);
  RECT window{};
  ::GetWindowRect(ui_.Window(), &window);
  for (const POINT p : {POINT{3, 3}, {785, 3}, {785, 393}, {3, 393}}) {
    EXPECT_FALSE(::PtInRegion(region.Get(), p.x, p.y)) << p.x << "," << p.y;
    const HWND hit = ::WindowFromPoint({window.left + p.x, window.top + p.y});
    EXPECT_TRUE(hit != ui_.Window() && !::IsChild(ui_.Window(), hit)) << "a click at " << p.x << "," << p.y;
  }
  for (const POINT p : {POINT{6, 6}, {782, 6}, {782, 390}, {6, 390}, {394, 0}, {0, 198}, {788, 198}, {394, 396}})
    EXPECT_TRUE(::PtInRegion(region.Get(), p.x, p.y)) << p.x << "," << p.y;
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
  EXPECT_EQ(std::count(Flags(0).begin(), Flags(0).end(), 1), 9) << "Select All ticks items 0 to 8";
  EXPECT_EQ(Flags(0)[9], 0);
}

TEST_F(MainWindow, PointerOverLightsAButtonAndLeavingPutsItBack) {
  RECT button{};
  ::GetWindowRect(ui_.Control(1172), &button);
  for (const auto& [x, y, lit] : {std::tuple{(button.left + button.right) / 2, (button.top + button.bottom) / 2, 1},
                                  {button.left - 100, button.bottom + 300, 0}}) {
    ::SetCursorPos(x, y);
    for (int waited = 0; waited < 300; waited += 10, ::Sleep(10)) ui_.Pump();
    EXPECT_EQ(ui_.State().hoverFlags[1172 - 1165], lit);
    EXPECT_TRUE(Shows(1172, lit ? 4522 : 4521)) << (lit ? "pointer-over image" : "normal image again");
  }
}

TEST_F(MainWindow, LargePreviewIsRefusedWithAMessageOrOpensItsPlot) {
  std::string caption, message;
  std::thread answer([thread = ::GetCurrentThreadId(), &caption, &message] {
    AnswerDialog(thread, IDOK, IDOK, [&](HWND box) {
      caption = WindowText(box);
      message = WindowText(::GetDlgItem(box, 0xFFFF));
    });
  });
  ui_.Command(TabCommand(TabNo(2)));
  ui_.Command(1177);  // option 0 is chosen, not CMYK 4 Sided Gradient
  answer.join();
  // The texts are the core's (tests/unit/app): here they reach the message box.
  EXPECT_EQ(caption, kRefusalCaption);
  EXPECT_EQ(message, DecideLargePreview(1177, ui_.State().selection).refusal);
  EXPECT_EQ(ui_.State().largePreviewKind, 0);
  ui_.Command(1227);  // CMYK 4 Sided Gradient: kind 1; the other kinds are the core's
  int shownKind = 0;
  std::thread close([thread = ::GetCurrentThreadId(), &shownKind, this] {
    AnswerDialog(thread, 1071, IDOK, [&](HWND) { shownKind = ui_.State().largePreviewKind; });  // the readout's box
  });
  ui_.Command(1177);
  close.join();
  EXPECT_EQ(shownKind, 1) << "the dialog was open with this kind";
  EXPECT_EQ(ui_.State().largePreviewKind, 1);
}

struct Ending { const char* how; UINT message; WPARAM wParam; LPARAM lParam; };

class MainWindowEnding : public ::testing::TestWithParam<Ending> {};

TEST_P(MainWindowEnding, EndsWithZeroAndGivesBackEveryGdiObject) {
  // The program frees the rich-edit libraries when its loop ends and the process's end destroys the window. Here
  // the process lives on, so the libraries are held: a rich edit box destroyed without its library leaks.
  const HMODULE richEdit1 = ::LoadLibraryA("riched32.dll"), richEdit2 = ::LoadLibraryA("riched20.dll");
  { MainWindowDriver warmUp; }  // what the system creates once per process
  const int before = LiveGdiObjects();
  int exitValue = -1;
  {
    MainWindowDriver ui;
    ASSERT_TRUE(ui.Started());
    ASSERT_GT(LiveGdiObjects(), before + 150) << "the bitmaps were not loaded";
    exitValue = ui.EndWith(GetParam().message, GetParam().wParam, GetParam().lParam, [&ui] {
      // Wine's background static keeps the image it loaded from the template itself, not the program's.
      ::DeleteObject(reinterpret_cast<HGDIOBJ>(
          ::SendDlgItemMessageA(ui.Window(), IDC_MAIN_BACKGROUND, STM_GETIMAGE, IMAGE_BITMAP, 0)));
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

// One way out: that each of Esc, the close button and WM_CLOSE ends the program with 0 is tests/wine's.
INSTANTIATE_TEST_SUITE_P(Ways, MainWindowEnding, ::testing::Values(Ending{"Esc", WM_KEYDOWN, VK_ESCAPE, 1}),
                         [](const auto& test) { return std::string(test.param.how); });

// The configuration file beside the program is read at start-up.
class MainWindowConfig : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(path_.c_str()); }
  const std::string path_ = ConfigPath(ProgramPath(::GetModuleHandleA(nullptr)));
};

TEST_F(MainWindowConfig, CalibrationComesFromTheFile) {
  // Its parsing is the core's (tests/unit/app): here the program reads the file beside it.
  std::ofstream(path_, std::ios::binary) << "10/20/30/40/50/60/70/";
  MainWindowDriver ui;
  ASSERT_TRUE(ui.Started());
  EXPECT_EQ(ui.State().calibration, (CalibrationValues{10, 20, 30, 40, 50, 60, 70}));
}

struct Case {
  const char* name;
  int offset;
  std::vector<int> commands;  // each one previews
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class PreviewArea : public ::testing::TestWithParam<Case> {};

TEST_P(PreviewArea, ShowsWhatTheCoreDrawsAfterEachCommand) {
  MainWindowDriver ui;
  ASSERT_TRUE(ui.Started());
  ui.SetText(1186, std::to_string(GetParam().offset));
  int drawnAt = -1;
  for (const int command : GetParam().commands) {
    ui.Command(command);
    ui.Pump();
    const auto shown = OnScreen(ui.Control(kPreviewControl));
    const auto expected = Expected(ui.State(), GetParam().offset);
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(shown == expected) << "after command " << command;
    if (!Uniform(shown)) drawnAt = command;
  }
  EXPECT_NE(drawnAt, -1) << "the preview stayed blank";
}

// Choosing a colour changes the slot, not the preview: a selection changed behind the window's back stays unseen
// after the colour dialog. Cancelled, the dialog keeps the slot's colour and its swatch.
TEST(PreviewArea, ChoosingAColourDoesNotPreview) {
  MainWindowDriver ui;
  ASSERT_TRUE(ui.Started());
  ui.Command(1170);
  ui.Command(1237);  // Full Page Custom Color
  ui.Pump();
  const auto before = Expected(ui.State(), 0);
  ASSERT_TRUE(OnScreen(ui.Control(kPreviewControl)) == before);
  ui.State().selection.customTests.fill(0);
  // The colour dialog is the one with a Cancel button; the main window has none.
  std::thread cancel([thread = ::GetCurrentThreadId()] { AnswerDialog(thread, IDCANCEL, IDCANCEL); });
  ui.Command(1247);  // slot 8's colour button
  cancel.join();
  EXPECT_EQ(ui.State().selection.customColours[8], (ColourTriple{79, 84, 87}));
  EXPECT_EQ(::GetPixel(ui.State().swatches[SwatchCanvas(8)].MemoryDc(), 5, 5), RGB(79, 84, 87));
  const auto pump = [&] { ui.Pump(); };
  EXPECT_TRUE(ShowsSoon(pump, ui.Control(kPreviewControl), [&](const auto& shown) { return shown == before; }));
  ui.Command(1171);  // Generate preview shows the changed selection: nothing
  ui.Pump();
  EXPECT_TRUE(Uniform(OnScreen(ui.Control(kPreviewControl))));
}

// A tab the program does not know: the message box, then the canvas still presented, cleared.
TEST(PreviewArea, UnknownTabSaysSoAndStillPresents) {
  MainWindowDriver ui;
  ASSERT_TRUE(ui.Started());
  ui.Command(1167);
  ui.Command(1201);  // something on screen to be cleared
  ui.State().selection.currentTab = TabNo(7);
  std::string caption, text;
  std::thread answer([&, thread = ::GetCurrentThreadId()] {
    AnswerDialog(thread, 0xFFFF, IDOK, [&](HWND box) {
      caption = WindowText(box);
      text = WindowText(::GetDlgItem(box, 0xFFFF));
    });
  });
  ui.Command(1171);
  answer.join();
  EXPECT_EQ(caption, "Application ERROR");
  EXPECT_EQ(text, "Oups. Internal error ... You should not see this !");
  const ColorRef background = ui.State().swatches[kPreviewCanvas].Background();
  const std::uint32_t rgb = (std::uint32_t(RedOf(background)) << 16) | (GreenOf(background) << 8) | BlueOf(background);
  const auto pump = [&] { ui.Pump(); };
  EXPECT_TRUE(ShowsSoon(pump, ui.Control(kPreviewControl), [&](const auto& shown) { return Uniform(shown, rgb); }));
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, PreviewArea,
    ::testing::Values(Case{"BlackWhiteMostCommonOffset", 10, {1166, 5003, 1171}},
                      Case{"ColourCrossovers", 0, {1167, 1207, 1208}}, Case{"AdvancedOptions", 0, {1168, 1216, 1228}},
                      Case{"CalibrationGraph", 0, {1169, 1229, 1236}},
                      Case{"CustomGradientLayout", 0, {1170, 1238, 1273}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
