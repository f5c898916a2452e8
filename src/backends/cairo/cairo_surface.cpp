// The cairo surface's page: binding a page target and releasing it, and the
// device's capabilities. The other areas have files of their own:
// cairo_objects (object table and selection), cairo_fonts (font realisation),
// cairo_cells (the cell stencil), cairo_pictures (picture cache and blits),
// cairo_shapes (shapes and pixels), cairo_text (text and its metrics).
#include "backends/cairo/cairo_surface.hpp"

namespace veltrim {

CairoSurface::~CairoSurface() = default;

void CairoSurface::BeginPage(cairo_t* cr, double unitsPerDotX, double unitsPerDotY, cairo_surface_t* readable) {
  cr_ = cr;
  readable_ = readable;
  directPixels_ = false;
  pending_.clear();
  if (cr_ == nullptr) return;
  if (readable_ != nullptr && unitsPerDotX == 1.0 && unitsPerDotY == 1.0 && cairo_get_target(cr_) == readable_) {
    const cairo_format_t format = cairo_image_surface_get_format(readable_);
    directPixels_ = format == CAIRO_FORMAT_RGB24 || format == CAIRO_FORMAT_ARGB32;
  }
  cairo_scale(cr_, unitsPerDotX, unitsPerDotY);
  cairo_translate(cr_, caps_.offsetX, caps_.offsetY);
  cairo_rectangle(cr_, 0, 0, caps_.horzRes, caps_.vertRes);
  cairo_clip(cr_);
  // GDI does not smooth shapes; pixel edges stay where the rules put them.
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
}

void CairoSurface::EndPage() {
  FillPendingCells();
  cr_ = nullptr;
  readable_ = nullptr;
  directPixels_ = false;
}

bool CairoSurface::Ok() const { return cr_ != nullptr && cairo_status(cr_) == CAIRO_STATUS_SUCCESS; }

bool CairoSurface::InPrintableArea(int x, int y) const {
  return x >= 0 && y >= 0 && x < caps_.horzRes && y < caps_.vertRes;
}

// --- Measuring ---------------------------------------------------------------

int CairoSurface::GetDeviceCaps(DeviceCap index) { return DeviceCapValue(caps_, index); }

}  // namespace veltrim
