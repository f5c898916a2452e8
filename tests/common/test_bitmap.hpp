// Small Windows bitmap files written by the tests of every build.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <vector>

namespace veltrim::test {

// A 24-bit bitmap file (rows bottom-up, or top-down when `topDown`, each
// padded to 4 bytes). `rgb` is 0xRRGGBB, top row first.
inline std::vector<std::uint8_t> BmpBytes(int width, int height, std::span<const std::uint32_t> rgb,
                                          bool topDown = false) {
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<std::size_t>(width) * height) return {};
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
  const std::uint32_t headers = 14 + 40;
  std::vector<std::uint8_t> bytes;
  auto put16 = [&](std::uint32_t v) {
    for (int i = 0; i < 2; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  bytes.push_back('B');
  bytes.push_back('M');
  put32(headers + imageSize);
  put32(0);
  put32(headers);
  put32(40);
  put32(static_cast<std::uint32_t>(width));
  put32(static_cast<std::uint32_t>(topDown ? -height : height));
  put16(1);
  put16(24);
  put32(0);  // BI_RGB
  put32(imageSize);
  put32(2835);  // 72 dpi
  put32(2835);
  put32(0);
  put32(0);
  for (int i = 0; i < height; ++i) {
    const int row = topDown ? i : height - 1 - i;
    const std::size_t start = bytes.size();
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = rgb[static_cast<std::size_t>(row) * width + x];
      bytes.push_back(static_cast<std::uint8_t>(p));        // blue
      bytes.push_back(static_cast<std::uint8_t>(p >> 8));   // green
      bytes.push_back(static_cast<std::uint8_t>(p >> 16));  // red
    }
    while (bytes.size() - start < stride) bytes.push_back(0);
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
