// Small Windows bitmap files written by the tests of every build.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

namespace veltrim::test {

// Appends each field's low `size` bytes, lowest first, as bitmap headers store them.
inline void AppendFields(std::vector<std::uint8_t>& bytes,
                         std::initializer_list<std::pair<std::uint32_t, int>> fields) {
  for (const auto& [value, size] : fields)
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 24-bit bitmap file (rows bottom-up, or top-down when `topDown`, each padded to 4 bytes). `rgb` is 0xRRGGBB, top
// row first.
inline std::vector<std::uint8_t> BmpBytes(int width, int height, std::span<const std::uint32_t> rgb,
                                          bool topDown = false) {
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<std::size_t>(width) * height) return {};
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
  // The file header, then a BITMAPINFOHEADER: one plane of 24 bits, BI_RGB, 72 dpi, no palette; little-endian
  // fields of 4 or 2 bytes.
  std::vector<std::uint8_t> bytes = {'B', 'M'};
  AppendFields(bytes, {{14 + 40 + imageSize, 4}, {0, 4}, {14 + 40, 4}, {40, 4}, {static_cast<std::uint32_t>(width), 4},
                       {static_cast<std::uint32_t>(topDown ? -height : height), 4}, {1, 2}, {24, 2}, {0, 4},
                       {imageSize, 4}, {2835, 4}, {2835, 4}, {0, 4}, {0, 4}});
  for (int i = 0; i < height; ++i) {
    const int row = topDown ? i : height - 1 - i;
    for (int x = 0; x < width; ++x)
      for (const int shift : {0, 8, 16})  // blue, green, red
        bytes.push_back(static_cast<std::uint8_t>(rgb[static_cast<std::size_t>(row) * width + x] >> shift));
    bytes.resize(bytes.size() + stride - 3 * static_cast<std::uint32_t>(width), 0);
  }
  return bytes;
}

inline bool WriteBmp24(const std::filesystem::path& file, int width, int height, std::span<const std::uint32_t> rgb,
                       bool topDown = false) {
  const std::vector<std::uint8_t> bytes = BmpBytes(width, height, rgb, topDown);
  if (bytes.empty()) return false;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace veltrim::test
