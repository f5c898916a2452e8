#pragma once
// The portable part of the process-wide state: the work buffers, the shared
// text, the test selection with its colours, the pointer-over flags (main
// window and about box), the large-preview kind and the screen calibration
// values. The Win32 front end
// keeps its handles (instance, windows, brush, bitmaps, canvases) beside it.

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/about/about_layout.hpp"
#include "core/job/test_selection.hpp"
#include "core/support/dyn_string.hpp"

namespace veltrim {

// Edit-control text is read with a limit of 30000 characters plus its NUL.
inline constexpr std::size_t kWorkBufferSize = 30001;
inline constexpr int kHoverButtons = 15;      // buttons 1165..1179
inline constexpr int kCalibrationValues = 7;  // C, M, Y, K, R, G, B

using WorkBuffer = std::array<char, kWorkBufferSize>;
using CalibrationValues = std::array<int, kCalibrationValues>;

struct AppState {
  // Zero-filled on construction; the value-initialisers are what clear them.
  WorkBuffer textBuffer{};
  WorkBuffer printerName{};
  WorkBuffer printerPort{};
  DynString sharedText;

  // Tab, tick flags, Advanced option, layout and the ten colours, each
  // (79, 84, 87) from the start.
  TestSelection selection;

  std::array<std::uint8_t, kHoverButtons> hoverFlags{};
  AboutHoverFlags aboutHoverFlags{};  // the about box's buttons 4000..4004
  int largePreviewKind = 0;  // 1..5 once a large preview has been asked for
  CalibrationValues calibration{};
};

}  // namespace veltrim
