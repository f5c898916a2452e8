// Pages as pixels: PNG files read back, PostScript and PDF rendered by Ghostscript, colours compared.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace veltrim::test {

// 0xRRGGBB, as RasterImage answers.
inline constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000, kGreen = 0x00FF00,
                               kBlue = 0x0000FF, kCyan = 0x00FFFF, kMagenta = 0xFF00FF, kYellow = 0xFFFF00;

class RasterImage {
 public:
  // Throws when the file is not a readable PNG.
  static RasterImage LoadPng(const std::filesystem::path& file);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0xRRGGBB; throws outside the image.
  std::uint32_t Pixel(int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> rgb_;
};

// Every page of a PostScript or PDF file as `folder`/page-N.png at `dpi`, in order.
std::vector<std::filesystem::path> RenderPages(const std::filesystem::path& document, int dpi,
                                               const std::filesystem::path& folder);
// "#RRGGBB", for failure messages.
std::string ColourText(std::uint32_t rgb);
// The "%%Page: " lines of a PostScript file.
int PostScriptPages(const std::filesystem::path& file);
// The pages pdfinfo counts; -1 when it names none.
int PdfPages(const std::filesystem::path& pdf);
// Every channel within `tolerance`.
bool ColourNear(std::uint32_t actual, std::uint32_t expected, int tolerance);

// Some pixel of columns [left, right) and rows [top, bottom) has a channel more than 96 below white.
bool AnyDark(const RasterImage& page, int left, int top, int right, int bottom);

}  // namespace veltrim::test
