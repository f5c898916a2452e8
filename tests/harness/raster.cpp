#include "raster.hpp"

#include <fstream>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO_WARNINGS
#include <stb/stb_image.h>

#include "process.hpp"

namespace veltrim::test {

RasterImage RasterImage::LoadPng(const std::filesystem::path& file) {
  int width = 0, height = 0, channels = 0;
  std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels(
      stbi_load(file.c_str(), &width, &height, &channels, 3), &stbi_image_free);
  if (!pixels) throw std::runtime_error("cannot read PNG " + file.string() + ": " + stbi_failure_reason());
  RasterImage image;
  image.width_ = width;
  image.height_ = height;
  image.rgb_.assign(pixels.get(), pixels.get() + static_cast<std::size_t>(width) * height * 3);
  return image;
}

std::uint32_t RasterImage::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") outside " +
                            std::to_string(width_) + " x " + std::to_string(height_));
  const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
  return (std::uint32_t{rgb_[at]} << 16) | (std::uint32_t{rgb_[at + 1]} << 8) | rgb_[at + 2];
}

std::vector<std::filesystem::path> RenderPages(const std::filesystem::path& document, int dpi,
                                               const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  const std::vector<std::string> argv{"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=png16m",
                                      "-r" + std::to_string(dpi),
                                      "-sOutputFile=" + (folder / "page-%d.png").string(), document.string()};
  const auto result = RunProcess(argv);
  if (result.exitCode != 0) throw std::runtime_error(Describe(argv, result));
  std::vector<std::filesystem::path> pages;
  for (int page = 1; std::filesystem::exists(folder / ("page-" + std::to_string(page) + ".png")); ++page)
    pages.push_back(folder / ("page-" + std::to_string(page) + ".png"));
  return pages;
}

std::string ColourText(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
  return text;
}

bool ColourNear(std::uint32_t actual, std::uint32_t expected, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = static_cast<int>((actual >> shift) & 0xFF), e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) return false;
  }
  return true;
}

bool AnyDark(const RasterImage& page, int left, int top, int right, int bottom) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (!ColourNear(page.Pixel(x, y), 0xFFFFFF, 96)) return true;
  return false;
}

int PostScriptPages(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  int pages = 0;
  while (std::getline(in, line))
    if (line.rfind("%%Page: ", 0) == 0) ++pages;
  return pages;
}

int PdfPages(const std::filesystem::path& pdf) {
  const auto info = RunProcess({"pdfinfo", pdf.string()}).out;
  const auto at = info.find("\nPages:");
  return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 7);
}

}  // namespace veltrim::test
