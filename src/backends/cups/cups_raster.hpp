#pragma once
// Documents for a printer reached without a queue: the format it is sent in
// (PDF when it takes PDF, else PWG or Apple raster at a resolution it lists),
// and a raster document written through libcups' raster stream into the
// job, one page image at a time.

#include <cairo.h>
#include <cups/raster.h>

#include <memory>
#include <optional>
#include <string>

#include "backends/cups/cups_destination.hpp"

namespace veltrim {

struct CupsDocumentFormat {
  std::string mime = CUPS_FORMAT_PDF;  // application/pdf, image/pwg-raster or image/urf
  // Raster only: the PWG colour space and depth, and the resolution.
  std::string rasterType;  // "srgb_8", "sgray_8" or "black_1"
  int dpiX = 0;
  int dpiY = 0;
  bool IsRaster() const { return mime != CUPS_FORMAT_PDF; }
};

// PDF for a queue (its scheduler converts what the printer needs) and for a
// printer whose document-format-supported lists it; else PWG raster, or Apple
// raster when only that is listed, at the listed resolution nearest to
// `facts`' (the printer's default), in colour when `facts` says it prints
// colour and the format offers it. Nothing, with `why` set, when the printer
// takes none of these.
std::optional<CupsDocumentFormat> ChooseDocumentFormat(const CupsDestination& destination,
                                                       const CupsDestinationFacts& facts, FailureReason& why);

struct CupsRasterClose {
  void operator()(cups_raster_t* raster) const { cupsRasterClose(raster); }
};

// One raster document streamed into `job` (opened with the format's MIME
// type), on sheets of `widthHundredths` x `lengthHundredths` of a millimetre.
class CupsRasterDocument {
 public:
  CupsRasterDocument(CupsJob& job, const CupsDocumentFormat& format, int widthHundredths, int lengthHundredths);

  // One page: `image` (RGB24, the whole sheet) in the document's colour
  // space; a sheet larger than the image is white beyond it. False when the
  // job did not take it.
  bool WritePage(cairo_surface_t* image);

 private:
  static ssize_t Write(void* context, unsigned char* buffer, std::size_t length);

  CupsJob& job_;
  cups_page_header2_t header_{};
  std::unique_ptr<cups_raster_t, CupsRasterClose> raster_;
  bool ready_ = false;
};

}  // namespace veltrim
