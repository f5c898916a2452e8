#pragma once
// The print job's host in the desktop program: settings come from the main
// window's number boxes through the shared text buffer, the report goes to
// its report box, messages are message boxes owned by the window, the
// machine's facts come from Windows.

#include <windows.h>

#include "app/desktop_state.hpp"
#include "print/print_host.hpp"

namespace veltrim {

class DialogPrintHost final : public PrintHost {
 public:
  DialogPrintHost(HWND window, DesktopState& state) noexcept : window_(window), state_(state) {}

  std::string ReadControlText(int controlId) override;
  void SetReport(std::string_view report) override;
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
