#pragma once
// Windows bitmap files decoded into pixels, for every surface that has no
// loader of its own (GDI loads them itself). The decoder is stb_image, a
// maintained library, never a parser of ours.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace veltrim {

struct BitmapPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // rows top-down, 3 bytes a pixel
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

}  // namespace veltrim
