// A Windows program for the harness: finds the main window of a running Veltrim.exe (not a test's window of the
// same title) and ends it the way a user would.
//
//   window_probe.exe esc|button|close
//       Esc pressed, the close button clicked, or the window closed (WM_CLOSE). Prints "posted" and exits 0, or
//       exits 1 when no such window appeared within a minute.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "dialog_driver.hpp"

namespace {

bool OfVeltrimExe(DWORD processId) {
  const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  char image[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  const bool named = process && ::QueryFullProcessImageNameA(process, 0, image, &size) != 0;
  if (process) ::CloseHandle(process);
  const std::string path(image, named ? size : 0);
  return path.substr(path.find_last_of("\\/") + 1) == "Veltrim.exe";
}

}  // namespace

int main(int argc, char** argv) {
  const std::string how = argc >= 2 ? argv[1] : "";
  if (argc != 2 || (how != "esc" && how != "button" && how != "close")) {
    std::fprintf(stderr, "usage: window_probe esc|button|close\n");
    return 2;
  }
  const HWND window = veltrim::test::WaitForMainWindow(OfVeltrimExe, std::chrono::minutes(1));
  if (!window) return 1;
  if (how == "esc") {
    ::PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 1);
  } else if (how == "button") {
    veltrim::test::PressDialogButton(window, 1165);
  } else {
    ::PostMessageA(window, WM_CLOSE, 0, 0);
  }
  std::printf("posted\n");
  return 0;
}
