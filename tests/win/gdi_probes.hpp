// What the tests read back from GDI: a bitmap's pixels, and the number of live GDI objects of this process.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "backends/gdi/win_handles.hpp"
#include "core/colour/colour_ref.hpp"

namespace veltrim::test {

// A memory DC holding a 24-bit top-down DIB section of width x height, filled with `fill`; pixels are read from the
// bits, not through GDI.
class DibCanvas {
 public:
  DibCanvas(int width, int height, COLORREF fill) : stride_((width * 3 + 3) & ~3), dc_(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.Reset(::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const std::uint8_t*>(bits);
    selection_.emplace(dc_.Get(), bitmap_.Get());
    const win::OwnedBrush brush(::CreateSolidBrush(fill));
    const RECT all{0, 0, width, height};
    ::FillRect(dc_.Get(), &all, brush.Get());
  }
  HDC Dc() const { return dc_.Get(); }
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  ColorRef At(int x, int y) const {
    ::GdiFlush();
    const std::uint8_t* p = bits_ + static_cast<std::size_t>(stride_) * y + 3 * x;
    return Rgb(p[2], p[1], p[0]);
  }

 private:
  int stride_;
  win::OwnedDc dc_;
  win::OwnedBitmap bitmap_;
  const std::uint8_t* bits_ = nullptr;
  std::optional<win::SelectGuard> selection_;  // goes first, so the bitmap is free to be deleted
};

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

// A bitmap resource of this program (the test drivers link the program's resources) as pixels, with its size; empty
// when it does not load.
inline std::vector<std::uint32_t> ResourcePixels(int id, SIZE& size) {
  const win::OwnedBitmap bitmap(static_cast<HBITMAP>(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))));
  BITMAP info{};
  if (!bitmap || ::GetObjectA(bitmap.Get(), sizeof info, &info) != sizeof info) return {};
  size = {info.bmWidth, info.bmHeight};
  return BitmapPixels(win::WindowDc(nullptr).Get(), bitmap.Get(), info.bmWidth, info.bmHeight);
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
