#include "preview/preview_window.hpp"

#include <string>

#include "app/main_window_layout.hpp"
#include "print/print_host.hpp"
#include "support/number_text.hpp"

namespace veltrim {

ObjectHandle ResourcePictures::Load(Surface&, int id) {
  return ObjectHandle{reinterpret_cast<std::uintptr_t>(::LoadBitmapA(instance_, MAKEINTRESOURCEA(id)))};
}

void RefreshPreview(HWND window, DesktopState& state) {
  std::string offset(30001, '\0');
  ::SendDlgItemMessageA(window, kIdPaperOffset, WM_GETTEXT, offset.size(), reinterpret_cast<LPARAM>(offset.data()));
  OffscreenCanvas& canvas = state.swatches[kPreviewCanvas];
  canvas.Clear();
  ResourcePictures pictures(state.instance);
  const bool setPixelV = (canvas.Flags() & OffscreenCanvas::kUseSetPixelV) != 0;
  if (!DrawPreview({canvas.Canvas(), canvas.Width(), canvas.Height(), setPixelV}, state.selection,
                   TextToInt(offset.c_str()), pictures))
    ::MessageBoxA(window, kUnknownTabText, kApplicationErrorCaption, MB_ICONHAND);
  canvas.Present();
  ::UpdateWindow(::GetDlgItem(window, kPreviewControl));
}

}  // namespace veltrim
