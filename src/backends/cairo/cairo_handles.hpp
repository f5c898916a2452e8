#pragma once
// Move-only owners for the Cairo and fontconfig objects the backend holds.
// Each releases its object with the library's own destroy call, on every
// path; a null owner releases nothing.

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <memory>

namespace veltrim::cairo_detail {

template <auto Release>
struct Releaser {
  template <typename T>
  void operator()(T* object) const noexcept {
    if (object != nullptr) Release(object);
  }
};

using CairoPtr = std::unique_ptr<cairo_t, Releaser<cairo_destroy>>;
using CairoSurfacePtr = std::unique_ptr<cairo_surface_t, Releaser<cairo_surface_destroy>>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, Releaser<cairo_pattern_destroy>>;
using FontFacePtr = std::unique_ptr<cairo_font_face_t, Releaser<cairo_font_face_destroy>>;
using ScaledFontPtr = std::unique_ptr<cairo_scaled_font_t, Releaser<cairo_scaled_font_destroy>>;
using FontOptionsPtr = std::unique_ptr<cairo_font_options_t, Releaser<cairo_font_options_destroy>>;
using FcConfigPtr = std::unique_ptr<FcConfig, Releaser<FcConfigDestroy>>;
using FcPatternPtr = std::unique_ptr<FcPattern, Releaser<FcPatternDestroy>>;

}  // namespace veltrim::cairo_detail
