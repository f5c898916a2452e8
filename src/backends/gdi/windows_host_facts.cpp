#include "backends/gdi/windows_host_facts.hpp"

#include <windows.h>

#include <string>

namespace veltrim {
namespace {

// The text the call left, up to its NUL or the buffer's end.
std::string TextIn(std::span<const char> buffer) {
  std::size_t length = 0;
  while (length < buffer.size() && buffer[length] != '\0') ++length;
  return {buffer.data(), length};
}

}  // namespace

HostFacts ReadWindowsHostFacts(std::span<char> buffer) {
  HostFacts facts;
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  facts.time = {now.wYear, now.wMonth, now.wDayOfWeek, now.wDay, now.wHour, now.wMinute, now.wSecond,
                now.wMilliseconds};
  if (buffer.empty()) return facts;
  DWORD size = static_cast<DWORD>(buffer.size());
  if (::GetComputerNameA(buffer.data(), &size)) facts.computerName = TextIn(buffer);
  size = static_cast<DWORD>(buffer.size());
  if (::GetUserNameA(buffer.data(), &size)) facts.userName = TextIn(buffer);
  return facts;
}

}  // namespace veltrim
