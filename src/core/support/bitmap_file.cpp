#include "support/bitmap_file.hpp"

#include <climits>
#include <cstdlib>
#include <memory>

#include "support/file_helpers.hpp"

// stb_image from Debian's libstb-dev, header-only: compiled here, static,
// BMP only and without stdio (the file is read with our own helpers), so
// it clashes with no other copy and builds alike natively and with mingw.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_THREAD_LOCALS
// A page-sized bitmap at 1200 dpi is about 14000 x 10000 pixels; the decoder
// refuses larger sides before allocating for them.
#define STBI_MAX_DIMENSIONS 32768
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace veltrim {
namespace {

constexpr std::int64_t kMaxFileBytes = std::int64_t{1} << 30;

}  // namespace

void DecodedPixelsFree::operator()(std::uint32_t* pixels) const { stbi_image_free(pixels); }

std::optional<BitmapPixels> DecodeBitmapFile(const char* path) {
  const auto size = QueryFileSize(path);
  if (!size || *size <= 0 || *size > kMaxFileBytes || *size > INT_MAX) return std::nullopt;
  // Not zeroed first: the file fills it, and a picture is megabytes.
  const auto count = static_cast<std::size_t>(*size);
  const auto bytes = std::make_unique_for_overwrite<char[]>(count);
  std::int32_t read = 0;
  if (LoadWholeFile(path, std::span(bytes.get(), count), read) != 1 || read != *size) return std::nullopt;
  return DecodeBitmapBytes(std::span<const char>(bytes.get(), count));
}

std::optional<BitmapPixels> DecodeBitmapBytes(std::span<const char> bytes, std::int64_t maxPixels) {
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(kMaxFileBytes)) return std::nullopt;
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = static_cast<int>(bytes.size());
  int width = 0, height = 0, channels = 0;
  // A top-down bitmap's header gives its height negative, and the decoder's
  // header reader passes it on as it stands: the size is its magnitude.
  if (!stbi_info_from_memory(data, length, &width, &height, &channels) ||
      std::abs(std::int64_t{width}) * std::abs(std::int64_t{height}) > maxPixels)
    return std::nullopt;
  // Four bytes a pixel (red, green, blue, opaque), so each becomes its word
  // where it lies.
  BitmapPixels bitmap;
  bitmap.data.reset(
      reinterpret_cast<std::uint32_t*>(stbi_load_from_memory(data, length, &width, &height, &channels, 4)));
  if (!bitmap.data || width <= 0 || height <= 0 || std::int64_t{width} * height > maxPixels) return std::nullopt;
  bitmap.width = width;
  bitmap.height = height;
  auto* channel = reinterpret_cast<const std::uint8_t*>(bitmap.data.get());
  std::uint32_t* word = bitmap.data.get();
  for (const std::uint32_t* end = word + std::size_t(width) * std::size_t(height); word != end; ++word, channel += 4)
    *word = (std::uint32_t{channel[0]} << 16) | (std::uint32_t{channel[1]} << 8) | channel[2];
  return bitmap;
}

}  // namespace veltrim
