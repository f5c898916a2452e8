// Runs the desktop program's main window inside a test, the way Veltrim.exe runs it, and drives it with the
// messages a user's actions produce.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "backends/gdi/win_handles.hpp"
#include "dialog_driver.hpp"
#include "gdi_probes.hpp"
#include "preview_pixels.hpp"
#include "win32/app/application.hpp"

namespace veltrim::test {

class MainWindowDriver {
 public:
  MainWindowDriver() : app_(Application::Start(::GetModuleHandleA(nullptr), SW_SHOWNORMAL)) {
    if (app_) {
      window_ = app_->MainWindow();
      app_->PumpPending();
    }
  }
  ~MainWindowDriver() {
    if (app_ && ::IsWindow(window_)) EndWith(WM_CLOSE, 0, 0);
  }
  MainWindowDriver(const MainWindowDriver&) = delete;
  MainWindowDriver& operator=(const MainWindowDriver&) = delete;

  bool Started() const { return app_ != nullptr; }
  HWND Window() const { return window_; }
  HWND Control(int id) const { return ::GetDlgItem(window_, id); }
  DesktopState& State() { return app_->State(); }

  // A click or menu choice, handled before this returns.
  void Command(int id) { ::SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // A key pressed while the window is active, through the message loop.
  void Key(UINT virtualKey) {
    ::PostMessageA(window_, WM_KEYDOWN, virtualKey, 1);
    ::PostMessageA(window_, WM_KEYUP, virtualKey, 0xC0000001);
    app_->PumpPending();
  }
  void Pump() { app_->PumpPending(); }

  std::string Text(int id) const { return WindowText(Control(id)); }
  void SetText(int id, const std::string& text) { ::SetWindowTextA(Control(id), text.c_str()); }

  // Posts `message` and runs the loop until the program ends, as Veltrim.exe does; returns the loop's exit value.
  // The window is then destroyed as the process's end would destroy it, after `beforeDestroy`.
  int EndWith(UINT message, WPARAM wParam, LPARAM lParam, const std::function<void()>& beforeDestroy = {}) {
    ::PostMessageA(window_, message, wParam, lParam);
    const int result = app_->Run();
    if (beforeDestroy) beforeDestroy();
    ::DestroyWindow(window_);
    // Destroying posts another quit message, which must not end the next test's loop; what the controls posted
    // while going is handled.
    MSG pending{};
    while (::PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE))
      if (pending.message != WM_QUIT) ::DispatchMessageA(&pending);
    window_ = nullptr;
    return result;
  }

  // Whether `control` currently shows exactly the pixels of `bitmap` (read from its own DC: the screen lags).
  static bool Shows(HWND control, HBITMAP bitmap) {
    BITMAP size{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof size, &size)) return false;
    const win::WindowDc own(control);
    const auto shown = Pixels(size.bmWidth, size.bmHeight, [&](HDC memory) {
      ::BitBlt(memory, 0, 0, size.bmWidth, size.bmHeight, own.Get(), 0, 0, SRCCOPY);
    });
    return !shown.empty() && shown == BitmapPixels(own.Get(), bitmap, size.bmWidth, size.bmHeight);
  }

 private:
  std::unique_ptr<Application> app_;
  HWND window_ = nullptr;
};

}  // namespace veltrim::test
