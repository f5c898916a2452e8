// Finding and answering a modal dialog of the thread under test from a
// second thread, as a user at the screen would.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace veltrim::test {

struct DialogSearch {
  int required;
  HWND found;
};

// A window procedure's calling convention, which a lambda cannot have on
// 32-bit Windows.
inline BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<DialogSearch*>(lParam);
  char className[16] = {};
  ::GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") != 0 || !::IsWindowVisible(window)) return TRUE;
  if (search.required != 0 && !::GetDlgItem(window, search.required)) return TRUE;
  search.found = window;
  return FALSE;
}

// The first visible dialog (#32770) of `thread` that holds control
// `requiredControl` (any dialog for 0), or null after `timeout`.
inline HWND WaitForDialog(DWORD thread, int requiredControl, std::chrono::milliseconds timeout) {
  DialogSearch search{requiredControl, nullptr};
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    ::EnumThreadWindows(thread, MatchDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return nullptr;
}

// Clicks `button` of `dialog` the way the button itself reports a click.
inline void PressDialogButton(HWND dialog, int button) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
}

// The print dialog holds the printer list, combo box 1139. Picks `queue` in
// it; returns its index, or -1 when the list does not hold it.
inline long PickPrinter(HWND printDialog, const char* queue) {
  const HWND combo = ::GetDlgItem(printDialog, 1139);
  const LRESULT index =
      ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(queue));
  if (index >= 0) {
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(printDialog, WM_COMMAND, MAKEWPARAM(1139, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  }
  return static_cast<long>(index);
}

inline constexpr int kPrinterList = 1139;

}  // namespace veltrim::test
