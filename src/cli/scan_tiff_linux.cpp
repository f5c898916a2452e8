// TIFF scans through libtiff, read from the file as RGBA and turned grey.
#include <tiffio.h>

#include <cstdarg>
#include <memory>

#include "cli/scan_tiff.hpp"

namespace veltrim::cli {
namespace {

struct TiffCloser {
  void operator()(TIFF* t) const { TIFFClose(t); }
};

void QuietTiff(const char*, const char*, va_list) {}

}  // namespace

bool DecodeTiff(const std::string& path, const std::vector<std::uint8_t>&, ScanFile& scan, std::string& error) {
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
    scan.grey[k] = GreyOf(TIFFGetR(p), TIFFGetG(p), TIFFGetB(p));
  }
  return true;
}

}  // namespace veltrim::cli
