#pragma once
// A decoded scan as the measurer reads it: 8-bit grey, one byte a pixel, rows
// top to bottom, and its resolution. Places on the scan are millimetres from
// its top-left corner (x right, y down); pixel (i, j) covers
// [i, i + 1) x [j, j + 1) pixels, so its centre lies at (i + 0.5, j + 0.5).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

namespace veltrim {

struct ScanPoint {
  double x = 0;
  double y = 0;
};

struct GreyImage {
  int width = 0;
  int height = 0;
  std::span<const std::uint8_t> pixels;  // width x height bytes
  double dpiX = 0;
  double dpiY = 0;

  double MmPerPixelX() const { return 25.4 / dpiX; }
  double MmPerPixelY() const { return 25.4 / dpiY; }
  double WidthMm() const { return width * MmPerPixelX(); }
  double HeightMm() const { return height * MmPerPixelY(); }
  int At(int i, int j) const { return pixels[static_cast<std::size_t>(j) * width + i]; }

  // The grey level at a place, interpolated between the four nearest pixel
  // centres; -1 outside the scan.
  double Sample(ScanPoint p) const {
    const double fx = p.x / MmPerPixelX() - 0.5, fy = p.y / MmPerPixelY() - 0.5;
    if (!(fx >= 0 && fy >= 0 && fx <= width - 1 && fy <= height - 1)) return -1;
    const int i = static_cast<int>(fx), j = static_cast<int>(fy);
    const double ax = fx - i, ay = fy - j;
    const int i1 = std::min(i + 1, width - 1), j1 = std::min(j + 1, height - 1);
    const double top = At(i, j) * (1 - ax) + At(i1, j) * ax;
    const double bottom = At(i, j1) * (1 - ax) + At(i1, j1) * ax;
    return top * (1 - ay) + bottom * ay;
  }
};

}  // namespace veltrim
