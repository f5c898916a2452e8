// Scan files for the measure tests: a synthetic scan written as PNG (with or
// without a pHYs chunk), JPEG, BMP or TIFF, and the numbers of the JSON
// report read back. Include in one source file of a test program: it holds
// stb_image_write's implementation.
#pragma once

#include <gtest/gtest.h>
#include <tiffio.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include "synthetic_scan.hpp"

namespace veltrim::test {

inline std::vector<unsigned char> Encoded(const SyntheticScan& scan, char kind) {
  std::vector<unsigned char> bytes;
  const auto append = [](void* context, void* data, int size) {
    auto* out = static_cast<std::vector<unsigned char>*>(context);
    out->insert(out->end(), static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
  };
  if (kind == 'p') stbi_write_png_to_func(append, &bytes, scan.width, scan.height, 1, scan.grey.data(), scan.width);
  if (kind == 'j') stbi_write_jpg_to_func(append, &bytes, scan.width, scan.height, 1, scan.grey.data(), 90);
  if (kind == 'b') stbi_write_bmp_to_func(append, &bytes, scan.width, scan.height, 1, scan.grey.data());
  return bytes;
}

inline void Put32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v, bool big) {
  for (int k = 0; k < 4; ++k) b[at + k] = static_cast<unsigned char>(v >> (big ? 24 - 8 * k : 8 * k));
}

// The PNG with a pHYs chunk (pixels per metre) after its header chunk.
inline std::vector<unsigned char> WithPhys(std::vector<unsigned char> png, std::uint32_t perMetre) {
  std::vector<unsigned char> chunk(21);
  Put32(chunk, 0, 9, true);
  chunk[4] = 'p', chunk[5] = 'H', chunk[6] = 'Y', chunk[7] = 's';
  Put32(chunk, 8, perMetre, true);
  Put32(chunk, 12, perMetre, true);
  chunk[16] = 1;
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t k = 4; k < 17; ++k) {
    crc ^= chunk[k];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  Put32(chunk, 17, ~crc, true);
  png.insert(png.begin() + 33, chunk.begin(), chunk.end());
  return png;
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteTiff(const std::filesystem::path& path, const SyntheticScan& scan, float dpi) {
  TIFF* tiff = TIFFOpen(path.c_str(), "w");
  ASSERT_NE(tiff, nullptr);
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, scan.width);
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, scan.height);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 64);
  TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_CENTIMETER);
  TIFFSetField(tiff, TIFFTAG_XRESOLUTION, dpi / 2.54f);
  TIFFSetField(tiff, TIFFTAG_YRESOLUTION, dpi / 2.54f);
  for (int y = 0; y < scan.height; ++y)
    TIFFWriteScanline(tiff, const_cast<std::uint8_t*>(scan.grey.data() + static_cast<std::size_t>(y) * scan.width), y);
  TIFFClose(tiff);
}

// The number after `key`, looked up after each key of `path` in turn.
inline double JsonNumber(const std::string& json, std::initializer_list<const char*> path) {
  std::size_t at = 0;
  for (const char* key : path) {
    at = json.find(std::string("\"") + key + "\":", at);
    if (at == std::string::npos) ADD_FAILURE() << key << " not in " << json;
    if (at == std::string::npos) return 0;
  }
  return std::strtod(json.c_str() + json.find(':', at) + 1, nullptr);
}

}  // namespace veltrim::test
