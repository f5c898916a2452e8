// The preview drawn by GDI on a memory DC holding a bitmap the preview's size.
#include <windows.h>

#include "cli_preview.hpp"
#include "gdi_surface.hpp"
#include "platform/raster_files.hpp"
#include "program_file.hpp"
#include "win_handles.hpp"

namespace veltrim::cli {

bool WritePreviewPng(const TestSelection& selection, int offsetMm, const std::filesystem::path& output,
                     std::string& error) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kPreviewWidth, -kPreviewHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const win::WindowDc screen(nullptr);
  const win::OwnedDc memory(::CreateCompatibleDC(screen.Get()));
  const win::OwnedBitmap section(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !section || !bits) {
    error = "cannot make the preview image";
    return false;
  }
  bool known = false;
  {
    const win::SelectGuard selected(memory.Get(), section.Get());
    const RECT all{0, 0, kPreviewWidth, kPreviewHeight};
    ::FillRect(memory.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    GdiSurface surface(memory.Get());
    PicturesBesideProgram pictures(RunningProgramPath());
    known = DrawPreview({surface, kPreviewWidth, kPreviewHeight, ::GetDeviceCaps(memory.Get(), 1) != 0}, selection,
                        offsetMm, pictures);
    ::GdiFlush();
  }
  const int stride = (kPreviewWidth * 3 + 3) & ~3;
  if (!WritePngFile(output, {static_cast<const std::uint8_t*>(bits), kPreviewWidth, kPreviewHeight, stride, true})) {
    error = "cannot write " + output.string();
    return false;
  }
  if (!known) error = "no such category";
  return known;
}

}  // namespace veltrim::cli
