// What the render tests share: a temporary folder, a small simulated device
// and one PNG page drawn on it and read back.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "cairo_print_device.hpp"
#include "raster.hpp"

namespace veltrim::test {

// 0xRRGGBB, as RasterImage answers.
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kGreen = 0x00FF00;
inline constexpr std::uint32_t kBlue = 0x0000FF;
inline constexpr std::uint32_t kYellow = 0xFFFF00;

// A folder of its own, removed afterwards unless VELTRIM_KEEP_RENDERS is set
// (then its path is printed, to look at what was drawn).
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "veltrim-render-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    if (std::getenv("VELTRIM_KEEP_RENDERS") != nullptr) {
      std::printf("kept %s\n", path_.c_str());
      return;
    }
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// 60 x 50 mm at 254 dpi (10 dots a millimetre) with 1 mm margins: a
// 600 x 500 sheet, printable area 580 x 480 from (10, 10).
inline DeviceCaps SmallCaps() {
  return *MakeDeviceCaps(SimulatedDevice{{60, 50}, 254, {1, 1, 1, 1}});
}

// One page on the PNG device, open for drawing from construction; Finish
// ends it and reads it back.
class PngPage {
 public:
  explicit PngPage(const DeviceCaps& caps = SmallCaps())
      : caps_(caps), device_(FileFormat::Png, dir_.Path() / "page.png", caps) {
    started_ = device_.StartDocA("render test") > 0 && device_.StartPage() > 0;
  }
  bool Started() const { return started_; }
  CairoSurface& S() { return device_.Canvas(); }
  CairoPrintDevice& Device() { return device_; }
  const std::filesystem::path& Dir() const { return dir_.Path(); }

  RasterImage Finish() {
    EXPECT_GT(device_.EndPage(), 0);
    EXPECT_GT(device_.EndDoc(), 0);
    EXPECT_GT(device_.FinishJob(), 0);
    return RasterImage::LoadPng(dir_.Path() / "page-1.png");
  }

  // The image pixel of device point (x, y).
  std::uint32_t At(const RasterImage& image, int x, int y) const {
    return image.Pixel(x + caps_.offsetX, y + caps_.offsetY);
  }

 private:
  TempDir dir_;
  DeviceCaps caps_;
  CairoPrintDevice device_;
  bool started_ = false;
};

// The bounding box, in device units, of the pixels that are not white.
struct InkBox {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
  int count = 0;
  bool Empty() const { return count == 0; }
};

inline InkBox FindInk(const RasterImage& image, int offsetX, int offsetY) {
  InkBox box{image.Width(), image.Height(), -1, -1, 0};
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (image.Pixel(x, y) != kWhite) {
        box.left = std::min(box.left, x - offsetX);
        box.right = std::max(box.right, x - offsetX);
        box.top = std::min(box.top, y - offsetY);
        box.bottom = std::max(box.bottom, y - offsetY);
        ++box.count;
      }
  return box;
}

}  // namespace veltrim::test
