// The preview area's pixels as the screen shows them, and as the core draws the same selection on a GDI memory
// surface of the canvas's size.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "backends/gdi/gdi_surface.hpp"
#include "backends/gdi/win_handles.hpp"
#include "dialog_driver.hpp"
#include "win32/app/desktop_state.hpp"
#include "win32/preview/preview_window.hpp"

namespace veltrim::test {

// 0x00RRGGBB pixels of a 32-bit top-down DIB section filled by `fill`.
inline std::vector<std::uint32_t> Pixels(int width, int height, const std::function<void(HDC)>& fill) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const win::WindowDc screen(nullptr);
  const win::OwnedDc memory(::CreateCompatibleDC(screen.Get()));
  const win::OwnedBitmap section(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || !bits) return {};
  {
    const win::SelectGuard selection(memory.Get(), section.Get());
    fill(memory.Get());
    ::GdiFlush();
  }
  const auto* data = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(data, data + static_cast<std::size_t>(width) * height);
  for (auto& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

// What the display shows in the control's rectangle.
inline std::vector<std::uint32_t> OnScreen(HWND control) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  return Pixels(rect.right - rect.left, rect.bottom - rect.top, [&](HDC memory) {
    const win::WindowDc screen(nullptr);
    ::BitBlt(memory, 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen.Get(), rect.left, rect.top, SRCCOPY);
  });
}

// The core's drawing of the window's selection on a cleared canvas.
inline std::vector<std::uint32_t> Expected(DesktopState& state, int offset) {
  const OffscreenCanvas& canvas = state.swatches[kPreviewCanvas];
  return Pixels(canvas.Width(), canvas.Height(), [&](HDC memory) {
    const win::OwnedBrush background(::CreateSolidBrush(canvas.Background()));
    const RECT all{0, 0, canvas.Width(), canvas.Height()};
    ::FillRect(memory, &all, background.Get());
    GdiSurface surface(memory);
    ResourcePictures pictures(::GetModuleHandleA(nullptr));
    DrawPreview({surface, canvas.Width(), canvas.Height(), (canvas.Flags() & OffscreenCanvas::kUseSetPixelV) != 0},
                state.selection, offset, pictures);
  });
}

// Whether every pixel has one colour.
inline bool Uniform(const std::vector<std::uint32_t>& pixels) {
  return std::all_of(pixels.begin(), pixels.end(), [&](std::uint32_t p) { return p == pixels.front(); });
}

// Whether the control comes to show what `shows` accepts within two seconds: a closed dialog's area is painted
// again from the canvas a moment after it goes.
inline bool ShowsSoon(const std::function<void()>& pump, HWND control,
                      const std::function<bool(const std::vector<std::uint32_t>&)>& shows) {
  return Soon([&] {
    pump();
    return shows(OnScreen(control));
  }, 100);
}

}  // namespace veltrim::test
