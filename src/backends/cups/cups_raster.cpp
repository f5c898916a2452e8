#include "backends/cups/cups_raster.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/print/raster_resolution.hpp"

namespace veltrim {
namespace {

constexpr const char* kPwgRaster = "image/pwg-raster";
constexpr const char* kAppleRaster = "image/urf";

std::vector<DotsPerInch> Resolutions(ipp_attribute_t* attribute) {
  std::vector<DotsPerInch> listed;
  for (int i = 0; attribute != nullptr && i < ippGetCount(attribute); ++i) {
    ipp_res_t units = IPP_RES_PER_INCH;
    int y = 0;
    const int x = ippGetResolution(attribute, i, &y, &units);
    if (x > 0 && y > 0 && units == IPP_RES_PER_INCH) listed.push_back({x, y});
  }
  return listed;
}

std::vector<DotsPerInch> AppleResolutions(ipp_attribute_t* urf) {
  std::vector<DotsPerInch> listed;
  for (int i = 0; urf != nullptr && i < ippGetCount(urf); ++i)
    if (const char* word = ippGetString(urf, i, nullptr))
      for (const int dpi : UrfResolutions(word)) listed.push_back({dpi, dpi});
  return listed;
}

}  // namespace

std::optional<CupsDocumentFormat> ChooseDocumentFormat(const CupsDestination& destination,
                                                       const CupsDestinationFacts& facts, FailureReason& why) {
  CupsDocumentFormat format;
  if (!destination.IsDevice()) return format;
  const auto supported = [&destination](const char* option) {
    return cupsFindDestSupported(destination.Connection(), destination.Dest(), destination.Info(), option);
  };
  ipp_attribute_t* formats = supported("document-format");
  if (ippContainsString(formats, CUPS_FORMAT_PDF)) return format;
  const DotsPerInch wanted{facts.dpiX.value_or(300), facts.dpiY.value_or(facts.dpiX.value_or(300))};
  const bool colour = facts.colour.value_or(false);
  std::optional<DotsPerInch> chosen;
  if (ippContainsString(formats, kPwgRaster)) {
    ipp_attribute_t* types = supported("pwg-raster-document-type");
    format.mime = kPwgRaster;
    for (const char* type : {colour ? "srgb_8" : "sgray_8", "sgray_8", "black_1", "srgb_8"})
      if (ippContainsString(types, type)) {
        format.rasterType = type;
        break;
      }
    chosen = ChooseRasterResolution(Resolutions(supported("pwg-raster-document-resolution")), wanted);
  } else if (ippContainsString(formats, kAppleRaster)) {
    ipp_attribute_t* urf = supported("urf");
    format.mime = kAppleRaster;
    if (ippContainsString(urf, "W8")) format.rasterType = "sgray_8";
    if (ippContainsString(urf, "SRGB24") && (colour || format.rasterType.empty())) format.rasterType = "srgb_8";
    chosen = ChooseRasterResolution(AppleResolutions(urf), wanted);
  }
  if (format.rasterType.empty()) {
    why = {"the printer takes none of " CUPS_FORMAT_PDF ", PWG raster (srgb_8, sgray_8, black_1) or Apple raster "
           "(W8, SRGB24); it takes " + IppKeywords(formats)};
    return std::nullopt;
  }
  if (!chosen) {
    why = {"the printer lists no raster resolution from " + std::to_string(kMinRasterDpi) + " to " +
           std::to_string(kMaxRasterDpi) + " dpi"};
    return std::nullopt;
  }
  format.dpiX = chosen->x;
  format.dpiY = chosen->y;
  return format;
}

CupsRasterDocument::CupsRasterDocument(CupsJob& job, const CupsDocumentFormat& format, int widthHundredths,
                                       int lengthHundredths)
    : job_(job) {
  pwg_media_t* media = pwgMediaForSize(widthHundredths, lengthHundredths);
  if (media == nullptr ||
      !cupsRasterInitPWGHeader(&header_, media, format.rasterType.c_str(), format.dpiX, format.dpiY, "one-sided",
                               nullptr))
    return;
  raster_.reset(cupsRasterOpenIO(&CupsRasterDocument::Write, this,
                                 format.mime == kAppleRaster ? CUPS_RASTER_WRITE_APPLE : CUPS_RASTER_WRITE_PWG));
  ready_ = raster_ != nullptr;
}

ssize_t CupsRasterDocument::Write(void* context, unsigned char* buffer, std::size_t length) {
  auto* self = static_cast<CupsRasterDocument*>(context);
  return self->job_.Write(buffer, length) ? static_cast<ssize_t>(length) : -1;
}

bool CupsRasterDocument::WritePage(cairo_surface_t* image) {
  if (!ready_ || !cupsRasterWriteHeader2(raster_.get(), &header_)) return false;
  const int imageWidth = cairo_image_surface_get_width(image), imageHeight = cairo_image_surface_get_height(image);
  const int stride = cairo_image_surface_get_stride(image);
  const unsigned char* pixels = cairo_image_surface_get_data(image);
  const int width = static_cast<int>(header_.cupsWidth);
  const int channels = header_.cupsBitsPerPixel == 24 ? 3 : 1;
  const bool bits = header_.cupsBitsPerPixel == 1;
  std::vector<unsigned char> row(header_.cupsBytesPerLine);
  for (unsigned y = 0; y < header_.cupsHeight; ++y) {
    // White: all ones for RGB and grey, no ink for black_1.
    std::fill(row.begin(), row.end(), bits ? 0x00 : 0xFF);
    if (static_cast<int>(y) < imageHeight) {
      const auto* line = reinterpret_cast<const std::uint32_t*>(pixels + static_cast<std::size_t>(y) * stride);
      for (int x = 0; x < width && x < imageWidth; ++x) {
        const unsigned r = (line[x] >> 16) & 0xFF, g = (line[x] >> 8) & 0xFF, b = line[x] & 0xFF;
        const unsigned grey = (r * 30 + g * 59 + b * 11) / 100;
        if (channels == 3) {
          row[x * 3] = static_cast<unsigned char>(r);
          row[x * 3 + 1] = static_cast<unsigned char>(g);
          row[x * 3 + 2] = static_cast<unsigned char>(b);
        } else if (bits) {
          if (grey < 128) row[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        } else {
          row[x] = static_cast<unsigned char>(grey);
        }
      }
    }
    if (cupsRasterWritePixels(raster_.get(), row.data(), header_.cupsBytesPerLine) != header_.cupsBytesPerLine)
      return false;
  }
  return true;
}

}  // namespace veltrim
