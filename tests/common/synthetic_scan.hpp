// A synthetic scan of the printed measurement target: the target page drawn
// by the cairo backend on a simulated printer, carried through a known
// printer distortion (offset, scale, skew about the target's centre) and a
// known placement on the scanner bed (turn, shift) onto a scan-resolution
// image of the bed, then blurred, lit unevenly and made noisy as asked.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "backends/cairo/cairo_surface.hpp"
#include "core/measure/measure_page.hpp"
#include "core/measure/target_layout.hpp"
#include "core/platform/device_caps.hpp"
#include "test_print_host.hpp"

namespace veltrim::test {

struct ScanSetup {
  double scanDpi = 300;
  // The printer: resolution each way, the sheet, and the margins it cannot print.
  int printerDpiX = 600, printerDpiY = 300;
  PaperSize paper{210, 297};
  MarginsMm margins{4.2, 5.1, 3.6, 6.3};
  // What the printer did to the image, about the target's centre.
  double offsetXMm = 0, offsetYMm = 0, scaleX = 1, scaleY = 1, skewDeg = 0;
  // The sheet on the bed: counter-clockwise turn, and its top-left corner's
  // place before the turn (the turn is about the sheet's centre).
  double bedDeg = 0, bedXMm = 15, bedYMm = 15;
  double bedGrey = 0.12;  // dark; a lid's white is about 0.8
  double blurMm = 0.08;   // a Gaussian's standard deviation
  double noise = 0;       // grey levels, standard deviation
  double lighting = 0;    // fraction the light falls from left to right
  double cutRightMm = 0;  // the bed ends this far inside the sheet's right edge
};

struct SyntheticScan {
  int width = 0, height = 0;
  std::vector<std::uint8_t> grey;
};

namespace synthetic_detail {

inline void Blur(SyntheticScan& scan, double sigmaPx) {
  if (sigmaPx < 0.3) return;
  const int reach = static_cast<int>(std::ceil(3 * sigmaPx));
  std::vector<double> kernel;
  for (int k = -reach; k <= reach; ++k) kernel.push_back(std::exp(-0.5 * k * k / (sigmaPx * sigmaPx)));
  double sum = 0;
  for (double k : kernel) sum += k;
  for (double& k : kernel) k /= sum;
  std::vector<float> pass(scan.grey.size());
  const int w = scan.width, h = scan.height;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double v = 0;
      for (int k = -reach; k <= reach; ++k) v += kernel[k + reach] * scan.grey[y * w + std::clamp(x + k, 0, w - 1)];
      pass[y * w + x] = static_cast<float>(v);
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double v = 0;
      for (int k = -reach; k <= reach; ++k) v += kernel[k + reach] * pass[std::clamp(y + k, 0, h - 1) * w + x];
      scan.grey[y * w + x] = static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
    }
}

}  // namespace synthetic_detail

inline SyntheticScan RenderSyntheticScan(const ScanSetup& s) {
  using std::numbers::pi;
  const double pxPerMm = s.scanDpi / 25.4;
  const double bedW = s.paper.widthMm + 2 * s.bedXMm - s.cutRightMm, bedH = s.paper.heightMm + 2 * s.bedYMm;
  SyntheticScan scan;
  scan.width = static_cast<int>(std::lround(bedW * pxPerMm));
  scan.height = static_cast<int>(std::lround(bedH * pxPerMm));
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, scan.width, scan.height);
  cairo_t* cr = cairo_create(image);
  cairo_set_source_rgb(cr, s.bedGrey, s.bedGrey, s.bedGrey);
  cairo_paint(cr);
  // Paper millimetres onto the scan: mm to pixels, then the sheet turned
  // about its centre and put on the bed.
  cairo_scale(cr, pxPerMm, pxPerMm);
  cairo_translate(cr, s.bedXMm + s.paper.widthMm / 2, s.bedYMm + s.paper.heightMm / 2);
  cairo_rotate(cr, -s.bedDeg * pi / 180);
  cairo_translate(cr, -s.paper.widthMm / 2, -s.paper.heightMm / 2);
  cairo_rectangle(cr, 0, 0, s.paper.widthMm, s.paper.heightMm);
  cairo_set_source_rgb(cr, 0.97, 0.97, 0.97);
  cairo_fill(cr);
  // The printer's distortion about the target's centre, then the sheet's dots.
  cairo_translate(cr, kTargetCentre.xMm + s.offsetXMm, kTargetCentre.yMm + s.offsetYMm);
  cairo_rotate(cr, -s.skewDeg * pi / 180);
  cairo_scale(cr, s.scaleX, s.scaleY);
  cairo_translate(cr, -kTargetCentre.xMm, -kTargetCentre.yMm);
  cairo_scale(cr, 25.4 / s.printerDpiX, 25.4 / s.printerDpiY);
  DeviceCaps caps;
  caps.dpiX = s.printerDpiX;
  caps.dpiY = s.printerDpiY;
  caps.physicalWidth = static_cast<int>(std::lround(s.paper.widthMm * s.printerDpiX / 25.4));
  caps.physicalHeight = static_cast<int>(std::lround(s.paper.heightMm * s.printerDpiY / 25.4));
  caps.offsetX = static_cast<int>(std::lround(s.margins.left * s.printerDpiX / 25.4));
  caps.offsetY = static_cast<int>(std::lround(s.margins.top * s.printerDpiY / 25.4));
  caps.horzRes = caps.physicalWidth - caps.offsetX - static_cast<int>(std::lround(s.margins.right * s.printerDpiX / 25.4));
  caps.vertRes = caps.physicalHeight - caps.offsetY - static_cast<int>(std::lround(s.margins.bottom * s.printerDpiY / 25.4));
  {
    CairoSurface surface(caps);
    surface.BeginPage(cr, 1, 1, nullptr);
    PageGeometry geometry = ReadPageGeometry(surface);
    const TestSelection selection;
    const JobSettings job;
    const std::string printer = "Synthetic";
    TestHost host;
    PageContext page{surface, geometry, selection, job, printer, host};
    DrawMeasurePage(page);
    surface.EndPage();
  }
  cairo_destroy(cr);
  cairo_surface_flush(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  scan.grey.resize(static_cast<std::size_t>(scan.width) * scan.height);
  for (int y = 0; y < scan.height; ++y)
    for (int x = 0; x < scan.width; ++x) {
      const unsigned char* p = data + y * stride + 4 * x;
      scan.grey[static_cast<std::size_t>(y) * scan.width + x] = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
    }
  cairo_surface_destroy(image);
  synthetic_detail::Blur(scan, s.blurMm * pxPerMm);
  std::mt19937 random(7);
  std::normal_distribution<double> noise(0, s.noise > 0 ? s.noise : 1);
  for (int y = 0; y < scan.height; ++y)
    for (int x = 0; x < scan.width; ++x) {
      auto& v = scan.grey[static_cast<std::size_t>(y) * scan.width + x];
      double value = v * (1 - s.lighting * x / scan.width);
      if (s.noise > 0) value += noise(random);
      v = static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
    }
  return scan;
}

// The margin the scan should show on each side: where the printable area's
// edge lands on the paper under the distortion, at the middle of each side's
// bands, averaged over the bands.
inline MarginsMm ExpectedMargins(const ScanSetup& s) {
  using std::numbers::pi;
  const double c = std::cos(-s.skewDeg * pi / 180), sn = std::sin(-s.skewDeg * pi / 180);
  const auto moved = [&](double x, double y) {
    const double dx = (x - kTargetCentre.xMm) * s.scaleX, dy = (y - kTargetCentre.yMm) * s.scaleY;
    return std::pair{kTargetCentre.xMm + s.offsetXMm + c * dx - sn * dy, kTargetCentre.yMm + s.offsetYMm + sn * dx + c * dy};
  };
  // The printable area's edges in sheet millimetres (whole dots, as the device rounds them).
  const double left = std::lround(s.margins.left * s.printerDpiX / 25.4) * 25.4 / s.printerDpiX;
  const double top = std::lround(s.margins.top * s.printerDpiY / 25.4) * 25.4 / s.printerDpiY;
  const double right = s.paper.widthMm - std::lround(s.margins.right * s.printerDpiX / 25.4) * 25.4 / s.printerDpiX;
  const double bottom = s.paper.heightMm - std::lround(s.margins.bottom * s.printerDpiY / 25.4) * 25.4 / s.printerDpiY;
  MarginsMm m{};
  int bands[4] = {};
  for (const TargetBand& band : kTargetBands) {
    const double along = (band.fromMm + band.toMm) / 2;
    switch (band.side) {
      case PaperSide::Left: m.left += moved(left, along).first, ++bands[0]; break;
      case PaperSide::Top: m.top += moved(along, top).second, ++bands[1]; break;
      case PaperSide::Right: m.right += s.paper.widthMm - moved(right, along).first, ++bands[2]; break;
      case PaperSide::Bottom: m.bottom += s.paper.heightMm - moved(along, bottom).second, ++bands[3]; break;
    }
  }
  return {m.left / bands[0], m.top / bands[1], m.right / bands[2], m.bottom / bands[3]};
}

}  // namespace veltrim::test
