#pragma once
// A print job rendered by GDI into PNG files, one a page, or one PDF or
// PostScript file of page images, on a printer that exists only as numbers (paper, resolution,
// margins): a memory DC with a sheet-sized bitmap, its origin at the
// printable area's top-left.

#include <windows.h>

#include <memory>
#include <string>

#include "backends/gdi/gdi_surface.hpp"
#include "backends/gdi/win_handles.hpp"
#include "core/platform/device_caps.hpp"
#include "core/platform/page_files.hpp"
#include "core/platform/print_device.hpp"
#include "core/platform/raster_files.hpp"

namespace veltrim {

class GdiImageDevice final : public PrintDevice {
 public:
  // PNG pages go to PngPagePath(output, n); a PDF or PostScript job into
  // `output`. Check Ready() before use.
  GdiImageDevice(FileFormat format, std::string output, const DeviceCaps& caps);
  ~GdiImageDevice() override;
  GdiImageDevice(const GdiImageDevice&) = delete;
  GdiImageDevice& operator=(const GdiImageDevice&) = delete;

  // False when the sheet's bitmap could not be made.
  bool Ready() const { return bits_ != nullptr; }

  Surface& Page() override { return surface_; }
  int StartDocA(const char* documentName) override;
  int StartPage() override;
  int EndPage() override;
  int EndDoc() override;
  FailureReason LastFailure() const override { return failure_; }

 private:
  bool WritePage(int page);

  FileFormat format_;
  std::string output_;  // 8-bit, in the ANSI code page, as fopen takes it
  DeviceCaps caps_;
  std::unique_ptr<RasterDocumentWriter> document_;  // PDF or PostScript, opened by the first document
  win::OwnedDc dc_;
  void* bits_ = nullptr;  // set while the sheet is made: declared before it
  win::OwnedBitmap sheet_;
  HGDIOBJ replacedBitmap_ = nullptr;
  win::OwnedFont defaultFont_;
  HGDIOBJ replacedFont_ = nullptr;
  GdiSurface surface_;
  bool inDocument_ = false;
  bool inPage_ = false;
  int documents_ = 0;
  int pages_ = 0;
  FailureReason failure_;
};

}  // namespace veltrim
