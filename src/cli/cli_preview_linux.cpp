// The preview drawn by the cairo backend on an image the preview's size.
#include <vector>

#include "cairo_surface.hpp"
#include "cli_preview.hpp"
#include "platform/raster_files.hpp"
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

  // Cairo keeps 0x00RRGGBB words; the PNG takes red-green-blue bytes.
  const unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kPreviewWidth) * kPreviewHeight * 3);
  for (int y = 0; y < kPreviewHeight; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < kPreviewWidth; ++x) {
      std::uint8_t* out = &rgb[(static_cast<std::size_t>(y) * kPreviewWidth + x) * 3];
      out[0] = static_cast<std::uint8_t>(row[x] >> 16);
      out[1] = static_cast<std::uint8_t>(row[x] >> 8);
      out[2] = static_cast<std::uint8_t>(row[x]);
    }
  }
  if (!WritePngFile(output, {rgb.data(), kPreviewWidth, kPreviewHeight, kPreviewWidth * 3, false})) {
    error = "cannot write " + output.string();
    return false;
  }
  if (!known) error = "no such category";
  return known;
}

}  // namespace veltrim::cli
