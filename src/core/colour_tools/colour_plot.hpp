#pragma once
// The pictures of the large preview: a big copy of the colour pattern the
// main window asked for, the seven colour correction curves plotted from
// the printer's and the screen's calibration values, and the readout of
// the colour under the mouse. Drawn on any surface, so the dialog and the
// command line show the same pixels.

#include <array>
#include <string>

#include "core/app/app_state.hpp"
#include "core/platform/pixel_canvas.hpp"

namespace veltrim {

// The large-preview kinds the main window decides.
inline constexpr int kPlotCmykCorners = 1;      // Advanced: CMYK four-corner gradient
inline constexpr int kPlotCurvesOnly = 2;       // Color Calibration: no picture
inline constexpr int kPlotSaturationLightness = 3;
inline constexpr int kPlotTwoColourGradient = 4;  // Custom Gradient
inline constexpr int kPlotCustomCorners = 5;      // Custom 4 Sided Gradient

// The picture control's size in pixels, for a dialog font whose average
// character is 6 x 13 pixels (the picture is 330 x 300 dialog units).
inline constexpr int kPlotPictureWidth = 495;
inline constexpr int kPlotPictureHeight = 487;

inline constexpr int kGradientStripes = 512;

// Draws the picture of `kind` pixel by pixel; the colours come from the
// selection's colour slots and gradient layout. Kind 2 draws nothing.
// False for a kind outside 1..5.
bool DrawPlotPicture(const PixelCanvas& canvas, int kind, const TestSelection& selection);

// Height of a curve's two middle control points: t(((50 - (P - S)) x h) /
// 200), in single precision, truncated toward zero, held to
// +-kFarOffPage: that far off the picture the visible part of the curve no
// longer changes, and every surface still draws the coordinate.
int CurveMiddle(int printerValue, int screenValue, int height);

// The four points of one ink's curve on a w x h plot.
std::array<Point, 4> CurvePoints(int printerValue, int screenValue, int width, int height);

// The grey diagonal and quarter lines, then the curves of C, M, Y, K, R, G
// and B in their ink colours, two pixels wide, over whatever is on the
// surface (the caller clears it first).
void DrawCurves(Surface& dc, int width, int height, const CalibrationValues& printer, const CalibrationValues& screen);

// The readout for the pixel at (x, y) of a picture `width` x `height` whose
// colour is `pixel`: position in percent, then RGB, HSL and CMYK.
std::string ColourReadout(int x, int y, int width, int height, ColorRef pixel);

}  // namespace veltrim
