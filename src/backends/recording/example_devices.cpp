// The example devices: a raster printer's capabilities for any resolution,
// printable area and margins, the A4 and Letter printers, and a display.
#include "backends/recording/example_devices.hpp"

#include <algorithm>
#include <cmath>

namespace veltrim {
namespace {

// The capabilities of a raster printer; every device factory starts here.
std::map<DeviceCap, int> PrinterCaps(int dpiX, int dpiY, int horzRes, int vertRes, int horzSizeMm, int vertSizeMm,
                                     int offsetX, int offsetY) {
  return {
      {DeviceCap::DriverVersion, 0x0400},
      {DeviceCap::Technology, kDtRasPrinter},
      {DeviceCap::HorzSize, horzSizeMm},
      {DeviceCap::VertSize, vertSizeMm},
      {DeviceCap::HorzRes, horzRes},
      {DeviceCap::VertRes, vertRes},
      {DeviceCap::BitsPixel, 24},
      {DeviceCap::Planes, 1},
      {DeviceCap::NumBrushes, -1},
      {DeviceCap::NumPens, -1},
      {DeviceCap::NumMarkers, 0},
      {DeviceCap::NumFonts, 0},
      {DeviceCap::NumColors, -1},
      {DeviceCap::CurveCaps, 511},
      {DeviceCap::LineCaps, 254},
      {DeviceCap::PolygonalCaps, 255},
      {DeviceCap::TextCaps, 0x7E0F},
      {DeviceCap::ClipCaps, 1},
      {DeviceCap::RasterCaps, 0x7E99},
      {DeviceCap::AspectX, dpiX},
      {DeviceCap::AspectY, dpiY},
      {DeviceCap::AspectXY, static_cast<int>(std::lround(std::sqrt(double(dpiX) * dpiX + double(dpiY) * dpiY)))},
      {DeviceCap::LogPixelsX, dpiX},
      {DeviceCap::LogPixelsY, dpiY},
      {DeviceCap::PhysicalWidth, horzRes + 2 * offsetX},
      {DeviceCap::PhysicalHeight, vertRes + 2 * offsetY},
      {DeviceCap::PhysicalOffsetX, offsetX},
      {DeviceCap::PhysicalOffsetY, offsetY},
  };
}

}  // namespace

RecordingDevice::RecordingDevice() : caps(PrinterCaps(600, 600, 4800, 6814, 203, 288, 80, 100)) {}

int RecordingDevice::Cap(DeviceCap index) const {
  const auto found = caps.find(index);
  return found == caps.end() ? 0 : found->second;
}

RecordingDevice& RecordingDevice::With(DeviceCap index, int value) {
  caps[index] = value;
  return *this;
}

int RecordingDevice::DefaultFontHeight() const {
  if (defaultFontHeight > 0) return defaultFontHeight;
  return std::max(1, Cap(DeviceCap::LogPixelsY) / 12);
}

RecordingDevice RecordingDevice::Printer(int dpiX, int dpiY, int horzRes, int vertRes, int horzSizeMm,
                                         int vertSizeMm, int offsetX, int offsetY) {
  RecordingDevice device;
  device.caps = PrinterCaps(dpiX, dpiY, horzRes, vertRes, horzSizeMm, vertSizeMm, offsetX, offsetY);
  return device;
}

RecordingDevice RecordingDevice::A4At600Dpi() { return Printer(600, 600, 4800, 6814, 203, 288, 80, 100); }

RecordingDevice RecordingDevice::LetterAt300Dpi() { return Printer(300, 300, 2400, 3150, 203, 266, 75, 75); }

RecordingDevice RecordingDevice::Screen(int width, int height) {
  // A display shares a printer's drawing abilities but has no paper.
  RecordingDevice device;
  device.caps = PrinterCaps(96, 96, width, height, width * 254 / 960, height * 254 / 960, 0, 0);
  for (const DeviceCap paper : {DeviceCap::PhysicalWidth, DeviceCap::PhysicalHeight, DeviceCap::PhysicalOffsetX,
                                DeviceCap::PhysicalOffsetY, DeviceCap::ScalingFactorX, DeviceCap::ScalingFactorY})
    device.caps.erase(paper);
  device.With(DeviceCap::DriverVersion, 0x4000)
      .With(DeviceCap::Technology, kDtRasDisplay)
      .With(DeviceCap::BitsPixel, 32)
      .With(DeviceCap::AspectX, 36)
      .With(DeviceCap::AspectY, 36)
      .With(DeviceCap::AspectXY, 51)
      .With(DeviceCap::ColorRes, 24)
      .With(DeviceCap::VRefresh, 60)
      .With(DeviceCap::DesktopHorzRes, width)
      .With(DeviceCap::DesktopVertRes, height)
      .With(DeviceCap::BltAlignment, 1);
  device.defaultFontHeight = 16;
  return device;
}

}  // namespace veltrim
