#include "backends/cups/cups_print.hpp"

#include "backends/cups/cups_job_attributes.hpp"

namespace veltrim {
namespace {

constexpr double kHundredthsPerMm = 100.0;

}  // namespace

DeviceCaps CapsOfDestination(const CupsDestinationFacts& facts) {
  SimulatedDevice device{PaperSize{210, 297}, 300, MarginsMm{5, 5, 5, 5}};
  if (facts.media && facts.media->width > 0 && facts.media->length > 0) {
    const CupsMedia& media = *facts.media;
    device.paper = {media.width / kHundredthsPerMm, media.length / kHundredthsPerMm};
    device.margins = {media.left / kHundredthsPerMm, media.top / kHundredthsPerMm, media.right / kHundredthsPerMm,
                      media.bottom / kHundredthsPerMm};
  }
  if (facts.dpiX) device.dpi = *facts.dpiX;
  std::optional<DeviceCaps> caps = MakeDeviceCaps(device);
  if (!caps) caps = MakeDeviceCaps(SimulatedDevice{PaperSize{210, 297}, 300, MarginsMm{5, 5, 5, 5}});
  if (facts.dpiY && *facts.dpiY != caps->dpiY) {
    // Keep the sheet's size in millimetres at the vertical resolution.
    caps->physicalHeight = caps->physicalHeight * *facts.dpiY / caps->dpiY;
    caps->offsetY = caps->offsetY * *facts.dpiY / caps->dpiY;
    caps->vertRes = caps->vertRes * *facts.dpiY / caps->dpiY;
    caps->dpiY = *facts.dpiY;
  }
  if (facts.colour) caps->colour = *facts.colour;
  return *caps;
}

CupsPrintDevice::CupsPrintDevice(std::unique_ptr<CupsDestination> destination, const DeviceCaps& caps,
                                 CupsDocumentFormat format, int widthHundredths, int lengthHundredths,
                                 JobAttributes attributes)
    : destination_(std::move(destination)),
      caps_(caps),
      format_(std::move(format)),
      widthHundredths_(widthHundredths),
      lengthHundredths_(lengthHundredths),
      attributes_(std::move(attributes)),
      // Measures the page before the first document; it never writes.
      pages_(std::make_unique<CairoPrintDevice>([](std::span<const unsigned char>) { return false; }, caps)) {}

CupsPrintDevice::~CupsPrintDevice() {
  // A document still open is not handed over half-drawn: the job is
  // cancelled when its owner goes.
  pages_.reset();
  raster_.reset();
  job_.reset();
}

bool CupsPrintDevice::Send(std::span<const unsigned char> bytes) {
  return job_ && job_->Write(bytes.data(), bytes.size());
}

int CupsPrintDevice::Fail(int result) {
  failure_ = job_ && !job_->Failure().text.empty() ? job_->Failure() : pages_->LastFailure();
  return result;
}

int CupsPrintDevice::StartDocA(const char* documentName) {
  if (job_) {
    failure_ = {"a document is already open"};
    return kSpError;
  }
  // A job for a stopped or refusing queue would wait unseen: the document
  // fails here, as the spooler's StartDoc does.
  if (!destination_->ReadyForJobs(failure_)) return kSpError;
  auto job = std::make_unique<CupsJob>(*destination_, documentName ? documentName : "", format_.mime.c_str(),
                                       JobOptions(attributes_));
  if (!job->Started()) {
    failure_ = job->Failure();
    return kSpError;
  }
  lastJobId_ = job->Id();
  job_ = std::move(job);
  if (format_.IsRaster()) {
    raster_ = std::make_unique<CupsRasterDocument>(*job_, format_, widthHundredths_, lengthHundredths_);
    pages_ = std::make_unique<CairoPrintDevice>([this](cairo_surface_t* page) { return raster_->WritePage(page); },
                                                caps_);
  } else {
    pages_ = std::make_unique<CairoPrintDevice>(
        [this](std::span<const unsigned char> bytes) { return Send(bytes); }, caps_);
  }
  const int result = pages_->StartDocA(documentName);
  if (result == kSpError) {
    Fail(result);
    raster_.reset();
    job_.reset();
  }
  return result;
}

bool CupsPrintDevice::DocumentOpen() {
  if (!job_) failure_ = {"no document is open"};
  return job_ != nullptr;
}

int CupsPrintDevice::StartPage() {
  if (!DocumentOpen()) return 0;
  const int result = pages_->StartPage();
  return result > 0 ? result : Fail(result);
}

int CupsPrintDevice::EndPage() {
  if (!DocumentOpen()) return 0;
  const int result = pages_->EndPage();
  return result > 0 ? result : Fail(result);
}

int CupsPrintDevice::EndDoc() {
  if (!DocumentOpen()) return 0;
  const bool ended = pages_->EndDoc() > 0;
  const bool written = pages_->FinishJob() > 0;
  raster_.reset();
  const bool accepted = written && job_->Finish();
  const int result = ended && written && accepted ? 1 : Fail(0);
  job_.reset();
  return result;
}

PrintChoice CupsPrintTarget::Choose() {
  PrintChoice choice;
  auto destination = CupsDestination::Find(name_, failure_);
  if (!destination) return choice;
  // The asked values are checked here, once, as the dialog would refuse a
  // setting the printer lacks: a refused run creates no job at all, rather
  // than failing each document's job one by one.
  if (const auto refusal = RefuseUnsupported(*destination, attributes_)) {
    failure_ = *refusal;
    return choice;
  }
  CupsDestinationFacts facts = destination->Facts();
  for (const JobAttribute& attribute : attributes_) {
    if (attribute.name != "media") continue;
    if (const auto media = CupsMediaByName(*destination, attribute.keyword)) facts.media = media;
  }
  const auto format = ChooseDocumentFormat(*destination, facts, failure_);
  if (!format) return choice;
  if (format->IsRaster()) {
    facts.dpiX = format->dpiX;
    facts.dpiY = format->dpiY;
  }
  const DeviceCaps caps = CapsOfDestination(facts);
  // The raster sheet is the media as the printer names it, else the page laid out.
  const int width = facts.media ? facts.media->width : caps.physicalWidth * 2540 / caps.dpiX;
  const int length = facts.media ? facts.media->length : caps.physicalHeight * 2540 / caps.dpiY;
  choice.accepted = true;
  choice.printerName = destination->Name();
  choice.printerPort = destination->Port();
  choice.device =
      std::make_unique<CupsPrintDevice>(std::move(destination), caps, *format, width, length, attributes_);
  return choice;
}

}  // namespace veltrim
