// The preview drawn by the cairo backend on an image the preview's size.
#include "cairo_surface.hpp"
#include "cli_preview.hpp"
#include "program_file.hpp"

namespace veltrim::cli {

bool WritePreviewPng(const TestSelection& selection, int offsetMm, const std::filesystem::path& output,
                     std::string& error) {
  DeviceCaps caps;
  caps.dpiX = caps.dpiY = 96;  // a screen: one unit a pixel
  caps.physicalWidth = caps.horzRes = kPreviewWidth;
  caps.physicalHeight = caps.vertRes = kPreviewHeight;
  CairoSurface surface(caps);
  cairo_detail::CairoSurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPreviewWidth, kPreviewHeight));
  cairo_detail::CairoPtr cr(cairo_create(image.get()));
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
    error = "cannot make the preview image";
    return false;
  }
  cairo_set_source_rgb(cr.get(), 1, 1, 1);  // the preview area's white
  cairo_paint(cr.get());
  surface.BeginPage(cr.get(), 1.0, 1.0, image.get());
  PicturesBesideProgram pictures(RunningProgramPath());
  const bool known = DrawPreview({surface, kPreviewWidth, kPreviewHeight}, selection, offsetMm, pictures);
  surface.EndPage();
  cairo_surface_flush(image.get());

  // As the cairo backend writes its PNG pages.
  if (cairo_surface_write_to_png(image.get(), output.c_str()) != CAIRO_STATUS_SUCCESS) {
    error = "cannot write " + output.string();
    return false;
  }
  if (!known) error = "no such category";
  return known;
}

}  // namespace veltrim::cli
