#pragma once
// OffscreenCanvas: a memory bitmap of a window's size, drawn into off screen
// and copied to the window in one block transfer when Present is called.
// Every on-screen picture (the preview area, the colour-plotting and calibration pictures) is composed here.
//
// The operations answer with the program's own result codes; callers may
// ignore them, nothing is ever shown to the user from here.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "backends/gdi/gdi_surface.hpp"
#include "backends/gdi/win_handles.hpp"

namespace veltrim {

class OffscreenCanvas {
 public:
  // Bits of Flags().
  static constexpr std::uint32_t kUseSetPixelV = 0x2;  // GetDeviceCaps(memoryDC, 1) was non-zero
  static constexpr std::uint32_t kAttached = 0x4;

  // Attach results.
  static constexpr int kOk = 0;
  static constexpr int kSelectBitmapFailed = 2;
  static constexpr int kCreateBitmapFailed = 6;
  static constexpr int kCreateMemoryDcFailed = 7;
  static constexpr int kGetDcFailed = 8;
  static constexpr int kGetWindowRectFailed = 9;
  static constexpr int kAlreadyAttached = 10;

  // The objects a fresh memory DC holds before the canvas selects anything.
  struct SavedObjects {
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ palette = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ bitmap = nullptr;
  };

  // The GDI calls whose failures Attach answers with codes of its own. The
  // program uses the system's; tests put in ones that fail, since a real GDI does not fail on demand.
  struct Calls {
    HDC(WINAPI* getDc)(HWND) = ::GetDC;
    HDC(WINAPI* createCompatibleDc)(HDC) = ::CreateCompatibleDC;
    HGDIOBJ(WINAPI* selectObject)(HDC, HGDIOBJ) = ::SelectObject;
    BOOL(WINAPI* deleteDc)(HDC) = ::DeleteDC;
  };

  OffscreenCanvas();
  explicit OffscreenCanvas(const Calls& calls);
  // An attached canvas is released when it goes.
  ~OffscreenCanvas();
  // The canvas hands its memory DC to a Surface and is kept in one place
  // for the life of its window: neither copied nor moved.
  OffscreenCanvas(const OffscreenCanvas&) = delete;
  OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

  // Binds the canvas to `window` at the window's current size and fills it
  // with the colour of the window's pixel at (0, 0). Nothing reaches the
  // window before Present. On failure nothing is kept.
  int Attach(HWND window);

  // Refills the whole canvas with the background; non-zero on success.
  int Clear();

  // Copies the whole canvas to the window at (0, 0). False when detached or
  // when the transfer failed.
  bool Present();

  // Gives everything back and returns how many clean-up calls failed. A
  // detached canvas has nothing to give back: 0. The canvas can be attached
  // again afterwards.
  int Release();

  // The canvas as a drawing surface for code written against Surface. While
  // detached it has no DC and every drawing call fails.
  Surface& Canvas() noexcept { return *surface_; }

  bool Attached() const noexcept { return (flags_ & kAttached) != 0; }
  HWND Window() const noexcept { return window_; }
  HDC MemoryDc() const noexcept { return memoryDc_.Get(); }
  HBITMAP Bitmap() const noexcept { return bitmap_.Get(); }
  const RECT& WindowRect() const noexcept { return rect_; }
  int Width() const noexcept { return rect_.right - rect_.left; }
  int Height() const noexcept { return rect_.bottom - rect_.top; }
  ColorRef Background() const noexcept { return background_; }
  // The colour Clear fills with; Attach takes it from the window's pixel.
  void SetBackground(ColorRef colour) noexcept { background_ = colour; }
  const SavedObjects& Saved() const noexcept { return saved_; }
  std::uint32_t Flags() const noexcept { return flags_; }

 private:
  bool FillWithBackground();

  Calls calls_;
  HWND window_ = nullptr;
  std::optional<win::WindowDc> windowDc_;
  win::OwnedDc memoryDc_;
  win::OwnedBitmap bitmap_;
  RECT rect_{};
  ColorRef background_{};
  SavedObjects saved_{};
  std::uint32_t flags_ = 0;
  std::optional<GdiSurface> surface_;
};

}  // namespace veltrim
