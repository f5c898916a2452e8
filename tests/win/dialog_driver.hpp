// Finding and answering a dialog of the thread under test (the program's main window is one too) from a second
// thread, as a user at the screen would.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>

namespace veltrim::test {

inline constexpr int kPrinterList = 1139;  // the print dialog's printer combo box

struct DialogSearch { int required; HWND found; };

// A window procedure's calling convention, which a lambda cannot have on 32-bit Windows.
inline BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<DialogSearch*>(lParam);
  char className[16] = {};
  ::GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") != 0 || !::IsWindowVisible(window)) return TRUE;
  if (search.required != 0 && !::GetDlgItem(window, search.required)) return TRUE;
  search.found = window;
  return FALSE;
}

// Whether `done` comes true within `tries` looks 20 ms apart.
inline bool Soon(const std::function<bool()>& done, int tries = 250) {
  for (int i = 0; i < tries; ++i, ::Sleep(20))
    if (done()) return true;
  return false;
}

// The first visible dialog (#32770) of `thread` that holds control `requiredControl` (any dialog for 0), or null
// after `timeout`.
inline HWND WaitForDialog(DWORD thread, int requiredControl, std::chrono::milliseconds timeout) {
  DialogSearch search{requiredControl, nullptr};
  Soon([&] {
    ::EnumThreadWindows(thread, MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, static_cast<int>(timeout.count() / 20));
  return search.found;
}

// Clicks `button` of `dialog` the way the button itself reports a click.
inline void PressDialogButton(HWND dialog, int button) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
}

inline std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Waits up to 20 s for the dialog holding `requiredControl`, lets `read` see it, then presses `button`.
inline void AnswerDialog(DWORD thread, int requiredControl, int button, const std::function<void(HWND)>& read = {}) {
  const HWND dialog = WaitForDialog(thread, requiredControl, std::chrono::seconds(20));
  if (!dialog) return;
  if (read) read(dialog);
  PressDialogButton(dialog, button);
}

// Picks `queue` in the print dialog's printer list; returns its index, or -1 when the list does not hold it.
inline long PickPrinter(HWND printDialog, const char* queue) {
  const HWND combo = ::GetDlgItem(printDialog, kPrinterList);
  const LRESULT index =
      ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(queue));
  if (index >= 0) {
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(printDialog, WM_COMMAND, MAKEWPARAM(kPrinterList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  }
  return static_cast<long>(index);
}

}  // namespace veltrim::test
