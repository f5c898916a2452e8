#pragma once
// The process-wide state of the desktop program: the portable AppState plus
// what only Windows has (the instance, the windows, the brush, the bitmaps
// and the canvases). One record per process, owned by the Application and
// handed to the windows that use it.

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "backends/gdi/win_handles.hpp"
#include "core/app/app_state.hpp"
#include "win32/preview/offscreen_canvas.hpp"

namespace veltrim {

// swatches[0] is the preview canvas; swatches[1 + k] belongs to colour slot k.
inline constexpr int kPreviewCanvas = 0;
inline constexpr int kCanvasCount = 1 + kColourSlots;
constexpr int SwatchCanvas(int slot) { return 1 + slot; }

struct DesktopState : AppState {
  HINSTANCE instance = nullptr;
  HWND mainWindow = nullptr;
  HICON appIcon = nullptr;  // shared resource icon: never destroyed
  win::OwnedBrush whiteBrush;
  // In load order; a bitmap that failed to load is kept as null.
  std::vector<std::pair<int, win::OwnedBitmap>> bitmaps;
  std::array<OffscreenCanvas, kCanvasCount> swatches;

  // The loaded bitmap of resource `id`, or null.
  HBITMAP Bitmap(int id) const;
};

// The full path of the program file, as the platform gives it (260 at most).
std::string ProgramPath(HINSTANCE instance);

}  // namespace veltrim
