#include "win32/main_window/dialog_print_host.hpp"

#include <algorithm>
#include <ctime>
#include <string>

#include "backends/gdi/windows_host_facts.hpp"

namespace veltrim {

double DialogPrintHost::ClockMilliseconds() {
  return static_cast<double>(std::clock()) * 1000.0 / CLOCKS_PER_SEC;
}

void DialogPrintHost::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
  UINT flags = MB_ICONINFORMATION;
  if (icon == MessageIcon::Stop) flags = MB_ICONHAND;
  if (icon == MessageIcon::Exclamation) flags = MB_ICONEXCLAMATION;
  ::MessageBoxA(window_, std::string(text).c_str(), std::string(caption).c_str(), flags);
}

HostFacts DialogPrintHost::ReadHostFacts() { return ReadWindowsHostFacts(state_.textBuffer); }

void CopyToWorkBuffer(std::string_view text, WorkBuffer& buffer) {
  const std::size_t length = std::min(text.size(), buffer.size() - 1);
  std::copy_n(text.data(), length, buffer.data());
  buffer[length] = '\0';
}

}  // namespace veltrim
