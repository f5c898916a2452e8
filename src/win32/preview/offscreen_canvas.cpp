#include "win32/preview/offscreen_canvas.hpp"

#include <utility>

namespace veltrim {
namespace {

bool Selected(HGDIOBJ replaced) { return replaced != nullptr && replaced != HGDI_ERROR; }

win::OwnedPen SolidPen(int width, ColorRef colour) {
  return win::OwnedPen(::CreatePen(PS_SOLID, width, colour));
}

win::OwnedBrush SolidBrush(ColorRef colour) {
  const LOGBRUSH brush{BS_SOLID, colour, 0};
  return win::OwnedBrush(::CreateBrushIndirect(&brush));
}

// The colour's three bytes: a pixel that cannot be read (CLR_INVALID) is white.
ColorRef ColourBytes(COLORREF colour) { return Rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

}  // namespace

OffscreenCanvas::OffscreenCanvas() : OffscreenCanvas(Calls{}) {}

OffscreenCanvas::OffscreenCanvas(const Calls& calls) : calls_(calls), surface_(std::in_place, nullptr) {}

OffscreenCanvas::~OffscreenCanvas() { Release(); }

int OffscreenCanvas::Attach(HWND window) {
  if (Attached()) return kAlreadyAttached;

  // Everything is made into locals first, so an early return gives back
  // whatever was made before it.
  RECT rect{};
  if (!::GetWindowRect(window, &rect)) return kGetWindowRectFailed;
  win::WindowDc windowDc(window, calls_.getDc(window));
  if (!windowDc) return kGetDcFailed;
  win::OwnedDc memoryDc(calls_.createCompatibleDc(windowDc.Get()));
  if (!memoryDc) return kCreateMemoryDcFailed;
  // Compatible with the window, not the memory DC: a fresh memory DC is
  // monochrome.
  win::OwnedBitmap bitmap(::CreateCompatibleBitmap(windowDc.Get(), rect.right - rect.left, rect.bottom - rect.top));
  if (!bitmap) return kCreateBitmapFailed;

  const SavedObjects saved{::GetCurrentObject(memoryDc.Get(), OBJ_PEN), ::GetCurrentObject(memoryDc.Get(), OBJ_BRUSH),
                           ::GetCurrentObject(memoryDc.Get(), OBJ_PAL), ::GetCurrentObject(memoryDc.Get(), OBJ_FONT),
                           ::GetCurrentObject(memoryDc.Get(), OBJ_BITMAP)};
  if (!Selected(calls_.selectObject(memoryDc.Get(), bitmap.Get()))) return kSelectBitmapFailed;

  window_ = window;
  rect_ = rect;
  saved_ = saved;
  flags_ = kAttached | (::GetDeviceCaps(memoryDc.Get(), 1) != 0 ? kUseSetPixelV : 0u);
  background_ = ColourBytes(::GetPixel(windowDc.Get(), 0, 0));
  windowDc_.emplace(std::move(windowDc));
  memoryDc_ = std::move(memoryDc);
  bitmap_ = std::move(bitmap);
  surface_.emplace(memoryDc_.Get());
  FillWithBackground();
  return kOk;
}

bool OffscreenCanvas::FillWithBackground() {
  const HDC dc = memoryDc_.Get();
  const win::OwnedPen pen = SolidPen(1, background_);
  const win::OwnedBrush brush = SolidBrush(background_);
  if (!pen || !brush) return false;
  const win::SelectGuard penSelection(dc, pen.Get());
  const win::SelectGuard brushSelection(dc, brush.Get());
  if (!penSelection || !brushSelection) return false;
  return ::Rectangle(dc, 0, 0, Width(), Height()) != 0;
}

int OffscreenCanvas::Clear() {
  if (!Attached()) return 0;
  return FillWithBackground() ? 1 : 0;
}

bool OffscreenCanvas::Present() {
  if (!Attached()) return false;
  return ::BitBlt(windowDc_->Get(), 0, 0, Width(), Height(), memoryDc_.Get(), 0, 0, SRCCOPY) != 0;
}

int OffscreenCanvas::Release() {
  if (!Attached()) return 0;
  int failed = 0;
  const auto count = [&failed](bool succeeded) { failed += succeeded ? 0 : 1; };
  const HDC dc = memoryDc_.Get();

  count(Selected(::SelectObject(dc, saved_.pen)));
  count(Selected(::SelectObject(dc, saved_.brush)));
  // Palettes are selected with SelectPalette; SelectObject refuses them.
  count(::SelectPalette(dc, static_cast<HPALETTE>(saved_.palette), FALSE) != nullptr);
  count(Selected(::SelectObject(dc, saved_.font)));
  count(Selected(::SelectObject(dc, saved_.bitmap)));
  surface_.emplace(nullptr);
  count(::DeleteObject(bitmap_.Release()) != 0);
  count(calls_.deleteDc(memoryDc_.Release()) != 0);
  windowDc_.reset();  // ReleaseDC to the window the DC came from
  // The saved objects are a fresh memory DC's defaults, all stock objects:
  // deleting them changes nothing and succeeds. They are forgotten below,
  // so they are never handed to DeleteObject a second time.
  for (HGDIOBJ object : {saved_.pen, saved_.brush, saved_.palette, saved_.font, saved_.bitmap})
    count(::DeleteObject(object) != 0);

  window_ = nullptr;
  rect_ = {};
  background_ = {};
  saved_ = {};
  flags_ = 0;
  return failed;
}

}  // namespace veltrim
