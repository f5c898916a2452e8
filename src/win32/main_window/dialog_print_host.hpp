#pragma once
// The print job's host in the desktop program: messages are message boxes
// owned by the main window, the machine's facts come from Windows.

#include <windows.h>

#include "core/page/print_host.hpp"
#include "win32/app/desktop_state.hpp"

namespace veltrim {

class DialogPrintHost final : public PrintHost {
 public:
  DialogPrintHost(HWND window, DesktopState& state) noexcept : window_(window), state_(state) {}

  double ClockMilliseconds() override;
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  HostFacts ReadHostFacts() override;  // the names pass through the shared text buffer
  std::string ProgramFilePath() override { return ProgramPath(state_.instance); }

 private:
  HWND window_;
  DesktopState& state_;
};

// Copies `text` into a work buffer, cut to fit with its NUL.
void CopyToWorkBuffer(std::string_view text, WorkBuffer& buffer);

}  // namespace veltrim
