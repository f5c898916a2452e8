#pragma once
// What the cairo surface's source files share and nothing outside the backend
// sees: the realised font, the colour setter, pi and points to device units.

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "backends/cairo/cairo_handles.hpp"
#include "core/platform/surface.hpp"

namespace veltrim::cairo_detail {

// A LOGFONT made real: a face at a size in device units, its metrics as
// GetTextMetricsA reports them and the glyph and whole-unit advance of every
// 8-bit character.
struct RealizedFont {
  FontFacePtr face;
  cairo_matrix_t matrix{};
  FontOptionsPtr options;
  ScaledFontPtr scaled;
  TextMetrics metrics;
  std::array<unsigned long, 256> glyph{};
  std::array<int, 256> advance{};
  // Tops and thicknesses in device units, measured down from the cell's top.
  int underlineTop = 0;
  int underlineThickness = 1;
  int strikeTop = 0;
  int strikeThickness = 1;
  std::string name;
};

constexpr double kPi = std::numbers::pi;

inline void SetColour(cairo_t* cr, ColorRef colour) {
  cairo_set_source_rgb(cr, RedOf(colour) / 255.0, GreenOf(colour) / 255.0, BlueOf(colour) / 255.0);
}

inline int PointsToUnits(int points, int dpi) {
  return static_cast<int>(std::lround(points * static_cast<double>(dpi) / 72.0));
}

}  // namespace veltrim::cairo_detail
