#include "win32/preview/preview_window.hpp"

#include <string>

#include "core/app/main_window_layout.hpp"
#include "core/app/number_boxes.hpp"
#include "core/page/print_host.hpp"
#include "win32/main_window/job_boxes.hpp"

namespace veltrim {

ObjectHandle ResourcePictures::Load(Surface&, int id) {
  return ObjectHandle{reinterpret_cast<std::uintptr_t>(::LoadBitmapA(instance_, MAKEINTRESOURCEA(id)))};
}

void RefreshPreview(HWND window, DesktopState& state) {
  // The preview reads its box into a buffer of 30001 characters, one more
  // than the job does.
  const int offsetMm = ReadBoxNumber(window, kIdPaperOffset, kJobBoxLimit + 1);
  OffscreenCanvas& canvas = state.swatches[kPreviewCanvas];
  canvas.Clear();
  ResourcePictures pictures(state.instance);
  const bool setPixelV = (canvas.Flags() & OffscreenCanvas::kUseSetPixelV) != 0;
  if (!DrawPreview({canvas.Canvas(), canvas.Width(), canvas.Height(), setPixelV}, state.selection,
                   offsetMm, pictures))
    ::MessageBoxA(window, kUnknownTabText, kApplicationErrorCaption, MB_ICONHAND);
  canvas.Present();
  ::UpdateWindow(::GetDlgItem(window, kPreviewControl));
}

}  // namespace veltrim
