// The program's resources as Windows loads them from the test driver, which links them in: accelerator table 12,
// every control's bitmaps, the selection menu and the version.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/app/main_window_layout.hpp"
#include "gdi_probes.hpp"

namespace {

HINSTANCE Self() { return ::GetModuleHandleA(nullptr); }

// Keys as the user presses them: F-keys and Esc as virtual keys, the Alt shortcuts as the characters typed (Alt+h,
// not Alt+H). Esc, F4, F5, F6 and F12 through the program's loop are the GUI tests'.
TEST(Resources, AcceleratorTableTwelveIsExactlyTheKeyList) {
  const HACCEL table = ::LoadAcceleratorsA(Self(), MAKEINTRESOURCEA(12));
  ASSERT_NE(table, nullptr);
  std::vector<ACCEL> entries(static_cast<std::size_t>(::CopyAcceleratorTableA(table, nullptr, 0)));
  ::CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
  ::DestroyAcceleratorTable(table);
  std::vector<std::tuple<int, WORD, WORD>> keys;
  for (const ACCEL& entry : entries) keys.emplace_back(entry.fVirt & 0x7F, entry.key, entry.cmd);  // 0x80: the end
  constexpr int kKey = FVIRTKEY | FNOINVERT, kAltChar = FALT | FNOINVERT;
  EXPECT_EQ(keys, (std::vector<std::tuple<int, WORD, WORD>>{{kKey, VK_ESCAPE, 10}, {kAltChar, '/', 17},
                                                            {kAltChar, '?', 17},   {kKey, VK_F4, 1173},
                                                            {kKey, VK_F12, 1172},  {kAltChar, 'h', 1174},
                                                            {kKey, VK_F5, 1164},   {kKey, VK_F6, 1163}}));
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
  std::vector<std::pair<UINT, std::string>> items;
  for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
    char text[64] = {};
    ::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    items.emplace_back(::GetMenuItemID(popup, i), text);
  }
  EXPECT_EQ(items, (std::vector<std::pair<UINT, std::string>>{{5000, "Select All"}, {5001, "Select None"},
                                                              {5002, "Select Inverse"},
                                                              {5003, "Select Most Common Used"}}));
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
  EXPECT_EQ(std::pair(fixed->dwFileVersionMS, fixed->dwFileVersionLS), std::pair(0x00020000ul, 0ul)) << "2.0.0.0";
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductName", reinterpret_cast<void**>(&text),
                               &length));
  EXPECT_STREQ(text, "QORVEL Veltrim v2");
}

}  // namespace
