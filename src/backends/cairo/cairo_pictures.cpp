// Pictures on the cairo surface: bitmap files decoded once while unchanged,
// their sizes, and BitBlt/StretchBlt onto the page.
#include "backends/cairo/cairo_surface.hpp"

#include <cstdint>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/support/bitmap_file.hpp"

namespace veltrim {

ObjectHandle CairoSurface::LoadBitmapFile(const char* path) {
  if (path == nullptr) return {};
  std::error_code timeError, sizeError;
  const auto written = std::filesystem::last_write_time(path, timeError);
  const auto size = std::filesystem::file_size(path, sizeError);
  const bool known = !timeError && !sizeError;
  const auto shared = [](cairo_surface_t* image) {
    return cairo_detail::CairoSurfacePtr(cairo_surface_reference(image));
  };
  if (known && picture_ && picture_->path == path && picture_->written == written && picture_->size == size)
    return Add({BitmapObject{shared(picture_->image.get())}, false});
  auto bitmap = DecodeBitmapFile(path);
  if (!bitmap) return {};
  // The decoded words are already RGB24 pixels: the image takes their buffer
  // and frees it with itself.
  static cairo_user_data_key_t pixelsKey;
  cairo_detail::CairoSurfacePtr image(cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(bitmap->data.get()), CAIRO_FORMAT_RGB24, bitmap->width, bitmap->height,
      bitmap->width * 4));
  if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS ||
      cairo_surface_set_user_data(image.get(), &pixelsKey, bitmap->data.get(),
                                  [](void* pixels) { DecodedPixelsFree{}(static_cast<std::uint32_t*>(pixels)); }) !=
          CAIRO_STATUS_SUCCESS)
    return {};
  bitmap->data.release();
  if (known) picture_ = LoadedPicture{path, written, size, shared(image.get())};
  return Add({BitmapObject{std::move(image)}, false});
}

bool CairoSurface::GetBitmapSize(ObjectHandle bitmap, Size& size) {
  const Object* found = Find(bitmap);
  if (found == nullptr || !std::holds_alternative<BitmapObject>(found->data)) return false;
  cairo_surface_t* image = std::get<BitmapObject>(found->data).image.get();
  size = {cairo_image_surface_get_width(image), cairo_image_surface_get_height(image)};
  return true;
}

bool CairoSurface::BitBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY) {
  return StretchBlt(x, y, width, height, bitmap, srcX, srcY, width, height);
}

bool CairoSurface::StretchBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY,
                              int srcWidth, int srcHeight) {
  const Object* found = Find(bitmap);
  if (cr_ == nullptr || found == nullptr || !std::holds_alternative<BitmapObject>(found->data)) return false;
  if (srcWidth == 0 || srcHeight == 0) return false;
  FillPendingCells();
  if (width == 0 || height == 0) return true;
  cairo_save(cr_);
  cairo_translate(cr_, x, y);
  cairo_scale(cr_, static_cast<double>(width) / srcWidth, static_cast<double>(height) / srcHeight);
  cairo_set_source_surface(cr_, std::get<BitmapObject>(found->data).image.get(), -srcX, -srcY);
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
  cairo_rectangle(cr_, 0, 0, srcWidth, srcHeight);
  cairo_fill(cr_);
  cairo_restore(cr_);
  return Ok();
}

}  // namespace veltrim
