#include "core/support/bitmap_file.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/support/file_helpers.hpp"

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
// Both decoders allocate with malloc, so one deleter frees either's pixels.
#define STBI_MALLOC(size) std::malloc(size)
#define STBI_REALLOC(pointer, size) std::realloc(pointer, size)
#define STBI_FREE(pointer) std::free(pointer)
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

std::uint32_t Field(const unsigned char* at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | at[i];
  return value;
}

// Where the rows of an uncompressed 24-bit bitmap lie.
struct PlainLayout {
  std::size_t offset = 0;  // of the first stored row
  std::size_t stride = 0;  // between stored rows
  int width = 0;
  int height = 0;
  bool topDown = false;  // rows stored top row first, else bottom row first

  std::size_t RowBytes() const { return std::size_t(width) * 3; }
  // The picture row that the `stored`-th row of the file holds.
  int PictureRow(int stored) const { return topDown ? stored : height - 1 - stored; }
};

// The library reads such a file a byte at a time through checked calls,
// several times as long as a loop over its rows. The loop takes only the
// files the library decodes to the very same pixels: the same header sizes,
// the pixels right after the header (the library takes no gap there before
// pictures of 16 bits or more), and every row inside the file
// (`fileSize` bytes; `header` is its start). Anything else, a truncated file
// included, is the library's to decode or refuse.
std::optional<PlainLayout> FindPlainLayout(std::span<const unsigned char> header, std::uint64_t fileSize) {
  constexpr std::size_t kHeaderBytes = 14 + 40;
  const unsigned char* bytes = header.data();
  if (header.size() < kHeaderBytes || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t offset = Field(bytes + 10, 4), headerSize = Field(bytes + 14, 4);
  const auto width = static_cast<std::int32_t>(Field(bytes + 18, 4));
  const auto storedHeight = static_cast<std::int32_t>(Field(bytes + 22, 4));
  const bool knownHeader = headerSize == 40 || headerSize == 56 || headerSize == 108 || headerSize == 124;
  constexpr int kMaxSide = STBI_MAX_DIMENSIONS;
  if (!knownHeader || Field(bytes + 26, 2) != 1 || Field(bytes + 28, 2) != 24 || Field(bytes + 30, 4) != 0 ||
      offset != 14 + headerSize || width <= 0 || width > kMaxSide || storedHeight == 0 ||
      storedHeight < -kMaxSide || storedHeight > kMaxSide)
    return std::nullopt;
  PlainLayout layout;
  layout.offset = offset;
  layout.width = width;
  layout.height = storedHeight < 0 ? -storedHeight : storedHeight;
  layout.topDown = storedHeight < 0;
  layout.stride = (layout.RowBytes() + 3) & ~std::size_t{3};
  // The last row needs no padding after it.
  if (layout.offset + layout.stride * std::size_t(layout.height - 1) + layout.RowBytes() > fileSize)
    return std::nullopt;
  return layout;
}

std::optional<BitmapPixels> AllocatePixels(int width, int height) {
  BitmapPixels bitmap;
  bitmap.data.reset(static_cast<std::uint32_t*>(std::malloc(std::size_t(width) * std::size_t(height) * 4)));
  if (!bitmap.data) return std::nullopt;
  bitmap.width = width;
  bitmap.height = height;
  return bitmap;
}

// `rows` stored rows (blue, green, red a pixel) from `firstRow` on into their words.
void ConvertRows(const unsigned char* stored, const PlainLayout& layout, int firstRow, int rows, BitmapPixels& bitmap) {
  for (int row = firstRow; row < firstRow + rows; ++row, stored += layout.stride) {
    std::uint32_t* word = bitmap.data.get() + std::size_t(layout.PictureRow(row)) * std::size_t(layout.width);
    const unsigned char* pixel = stored;
    for (const std::uint32_t* end = word + layout.width; word != end; ++word, pixel += 3)
      *word = (std::uint32_t{pixel[2]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[0];
  }
}

// The header read without decoding: a file the library cannot read, or a
// picture of more than `maxPixels` pixels, is refused before anything is
// allocated for it.
bool WithinLimits(std::span<const char> bytes, std::int64_t maxPixels) {
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(kMaxFileBytes)) return false;
  int width = 0, height = 0, channels = 0;
  // A top-down bitmap's header gives its height negative, and the library's
  // header reader passes it on as it stands: the size is its magnitude.
  return stbi_info_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()), static_cast<int>(bytes.size()), &width,
                               &height, &channels) &&
         std::abs(std::int64_t{width}) * std::abs(std::int64_t{height}) <= maxPixels;
}

// A palette bitmap may list fewer colours than its pixels can name; the
// library then reads the missing entries from memory it never set, so the
// same file decodes to different pixels from run to run. Such a palette is
// given its missing entries as black, where the library looks for them; a
// palette that would end before it begins is refused. Nothing when the
// bytes need no change.
std::optional<std::vector<char>> CompletePalette(std::span<const char> bytes, bool& refused) {
  // The library reads bytes past the end of the file as 0.
  std::array<unsigned char, 30> head{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), head.size()), head.begin());
  const std::uint32_t headerSize = Field(head.data() + 14, 4);
  const bool core = headerSize == 12;  // the oldest header: 16-bit sides, 3-byte entries
  const std::uint32_t bits = Field(head.data() + (core ? 24 : 28), 2);
  if ((bits != 1 && bits != 4 && bits != 8) || headerSize > 124) return std::nullopt;
  const auto offset = static_cast<std::int64_t>(static_cast<std::int32_t>(Field(head.data() + 10, 4)));
  const std::int64_t entryBytes = core ? 3 : 4, start = 14 + headerSize;
  // The entry count as the library works it out.
  const std::int64_t listed = core ? (offset - 38) / 3 : (offset - start) >> 2;
  const std::int64_t full = std::int64_t{1} << bits;
  if (listed < 0) {
    refused = true;
    return std::nullopt;
  }
  const std::int64_t listEnd = start + listed * entryBytes;
  if (listed == 0 || listed >= full || listEnd > static_cast<std::int64_t>(bytes.size())) return std::nullopt;
  std::vector<char> completed(bytes.begin(), bytes.end());
  completed.insert(completed.begin() + listEnd, static_cast<std::size_t>((full - listed) * entryBytes), '\0');
  const auto moved = static_cast<std::uint32_t>(offset + (full - listed) * entryBytes);
  for (int i = 0; i < 4; ++i) completed[10 + i] = static_cast<char>(moved >> (8 * i));
  return completed;
}

std::optional<BitmapPixels> LoadByLibrary(std::span<const char> given, std::int64_t maxPixels) {
  bool refused = false;
  const auto completed = CompletePalette(given, refused);
  if (refused) return std::nullopt;
  const std::span<const char> bytes = completed ? std::span<const char>(*completed) : given;
  int width = 0, height = 0, channels = 0;
  // Four bytes a pixel (red, green, blue, opaque), so each becomes its word
  // where it lies.
  BitmapPixels bitmap;
  bitmap.data.reset(reinterpret_cast<std::uint32_t*>(stbi_load_from_memory(
      reinterpret_cast<const stbi_uc*>(bytes.data()), static_cast<int>(bytes.size()), &width, &height, &channels, 4)));
  if (!bitmap.data || width <= 0 || height <= 0 || std::int64_t{width} * height > maxPixels) return std::nullopt;
  bitmap.width = width;
  bitmap.height = height;
  auto* channel = reinterpret_cast<const std::uint8_t*>(bitmap.data.get());
  std::uint32_t* word = bitmap.data.get();
  for (const std::uint32_t* end = word + std::size_t(width) * std::size_t(height); word != end; ++word, channel += 4)
    *word = (std::uint32_t{channel[0]} << 16) | (std::uint32_t{channel[1]} << 8) | channel[2];
  return bitmap;
}

std::span<const unsigned char> Unsigned(std::span<const char> bytes) {
  return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()};
}

// A plain bitmap's rows straight from the file, some at a time, into the
// pixels: a page-sized picture then needs no file-sized buffer, whose fresh
// pages cost as much as the reading.
std::optional<BitmapPixels> ReadPlainRows(FileReader& file, const PlainLayout& layout) {
  auto bitmap = AllocatePixels(layout.width, layout.height);
  if (!bitmap || !file.Seek(static_cast<std::int64_t>(layout.offset))) return std::nullopt;
  const int rowsAPiece = static_cast<int>(std::max<std::size_t>(1, (std::size_t{256} << 10) / layout.stride));
  const auto piece = std::make_unique_for_overwrite<char[]>(layout.stride * std::size_t(rowsAPiece));
  for (int first = 0; first < layout.height; first += rowsAPiece) {
    const int rows = std::min(rowsAPiece, layout.height - first);
    const std::size_t wanted = layout.stride * std::size_t(rows - 1) + layout.RowBytes();
    // The last piece may end without the last row's padding.
    const std::size_t read = file.Read(std::span(piece.get(), layout.stride * std::size_t(rows)));
    if (read < wanted) return std::nullopt;
    ConvertRows(reinterpret_cast<const unsigned char*>(piece.get()), layout, first, rows, *bitmap);
  }
  return bitmap;
}

}  // namespace

void DecodedPixelsFree::operator()(std::uint32_t* pixels) const { std::free(pixels); }

std::optional<BitmapPixels> DecodeBitmapFile(const char* path) {
  FileReader file(path);
  const auto size = file.Size();
  if (!size || *size <= 0 || *size > kMaxFileBytes) return std::nullopt;
  // The headers, as long as a plain bitmap's may be.
  std::array<char, 14 + 124> header{};
  const std::size_t headerBytes = file.Read(std::span(header).first(std::min<std::size_t>(header.size(), *size)));
  const std::span<const char> start(header.data(), headerBytes);
  if (const auto layout = FindPlainLayout(Unsigned(start), static_cast<std::uint64_t>(*size));
      layout && WithinLimits(start, kMaxBitmapPixels))
    return ReadPlainRows(file, *layout);
  // Not zeroed first: the file fills it, and a picture is megabytes.
  const auto count = static_cast<std::size_t>(*size);
  const auto bytes = std::make_unique_for_overwrite<char[]>(count);
  if (!file.Seek(0) || file.Read(std::span(bytes.get(), count)) != count) return std::nullopt;
  return DecodeBitmapBytes(std::span<const char>(bytes.get(), count));
}

std::optional<BitmapPixels> DecodeBitmapBytes(std::span<const char> bytes, std::int64_t maxPixels) {
  if (!WithinLimits(bytes, maxPixels)) return std::nullopt;
  const auto layout = FindPlainLayout(Unsigned(bytes), bytes.size());
  if (!layout) return LoadByLibrary(bytes, maxPixels);
  auto bitmap = AllocatePixels(layout->width, layout->height);
  if (!bitmap) return std::nullopt;
  ConvertRows(Unsigned(bytes).data() + layout->offset, *layout, 0, layout->height, *bitmap);
  return bitmap;
}

std::optional<BitmapPixels> DecodeBitmapBytesByLibrary(std::span<const char> bytes, std::int64_t maxPixels) {
  if (!WithinLimits(bytes, maxPixels)) return std::nullopt;
  return LoadByLibrary(bytes, maxPixels);
}

}  // namespace veltrim
