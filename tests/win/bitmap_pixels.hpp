// A bitmap's pixels read back through GDI, for tests that compare what is shown.
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

}  // namespace veltrim::test
