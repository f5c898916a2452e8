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

// The same for the bytes of a bitmap file already in memory.
std::optional<BitmapPixels> DecodeBitmapBytes(std::span<const char> bytes);

}  // namespace veltrim
