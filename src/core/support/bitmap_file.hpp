#pragma once
// Windows bitmap files decoded into pixels, for every surface that has no
// loader of its own (GDI loads them itself). The decoder is stb_image, a
// maintained library; the one layout pictures are usually stored in
// (uncompressed, 24 bits) is read by a short loop of ours that gives the
// library's very pixels, several times as fast.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace veltrim {

// Frees what the decoder allocated.
struct DecodedPixelsFree {
  void operator()(std::uint32_t* pixels) const;
};
using DecodedPixels = std::unique_ptr<std::uint32_t, DecodedPixelsFree>;

// The decoder's own buffer, converted in place: a page-sized picture is
// some megabytes, and every copy of it costs its page faults. The words are
// laid out as cairo's RGB24 images are, so that backend draws them as they
// stand.
struct BitmapPixels {
  int width = 0;
  int height = 0;
  DecodedPixels data;

  // Rows top-down, one 0x00RRGGBB word a pixel.
  std::span<const std::uint32_t> Pixels() const {
    return {data.get(), static_cast<std::size_t>(width) * static_cast<std::size_t>(height)};
  }
};

// The bitmap at `path`, or nothing when the file is missing or unreadable,
// is not a bitmap, or is larger than any page needs.
std::optional<BitmapPixels> DecodeBitmapFile(const char* path);

// More pixels than a 1200-dpi page needs: refused before the decoder
// allocates for them, whatever the header claims.
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{14100} * 10000;

// The same for the bytes of a bitmap file already in memory; pictures of
// more than `maxPixels` pixels give nothing.
std::optional<BitmapPixels> DecodeBitmapBytes(std::span<const char> bytes,
                                              std::int64_t maxPixels = kMaxBitmapPixels);

// The same, always through the library: what the fast loop is held to.
std::optional<BitmapPixels> DecodeBitmapBytesByLibrary(std::span<const char> bytes,
                                                       std::int64_t maxPixels = kMaxBitmapPixels);

}  // namespace veltrim
