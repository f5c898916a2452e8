// The canvas as a Cairo image surface, written as the cairo backend writes
// its PNG pages.
#include "backends/cairo/cairo_surface.hpp"
#include "cli/cli_image.hpp"

namespace veltrim::cli {
namespace {

// Binds the image to the surface for as long as it draws.
class BoundPage {
 public:
  BoundPage(CairoSurface& surface, cairo_t* cr, cairo_surface_t* image) : surface_(surface) {
    surface_.BeginPage(cr, 1.0, 1.0, image);
  }
  ~BoundPage() { surface_.EndPage(); }
  BoundPage(const BoundPage&) = delete;
  BoundPage& operator=(const BoundPage&) = delete;

 private:
  CairoSurface& surface_;
};

}  // namespace

bool WriteDrawnPng(int width, int height, const std::string& output, const DrawOnCanvas& draw,
                   std::string& error) {
  DeviceCaps caps;
  caps.dpiX = caps.dpiY = 96;  // a screen: one unit a pixel
  caps.physicalWidth = caps.horzRes = width;
  caps.physicalHeight = caps.vertRes = height;
  CairoSurface surface(caps);
  cairo_detail::CairoSurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
  cairo_detail::CairoPtr cr(cairo_create(image.get()));
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
    error = CannotMakeImage(width, height);
    return false;
  }
  cairo_set_source_rgb(cr.get(), 1, 1, 1);
  cairo_paint(cr.get());
  {
    const BoundPage page(surface, cr.get(), image.get());
    draw({surface, width, height});
  }
  cairo_surface_flush(image.get());
  if (cairo_surface_write_to_png(image.get(), output.c_str()) != CAIRO_STATUS_SUCCESS) {
    error = "cannot write " + output;
    return false;
  }
  return true;
}

}  // namespace veltrim::cli
