// The desktop program's main window, run in this process as Veltrim.exe runs it and driven by messages. The rules
// behind each action are the core's (tests/unit/app); here each action reaches the window and shows, the preview
// area as the core draws it. Printing and the printer information dialog are in main_window_print_test.cpp.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "core/app/control_images.hpp"
#include "core/app/main_commands.hpp"
#include "core/app/main_window_layout.hpp"
#include "core/app/tab_switch.hpp"
#include "main_window_driver.hpp"
#include "preview_pixels.hpp"
#include "tab_no.hpp"

namespace veltrim::test {
namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ui_.Started()) << "the main window was not created"; }

  // The tab-dependent controls show exactly on their tabs, the others always, and the banner is the tab's.
  void ExpectTabShown(Tab tab) {
    for (const MainControl& control : kMainControls)
      EXPECT_EQ(::IsWindowVisible(ui_.Control(control.id)) != FALSE, control.tabs == kAllTabs || control.OnTab(tab))
          << TabIndex(tab) << ", " << control.id;
    const auto banner = ::SendMessageA(ui_.Control(kBannerControl), STM_GETIMAGE, IMAGE_BITMAP, 0);
    EXPECT_EQ(reinterpret_cast<HBITMAP>(banner), ui_.State().Bitmap(BannerBitmap(tab))) << "banner of tab " << TabIndex(tab);
  }
  bool Shows(int id, int image) { return MainWindowDriver::Shows(ui_.Control(id), ui_.State().Bitmap(image)); }

  MainWindowDriver ui_;
};

// Tab 0, the number boxes at their start values and the images painted. (The controls are made at the layout's
// places, tests/unit/app.)
TEST_F(MainWindow, StartUpShowsTabZero) {
  ExpectTabShown(Tab::BlackWhite);
  RECT window{};
  ::GetWindowRect(ui_.Window(), &window);
  EXPECT_EQ(std::pair(window.right - window.left, window.bottom - window.top), std::pair(789L, 397L));
  EXPECT_EQ(WindowText(ui_.Window()), "QORVEL Veltrim - v.2");
  for (const auto& [id, start] : {std::pair{1180, "1"}, {1182, "1"}, {1184, "100"}, {1186, "0"}, {1268, "1"}})
    EXPECT_EQ(ui_.Text(id), start) << id;
  // 1176 is left out: item 1200 overlaps its top rows.
  for (const int id : {1165, 1167, 1172, 1175, 1191, 1200})
    EXPECT_TRUE(Shows(id, ImageFor(id, false, ui_.State()))) << id;
  EXPECT_TRUE(Shows(1166, 4505)) << "tab 0 shows as current";
}

// A tab button shows its group; F6 and F5 reach the next and previous tab (their wrapping is the core's).
TEST_F(MainWindow, TabsShowTheirGroupsAndFunctionKeysSwitchThem) {
  ui_.Command(TabCommand(Tab::Calibration));
  ExpectTabShown(Tab::Calibration);
  ui_.Key(VK_F6);
  ExpectTabShown(NextTab(Tab::Calibration));
  ui_.Key(VK_F5);
  EXPECT_EQ(ui_.State().selection.currentTab, Tab::Calibration);
}

// A ticked item, a chosen option and a chosen layout show their images.
TEST_F(MainWindow, ClickedItemsTickAndRepaint) {
  ui_.Command(1191);
  EXPECT_TRUE(Shows(1191, 4550)) << "ticked image";
  ui_.Command(TabCommand(Tab::Advanced));
  ui_.Command(1227);
  EXPECT_TRUE(Shows(1227, 4622)) << "chosen image";
  EXPECT_TRUE(Shows(1214, 4597)) << "option 0 not chosen";
  ui_.Command(TabCommand(TabNo(4)));
  ui_.Command(1274);
  EXPECT_EQ(ui_.State().selection.gradientLayout, 2);
  EXPECT_TRUE(Shows(1274, ImageFor(1274, false, ui_.State())));
}

// Typed characters other than digits are dropped; a spin key stops at the box's bound and goes below zero where the
// range does (the ranges are the core's).
TEST_F(MainWindow, NumberBoxesTakeDigitsOnlyAndSpinsClamp) {
  const HWND docs = ui_.Control(1180);
  ::SetFocus(docs);
  ::SendMessageA(docs, EM_SETSEL, 0, -1);
  for (const char c : std::string("a-4x2")) ::SendMessageA(docs, WM_CHAR, static_cast<unsigned char>(c), 1);
  EXPECT_EQ(ui_.Text(1180), "42");
  for (const auto& [box, start, key, expected] : {std::tuple{1180, "100", VK_UP, "100"}, {1186, "0", VK_DOWN, "-1"}}) {
    ui_.SetText(box, start);
    ::SendMessageA(ui_.Control(box), WM_KEYDOWN, key, 1);
    EXPECT_EQ(ui_.Text(box), expected) << box << " from " << start;
  }
}

// Three pixels from each corner along both edges are cut away; a point just inside each cut and the middle of each
// edge are kept.
TEST_F(MainWindow, NothingOfTheWindowLiesOutsideTheOctagon) {
  const win::OwnedGdiObject<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(::GetWindowRgn(ui_.Window(), region.Get()), COMPLEXREGION);
  for (const POINT p : {POINT{3, 3}, {785, 3}, {785, 393}, {3, 393}})
    EXPECT_FALSE(::PtInRegion(region.Get(), p.x, p.y)) << p.x << "," << p.y;
  for (const POINT p : {POINT{6, 6}, {782, 6}, {782, 390}, {6, 390}, {394, 0}, {0, 198}, {788, 198}, {394, 396}})
    EXPECT_TRUE(::PtInRegion(region.Get(), p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(MainWindow, SelectionMenuButtonOpensTheMenuBesideIt) {
  // Arrow down onto the first item and choose it, as a user would.
  std::thread choose([window = ui_.Window()] {
    Soon([] { return ::FindWindowA("#32768", nullptr) != nullptr; }, 500);
    ::PostMessageA(window, WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
  });
  ui_.Command(1176);
  choose.join();
  ui_.Pump();
  const auto flags = ui_.State().selection.FlagsOf(Tab::BlackWhite);
  EXPECT_EQ(std::count(flags.begin(), flags.end(), 1), 9) << "Select All ticks items 0 to 8";
  EXPECT_EQ(flags[9], 0);
}

TEST_F(MainWindow, PointerOverLightsAButtonAndLeavingPutsItBack) {
  RECT button{};
  ::GetWindowRect(ui_.Control(1172), &button);
  for (const auto& [x, y, lit] : {std::tuple{(button.left + button.right) / 2, (button.top + button.bottom) / 2, 1},
                                  {button.left - 100, button.bottom + 300, 0}}) {
    ::SetCursorPos(x, y);
    EXPECT_TRUE(Soon([&] { ui_.Pump(); return Shows(1172, lit ? 4522 : 4521); }, 50))
        << (lit ? "pointer-over image" : "normal image again");
  }
}

// The refusal reaches a message box (its texts are the core's); the plots it opens otherwise are colour_tools_test's.
TEST_F(MainWindow, LargePreviewRefusalShowsInAMessageBox) {
  std::string caption, message;
  std::thread answer([thread = ::GetCurrentThreadId(), &caption, &message] {
    AnswerDialog(thread, IDOK, IDOK, [&](HWND box) {
      caption = WindowText(box);
      message = WindowText(::GetDlgItem(box, 0xFFFF));
    });
  });
  ui_.Command(TabCommand(Tab::Advanced));
  ui_.Command(1177);  // option 0 is chosen, not CMYK 4 Sided Gradient
  answer.join();
  EXPECT_EQ(caption, kRefusalCaption);
  EXPECT_EQ(message, DecideLargePreview(1177, ui_.State().selection).refusal);
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
    const Ending& way = GetParam();
    const LPARAM lParam = way.lParam == -1 ? reinterpret_cast<LPARAM>(ui.Control(1165)) : way.lParam;
    exitValue = ui.EndWith(way.message, way.wParam, lParam, [&ui] {
      // Wine's background static keeps the image it loaded from the template itself, not the program's.
      ::DeleteObject(reinterpret_cast<HGDIOBJ>(
          ::SendDlgItemMessageA(ui.Window(), IDC_MAIN_BACKGROUND, STM_GETIMAGE, IMAGE_BITMAP, 0)));
    });
  }
  EXPECT_EQ(exitValue, 0);
  EXPECT_EQ(LiveGdiObjects(), before);
  ::FreeLibrary(richEdit2);
  ::FreeLibrary(richEdit1);
}

// Veltrim.exe returns what the loop ends with. The close button's click names the button (lParam -1 stands for it).
INSTANTIATE_TEST_SUITE_P(Ways, MainWindowEnding,
                         ::testing::Values(Ending{"Esc", WM_KEYDOWN, VK_ESCAPE, 1},
                                           Ending{"CloseButton", WM_COMMAND, MAKEWPARAM(1165, BN_CLICKED), -1},
                                           Ending{"WmClose", WM_CLOSE, 0, 0}),
                         [](const auto& test) { return std::string(test.param.how); });

// What the core draws after each command: the offset box reaches the drawing (first run); what each tab draws is
// the core's.
TEST(PreviewArea, ShowsWhatTheCoreDrawsAfterEachCommand) {
  for (const auto& [offset, commands] :
       {std::pair{10, std::vector{1166, 5003, 1171}}, {0, std::vector{1170, 1238, 1273}}}) {
    MainWindowDriver ui;
    ASSERT_TRUE(ui.Started());
    ui.SetText(1186, std::to_string(offset));
    bool drawn = false;
    for (const int command : commands) {
      ui.Command(command);
      ui.Pump();
      const auto shown = OnScreen(ui.Control(kPreviewControl));
      EXPECT_TRUE(shown == Expected(ui.State(), offset)) << "after command " << command;
      drawn = drawn || !Uniform(shown);
    }
    EXPECT_TRUE(drawn) << "the preview stayed blank at offset " << offset;
  }
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
  EXPECT_TRUE(
      ShowsSoon([&] { ui.Pump(); }, ui.Control(kPreviewControl), [&](const auto& shown) { return shown == before; }));
  ui.Command(1171);  // Generate preview shows the changed selection, which differs
  ui.Pump();
  EXPECT_FALSE(OnScreen(ui.Control(kPreviewControl)) == before);
}

}  // namespace
}  // namespace veltrim::test
