// The canvas as a 24-bit DIB section selected into a memory DC, written
// with the PNG writer of the GDI file targets.
#include <windows.h>

#include "backends/gdi/gdi_surface.hpp"
#include "backends/gdi/win_handles.hpp"
#include "cli/cli_image.hpp"
#include "core/platform/raster_files.hpp"

namespace veltrim::cli {

bool WriteDrawnPng(int width, int height, const std::string& output, const DrawOnCanvas& draw,
                   std::string& error) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const win::WindowDc screen(nullptr);
  const win::OwnedDc memory(::CreateCompatibleDC(screen.Get()));
  const win::OwnedBitmap section(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !section || !bits) {
    error = CannotMakeImage(width, height);
    return false;
  }
  {
    const win::SelectGuard selected(memory.Get(), section.Get());
    if (!selected) {
      error = CannotMakeImage(width, height);
      return false;
    }
    const RECT all{0, 0, width, height};
    ::FillRect(memory.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    GdiSurface surface(memory.Get());
    draw({surface, width, height, ::GetDeviceCaps(memory.Get(), 1) != 0});
    ::GdiFlush();
  }
  const int stride = (width * 3 + 3) & ~3;
  if (!WritePngFile(output, {static_cast<const std::uint8_t*>(bits), width, height, stride, true})) {
    error = "cannot write " + output;
    return false;
  }
  return true;
}

}  // namespace veltrim::cli
