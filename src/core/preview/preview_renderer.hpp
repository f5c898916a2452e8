#pragma once
// The main window's miniature of what the ticked patterns of the current tab
// look like on paper: 0.8047 preview pixels a millimetre, patterns stacked
// from the top in the order they print, some shown by ready-made pictures.
// Drawn on any Surface; the caller clears the canvas first and presents it
// in one block transfer afterwards, so the control never shows it half-drawn.

#include <string_view>

#include "core/job/test_selection.hpp"
#include "core/platform/pixel_canvas.hpp"

namespace veltrim {

// The preview pictures, bitmap resources 20 to 37.
inline constexpr int kPreviewBitmapImage = 20;      // Color: Bitmapped Image, 167 x 239
inline constexpr int kPreviewCmykSquare = 21;       // Advanced 13, 167 x 239
inline constexpr int kPreviewTextOnly = 22;         // Advanced 14, 167 x 239
inline constexpr int kPreviewCustomSquare = 23;     // Custom 4, 167 x 239
inline constexpr int kPreviewGraph = 24;            // Calibration graph, 167 x 239
inline constexpr int kPreviewCmyGradients = 25;     // 167 x 23
inline constexpr int kPreviewRgbGradients = 26;     // 167 x 23
inline constexpr int kPreviewBlackGradient = 27;    // 167 x 7
inline constexpr int kPreviewCalibrationTitle = 28; // 167 x 10
// 29 cyan (167 x 32), 30 magenta (x 31), 31 yellow (x 32), 32 black (x 18),
// 33 red, 34 green, 35 blue (x 31 each): the calibration strips.
inline constexpr int kPreviewCmyCrossover = 36;     // 60 x 60
inline constexpr int kPreviewRgbCrossover = 37;     // 60 x 60

// Where the pictures come from: the program's resources on Windows, files
// made from the same drawings elsewhere.
class PreviewPictures {
 public:
  virtual ~PreviewPictures() = default;
  // Picture `id` as a bitmap object of `surface` that the caller deletes,
  // or none.
  virtual ObjectHandle Load(Surface& surface, int id) = 0;
};


// Draws the preview of `selection`'s current tab with the paper offset
// `offsetMm` (the offset box's number, held to +-kFarOffPage). False, with
// nothing drawn, when the current tab is none of 0 to 4: the caller tells
// the user and still presents the canvas.
bool DrawPreview(const PixelCanvas& canvas, const TestSelection& selection, int offsetMm,
                 PreviewPictures& pictures);

// The paragraph the Simple Text Full Page preview wraps over the canvas: the
// program's banner, a short notice and filler words, the same every time.
std::string_view PreviewSimpleText();

}  // namespace veltrim
