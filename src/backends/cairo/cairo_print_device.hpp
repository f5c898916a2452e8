#pragma once
// Print devices drawn by Cairo: a job goes into one PDF or PostScript file,
// one PNG file per page, a PDF stream handed to a sink (what a CUPS
// destination sends to the scheduler), or page images handed to a sink (what
// becomes raster for a printer that takes no PDF).
//
// One device is one job. Every document and page of it lands in the same
// output: two documents of three pages make a six-page PDF. Pages are
// written as they end (vector files stream through Cairo, each PNG page is
// written and dropped), so memory stays flat however long the job. The
// output is completed by FinishJob, or by the destructor.
//
// PNG pages are named from the output path: "out.png" gives "out-1.png",
// "out-2.png", ...; a path not ending in ".png" gets "-N.png" appended
// ("pages" gives "pages-1.png"). Numbers run on across documents.
//
// Results follow the spooler: StartDocA answers the document's number (1,
// 2, ...) or -1 (the output cannot be created, a document is already open,
// the job is finished); StartPage, EndPage and EndDoc answer 1, or 0 when
// called out of order or when Cairo or the output failed. EndDoc ends a
// page left open.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>

#include "backends/cairo/cairo_handles.hpp"
#include "backends/cairo/cairo_surface.hpp"
#include "core/platform/device_caps.hpp"
#include "core/platform/page_files.hpp"
#include "core/platform/print_device.hpp"

namespace veltrim {

// Receives the bytes of a PDF stream in order; false stops the job with a
// write error.
using ByteSink = std::function<bool(std::span<const unsigned char>)>;
// Receives each finished page as an RGB24 image of the whole sheet at the
// device's resolution; false fails the page.
using PageImageSink = std::function<bool(cairo_surface_t* page)>;

namespace cairo_detail {
class JobOutput;
}

class CairoPrintDevice final : public PrintDevice {
 public:
  // A job into a file (PDF, PostScript) or PNG files named from `output`.
  CairoPrintDevice(FileFormat format, std::filesystem::path output, const DeviceCaps& caps);
  // A PDF job whose bytes go to `sink` as they are produced.
  CairoPrintDevice(ByteSink sink, const DeviceCaps& caps);
  // A job whose pages go to `sink` as images, one at a time.
  CairoPrintDevice(PageImageSink sink, const DeviceCaps& caps);
  ~CairoPrintDevice() override;
  CairoPrintDevice(const CairoPrintDevice&) = delete;
  CairoPrintDevice& operator=(const CairoPrintDevice&) = delete;

  Surface& Page() override { return surface_; }
  CairoSurface& Canvas() { return surface_; }

  int StartDocA(const char* documentName) override;
  int StartPage() override;
  int EndPage() override;
  int EndDoc() override;
  FailureReason LastFailure() const override { return failure_; }

  // Completes the output (a document left open is ended first); 1 when all
  // of it was written, 0 otherwise. Later calls answer the same.
  int FinishJob();

  int PagesEnded() const { return pagesEnded_; }

 private:
  // `result`, with `why` noted as the reason of the failure it reports.
  int Fail(int result, FailureReason why) {
    failure_ = std::move(why);
    return result;
  }
  int FailedOutput(int result);

  CairoSurface surface_;
  std::unique_ptr<cairo_detail::JobOutput> output_;
  cairo_detail::CairoPtr page_;
  bool opened_ = false;
  bool inDocument_ = false;
  bool finished_ = false;
  int finishResult_ = 1;
  int documents_ = 0;
  int pagesStarted_ = 0;
  int pagesEnded_ = 0;
  FailureReason failure_;
};

}  // namespace veltrim
