#include "backends/cairo/cairo_print_device.hpp"

#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

namespace veltrim {

namespace cairo_detail {

// Where the pages of a job go. Open makes the output; each page is drawn on
// the surface BeginPage answers and delivered by EndPage; Finish completes
// the output.
class JobOutput {
 public:
  virtual ~JobOutput() = default;
  virtual bool Open(const char* title) = 0;
  // The page's target, its user units per device dot, and the image when
  // the target keeps pixels.
  struct Target {
    cairo_surface_t* surface = nullptr;
    double unitsPerDotX = 1;
    double unitsPerDotY = 1;
    cairo_surface_t* readable = nullptr;
  };
  virtual Target BeginPage() = 0;
  virtual bool EndPage(cairo_t* cr, int pageNumber) = 0;
  virtual bool Healthy() const = 0;
  virtual bool Finish() = 0;

  // Why the output last failed.
  FailureReason failure;

 protected:
  // A Cairo call that failed: a write error is the file's, told by the
  // errno its fopen or fwrite left (cleared before the call); any other
  // status in Cairo's words.
  void Failed(cairo_status_t status) {
    const int error = errno;
    failure = status == CAIRO_STATUS_WRITE_ERROR && error != 0 ? ErrnoFailure(error)
                                                               : FailureReason{cairo_status_to_string(status)};
  }
};

namespace {

double Points(int dots, int dpi) { return dots * 72.0 / dpi; }

// PDF (to a file or a sink) and PostScript: one surface for the whole job.
class VectorOutput final : public JobOutput {
 public:
  VectorOutput(FileFormat format, std::filesystem::path path, ByteSink sink, const DeviceCaps& caps)
      : format_(format), path_(std::move(path)), sink_(std::move(sink)), caps_(caps) {}

  bool Open(const char* title) override {
    const double width = Points(caps_.physicalWidth, caps_.dpiX), height = Points(caps_.physicalHeight, caps_.dpiY);
    errno = 0;
    if (format_ == FileFormat::PostScript)
      surface_.reset(cairo_ps_surface_create(path_.c_str(), width, height));
    else if (sink_)
      surface_.reset(cairo_pdf_surface_create_for_stream(&VectorOutput::Write, this, width, height));
    else
      surface_.reset(cairo_pdf_surface_create(path_.c_str(), width, height));
    if (const cairo_status_t status = cairo_surface_status(surface_.get()); status != CAIRO_STATUS_SUCCESS) {
      Failed(status);
      surface_.reset();
      return false;
    }
    if (format_ == FileFormat::Pdf && title != nullptr && *title != '\0')
      cairo_pdf_surface_set_metadata(surface_.get(), CAIRO_PDF_METADATA_TITLE, title);
    return true;
  }

  Target BeginPage() override {
    return {surface_.get(), 72.0 / caps_.dpiX, 72.0 / caps_.dpiY, nullptr};
  }

  bool EndPage(cairo_t* cr, int) override {
    errno = 0;
    cairo_show_page(cr);
    return Check(cairo_status(cr));
  }

  bool Healthy() const override {
    return surface_ && cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS && !sinkFailed_;
  }

  bool Finish() override {
    if (!surface_) return true;
    errno = 0;
    cairo_surface_finish(surface_.get());
    const bool ok = Check(CAIRO_STATUS_SUCCESS);
    surface_.reset();
    return ok;
  }

 private:
  // Healthy after a call that answered `status`; the failure noted if not.
  bool Check(cairo_status_t status) {
    if (status == CAIRO_STATUS_SUCCESS && surface_) status = cairo_surface_status(surface_.get());
    if (status != CAIRO_STATUS_SUCCESS && failure.text.empty()) Failed(status);
    return status == CAIRO_STATUS_SUCCESS && Healthy();
  }

  static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length) {
    auto* self = static_cast<VectorOutput*>(closure);
    if (self->sinkFailed_ || !self->sink_({data, length})) {
      if (!self->sinkFailed_) self->failure = {"the document's bytes were not taken"};
      self->sinkFailed_ = true;
      return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
  }

  FileFormat format_;
  std::filesystem::path path_;
  ByteSink sink_;
  DeviceCaps caps_;
  CairoSurfacePtr surface_;
  bool sinkFailed_ = false;
};

// A fresh white image of the whole sheet per page, handed on when it ends.
class ImageOutput : public JobOutput {
 public:
  explicit ImageOutput(const DeviceCaps& caps) : caps_(caps) {}

  Target BeginPage() override {
    image_.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, caps_.physicalWidth, caps_.physicalHeight));
    if (const cairo_status_t status = cairo_surface_status(image_.get()); status != CAIRO_STATUS_SUCCESS) {
      Failed(status);
      image_.reset();
      return {};
    }
    CairoPtr paper(cairo_create(image_.get()));
    cairo_set_source_rgb(paper.get(), 1, 1, 1);
    cairo_paint(paper.get());
    return {image_.get(), 1, 1, image_.get()};
  }

  bool EndPage(cairo_t* cr, int pageNumber) override {
    const cairo_status_t status = image_ ? cairo_status(cr) : CAIRO_STATUS_NULL_POINTER;
    bool ok = status == CAIRO_STATUS_SUCCESS;
    if (ok) {
      cairo_surface_flush(image_.get());
      ok = Deliver(image_.get(), pageNumber);
    } else {
      Failed(status);
    }
    image_.reset();
    failed_ = failed_ || !ok;
    return ok;
  }

  bool Healthy() const override { return !failed_; }
  bool Finish() override { return !failed_; }

 protected:
  // Hands the finished page on; false, with the failure noted, when it was not taken.
  virtual bool Deliver(cairo_surface_t* image, int pageNumber) = 0;

 private:
  DeviceCaps caps_;
  CairoSurfacePtr image_;
  bool failed_ = false;
};

// PNG: each page written to its own file when it ends.
class PngOutput final : public ImageOutput {
 public:
  PngOutput(std::filesystem::path path, const DeviceCaps& caps) : ImageOutput(caps), path_(std::move(path)) {}

  bool Open(const char*) override {
    // The pages are written later; a folder that cannot take them fails the
    // document now, as a file that cannot be created would.
    std::filesystem::path folder = path_.parent_path();
    if (folder.empty()) folder = ".";
    if (path_.filename().empty()) {
      failure = {"no file name to number the pages from"};
      return false;
    }
    if (::access(folder.c_str(), W_OK) != 0) {
      failure = ErrnoFailure(errno);
      return false;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
      failure = ErrnoFailure(ENOTDIR);
      return false;
    }
    return true;
  }

 protected:
  bool Deliver(cairo_surface_t* image, int pageNumber) override {
    errno = 0;
    const cairo_status_t status = cairo_surface_write_to_png(image, PngPagePath(path_, pageNumber).c_str());
    if (status != CAIRO_STATUS_SUCCESS) Failed(status);
    return status == CAIRO_STATUS_SUCCESS;
  }

 private:
  std::filesystem::path path_;
};

// Page images handed to a sink.
class SinkImageOutput final : public ImageOutput {
 public:
  SinkImageOutput(PageImageSink sink, const DeviceCaps& caps) : ImageOutput(caps), sink_(std::move(sink)) {}
  bool Open(const char*) override { return true; }

 protected:
  bool Deliver(cairo_surface_t* image, int) override {
    if (sink_(image)) return true;
    failure = {"the page's pixels were not taken"};
    return false;
  }

 private:
  PageImageSink sink_;
};

}  // namespace
}  // namespace cairo_detail

using cairo_detail::CairoPtr;

CairoPrintDevice::CairoPrintDevice(FileFormat format, std::filesystem::path output, const DeviceCaps& caps)
    : surface_(caps) {
  if (format == FileFormat::Png)
    output_ = std::make_unique<cairo_detail::PngOutput>(std::move(output), caps);
  else
    output_ = std::make_unique<cairo_detail::VectorOutput>(format, std::move(output), nullptr, caps);
}

CairoPrintDevice::CairoPrintDevice(ByteSink sink, const DeviceCaps& caps)
    : surface_(caps),
      output_(std::make_unique<cairo_detail::VectorOutput>(FileFormat::Pdf, std::filesystem::path(), std::move(sink),
                                                           caps)) {}

CairoPrintDevice::CairoPrintDevice(PageImageSink sink, const DeviceCaps& caps)
    : surface_(caps), output_(std::make_unique<cairo_detail::SinkImageOutput>(std::move(sink), caps)) {}

CairoPrintDevice::~CairoPrintDevice() { FinishJob(); }

int CairoPrintDevice::FailedOutput(int result) { return Fail(result, output_->failure); }

int CairoPrintDevice::StartDocA(const char* documentName) {
  if (finished_) return Fail(kSpError, {"the job is already finished"});
  if (inDocument_) return Fail(kSpError, {"a document is already open"});
  if (!opened_) {
    if (!output_->Open(documentName)) return FailedOutput(kSpError);
    opened_ = true;
  }
  if (!output_->Healthy()) return FailedOutput(kSpError);
  inDocument_ = true;
  return ++documents_;
}

int CairoPrintDevice::StartPage() {
  if (!inDocument_) return Fail(0, {"no document is open"});
  if (page_) return Fail(0, {"a page is already open"});
  const auto target = output_->BeginPage();
  if (target.surface == nullptr) return FailedOutput(0);
  CairoPtr cr(cairo_create(target.surface));
  if (const cairo_status_t status = cairo_status(cr.get()); status != CAIRO_STATUS_SUCCESS)
    return Fail(0, {cairo_status_to_string(status)});
  page_ = std::move(cr);
  ++pagesStarted_;
  surface_.BeginPage(page_.get(), target.unitsPerDotX, target.unitsPerDotY, target.readable);
  return 1;
}

int CairoPrintDevice::EndPage() {
  if (!page_) return Fail(0, {"no page is open"});
  surface_.EndPage();
  const bool ok = output_->EndPage(page_.get(), pagesStarted_);
  page_.reset();
  ++pagesEnded_;
  return ok ? 1 : FailedOutput(0);
}

int CairoPrintDevice::EndDoc() {
  if (!inDocument_) return Fail(0, {"no document is open"});
  const bool pageOk = !page_ || EndPage() > 0;
  inDocument_ = false;
  if (!pageOk) return 0;
  return output_->Healthy() ? 1 : FailedOutput(0);
}

int CairoPrintDevice::FinishJob() {
  if (finished_) return finishResult_;
  const bool documentOk = !inDocument_ || EndDoc() > 0;
  const bool outputOk = !opened_ || output_->Finish();
  if (!outputOk) FailedOutput(0);
  finished_ = true;
  finishResult_ = documentOk && outputOk ? 1 : 0;
  return finishResult_;
}

}  // namespace veltrim
