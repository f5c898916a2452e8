// Pages turned into pixels: PostScript rendered by Ghostscript, PNG files
// read back for colour checks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace veltrim::test {

class RasterImage {
 public:
  // Throws when the file is not a readable PNG.
  static RasterImage LoadPng(const std::filesystem::path& file);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0xRRGGBB of the pixel; throws outside the image.
  std::uint32_t Pixel(int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> rgb_;
};

// Renders every page of a PostScript or PDF file to PNG at `dpi` into
// `folder` (page-1.png, ...) with Ghostscript; returns the pages in order.
std::vector<std::filesystem::path> RenderPages(const std::filesystem::path& document, int dpi,
                                               const std::filesystem::path& folder);

// "#RRGGBB", for failure messages.
std::string ColourText(std::uint32_t rgb);

// The number of "%%Page: " comment lines of a PostScript file: its pages.
int PostScriptPages(const std::filesystem::path& file);
// The pages of a PDF file as pdfinfo counts them; -1 when it names none.
int PdfPages(const std::filesystem::path& pdf);

// True when every channel differs by at most `tolerance`.
bool ColourNear(std::uint32_t actual, std::uint32_t expected, int tolerance);

// A colour expected at a point of a page, in the page's device units,
// 0xRRGGBB, with what is there (may be empty).
struct ColourProbe {
  std::string what;
  int x = 0;
  int y = 0;
  std::uint32_t rgb = 0;
};

// The probes whose pixel is not near its colour, one line each ("" when
// every one is): device units become pixels by `scale` / `divisor` after
// adding the printable area's offset.
std::string MissedProbes(const RasterImage& page, std::span<const ColourProbe> probes, int offset, int scale,
                         int divisor, int tolerance);

// Whether any pixel of rows [top, bottom) and columns [left, right) is
// clearly darker than white (some channel more than 96 below it).
bool AnyDark(const RasterImage& page, int left, int top, int right, int bottom);

}  // namespace veltrim::test
