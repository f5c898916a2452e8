#pragma once
// The desktop program's life: start-up (common controls, the rich-edit
// libraries, OnInit, the main window, accelerators, icon, buffers and
// colours), the message loop, and the clean-up the main window asks for.

#include <windows.h>

#include <memory>

#include "win32/app/desktop_state.hpp"
#include "win32/main_window/main_window.hpp"

namespace veltrim {

inline constexpr int kAcceleratorTable = 12;
inline constexpr int kAppIcon = 11;

class Application {
 public:
  // Runs start-up and creates the main window. When the window cannot be
  // created the user is told and nothing is returned.
  static std::unique_ptr<Application> Start(HINSTANCE instance, int showState);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Pumps messages until the quit message; frees the rich-edit libraries
  // and returns the quit message's value.
  int Run();
  // Handles the messages already queued, as Run would; false once the quit
  // message was taken.
  bool PumpPending();

  DesktopState& State() { return *state_; }
  HWND MainWindow() const { return state_->mainWindow; }

 private:
  Application();
  void Dispatch(MSG& message);
  void FreeRichEditLibraries();

  // The program's one record, handed to each window that uses it.
  std::unique_ptr<DesktopState> state_;
  std::unique_ptr<MainWindowDialog> mainWindow_;
  HMODULE richEdit1_ = nullptr;
  HMODULE richEdit2_ = nullptr;
  HACCEL accelerators_ = nullptr;  // resource table: freed with the module
};

// Gives back the canvases (preview first, then slots 8 down to 0, then 9),
// clears the work buffers and deletes every bitmap and the brush. Safe to
// run twice: what is gone is not given back again.
void Cleanup(DesktopState& state);

// The entry routine's work: start-up, then the loop. 0 when the main window
// could not be created.
int RunApplication(HINSTANCE instance, int showState);

}  // namespace veltrim
