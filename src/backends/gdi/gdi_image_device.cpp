#include "backends/gdi/gdi_image_device.hpp"

#include <cerrno>
#include <cstring>
#include <utility>



namespace veltrim {
namespace {

int RowBytes(int width) { return (width * 3 + 3) & ~3; }

win::OwnedBitmap CreateSheet(HDC dc, int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top-down, as PNG wants them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return win::OwnedBitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

// A printer's own font: 12 points at the device's resolution.
win::OwnedFont CreateDefaultFont(int dpiY) {
  LOGFONTA font{};
  font.lfHeight = -MulDiv(12, dpiY, 72);
  font.lfWeight = FW_NORMAL;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::strcpy(font.lfFaceName, "Courier New");
  return win::OwnedFont(CreateFontIndirectA(&font));
}

}  // namespace

GdiImageDevice::GdiImageDevice(FileFormat format, std::string output, const DeviceCaps& caps)
    : format_(format),
      output_(std::move(output)),
      caps_(caps),
      dc_(CreateCompatibleDC(nullptr)),
      sheet_(CreateSheet(dc_.Get(), caps.physicalWidth, caps.physicalHeight, &bits_)),
      defaultFont_(CreateDefaultFont(caps.dpiY)),
      surface_(dc_.Get(), caps) {
  if (!dc_ || !sheet_) {
    bits_ = nullptr;
    return;
  }
  replacedBitmap_ = SelectObject(dc_.Get(), sheet_.Get());
  if (defaultFont_) replacedFont_ = SelectObject(dc_.Get(), defaultFont_.Get());
  SetViewportOrgEx(dc_.Get(), caps.offsetX, caps.offsetY, nullptr);
  IntersectClipRect(dc_.Get(), 0, 0, caps.horzRes, caps.vertRes);
}

GdiImageDevice::~GdiImageDevice() {
  if (inDocument_) EndDoc();
  // The DC gives back what it held before its own objects are deleted.
  if (replacedFont_) SelectObject(dc_.Get(), replacedFont_);
  if (replacedBitmap_) SelectObject(dc_.Get(), replacedBitmap_);
}

int GdiImageDevice::StartDocA(const char*) {
  if (!Ready() || inDocument_) return kSpError;
  if (format_ != FileFormat::Png && !document_) {
    constexpr double kPointsPerInch = 72.0;
    document_ = MakeRasterDocumentWriter(format_, output_, caps_.physicalWidth * kPointsPerInch / caps_.dpiX,
                                         caps_.physicalHeight * kPointsPerInch / caps_.dpiY);
  }
  if (document_ && !document_->Ok()) {
    failure_ = ErrnoFailure(document_->Error());
    return kSpError;
  }
  inDocument_ = true;
  return ++documents_;
}

int GdiImageDevice::StartPage() {
  if (!inDocument_ || inPage_) return 0;
  // A fresh white sheet, margins included; then drawing is held to the
  // printable area again.
  SelectClipRgn(dc_.Get(), nullptr);
  const bool painted =
      PatBlt(dc_.Get(), -caps_.offsetX, -caps_.offsetY, caps_.physicalWidth, caps_.physicalHeight, WHITENESS);
  IntersectClipRect(dc_.Get(), 0, 0, caps_.horzRes, caps_.vertRes);
  if (!painted) return 0;
  inPage_ = true;
  return 1;
}

int GdiImageDevice::EndPage() {
  if (!inPage_) return 0;
  inPage_ = false;
  GdiFlush();
  return WritePage(++pages_) ? 1 : 0;
}

int GdiImageDevice::EndDoc() {
  if (!inDocument_) return 0;
  const bool pageOk = !inPage_ || EndPage() > 0;
  inDocument_ = false;
  return pageOk ? 1 : 0;
}

bool GdiImageDevice::WritePage(int page) {
  const RasterPage pixels{static_cast<const std::uint8_t*>(bits_), caps_.physicalWidth, caps_.physicalHeight,
                          RowBytes(caps_.physicalWidth), true};
  if (document_) {
    if (document_->AddPage(pixels)) return true;
    failure_ = ErrnoFailure(document_->Error());
    return false;
  }
  errno = 0;
  if (WritePngFile(PngPagePath(output_, page), pixels)) return true;
  failure_ = ErrnoFailure(errno);
  return false;
}

}  // namespace veltrim
