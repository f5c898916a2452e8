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

#include "cli/scan_tiff.hpp"


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

bool IsTiff(const std::uint8_t* b, std::size_t size) {
  return size >= 8 && (std::memcmp(b, "II*\0", 4) == 0 || std::memcmp(b, "MM\0*", 4) == 0);
}

// The first directory's XResolution and YResolution (rationals) in its
// ResolutionUnit (1 none, 2 the inch, the default, 3 the centimetre).
StatedResolution TiffResolution(const std::uint8_t* b, std::size_t size) {
  const bool big = b[0] == 'M';
  const auto u16 = [&](std::size_t at) { return big ? Big16(b + at) : static_cast<unsigned>(b[at] | b[at + 1] << 8); };
  const auto u32 = [&](std::size_t at) { return big ? Big32(b + at) : Little32(b + at); };
  const std::size_t directory = u32(4);
  if (directory > size || size - directory < 2) return {};
  const std::size_t entries = u16(directory);
  double resolution[2] = {0, 0};
  unsigned unit = 2;
  for (std::size_t k = 0; k < entries; ++k) {
    const std::size_t at = directory + 2 + 12 * k;
    if (at > size || size - at < 12) break;
    const unsigned tag = u16(at), type = u16(at + 2);
    if (tag == 296 && type == 3) unit = u16(at + 8);
    if ((tag == 282 || tag == 283) && type == 5) {
      const std::size_t value = u32(at + 8);
      if (value > size || size - value < 8 || u32(value + 4) == 0) continue;
      resolution[tag - 282] = static_cast<double>(u32(value)) / u32(value + 4);
    }
  }
  if (!(resolution[0] > 0 && resolution[1] > 0) || (unit != 2 && unit != 3)) return {};
  const double factor = unit == 3 ? 2.54 : 1.0;
  return {resolution[0] * factor, resolution[1] * factor};
}

}  // namespace

StatedResolution ReadStatedResolution(const std::uint8_t* b, std::size_t size) {
  if (size >= 8 && std::memcmp(b, "\x89PNG\r\n\x1a\n", 8) == 0) return PngResolution(b, size);
  if (size >= 4 && b[0] == 0xFF && b[1] == 0xD8) return JpegResolution(b, size);
  if (IsTiff(b, size)) return TiffResolution(b, size);
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

}  // namespace

bool ReadScanFile(const std::string& path, ScanFile& scan, std::string& error) {
  std::vector<std::uint8_t> bytes;
  if (!ReadBytes(path, bytes)) {
    error = "cannot read " + path + ".";
    return false;
  }
  const StatedResolution stated = ReadStatedResolution(bytes.data(), bytes.size());
  scan.dpiX = stated.dpiX;
  scan.dpiY = stated.dpiY;
  if (IsTiff(bytes.data(), bytes.size())) return DecodeTiff(path, bytes, scan, error);
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
  return true;
}

}  // namespace veltrim::cli
