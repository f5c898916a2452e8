// Runs the desktop program's main window inside a test, the way Veltrim.exe runs it, and drives it with the
// messages a user's actions produce.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/application.hpp"
#include "dialog_driver.hpp"

namespace veltrim::test {

class MainWindowDriver {
 public:
  MainWindowDriver();
  ~MainWindowDriver();
  MainWindowDriver(const MainWindowDriver&) = delete;
  MainWindowDriver& operator=(const MainWindowDriver&) = delete;

  bool Started() const { return app_ != nullptr; }
  HWND Window() const { return window_; }
  HWND Control(int id) const { return ::GetDlgItem(window_, id); }
  DesktopState& State() { return app_->State(); }

  // A click or menu choice, handled before this returns.
  void Command(int id) { ::SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // A key pressed while the window is active, through the message loop.
  void Key(UINT virtualKey);
  void Pump() { app_->PumpPending(); }

  bool Visible(int id) const { return ::IsWindowVisible(Control(id)) != FALSE; }
  std::string Text(int id) const { return WindowText(Control(id)); }
  void SetText(int id, const std::string& text) { ::SetWindowTextA(Control(id), text.c_str()); }

  // Posts `message` and runs the loop until the program ends, as Veltrim.exe does; returns the loop's exit value.
  // The window is then destroyed as the process's end would destroy it, after `beforeDestroy`.
  int EndWith(UINT message, WPARAM wParam, LPARAM lParam, const std::function<void()>& beforeDestroy = {});

  // Whether `control` currently shows exactly the pixels of `bitmap`.
  static bool Shows(HWND control, HBITMAP bitmap);

 private:
  std::unique_ptr<Application> app_;
  HWND window_ = nullptr;
};

}  // namespace veltrim::test
