// What the tests read back from GDI: a bitmap's pixels, and the number of live GDI objects of this process.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace veltrim::test {

// The pixels of `bitmap` (not selected into a DC) as 0xRRGGBB in top-down rows; empty when they cannot be read.
inline std::vector<std::uint32_t> BitmapPixels(HDC like, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  if (::GetDIBits(like, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) != height)
    return {};
  for (auto& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

// Wine answers 0 to GetGuiResources, but its handles carry their table index in the low word and a handle with a
// zero high word matches any generation, so every index can be asked.
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
