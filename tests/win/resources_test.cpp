// The program's resources as Windows loads them from the test driver, which links them in: accelerator table 12
// entry by entry and as the keys a user presses, every control's bitmaps, the selection menu and the version.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "backends/gdi/win_handles.hpp"
#include "core/app/main_window_layout.hpp"
#include "gdi_probes.hpp"

namespace {

HINSTANCE Self() { return ::GetModuleHandleA(nullptr); }

WPARAM gCommand = 0;
LRESULT CALLBACK RecordCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) gCommand = wParam;
  return ::DefWindowProcA(window, message, wParam, lParam);
}

TEST(Resources, AcceleratorTableTwelveIsExactlyTheKeyList) {
  const HACCEL table = ::LoadAcceleratorsA(Self(), MAKEINTRESOURCEA(12));
  ASSERT_NE(table, nullptr);
  std::vector<ACCEL> entries(static_cast<std::size_t>(::CopyAcceleratorTableA(table, nullptr, 0)));
  ::CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
  constexpr BYTE kKey = FVIRTKEY | FNOINVERT, kAltChar = FALT | FNOINVERT;
  const ACCEL expected[] = {{kKey, VK_ESCAPE, 10}, {kAltChar, '/', 17},   {kAltChar, '?', 17}, {kKey, VK_F4, 1173},
                            {kKey, VK_F12, 1172},  {kAltChar, 'h', 1174}, {kKey, VK_F5, 1164}, {kKey, VK_F6, 1163}};
  ASSERT_EQ(entries.size(), std::size(expected));
  for (std::size_t i = 0; i < entries.size(); ++i)  // 0x80 marks the table's end
    EXPECT_EQ(std::tuple(entries[i].fVirt & 0x7F, entries[i].key, entries[i].cmd),
              std::tuple(expected[i].fVirt, expected[i].key, expected[i].cmd)) << i;

  // The messages the keys make, as the program's loop translates them.
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = RecordCommand;
  windowClass.hInstance = Self();
  windowClass.lpszClassName = "VeltrimAcceleratorProbe";
  ::RegisterClassA(&windowClass);
  const HWND window = ::CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        Self(), nullptr);
  ASSERT_NE(window, nullptr);
  struct Press {
    const char* what;
    UINT message;
    WPARAM key;
    bool alt, shift;
    int command;  // 0: not an accelerator
  };
  const Press presses[] = {
      {"Esc", WM_KEYDOWN, VK_ESCAPE, false, false, 10}, {"F4", WM_KEYDOWN, VK_F4, false, false, 1173},
      {"F12", WM_KEYDOWN, VK_F12, false, false, 1172},  {"F5", WM_KEYDOWN, VK_F5, false, false, 1164},
      {"F6", WM_KEYDOWN, VK_F6, false, false, 1163},    {"Alt+h", WM_SYSCHAR, 'h', true, false, 1174},
      {"Alt+/", WM_SYSCHAR, '/', true, false, 17},      {"Alt+?", WM_SYSCHAR, '?', true, true, 17},
      {"h", WM_CHAR, 'h', false, false, 0},             {"Alt+H", WM_SYSCHAR, 'H', true, true, 0},
      {"Alt+F4", WM_SYSKEYDOWN, VK_F4, true, false, 0}, {"F7", WM_KEYDOWN, VK_F7, false, false, 0},
  };
  BYTE keys[256] = {}, saved[256] = {};
  ::GetKeyboardState(saved);
  for (const Press& press : presses) {
    keys[VK_MENU] = press.alt ? 0x80 : 0;
    keys[VK_SHIFT] = press.shift ? 0x80 : 0;
    ::SetKeyboardState(keys);
    gCommand = 0;
    MSG message{window, press.message, press.key, press.alt ? 0x20000001 : 1, 0, {}};
    EXPECT_EQ(::TranslateAcceleratorA(window, table, &message) != 0, press.command != 0) << press.what;
    EXPECT_EQ(gCommand, press.command ? MAKEWPARAM(press.command, 1) : 0u) << press.what;
  }
  ::SetKeyboardState(saved);
  ::DestroyWindow(window);
  ::DestroyAcceleratorTable(table);
}

// Every image of a control has the control's size, and any two states of one control differ in a visible share of
// their pixels, not a stray one.
TEST(Resources, EveryControlsBitmapsHaveItsSizeAndDistinctStates) {
  int loaded = 0;
  for (const veltrim::MainControl& control : veltrim::kMainControls) {
    std::vector<std::vector<std::uint32_t>> states;
    for (int i = 0; i < control.BitmapCount(); ++i) {
      SIZE size{};
      states.push_back(veltrim::test::ResourcePixels(control.firstBitmap + i, size));
      EXPECT_EQ(std::pair(size.cx, size.cy), (std::pair<LONG, LONG>(control.width, control.height)))
          << "bitmap " << control.firstBitmap + i << " of " << control.id;
      loaded += states.back().empty() ? 0 : 1;
    }
    for (std::size_t a = 0; a < states.size(); ++a)
      for (std::size_t b = a + 1; b < states.size() && !states[a].empty(); ++b) {
        std::size_t differing = 0;
        for (std::size_t i = 0; i < states[a].size() && i < states[b].size(); ++i)
          differing += states[a][i] != states[b][i] ? 1 : 0;
        EXPECT_GT(differing, states[a].size() / 20) << "states " << a << " and " << b << " of " << control.id;
      }
  }
  EXPECT_GT(loaded, 150);
}

TEST(Resources, SelectionMenuAndVersion) {
  const HMENU menu = ::LoadMenuA(Self(), MAKEINTRESOURCEA(138));
  ASSERT_NE(menu, nullptr);
  const HMENU popup = ::GetSubMenu(menu, 0);
  const std::pair<UINT, std::string> items[] = {
      {5000, "Select All"}, {5001, "Select None"}, {5002, "Select Inverse"}, {5003, "Select Most Common Used"}};
  ASSERT_EQ(::GetMenuItemCount(popup), 4);
  for (int i = 0; i < 4; ++i) {
    char text[64] = {};
    ::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    EXPECT_EQ(std::pair(::GetMenuItemID(popup, i), std::string(text)), items[i]);
  }
  ::DestroyMenu(menu);

  char path[MAX_PATH] = {};
  ASSERT_GT(::GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  DWORD ignored = 0;
  std::vector<char> block(::GetFileVersionInfoSizeA(path, &ignored));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(::GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  char* text = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductName", reinterpret_cast<void**>(&text),
                               &length));
  EXPECT_STREQ(text, "QORVEL Veltrim v2");
}

}  // namespace
