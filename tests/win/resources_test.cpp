// The program's resources as Windows loads them from the test driver, which
// links them in: the selection menu, the accelerators, every start-up bitmap
// at its control's size with states a user can tell apart, the main dialog
// and the version.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource_ids.h"

namespace {

HINSTANCE Self() { return ::GetModuleHandleA(nullptr); }

TEST(Resources, SelectionMenuHoldsTheFourCommands) {
  HMENU menu = ::LoadMenuA(Self(), MAKEINTRESOURCEA(138));
  ASSERT_NE(menu, nullptr);
  HMENU popup = ::GetSubMenu(menu, 0);
  ASSERT_NE(popup, nullptr);
  const struct {
    UINT id;
    const char* text;
  } expected[] = {{5000, "Select All"}, {5001, "Select None"}, {5002, "Select Inverse"}, {5003, "Select Most Common Used"}};
  ASSERT_EQ(::GetMenuItemCount(popup), 4);
  for (int i = 0; i < 4; ++i) {
    char text[64] = {};
    EXPECT_EQ(::GetMenuItemID(popup, i), expected[i].id);
    ::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, expected[i].text);
  }
  ::DestroyMenu(menu);
}

TEST(Resources, AcceleratorTableIsExactlyTheKeyList) {
  HACCEL table = ::LoadAcceleratorsA(Self(), MAKEINTRESOURCEA(12));
  ASSERT_NE(table, nullptr);
  const int count = ::CopyAcceleratorTableA(table, nullptr, 0);
  std::vector<ACCEL> entries(static_cast<std::size_t>(count));
  ASSERT_EQ(::CopyAcceleratorTableA(table, entries.data(), count), count);
  constexpr BYTE kKey = FVIRTKEY | FNOINVERT;
  constexpr BYTE kAltChar = FALT | FNOINVERT;
  const ACCEL expected[] = {
      {kKey, VK_ESCAPE, 10}, {kAltChar, '/', 17},    {kAltChar, '?', 17},   {kKey, VK_F4, 1173},
      {kKey, VK_F12, 1172},  {kAltChar, 'h', 1174},  {kKey, VK_F5, 1164},   {kKey, VK_F6, 1163},
  };
  ASSERT_EQ(entries.size(), std::size(expected));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE("entry " + std::to_string(i));
    EXPECT_EQ(entries[i].fVirt & 0x7F, expected[i].fVirt);  // 0x80 marks the table's end in the resource
    EXPECT_EQ(entries[i].key, expected[i].key);
    EXPECT_EQ(entries[i].cmd, expected[i].cmd);
  }
  ::DestroyAcceleratorTable(table);
}

// A loaded bitmap's pixels as 32-bit values, top-down.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<DWORD> data;
};

Pixels Read(int id) {
  Pixels pixels;
  HBITMAP bitmap = static_cast<HBITMAP>(::LoadBitmapA(Self(), MAKEINTRESOURCEA(id)));
  if (bitmap == nullptr) return pixels;
  BITMAP info{};
  if (::GetObjectA(bitmap, sizeof info, &info) == sizeof info) {
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> data(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), data.data(), &header,
                                 DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows == info.bmHeight) pixels = {info.bmWidth, info.bmHeight, std::move(data)};
  }
  ::DeleteObject(bitmap);
  return pixels;
}

// Share of pixels that differ between two images of one control.
double Difference(const Pixels& a, const Pixels& b) {
  if (a.data.size() != b.data.size() || a.data.empty()) return 0;
  std::size_t differing = 0;
  for (std::size_t i = 0; i < a.data.size(); ++i) differing += (a.data[i] & 0xFFFFFF) != (b.data[i] & 0xFFFFFF);
  return static_cast<double>(differing) / static_cast<double>(a.data.size());
}

// The controls, in bitmap-id order: first id, images per control, size.
struct Control {
  int firstId;
  int images;
  int width;
  int height;
};

std::vector<Control> Controls() {
  std::vector<Control> controls = {{300, 1, 789, 397}, {4500, 3, 20, 20}};
  const int tabWidths[] = {115, 118, 117, 118, 117};
  int id = 4503;
  for (int width : tabWidths) controls.push_back({std::exchange(id, id + 3), 3, width, 38});
  for (int height : {38, 40, 40, 41, 39}) controls.push_back({std::exchange(id, id + 3), 3, 155, height});
  controls.push_back({4533, 3, 20, 21});
  for (id = 4536; id <= 4540; ++id) controls.push_back({id, 1, 370, 26});
  controls.insert(controls.end(), {{4541, 3, 165, 29}, {4544, 3, 164, 28}, {4547, 3, 51, 74}});
  // Two images an item from here on: ticked (chosen), then unticked.
  const std::vector<std::pair<int, int>> items = {
      // Black&White
      {370, 16}, {370, 17}, {370, 18}, {370, 17}, {370, 17}, {370, 17}, {370, 18}, {370, 17}, {370, 17}, {370, 18},
      // Color
      {199, 18}, {199, 17}, {199, 17}, {199, 17}, {199, 18}, {199, 17}, {199, 18}, {199, 17}, {199, 17},
      {136, 35}, {136, 35}, {136, 35}, {199, 18},
      // Advanced
      {318, 17}, {318, 17}, {318, 17}, {318, 18}, {202, 17}, {133, 17}, {116, 17}, {133, 18}, {116, 18},
      {133, 17}, {116, 17}, {133, 17}, {116, 17}, {133, 17}, {133, 18},
      // Color Calibration
      {49, 17}, {68, 17}, {68, 18}, {68, 13}, {51, 17}, {51, 18}, {51, 13}, {265, 18},
      // Custom, then its layout options
      {134, 17}, {134, 17}, {139, 16}, {194, 19}, {171, 17}, {96, 22}, {81, 22}, {111, 22}, {117, 22}};
  id = 4550;
  for (auto [width, height] : items) controls.push_back({std::exchange(id, id + 2), 2, width, height});
  controls.insert(controls.end(), {{4660, 1, 78, 15}, {4661, 1, 16, 38}, {4662, 1, 17, 38}, {4663, 1, 29, 20},
                                   {4664, 1, 16, 22}, {4665, 1, 36, 20}, {4666, 2, 29, 19}, {4668, 1, 354, 2}});
  return controls;
}

TEST(Resources, EveryBitmapHasItsControlsSizeAndDistinctStates) {
  int loaded = 0;
  int nextId = 4500;
  for (const Control& control : Controls()) {
    if (control.firstId != 300) {
      ASSERT_EQ(control.firstId, nextId) << "gap in the expected table";
      nextId += control.images;
    }
    std::vector<Pixels> states;
    for (int i = 0; i < control.images; ++i) {
      const int id = control.firstId + i;
      SCOPED_TRACE("bitmap " + std::to_string(id));
      states.push_back(Read(id));
      EXPECT_EQ(states.back().width, control.width);
      EXPECT_EQ(states.back().height, control.height);
      loaded += !states.back().data.empty();
    }
    // Any two states of one control differ in a visible share of pixels,
    // not in a stray one: fill, border or mark changes.
    for (std::size_t a = 0; a < states.size(); ++a)
      for (std::size_t b = a + 1; b < states.size(); ++b)
        EXPECT_GT(Difference(states[a], states[b]), 0.05)
            << "bitmaps " << control.firstId + a << " and " << control.firstId + b << " look alike";
  }
  EXPECT_EQ(nextId, 4669);
  EXPECT_EQ(loaded, 170);
}

TEST(Resources, MainDialogAndIconExist) {
  EXPECT_NE(::FindResourceA(Self(), MAKEINTRESOURCEA(997), MAKEINTRESOURCEA(5) /* RT_DIALOG */), nullptr);
  HICON icon = ::LoadIconA(Self(), MAKEINTRESOURCEA(11));
  ASSERT_NE(icon, nullptr);
  ::DestroyIcon(icon);
}

INT_PTR CALLBACK PassiveDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(Resources, MainDialogShowsTheBackgroundImage) {
  HWND dialog = ::CreateDialogParamA(Self(), MAKEINTRESOURCEA(997), nullptr, PassiveDialog, 0);
  ASSERT_NE(dialog, nullptr);
  const LONG style = ::GetWindowLongA(dialog, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
  HWND background = ::GetDlgItem(dialog, 998);
  ASSERT_NE(background, nullptr);
  EXPECT_NE(::SendMessageA(background, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  ::DestroyWindow(dialog);
}

TEST(Resources, VersionReadsTwoZeroZero) {
  char path[MAX_PATH] = {};
  ASSERT_GT(::GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(::GetFileVersionInfoA(path, 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
  char* text = nullptr;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductName", reinterpret_cast<void**>(&text),
                               &length));
  EXPECT_STREQ(text, "QORVEL Veltrim v2");
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\FileVersion", reinterpret_cast<void**>(&text),
                               &length));
  EXPECT_STREQ(text, "2.0.0");
}

}  // namespace
