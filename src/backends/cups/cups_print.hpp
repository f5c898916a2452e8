#pragma once
// Printing on a CUPS destination: the page geometry comes from the
// destination's default media, margins and resolution; every document is
// one job, drawn by the cairo backend and streamed to the scheduler as PDF,
// or to a printer without a queue as PDF or raster (cups_raster.hpp).

#include <memory>
#include <string>

#include "backends/cairo/cairo_print_device.hpp"
#include "backends/cups/cups_destination.hpp"
#include "backends/cups/cups_raster.hpp"
#include "core/print/job_attributes.hpp"

namespace veltrim {

// The device a destination describes. What it leaves unsaid falls back to
// A4 with 5 mm margins at 300 dpi, so a job can still be laid out.
DeviceCaps CapsOfDestination(const CupsDestinationFacts& facts);

class CupsPrintDevice final : public PrintDevice {
 public:
  // Documents go in `format`; a raster one on sheets of `widthHundredths` x
  // `lengthHundredths` of a millimetre. Every job is created with the
  // `attributes` asked.
  CupsPrintDevice(std::unique_ptr<CupsDestination> destination, const DeviceCaps& caps,
                  CupsDocumentFormat format = {}, int widthHundredths = 0, int lengthHundredths = 0,
                  JobAttributes attributes = {});
  ~CupsPrintDevice() override;

  Surface& Page() override { return pages_->Page(); }
  int StartDocA(const char* documentName) override;
  int StartPage() override;
  int EndPage() override;
  int EndDoc() override;
  int SpoolerJobId() const override { return lastJobId_; }
  FailureReason LastFailure() const override { return failure_; }

 private:
  bool Send(std::span<const unsigned char> bytes);
  // `result`, noting why: the scheduler's words when the job failed, else
  // those of the drawing.
  int Fail(int result);
  // False, with the failure told, when no document is open.
  bool DocumentOpen();

  std::unique_ptr<CupsDestination> destination_;
  DeviceCaps caps_;
  CupsDocumentFormat format_;
  int widthHundredths_ = 0;
  int lengthHundredths_ = 0;
  JobAttributes attributes_;
  std::unique_ptr<CupsJob> job_;             // the open document's job
  std::unique_ptr<CupsRasterDocument> raster_;  // the open document's raster, when it is sent so
  std::unique_ptr<CairoPrintDevice> pages_;  // draws the open document
  int lastJobId_ = 0;
  FailureReason failure_;
};

// A destination named by the user; a name the scheduler does not know, or
// an asked attribute it does not list, is a declined choice, as a cancelled
// print dialog would be. An asked media lays out the pages.
class CupsPrintTarget final : public PrintTarget {
 public:
  explicit CupsPrintTarget(std::string name, JobAttributes attributes = {})
      : name_(std::move(name)), attributes_(std::move(attributes)) {}
  PrintChoice Choose() override;
  FailureReason LastFailure() const override { return failure_; }

 private:
  std::string name_;
  JobAttributes attributes_;
  FailureReason failure_;
};

}  // namespace veltrim
