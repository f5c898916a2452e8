#include "cli/scan_file.hpp"

#include <cstdio>
#include <cstring>
#include <memory>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#include <stb_image.h>

#ifdef VELTRIM_HAVE_TIFF
#include <tiffio.h>
#endif

namespace veltrim::cli {
namespace {

constexpr double kInchesPerMetre = 0.0254;

std::uint32_t Big32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
         static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}
unsigned Big16(const std::uint8_t* p) { return static_cast<unsigned>(p[0]) << 8 | p[1]; }
std::uint32_t Little32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[3]) << 24 | static_cast<std::uint32_t>(p[2]) << 16 |
         static_cast<std::uint32_t>(p[1]) << 8 | p[0];
}

// pHYs: pixels per unit each way, unit 1 the metre.
StatedResolution PngResolution(const std::uint8_t* b, std::size_t size) {
  std::size_t at = 8;
  while (at + 8 <= size) {
    const std::uint32_t length = Big32(b + at);
    if (length > size - at - 8) break;
    if (std::memcmp(b + at + 4, "pHYs", 4) == 0 && length >= 9 && b[at + 16] == 1)
      return {Big32(b + at + 8) * kInchesPerMetre, Big32(b + at + 12) * kInchesPerMetre};
    if (std::memcmp(b + at + 4, "IDAT", 4) == 0) break;
    if (length > size - at - 12) break;
    at += 12 + length;
  }
  return {};
}

// The JFIF APP0 segment: units 1 dots per inch, 2 dots per centimetre.
StatedResolution JpegResolution(const std::uint8_t* b, std::size_t size) {
  std::size_t at = 2;
  while (at + 4 <= size && b[at] == 0xFF) {
    const unsigned marker = b[at + 1], length = Big16(b + at + 2);
    if (marker == 0xDA || length < 2) break;  // the image data starts
    if (marker == 0xE0 && length >= 14 && at + 4 + 12 <= size && std::memcmp(b + at + 4, "JFIF", 5) == 0) {
      const unsigned units = b[at + 11];
      const double x = Big16(b + at + 12), y = Big16(b + at + 14);
      if (units == 1) return {x, y};
      if (units == 2) return {x * 2.54, y * 2.54};
      return {};
    }
    at += 2 + length;
  }
  return {};
}

}  // namespace

StatedResolution ReadStatedResolution(const std::uint8_t* b, std::size_t size) {
  if (size >= 8 && std::memcmp(b, "\x89PNG\r\n\x1a\n", 8) == 0) return PngResolution(b, size);
  if (size >= 4 && b[0] == 0xFF && b[1] == 0xD8) return JpegResolution(b, size);
  if (size >= 46 && b[0] == 'B' && b[1] == 'M') {
    const auto x = static_cast<std::int32_t>(Little32(b + 38)), y = static_cast<std::int32_t>(Little32(b + 42));
    if (x > 0 && y > 0) return {x * kInchesPerMetre, y * kInchesPerMetre};
  }
  return {};
}

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

bool ReadBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  std::uint8_t block[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) bytes.insert(bytes.end(), block, block + got);
  return std::ferror(file.get()) == 0;
}

#ifdef VELTRIM_HAVE_TIFF
struct TiffCloser {
  void operator()(TIFF* t) const { TIFFClose(t); }
};

void QuietTiff(const char*, const char*, va_list) {}

bool ReadTiff(const std::string& path, ScanFile& scan, std::string& error) {
  TIFFSetErrorHandler(QuietTiff);
  TIFFSetWarningHandler(QuietTiff);
  const std::unique_ptr<TIFF, TiffCloser> tiff(TIFFOpen(path.c_str(), "r"));
  std::uint32_t w = 0, h = 0;
  if (!tiff || !TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &w) || !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &h) ||
      w == 0 || h == 0 || w > 20000 || h > 20000) {
    error = path + " is not a TIFF image this program can read.";
    return false;
  }
  std::vector<std::uint32_t> rgba(static_cast<std::size_t>(w) * h);
  if (!TIFFReadRGBAImageOriented(tiff.get(), w, h, rgba.data(), ORIENTATION_TOPLEFT, 0)) {
    error = path + " is not a TIFF image this program can read.";
    return false;
  }
  scan.width = static_cast<int>(w);
  scan.height = static_cast<int>(h);
  scan.grey.resize(rgba.size());
  for (std::size_t k = 0; k < rgba.size(); ++k) {
    const std::uint32_t p = rgba[k];
    scan.grey[k] = static_cast<std::uint8_t>((77 * TIFFGetR(p) + 150 * TIFFGetG(p) + 29 * TIFFGetB(p) + 128) >> 8);
  }
  float x = 0, y = 0;
  std::uint16_t unit = RESUNIT_INCH;
  TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_RESOLUTIONUNIT, &unit);
  if (TIFFGetField(tiff.get(), TIFFTAG_XRESOLUTION, &x) && TIFFGetField(tiff.get(), TIFFTAG_YRESOLUTION, &y) && x > 0 &&
      y > 0 && unit != RESUNIT_NONE) {
    const double factor = unit == RESUNIT_CENTIMETER ? 2.54 : 1.0;
    scan.dpiX = x * factor;
    scan.dpiY = y * factor;
  }
  return true;
}
#endif

}  // namespace

bool ReadScanFile(const std::string& path, ScanFile& scan, std::string& error) {
  std::vector<std::uint8_t> bytes;
  if (!ReadBytes(path, bytes)) {
    error = "cannot read " + path + ".";
    return false;
  }
  if (bytes.size() >= 4 && (std::memcmp(bytes.data(), "II*\0", 4) == 0 || std::memcmp(bytes.data(), "MM\0*", 4) == 0)) {
#ifdef VELTRIM_HAVE_TIFF
    return ReadTiff(path, scan, error);
#else
    error = path + " is a TIFF image, which this build does not read: save the scan as PNG.";
    return false;
#endif
  }
  int w = 0, h = 0, channels = 0;
  const std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
      stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &channels, 1), stbi_image_free);
  if (!pixels) {
    error = path + " is not a PNG, JPEG, BMP or TIFF image this program can read.";
    return false;
  }
  scan.width = w;
  scan.height = h;
  scan.grey.assign(pixels.get(), pixels.get() + static_cast<std::size_t>(w) * h);
  const StatedResolution stated = ReadStatedResolution(bytes.data(), bytes.size());
  scan.dpiX = stated.dpiX;
  scan.dpiY = stated.dpiY;
  return true;
}

}  // namespace veltrim::cli
