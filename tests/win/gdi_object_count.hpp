// The number of live GDI objects of this process, for tests that check nothing is left behind.
#pragma once

#include <windows.h>

#include <cstdint>

namespace veltrim::test {

// Wine answers 0 to GetGuiResources, but its handles carry their table index in the low word and a handle with a zero
// high word matches any generation, so every index can be asked.
inline int LiveGdiObjects() {
  ::SetLastError(0);
  const DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (count != 0 || ::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return static_cast<int>(count);
  int live = 0;
  for (std::uintptr_t index = 0; index <= 0xFFFF; ++index)
    live += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
  return live;
}

}  // namespace veltrim::test
