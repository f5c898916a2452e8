// What the render tests share: a small simulated device and one PNG page drawn on it and read back.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>

#include "../unit/support/scratch_dir.hpp"
#include "backends/cairo/cairo_print_device.hpp"
#include "raster.hpp"

namespace veltrim::test {

// 60 x 50 mm at 254 dpi (10 dots a millimetre) with 1 mm margins: a 600 x 500 sheet, printable area 580 x 480
// from (10, 10).
inline DeviceCaps SmallCaps() { return *MakeDeviceCaps(SimulatedDevice{{60, 50}, 254, {1, 1, 1, 1}}); }

// A colour expected at a device point.
struct Probe { int x, y; std::uint32_t rgb; };

// One page on the PNG device (or the PDF device, rendered back by Ghostscript at the device's resolution), open for
// drawing from construction, which throws when it cannot start; Finish ends it and reads it back.
class PngPage {
 public:
  explicit PngPage(const DeviceCaps& caps = SmallCaps(), FileFormat format = FileFormat::Png)
      : caps_(caps), format_(format),
        device_(format, dir_.Path() / (format == FileFormat::Png ? "page.png" : "page.pdf"), caps) {
    if (device_.StartDocA("render test") <= 0 || device_.StartPage() <= 0) throw std::runtime_error("no page started");
  }
  CairoSurface& S() { return device_.Canvas(); }
  const std::filesystem::path& Dir() const { return dir_.Path(); }

  RasterImage Finish() {
    EXPECT_GT(device_.EndPage(), 0);
    EXPECT_GT(device_.EndDoc(), 0);
    EXPECT_GT(device_.FinishJob(), 0);
    if (format_ == FileFormat::Png) return RasterImage::LoadPng(dir_.Path() / "page-1.png");
    const auto pages = RenderPages(dir_.Path() / "page.pdf", caps_.dpiX, dir_.Path());
    EXPECT_EQ(pages.size(), 1u);
    return RasterImage::LoadPng(pages.at(0));
  }

  // Each probe's device point read on the image.
  void ExpectPixels(const RasterImage& image, std::span<const Probe> probes) const {
    for (const Probe& p : probes)
      EXPECT_EQ(ColourText(image.Pixel(p.x + caps_.offsetX, p.y + caps_.offsetY)), ColourText(p.rgb))
          << p.x << ", " << p.y;
  }

 private:
  ScratchDir dir_;
  DeviceCaps caps_;
  FileFormat format_;
  CairoPrintDevice device_;
};

}  // namespace veltrim::test
