// Drawing a recipe on an image page, and the files the resource compiler
// takes: 24-bit bitmaps (through stb_image_write) and the icon container.
#include <cstdio>
#include <functional>
#include <memory>

#include "art.hpp"
#include "backends/cairo/cairo_surface.hpp"
#include "test_picture.hpp"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_SIMD
#include "stb_image_write.h"

namespace veltrim::art {
namespace {

// At 96 dpi with no margins one device unit is one pixel of the image.
Picture Render(int width, int height, const std::function<void(Surface&)>& draw) {
  DeviceCaps caps;
  caps.dpiX = caps.dpiY = 96;
  caps.physicalWidth = caps.horzRes = width;
  caps.physicalHeight = caps.vertRes = height;
  return RenderOn(caps, draw);
}

}  // namespace

Picture RenderOn(const DeviceCaps& caps, const std::function<void(Surface&)>& draw) {
  const int width = caps.horzRes, height = caps.vertRes;
  CairoSurface surface(caps);
  cairo_detail::CairoSurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
  cairo_detail::CairoPtr cr(cairo_create(image.get()));
  surface.BeginPage(cr.get(), 1.0, 1.0, image.get());
  draw(surface);
  surface.EndPage();
  cairo_surface_flush(image.get());

  Picture picture{width, height, {}};
  picture.pixels.reserve(static_cast<std::size_t>(width) * height);
  const unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) picture.pixels.push_back(row[x] & 0xFFFFFF);
  }
  return picture;
}

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

void Put16(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}
void Put32(std::vector<unsigned char>& out, unsigned value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// One icon image: a BITMAPINFOHEADER of twice the height (colour rows, then
// the mask rows), 32-bit rows bottom-up, then a 1-bit mask of zeros (opaque).
std::vector<unsigned char> IconImage(const Picture& picture) {
  std::vector<unsigned char> out;
  const unsigned maskStride = ((static_cast<unsigned>(picture.width) + 31) / 32) * 4;
  const unsigned colourBytes = static_cast<unsigned>(picture.width * picture.height) * 4;
  Put32(out, 40);
  Put32(out, static_cast<unsigned>(picture.width));
  Put32(out, static_cast<unsigned>(picture.height) * 2);
  Put16(out, 1);   // planes
  Put16(out, 32);  // bits a pixel
  Put32(out, 0);   // BI_RGB
  Put32(out, colourBytes + maskStride * static_cast<unsigned>(picture.height));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = picture.height - 1; y >= 0; --y)
    for (int x = 0; x < picture.width; ++x) Put32(out, 0xFF000000u | picture.pixels[y * picture.width + x]);
  out.insert(out.end(), maskStride * static_cast<unsigned>(picture.height), 0);
  return out;
}

}  // namespace

Picture RenderRecipe(const Recipe& recipe) {
  return Render(recipe.width, recipe.height, [&recipe](Surface& s) { Draw(s, recipe); });
}

Picture RenderIcon(int size) {
  return Render(size, size, [size](Surface& s) { DrawIcon(s, size); });
}

Picture RenderTestPicture() {
  return Render(kTestPictureWidth, kTestPictureHeight, [](Surface& s) { DrawTestPicture(s); });
}

bool WriteBmp(const std::filesystem::path& file, const Picture& picture) {
  std::vector<unsigned char> rgb;
  rgb.reserve(picture.pixels.size() * 3);
  for (std::uint32_t pixel : picture.pixels) {
    rgb.push_back(static_cast<unsigned char>(pixel >> 16));
    rgb.push_back(static_cast<unsigned char>(pixel >> 8));
    rgb.push_back(static_cast<unsigned char>(pixel));
  }
  return stbi_write_bmp(file.string().c_str(), picture.width, picture.height, 3, rgb.data()) != 0;
}

bool WriteIco(const std::filesystem::path& file, const std::vector<Picture>& pictures) {
  std::vector<std::vector<unsigned char>> images;
  for (const Picture& picture : pictures) {
    if (picture.width != picture.height || picture.width < 1 || picture.width > 256) return false;
    images.push_back(IconImage(picture));
  }
  std::vector<unsigned char> out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // an icon
  Put16(out, static_cast<unsigned>(images.size()));
  unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int side = pictures[i].width;
    out.push_back(static_cast<unsigned char>(side == 256 ? 0 : side));
    out.push_back(static_cast<unsigned char>(side == 256 ? 0 : side));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<unsigned>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<unsigned>(images[i].size());
  }
  for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());

  std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(file.string().c_str(), "wb"));
  if (!stream) return false;
  if (std::fwrite(out.data(), 1, out.size(), stream.get()) != out.size()) return false;
  return std::fclose(stream.release()) == 0;
}

}  // namespace veltrim::art
