#pragma once
// Reads a scan into grey pixels with the resolution the file states: PNG
// (pHYs), JPEG (JFIF density), BMP (pels per metre) and TIFF (its resolution
// tags). stb_image decodes PNG, JPEG and BMP; the platform's reader decodes
// TIFF (scan_tiff.hpp).

#include <cstdint>
#include <string>
#include <vector>

namespace veltrim::cli {

struct ScanFile {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> grey;  // width x height, rows top to bottom
  double dpiX = 0;                 // 0: the file does not say
  double dpiY = 0;
};

// False, with a sentence in `error`, when the file cannot be read or decoded.
bool ReadScanFile(const std::string& path, ScanFile& scan, std::string& error);

// The resolution a PNG, JPEG, BMP or TIFF file states in its header, in dots per
// inch; zeros when it states none. Reads only the bytes given.
struct StatedResolution {
  double dpiX = 0;
  double dpiY = 0;
};
StatedResolution ReadStatedResolution(const std::uint8_t* bytes, std::size_t size);

}  // namespace veltrim::cli
